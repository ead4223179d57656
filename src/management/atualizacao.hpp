#pragma once
// The main screen's refresh as the game sees it.
#include "world/jogo.hpp"

namespace management {

// What a refresh of the main screen does to the game for club `timeatual`
// before the screen reads it: stadium works due by today end; unless
// `semeventos`, the fixed-price sales and the World Cup announcement; the
// contract warnings and automatic renewals.
void AtualizarTelaPrincipal(world::Jogo& jogo);

} // namespace management
