#include "competitions/calendario.hpp"
#include "competitions/rodadas.hpp"
#include "competitions/tabelas.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

using namespace competitions;
using namespace world;

namespace {

// A game with one league of `divisoes` full divisions; clubs are numbered
// from `primeiro` in slot order.
Jogo JogoComLiga(bool divisoesde20, int divisoes, int temporada = 1, int primeiro = 0) {
    Jogo jogo;
    TEstadoJogo& e = jogo.estado;
    e.divisoesporliga = divisoesde20 ? 2 : 4;
    e.temporada = temporada;
    e.copanacional = e.estaduais = e.continental1 = e.continental2 = 1;
    MontarCalendario(jogo);
    TLiga l = NovaLiga(29);
    l.numdivisoes = divisoes;
    const int n = divisoesde20 ? 20 : 10;
    for (int d = 0; d < divisoes; ++d)
        for (int s = 0; s < n; ++s) l.divisoes[d][s] = primeiro + d * n + s;
    jogo.ligas.push_back(l);
    return jogo;
}

// Each ordered meeting exactly once and nobody twice on one date.
void ConferirTurnoEReturno(const std::vector<TPartida>& ps, const std::set<int>& clubes) {
    std::map<std::pair<int, int>, int> jogos;
    std::set<std::pair<double, int>> ocupados;
    for (const TPartida& p : ps) {
        ASSERT_TRUE(clubes.count(p.mandante) && clubes.count(p.visitante));
        ASSERT_NE(p.mandante, p.visitante);
        ++jogos[{p.mandante, p.visitante}];
        EXPECT_TRUE(ocupados.insert({p.data, p.mandante}).second);
        EXPECT_TRUE(ocupados.insert({p.data, p.visitante}).second);
    }
    for (int a : clubes)
        for (int b : clubes)
            if (a != b) {
                EXPECT_EQ((jogos[{a, b}]), 1) << a << " v " << b;
            }
}

} // namespace

TEST(Tabelas, EachTableIsARoundRobinFollowingItsRule) {
    for (int n : {20, 10, 6, 4}) {
        SCOPED_TRACE(n);
        std::set<std::pair<int, int>> pares;
        for (int m = 1; m < n; ++m) {
            std::set<int> nodia;
            for (int p = 1; p <= n / 2; ++p) {
                const ParDeTimes par = ParDaTabela(n, m, 1, p);
                EXPECT_EQ(ParDaTabela(n, m, 2, p), (ParDeTimes{par.visitante, par.mandante}));
                ASSERT_TRUE(par.mandante >= 1 && par.mandante <= n);
                ASSERT_TRUE(par.visitante >= 1 && par.visitante <= n);
                EXPECT_TRUE(nodia.insert(par.mandante).second);
                EXPECT_TRUE(nodia.insert(par.visitante).second);
                pares.insert(std::minmax(par.mandante, par.visitante));
                if (n == 4) continue; // the small table is older than the rule
                const int a = par.mandante, b = par.visitante;
                if (a == n || b == n) {
                    const int k = a == n ? b : a;
                    EXPECT_EQ((2 * k) % (n - 1), (m + 1) % (n - 1));
                    EXPECT_EQ(a == n, m % 2 == 0) << "matchday " << m;
                } else {
                    EXPECT_EQ((a + b) % (n - 1), (m + 1) % (n - 1)) << a << "-" << b;
                }
            }
        }
        EXPECT_EQ(static_cast<int>(pares.size()), n * (n - 1) / 2);
    }
    EXPECT_EQ(ParDaTabela(4, 3, 1, 1), (ParDeTimes{4, 1}));
    EXPECT_EQ(ParDaTabela(20, 20, 1, 1), (ParDeTimes{0, 0}));
    EXPECT_EQ(ParDaTabela(8, 1, 1, 1), (ParDeTimes{0, 0}));
}

TEST(Rodadas, LeagueMeetsEveryoneTwiceOnTheLeagueDates) {
    for (bool de20 : {true, false}) {
        const int n = de20 ? 20 : 10;
        Jogo jogo = JogoComLiga(de20, 1, 1, 100);
        GerarPartidasLiga(jogo, 0);
        ASSERT_EQ(static_cast<int>(jogo.partidas.size()), n * (n - 1));
        std::set<int> clubes;
        for (int i = 100; i < 100 + n; ++i) clubes.insert(i);
        ConferirTurnoEReturno(jogo.partidas, clubes);
        const auto datas = DatasDaCompeticao(jogo, kLiga);
        ASSERT_EQ(static_cast<int>(datas.size()), 2 * (n - 1));
        for (const TPartida& p : jogo.partidas) {
            EXPECT_EQ(p.competicao, kLiga);
            EXPECT_EQ(p.grupo, 0);
            EXPECT_EQ(p.chave, -1);
            EXPECT_EQ(p.data, datas[(p.turno - 1) * (n - 1) + p.rodada - 1]);
        }
    }
}

