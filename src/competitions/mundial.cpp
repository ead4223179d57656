// The club world cup: six clubs, single matches on three dates in Japan.
#include "competitions/calendario.hpp"
#include "competitions/continentais.hpp"
#include "competitions/historico.hpp"
#include "competitions/rodadas.hpp"

#include <algorithm>
#include <utility>

namespace competitions {

using namespace world;

namespace {

int Primeiro(const Jogo& jogo, int pais) {
    return EntradaDaLista(jogo, pais, 1);
}

// A country chosen by a number below 100 from consecutive bands.
struct Faixa {
    int ate, pais; // r < ate
};
int PorFaixa(const Jogo& jogo, int r, std::initializer_list<Faixa> faixas) {
    for (const Faixa& f : faixas)
        if (r < f.ate) return Primeiro(jogo, f.pais);
    return -1;
}

int Ou(int c, int alternativa) {
    return c >= 0 ? c : alternativa;
}

double Data(const std::vector<double>& datas, int i) {
    return i >= 0 && i < static_cast<int>(datas.size()) ? datas[i] : 0.0;
}

void Escrever(Jogo& jogo, int par, int a, int b) {
    TParMundial& p = jogo.paresmundial[par];
    p.time1 = a;
    p.time2 = b;
    if (p.partida >= 0 && p.partida < static_cast<int>(jogo.partidas.size())) {
        jogo.partidas[p.partida].mandante = a;
        jogo.partidas[p.partida].visitante = b;
    }
}

// The winner of a pair whose match has been played, -1 before.
int Vencedor(const Jogo& jogo, const TParMundial& p) {
    if (p.partida < 0 || p.partida >= static_cast<int>(jogo.partidas.size())) return -1;
    const TPartida& f = jogo.partidas[p.partida];
    if (!f.jogado || !jogo.ClubeReal(f.mandante) || !jogo.ClubeReal(f.visitante)) return -1;
    if (f.golsmandante != f.golsvisitante)
        return f.golsmandante > f.golsvisitante ? f.mandante : f.visitante;
    if (f.penaltismandante == f.penaltisvisitante) return -1;
    return f.penaltismandante > f.penaltisvisitante ? f.mandante : f.visitante;
}

int Perdedor(const TParMundial& p) {
    if (p.vencedor < 0) return -1;
    return p.vencedor == p.time1 ? p.time2 : p.time1;
}

} // namespace

bool MundialSorteado(const Jogo& jogo) {
    for (const TPartida& p : jogo.partidas)
        if (p.competicao == kMundialDeClubes) return true;
    return false;
}

bool SortearMundial(Jogo& jogo) {
    const int temporada = jogo.estado.temporada;
    int c[6];
    c[0] = competitions::CampeaoDe(jogo, kContinental1, 1, temporada);
    c[1] = competitions::CampeaoDe(jogo, kContinental1, 2, temporada);
    c[2] = Ou(PorFaixa(jogo, jogo.Aleatorio(100), {{50, 107}, {90, 9}, {95, 43}, {100, 49}}),
              Primeiro(jogo, 107));
    c[3] = Ou(PorFaixa(jogo, jogo.Aleatorio(100), {{30, 57}, {60, 129}, {90, 1}, {100, 190}}),
              Primeiro(jogo, 57));
    const int r5 = jogo.Aleatorio(100);
    const bool de131 = jogo.ClubeReal(c[0]) && jogo.times[c[0]].pais == 131;
    c[4] = de131 ? PorFaixa(jogo, r5, {{50, 51}, {55, 38}, {100, 68}})
                 : PorFaixa(jogo, r5, {{20, 51}, {25, 38}, {35, 68}, {100, 131}});
    c[4] = Ou(Ou(c[4], Primeiro(jogo, 131)), Primeiro(jogo, 51));
    const int r6 = jogo.Aleatorio(100);
    c[5] = Primeiro(jogo, 143) >= 0 && r6 >= 60 ? Primeiro(jogo, 143) : Primeiro(jogo, 14);
    // A missing club, or one club twice, and there is no club world cup.
    for (int i = 0; i < 6; ++i) {
        if (!jogo.ClubeReal(c[i])) return false;
        for (int j = 0; j < i; ++j)
            if (c[j] == c[i]) return false;
    }

    const bool moeda = jogo.Aleatorio(2) == 0;
    const bool troca = jogo.Aleatorio(2) == 1;
    for (TParMundial& p : jogo.paresmundial) {
        p = TParMundial{};
        p.time1 = p.time2 = p.vencedor = p.partida = -1;
    }
    const auto datas = DatasDaCompeticao(jogo, kMundialDeClubes);
    // Pair index, day, and the order of the day's matches (the first at
    // Toquio, the second at Yokohama): the third place before the final.
    static constexpr int kOrdem[6][2] = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {5, 2}, {4, 2}};
    for (const auto& [par, dia] : kOrdem)
        jogo.paresmundial[par].partida = AdicionarPartida(jogo, -1, -1, dia + 1, -1, par + 1, 0,
                                                          kMundialDeClubes, Data(datas, dia));
    if (moeda) {
        Escrever(jogo, 0, c[2], c[3]);
        Escrever(jogo, 1, c[4], c[5]);
    } else {
        Escrever(jogo, 0, c[2], c[4]);
        Escrever(jogo, 1, c[3], c[5]);
    }
    Escrever(jogo, 2, c[troca ? 1 : 0], -1);
    Escrever(jogo, 3, c[troca ? 0 : 1], -1);
    for (int i = 0; i < 6; ++i) jogo.times[c[i]].jogamundial = 1;
    jogo.estado.contadores.fasetorneio = 1;
    return true;
}

