// Reading a date's matches and one match's events back from the archive.
#include "match/resultadosdata.hpp"

#include <gtest/gtest.h>

using namespace world;

namespace {

TJogoArquivado Arquivado(int m, int v, double data, int codigo) {
    TJogoArquivado a;
    a.mandante = m;
    a.visitante = v;
    a.data = data;
    a.competicao = codigo;
    return a;
}

TEST(ResultadosData, JogosDaDataSoOsDoDiaEDaCompeticao) {
    Jogo jogo;
    jogo.arquivo.jogos = {Arquivado(1, 2, 100, 1), Arquivado(3, 4, 101, 1), Arquivado(5, 6, 101, 2),
                          Arquivado(7, 8, 101, 1)};
    EXPECT_EQ(match::JogosDaData(jogo, 101, 1), (std::vector<int>{1, 3}));
    EXPECT_TRUE(match::JogosDaData(jogo, 102, 1).empty());
}

TEST(ResultadosData, LancesEmOrdemComOPlacarCorrente) {
    Jogo jogo;
    jogo.arquivo.jogos = {Arquivado(1, 2, 100, 1), Arquivado(3, 4, 100, 1)};
    // Events of entry 1 out of minute order, an own goal credited to the away
    // side, and an event of another match in between.
    jogo.arquivo.eventos = {{kGolEvento, 3, 10, -1, 70, 1},
                            {kAmarelo, 4, 11, 0, 12, 1},
                            {kGolEvento, 1, 20, -1, 5, 0},
                            {kGolContra, 4, 12, -1, 30, 1},
                            {kGolPenalti, 3, 13, -1, 70, 1}};
    const auto l = match::LancesDoJogo(jogo, 1);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0].evento.tipo, kAmarelo);
    EXPECT_FALSE(l[0].gol);
    EXPECT_EQ(l[1].lado, 1);
    EXPECT_EQ(l[1].placar[0], 0);
    EXPECT_EQ(l[1].placar[1], 1);
    // Same minute: in the order they happened; second half minutes 1..45.
    EXPECT_EQ(l[2].evento.jogador, 10);
    EXPECT_EQ(l[2].tempo, 2);
    EXPECT_EQ(l[2].minuto, 25);
    EXPECT_EQ(l[3].placar[0], 2);
    EXPECT_EQ(l[3].placar[1], 1);
    EXPECT_TRUE(match::LancesDoJogo(jogo, 2).empty());
    EXPECT_TRUE(match::LancesDoJogo(jogo, -1).empty());
}

TEST(ResultadosData, EntradaDeUmaPartidaJogada) {
    Jogo jogo;
    jogo.arquivo.jogos = {Arquivado(1, 2, 100, 1), Arquivado(2, 1, 100, 2),
                          Arquivado(2, 1, 130, 1)};
    TPartida p;
    p.mandante = 2;
    p.visitante = 1;
    p.data = 130;
    p.competicao = 1;
    EXPECT_EQ(match::EntradaDaPartida(jogo, p), -1); // not played yet
    p.jogado = 1;
    EXPECT_EQ(match::EntradaDaPartida(jogo, p), 2);
    p.data = 100;
    EXPECT_EQ(match::EntradaDaPartida(jogo, p), -1); // that day's match was the cup's
}

} // namespace
