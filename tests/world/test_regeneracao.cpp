#include "world/regeneracao.hpp"
#include "world/valores.hpp"

#include <gtest/gtest.h>

using namespace world;

namespace {

Jogo Mundo(int nivel, bool humano) {
    Jogo jogo;
    TTime t = NovoTime();
    t.nivel = nivel;
    t.humano = humano;
    t.dinheiro = 5'000'000;
    jogo.times.push_back(t);
    jogo.estado.numtimesligas = 1;
    jogo.estado.temporada = 1;
    TJogador j = NovoJogador();
    j.nome.set("Veterano");
    j.time = 0;
    j.pais = 29;
    j.idade = 36;
    j.forca = 70;
    j.posicao = j.posicaoatual = 3;
    j.caract1 = 7;
    j.caract2 = 10;
    j.numero = 10;
    j.funcao = 2;
    j.gols[1] = 12;
    j.cartoes[2] = 3;
    j.suspensao[4] = 1;
    j.jogos[1] = 30;
    j.marcagestao1 = j.marcagestao2 = j.marcagestao3 = 9;
    j.avisocontrato = j.sinalgestao1 = j.sinalgestao2 = j.cansado = 1;
    j.nota = 7.5f;
    j.historico = 1;
    jogo.jogadores.push_back(j);
    THistoricoJogador h = NovoHistorico();
    h.linhas[kHistGols][0] = 120;
    h.clubes[0][0] = 0;
    jogo.historicos.push_back(h);
    return jogo;
}

} // namespace

TEST(Regeneracao, PositionMinusOneKeepsPositionAndCharacteristics) {
    Jogo jogo = Mundo(15, false);
    jogo.gerador.Semear(11);
    renovajogador(jogo, 1, "", -1, 39200);
    const TJogador& j = jogo.jogadores[1];
    EXPECT_EQ(j.nome.view(), "Veterano");
    EXPECT_EQ(j.posicao, 3);
    EXPECT_EQ(j.caract1, 7);
    EXPECT_EQ(j.caract2, 10);
    EXPECT_GE(j.idade, 17);
    EXPECT_LE(j.idade, 20);
    EXPECT_EQ(j.time, 0);
    EXPECT_EQ(j.pais, 29);
    EXPECT_EQ(j.numero, 10);
    EXPECT_EQ(j.funcao, 2);
    EXPECT_EQ(j.historico, 1);
    EXPECT_EQ(j.retorno, 39200);
    EXPECT_EQ(j.contrato, 39228);
    EXPECT_EQ(j.energia, 100);
    EXPECT_EQ(j.moral, 3);
    EXPECT_EQ(j.nota, 0.0f);
    EXPECT_EQ(j.gols[1] + j.cartoes[2] + j.suspensao[4] + j.jogos[1], 0);
    EXPECT_EQ(j.marcagestao1 + j.marcagestao2 + j.marcagestao3, 0);
    EXPECT_EQ(j.avisocontrato + j.sinalgestao1 + j.sinalgestao2 + j.cansado, 0);
    EXPECT_EQ(j.passe, world::CalcularPasse(jogo, j));
    EXPECT_EQ(j.salario, world::CalcularSalario(jogo, j));
    const THistoricoJogador& h = jogo.historicos[1];
    EXPECT_EQ(h.linhas[kHistGols][0], 0);
    EXPECT_EQ(h.clubes[0][0], 0);
    EXPECT_EQ(h.clubes[0][1], -1);
}

TEST(Regeneracao, ANewPositionDrawsOneOfItsCharacteristicPairs) {
    for (std::uint64_t s = 0; s < 40; ++s) {
        Jogo jogo = Mundo(15, false);
        jogo.gerador.Semear(s);
        renovajogador(jogo, 1, "Menino da Base Com Nome Longo", 0, 39200);
        const TJogador& j = jogo.jogadores[1];
        EXPECT_EQ(j.nome.view(), "Menino da Base Com N");
        EXPECT_EQ(j.posicao, 0);
        EXPECT_EQ(j.posicaoatual, 0);
        const bool par = (j.caract1 == 0 && j.caract2 == 2) || (j.caract1 == 2 && j.caract2 == 3) ||
                         (j.caract1 == 3 && j.caract2 == 0);
        EXPECT_TRUE(par) << j.caract1 << "," << j.caract2;
    }
}

TEST(Regeneracao, StrengthDependsOnTheClubsLevelButHumansGetModestYouth) {
    int maxHumano = 0, minGrande = 100, maxGrande = 0, maxMedio = 0;
    for (std::uint64_t s = 0; s < 3000; ++s) {
        for (int caso = 0; caso < 3; ++caso) {
            Jogo jogo = Mundo(caso == 2 ? 19 : 25, caso == 0);
            jogo.gerador.Semear(s);
            renovajogador(jogo, 1, "", -1, 0);
            const int f = jogo.jogadores[1].forca;
            if (caso == 0) maxHumano = std::max(maxHumano, f);
            if (caso == 1) minGrande = std::min(minGrande, f), maxGrande = std::max(maxGrande, f);
            if (caso == 2) maxMedio = std::max(maxMedio, f);
        }
    }
    EXPECT_EQ(maxHumano, 14);
    EXPECT_EQ(minGrande, 10);
    EXPECT_EQ(maxGrande, 18);
    EXPECT_EQ(maxMedio, 16);
}

TEST(Regeneracao, SeasonsAfterTheTenthAreRecordedInTheTenth) {
    Jogo jogo = Mundo(15, false);
    jogo.estado.temporada = 11;
    renovajogador(jogo, 1, "", -1, 0);
    const THistoricoJogador& h = jogo.historicos[1];
    EXPECT_EQ(h.clubes[9][0], 0);
    EXPECT_EQ(h.clubes[0][0], -1);
    // Out-of-range indices are ignored, the dummy record included.
    renovajogador(jogo, 0, "x", 1, 0);
    renovajogador(jogo, 99, "x", 1, 0);
    EXPECT_EQ(jogo.jogadores[0].time, -1);
}

TEST(Regeneracao, StarsPassOnTheirGiftHalfTheTime) {
    int estrelas = 0, novas = 0;
    for (std::uint64_t s = 0; s < 7000; ++s) {
        Jogo a = Mundo(15, false);
        a.jogadores[1].estrela = 1;
        a.gerador.Semear(s);
        renovajogador(a, 1, "", -1, 0);
        estrelas += a.jogadores[1].estrela;
        Jogo b = Mundo(15, false);
        b.gerador.Semear(s);
        renovajogador(b, 1, "", -1, 0);
        novas += b.jogadores[1].estrela;
    }
    EXPECT_NEAR(estrelas, 3500, 250);
    EXPECT_NEAR(novas, 100, 40);
}
