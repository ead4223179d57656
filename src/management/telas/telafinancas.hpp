#pragma once
// The season statement of a club: income, outgoings, balance, and below the
// weekly interest, the wage bill and the cash.
#include "world/jogo.hpp"

#include <QDialog>

namespace management::telas {

class TelaFinancas : public QDialog {
    Q_OBJECT
public:
    TelaFinancas(const world::Jogo& jogo, int clube, QWidget* pai = nullptr);
};

} // namespace management::telas
