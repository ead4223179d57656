#pragma once
// The end of a season: accounts reset, promotion and relegation, counters
// cleared, players aged, the season counter advanced and the next season's
// calendar, fixtures and draws built.
#include "world/jogo.hpp"

#include <string>

namespace temporada {

// Prepares the next season, in its fixed order. Run once, when the season-end
// screen opens. False, with nothing changed, after the last season a game
// has (kTemporadaMaxima): the game is over and stays on its season end.
bool FimDeTemporada(world::Jogo& jogo);
// What the season-end screen says when there is no next season (UTF-8).
std::string TextoUltimaTemporada();

// At the end of the league (after its last date): prizes, and first and
// second of every division into the history.
void EncerrarLiga(world::Jogo& jogo);

} // namespace temporada
