#pragma once
// What a club has taken at its home gates this season, match by match on
// average, to set against its weekly wage bill.
#include "world/jogo.hpp"

namespace management {

// The club's average share of the gate over the home matches of club
// competitions it has played this season (half the gate in the national cup,
// where the clubs share it); 0 before the first.
int RendaMediaEmCasa(const world::Jogo& jogo, int clube);

} // namespace management
