// The formation box, automatic selection for a formation, roles, captain,
// taker and tactics.
#include "escalacao_apoio.hpp"
#include "management/escalacaoformacao.hpp"
#include "management/escalacaotatica.hpp"

#include <gtest/gtest.h>

using namespace world;
using namespace management;
using namespace escalacao_apoio;

namespace {

Disponiveis D(int laterais, int zagueiros, int meias, int atacantes) {
    Disponiveis d;
    d.laterais = laterais;
    d.zagueiros = zagueiros;
    d.meias = meias;
    d.atacantes = atacantes;
    return d;
}

std::vector<int> Escolhidos(const Grade& g, int codigo, const std::vector<int>& entre) {
    std::vector<int> r;
    for (int j : entre)
        if (Codigo(g, j) == codigo) r.push_back(j);
    return r;
}

} // namespace

TEST(Formacoes, TheBoxOffersOnlyWhatTheAvailablePlayersAllow) {
    EXPECT_EQ(FormacoesPossiveis(D(4, 4, 6, 4)),
              (std::vector<int>{541, 532, 433, 442, 451, 343, 352}));
    // Two forwards: no three-forward shapes.
    EXPECT_EQ(FormacoesPossiveis(D(4, 4, 5, 2)), (std::vector<int>{541, 532, 442, 451, 352}));
    // One forward: neither 4-4-2 nor 3-5-2.
    EXPECT_EQ(FormacoesPossiveis(D(4, 4, 6, 1)), (std::vector<int>{541, 451}));
    // 3-5-2 without two full-backs needs five midfielders.
    EXPECT_EQ(FormacoesPossiveis(D(1, 3, 5, 2)), (std::vector<int>{442, 451, 352}));
    EXPECT_EQ(FormacoesPossiveis(D(1, 3, 4, 2)), (std::vector<int>{442}));

    // With one forward fit, 4-4-2 cannot be chosen and the grid is untouched.
    Tela t({2, 4, 4, 6, 2});
    t.J(t.por[4][1]).retorno = kHoje + 14;
    Grade g = t.Grade();
    g.linhas[0].codigo = kTitular;
    const Grade antes = g;
    EXPECT_FALSE(EscolherFormacao(t.jogo, g, "4-4-2"));
    EXPECT_FALSE(EscolherFormacao(t.jogo, g, "2-5-3"));
    for (std::size_t k = 0; k < g.linhas.size(); ++k)
        EXPECT_EQ(g.linhas[k].codigo, antes.linhas[k].codigo);
    EXPECT_TRUE(EscolherFormacao(t.jogo, g, "4-5-1"));
    EXPECT_TRUE(ValidarEscalacao(t.jogo, g).podejogar);
}

TEST(EscolherFormacao, FourFourTwoTakesTheBestOfEachLineAndABench) {
    Tela t({3, 4, 4, 7, 4});
    auto& p = t.por;
    t.J(p[0][1]).forca = 90; // the best goalkeeper
    t.J(p[3][0]).forca = 99; // the best midfielder, injured
    t.J(p[3][0]).retorno = kHoje + 7;
    t.J(p[4][0]).forca = 99; // the best forward, just bought
    t.J(p[4][0]).novato = 1;
    t.J(p[1][3]).funcao = 2;  // a wing-back chosen for a back four
    t.J(p[1][3]).caract1 = 6; // ... goes forward as "Ofensivo"
    t.J(p[3][1]).gols[1] = 3; // goals break a tie in strength and energy
    t.J(p[3][1]).forca = t.J(p[3][2]).forca;
    t.J(p[2][0]).forca = 55; // the weakest left off the bench
    Grade g = t.Grade();
    g.linhas[Linha(g, p[3][6])].codigo = kReserva; // an earlier choice is forgotten

    ASSERT_TRUE(EscolherFormacao(t.jogo, g, "4-4-2"));
    EXPECT_EQ(t.jogo.times[t.c].formacao, 442);
    EXPECT_EQ(Escolhidos(g, kTitular, p[0]), std::vector<int>{p[0][1]});
    EXPECT_EQ(Escolhidos(g, kTitular, p[1]), (std::vector<int>{p[1][2], p[1][3]}));
    EXPECT_EQ(Escolhidos(g, kTitular, p[2]), (std::vector<int>{p[2][2], p[2][3]}));
    EXPECT_EQ(Escolhidos(g, kTitular, p[3]),
              (std::vector<int>{p[3][3], p[3][4], p[3][5], p[3][6]}));
    EXPECT_EQ(Escolhidos(g, kTitular, p[4]), (std::vector<int>{p[4][2], p[4][3]}));
    EXPECT_EQ(t.J(p[1][3]).funcao, 1);
    EXPECT_EQ(Codigo(g, p[3][0]), kIndisponivel);
    EXPECT_EQ(Codigo(g, p[4][0]), kNovato);

    // Bench: the next goalkeeper, one of each line, then the best left.
    EXPECT_EQ(g.Contar(kReserva), 7);
    EXPECT_EQ(Escolhidos(g, kReserva, p[0]), std::vector<int>{p[0][2]});
    EXPECT_EQ(Escolhidos(g, kReserva, p[1]), (std::vector<int>{p[1][0], p[1][1]}));
    EXPECT_EQ(Escolhidos(g, kReserva, p[2]), std::vector<int>{p[2][1]});
    EXPECT_EQ(Escolhidos(g, kReserva, p[3]), (std::vector<int>{p[3][1], p[3][2]}));
    EXPECT_EQ(Escolhidos(g, kReserva, p[4]), std::vector<int>{p[4][1]});
    EXPECT_EQ(Codigo(g, p[2][0]), kNaoSelecionado);

    const Validacao v = ValidarEscalacao(t.jogo, g);
    EXPECT_TRUE(v.podejogar);
    EXPECT_EQ(v.formacao, "4-4-2");
}

