// The engine keeps each side's sums and the minute's thresholds from one
// minute to the next. A match must go exactly as it would if everything were
// worked out afresh every minute, whatever the coach changes while it runs.
#include "construtores.hpp"
#include "management/escalacaotatica.hpp"
#include "match/gestaopartida.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace world;
using namespace match;
using namespace construtores;

namespace {

// What a played date left: every player, the matches' figures, the events
// and the generator.
struct Fim {
    std::vector<TJogador> jogadores;
    std::vector<TEscalacao> escalacoes;
    std::vector<std::array<i32, 16>> figuras;
    std::vector<TEvento> eventos;
    std::uint64_t gerador = 0;

    bool operator==(const Fim& o) const {
        auto bytes = [](const auto& a, const auto& b) {
            return a.size() == b.size() &&
                   std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0;
        };
        return bytes(jogadores, o.jogadores) && bytes(escalacoes, o.escalacoes) &&
               figuras == o.figuras && bytes(eventos, o.eventos) && gerador == o.gerador;
    }
};

Fim Guardar(const Confronto& c) {
    Fim f{c.jogo.jogadores, c.jogo.escalacoes, {}, c.rodada.eventos, c.jogo.gerador.Estado()};
    for (int m = 1; m <= c.rodada.numjogos; ++m) {
        const TJogoDaRodada& p = c.rodada.jogos[m];
        f.figuras.push_back({p.gols[0], p.gols[1], p.posse[0], p.posse[1], p.finalizacoes[0],
                             p.finalizacoes[1], p.faltas[0], p.faltas[1], p.ataquesvencidos[0],
                             p.ataquesvencidos[1], p.substituicoes[0], p.substituicoes[1],
                             p.numsubs[0], p.numsubs[1], p.roubadas[0], p.roubadas[1]});
    }
    return f;
}

// A change the coach makes with the clock stopped, before minute `minuto` of
// half `tempo`.
struct Mudanca {
    const char* nome;
    int tempo, minuto;
    std::function<void(Confronto&)> fazer;
};

// Plays the whole match on the engine's own minute step; `afresco` drops
// whatever the engine kept before every minute.
Fim Jogar(std::uint64_t semente, const Mudanca* mudanca, bool afresco) {
    Confronto c(semente, 1);
    c.casa = ClubePadrao(c.jogo, 14, true); // the coach's side
    c.fora = ClubePadrao(c.jogo, 16, false);
    c.Iniciar(true);
    for (int tempo = 1; tempo <= 2; ++tempo)
        for (int minuto = 1; minuto <= 45; ++minuto) {
            c.rodada.tempo = tempo;
            c.rodada.minuto = minuto;
            if (mudanca && mudanca->tempo == tempo && mudanca->minuto == minuto) mudanca->fazer(c);
            if (afresco) EsquecerResumos(c.rodada);
            JogarMinutoDeTodos(c.jogo, c.rodada);
        }
    return Guardar(c);
}

// A midfielder off for a bench forward: the lines change with the player.
void SubstituirUm(Confronto& c) {
    for (int v = 0; v < 10; ++v) {
        const int sai = Vaga(c.E(0), v);
        if (sai <= 0 || c.J(sai).posicaoatual != kMeia) continue;
        for (int r : c.E(0).reservas)
            if (r > 0 && c.J(r).posicao == kAtacante &&
                SubstituirNaPartida(c.jogo, c.rodada, 1, 0, sai, r))
                return;
    }
}

// The first midfielder on the pitch, pushed forward as a withdrawn forward.
void Adiantar(Confronto& c) {
    for (int v = 0; v < 10; ++v) {
        const int j = Vaga(c.E(0), v);
        if (j > 0 && c.J(j).jogou && c.J(j).posicaoatual == kMeia &&
            MudarPosicaoNaPartida(c.jogo, c.rodada, 1, 0, j, kAtacante, 0))
            return;
    }
}

} // namespace