TEST(Rodadas, DivisionsShareTheDatesWithoutMixing) {
    Jogo jogo = JogoComLiga(true, 2);
    GerarPartidasLiga(jogo, 0);
    ASSERT_EQ(jogo.partidas.size(), 760u);
    std::set<double> datas;
    for (const TPartida& p : jogo.partidas) {
        datas.insert(p.data);
        EXPECT_EQ(p.mandante / 20, p.visitante / 20);
    }
    EXPECT_EQ(datas.size(), 38u);
}

TEST(Rodadas, CupBracketIsEmptyWithSerialsFrom31Down) {
    Jogo jogo = JogoComLiga(true, 2);
    GerarPartidasCopa(jogo, 0);
    ASSERT_EQ(jogo.partidas.size(), 62u);
    const auto datas = DatasDaCompeticao(jogo, kCopaNacional);
    constexpr int kConfrontos[6] = {0, 16, 8, 4, 2, 1};
    int serial = 31;
    std::size_t i = 0;
    for (int fase = 1; fase <= 5; ++fase)
        for (int c = 1; c <= kConfrontos[fase]; ++c, --serial)
            for (int perna = 0; perna < 2; ++perna, ++i) {
                const TPartida& p = jogo.partidas[i];
                EXPECT_EQ(p.mandante, -1);
                EXPECT_EQ(p.visitante, -1);
                EXPECT_EQ(p.competicao, kCopaNacional);
                EXPECT_EQ(p.rodada, fase);
                EXPECT_EQ(p.turno, c);
                EXPECT_EQ(p.chave, serial);
                EXPECT_EQ(p.grupo, 0);
                EXPECT_EQ(p.data, datas[2 * (fase - 1) + perna]);
            }
    EXPECT_EQ(serial, 0);
    EXPECT_EQ(ProcurarPartida(jogo, 0, kCopaNacional, 1), 0);
}

TEST(Rodadas, SmallCountriesStartTheCupAtTheLast16) {
    for (auto [de20, divisoes] : {std::pair{true, 1}, std::pair{false, 2}}) {
        Jogo jogo = JogoComLiga(de20, divisoes);
        GerarPartidasCopa(jogo, 0);
        ASSERT_EQ(jogo.partidas.size(), 30u);
        EXPECT_EQ(jogo.partidas[0].rodada, 2);
        EXPECT_EQ(jogo.partidas[0].chave, 31);
        EXPECT_EQ(jogo.partidas[0].data, DatasDaCompeticao(jogo, kCopaNacional)[2]);
        EXPECT_EQ(jogo.partidas.back().chave, 17);
        EXPECT_EQ(ProcurarPartida(jogo, 0, kCopaNacional, 1), -1);
    }
    Jogo tres = JogoComLiga(false, 3);
    GerarPartidasCopa(tres, 0);
    EXPECT_EQ(tres.partidas.size(), 62u);
}

TEST(Rodadas, SeasonFixturesAndTheClubsDates) {
    Jogo jogo = JogoComLiga(false, 3);
    jogo.ligas.push_back(jogo.ligas[0]);
    jogo.ligas[1].pais = 97;
    jogo.ligas[1].numdivisoes = 2;
    for (int d = 0; d < 2; ++d)
        for (int s = 0; s < 10; ++s) jogo.ligas[1].divisoes[d][s] += 30;
    jogo.partidas.resize(5); // last season's leftovers
    GerarPartidasDaTemporada(jogo);
    EXPECT_EQ(jogo.partidas.size(), 270u + 180u + 62u + 30u);
    EXPECT_EQ(ProcurarPartida(jogo, 1, kLiga, 1), 270);
    EXPECT_EQ(ProcurarPartida(jogo, 1, kCopaNacional, 2), 270 + 180 + 62);

    const double dia = DatasDaCompeticao(jogo, kLiga)[5];
    const int i = PartidaDoTime(jogo, 35, dia);
    ASSERT_GE(i, 0);
    EXPECT_TRUE(jogo.partidas[i].grupo == 1 && jogo.partidas[i].rodada == 6);
    EXPECT_EQ(PartidaDoTime(jogo, 35, DatasDaCompeticao(jogo, kCopaNacional)[2]), -1);
}

