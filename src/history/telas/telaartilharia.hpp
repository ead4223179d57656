#pragma once
// "Artilharia": the scorers of a league division, the national cup, a
// continental cup, a state championship or the whole careers, with a country
// picker when more than one league is played.
#include "history/artilharia.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace history::telas {

class TelaArtilharia : public QDialog {
    Q_OBJECT
public:
    // `clube`: the club on screen, whose league the picker starts on.
    // `carreira`: start on the career list (at the season's end, when the
    // season's goals are already cleared).
    TelaArtilharia(const world::Jogo& jogo, int clube, bool carreira = false,
                   QWidget* pai = nullptr);

    QComboBox* Paises() const { return paises_; }
    QComboBox* Visoes() const { return visoes_; }
    QTableWidget* Lista() const { return lista_; }
    QLabel* Nota() const { return nota_; }
    QPushButton* MostrarTodos() const { return todos_; }
    // The view shown (an entry of VisoesArtilharia for the country picked).
    const VisaoArtilharia& Visao() const;

private:
    void MontarVisoes(bool carreira);
    void Mostrar();
    int Pais() const;

    const world::Jogo& jogo_;
    std::vector<VisaoArtilharia> visoesatuais_;
    QComboBox* paises_;
    QComboBox* visoes_;
    QTableWidget* lista_;
    QLabel* nota_;
    QPushButton* todos_;
    bool mostrartodos_ = false;
};

} // namespace history::telas
