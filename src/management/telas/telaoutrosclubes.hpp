#pragma once
// "Outros clubes" (F8): any club of the game picked by country, division and
// name, its squad in a sortable grid, and the buying of its players at the
// asking price ("Comprar") or by an offer ("Propor compra"). The buyer is the
// club of the human at the keyboard; his own club shows read-only.
#include "management/mercado.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace management::telas {

class TelaOutrosClubes : public QDialog {
    Q_OBJECT
public:
    enum Coluna {
        kColPosicao,
        kColIcone,
        kColNome,
        kColFuncao,
        kColForca,
        kColIdade,
        kColCaract,
        kColEnergia,
        kColSalario,
        kColPasse,
        kColContrato,
        kColVenda,
        kColunas
    };

    // `comprador` buys; the questions of an offer go to `ia`.
    TelaOutrosClubes(world::Jogo& jogo, int comprador, InteracaoMercado& ia,
                     QWidget* pai = nullptr);

    // Picks the club's country, division and the club itself.
    void MostrarClube(int clube);
    int Clube() const { return clube_; }
    // The player of a grid row, whatever the order; 0 for none.
    int JogadorDaFila(int fila) const;
    int JogadorSelecionado() const;
    // Selects the player's row; false when he is not in the grid.
    bool SelecionarJogador(int jogador);

    QComboBox* caixaPais() const { return pais_; }
    QComboBox* caixaDivisao() const { return divisao_; }
    QListWidget* listaClubes() const { return clubes_; }
    QTableWidget* grade() const { return grade_; }
    QPushButton* botaoComprar() const { return comprar_; }
    QPushButton* botaoPropor() const { return propor_; }
    QLabel* rotuloSituacao() const { return situacao_; }
    QLabel* rotuloDinheiroClube() const { return dinheiroclube_; }
    QLabel* rotuloCaixa() const { return caixa_; }

    // "Comprar" and "Propor compra" on the selected player.
    void Comprar();
    void Propor();

protected:
    // Enter on a row opens the player's card, as a double click does.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* MontarEscolha();
    QWidget* MontarCabecalho();
    QWidget* MontarDetalhes();
    void PaisMudou();
    void DivisaoMudou();
    void ClubeMudou();
    void PreencherGrade();
    void AtualizarCabecalho();
    void AtualizarDetalhes();
    void AtualizarBotoes();
    void AbrirFicha(int jogador);
    // What changed hands: everything on screen again, the player kept selected.
    void Recarregar();

    world::Jogo& jogo_;
    int comprador_;
    InteracaoMercado& ia_;
    int clube_ = -1;
    std::vector<int> paises_;
    std::vector<int> divisoes_;

    QComboBox* pais_ = nullptr;
    QComboBox* divisao_ = nullptr;
    QListWidget* clubes_ = nullptr;
    QLabel* escudo_ = nullptr;
    QLabel* nome_ = nullptr;
    QLabel* divisaoclube_ = nullptr;
    QLabel* nivel_ = nullptr;
    QLabel* dinheiroclube_ = nullptr;
    QLabel* tecnico_ = nullptr;
    QTableWidget* grade_ = nullptr;
    QLabel* detalhes_ = nullptr;
    QLabel* situacao_ = nullptr;
    QLabel* caixa_ = nullptr;
    QPushButton* ficha_ = nullptr;
    QPushButton* comprar_ = nullptr;
    QPushButton* propor_ = nullptr;
};

} // namespace management::telas
