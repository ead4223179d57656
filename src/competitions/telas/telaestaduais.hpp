#pragma once
// "Estadual": the state championship of one state at a time, its groups'
// tables and the final.
#include "world/jogo.hpp"

#include <QDialog>

class QComboBox;
class QLabel;
class QTabWidget;

namespace competitions::telas {

class TelaEstaduais : public QDialog {
    Q_OBJECT
public:
    TelaEstaduais(const world::Jogo& jogo, QWidget* pai = nullptr);

    QComboBox* Estados() const { return estados_; }
    QTabWidget* Grupos() const { return grupos_; }
    QLabel* Final() const { return final_; }
    // The state on screen.
    int Estado() const;

private:
    void MostrarEstado(int indice);

    const world::Jogo& jogo_;
    std::vector<int> ativos_;
    QComboBox* estados_;
    QTabWidget* grupos_;
    QLabel* final_;
};

} // namespace competitions::telas
