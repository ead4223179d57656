#pragma once
// The live view of a match and the injury substitution screen: the in-match
// management of a human coach.
#include "match/partida.hpp"
#include "world/jogo.hpp"

#include <span>

class QWidget;

namespace temporada::telas {

// The live view of match m (modal): both lineups and benches, tactics,
// substitutions, position changes, the referee; at half-time (`intervalo`)
// with the statistics. Returns when the coach goes back to the match.
void AbrirVisaoAoVivo(world::Jogo& jogo, match::Rodada& rodada, int m, bool intervalo,
                      QWidget* pai);

// The injury substitution screen of a human club: the bench player chosen to
// replace `contundido`, or 0 when the coach closes it without choosing.
int EscolherSubstitutoContusao(const world::Jogo& jogo, const match::Rodada& rodada, int m,
                               int lado, int contundido, std::span<const int> banco, QWidget* pai);

} // namespace temporada::telas
