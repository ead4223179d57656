#pragma once
// The page shown while a saved game loads or is saved. The file is read and
// checked (or written) on a worker thread while the window keeps repainting;
// the bar follows the bytes read. The running game is not touched by a load:
// the caller swaps the loaded one in once it is handed back.
#include "world/jogo.hpp"

#include <QEventLoop>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QProgressBar;
class QThread;

namespace persistence::telas {

class TelaCarga : public QWidget {
    Q_OBJECT
public:
    enum class Tipo { carregar, salvar };
    explicit TelaCarga(QWidget* pai = nullptr, Tipo tipo = Tipo::carregar);

    // Loads "sav/" + `nome` on a worker thread and waits for it with the
    // event loop turning. `depois` runs on the worker once the game was read
    // and accepted (work on the loaded game that would hold the window up).
    // Null when the file cannot be read.
    std::shared_ptr<world::Jogo> Carregar(const std::string& nome,
                                          const std::function<void(const world::Jogo&)>& depois);
    // Runs `trabalho` (a save) on a worker thread and waits for it with the
    // event loop turning but no input from the person taken, so nothing can
    // change the game being written; the bar runs to and fro. Its answer.
    bool Executar(const std::function<bool()>& trabalho);
    bool Carregando() const { return carregando_; }
    QProgressBar* Barra() const { return barra_; }

private:
    // Starts the worker and turns the event loop until it has ended.
    void Esperar(QThread* trabalhador, QEventLoop::ProcessEventsFlags flags);

    QProgressBar* barra_;
    bool carregando_ = false;
};

} // namespace persistence::telas
