#pragma once
// The champions history: who won and who came second in every competition of
// every season, which coach won it, and how far the other clubs went. The
// lists only grow; the continental qualification and the history screens
// read them.
#include "world/jogo.hpp"

namespace competitions {

// Appends a placing of `time` to the titles list, in the current season.
// A club in the first free place of a season's three clubs of a player's or
// a coach's career, unless it is there already.
void AnotarClubeNaTemporada(world::i32 (&temporada)[3], int clube);

void RegistrarTitulo(world::Jogo& jogo, int competicao, int time, int chave, int lugar,
                     int divisao);
// Appends a coach's placing.
void RegistrarTecnico(world::Jogo& jogo, int competicao, int tecnico, int time, int chave,
                      int lugar, int divisao);
// Appends a placing below the top two.
void RegistrarCampanha(world::Jogo& jogo, int time, int lugar, int competicao, int grupo);

// The club's placing and, when it has a coach, the coach's, together; the
// coach's title count goes up for a first place (competitions 1..6).
void RegistrarColocacao(world::Jogo& jogo, int competicao, int time, int chave, int lugar,
                        int divisao);

// The champion of a competition, key and season (the newest entry), or -1.
int CampeaoDe(const world::Jogo& jogo, int competicao, int chave, int temporada);
// The club with exactly these values, or -1.
int ClubeNaPosicao(const world::Jogo& jogo, int chave, int lugar, int temporada, int divisao,
                   int competicao);

} // namespace competitions
