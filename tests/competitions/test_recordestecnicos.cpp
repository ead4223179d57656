// The coaches' records and ranking points from results and titles.
#include "competitions/historico.hpp"
#include "competitions/recordestecnicos.hpp"

#include <gtest/gtest.h>

#include <climits>

using namespace world;
using namespace competitions;

namespace {

struct Dois {
    Jogo jogo;
    Dois() {
        jogo.estado.temporada = 3;
        for (int c = 0; c < 2; ++c) {
            TTime t = NovoTime();
            t.tecnico = c;
            t.divisao = c + 1; // club 0 in the first division, club 1 in the second
            jogo.times.push_back(t);
            TTecnico k = NovoTecnico();
            k.nome = "Tecnico";
            k.time = c;
            jogo.tecnicos.push_back(k);
        }
    }
    TTecnico& K(int k) { return jogo.tecnicos[k]; }
};

TEST(RecordesTecnicos, ResultsFillTheSeasonRowsAndTheTotalAndEarnWeightedPoints) {
    Dois d;
    ContarJogoDoTecnico(d.jogo, 1, 0, 1, 2, 1); // a league win for club 0 (division 1)
    ContarJogoDoTecnico(d.jogo, 1, 1, 0, 0, 0); // a draw
    ContarJogoDoTecnico(d.jogo, 4, 1, 0, 3, 0); // the continental cup: club 1 wins
    EXPECT_EQ(d.K(0).estatisticas[kTecJogos][0], 3);
    EXPECT_EQ(d.K(0).estatisticas[kTecJogos][3], 3);
    EXPECT_EQ(d.K(0).estatisticas[kTecVitorias][3], 1);
    EXPECT_EQ(d.K(0).estatisticas[kTecEmpates][3], 1);
    EXPECT_EQ(d.K(0).estatisticas[kTecDerrotas][3], 1);
    EXPECT_EQ(d.K(0).pontos, 4);
    EXPECT_EQ(d.K(0).pontosmundial, 3 * 3 + 1 * 3);
    EXPECT_EQ(d.K(1).pontos, 1 + 3);
    EXPECT_EQ(d.K(1).pontosmundial, 1 * 2 + 3 * 5);

    // Friendlies and national-team tournaments count nothing; a club
    // without a coach is left out.
    ContarJogoDoTecnico(d.jogo, 0, 0, 1, 5, 0);
    ContarJogoDoTecnico(d.jogo, 7, 0, 1, 5, 0);
    d.jogo.times[1].tecnico = -1;
    ContarJogoDoTecnico(d.jogo, 2, 0, 1, 1, 0);
    EXPECT_EQ(d.K(0).estatisticas[kTecJogos][0], 4);
    EXPECT_EQ(d.K(1).estatisticas[kTecJogos][0], 3);
}

TEST(RecordesTecnicos, ATitleCountsForTheCoachOnceAndHisPointsSaturate) {
    Dois d;
    RegistrarColocacao(d.jogo, 1, 0, 29, 1, 1); // league champion
    RegistrarColocacao(d.jogo, 1, 1, 29, 2, 1); // runner-up: no title
    EXPECT_EQ(d.K(0).titulos[1], 1);
    EXPECT_EQ(d.K(0).estatisticas[kTecTitulos][3], 1);
    EXPECT_EQ(d.K(0).pontos, 30);
    EXPECT_EQ(d.K(0).pontosmundial, 90);
    EXPECT_EQ(d.K(1).pontos, 0);
    d.K(0).pontosmundial = INT_MAX - 1;
    ContarTituloDoTecnico(d.jogo, 5, 0, 1);
    EXPECT_EQ(d.K(0).pontosmundial, INT_MAX);
    ContarTituloDoTecnico(d.jogo, 9, 0, 1); // not a club competition
    ContarTituloDoTecnico(d.jogo, 1, 77, 1);
    EXPECT_EQ(d.K(0).estatisticas[kTecTitulos][0], 2);
}

} // namespace
