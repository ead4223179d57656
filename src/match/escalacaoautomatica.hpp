#pragma once
// Lineups, formations and tactics of the computer-run clubs, and the end of
// the preparation of a date for every player.
#include "world/jogo.hpp"

#include <span>
#include <vector>

namespace match {

// Formations as defenders-midfielders-forwards digits.
enum Formacao {
    k352 = 352,
    k442 = 442,
    k343 = 343,
    k433 = 433,
    k451 = 451,
    k541 = 541,
    k253 = 253,
};

// Available outfield players by position played: full-backs, centre-backs,
// midfielders, forwards; goalkeepers apart.
struct Disponibilidade {
    int laterais = 0, zagueiros = 0, meias = 0, atacantes = 0, goleiros = 0;
    int Linha() const { return laterais + zagueiros + meias + atacantes; }
};

Disponibilidade ContarDisponibilidade(const world::Jogo& jogo, std::span<const int> jogadores,
                                      int tipo, double hoje);
bool FormacaoPossivel(int formacao, const Disponibilidade& d);

void TaticaAleatoria(world::Jogo& jogo, int clube);

// A fresh lineup record for the club from its players (`jogadores`, those
// whose time is the club), for competition `tipo` on date `hoje`.
void EscalarClube(world::Jogo& jogo, int clube, std::span<const int> jogadores, int tipo,
                  double hoje);

// The clubs that get an automatic lineup on a date of code `codigo`, where the
// club records tell: league, national cup, state and continental championships,
// national teams. Friendlies and the club world cup name their clubs through
// their own fixtures, so for codes 0 and 5 the caller supplies the list.
std::vector<int> ClubesQueEscalam(const world::Jogo& jogo, int codigo);

// Lines up every computer-run club of `clubes`, then ends the preparation.
void EscalarRodada(world::Jogo& jogo, int codigo, double hoje, std::span<const int> clubes);

// For every player with a club: strength within 1..100, age at least 16, one
// match of suspension served and three cards forgotten in competition `tipo`.
void EncerrarPreparacao(world::Jogo& jogo, int tipo);

// A squad's strength as a coach sizes it up: the average of its best eleven,
// taken as a lineup without a formation takes them (the strongest goalkeeper,
// then the ten strongest outfield players); a place nobody fills counts 0.
struct ForcaNaPosicao {
    int posicao = 0; // 0 goalkeeper, 1..4 outfield
    double forca = 0;
};
double ForcaDoOnze(std::span<const ForcaNaPosicao> jogadores);

// After the match a computer-run club's players go back to their own position
// and default role.
void RestaurarPosicoes(world::Jogo& jogo, std::span<const int> jogadores);

} // namespace match
