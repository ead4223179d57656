#pragma once
// "Venda de jogador": a player of the human's club put up for sale, either at
// a fixed price, waiting for a computer-run club to take him, or in an
// auction that starts at once. A listed player is withdrawn here too.
#include "management/mercado.hpp"
#include "world/jogo.hpp"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace management::telas {

class TelaVenda : public QDialog {
    Q_OBJECT
public:
    // `ia` answers the auction's questions (the other humans' bids, the end).
    TelaVenda(world::Jogo& jogo, int jogador, InteracaoMercado& ia, QWidget* pai = nullptr);

    int jogador() const { return jogador_; }

    QRadioButton* opcaoPrecoFixo() const { return precofixo_; }
    QRadioButton* opcaoLeilao() const { return leilao_; }
    QSpinBox* caixaPrecoFixo() const { return valorfixo_; }
    QSpinBox* caixaPrecoInicial() const { return valorinicial_; }
    QLabel* rotuloPrecoFixo() const { return extensofixo_; }
    QLabel* rotuloPrecoInicial() const { return extensoinicial_; }
    QLabel* rotuloMulta() const { return multa_; }
    QLabel* rotuloMotivo() const { return motivo_; }
    QPushButton* botaoVender() const { return vender_; }
    QPushButton* botaoRetirar() const { return retirar_; }
    QPushButton* botaoFechar() const { return fechar_; }

private:
    QWidget* MontarJogador();
    QWidget* MontarOpcoes();
    void Atualizar();
    void Vender();
    void Retirar();
    world::i32 PrecoEscolhido() const;

    world::Jogo& jogo_;
    int jogador_;
    InteracaoMercado& ia_;
    QRadioButton* precofixo_ = nullptr;
    QRadioButton* leilao_ = nullptr;
    QSpinBox* valorfixo_ = nullptr;
    QSpinBox* valorinicial_ = nullptr;
    QLabel* extensofixo_ = nullptr;
    QLabel* extensoinicial_ = nullptr;
    QLabel* titulomulta_ = nullptr;
    QLabel* multa_ = nullptr;
    QLabel* situacao_ = nullptr;
    QLabel* motivo_ = nullptr;
    QPushButton* vender_ = nullptr;
    QPushButton* retirar_ = nullptr;
    QPushButton* fechar_ = nullptr;
};

} // namespace management::telas
