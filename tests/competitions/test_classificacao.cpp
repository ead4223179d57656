#include "competitions/classificacao.hpp"
#include "match/construtores.hpp"
#include "temporada/executor.hpp"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

using namespace competitions;
using namespace world;

namespace {

int NovoClube(Jogo& jogo) {
    jogo.times.push_back(NovoTime());
    return static_cast<int>(jogo.times.size()) - 1;
}

std::vector<int> NovosClubes(Jogo& jogo, int n) {
    std::vector<int> r;
    for (int i = 0; i < n; ++i) r.push_back(NovoClube(jogo));
    return r;
}

// A league of the given division sizes, clubs in slot order.
int Liga(Jogo& jogo, std::initializer_list<int> tamanhos) {
    jogo.ligas.push_back(NovaLiga(static_cast<int>(jogo.ligas.size())));
    const int idx = static_cast<int>(jogo.ligas.size()) - 1;
    int d = 0;
    for (int n : tamanhos) {
        for (int s = 0; s < n; ++s) {
            const int c = NovoClube(jogo);
            jogo.ligas[idx].divisoes[d][s] = jogo.ligas[idx].ordem[d][s] = c;
            jogo.times[c].divisao = d + 1;
        }
        ++d;
    }
    jogo.ligas[idx].numdivisoes = d;
    return idx;
}

std::vector<int> Ordem(const std::vector<TLinhaTabela>& linhas) {
    std::vector<int> r;
    for (const auto& l : linhas) r.push_back(l.time);
    return r;
}

struct Resultado {
    int mandante, visitante, gm, gv;
};

// A table computed straight from the results, to hold the counters against.
struct Esperado {
    int pontos = 0, jogos = 0, vitorias = 0, empates = 0, derrotas = 0, pro = 0, contra = 0;
};
std::map<int, Esperado> DosResultados(const std::vector<Resultado>& rs) {
    std::map<int, Esperado> m;
    auto lado = [&](int c, int pro, int contra) {
        Esperado& e = m[c];
        ++e.jogos;
        e.pro += pro;
        e.contra += contra;
        if (pro > contra) ++e.vitorias;
        if (pro == contra) ++e.empates;
        if (pro < contra) ++e.derrotas;
        e.pontos = 3 * e.vitorias + e.empates;
    };
    for (const Resultado& r : rs) {
        lado(r.mandante, r.gm, r.gv);
        lado(r.visitante, r.gv, r.gm);
    }
    return m;
}

void ConferirComResultados(const Jogo& jogo, int codigo, const std::vector<Resultado>& rs) {
    for (const auto& [c, e] : DosResultados(rs)) {
        const TLinhaTabela l = LinhaDoTime(jogo, codigo, c);
        EXPECT_EQ(l.pontos, e.pontos) << "club " << c;
        EXPECT_EQ(l.jogos, e.jogos) << "club " << c;
        EXPECT_EQ(l.vitorias, e.vitorias) << "club " << c;
        EXPECT_EQ(l.empates, e.empates) << "club " << c;
        EXPECT_EQ(l.derrotas, e.derrotas) << "club " << c;
        EXPECT_EQ(l.golspro, e.pro) << "club " << c;
        EXPECT_EQ(l.golscontra, e.contra) << "club " << c;
        EXPECT_EQ(l.saldo, e.pro - e.contra) << "club " << c;
    }
}

// Every pair of a group meets once, random scores.
std::vector<Resultado> TodosContraTodos(const std::vector<int>& clubes, std::mt19937& g) {
    std::vector<Resultado> rs;
    std::uniform_int_distribution<int> gols(0, 4);
    for (std::size_t i = 0; i < clubes.size(); ++i)
        for (std::size_t j = i + 1; j < clubes.size(); ++j)
            rs.push_back(
                {clubes[(i + j) % 2 ? i : j], clubes[(i + j) % 2 ? j : i], gols(g), gols(g)});
    return rs;
}

} // namespace

TEST(Classificacao, ADrawIsCountedForBothClubsInItsCompetitionOnly) {
    Jogo jogo;
    const auto c = NovosClubes(jogo, 2);
    ContarResultado(jogo, 3, 1, c[0], c[1], 2, 2);
    ConferirComResultados(jogo, 3, {{c[0], c[1], 2, 2}});
    for (int x : c) {
        EXPECT_EQ(jogo.times[x].pontos[3], 1);
        EXPECT_EQ(LinhaDoTime(jogo, 3, x).empates, 1);
        for (int t = 0; t < kTiposCompeticao; ++t) EXPECT_EQ(jogo.times[x].jogos[t], t == 3);
        EXPECT_EQ(jogo.times[x].ultimoresultado, 0);
    }
    ContarResultado(jogo, 1, 1, c[0], c[1], 0, 1);
    EXPECT_EQ(jogo.times[c[0]].ultimoresultado, 2);
    EXPECT_EQ(jogo.times[c[1]].ultimoresultado, 1);
}

