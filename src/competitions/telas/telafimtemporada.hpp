#pragma once
// The end of the season: the champions and runners-up of every competition
// played and each league's top scorer, read when the screen opens, before the
// next season is prepared; "Continuar >>" leads into the new season.
#include "world/jogo.hpp"

#include <QWidget>

class QTableWidget;
class QPushButton;

namespace competitions::telas {

class TelaFimTemporada : public QWidget {
    Q_OBJECT
public:
    explicit TelaFimTemporada(const world::Jogo& jogo, QWidget* pai = nullptr);
    QTableWidget* campeoes() const { return campeoes_; }
    QTableWidget* artilheiros() const { return artilheiros_; }
    QPushButton* botaoContinuar() const { return continuar_; }

signals:
    void continuar();

private:
    QTableWidget *campeoes_, *artilheiros_;
    QPushButton* continuar_;
};

} // namespace competitions::telas
