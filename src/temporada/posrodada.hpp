#pragma once
// After the matches: energy comes back, and on league and state dates the
// players grow or decline a little.
#include "world/jogo.hpp"

#include <span>
#include <vector>

namespace temporada {

// Energy a player gets back after a match, by age and whether he took part.
int EnergiaRecuperada(int idade, bool atuou);

// The recovery of one player after his club's match: a computer-run club's
// player back in his own position and default role, energy back (at most
// 100), `atuou` cleared.
void RecuperarEnergia(world::Jogo& jogo, int jogador);

// The evolution of the date for the players of `jogadores`, run once after all
// matches of a league date (code 1: clubs with a division) or a state date
// (code 3: every club). `tomouparte` is indexed by player and tells who took
// part in the date, since the recovery has cleared `atuou` by then.
void EvoluirJogador(world::Jogo& jogo, int jogador, bool tomouparte);
void EvoluirJogadores(world::Jogo& jogo, int codigo, const std::vector<char>& tomouparte);

// The lineup records belong to one date: after it every club starts the next
// date without one, and the table does not grow from date to date.
void EsvaziarEscalacoes(world::Jogo& jogo);

} // namespace temporada
