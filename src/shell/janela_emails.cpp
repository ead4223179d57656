// The mailbox on the main window.
#include "management/telas/telaemails.hpp"
#include "management/telas/telaprincipal.hpp"
#include "shell/janelaprincipal.hpp"

namespace shell {

void JanelaPrincipal::AbrirEmails() {
    if (!jogo_) return;
    management::telas::TelaEmails tela(*jogo_, jogo_->estado.timeatual, this);
    tela.exec();
    // Messages read or answered: the news line counts again.
    if (principal_) principal_->Atualizar();
}

} // namespace shell
