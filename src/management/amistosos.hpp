#pragma once
// Friendlies a human arranges on the calendar's free dates: the dates still
// open to his club, the opponents, the fee he pays the opponent, and the
// booking that puts a code-0 fixture in the season's list.
#include "world/jogo.hpp"

#include <vector>

namespace management {

// The last calendar date a friendly may be arranged for: the season's last
// date, or, for the pre-season offer, the first date of the league or the
// state championship.
int LimiteDosAmistosos(const world::Jogo& jogo, bool pretemporada);

// Free dates (1..148) after today up to the limit on which `clube` has no
// friendly yet, in calendar order.
std::vector<int> DatasParaAmistoso(const world::Jogo& jogo, int clube, bool pretemporada);

// Every club in play but `clube`, by name.
std::vector<int> AdversariosDeAmistoso(const world::Jogo& jogo, int clube);

// What the human of `clube` pays `adversario` for a friendly, at home or at
// the opponent's: by the opponent's division in the same country, by its
// level abroad; nothing against another human's club.
world::i32 CotaDoAmistoso(const world::Jogo& jogo, int clube, int adversario, bool emcasa);

// True when `clube` has a friendly not yet played on date `indicedata`.
bool TemAmistosoNaData(const world::Jogo& jogo, int clube, int indicedata);

// The answer to "Ok": booked, or why not.
enum class Marcacao {
    Marcado,
    AdversarioOcupado, // "Amistoso marcado": the opponent plays one that day already
    SemDinheiro,       // the fee is above the cash
    SemClube,          // the club is not in play
    SemAdversario,     // no opponent chosen, or not one of the list
    DataIndisponivel,  // not a date still open to the club
};
// The answer "Ok" would get, without booking anything.
Marcacao ConferirAmistoso(const world::Jogo& jogo, int clube, int adversario, int indicedata,
                          bool emcasa, bool pretemporada = false);
// "Sim" on the confirmation: the fee leaves the cash (not the season's
// statement), the friendly is appended with its fixture.
Marcacao MarcarAmistoso(world::Jogo& jogo, int clube, int adversario, int indicedata, bool emcasa,
                        bool pretemporada = false);

// After a free date is played: the friendlies whose fixture was played are
// marked so.
void AtualizarAmistosos(world::Jogo& jogo);

// A human leaves `clube`: its friendlies not yet played are called off,
// fixtures and all (not on a free date, whose friendly is being played).
void CancelarAmistosos(world::Jogo& jogo, int clube);

} // namespace management
