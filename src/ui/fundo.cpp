#include "ui/fundo.hpp"

#include "plataforma/caminhos.hpp"

#include <QPalette>
#include <QPixmap>

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

} // namespace ui
