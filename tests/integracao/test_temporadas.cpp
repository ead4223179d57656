// Whole seasons of the default world played through the advance cycle.
#include "apoio/apoio.hpp"
#include "competitions/calendario.hpp"
#include "competitions/continentais.hpp"
#include "competitions/historico.hpp"
#include "competitions/novojogo.hpp"
#include "competitions/resumos.hpp"
#include "management/invariantes.hpp"
#include "management/proximoadversario.hpp"
#include "match/resultadosdata.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/datas.hpp"
#include "temporada/autopiloto.hpp"
#include "world/clubes.hpp"
#include "world/paises.hpp"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <unistd.h>
#include <utility>

using namespace world;
using temporada::Tela;

namespace {

struct Partida {
    std::vector<int> ligas;
    bool de20 = true;
    bool estaduais = false;
    int humanos = 1;
    std::uint64_t semente = 1;
};

class Temporadas : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams"))
            GTEST_SKIP() << "no default world";
        plataforma::DefinirRaiz(PITCHLORD_JOGO);
    }

    static std::unique_ptr<Jogo> Novo(const Partida& p) {
        auto jogo = std::make_unique<Jogo>();
        const IndiceTimes indice = contatimes();
        competitions::OpcoesNovoJogo o;
        o.ligas = p.ligas;
        o.paisprincipal = p.ligas.front();
        o.divisoesde20 = p.de20;
        o.estaduais = p.estaduais;
        o.numhumanos = p.humanos;
        jogo->gerador.Semear(p.semente);
        EXPECT_EQ(competitions::IniciarJogoDeClubes(*jogo, indice, o),
                  competitions::InicioNovoJogo::Ok);
        const int n = static_cast<int>(jogo->ligas.size());
        for (int h = 0; h < p.humanos; ++h)
            competitions::EscolherTime(*jogo, h, jogo->ligas[h % n].divisoes[0][h / n],
                                       "Tecnico " + std::to_string(h + 1));
        competitions::InicializarJogo(*jogo);
        return jogo;
    }

    // Plays until the start of season `ate`.
    static void JogarAte(Jogo& jogo, int ate) {
        temporada::Autopiloto piloto(jogo);
        piloto.novatemporada = [&] { return jogo.estado.temporada < ate; };
        piloto.Entrar();
        ASSERT_TRUE(piloto.Jogar());
    }

    apoio::PastaTemporaria pasta; // the program folder: settings and sav/
};

bool AlgumHumanoJoga(const Jogo& jogo) {
    for (int c : jogo.estado.timeshumanos)
        if (c >= 0 && temporada::HumanoJoga(jogo, c, jogo.estado.tipo)) return true;
    return false;
}

} // namespace

