#include "apoio/apoio.hpp"
#include "plataforma/aleatorio.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/bytes.hpp"
#include "plataforma/shortstring.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace plataforma;

TEST(Bytes, AShortBufferReadsAsZerosAndSaysSo) {
    const std::vector<std::uint8_t> dados = {0x01, 0x02, 0x03, 0x04, 0xAA};
    LeitorBytes l(dados);
    EXPECT_EQ(l.LerI32(), 0x04030201);
    std::uint8_t resto[4] = {9, 9, 9, 9};
    l.Ler(resto, 4);
    EXPECT_TRUE(l.Faltou());
    EXPECT_EQ(resto[0], 0xAA);
    EXPECT_EQ(resto[1], 0);
    EXPECT_EQ(resto[3], 0);
    EXPECT_EQ(l.LerI32(), 0);
}

TEST(Bytes, WritingIsLittleEndian) {
    EscritorBytes e;
    e.EscreverI32(-2);
    e.EscreverI32(2007);
    EXPECT_EQ(e.Dados(), (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 0xD7, 0x07, 0, 0}));
}

TEST(ShortStrings, ClampTheirLengthAndKeepTheirSlotClean) {
    ShortString<5> s{};
    s.set("abcdefgh");
    EXPECT_EQ(s.view(), "abcde");
    s.set("xy");
    EXPECT_EQ(s.view(), "xy");
    EXPECT_EQ(s.dados[2], 0);
    s.tamanho = 200; // a hostile length byte
    EXPECT_EQ(s.size(), 5u);
    EXPECT_EQ(s.view(), std::string_view("xy\0\0\0", 5));
}

TEST(Arquivos, AtomicWritesReplaceOrLeaveTheOldFile) {
    apoio::PastaTemporaria pasta;
    const auto f = pasta / "x.bin";
    ASSERT_TRUE(GravarArquivoAtomico(f, "primeiro"));
    ASSERT_TRUE(GravarArquivoAtomico(f, "segundo"));
    const auto lido = LerArquivo(f);
    ASSERT_TRUE(lido);
    EXPECT_EQ(std::string(lido->begin(), lido->end()), "segundo");
    EXPECT_FALSE(GravarArquivoAtomico(pasta / "falta/x.bin", "a"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.Caminho()), {}), 1);
    EXPECT_FALSE(LerArquivo(pasta / "nada.bin"));
    EXPECT_FALSE(LerArquivo(pasta.Caminho()));
    EXPECT_EQ(LerArquivo(f, 3)->size(), 3u);
}

TEST(Gerador, SameSeedSameGameAndEveryDrawInRange) {
    Gerador a(42), b(42), c(43);
    std::vector<int> va, vb, vc;
    for (int i = 0; i < 100; ++i) {
        va.push_back(a.Aleatorio(1000));
        vb.push_back(b.Aleatorio(1000));
        vc.push_back(c.Aleatorio(1000));
    }
    EXPECT_EQ(va, vb);
    EXPECT_NE(va, vc);
    EXPECT_EQ(a.Aleatorio(0), 0);
    EXPECT_EQ(a.Aleatorio(-5), 0);
    // Resuming from a saved state continues the same sequence.
    Gerador d(a.Estado());
    EXPECT_EQ(d.Aleatorio(1 << 30), a.Aleatorio(1 << 30));
    int contagem[6] = {};
    for (int i = 0; i < 60000; ++i) {
        const int x = a.Aleatorio(6);
        ASSERT_GE(x, 0);
        ASSERT_LT(x, 6);
        ++contagem[x];
    }
    for (int n : contagem) EXPECT_NEAR(n, 10000, 500);
}
