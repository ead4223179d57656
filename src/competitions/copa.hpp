#pragma once
// The national cup: the seeded draw, the two-legged ties moving up the fixed
// bracket, the champion, and the bracket as its screen shows it.
#include "world/jogo.hpp"

#include <array>
#include <string>

namespace competitions {

// A cup of 32 clubs from phase 1, or (few divisions) of 16 from phase 2.
bool CopaDe32(const world::Jogo& jogo, int liga);

// The draw of league `liga`'s cup, after the season's fixtures are built:
// fills the first phase's ties and marks every drawn club `jogacopa`.
void SortearCopa(world::Jogo& jogo, int liga);
// Every played league's draw (the cup being on).
void SortearCopas(world::Jogo& jogo);

// After the second leg of a phase of competition `competicao` (2: the
// national cup of league `chave`): decides every tie of the phase and fills
// the next phase, or after the final clears the champion's `jogacopa` and
// records champion and runner-up.
void AvancarFase(world::Jogo& jogo, int competicao, int chave);
// Every league's cup after a cup date whose second legs were just played.
void AvancarFasesDaCopa(world::Jogo& jogo);

// A played tie in the bracket's notation, club A (home in the first leg)
// first: "1x0-0x1", with ";P:4x3" after a shoot-out.
std::string PlacarDoConfronto(const world::TPartida& ida, const world::TPartida& volta);

// One of the 31 boxes of the bracket (1..16 phase 1, 17..24 phase 2, 25..28,
// 29..30, 31 the final).
struct TCaixaCopa {
    int mandante = -1, visitante = -1; // A and B, -1 until known
    int ida = -1, volta = -1;          // fixture indices, -1 when the phase is not played
    std::string placar;                // empty until the second leg is played
    int vencedor = -1;
};
std::array<TCaixaCopa, 31> ChaveDaCopa(const world::Jogo& jogo, int liga);
// The cup's champion once the final is decided, else -1.
int CampeaoDaCopa(const world::Jogo& jogo, int liga);

} // namespace competitions
