// Saved-game files that are not what they claim: a huge sparse file, a pipe,
// and the temporary files an interrupted save leaves behind.
#include "persistence/jogosalvo.hpp"

#include "apoio/apoio.hpp"
#include "plataforma/caminhos.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace persistence;
using namespace world;

namespace {

// A state block that passes the marker, then a count of a hundred million players
// backed by a sparse file of 40 GiB.
TEST(JogoSalvoArquivos, AHugeSparseFileIsRefusedQuickly) {
    apoio::PastaTemporaria pasta;
    std::filesystem::create_directories(pasta / "sav");
    const auto caminho = pasta / "sav/enorme.s07";
    const int fd = ::open(caminho.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const Jogo jogo;
    const i32 um = 1, contagem = 100'000'000;
    ASSERT_EQ(::write(fd, &um, 4), 4);
    ASSERT_EQ(::write(fd, &jogo.estado, sizeof jogo.estado),
              static_cast<ssize_t>(sizeof jogo.estado));
    ASSERT_EQ(::write(fd, &contagem, 4), 4);
    const bool esparso = ::ftruncate(fd, off_t{40} << 30) == 0;
    ::close(fd);
    if (!esparso) GTEST_SKIP() << "no sparse files here";

    const auto inicio = std::chrono::steady_clock::now();
    Jogo alvo;
    alvo.estado.temporada = 7;
    EXPECT_EQ(LerJogo(caminho, alvo), ResultadoCarga::Ilegivel);
    EXPECT_FALSE(carregajogo(alvo, "enorme.s07"));
    EXPECT_EQ(alvo.estado.temporada, 7);
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(5));
}

// Opening a pipe for reading waits for a writer that never comes.
TEST(JogoSalvoArquivos, APipeNamedLikeASaveIsRefusedWithoutWaiting) {
    apoio::PastaTemporaria pasta;
    std::filesystem::create_directories(pasta / "sav");
    ASSERT_EQ(::mkfifo((pasta / "sav/cano.s07").c_str(), 0644), 0);
    Jogo alvo;
    EXPECT_EQ(LerJogo(pasta / "sav/cano.s07", alvo), ResultadoCarga::Ilegivel);
    EXPECT_FALSE(carregajogo(alvo, "cano.s07"));
    EXPECT_TRUE(ListarJogosSalvos().empty());
}

} // namespace

// A save cut short by a crash leaves "<name>.tmp<pid>"; the next look at the
// folder or the next save removes it, while another game's file being written
// stays.
TEST(JogoSalvoArquivos, InterruptedSavesLeaveNoTemporaryFileBehind) {
    apoio::PastaTemporaria pasta;
    pasta.Escrever("sav/a.s07.tmp999999999", std::string(1000, 'x'));
    const std::string vivo = "sav/b.s07.tmp" + std::to_string(::getppid());
    pasta.Escrever(vivo, "y");
    EXPECT_TRUE(ListarJogosSalvos().empty());
    EXPECT_FALSE(std::filesystem::exists(pasta / "sav/a.s07.tmp999999999"));
    EXPECT_TRUE(std::filesystem::exists(pasta / vivo));

    pasta.Escrever("sav/c.s07.tmp999999999", "z");
    Jogo jogo;
    jogo.estado.arquivo.set("c.s07");
    salvajogo(jogo); // refused or not, the stale file goes first
    EXPECT_FALSE(std::filesystem::exists(pasta / "sav/c.s07.tmp999999999"));
}
