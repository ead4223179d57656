// The coach's hand in a running match: substitutions, position changes, the
// half-time figures, the referee and the clock.
#include "construtores.hpp"
#include "match/gestaopartida.hpp"
#include "world/arbitros.hpp"

#include <cstring>
#include <gtest/gtest.h>

#include <set>

using namespace world;
using namespace match;
using namespace construtores;

namespace {

// Two default clubs, the home one human, match 1 in the second half.
struct Gestao : Confronto {
    Gestao() : Confronto(5, 1) {
        casa = ClubePadrao(jogo, 10, true);
        fora = ClubePadrao(jogo, 10, false);
        Iniciar(true);
        rodada.tempo = 2;
        rodada.minuto = 12;
    }
    int Titular(int vaga) { return Vaga(E(0), vaga); }
    int Banco(int k) { return E(0).reservas[k]; }
    bool Pode(int t, int r) { return PodeSubstituir(jogo, rodada, 1, 0, t, r); }
};

} // namespace

TEST(GestaoPartida, ASubstitutionMovesCountsListAndEventAndForgetsTheYellow) {
    Gestao g;
    const int sai = g.Titular(4); // a midfielder
    const int entra = g.Banco(3); // a bench midfielder
    g.J(sai).amarelosjogo = 1;
    const TEscalacao antes = g.E(0);
    const int jogosAntes = ValorDoHistorico(g.jogo, g.J(entra).historico, kHistJogos, 0);

    ASSERT_TRUE(SubstituirNaPartida(g.jogo, g.rodada, 1, 0, sai, entra));
    const TJogoDaRodada& p = g.P();
    EXPECT_EQ(g.Titular(4), entra);
    EXPECT_EQ(g.E(0).meias, antes.meias);
    EXPECT_EQ(g.E(0).titularesporposicao[kMeia - 1], antes.titularesporposicao[kMeia - 1]);
    EXPECT_EQ(p.substituicoes[0], 2);
    EXPECT_EQ(p.numsubs[0], 1);
    EXPECT_EQ(p.listasubs[0][0].jogador, sai);
    EXPECT_EQ(p.listasubs[0][0].minuto, 57);
    EXPECT_EQ(g.J(sai).jogou, 0);
    EXPECT_EQ(g.J(sai).amarelosjogo, 0);
    EXPECT_EQ(g.J(entra).jogou, 1);
    EXPECT_EQ(g.E(0).reservas[3], 0);
    EXPECT_EQ(ValorDoHistorico(g.jogo, g.J(entra).historico, kHistJogos, 0), jogosAntes + 1);
    ASSERT_EQ(g.Conta(kSubstituicaoEvento), 1);
    const TEvento& ev = g.rodada.eventos.back();
    EXPECT_EQ(ev.jogador, sai);
    EXPECT_EQ(ev.outro, entra);
    EXPECT_EQ(ev.minuto, 57);

    const auto linhas = SubstituicoesDoLado(g.rodada, 1, 0);
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0].sai, sai);
    EXPECT_EQ(linhas[0].entra, entra);
    EXPECT_EQ(linhas[0].minuto, 12);
    EXPECT_EQ(linhas[0].tempo, 2);
    EXPECT_TRUE(SubstituicoesDoLado(g.rodada, 1, 1).empty());
    // The man who went off cannot come back, nor go off again.
    EXPECT_FALSE(g.Pode(sai, g.Banco(4)));
    EXPECT_FALSE(g.Pode(g.Titular(5), sai));
}

TEST(GestaoPartida, AfterThreeSubstitutionsNoneIsAllowed) {
    Gestao g;
    EXPECT_TRUE(SubstituirNaPartida(g.jogo, g.rodada, 1, 0, g.Titular(4), g.Banco(3)));
    EXPECT_TRUE(SubstituirNaPartida(g.jogo, g.rodada, 1, 0, g.Titular(8), g.Banco(4)));
    EXPECT_TRUE(SubstituirNaPartida(g.jogo, g.rodada, 1, 0, g.Titular(0), g.Banco(1)));
    EXPECT_EQ(g.P().substituicoes[0], 0);
    EXPECT_EQ(g.P().numsubs[0], 3);
    const int titular = g.Titular(5), reserva = g.Banco(5);
    EXPECT_FALSE(g.Pode(titular, reserva));
    EXPECT_FALSE(SubstituirNaPartida(g.jogo, g.rodada, 1, 0, titular, reserva));
    EXPECT_EQ(g.Titular(5), titular);
}

