#pragma once
// The bank loan: 500 thousand borrowed or repaid at a time.
#include "world/jogo.hpp"

#include <QDialog>

class QLabel;
class QPushButton;

namespace management::telas {

class TelaEmprestimo : public QDialog {
    Q_OBJECT
public:
    TelaEmprestimo(world::Jogo& jogo, int clube, QWidget* pai = nullptr);

signals:
    // The club's cash changed: the money label of the main screen redraws.
    void dinheiroMudou();

private:
    void Atualizar();

    world::Jogo& jogo_;
    int clube_;
    QLabel* dinheiro_;
    QLabel* emprestado_;
    QLabel* juros_;
    QPushButton* pegar_;
    QPushButton* pagar_;
    QLabel* motivo_ = nullptr; // why no more can be borrowed
};

} // namespace management::telas
