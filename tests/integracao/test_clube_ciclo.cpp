// Running the club through the cycle on the default world: a friendly booked
// on a free date is played on it and brings the home club its gate; stadium
// works started before a save end after the load as they would have; the
// autopilot's renewals and friendlies keep the invariants.
#include "competitions/calendario.hpp"
#include "competitions/novojogo.hpp"
#include "management/amistosos.hpp"
#include "management/estadio.hpp"
#include "management/financas.hpp"
#include "management/invariantes.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/caminhos.hpp"
#include "temporada/autopiloto.hpp"
#include "temporada/ciclo.hpp"
#include "temporada/fimdetemporada.hpp"
#include "world/clubes.hpp"

#include <gtest/gtest.h>

#include <memory>

using namespace world;

namespace {

class ClubeCiclo : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams"))
            GTEST_SKIP() << "no default world";
        plataforma::DefinirRaiz(PITCHLORD_JOGO);
    }
    static std::unique_ptr<Jogo> Novo(std::uint64_t semente) {
        auto jogo = std::make_unique<Jogo>();
        competitions::OpcoesNovoJogo o;
        o.ligas = {29, 97};
        o.paisprincipal = 29;
        o.divisoesde20 = true;
        o.numhumanos = 1;
        jogo->gerador.Semear(semente);
        EXPECT_EQ(competitions::IniciarJogoDeClubes(*jogo, contatimes(), o),
                  competitions::InicioNovoJogo::Ok);
        competitions::EscolherTime(*jogo, 0, jogo->ligas[0].divisoes[0][0], "Tecnico");
        competitions::InicializarJogo(*jogo);
        return jogo;
    }
};

