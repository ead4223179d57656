#pragma once
// "Últimas transferências": every transfer of the game, the newest first.
#include "world/jogo.hpp"

#include <QDialog>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace management::telas {

class TelaTransferencias : public QDialog {
    Q_OBJECT
public:
    // `clube`: the club of the human at the keyboard, whose transfers the
    // box "Só as do meu clube" keeps (-1: none).
    TelaTransferencias(const world::Jogo& jogo, int clube, QWidget* pai = nullptr);

    QTableWidget* tabela() const { return tabela_; }
    QCheckBox* caixaMeuClube() const { return meuclube_; }

private:
    void Preencher();

    const world::Jogo& jogo_;
    int clube_;
    QTableWidget* tabela_;
    QCheckBox* meuclube_;
    QLabel* total_;
};

} // namespace management::telas
