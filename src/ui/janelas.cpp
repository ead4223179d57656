#include "ui/janelas.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui {

namespace {

// The frame's sides and the title bar of a usual desktop.
constexpr int kMoldura = 16, kTitulo = 48;

} // namespace

QSize EspacoNaTela(const QWidget* janela) {
    const QScreen* tela = janela ? janela->screen() : nullptr;
    if (!tela) tela = QGuiApplication::primaryScreen();
    if (!tela) return QSize(1024 - kMoldura, 768 - kTitulo);
    const QSize d = tela->availableSize();
    return QSize(std::max(320, d.width() - kMoldura), std::max(240, d.height() - kTitulo));
}

void Dimensionar(QWidget* janela, QSize desejado) {
    janela->resize(desejado.boundedTo(EspacoNaTela(janela))
                       .expandedTo(janela->minimumSizeHint())
                       .expandedTo(janela->minimumSize()));
}

} // namespace ui
