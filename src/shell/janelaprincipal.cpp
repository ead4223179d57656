#include "shell/janelaprincipal.hpp"

#include <QLabel>

namespace shell {

JanelaPrincipal::JanelaPrincipal(QWidget* pai) : QMainWindow(pai) {
    setWindowTitle(QStringLiteral("Pitchlord 2007"));
    resize(800, 600);
    auto* rotulo = new QLabel(QStringLiteral("Pitchlord 2007"), this);
    rotulo->setAlignment(Qt::AlignCenter);
    setCentralWidget(rotulo);
}

} // namespace shell
