// Long play: seasons of two leagues with two humans, every tournament and
// cup on, the invariant checker after every date and a save and load at the
// end of every season. PITCHLORD_TEMPORADAS sets how many (3 by default;
// the "longo" run plays 30, best under the sanitizer build).
#include "apoio/apoio.hpp"
#include "competitions/novojogo.hpp"
#include "management/invariantes.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/caminhos.hpp"
#include "temporada/autopiloto.hpp"
#include "world/clubes.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace world;

namespace {

int Temporadas() {
    const char* v = std::getenv("PITCHLORD_TEMPORADAS");
    const int n = v ? std::atoi(v) : 0;
    return n > 0 ? n : 3;
}

} // namespace

TEST(Longo, SeasonAfterSeasonEveryDateKeepsTheInvariantsAndEverySeasonSavesAndLoads) {
    if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams"))
        GTEST_SKIP() << "no default world";
    apoio::PastaTemporaria pasta;
    plataforma::DefinirRaiz(PITCHLORD_JOGO);
    auto jogo = std::make_unique<Jogo>();
    competitions::OpcoesNovoJogo o;
    o.ligas = {29, 97};
    o.paisprincipal = 29;
    o.divisoesde20 = true;
    o.estaduais = true;
    o.numhumanos = 2;
    jogo->gerador.Semear(2026);
    ASSERT_EQ(competitions::IniciarJogoDeClubes(*jogo, contatimes(), o),
              competitions::InicioNovoJogo::Ok);
    for (int h = 0; h < 2; ++h)
        competitions::EscolherTime(*jogo, h, jogo->ligas[h].divisoes[0][3],
                                   "Tecnico " + std::to_string(h + 1));
    competitions::InicializarJogo(*jogo);

    const int ultima = Temporadas();
    temporada::Autopiloto piloto(*jogo);
    std::string falha;
    long datas = 0;
    piloto.depoisdadata = [&](int) {
        ++datas;
        if (const auto erros = management::VerificarInvariantes(*jogo); !erros.empty()) {
            falha = "season " + std::to_string(jogo->estado.temporada) + " date " +
                    std::to_string(jogo->estado.dataatual) + ": " + erros.front();
            return false;
        }
        return true;
    };
    piloto.fimdetemporada = [&] {
        const auto bytes = persistence::SerializarJogo(*jogo);
        Jogo lido;
        if (persistence::DesserializarJogo(bytes, lido) != persistence::ResultadoCarga::Ok ||
            persistence::SerializarJogo(lido) != bytes) {
            falha = "season " + std::to_string(jogo->estado.temporada) + " does not load back";
            return false;
        }
        return true;
    };
    piloto.novatemporada = [&] { return jogo->estado.temporada <= ultima; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    EXPECT_EQ(falha, "");
    EXPECT_EQ(jogo->estado.temporada, ultima + 1);
    EXPECT_GT(datas, 60L * ultima); // some ninety dates with matches a season
}
