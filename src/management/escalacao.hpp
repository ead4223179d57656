#pragma once
// The human coach's lineup on the main screen: the squad grid's rows with their
// selection codes, the clicks on the status cells, the validation that enables
// "Jogar >>" and the commit into the club's lineup record. The desktop grid only
// shows these rows and calls these functions.
#include "match/escalacaoautomatica.hpp"
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace management {

// The hidden selection column of the grid.
enum CodigoGrade : int {
    kNaoSelecionado = 0,
    kTitular = 1,
    kReserva = 2,
    kIndisponivel = 3, // injured or suspended: cannot be selected
    kNovato = 4,       // bought since the last match: cannot be selected
};

constexpr int kMaxReservas = 7;

struct LinhaGrade {
    int jogador = 0;
    int codigo = kNaoSelecionado;
};

// A lineup in progress for one club, on one date.
struct Grade {
    int clube = -1;
    int tipo = 0;    // competition code of the date
    double hoje = 0; // the current date
    std::vector<LinhaGrade> linhas;

    int Contar(int codigo) const;
};

// Available outfield players by position played (goalkeepers apart): the
// counts `disponiveisporposicao`, with `disponiveis` = Linha().
using Disponiveis = match::Disponibilidade;
Disponiveis ContarDisponiveis(const world::Jogo& jogo, const Grade& grade);
// Recounts and writes the club's `disponiveis`.
Disponiveis RecontarDisponiveis(world::Jogo& jogo, const Grade& grade);

// The rows of a club's squad in display order (position and role, then
// strength, then energy, all ascending) with their initial codes: "4" for a
// newcomer (to his club: a national team may field him), "3" for a player who may not play, and
// with "Salvar escalação"
// (`opescalacao`) on the last committed starters and substitutes.
Grade PreencherGrade(const world::Jogo& jogo, int clube, int tipo, double hoje);
// The grid's order for the rows as the players stand now (position and role,
// strength, energy): the order the commit places them in.
void OrdenarGrade(const world::Jogo& jogo, Grade& grade);
// The club on screen (`timeatual`) for the competition of the date.
Grade PreencherGrade(const world::Jogo& jogo, double hoje);

// A grid filled again on the same date (a dialog closed, a player sold) keeps
// the lineup being made: each player his starter or substitute code, unless
// he can no longer be chosen; players new to the grid start unselected.
void ManterSelecao(Grade& nova, const Grade& antes);

// Players of the remembered lineup ("Salvar escalação") whom an injury or a
// suspension keeps out of today's match: the screen says so.
struct Desfalque {
    enum Motivo { Lesao, Suspensao };
    int jogador = 0;
    bool titular = false; // a starter (else a substitute) of the remembered lineup
    Motivo motivo = Lesao;
};
std::vector<Desfalque> DesfalquesDaEscalacao(const world::Jogo& jogo, const Grade& grade);

// The goals the player lists show: competitions 1 to 5.
int GolsDaLista(const world::TJogador& j);

// Shirt picture of a row's status cell.
int ImagemStatus(int codigo, int numero);

// A click on row `linha`'s status cell. Returns whether the row changed; the
// screen then redraws it and calls ValidarEscalacao.
bool ClicarStatus(const world::Jogo& jogo, Grade& grade, int linha);

struct Validacao {
    bool podejogar = false; // "Jogar >>" enabled
    int titulares = 0;
    int reservas = 0;
    bool goleiro = false; // a goalkeeper starts
    int defensores = 0, meias = 0, atacantes = 0;
    std::string formacao; // what the formation box shows; empty = cleared
};

// Recounts availability and judges the lineup: 11 starters, one of them a
// goalkeeper. A valid lineup writes the club's `formacao`.
Validacao ValidarEscalacao(world::Jogo& jogo, const Grade& grade);

struct Confirmacao {
    int escalacao = -1; // index of the new record in escalacoes
    // Starters committed tired, in grid order; each one's complaint (mail
    // type 2, subtype 6) has gone to the club's mailbox, in this order.
    std::vector<int> cansados;
};

// "Jogar >>": a new lineup record for the club from the rows in grid order,
// filled through the same slot operation the match uses, and the players'
// lineup memory, match flags, tiredness and expired-contract energy loss.
// A tournament's national team gets the record and the lineup memory only:
// contracts, newcomers and the tired players' mail are its clubs' business.
Confirmacao ConfirmarEscalacao(world::Jogo& jogo, const Grade& grade);

// The record a commit made today, put back from the lineup memory it left in
// the players (a game loaded while a later human had the keyboard): the same
// places in the same grid order, without counting a game or touching energy
// again. False, and nothing written, when the memory holds no valid lineup.
bool RestaurarEscalacao(world::Jogo& jogo, int clube, int tipo, double hoje);

} // namespace management
