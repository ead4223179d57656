#pragma once
// The national-team tournaments of the mid-season break: the World Cup (code
// 7), the Copa America (8) and the Euro (9), every fourth season each. The
// teams are drawn at the start of the season and put on the pitch as clubs
// and players appended to the tables; after the last tournament date the
// tables are cut back and the called-up players go home.
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace competitions {

// The tournament played in season `temporada` when switched on (7, 8, 9),
// 0 for none.
int TorneioDaTemporada(const world::TEstadoJogo& e, int temporada);

// The World Cup hosts, in the order the World Cups go round them.
const std::vector<int>& SedesCopaDoMundo();
// Where a tournament is played: the countries of its two city groups, the
// first's (which holds the final) first, the second's when it is another
// country (a group that is the host's own stands for the host). The host
// drawn from the table is not among them when it has no cities of its own.
std::vector<int> PaisesDasSedes(const world::TTorneio& t);

// The draws. Each sets the tournament phase to 1 and no human national
// coaches, appends the teams (clubs, players, statements) and fills the
// groups and invitation lists; false (and nothing appended) when the
// tournament cannot be held. A World Cup with an empty slot turns the World
// Cup switch off.
bool SortearCopaAmerica(world::Jogo& jogo);
bool SortearEurocopa(world::Jogo& jogo);
bool SortearCopaDoMundo(world::Jogo& jogo);

// At the start of a season (the new game's first, or after the season end):
// the draw of the season's tournament if one falls in it, then its group
// fixtures on the season's calendar (rebuilt when the World Cup was switched
// off).
void PrepararTorneioDaTemporada(world::Jogo& jogo);

// Whether a tournament's teams are in the tables now.
bool TorneioEmCurso(const world::Jogo& jogo);
// Whether club `time` is one of the tournament's temporary clubs.
bool EhSelecaoDoTorneio(const world::Jogo& jogo, int time);

// The national teams of group g (1..8) in pairing order; -1 for a slot
// without a team.
std::vector<int> GrupoDoTorneio(const world::Jogo& jogo, int g);
int GruposDoTorneio(int codigo); // 8, 3 or 4

// The invitations: the tier of the human coaching club `clube` for tournament
// `codigo` (1 the strongest teams, 2 the others), and the teams offered (up
// to eight, none already coached by a human).
int NivelDoConvite(const world::Jogo& jogo, int codigo, int clube);
std::vector<int> SelecoesDoConvite(const world::Jogo& jogo, int nivel);
// Whether human number `humano` (index into `humanos`) is due an invitation
// on the current league date.
bool ConviteDevido(const world::Jogo& jogo, int humano);
// The human's choice: the team becomes human-coached by him and he is marked
// as a national coach. False when the team cannot be his.
bool AceitarSelecao(world::Jogo& jogo, int humano, int selecao);
// The national team of human number `humano`, -1 none.
int SelecaoDoHumano(const world::Jogo& jogo, int humano);
// The human number coaching national team `selecao`, -1 none.
int HumanoDaSelecao(const world::Jogo& jogo, int selecao);

// Call-ups. A player the search may list: of the team's country, with a real
// club.
bool Convocavel(const world::Jogo& jogo, int selecao, int jogador);
// Filters of the call-up search: -1 (or empty text) for "any".
constexpr int kCaractDeGoleiro = -2;
struct FiltroConvocacao {
    std::string nome; // compared without regard to case (Windows-1252)
    int posicao = -1;
    int caract1 = -1, caract2 = -1; // kCaractDeGoleiro: any of a goalkeeper's (0..3)
    int forca = -1;                 // band 0..3: 1..10, 11..30, 31..50, 51..100
    int idade = -1;                 // band 0..2: 15..25, 26..36, 37..80
    int passe = -1;                 // band 0..6
    bool estrelas = false;
};
std::vector<int> BuscarConvocaveis(const world::Jogo& jogo, int selecao, const FiltroConvocacao& f);

// The least squad a national team is confirmed with.
constexpr int kMinimoGoleirosConvocados = 2;
constexpr int kMinimoLinhaConvocados = 20;
// What stands in the way of a call-up list, or of one more player in it.
enum class RecusaConvocacao {
    Nenhuma,
    SemSelecao,     // not a national team of the tournament
    NaoConvocavel,  // a player the search would not list
    JaConvocado,    // a player already in the list
    PoucosGoleiros, // fewer than kMinimoGoleirosConvocados goalkeepers
    PoucosDeLinha,  // fewer than kMinimoLinhaConvocados outfield players
};
struct AnaliseConvocacao {
    RecusaConvocacao motivo = RecusaConvocacao::Nenhuma;
    int goleiros = 0, linha = 0; // the list's goalkeepers and outfield players
    int faltam = 0;              // PoucosGoleiros, PoucosDeLinha: how many more it needs
};
// "Continuar >>" for the list `jogadores` of national team `selecao`.
AnaliseConvocacao AnalisarConvocacao(const world::Jogo& jogo, int selecao,
                                     const std::vector<int>& jogadores);
// ">>": whether `jogador` may join the list.
RecusaConvocacao RecusaDoConvocado(const world::Jogo& jogo, int selecao,
                                   const std::vector<int>& jogadores, int jogador);
// "Continuar >>": the team's own players released, the chosen ones moved into
// it with their clubs written to `convocados`. False (nothing changed) when
// AnalisarConvocacao refuses the list.
bool Convocar(world::Jogo& jogo, int selecao, const std::vector<int>& jogadores);
// Whether the team's country has enough players in the game for a call-up.
bool PaisPodeConvocar(const world::Jogo& jogo, int selecao);

// The venue of a tournament fixture.
std::string EstadioDoTorneio(const world::Jogo& jogo, int partida);

// After a tournament date has been played: the group tables, the next
// knockout phase, the eliminated teams' flags, and after the final the
// placings in the history.
void AvancarTorneio(world::Jogo& jogo, int codigo);
// The tournament is over (final played) and its teams still in the tables.
bool TorneioEncerrado(const world::Jogo& jogo);
// Cuts the tables back to their length before the draw and gives every
// called-up player back to his club; the human coaches stop being national
// coaches.
void EncerrarTorneio(world::Jogo& jogo);

// A knockout pairing's phase sizes of tournament `codigo`: the pairings of
// phase 4, 5, ... (the last holds the final and the third place).
std::vector<int> FasesEliminatorias(int codigo);

} // namespace competitions
