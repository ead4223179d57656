#pragma once
// "aposentar": a player of 32 or more retires and a junior of the club, with
// the name and position the coach chooses, takes his place in the squad.
#include "world/jogo.hpp"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace management::telas {

class TelaAposentar : public QDialog {
    Q_OBJECT
public:
    TelaAposentar(world::Jogo& jogo, int jogador, QWidget* pai = nullptr);

    QLineEdit* campoNome() const { return nome_; }
    QComboBox* caixaPosicao() const { return posicao_; }
    QPushButton* botaoAposentar() const { return aposentar_; }
    // The record now holds the junior.
    bool aposentou() const { return aposentou_; }

private:
    world::Jogo& jogo_;
    int jogador_;
    QLineEdit* nome_ = nullptr;
    QComboBox* posicao_ = nullptr;
    QPushButton* aposentar_ = nullptr;
    bool aposentou_ = false;
};

} // namespace management::telas
