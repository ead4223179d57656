// The market's buying screens on the main window: the other clubs, the
// transfer history, and the questions of an offer.
#include "shell/janelaprincipal.hpp"

#include "management/telas/telaoutrosclubes.hpp"
#include "management/telas/telaprincipal.hpp"
#include "management/telas/telaproposta.hpp"
#include "management/telas/telatransferencias.hpp"

namespace shell {

bool InteracaoDesktop::PropostaDeCompra(world::Jogo& jogo, int comprador, int jogador,
                                        world::i32 valor) {
    // The offer is for a human's player: his coach answers.
    if (jogo.JogadorValido(jogador)) NoTecladoDoClube(jogo, jogo.jogadores[jogador].time);
    return management::telas::PerguntarPropostaDeCompra(jogo, comprador, jogador, valor, janela_);
}

bool InteracaoDesktop::VenderAoHumano(world::Jogo& jogo, int comprador, int jogador,
                                      world::i32 valor) {
    // Another human's offer: the seller's coach answers.
    if (jogo.JogadorValido(jogador)) NoTecladoDoClube(jogo, jogo.jogadores[jogador].time);
    return management::telas::PerguntarVendaAoHumano(jogo, comprador, jogador, valor, janela_);
}

bool InteracaoDesktop::AceitarExigencia(world::Jogo& jogo, int comprador, int jogador, int fator,
                                        world::i32 novosalario) {
    NoTecladoDoClube(jogo, comprador);
    return management::telas::PerguntarExigencia(jogo, jogador, fator, novosalario, janela_);
}

void JanelaPrincipal::AbrirOutrosClubes() {
    if (!jogo_) return;
    management::telas::TelaOutrosClubes tela(*jogo_, jogo_->estado.timeatual, ia_, this);
    tela.exec();
    if (principal_) principal_->Atualizar();
}

void JanelaPrincipal::AbrirTransferencias() {
    if (!jogo_) return;
    management::telas::TelaTransferencias tela(*jogo_, jogo_->estado.timeatual, this);
    tela.exec();
    if (principal_) principal_->Atualizar();
}

} // namespace shell
