#include "temporada/autopiloto.hpp"

#include "management/atualizacao.hpp"

#include "management/escalacao.hpp"
#include "management/escalacaoformacao.hpp"
#include "match/escalacaoautomatica.hpp"
#include "world/clubes.hpp"

namespace temporada {

using namespace management;

using namespace world;

void Autopiloto::Seguir(Proximo p) {
    proximo = p;
    // The main screen recounts the club's available players whenever it is
    // refreshed; the game without windows does the same where it would open.
    if (proximo.tela == Tela::Principal) MostrarPrincipal();
}

void Autopiloto::MostrarPrincipal() {
    const int c = jogo.estado.timeatual;
    if (c < 0 || c >= static_cast<int>(jogo.times.size())) return;
    AtualizarTelaPrincipal(jogo);
    RecontarDisponiveis(jogo, PreencherGrade(jogo, jogo.Hoje()));
}

void Autopiloto::Entrar(bool carregado) {
    Seguir(EntrarNoJogo(jogo, ia, carregado));
}

void Autopiloto::EscalarHumano(int time) {
    if (time < 0 || time >= static_cast<int>(jogo.times.size())) return;
    // As a person does on the main screen: a formation from the box (a seeded
    // draw among those the squad allows), which fills the lineup, then
    // "Jogar >>".
    Grade g = PreencherGrade(jogo, time, jogo.estado.tipo, jogo.Hoje());
    const std::vector<int> formacoes = FormacoesPossiveis(RecontarDisponiveis(jogo, g));
    if (!formacoes.empty()) {
        const int f = formacoes[jogo.Aleatorio(static_cast<int>(formacoes.size()))];
        EscolherFormacao(jogo, g, TextoFormacao(f));
        if (ValidarEscalacao(jogo, g).podejogar) {
            ConfirmarEscalacao(jogo, g);
            return;
        }
    }
    // No formation can be made (no goalkeeper available, too few players):
    // the club's automatic lineup, as for a club without a coach.
    const std::vector<int> elenco = jogo.indiceelencos.Todos(jogo)[time];
    match::EscalarClube(jogo, time, elenco, jogo.estado.tipo, jogo.Hoje());
    const TEscalacao& e = jogo.escalacoes[jogo.times[time].escalacao];
    for (int j : elenco) jogo.jogadores[j].titular = 0;
    for (int j : e.jogadoreslinha)
        if (j > 0) jogo.jogadores[j].titular = 1;
    if (e.goleiro > 0) jogo.jogadores[e.goleiro].titular = 1;
    for (int j : e.reservas)
        if (j > 0) jogo.jogadores[j].titular = 2;
}

bool Autopiloto::Jogar() {
    // A season has at most 148 dates, each passing every human once.
    for (long passos = 0; passos < 1'000'000'000L; ++passos) {
        switch (proximo.tela) {
        case Tela::Principal:
            if (proximo.eventos) {
                // Refreshed after the date's events when they changed the
                // squad, as the desktop does.
                if (EventosPreTela(jogo, ia)) MostrarPrincipal();
                proximo.eventos = false;
            }
            if (naprincipal && !naprincipal()) return true;
            if (mercado) {
                LerEmails(jogo, jogo.estado.timeatual);
                CuidarDoEstadio(jogo, jogo.estado.timeatual);
                bool mudou = RenovarContratos(jogo, ia, jogo.estado.timeatual) > 0;
                // Now and then a friendly during the season too.
                if (jogo.Aleatorio(50) == 0)
                    MarcarAmistosoAutomatico(jogo, jogo.estado.timeatual, false);
                mudou |= AgirNoMercado(jogo, ia, jogo.estado.timeatual);
                if (mudou) MostrarPrincipal();
            }
            if (escalar)
                escalar(jogo.estado.timeatual);
            else
                EscalarHumano(jogo.estado.timeatual);
            Seguir(temporada::Jogar(jogo, ia));
            break;
        case Tela::Selecao:
            if (naselecao && !naselecao()) return true;
            if (escalar)
                escalar(proximo.time);
            else
                EscalarHumano(proximo.time);
            Seguir(JogarSelecao(jogo, ia));
            break;
        case Tela::Aguardando: {
            // Nobody has a club: the date is played as the waiting screen
            // plays it.
            const int codigo = jogo.estado.tipo;
            Seguir(JogarDataSemHumanos(jogo, ia));
            if (depoisdadata && !depoisdadata(codigo)) return true;
            break;
        }
        case Tela::Rodada: {
            AbrirRodadaDoDia(jogo, ex);
            temporada::JogarProximoGrupo(jogo, ex);
            while (ex.estado == temporada::EstadoRodada::Relogio) temporada::Minuto(jogo, ex);
            const int codigo = ex.codigo;
            Seguir(Continuar(jogo, ia, codigo));
            if (depoisdadata && !depoisdadata(codigo)) return true;
            break;
        }
        case Tela::Resultados:
            Seguir(Continuar(jogo, ia, proximo.codigo));
            break;
        case Tela::FimDeTemporada:
            if (fimdetemporada && !fimdetemporada()) return true;
            // After the last season a game has there is nothing more to play.
            AbrirFimDeTemporada(jogo);
            // After the last season a game has there is nothing more to play.
            if (const Proximo p = ContinuarFimDeTemporada(jogo, ia); p.fimdojogo)
                return false;
            else
                Seguir(p);
            if (novatemporada && !novatemporada()) return true;
            break;
        }
    }
    return false;
}

} // namespace temporada
