#pragma once
// The fixed-layout records of the world. Their bytes go to saved games as they
// are, so every named field sits at a fixed offset, checked below; padding is
// spelled out. Fields whose rules live elsewhere (cup draws, career, club
// management) already have their slots; their owners name them as they come.
#include "plataforma/shortstring.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

namespace world {

using plataforma::ShortString;
using i32 = std::int32_t;
using u8 = std::uint8_t;

constexpr int kTiposCompeticao = 10; // 0 friendly .. 9 Euro
constexpr int kNivelMaximo = 25;     // a club's or a national team's level: 0..25

#define PL_CAMPO(T, campo, deslocamento)                                                           \
    static_assert(offsetof(T, campo) == (deslocamento), #T "::" #campo " is misplaced")

// Player, 312 bytes.
struct TJogador {
    ShortString<20> nome;
    u8 estrela;
    u8 pad22[2];
    i32 idade;
    i32 pais;
    i32 time;
    i32 posicao;
    i32 posicaoatual;
    i32 forca;
    i32 salario;
    i32 passe;
    i32 passepedido;
    i32 titular;
    i32 numero;
    i32 funcao;
    i32 caract1;
    i32 caract2;
    double retorno;
    double contrato;
    i32 energia;
    u8 atuou;
    u8 avenda;
    u8 pad102[2];
    float nota;
    float evolucao;
    u8 cansado; // starter under 15 energy at the commit
    u8 novato;
    u8 jogou;
    u8 pad115;
    i32 amarelosjogo;
    i32 cartoes[kTiposCompeticao];
    i32 suspensao[kTiposCompeticao];
    i32 gols[kTiposCompeticao];
    i32 jogos[kTiposCompeticao];
    i32 historico;
    i32 moral;
    // Club-management marks that no rule of this game reads: cleared when a
    // player is created and kept as they are for the file.
    i32 marcagestao1;
    u8 avisocontrato; // contract end: 0 no warning, 1 warned it ends soon, 2 that it ended
    u8 pad293[3];
    i32 marcagestao2;
    u8 sinalgestao1;
    u8 sinalgestao2;
    u8 pad302[2];
    i32 marcagestao3;
    u8 sinaisgestao[4];
};
static_assert(sizeof(TJogador) == 312);
PL_CAMPO(TJogador, nome, 0);
PL_CAMPO(TJogador, estrela, 21);
PL_CAMPO(TJogador, idade, 24);
PL_CAMPO(TJogador, pais, 28);
PL_CAMPO(TJogador, time, 32);
PL_CAMPO(TJogador, posicao, 36);
PL_CAMPO(TJogador, posicaoatual, 40);
PL_CAMPO(TJogador, forca, 44);
PL_CAMPO(TJogador, salario, 48);
PL_CAMPO(TJogador, passe, 52);
PL_CAMPO(TJogador, passepedido, 56);
PL_CAMPO(TJogador, titular, 60);
PL_CAMPO(TJogador, numero, 64);
PL_CAMPO(TJogador, funcao, 68);
PL_CAMPO(TJogador, caract1, 72);
PL_CAMPO(TJogador, caract2, 76);
PL_CAMPO(TJogador, retorno, 80);
PL_CAMPO(TJogador, contrato, 88);
PL_CAMPO(TJogador, energia, 96);
PL_CAMPO(TJogador, atuou, 100);
PL_CAMPO(TJogador, avenda, 101);
PL_CAMPO(TJogador, nota, 104);
PL_CAMPO(TJogador, evolucao, 108);
PL_CAMPO(TJogador, cansado, 112);
PL_CAMPO(TJogador, novato, 113);
PL_CAMPO(TJogador, jogou, 114);
PL_CAMPO(TJogador, amarelosjogo, 116);
PL_CAMPO(TJogador, cartoes, 120);
PL_CAMPO(TJogador, suspensao, 160);
PL_CAMPO(TJogador, gols, 200);
PL_CAMPO(TJogador, jogos, 240);
PL_CAMPO(TJogador, historico, 280);
PL_CAMPO(TJogador, moral, 284);
PL_CAMPO(TJogador, marcagestao1, 288);
PL_CAMPO(TJogador, avisocontrato, 292);
PL_CAMPO(TJogador, marcagestao2, 296);
PL_CAMPO(TJogador, sinalgestao1, 300);
PL_CAMPO(TJogador, sinalgestao2, 301);
PL_CAMPO(TJogador, marcagestao3, 304);
PL_CAMPO(TJogador, sinaisgestao, 308);

// Club, 656 bytes. Competition-indexed arrays use the competition codes.
struct TTime {
    ShortString<25> nome;
    ShortString<30> escudo;
    u8 humano;
    u8 pad58[2];
    i32 pais;
    i32 estado;
    i32 tecnico;
    i32 dinheiro;
    i32 confdiretoria;
    i32 conftorcida;
    i32 sorteiocopa84; // national-cup draw
    i32 escalacao;
    i32 elenco;
    i32 porposicao[5];
    i32 divisao;
    i32 grupoestadual;
    i32 grupocontinental;
    i32 grupocontinental2;
    i32 sorteiocopa132; // national-cup draw
    i32 nivel;
    i32 gruposelecao; // a national team in a tournament: its group 1..8, else 0
    i32 disponiveis;
    i32 capitao;
    i32 cobrador;
    i32 corfundo;
    i32 cortexto;
    i32 pontos[kTiposCompeticao];
    i32 jogos[kTiposCompeticao];
    i32 vitorias[kTiposCompeticao];
    i32 derrotas[kTiposCompeticao];
    i32 golspro[kTiposCompeticao];
    i32 golscontra[kTiposCompeticao];
    i32 colocacao[kTiposCompeticao];
    i32 ultimoresultado; // last counted match: 0 draw, 1 win, 2 loss
    ShortString<30> estadio;
    u8 pad479;
    i32 posicaoselecao; // its pairing position 1..4 in that group, else 0
    i32 precos[4];
    i32 capacidade[4];
    u8 jogacopa;
    u8 jogaselecao; // a national team still in its tournament
    u8 jogaestadual;
    u8 jogacontinental;
    u8 jogacontinental2;
    u8 jogamundial;
    u8 pad522[2];
    i32 formacao;
    i32 estilo;
    i32 marcacao;
    i32 jogadas;
    i32 reservado540[5];
    i32 pontoshistoricos[6][3];
    i32 titulos[6];
};
static_assert(sizeof(TTime) == 656);
PL_CAMPO(TTime, nome, 0);
PL_CAMPO(TTime, escudo, 26);
PL_CAMPO(TTime, humano, 57);
PL_CAMPO(TTime, pais, 60);
PL_CAMPO(TTime, estado, 64);
PL_CAMPO(TTime, tecnico, 68);
PL_CAMPO(TTime, dinheiro, 72);
PL_CAMPO(TTime, confdiretoria, 76);
PL_CAMPO(TTime, conftorcida, 80);
PL_CAMPO(TTime, sorteiocopa84, 84);
PL_CAMPO(TTime, escalacao, 88);
PL_CAMPO(TTime, elenco, 92);
PL_CAMPO(TTime, porposicao, 96);
PL_CAMPO(TTime, divisao, 116);
PL_CAMPO(TTime, grupoestadual, 120);
PL_CAMPO(TTime, grupocontinental, 124);
PL_CAMPO(TTime, grupocontinental2, 128);
PL_CAMPO(TTime, sorteiocopa132, 132);
PL_CAMPO(TTime, nivel, 136);
PL_CAMPO(TTime, gruposelecao, 140);
PL_CAMPO(TTime, disponiveis, 144);
PL_CAMPO(TTime, capitao, 148);
PL_CAMPO(TTime, cobrador, 152);
PL_CAMPO(TTime, corfundo, 156);
PL_CAMPO(TTime, cortexto, 160);
PL_CAMPO(TTime, pontos, 164);
PL_CAMPO(TTime, jogos, 204);
PL_CAMPO(TTime, vitorias, 244);
PL_CAMPO(TTime, derrotas, 284);
PL_CAMPO(TTime, golspro, 324);
PL_CAMPO(TTime, golscontra, 364);
PL_CAMPO(TTime, colocacao, 404);
PL_CAMPO(TTime, ultimoresultado, 444);
PL_CAMPO(TTime, estadio, 448);
PL_CAMPO(TTime, posicaoselecao, 480);
PL_CAMPO(TTime, precos, 484);
PL_CAMPO(TTime, capacidade, 500);
PL_CAMPO(TTime, jogacopa, 516);
PL_CAMPO(TTime, jogaselecao, 517);
PL_CAMPO(TTime, jogaestadual, 518);
PL_CAMPO(TTime, jogacontinental, 519);
PL_CAMPO(TTime, jogacontinental2, 520);
PL_CAMPO(TTime, jogamundial, 521);
PL_CAMPO(TTime, formacao, 524);
PL_CAMPO(TTime, estilo, 528);
PL_CAMPO(TTime, marcacao, 532);
PL_CAMPO(TTime, jogadas, 536);
PL_CAMPO(TTime, pontoshistoricos, 560);
PL_CAMPO(TTime, titulos, 632);

// Coach, 460 bytes.
struct TTecnico {
    ShortString<25> nome; // empty = free record
    u8 pad26[2];
    i32 time;
    i32 timeanterior; // -1 for a new coach
    i32 nivel;
    i32 pontos;
    i32 pontosmundial;
    u8 novo; // 1 for a new human coach
    u8 humano;
    u8 pad50[2];
    i32 protecao;  // clubs looking for a coach pass over him while not 0
    u8 podeoferta; // set each season, cleared when he is shown an offer
    u8 pad57[3];
    i32 pais;
    u8 empregado;
    u8 pad65[3];
    i32 estatisticas[5][11]; // career rows by season
    i32 clubes[10][3];       // clubs coached in seasons 1..10
    i32 titulos[7];          // 1..6 by competition; 0 is not shown
    i32 treinaselecao;       // 1 while he coaches a national team in the tournament
    i32 reservado440;
    i32 carreira444[4];
};
static_assert(sizeof(TTecnico) == 460);
PL_CAMPO(TTecnico, nome, 0);
PL_CAMPO(TTecnico, time, 28);
PL_CAMPO(TTecnico, timeanterior, 32);
PL_CAMPO(TTecnico, nivel, 36);
PL_CAMPO(TTecnico, pontos, 40);
PL_CAMPO(TTecnico, pontosmundial, 44);
PL_CAMPO(TTecnico, novo, 48);
PL_CAMPO(TTecnico, humano, 49);
PL_CAMPO(TTecnico, protecao, 52);
PL_CAMPO(TTecnico, podeoferta, 56);
PL_CAMPO(TTecnico, pais, 60);
PL_CAMPO(TTecnico, empregado, 64);
PL_CAMPO(TTecnico, estatisticas, 68);
PL_CAMPO(TTecnico, clubes, 288);
PL_CAMPO(TTecnico, titulos, 408);
PL_CAMPO(TTecnico, treinaselecao, 436);
PL_CAMPO(TTecnico, carreira444, 444);

// National team, 1688 bytes: the body of a national-team file.
constexpr int kVagasSelecao = 28;
struct TSelecao {
    i32 pais;
    i32 continente;
    ShortString<30> escudo;
    ShortString<32> tecnico;
    i32 nivel;
    u8 completo;
    u8 pad77[3];
    i32 cortexto;
    i32 corfundo;
    i32 numjogadores;
    ShortString<35> nomes[kVagasSelecao];
    i32 idades[kVagasSelecao];
    i32 posicoes[kVagasSelecao];
    i32 titulares[kVagasSelecao];
    i32 caract1s[kVagasSelecao];
    i32 caract2s[kVagasSelecao];
    u8 estrelas[kVagasSelecao];
};
static_assert(sizeof(TSelecao) == 1688);
PL_CAMPO(TSelecao, pais, 0);
PL_CAMPO(TSelecao, continente, 4);
PL_CAMPO(TSelecao, escudo, 8);
PL_CAMPO(TSelecao, tecnico, 39);
PL_CAMPO(TSelecao, nivel, 72);
PL_CAMPO(TSelecao, completo, 76);
PL_CAMPO(TSelecao, cortexto, 80);
PL_CAMPO(TSelecao, corfundo, 84);
PL_CAMPO(TSelecao, numjogadores, 88);
PL_CAMPO(TSelecao, nomes, 92);
PL_CAMPO(TSelecao, idades, 1100);
PL_CAMPO(TSelecao, posicoes, 1212);
PL_CAMPO(TSelecao, titulares, 1324);
PL_CAMPO(TSelecao, caract1s, 1436);
PL_CAMPO(TSelecao, caract2s, 1548);
PL_CAMPO(TSelecao, estrelas, 1660);

// League of one country, 660 bytes.
struct TLiga {
    i32 divisoes[4][20]; // club index per slot, -1 = empty
    i32 pais;
    i32 numdivisoes;
    i32 numtimes;
    u8 temhumano;
    u8 pad333[3];
    i32 ordem[4][20]; // table order, shaped like divisoes
    u8 visualizar;
    u8 pad657[3];
};
static_assert(sizeof(TLiga) == 660);
PL_CAMPO(TLiga, divisoes, 0);
PL_CAMPO(TLiga, pais, 320);
PL_CAMPO(TLiga, numdivisoes, 324);
PL_CAMPO(TLiga, numtimes, 328);
PL_CAMPO(TLiga, temhumano, 332);
PL_CAMPO(TLiga, ordem, 336);
PL_CAMPO(TLiga, visualizar, 656);

// A player's career, 340 bytes. Rows: goals, matches, yellow cards, red cards,
// injuries; entry 0 is the career total, 1..10 the seasons (later seasons in 10).
enum LinhaHistorico { kHistGols = 0, kHistJogos, kHistAmarelos, kHistVermelhos, kHistContusoes };
struct THistoricoJogador {
    i32 linhas[5][11];
    i32 clubes[10][3]; // up to three clubs per season, -1 = empty
};
static_assert(sizeof(THistoricoJogador) == 340);
PL_CAMPO(THistoricoJogador, linhas, 0);
PL_CAMPO(THistoricoJogador, clubes, 220);

// Copies of the settings, kept in the state block so a saved game carries the
// options it was saved with. Speeds are the delays in ms per minute shown.
struct TOpcoes {
    i32 opvelocidade;
    i32 opnhvelocidade;
    i32 opsalvar;
    i32 opemails;
    i32 cores[5];
    i32 opver41;
    i32 opver42;
    i32 opver61;
    i32 opver62;
    u8 opintervalo;
    u8 op_verpenalty;
    u8 opvertrocatecnicos;
    u8 opsom;
    u8 opcontrato;
    u8 opminutos;
    u8 opcornalista;
    u8 opnegrito;
    u8 opescalacao;
    u8 pad61[3];
};
static_assert(sizeof(TOpcoes) == 64);

// The competitions' own progress counters, moved on by the runner after each
// date; the screens read the matchday being played from here, not from the
// date number. 48 bytes inside the state block.
struct TContadores {
    i32 rodadaliga;   // league matchday within the leg, 1..19 or 1..9
    i32 turnoliga;    // league leg, 1 or 2
    u8 ligaencerrada; // set once the last league date has been played
    u8 pad9[3];
    i32 fasecopa;       // national cup phase 1..5, 6 after the final
    i32 turnocopa;      // national cup leg
    i32 rodadaestadual; // state matchday 1..5 in each leg, 6 and 7 the final
    i32 turnoestadual;
    i32 fasecontinental[2];  // codes 4 and 6: group matchday 1..3, then phases 4..7
    i32 turnocontinental[2]; // their legs
    i32 fasetorneio;         // club world cup and national-team tournaments
};
static_assert(sizeof(TContadores) == 48);

// The national-team tournament of the season (World Cup, Copa America or
// Euro): drawn at the season start, its teams exist as clubs and players
// appended to the tables until the last tournament date. 256 bytes inside the
// state block.
constexpr int kConvitesPorNivel = 8;
struct TTorneio {
    i32 codigo;                         // 7, 8 or 9 while one is drawn, 0 none
    i32 temporada;                      // the season it was drawn for
    i32 numtimes;                       // length of times before the draw
    i32 numjogadores;                   // length of jogadores before the draw
    i32 selecoes[6];                    // by human number: the national team he coaches, -1 none
    i32 indicesede;                     // the next World Cup's entry in the hosts' table
    i32 sede;                           // host country of this tournament, -1 none
    i32 cidades[2];                     // the city groups its venues come from
    i32 convites[2][kConvitesPorNivel]; // invitation lists of tiers 1 and 2, -1 empty
    i32 terceiros[2];                   // Copa America: the two best thirds once known, -1 before
    i32 convocou[6];                    // by human number: 1 once his squad has been called up
    i32 campeao;                        // the final's winner once played, -1 before
    i32 reservado[25];
};
static_assert(sizeof(TTorneio) == 256);

constexpr int kPaisesExtras = 52;
constexpr int kPaisesListas = 202; // countries 0..201
constexpr int kEntradasLista = 10;
constexpr int kCotaMaximaExtras = 14;

// The scalar state of a running game, 16752 bytes, saved as one block.
struct TEstadoJogo {
    u8 reservado0[8];
    i32 marcador; // 2007
    i32 timeatual;
    u8 reservado16[8];
    i32 humanos[6];
    i32 numtimesligas;
    i32 numtimesextras;
    u8 reservado56[16];
    ShortString<50> nomecampeonato;
    u8 pad123;
    i32 tipo;
    ShortString<50> arquivo;
    u8 pad179;
    i32 temporada;
    i32 paisprincipal;
    TOpcoes opcoes;
    u8 reservado252[2];
    u8 copanacional;
    u8 reservado255[13];
    ShortString<30> nomecopa;
    u8 pad299;
    i32 numhumanos;
    i32 timeshumanos[6];
    i32 divisoesporliga;
    i32 dataatual;
    u8 estaduais;
    u8 continental1;
    u8 continental2;
    u8 reservado339[4];
    u8 copadomundo;
    u8 eurocopa;
    u8 copaamerica;
    u8 reservado346[2];
    TContadores contadores;
    u8 reservado396[4];
    // Extra clubs by country of the extra-club list: row r holds the count, then
    // the club indices.
    i32 extrasporpais[kPaisesExtras][1 + kCotaMaximaExtras];
    i32 arbitrostemporada[12]; // the season's twelve referees, indices into arbitros
    // The continental cups' groups: [cup: 0 code 4, 1 code 6][region 1/2 - 1]
    // [group 1..8 - 1][slot], slot 0 the seed; -1 an empty slot. They hold the
    // draw of season `temporadacontinental` only.
    i32 gruposcontinentais[2][2][8][4];
    // The continental list of every country 0..201: the count, then up to ten
    // clubs (the qualified ones of a played league, else its strongest).
    i32 listascontinentais[kPaisesListas][1 + kEntradasLista];
    i32 temporadacontinental; // the season the groups and lists were drawn for, 0 none
    TTorneio torneio;
    u8 reservado13228[16605 - 13228];
    ShortString<25> descrtecnico;
    ShortString<25> descrtime;
    u8 reservado16657[12];
    u8 gruposreais;
    u8 pad16670[2];
    std::uint64_t gerador; // state of the random generator
    u8 reservado16680[16752 - 16680];
};
static_assert(sizeof(TEstadoJogo) == 16752);
PL_CAMPO(TEstadoJogo, marcador, 8);
PL_CAMPO(TEstadoJogo, timeatual, 12);
PL_CAMPO(TEstadoJogo, humanos, 24);
PL_CAMPO(TEstadoJogo, numtimesligas, 48);
PL_CAMPO(TEstadoJogo, numtimesextras, 52);
PL_CAMPO(TEstadoJogo, nomecampeonato, 72);
PL_CAMPO(TEstadoJogo, tipo, 124);
PL_CAMPO(TEstadoJogo, arquivo, 128);
PL_CAMPO(TEstadoJogo, temporada, 180);
PL_CAMPO(TEstadoJogo, paisprincipal, 184);
PL_CAMPO(TEstadoJogo, opcoes, 188);
PL_CAMPO(TEstadoJogo, copanacional, 254);
PL_CAMPO(TEstadoJogo, nomecopa, 268);
PL_CAMPO(TEstadoJogo, numhumanos, 300);
PL_CAMPO(TEstadoJogo, timeshumanos, 304);
PL_CAMPO(TEstadoJogo, divisoesporliga, 328);
PL_CAMPO(TEstadoJogo, dataatual, 332);
PL_CAMPO(TEstadoJogo, estaduais, 336);
PL_CAMPO(TEstadoJogo, continental1, 337);
PL_CAMPO(TEstadoJogo, continental2, 338);
PL_CAMPO(TEstadoJogo, copadomundo, 343);
PL_CAMPO(TEstadoJogo, eurocopa, 344);
PL_CAMPO(TEstadoJogo, copaamerica, 345);
PL_CAMPO(TEstadoJogo, contadores, 348);
PL_CAMPO(TEstadoJogo, extrasporpais, 400);
PL_CAMPO(TEstadoJogo, arbitrostemporada, 3520);
PL_CAMPO(TEstadoJogo, gruposcontinentais, 3568);
PL_CAMPO(TEstadoJogo, listascontinentais, 4080);
PL_CAMPO(TEstadoJogo, temporadacontinental, 12968);
PL_CAMPO(TEstadoJogo, torneio, 12972);
PL_CAMPO(TEstadoJogo, descrtecnico, 16605);
PL_CAMPO(TEstadoJogo, descrtime, 16631);
PL_CAMPO(TEstadoJogo, gruposreais, 16669);
PL_CAMPO(TEstadoJogo, gerador, 16672);

// A club's season statement: 14 integers in saved-game order.
struct TFinancas {
    i32 zero0;
    i32 salariosemanal;
    i32 salarios;
    i32 zero3;
    i32 ingressos;
    i32 estadio;
    i32 vendas;
    i32 compras;
    i32 emprestimo;
    i32 premios;
    i32 juros;
    i32 patrocinio;
    i32 zero12;
    i32 multas;
};
static_assert(sizeof(TFinancas) == 56);

// The lineup record of a club for the current date (26 integers).
struct TEscalacao {
    i32 jogadoreslinha[10];
    i32 goleiro;
    i32 titularesporposicao[4];
    i32 defensores;
    i32 meias;
    i32 atacantes;
    i32 reservas[7];
    i32 reservado25;
};
static_assert(sizeof(TEscalacao) == 26 * 4);

} // namespace world