TEST(Rodadas, StateGroupsPlayTenDatesAndLeaveTheFinal) {
    Jogo jogo = JogoComLiga(true, 1);
    GruposEstaduais grupos{};
    for (int g = 0; g < 5; ++g)
        for (int s = 0; s < 6; ++s) grupos[g][s] = g < 2 ? 200 + g * 6 + s : -1;
    GerarPartidasEstadual(jogo, 7, grupos, 2);
    ASSERT_EQ(jogo.partidas.size(), 60u);
    const auto datas = DatasDaCompeticao(jogo, kEstadual);
    ASSERT_EQ(datas.size(), 12u);
    for (int g = 0; g < 2; ++g) {
        std::vector<TPartida> grupo(jogo.partidas.begin() + g * 30,
                                    jogo.partidas.begin() + (g + 1) * 30);
        std::set<int> clubes;
        for (int s = 0; s < 6; ++s) clubes.insert(200 + g * 6 + s);
        ConferirTurnoEReturno(grupo, clubes);
    }
    for (const TPartida& p : jogo.partidas) {
        EXPECT_EQ(p.grupo, 7);
        EXPECT_EQ(p.chave, -1);
        EXPECT_EQ(p.competicao, kEstadual);
        EXPECT_EQ(p.data, datas[(p.turno - 1) * 5 + p.rodada - 1]);
        EXPECT_LT(p.data, datas[10]); // dates 11 and 12 are the final's
    }
}

TEST(Rodadas, ContinentalGroupsThenEachRegionsKnockout) {
    Jogo jogo = JogoComLiga(true, 1, 2);
    GruposContinentais grupos{};
    for (int r = 0; r < 2; ++r)
        for (int g = 0; g < 8; ++g)
            for (int s = 0; s < 4; ++s) grupos[r][g][s] = 1000 + r * 100 + g * 4 + s;
    GerarPartidasContinental(jogo, kContinental2, grupos);
    ASSERT_EQ(jogo.partidas.size(), 2u * 8u * 12u + 2u * 30u);
    const auto datas = DatasDaCompeticao(jogo, kContinental2);
    ASSERT_EQ(datas.size(), 14u);
    for (int r = 0; r < 2; ++r)
        for (int g = 0; g < 8; ++g) {
            const auto inicio = jogo.partidas.begin() + (r * 8 + g) * 12;
            std::vector<TPartida> grupo(inicio, inicio + 12);
            std::set<int> clubes(grupos[r][g].begin(), grupos[r][g].end());
            ConferirTurnoEReturno(grupo, clubes);
            for (const TPartida& p : grupo) {
                EXPECT_EQ(p.grupo, r + 1);
                EXPECT_EQ(p.data, datas[(p.turno - 1) * 3 + p.rodada - 1]);
            }
        }
    constexpr int kConfrontos[8] = {0, 0, 0, 0, 8, 4, 2, 1};
    std::size_t i = 192;
    for (int r = 1; r <= 2; ++r)
        for (int fase = 4; fase <= 7; ++fase)
            for (int c = 0; c < kConfrontos[fase]; ++c)
                for (int turno = 1; turno <= 2; ++turno, ++i) {
                    const TPartida& p = jogo.partidas[i];
                    EXPECT_EQ(p.mandante, -1);
                    EXPECT_EQ(p.visitante, -1);
                    EXPECT_EQ(p.chave, -1);
                    EXPECT_EQ(p.competicao, kContinental2);
                    EXPECT_EQ(p.rodada, fase);
                    EXPECT_EQ(p.turno, turno);
                    EXPECT_EQ(p.grupo, r);
                    EXPECT_EQ(p.data, datas[6 + 2 * (fase - 4) + turno - 1]);
                }
}

TEST(Rodadas, CompetitionWithoutDatesGetsUndatedFixtures) {
    // The first season has no continental dates.
    Jogo jogo = JogoComLiga(true, 1, 1);
    GerarPartidasContinental(jogo, kContinental1, GruposContinentais{});
    ASSERT_EQ(jogo.partidas.size(), 252u);
    for (const TPartida& p : jogo.partidas) EXPECT_EQ(p.data, 0.0);
}
