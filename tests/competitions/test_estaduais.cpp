#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/estaduais.hpp"
#include "competitions/rodadas.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

using namespace competitions;
using namespace world;

namespace {

constexpr int kCasa = 29;

Jogo NovoMundo(std::uint64_t semente = 7) {
    Jogo jogo;
    jogo.gerador.Semear(semente);
    TEstadoJogo& e = jogo.estado;
    e.divisoesporliga = 2;
    e.temporada = 1;
    e.paisprincipal = kCasa;
    e.estaduais = 1;
    MontarCalendario(jogo);
    return jogo;
}

// A league club of a state, appended in file order.
int Clube(Jogo& jogo, int estado, int pais = kCasa, bool humano = false) {
    TTime t = NovoTime();
    t.pais = pais;
    t.estado = estado;
    t.humano = humano ? 1 : 0;
    jogo.times.push_back(t);
    ++jogo.estado.numtimesligas;
    return static_cast<int>(jogo.times.size()) - 1;
}

std::vector<int> Clubes(Jogo& jogo, int estado, int n) {
    std::vector<int> r;
    for (int i = 0; i < n; ++i) r.push_back(Clube(jogo, estado));
    return r;
}

std::set<int> Grupo(const Jogo& jogo, int estado, int g) {
    std::set<int> r;
    for (int c : jogo.estaduais[estado].grupos[g - 1])
        if (c >= 0) r.insert(c);
    return r;
}

std::set<int> Faixa(const std::vector<int>& v, int de, int n) {
    return std::set<int>(v.begin() + de, v.begin() + de + n);
}

// What the runner does after a state date.
void AvancarContadores(Jogo& jogo) {
    TContadores& k = jogo.estado.contadores;
    if (++k.rodadaestadual > 5 && k.turnoestadual == 1) k.turnoestadual = 2, k.rodadaestadual = 1;
}

// Plays every state fixture of date n (1-based among the state dates) with
// scores from `placar`, counts them as the runner would, moves the counters
// and runs the follow-up.
template <class F> void JogarData(Jogo& jogo, int n, F placar) {
    const double dia = DatasDaCompeticao(jogo, kEstadual)[n - 1];
    const int fase = jogo.estado.contadores.rodadaestadual;
    for (TPartida& p : jogo.partidas) {
        if (p.competicao != kEstadual || p.data != dia || p.jogado) continue;
        const auto [gm, gv] = placar(p.mandante, p.visitante);
        p.golsmandante = gm;
        p.golsvisitante = gv;
        p.jogado = 1;
        ContarResultado(jogo, kEstadual, fase, p.mandante, p.visitante, gm, gv);
    }
    AvancarContadores(jogo);
    ClassificarEstaduais(jogo);
}

// The lower club index always wins 2-0 (or 1-0 away): group tables in index order.
std::pair<int, int> MenorVence(int mandante, int visitante) {
    return mandante < visitante ? std::pair{2, 0} : std::pair{0, 1};
}

std::vector<int> FinalDe(const Jogo& jogo, int estado) {
    std::vector<int> r;
    for (std::size_t i = 0; i < jogo.partidas.size(); ++i) {
        const TPartida& p = jogo.partidas[i];
        if (p.competicao == kEstadual && p.grupo == estado && p.rodada == 8)
            r.push_back(static_cast<int>(i));
    }
    return r;
}

int Titulos(const Jogo& jogo) {
    return static_cast<int>(jogo.historicotitulos.size());
}

} // namespace

TEST(Estaduais, FormationTakesEachStatesLeagueClubsInFileOrderFullGroupsOnly) {
    Jogo jogo = NovoMundo();
    std::vector<int> sp;
    for (int i = 0; i < 13; ++i) {
        sp.push_back(Clube(jogo, 3));
        if (i == 4) Clube(jogo, 3, 11); // a foreign club of the same state number
        if (i == 7) Clube(jogo, 8);     // another state's, in between
    }
    const auto poucos = Clubes(jogo, 5, 5);
    const int humano = Clube(jogo, 8, kCasa, true);
    Clubes(jogo, 8, 5);
    // Extra clubs (continental guests) are not in the chosen leagues.
    jogo.times.push_back(NovoTime());
    jogo.times.back().pais = kCasa;
    jogo.times.back().estado = 5;

    FormarEstaduais(jogo);
    const TEstadual& e3 = jogo.estaduais[3];
    EXPECT_TRUE(e3.ativo);
    EXPECT_EQ(e3.numgrupos, 2);
    EXPECT_EQ(Grupo(jogo, 3, 1), Faixa(sp, 0, 6));
    EXPECT_EQ(Grupo(jogo, 3, 2), Faixa(sp, 6, 6));
    EXPECT_TRUE(Grupo(jogo, 3, 3).empty());
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(jogo.times[sp[k]].grupoestadual, k / 6 + 1);
        EXPECT_TRUE(jogo.times[sp[k]].jogaestadual);
    }
    EXPECT_FALSE(jogo.times[sp[12]].jogaestadual); // the thirteenth sits out
    EXPECT_FALSE(e3.humano);

    EXPECT_FALSE(jogo.estaduais[5].ativo); // five clubs make no group
    EXPECT_EQ(jogo.estaduais[5].numgrupos, 0);
    for (int c : poucos) EXPECT_FALSE(jogo.times[c].jogaestadual);

    EXPECT_TRUE(jogo.estaduais[8].ativo);
    EXPECT_EQ(jogo.estaduais[8].numgrupos, 1);
    EXPECT_TRUE(jogo.estaduais[8].humano);
    EXPECT_TRUE(Grupo(jogo, 8, 1).count(humano));
    EXPECT_EQ(PrimeiroEstadoMostrado(jogo), 8);
}