TEST(Classificacao, KnockoutMatchesAndCompetitionsWithoutATableChangeNoCounters) {
    struct Caso {
        int codigo, fase;
        bool conta;
    };
    const Caso casos[] = {
        {0, 1, false},                               // friendly
        {2, 1, false},                               // national cup
        {5, 1, false},                               // club world cup
        {3, 5, true},  {3, 6, false}, {3, 7, false}, // state groups, then the final
        {4, 3, true},  {4, 4, false}, {6, 1, true},  {6, 7, false},
        {7, 3, true},  {8, 4, false}, {9, 1, true},  {1, 99, true},
    };
    for (const Caso& k : casos) {
        Jogo jogo;
        const auto c = NovosClubes(jogo, 2);
        ContarResultado(jogo, k.codigo, k.fase, c[0], c[1], 1, 0);
        EXPECT_EQ(ContaParaTabela(k.codigo, k.fase), k.conta) << k.codigo << "/" << k.fase;
        EXPECT_EQ(jogo.times[c[0]].jogos[k.codigo], k.conta ? 1 : 0) << k.codigo << "/" << k.fase;
        EXPECT_EQ(jogo.times[c[1]].golspro[k.codigo], 0);
        EXPECT_EQ(jogo.times[c[1]].golscontra[k.codigo], k.conta ? 1 : 0);
    }
}

TEST(Classificacao, TiesArePointsThenGoalDifferenceThenGoalsScoredThenWins) {
    Jogo jogo;
    // a, b, c, d level on 6 points. a: +2; b: +1 with 3 goals from one win;
    // c: +1 with 2 goals from two wins; d: the same goals from one win.
    const auto x = NovosClubes(jogo, 6);
    const int a = x[0], b = x[1], c = x[2], d = x[3], e = x[4], f = x[5];
    const std::vector<Resultado> rs = {
        {a, f, 2, 0}, {a, f, 1, 0}, {f, a, 1, 0},               // a: 6 pts, 3-1
        {b, f, 1, 0}, {f, b, 1, 1}, {b, f, 1, 1}, {b, f, 0, 0}, // b: 6 pts, 3-2, 1 win
        {c, f, 1, 0}, {c, f, 1, 0}, {f, c, 1, 0},               // c: 6 pts, 2-1, 2 wins
        {d, f, 1, 0}, {d, f, 1, 1}, {f, d, 0, 0}, {d, f, 0, 0}, // d: 6 pts, 2-1, 1 win
        {e, f, 5, 0}, {e, f, 5, 0},                             // e: 6 pts, 10-0
    };
    for (const Resultado& r : rs) ContarResultado(jogo, 1, 0, r.mandante, r.visitante, r.gm, r.gv);
    ContarResultado(jogo, 1, 0, f, e, 0, 0); // e: a draw more, the most points
    // f, everybody's opponent, stays out of it.
    EXPECT_EQ(Ordem(Tabela(jogo, 1, std::vector<int>{d, c, b, a, e})),
              (std::vector<int>{e, a, b, c, d}));
    EXPECT_EQ(LinhaDoTime(jogo, 1, d).empates, 3);

    // Nothing further: level on all four keys compares equal, whatever the
    // matches played or the meetings between them.
    TLinhaTabela p = LinhaDoTime(jogo, 1, c), q = p;
    q.time = d;
    q.jogos += 2;
    q.derrotas += 2;
    EXPECT_EQ(Comparar(p, q), 0);
    EXPECT_LT(Comparar(LinhaDoTime(jogo, 1, c), LinhaDoTime(jogo, 1, d)), 0);
    EXPECT_GT(Comparar(LinhaDoTime(jogo, 1, d), LinhaDoTime(jogo, 1, c)), 0);
}

