#pragma once
// The choices of a new game and the placing of each league's clubs into
// divisions.
#include "world/clubes.hpp"
#include "world/jogo.hpp"
#include "world/paises.hpp"

#include <string>
#include <vector>

namespace competitions {

struct OpcoesNovoJogo {
    int paisprincipal = world::kPaisCasa;
    std::vector<int> ligas; // countries, in the order the league list shows them
    bool divisoesde20 = false;
    bool copanacional = true;
    bool estaduais = false;
    bool continental1 = true;
    bool continental2 = true;
    bool copadomundo = true;
    bool gruposreais = true;
    bool eurocopa = true;
    bool copaamerica = true;
    int numhumanos = 1;
};

// Countries offered as leagues: more than 21 usable club files, in code order.
std::vector<int> LigasOferecidas(const world::IndiceTimes& indice);

enum class InicioNovoJogo { Ok, SemLiga };
// Records the options, creates the leagues and places their clubs. Without a
// league nothing changes and the screen shows its message (text 728).
InicioNovoJogo IniciarJogoDeClubes(world::Jogo& jogo, const world::IndiceTimes& indice,
                                   const OpcoesNovoJogo& opcoes);

// Number of divisions a league of n clubs forms.
int NumeroDeDivisoes(int clubes, bool divisoesde20);
// Places the usable clubs of league `liga` into its divisions: strongest
// level first, equal levels in a random order.
void ColocarTimesDaLiga(world::Jogo& jogo, const world::IndiceTimes& indice, int liga);

// Human `humano` (0-based) takes club `time` under the name he typed.
void EscolherTime(world::Jogo& jogo, int humano, int time, const std::string& nome);
// Once every human has chosen: their clubs in ascending order, names alongside.
void OrdenarHumanos(world::Jogo& jogo);

} // namespace competitions
