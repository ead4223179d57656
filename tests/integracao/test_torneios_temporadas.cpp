// The national-team tournaments in whole seasons of the default world: every
// tournament once in four seasons with the humans' national teams, the
// tables as long afterwards as before, the saved game of a tournament date.
#include "apoio/apoio.hpp"
#include "competitions/calendario.hpp"
#include "competitions/novojogo.hpp"
#include "competitions/torneios.hpp"
#include "management/invariantes.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/caminhos.hpp"
#include "temporada/autopiloto.hpp"
#include "world/clubes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <map>
#include <memory>

using namespace world;
using temporada::Tela;

namespace {

class TorneiosTemporadas : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams/selecoes"))
            GTEST_SKIP() << "no default world";
        plataforma::DefinirRaiz(PITCHLORD_JOGO);
    }

    static std::unique_ptr<Jogo> Novo(std::uint64_t semente, int humanos = 2) {
        auto jogo = std::make_unique<Jogo>();
        const IndiceTimes indice = contatimes();
        competitions::OpcoesNovoJogo o;
        o.ligas = {29, 97};
        o.paisprincipal = 29;
        o.divisoesde20 = false;
        o.numhumanos = humanos;
        jogo->gerador.Semear(semente);
        EXPECT_EQ(competitions::IniciarJogoDeClubes(*jogo, indice, o),
                  competitions::InicioNovoJogo::Ok);
        for (int h = 0; h < humanos; ++h)
            competitions::EscolherTime(*jogo, h, jogo->ligas[h % 2].divisoes[0][h / 2],
                                       "Tecnico " + std::to_string(h + 1));
        competitions::InicializarJogo(*jogo);
        return jogo;
    }

    apoio::PastaTemporaria pasta;
};

} // namespace

