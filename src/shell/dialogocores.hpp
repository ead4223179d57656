#pragma once
// The list colours by position (goalkeeper, full-back, centre-back,
// midfielder, forward): one button each, and "Cores Padrão".
#include "world/jogo.hpp"

#include <QColor>
#include <QDialog>

#include <array>

class QPushButton;

namespace shell {

// The settings keep colours as 00BBGGRR.
QColor CorDaOpcao(world::i32 cor);
world::i32 OpcaoDaCor(const QColor& cor);

class DialogoCores : public QDialog {
    Q_OBJECT
public:
    DialogoCores(world::Jogo& jogo, QWidget* pai = nullptr);

    // Stores the colour of a position (0..4): settings file and game at once.
    void DefinirCor(int posicao, world::i32 cor);

signals:
    void coresMudaram();

protected:
    // Asks for a colour; an invalid colour means the player cancelled. Tests
    // answer it themselves.
    virtual QColor EscolherCor(const QColor& atual);

private:
    void Pintar(int posicao);
    void RestaurarPadrao();

    world::Jogo& jogo_;
    std::array<QPushButton*, 5> botoes_{};
};

} // namespace shell
