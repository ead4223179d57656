// The figures the competition screens list.
#include "competitions/resumos.hpp"

#include <gtest/gtest.h>

using namespace world;

namespace {

TEST(Resumos, PartidasDoClubeEmOrdemDeData) {
    Jogo jogo;
    auto partida = [](int m, int v, double d) {
        TPartida p;
        p.mandante = m;
        p.visitante = v;
        p.data = d;
        return p;
    };
    jogo.partidas = {partida(1, 2, 50), partida(3, 1, 20), partida(3, 4, 10), partida(2, 1, 50)};
    EXPECT_EQ(competitions::PartidasDoClube(jogo, 1), (std::vector<int>{1, 0, 3}));
    EXPECT_TRUE(competitions::PartidasDoClube(jogo, -1).empty());
}

TEST(Resumos, CampeoesDaTemporadaOrdenados) {
    Jogo jogo;
    jogo.historicotitulos = {{1, 2, 7, 29, -1, 1}, {2, 1, 8, 29, 1, 1},  {1, 1, 9, 29, 2, 2},
                             {1, 1, 10, 29, 1, 2}, {1, 1, 11, 29, 1, 1}, {1, 3, 12, 0, -1, 3}};
    const auto c = competitions::CampeoesDaTemporada(jogo, 1);
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0].time, 11);
    EXPECT_EQ(c[1].time, 10);
    EXPECT_EQ(c[2].time, 9);
    EXPECT_EQ(c[3].time, 7);
}

} // namespace
