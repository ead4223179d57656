#include "management/financas.hpp"
#include "plataforma/datas.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

using management::CobrarSemana;
using management::ReceberRenda;

struct Mundo {
    world::Jogo jogo;
    Mundo() {
        for (int i = 0; i < 2; ++i) {
            jogo.times.push_back(world::NovoTime());
            world::TFinancas f;
            std::memset(&f, 0, sizeof f);
            jogo.financas.push_back(f);
        }
    }
    world::TTime& T(int c) { return jogo.times[c]; }
    world::TFinancas& F(int c) { return jogo.financas[c]; }
};

// Functions, not globals: the date tables are set up with the other globals.
double Quarta() {
    return plataforma::CodificarData(2007, 1, 3);
}
double Domingo() {
    return plataforma::CodificarData(2007, 1, 7);
}

TEST(ReceberRenda, TheCupSharesTheGateTheLeagueGivesItToTheHomeClubNationalTeamsGetNothing) {
    Mundo m;
    ReceberRenda(m.jogo, 0, 1, 10001, 2);
    EXPECT_EQ(m.T(0).dinheiro, 5000);
    EXPECT_EQ(m.T(1).dinheiro, 5000);
    EXPECT_EQ(m.F(0).ingressos, 5000);
    EXPECT_EQ(m.F(1).ingressos, 5000);

    ReceberRenda(m.jogo, 0, 1, 10001, 1);
    EXPECT_EQ(m.T(0).dinheiro, 15001);
    EXPECT_EQ(m.T(1).dinheiro, 5000);
    ReceberRenda(m.jogo, 1, 0, 700, 0); // friendlies too
    EXPECT_EQ(m.T(1).dinheiro, 5700);

    for (int codigo = 7; codigo <= 9; ++codigo) ReceberRenda(m.jogo, 0, 1, 999, codigo);
    EXPECT_EQ(m.T(0).dinheiro, 15001);
    EXPECT_EQ(m.F(0).ingressos, 15001);
}

TEST(ReceberRenda, CashThatCannotHoldMoreStaysAtTheLargestAmount) {
    Mundo m;
    m.T(0).dinheiro = INT_MAX - 10;
    ReceberRenda(m.jogo, 0, 1, 1000, 1);
    EXPECT_EQ(m.T(0).dinheiro, INT_MAX);
}

TEST(CobrarSemana, WagesAndInterestOnSundayLeagueAndStateDatesOnly) {
    ASSERT_EQ(plataforma::DiaDaSemana(Domingo()), 1);
    Mundo m;
    m.F(0).salariosemanal = 40000;
    m.F(0).emprestimo = 2500000;

    CobrarSemana(m.jogo, 0, 1, Quarta(), 20); // a Wednesday: nothing
    EXPECT_EQ(m.T(0).dinheiro, 0);

    CobrarSemana(m.jogo, 0, 1, Domingo(), 21);
    EXPECT_EQ(m.F(0).juros, 75000);
    EXPECT_EQ(m.F(0).salarios, 40000);
    EXPECT_EQ(m.T(0).dinheiro, -115000);

    CobrarSemana(m.jogo, 0, 3, Domingo(), 24); // state dates charge like the league
    EXPECT_EQ(m.T(0).dinheiro, -230000);
    EXPECT_EQ(m.F(0).juros, 75000); // the last charge, not a sum

    CobrarSemana(m.jogo, 0, 2, Domingo(), 30); // cup Sundays charge nothing
    EXPECT_EQ(m.T(0).dinheiro, -230000);
}

TEST(CobrarSemana, PreSeasonFriendliesChargeWagesWithoutInterest) {
    Mundo m;
    m.F(0).salariosemanal = 1000;
    m.F(0).emprestimo = 500000;
    CobrarSemana(m.jogo, 0, 0, Quarta(), 9);
    EXPECT_EQ(m.T(0).dinheiro, -1000);
    EXPECT_EQ(m.F(0).juros, 0);
    CobrarSemana(m.jogo, 0, 0, Domingo(), 10); // past the pre-season
    EXPECT_EQ(m.T(0).dinheiro, -1000);
}

TEST(CobrarSemana, InterestRoundsHalvesToEven) {
    Mundo m;
    m.F(0).emprestimo = 50; // 1.5 → 2
    CobrarSemana(m.jogo, 0, 1, Domingo(), 3);
    EXPECT_EQ(m.F(0).juros, 2);
    m.F(1).emprestimo = 150; // 4.5 → 4
    CobrarSemana(m.jogo, 1, 1, Domingo(), 3);
    EXPECT_EQ(m.F(1).juros, 4);
}

} // namespace
