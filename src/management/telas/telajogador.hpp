#pragma once
// A player's card: who he is, what he is worth and earns, his season by
// competition and his career by season. The row of buttons at the bottom is
// where the screens that act on a player (buying, renewing, releasing) put
// theirs; for now it only closes the card.
#include "management/fichajogador.hpp"
#include "world/jogo.hpp"

#include <QDialog>

class QChart;
class QChartView;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;

namespace management::telas {

class TelaJogador : public QDialog {
    Q_OBJECT
public:
    TelaJogador(const world::Jogo& jogo, int jogador, QWidget* pai = nullptr);

    int jogador() const { return ficha_.jogador; }
    const FichaJogador& ficha() const { return ficha_; }

    // Puts a button in the card's row, left of "Fechar".
    void AdicionarBotao(QPushButton* botao);

    QLabel* rotuloNome() const { return nome_; }
    QTableWidget* tabelaTemporada() const { return temporada_; }
    QTableWidget* tabelaCarreira() const { return carreira_; }
    QPushButton* botaoFechar() const { return fechar_; }
    // Matches and goals by season (none without a career record).
    QChart* grafico() const;

private:
    QWidget* MontarDados();
    QWidget* MontarTemporada();
    QWidget* MontarCarreira();
    QChartView* MontarGrafico();

    FichaJogador ficha_;
    QLabel* nome_ = nullptr;
    QTableWidget* temporada_ = nullptr;
    QTableWidget* carreira_ = nullptr;
    QChartView* grafico_ = nullptr;
    QHBoxLayout* botoes_ = nullptr;
    QPushButton* fechar_ = nullptr;
};

// Opens the card of a player over `pai` and waits for it to close.
void AbrirFichaJogador(const world::Jogo& jogo, int jogador, QWidget* pai);

} // namespace management::telas
