#include "apoio/apoio.hpp"
#include "world/arquivotime.hpp"
#include "world/posicoes.hpp"
#include "world/selecoes.hpp"

#include <gtest/gtest.h>

using namespace world;

namespace {
TSelecao Selecao(int pais, int goleiros, int linha) {
    TSelecao s = NovaSelecao(pais);
    s.nivel = 20;
    s.escudo.set("band" + std::to_string(pais));
    s.tecnico.set("Coach " + std::to_string(pais));
    int k = 0;
    for (int i = 0; i < goleiros + linha && k < kVagasSelecao; ++i, ++k) {
        s.nomes[k].set("Jogador " + std::to_string(k));
        s.posicoes[k] = i < goleiros ? 0 : 1 + i % 4;
        s.idades[k] = 20 + k % 10;
        s.titulares[k] = k < 11;
        s.caract1s[k] = i < goleiros ? 0 : 4;
        s.caract2s[k] = i < goleiros ? 2 : 9;
    }
    return s;
}
} // namespace

TEST(Selecoes, CompletenessNeedsTwoGoalkeepersAndSixteenOutfieldPlayers) {
    EXPECT_FALSE(SelecaoCompleta(Selecao(29, 1, 27)));
    EXPECT_TRUE(SelecaoCompleta(Selecao(29, 2, 16)));
    EXPECT_FALSE(SelecaoCompleta(Selecao(29, 2, 15)));
    EXPECT_FALSE(SelecaoCompleta(NovaSelecao(29)));
}

TEST(Selecoes, FilesRoundTripAndTheContinentIsNeverTrusted) {
    apoio::PastaTemporaria pasta;
    std::filesystem::create_directories(pasta / "teams/selecoes");
    TSelecao brasil = Selecao(29, 2, 18);
    brasil.continente = 0; // claimed, and wrong
    ASSERT_TRUE(SalvarSelecao(brasil));
    EXPECT_EQ(brasil.completo, 1);
    const auto bytes = pasta.Ler("teams/selecoes/29.s05");
    ASSERT_EQ(bytes.size(), kTamanhoArquivoSelecao);
    const auto lido = LerArquivoSelecao(pasta / "teams/selecoes/29.s05");
    ASSERT_TRUE(GravarArquivoSelecao(pasta / "copia.s05", *lido));
    EXPECT_EQ(pasta.Ler("copia.s05"), bytes);

    TSelecao outra = Selecao(131, 3, 20);
    outra.continente = 1;
    ASSERT_TRUE(SalvarSelecao(outra));
    Jogo jogo;
    carregaselecoes(jogo);
    ASSERT_EQ(jogo.selecoes.size(), 2u);
    EXPECT_EQ(jogo.selecoes[0].pais, 131); // "131.s05" lists before "29.s05"
    EXPECT_EQ(jogo.selecoes[0].continente, 4);
    EXPECT_EQ(jogo.selecoes[1].continente, 1);
}

TEST(Selecoes, DuplicatesAllPlayButTheEditorKeepsTheLastRead) {
    apoio::PastaTemporaria pasta;
    TSelecao a = Selecao(3, 2, 16), b = Selecao(3, 2, 17);
    b.nivel = 7;
    std::filesystem::create_directories(pasta / "teams/selecoes");
    ASSERT_TRUE(GravarArquivoSelecao(pasta / "teams/selecoes/a.s05", a));
    ASSERT_TRUE(GravarArquivoSelecao(pasta / "teams/selecoes/b.s05", b));
    TSelecao fora = Selecao(500, 2, 16);
    ASSERT_TRUE(GravarArquivoSelecao(pasta / "teams/selecoes/c.s05", fora));
    Jogo jogo;
    carregaselecoes(jogo);
    EXPECT_EQ(jogo.selecoes.size(), 3u);
    const auto editor = LerSelecoesEditor();
    ASSERT_TRUE(editor[3]);
    EXPECT_EQ(editor[3]->nivel, 7);
}

TEST(Selecoes, ShortFilesReadAsZerosAndFoldersAreSkipped) {
    apoio::PastaTemporaria pasta;
    std::filesystem::create_directories(pasta / "teams/selecoes/dir.s05");
    const TSelecao s = Selecao(72, 2, 16);
    ASSERT_TRUE(GravarArquivoSelecao(pasta / "teams/selecoes/x.s05", s));
    auto bytes = pasta.Ler("teams/selecoes/x.s05");
    bytes.resize(4 + 100);
    pasta.Escrever("teams/selecoes/x.s05", bytes);
    Jogo jogo;
    carregaselecoes(jogo);
    ASSERT_EQ(jogo.selecoes.size(), 1u);
    EXPECT_EQ(jogo.selecoes[0].pais, 72);
    EXPECT_EQ(jogo.selecoes[0].idades[0], 0);
    EXPECT_EQ(jogo.selecoes[0].nomes[5].size(), 0u);
}

TEST(Selecoes, ATeamTakesThePitchAsATemporaryClub) {
    apoio::PastaTemporaria pasta;
    Jogo jogo;
    TSelecao s = Selecao(29, 2, 16);
    s.posicoes[5] = 9;  // nonsense from a file: played in midfield, as a club file's
    s.posicoes[7] = -4; // and never out of range
    s.caract1s[6] = 40;
    jogo.selecoes.push_back(s);
    const std::size_t antes = jogo.jogadores.size();
    const int c = SelecaoParaTime(jogo, 0, 39100);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(jogo.jogadores.size(), antes + 18);
    const TJogador& j = jogo.jogadores[antes];
    EXPECT_EQ(j.time, c);
    EXPECT_EQ(j.pais, 29);
    EXPECT_EQ(j.energia, 100);
    EXPECT_EQ(j.moral, 3);
    EXPECT_EQ(j.retorno, 39100);
    EXPECT_EQ(j.titular, 1);
    EXPECT_EQ(jogo.jogadores[antes + 5].posicao, kMeia);
    EXPECT_EQ(jogo.jogadores[antes + 7].posicaoatual, kMeia);
    EXPECT_EQ(jogo.jogadores[antes + 6].caract1, 0);
    EXPECT_EQ(jogo.times[c].escudo.view(), "band29");
}