TEST(Classificacao, TheLeagueTableAgreesWithTheResultsAfterSeveralMatchdays) {
    Jogo jogo;
    jogo.estado.divisoesporliga = 4;
    const int l0 = Liga(jogo, {10, 10});
    const int l1 = Liga(jogo, {9}); // one slot left empty

    // Before any match every row is level: the first ranking keeps the slots'
    // order.
    ClassificarLiga(jogo);
    for (int s = 0; s < 10; ++s)
        EXPECT_EQ(jogo.ligas[l0].ordem[1][s], jogo.ligas[l0].divisoes[1][s]);
    EXPECT_EQ(jogo.times[jogo.ligas[l0].divisoes[0][7]].colocacao[1], 8);

    std::mt19937 g(7);
    std::vector<Resultado> todos;
    for (int rodada = 0; rodada < 3; ++rodada) // three rounds of everyone against everyone
        for (const TLiga& l : jogo.ligas)
            for (int d = 0; d < l.numdivisoes; ++d) {
                std::vector<int> clubes;
                for (int s = 0; s < 10; ++s)
                    if (l.divisoes[d][s] >= 0) clubes.push_back(l.divisoes[d][s]);
                for (const Resultado& r : TodosContraTodos(clubes, g)) {
                    ContarResultado(jogo, 1, 0, r.mandante, r.visitante, r.gm, r.gv);
                    todos.push_back(r);
                }
            }
    ClassificarLiga(jogo);
    ConferirComResultados(jogo, 1, todos);

    for (int li : {l0, l1}) {
        const TLiga& l = jogo.ligas[li];
        for (int d = 0; d < l.numdivisoes; ++d) {
            std::set<int> vistos;
            const int n = li == l1 ? 9 : 10;
            for (int k = 0; k < n; ++k) {
                const int c = l.ordem[d][k];
                ASSERT_GE(c, 0);
                EXPECT_EQ(jogo.times[c].colocacao[1], k + 1);
                EXPECT_EQ(jogo.times[c].divisao, d + 1);
                vistos.insert(c);
                if (k > 0) {
                    EXPECT_LE(
                        Comparar(LinhaDoTime(jogo, 1, l.ordem[d][k - 1]), LinhaDoTime(jogo, 1, c)),
                        0);
                }
            }
            EXPECT_EQ(vistos.size(), static_cast<std::size_t>(n));
            for (int k = n; k < 20; ++k) EXPECT_EQ(l.ordem[d][k], -1);
        }
    }
}

TEST(Classificacao, DivisionsOfTwentyRankAllTwentySlots) {
    Jogo jogo;
    jogo.estado.divisoesporliga = 2;
    const int li = Liga(jogo, {20});
    const TLiga& l = jogo.ligas[li];
    const int ultimo = l.divisoes[0][19];
    ContarResultado(jogo, 1, 0, ultimo, l.divisoes[0][0], 4, 0);
    ClassificarLiga(jogo);
    EXPECT_EQ(l.ordem[0][0], ultimo);
    EXPECT_EQ(jogo.times[ultimo].colocacao[1], 1);
    EXPECT_EQ(l.ordem[0][19], l.divisoes[0][0]);
    EXPECT_EQ(jogo.times[l.divisoes[0][0]].colocacao[1], 20);
}

TEST(Classificacao, StateGroupsAreRankedEachOnItsOwn) {
    Jogo jogo;
    const std::vector<std::vector<int>> grupos = {NovosClubes(jogo, 6), NovosClubes(jogo, 6)};
    std::mt19937 g(11);
    std::vector<Resultado> todos;
    for (const auto& grupo : grupos)
        for (const Resultado& r : TodosContraTodos(grupo, g)) {
            ContarResultado(jogo, 3, 2, r.mandante, r.visitante, r.gm, r.gv);
            todos.push_back(r);
        }
    ClassificarGrupos(jogo, 3, grupos);
    ConferirComResultados(jogo, 3, todos);
    for (const auto& grupo : grupos) {
        const auto ordem = Ordem(Tabela(jogo, 3, grupo));
        for (std::size_t k = 0; k < ordem.size(); ++k) {
            EXPECT_EQ(jogo.times[ordem[k]].colocacao[3], static_cast<int>(k + 1));
            EXPECT_EQ(jogo.times[ordem[k]].colocacao[1], 0); // the league's place untouched
        }
    }

    // A group with an empty slot ranks the clubs it has.
    const auto c = NovosClubes(jogo, 2);
    ContarResultado(jogo, 3, 1, c[1], c[0], 1, 0);
    EXPECT_EQ(ClassificarGrupo(jogo, 3, std::vector<int>{c[0], -1, c[1]}),
              (std::vector<int>{c[1], c[0]}));
    EXPECT_EQ(jogo.times[c[0]].colocacao[3], 2);
}

