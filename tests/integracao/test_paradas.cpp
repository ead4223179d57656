// A game saved at any point where the cycle stops — a human's main screen, a
// date nobody human plays, after the last date, the first date of a season,
// a later human of a hot-seat date, a coach without a club — loads and goes on
// exactly as the game it was saved from.
#include "apoio/apoio.hpp"
#include "competitions/novojogo.hpp"
#include "management/invariantes.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/caminhos.hpp"
#include "temporada/autopiloto.hpp"
#include "world/clubes.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

using namespace world;
using temporada::Autopiloto;
using temporada::Tela;

namespace {

using Bytes = std::vector<unsigned char>;

struct Modo {
    bool de20;
    int humanos;
    std::uint64_t semente;
};

class Paradas : public ::testing::TestWithParam<Modo> {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams"))
            GTEST_SKIP() << "no default world";
        plataforma::DefinirRaiz(PITCHLORD_JOGO);
    }

    static std::unique_ptr<Jogo> Novo(const Modo& m) {
        auto jogo = std::make_unique<Jogo>();
        competitions::OpcoesNovoJogo o;
        o.ligas = {29, 97};
        o.paisprincipal = 29;
        o.divisoesde20 = m.de20;
        o.estaduais = true;
        o.numhumanos = m.humanos;
        jogo->gerador.Semear(m.semente);
        EXPECT_EQ(competitions::IniciarJogoDeClubes(*jogo, contatimes(), o),
                  competitions::InicioNovoJogo::Ok);
        for (int h = 0; h < m.humanos; ++h)
            competitions::EscolherTime(*jogo, h, jogo->ligas[0].divisoes[0][h],
                                       "Tecnico " + std::to_string(h + 1));
        competitions::InicializarJogo(*jogo);
        return jogo;
    }

    // Saves the game where `piloto` stopped, loads it, and plays both to the
    // start of season `ate`: the two games must stay the same to the byte.
    static void SalvarCarregarESeguir(Jogo& jogo, Autopiloto& piloto, int ate) {
        const Bytes salvo = persistence::SerializarJogo(jogo);
        auto carregado = std::make_unique<Jogo>();
        ASSERT_EQ(persistence::DesserializarJogo(salvo, *carregado),
                  persistence::ResultadoCarga::Ok);
        ASSERT_TRUE(persistence::SerializarJogo(*carregado) == salvo);

        piloto.depoisdadata = nullptr;
        piloto.naprincipal = nullptr;
        piloto.fimdetemporada = nullptr;
        piloto.novatemporada = [&] { return jogo.estado.temporada < ate; };
        ASSERT_TRUE(piloto.Jogar());

        Autopiloto outro(*carregado);
        outro.novatemporada = [&] { return carregado->estado.temporada < ate; };
        outro.Entrar(true);
        ASSERT_TRUE(outro.Jogar());
        EXPECT_EQ(carregado->estado.temporada, ate);
        EXPECT_TRUE(management::VerificarInvariantes(*carregado).empty());
        EXPECT_TRUE(persistence::SerializarJogo(*carregado) == persistence::SerializarJogo(jogo));
    }
};

} // namespace

