#pragma once
// The club and coach rankings, rebuilt from the clubs' and coaches' records
// whenever they are shown.
#include "world/jogo.hpp"

#include <array>
#include <vector>

namespace history {

// The club ranking's competitions, in the order of the clubs' `titulos` and
// `pontoshistoricos`: league, national cup, state championship, first
// continental cup, club world cup, second continental cup.
enum ColunaRanking {
    kRkLiga = 0,
    kRkCopa,
    kRkEstadual,
    kRkContinental1,
    kRkMundial,
    kRkContinental2
};
constexpr int kColunasRanking = 6;

enum class VisaoRankingClubes {
    Colocacao,      // titles of the clubs of one country
    PontosCorridos, // accumulated points of the clubs of one country
    Internacional,  // accumulated points of every club of the chosen leagues
};

// Which competition columns a view shows; the captions of the continental
// ones depend on `continente` (0 Europe, 1 South America, -1 both: the
// international view).
struct ColunasVisiveis {
    std::array<bool, kColunasRanking> mostrar{};
    int continente = -1;
};
// Country `pais` is ignored by the international view.
ColunasVisiveis ColunasDoRanking(const world::Jogo& jogo, VisaoRankingClubes visao, int pais);

struct LinhaRankingClube {
    int time = -1;
    std::array<int, kColunasRanking> titulos{};
    std::array<std::array<int, 3>, kColunasRanking> pontos{}; // points, goals for, against
    long long total = 0;                                      // titles, or accumulated points
    bool operator==(const LinhaRankingClube&) const = default;
};

// The rows of a view, sorted and ready to be numbered from 1. Titles: by
// their total, then by the titles of each competition in column order.
// Points: by the total of the points counted (the state championship's only
// when its column shows), then goal difference, then goals for. The club
// index settles what is left.
std::vector<LinhaRankingClube> RankingDeClubes(const world::Jogo& jogo, VisaoRankingClubes visao,
                                               int pais);

// The coach ranking's title columns, in the order shown and sorted by: club
// world cups, first continental cups, second continental cups, leagues,
// national cups, state championships.
enum ColunaTecnico {
    kTcMundial = 0,
    kTcContinental1,
    kTcContinental2,
    kTcLiga,
    kTcCopa,
    kTcEstadual
};
constexpr int kColunasTecnico = 6;

struct LinhaRankingTecnico {
    int tecnico = -1;
    int time = -1; // his club, -1 without one
    int pais = 0;  // his club's country, or his own without a club
    long long pontos = 0;
    std::array<int, kColunasTecnico> titulos{};
    bool operator==(const LinhaRankingTecnico&) const = default;
};

// Every coach with a name, of country `pais`, or of the whole world with
// `pais` -1 ("Ranking Mundial", by the world points). Sorted by points, then
// the titles in column order, all descending, then by club index.
std::vector<LinhaRankingTecnico> RankingDeTecnicos(const world::Jogo& jogo, int pais);

// A coach's country as the ranking counts it.
int PaisDoTecnico(const world::Jogo& jogo, int tecnico);

} // namespace history
