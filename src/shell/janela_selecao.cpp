// The national-team tournament in the window: the invitation, the call-ups,
// the national-team screen and the tournament's tables.
#include "competitions/telas/telatorneio.hpp"
#include "competitions/torneios.hpp"
#include "management/telas/telaconvite.hpp"
#include "management/telas/telaconvocacao.hpp"
#include "management/telas/telaselecao.hpp"
#include "shell/janelaprincipal.hpp"

#include <QStackedWidget>

namespace shell {

int InteracaoDesktop::EscolherSelecao(world::Jogo& jogo, int humano, int codigo,
                                      const std::vector<int>& selecoes) {
    NoTecladoDoHumano(jogo, humano);
    management::telas::TelaConviteSelecao tela(jogo, humano, codigo, selecoes, janela_);
    tela.exec();
    return tela.Escolhida();
}

std::vector<int> InteracaoDesktop::ConvocarSelecao(world::Jogo& jogo, int humano, int selecao) {
    NoTecladoDoHumano(jogo, humano);
    management::telas::TelaConvocacao tela(jogo, humano, selecao, janela_);
    tela.exec();
    return tela.Convocados();
}

void JanelaPrincipal::CriarTelaSelecao() {
    if (selecao_) return;
    using management::telas::TelaSelecao;
    selecao_ = new TelaSelecao(*jogo_, this);
    pilha_->addWidget(selecao_);
    connect(selecao_, &TelaSelecao::jogar, this, &JanelaPrincipal::JogarSelecao);
    connect(selecao_, &TelaSelecao::salvar, this, &JanelaPrincipal::Salvar);
    connect(selecao_, &TelaSelecao::opcoes, this, &JanelaPrincipal::Opcoes);
    connect(selecao_, &TelaSelecao::sair, this, &JanelaPrincipal::SairDoJogo);
    connect(selecao_, &TelaSelecao::torneio, this, &JanelaPrincipal::AbrirTorneio);
}

void JanelaPrincipal::MostrarSelecao(const temporada::Proximo& p) {
    CriarTelaSelecao();
    TrocarPagina(partida_, nullptr);
    selecao_->Mostrar(p.time);
    pilha_->setCurrentWidget(selecao_);
    // Several humans at one keyboard (with a club or not): the coach of the
    // team is named first.
    const int h = competitions::HumanoDaSelecao(*jogo_, p.time);
    if (TrocarTeclado(h >= 0 ? jogo_->estado.humanos[h] : -1)) selecao_->AnunciarVez();
}

void JanelaPrincipal::JogarSelecao() {
    if (!jogo_) return;
    Seguir(temporada::JogarSelecao(*jogo_, ia_));
}

void JanelaPrincipal::AbrirTorneio() {
    if (!jogo_) return;
    competitions::telas::TelaTorneio tela(*jogo_, this);
    tela.exec();
}

} // namespace shell
