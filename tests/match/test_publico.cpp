#include "construtores.hpp"
#include "match/publico.hpp"
#include "plataforma/arredondar.hpp"

#include <gtest/gtest.h>

namespace {

struct Publico : ::testing::Test {
    world::Jogo jogo;
    int casa = -1, fora = -1;
    match::TJogoDaRodada p;
    void SetUp() override {
        jogo.gerador.Semear(11);
        jogo.estado.divisoesporliga = 2;
        jogo.precospadrao = {
            {{1, 5, 15, 30}, {10, 15, 25, 80}, {7, 13, 20, 70}, {5, 12, 17, 40}, {3, 10, 15, 30}}};
        casa = construtores::Clube(jogo);
        fora = construtores::Clube(jogo);
        for (int c : {casa, fora})
            for (int s = 0; s < 4; ++s) {
                jogo.times[c].capacidade[s] = 100000;
                jogo.times[c].precos[s] = jogo.precospadrao[1][s];
            }
        jogo.times[casa].conftorcida = 60;
        p.mandante = casa;
        p.visitante = fora;
    }
    void Calcular(const match::ContextoPublico& ctx) { match::CalcularPublico(jogo, p, ctx); }
};

TEST_F(Publico, AFourthDivisionGroundIsCappedWhateverItsSize) {
    jogo.times[casa].divisao = 4;
    for (int s = 0; s < 4; ++s) jogo.times[casa].precos[s] = jogo.precospadrao[4][s];
    match::ContextoPublico ctx;
    ctx.primeirarodada = true;
    Calcular(ctx);
    EXPECT_LT(p.publicosetor[0], 3000);
    EXPECT_LT(p.publicosetor[1], 15000);
    EXPECT_LT(p.publicosetor[2], 1000);
    EXPECT_LT(p.publicosetor[3], 150);
    EXPECT_GE(p.publicosetor[0], 50);
    EXPECT_EQ(p.publico,
              p.publicosetor[0] + p.publicosetor[1] + p.publicosetor[2] + p.publicosetor[3]);
    std::int64_t renda = 0;
    for (int s = 0; s < 4; ++s) renda += std::int64_t{p.publicosetor[s]} * jogo.precospadrao[4][s];
    EXPECT_EQ(p.renda, renda);
}

TEST_F(Publico, AHumanClubBelowTheReferencePriceDrawsTwelvePercentMorePerUnit) {
    world::Jogo antes = jogo;
    match::ContextoPublico ctx;
    Calcular(ctx);
    const match::TJogoDaRodada computador = p;

    jogo = antes;
    jogo.times[casa].humano = 1;
    jogo.times[casa].precos[1] -= 1; // one below the reference: +12%
    jogo.times[casa].precos[2] -= 2; // two below: +24%
    Calcular(ctx);
    EXPECT_EQ(p.publicosetor[0], computador.publicosetor[0]);
    EXPECT_EQ(p.publicosetor[1], computador.publicosetor[1] +
                                     plataforma::ArredDiv(computador.publicosetor[1] * 12LL, 100));
    EXPECT_EQ(p.publicosetor[2], computador.publicosetor[2] +
                                     plataforma::ArredDiv(computador.publicosetor[2] * 24LL, 100));
}

TEST_F(Publico, ARaisedPriceDrawsFewerAndAnExpandedGroundHoldsMore) {
    // A human who raises his general stand's price by two loses 24 % of it,
    // and pays for it in the income only as far as the new price makes up.
    jogo.times[casa].humano = 1;
    world::Jogo antes = jogo;
    match::ContextoPublico ctx;
    Calcular(ctx);
    const match::TJogoDaRodada normal = p;
    jogo = antes;
    jogo.times[casa].precos[1] += 2;
    Calcular(ctx);
    EXPECT_EQ(p.publicosetor[1],
              normal.publicosetor[1] - plataforma::ArredDiv(normal.publicosetor[1] * 24LL, 100));
    EXPECT_EQ(p.renda - normal.renda,
              std::int64_t{p.publicosetor[1]} * jogo.times[casa].precos[1] -
                  std::int64_t{normal.publicosetor[1]} * antes.times[casa].precos[1]);

    // A full ground for a final: the seats the works added fill too.
    ctx.codigo = 2;
    ctx.fase = 5;
    jogo = antes;
    jogo.times[casa].capacidade[1] = 30000;
    Calcular(ctx);
    EXPECT_EQ(p.publicosetor[1], 30000);
    jogo = antes;
    jogo.times[casa].capacidade[1] = 35000;
    Calcular(ctx);
    EXPECT_EQ(p.publicosetor[1], 35000);
}

TEST_F(Publico, ACupFinalBetweenTopClubsFillsTheGround) {
    match::ContextoPublico ctx;
    ctx.codigo = 2;
    ctx.fase = 5;
    Calcular(ctx); // both in division 1: 100% + Aleatorio(1)
    for (int s = 0; s < 4; ++s) EXPECT_EQ(p.publicosetor[s], 100000);
}

TEST_F(Publico, ContinentalGroupsAndTheNationalTeamsAndClubWorldCupMatches) {
    match::ContextoPublico ctx;
    ctx.codigo = 4;
    ctx.fase = 2;
    ctx.grupo = 1; // 40 − 5 for confidence 60, plus 0..14
    Calcular(ctx);
    for (int s = 0; s < 4; ++s) {
        EXPECT_GE(p.publicosetor[s], 35000);
        EXPECT_LE(p.publicosetor[s], 49000);
    }
    for (int codigo : {5, 7, 8, 9}) {
        ctx.codigo = codigo;
        Calcular(ctx);
        EXPECT_EQ(p.publico, 0);
        EXPECT_EQ(p.renda, 0);
    }
}

} // namespace
