// A season's match counts of the history records: kept apart while the
// season runs, they read, save and fold as counts written in place would.
#include "match/construtores.hpp"
#include "match/estatisticas.hpp"
#include "persistence/jogosalvo.hpp"
#include "world/competicoes.hpp"
#include "world/regeneracao.hpp"

#include <gtest/gtest.h>

using namespace world;
using construtores::kHoje;

TEST(HistoricoDaTemporada, ReadSavedAndFoldedAsCountsInPlace) {
    construtores::Confronto c;
    Jogo& jogo = c.jogo;
    jogo.estado.temporada = 3;
    const int j = construtores::Jogador(jogo, construtores::Clube(jogo), kMeia);
    for (int k = 0; k < 2; ++k)
        match::RegistrarEstatistica(jogo, j, match::Estatistica::Gol, kLiga, kHoje);
    match::RegistrarEstatistica(jogo, j, match::Estatistica::Jogo, kLiga, kHoje);
    const int h = jogo.jogadores[j].historico;
    ASSERT_GT(h, 0);
    EXPECT_EQ(ValorDoHistorico(jogo, h, kHistGols, 0), 2);
    EXPECT_EQ(ValorDoHistorico(jogo, h, kHistGols, 3), 2);
    EXPECT_EQ(ValorDoHistorico(jogo, h, kHistGols, 2), 0);
    EXPECT_EQ(HistoricoConsolidado(jogo, h).linhas[kHistJogos][3], 1);

    // The saved bytes are those of the counts folded in.
    Jogo dobrado = jogo;
    ConsolidarHistoricos(dobrado);
    EXPECT_EQ(dobrado.historicos[h].linhas[kHistGols][3], 2);
    EXPECT_EQ(dobrado.historicos[h].linhas[kHistGols][0], 2);
    EXPECT_EQ(persistence::SerializarJogo(jogo), persistence::SerializarJogo(dobrado));

    // A season that moved on without its end keeps its counts in its entry.
    jogo.estado.temporada = 4;
    match::RegistrarEstatistica(jogo, j, match::Estatistica::Gol, kLiga, kHoje);
    EXPECT_EQ(ValorDoHistorico(jogo, h, kHistGols, 3), 2);
    EXPECT_EQ(ValorDoHistorico(jogo, h, kHistGols, 4), 1);
    EXPECT_EQ(ValorDoHistorico(jogo, h, kHistGols, 0), 3);

    // A retiring player's successor starts his record afresh, counts and all.
    renovajogador(jogo, j, "", -1, kHoje);
    EXPECT_EQ(ValorDoHistorico(jogo, h, kHistGols, 0), 0);
    EXPECT_EQ(ValorDoHistorico(jogo, h, kHistGols, 4), 0);
}
