#pragma once
// Attendance of a match by sector, and the gate it brings.
#include "match/partida.hpp"
#include "world/jogo.hpp"

namespace match {

// What the attendance rules need to know of the date besides the two clubs.
struct ContextoPublico {
    int codigo = 1;
    bool primeirarodada = false; // first league matchday of the season
    int fase = 1;                // national cup 1..5; continental 1..3 groups, 4..7 knockouts
    int grupo = 1;               // continental group of fixtures, 1 or 2
};

// Fills the four sector attendances, `publico` and `renda` of match p (clubs
// set). Codes 5 and 7..9 draw no crowd figures and bring no income.
void CalcularPublico(world::Jogo& jogo, TJogoDaRodada& p, const ContextoPublico& ctx);

} // namespace match