void AvancarMundial(Jogo& jogo) {
    auto& p = jogo.paresmundial;
    for (TParMundial& par : p)
        if (par.vencedor < 0) par.vencedor = Vencedor(jogo, par);
    // First day: the winners meet the continental champions, the losers are
    // out.
    if (p[0].vencedor >= 0 && p[1].vencedor >= 0 && p[2].time2 < 0 && p[3].time2 < 0) {
        Escrever(jogo, 2, p[2].time1, p[0].vencedor);
        Escrever(jogo, 3, p[3].time1, p[1].vencedor);
        for (int k : {0, 1}) {
            const int perdedor = Perdedor(p[k]);
            if (!jogo.ClubeReal(perdedor)) continue;
            jogo.times[perdedor].jogamundial = 0;
            competitions::RegistrarCampanha(jogo, perdedor, 10, kMundialDeClubes, -1);
        }
    }
    if (p[2].vencedor >= 0 && p[3].vencedor >= 0 && p[4].time1 < 0 && p[5].time1 < 0) {
        Escrever(jogo, 4, p[2].vencedor, p[3].vencedor);
        Escrever(jogo, 5, Perdedor(p[2]), Perdedor(p[3]));
    }
    if (p[4].vencedor >= 0 && p[5].vencedor >= 0 &&
        competitions::CampeaoDe(jogo, kMundialDeClubes, -1, jogo.estado.temporada) < 0) {
        competitions::RegistrarColocacao(jogo, kMundialDeClubes, p[4].vencedor, -1, 1, -1);
        competitions::RegistrarColocacao(jogo, kMundialDeClubes, Perdedor(p[4]), -1, 2, -1);
        // Third and fourth go into the titles list without their coaches.
        for (const auto& [clube, lugar] : {std::pair{p[5].vencedor, 3}, {Perdedor(p[5]), 4}})
            if (jogo.ClubeReal(clube))
                competitions::RegistrarTitulo(jogo, kMundialDeClubes, clube, -1, lugar, -1);
        for (TParMundial& par : p)
            for (int c : {par.time1, par.time2})
                if (jogo.ClubeReal(c)) jogo.times[c].jogamundial = 0;
    }
}

} // namespace competitions
