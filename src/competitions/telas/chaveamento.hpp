#pragma once
// The knockout brackets of the cup screens (the national cup, the continental
// cups, the national-team tournaments): a column of boxes per phase, the
// first phase on the left, each box as tall as the two ties whose winners it
// pairs, and in each box the tie's clubs, the winner in bold, and its score.
#include "world/jogo.hpp"

#include <QFrame>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;

namespace competitions::telas {

// One box of the bracket: the tie's number and clubs, and its score line
// below them. The score line always has its own line; the names give way
// (cut short, whole in the tooltip) when the box is too small for them.
class CaixaConfronto : public QFrame {
    Q_OBJECT
public:
    explicit CaixaConfronto(QWidget* pai = nullptr);
    // `vencedor`: 1 club A, 2 club B, 0 not decided yet.
    void Mostrar(int numero, const QString& a, const QString& b, int vencedor,
                 const QString& placar);
    QLabel* Nomes() const { return nomes_; }
    QLabel* Placar() const { return placar_; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Encaixar();

    QLabel* nomes_;
    QLabel* placar_;
    int numero_ = 0;
    QString a_, b_;
    int vencedor_ = 0;
};

class Chaveamento {
public:
    struct Formato {
        std::vector<int> fases;       // the boxes of each phase, the first first
        std::vector<QString> titulos; // a caption over each phase; none: no caption row
        // When set, the last phase's second box is the match for third place,
        // under this caption, and the final stands in the upper half.
        QString terceiro;
    };
    // The name a box shows for a club (-1: not known yet).
    using Nomeador = std::function<QString(int clube)>;

    // Lays the boxes out in `grade`, from its first row and column.
    void Montar(QGridLayout* grade, const Formato& formato, Nomeador nome);

    // Box k (0-based; it shows the number k + 1).
    CaixaConfronto* Caixa(int k) const;
    int NumeroDeCaixas() const { return static_cast<int>(caixas_.size()); }

    // Box k shows the tie of clubs `a` and `b` won by `vencedor` (-1: not
    // decided yet).
    void Mostrar(int k, int a, int b, int vencedor, const QString& placar) const;
    // Box k shows tie k of a bracket as the rules give it (its clubs, winner
    // and score line).
    template <class Caixas> void MostrarChave(const Caixas& chave) const {
        for (int k = 0; k < NumeroDeCaixas() && k < static_cast<int>(chave.size()); ++k)
            Mostrar(k, chave[k].mandante, chave[k].visitante, chave[k].vencedor,
                    QString::fromStdString(chave[k].placar));
    }

private:
    std::vector<CaixaConfronto*> caixas_;
    Nomeador nome_;
};

// The name of a club in the brackets: "-" for none.
QString NomeNaChave(const world::Jogo& jogo, int clube);

} // namespace competitions::telas