TEST(Estaduais, FormationCapsAtFiveGroups) {
    Jogo jogo = NovoMundo();
    const auto c = Clubes(jogo, 0, 40);
    FormarEstaduais(jogo);
    EXPECT_EQ(jogo.estaduais[0].numgrupos, 5);
    for (int g = 1; g <= 5; ++g) EXPECT_EQ(Grupo(jogo, 0, g), Faixa(c, (g - 1) * 6, 6));
    for (int k = 30; k < 40; ++k) EXPECT_FALSE(jogo.times[c[k]].jogaestadual);
}

TEST(Estaduais, OneClubMovesBetweenEachPairOfGroupsAndNoneFromTheLast) {
    Jogo jogo = NovoMundo();
    const auto c = Clubes(jogo, 4, 18);
    const auto so = Clubes(jogo, 6, 6);
    FormarEstaduais(jogo);
    // Last season's places, set by hand: group g holds c[6(g-1)..], place k+1.
    TEstadual& e = jogo.estaduais[4];
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 6; ++k) {
            e.grupos[g][k] = c[g * 6 + k];
            jogo.times[c[g * 6 + k]].colocacao[kEstadual] = k + 1;
        }
    for (int k = 0; k < 6; ++k) jogo.times[so[k]].colocacao[kEstadual] = k + 1;
    const auto soantes = Grupo(jogo, 6, 1);

    NovaTemporadaEstadual(jogo);
    // c[6] won group 2 and c[5] was last in group 1; c[12] won group 3 and c[11]
    // was last in group 2. The club just dropped to group 2 does not drop again.
    std::set<int> g1 = Faixa(c, 0, 5), g2 = Faixa(c, 7, 4), g3 = Faixa(c, 13, 5);
    g1.insert(c[6]);
    g2.insert(c[5]);
    g2.insert(c[12]);
    g3.insert(c[11]);
    EXPECT_EQ(Grupo(jogo, 4, 1), g1);
    EXPECT_EQ(Grupo(jogo, 4, 2), g2);
    EXPECT_EQ(Grupo(jogo, 4, 3), g3);
    EXPECT_EQ(jogo.times[c[6]].grupoestadual, 1);
    EXPECT_EQ(jogo.times[c[5]].grupoestadual, 2);
    EXPECT_EQ(jogo.times[c[11]].grupoestadual, 3);
    for (int m : {c[5], c[6], c[11], c[12]}) EXPECT_EQ(jogo.times[m].colocacao[kEstadual], 0);
    EXPECT_EQ(Grupo(jogo, 6, 1), soantes); // a single group: nobody moves
}

TEST(Estaduais, WithoutALastPlacedClubTheSixthSlotGoesDown) {
    Jogo jogo = NovoMundo();
    const auto c = Clubes(jogo, 2, 12);
    FormarEstaduais(jogo);
    TEstadual& e = jogo.estaduais[2];
    for (int g = 0; g < 2; ++g)
        for (int k = 0; k < 6; ++k) e.grupos[g][k] = c[g * 6 + k];
    for (int x : c) jogo.times[x].colocacao[kEstadual] = 0;
    jogo.times[c[9]].colocacao[kEstadual] = 1;
    NovaTemporadaEstadual(jogo);
    EXPECT_TRUE(Grupo(jogo, 2, 1).count(c[9]));
    EXPECT_TRUE(Grupo(jogo, 2, 2).count(c[5]));
}

