#include "competitions/calendario.hpp"
#include "competitions/continentais.hpp"
#include "competitions/historico.hpp"
#include "management/invariantes.hpp"
#include "temporada/ciclo.hpp"
#include "temporada/executor.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

using namespace competitions;
using namespace world;

namespace {

constexpr int kPaisesDoMundo[] = {
    // region 1
    29, 11, 195, 150, 42, 46, 60, 131, 151, 26, 198,
    // region 2
    97, 65, 104, 3, 72, 85, 154, 162, 193, 78, 160, 62, 21, 159, 192, 15, 52, 31, 88, 171, 179, 152,
    180, 76, 142, 103, 54,
    // the club world cup's other continents
    107, 9, 43, 49, 57, 129, 1, 190, 51, 38, 68, 14, 143};

int Clube(Jogo& jogo, int pais, int nivel) {
    TTime t = NovoTime();
    t.nome = "Clube " + std::to_string(jogo.times.size());
    t.pais = pais;
    t.nivel = nivel;
    jogo.times.push_back(t);
    ++jogo.estado.numtimesligas;
    return static_cast<int>(jogo.times.size()) - 1;
}

// A world without played leagues: `porpais` clubs in every country the cups
// draw on (levels from 20 down), its lists built, in season 2.
Jogo Mundo(int porpais, std::uint64_t semente = 5, bool segunda = true) {
    Jogo jogo;
    jogo.gerador.Semear(semente);
    TEstadoJogo& e = jogo.estado;
    e.temporada = 1;
    e.divisoesporliga = 2;
    e.continental1 = 1;
    e.continental2 = segunda ? 1 : 0;
    for (int p : kPaisesDoMundo)
        for (int k = 0; k < porpais; ++k) Clube(jogo, p, 20 - k);
    MontarListasContinentais(jogo);
    e.temporada = 2;
    e.dataatual = 1;
    MontarCalendario(jogo);
    return jogo;
}

std::vector<const TPartida*> Partidas(const Jogo& jogo, int competicao) {
    std::vector<const TPartida*> r;
    for (const TPartida& p : jogo.partidas)
        if (p.competicao == competicao) r.push_back(&p);
    return r;
}

// Plays a fixture with a given score.
void Jogar(TPartida& p, int gm, int gv) {
    p.golsmandante = gm;
    p.golsvisitante = gv;
    p.jogado = 1;
}

// The k-th (0-based) first and second legs of a knockout phase.
std::pair<TPartida*, TPartida*> Confronto(Jogo& jogo, int competicao, int regiao, int fase, int k) {
    TPartida *ida = nullptr, *volta = nullptr;
    int idas = 0, voltas = 0;
    for (TPartida& p : jogo.partidas) {
        if (p.competicao != competicao || p.grupo != regiao || p.rodada != fase) continue;
        if (p.turno == 1 && idas++ == k) ida = &p;
        if (p.turno == 2 && voltas++ == k) volta = &p;
    }
    return {ida, volta};
}

} // namespace

TEST(Continentais, MelhoresTimesRanksByBandAndTheTopBandsSometimesDrop) {
    Jogo jogo;
    const int a = Clube(jogo, 97, 23), b = Clube(jogo, 97, 18);
    for (int k = 0; k < 12; ++k) Clube(jogo, 97, 5 + k % 3); // below every band
    Clube(jogo, 65, 25);                                     // another country
    int abaixo = 0;
    for (std::uint64_t s = 1; s <= 2000; ++s) {
        jogo.gerador.Semear(s);
        const auto primeira = MelhoresTimes(jogo, 97, 1);
        ASSERT_EQ(primeira.size(), 10u);
        // The first season knows no drops: 23 counts as 20, above 18.
        EXPECT_EQ(primeira[0], a);
        EXPECT_EQ(primeira[1], b);
        const auto depois = MelhoresTimes(jogo, 97, 2);
        for (int c : depois) EXPECT_EQ(jogo.times[c].pais, 97);
        // From the second season on the 20 band may drop to 18 and lose the
        // tie-break, while 18 stays (1/12 · 11/12 · 1/2 of the time).
        abaixo += depois[0] == b;
    }
    EXPECT_GT(abaixo, 2000 * 2 / 100);
    EXPECT_LT(abaixo, 2000 * 6 / 100);
}

