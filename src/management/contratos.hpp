#pragma once
// Players' contracts: a new contract, and the warnings and automatic renewals
// of the main screen's refresh.
#include "world/jogo.hpp"

namespace management {

// A contract of `semanas` weeks from today; the end-of-contract warning is
// cleared.
void NovoContrato(world::Jogo& jogo, int jogador, int semanas);

// At every refresh of the main screen, for each player of club `clube`:
// with `opcontrato` an ended contract is renewed for 12 weeks at the same
// salary; by `opemails` the mail that a contract ends in less than 21 days
// (0 or 2) or has ended (0 or 1), each once.
void AvisosContrato(world::Jogo& jogo, int clube);

} // namespace management
