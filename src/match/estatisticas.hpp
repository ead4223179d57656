#pragma once
// The player statistics recorder: history record, per-competition counters,
// and what cards and injuries cost a player.
#include "world/jogo.hpp"

namespace match {

enum class Estatistica {
    Jogo,     // "j"
    Gol,      // "g"
    Amarelo,  // "ca"
    Vermelho, // "cv": suspension drawn here
    Contusao, // "ct": weeks out and strength lost drawn here
};

// Records one statistic of player `jogador` in competition `tipo` on date `hoje`.
// A long suspension or an injury of a human club's player goes to its
// mailbox at once.
void RegistrarEstatistica(world::Jogo& jogo, int jogador, Estatistica e, int tipo, double hoje);

// Gives the player a history record if he has none yet (the match set-up does
// it for everyone involved, so the minute step never grows the table).
void GarantirHistorico(world::Jogo& jogo, int jogador);

} // namespace match
