#pragma once
// The "Próximo adversário" line of the main screen: the club's next fixture,
// who it is against, where, in which competition and at which matchday or
// phase. Texts are Windows-1252.
#include "world/jogo.hpp"

#include <string>

namespace management {

struct ProximoAdversario {
    int partida = -1; // index in partidas; -1 = no fixture left
    int adversario = -1;
    bool casa = false; // the club plays at home
    int competicao = 0;
    std::string nomecompeticao;
    // Round-robin fixtures: the matchday counted over the season (the second
    // leg goes on from the first); knockout fixtures: the phase. The other 0.
    int rodada = 0;
    int fase = 0;
    // National league only: the opponent's league position; 0 otherwise.
    int colocacao = 0;
};

// The first unplayed fixture of club `time` from day `hoje` on (earliest day,
// then fixture order) whose two clubs are known. Ties still to be drawn are
// passed over: they have no opponent to show yet.
ProximoAdversario ProcurarProximoAdversario(const world::Jogo& jogo, int time, double hoje);

// Name of a competition as the line shows it; `grupo` is the fixture's group
// (league, state, continental region 1 South America / 2 Europe).
std::string NomeDaCompeticao(const world::Jogo& jogo, int competicao, int grupo);

} // namespace management
