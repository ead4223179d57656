#pragma once
// Promotion and relegation between the divisions of a league at the season end.
#include "world/jogo.hpp"

namespace competitions {

// Promotion and relegation of league `liga` from its final tables, with the
// newcomers from the country's clubs outside the divisions.
void PromoverERebaixar(world::Jogo& jogo, int liga);

} // namespace competitions
