#pragma once
// "Últimas contratações de técnicos": every hiring of a coach, the newest first.
#include "world/jogo.hpp"

#include <QDialog>

class QTableWidget;

namespace management::telas {

class TelaContratacoes : public QDialog {
    Q_OBJECT
public:
    explicit TelaContratacoes(const world::Jogo& jogo, QWidget* pai = nullptr);
    QTableWidget* tabela() const { return tabela_; }

private:
    QTableWidget* tabela_;
};

} // namespace management::telas
