#pragma once
// The continental cups (code 4, and code 6 when it is on) in both regions:
// the countries' lists, the group draw, the group phase, the knockout of 16
// and the champions; and the club world cup (code 5) that closes the season.
#include "world/jogo.hpp"

#include <array>
#include <string>
#include <vector>

namespace competitions {

// Region of a country's clubs: 1 South America, 2 Europe, 0 neither.
int RegiaoDoPais(int pais);
// Places of a country in the first continental cup (0 for most).
int VagasContinentais(int pais);

// The ten strongest clubs of a country by adjusted level, for a list of
// season `temporada` (from the second season on the top bands may drop a
// little). Draws from the game's generator.
std::vector<int> MelhoresTimes(world::Jogo& jogo, int pais, int temporada);

// The qualification list of a played league from season `temporada`'s
// tables and cup (the season just finished): up to eight clubs.
std::vector<int> ListaDeClassificacao(const world::Jogo& jogo, int liga, int temporada);

// At the end of season `temporada`, before promotion reshuffles the
// divisions: every country's list for the next season.
void MontarListasContinentais(world::Jogo& jogo);

// Entry n (1-based) of a country's list, -1 when the list is shorter.
int EntradaDaLista(const world::Jogo& jogo, int pais, int n);

// At the start of a season from the second on, the fixtures of the national
// competitions built: both regions' groups of code 4 and (when on) code 6
// drawn from the lists, their fixtures, every club's flags and group, and the
// progress counters. A slot its country cannot fill takes the strongest club
// of the region not drawn yet; only a region without any such club leaves a
// slot empty, and an empty slot gets no fixture.
void QualificarContinentais(world::Jogo& jogo);

// Whether this season's groups were drawn (the tables hold them).
bool GruposSorteados(const world::Jogo& jogo);
// Club in slot `slot` (1..4) of group `grupo` (1..8) of a cup and region
// (1, 2); -1 when empty or out of range.
int ClubeDoGrupo(const world::Jogo& jogo, int competicao, int regiao, int grupo, int slot);
std::vector<int> ClubesDoGrupo(const world::Jogo& jogo, int competicao, int regiao, int grupo);

// Ranks every group of the cup; after the group phase (phase counter 4)
// also sends the clubs ranked 3 and 4 home and fills the last 16, once.
void ClassificarGrupos(world::Jogo& jogo, int competicao);

// The follow-up after a date of code 4 or 6: the tables, then each finished
// knockout phase decided and the next one filled, the final's champion and
// runner-up recorded.
void AvancarContinental(world::Jogo& jogo, int competicao);

// One box of a region's bracket: 1..8 the last 16, 9..12, 13..14, 15 the
// final (index 0..14).
struct TCaixaContinental {
    int mandante = -1, visitante = -1; // A (home in the first leg) and B
    int ida = -1, volta = -1;          // fixture indices
    std::string placar;                // once the second leg is played
    int vencedor = -1;
};
std::array<TCaixaContinental, 15> ChaveContinental(const world::Jogo& jogo, int competicao,
                                                   int regiao);

// Club world cup: the six clubs from this season's continental champions and
// the lists; false (nothing changed but the generator) when one is missing.
bool SortearMundial(world::Jogo& jogo);
// The text shown when the club world cup cannot be drawn.
inline constexpr const char* kErroMundial = "Erro no jogo, reinstale os times";
// After a club world cup date: the winners move on; after the last day the
// four places go into the history.
void AvancarMundial(world::Jogo& jogo);
// Whether this season's club world cup has been drawn.
bool MundialSorteado(const world::Jogo& jogo);

} // namespace competitions
