#pragma once
// Worlds for the match commands: the one a new game loads from a data folder,
// and a small invented one built in memory.
#include "sim/comandos.hpp"
#include "world/jogo.hpp"

#include <cstdint>
#include <string>

namespace sim {

// Loads the world of --dados, --ligas, --divisoes and --semente as a new game
// does; returns an error text, empty on success.
std::string CarregarMundo(const Argumentos& args, world::Jogo& jogo);

// `clubes` clubs (even) of 22 players each, levels and strengths spread out,
// two divisions of one league, every club computer-run.
void MundoDeBench(world::Jogo& jogo, int clubes, std::uint64_t semente);

// Parses a non-negative integer option; false when given but not a number.
bool LerInteiro(const Argumentos& args, const std::string& nome, std::uint64_t& valor);

} // namespace sim
