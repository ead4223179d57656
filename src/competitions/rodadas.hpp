#pragma once
// The season's fixtures: league, state groups, the empty national-cup bracket
// and the continental cups, each dated from the calendar.
#include "world/jogo.hpp"

#include <array>

namespace competitions {

// Club slots of one state's groups of six (group g is grupos[g - 1]).
using GruposEstaduais = std::array<std::array<int, 6>, 5>;
// Club slots of one continental cup: region (0 South America, 1 Europe),
// group 1..8, four slots.
using GruposContinentais = std::array<std::array<std::array<int, 4>, 8>, 2>;

// Appends one fixture; returns its index.
int AdicionarPartida(world::Jogo& jogo, int mandante, int visitante, int rodada, int chave,
                     int turno, int grupo, int competicao, double data);

// Every division of league `liga`, both legs; all divisions share the dates.
void GerarPartidasLiga(world::Jogo& jogo, int liga);
// Both legs of every group of state `estado`; the final comes later.
void GerarPartidasEstadual(world::Jogo& jogo, int estado, const GruposEstaduais& grupos,
                           int numgrupos);
// The national cup of league `liga` without clubs: the draw fills it. Small
// leagues start at the last 16.
void GerarPartidasCopa(world::Jogo& jogo, int liga);
// Groups of both regions, then region 1's knockout, then region 2's, for
// competition 4 or 6.
void GerarPartidasContinental(world::Jogo& jogo, int competicao, const GruposContinentais& grupos);

// A new season's fixtures that need no draw: every league, then, with the
// national cup on, every league's empty bracket. State championships and the
// continental cups are added by their own Parts, which hold the groups.
void GerarPartidasDaTemporada(world::Jogo& jogo);

// First fixture with this group, competition and matchday, or -1.
int ProcurarPartida(const world::Jogo& jogo, int grupo, int competicao, int rodada);
// The fixture of club `time` on day `data`, home or away, or -1.
int PartidaDoTime(const world::Jogo& jogo, int time, double data);

} // namespace competitions