TEST(ResumoMinuto, TheCoachsChangesActFromTheNextMinuteAsIfNothingWereKept) {
    // Before minute 27 the figures have just been worked out (after the energy
    // minute 25) and nothing would work them out again until minute 36: what
    // is kept would live longest there.
    const std::vector<Mudanca> mudancas = {
        {"tactics at half-time", 2, 1,
         [](Confronto& c) {
             management::DefinirEstilo(c.jogo, c.casa, 2);
             management::DefinirMarcacao(c.jogo, c.casa, 2);
             management::DefinirJogadas(c.jogo, c.casa, 1);
         }},
        {"counter-attack mid-half", 1, 27,
         [](Confronto& c) { management::DefinirEstilo(c.jogo, c.casa, 2); }},
        {"all-out attack mid-half", 2, 27,
         [](Confronto& c) { management::DefinirEstilo(c.jogo, c.casa, 1); }},
        {"heavy marking mid-half", 1, 27,
         [](Confronto& c) { management::DefinirMarcacao(c.jogo, c.casa, 2); }},
        {"a midfielder moved up front", 1, 27, Adiantar},
        {"and back to his position", 2, 27,
         [](Confronto& c) {
             Adiantar(c);
             for (int v = 0; v < 10; ++v) {
                 const int j = Vaga(c.E(0), v);
                 if (j > 0 && c.J(j).posicaoatual != c.J(j).posicao)
                     MudarPosicaoNaPartida(c.jogo, c.rodada, 1, 0, j, -1, 1);
             }
         }},
        {"a substitution", 2, 27, SubstituirUm},
    };
    for (const Mudanca& mudanca : mudancas) {
        SCOPED_TRACE(mudanca.nome);
        int mudou = 0;
        for (std::uint64_t semente = 1; semente <= 12; ++semente) {
            SCOPED_TRACE(semente);
            const Fim guardado = Jogar(semente, &mudanca, false);
            EXPECT_TRUE(guardado == Jogar(semente, &mudanca, true));
            mudou += !(guardado == Jogar(semente, nullptr, false));
        }
        EXPECT_GT(mudou, 0); // the change does make a difference
    }
}

TEST(ResumoMinuto, WithoutChangesTheMinutesGoAsEverAndAClubInTwoMatchesKeepsNothing) {
    for (std::uint64_t semente = 1; semente <= 6; ++semente) {
        EXPECT_TRUE(Jogar(semente, nullptr, false) == Jogar(semente, nullptr, true));

        // Only odd data puts a club in two matches of one date: the minutes of
        // one change the other's players.
        auto duplo = [&](bool afresco) {
            Confronto c(semente, 1);
            c.casa = ClubePadrao(c.jogo, 12, false);
            c.fora = ClubePadrao(c.jogo, 18, false);
            const int outro = ClubePadrao(c.jogo, 10, false);
            c.Iniciar();
            IniciarPartida(c.jogo, c.rodada, 2, outro, c.fora, false);
            EXPECT_FALSE(c.rodada.jogos[1].guardar);
            EXPECT_FALSE(c.rodada.jogos[2].guardar);
            for (int tempo = 1; tempo <= 2; ++tempo)
                for (int minuto = 1; minuto <= 45; ++minuto) {
                    c.rodada.tempo = tempo;
                    c.rodada.minuto = minuto;
                    if (afresco) EsquecerResumos(c.rodada);
                    JogarMinutoDeTodos(c.jogo, c.rodada);
                }
            return Guardar(c);
        };
        EXPECT_TRUE(duplo(false) == duplo(true));
    }
}

TEST(ResumoMinuto, APlayerInTwoSlotsTiresInBoth) {
    // Only odd data puts one player in two slots: every energy minute tires
    // him once for each, as his own record shows.
    Confronto c(3, 1);
    c.casa = ClubePadrao(c.jogo, 12, false);
    c.fora = ClubePadrao(c.jogo, 18, false);
    TEscalacao& e = c.jogo.escalacoes[c.jogo.times[c.casa].escalacao];
    const int j = e.jogadoreslinha[0];
    e.jogadoreslinha[1] = j;
    TJogador& x = c.J(j);
    x.idade = 30; // 2 at minute 10
    x.caract1 = x.caract2 = 0;
    x.energia = 90;
    c.Iniciar();
    for (int minuto = 1; minuto <= 10; ++minuto) {
        c.rodada.minuto = minuto;
        JogarMinutoDeTodos(c.jogo, c.rodada);
    }
    ASSERT_TRUE(x.jogou);
    EXPECT_EQ(x.energia, 86);
}
