#include "competitions/copa.hpp"

#include "competitions/confrontos.hpp"

#include "competitions/calendario.hpp"
#include "competitions/historico.hpp"
#include "match/penaltis.hpp"

#include <utility>
#include <vector>

namespace competitions {

using namespace world;

namespace {

constexpr int kUltimaFase = 5;

using FaseDaCopa = std::array<Confronto, 16>; // by tie number − 1

int ConfrontosDaFase(int fase) {
    return 16 >> (fase - 1);
}

bool LigaValida(const Jogo& jogo, int liga) {
    return liga >= 0 && liga < static_cast<int>(jogo.ligas.size());
}

int PrimeiraFase(const Jogo& jogo, int liga) {
    return CopaDe32(jogo, liga) ? 1 : 2;
}

// Fixture i into its tie of the phase: the first fixture with a tie's number
// is the first leg, the next the second.
void Anotar(FaseDaCopa& f, int fase, int turno, int i) {
    if (turno < 1 || turno > ConfrontosDaFase(fase)) return;
    Confronto& c = f[turno - 1];
    if (c.ida < 0)
        c.ida = i;
    else if (c.volta < 0)
        c.volta = i;
}

// The ties of one phase of a league's cup, found by their number in the phase.
FaseDaCopa Fase(const Jogo& jogo, int liga, int fase) {
    FaseDaCopa f{};
    for (std::size_t i = 0; i < jogo.partidas.size(); ++i) {
        const TPartida& p = jogo.partidas[i];
        if (p.competicao == kCopaNacional && p.grupo == liga && p.rodada == fase)
            Anotar(f, fase, p.turno, static_cast<int>(i));
    }
    return f;
}

// Every phase of every league's cup in one pass over the fixtures, by league
// and phase (1..kUltimaFase).
using FasesDasCopas = std::vector<std::array<FaseDaCopa, kUltimaFase + 1>>;
FasesDasCopas TodasAsFases(const Jogo& jogo) {
    FasesDasCopas r(jogo.ligas.size());
    for (std::size_t i = 0; i < jogo.partidas.size(); ++i) {
        const TPartida& p = jogo.partidas[i];
        if (p.competicao != kCopaNacional || p.grupo < 0 || p.grupo >= static_cast<int>(r.size()) ||
            p.rodada < 1 || p.rodada > kUltimaFase)
            continue;
        Anotar(r[p.grupo][p.rodada], p.rodada, p.turno, static_cast<int>(i));
    }
    return r;
}

bool TemPartidas(const FaseDaCopa& f) {
    for (const Confronto& c : f)
        if (c.ida >= 0) return true;
    return false;
}

// Both clubs of the tie are known.
bool Completo(const Jogo& jogo, const Confronto& c) {
    if (c.ida < 0 || c.volta < 0) return false;
    const TPartida& ida = jogo.partidas[c.ida];
    return jogo.TimeValido(ida.mandante) && jogo.TimeValido(ida.visitante);
}

int Vencedor(const Jogo& jogo, const Confronto& c) {
    return VencedorIdaEVolta(jogo, c.ida, c.volta);
}

int Decidir(Jogo& jogo, const Confronto& c) {
    return DecidirIdaEVolta(jogo, c.ida, c.volta);
}

// Every tie with both clubs has had its second leg. A phase in which no match
// could be played (only walkovers) ends when its dates are over.
bool FaseEncerrada(const Jogo& jogo, const FaseDaCopa& f, int fase) {
    bool jogou = false;
    for (const Confronto& c : f) {
        if (!Completo(jogo, c)) continue;
        if (!jogo.partidas[c.volta].jogado) return false;
        jogou = true;
    }
    return jogou || jogo.estado.contadores.fasecopa > fase;
}

bool CampeaoRegistrado(const Jogo& jogo, int liga) {
    return competitions::CampeaoDe(jogo, kCopaNacional, jogo.ligas[liga].pais,
                                   jogo.estado.temporada) >= 0;
}

// `f` the phase's ties, `proxima` the next phase's (none after the final).
void AvancarFaseDaCopa(Jogo& jogo, int liga, int fase, const FaseDaCopa& f,
                       const FaseDaCopa& proxima) {
    const int n = ConfrontosDaFase(fase);
    std::array<int, 16> vencedores;
    vencedores.fill(-1);
    for (int t = 0; t < n; ++t) vencedores[t] = Decidir(jogo, f[t]);
    if (fase == kUltimaFase) {
        const int campeao = vencedores[0];
        if (campeao < 0 || CampeaoRegistrado(jogo, liga)) return;
        const TPartida& ida = jogo.partidas[f[0].ida];
        const int vice = ida.mandante == campeao ? ida.visitante : ida.mandante;
        const int pais = jogo.ligas[liga].pais;
        jogo.times[campeao].jogacopa = 0;
        competitions::RegistrarColocacao(jogo, kCopaNacional, campeao, pais, 1, -1);
        if (jogo.TimeValido(vice))
            competitions::RegistrarColocacao(jogo, kCopaNacional, vice, pais, 2, -1);
        return;
    }
    for (int k = 0; k < n / 2; ++k)
        EscreverConfronto(jogo, proxima[k], vencedores[2 * k], vencedores[2 * k + 1]);
}

// One pot of the draw: up to 16 clubs, -1 in the places nobody filled.
struct Pote {
    std::array<int, 16> clubes;
    int n = 0;
    Pote() { clubes.fill(-1); }
};

void Embaralhar(Jogo& jogo, Pote& pote) {
    for (int i = 0; i < 16; ++i) std::swap(pote.clubes[i], pote.clubes[jogo.Aleatorio(16)]);
}

} // namespace

// The club that goes through, -1 while it is not known. A club whose
// opponent is missing (the draw ran short of clubs) goes through without
// playing; with both missing nobody does.
int VencedorIdaEVolta(const Jogo& jogo, int ida, int volta) {
    const int n = static_cast<int>(jogo.partidas.size());
    if (ida < 0 || ida >= n) return -1;
    const TPartida& i = jogo.partidas[ida];
    const int a = jogo.TimeValido(i.mandante) ? i.mandante : -1;
    const int b = jogo.TimeValido(i.visitante) ? i.visitante : -1;
    if (a < 0 || b < 0) return a < 0 ? b : a;
    if (volta < 0 || volta >= n || !jogo.partidas[volta].jogado) return -1;
    const TPartida& v = jogo.partidas[volta];
    const int r =
        match::DecidirConfronto(i.golsmandante, i.golsvisitante, v.golsmandante, v.golsvisitante);
    if (r != 3) return r == 1 ? a : b;
    if (i.penaltismandante == i.penaltisvisitante) return -1; // shoot-out still to come
    return i.penaltismandante > i.penaltisvisitante ? a : b;
}

int DecidirIdaEVolta(Jogo& jogo, int ida, int volta) {
    const int n = static_cast<int>(jogo.partidas.size());
    if (ida >= 0 && ida < n && volta >= 0 && volta < n && jogo.partidas[volta].jogado &&
        jogo.TimeValido(jogo.partidas[ida].mandante) &&
        jogo.TimeValido(jogo.partidas[ida].visitante) && VencedorIdaEVolta(jogo, ida, volta) < 0) {
        const match::TResultadoDisputa pen = match::SortearDisputaDoisJogos(jogo);
        TPartida& i = jogo.partidas[ida];
        i.penaltismandante = pen.gols[0];
        i.penaltisvisitante = pen.gols[1];
    }
    return VencedorIdaEVolta(jogo, ida, volta);
}

bool CopaDe32(const Jogo& jogo, int liga) {
    if (!LigaValida(jogo, liga)) return false;
    const bool de20 = jogo.estado.divisoesporliga == 2;
    return jogo.ligas[liga].numdivisoes >= (de20 ? 2 : 3);
}

void SortearCopa(Jogo& jogo, int liga) {
    if (!LigaValida(jogo, liga)) return;
    const bool de32 = CopaDe32(jogo, liga);
    const int primeira = de32 ? 1 : 2;
    const FaseDaCopa fase = Fase(jogo, liga, primeira);
    if (!TemPartidas(fase)) return; // the cup is not played in this country

    const TLiga& l = jogo.ligas[liga];
    const bool de20 = jogo.estado.divisoesporliga == 2;
    const int vagas = de20 ? 20 : 10;
    const int divisoes = l.numdivisoes < 0 ? 0 : (l.numdivisoes > 4 ? 4 : l.numdivisoes);
    const int ntimes = static_cast<int>(jogo.times.size());

    // Each club's division in this league (0: in none).
    std::vector<int> divisao(ntimes, 0);
    for (int d = 0; d < divisoes; ++d)
        for (int s = 0; s < vagas; ++s) {
            const int c = l.divisoes[d][s];
            if (jogo.TimeValido(c) && divisao[c] == 0) divisao[c] = d + 1;
        }
    // Slot s (1-based) of division d (1-based), -1 when empty or absent.
    auto vaga = [&](int d, int s) {
        if (d > divisoes || s > vagas) return -1;
        const int c = l.divisoes[d - 1][s - 1];
        return jogo.TimeValido(c) ? c : -1;
    };
    std::vector<char> sorteado(ntimes, 0);
    auto por = [&](Pote& p, int c) {
        if (p.n >= 16 || c < 0 || sorteado[c]) return;
        p.clubes[p.n++] = c;
        sorteado[c] = 1;
    };
    auto humano = [&](int c) { return c >= 0 && jogo.times[c].humano != 0; };
    auto vagasDe = [&](Pote& p, int d, int de, int ate, bool humanos, bool outros) {
        for (int s = de; s <= ate; ++s) {
            const int c = vaga(d, s);
            if (c >= 0 && (humano(c) ? humanos : outros)) por(p, c);
        }
    };

    Pote a, b;
    if (de32) {
        if (de20) {
            vagasDe(a, 1, 1, 16, true, true);
            vagasDe(b, 1, 17, 20, true, true);
            for (int c = 0; c < ntimes; ++c)
                if (humano(c) && divisao[c] == 2) por(b, c);
            vagasDe(b, 2, 1, 20, false, true);
        } else {
            vagasDe(a, 1, 1, 10, true, true);
            vagasDe(a, 2, 1, 6, true, true);
            vagasDe(b, 2, 7, 10, true, true);
            for (int c = 0; c < ntimes; ++c)
                if (humano(c) && (divisao[c] == 3 || divisao[c] == 4)) por(b, c);
            vagasDe(b, 3, 1, 10, false, true);
            if (divisoes >= 4) {
                vagasDe(b, 4, 1, 10, false, true);
            } else {
                for (int c = 0; c < ntimes; ++c)
                    if (divisao[c] == 0 && jogo.times[c].pais == l.pais && !jogo.EhSelecao(c))
                        por(b, c);
            }
        }
    } else {
        // Human clubs first, so that nobody coached by a player is left out.
        const int usadas = de20 ? 1 : (divisoes < 2 ? divisoes : 2);
        for (int d = 1; d <= usadas; ++d) vagasDe(a, d, 1, vagas, true, false);
        for (int d = 1; d <= usadas; ++d) vagasDe(a, d, 1, vagas, false, true);
    }

    // Last season's flags go; only this draw's clubs play.
    for (int c = 0; c < ntimes; ++c)
        if (divisao[c] > 0 || (jogo.times[c].pais == l.pais && !jogo.EhSelecao(c)))
            jogo.times[c].jogacopa = 0;

    Embaralhar(jogo, a);
    if (de32) Embaralhar(jogo, b);
    const int confrontos = ConfrontosDaFase(primeira);
    for (int k = 0; k < confrontos; ++k) {
        const int ca = a.clubes[k];
        const int cb = de32 ? b.clubes[k] : a.clubes[k + 8];
        EscreverConfronto(jogo, fase[k], ca, cb);
        if (fase[k].ida < 0) continue;
        for (int c : {ca, cb})
            if (c >= 0) jogo.times[c].jogacopa = 1;
    }
}

void SortearCopas(Jogo& jogo) {
    if (!jogo.estado.copanacional) return;
    for (int l = 0; l < static_cast<int>(jogo.ligas.size()); ++l) SortearCopa(jogo, l);
}

void AvancarFase(Jogo& jogo, int competicao, int chave) {
    // The continental cups keep their own brackets.
    if (competicao != kCopaNacional || !LigaValida(jogo, chave)) return;
    // The phase just finished: the latest one whose second legs have all
    // been played.
    for (int fase = kUltimaFase; fase >= PrimeiraFase(jogo, chave); --fase) {
        const FaseDaCopa f = Fase(jogo, chave, fase);
        bool jogou = false, pendente = false;
        for (const Confronto& c : f) {
            if (!Completo(jogo, c)) continue;
            (jogo.partidas[c.volta].jogado ? jogou : pendente) = true;
        }
        if (jogou && !pendente) {
            AvancarFaseDaCopa(jogo, chave, fase, f,
                              fase < kUltimaFase ? Fase(jogo, chave, fase + 1) : FaseDaCopa{});
            return;
        }
    }
}

void AvancarFasesDaCopa(Jogo& jogo) {
    // Advancing writes clubs into fixtures but never adds or moves one, so
    // the ties found once hold for every league and phase.
    const FasesDasCopas fases = TodasAsFases(jogo);
    for (int liga = 0; liga < static_cast<int>(jogo.ligas.size()); ++liga) {
        const int primeira = PrimeiraFase(jogo, liga);
        for (int fase = primeira; fase <= kUltimaFase; ++fase) {
            const FaseDaCopa& f = fases[liga][fase];
            if (!TemPartidas(f) || !FaseEncerrada(jogo, f, fase)) break;
            const FaseDaCopa& proxima = fase < kUltimaFase ? fases[liga][fase + 1] : FaseDaCopa{};
            const bool feita =
                fase == kUltimaFase ? CampeaoRegistrado(jogo, liga) : !FaseVazia(jogo, proxima);
            if (!feita) AvancarFaseDaCopa(jogo, liga, fase, f, proxima);
        }
    }
}

std::string PlacarDoConfronto(const TPartida& ida, const TPartida& volta) {
    // Club A is away in the second leg.
    std::string r = std::to_string(ida.golsmandante) + "x" + std::to_string(ida.golsvisitante) +
                    "-" + std::to_string(volta.golsvisitante) + "x" +
                    std::to_string(volta.golsmandante);
    const bool nivelado = match::DecidirConfronto(ida.golsmandante, ida.golsvisitante,
                                                  volta.golsmandante, volta.golsvisitante) == 3;
    if (nivelado && (ida.penaltismandante != 0 || ida.penaltisvisitante != 0))
        r += ";P:" + std::to_string(ida.penaltismandante) + "x" +
             std::to_string(ida.penaltisvisitante);
    return r;
}

std::array<TCaixaCopa, 31> ChaveDaCopa(const Jogo& jogo, int liga) {
    std::array<TCaixaCopa, 31> caixas{};
    if (!LigaValida(jogo, liga)) return caixas;
    static constexpr int kPrimeiraCaixa[kUltimaFase] = {0, 16, 24, 28, 30};
    for (int fase = 1; fase <= kUltimaFase; ++fase) {
        const FaseDaCopa f = Fase(jogo, liga, fase);
        for (int t = 0; t < ConfrontosDaFase(fase); ++t) {
            const Confronto& c = f[t];
            TCaixaCopa& x = caixas[kPrimeiraCaixa[fase - 1] + t];
            x.ida = c.ida;
            x.volta = c.volta;
            if (c.ida < 0) continue;
            const TPartida& ida = jogo.partidas[c.ida];
            x.mandante = jogo.TimeValido(ida.mandante) ? ida.mandante : -1;
            x.visitante = jogo.TimeValido(ida.visitante) ? ida.visitante : -1;
            if (Completo(jogo, c) && jogo.partidas[c.volta].jogado)
                x.placar = PlacarDoConfronto(ida, jogo.partidas[c.volta]);
            x.vencedor = Vencedor(jogo, c);
        }
    }
    return caixas;
}

int CampeaoDaCopa(const Jogo& jogo, int liga) {
    if (!LigaValida(jogo, liga)) return -1;
    const Confronto final = Fase(jogo, liga, kUltimaFase)[0];
    if (Completo(jogo, final)) return Vencedor(jogo, final);
    // A final without an opponent is settled when its phase is advanced.
    return competitions::CampeaoDe(jogo, kCopaNacional, jogo.ligas[liga].pais,
                                   jogo.estado.temporada);
}

} // namespace competitions