TEST_F(ClubeCiclo, ABookedFriendlyIsPlayedOnItsDateAndPaysTheHomeClub) {
    auto jogo = Novo(31);
    const int humano = jogo->estado.timeshumanos[0];
    temporada::Autopiloto piloto(*jogo);
    piloto.Mercado(false);
    int data = 0, adversario = -1;
    // At the first main screen: a home friendly on the first open date.
    piloto.naprincipal = [&] {
        if (data > 0) return true;
        const auto datas = management::DatasParaAmistoso(*jogo, humano, false);
        EXPECT_FALSE(datas.empty());
        if (datas.empty()) return false;
        data = datas.front();
        for (int a : management::AdversariosDeAmistoso(*jogo, humano))
            if (!jogo->times[a].humano && jogo->times[a].pais == jogo->times[humano].pais &&
                jogo->times[a].divisao == 2)
                adversario = a;
        jogo->times[humano].dinheiro = 10'000'000;
        EXPECT_EQ(management::MarcarAmistoso(*jogo, humano, adversario, data, true),
                  management::Marcacao::Marcado);
        EXPECT_EQ(jogo->times[humano].dinheiro, 10'000'000 - 180'000);
        return true;
    };
    i32 ingressos = 0;
    bool jogou = false;
    piloto.depoisdadata = [&](int codigo) {
        EXPECT_TRUE(management::VerificarInvariantes(*jogo).empty());
        if (codigo == competitions::kAmistoso && jogo->estado.dataatual > 0) {
            jogou = true;
            return false;
        }
        ingressos = management::FinancasDe(*jogo, humano).ingressos;
        return jogo->estado.temporada == 1 && jogo->estado.dataatual < 60;
    };
    piloto.Entrar();
    piloto.Jogar();
    ASSERT_TRUE(jogou) << "the friendly's date never came";
    ASSERT_EQ(jogo->amistosos.size(), 1u);
    EXPECT_EQ(jogo->amistosos[0].jogado, 1);
    const TPartida* partida = nullptr;
    for (const TPartida& p : jogo->partidas)
        if (p.competicao == competitions::kAmistoso) partida = &p;
    ASSERT_NE(partida, nullptr);
    EXPECT_TRUE(partida->jogado);
    EXPECT_EQ(partida->mandante, humano);
    EXPECT_EQ(partida->visitante, adversario);
    EXPECT_GT(partida->publico, 0);
    EXPECT_GT(partida->renda, 0);
    EXPECT_EQ(management::FinancasDe(*jogo, humano).ingressos, ingressos + partida->renda);
}

TEST_F(ClubeCiclo, WorksStartedBeforeASaveEndAfterTheLoadOnTheirDay) {
    auto jogo = Novo(32);
    const int humano = jogo->estado.timeshumanos[0];
    jogo->times[humano].dinheiro = 50'000'000;
    const management::Orcamento o = management::PedirOrcamento(*jogo, humano, {0, 5'000, 0, 0});
    ASSERT_EQ(o.estado, management::Orcamento::Pronto);
    ASSERT_EQ(management::IniciarConstrucao(*jogo, humano, o), management::RecusaObra::Nenhuma);
    const i32 antes = jogo->times[humano].capacidade[1];
    const auto salvo = persistence::SerializarJogo(*jogo);
    auto carregado = std::make_unique<Jogo>();
    ASSERT_EQ(persistence::DesserializarJogo(salvo, *carregado), persistence::ResultadoCarga::Ok);
    ASSERT_EQ(management::ObraPendente(*carregado, humano), 0);
    // Dates go by; the first main screen on or after the completion day puts
    // the seats in.
    temporada::Autopiloto piloto(*carregado);
    piloto.Mercado(false);
    bool pronta = false;
    piloto.naprincipal = [&] {
        if (carregado->Hoje() < o.termino) {
            EXPECT_EQ(carregado->times[humano].capacidade[1], antes);
            return true;
        }
        // The refresh of this screen has run: the works are done.
        pronta = carregado->times[humano].capacidade[1] == antes + 5'000;
        return false;
    };
    piloto.Entrar(true);
    piloto.Jogar();
    EXPECT_TRUE(pronta);
    EXPECT_EQ(management::ObraPendente(*carregado, humano), -1);
}

TEST_F(ClubeCiclo, ThePreSeasonOfferAsksOnceAndOpensTheScreenForEachHumanInTurn) {
    auto jogo = std::make_unique<Jogo>();
    competitions::OpcoesNovoJogo o;
    o.ligas = {29, 97};
    o.paisprincipal = 29;
    o.divisoesde20 = true;
    o.numhumanos = 2;
    jogo->gerador.Semear(34);
    ASSERT_EQ(competitions::IniciarJogoDeClubes(*jogo, contatimes(), o),
              competitions::InicioNovoJogo::Ok);
    for (int h = 0; h < 2; ++h)
        competitions::EscolherTime(*jogo, h, jogo->ligas[h].divisoes[0][0],
                                   "Tecnico " + std::to_string(h + 1));
    competitions::InicializarJogo(*jogo);
    // Straight to the season's end (its dates unplayed), where the
    // season-end screen's "Continuar >>" comes next.
    jogo->estado.dataatual = kDatasPorTemporada;
    jogo->estado.tipo = -1;
    temporada::FimDeTemporada(*jogo);

    struct Amistosos : temporada::InteracaoCiclo {
        int perguntas = 0;
        std::vector<int> clubes;
        bool QuerAmistososPreTemporada(Jogo&) override { return ++perguntas > 0; }
        void AmistososPreTemporada(Jogo& j, int clube) override {
            clubes.push_back(clube);
            EXPECT_EQ(j.estado.timeatual, clube);
            const auto datas = management::DatasParaAmistoso(j, clube, true);
            ASSERT_FALSE(datas.empty());
            // Only dates before the league's first.
            EXPECT_LT(datas.back(), management::LimiteDosAmistosos(j, true));
            for (int a : management::AdversariosDeAmistoso(j, clube))
                if (management::MarcarAmistoso(j, clube, a, datas.front(), false, true) ==
                    management::Marcacao::Marcado)
                    break;
        }
    } ia;
    const temporada::Proximo p = temporada::ContinuarFimDeTemporada(*jogo, ia);
    EXPECT_EQ(ia.perguntas, 1);
    const std::vector<int> humanos(std::begin(jogo->estado.timeshumanos),
                                   std::begin(jogo->estado.timeshumanos) + 2);
    EXPECT_EQ(ia.clubes, humanos);
    ASSERT_EQ(jogo->amistosos.size(), 2u);
    // The first date the season opens on is the friendlies' day.
    EXPECT_EQ(jogo->estado.dataatual, jogo->amistosos[0].indicedata);
    EXPECT_EQ(jogo->estado.tipo, competitions::kAmistoso);
    EXPECT_EQ(p.tela, temporada::Tela::Principal);
}

TEST_F(ClubeCiclo, TwoSeasonsOfRenewalsAndFriendliesKeepTheGameSound) {
    auto jogo = Novo(33);
    temporada::Autopiloto piloto(*jogo);
    std::string falha;
    piloto.depoisdadata = [&](int) {
        const auto erros = management::VerificarInvariantes(*jogo);
        if (!erros.empty()) {
            falha = "after date " + std::to_string(jogo->estado.dataatual) + ": " + erros[0];
            return false;
        }
        return true;
    };
    piloto.novatemporada = [&] { return jogo->estado.temporada < 3; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    EXPECT_EQ(falha, "");
    int renovacoes = 0;
    for (const auto& [clube, n] : jogo->contagemmercado.renovacoes) renovacoes += n;
    EXPECT_GT(renovacoes, 0);
    const auto salvo = persistence::SerializarJogo(*jogo);
    Jogo carregado;
    ASSERT_EQ(persistence::DesserializarJogo(salvo, carregado), persistence::ResultadoCarga::Ok);
    EXPECT_TRUE(persistence::SerializarJogo(carregado) == salvo);
}

} // namespace
