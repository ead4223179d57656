#pragma once
// The first page of a new game: club game or custom championship, the main
// country, the leagues, the division system, the competitions and the number
// of human coaches.
#include "competitions/novojogo.hpp"
#include "world/clubes.hpp"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace competitions::telas {

class TelaTipoJogo : public QWidget {
    Q_OBJECT
public:
    explicit TelaTipoJogo(const world::IndiceTimes& indice, QWidget* pai = nullptr);

    bool Personalizado() const;
    // The options as the controls read now; the leagues in the order the
    // list shows them.
    OpcoesNovoJogo Opcoes() const;
    int NumeroHumanos() const;

signals:
    void comecar();
    void voltar();

private:
    void MontarLigas(const world::IndiceTimes& indice);
    void cbpaisprincipalChange();
    void rbtipoClick();
    void ckcontinental1Click(bool marcado);
    void ckcontinental2Click(bool marcado);
    int PaisPrincipal() const;

    QRadioButton* rbclubes_;
    QRadioButton* rbpersonalizado_;
    QWidget* painelopcoes_;
    QComboBox* cbpaisprincipal_;
    QTableWidget* gridligas_;
    QRadioButton* rbdivisoes10_;
    QRadioButton* rbdivisoes20_;
    QCheckBox* ckcopanacional_;
    QCheckBox* ckestaduais_;
    QCheckBox* ckcontinental1_;
    QCheckBox* ckcontinental2_;
    QCheckBox* ckcopadomundo_;
    QCheckBox* ckgruposreais_;
    QCheckBox* ckeurocopa_;
    QCheckBox* ckcopaamerica_;
    QSpinBox* sphumanos_;
    QPushButton* btcomecar_;
    QPushButton* btvoltar_;
};

// A page of the new game drawn over the background picture: panels get a
// light backing so their texts stay readable on any picture.
void EstiloDePainel(QWidget* painel);

} // namespace competitions::telas
