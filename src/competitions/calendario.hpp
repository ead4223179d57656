#pragma once
// The season's grid of 148 dates, the competition of each, and the move from
// one date to the next.
#include "world/competicoes.hpp"
#include "world/jogo.hpp"

#include <functional>
#include <vector>

namespace competitions {

// The competition codes live with the world; the calendar's callers spell
// them competitions::kLiga as well.
using world::Competicao;
using enum world::Competicao;

// Builds the 148 dates of season `temporada` (year 2006 + temporada) for the
// game mode and the competitions switched on.
void MontarCalendario(world::Jogo& jogo);
world::Calendario CalendarioDaTemporada(const world::TEstadoJogo& estado);

// The day of date n (1..148) of season `temporada`, as MontarCalendario lays
// them out (Wednesday, Thursday, Sunday from the year's first Wednesday);
// 0 when the season's year is past what a date can hold.
double DiaDaData(int temporada, int n);

// Code of date n (1..148); -1 outside the season.
int CompeticaoDaData(const world::Jogo& jogo, int n);

// The days of every date of a competition, in calendar order.
std::vector<double> DatasDaCompeticao(const world::Jogo& jogo, int competicao);

// Moves `dataatual` to the next date with something to play and returns its
// code; -1 means the season is over (`dataatual` is then 148). A free date
// counts only when an unplayed friendly falls on it. On the first club world
// cup date, before any of its fixtures exist, `sortearmundial` is asked to
// draw it; when it cannot (or none is given) the season ends there.
int ProximaData(world::Jogo& jogo, const std::function<bool()>& sortearmundial = {});

// Start of a season: from before date 1 to the first date with something to
// play; `tipo` follows it.
int IrParaPrimeiraData(world::Jogo& jogo);

// League progress: matchday 1, first leg, not over.
void IniciarContadoresLiga(world::Jogo& jogo);
// Every competition's counters at their start values (a season's start).
void IniciarContadores(world::Jogo& jogo);
// After a league date: next matchday, then the return leg, then the league is
// over (the counters stay on the last matchday).
void AvancarContadoresLiga(world::Jogo& jogo);

} // namespace competitions
