// Atomic writes leave nothing behind: temporary files of writers that no
// longer run are cleaned, those of a running one and other files are kept.
#include "apoio/apoio.hpp"
#include "plataforma/arquivos.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(Arquivos, AWriteCleansTheTemporaryFilesOfKilledWritersOnly) {
    apoio::PastaTemporaria pasta;
    const fs::path sav = pasta / "sav";
    fs::create_directories(sav);
    // A process number above any the system gives: its writer is gone.
    const std::string morto = ".tmp999999999";
    const std::string vivo = ".tmp" + std::to_string(static_cast<long>(::getppid()));
    for (const std::string& nome : {"jogo.s07" + morto, "outro.s07" + morto, "jogo.s07" + vivo,
                                    std::string("jogo.s07.tmpxyz"), std::string("notas.txt")})
        pasta.Escrever("sav/" + nome, "meio arquivo");
    ASSERT_TRUE(plataforma::GravarArquivoAtomico(sav / "jogo.s07", std::string_view("novo")));
    EXPECT_FALSE(fs::exists(sav / ("jogo.s07" + morto)));
    EXPECT_FALSE(fs::exists(sav / ("outro.s07" + morto)));
    EXPECT_TRUE(fs::exists(sav / ("jogo.s07" + vivo)));
    EXPECT_TRUE(fs::exists(sav / "jogo.s07.tmpxyz"));
    EXPECT_TRUE(fs::exists(sav / "notas.txt"));
    EXPECT_EQ(pasta.Ler("sav/jogo.s07").size(), 4u);
    // At start the same cleaning runs on its own.
    pasta.Escrever("sav/jogo.s07" + morto, "meio");
    EXPECT_EQ(plataforma::LimparTemporarios(sav), 1);
    EXPECT_EQ(plataforma::LimparTemporarios(sav), 0);
}

// The save streams through these: pieces of every size, small ones that meet
// in the buffer and large ones that pass it by, must come out in order.
TEST(Arquivos, BufferedWritesAndReadsKeepEveryByteInOrder) {
    apoio::PastaTemporaria pasta;
    std::vector<std::uint8_t> dados(3'500'000);
    for (std::size_t i = 0; i < dados.size(); ++i)
        dados[i] = static_cast<std::uint8_t>(i * 2654435761u >> 13);
    const std::size_t pedacos[] = {4, 16752, 3, 1 << 20, 7, 2'000'000, 600, 1};
    const fs::path f = pasta / "grande.bin";
    ASSERT_TRUE(plataforma::GravarArquivoAtomico(f, [&](plataforma::GravadorArquivo& w) {
        std::size_t pos = 0;
        for (std::size_t k = 0; pos < dados.size(); ++k) {
            const std::size_t n = std::min(pedacos[k % 8], dados.size() - pos);
            if (!w.Escrever(dados.data() + pos, n)) return false;
            pos += n;
        }
        return true;
    }));
    EXPECT_EQ(pasta.Ler("grande.bin"), dados);

    plataforma::LeitorArquivo l;
    ASSERT_TRUE(l.Abrir(f));
    EXPECT_EQ(l.Tamanho(), dados.size());
    std::vector<std::uint8_t> lido(dados.size());
    std::size_t pos = 0;
    for (std::size_t k = 0; pos < dados.size(); ++k) {
        const std::size_t n = std::min(pedacos[(k + 3) % 8], dados.size() - pos);
        if (k % 5 == 4) {
            ASSERT_TRUE(l.Pular(n)); // skipped bytes, across the buffer's end or not
            std::copy_n(dados.begin() + pos, n, lido.begin() + pos);
        } else {
            ASSERT_TRUE(l.Ler(lido.data() + pos, n)) << pos;
        }
        pos += n;
        EXPECT_EQ(l.Restante(), dados.size() - pos);
    }
    EXPECT_EQ(lido, dados);
    std::uint8_t b = 0;
    EXPECT_FALSE(l.Ler(&b, 1)); // nothing past the end
    EXPECT_FALSE(l.Pular(1));

    // A file cut while it is read: the reads that reach past the cut fail.
    ASSERT_TRUE(l.Abrir(f));
    fs::resize_file(f, 1000);
    EXPECT_TRUE(l.Ler(lido.data(), 10));
    EXPECT_FALSE(l.Ler(lido.data(), 2'000'000));
    EXPECT_FALSE(l.Abrir(pasta / "nada.bin"));
    EXPECT_FALSE(l.Abrir(pasta.Caminho()));

    // A writer that gives up leaves no file and no temporary behind.
    EXPECT_FALSE(plataforma::GravarArquivoAtomico(pasta / "desistiu.bin",
                                                  [](plataforma::GravadorArquivo& w) {
                                                      w.Escrever("abc", 3);
                                                      return false;
                                                  }));
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta.Caminho()), {}), 1);
}