namespace {

// Clubs that can take the pitch, and a runner playing today's fixtures at once.
struct Rodada {
    Jogo jogo;
    std::vector<TPartida> partidas;
    temporada::ExecucaoRodada ex;
    match::InteracaoPadrao interacao;

    Rodada() {
        jogo.gerador.Semear(5);
        jogo.estado.temporada = 1;
        jogo.estado.divisoesporliga = 4;
        jogo.precospadrao = {
            {{1, 5, 15, 30}, {10, 15, 25, 80}, {7, 13, 20, 70}, {5, 12, 17, 40}, {3, 10, 15, 30}}};
        ex.partidas = &partidas;
        ex.semtela = true;
        ex.rodada.interacao = &interacao;
    }
    int Clube() {
        const int c = construtores::ClubePadrao(jogo);
        for (int s = 0; s < 4; ++s) jogo.times[c].capacidade[s] = 5000;
        return c;
    }
    void Partida(int h, int v, int codigo, int grupo, double data) {
        TPartida f;
        f.mandante = h;
        f.visitante = v;
        f.competicao = codigo;
        f.grupo = grupo;
        f.data = data;
        partidas.push_back(f);
    }
    std::vector<Resultado> Jogar(int codigo, double data) {
        const std::size_t antes = partidas.size();
        temporada::JogarData(jogo, ex, codigo, data,
                             temporada::PartidasDoDia(partidas, codigo, data));
        std::vector<Resultado> rs;
        for (std::size_t i = 0; i < antes; ++i) {
            const TPartida& f = partidas[i];
            if (f.competicao == codigo && f.data == data) {
                EXPECT_TRUE(f.jogado);
                rs.push_back({f.mandante, f.visitante, f.golsmandante, f.golsvisitante});
            }
        }
        return rs;
    }
};

} // namespace

TEST(Classificacao, ADateThroughTheRunnerUpdatesTheTableButAStateFinalDoesNot) {
    Rodada r;
    r.jogo.ligas.push_back(NovaLiga(0));
    TLiga& liga = r.jogo.ligas[0];
    liga.numdivisoes = 1;
    std::vector<int> c;
    for (int s = 0; s < 4; ++s) {
        c.push_back(r.Clube());
        liga.divisoes[0][s] = liga.ordem[0][s] = c.back();
    }
    const double dia1 = construtores::kHoje, dia2 = dia1 + 3, dia3 = dia1 + 4;
    r.Partida(c[0], c[1], 1, 0, dia1);
    r.Partida(c[2], c[3], 1, 0, dia1);
    r.Partida(c[1], c[2], 1, 0, dia2);
    r.Partida(c[3], c[0], 1, 0, dia2);
    std::vector<Resultado> todos = r.Jogar(1, dia1);
    ASSERT_EQ(todos.size(), 2u);
    ConferirComResultados(r.jogo, 1, todos);
    const auto dia2rs = r.Jogar(1, dia2);
    todos.insert(todos.end(), dia2rs.begin(), dia2rs.end());
    ASSERT_EQ(todos.size(), 4u);
    ConferirComResultados(r.jogo, 1, todos);
    for (int x : c) EXPECT_EQ(r.jogo.times[x].jogos[1], 2);
    ClassificarLiga(r.jogo);
    EXPECT_EQ(Ordem(Tabela(r.jogo, 1, c)),
              std::vector<int>(std::begin(liga.ordem[0]), std::begin(liga.ordem[0]) + 4));

    // A state group matchday counts; the state final (matchday 6) does not.
    r.jogo.estado.contadores.rodadaestadual = 5;
    r.jogo.estado.contadores.turnoestadual = 2;
    r.Partida(c[0], c[1], 3, 4, dia3);
    const auto grupo = r.Jogar(3, dia3);
    ConferirComResultados(r.jogo, 3, grupo);
    EXPECT_EQ(r.jogo.estado.contadores.rodadaestadual, 6);
    const TTime antes = r.jogo.times[c[1]];
    r.Partida(c[1], c[0], 3, 4, dia3 + 3);
    r.Jogar(3, dia3 + 3);
    EXPECT_EQ(r.jogo.times[c[1]].jogos[3], antes.jogos[3]);
    EXPECT_EQ(r.jogo.times[c[1]].golspro[3], antes.golspro[3]);
    EXPECT_EQ(r.jogo.times[c[1]].pontos[3], antes.pontos[3]);
}
