// Seasons of the coaches' careers with two autopilot humans: boards dismiss,
// humans resign and take job offers, every date keeps the game sound, and a
// game saved with a coach out of work loads and goes on to the byte.
#include "competitions/novojogo.hpp"
#include "management/invariantes.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/caminhos.hpp"
#include "temporada/autopiloto.hpp"
#include "world/clubes.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace world;
using temporada::Tela;

namespace {

bool SemClube(const Jogo& jogo) {
    for (const TTecnico& k : jogo.tecnicos)
        if (k.humano && k.time < 0) return true;
    return false;
}

// A new game of two humans in leagues 29 and 97, one human in each, in
// division `divisao` (1-based).
std::unique_ptr<Jogo> NovaCarreira(bool de20, bool estaduais, std::uint64_t semente, int divisao) {
    auto jogo = std::make_unique<Jogo>();
    competitions::OpcoesNovoJogo o;
    o.ligas = {29, 97};
    o.paisprincipal = 29;
    o.divisoesde20 = de20;
    o.estaduais = estaduais;
    o.numhumanos = 2;
    jogo->gerador.Semear(semente);
    EXPECT_EQ(competitions::IniciarJogoDeClubes(*jogo, contatimes(), o),
              competitions::InicioNovoJogo::Ok);
    for (int h = 0; h < 2; ++h)
        competitions::EscolherTime(*jogo, h, jogo->ligas[h].divisoes[divisao - 1][0],
                                   "Tecnico " + std::to_string(h + 1));
    competitions::InicializarJogo(*jogo);
    return jogo;
}

} // namespace

TEST(CarreiraTemporadas, HumansLoseAndTakeJobsAndASaveWithoutAClubGoesOnAlike) {
    if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams"))
        GTEST_SKIP() << "no default world";
    plataforma::DefinirRaiz(PITCHLORD_JOGO);
    auto jogo = NovaCarreira(false, false, 20261211, 2);

    temporada::Autopiloto piloto(*jogo);
    std::string falha;
    bool parar = false;
    piloto.depoisdadata = [&](int) {
        if (const auto erros = management::VerificarInvariantes(*jogo); !erros.empty()) {
            falha = "season " + std::to_string(jogo->estado.temporada) + " date " +
                    std::to_string(jogo->estado.dataatual) + ": " + erros[0];
            return false;
        }
        // A stopping point where a saved game is entered again as it was.
        const Tela t = piloto.proximo.tela;
        return !(parar && SemClube(*jogo) && (t == Tela::Rodada || t == Tela::Aguardando));
    };
    // The first human resigns on a main screen of the first season.
    piloto.naprincipal = [&] { return jogo->estado.dataatual < 40; };
    piloto.novatemporada = [&] { return jogo->estado.temporada < 4; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_TRUE(falha.empty()) << falha;
    ASSERT_EQ(jogo->estado.temporada, 1);
    const int primeiro = jogo->estado.timeatual;
    const int tecnico = jogo->times[primeiro].tecnico;
    piloto.naprincipal = nullptr;
    piloto.Seguir(temporada::Demitir(*jogo, piloto.ia));
    EXPECT_EQ(jogo->tecnicos[tecnico].time, -1);
    EXPECT_NE(jogo->times[primeiro].tecnico, tecnico);
    EXPECT_FALSE(jogo->times[primeiro].humano);

    // On to a date after which a human is still out of work: saved there.
    parar = true;
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_TRUE(falha.empty()) << falha;
    ASSERT_TRUE(SemClube(*jogo));
    const auto salvo = persistence::SerializarJogo(*jogo);
    auto carregado = std::make_unique<Jogo>();
    ASSERT_EQ(persistence::DesserializarJogo(salvo, *carregado), persistence::ResultadoCarga::Ok);
    ASSERT_TRUE(persistence::SerializarJogo(*carregado) == salvo);

    // Both games play on to the fourth season.
    parar = false;
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_TRUE(falha.empty()) << falha;
    EXPECT_EQ(jogo->estado.temporada, 4);
    temporada::Autopiloto outro(*carregado);
    outro.novatemporada = [&] { return carregado->estado.temporada < 4; };
    outro.Entrar(true);
    ASSERT_TRUE(outro.Jogar());
    EXPECT_TRUE(persistence::SerializarJogo(*carregado) == persistence::SerializarJogo(*jogo));

    // The resigned coach found a job again; boards dismissed coaches, and
    // every hiring is in the log.
    EXPECT_GT(jogo->contagemcarreira.convitesaceitos, 0);
    EXPECT_GT(jogo->contagemcarreira.demissoes, 0);
    EXPECT_GE(jogo->trocastecnicos.size(),
              static_cast<std::size_t>(jogo->contagemcarreira.demissoes));
    for (const TTrocaTecnico& t : jogo->trocastecnicos) {
        EXPECT_TRUE(t.temporada >= 1 && t.temporada <= 4);
        EXPECT_TRUE(t.clube >= 0 && t.clube < static_cast<int>(jogo->times.size()));
    }
}

// Ten seasons of a 20-club game with state championships: two autopilot
// coaches are dismissed and hired again and again, the game stays sound after
// every date, and each season ends with both coaches known.
TEST(CarreiraTemporadas, TenSeasonsOfTwoCareersKeepTheGameSound) {
    if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams"))
        GTEST_SKIP() << "no default world";
    plataforma::DefinirRaiz(PITCHLORD_JOGO);
    auto jogo = NovaCarreira(true, true, 3, 1);

    temporada::Autopiloto piloto(*jogo);
    std::string falha;
    piloto.depoisdadata = [&](int) {
        if (const auto erros = management::VerificarInvariantes(*jogo); !erros.empty()) {
            falha = "season " + std::to_string(jogo->estado.temporada) + " date " +
                    std::to_string(jogo->estado.dataatual) + ": " + erros[0];
            return false;
        }
        return true;
    };
    piloto.novatemporada = [&] { return jogo->estado.temporada <= 10; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_TRUE(falha.empty()) << falha;
    EXPECT_EQ(jogo->estado.temporada, 11);
    const ContagemCarreira& c = jogo->contagemcarreira;
    EXPECT_GT(c.demissoeshumanos, 0);
    EXPECT_GT(c.convitesaceitos, 0);
    int humanos = 0;
    for (const TTecnico& k : jogo->tecnicos) humanos += k.humano != 0;
    EXPECT_EQ(humanos, 2);
}
