#pragma once
// The game's smaller tables that go into saved games beside the world
// records: the state championships, the history lists, and the records of
// the tournaments, mail, friendlies, transfers, coach changes and stadium
// works. Records whose rules are not in the game yet are kept as raw bytes of
// their exact size, so a saved game carries them unchanged.
#include "world/registros.hpp"

#include <array>
#include <cstddef>
#include <vector>

namespace world {

constexpr int kEstados = 27;
constexpr int kGruposEstaduais = 5;

// One state's championship, 152 bytes. Group g (1..5) is grupos[g - 1], its
// six club slots -1 when empty.
struct TEstadual {
    i32 grupos[kGruposEstaduais][6];
    i32 numgrupos; // groups in use, 0 = none
    u8 ativo;      // the state takes part this season
    u8 humano;     // a human-coached club plays in it
    u8 encerrado;  // the final has been decided
    u8 pad127;
    i32 finalistas[2]; // the final's clubs: group 1's winner, then its runner-up
    i32 campeao;       // -1 until the final is decided
    i32 reservado140[3];
};
static_assert(sizeof(TEstadual) == 152);
PL_CAMPO(TEstadual, numgrupos, 120);
PL_CAMPO(TEstadual, finalistas, 128);

// A champion or runner-up of a competition, 24 bytes.
struct TTituloHistorico {
    i32 temporada;
    i32 competicao;
    i32 time;
    i32 chave;   // country; region 1/2 for codes 4 and 6; -1 club world cup
    i32 divisao; // league division, -1 otherwise
    i32 lugar;   // 1, 2 (3, 4 in the club world cup)
};
static_assert(sizeof(TTituloHistorico) == 24);

// A coach's title or runner-up place, 28 bytes.
struct TTecnicoHistorico {
    i32 temporada;
    i32 competicao;
    i32 time;
    i32 tecnico;
    i32 divisao;
    i32 lugar;
    i32 chave;
};
static_assert(sizeof(TTecnicoHistorico) == 28);

// A season's top scorer of a competition, 28 bytes; the season-end screen
// shows `gols`.
struct TArtilheiroHistorico {
    i32 temporada;
    i32 competicao;
    i32 time;
    i32 jogador;
    i32 chave; // as in TTituloHistorico
    i32 gols;
    i32 divisao;
};
static_assert(sizeof(TArtilheiroHistorico) == 28);
PL_CAMPO(TArtilheiroHistorico, gols, 20);

// A club's placing below the top two, 20 bytes.
struct TCampanha {
    i32 time;
    i32 temporada;
    i32 competicao;
    i32 lugar; // place, or a stage code
    i32 grupo; // group or region, -1 when none
};
static_assert(sizeof(TCampanha) == 20);

// One season's champions at a glance, 162 integers: for competition slot a
// (0..26) the champion at a, the runner-up at 27 + a, and at 81 + 3a the top
// scorer, his club and his goals.
constexpr int kSlotsCampeoes = 27;
struct TCampeoesTemporada {
    i32 campeao[kSlotsCampeoes];
    i32 vice[kSlotsCampeoes];
    i32 reservado54[kSlotsCampeoes];
    i32 artilheiro[kSlotsCampeoes][3];
};
static_assert(sizeof(TCampeoesTemporada) == 648);

// A call-up of the current national-team tournament, 8 bytes.
struct TConvocado {
    i32 jogador;
    i32 time;
};
static_assert(sizeof(TConvocado) == 8);

template <std::size_t N> struct TRegistroBruto { u8 bytes[N]; };
// One knockout pairing decided by a single match, 48 bytes.
struct TParEliminatoria {
    i32 time1; // -1 until known
    i32 time2;
    i32 vencedor; // -1 until played
    i32 partida;  // the fixture in partidas, -1 none
    i32 reservado[8];
};
static_assert(sizeof(TParEliminatoria) == 48);
// The national-team tournaments': the World Cup's last 16 are pairings 0..7,
// its quarter-finals 8..11, semi-finals 12..13, the final 14 and the third
// place 15; the Copa America and the Euro use 0..3, 4..5, 6 and 7.
using TParTorneio = TParEliminatoria;
using TGrupoTorneio = TParTorneio;
// The club world cup's: pairs 1 and 2 are the first day's matches, 3 and 4
// the semi-finals, 5 the final, 6 the third place.
using TParMundial = TParEliminatoria;

// One hiring of the coach-change log.
struct TTrocaTecnico {
    i32 tecnico;
    i32 temporada; // the season counter when he was hired
    i32 clube;
};
static_assert(sizeof(TTrocaTecnico) == 12);
PL_CAMPO(TTrocaTecnico, tecnico, 0);
PL_CAMPO(TTrocaTecnico, temporada, 4);
PL_CAMPO(TTrocaTecnico, clube, 8);
static_assert(sizeof(TGrupoTorneio) == 48);

// A friendly arranged by a human, 24 bytes: the home club first. Its fixture
// (code 0) is in `partidas`; `jogado` follows it once the date is played, and
// a friendly called off (its human left the club) is marked played too.
struct TAmistoso {
    i32 mandante;
    i32 visitante;
    i32 jogado;
    i32 indicedata; // calendar date 1..148 it is played on
    double data;
};
static_assert(sizeof(TAmistoso) == 24);
PL_CAMPO(TAmistoso, mandante, 0);
PL_CAMPO(TAmistoso, visitante, 4);
PL_CAMPO(TAmistoso, jogado, 8);
PL_CAMPO(TAmistoso, indicedata, 12);
PL_CAMPO(TAmistoso, data, 16);

// Stadium works of a club, 40 bytes: appended when they start, kept after
// they end with `pendente` cleared.
struct TObra {
    i32 clube;
    i32 reservado4;
    double data;     // completion day
    i32 assentos[4]; // seats added per sector
    i32 pendente;    // 1 until the seats are in the stadium
    i32 reservado36;
};
static_assert(sizeof(TObra) == 40);
PL_CAMPO(TObra, data, 8);
PL_CAMPO(TObra, assentos, 16);
PL_CAMPO(TObra, pendente, 32);

// One message of a human club's mailbox, 48 bytes. The date sits at byte 4,
// where a double would not be aligned: it is kept as its eight bytes.
struct TEmail {
    i32 clube;  // the receiving club
    u8 data[8]; // the day it was posted (day count, double)
    i32 reservado12;
    i32 texto;      // catalogue entry 1..73, 0 = none
    i32 remetente;  // 1 board, 2 fans, 3 a player, 4 press, 5 medical staff
    i32 categoria;  // picks the subject line
    i32 jogador;    // the player concerned, 0 = none
    i32 outroclube; // the other club (buyer, new club) or the second player
    i32 valor;      // an amount (sale price), 0 = none
    u8 lido;
    u8 pergunta; // a yes/no question still waiting for its answer
    u8 pad42[2];
    i32 reservado44;
};
static_assert(sizeof(TEmail) == 48);
PL_CAMPO(TEmail, data, 4);
PL_CAMPO(TEmail, texto, 16);
PL_CAMPO(TEmail, outroclube, 32);
PL_CAMPO(TEmail, lido, 40);
PL_CAMPO(TEmail, pergunta, 41);

// One transfer of the history, 20 bytes; appended, never removed.
struct TTransferencia {
    i32 jogador;
    i32 temporada; // season counter; the year shown is 2006 + temporada
    i32 vendedor;
    i32 comprador;
    i32 preco;
};
static_assert(sizeof(TTransferencia) == 20);

} // namespace world
