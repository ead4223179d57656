#pragma once
// The match engine: one minute of one match at a time. The runner sets each
// match up with IniciarPartida, calls JogarMinuto 45 times per half with the
// clock of the Rodada moved on, and EncerrarPartida once at the end. Sides are
// 0 (mandante) and 1 (visitante).
#include "match/partida.hpp"
#include "world/jogo.hpp"

namespace match {

// Fills match m for two clubs whose lineups are committed (escalacao set):
// clubs, lineups, three substitutions each, the starting elevens, the counts
// each starter brought, history records for everyone who may play.
void IniciarPartida(world::Jogo& jogo, Rodada& rodada, int m, int mandante, int visitante,
                    bool mostrado);

// Strength of one line (0 goalkeeper .. 4 attack) of a club's lineup, and the
// average energy of its starters that count.
int ForcaSetor(const world::Jogo& jogo, const Rodada& rodada, int clube, int setor);
int MediaEnergia(const world::Jogo& jogo, const Rodada& rodada, int clube);

// The per-minute step (penalties only in a shown match).
void JogarMinuto(world::Jogo& jogo, Rodada& rodada, int m);
// One minute of every match 1..numjogos.
void JogarMinutoDeTodos(world::Jogo& jogo, Rodada& rodada);
// Both halves of every match at once, as the quick mode plays them; leaves
// the clock at the end of the second half.
void JogarRodadaRapida(world::Jogo& jogo, Rodada& rodada);

// Drops what the engine keeps between minutes of match m (of every match
// when m is 0), so that its next minute works everything out afresh. The
// engine and the live view's changes do it themselves where they change
// something; the clock does it before every tick, since the window may
// change the game while it is stopped.
void EsquecerResumos(Rodada& rodada, int m = 0);

// The steps of the minute, open for the screens and the tests. Unlike the
// minute itself, they work everything out on every call.
int SortearPosse(world::Jogo& jogo, Rodada& rodada, int m);
void JogadaAtaque(world::Jogo& jogo, Rodada& rodada, int m, int lado);
void RegistrarGol(world::Jogo& jogo, Rodada& rodada, int m, int lado);
void SortearPenalti(world::Jogo& jogo, Rodada& rodada, int m);
void FaltasECartoes(world::Jogo& jogo, Rodada& rodada, int m, int lado);
void Contusao(world::Jogo& jogo, Rodada& rodada, int m, int lado, int mediaenergia);
void DesgasteEnergia(world::Jogo& jogo, Rodada& rodada, int m, int lado);
void SubstituicaoAutomatica(world::Jogo& jogo, Rodada& rodada, int m, int lado, int saldo);

// Goal chance of a shot by attack strength o against goalkeeper strength g,
// before the adjustments of the match.
int ChanceDeGol(int o, int g);
// What a computer-run club adds to its weight for the ball.
int BonusDeNivel(const world::TTime& t, int tipo);

void RegistrarEvento(Rodada& rodada, int clube, int jogador, int outro, int tipo, int m);

// Takes the player of slot `vaga` (0..10) off for `entra` from the bench:
// counts, substitutions left and made, event 7. The player going off leaves
// the counts only if he still is in them (an injured player already left).
void Substituir(world::Jogo& jogo, Rodada& rodada, int m, int lado, int vaga, int entra);

// End of the match: the statistics, then every player's rating.
void EncerrarPartida(world::Jogo& jogo, Rodada& rodada, int m);
void EstatisticasFinais(world::Jogo& jogo, TJogoDaRodada& p);
float NotaJogador(const world::Jogo& jogo, int jogador, const TJogoDaRodada& p, int lado);

// The goalkeeper who scores now and then for a computer-run club.
inline constexpr const char* kGoleiroArtilheiro = "Tonho Bicudo";

} // namespace match
