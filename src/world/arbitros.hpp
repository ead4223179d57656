#pragma once
// The referees: a fixed table of 42 filled at start-up, from which twelve are
// chosen for every season.
#include "world/jogo.hpp"

#include <array>

namespace world {

struct TArbitro {
    const char* nome; // Windows-1252
    i32 tecnica;      // 1..5
    i32 rigor;        // 1..5
    i32 origem;       // 29 home country, 1 international
};

constexpr int kNumArbitros = 42;
const std::array<TArbitro, kNumArbitros>& arbitros();

// Sorts all 42 by technique (best first, ties by a random key 0..49) and keeps
// the first six home referees followed by the first six international ones.
void EscolherArbitrosTemporada(Jogo& jogo);

} // namespace world
