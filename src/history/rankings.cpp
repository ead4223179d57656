#include "history/rankings.hpp"

#include "world/competicoes.hpp"
#include "world/paises.hpp"

#include <algorithm>
#include <tuple>

namespace history {

using namespace world;

ColunasVisiveis ColunasDoRanking(const Jogo& jogo, VisaoRankingClubes visao, int pais) {
    const TEstadoJogo& e = jogo.estado;
    ColunasVisiveis c;
    c.mostrar[kRkLiga] = c.mostrar[kRkCopa] = true;
    bool continentais = e.continental1 != 0;
    if (visao == VisaoRankingClubes::Internacional) {
        c.continente = -1;
    } else {
        c.continente = ContinentePais(pais);
        // Only Europe and South America play the continental cups as leagues.
        continentais = continentais && (c.continente == 0 || c.continente == 1);
        c.mostrar[kRkEstadual] = pais == kPaisCasa && e.estaduais;
    }
    c.mostrar[kRkContinental1] = c.mostrar[kRkMundial] = continentais;
    c.mostrar[kRkContinental2] = continentais && e.continental2;
    return c;
}

std::vector<LinhaRankingClube> RankingDeClubes(const Jogo& jogo, VisaoRankingClubes visao,
                                               int pais) {
    const ColunasVisiveis colunas = ColunasDoRanking(jogo, visao, pais);
    const bool titulos = visao == VisaoRankingClubes::Colocacao;
    const int clubes = std::min<int>(jogo.times.size(), jogo.estado.numtimesligas);
    std::vector<LinhaRankingClube> r;
    for (int c = 0; c < clubes; ++c) {
        const TTime& t = jogo.times[c];
        if (visao != VisaoRankingClubes::Internacional && t.pais != pais) continue;
        LinhaRankingClube l;
        l.time = c;
        for (int k = 0; k < kColunasRanking; ++k) {
            l.titulos[k] = t.titulos[k];
            for (int x = 0; x < 3; ++x) l.pontos[k][x] = t.pontoshistoricos[k][x];
            if (titulos)
                l.total += t.titulos[k];
            else if (k != kRkEstadual || colunas.mostrar[kRkEstadual])
                l.total += t.pontoshistoricos[k][0];
        }
        r.push_back(l);
    }
    auto saldo = [](const LinhaRankingClube& l, int x) {
        long long s = 0;
        for (const auto& p : l.pontos) s += p[x];
        return s;
    };
    std::sort(r.begin(), r.end(), [&](const LinhaRankingClube& a, const LinhaRankingClube& b) {
        if (a.total != b.total) return a.total > b.total;
        if (titulos) {
            if (a.titulos != b.titulos) return a.titulos > b.titulos;
        } else {
            const long long sa = saldo(a, 1) - saldo(a, 2), sb = saldo(b, 1) - saldo(b, 2);
            if (sa != sb) return sa > sb;
            if (saldo(a, 1) != saldo(b, 1)) return saldo(a, 1) > saldo(b, 1);
        }
        return a.time < b.time;
    });
    return r;
}

int PaisDoTecnico(const Jogo& jogo, int tecnico) {
    if (!jogo.TecnicoValido(tecnico)) return -1;
    const TTecnico& k = jogo.tecnicos[tecnico];
    return jogo.TimeValido(k.time) ? jogo.times[k.time].pais : k.pais;
}

std::vector<LinhaRankingTecnico> RankingDeTecnicos(const Jogo& jogo, int pais) {
    const bool mundial = pais < 0;
    std::vector<LinhaRankingTecnico> r;
    for (int i = 0; i < static_cast<int>(jogo.tecnicos.size()); ++i) {
        const TTecnico& k = jogo.tecnicos[i];
        if (k.nome.empty()) continue;
        LinhaRankingTecnico l;
        l.tecnico = i;
        l.time = jogo.TimeValido(k.time) ? k.time : -1;
        l.pais = PaisDoTecnico(jogo, i);
        if (!mundial && l.pais != pais) continue;
        l.pontos = mundial ? k.pontosmundial : k.pontos;
        // Competition codes of the coach's titles, in the columns' order.
        static constexpr int kCodigos[kColunasTecnico] = {
            kMundialDeClubes, kContinental1, kContinental2, kLiga, kCopaNacional, kEstadual};
        for (int c = 0; c < kColunasTecnico; ++c) l.titulos[c] = k.titulos[kCodigos[c]];
        // Only the home country plays state championships.
        if (l.pais != kPaisCasa) l.titulos[kTcEstadual] = 0;
        r.push_back(l);
    }
    std::sort(r.begin(), r.end(), [](const LinhaRankingTecnico& a, const LinhaRankingTecnico& b) {
        if (a.pontos != b.pontos) return a.pontos > b.pontos;
        if (a.titulos != b.titulos) return a.titulos > b.titulos;
        return std::tie(a.time, a.tecnico) < std::tie(b.time, b.tecnico);
    });
    return r;
}

} // namespace history
