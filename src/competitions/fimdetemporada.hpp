#pragma once
// The end of a season: accounts reset, promotion and relegation, counters
// cleared, players aged, the season counter advanced and the next season's
// calendar, fixtures and draws built.
#include "world/jogo.hpp"

namespace competitions {

// Prepares the next season, in its fixed order. Run once, when the season-end
// screen opens.
void FimDeTemporada(world::Jogo& jogo);

// Promotion and relegation of league `liga` from its final tables, with the
// newcomers from the country's clubs outside the divisions.
void PromoverERebaixar(world::Jogo& jogo, int liga);

// At the end of the league (after its last date): prizes, and first and
// second of every division into the history.
void EncerrarLiga(world::Jogo& jogo);

} // namespace competitions
