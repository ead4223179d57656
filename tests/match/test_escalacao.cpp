// Automatic lineups and the end of a date's preparation.
#include "construtores.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace world;
using namespace match;
using namespace construtores;

namespace {

struct Resultado {
    int goleiro, linha, defensores, meias, atacantes, formacao;
};

// Lines up club `c` with seed `semente` and reads the record back.
Resultado Escalado(Jogo& jogo, int c, std::uint64_t semente, int tipo = 1) {
    jogo.gerador.Semear(semente);
    EscalarClube(jogo, c, DoClube(jogo, c), tipo, kHoje);
    const TEscalacao& e = jogo.escalacoes[jogo.times[c].escalacao];
    int linha = 0;
    for (int j : e.jogadoreslinha) linha += j > 0;
    return {e.goleiro, linha, e.defensores, e.meias, e.atacantes, jogo.times[c].formacao};
}

} // namespace

TEST(Formacao, TwoForwardsRuleOutTheThreeForwardShapes) {
    Disponibilidade d{4, 4, 5, 2, 2};
    EXPECT_TRUE(FormacaoPossivel(k442, d));
    EXPECT_TRUE(FormacaoPossivel(k352, d));
    EXPECT_FALSE(FormacaoPossivel(k433, d));
    EXPECT_FALSE(FormacaoPossivel(k343, d));
    EXPECT_FALSE(FormacaoPossivel(k253, d));

    Jogo jogo;
    jogo.estado.temporada = 1;
    const int c = Clube(jogo);
    Elenco(jogo, c, {2, 4, 4, 5, 2});
    for (std::uint64_t s = 1; s <= 200; ++s) {
        const Resultado r = Escalado(jogo, c, s);
        EXPECT_GT(r.goleiro, 0);
        EXPECT_EQ(r.linha, 10);
        EXPECT_LE(r.atacantes, 2) << s;
        // A drawn 4-3-3 or 3-4-3 falls back to the first shape that fits: 4-4-2.
        EXPECT_TRUE(r.formacao == 442 || r.formacao == 352 || r.formacao == 451 ||
                    r.formacao == 541)
            << r.formacao;
    }
}

TEST(Formacao, ThreeFiveTwoWithFewFullBacksStillFieldsAFullThreeFiveTwo) {
    Jogo jogo;
    jogo.estado.temporada = 1;
    for (int laterais : {0, 1, 2}) {
        const int c = Clube(jogo);
        // Five centre-backs; midfielders just enough for five in midfield.
        Elenco(jogo, c, {2, laterais, 5, 5 - laterais, 3});
        int vezes = 0;
        for (std::uint64_t s = 1; s <= 60; ++s) {
            const Resultado r = Escalado(jogo, c, s);
            EXPECT_GT(r.goleiro, 0);
            EXPECT_EQ(r.linha, 10);
            EXPECT_GE(r.atacantes, 1);
            if (r.formacao != 352) continue;
            ++vezes;
            EXPECT_EQ(r.defensores, 3);
            EXPECT_EQ(r.meias, 5);
            EXPECT_EQ(r.atacantes, 2);
        }
        EXPECT_GT(vezes, 0) << laterais;
    }
}

TEST(Formacao, ThreeFiveTwoWithFullBacksPlaysTwoWingBacksAndALibero) {
    Jogo jogo;
    jogo.estado.temporada = 1;
    const int c = Clube(jogo);
    Elenco(jogo, c, {2, 4, 4, 5, 3});
    for (std::uint64_t s = 1; s <= 60; ++s) {
        const Resultado r = Escalado(jogo, c, s);
        if (r.formacao != 352) continue;
        const TEscalacao& e = jogo.escalacoes[jogo.times[c].escalacao];
        int alas = 0, liberos = 0;
        for (int j : e.jogadoreslinha) {
            const TJogador& x = jogo.jogadores[j];
            alas += x.posicaoatual == kLateral && x.funcao == 2;
            liberos += x.posicaoatual == kZagueiro && x.funcao == 1;
        }
        EXPECT_EQ(alas, 2);
        EXPECT_EQ(liberos, 1);
        EXPECT_EQ(e.titularesporposicao[kZagueiro - 1], 3);
        return;
    }
    FAIL() << "3-5-2 never drawn";
}

TEST(Formacao, WithoutAnyShapeTheStrongestGoalkeeperAndTenOthersPlay) {
    Jogo jogo;
    jogo.estado.temporada = 1;
    const int c = Clube(jogo);
    const int fraco = Jogador(jogo, c, kGoleiro, 40);
    const int forte = Jogador(jogo, c, kGoleiro, 80);
    Elenco(jogo, c, {0, 0, 0, 12}); // midfielders only
    const Resultado r = Escalado(jogo, c, 5);
    EXPECT_EQ(r.goleiro, forte);
    EXPECT_EQ(r.linha, 10);
    EXPECT_EQ(r.meias, 10);
    const TEscalacao& e = jogo.escalacoes[jogo.times[c].escalacao];
    EXPECT_EQ(e.reservas[0], fraco);
    int banco = 0;
    for (int j : e.reservas) banco += j > 0;
    EXPECT_EQ(banco, 3); // the goalkeeper and the two midfielders left
}

