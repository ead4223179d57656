#pragma once
// The fixed pairing tables for 20, 10, 6 and 4 clubs: no chance decides the
// order of the matchdays or who plays at home.

namespace competitions {

// 1-based positions in the division or group.
struct ParDeTimes {
    int mandante = 0;
    int visitante = 0;
    bool operator==(const ParDeTimes&) const = default;
};

// Pair `par` (1-based) of matchday `rodada` (1..n-1) of the n-club table; the
// return leg (any `turno` other than 1) swaps home and away. Outside the
// table, or for another n, both positions are 0.
ParDeTimes ParDaTabela(int numtimes, int rodada, int turno, int par);

} // namespace competitions