TEST_P(Paradas, EveryStoppingPointOfTheCycleLoadsAndGoesOnAsTheUnsavedGame) {
    const Modo m = GetParam();
    struct Caso {
        const char* nome;
        // Arms the hooks that stop the run once at the point wanted.
        std::function<void(Jogo&, Autopiloto&)> armar;
    };
    const std::vector<Caso> casos = {
        {"a main screen mid-season",
         [](Jogo& j, Autopiloto& p) {
             p.naprincipal = [&] { return !(j.estado.dataatual >= 30); };
         }},
        {"a date no human plays (the runner comes next)",
         [](Jogo& j, Autopiloto& p) {
             p.depoisdadata = [&](int) {
                 return !(j.estado.dataatual > 5 && p.proximo.tela == Tela::Rodada);
             };
         }},
        {"after the last date, before the season end",
         [](Jogo&, Autopiloto& p) {
             p.depoisdadata = [&](int) { return p.proximo.tela != Tela::FimDeTemporada; };
         }},
        {"between the two legs of a continental knockout tie",
         [](Jogo& j, Autopiloto& p) {
             // The first main screen after a quarter-final's first leg.
             p.naprincipal = [&] {
                 const auto& k = j.estado.contadores;
                 return !(k.fasecontinental[0] == 5 && k.turnocontinental[0] == 2);
             };
         }},
        {"the first main screen of the second season",
         [](Jogo& j, Autopiloto& p) { p.naprincipal = [&] { return j.estado.temporada < 2; }; }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        auto jogo = Novo(m);
        Autopiloto piloto(*jogo);
        piloto.novatemporada = [&] { return jogo->estado.temporada < 3; };
        c.armar(*jogo, piloto);
        piloto.Entrar();
        ASSERT_TRUE(piloto.Jogar());
        ASSERT_LT(jogo->estado.temporada, 3) << "the stopping point never came";
        if (std::string(c.nome).starts_with("after the last")) {
            EXPECT_EQ(jogo->estado.tipo, -1);
        }
        SalvarCarregarESeguir(*jogo, piloto, 3);
    }
}

TEST_P(Paradas, ACoachWithoutAClubWaitsAndTheDatesGoOnAfterALoad) {
    const Modo m = GetParam();
    auto jogo = Novo(m);
    Autopiloto piloto(*jogo);
    piloto.naprincipal = [&] {
        return !(jogo->estado.dataatual >= 20 &&
                 jogo->estado.timeatual == jogo->estado.timeshumanos[0]);
    };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    // Every human resigns, the one on screen last.
    for (int c : std::vector<int>(std::begin(jogo->estado.timeshumanos),
                                  std::end(jogo->estado.timeshumanos)))
        if (c >= 0 && c != jogo->estado.timeatual)
            management::DemitirHumano(*jogo, piloto.ia, c, true);
    const temporada::Proximo p = temporada::Demitir(*jogo, piloto.ia);
    ASSERT_EQ(p.tela, Tela::Aguardando);
    EXPECT_EQ(jogo->estado.numhumanos, 0);
    // He turns every offer down while he waits.
    piloto.ia.ativo = false;
    piloto.Seguir(p);
    int datas = 0;
    piloto.naprincipal = nullptr;
    piloto.depoisdadata = [&](int) { return ++datas < 10; };
    ASSERT_TRUE(piloto.Jogar());
    EXPECT_EQ(piloto.proximo.tela, Tela::Aguardando);

    persistence::PreencherDescricao(*jogo);
    EXPECT_EQ(std::string(jogo->estado.descrtime.view()), "Sem clube");
    EXPECT_EQ(std::string(jogo->estado.descrtecnico.view()), "Tecnico 1");
    // From here on both games take offers alike.
    piloto.ia.ativo = true;
    SalvarCarregarESeguir(*jogo, piloto, 2);
}

INSTANTIATE_TEST_SUITE_P(Modos, Paradas,
                         ::testing::Values(Modo{true, 1, 11}, Modo{false, 1, 15}, Modo{true, 2, 13},
                                           Modo{false, 2, 14}),
                         [](const auto& info) {
                             return std::string(info.param.de20 ? "De20" : "De10") +
                                    std::to_string(info.param.humanos) + "Humanos";
                         });

namespace {

// Two humans of one league: the second has the keyboard when the game is
// saved; the first has committed his lineup.
class Vez : public Paradas {};

} // namespace

TEST_F(Vez, AGameSavedOnTheSecondHumansScreenGoesOnWithHimAndCountsNothingTwice) {
    auto jogo = Novo({true, 2, 21});
    Autopiloto piloto(*jogo);
    const int segundo = jogo->estado.timeshumanos[1];
    const int primeiro = jogo->estado.timeshumanos[0];
    piloto.naprincipal = [&] {
        return !(jogo->estado.dataatual >= 40 && jogo->estado.timeatual == segundo);
    };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_EQ(jogo->estado.tipo, 1);
    const int registro = jogo->times[primeiro].escalacao;
    ASSERT_GE(registro, 0);
    const TEscalacao antes = jogo->escalacoes[registro];

    const Bytes salvo = persistence::SerializarJogo(*jogo);
    auto carregado = std::make_unique<Jogo>();
    ASSERT_EQ(persistence::DesserializarJogo(salvo, *carregado), persistence::ResultadoCarga::Ok);
    temporada::InteracaoCiclo ia;
    const temporada::Proximo p = temporada::EntrarNoJogo(*carregado, ia, true);
    EXPECT_EQ(p.tela, Tela::Principal);
    EXPECT_EQ(p.time, segundo); // not the first human again
    // The first human's lineup is back, place for place.
    const int novo = carregado->times[primeiro].escalacao;
    ASSERT_GE(novo, 0);
    EXPECT_EQ(std::memcmp(&carregado->escalacoes[novo], &antes, sizeof antes), 0);
    // Going on, neither the first human's games nor energy move twice.
    EXPECT_TRUE(persistence::SerializarJogo(*carregado) == salvo);

    SalvarCarregarESeguir(*jogo, piloto, 2);
}

TEST_F(Vez, NoDateWithoutASingleMatchReachesTheRunnerOrItsScreensInAWholeSeason) {
    for (bool de20 : {true, false}) {
        auto jogo = Novo({de20, 1, 31});
        Autopiloto piloto(*jogo);
        int datas = 0, vazias = 0;
        piloto.depoisdadata = [&](int) {
            ++datas;
            std::size_t jogos = 0;
            for (const auto& g : piloto.ex.grupos) jogos += g.partidas.size();
            vazias += jogos == 0;
            return true;
        };
        piloto.novatemporada = [] { return false; };
        piloto.Entrar();
        ASSERT_TRUE(piloto.Jogar());
        EXPECT_EQ(jogo->estado.temporada, 2);
        EXPECT_GT(datas, 30);
        EXPECT_EQ(vazias, 0) << (de20 ? "divisions of 20" : "divisions of 10");
    }
}
