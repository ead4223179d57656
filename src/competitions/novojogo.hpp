#pragma once
// The choices of a new game and the placing of each league's clubs into
// divisions.
#include "world/clubes.hpp"
#include "world/jogo.hpp"
#include "world/paises.hpp"

#include <functional>
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

// The custom championship: every country with at least one usable club file
// may be ticked; the continue button needs 42 clubs ticked in all.
std::vector<int> PaisesPersonalizados(const world::IndiceTimes& indice);
constexpr int kMinimoPersonalizado = 42;
constexpr int kAvisoPersonalizado = 1000; // above this the screen shows its note
struct OpcoesPersonalizado {
    std::vector<int> paises;
    bool copanacional = true;
    bool divisoesde20 = false; // "2 divisões com 20 times cada"
    int numhumanos = 1;
};
// The ticked countries' files become one pool (country 202) played as one
// league without continental cups, tournaments or state championships. The
// index is changed in place. Returns SemLiga when fewer than 42 clubs are
// ticked, and then changes nothing.
InicioNovoJogo IniciarCampeonatoPersonalizado(world::Jogo& jogo, world::IndiceTimes& indice,
                                              const OpcoesPersonalizado& opcoes);

// What the club-choice screen tells of club `time` before the world is
// loaded, from its file and the division it was placed in: its level, the
// cash it will start with and the strength of its best eleven, each player as
// the game start will make him with the draw 0..5 at its middle (the real
// strengths are drawn then). `lido` is false when the file cannot be read.
struct PerfilClube {
    bool lido = false;
    int nivel = 0;
    world::i32 dinheiro = 0;
    double forca = 0;
};
PerfilClube PerfilDoClube(const world::Jogo& jogo, int time);

// Human `humano` (0-based) takes club `time` under the name he typed.
void EscolherTime(world::Jogo& jogo, int humano, int time, const std::string& nome);
// Once every human has chosen: their clubs in ascending order, names alongside.
void OrdenarHumanos(world::Jogo& jogo);

// The dialog of the human coaches during a game. Removing is allowed only
// for a coach without a club or national team (the dialog shows text 840
// otherwise): his record is freed and his slot emptied. Adding takes the
// first free coach record as a human coach without a club, in the first free
// slot; -1 when there is no free slot or record.
bool RemoverTecnicoHumano(world::Jogo& jogo, int humano);
int AdicionarTecnicoHumano(world::Jogo& jogo, const std::string& nome);

// The initialisation once every human has chosen: the world loaded, the
// settings read, the season's calendar, fixtures and draws, contracts,
// referees and the welcome. `progresso` (may be empty) hears 10, 40, 60, 70,
// 80 and 100 percent. The game then opens on its first date.
void InicializarJogo(world::Jogo& jogo, const std::function<void(int)>& progresso = {});

} // namespace competitions