TEST(Estaduais, AWholeChampionshipFromGroupsToChampion) {
    Jogo jogo = NovoMundo();
    const auto a = Clubes(jogo, 1, 12); // two groups
    const auto b = Clubes(jogo, 9, 6);  // one group
    FormarEstaduais(jogo);
    GerarPartidasEstaduais(jogo);
    EXPECT_EQ(jogo.partidas.size(), 3u * 30u);
    const auto datas = DatasDaCompeticao(jogo, kEstadual);
    ASSERT_EQ(datas.size(), 12u);

    for (int n = 1; n <= 10; ++n) {
        EXPECT_TRUE(FinalDe(jogo, 1).empty()) << n;
        JogarData(jogo, n, MenorVence);
    }
    EXPECT_EQ(jogo.estado.contadores.rodadaestadual, 6);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(jogo.times[a[k]].colocacao[kEstadual], k + 1);

    for (int s : {1, 9}) {
        const auto& g = s == 1 ? a : b;
        const auto f = FinalDe(jogo, s);
        ASSERT_EQ(f.size(), 2u);
        const TPartida &ida = jogo.partidas[f[0]], &volta = jogo.partidas[f[1]];
        EXPECT_EQ(ida.mandante, g[1]); // the runner-up at home first
        EXPECT_EQ(ida.visitante, g[0]);
        EXPECT_EQ(ida.turno, 1);
        EXPECT_EQ(ida.data, datas[10]);
        EXPECT_EQ(volta.mandante, g[0]);
        EXPECT_EQ(volta.turno, 2);
        EXPECT_EQ(volta.data, datas[11]);
        EXPECT_EQ(jogo.estaduais[s].finalistas[0], g[0]);
        EXPECT_EQ(jogo.estaduais[s].finalistas[1], g[1]);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(bool(jogo.times[g[k]].jogaestadual), k < 2);
    }
    for (int k = 6; k < 12; ++k) EXPECT_FALSE(jogo.times[a[k]].jogaestadual);

    // Places 3..6 of each group 1 and all of group 2, once each.
    ASSERT_EQ(jogo.campanhas.size(), 4u + 6u + 4u);
    int n2 = 0;
    for (const TCampanha& c : jogo.campanhas) {
        EXPECT_EQ(c.competicao, kEstadual);
        EXPECT_EQ(c.temporada, 1);
        EXPECT_EQ(jogo.times[c.time].colocacao[kEstadual], c.lugar);
        EXPECT_EQ(jogo.times[c.time].grupoestadual, c.grupo);
        n2 += c.grupo == 2;
    }
    EXPECT_EQ(n2, 6);

    // Asked again (a reloaded date, say): no second final, nothing recorded twice.
    ClassificarEstaduais(jogo);
    EXPECT_EQ(FinalDe(jogo, 1).size(), 2u);
    EXPECT_EQ(jogo.campanhas.size(), 14u);

    // The group winner loses 1-0 away and wins 3-0 at home.
    auto final = [](int m, int v) { return m < v ? std::pair{3, 0} : std::pair{1, 0}; };
    JogarData(jogo, 11, final);
    EXPECT_EQ(Titulos(jogo), 0);
    EXPECT_EQ(jogo.times[a[0]].pontos[kEstadual], 30); // the final counts for no table
    JogarData(jogo, 12, final);
    EXPECT_EQ(jogo.estado.contadores.rodadaestadual, 8);

    for (int s : {1, 9}) {
        const auto& g = s == 1 ? a : b;
        const TEstadual& e = jogo.estaduais[s];
        EXPECT_TRUE(e.encerrado);
        EXPECT_EQ(e.campeao, g[0]);
        EXPECT_FALSE(jogo.times[g[0]].jogaestadual);
        EXPECT_FALSE(jogo.times[g[1]].jogaestadual);
    }
    ASSERT_EQ(Titulos(jogo), 4);
    const TTituloHistorico& t = jogo.historicotitulos[0];
    EXPECT_EQ(t.competicao, kEstadual);
    EXPECT_EQ(t.time, a[0]);
    EXPECT_EQ(t.chave, 1);
    EXPECT_EQ(t.lugar, 1);
    EXPECT_EQ(t.divisao, -1);
    EXPECT_EQ(jogo.historicotitulos[1].time, a[1]);
    EXPECT_EQ(jogo.historicotitulos[1].lugar, 2);

    ClassificarEstaduais(jogo);
    EXPECT_EQ(Titulos(jogo), 4);
    EXPECT_EQ(jogo.partidas.size(), 3u * 30u + 4u);

    // Next season: group 2's winner goes up, group 1's last comes down.
    NovaTemporadaEstadual(jogo);
    EXPECT_TRUE(Grupo(jogo, 1, 1).count(a[6]));
    EXPECT_TRUE(Grupo(jogo, 1, 2).count(a[5]));
    EXPECT_FALSE(jogo.estaduais[1].encerrado);
    EXPECT_EQ(jogo.estaduais[1].campeao, -1);
    EXPECT_EQ(jogo.estaduais[1].finalistas[0], -1);
    EXPECT_TRUE(jogo.times[a[0]].jogaestadual);
}

