// The mailbox on the main window.
#include "shell/janelaprincipal.hpp"

namespace shell {

void JanelaPrincipal::AbrirEmails() {}

} // namespace shell
