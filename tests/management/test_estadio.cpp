// Ticket prices and the works of a stadium expansion.
#include "management/estadio.hpp"
#include "match/construtores.hpp"

#include <gtest/gtest.h>

#include <cstring>

using namespace world;
using namespace management;

namespace {

constexpr double kHoje = construtores::kHoje;

struct Estadio {
    Jogo jogo;
    int c;
    Estadio() {
        jogo.estado.temporada = 1;
        jogo.estado.dataatual = 5;
        jogo.calendario[4].data = kHoje;
        c = construtores::Clube(jogo, 15, true);
        TTime& t = jogo.times[c];
        t.capacidade[0] = 15'000;
        t.capacidade[1] = 45'000;
        t.capacidade[2] = 5'000;
        t.capacidade[3] = 100;
        t.dinheiro = 1'000'000;
        jogo.financas.resize(1);
        std::memset(jogo.financas.data(), 0, sizeof(TFinancas));
    }
};

TEST(Estadio, TheBudgetByNewCapacityTheMaximaAndTheDates) {
    Estadio e;
    // 25 000 more in the general stand of a 15 000 stadium: over 20 000.
    Orcamento o = PedirOrcamento(e.jogo, e.c, {25'000, 0, 0, 0});
    EXPECT_EQ(o.estado, Orcamento::AcimaDoMaximo);
    EXPECT_EQ(PedirOrcamento(e.jogo, e.c, {0, 0, -5, 0}).estado, Orcamento::Nada);
    o = PedirOrcamento(e.jogo, e.c, {0, 5'000, 0, 0});
    ASSERT_EQ(o.estado, Orcamento::Pronto);
    EXPECT_EQ(o.custo, 850'000);
    EXPECT_EQ(o.termino, kHoje + 8);
    o = PedirOrcamento(e.jogo, e.c, {500, 0, 0, 0});
    EXPECT_EQ(o.termino, kHoje + 4);
    EXPECT_EQ(o.custo, 100'000 + 100 * 500); // 15 500: 100 a seat
    o = PedirOrcamento(e.jogo, e.c, {0, 0, 0, 100});
    EXPECT_EQ(o.custo, 100'000 + 1'500 * 100); // 200 boxes: 1 500 each
    // Later seasons allow more.
    e.jogo.estado.temporada = 10;
    EXPECT_EQ(PedirOrcamento(e.jogo, e.c, {15'000, 0, 0, 0}).estado, Orcamento::Pronto);
}

TEST(Estadio, WorksArePaidThenTheSeatsArriveOnTheirDayOnce) {
    Estadio e;
    const Orcamento o = PedirOrcamento(e.jogo, e.c, {0, 5'000, 0, 0});
    e.jogo.times[e.c].dinheiro = 849'999;
    EXPECT_EQ(IniciarConstrucao(e.jogo, e.c, o), RecusaObra::SemDinheiro);
    EXPECT_EQ(ObraPendente(e.jogo, e.c), -1);
    e.jogo.times[e.c].dinheiro = 900'000;
    EXPECT_EQ(IniciarConstrucao(e.jogo, e.c, Orcamento{}), RecusaObra::SemOrcamento);
    ASSERT_EQ(IniciarConstrucao(e.jogo, e.c, o), RecusaObra::Nenhuma);
    EXPECT_EQ(e.jogo.times[e.c].dinheiro, 50'000);
    EXPECT_EQ(e.jogo.financas[0].estadio, 850'000);
    EXPECT_EQ(ObraPendente(e.jogo, e.c), 0);
    // One works at a time: the next waits for these to end.
    e.jogo.times[e.c].dinheiro = 900'000;
    EXPECT_EQ(IniciarConstrucao(e.jogo, e.c, o), RecusaObra::EmAndamento);
    EXPECT_EQ(e.jogo.times[e.c].dinheiro, 900'000);
    EXPECT_FALSE(ConcluirObras(e.jogo, e.c)); // not yet
    e.jogo.calendario[4].data = kHoje + 8;
    EXPECT_TRUE(ConcluirObras(e.jogo, e.c));
    EXPECT_EQ(e.jogo.times[e.c].capacidade[1], 50'000);
    EXPECT_FALSE(ConcluirObras(e.jogo, e.c));
    EXPECT_EQ(e.jogo.times[e.c].capacidade[1], 50'000);
    EXPECT_EQ(ObraPendente(e.jogo, e.c), -1);
    ASSERT_EQ(e.jogo.obras.size(), 1u); // kept, no longer pending

    EXPECT_EQ(RecusaDaObra(e.jogo, e.c), RecusaObra::Nenhuma);

    AjustarPreco(e.jogo, e.c, 2, +1);
    EXPECT_EQ(e.jogo.times[e.c].precos[2], 1);
    AjustarPreco(e.jogo, e.c, 2, -1);
    EXPECT_EQ(AjustarPreco(e.jogo, e.c, 2, -1), RecusaPreco::NoMinimo);
    EXPECT_EQ(e.jogo.times[e.c].precos[2], 0);
    e.jogo.times[e.c].precos[2] = kPrecoMaximo;
    EXPECT_EQ(RecusaDoPreco(e.jogo, e.c, 2, +1), RecusaPreco::NoMaximo);
    EXPECT_EQ(RecusaDoPreco(e.jogo, e.c, 2, -1), RecusaPreco::Nenhuma);
}

} // namespace
