#include "apoio/apoio.hpp"
#include "plataforma/aleatorio.hpp"
#include "plataforma/arquivos.hpp"
#include "world/arquivotime.hpp"
#include "world/clubes.hpp"

#include <gtest/gtest.h>

using namespace world;

namespace {
std::vector<std::uint8_t> Bytes(const apoio::PastaTemporaria& p, const std::string& rel) {
    return p.Ler(rel);
}
} // namespace

TEST(ArquivoTime, RoundTripIsByteExact) {
    apoio::PastaTemporaria pasta;
    ArquivoTime t = apoio::MontarTime(29, 18, "Vila Serena", 2, 20);
    t.cabecalho.estado = 25;
    t.jogadores.estrelas[3] = 1;
    apoio::GravarTime(pasta, t);
    const auto original = Bytes(pasta, "teams/Vila Serena.b07");
    ASSERT_EQ(original.size(), kTamanhoArquivoTime);
    EXPECT_EQ(original[0], 1);             // section marker
    EXPECT_EQ(original[4], 29);            // country
    EXPECT_EQ(original[4 + 2], 7);         // version
    EXPECT_EQ(original[4 + 176], 25);      // state
    EXPECT_EQ(original[184], 1);           // second marker
    EXPECT_EQ(original[188 + 900 + 3], 1); // star column

    const auto lido = learquivotime(pasta / "teams/Vila Serena.b07");
    ASSERT_TRUE(lido);
    ASSERT_TRUE(gravaarquivotime(pasta / "copia.b07", lido->cabecalho, lido->jogadores));
    EXPECT_EQ(Bytes(pasta, "copia.b07"), original);

    // Bytes the game does not know (the zero gaps, bytes past a name) come back too.
    auto estranho = original;
    estranho[4 + 165] = 0x5A;
    estranho[4 + 4 + 20] = 0x77; // inside the name slot, after its length
    pasta.Escrever("estranho.b07", estranho);
    const auto l2 = learquivotime(pasta / "estranho.b07");
    ASSERT_TRUE(gravaarquivotime(pasta / "estranho2.b07", l2->cabecalho, l2->jogadores));
    EXPECT_EQ(Bytes(pasta, "estranho2.b07"), estranho);
}

TEST(ArquivoTime, CompletenessNeedsAGoalkeeperAndElevenOutfieldPlayers) {
    EXPECT_FALSE(TimeCompleto(apoio::MontarTime(29, 10, "A", 1, 10).jogadores)); // 11 named
    EXPECT_TRUE(TimeCompleto(apoio::MontarTime(29, 10, "A", 1, 11).jogadores));
    EXPECT_FALSE(TimeCompleto(apoio::MontarTime(29, 10, "A", 0, 20).jogadores));
    // Placeholders are empty slots, whatever their position says.
    ArquivoTime vazio = NovoArquivoTime();
    EXPECT_FALSE(TimeCompleto(vazio.jogadores));
    for (int k = 0; k < kVagasTime; ++k) vazio.jogadores.posicoes[k] = k == 0 ? 0 : 3;
    EXPECT_FALSE(TimeCompleto(vazio.jogadores));
    EXPECT_TRUE(VagaVazia(vazio.jogadores.nomes[0]));
    ShortString<35> quase{};
    quase.set("nome"); // the placeholder needs its trailing byte
    EXPECT_FALSE(VagaVazia(quase));
}

TEST(ArquivoTime, SavingSetsVersionSevenAndRecomputesValidity) {
    apoio::PastaTemporaria pasta;
    std::filesystem::create_directories(pasta / "teams");
    ArquivoTime t = apoio::MontarTime(11, 15, "Rio Manso", 1, 10);
    t.cabecalho.versao = 6;
    t.cabecalho.valido = 1; // a lie the editor corrects
    ASSERT_TRUE(SalvarTime(t));
    const auto lido = learquivotime(pasta / "teams/Rio Manso.b07");
    ASSERT_TRUE(lido);
    EXPECT_EQ(lido->cabecalho.versao, 7);
    EXPECT_EQ(lido->cabecalho.valido, 0);
    ArquivoTime semNome = t;
    semNome.cabecalho.arquivo.set("../fora");
    EXPECT_FALSE(SalvarTime(semNome));
}

TEST(ArquivoTime, VersionSixReadsLikeSevenAndOtherVersionsAreUnusable) {
    apoio::PastaTemporaria pasta;
    for (int v : {5, 6, 7, 8}) {
        ArquivoTime t = apoio::MontarTime(97, 12, "V" + std::to_string(v));
        t.cabecalho.versao = static_cast<u8>(v);
        apoio::GravarTime(pasta, t);
    }
    ArquivoTime invalido = apoio::MontarTime(97, 12, "Invalido");
    invalido.cabecalho.valido = 0;
    apoio::GravarTime(pasta, invalido);
    ArquivoTime anonimo = apoio::MontarTime(97, 12, "Anonimo");
    anonimo.cabecalho.nome.set("");
    apoio::GravarTime(pasta, anonimo);

    const IndiceTimes indice = contatimes();
    ASSERT_EQ(indice.size(), 6u);
    std::vector<std::string> usaveis;
    for (int i : timesdopais(indice, 97)) usaveis.push_back(indice[i].arquivo);
    EXPECT_EQ(usaveis, (std::vector<std::string>{"V6.b07", "V7.b07"}));
    EXPECT_EQ(UsaveisPorPais(indice)[97], 2);
}

TEST(ArquivoTime, BrokenFilesNeverCrashTheReaders) {
    apoio::PastaTemporaria pasta;
    const ArquivoTime bom = apoio::MontarTime(29, 20, "Inteiro");
    apoio::GravarTime(pasta, bom);
    const auto bytes = pasta.Ler("teams/Inteiro.b07");
    // Every truncation: the missing bytes read as zero.
    for (std::size_t n = 0; n <= bytes.size(); n += 7) {
        pasta.Escrever("t.b07", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + n));
        const auto a = learquivotime(pasta / "t.b07");
        ASSERT_TRUE(a);
        if (n < 4 + 4 + 26) {

            EXPECT_LE(a->cabecalho.nome.size(), 25u);
        }
        if (n <= 188) {

            EXPECT_TRUE(VagaVazia(a->jogadores.nomes[0]));
        }
    }
    pasta.Escrever("curto.b07", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 190));
    EXPECT_EQ(learquivotime(pasta / "curto.b07")->cabecalho.nivel, 20);
    // Random bytes, and length bytes far above their capacity.
    plataforma::Gerador g(7);
    for (int rodada = 0; rodada < 200; ++rodada) {
        std::vector<std::uint8_t> lixo(g.Aleatorio(1400));
        for (auto& b : lixo) b = static_cast<std::uint8_t>(g.Aleatorio(256));
        pasta.Escrever("lixo.b07", lixo);
        const auto a = learquivotime(pasta / "lixo.b07");
        ASSERT_TRUE(a);
        EXPECT_LE(a->cabecalho.nome.view().size(), 25u);
        EXPECT_LE(a->jogadores.nomes[24].view().size(), 35u);
        TimeCompleto(a->jogadores);
    }
    std::filesystem::create_directories(pasta / "pasta.b07");
    EXPECT_FALSE(learquivotime(pasta / "pasta.b07"));
    EXPECT_FALSE(learquivotime(pasta / "naoexiste.b07"));
}
