#pragma once
// The squad grid of the main screen: one row per lineup line, the status cell
// that picks starters and substitutes, and a role box per row. The rules are
// the lineup's own; the grid only shows and forwards.
//
// A click on a column header sorts the rows for the eye only: the lineup keeps
// its lines in the order the rules fill and commit them, and every row knows
// which line (and so which player) it shows. Widget rows are "filas" here,
// lines of the Grade "linhas".
#include "management/escalacao.hpp"
#include "management/telas/figurasgrade.hpp"

#include <QTableWidget>

class QMenu;

#include <vector>

namespace management::telas {

// The contract cell of a squad list: the weeks the contract still runs
// ("fim" once it has ended) with its end date over it, in bold within three
// weeks of the end, on yellow then, on red once ended (other cells keep the
// colours they were given). `fonte` is the list's own.
void PreencherCelulaContrato(QTableWidgetItem& celula, const world::TJogador& j, double hoje,
                             QFont fonte);

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
        kColContrato, // the contract's end; ended and ending ones coloured
        kColCodigo,   // hidden: the selection code of the row
        kColunas
    };

    explicit GradeElenco(world::Jogo& jogo, QWidget* pai = nullptr);

    // Shows a freshly filled lineup, in the order last chosen by a header.
    void Mostrar(Grade grade);

    // A national team's squad: no wages, values or contracts to show, and
    // nothing to sell, renew or retire from its rows (the players are lent).
    void ModoSelecao();
    bool EmModoSelecao() const { return selecao_; }
    Grade& grade() { return grade_; }
    const Grade& grade() const { return grade_; }

    // Redraws every row (after an automatic lineup) or the row of one line.
    void Redesenhar();
    void RedesenharLinha(int linha);

    // Sorts the rows by a column; the status and position columns in
    // ascending order give the lineup's own order back.
    void OrdenarPor(int coluna, Qt::SortOrder sentido);

    // Row <-> line of the Grade; -1 when out of range.
    int LinhaDaFila(int fila) const;
    int FilaDaLinha(int linha) const;
    int JogadorDaFila(int fila) const;

    // A click on a row's status cell, as the mouse does it.
    void ClicarStatusDaFila(int fila);

    // The right-click menu of a row's player (his card, his sale); nullptr
    // for a row without one. The caller shows it; it deletes itself on close.
    QMenu* MenuDaFila(int fila);
    // The background of the value of a player up for sale.
    static QColor CorAVenda();
    // The background of an ended contract's date.
    static QColor CorContratoEncerrado();

signals:
    // A status or role changed: the screen validates the lineup again.
    void alterada();
    // Double-click or Enter on a player's row: the screen opens his card.
    void abrirJogador(int jogador);
    // "Vender jogador..." on a player's row.
    void venderJogador(int jogador);
    // "Propor novo contrato..." and "Aposentar jogador..." on a player's row.
    void renovarContrato(int jogador);
    void aposentarJogador(int jogador);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void CriarCaixaFuncao(int fila);
    void MudouFuncao(int fila, int item);
    void RedesenharFila(int fila);
    void ClicouCabecalho(int coluna);
    void Ordenar();

    world::Jogo& jogo_;
    Grade grade_;
    std::vector<int> linhas_; // the line of the Grade each row shows
    int coluna_ = -1;         // sorted by this column; -1 = the lineup's order
    bool selecao_ = false;
    Qt::SortOrder sentido_ = Qt::AscendingOrder;
};

} // namespace management::telas
