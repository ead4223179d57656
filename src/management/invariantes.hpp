#pragma once
// The rules a running game never breaks, checked from the outside: used by
// the long tests after every date and by `pitchlord-sim jogar --verificar`.
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace management {

// Every broken rule found, one line each; empty when the game is sound.
std::vector<std::string> VerificarInvariantes(const world::Jogo& jogo);

} // namespace management
