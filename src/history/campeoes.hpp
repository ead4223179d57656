#pragma once
// The champions of every competition season by season, and a club's record
// across the seasons ("Retrospecto"). Both are read from what the game keeps
// anyway, so they need nothing recorded of their own:
//
// - Champion, runner-up, third and fourth: the titles list. National-team
//   tournaments name countries there (their teams leave the club table after
//   the tournament), with the host country as the key.
// - The champion's coach: the coaches' titles list.
// - A season's top scorer of a competition: the top-scorer history the season
//   end writes before the season's goals are cleared (the player with most
//   goals in that competition among its clubs, fewer matches first on equal
//   goals, then the lower player index; nobody when nobody scored).
// - A club's matches of a past season: the match archive, which keeps every
//   match of the game with its date; a season's dates all fall in the year
//   2006 + season, so the date tells the season.
// - A club's final league place: the season's league table made again from
//   the archived league matches among the clubs it met there (a double round
//   robin: its whole division), with the titles list's champion and runner-up
//   ahead of any club level with them on every key and then the lower club
//   index; the division is the one the titles list names for a club of that
//   table. The season being played shows the place in the live table.
// - A club's coaches of a season: the one in charge when it began (coach c of
//   club c in the first season, then the last hired before it) and every one
//   the club hired during it, from the coach-change log.
#include "world/competicoes.hpp"
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace history {

// A competition of the champions screen: the league of a country and a
// division, a national cup (key: country), a state championship (key:
// state), a continental cup (key: region 1 or 2), the club world cup (key
// -1) or a national-team tournament (key ignored).
struct CompeticaoHistorica {
    int competicao = world::kLiga;
    int chave = -1;
    int divisao = -1; // league only
};

struct LinhaCampeoes {
    int temporada = 0;
    int campeao = -1, vice = -1, terceiro = -1, quarto = -1; // clubs; countries in tournaments
    int tecnico = -1;                                        // champion's coach
    int artilheiro = -1, timeartilheiro = -1, golsartilheiro = 0;
    int local = -1; // host country of a tournament
    bool operator==(const LinhaCampeoes&) const = default;
};

// One row per season with anything recorded, newest first.
std::vector<LinhaCampeoes> Campeoes(const world::Jogo& jogo, const CompeticaoHistorica& c);

// Whether competition `codigo` names national teams by country.
using world::EhTorneioDeSelecoes;

// A title of a club: the titles list's first places.
struct TituloDoClube {
    int temporada = 0;
    int competicao = 0;
    int chave = -1;
    int divisao = -1;
    bool operator==(const TituloDoClube&) const = default;
};
std::vector<TituloDoClube> TitulosDoClube(const world::Jogo& jogo, int time);

struct TemporadaDoClube {
    int temporada = 0;
    int jogos = 0, vitorias = 0, empates = 0, derrotas = 0, golspro = 0, golscontra = 0;
    int colocacao = 0, divisao = 0; // final league place and division; 0 when it played none
    std::vector<int> tecnicos;      // in the order they took over
    bool operator==(const TemporadaDoClube&) const = default;
};

// Every season from the first to the current one, newest first, with the
// club's matches of the club competitions (friendlies aside; a tie decided
// on penalties counts as the draw it was).
std::vector<TemporadaDoClube> RetrospectoDoClube(const world::Jogo& jogo, int time);
constexpr int kTemporadasNoRetrospecto = 1000; // the most seasons it lists

// The season a day of the calendar belongs to.
int TemporadaDaData(double data);

} // namespace history
