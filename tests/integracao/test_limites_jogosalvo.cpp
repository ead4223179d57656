// The saved game's bounds against play: a value the loader accepts loads and
// plays on; one past it is refused by the loader and never written by the
// save; the season counter stops at the last season a game has.
#include "apoio/apoio.hpp"
#include "competitions/novojogo.hpp"
#include "management/estadio.hpp"
#include "persistence/jogosalvo.hpp"
#include "persistence/validacao.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/caminhos.hpp"
#include "temporada/autopiloto.hpp"
#include "temporada/fimdetemporada.hpp"
#include "world/clubes.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <memory>

using namespace world;
using persistence::ResultadoCarga;

namespace {

class LimitesJogoSalvo : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams"))
            GTEST_SKIP() << "no default world";
        plataforma::DefinirRaiz(PITCHLORD_JOGO);
    }

    // One small league, one human, a few dates into the first season.
    static std::unique_ptr<Jogo> Novo() {
        auto jogo = std::make_unique<Jogo>();
        competitions::OpcoesNovoJogo o;
        o.ligas = {97};
        o.paisprincipal = 97;
        o.numhumanos = 1;
        jogo->gerador.Semear(3);
        EXPECT_EQ(competitions::IniciarJogoDeClubes(*jogo, contatimes(), o),
                  competitions::InicioNovoJogo::Ok);
        competitions::EscolherTime(*jogo, 0, jogo->ligas[0].divisoes[0][0], "Tecnico");
        competitions::InicializarJogo(*jogo);
        JogarDatas(*jogo, 3);
        return jogo;
    }

    static bool JogarDatas(Jogo& jogo, int n) {
        temporada::Autopiloto piloto(jogo);
        piloto.depoisdadata = [&n](int) { return --n > 0; };
        piloto.Entrar(true);
        return piloto.Jogar();
    }

    apoio::PastaTemporaria pasta;
};

// The player the market and the squad screens follow: the human's captain.
TJogador& Jogador(Jogo& j) {
    return j.jogadores[j.times[j.estado.timeatual].capitao];
}
TTime& Clube(Jogo& j) {
    return j.times[j.estado.timeatual];
}

struct Limite {
    const char* campo;
    std::function<void(Jogo&, i32)> por;
    i32 dentro, fora;
};

