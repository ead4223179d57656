#pragma once
// Two-legged knockout ties, shared by the national cup and the continental
// cups: a tie's two fixtures, the clubs written into both legs, and the club
// that goes through.
#include "world/jogo.hpp"

#include <span>

namespace competitions {

// The two legs of one tie, as fixture indices; -1 when the bracket lacks them.
struct Confronto {
    int ida = -1, volta = -1;
};

// Club `a` at home in the first leg, `b` in the second.
inline void EscreverConfronto(world::Jogo& jogo, const Confronto& c, int a, int b) {
    if (c.ida >= 0) {
        jogo.partidas[c.ida].mandante = a;
        jogo.partidas[c.ida].visitante = b;
    }
    if (c.volta >= 0) {
        jogo.partidas[c.volta].mandante = b;
        jogo.partidas[c.volta].visitante = a;
    }
}

// No club has been drawn into any leg of the phase yet.
inline bool FaseVazia(const world::Jogo& jogo, std::span<const Confronto> fase) {
    for (const Confronto& c : fase)
        for (int i : {c.ida, c.volta})
            if (i >= 0 && (jogo.partidas[i].mandante >= 0 || jogo.partidas[i].visitante >= 0))
                return false;
    return true;
}

// The club that goes through: one without an opponent at once, otherwise
// after the second leg by aggregate, away goals and the shoot-out kept in the
// first leg; -1 while undecided.
int VencedorIdaEVolta(const world::Jogo& jogo, int ida, int volta);
// The same, a level tie whose shoot-out is missing getting it drawn now and
// kept in the first leg.
int DecidirIdaEVolta(world::Jogo& jogo, int ida, int volta);

} // namespace competitions
