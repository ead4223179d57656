#pragma once
// The advance cycle: who sets his lineup on a date, "Jogar >>" for each human
// in turn, the matchday, the continuation after the results, and the season
// end. Every step returns what comes next; the desktop turns it into a screen
// and the autopilot loops on it.
#include "management/carreira.hpp"
#include "management/mercado.hpp"
#include "temporada/executor.hpp"
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace temporada {

enum class Tela {
    Principal,      // the main screen of club `time`
    Rodada,         // the matchday runner for competition `codigo`
    Resultados,     // the results of the date just played (`codigo`)
    FimDeTemporada, // the season-end screen
    // No human coaches a club: the screen of a coach waiting for an
    // invitation, while the dates go on behind it (each date is played as
    // the runner plays one without humans).
    Aguardando,
    // The national-team screen of national team `time` on a tournament date.
    Selecao,
};

struct Proximo {
    Tela tela = Tela::Principal;
    int time = -1;
    int codigo = 0;
    bool eventos = false; // Principal: run EventosPreTela once the screen is up
    // FimDeTemporada: the game has no next season; it stays on this screen.
    bool fimdojogo = false;
};

// The answers the cycle needs from a person, the market's and the career's
// among them. The
// defaults answer as nobody would: no file name (nothing is saved), every
// offer declined, no bids.
struct InteracaoCiclo : management::InteracaoMercado, management::InteracaoCarreira {
    virtual ~InteracaoCiclo() = default;
    // The name dialog of the first save: the file name it settled on (with
    // its extension, Windows-1252), empty = cancelled.
    virtual std::string NomeDoJogo(world::Jogo&) { return {}; }
    virtual void ErroAoSalvar(const std::string& /*mensagem*/) {}
    // Writes the game to its file (the automatic save); the window does it
    // off its interface thread. False when the file could not be written.
    virtual bool Gravar(world::Jogo& jogo);
    // The game was saved (the automatic save of a main-screen opening).
    virtual void JogoSalvo(world::Jogo&) {}
    // A player died after training ("Falecimento do jogador").
    virtual void Falecimento(world::Jogo&, int /*jogador*/) {}
    // "Deseja marcar amistosos de pré-temporada?" at the start of a season;
    // true opens the friendly screen for each human in turn.
    virtual bool QuerAmistososPreTemporada(world::Jogo&) { return false; }
    // The friendly screen of the human of club `clube` (the current club),
    // with the pre-season date limit.
    virtual void AmistososPreTemporada(world::Jogo&, int /*clube*/) {}
    // A notice with an OK button (the club world cup that cannot be drawn).
    virtual void Aviso(const std::string& /*mensagem*/) {}
    // "Escolha da seleção para treinar na ...": human number `humano` is
    // offered the national teams `selecoes` (temporary clubs) for tournament
    // `codigo`; the one he takes, -1 to decline.
    virtual int EscolherSelecao(world::Jogo&, int /*humano*/, int /*codigo*/,
                                const std::vector<int>& /*selecoes*/) {
        return -1;
    }
    // "Busca de jogadores para convocação" for human number `humano`'s
    // national team `selecao`: the players called up, in selection order
    // (empty keeps the team's own squad).
    virtual std::vector<int> ConvocarSelecao(world::Jogo&, int /*humano*/, int /*selecao*/) {
        return {};
    }
};

// Whether the human of club `time` plays on the current date of code `codigo`.
bool HumanoJoga(const world::Jogo& jogo, int time, int codigo);

// After a new game or a load: the main screen without its date events, or
// the runner when no human plays on the date. A game saved after the last
// date of its season goes on into the season end. A loaded game (`carregado`)
// saved while a later human of the date had the keyboard goes on with him:
// the humans before him have already committed, and their lineups are put
// back from the lineup memory the commit left in the players (nothing is
// counted twice).
Proximo EntrarNoJogo(world::Jogo& jogo, InteracaoCiclo& ia, bool carregado = false);

// Whether some human coach is in the game, with or without a club.
bool HaTecnicoHumano(const world::Jogo& jogo);

// Opens the main screen for the current date: the first human who plays,
// the automatic save.
Proximo AbrirTelaPrincipal(world::Jogo& jogo, InteracaoCiclo& ia);

// The events of a new date on the main screen, once (not while `semeventos`,
// which it clears): a purchase offer, the death of an old player. True when
// they changed the club (a player sold or dead): the screen is refreshed.
bool EventosPreTela(world::Jogo& jogo, InteracaoCiclo& ia);

// "Jogar >>" of the human on screen, whose lineup the screen has committed:
// the next human who plays, or the runner.
Proximo Jogar(world::Jogo& jogo, InteracaoCiclo& ia);

// Opens the date in the runner: automatic lineups of the computer-run clubs
// that play, then today's fixtures of `tipo`.
void AbrirRodadaDoDia(world::Jogo& jogo, temporada::ExecucaoRodada& ex);

// The waiting screen's step: today's matches all in the quick mode, then the
// cycle goes on as after the results (no results screen: nobody of the
// humans played).
Proximo JogarDataSemHumanos(world::Jogo& jogo, InteracaoCiclo& ia);

// "Continuar >>" of the results screen after a date of code `codigo`.
Proximo Continuar(world::Jogo& jogo, InteracaoCiclo& ia, int codigo);

// The season-end screen has opened and read the season that ended: the
// next season is prepared now (FimDeTemporada), once. After the last season
// a game has nothing changes, and "Continuar >>" says so.
void AbrirFimDeTemporada(world::Jogo& jogo);

// "Continuar >>" of the season-end screen (AbrirFimDeTemporada has run):
// into the first date of the new season; after the last season a game has,
// the notice that it is over and the same screen (`fimdojogo`).
Proximo ContinuarFimDeTemporada(world::Jogo& jogo, InteracaoCiclo& ia);

// "Se demitir" of the human on screen: he leaves his club and a computer
// coach takes it. The loop of "Jogar >>" then goes on with the next human,
// or the waiting screen opens when no human coaches a club any more.
Proximo Demitir(world::Jogo& jogo, InteracaoCiclo& ia);

// The national-team screen (`AbrirTelaSelecao`): the first human national
// team that still plays today, the automatic save counted as for the main
// screen. Before the tournament's first such screen, each human national
// coach whose country has enough players calls up his squad.
Proximo AbrirTelaSelecao(world::Jogo& jogo, InteracaoCiclo& ia);

// "Jogar >>" of the national-team screen, whose lineup the screen has
// committed: the next human national team that plays, or the runner.
Proximo JogarSelecao(world::Jogo& jogo, InteracaoCiclo& ia);

// The national-team invitation of the human of club `clube` when one is due
// today (league dates 5..9 or 6..9 of the first turn in a tournament
// season); true when he took a team.
bool ConvidarTecnico(world::Jogo& jogo, InteracaoCiclo& ia, int clube);

// The automatic-save rule of one main-screen opening: true when this opening
// saves. Moves the counter.
bool ContarAberturaParaSalvar(world::Jogo& jogo);

} // namespace temporada
