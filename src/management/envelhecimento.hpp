#pragma once
// Players growing old: a year older every season, computer-run veterans
// retiring by chance, the human's own retirements, and the rare death of a
// very old player after training.
#include "world/jogo.hpp"

#include <string_view>

namespace management {

// Season start: every player with a club a year older; computer-run clubs
// take players off the transfer list and retire veterans at random, each
// replaced in his record by a junior.
void EnvelhecerJogadores(world::Jogo& jogo);

// Chance in percent that a computer-run player of this age and position
// retires at the season start.
int ChanceDeAposentar(int idade, int posicao);

// The human's retirement button is enabled from this age.
bool PodeAposentar(const world::TJogador& j);
// Retires player `jogador` (32 or older) and promotes a junior with the name
// typed and the position chosen (-1 keeps the player's). Returns false, and
// nothing happens, when the name is empty or the player is too young.
bool Aposentar(world::Jogo& jogo, int jogador, std::string_view nome, int posicao);

// The death of an old player of club `time` (league dates): returns the
// player who died, or 0 when nobody did.
int MorteJogador(world::Jogo& jogo, int time);

} // namespace management
