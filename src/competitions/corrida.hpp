#pragma once
// A league division's season replayed matchday by matchday from its fixtures:
// where each club stood and how many points it had after every matchday
// played, ranked by the same comparison as the table.
#include "world/jogo.hpp"

#include <vector>

namespace competitions {

struct CorridaDaDivisao {
    std::vector<int> clubes; // the division's clubs, in slot order
    int rodadas = 0;         // matchdays played so far
    // Per club (as `clubes`), per matchday played: place (1 = top) and points.
    std::vector<std::vector<int>> posicoes;
    std::vector<std::vector<int>> pontos;
};

// Division `divisao` (1-based) of league `liga`. A matchday counts once any of
// its matches has been played; all of a division's matches share its date.
CorridaDaDivisao RefazerCorrida(const world::Jogo& jogo, int liga, int divisao);

} // namespace competitions
