// The settings file a fresh installation starts with, and the player's own
// file surviving the writer.
#include "apoio/apoio.hpp"
#include "opcoes.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/perfil.hpp"
#include "world/opcoes.hpp"

#include <gtest/gtest.h>

namespace {

world::TOpcoes Lidas() {
    world::TOpcoes o{};
    world::leopcoes(o);
    return o;
}

} // namespace

TEST(OpcoesPadrao, AFreshInstallationShowsEveryOptionOnAnItemOfItsList) {
    apoio::PastaTemporaria pasta;
    std::string erro;
    ASSERT_TRUE(dados::GerarOpcoes(pasta.Caminho(), erro)) << erro;
    const world::TOpcoes o = Lidas();
    EXPECT_EQ(world::ItemVelocidade(o.opvelocidade), 3);             // "Normal", 500 ms
    EXPECT_EQ(world::ItemVelocidadeSemHumanos(o.opnhvelocidade), 6); // instant
    EXPECT_EQ(o.opnhvelocidade, 10);
    EXPECT_EQ(o.opsalvar, 1);
    EXPECT_TRUE(o.opintervalo && o.opsom && o.opminutos && o.opcontrato);
    EXPECT_FALSE(o.op_verpenalty || o.opvertrocatecnicos);
    EXPECT_EQ(o.opemails, 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(o.cores[i], world::kCoresPadrao[i]) << i;
    // Every key of the settings table is written, none left to its fallback.
    for (const char* chave :
         {"opvelocidade", "opnhvelocidade", "opintervalo", "op_verpenalty", "opvertrocatecnicos",
          "opsom",        "opcontrato",     "opminutos",   "opcornalista",  "opnegrito",
          "opsalvar",     "opemails",       "opver41",     "opver42",       "opver61",
          "opver62",      "cor0",           "cor1",        "cor2",          "cor3",
          "cor4"})
        EXPECT_NE(world::leopcao(world::kSecaoOpcoes, chave), "nofound") << chave;
    // A Windows profile file, as the game's own writes keep it.
    const auto bytes = plataforma::LerArquivo(pasta / "pitchlord.ini");
    ASSERT_TRUE(bytes);
    const std::string texto(bytes->begin(), bytes->end());
    EXPECT_TRUE(texto.starts_with("[opcoes]\r\n"));
    EXPECT_EQ(texto, dados::TextoOpcoesPadrao());
}

TEST(OpcoesPadrao, ThePlayersOwnFileIsNeverOverwritten) {
    apoio::PastaTemporaria pasta;
    std::string erro;
    ASSERT_TRUE(dados::GerarOpcoes(pasta.Caminho(), erro)) << erro;
    // The player picks the slowest speed in the dialog; a rebuild writes the
    // world again.
    world::gravaopcao(world::kSecaoOpcoes, "opvelocidade", "0");
    const auto antes = plataforma::LerArquivo(pasta / "pitchlord.ini");
    ASSERT_TRUE(dados::GerarOpcoes(pasta.Caminho(), erro)) << erro;
    EXPECT_EQ(plataforma::LerArquivo(pasta / "pitchlord.ini"), antes);
    EXPECT_EQ(Lidas().opvelocidade, 3000);

    // Even an empty file is the player's: it keeps its fallbacks.
    pasta.Escrever("pitchlord.ini", "");
    ASSERT_TRUE(dados::GerarOpcoes(pasta.Caminho(), erro));
    EXPECT_EQ(Lidas().opvelocidade, 800);
}

TEST(OpcoesPadrao, AFileNamedInAnotherCaseIsThePlayersToo) {
    apoio::PastaTemporaria pasta;
    pasta.Escrever("PitchLord.INI", "[opcoes]\r\nopvelocidade=5\r\n");
    std::string erro;
    ASSERT_TRUE(dados::GerarOpcoes(pasta.Caminho(), erro));
    EXPECT_FALSE(std::filesystem::exists(pasta / "pitchlord.ini"));
    EXPECT_EQ(Lidas().opvelocidade, 100);
}

TEST(OpcoesPadrao, AFolderThatCannotTakeTheFileIsReported) {
    apoio::PastaTemporaria pasta;
    std::string erro;
    EXPECT_FALSE(dados::GerarOpcoes(pasta / "nao" / "existe", erro));
    EXPECT_FALSE(erro.empty());
}

TEST(OpcoesPadrao, TheRuntimeFolderHasASettingsFileTheDialogCanShow) {
    // Whatever the player has chosen since, the file is there and its speeds
    // are items of the lists (the dialog writes nothing else).
    ASSERT_TRUE(plataforma::ArquivoExiste(plataforma::ResolverEm(PITCHLORD_JOGO, "pitchlord.ini")));
    const auto anterior = plataforma::PastasDoJogo().programa;
    plataforma::DefinirPastaPrograma(PITCHLORD_JOGO);
    const world::TOpcoes o = Lidas();
    plataforma::DefinirPastaPrograma(anterior);
    EXPECT_GE(world::ItemVelocidade(o.opvelocidade), 0);
    EXPECT_GE(world::ItemVelocidadeSemHumanos(o.opnhvelocidade), 0);
}
