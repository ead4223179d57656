#pragma once
// Windows and dialogs open at the size they were drawn for, but never larger
// than the screen they open on, so every screen is usable on a 1024 x 768
// desktop.
#include <QSize>

class QWidget;

namespace ui {

// What a window may take of its screen once the frame, the title bar and a
// task bar are allowed for.
QSize EspacoNaTela(const QWidget* janela);

// Resizes `janela` to `desejado`, bounded by EspacoNaTela and never below
// what its layout needs.
void Dimensionar(QWidget* janela, QSize desejado);

} // namespace ui