TEST_F(Temporadas, TenSeasonsKeepEveryInvariantAfterEveryDate) {
    plataforma::DefinirRaiz(PITCHLORD_JOGO);
    auto jogo = Novo({{29, 46}, false, true, 2, 11});
    ASSERT_TRUE(management::VerificarInvariantes(*jogo).empty());
    temporada::Autopiloto piloto(*jogo);
    int datas = 0, semhumano = 0;
    std::string primeiro;
    piloto.depoisdadata = [&](int) {
        ++datas;
        if (primeiro.empty())
            if (const auto erros = management::VerificarInvariantes(*jogo); !erros.empty())
                primeiro = "season " + std::to_string(jogo->estado.temporada) + " date " +
                           std::to_string(jogo->estado.dataatual) + ": " + erros.front();
        // The main screen opens exactly when a human plays on the next date;
        // after the last date comes the season end.
        if (jogo->estado.tipo < 0)
            EXPECT_EQ(piloto.proximo.tela, Tela::FimDeTemporada);
        else if (piloto.proximo.tela == Tela::Selecao) // a human's national team plays
            EXPECT_TRUE(jogo->estado.tipo >= 7 && jogo->estado.tipo <= 9);
        else if (AlgumHumanoJoga(*jogo))
            EXPECT_EQ(piloto.proximo.tela, Tela::Principal);
        else if (jogo->estado.numhumanos == 0) // dismissed, he waits for an offer
            EXPECT_EQ(piloto.proximo.tela, Tela::Aguardando);
        else {
            EXPECT_EQ(piloto.proximo.tela, Tela::Rodada);
            ++semhumano;
        }
        return true;
    };
    std::map<int, int> titulosDaLiga;
    piloto.fimdetemporada = [&] {
        // Every division of every league adds its champion and runner-up.
        int esperado = 0;
        for (const TLiga& l : jogo->ligas) esperado += 2 * l.numdivisoes;
        int liga = 0, copa = 0, estadual = 0;
        for (const auto& t : jogo->historicotitulos) {
            if (t.temporada != jogo->estado.temporada) continue;
            liga += t.competicao == 1;
            copa += t.competicao == 2;
            estadual += t.competicao == 3;
        }
        EXPECT_EQ(liga, esperado) << "season " << jogo->estado.temporada;
        EXPECT_EQ(copa, 2 * static_cast<int>(jogo->ligas.size()));
        int ativos = 0;
        for (const TEstadual& e : jogo->estaduais) ativos += e.ativo;
        EXPECT_GT(ativos, 0);
        EXPECT_EQ(estadual, 2 * ativos);
        // Every cup and state final, read back from the match archive, names
        // the champion the season recorded.
        const int temporada = jogo->estado.temporada;
        int finais = 0;
        for (int e = 0; e < static_cast<int>(jogo->arquivo.jogos.size()); ++e) {
            const TJogoArquivado& a = jogo->arquivo.jogos[e];
            if (plataforma::DecodificarData(a.data).ano != 2006 + temporada) continue;
            const auto c = match::ConfrontoDoJogo(*jogo, e);
            if (!c || !c->final) continue;
            ++finais;
            const int chave = a.competicao == 2 ? jogo->ligas[a.grupo].pais : a.grupo;
            EXPECT_EQ(c->classificado,
                      competitions::CampeaoDe(*jogo, a.competicao, chave, temporada))
                << "season " << temporada << " competition " << a.competicao;
        }
        // From the second season on, each continental cup's final in both regions.
        const TEstadoJogo& est = jogo->estado;
        const int continentais = temporada >= 2 ? 2 * (est.continental1 + est.continental2) : 0;
        EXPECT_EQ(finais, static_cast<int>(jogo->ligas.size()) + ativos + continentais);
        return true;
    };
    piloto.novatemporada = [&] { return jogo->estado.temporada <= 10; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    EXPECT_EQ(primeiro, "");
    EXPECT_EQ(jogo->estado.temporada, 11);
    EXPECT_GT(datas, 10 * 30);
    EXPECT_GT(semhumano, 0); // cup dates after the humans went out, dates of other groups
    EXPECT_EQ(jogo->campeoestemporada.size(), 11u);
}

TEST_F(Temporadas, TheSameSeedAndAnswersGiveTheSameGameByteForByte) {
    const Partida p{{97}, true, false, 1, 5};
    auto a = Novo(p);
    auto b = Novo(p);
    JogarAte(*a, 4);
    JogarAte(*b, 4);
    EXPECT_EQ(a->estado.temporada, 4);
    EXPECT_TRUE(persistence::SerializarJogo(*a) == persistence::SerializarJogo(*b));
    auto c = Novo({{97}, true, false, 1, 6});
    JogarAte(*c, 2);
    JogarAte(*a, 2); // already past: nothing more is played
    EXPECT_FALSE(persistence::SerializarJogo(*a) == persistence::SerializarJogo(*c));
}

TEST_F(Temporadas, ALoadedGameGoesOnExactlyAsTheGameItWasSavedFrom) {
    auto jogo = Novo({{29}, true, true, 1, 3});
    {
        temporada::Autopiloto piloto(*jogo);
        piloto.depoisdadata = [&](int) {
            return !(jogo->estado.temporada == 2 && jogo->estado.dataatual > 70);
        };
        piloto.Entrar();
        ASSERT_TRUE(piloto.Jogar());
    }
    const auto salvo = persistence::SerializarJogo(*jogo);
    auto carregado = std::make_unique<Jogo>();
    ASSERT_EQ(persistence::DesserializarJogo(salvo, *carregado), persistence::ResultadoCarga::Ok);
    EXPECT_TRUE(persistence::SerializarJogo(*carregado) == salvo);
    EXPECT_EQ(carregado->calendario[0].data, jogo->calendario[0].data); // rebuilt on loading
    {
        // Streamed to a file and back, section by section: the same bytes.
        const auto arquivo = std::filesystem::temp_directory_path() /
                             ("pitchlord-temporadas-" + std::to_string(::getpid()) + ".s07");
        ASSERT_TRUE(persistence::GravarJogo(arquivo, *jogo));
        const auto gravado = plataforma::LerArquivo(arquivo, salvo.size() + 1);
        auto doArquivo = std::make_unique<Jogo>();
        const auto lido = persistence::LerJogo(arquivo, *doArquivo);
        std::filesystem::remove(arquivo);
        ASSERT_TRUE(gravado);
        EXPECT_TRUE(*gravado == salvo);
        ASSERT_EQ(lido, persistence::ResultadoCarga::Ok);
        EXPECT_TRUE(persistence::SerializarJogo(*doArquivo) == salvo);
    }

    // Both go on from the main screen as a loaded game opens it, to the
    // start of the next season.
    JogarAte(*jogo, 3);
    JogarAte(*carregado, 3);
    EXPECT_TRUE(persistence::SerializarJogo(*carregado) == persistence::SerializarJogo(*jogo));

    // Cut anywhere, the file is refused and the game on hand stays as it was.
    const auto antes = persistence::SerializarJogo(*carregado);
    const std::size_t passo = salvo.size() / 1500 + 1;
    for (std::size_t n = 0; n < salvo.size(); n += (n < 20000 ? 97 : passo)) {
        const std::vector<unsigned char> curto(salvo.begin(), salvo.begin() + n);
        ASSERT_EQ(persistence::DesserializarJogo(curto, *carregado),
                  persistence::ResultadoCarga::Ilegivel)
            << n;
    }
    EXPECT_TRUE(persistence::SerializarJogo(*carregado) == antes);
}

TEST_F(Temporadas, EveryThirdMainScreenSavesAndTheOpeningAfterALoadDoesNotCount) {
    auto jogo = Novo({{97}, true, false, 1, 2});
    jogo->estado.opcoes.opsalvar = 1;
    jogo->estado.arquivo = "auto.s07";
    const auto arquivo = persistence::PastaSav() / "auto.s07";
    temporada::Autopiloto piloto(*jogo);
    piloto.Entrar(); // the first opening: no save, no count
    EXPECT_FALSE(std::filesystem::exists(arquivo));
    // Each later opening of the main screen, whether a file was saved on it.
    // Counted by openings, not by dates: a cup date after the human's club
    // is out opens no main screen.
    std::vector<bool> salvou;
    auto aberturas = [&](temporada::Autopiloto& p) {
        p.naprincipal = [&salvou, &arquivo, primeira = true]() mutable {
            if (std::exchange(primeira, false)) return true; // the opening of Entrar
            salvou.push_back(std::filesystem::exists(arquivo));
            std::filesystem::remove(arquivo);
            return salvou.size() < 7;
        };
    };
    aberturas(piloto);
    ASSERT_TRUE(piloto.Jogar());
    EXPECT_EQ(salvou, (std::vector<bool>{false, false, true, false, false, true, false}));

    // Load that game: its first opening does not count either.
    ASSERT_TRUE(persistence::salvajogo(*jogo));
    Jogo carregado;
    ASSERT_TRUE(persistence::carregajogo(carregado, "auto.s07"));
    std::filesystem::remove(arquivo);
    temporada::Autopiloto outro(carregado);
    outro.Entrar();
    salvou.clear();
    aberturas(outro);
    ASSERT_TRUE(outro.Jogar());
    EXPECT_EQ(salvou, (std::vector<bool>{false, false, true, false, false, true, false}));
}

TEST_F(Temporadas, TwoHumansSetTheirLineupsInTurnBeforeTheRunner) {
    auto jogo = Novo({{29}, true, false, 2, 4});
    temporada::InteracaoCiclo ia;
    EXPECT_EQ(jogo->estado.tipo, competitions::kLiga);
    const auto& th = jogo->estado.timeshumanos;
    ASSERT_LT(th[0], th[1]);
    auto p = temporada::EntrarNoJogo(*jogo, ia);
    EXPECT_EQ(p.tela, Tela::Principal);
    EXPECT_EQ(p.time, th[0]);
    p = temporada::Jogar(*jogo, ia);
    EXPECT_EQ(p.tela, Tela::Principal);
    EXPECT_EQ(p.time, th[1]);
    EXPECT_TRUE(p.eventos); // the second human's screen has its events
    EXPECT_EQ(jogo->estado.timeatual, th[1]);
    p = temporada::Jogar(*jogo, ia);
    EXPECT_EQ(p.tela, Tela::Rodada);
}

TEST_F(Temporadas, ANewGameStartsOnItsFirstDateWithContractsOfTenToThirtyNineWeeks) {
    auto jogo = Novo({{29, 97}, false, false, 1, 9});
    const TEstadoJogo& e = jogo->estado;
    EXPECT_EQ(e.temporada, 1);
    EXPECT_EQ(e.marcador, 2007);
    // Divisions of 10 without state championships: the cup's first date.
    EXPECT_EQ(e.dataatual, 34);
    EXPECT_EQ(e.tipo, competitions::kCopaNacional);
    const double primeira = jogo->calendario[e.dataatual - 1].data;
    int fora = 0;
    // The first season's Copa America teams, appended after, have none.
    const auto reais = static_cast<std::size_t>(e.torneio.numjogadores);
    ASSERT_GT(reais, 1u);
    for (std::size_t i = 1; i < reais; ++i) {
        const double semanas = (jogo->jogadores[i].contrato - primeira) / 7.0;
        fora += semanas < 10 || semanas > 39 || semanas != static_cast<int>(semanas);
    }
    EXPECT_EQ(fora, 0);
    // Both leagues' cups drawn and their fixtures in the list.
    int sorteados = 0;
    for (const TTime& t : jogo->times) sorteados += t.jogacopa;
    EXPECT_EQ(sorteados, 64);
    for (int r : e.arbitrostemporada) EXPECT_GE(r, 0);
}

TEST_F(Temporadas, TheCustomChampionshipPoolsTheTickedCountriesIntoOneLeague) {
    IndiceTimes indice = contatimes();
    const auto usaveis = UsaveisPorPais(indice);
    Jogo pouco;
    competitions::OpcoesPersonalizado o;
    o.paises = {150};
    ASSERT_LT(usaveis[150], 42);
    EXPECT_EQ(competitions::IniciarCampeonatoPersonalizado(pouco, indice, o),
              competitions::InicioNovoJogo::SemLiga);
    EXPECT_TRUE(pouco.ligas.empty());

    Jogo jogo;
    o.paises = {150, 46};
    o.divisoesde20 = true;
    ASSERT_EQ(competitions::IniciarCampeonatoPersonalizado(jogo, indice, o),
              competitions::InicioNovoJogo::Ok);
    ASSERT_EQ(jogo.ligas.size(), 1u);
    EXPECT_EQ(jogo.ligas[0].pais, kPaisInternacional);
    EXPECT_EQ(jogo.ligas[0].numdivisoes, 2);
    EXPECT_EQ(jogo.estado.paisprincipal, kPaisInternacional);
    EXPECT_EQ(std::string(jogo.estado.nomecampeonato.view()), "Campeonato Internacional");
    EXPECT_FALSE(jogo.estado.continental1 || jogo.estado.estaduais || jogo.estado.copadomundo);
    EXPECT_EQ(static_cast<int>(jogo.times.size()), usaveis[150] + usaveis[46]);
    const int humano = jogo.ligas[0].divisoes[1][0];
    competitions::EscolherTime(jogo, 0, humano, "Tecnico");
    competitions::InicializarJogo(jogo);
    EXPECT_EQ(jogo.estado.numtimesextras, 0);
    JogarAte(jogo, 2);
    EXPECT_TRUE(management::VerificarInvariantes(jogo).empty());
    // Its league and its cup are two competitions, and read as two wherever
    // a club's fixtures are named (calendar, season end, next opponent).
    EXPECT_EQ(competitions::NomeDaCompeticao(jogo, 1, humano), "Campeonato Internacional");
    EXPECT_EQ(competitions::NomeDaCompeticao(jogo, 2, humano), "Copa Internacional");
    EXPECT_EQ(management::NomeDaCompeticao(jogo, 1, 0), "Campeonato Internacional");
    EXPECT_EQ(management::NomeDaCompeticao(jogo, 2, 0), "Copa Internacional");
    // A club of the first division has fixtures in the new season whatever
    // became of the human's (relegated out of the divisions, it has none).
    const auto proximo = management::ProcurarProximoAdversario(jogo, jogo.ligas[0].divisoes[0][0],
                                                               jogo.calendario[0].data);
    ASSERT_GE(proximo.partida, 0);
    EXPECT_EQ(proximo.nomecompeticao,
              proximo.competicao == 1 ? "Campeonato Internacional" : "Copa Internacional");
}

TEST_F(Temporadas, AHumanWhoResignsLeavesTheTurnToTheNextOne) {
    auto jogo = Novo({{29}, true, false, 2, 4});
    temporada::InteracaoCiclo ia;
    const int primeiro = jogo->estado.timeshumanos[0], segundo = jogo->estado.timeshumanos[1];
    auto p = temporada::EntrarNoJogo(*jogo, ia);
    ASSERT_EQ(p.time, primeiro);
    const int tecnico = jogo->times[primeiro].tecnico;
    p = temporada::Demitir(*jogo, ia);
    EXPECT_EQ(p.tela, Tela::Principal);
    EXPECT_EQ(p.time, segundo);
    EXPECT_EQ(jogo->estado.numhumanos, 1);
    EXPECT_EQ(jogo->estado.timeshumanos[0], segundo);
    EXPECT_EQ(jogo->estado.timeshumanos[1], -1);
    EXPECT_FALSE(jogo->times[primeiro].humano);
    EXPECT_EQ(jogo->tecnicos[tecnico].time, -1);
    EXPECT_TRUE(management::VerificarInvariantes(*jogo).empty());
    p = temporada::Demitir(*jogo, ia); // nobody left: he waits for an invitation
    EXPECT_EQ(p.tela, Tela::Aguardando);
    EXPECT_EQ(jogo->estado.numhumanos, 0);
    EXPECT_EQ(jogo->ligas[0].temhumano, 0);
    JogarAte(*jogo, 2);
    EXPECT_EQ(jogo->estado.temporada, 2);
}

// The whole default world for three seasons: both continental cups in both
// regions and the club world cup every season from the second, every rule kept
// after every date.
TEST_F(Temporadas, TheWholeWorldPlaysBothContinentalCupsAndTheClubWorldCup) {
    plataforma::DefinirRaiz(PITCHLORD_JOGO);
    auto jogo = Novo({competitions::LigasOferecidas(contatimes()), true, true, 1, 7});
    ASSERT_TRUE(jogo->estado.continental1 && jogo->estado.continental2);
    temporada::Autopiloto piloto(*jogo);
    std::string primeiro;
    int continentais = 0;
    piloto.depoisdadata = [&](int codigo) {
        continentais += codigo >= 4 && codigo <= 6;
        if (primeiro.empty())
            if (const auto erros = management::VerificarInvariantes(*jogo); !erros.empty())
                primeiro = "season " + std::to_string(jogo->estado.temporada) + " date " +
                           std::to_string(jogo->estado.dataatual) + ": " + erros.front();
        return true;
    };
    auto conferirGrupos = [&] {
        // Every slot of every group filled, and every played league's list read
        // its cup winner from the history.
        for (int c : {competitions::kContinental1, competitions::kContinental2})
            for (int r = 1; r <= 2; ++r)
                for (int g = 1; g <= 8; ++g)
                    EXPECT_EQ(competitions::ClubesDoGrupo(*jogo, c, r, g).size(), 4u)
                        << "competition " << c << " region " << r << " group " << g;
        const int anterior = jogo->estado.temporada - 1;
        for (const TLiga& l : jogo->ligas) {
            const int copa = competitions::CampeaoDe(*jogo, 2, l.pais, anterior);
            if (copa < 0 || competitions::VagasContinentais(l.pais) < 2) continue;
            EXPECT_TRUE(competitions::EntradaDaLista(*jogo, l.pais, 1) == copa ||
                        competitions::EntradaDaLista(*jogo, l.pais, 2) == copa)
                << "country " << l.pais;
        }
    };
    piloto.fimdetemporada = [&] {
        const int t = jogo->estado.temporada;
        std::map<std::pair<int, int>, int> lugares;
        for (const auto& h : jogo->historicotitulos)
            if (h.temporada == t && h.competicao >= 4 && h.competicao <= 6)
                ++lugares[{h.competicao * 10 + h.chave + 1, h.lugar}];
        if (t == 1) {
            EXPECT_TRUE(lugares.empty());
            return true;
        }
        for (int c : {4, 6})
            for (int r = 1; r <= 2; ++r) {
                EXPECT_EQ((lugares[{c * 10 + r + 1, 1}]), 1) << "season " << t << " cup " << c;
                EXPECT_EQ((lugares[{c * 10 + r + 1, 2}]), 1);
            }
        for (int l = 1; l <= 4; ++l) EXPECT_EQ((lugares[{50, l}]), 1) << "club world cup " << l;
        return true;
    };
    piloto.novatemporada = [&] {
        if (jogo->estado.temporada >= 2) conferirGrupos();
        return jogo->estado.temporada <= 3;
    };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    EXPECT_EQ(primeiro, "");
    EXPECT_EQ(jogo->estado.temporada, 4);
    EXPECT_GT(continentais, 2 * (14 + 14 + 3) - 4);
    // The season's summary names the continental champions.
    EXPECT_GE(jogo->campeoestemporada[1].campeao[6], 0);
    EXPECT_GE(jogo->campeoestemporada[1].campeao[7], 0);
}