TEST(Continentais, APlayedCountrysListFollowsItsTableAndCupWinner) {
    Jogo jogo;
    jogo.estado.temporada = 1;
    jogo.estado.divisoesporliga = 4;
    jogo.estado.copanacional = 1;
    for (int pais : {97, 21}) {
        TLiga l = NovaLiga(pais);
        l.numdivisoes = 1;
        for (int k = 0; k < 10; ++k) l.divisoes[0][k] = l.ordem[0][k] = Clube(jogo, pais, 10);
        jogo.ligas.push_back(l);
    }
    const auto& o = jogo.ligas[0].ordem[0];
    // The champion won the cup too: 2, 1, 3, 4, ...
    competitions::RegistrarTitulo(jogo, kCopaNacional, o[0], 97, 1, -1);
    EXPECT_EQ(ListaDeClassificacao(jogo, 0, 1),
              (std::vector<int>{o[1], o[0], o[2], o[3], o[4], o[5], o[6], o[7]}));
    // Won by the fifth: 1, the cup winner, then 2, 3, 4, 6, ...
    jogo.historicotitulos.clear();
    competitions::RegistrarTitulo(jogo, kCopaNacional, o[4], 97, 1, -1);
    EXPECT_EQ(ListaDeClassificacao(jogo, 0, 1),
              (std::vector<int>{o[0], o[4], o[1], o[2], o[3], o[5], o[6], o[7]}));
    // The cup not played that season: the top eight.
    EXPECT_EQ(ListaDeClassificacao(jogo, 0, 2),
              (std::vector<int>{o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7]}));
    // A country with one place ignores its cup winner.
    const auto& u = jogo.ligas[1].ordem[0];
    competitions::RegistrarTitulo(jogo, kCopaNacional, u[6], 21, 1, -1);
    EXPECT_EQ(ListaDeClassificacao(jogo, 1, 1),
              (std::vector<int>{u[0], u[1], u[2], u[3], u[4], u[5], u[6], u[7]}));
}

TEST(Continentais, EveryGroupSlotOfBothCupsAndRegionsIsFilledAndEveryFixtureIsSound) {
    Jogo jogo = Mundo(10);
    // No draw in the first season.
    jogo.estado.temporada = 1;
    QualificarContinentais(jogo);
    EXPECT_FALSE(GruposSorteados(jogo));
    EXPECT_TRUE(jogo.partidas.empty());
    jogo.estado.temporada = 2;
    QualificarContinentais(jogo);
    ASSERT_TRUE(GruposSorteados(jogo));
    std::set<int> todos;
    for (int competicao : {kContinental1, kContinental2})
        for (int r = 1; r <= 2; ++r)
            for (int g = 1; g <= 8; ++g) {
                const auto clubes = ClubesDoGrupo(jogo, competicao, r, g);
                ASSERT_EQ(clubes.size(), 4u);
                for (int c : clubes) {
                    EXPECT_TRUE(todos.insert(c).second) << "club " << c << " drawn twice";
                    EXPECT_EQ(RegiaoDoPais(jogo.times[c].pais), r);
                    const TTime& t = jogo.times[c];
                    EXPECT_EQ(
                        competicao == kContinental1 ? t.grupocontinental : t.grupocontinental2, g);
                    EXPECT_TRUE(competicao == kContinental1 ? t.jogacontinental
                                                            : t.jogacontinental2);
                }
                // The seed comes from the seeds' countries.
                const int pais = jogo.times[ClubeDoGrupo(jogo, competicao, r, g, 1)].pais;
                const std::set<int> cabecas =
                    r == 1 ? std::set<int>{29, 11} : std::set<int>{97, 65, 104, 3};
                EXPECT_TRUE(cabecas.count(pais)) << pais;
            }
    EXPECT_EQ(todos.size(), 128u);
    for (int competicao : {kContinental1, kContinental2}) {
        const auto p = Partidas(jogo, competicao);
        EXPECT_EQ(p.size(), 2u * 8u * 12u + 2u * 30u);
        for (const TPartida* f : p) {
            if (f->rodada > 3) continue;
            EXPECT_GE(f->mandante, 0);
            EXPECT_GE(f->visitante, 0);
            EXPECT_NE(f->data, 0.0);
        }
    }
    EXPECT_EQ(jogo.estado.contadores.fasecontinental[0], 1);
    EXPECT_EQ(jogo.estado.contadores.turnocontinental[1], 1);
    EXPECT_EQ(management::VerificarInvariantes(jogo), std::vector<std::string>{});
}

