#include "apoio/apoio.hpp"
#include "world/valores.hpp"

#include <gtest/gtest.h>

using namespace world;
using namespace world;

namespace {

Jogo ComClube(int pais, int nivel, i32 dinheiro) {
    Jogo jogo;
    TTime t = NovoTime();
    t.pais = pais;
    t.nivel = nivel;
    t.dinheiro = dinheiro;
    jogo.times.push_back(t);
    jogo.estado.numtimesligas = 1;
    return jogo;
}

TJogador Jogador(int idade, int forca, bool estrela = false) {
    TJogador j = NovoJogador();
    j.time = 0;
    j.idade = idade;
    j.forca = forca;
    j.estrela = estrela;
    return j;
}

} // namespace

TEST(Valores, PlayerValueWorkedExamples) {
    // A 17-year-old of strength 10 in a level-22 club of continent 0.
    EXPECT_EQ(CalcularPasse(ComClube(3, 22, 0), Jogador(17, 10)), 462000);
    // Region bases and the age table.
    EXPECT_EQ(CalcularPasse(ComClube(3, 20, 0), Jogador(25, 10)), (600 + 7 * 28) * 400);
    EXPECT_EQ(CalcularPasse(ComClube(29, 25, 0), Jogador(25, 10)), (366 + 7 * 20) * 400);
    EXPECT_EQ(CalcularPasse(ComClube(1, 0, 0), Jogador(28, 10)), (326 + 480 - 420) * 400);
    EXPECT_EQ(CalcularPasse(ComClube(14, 0, 0), Jogador(33, 10)), (300 + 1750 - 1650) * 400);
    EXPECT_EQ(CalcularPasse(ComClube(3, 18, 0), Jogador(34, 10)), (500 + 6800 - 6800) * 400);
    EXPECT_EQ(CalcularPasse(ComClube(3, 12, 0), Jogador(36, 10)), 100 * 400); // nothing left
    // A star adds half the base, rounded to even: 366 * 0.5 = 183.
    EXPECT_EQ(CalcularPasse(ComClube(3, 5, 0), Jogador(20, 50, true)),
              (366 + 183 + 12 * 28) * 10000);
    // A value that would overflow stays at the largest amount.
    EXPECT_EQ(CalcularPasse(ComClube(3, 25, 0), Jogador(17, 5000, true)), 2147483647);
}

TEST(Valores, SalaryWorkedExamples) {
    EXPECT_EQ(CalcularSalario(ComClube(3, 10, 5'000'000), Jogador(35, 10)), 8000);
    EXPECT_EQ(CalcularSalario(ComClube(3, 10, 5'000'000), Jogador(45, 5)), 500);
    EXPECT_EQ(CalcularSalario(ComClube(3, 10, 10'000'000), Jogador(25, 20)), 19000);
    EXPECT_EQ(CalcularSalario(ComClube(3, 10, 10'000'001), Jogador(25, 20)), 25000);
    EXPECT_EQ(CalcularSalario(ComClube(3, 10, 0), Jogador(25, 20, true)), 19000 + 2000);
    // An extra club (beyond the league clubs) pays 1500 a point.
    Jogo extra = ComClube(3, 10, 0);
    extra.estado.numtimesligas = 0;
    extra.estado.numtimesextras = 1;
    EXPECT_EQ(CalcularSalario(extra, Jogador(25, 20)), 30000);
    // A player without a club.
    TJogador livre = Jogador(25, 20);
    livre.time = -1;
    EXPECT_EQ(CalcularSalario(extra, livre), 19000);
}

TEST(Valores, MoneyWithSpacesBetweenGroups) {
    EXPECT_EQ(FormatarDinheiro(0), "0");
    EXPECT_EQ(FormatarDinheiro(999), "999");
    EXPECT_EQ(FormatarDinheiro(1000), "1 000");
    EXPECT_EQ(FormatarDinheiro(1234567), "1 234 567");
    EXPECT_EQ(FormatarDinheiro(99999999), "99 999 999");
    EXPECT_EQ(FormatarDinheiro(100000000), "100000000");
    EXPECT_EQ(FormatarDinheiro(-1234), "-1 234");
    EXPECT_EQ(FormatarDinheiro(-9999999), "-9 999 999");
    EXPECT_EQ(FormatarDinheiro(-10000000), "-10000000");
    EXPECT_EQ(FormatarDinheiro(-2147483647 - 1), "-2147483648");
}

TEST(Valores, MoneyInWords) {
    apoio::PastaTemporaria pasta;
    apoio::GravarIdioma(pasta, 10, "pt",
                        {"259=milh\xe3o",
                         "260=milh\xf5"
                         "es",
                         "262=mil", "785=bilh\xe3o",
                         "786=bilh\xf5"
                         "es"});
    EXPECT_EQ(DinheiroPorExtenso(2500000), "2 milh\xf5"
                                           "es 500 mil");
    EXPECT_EQ(DinheiroPorExtenso(0), "0");
    EXPECT_EQ(DinheiroPorExtenso(750), "750");
    EXPECT_EQ(DinheiroPorExtenso(250999), "250 mil");
    EXPECT_EQ(DinheiroPorExtenso(1250000), "1 milh\xe3o 250 mil");
    EXPECT_EQ(DinheiroPorExtenso(12000000), "12 milh\xf5"
                                            "es");
    EXPECT_EQ(DinheiroPorExtenso(1001000000), "1 bilh\xe3o 1 milh\xe3o");
    EXPECT_EQ(DinheiroPorExtenso(2147483647), "2 bilh\xf5"
                                              "es 147 milh\xf5"
                                              "es 483 mil");
    EXPECT_EQ(DinheiroPorExtenso(-2500000), "-2 milh\xf5"
                                            "es 500 mil");
    EXPECT_EQ(DinheiroPorExtenso(-300), "-300");
    EXPECT_EQ(DinheiroPorExtenso(-2147483647 - 1), "-2 bilh\xf5"
                                                   "es 147 milh\xf5"
                                                   "es 483 mil");
}