TEST_F(LimitesJogoSalvo, EachBoundLoadsJustInsideAndIsRefusedAndNotSavedJustOutside) {
    const auto base = Novo();
    const Limite limites[] = {
        {"temporada", [](Jogo& j, i32 v) { j.estado.temporada = v; }, kTemporadaMaxima,
         kTemporadaMaxima + 1},
        {"temporada", [](Jogo& j, i32 v) { j.estado.temporada = v; }, 1, 0},
        {"nivel", [](Jogo& j, i32 v) { Clube(j).nivel = v; }, kNivelMaximo, kNivelMaximo + 1},
        {"nivel", [](Jogo& j, i32 v) { Clube(j).nivel = v; }, 0, INT_MIN},
        {"nivel da selecao", [](Jogo& j, i32 v) { j.selecoes[0].nivel = v; }, 0, -1},
        {"gols", [](Jogo& j, i32 v) { Jogador(j).gols[1] = v; }, persistence::kValorMaximo,
         persistence::kValorMaximo + 1},
        {"capacidade", [](Jogo& j, i32 v) { Clube(j).capacidade[1] = v; },
         persistence::kValorMaximo, persistence::kValorMaximo + 1},
        {"salario", [](Jogo& j, i32 v) { Jogador(j).salario = v; }, persistence::kValorMaximo,
         persistence::kValorMaximo + 1},
        {"salario", [](Jogo& j, i32 v) { Jogador(j).salario = v; }, 0, INT_MIN},
        {"passe", [](Jogo& j, i32 v) { Jogador(j).passe = Jogador(j).passepedido = v; }, INT_MAX,
         -1},
        {"precos", [](Jogo& j, i32 v) { Clube(j).precos[2] = v; }, management::kPrecoMaximo,
         management::kPrecoMaximo + 1},
        {"precos", [](Jogo& j, i32 v) { Clube(j).precos[0] = v; }, 0, INT_MIN},
        {"nota", [](Jogo& j, i32 v) { Jogador(j).nota = v ? NAN : 7.5f; }, 0, 1},
        {"evolucao", [](Jogo& j, i32 v) { Jogador(j).evolucao = v ? -INFINITY : 0.9f; }, 0, 1},
        {"rodada", [](Jogo& j, i32 v) { j.estado.contadores.rodadaliga = v; },
         persistence::kContadorMaximo, persistence::kContadorMaximo + 1},
        // The date and its competition as the calendar has them: no European
        // championship in the first season, nothing on date 1.
        {"tipo", [](Jogo& j, i32 v) { j.estado.tipo = v; }, base->estado.tipo, 9},
        {"dataatual", [](Jogo& j, i32 v) { j.estado.dataatual = v; }, base->estado.dataatual, 1},
        {"fim da temporada", [](Jogo& j, i32 v) { j.estado.tipo = -1, j.estado.dataatual = v; },
         kDatasPorTemporada, kDatasPorTemporada - 1},
        // Four divisions of 10 clubs, not two of 20.
        {"divisoesporliga", [](Jogo& j, i32 v) { j.estado.divisoesporliga = v; }, 4, 2},
        // The season's tournament is drawn: its own players follow the clubs'.
        {"jogador do email",
         [](Jogo& j, i32 v) { j.emails.front().jogador = j.estado.torneio.numjogadores - 1 + v; },
         0, 1},
        {"jogador do email", [](Jogo& j, i32 v) { j.emails.front().jogador = v; }, 0, -1},
    };
    const auto arquivo = pasta / "limite.s07";
    const auto anterior = persistence::SerializarJogo(*base);
    for (const Limite& l : limites) {
        SCOPED_TRACE(l.campo);
        Jogo dentro = *base;
        l.por(dentro, l.dentro);
        Jogo lido;
        ASSERT_EQ(persistence::DesserializarJogo(persistence::SerializarJogo(dentro), lido),
                  ResultadoCarga::Ok);
        EXPECT_TRUE(JogarDatas(lido, 1));
        // The ticket arrows stop at the dearest price the loader accepts.
        management::AjustarPreco(lido, lido.estado.timeatual, 2, +1);
        EXPECT_LE(lido.times[lido.estado.timeatual].precos[2], management::kPrecoMaximo);

        Jogo fora = *base;
        l.por(fora, l.fora);
        EXPECT_EQ(persistence::DesserializarJogo(persistence::SerializarJogo(fora), lido),
                  ResultadoCarga::Ilegivel);
        // The save refuses it too, and the previous file stays.
        ASSERT_TRUE(persistence::GravarJogo(arquivo, *base));
        EXPECT_FALSE(persistence::GravarJogo(arquivo, fora));
        EXPECT_EQ(*plataforma::LerArquivo(arquivo), anterior);
    }
}

TEST_F(LimitesJogoSalvo, TheSeasonCounterStopsAtTheLastSeasonAndThatGameSavesAndLoads) {
    auto jogo = Novo();
    // Two seasons before the last one's end: the counter is set just before
    // the season end, which opens the last season; its own end opens none.
    temporada::Autopiloto piloto(*jogo);
    int fins = 0;
    piloto.fimdetemporada = [&] {
        if (++fins == 1) jogo->estado.temporada = kTemporadaMaxima - 1;
        return fins < 3;
    };
    piloto.Entrar(true);
    EXPECT_FALSE(piloto.Jogar()); // the game cannot go on past the last season
    EXPECT_EQ(fins, 2);
    EXPECT_EQ(jogo->estado.temporada, kTemporadaMaxima);
    EXPECT_FALSE(temporada::FimDeTemporada(*jogo));
    EXPECT_EQ(jogo->estado.temporada, kTemporadaMaxima);

    const auto arquivo = pasta / "ultima.s07";
    ASSERT_TRUE(persistence::GravarJogo(arquivo, *jogo));
    Jogo lido;
    ASSERT_EQ(persistence::LerJogo(arquivo, lido), ResultadoCarga::Ok);
    EXPECT_EQ(lido.estado.temporada, kTemporadaMaxima);
}

} // namespace
