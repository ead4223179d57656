#pragma once
// The small screens of a running match: a player's position or role, the
// referee, the replacement of an injured player. Each can be shown and driven
// without exec().
#include "match/partida.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <span>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace temporada::telas {

// "Mudança da posição ou função durante a partida" of a starter on the pitch.
class DialogoMudancaPosicao : public QDialog {
    Q_OBJECT
public:
    DialogoMudancaPosicao(world::Jogo& jogo, match::Rodada& rodada, int m, int lado, int jogador,
                          QWidget* pai = nullptr);
    static constexpr int kVoltarOriginal = 5; // the item after the five positions

private:
    void EncherFuncoes();
    void Confirmar();

    world::Jogo& jogo_;
    match::Rodada& rodada_;
    int m_, lado_, jogador_;
    QComboBox* posicao_;
    QComboBox* funcao_;
};

// The referee box ("Árbitro"): name, "Técnica" and "Rigor".
class CaixaArbitro : public QDialog {
    Q_OBJECT
public:
    explicit CaixaArbitro(int arbitro, QWidget* pai = nullptr);
};

// The bench list of the injury substitution; "Substituir" accepts with the
// chosen player. It names the club and its coach, who must answer: several
// humans may share the keyboard.
class SubstituicaoContusao : public QDialog {
    Q_OBJECT
public:
    SubstituicaoContusao(const world::Jogo& jogo, int clube, int contundido,
                         std::span<const int> banco, QWidget* pai = nullptr);
    // The player chosen, 0 while none is.
    int Escolhido() const { return escolhido_; }

private:
    std::vector<int> banco_;
    QListWidget* lista_;
    QPushButton* substituir_;
    int escolhido_ = 0;
};

} // namespace temporada::telas
