#include "apoio/apoio.hpp"
#include "plataforma/perfil.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

using plataforma::ArquivoPerfil;

TEST(Perfil, SectionsAndKeysIgnoreCaseAndValuesAreTheRestOfTheLine) {
    const auto p = ArquivoPerfil::DeTexto("; comment\r\n[Opcoes]\r\nOpSom = 1 \r\n"
                                          "titulo=a=b ; not a comment\r\n[outra]\r\nopsom=0\r\n");
    EXPECT_EQ(p.Ler("opcoes", "opsom", "x"), "1");
    EXPECT_EQ(p.Ler("OPCOES", "TITULO", "x"), "a=b ; not a comment");
    EXPECT_EQ(p.Ler("outra", "opsom", "x"), "0");
    EXPECT_EQ(p.Ler("opcoes", "falta", "nofound"), "nofound");
    EXPECT_EQ(p.Ler("nenhuma", "opsom", "nofound"), "nofound");
}

TEST(Perfil, FirstOfDuplicateKeysAndSectionsWins) {
    const auto p = ArquivoPerfil::DeTexto("[a]\nk=1\nk=2\n[b]\n[A]\nk=3\nj=4\n");
    EXPECT_EQ(p.Ler("a", "k", ""), "1");
    EXPECT_EQ(p.Ler("a", "j", "none"), "none");
}

TEST(Perfil, AnyLineEndReadsTheSame) {
    for (const char* t : {"[s]\nx=1\ny=2", "[s]\rx=1\ry=2\r", "[s]\r\nx=1\r\ny=2\r\n"}) {
        const auto p = ArquivoPerfil::DeTexto(t);
        EXPECT_EQ(p.Ler("s", "x", ""), "1") << t;
        EXPECT_EQ(p.Ler("s", "y", ""), "2") << t;
    }
}

TEST(Perfil, WritingAKeyKeepsEveryOtherLine) {
    auto p = ArquivoPerfil::DeTexto("; settings\r\n[opcoes]\r\nopsom=1\r\n\r\n[outra]\r\nz=9\r\n");
    p.Gravar("OPCOES", "OpSom", "0");
    p.Gravar("opcoes", "opnegrito", "1");
    p.Gravar("nova", "k", "v");
    EXPECT_EQ(p.Texto(),
              "; settings\r\n[opcoes]\r\nOpSom=0\r\nopnegrito=1\r\n\r\n[outra]\r\nz=9\r\n"
              "\r\n[nova]\r\nk=v\r\n");
}

TEST(Perfil, FilesAreReadAndWrittenSafely) {
    apoio::PastaTemporaria pasta;
    const auto arquivo = pasta / "x.ini";
    EXPECT_EQ(plataforma::LerPerfil(arquivo, "s", "k", "nofound"), "nofound");
    EXPECT_TRUE(plataforma::GravarPerfil(arquivo, "s", "k", "v"));
    EXPECT_TRUE(plataforma::GravarPerfil(arquivo, "s", "j", "w"));
    EXPECT_EQ(plataforma::LerPerfil(arquivo, "S", "K", ""), "v");
    EXPECT_EQ(plataforma::LerPerfil(arquivo, "s", "j", ""), "w");
    // A folder where the file should be: reads give the default, writes fail.
    std::filesystem::create_directories(pasta / "d.ini");
    EXPECT_EQ(plataforma::LerPerfil(pasta / "d.ini", "s", "k", "def"), "def");
    EXPECT_FALSE(plataforma::GravarPerfil(pasta / "d.ini", "s", "k", "v"));
    EXPECT_FALSE(plataforma::GravarPerfil(pasta / "naoexiste/x.ini", "s", "k", "v"));
}

TEST(Perfil, AHugeSectionIsReadInLinearTimeWithTheFirstOfEachKey) {
    // 300 000 keys, each twice (the second in capitals): seconds if the scan
    // of earlier keys were quadratic, a fraction of one here.
    std::string texto = "[s1]\n";
    for (int i = 0; i < 300'000; ++i) texto += std::to_string(i) + "=a" + std::to_string(i) + "\n";
    for (int i = 0; i < 1'000; ++i)
        texto += "K" + std::to_string(i) + "=x\nk" + std::to_string(i) + "=y\n";
    const auto p = ArquivoPerfil::DeTexto(texto);
    const auto inicio = std::chrono::steady_clock::now();
    const auto pares = p.Secao("S1");
    const double segundos =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    ASSERT_EQ(pares.size(), 301'000u);
    EXPECT_EQ(pares[299'999].second, "a299999");
    EXPECT_EQ(pares[300'000].first, "K0");
    EXPECT_EQ(pares[300'000].second, "x");
    EXPECT_LT(segundos, 5.0);
}
