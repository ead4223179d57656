#include "construtores.hpp"
#include "match/penaltis.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

using match::DecidirConfronto;
using match::JogarDisputa;

TEST(DecidirConfronto, LegsWonThenAggregateThenAwayGoalsThenPenalties) {
    // Arguments: A and B in the first leg (A at home), B and A in the second.
    EXPECT_EQ(DecidirConfronto(2, 0, 3, 0), 2); // a win each, B ahead on aggregate
    EXPECT_EQ(DecidirConfronto(2, 2, 1, 1), 2); // B scored two away, A one
    EXPECT_EQ(DecidirConfronto(1, 1, 0, 0), 2);
    EXPECT_EQ(DecidirConfronto(0, 0, 1, 1), 1);
    EXPECT_EQ(DecidirConfronto(1, 0, 1, 0), 3);
    EXPECT_EQ(DecidirConfronto(1, 0, 2, 1), 1); // won 1-0, lost 1-2: A's away goal
    EXPECT_EQ(DecidirConfronto(1, 0, 0, 0), 1); // a win and a draw beat two draws
    EXPECT_EQ(DecidirConfronto(0, 0, 0, 0), 3);
    EXPECT_EQ(DecidirConfronto(4, 0, 1, 0), 1); // a win each, aggregate 4-1
}

// Kicks scripted per side, in order.
struct Roteiro {
    std::vector<bool> lado[2];
    int chutes[2] = {};
    bool operator()(int l) {
        const auto& v = lado[l - 1];
        const int k = chutes[l - 1]++;
        return k < static_cast<int>(v.size()) ? v[k] : false;
    }
};

TEST(JogarDisputa, EndsAsSoonAsOneSideCannotBeCaught) {
    Roteiro r{{{true, true, true}, {false, false, false}}};
    auto res = JogarDisputa(std::ref(r));
    EXPECT_EQ(res.vencedor, 1);
    EXPECT_EQ(res.gols[0], 3);
    EXPECT_EQ(res.gols[1], 0);
    EXPECT_EQ(r.chutes[0], 3);
    EXPECT_EQ(r.chutes[1], 3);

    // 5-4 after five kicks each: over at once.
    Roteiro s{{{true, true, true, true, true, true}, {true, true, true, true, false, true}}};
    res = JogarDisputa(std::ref(s));
    EXPECT_EQ(res.vencedor, 1);
    EXPECT_EQ(res.gols[0], 5);
    EXPECT_EQ(res.gols[1], 4);
    EXPECT_EQ(s.chutes[1], 5);

    // 1-3 and side 1 misses its fourth: two kicks left cannot make up two goals.
    Roteiro t{{{false, true, false, false}, {true, true, true, true}}};
    res = JogarDisputa(std::ref(t));
    EXPECT_EQ(res.vencedor, 2);
    EXPECT_EQ(res.gols[0], 1);
    EXPECT_EQ(res.gols[1], 3);
    EXPECT_EQ(t.chutes[0], 4);
    EXPECT_EQ(t.chutes[1], 3);
}

TEST(JogarDisputa, LevelAfterFiveEachGoesOnPairByPairUntilAPairIsSplit) {
    Roteiro r{
        {std::vector<bool>(7, true), std::vector<bool>{true, true, true, true, true, true, false}}};
    const auto res = JogarDisputa(std::ref(r));
    EXPECT_EQ(res.vencedor, 1);
    EXPECT_EQ(res.gols[0], 7);
    EXPECT_EQ(res.gols[1], 6);
    EXPECT_EQ(r.chutes[0], 7);
    EXPECT_EQ(r.chutes[1], 7);

    // Both miss the sixth pair; side 2 wins the eighth.
    Roteiro s{{{true, true, true, true, true, false, true, false},
               {true, true, true, true, true, false, true, true}}};
    const auto res2 = JogarDisputa(std::ref(s));
    EXPECT_EQ(res2.vencedor, 2);
    EXPECT_EQ(res2.gols[0], 6);
    EXPECT_EQ(res2.gols[1], 7);
}

TEST(SortearDisputa, TheHigherNumberWinsByOneAndEqualNumbersGoToSideOne) {
    bool empate = false;
    for (std::uint64_t semente = 1; semente <= 300; ++semente) {
        world::Jogo jogo;
        jogo.gerador.Semear(semente);
        world::Jogo copia = jogo;
        const int x = copia.Aleatorio(8) + 1, y = copia.Aleatorio(8) + 1;
        const auto r = match::SortearDisputaDoisJogos(jogo);
        if (x < y) {
            EXPECT_EQ(r.vencedor, 2);
            EXPECT_EQ(r.gols[0], y - 1);
            EXPECT_EQ(r.gols[1], y);
        } else {
            EXPECT_EQ(r.vencedor, 1);
            EXPECT_EQ(r.gols[0], x);
            EXPECT_EQ(r.gols[1], x - 1);
        }
        empate = empate || x == y;

        const auto u = match::SortearDisputaJogoUnico(jogo);
        EXPECT_GE(std::max(u.gols[0], u.gols[1]), 3);
        EXPECT_LE(std::max(u.gols[0], u.gols[1]), 9);
    }
    EXPECT_TRUE(empate);
}

// A human coach's shoot-out order, as given.
struct Ordem : match::InteracaoPadrao {
    std::vector<int> ordem;
    bool OrdenarBatedores(const world::Jogo&, int, std::span<const int>,
                          std::array<int, 11>& o) override {
        for (std::size_t k = 0; k < ordem.size() && k < 11; ++k) o[k] = ordem[k];
        return true;
    }
};

TEST(Batedores, ComputerOrderIsTheSlotsWithTheGoalkeeperLastAndAHumanMustNameEveryone) {
    construtores::Confronto c;
    c.casa = construtores::ClubePadrao(c.jogo, 10, true);
    c.fora = construtores::ClubePadrao(c.jogo, 10, false);
    const auto& e = c.jogo.escalacoes[c.jogo.times[c.casa].escalacao];
    c.jogo.jogadores[e.jogadoreslinha[3]].jogou = 0; // sent off
    Ordem humano;
    auto lista = match::Batedores(c.jogo, c.fora, humano);
    const auto& f = c.jogo.escalacoes[c.jogo.times[c.fora].escalacao];
    EXPECT_EQ(lista[0], f.jogadoreslinha[0]);
    EXPECT_EQ(lista[10], f.goleiro);

    // Ten on the pitch; an order leaving one out is not taken.
    humano.ordem = {e.goleiro, e.jogadoreslinha[9]};
    lista = match::Batedores(c.jogo, c.casa, humano);
    EXPECT_EQ(lista[0], e.jogadoreslinha[0]);
    EXPECT_EQ(lista[9], e.goleiro);
    EXPECT_EQ(lista[10], 0);

    humano.ordem = {e.goleiro};
    for (int v = 9; v >= 0; --v)
        if (v != 3) humano.ordem.push_back(e.jogadoreslinha[v]);
    lista = match::Batedores(c.jogo, c.casa, humano);
    EXPECT_EQ(lista[0], e.goleiro);
    EXPECT_EQ(lista[1], e.jogadoreslinha[9]);
}

} // namespace
