#pragma once
// Worlds for the match commands: the one a new game loads from a data folder,
// and a small invented one built in memory.
#include "competitions/novojogo.hpp"
#include "sim/comandos.hpp"
#include "world/clubes.hpp"
#include "world/jogo.hpp"

#include <cstdint>
#include <string>

namespace sim {

// The options of a new game read from --dados, --ligas (codes, or all),
// --divisoes and --semente; returns an error text, empty on success.
struct OpcoesMundo {
    competitions::OpcoesNovoJogo novojogo;
    world::IndiceTimes indice;
    std::uint64_t semente = 1;
};
std::string LerOpcoesMundo(const Argumentos& args, OpcoesMundo& o);

// A new game for the autopilot: the options above with --humanos,
// --estaduais and --sem-copa, every human on a club of division 1, then the
// whole initialisation.
std::string NovoJogoDoAutopiloto(const Argumentos& args, world::Jogo& jogo);

// Loads the world of --dados, --ligas, --divisoes and --semente as a new game
// does; returns an error text, empty on success.
std::string CarregarMundo(const Argumentos& args, world::Jogo& jogo);

// `clubes` clubs (even) of 22 players each, levels and strengths spread out,
// two divisions of one league, every club computer-run.
void MundoDeBench(world::Jogo& jogo, int clubes, std::uint64_t semente);

// Parses a non-negative integer option; false when given but not a number.
bool LerInteiro(const Argumentos& args, const std::string& nome, std::uint64_t& valor);

} // namespace sim
