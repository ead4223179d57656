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

using namespace management;

TEST(Emprestimo, FiveLoansAtMostRepaidEvenIntoNegativeCash) {
    Mundo m;
    EXPECT_EQ(RecusaDoPagamento(m.jogo, 0), RecusaEmprestimo::SemDivida);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(PegarEmprestimo(m.jogo, 0), RecusaEmprestimo::Nenhuma) << k;
    EXPECT_EQ(RecusaDoEmprestimo(m.jogo, 0), RecusaEmprestimo::NoLimite);
    EXPECT_EQ(PegarEmprestimo(m.jogo, 0), RecusaEmprestimo::NoLimite);
    EXPECT_EQ(m.F(0).emprestimo, 2'500'000);
    EXPECT_EQ(m.T(0).dinheiro, 2'500'000);
    EXPECT_EQ(JurosSemanais(m.F(0).emprestimo), 75'000);
    EXPECT_EQ(ResumirFinancas(m.jogo, 0).jurossemanais, 75'000);

    m.T(0).dinheiro = 100'000;
    EXPECT_EQ(PagarEmprestimo(m.jogo, 0), RecusaEmprestimo::Nenhuma);
    EXPECT_EQ(m.T(0).dinheiro, -400'000);
    EXPECT_EQ(m.F(0).emprestimo, 2'000'000);
    EXPECT_EQ(RecusaDoEmprestimo(m.jogo, 0), RecusaEmprestimo::Nenhuma);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(PagarEmprestimo(m.jogo, 0), RecusaEmprestimo::Nenhuma);
    EXPECT_EQ(PagarEmprestimo(m.jogo, 0), RecusaEmprestimo::SemDivida);
    EXPECT_EQ(m.T(0).dinheiro, -2'400'000);
    EXPECT_EQ(ResumirFinancas(m.jogo, 0).jurossemanais, 0);

    // A club past the statements' end, or none at all, borrows nothing.
    m.jogo.times.push_back(world::NovoTime());
    EXPECT_EQ(PegarEmprestimo(m.jogo, 2), RecusaEmprestimo::Nenhuma);
    EXPECT_EQ(m.F(2).emprestimo, 500'000);
    EXPECT_EQ(PegarEmprestimo(m.jogo, -1), RecusaEmprestimo::SemClube);
    EXPECT_EQ(PagarEmprestimo(m.jogo, 7), RecusaEmprestimo::SemClube);
}

// A league of `divisoes` divisions whose slot order is the final table.
struct Liga : Mundo {
    explicit Liga(int divisoes, bool de20) {
        jogo.times.clear();
        jogo.estado.divisoesporliga = de20 ? 2 : 4;
        jogo.ligas.push_back(world::NovaLiga(29));
        world::TLiga& l = jogo.ligas[0];
        l.numdivisoes = divisoes;
        for (int d = 0; d < divisoes; ++d)
            for (int s = 0; s < (de20 ? 20 : 10); ++s) {
                jogo.times.push_back(world::NovoTime());
                const int c = static_cast<int>(jogo.times.size()) - 1;
                jogo.times[c].divisao = d + 1;
                l.divisoes[d][s] = l.ordem[d][s] = c;
            }
        jogo.estado.numtimesligas = static_cast<int>(jogo.times.size());
        ZerarFinancas(jogo);
    }
    int Ranked(int d, int k) const { return jogo.ligas[0].ordem[d - 1][k - 1]; }
};

TEST(PagarPremios, ChampionAndRunnerUpOfEveryDivision) {
    Liga m(4, false);
    PagarPremios(m.jogo, 0);
    PagarPremios(m.jogo, 5); // no such league
    const int esperado[4][2] = {
        {5'000'000, 3'500'000}, {2'500'000, 2'000'000}, {1'500'000, 1'000'000}, {750'000, 500'000}};
    for (int d = 1; d <= 4; ++d)
        for (int k = 1; k <= 2; ++k) {
            EXPECT_EQ(m.T(m.Ranked(d, k)).dinheiro, esperado[d - 1][k - 1]);
            EXPECT_EQ(m.F(m.Ranked(d, k)).premios, esperado[d - 1][k - 1]);
        }
    EXPECT_EQ(m.T(m.Ranked(1, 3)).dinheiro, 0);

    Liga g(1, true);
    PagarPremios(g.jogo, 0);
    EXPECT_EQ(g.T(g.Ranked(1, 1)).dinheiro, 7'000'000);
    EXPECT_EQ(g.T(g.Ranked(1, 2)).dinheiro, 3'500'000);
}

TEST(IniciarTemporadaFinancas, SponsorsHumansAndRedrawsTheOthersCashByDivision) {
    for (const bool estaduais : {false, true}) {
        Liga m(4, false);
        m.jogo.gerador.Semear(5);
        m.jogo.estado.estaduais = estaduais;
        m.jogo.times.push_back(world::NovoTime()); // outside the divisions
        m.jogo.estado.numtimesligas = static_cast<int>(m.jogo.times.size());
        const int humano = m.Ranked(2, 4);
        m.T(humano).humano = 1;
        m.T(humano).dinheiro = -300'000;
        for (auto& f : m.jogo.financas) {
            f.emprestimo = 1'500'000;
            f.vendas = 10;
        }
        world::TJogador j = world::NovoJogador();
        j.time = humano;
        j.forca = 10;
        j.idade = 25;
        m.jogo.jogadores.push_back(j);

        IniciarTemporadaFinancas(m.jogo);

        EXPECT_EQ(m.T(humano).dinheiro, 1'200'000);
        EXPECT_EQ(m.F(humano).patrocinio, 1'500'000);
        EXPECT_EQ(m.F(humano).emprestimo, 0);
        EXPECT_EQ(m.F(humano).vendas, 0);
        EXPECT_EQ(m.F(humano).salariosemanal, 9'500);
        EXPECT_EQ(m.jogo.jogadores.back().salario, 9'500);
        const int base[2][5] = {{200'000, 10'000'000, 5'000'000, 2'000'000, 500'000},
                                {200'000, 12'000'000, 9'000'000, 4'000'000, 1'000'000}};
        const int amplitude[5] = {200'000, 1'000'000, 1'000'000, 1'000'000, 500'000};
        for (std::size_t c = 0; c < m.jogo.times.size(); ++c) {
            const world::TTime& t = m.jogo.times[c];
            if (t.humano) continue;
            EXPECT_GE(t.dinheiro, base[estaduais][t.divisao]) << c;
            EXPECT_LT(t.dinheiro, base[estaduais][t.divisao] + amplitude[t.divisao]) << c;
            EXPECT_EQ(m.F(static_cast<int>(c)).patrocinio, 0);
        }
    }
}

TEST(DinheiroAoContratar, FreshCashNoLoanAndTheDivisionsTicketPrices) {
    Liga m(2, false);
    m.jogo.precospadrao = {
        {{1, 5, 15, 30}, {10, 15, 25, 80}, {7, 13, 20, 70}, {5, 12, 17, 40}, {3, 10, 15, 30}}};
    const int c = m.Ranked(2, 1);
    m.F(c).emprestimo = 2'000'000;
    m.T(c).dinheiro = 50;
    m.T(c).precos[0] = 99;
    DinheiroAoContratar(m.jogo, c);
    EXPECT_GE(m.T(c).dinheiro, 4'000'000);
    EXPECT_LT(m.T(c).dinheiro, 5'000'000);
    EXPECT_EQ(m.F(c).emprestimo, 0);
    EXPECT_EQ(m.T(c).precos[0], 7);
    EXPECT_EQ(m.T(c).precos[3], 70);
    DinheiroAoContratar(m.jogo, -4); // nothing to do
}

TEST(MovimentarTransferencia, BuyerPaysSellerKeepsPriceLessFineWagesMove) {
    Mundo m;
    world::TJogador j = world::NovoJogador();
    j.time = 1;
    j.salario = 20'000;
    m.jogo.jogadores.push_back(j);
    m.F(1).salariosemanal = 50'000;
    MovimentarTransferencia(m.jogo, 0, 1, 1, 1'000'000, 100'000);
    EXPECT_EQ(m.T(0).dinheiro, -1'000'000);
    EXPECT_EQ(m.F(0).compras, 1'000'000);
    EXPECT_EQ(m.F(0).salariosemanal, 20'000);
    EXPECT_EQ(m.T(1).dinheiro, 900'000);
    EXPECT_EQ(m.F(1).vendas, 1'000'000);
    EXPECT_EQ(m.F(1).multas, 100'000);
    EXPECT_EQ(m.F(1).salariosemanal, 30'000);

    const ResumoFinancas r = ResumirFinancas(m.jogo, 1);
    EXPECT_EQ(r.entradas, 1'000'000);
    EXPECT_EQ(r.saidas, 100'000);
    EXPECT_EQ(r.saldo, 900'000);
    EXPECT_EQ(r.dinheiro, 900'000);
}

TEST(ResumirFinancas, LargeStatementsAddUpWithoutOverflow) {
    Mundo m;
    m.F(0).ingressos = INT_MAX;
    m.F(0).vendas = INT_MAX;
    m.F(0).premios = INT_MAX;
    m.F(0).compras = 5;
    const ResumoFinancas r = ResumirFinancas(m.jogo, 0);
    EXPECT_EQ(r.entradas, 3LL * INT_MAX);
    EXPECT_EQ(r.saldo, 3LL * INT_MAX - 5);
    EXPECT_EQ(ResumirFinancas(m.jogo, 9).saldo, 0);
}

} // namespace
