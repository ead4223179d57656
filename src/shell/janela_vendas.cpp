// The market's selling screens on the main window: the sale of a player,
// the auctions, the player search.
#include "shell/janelaprincipal.hpp"

namespace shell {

world::i32 InteracaoDesktop::Lance(world::Jogo&, const management::Leilao&) {
    return 0;
}
void InteracaoDesktop::FimDoLeilao(world::Jogo&, const management::Leilao&,
                                   const management::ResultadoLeilao&) {}

void JanelaPrincipal::AbrirVenda(int) {}
void JanelaPrincipal::AbrirBusca() {}

} // namespace shell
