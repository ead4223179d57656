#pragma once
// What stays of a match after its date: the archive the match report reads,
// its events, and the season's results list the rankings read. All three go
// into saved games as they are.
#include "world/blocos.hpp"
#include "world/indicearquivo.hpp"
#include "world/registros.hpp"

#include <vector>

namespace world {

// Event types of the event lists.
enum TipoEvento : i32 {
    kVermelhoDireto = 1,
    kAmarelo = 2,
    kContusaoEvento = 3,
    kGolEvento = 5,
    kSegundoAmarelo = 6,
    kSubstituicaoEvento = 7,
    kGolContra = 11,
    kGolPenalti = 12,
    kGolFalta = 13,
};

// One event of a match, 24 bytes. On the date it belongs to, `jogo` is the
// match record 1..20; once archived it is the index of its archive entry.
struct TEvento {
    i32 tipo;
    i32 clube;
    i32 jogador;
    i32 outro;
    i32 minuto; // 1..90
    i32 jogo;
};
static_assert(sizeof(TEvento) == 24);

// One side of an archived match, 160 bytes.
struct TLadoArquivado {
    i32 onze[11] = {}; // the starting places at the end of the match
    float notaonze[11] = {};
    i32 substituidos[3] = {}; // players taken off
    float notasubstituidos[3] = {};
    i32 estilo = 0, jogadas = 0, marcacao = 0;
    i32 posse = 0, roubadas = 0, finalizacoes = 0, passeserrados = 0, faltas = 0,
        ataquesvencidos = 0;
    i32 reservado148[3] = {};
};
static_assert(sizeof(TLadoArquivado) == 160);

// One archived match, 600 bytes.
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
    i32 reservado60 = 0;
    double data = 0;
    i32 grupo = 0; // league, state or continental group, 0 when none
    u8 decididopenaltis = 0;
    u8 pad77[3] = {};
    i32 penaltis[2] = {};
    TLadoArquivado lados[2];
    u8 reservado408[600 - 408] = {};
};
static_assert(sizeof(TJogoArquivado) == 600);
PL_CAMPO(TJogoArquivado, competicao, 48);
PL_CAMPO(TJogoArquivado, data, 64);
PL_CAMPO(TJogoArquivado, grupo, 72);
PL_CAMPO(TJogoArquivado, decididopenaltis, 76);
PL_CAMPO(TJogoArquivado, penaltis, 80);
PL_CAMPO(TJogoArquivado, lados, 88);

// One result of the season (codes below 7), 24 bytes.
struct TResultado {
    i32 mandante, visitante, golsmandante, golsvisitante, temporada, competicao;
};
static_assert(sizeof(TResultado) == 24);

// The archive and its events are kept for the whole game and grow by some
// 10 MiB a season on the whole world: kept in blocks, they grow without ever
// copying themselves.
struct ArquivoJogos {
    Blocos<TJogoArquivado> jogos;       // `arquivojogos`, the whole game
    Blocos<TEvento> eventos;            // `arquivoeventos`, tagged with their entry
    std::vector<TResultado> resultados; // the season's, codes below 7

    // The archive entries of day `data` and the positions of the events of
    // entry `entrada`, in archive order, through an index kept up to date.
    std::vector<int> JogosDoDia(double data) const {
        indice.Acompanhar(jogos, eventos);
        return indice.DaData(jogos, data);
    }
    std::vector<int> EventosDoJogo(int entrada) const {
        indice.Acompanhar(jogos, eventos);
        return indice.EventosDe(eventos, entrada);
    }

private:
    mutable IndiceArquivo indice;
};

} // namespace world