TEST(GestaoPartida, GoalkeepersOnlyForGoalkeepersAndNoSecondOneOnThePitch) {
    Gestao g;
    const int goleiro = g.Titular(kVagaGoleiro), reservaGoleiro = g.Banco(0);
    EXPECT_TRUE(g.Pode(goleiro, reservaGoleiro));
    EXPECT_FALSE(g.Pode(goleiro, g.Banco(1)));          // a full-back in goal: no
    EXPECT_FALSE(g.Pode(g.Titular(0), reservaGoleiro)); // keeper still playing
    EXPECT_TRUE(g.Pode(g.Titular(0), g.Banco(1)));

    // Keeper sent off: now a bench keeper may come on for an outfield player.
    g.J(goleiro).jogou = 0;
    g.J(goleiro).suspensao[1] = 1;
    EXPECT_FALSE(g.Pode(goleiro, reservaGoleiro));
    EXPECT_TRUE(g.Pode(g.Titular(0), reservaGoleiro));

    // An outfield player moved into goal makes way for the bench keeper.
    ASSERT_TRUE(MudarPosicaoNaPartida(g.jogo, g.rodada, 1, 0, g.Titular(9), kGoleiro, 0));
    EXPECT_TRUE(g.Pode(g.Titular(9), reservaGoleiro));
    EXPECT_FALSE(g.Pode(g.Titular(0), reservaGoleiro));
}

TEST(GestaoPartida, InjuredSentOffAndUnknownPlayersCannotBeReplaced) {
    Gestao g;
    const int contundido = g.Titular(2), expulso = g.Titular(3), amistoso = g.Titular(6);
    g.J(contundido).retorno = kHoje + 20;
    g.J(expulso).suspensao[1] = 2;
    g.J(amistoso).jogou = 0; // a friendly's straight red leaves no suspension
    EXPECT_FALSE(g.Pode(contundido, g.Banco(2)));
    EXPECT_FALSE(g.Pode(expulso, g.Banco(2)));
    EXPECT_FALSE(g.Pode(amistoso, g.Banco(3)));
    EXPECT_FALSE(EmCondicoesNaPartida(g.jogo, g.rodada, contundido));
    EXPECT_FALSE(EmCondicoesNaPartida(g.jogo, g.rodada, expulso));
    EXPECT_TRUE(EmCondicoesNaPartida(g.jogo, g.rodada, g.Titular(7)));
    // Players of the other side, bad indices, bad matches.
    const int deFora = Vaga(g.E(1), 4);
    EXPECT_FALSE(g.Pode(deFora, g.Banco(3)));
    EXPECT_FALSE(g.Pode(g.Titular(4), g.E(1).reservas[3]));
    EXPECT_FALSE(g.Pode(0, g.Banco(3)));
    EXPECT_FALSE(g.Pode(g.Titular(4), 999999));
    EXPECT_FALSE(PodeSubstituir(g.jogo, g.rodada, 7, 0, g.Titular(4), g.Banco(3)));
    EXPECT_FALSE(PodeSubstituir(g.jogo, g.rodada, 1, 2, g.Titular(4), g.Banco(3)));
    // An injured bench player does not come on either.
    g.J(g.Banco(3)).retorno = kHoje + 7;
    EXPECT_FALSE(g.Pode(g.Titular(4), g.Banco(3)));
}

TEST(GestaoPartida, APositionChangeMovesTheCountsBothWays) {
    Gestao g;
    const int lateral = g.Titular(0);
    const TEscalacao antes = g.E(0);
    // Full-back "Defensivo" to midfielder "Ofensivo".
    ASSERT_TRUE(MudarPosicaoNaPartida(g.jogo, g.rodada, 1, 0, lateral, kMeia, 1));
    EXPECT_EQ(g.J(lateral).posicaoatual, kMeia);
    EXPECT_EQ(g.J(lateral).funcao, 1);
    EXPECT_EQ(g.E(0).titularesporposicao[kLateral - 1],
              antes.titularesporposicao[kLateral - 1] - 1);
    EXPECT_EQ(g.E(0).titularesporposicao[kMeia - 1], antes.titularesporposicao[kMeia - 1] + 1);
    EXPECT_EQ(g.E(0).defensores, antes.defensores - 1);
    EXPECT_EQ(g.E(0).meias, antes.meias + 1);

    // Back to his own position as "Ala": a full-back counted in midfield.
    ASSERT_TRUE(MudarPosicaoNaPartida(g.jogo, g.rodada, 1, 0, lateral, -1, 2));
    EXPECT_EQ(g.J(lateral).posicaoatual, kLateral);
    EXPECT_EQ(g.E(0).titularesporposicao[kLateral - 1], antes.titularesporposicao[kLateral - 1]);
    EXPECT_EQ(g.E(0).defensores, antes.defensores - 1);
    EXPECT_EQ(g.E(0).meias, antes.meias + 1);

    // Taken off afterwards, he leaves exactly what he last added.
    ASSERT_TRUE(SubstituirNaPartida(g.jogo, g.rodada, 1, 0, lateral, g.Banco(1)));
    EXPECT_EQ(g.E(0).defensores, antes.defensores);
    EXPECT_EQ(g.E(0).meias, antes.meias);

    // Roles a position lacks, positions off the list, players not on the pitch.
    const TEscalacao agora = g.E(0);
    const int zagueiro = g.Titular(2);
    EXPECT_FALSE(MudarPosicaoNaPartida(g.jogo, g.rodada, 1, 0, zagueiro, kZagueiro, 2));
    EXPECT_FALSE(MudarPosicaoNaPartida(g.jogo, g.rodada, 1, 0, zagueiro, 5, 0));
    EXPECT_FALSE(MudarPosicaoNaPartida(g.jogo, g.rodada, 1, 0, zagueiro, kGoleiro, 1));
    EXPECT_FALSE(MudarPosicaoNaPartida(g.jogo, g.rodada, 1, 0, lateral, kMeia, 0));
    EXPECT_FALSE(MudarPosicaoNaPartida(g.jogo, g.rodada, 1, 0, g.Banco(2), kMeia, 0));
    EXPECT_EQ(std::memcmp(&agora, &g.E(0), sizeof agora), 0);
    EXPECT_EQ(g.J(zagueiro).posicaoatual, kZagueiro);
}

