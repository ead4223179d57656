#pragma once
// What the results screen and the match report read back from the match
// archive: the matches of a date, the events of one match with the running
// score, the archive entry of a played fixture, and the two-legged tie a
// second leg settled.
#include "world/jogo.hpp"

#include <optional>
#include <string_view>
#include <vector>

namespace match {

// The archive is kept as it was played: a tournament's clubs are cut away
// after it while their matches keep the indices, and a loaded game's archive
// is taken as it is. Whoever shows a club or a player of an archived match
// asks these, which give the one neutral name (an em dash, in cp1252) for
// one that no longer exists.
inline constexpr std::string_view kNomeExtinto = "\x97";
std::string_view NomeDoClubeArquivado(const world::Jogo& jogo, int clube);
std::string_view NomeDoJogadorArquivado(const world::Jogo& jogo, int jogador);

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

// The national-team tournaments (codes 7, 8, 9) take no gate: a match of
// theirs without a crowd on record shows no attendance at all rather than 0.
bool PublicoOculto(int competicao, int publico);

// The archive entry of a played fixture: same clubs, day and competition
// (the newest when several match); -1 when it was never archived.
int EntradaDaPartida(const world::Jogo& jogo, const world::TPartida& partida);

// What settled a two-legged tie, in the order the rule tries them (more legs
// won always comes with the better aggregate, so it reads as the aggregate).
enum class Desempate { Agregado, GolsFora, Penaltis };

// A two-legged tie as its second leg left it. Club A is the home side of the
// first leg; every pair below is A's figure first, then B's.
struct TConfrontoArquivado {
    int ida = -1;   // archive entry of the first leg
    int volta = -1; // archive entry of the second leg
    int clubes[2] = {-1, -1};
    int agregado[2] = {};
    int golsfora[2] = {}; // A's goals in the second leg, B's in the first
    int penaltis[2] = {}; // the shoot-out, when it came to one
    Desempate criterio = Desempate::Agregado;
    int classificado = -1; // the club that went through; -1 if the shoot-out was not kept
    bool final = false;    // the competition's last tie: its winner is the champion
};
// The tie settled by archive entry `entrada` when it is the second leg of a
// two-legged tie (national cup, state final, continental knockouts) whose
// first leg is archived from the same season; nothing for any other match.
std::optional<TConfrontoArquivado> ConfrontoDoJogo(const world::Jogo& jogo, int entrada);

} // namespace match