TEST(Continentais, ShortListsTakeTheRegionsStrongestLeftAndAnEmptySlotPlaysNobody) {
    // Two clubs a country: region 1 has 22 clubs for 64 slots, region 2 has 54.
    Jogo jogo = Mundo(2);
    QualificarContinentais(jogo);
    int vazios[2] = {0, 0};
    for (int competicao : {kContinental1, kContinental2})
        for (int r = 1; r <= 2; ++r)
            for (int g = 1; g <= 8; ++g)
                for (int s = 1; s <= 4; ++s)
                    vazios[r - 1] += ClubeDoGrupo(jogo, competicao, r, g, s) < 0;
    EXPECT_EQ(vazios[0], 64 - 22);
    EXPECT_EQ(vazios[1], 64 - 54);
    // Every region-2 club of the world plays one of the cups.
    for (std::size_t c = 0; c < jogo.times.size(); ++c)
        if (RegiaoDoPais(jogo.times[c].pais) != 0) {
            EXPECT_TRUE(jogo.times[c].jogacontinental || jogo.times[c].jogacontinental2) << c;
        }
    for (const TPartida& p : jogo.partidas)
        if (p.rodada <= 3) {
            EXPECT_GE(p.mandante, 0);
            EXPECT_GE(p.visitante, 0);
        }
    EXPECT_EQ(management::VerificarInvariantes(jogo), std::vector<std::string>{});
}

TEST(Continentais, AHumanClubFirstInAWildcardCountryAlwaysTakesTheWildcard) {
    for (std::uint64_t s = 1; s <= 20; ++s) {
        Jogo jogo = Mundo(4, s, false);
        const int humano = EntradaDaLista(jogo, 52, 1);
        jogo.times[humano].humano = 1;
        QualificarContinentais(jogo);
        EXPECT_TRUE(jogo.times[humano].jogacontinental) << "seed " << s;
        // Only one of the three countries' first clubs gets in.
        int dos3 = 0;
        for (int p : {54, 52, 31}) dos3 += jogo.times[EntradaDaLista(jogo, p, 1)].jogacontinental;
        EXPECT_EQ(dos3, 1);
    }
}

