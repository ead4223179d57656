#pragma once
// The custom championship: any countries with club files, pooled into one
// league of at least 42 clubs.
#include "competitions/novojogo.hpp"
#include "world/clubes.hpp"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace competitions::telas {

class TelaPersonalizado : public QWidget {
    Q_OBJECT
public:
    explicit TelaPersonalizado(const world::IndiceTimes& indice, QWidget* pai = nullptr);

    // The humans chosen on the game-type page, offered again here.
    void DefinirHumanos(int numero);
    OpcoesPersonalizado Opcoes() const;
    int TotalMarcado() const { return total_; }

signals:
    void continuar();
    void voltar();

private:
    void gridpaisesChange();

    std::array<int, 203> usaveis_{};
    int total_ = 0;
    QTableWidget* gridpaises_;
    QLabel* lblistados_;
    QLabel* lbmarcados_;
    QLabel* lbtotal_;
    QLabel* lbaviso_;
    QCheckBox* ckcopa_;
    QRadioButton* rbdivisoes10_;
    QRadioButton* rbdivisoes20_;
    QSpinBox* sphumanos_;
    QPushButton* btcontinuar_;
    QPushButton* btvoltar_;
};

} // namespace competitions::telas