TEST_F(TorneiosTemporadas, FourSeasonsPlayEveryTournamentOnceAndLeaveTheTablesAsTheyWere) {
    auto jogo = Novo(3);
    const auto clubes = jogo->estado.torneio.numtimes;
    const auto jogadores = jogo->estado.torneio.numjogadores;
    ASSERT_EQ(jogo->estado.torneio.codigo, competitions::kCopaAmerica);
    temporada::Autopiloto piloto(*jogo);
    std::string primeiro;
    std::map<int, int> jogosporcodigo, humanos;
    int convocados = 0, telas = 0;
    std::vector<unsigned char> depois; // the game right after a tournament
    piloto.depoisdadata = [&](int codigo) {
        if (primeiro.empty())
            if (const auto erros = management::VerificarInvariantes(*jogo); !erros.empty())
                primeiro = "season " + std::to_string(jogo->estado.temporada) + " date " +
                           std::to_string(jogo->estado.dataatual) + ": " + erros.front();
        if (codigo >= 7 && codigo <= 9) {
            ++jogosporcodigo[codigo];
            convocados = std::max<int>(convocados, jogo->convocados.size());
            if (!competitions::TorneioEmCurso(*jogo)) {
                // The last date: every team and called-up player gone.
                EXPECT_EQ(jogo->times.size(), static_cast<std::size_t>(clubes));
                EXPECT_EQ(jogo->jogadores.size(), static_cast<std::size_t>(jogadores));
                if (depois.empty()) depois = persistence::SerializarJogo(*jogo);
            }
        }
        return true;
    };
    int indisponiveis = 0;
    piloto.naselecao = [&] {
        ++telas;
        // The teams' own players are fit for the tournament's first date,
        // whichever season it falls in.
        if (jogo->estado.contadores.fasetorneio == 1)
            for (int i = jogo->estado.torneio.numjogadores;
                 i < static_cast<int>(jogo->jogadores.size()); ++i)
                indisponiveis += jogo->jogadores[i].retorno > jogo->Hoje();
        EXPECT_TRUE(temporada::HumanoJoga(*jogo, piloto.proximo.time, jogo->estado.tipo));
        for (int h = 0; h < 6; ++h)
            if (competitions::SelecaoDoHumano(*jogo, h) >= 0) ++humanos[jogo->estado.tipo];
        return true;
    };
    piloto.novatemporada = [&] { return jogo->estado.temporada <= 4; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    EXPECT_EQ(primeiro, "");
    EXPECT_EQ(indisponiveis, 0);
    // Copa America (6 dates), Euro (6), nothing in the third, World Cup (7).
    EXPECT_EQ(jogosporcodigo[competitions::kCopaAmerica], 6);
    EXPECT_EQ(jogosporcodigo[competitions::kEurocopa], 6);
    EXPECT_EQ(jogosporcodigo[competitions::kCopaDoMundo], 7);
    for (int codigo : {7, 8, 9}) {
        int lugares = 0;
        for (const TTituloHistorico& t : jogo->historicotitulos)
            if (t.competicao == codigo) lugares |= 1 << t.lugar;
        EXPECT_EQ(lugares, 0b11110) << "tournament " << codigo;
    }
    // The humans took national teams and called up their squads.
    EXPECT_GT(telas, 0);
    EXPECT_FALSE(humanos.empty());
    EXPECT_GE(convocados, 22);
    EXPECT_TRUE(jogo->convocados.empty());
    // Saved right after a tournament, the game loads and saves to the same
    // bytes.
    ASSERT_FALSE(depois.empty());
    Jogo lido;
    ASSERT_EQ(persistence::DesserializarJogo(depois, lido), persistence::ResultadoCarga::Ok);
    EXPECT_EQ(persistence::SerializarJogo(lido), depois);
}

TEST_F(TorneiosTemporadas, AGameSavedOnATournamentDateLoadsOntoTheNationalTeamScreen) {
    auto jogo = Novo(5, 1);
    temporada::Autopiloto piloto(*jogo);
    piloto.ia.selecoes = true;
    bool parou = false;
    piloto.naselecao = [&] {
        parou = true;
        return false;
    };
    piloto.novatemporada = [&] { return jogo->estado.temporada <= 4; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_TRUE(parou) << "no human national team in four seasons";
    const int selecao = piloto.proximo.time;
    ASSERT_TRUE(competitions::EhSelecaoDoTorneio(*jogo, selecao));

    persistence::PreencherDescricao(*jogo);
    const std::string descricao(jogo->estado.descrtime.view());
    const std::string clube(jogo->times[jogo->estado.timeatual].nome.view());
    EXPECT_EQ(descricao, persistence::DescricaoComSelecao(jogo->times[selecao].nome.view(), clube));
    EXPECT_NE(descricao.find(" ("), std::string::npos);

    const auto bytes = persistence::SerializarJogo(*jogo);
    Jogo lido;
    ASSERT_EQ(persistence::DesserializarJogo(bytes, lido), persistence::ResultadoCarga::Ok);
    temporada::InteracaoCiclo ninguem;
    const temporada::Proximo p = temporada::EntrarNoJogo(lido, ninguem, true);
    EXPECT_EQ(p.tela, Tela::Selecao);
    EXPECT_EQ(p.time, selecao);

    // A tournament record at odds with the tables is refused: a squad called
    // up but marked as not (it would be called up again), a national team
    // of nobody's, or of a coach who does not know it or of another one, a
    // tournament's date where the calendar has none, mail about a player who
    // goes with the tournament.
    const int h = static_cast<int>(std::find(std::begin(jogo->estado.torneio.selecoes),
                                             std::end(jogo->estado.torneio.selecoes), selecao) -
                                   std::begin(jogo->estado.torneio.selecoes));
    ASSERT_LT(h, 6);
    ASSERT_EQ(jogo->estado.torneio.convocou[h], 1);
    for (const auto& estragar : std::initializer_list<std::function<void(Jogo&)>>{
             [&](Jogo& j) { j.estado.torneio.convocou[h] = 0; },
             [&](Jogo& j) { j.estado.humanos[h] = -1; },
             [&](Jogo& j) { j.tecnicos[j.estado.humanos[h]].treinaselecao = 0; },
             [&](Jogo& j) { j.tecnicos[j.estado.humanos[h] == 0 ? 1 : 0].treinaselecao = 1; },
             [&](Jogo& j) { j.estado.dataatual = 1; },
             [&](Jogo& j) {
                 j.emails.push_back(j.emails.front());
                 j.emails.back().jogador = j.estado.torneio.numjogadores;
             }}) {
        Jogo errado = *jogo;
        estragar(errado);
        EXPECT_EQ(persistence::DesserializarJogo(persistence::SerializarJogo(errado), lido),
                  persistence::ResultadoCarga::Ilegivel);
    }
}

TEST_F(TorneiosTemporadas, WithTheSecondHumansTeamOutTheFirstJogarGoesStraightToTheRunner) {
    auto jogo = Novo(8);
    // Both humans take a team of the first season's Copa America at once.
    const auto oferta = competitions::SelecoesDoConvite(*jogo, 1);
    ASSERT_GE(oferta.size(), 2u);
    ASSERT_TRUE(competitions::AceitarSelecao(*jogo, 0, oferta[0]));
    ASSERT_TRUE(competitions::AceitarSelecao(*jogo, 1, oferta[1]));
    temporada::Autopiloto piloto(*jogo);
    piloto.ia.selecoes = false; // no call-ups: their own squads play
    bool parou = false;
    piloto.naselecao = [&] {
        parou = true;
        return false;
    };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_TRUE(parou);
    ASSERT_EQ(piloto.proximo.time, oferta[0]);
    temporada::InteracaoCiclo ninguem;
    // Both still play: the second's screen follows the first's "Jogar >>".
    {
        Jogo copia = *jogo;
        const temporada::Proximo p = temporada::JogarSelecao(copia, ninguem);
        EXPECT_EQ(p.tela, Tela::Selecao);
        EXPECT_EQ(p.time, oferta[1]);
    }
    // The second team out of the tournament: straight to the runner.
    jogo->times[oferta[1]].jogaselecao = 0;
    const temporada::Proximo p = temporada::JogarSelecao(*jogo, ninguem);
    EXPECT_EQ(p.tela, Tela::Rodada);
}

TEST_F(TorneiosTemporadas, AGameSavedOnAnyScreenAfterTheCoachActedLoadsBack) {
    // Wherever a person may press F2: the main screen after his deals, mail,
    // stadium, renewals and friendlies, and the national-team screen after
    // the call-ups. The loader refuses a game that breaks what the rules keep
    // true, so every such save must load.
    auto jogo = Novo(12);
    temporada::Autopiloto piloto(*jogo);
    int salvos = 0;
    std::string falha;
    auto salvarECarregar = [&](const char* onde) {
        const auto bytes = persistence::SerializarJogo(*jogo);
        Jogo lido;
        if (persistence::DesserializarJogo(bytes, lido) != persistence::ResultadoCarga::Ok &&
            falha.empty()) {
            const auto erros = management::VerificarInvariantes(*jogo);
            falha = std::string(onde) + " season " + std::to_string(jogo->estado.temporada) +
                    " date " + std::to_string(jogo->estado.dataatual) + ": " +
                    (erros.empty() ? std::string("refused") : erros.front());
        }
        ++salvos;
    };
    piloto.naprincipal = [&] {
        const int c = jogo->estado.timeatual;
        temporada::LerEmails(*jogo, c);
        temporada::CuidarDoEstadio(*jogo, c);
        temporada::RenovarContratos(*jogo, piloto.ia, c);
        temporada::MarcarAmistosoAutomatico(*jogo, c, false);
        temporada::AgirNoMercado(*jogo, piloto.ia, c);
        salvarECarregar("main screen");
        return falha.empty();
    };
    piloto.naselecao = [&] {
        salvarECarregar("national-team screen");
        return falha.empty();
    };
    piloto.novatemporada = [&] { return jogo->estado.temporada <= 2; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    EXPECT_EQ(falha, "");
    EXPECT_GT(salvos, 50);
}
