#pragma once
// What stays of a match after its date: the archive the match report reads,
// and the season's results list the rankings read.
#include "match/partida.hpp"

#include <vector>

namespace match {

struct TLadoArquivado {
    i32 onze[11] = {}; // the starting places at the end of the match
    float notaonze[11] = {};
    i32 substituidos[3] = {}; // players taken off
    float notasubstituidos[3] = {};
    i32 estilo = 0, jogadas = 0, marcacao = 0;
    i32 posse = 0, roubadas = 0, finalizacoes = 0, passeserrados = 0, faltas = 0,
        ataquesvencidos = 0;
};

struct TJogoArquivado {
    i32 mandante = -1, visitante = -1;
    i32 gols[2] = {};
    i32 renda = 0;
    i32 publico = 0;
    i32 publicosetor[4] = {};
    i32 numsubs[2] = {};
    i32 competicao = 0;
    i32 rodada = 0; // matchday or phase within the competition
    i32 turno = 0;
    double data = 0;
    i32 grupo = 0; // league, state or continental group, 0 when none
    u8 decididopenaltis = 0;
    i32 penaltis[2] = {};
    TLadoArquivado lados[2];
};

struct TEventoArquivado {
    i32 jogo; // index in the archive
    TEvento evento;
};

struct TResultado {
    i32 mandante, visitante, golsmandante, golsvisitante, temporada, competicao;
};

struct ArquivoJogos {
    std::vector<TJogoArquivado> jogos;     // `arquivojogos`, the whole game
    std::vector<TEventoArquivado> eventos; // `arquivoeventos`
    std::vector<TResultado> resultados;    // the season's, codes below 7
};

} // namespace match
