#pragma once
// The coach's career on screen: the dismissal of a human coach, the notice
// of a computer-run club changing its coach, and the job offers.
#include "management/carreira.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace management::telas {

// "Demitido!": who left which club and why, and who took it.
class TelaDemitido : public QDialog {
    Q_OBJECT
public:
    TelaDemitido(const world::Jogo& jogo, int tecnico, int clube, MotivoDemissao motivo,
                 int substituto, QWidget* pai = nullptr);
    QString Texto() const;

private:
    QLabel* texto_;
};

// The text the dismissal screen reads: coach, s1/432, ", ", the reason, ".".
QString TextoDaDemissao(const world::Jogo& jogo, int tecnico, MotivoDemissao motivo);

// "Técnico Demitido!": a computer-run club changed its coach.
class TelaTrocaTecnico : public QDialog {
    Q_OBJECT
public:
    TelaTrocaTecnico(const world::Jogo& jogo, int clube, int antigo, int novo,
                     QWidget* pai = nullptr);
};

// "Convite para ser técnico": the offering clubs, the squad of the one
// selected, "Classificação" and "Assumir time".
class TelaConvite : public QDialog {
    Q_OBJECT
public:
    TelaConvite(const world::Jogo& jogo, int tecnico, std::vector<int> clubes,
                QWidget* pai = nullptr);
    // The club taken, -1 when every offer was declined.
    int Escolhido() const { return escolhido_; }

    QListWidget* Clubes() const { return lista_; }
    QPushButton* Assumir() const { return assumir_; }
    QPushButton* Classificacao() const { return classificacao_; }
    QTableWidget* Plantel() const { return plantel_; }

signals:
    void verClassificacao();

private:
    void MostrarPlantel(int linha);

    const world::Jogo& jogo_;
    std::vector<int> clubes_;
    int escolhido_ = -1;
    QListWidget* lista_;
    QTableWidget* plantel_;
    QLabel* titulo_;
    QPushButton* assumir_;
    QPushButton* classificacao_;
};

} // namespace management::telas
