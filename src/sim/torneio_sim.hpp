#pragma once
// What pitchlord-sim reports of a season's national-team tournament: the
// group tables, every knockout result and the final placings. The teams are
// cut from the tables after the last date, so the report is gathered while
// they are there and finished from the archive and the history.
#include "sim/json.hpp"
#include "world/jogo.hpp"

#include <map>
#include <vector>

namespace sim {

struct RelatorioTorneio {
    struct Linha {
        int grupo, lugar, pais, pontos, saldo;
    };
    struct Jogo {
        int fase;
        int pais[2];
        int gols[2];
        bool penaltis;
        int pen[2];
    };
    int codigo = 0; // 0: no tournament this season
    int temporada = 0;
    int sede = -1;
    std::map<int, int> paises; // temporary club → country
    std::vector<Linha> grupos;
    std::vector<Jogo> mataamata;
    std::vector<int> colocacao;               // countries placed 1..4
    std::vector<std::pair<int, int>> humanos; // human number, country

    // After a tournament date (the teams still in the tables).
    void Observar(const world::Jogo& jogo);
    // At the season's end: the knockout from the archive, the placings.
    void Concluir(const world::Jogo& jogo);
    void Escrever(Json& j) const;
    void Imprimir() const;
};

} // namespace sim
