#include "competitions/telas/telanovojogo.hpp"

#include "competitions/novojogo.hpp"
#include "competitions/telas/telaescolhatime.hpp"
#include "competitions/telas/telainicializacao.hpp"
#include "competitions/telas/telapersonalizado.hpp"
#include "competitions/telas/telatipojogo.hpp"
#include "ui/textos.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace competitions::telas {

TelaNovoJogo::TelaNovoJogo(std::uint64_t semente, QWidget* pai)
    : TelaNovoJogo(world::contatimes(), semente, pai) {}

TelaNovoJogo::TelaNovoJogo(world::IndiceTimes indice, std::uint64_t semente, QWidget* pai)
    : QWidget(pai), indice_(std::move(indice)), semente_(semente) {
    paginas_ = new QStackedWidget(this);
    tipo_ = new TelaTipoJogo(indice_, paginas_);
    personalizado_ = new TelaPersonalizado(indice_, paginas_);
    escolha_ = new TelaEscolhaTime(paginas_);
    inicializacao_ = new TelaInicializacao(paginas_);
    for (QWidget* p : {static_cast<QWidget*>(tipo_), static_cast<QWidget*>(personalizado_),
                       static_cast<QWidget*>(escolha_), static_cast<QWidget*>(inicializacao_)})
        paginas_->addWidget(p);
    paginas_->setCurrentWidget(tipo_);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(paginas_);
    resize(1280, 800);

    connect(tipo_, &TelaTipoJogo::comecar, this, &TelaNovoJogo::btcomecarClick);
    connect(tipo_, &TelaTipoJogo::voltar, this, &TelaNovoJogo::cancelado);
    connect(personalizado_, &TelaPersonalizado::continuar, this, &TelaNovoJogo::btcontinuarClick);
    connect(personalizado_, &TelaPersonalizado::voltar, this,
            [this] { paginas_->setCurrentWidget(tipo_); });
    connect(escolha_, &TelaEscolhaTime::escolhido, this, &TelaNovoJogo::timeEscolhido);
}

QWidget* TelaNovoJogo::PaginaAtual() const {
    return paginas_->currentWidget();
}

std::shared_ptr<world::Jogo> TelaNovoJogo::JogoNovo() const {
    auto jogo = std::make_shared<world::Jogo>();
    jogo->gerador.Semear(semente_);
    return jogo;
}

void TelaNovoJogo::btcomecarClick() {
    if (tipo_->Personalizado()) {
        personalizado_->DefinirHumanos(tipo_->NumeroHumanos());
        paginas_->setCurrentWidget(personalizado_);
        return;
    }
    auto jogo = JogoNovo();
    if (IniciarJogoDeClubes(*jogo, indice_, tipo_->Opcoes()) == InicioNovoJogo::SemLiga) {
        // Opened, not executed: the player closes it and stays on the page.
        auto* aviso = new QMessageBox(QMessageBox::Information, QStringLiteral("Pitchlord 2007"),
                                      ui::T(728), QMessageBox::Ok, this);
        aviso->setAttribute(Qt::WA_DeleteOnClose);
        aviso->open();
        return;
    }
    jogo_ = std::move(jogo);
    escolha_->Preparar(*jogo_, 0);
    paginas_->setCurrentWidget(escolha_);
}

void TelaNovoJogo::btcontinuarClick() {
    // The pool renames the ticked countries' files; a copy keeps the scan as
    // it was should the player ever come back to the list.
    world::IndiceTimes indice = indice_;
    auto jogo = JogoNovo();
    if (IniciarCampeonatoPersonalizado(*jogo, indice, personalizado_->Opcoes()) !=
        InicioNovoJogo::Ok)
        return;
    jogo_ = std::move(jogo);
    escolha_->Preparar(*jogo_, 0);
    paginas_->setCurrentWidget(escolha_);
}

void TelaNovoJogo::timeEscolhido(int humano) {
    if (!jogo_) return;
    if (humano + 1 < jogo_->estado.numhumanos) {
        escolha_->Preparar(*jogo_, humano + 1);
        return;
    }
    paginas_->setCurrentWidget(inicializacao_);
    inicializacao_->Executar(*jogo_);
    auto pronto = std::move(jogo_);
    jogo_.reset();
    emit jogoCriado(std::move(pronto));
}

void TelaNovoJogo::keyPressEvent(QKeyEvent* evento) {
    // Alt+F4 does not close the setup; the way out is "<< Voltar ao Início".
    if (evento->key() == Qt::Key_F4 && (evento->modifiers() & Qt::AltModifier)) {
        evento->accept();
        return;
    }
    QWidget::keyPressEvent(evento);
}

void TelaNovoJogo::closeEvent(QCloseEvent* evento) {
    // A close asked by the window system (Alt+F4 on a top-level window) is
    // swallowed; the program itself may still close the screen.
    if (evento->spontaneous()) {
        evento->ignore();
        return;
    }
    QWidget::closeEvent(evento);
}

} // namespace competitions::telas
