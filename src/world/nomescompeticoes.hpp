#pragma once
// The league and the national cup of a country as a running game names them.
// The language names every country's competitions; the custom championship
// has one league and one cup of its own, and they must not read alike.
#include "world/jogo.hpp"

#include <string>
#include <string_view>

namespace world {

// What the custom championship's setup calls its league and its cup.
constexpr std::string_view kNomeCampeonatoInternacional = "Campeonato Internacional";
constexpr std::string_view kNomeCopaInternacional = "Copa Internacional";

// nomeliga / nomecopapais, except for the custom championship's pseudo-country,
// whose names come from the game state (the built-in names when it has none).
std::string NomeDaLiga(const Jogo& jogo, int pais);
std::string NomeDaCopa(const Jogo& jogo, int pais);

} // namespace world
