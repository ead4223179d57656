#pragma once
// "Escolha da seleção para treinar na ...": the national teams a human coach
// is invited to take for the season's tournament, with their badges and
// levels. He takes one or declines.
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QPushButton;
class QTableWidget;

namespace management::telas {

class TelaConviteSelecao : public QDialog {
    Q_OBJECT
public:
    // `humano` is the human's number, `codigo` the tournament (7, 8, 9),
    // `selecoes` the temporary clubs offered (at most eight are shown).
    TelaConviteSelecao(const world::Jogo& jogo, int humano, int codigo,
                       const std::vector<int>& selecoes, QWidget* pai = nullptr);

    // The team taken, -1 when he declined or closed the window.
    int Escolhida() const { return escolhida_; }

    QTableWidget* lista() const { return lista_; }
    QPushButton* botaoOk() const { return ok_; }
    QPushButton* botaoRecusar() const { return recusar_; }
    // Picks the row of team `selecao` (as a click does); false when it is
    // not offered.
    bool Selecionar(int selecao);

private:
    void Confirmar();

    const world::Jogo& jogo_;
    std::vector<int> selecoes_;
    QTableWidget* lista_;
    QPushButton* ok_;
    QPushButton* recusar_;
    int escolhida_ = -1;
};

} // namespace management::telas
