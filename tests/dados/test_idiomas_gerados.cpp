// The language files the build wrote into the runtime folder.
#include "plataforma/arquivos.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/ordemalfabetica.hpp"
#include "plataforma/perfil.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace {

std::vector<std::pair<std::string, int>> NumerosUsados() {
    std::vector<std::pair<std::string, int>> r;
    std::ifstream f(std::string(PITCHLORD_FONTES) + "/idiomas/numeros.txt");
    std::string linha;
    while (std::getline(f, linha)) {
        const auto barra = linha.find('/');
        if (barra == std::string::npos) continue;
        r.emplace_back(linha.substr(0, barra), std::stoi(linha.substr(barra + 1)));
    }
    return r;
}

class IdiomasGerados : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        plataforma::DefinirRaiz(PITCHLORD_JOGO);
        world::DefinirIdioma(GetParam());
        world::EsquecerTextos();
        world::RecarregarNomesPaises();
    }
    void TearDown() override {
        world::DefinirIdioma(-1);
        world::EsquecerTextos();
        plataforma::DefinirRaiz(".");
    }
};

} // namespace

TEST_P(IdiomasGerados, EveryTextTheGameUsesIsThere) {
    const auto numeros = NumerosUsados();
    ASSERT_GT(numeros.size(), 400u);
    for (const auto& [secao, n] : numeros) {
        const std::string t = secao == "s1" ? world::texto(n) : world::texto2(n);
        EXPECT_FALSE(t.empty()) << secao << "/" << n;
        EXPECT_NE(t, "Error") << secao << "/" << n;
    }
    std::set<std::string> nomes;
    for (int c = 0; c < world::kNumPaises; ++c) nomes.insert(world::NomePais(c));
    EXPECT_EQ(nomes.size(), 202u);
    EXPECT_EQ(nomes.count("Error"), 0u);
}

TEST_P(IdiomasGerados, FilesAreWindows1252WithCrlfAndOfThe2007Format) {
    const auto caminho = plataforma::Resolver("languages\\" + std::to_string(GetParam()) + ".txt");
    const auto bytes = plataforma::LerArquivo(caminho);
    ASSERT_TRUE(bytes);
    for (std::size_t i = 0; i < bytes->size(); ++i)
        if ((*bytes)[i] == '\n') {
            ASSERT_EQ((*bytes)[i - 1], '\r') << "byte " << i;
        }
    const auto p = plataforma::ArquivoPerfil::Abrir(caminho);
    EXPECT_EQ(p.Ler("language", "languageversion", ""), "2007");
    EXPECT_EQ(p.Ler("language", "id", ""), std::to_string(GetParam()));
    const auto lista = world::listaidiomas();
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_EQ(world::LerIdiomaConfig(), 10);
}

INSTANTIATE_TEST_SUITE_P(PortuguesEIngles, IdiomasGerados, ::testing::Values(10, 11));

TEST(IdiomasGerados, TheTwoLanguagesSayThingsDifferently) {
    plataforma::DefinirRaiz(PITCHLORD_JOGO);
    world::DefinirIdioma(10);
    world::EsquecerTextos();
    const std::string pt = world::texto(1);
    world::DefinirIdioma(11);
    world::EsquecerTextos();
    EXPECT_NE(world::texto(1), pt);
    EXPECT_EQ(world::texto2(726 + 29), "Brazil");
    world::DefinirIdioma(-1);
    world::EsquecerTextos();
    plataforma::DefinirRaiz(".");
}

TEST(IdiomasGerados, ThePortugueseCountryListReadsInAlphabeticalOrder) {
    plataforma::DefinirRaiz(PITCHLORD_JOGO);
    world::DefinirIdioma(10);
    world::EsquecerTextos();
    world::RecarregarNomesPaises();
    // Austrália, Áustria, Azerbaijão; Bélgica, Belize ... Bulgária; El Salvador,
    // Emirados Árabes Unidos, Equador; Índia, Indonésia, Inglaterra.
    for (const auto& [antes, depois] : std::vector<std::pair<int, int>>{
             {14, 15}, {15, 16}, {21, 22}, {22, 31}, {58, 59}, {59, 60}, {95, 96}, {96, 97}})
        EXPECT_LT(world::PosicaoAlfabetica(antes), world::PosicaoAlfabetica(depois))
            << world::NomePais(antes) << " / " << world::NomePais(depois);
    // The whole list never steps back, accents and case aside.
    const auto& ordem = world::PaisesEmOrdemAlfabetica();
    for (std::size_t i = 1; i < ordem.size(); ++i)
        EXPECT_LE(plataforma::ChaveAlfabetica(world::NomePais(ordem[i - 1])),
                  plataforma::ChaveAlfabetica(world::NomePais(ordem[i])));
    world::DefinirIdioma(-1);
    world::EsquecerTextos();
    world::RecarregarNomesPaises();
    plataforma::DefinirRaiz(".");
}
