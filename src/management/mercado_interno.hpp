#pragma once
// What the market's files share.
#include "world/jogo.hpp"

#include <cstdint>
#include <vector>

namespace management::mercado {

// A league or extra club: one with money, not a national team of a tournament.
bool ClubeDoMercado(const world::Jogo& jogo, int c);
bool JogadorValido(const world::Jogo& jogo, int j);
// The club's players in player order (a scan of the whole table: for the
// human's operations, not for batches).
std::vector<int> JogadoresDoClube(const world::Jogo& jogo, int clube);
world::i32 Saturar(std::int64_t v);

} // namespace management::mercado