TEST(Continentais, GroupsEndWithTheLastSixteenAndTheWinnerAtHomeInTheSecondLeg) {
    Jogo jogo = Mundo(10, 9, false);
    QualificarContinentais(jogo);
    // Each group finishes in slot order: 9, 6, 3 and 0 points.
    std::vector<int> ordem[2][8];
    for (int r = 1; r <= 2; ++r)
        for (int g = 1; g <= 8; ++g) {
            ordem[r - 1][g - 1] = ClubesDoGrupo(jogo, kContinental1, r, g);
            for (int s = 0; s < 4; ++s) jogo.times[ordem[r - 1][g - 1][s]].pontos[4] = 9 - 3 * s;
        }
    jogo.estado.contadores.fasecontinental[0] = 4;
    jogo.estado.contadores.turnocontinental[0] = 1;
    AvancarContinental(jogo, kContinental1);
    static constexpr int kPares[8][2] = {{5, 1}, {1, 5}, {6, 2}, {2, 6},
                                         {7, 3}, {3, 7}, {8, 4}, {4, 8}};
    for (int r = 1; r <= 2; ++r) {
        for (int k = 0; k < 8; ++k) {
            const auto [ida, volta] = Confronto(jogo, kContinental1, r, 4, k);
            ASSERT_TRUE(ida && volta);
            const int vice = ordem[r - 1][kPares[k][0] - 1][1];
            const int primeiro = ordem[r - 1][kPares[k][1] - 1][0];
            EXPECT_EQ(ida->mandante, vice);
            EXPECT_EQ(ida->visitante, primeiro);
            EXPECT_EQ(volta->mandante, primeiro); // the group winner at home last
            EXPECT_EQ(volta->visitante, vice);
        }
        for (const auto& g : ordem[r - 1]) {
            EXPECT_TRUE(jogo.times[g[1]].jogacontinental);
            EXPECT_FALSE(jogo.times[g[2]].jogacontinental);
            EXPECT_FALSE(jogo.times[g[3]].jogacontinental);
        }
    }
    // Third and fourth of all sixteen groups went into the campaigns once.
    AvancarContinental(jogo, kContinental1);
    EXPECT_EQ(jogo.campanhas.size(), 32u);
    for (const TCampanha& c : jogo.campanhas) {
        EXPECT_EQ(c.lugar, 3);
        EXPECT_EQ(c.competicao, kContinental1);
    }

    // The last 16 of region 1: tie 1 won on away goals by B, who won 2-1
    // away and lost 0-1 at home; tie 2 won by A 2-0, 0-0.
    auto [i1, v1] = Confronto(jogo, kContinental1, 1, 4, 0);
    auto [i2, v2] = Confronto(jogo, kContinental1, 1, 4, 1);
    Jogar(*i1, 1, 2);
    Jogar(*v1, 0, 1);
    Jogar(*i2, 2, 0);
    Jogar(*v2, 0, 0);
    for (int r = 1; r <= 2; ++r)
        for (int k = 0; k < 8; ++k) {
            auto [i, v] = Confronto(jogo, kContinental1, r, 4, k);
            if (!i->jogado) Jogar(*i, 1, 0), Jogar(*v, 0, 0);
        }
    jogo.estado.contadores.fasecontinental[0] = 5;
    AvancarContinental(jogo, kContinental1);
    const auto [q1, q1v] = Confronto(jogo, kContinental1, 1, 5, 0);
    EXPECT_EQ(q1->mandante, i1->visitante); // the winner of tie 1 at home first
    EXPECT_EQ(q1->visitante, i2->mandante);
    const auto caixas = ChaveContinental(jogo, kContinental1, 1);
    EXPECT_EQ(caixas[0].vencedor, i1->visitante);
    EXPECT_EQ(caixas[8].mandante, q1->mandante);

    // On to the final: the home side of every first leg wins it 1-0.
    for (int fase = 5; fase <= 7; ++fase) {
        for (int r = 1; r <= 2; ++r)
            for (int k = 0; k < (8 >> (fase - 4)); ++k) {
                auto [i, v] = Confronto(jogo, kContinental1, r, fase, k);
                ASSERT_GE(i->mandante, 0);
                Jogar(*i, 1, 0), Jogar(*v, 0, 0);
            }
        jogo.estado.contadores.fasecontinental[0] = fase + 1;
        AvancarContinental(jogo, kContinental1);
    }
    AvancarContinental(jogo, kContinental1); // once more changes nothing
    for (int r = 1; r <= 2; ++r) {
        const auto [f, fv] = Confronto(jogo, kContinental1, r, 7, 0);
        EXPECT_EQ(competitions::CampeaoDe(jogo, kContinental1, r, 2), f->mandante);
        EXPECT_FALSE(jogo.times[f->mandante].jogacontinental);
    }
    int titulos = 0;
    for (const TTituloHistorico& t : jogo.historicotitulos)
        titulos += t.competicao == kContinental1;
    EXPECT_EQ(titulos, 4);
}

