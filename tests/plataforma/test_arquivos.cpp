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
