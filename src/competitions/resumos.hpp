#pragma once
// Figures the competition screens list: a club's fixtures in date order, the
// season's champions and runners-up, the season's top scorers, and the name
// a fixture's competition goes by for a club.
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace competitions {

// Indices into `partidas` of the fixtures of club `time`, in date order
// (fixtures of one day in list order).
std::vector<int> PartidasDoClube(const world::Jogo& jogo, int time);

// Champions and runners-up of season `temporada` from the titles list,
// ordered by competition, key, division and place.
std::vector<world::TTituloHistorico> CampeoesDaTemporada(const world::Jogo& jogo, int temporada);

// The recorded top scorers of season `temporada`, in the order recorded.
std::vector<world::TArtilheiroHistorico> ArtilheirosDaTemporada(const world::Jogo& jogo,
                                                                int temporada);

// The one naming of the competitions: competition `codigo` of country `pais`
// (its league and cup) and of continental region `regiao` (1 South America:
// the South American names; otherwise the European ones), the club world cup
// and the tournaments by their own names.
std::string NomeDaCompeticaoEm(const world::Jogo& jogo, int codigo, int pais, int regiao);
// As club `time` sees it: its country's league or cup, its region's cups
// (the main country's without a club).
std::string NomeDaCompeticao(const world::Jogo& jogo, int codigo, int time);

// A competition of the history lists (Windows-1252): the country's league
// and division, its cup, a state, the continental cups by region (key 1
// South America), the club world cup and the tournaments by the name a club
// of the first human knows them.
std::string NomeDoTitulo(const world::Jogo& jogo, int competicao, int chave, int divisao);

} // namespace competitions
