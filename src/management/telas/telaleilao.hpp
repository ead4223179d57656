#pragma once
// "Venda de jogador em leilão": the bid of one human. In a game of several
// humans at one keyboard each bidder gets this screen in turn, named at the
// top. Amounts are typed in thousands.
#include "management/mercado.hpp"
#include "world/jogo.hpp"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace management::telas {

class TelaLeilao : public QDialog {
    Q_OBJECT
public:
    TelaLeilao(const world::Jogo& jogo, const Leilao& leilao, QWidget* pai = nullptr);

    // The bid in $ once the screen has closed; 0 = no bid.
    world::i32 Lance() const { return lance_; }

    QLineEdit* campoLance() const { return campo_; }
    QLabel* rotuloExtenso() const { return extenso_; }
    QLabel* rotuloErro() const { return erro_; }
    QLabel* rotuloVez() const { return vez_; }
    QPushButton* botaoLance() const { return darlance_; }
    QPushButton* botaoSemLance() const { return semlance_; }

private:
    QWidget* MontarJogador(const Leilao& l);
    QWidget* MontarLeilao(const Leilao& l);
    void Digitou();
    void DarLance();

    const world::Jogo& jogo_;
    Leilao leilao_;
    world::i32 caixa_ = 0; // the bidder's cash
    world::i32 lance_ = 0;
    QLabel* vez_ = nullptr;
    QLineEdit* campo_ = nullptr;
    QLabel* extenso_ = nullptr;
    QLabel* erro_ = nullptr;
    QPushButton* darlance_ = nullptr;
    QPushButton* semlance_ = nullptr;
};

// The end of an auction: who took the player and for how much, or that he
// stayed unsold.
QString TextoFimDoLeilao(const world::Jogo& jogo, const Leilao& leilao,
                         const ResultadoLeilao& resultado);
void MostrarFimDoLeilao(const world::Jogo& jogo, const Leilao& leilao,
                        const ResultadoLeilao& resultado, QWidget* pai);

} // namespace management::telas
