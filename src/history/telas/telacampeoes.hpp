#pragma once
// "Campeões": the champions of one competition, one row per season, newest
// first: champion, runner-up, top scorer, the champion's coach, and where a
// competition records them the venue, third and fourth.
#include "history/campeoes.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QComboBox;
class QTableWidget;

namespace history::telas {

class TelaCampeoes : public QDialog {
    Q_OBJECT
public:
    TelaCampeoes(const world::Jogo& jogo, int clube, QWidget* pai = nullptr);

    // "Ver:": the competitions of the game.
    QComboBox* Competicoes() const { return competicoes_; }
    // Shown for the league and the national cup.
    QComboBox* Paises() const { return paises_; }
    // Shown for the league.
    QComboBox* Divisoes() const { return divisoes_; }
    // Shown for the state championships.
    QComboBox* Estados() const { return estados_; }
    QTableWidget* Lista() const { return lista_; }
    const std::vector<LinhaCampeoes>& Linhas() const { return linhas_; }
    // The competition on screen.
    CompeticaoHistorica Escolhida() const;

    enum Coluna { kAno = 0, kCampeao, kVice, kArtilheiro, kTecnico, kLocal, kTerceiro, kQuarto };

private:
    void MontarDivisoes();
    void Mostrar();

    const world::Jogo& jogo_;
    std::vector<LinhaCampeoes> linhas_;
    QComboBox* competicoes_;
    QComboBox* paises_;
    QComboBox* divisoes_;
    QComboBox* estados_;
    QTableWidget* lista_;
};

} // namespace history::telas