TEST(EscolherFormacao, ThreeFiveTwoPlaysWingBacksOrFiveMidfielders) {
    Tela t;
    Grade g = t.Grade();
    ASSERT_TRUE(EscolherFormacao(t.jogo, g, "3-5-2"));
    const auto alas = Escolhidos(g, kTitular, t.por[1]);
    ASSERT_EQ(alas.size(), 2u);
    for (int j : alas) EXPECT_EQ(t.J(j).funcao, 2);
    EXPECT_EQ(Escolhidos(g, kTitular, t.por[2]).size(), 3u);
    EXPECT_EQ(Escolhidos(g, kTitular, t.por[3]).size(), 3u);
    EXPECT_EQ(ValidarEscalacao(t.jogo, g).formacao, "3-5-2");

    Tela u({2, 1, 4, 6, 3});
    Grade h = u.Grade();
    ASSERT_TRUE(EscolherFormacao(u.jogo, h, "3-5-2"));
    EXPECT_TRUE(Escolhidos(h, kTitular, u.por[1]).empty());
    EXPECT_EQ(Escolhidos(h, kTitular, u.por[3]).size(), 5u);
    EXPECT_EQ(ValidarEscalacao(u.jogo, h).formacao, "3-5-2");
}

TEST(EscolherFormacao, NewcomersLeaveALineShortWithoutHanging) {
    // The box counts newcomers as available, so it offers 4-4-2; the full-backs
    // cannot be picked and the lineup stays one line short for the coach.
    Tela t({2, 2, 2, 5, 2});
    for (int j : t.por[1]) t.J(j).novato = 1;
    Grade g = t.Grade();
    ASSERT_TRUE(EscolherFormacao(t.jogo, g, "4-4-2"));
    EXPECT_EQ(g.Contar(kTitular), 9);
    EXPECT_FALSE(ValidarEscalacao(t.jogo, g).podejogar);
}

TEST(CobradorAutomatico, PrefersCharacteristicNineThenFourThenElevenAmongStarters) {
    Tela t({1, 0, 0, 5, 0});
    auto& m = t.por[3];
    auto car = [&](int j, int c1, int titular) {
        t.J(j).caract1 = c1;
        t.J(j).titular = titular;
    };
    car(m[0], 7, 1);
    car(m[1], 11, 1);
    car(m[2], 9, 2); // on the bench last time: not a candidate
    car(m[3], 4, 1);
    car(m[4], 4, 1);
    EXPECT_EQ(CobradorAutomatico(t.jogo, t.c), m[3]);
    car(m[2], 9, 1);
    EXPECT_EQ(CobradorAutomatico(t.jogo, t.c), m[2]);
    car(m[2], 5, 1);
    car(m[3], 5, 1);
    car(m[4], 5, 1);
    EXPECT_EQ(CobradorAutomatico(t.jogo, t.c), m[1]);
    car(m[1], 5, 1);
    EXPECT_EQ(CobradorAutomatico(t.jogo, t.c), m[0]);
    for (int j : m) t.J(j).titular = 0;
    EXPECT_EQ(CobradorAutomatico(t.jogo, t.c), -1);
}

TEST(EscolhasDaTela, OnlyWhatTheBoxesOfferIsWritten) {
    Tela t;
    Grade g = t.Grade();
    const int atacante = Linha(g, t.por[4][0]);
    EXPECT_TRUE(MudarFuncao(t.jogo, g, atacante, 1));
    EXPECT_EQ(t.J(t.por[4][0]).funcao, 1);
    EXPECT_FALSE(MudarFuncao(t.jogo, g, atacante, 2)); // forwards offer two roles here
    EXPECT_FALSE(MudarFuncao(t.jogo, g, Linha(g, t.por[0][0]), 1));
    EXPECT_EQ(t.J(t.por[4][0]).funcao, 1);

    EXPECT_TRUE(DefinirCapitao(t.jogo, g, t.por[3][2]));
    EXPECT_TRUE(DefinirCobrador(t.jogo, g, t.por[4][1]));
    // A player of another club (here an index this world does not have).
    EXPECT_FALSE(DefinirCobrador(t.jogo, g, static_cast<int>(t.jogo.jogadores.size())));
    t.J(t.por[4][2]).time = -1; // sold while the screen was open
    EXPECT_FALSE(DefinirCapitao(t.jogo, g, t.por[4][2]));
    EXPECT_EQ(t.jogo.times[t.c].capitao, t.por[3][2]);
    EXPECT_EQ(t.jogo.times[t.c].cobrador, t.por[4][1]);
    EXPECT_EQ(ItensJogadores(t.jogo, g).size(), g.linhas.size() - 1);

    EXPECT_TRUE(DefinirEstilo(t.jogo, t.c, 2));
    EXPECT_FALSE(DefinirJogadas(t.jogo, t.c, 2)); // two ways to attack only
    EXPECT_EQ(t.jogo.times[t.c].estilo, 2);
    EXPECT_EQ(t.jogo.times[t.c].jogadas, 0);
}
