#include "ui/fundo.hpp"

#include "plataforma/caminhos.hpp"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QProgressBar>
#include <QVBoxLayout>

#include <cstdlib>

namespace ui {

QPixmap Figura(const std::string& relativo) {
    if (relativo.empty()) return {};
    const auto caminho = plataforma::Resolver(relativo);
    QPixmap p;
    if (!plataforma::ArquivoExiste(caminho)) return p;
    p.load(QString::fromStdString(caminho.string()));
    return p;
}

void PintarFundo(QWidget* tela, const char* figura) {
    const QPixmap p = Figura(figura);
    if (p.isNull()) return;
    QPalette pal = tela->palette();
    pal.setBrush(QPalette::Window, QBrush(p)); // a pixmap brush tiles
    tela->setPalette(pal);
    tela->setAutoFillBackground(true);
}

void FaixaClara(QWidget* titulo) {
    QPalette faixa = titulo->palette();
    faixa.setColor(QPalette::Window, QColor(0xf4, 0xf4, 0xf0));
    titulo->setPalette(faixa);
    titulo->setAutoFillBackground(true);
}

void Painel(QWidget* w) {
    QPalette pal = w->palette();
    pal.setBrush(QPalette::Window, QColor(238, 238, 232));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QFrame* Quadro() {
    auto* q = new QFrame;
    q->setFrameShape(QFrame::StyledPanel);
    Painel(q);
    return q;
}

void PaginaDeCarga(QWidget* pagina, const QString& texto, QProgressBar* barra) {
    QPalette pal = pagina->palette();
    pal.setColor(QPalette::Window, QColor(0x0b, 0x3d, 0x1c));
    pagina->setPalette(pal);
    pagina->setAutoFillBackground(true);
    PintarFundo(pagina, kFundoListas);
    auto* rotulo = new QLabel(texto);
    QFont f = rotulo->font();
    f.setPointSize(14);
    f.setBold(true);
    rotulo->setFont(f);
    rotulo->setAlignment(Qt::AlignCenter);
    barra->setMinimumWidth(420);
    auto* quadro = Quadro();
    auto* dentro = new QVBoxLayout(quadro);
    dentro->setContentsMargins(30, 24, 30, 24);
    dentro->addWidget(rotulo);
    dentro->addWidget(barra);
    auto* linha = new QHBoxLayout;
    linha->addStretch();
    linha->addWidget(quadro);
    linha->addStretch();
    auto* layout = new QVBoxLayout(pagina);
    layout->addStretch();
    layout->addLayout(linha);
    layout->addStretch();
}

QLabel* Negrito(const QString& texto) {
    auto* r = new QLabel(texto);
    QFont f = r->font();
    f.setBold(true);
    r->setFont(f);
    return r;
}

QString EstiloDoClube(const QColor& fundo, QColor texto, int margem) {
    auto luz = [](const QColor& c) {
        return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
    };
    if (std::abs(luz(fundo) - luz(texto)) < 60)
        texto = luz(fundo) > 128 ? QColor(Qt::black) : QColor(Qt::white);
    return QStringLiteral("QLabel { background-color: %1; color: %2; border: 1px solid #404040;"
                          " padding: %3px 10px; }")
        .arg(fundo.name(), texto.name())
        .arg(margem);
}

} // namespace ui
