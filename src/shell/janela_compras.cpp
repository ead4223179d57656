// The market's buying screens on the main window: the other clubs, the
// transfer history, and the questions of an offer.
#include "shell/janelaprincipal.hpp"

namespace shell {

bool InteracaoDesktop::PropostaDeCompra(world::Jogo&, int, int, world::i32) {
    return false;
}
bool InteracaoDesktop::VenderAoHumano(world::Jogo&, int, int, world::i32) {
    return false;
}
bool InteracaoDesktop::AceitarExigencia(world::Jogo&, int, int, int, world::i32) {
    return false;
}

void JanelaPrincipal::AbrirOutrosClubes() {}
void JanelaPrincipal::AbrirTransferencias() {}

} // namespace shell