TEST(Continentais, TheClubWorldCupDrawsSixPlaysThreeDaysAndRecordsFourPlaces) {
    Jogo jogo = Mundo(3, 4, false);
    QualificarContinentais(jogo);
    const int c1 = EntradaDaLista(jogo, 29, 1), c2 = EntradaDaLista(jogo, 97, 1);

    // Without the continental champions there is no club world cup.
    const auto antes = jogo.partidas.size();
    EXPECT_FALSE(SortearMundial(jogo));
    EXPECT_EQ(jogo.partidas.size(), antes);

    competitions::RegistrarTitulo(jogo, kContinental1, c1, 1, 1, -1);
    competitions::RegistrarTitulo(jogo, kContinental1, c2, 2, 1, -1);
    // A country of the draw without clubs: no club world cup, nothing drawn.
    const i32 guardado = jogo.estado.listascontinentais[14][0];
    jogo.estado.listascontinentais[14][0] = 0;
    jogo.estado.listascontinentais[143][0] = 0;
    EXPECT_FALSE(SortearMundial(jogo));
    EXPECT_EQ(jogo.partidas.size(), antes);
    for (const TTime& t : jogo.times) EXPECT_FALSE(t.jogamundial);
    jogo.estado.listascontinentais[14][0] = guardado;

    ASSERT_TRUE(SortearMundial(jogo));
    EXPECT_TRUE(MundialSorteado(jogo));
    const auto datas = DatasDaCompeticao(jogo, kMundialDeClubes);
    std::set<int> seis;
    for (const TTime& t : jogo.times)
        if (t.jogamundial) seis.insert(static_cast<int>(&t - jogo.times.data()));
    EXPECT_EQ(seis.size(), 6u);
    EXPECT_TRUE(seis.count(c1) && seis.count(c2));
    auto& p = jogo.paresmundial;
    // The champions wait for the semi-finals.
    EXPECT_TRUE((p[2].time1 == c1 && p[3].time1 == c2) || (p[2].time1 == c2 && p[3].time1 == c1));
    auto partida = [&](int par) -> TPartida& { return jogo.partidas[p[par].partida]; };
    EXPECT_EQ(partida(0).data, datas[0]);
    EXPECT_EQ(partida(2).data, datas[1]);
    EXPECT_EQ(partida(4).data, datas[2]);

    // Day 1: home sides win; day 2: the away sides; day 3: a draw the
    // shoot-out settles, and the third place to the home side.
    Jogar(partida(0), 2, 0);
    Jogar(partida(1), 1, 0);
    AvancarMundial(jogo);
    EXPECT_EQ(p[2].time2, p[0].time1);
    EXPECT_EQ(p[3].time2, p[1].time1);
    EXPECT_EQ(jogo.campanhas.size(), 2u);
    for (const TCampanha& c : jogo.campanhas) EXPECT_EQ(c.lugar, 10);
    Jogar(partida(2), 0, 1);
    Jogar(partida(3), 0, 1);
    AvancarMundial(jogo);
    EXPECT_EQ(p[4].time1, p[0].time1);
    EXPECT_EQ(p[4].time2, p[1].time1);
    Jogar(partida(4), 1, 1);
    partida(4).penaltismandante = 3;
    partida(4).penaltisvisitante = 4;
    Jogar(partida(5), 2, 1);
    AvancarMundial(jogo);
    AvancarMundial(jogo);
    const int lugares[4] = {p[1].time1, p[0].time1, p[5].time1, p[5].time2};
    for (int l = 1; l <= 4; ++l)
        EXPECT_EQ(competitions::ClubeNaPosicao(jogo, -1, l, 2, -1, kMundialDeClubes),
                  lugares[l - 1]);
    int titulos = 0;
    for (const TTituloHistorico& t : jogo.historicotitulos) titulos += t.competicao == 5;
    EXPECT_EQ(titulos, 4);
}

