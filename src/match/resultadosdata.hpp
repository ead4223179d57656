#pragma once
// What the results screen and the match report read back from the match
// archive: the matches of a date, the events of one match with the running
// score, and the archive entry of a played fixture.
#include "world/jogo.hpp"

#include <vector>

namespace match {

// Archive entries of the matches of competition `codigo` played on day
// `data`, in archive order (the order they were played, group by group).
std::vector<int> JogosDaData(const world::Jogo& jogo, double data, int codigo);

// One event of an archived match, with the score right after it.
struct TLance {
    world::TEvento evento{};
    int lado = 0; // 0 the home side, 1 the away side (the side credited with a goal)
    int placar[2] = {};
    int tempo = 1;  // 1 or 2
    int minuto = 0; // minute of the half, 1..45
    bool gol = false;
};
// The events of archive entry `entrada` in minute order (events of the same
// minute in the order they happened); empty for a bad entry.
std::vector<TLance> LancesDoJogo(const world::Jogo& jogo, int entrada);

// The archive entry of a played fixture: same clubs, day and competition
// (the newest when several match); -1 when it was never archived.
int EntradaDaPartida(const world::Jogo& jogo, const world::TPartida& partida);

} // namespace match
