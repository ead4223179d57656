#pragma once
// The loading of a new game: a progress bar while the world is built.
#include "world/jogo.hpp"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace competitions::telas {

class TelaInicializacao : public QWidget {
    Q_OBJECT
public:
    explicit TelaInicializacao(QWidget* pai = nullptr);

    // Runs the initialisation with a busy cursor, the bar following it; the
    // page stays painted because events are processed at every step.
    void Executar(world::Jogo& jogo);

private:
    QLabel* lbcarregando_;
    QProgressBar* barra_;
};

} // namespace competitions::telas
