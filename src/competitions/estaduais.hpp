#pragma once
// State championships of the main country: up to five groups of six per
// state acting as its divisions, a two-legged final between group 1's top
// two, and one club moving between consecutive groups each season.
#include "world/jogo.hpp"

namespace competitions {

// At a new game: each state's clubs of the main country in file (club-table)
// order, six to a group, at most five groups; a state with at least one full
// group takes part. Then the season start below.
void FormarEstaduais(world::Jogo& jogo);

// Season start: moves between groups, shuffles, marks the clubs.
void NovaTemporadaEstadual(world::Jogo& jogo);

// The group fixtures of every active state.
void GerarPartidasEstaduais(world::Jogo& jogo);

// After every state date: ranks every group; after the last group matchday
// creates the finals; after the final's second leg decides it and records
// the champion and runner-up.
void ClassificarEstaduais(world::Jogo& jogo);

// The state the standings screen shows first.
int PrimeiroEstadoMostrado(const world::Jogo& jogo);

} // namespace competitions
