#pragma once
// Standings: the per-club counters a result adds to, the one comparison every
// table is sorted by, and the rankings of the league divisions and of groups.
#include "world/jogo.hpp"

#include <span>
#include <vector>

namespace competitions {

// One row of a table, in the order the screens show it (PG J V E D GP GC SG).
struct TLinhaTabela {
    world::i32 time = -1;
    world::i32 pontos = 0;
    world::i32 jogos = 0;
    world::i32 vitorias = 0;
    world::i32 empates = 0; // not kept by the club: jogos - vitorias - derrotas
    world::i32 derrotas = 0;
    world::i32 golspro = 0;
    world::i32 golscontra = 0;
    world::i32 saldo = 0;
    world::i32 reserva = 0;
};

// Whether a match of competition `codigo` goes into its table. `fase` is the
// competition's own counter: the state matchday (6 and 7 are the final), the
// continental phase or the tournament phase (4 on is the knockout); the league
// ignores it. Friendlies, the national cup and the club world cup keep none.
bool ContaParaTabela(int codigo, int fase);

// Adds a result to both clubs' counters of competition `codigo` when it counts
// (ContaParaTabela): 3 points a win, 1 each for a draw, goals both ways.
void ContarResultado(world::Jogo& jogo, int codigo, int fase, int mandante, int visitante,
                     int golsmandante, int golsvisitante);

// A club's row in the table of competition `codigo`.
TLinhaTabela LinhaDoTime(const world::Jogo& jogo, int codigo, int time);

// The order of two rows: negative when `a` goes above `b`, positive when
// below, 0 when level on points, goal difference, goals scored and wins.
// Nothing else separates clubs, head-to-head included.
int Comparar(const TLinhaTabela& a, const TLinhaTabela& b);
// A match of `pro` goals for and `contra` against added to a row: 3 points a
// win, 1 a draw.
void SomarResultado(TLinhaTabela& linha, int pro, int contra);

// The sorted table of the given clubs (empty slots, -1, left out). Rows level
// on every key keep the order of the list.
std::vector<TLinhaTabela> Tabela(const world::Jogo& jogo, int codigo, std::span<const int> clubes);

// Ranks every division of every league: `colocacao[1]` of each club and the
// league's `ordem` row of the division, places past the last club -1.
void ClassificarLiga(world::Jogo& jogo);

// Ranks one group of any competition (state, continental, tournament):
// `colocacao[codigo]` = 1..n in table order. Returns the clubs in that order.
std::vector<int> ClassificarGrupo(world::Jogo& jogo, int codigo, std::span<const int> clubes);
// Every group of a competition, each ranked on its own.
void ClassificarGrupos(world::Jogo& jogo, int codigo, std::span<const std::vector<int>> grupos);

} // namespace competitions