TEST(GestaoPartida, HalfTimeFiguresFollowTheCountsAndTheShortPossessionRule) {
    Gestao g;
    TJogoDaRodada& p = g.P();
    p.posse[0] = 27;
    p.posse[1] = 18;
    p.roubadas[0] = 27;
    p.roubadas[1] = 18;
    p.finalizacoes[0] = 5;
    p.finalizacoes[1] = 2;
    p.faltas[0] = 9;
    p.faltas[1] = 4;
    auto e = EstatisticasIntervalo(g.jogo, g.rodada, 1);
    EXPECT_EQ(e[0].posse, 60);
    EXPECT_EQ(e[1].posse, 40);
    EXPECT_EQ(e[0].finalizacoes, 5);
    EXPECT_EQ(e[0].roubadas, 16 + 5); // round(16.2)
    EXPECT_EQ(e[1].roubadas, 11 + 2); // round(10.8)
    EXPECT_EQ(e[0].passeserrados, 22 - 5);
    EXPECT_EQ(e[1].passeserrados, 14 - 2); // round(14.4)
    EXPECT_EQ(e[0].faltas, 9);
    EXPECT_EQ(e[1].faltas, 4);

    // The share of a side short of the ball is drawn for the screen alone:
    // the game's generator is left as it was, and reopening gives the same.
    for (int lado = 0; lado < 2; ++lado) {
        p.posse[lado] = 14;
        p.posse[1 - lado] = 31;
        std::set<int> vistos;
        for (int k = 0; k < 40; ++k) {
            g.jogo.gerador.Semear(1000 + k);
            e = EstatisticasIntervalo(g.jogo, g.rodada, 1);
            EXPECT_EQ(g.jogo.gerador.Estado(), 1000u + k);
            EXPECT_EQ(EstatisticasIntervalo(g.jogo, g.rodada, 1)[lado].posse, e[lado].posse);
            EXPECT_GE(e[lado].posse, 21);
            EXPECT_LE(e[lado].posse, 30);
            EXPECT_EQ(e[0].posse + e[1].posse, 100);
            vistos.insert(e[lado].posse);
        }
        EXPECT_GT(vistos.size(), 3u); // still a draw from one half-time to another
    }
    // Shots in nearly every minute with the ball never give negative passes.
    p.posse[1] = 15;
    p.finalizacoes[1] = 15;
    EXPECT_EQ(EstatisticasIntervalo(g.jogo, g.rodada, 1)[1].passeserrados, 0);
    EXPECT_EQ(EstatisticasIntervalo(g.jogo, g.rodada, 9)[0].posse, 0);
}

TEST(GestaoPartida, TheRefereeIsOneOfTheSeasonsTwelveInTurnByMatchAndDate) {
    Gestao g;
    EscolherArbitrosTemporada(g.jogo);
    g.rodada.numjogos = 12;
    g.jogo.estado.dataatual = 3;
    bool visto[kNumArbitros] = {};
    for (int m = 1; m <= 12; ++m) {
        const int a = ArbitroDaPartida(g.jogo, g.rodada, m);
        ASSERT_GE(a, 0);
        EXPECT_FALSE(visto[a]) << "two matches of a date with one referee";
        visto[a] = true;
        EXPECT_EQ(a, ArbitroDaPartida(g.jogo, g.rodada, m)); // no draw
    }
    const int hoje = ArbitroDaPartida(g.jogo, g.rodada, 1);
    g.jogo.estado.dataatual = 4;
    EXPECT_NE(ArbitroDaPartida(g.jogo, g.rodada, 1), hoje);
    EXPECT_EQ(ArbitroDaPartida(g.jogo, g.rodada, 13), -1);
    EXPECT_EQ(ArbitroDaPartida(g.jogo, g.rodada, 0), -1);
}

TEST(GestaoPartida, TheClockShowsMinuteAndHalfOrTheInterval) {
    Rodada r;
    r.minuto = 17;
    r.tempo = 2;
    EXPECT_EQ(TextoDoRelogio(r, false).minuto, "17");
    EXPECT_EQ(TextoDoRelogio(r, false).tempo, "2");
    r.tempo = 1;
    EXPECT_EQ(TextoDoRelogio(r, false).tempo, "1");
    EXPECT_EQ(TextoDoRelogio(r, true).minuto, "Intervalo");
    EXPECT_EQ(TextoDoRelogio(r, true).tempo, "I");
}
