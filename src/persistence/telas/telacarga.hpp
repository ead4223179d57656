#pragma once
// The page shown while a saved game loads. The file is read and checked on a
// worker thread while the window keeps repainting and answering; the bar
// follows the bytes read. The running game is not touched: the caller swaps
// the loaded one in once it is handed back.
#include "world/jogo.hpp"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QProgressBar;

namespace persistence::telas {

class TelaCarga : public QWidget {
    Q_OBJECT
public:
    explicit TelaCarga(QWidget* pai = nullptr);

    // Loads "sav/" + `nome` on a worker thread and waits for it with the
    // event loop turning. `depois` runs on the worker once the game was read
    // and accepted (work on the loaded game that would hold the window up).
    // Null when the file cannot be read.
    std::shared_ptr<world::Jogo> Carregar(const std::string& nome,
                                          const std::function<void(const world::Jogo&)>& depois);
    bool Carregando() const { return carregando_; }
    QProgressBar* Barra() const { return barra_; }

private:
    QProgressBar* barra_;
    bool carregando_ = false;
};

} // namespace persistence::telas
