#pragma once
// One fixture of the season's list `partidas`, 72 bytes, saved as it is.
#include "world/registros.hpp"

#include <cstddef>

namespace world {

struct TPartida {
    i32 mandante = -1; // -1 until a knockout tie is drawn
    i32 visitante = -1;
    i32 golsmandante = 0;
    i32 golsvisitante = 0;
    i32 penaltismandante = 0;
    i32 penaltisvisitante = 0;
    i32 competicao = 0; // -1 (and played): a friendly called off, played by no one
    i32 rodada = 0;     // matchday of the leg, or the knockout phase
    i32 turno = 1;      // leg; in the national cup the tie's number in its phase
    i32 chave = -1;     // national cup only: the tie's serial
    i32 reservado40 = 0;
    u8 jogado = 0;
    u8 pad45[3] = {};
    double data = 0;
    i32 grupo = -1; // league index, state, continental region; -1 friendly
    i32 publico = 0;
    i32 renda = 0;
    i32 reservado68 = 0;
};
static_assert(sizeof(TPartida) == 72);
PL_CAMPO(TPartida, mandante, 0);
PL_CAMPO(TPartida, visitante, 4);
PL_CAMPO(TPartida, golsmandante, 8);
PL_CAMPO(TPartida, golsvisitante, 12);
PL_CAMPO(TPartida, penaltismandante, 16);
PL_CAMPO(TPartida, penaltisvisitante, 20);
PL_CAMPO(TPartida, competicao, 24);
PL_CAMPO(TPartida, rodada, 28);
PL_CAMPO(TPartida, turno, 32);
PL_CAMPO(TPartida, chave, 36);
PL_CAMPO(TPartida, jogado, 44);
PL_CAMPO(TPartida, data, 48);
PL_CAMPO(TPartida, grupo, 56);
PL_CAMPO(TPartida, publico, 60);
PL_CAMPO(TPartida, renda, 64);

} // namespace world
