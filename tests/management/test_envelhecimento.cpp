#include "management/envelhecimento.hpp"
#include "match/construtores.hpp"
#include "world/posicoes.hpp"

#include <gtest/gtest.h>

namespace {

using namespace management;
using world::kGoleiro;
using world::kMeia;

TEST(ChanceDeAposentar, FollowsTheTableAtEveryEdge) {
    struct Caso {
        int idade, linha, goleiro;
    };
    constexpr Caso kCasos[] = {{20, 0, 0},     {35, 0, 0},   {36, 39, 29}, {37, 49, 39},
                               {38, 49, 39},   {39, 59, 49}, {40, 59, 49}, {41, 69, 64},
                               {42, 69, 64},   {43, 79, 69}, {44, 79, 69}, {45, 89, 89},
                               {46, 89, 89},   {47, 96, 94}, {48, 96, 94}, {49, 100, 100},
                               {50, 100, 100}, {51, 100, 0}, {52, 100, 0}, {200, 100, 0}};
    for (const Caso& c : kCasos) {
        EXPECT_EQ(ChanceDeAposentar(c.idade, kMeia), c.linha) << c.idade;
        EXPECT_EQ(ChanceDeAposentar(c.idade, kGoleiro), c.goleiro) << c.idade;
    }
}

struct Elenco {
    world::Jogo jogo;
    int computador, humano;
    Elenco() {
        jogo.gerador.Semear(3);
        jogo.estado.temporada = 1;
        computador = construtores::Clube(jogo, 10);
        humano = construtores::Clube(jogo, 10, true);
    }
    int Jogador(int clube, int posicao, int idade) {
        const int j = construtores::Jogador(jogo, clube, posicao, 30, 100, idade);
        jogo.jogadores[j].avenda = 1;
        jogo.jogadores[j].salario = 1000 + j;
        return j;
    }
    world::TJogador& J(int i) { return jogo.jogadores[i]; }
};

TEST(EnvelhecerJogadores, VeteransOfComputerClubsRetireByTheTableHumansNever) {
    Elenco m;
    std::vector<int> de35, de36, goleiros51;
    for (int k = 0; k < 200; ++k) de35.push_back(m.Jogador(m.computador, kMeia, 34));
    for (int k = 0; k < 200; ++k) de36.push_back(m.Jogador(m.computador, kMeia, 35));
    for (int k = 0; k < 20; ++k) goleiros51.push_back(m.Jogador(m.computador, kGoleiro, 51));
    const int linha51 = m.Jogador(m.computador, kMeia, 51);
    const int veterano = m.Jogador(m.humano, kMeia, 60);

    EnvelhecerJogadores(m.jogo);

    for (int i : de35) {
        EXPECT_EQ(m.J(i).idade, 35);
        EXPECT_EQ(m.J(i).avenda, 0);
    }
    int aposentados = 0;
    for (int i : de36) {
        if (m.J(i).idade == 36) continue;
        ++aposentados;
        EXPECT_LE(m.J(i).idade, 20);
        EXPECT_EQ(m.J(i).posicao, kMeia);
        EXPECT_EQ(m.J(i).time, m.computador);
    }
    // 39% of 200: the seeded run lands near it.
    EXPECT_GT(aposentados, 55);
    EXPECT_LT(aposentados, 105);
    for (int i : goleiros51) EXPECT_EQ(m.J(i).idade, 52);
    EXPECT_LE(m.J(linha51).idade, 20);
    EXPECT_EQ(m.J(veterano).idade, 61);
    EXPECT_EQ(m.J(veterano).avenda, 1); // the human's list is his own
}

TEST(Aposentar, FromThirtyTwoWithANameTheRecordBecomesAJunior) {
    Elenco m;
    const int jovem = m.Jogador(m.humano, kMeia, 31);
    const int velho = m.Jogador(m.humano, kMeia, 32);
    EXPECT_FALSE(PodeAposentar(m.J(jovem)));
    EXPECT_TRUE(PodeAposentar(m.J(velho)));
    EXPECT_FALSE(Aposentar(m.jogo, jovem, "Novo", -1));
    EXPECT_EQ(m.J(jovem).idade, 31);
    EXPECT_FALSE(Aposentar(m.jogo, velho, "", -1));
    EXPECT_EQ(m.J(velho).idade, 32);
    EXPECT_FALSE(Aposentar(m.jogo, 0, "Novo", -1));

    m.jogo.financas.assign(m.jogo.times.size(), world::TFinancas{});
    ASSERT_TRUE(Aposentar(m.jogo, velho, "Tiago Junior", world::kAtacante));
    const world::TJogador& j = m.J(velho);
    EXPECT_EQ(j.nome.view(), "Tiago Junior");
    EXPECT_EQ(j.posicao, world::kAtacante);
    EXPECT_GE(j.idade, 17);
    EXPECT_LE(j.idade, 20);
    EXPECT_LE(j.forca, 20);
    EXPECT_EQ(j.energia, 100);
    EXPECT_EQ(m.jogo.times[m.humano].porposicao[world::kAtacante], 1);
    EXPECT_EQ(m.jogo.financas[m.humano].salariosemanal, m.J(jovem).salario + j.salario);
}

TEST(MorteJogador, OnlyPlayersOver52DieAndTheClubLosesFivePoints) {
    Elenco m;
    m.jogo.financas.assign(m.jogo.times.size(), world::TFinancas{});
    m.Jogador(m.computador, kMeia, 52);
    m.Jogador(m.computador, kMeia, 30);
    m.jogo.times[m.computador].pontos[1] = 12;
    for (int k = 0; k < 50; ++k) EXPECT_EQ(MorteJogador(m.jogo, m.computador), 0);
    EXPECT_EQ(m.jogo.times[m.computador].pontos[1], 12);

    const int idoso = m.Jogador(m.computador, kMeia, 53);
    int morto = 0;
    for (int k = 0; k < 50 && morto == 0; ++k) morto = MorteJogador(m.jogo, m.computador);
    EXPECT_EQ(morto, idoso);
    EXPECT_EQ(m.J(idoso).time, -1);
    EXPECT_EQ(m.jogo.times[m.computador].elenco, 2);
    EXPECT_EQ(m.jogo.times[m.computador].porposicao[kMeia], 2);
    EXPECT_EQ(m.jogo.times[m.computador].pontos[1], 7);

    // Past 60 no chance is needed; one death per call.
    const int a = m.Jogador(m.humano, kMeia, 61);
    const int b = m.Jogador(m.humano, kMeia, 70);
    EXPECT_EQ(MorteJogador(m.jogo, m.humano), a);
    EXPECT_EQ(m.J(b).time, m.humano);
    EXPECT_EQ(m.jogo.financas[m.humano].salariosemanal, m.J(b).salario);
    EXPECT_EQ(MorteJogador(m.jogo, 99), 0);
}

} // namespace
