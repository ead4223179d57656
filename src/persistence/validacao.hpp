#pragma once
// What the loader accepts: every index the game follows in range, counters
// and money within what play can produce, the tournament record agreeing
// with the tables, and the rules a running game never breaks. The save runs
// the same check, so a game is never written that could not be read back.
#include "world/jogo.hpp"

namespace persistence {

// Counters of the competitions' progress stay small; gauges, seats and
// season counts far below the point where adding to them overflows.
constexpr world::i32 kContadorMaximo = 64;
constexpr world::i32 kValorMaximo = 100'000'000;

bool JogoAceitavel(const world::Jogo& jogo);

} // namespace persistence
