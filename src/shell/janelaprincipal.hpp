#pragma once
// The game's main window; the menu and the screens open inside it.
#include <QMainWindow>

namespace shell {

class JanelaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit JanelaPrincipal(QWidget* pai = nullptr);
};

} // namespace shell
