#pragma once
// Deciding ties: the two-legged rule and the penalty shoot-out, played kick
// by kick or drawn at once.
#include "match/partida.hpp"
#include "world/jogo.hpp"

#include <array>
#include <functional>

namespace match {

// A two-legged tie from A's view (A at home in the first leg): goals of A and
// B in the first leg, of B and A in the second. 1: A goes through, 2: B, 3: a
// shoot-out is needed.
int DecidirConfronto(int g1a, int g1b, int g2b, int g2a);

struct TResultadoDisputa {
    int vencedor = 0; // 1 or 2
    int gols[2] = {};
};

// The kicks of a shoot-out, side 1 first. `chute(lado)` takes side 1's or
// 2's next kick and says whether it went in; the shoot-out stops as soon as
// one side can no longer be caught, and after five kicks each it goes on pair
// by pair until a pair is split.
TResultadoDisputa JogarDisputa(const std::function<bool(int lado)>& chute);

// Takers in the order they kick: a human club's order through the
// interaction when it names every player on the pitch exactly once, else the
// players on the pitch in starting-slot order, the goalkeeper last.
using ListaBatedores = std::array<int, 11>; // 0 = empty entry
ListaBatedores Batedores(const world::Jogo& jogo, int clube, Interacao& interacao);

// A shoot-out between two clubs on the pitch, kick by kick: two chances in
// three for every kick, whoever takes it.
TResultadoDisputa DisputaPenaltis(world::Jogo& jogo, int clube1, int clube2, Interacao& interacao);

// The shoot-out drawn at once: each side draws a number in 1..`faixa` plus
// `base` − 1, the higher number wins by it to it − 1, and equal numbers go
// to side 1.
TResultadoDisputa SortearDisputa(world::Jogo& jogo, int faixa, int base);
// Two-legged ties draw 1..8; single matches 3..9.
inline TResultadoDisputa SortearDisputaDoisJogos(world::Jogo& jogo) {
    return SortearDisputa(jogo, 8, 1);
}
inline TResultadoDisputa SortearDisputaJogoUnico(world::Jogo& jogo) {
    return SortearDisputa(jogo, 7, 3);
}

} // namespace match
