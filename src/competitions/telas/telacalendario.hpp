#pragma once
// "Calendário Jogos": every fixture of one club in date order, with the score,
// attendance and gate income of the played ones; double-clicking a played one
// opens its match report.
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QTableWidget;

namespace competitions::telas {

class TelaCalendario : public QDialog {
    Q_OBJECT
public:
    TelaCalendario(const world::Jogo& jogo, int time, QWidget* pai = nullptr);

    QTableWidget* Linhas() const { return linhas_; }
    const std::vector<int>& Partidas() const { return partidas_; }
    // The double-click of row `linha`: the report of a played fixture.
    bool AbrirLinha(int linha);

private:
    const world::Jogo& jogo_;
    std::vector<int> partidas_;
    QTableWidget* linhas_;
};

} // namespace competitions::telas