namespace {

struct Avisos : temporada::InteracaoCiclo {
    std::vector<std::string> mensagens;
    void Aviso(const std::string& m) override { mensagens.push_back(m); }
};

} // namespace

TEST(Continentais, AClubWorldCupWithoutItsSixEndsTheSeasonWithTheMessageAndNothingElse) {
    for (const bool falta : {true, false}) {
        Jogo jogo = Mundo(3, 8, false);
        QualificarContinentais(jogo);
        competitions::RegistrarTitulo(jogo, kContinental1, EntradaDaLista(jogo, 29, 1), 1, 1, -1);
        competitions::RegistrarTitulo(jogo, kContinental1, EntradaDaLista(jogo, 97, 1), 2, 1, -1);
        if (falta)
            jogo.estado.listascontinentais[14][0] = jogo.estado.listascontinentais[143][0] = 0;
        for (TPartida& p : jogo.partidas) p.jogado = 1; // the season's dates are behind us
        jogo.estado.dataatual = 144;
        const auto partidas = jogo.partidas.size();
        Avisos ia;
        const temporada::Proximo p = temporada::Continuar(jogo, ia, 0);
        if (falta) {
            EXPECT_EQ(ia.mensagens, std::vector<std::string>{"Erro no jogo, reinstale os times"});
            EXPECT_EQ(p.tela, temporada::Tela::FimDeTemporada);
            EXPECT_EQ(jogo.estado.tipo, -1);
            EXPECT_EQ(jogo.partidas.size(), partidas);
            for (const TTime& t : jogo.times) EXPECT_FALSE(t.jogamundial);
        } else {
            EXPECT_TRUE(ia.mensagens.empty());
            EXPECT_EQ(jogo.estado.tipo, kMundialDeClubes);
            EXPECT_EQ(jogo.estado.dataatual, 145);
            EXPECT_EQ(jogo.partidas.size(), partidas + 6);
        }
    }
}

TEST(Continentais, AHumanIsAskedOnlyForHisOwnDatesAndARegionWithoutHumansFollowsItsOption) {
    Jogo jogo = Mundo(4, 6, false);
    QualificarContinentais(jogo);
    const int humano = ClubeDoGrupo(jogo, kContinental1, 1, 1, 1);
    const int fora = EntradaDaLista(jogo, 107, 1); // another continent: in no group
    ASSERT_GE(fora, 0);
    ASSERT_FALSE(jogo.times[fora].jogacontinental);
    for (int c : {humano, fora}) jogo.times[c].humano = 1;
    int n = 1;
    while (CompeticaoDaData(jogo, n) != kContinental1) ++n;
    jogo.estado.dataatual = n;
    jogo.estado.tipo = kContinental1;
    EXPECT_TRUE(temporada::HumanoJoga(jogo, humano, kContinental1));
    EXPECT_FALSE(temporada::HumanoJoga(jogo, fora, kContinental1));

    for (const int opver42 : {0, 1}) {
        jogo.estado.opcoes.opver41 = 1; // results only, but a human plays there
        jogo.estado.opcoes.opver42 = opver42;
        temporada::ExecucaoRodada ex;
        ex.partidas = &jogo.partidas;
        temporada::AbrirRodada(jogo, ex, kContinental1, jogo.Hoje(),
                               temporada::PartidasDoDia(jogo.partidas, kContinental1, jogo.Hoje()));
        ASSERT_EQ(ex.grupos.size(), 2u); // one group of fixtures per region
        EXPECT_EQ(ex.grupos[0].id, 1);
        EXPECT_TRUE(ex.grupos[0].mostrado);
        EXPECT_EQ(ex.grupos[1].mostrado, opver42 == 0);
        EXPECT_EQ(ex.grupos[0].partidas.size(), 16u);
    }
}
