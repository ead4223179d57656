// Running the club from the main window: contracts and friendlies.
#include "management/telas/telaamistoso.hpp"
#include "management/telas/telacontrato.hpp"
#include "management/telas/telaprincipal.hpp"
#include "shell/janelaprincipal.hpp"

#include <QMessageBox>
#include <QPushButton>

namespace shell {

bool InteracaoDesktop::QuerAmistososPreTemporada(world::Jogo&) {
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Amistosos de Pré-temporada"),
                      QStringLiteral("Deseja marcar amistosos de pré-temporada?"),
                      QMessageBox::NoButton, janela_);
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    caixa.exec();
    return caixa.clickedButton() == sim;
}

void InteracaoDesktop::AmistososPreTemporada(world::Jogo& jogo, int clube) {
    NoTecladoDoClube(jogo, clube);
    management::telas::TelaAmistoso tela(jogo, clube, true, janela_);
    tela.exec();
}

void JanelaPrincipal::AbrirContrato(int jogador) {
    // Only the coach at the keyboard, and only for his own players.
    if (!jogo_ || management::RecusaDaRenovacao(*jogo_, jogo_->estado.timeatual, jogador) !=
                      management::RecusaRenovacao::Nenhuma)
        return;
    management::telas::TelaContrato tela(*jogo_, jogador, ia_, this);
    tela.exec();
    if (principal_ && tela.mudou()) principal_->Atualizar();
}

void JanelaPrincipal::AbrirAmistosos() {
    if (!jogo_) return;
    management::telas::TelaAmistoso tela(*jogo_, jogo_->estado.timeatual, false, this);
    tela.exec();
    // The fee has left the cash.
    if (principal_) principal_->Atualizar();
}

} // namespace shell