namespace {

// A state whose final is ready: clubs 0 (winner) and 1 (runner-up).
struct Final {
    Jogo jogo = NovoMundo();
    int vice = -1, lider = -1, ida = -1, volta = -1;
    Final() {
        const auto c = Clubes(jogo, 0, 6);
        FormarEstaduais(jogo);
        lider = c[0];
        vice = c[1];
        TEstadual& e = jogo.estaduais[0];
        e.finalistas[0] = lider;
        e.finalistas[1] = vice;
        ida = AdicionarPartida(jogo, vice, lider, 8, -1, 1, 0, kEstadual, 1);
        volta = AdicionarPartida(jogo, lider, vice, 8, -1, 2, 0, kEstadual, 2);
        jogo.estado.contadores.turnoestadual = 2;
        jogo.estado.contadores.rodadaestadual = 8;
    }
    int Decidir(int g1vice, int g1lider, int g2lider, int g2vice) {
        TPartida &i = jogo.partidas[ida], &v = jogo.partidas[volta];
        i.golsmandante = g1vice, i.golsvisitante = g1lider, i.jogado = 1;
        v.golsmandante = g2lider, v.golsvisitante = g2vice, v.jogado = 1;
        ClassificarEstaduais(jogo);
        return jogo.estaduais[0].campeao;
    }
};

} // namespace

TEST(Estaduais, FinalIsDecidedAsATwoLeggedTie) {
    EXPECT_EQ(Final().Decidir(0, 2, 0, 0), Final().lider);
    EXPECT_EQ(Final().Decidir(1, 0, 0, 0), Final().vice);
    EXPECT_EQ(Final().Decidir(3, 0, 1, 0), Final().vice);  // a win each, more goals
    EXPECT_EQ(Final().Decidir(1, 0, 2, 1), Final().vice);  // away goals
    EXPECT_EQ(Final().Decidir(1, 2, 0, 1), Final().lider); // away goals, the other way
}

TEST(Estaduais, LevelFinalUsesTheStoredShootOutOrDrawsOne) {
    Final f;
    f.jogo.partidas[f.ida].penaltismandante = 3;
    f.jogo.partidas[f.ida].penaltisvisitante = 4;
    EXPECT_EQ(f.Decidir(1, 1, 1, 1), f.lider);
    EXPECT_EQ(f.jogo.historicotitulos.size(), 2u);
    EXPECT_EQ(f.jogo.historicotitulos[1].time, f.vice);

    Final g;
    g.jogo.partidas[g.ida].penaltismandante = 5;
    g.jogo.partidas[g.ida].penaltisvisitante = 4;
    EXPECT_EQ(g.Decidir(2, 2, 2, 2), g.vice);

    // None kept by the runner: drawn now and kept with the first leg.
    Final h;
    const int campeao = h.Decidir(0, 0, 0, 0);
    const TPartida& ida = h.jogo.partidas[h.ida];
    ASSERT_NE(ida.penaltismandante, ida.penaltisvisitante);
    EXPECT_EQ(campeao, ida.penaltismandante > ida.penaltisvisitante ? h.vice : h.lider);
    ClassificarEstaduais(h.jogo); // the same champion, not drawn again
    EXPECT_EQ(h.jogo.historicotitulos.size(), 2u);
    EXPECT_EQ(h.jogo.estaduais[0].campeao, campeao);
}

TEST(Estaduais, FinalWaitsForItsSecondLeg) {
    Final f;
    f.jogo.partidas[f.ida].jogado = 1;
    ClassificarEstaduais(f.jogo);
    EXPECT_FALSE(f.jogo.estaduais[0].encerrado);
    EXPECT_TRUE(f.jogo.historicotitulos.empty());
}

TEST(Estaduais, StateShownFirst) {
    Jogo jogo = NovoMundo();
    EXPECT_EQ(PrimeiroEstadoMostrado(jogo), 0);
    Clubes(jogo, 14, 6);
    FormarEstaduais(jogo);
    EXPECT_EQ(PrimeiroEstadoMostrado(jogo), 14);
    Clubes(jogo, 10, 6);
    Clubes(jogo, 18, 6);
    FormarEstaduais(jogo);
    EXPECT_EQ(PrimeiroEstadoMostrado(jogo), 18);
    Clubes(jogo, 0, 6);
    FormarEstaduais(jogo);
    EXPECT_EQ(PrimeiroEstadoMostrado(jogo), 0);
    Clube(jogo, 14, kCasa, true); // seventh club of 14: sits out, no human state
    FormarEstaduais(jogo);
    EXPECT_EQ(PrimeiroEstadoMostrado(jogo), 0);
    jogo.times[0].humano = 1; // a club of state 14, ahead of state 0
    FormarEstaduais(jogo);
    EXPECT_EQ(PrimeiroEstadoMostrado(jogo), 14);
}
