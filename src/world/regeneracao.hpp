#pragma once
// A retiring player's record becomes a young newcomer of the same club.
#include "world/jogo.hpp"

#include <string_view>

namespace world {

// Rewrites player `indice` in place. An empty name keeps the old one; position
// -1 keeps the position and both characteristics. Index, club, nationality,
// shirt number, role and history record stay. `hoje` is the current date.
void renovajogador(Jogo& jogo, int indice, std::string_view nome, int posicao, double hoje);

} // namespace world
