// The next-opponent line: which fixture it picks and how it numbers it.
#include "management/proximoadversario.hpp"
#include "match/construtores.hpp"
#include "world/idioma.hpp"

#include <gtest/gtest.h>

using namespace world;
using namespace management;

namespace {

constexpr double kHoje = construtores::kHoje;

TPartida Fixture(int mandante, int visitante, int competicao, int rodada, int turno, double data,
                 int grupo = 0) {
    TPartida p;
    p.mandante = mandante;
    p.visitante = visitante;
    p.competicao = competicao;
    p.rodada = rodada;
    p.turno = turno;
    p.data = data;
    p.grupo = grupo;
    return p;
}

struct Mundo {
    Jogo jogo;
    int a, b, c;
    Mundo() {
        jogo.estado.divisoesporliga = 2; // 20 clubs: 19 matchdays a leg
        a = construtores::Clube(jogo);
        b = construtores::Clube(jogo);
        c = construtores::Clube(jogo);
        jogo.ligas.push_back(NovaLiga(29));
    }
};

} // namespace

TEST(ProximoAdversario, EarliestUnplayedKnownFixtureFromToday) {
    Mundo m;
    auto& ps = m.jogo.partidas;
    ps.push_back(Fixture(m.a, m.b, 1, 3, 1, kHoje - 7)); // already past
    ps.push_back(Fixture(m.c, m.a, 1, 5, 2, kHoje + 7));
    ps.push_back(Fixture(-1, -1, 2, 1, 1, kHoje)); // a cup tie still to be drawn
    ps.push_back(Fixture(m.a, m.c, 1, 4, 2, kHoje + 0.5));
    m.jogo.times[m.c].colocacao[1] = 12;

    ProximoAdversario r = ProcurarProximoAdversario(m.jogo, m.a, kHoje);
    EXPECT_EQ(r.partida, 3); // today's, whatever the time of day
    EXPECT_EQ(r.adversario, m.c);
    EXPECT_TRUE(r.casa);
    EXPECT_EQ(r.competicao, 1);
    EXPECT_EQ(r.rodada, 19 + 4); // second leg goes on from the first
    EXPECT_EQ(r.fase, 0);
    EXPECT_EQ(r.colocacao, 12);
    EXPECT_EQ(r.nomecompeticao, nomeliga(29));

    ps[3].jogado = 1;
    r = ProcurarProximoAdversario(m.jogo, m.a, kHoje);
    EXPECT_EQ(r.partida, 1);
    EXPECT_FALSE(r.casa);

    ps[1].jogado = 1;
    EXPECT_EQ(ProcurarProximoAdversario(m.jogo, m.a, kHoje).partida, -1);
    EXPECT_EQ(ProcurarProximoAdversario(m.jogo, -1, kHoje).partida, -1);
    EXPECT_EQ(ProcurarProximoAdversario(m.jogo, 99, kHoje).partida, -1);
}

TEST(ProximoAdversario, KnockoutsShowThePhaseAndNoLeaguePosition) {
    Mundo m;
    m.jogo.times[m.b].colocacao[1] = 3;
    m.jogo.partidas.push_back(Fixture(m.b, m.a, 2, 3, 1, kHoje));
    ProximoAdversario r = ProcurarProximoAdversario(m.jogo, m.a, kHoje);
    EXPECT_EQ(r.fase, 3);
    EXPECT_EQ(r.rodada, 0);
    EXPECT_EQ(r.colocacao, 0);
    EXPECT_EQ(r.nomecompeticao, nomecopapais(29));

    // Continental groups count matchdays, the knockout phases; the region
    // names the edition.
    m.jogo.partidas[0] = Fixture(m.b, m.a, 4, 2, 2, kHoje, 1);
    r = ProcurarProximoAdversario(m.jogo, m.a, kHoje);
    EXPECT_EQ(r.rodada, 5);
    EXPECT_EQ(r.nomecompeticao, texto(329));
    m.jogo.partidas[0] = Fixture(m.b, m.a, 6, 5, 1, kHoje, 2);
    r = ProcurarProximoAdversario(m.jogo, m.a, kHoje);
    EXPECT_EQ(r.fase, 5);
    EXPECT_EQ(r.nomecompeticao, texto(330));
}