TEST(Escalacao, StartersAreTheStrongestAndTheBenchHoldsOneOfEachPosition) {
    Jogo jogo;
    jogo.estado.temporada = 1;
    const int c = Clube(jogo);
    std::vector<int> todos;
    for (int pos = 0; pos <= 4; ++pos)
        for (int k = 0; k < 5; ++k) todos.push_back(Jogador(jogo, c, pos, 50 + 5 * k));
    Escalado(jogo, c, 9);
    const TEscalacao& e = jogo.escalacoes[jogo.times[c].escalacao];
    EXPECT_EQ(jogo.jogadores[e.goleiro].forca, 70);
    for (int j : e.jogadoreslinha) {
        EXPECT_EQ(jogo.jogadores[j].jogou, 1);
        EXPECT_GE(jogo.jogadores[j].forca, 55);
    }
    std::set<int> posicoes;
    for (int k = 0; k < 5; ++k) posicoes.insert(jogo.jogadores[e.reservas[k]].posicaoatual);
    EXPECT_EQ(posicoes.size(), 5u);
    for (int j : e.reservas) EXPECT_EQ(jogo.jogadores[j].jogou, 0);
    // A game played is recorded for every starter in the date's competition.
    EXPECT_EQ(jogo.jogadores[e.goleiro].jogos[1], 1);
}

TEST(Preparacao, ThreeCardsMissTheLeagueDateAndAreThenForgottenThere) {
    Jogo jogo;
    jogo.estado.temporada = 1;
    const int c = Clube(jogo);
    Elenco(jogo, c, {2, 4, 4, 6, 4});
    const int estrela = Jogador(jogo, c, kAtacante, 99);
    jogo.jogadores[estrela].cartoes[1] = 3;
    jogo.jogadores[estrela].cartoes[2] = 3;
    const int suspenso = Jogador(jogo, c, kMeia, 98);
    jogo.jogadores[suspenso].suspensao[1] = 2;
    const int estranho = Jogador(jogo, c, kMeia, 120);
    jogo.jogadores[estranho].idade = 14;
    jogo.jogadores[estranho].retorno = kHoje + 10; // injured, stays out
    jogo.jogadores[estranho].jogou = 1;            // still flagged from the last date

    jogo.gerador.Semear(3);
    const std::vector<int> clubes = ClubesQueEscalam(jogo, 1);
    ASSERT_EQ(clubes, std::vector<int>{c});
    EscalarRodada(jogo, 1, kHoje, clubes);
    const TEscalacao& e = jogo.escalacoes[jogo.times[c].escalacao];
    for (int j : e.jogadoreslinha) {
        EXPECT_NE(j, estrela);
        EXPECT_NE(j, suspenso);
    }
    for (int j : e.reservas) EXPECT_NE(j, estrela);
    EXPECT_EQ(jogo.jogadores[estrela].cartoes[1], 0);
    EXPECT_EQ(jogo.jogadores[estrela].cartoes[2], 3);
    EXPECT_EQ(jogo.jogadores[suspenso].suspensao[1], 1);
    EXPECT_EQ(jogo.jogadores[estranho].forca, 100);
    EXPECT_EQ(jogo.jogadores[estranho].idade, 16);
    EXPECT_EQ(jogo.jogadores[estranho].jogou, 0); // not taken for a man on the pitch
}

TEST(Escalacao, HumanClubsAreLeftAlone) {
    Jogo jogo;
    jogo.estado.temporada = 1;
    const int humano = Clube(jogo, 10, true);
    Elenco(jogo, humano, {2, 4, 4, 6, 4});
    EXPECT_TRUE(ClubesQueEscalam(jogo, 1).empty());
    const std::vector<int> lista{humano};
    EscalarRodada(jogo, 0, kHoje, lista);
    EXPECT_EQ(jogo.times[humano].escalacao, -1);
}

TEST(ForcaDoOnze, TheStrongestGoalkeeperAndTenStrongestOutfieldPlayersAveraged) {
    // A second goalkeeper and the weakest outfield players stay out.
    std::vector<ForcaNaPosicao> elenco = {{0, 30}, {0, 50}, {1, 10}, {4, 99}};
    for (int k = 0; k < 10; ++k) elenco.push_back({1 + k % 4, 40.0 + k});
    EXPECT_DOUBLE_EQ(ForcaDoOnze(elenco),
                     (50 + 99 + (41 + 42 + 43 + 44 + 45 + 46 + 47 + 48 + 49)) / 11.0);
    // Places nobody fills weigh nothing: no goalkeeper, three outfield players.
    EXPECT_DOUBLE_EQ(ForcaDoOnze(std::vector<ForcaNaPosicao>{{2, 33}, {3, 33}, {4, 33}}), 9.0);
    EXPECT_DOUBLE_EQ(ForcaDoOnze({}), 0.0);
}
