#pragma once
// The game played without windows: the humans answered by simple policies
// (the automatic lineup, every question's default answer), date after date
// through the same cycle the desktop uses. The simulator and the long tests
// drive the game with it.
#include "match/interacao.hpp"
#include "temporada/autopiloto_mercado.hpp"
#include "temporada/ciclo.hpp"
#include "temporada/executor.hpp"

#include <functional>

namespace temporada {

struct Autopiloto {
    explicit Autopiloto(world::Jogo& j) : jogo(j) {
        ex.rodada.interacao = &respostas;
        ex.semtela = true; // nobody watches: every group in the quick mode
    }

    world::Jogo& jogo;
    InteracaoAutopiloto ia; // the market's questions answered by a seeded policy
    match::InteracaoPadrao respostas;
    temporada::ExecucaoRodada ex;
    Proximo proximo;

    // Hooks, each returning false to stop the run there.
    // After the results of every date, once the cycle has moved on.
    std::function<bool(int codigo)> depoisdadata;
    // When the season-end screen opens, before the next season is prepared.
    std::function<bool()> fimdetemporada;
    // On the first date of the new season.
    std::function<bool()> novatemporada;
    // A human's main screen is up and its date events have run: where a
    // person could save the game. Stopping here and calling Jogar again goes
    // on without running the events twice.
    std::function<bool()> naprincipal;
    // A human's national-team screen is up (a tournament date).
    std::function<bool()> naselecao;

    // On (the default), the coach on screen reads his mail (LerEmails) and
    // trades before his lineup (AgirNoMercado), and answers the market's
    // questions by his policy; off, he stays out of the market and his
    // mailbox as a coach who closes every window would.
    void Mercado(bool ligado) {
        mercado = ligado;
        ia.ativo = ligado;
    }
    // The lineup of the human on turn; unset, the automatic one (EscalarHumano).
    std::function<void(int time)> escalar;

    // Plays the groups a person would watch the way the desktop does, on the
    // clock minute by minute (penalties of human clubs, half-time, the
    // injury and shoot-out questions reach `respostas` or the answers given
    // to Responder). Off, every group is played in the quick mode.
    void MostrarGrupos(bool mostrar) { ex.semtela = !mostrar; }
    // The match's questions answered by other means than the default policy.
    void Responder(match::Interacao& r) { ex.rodada.interacao = &r; }

    // Into the current date of a new or loaded (`carregado`) game.
    void Entrar(bool carregado = false);
    // Plays until a hook says stop; returns false if the game could not go on.
    bool Jogar();

    // The lineup a human's screen would commit: the automatic one, with the
    // lineup memory a commit leaves in the players.
    void EscalarHumano(int time);

    // The next step of the cycle, with what the main screen's opening does.
    void Seguir(Proximo p);

private:
    void MostrarPrincipal();
    bool mercado = true;
};

} // namespace temporada
