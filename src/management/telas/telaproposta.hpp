#pragma once
// The market's dialogs around an offer: the amount typed for "Propor compra",
// the questions an offer asks (a computer-run club's offer, another human's
// offer, a player's salary demand, a purchase at the asking price) and the
// notices of how it ended.
#include "management/mercado.hpp"
#include "world/jogo.hpp"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace management::telas {

// A question answered by one of two buttons ("Sim" / "Não" unless told
// otherwise): accepted is the first.
class TelaPergunta : public QDialog {
    Q_OBJECT
public:
    TelaPergunta(const QString& titulo, QWidget* pai = nullptr);

    // A line of text; `destaque` in bold and larger (a name, an amount).
    QLabel* Linha(const QString& texto, bool destaque = false);
    void Espaco();
    // The question itself, over the buttons.
    void Pergunta(const QString& texto);
    void Botoes(const QString& sim, const QString& nao);

    QPushButton* botaoSim() const { return sim_; }
    QPushButton* botaoNao() const { return nao_; }
    // Every line, one per line of the result, as the player reads them.
    QString Texto() const;

private:
    QVBoxLayout* linhas_;
    QPushButton* sim_;
    QPushButton* nao_;
};

// "Proposta de compra": computer-run club `comprador` wants `jogador` of the
// human's club for `valor`. True sells him.
bool PerguntarPropostaDeCompra(const world::Jogo& jogo, int comprador, int jogador,
                               world::i32 valor, QWidget* pai);
// "Atenção": human club `comprador` offers `valor` for `jogador`; the coach
// of the player's club answers. True sells him.
bool PerguntarVendaAoHumano(const world::Jogo& jogo, int comprador, int jogador, world::i32 valor,
                            QWidget* pai);
// The player joins only for his salary times `fator`. True pays it.
bool PerguntarExigencia(const world::Jogo& jogo, int jogador, int fator, world::i32 novosalario,
                        QWidget* pai);
// "Comprar": the asking price, confirmed.
bool ConfirmarCompra(const world::Jogo& jogo, int jogador, QWidget* pai);

// What stands in the way of a purchase or an offer, as the buyer reads it;
// empty for nothing.
QString TextoImpedimento(Impedimento impedimento);
// Why an offer for `jogador` did not go through, as the buyer reads it (the
// player still where he was); empty when it did, or the buyer himself
// declined a salary demand.
QString TextoRecusa(const world::Jogo& jogo, int jogador, const ResultadoProposta& r);

// A notice with one button: the refusal screen when `recusa`, else a plain
// confirmation.
class TelaAvisoMercado : public QDialog {
    Q_OBJECT
public:
    TelaAvisoMercado(const QString& titulo, const QString& texto, bool recusa,
                     QWidget* pai = nullptr);
    QString Texto() const;

private:
    QLabel* texto_;
};
void AvisarMercado(const QString& titulo, const QString& texto, bool recusa, QWidget* pai);

// "Propor compra": the amount in thousands, shown in words as it is typed;
// the button stays off while the amount is nothing or more than the buyer's
// cash.
class TelaOferta : public QDialog {
    Q_OBJECT
public:
    TelaOferta(const world::Jogo& jogo, int comprador, int jogador, QWidget* pai = nullptr);

    // The amount in $ (what is typed times a thousand).
    world::i32 Valor() const;

    QLineEdit* campoValor() const { return valor_; }
    QLabel* rotuloExtenso() const { return extenso_; }
    QPushButton* botaoPropor() const { return propor_; }

private:
    void Mudou();

    const world::Jogo& jogo_;
    int comprador_, jogador_;
    world::i32 caixa_ = 0;
    QLineEdit* valor_;
    QLabel* extenso_;
    QLabel* alerta_;
    QPushButton* propor_;
};

} // namespace management::telas
