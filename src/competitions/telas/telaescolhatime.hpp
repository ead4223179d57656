#pragma once
// The club choice, once per human coach: one league at a time, its clubs as
// radio buttons in one box per division, each with the strength of its best
// eleven, its level and the cash it starts with, and the coach's name.
#include "world/jogo.hpp"

#include <QWidget>

#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace competitions::telas {

class TelaEscolhaTime : public QWidget {
    Q_OBJECT
public:
    explicit TelaEscolhaTime(QWidget* pai = nullptr);

    // Shows the choice of human `humano` (0-based) of the game being set up.
    void Preparar(world::Jogo& jogo, int humano);
    int Humano() const { return humano_; }
    int TimeEscolhido() const { return escolhido_; }
    // What the row of button `botao` (division d - 1 times 20 plus slot s - 1)
    // shows: strength, level, cash.
    enum Detalhe { kForca = 0, kNivel, kCaixa, kDetalhes };
    QLabel* DetalheDoBotao(int botao, Detalhe d) const { return detalhes_[botao][d]; }

signals:
    // EscolherTime has been done for the human.
    void escolhido(int humano);

private:
    void cbligaChange();
    void rbtimeClick(int botao);
    void ednomeChange();
    void btconfirmarClick();

    static constexpr int kColunas = 4;
    static constexpr int kLinhas = 20;
    world::Jogo* jogo_ = nullptr;
    int humano_ = 0;
    int escolhido_ = -1;
    QLabel* lbtitulo_;
    QLabel* lbliga_;
    QComboBox* cbliga_;
    std::array<QGroupBox*, kColunas> divisoes_{};
    std::array<QRadioButton*, kColunas * kLinhas> botoes_{};
    std::array<std::array<QLabel*, kDetalhes>, kColunas * kLinhas> detalhes_{};
    std::array<int, kColunas * kLinhas> timesdosbotoes_{};
    QButtonGroup* grupo_;
    QLineEdit* ednome_;
    QPushButton* btconfirmar_;
};

} // namespace competitions::telas
