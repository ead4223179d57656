#pragma once
// The season statement of a club: income, outgoings, balance, and below the
// weekly interest, the wage bill and the cash; beside it the statement as bars
// and the weekly wages against the average home gate, with a warning when the
// wages outrun the gates.
#include "world/jogo.hpp"

#include <QDialog>

class QChart;
class QLabel;

namespace management::telas {

class TelaFinancas : public QDialog {
    Q_OBJECT
public:
    TelaFinancas(const world::Jogo& jogo, int clube, QWidget* pai = nullptr);

    QChart* Extrato() const { return extrato_; }
    QChart* SalariosContraRenda() const { return salarios_; }
    QLabel* Aviso() const { return aviso_; }

private:
    QChart* extrato_ = nullptr;
    QChart* salarios_ = nullptr;
    QLabel* aviso_ = nullptr;
};

} // namespace management::telas
