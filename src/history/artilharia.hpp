#pragma once
// The top-scorer lists: one per league division, national cup, continental
// cup edition and state championship of the season, and the career list.
// Every list is rebuilt from the players and their histories when asked for;
// nothing of it is stored.
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace history {

enum class TipoArtilharia { Divisao, Copa, Continental, Estadual, Carreira };

// One entry of the view picker.
struct VisaoArtilharia {
    TipoArtilharia tipo = TipoArtilharia::Carreira;
    int codigo = 0;  // competition code of the goals counted (0: career)
    int divisao = 0; // league division 1..4
    // Continental cups: 1 the South American edition (region 1), 0 the
    // European one (region 2);
    // state championships: the state. The country is the list's own.
    int chave = -1;
    std::string nome; // as the picker shows it (Windows-1252)
};

// The views of the game for the country `pais`: its league divisions, its
// national cup, the continental cups switched on, the state championships of
// the season (home country only) and the career list, in that order.
std::vector<VisaoArtilharia> VisoesArtilharia(const world::Jogo& jogo, int pais);

// The league the pickers start on: that of club `clube`, else the home
// country's, else the first; -1 without leagues.
int LigaInicial(const world::Jogo& jogo, int clube);

struct LinhaArtilheiro {
    int jogador = 0;
    int time = -1;
    int gols = 0;
    int jogos = 0;
    bool operator==(const LinhaArtilheiro&) const = default;
};

// The scorers of a view of country `pais` (the career list too: the players of
// that country's clubs): players of a club only, goals
// above 0; most goals first, then fewer matches (then the player index, so
// the order does not change between two openings).
std::vector<LinhaArtilheiro> Artilheiros(const world::Jogo& jogo, const VisaoArtilharia& visao,
                                         int pais);

// Rows the career list shows until the player asks for all.
constexpr int kLinhasCarreira = 100;

} // namespace history
