#pragma once
// What the results screen and the season end show, read from the game: the
// archive entries of the date just played, a match's events, and the
// season's champions and top scorers.
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace match {

// Archive entries of competition `codigo` played on day `data`, in playing
// order (the date's entries are the newest of the archive).
std::vector<int> JogosDoDia(const world::Jogo& jogo, int codigo, double data);
// The events of archive entry `entrada`, in the order they happened.
std::vector<world::TEvento> EventosDoJogo(const world::Jogo& jogo, int entrada);

// A side's share of the possession, in percent (0 when nobody had the ball).
int PercentualPosse(const world::TJogoArquivado& a, int lado);

// An event as the results screen lists it: the player, the minute with an
// apostrophe, " (de penalti)" / " (de falta)" / " (contra)" for goals.
// Windows-1252.
std::string TextoEvento(const world::Jogo& jogo, const world::TEvento& e);

// The season's top scorer of every played league (its divisions together):
// country, player, club, goals; leagues without a goal are left out.
struct ArtilheiroDaLiga {
    int pais = -1, jogador = 0, time = -1, gols = 0;
};
std::vector<ArtilheiroDaLiga> ArtilheirosDaTemporada(const world::Jogo& jogo);

} // namespace match
