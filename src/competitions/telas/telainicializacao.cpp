#include "competitions/telas/telainicializacao.hpp"

#include "competitions/novojogo.hpp"
#include "competitions/telas/telatipojogo.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace competitions::telas {

TelaInicializacao::TelaInicializacao(QWidget* pai) : QWidget(pai) {
    ui::PintarFundo(this, ui::kFundoListas);
    auto* painel = new QWidget(this);
    EstiloDePainel(painel);
    lbcarregando_ = new QLabel(ui::T(ui::kTextoCarregando), painel);
    lbcarregando_->setObjectName(QStringLiteral("lbcarregando"));
    lbcarregando_->setAlignment(Qt::AlignCenter);
    barra_ = new QProgressBar(painel);
    barra_->setObjectName(QStringLiteral("barra"));
    barra_->setRange(0, 100);
    barra_->setValue(0);
    barra_->setMinimumWidth(480);
    auto* lPainel = new QVBoxLayout(painel);
    lPainel->setContentsMargins(24, 16, 24, 16);
    lPainel->addWidget(lbcarregando_);
    lPainel->addWidget(barra_);

    auto* l = new QVBoxLayout(this);
    l->addStretch();
    l->addWidget(painel, 0, Qt::AlignHCenter);
    l->addStretch();
}

void TelaInicializacao::Executar(world::Jogo& jogo) {
    barra_->setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    InicializarJogo(jogo, [this](int p) {
        barra_->setValue(p);
        // Paint the bar, but keep the player's clicks out until the game is ready.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    QApplication::restoreOverrideCursor();
}

} // namespace competitions::telas
