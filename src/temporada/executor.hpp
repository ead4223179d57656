#pragma once
// The matchday runner: plays every fixture of a date for one competition
// code, group by group. A shown group runs on the clock (Minuto, one tick at
// a time, from a timer or a loop); a group nobody watches is played at once in
// the quick mode. Screens and sounds are notices through the Interacao.
#include "match/arquivojogos.hpp"
#include "match/partida.hpp"
#include "match/tpartida.hpp"
#include "world/clubes.hpp"
#include "world/competicoes.hpp"
#include "world/jogo.hpp"

#include <vector>

namespace temporada {

// The competitions' counters live in the state block (they are saved).
using ContadoresCompeticao = world::TContadores;

// A tie decided at the end of its (last) match.
struct TConfrontoDecidido {
    int partida = -1; // fixture where the shoot-out is kept: the first leg, or the match
    int vencedor = -1, perdedor = -1;
    bool penaltis = false;
};

enum class EstadoRodada {
    Fechada,  // nothing open
    Pronta,   // opened, between groups
    Relogio,  // a shown group on the clock
    Encerrada // every group played: the results screen comes next
};

struct ExecucaoRodada {
    match::Rodada rodada;
    EstadoRodada estado = EstadoRodada::Fechada;
    int codigo = world::kLiga;
    // The fixtures played from: the game's own list unless a caller points
    // elsewhere (a friendly list, a benchmark's fixtures).
    std::vector<match::TPartida>* partidas = nullptr;

    // The groups of the date: fixture indices (at most 20 each) and whether the
    // group is shown. Built by AbrirRodada.
    struct Grupo {
        int id = 0; // league index, state, continental group 1/2; 0 otherwise
        bool mostrado = false;
        std::vector<int> partidas;
    };
    std::vector<Grupo> grupos;
    int grupoatual = -1; // index into grupos of the group being played
    int jogoshumanos[6] = {};
    int numjogoshumanos = 0;
    bool rapido = false;                        // the current group is played in the quick mode
    bool encerrado = false;                     // the current group's matches are closed
    bool semtela = false;                       // nobody watches: every group in the quick mode
    int ligamostrada = -1;                      // league shown when no league has a reason to be
    std::vector<TConfrontoDecidido> confrontos; // the date's decided ties
    std::vector<char> tomouparte;               // by player: took part on this date
    // The players of each club, indexed once per date.
    world::ElencosPlanos elencos;

    void Reservar(); // the buffers a date needs, so the minute never allocates
};

// Opens the date: clock reset, match records empty, the fixtures of
// `dodia` (indices into partidas of today's date) sorted into groups.
void AbrirRodada(world::Jogo& jogo, ExecucaoRodada& ex, int codigo, double data,
                 const std::vector<int>& dodia);
// Plays groups until one is shown on the clock (state Relogio) or none is
// left (state Encerrada: counters moved on, evolution done).
EstadoRodada JogarProximoGrupo(world::Jogo& jogo, ExecucaoRodada& ex);
// Fills the match records of a group.
void PrepararJogos(world::Jogo& jogo, ExecucaoRodada& ex, const ExecucaoRodada::Grupo& g);
// One tick of the clock: a minute of every match; half-time after the 45th
// minute of the first half; the end of the group after the 45th of the second.
EstadoRodada Minuto(world::Jogo& jogo, ExecucaoRodada& ex);
// Closes every match of the current group.
void FimDosJogos(world::Jogo& jogo, ExecucaoRodada& ex);
// A whole date from opening to the results, ticking shown groups in a loop.
void JogarData(world::Jogo& jogo, ExecucaoRodada& ex, int codigo, double data,
               const std::vector<int>& dodia);

// Milliseconds per tick of a shown group: the human speed when a human club
// takes part in the day's competition, else the other one.
int IntervaloDoRelogio(const world::Jogo& jogo, const ExecucaoRodada& ex);

// Today's fixtures of a competition in a list (not played, date matching).
std::vector<int> PartidasDoDia(const std::vector<match::TPartida>& partidas, int codigo,
                               double data);

} // namespace temporada
