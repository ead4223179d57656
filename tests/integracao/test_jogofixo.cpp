// One fixed game, pinned to the byte: two seasons of two leagues with state
// championships, two humans whose groups are played on the clock, from a
// fixed seed. Speed work on the engine or the cycle must leave every game as
// it was; when this hash moves, games changed, and the commit that moves it
// must say so (and why) and record the new hash here.
#include "apoio/apoio.hpp"
#include "competitions/novojogo.hpp"
#include "opcoes.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/caminhos.hpp"
#include "temporada/autopiloto.hpp"
#include "world/clubes.hpp"
#include "world/idioma.hpp"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <memory>

using namespace world;

namespace {

std::uint64_t Fnv1a64(const std::vector<unsigned char>& bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char b : bytes) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h;
}

std::string Hex(std::uint64_t h) {
    char texto[20];
    std::snprintf(texto, sizeof texto, "%016" PRIx64, h);
    return texto;
}

// The game `pitchlord-sim jogar --ligas 29,97 --divisoes 20 --estaduais
// --humanos 2 --temporadas 2 --semente 7 --relogio --salvar-em FILE` writes
// on a fresh installation: with the settings the game ships, whatever the
// runtime folder's file has become since (a rebuild keeps the player's own).
std::vector<unsigned char> JogoFixo() {
    apoio::PastaTemporaria ajustes;
    ajustes.Escrever("pitchlord.ini", dados::TextoOpcoesPadrao());
    plataforma::DefinirRaiz(PITCHLORD_JOGO);
    plataforma::DefinirPastaPrograma(ajustes.Caminho());
    world::IniciarIdioma();
    auto jogo = std::make_unique<Jogo>();
    competitions::OpcoesNovoJogo o;
    o.ligas = {29, 97};
    o.paisprincipal = 29;
    o.divisoesde20 = true;
    o.estaduais = true;
    o.numhumanos = 2;
    jogo->gerador.Semear(7);
    EXPECT_EQ(competitions::IniciarJogoDeClubes(*jogo, contatimes(), o),
              competitions::InicioNovoJogo::Ok);
    for (int h = 0; h < 2; ++h)
        competitions::EscolherTime(*jogo, h, jogo->ligas[h].divisoes[0][0],
                                   "Tecnico " + std::to_string(h + 1));
    competitions::InicializarJogo(*jogo);

    temporada::Autopiloto piloto(*jogo);
    piloto.MostrarGrupos(true);
    piloto.novatemporada = [&] { return jogo->estado.temporada <= 2; };
    piloto.Entrar();
    EXPECT_TRUE(piloto.Jogar());
    EXPECT_EQ(jogo->estado.temporada, 3);
    persistence::PreencherDescricao(*jogo);
    return persistence::SerializarJogo(*jogo);
}

} // namespace

TEST(JogoFixo, TwoSeasonsOnTheClockFromAFixedSeedKeepTheirBytes) {
    if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams"))
        GTEST_SKIP() << "no default world";
    const auto bytes = JogoFixo();
    EXPECT_EQ(bytes.size(), 14704460u);
    EXPECT_EQ(Hex(Fnv1a64(bytes)), "77b1109af32dfbea");
}
