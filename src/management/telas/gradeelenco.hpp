#pragma once
// The squad grid of the main screen: one row per lineup row in its order,
// the status cell that picks starters and substitutes, and a role box per
// row. The rules are the lineup's own; the grid only shows and forwards.
#include "management/escalacao.hpp"

#include <QTableWidget>

namespace management::telas {

class GradeElenco : public QTableWidget {
    Q_OBJECT
public:
    enum Coluna {
        kColStatus,
        kColPosicao,
        kColIcone,
        kColNome,
        kColFuncao,
        kColForca,
        kColEnergia,
        kColSalario,
        kColPasse,
        kColGols,
        kColCaract,
        kColIdade,
        kColMoral,
        kColCodigo, // hidden: the selection code of the row
        kColunas
    };

    explicit GradeElenco(world::Jogo& jogo, QWidget* pai = nullptr);

    // Shows a freshly filled lineup.
    void Mostrar(Grade grade);
    Grade& grade() { return grade_; }
    const Grade& grade() const { return grade_; }

    // Redraws every row (after an automatic lineup) or one row.
    void Redesenhar();
    void RedesenharLinha(int linha);

    // A click on a row's status cell, as the mouse does it.
    void ClicarStatusDaLinha(int linha);

signals:
    // A status or role changed: the screen validates the lineup again.
    void alterada();

private:
    void CriarCaixaFuncao(int linha);
    void MudouFuncao(int linha, int item);

    world::Jogo& jogo_;
    Grade grade_;
};

// A colour of the game (0x00BBGGRR, as the club and option records keep it).
QColor CorDoJogo(world::i32 cor);

// The pictures of the grid, drawn here since the game ships no shirt images.
QPixmap FiguraStatus(int codigo, int numero, const world::TTime& clube);
QPixmap FiguraCondicao(int icone, bool cansado);
QPixmap FiguraMoral(int moral);

} // namespace management::telas
