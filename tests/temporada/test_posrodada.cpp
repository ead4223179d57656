#include "match/construtores.hpp"
#include "temporada/posrodada.hpp"

#include <gtest/gtest.h>

namespace {

using temporada::EnergiaRecuperada;

TEST(EnergiaRecuperada, ByAgeAndWhetherThePlayerTookPart) {
    EXPECT_EQ(EnergiaRecuperada(25, true), 12);
    EXPECT_EQ(EnergiaRecuperada(25, false), 50);
    EXPECT_EQ(EnergiaRecuperada(26, true), 10);
    EXPECT_EQ(EnergiaRecuperada(35, false), 40);
    EXPECT_EQ(EnergiaRecuperada(36, true), 7);
    EXPECT_EQ(EnergiaRecuperada(55, false), 20);
    EXPECT_EQ(EnergiaRecuperada(70, true), 2);
    EXPECT_EQ(EnergiaRecuperada(71, true), 0);
    EXPECT_EQ(EnergiaRecuperada(71, false), 5);
}

TEST(RecuperarEnergia, ComputerClubsGetTheirPlayersBackInPlaceHumanClubsKeepTheirChoices) {
    world::Jogo jogo;
    const int pc = construtores::Clube(jogo, 10, false);
    const int hu = construtores::Clube(jogo, 10, true);
    const int a = construtores::Jogador(jogo, pc, world::kMeia, 60, 95, 30);
    const int b = construtores::Jogador(jogo, hu, world::kMeia, 60, 70, 30);
    jogo.jogadores[a].posicaoatual = world::kAtacante;
    jogo.jogadores[a].atuou = 1;
    jogo.jogadores[b].posicaoatual = world::kAtacante;
    temporada::RecuperarEnergia(jogo, a);
    temporada::RecuperarEnergia(jogo, b);
    EXPECT_EQ(jogo.jogadores[a].posicaoatual, world::kMeia);
    EXPECT_EQ(jogo.jogadores[a].energia, 100); // 95 + 10, capped
    EXPECT_EQ(jogo.jogadores[a].atuou, 0);
    EXPECT_EQ(jogo.jogadores[b].posicaoatual, world::kAtacante);
    EXPECT_EQ(jogo.jogadores[b].energia, 100); // 70 + 40, capped
}

struct Evolucao : ::testing::Test {
    world::Jogo jogo;
    int clube = -1;
    void SetUp() override {
        jogo.estado.divisoesporliga = 2; // divisions of 20, no state championships
        clube = construtores::Clube(jogo, 18);
    }
    world::TJogador& Novo(int idade, int forca, float evolucao) {
        const int j = construtores::Jogador(jogo, clube, world::kMeia, forca, 100, idade);
        jogo.jogadores[j].evolucao = evolucao;
        jogo.jogadores[j].moral = 3;
        return jogo.jogadores[j];
    }
};

TEST_F(Evolucao, AYoungPlayerWhoTookPartGrowsAPointWhenTheAccumulatorPassesOne) {
    // 8 / 35 + 0.05 + 0.01 − 0.04 ≈ 0.249
    world::TJogador& j = Novo(20, 60, 0.9f);
    temporada::EvoluirJogador(jogo, 1, true);
    EXPECT_EQ(j.forca, 61);
    EXPECT_NEAR(j.evolucao, 0.1486, 1e-3);

    world::TJogador& k = Novo(20, 60, 0.7f); // did not take part: 0.199
    temporada::EvoluirJogador(jogo, 2, false);
    EXPECT_EQ(k.forca, 60);
    EXPECT_NEAR(k.evolucao, 0.8986, 1e-3);
}

TEST_F(Evolucao, DivisionCapsStopGrowthAndOlderPlayersDeclineToTheirDivisionsFloor) {
    jogo.times[clube].divisao = 4;
    world::TJogador& j = Novo(20, 40, 0.95f);
    temporada::EvoluirJogador(jogo, 1, true);
    EXPECT_EQ(j.forca, 40); // no growth above 40 in division 4
    EXPECT_GT(j.evolucao, 1.0f);

    jogo.times[clube].divisao = 1;
    world::TJogador& v = Novo(35, 60, 0.95f); // 4 × 1.2 / 60 = 0.08
    temporada::EvoluirJogador(jogo, 2, false);
    EXPECT_EQ(v.forca, 59);
    EXPECT_NEAR(v.evolucao, 0.03, 1e-3);

    world::TJogador& w = Novo(40, 30, 0.99f);
    temporada::EvoluirJogador(jogo, 3, false);
    EXPECT_EQ(w.forca, 30); // division 1 keeps at least 30
}

} // namespace
