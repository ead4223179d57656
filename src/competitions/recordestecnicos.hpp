#pragma once
// The coaches' records: a row per season of matches, wins, draws, losses and
// titles, and the ranking points the coach rankings sort by.
//
// Points, the way this game counts them: a win is worth 3 and a draw 1 in the
// country ranking (`pontos`), whatever the competition. The world ranking
// (`pontosmundial`) weighs the same points by how hard the competition is: a
// league match by its division (first 3, second 2, lower 1), the national cup
// 2, the state championship 1, the second continental cup 4, the first 5 and
// the club world cup 6. A title adds a bonus by competition (league and
// national cup 30, state championship 15, second continental cup 45, first
// continental cup 60, club world cup 80) to `pontos`, and the bonus times the
// same weight to `pontosmundial`.
#include "world/jogo.hpp"

namespace competitions {

// Rows of a coach's career statistics (entry 0 of each is the career total,
// 1..10 the seasons, the last in 10).
enum LinhaTecnico { kTecJogos = 0, kTecVitorias, kTecEmpates, kTecDerrotas, kTecTitulos };

// A match of competition `codigo` (club competitions 1..6) played by both
// clubs' coaches.
void ContarJogoDoTecnico(world::Jogo& jogo, int codigo, int mandante, int visitante,
                         int golsmandante, int golsvisitante);
// Coach `tecnico` of club `time` won competition `competicao` (division
// `divisao` for the league).
void ContarTituloDoTecnico(world::Jogo& jogo, int competicao, int tecnico, int divisao);

// The weight of a competition in the world ranking.
int PesoMundial(int competicao, int divisao);

} // namespace competitions
