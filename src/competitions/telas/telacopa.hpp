#pragma once
// The national cup bracket of one country: 31 boxes by phase, the played ties
// in the bracket's notation, the champion in its club colours.
#include "world/jogo.hpp"

#include <QDialog>
#include <QFrame>

#include <array>

class QComboBox;
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

class TelaCopa : public QDialog {
    Q_OBJECT
public:
    TelaCopa(const world::Jogo& jogo, QWidget* pai = nullptr);

    QComboBox* Paises() const { return paises_; }
    // Box n (1..31) and the first column's list of a 16-club cup.
    CaixaConfronto* Caixa(int n) const { return caixas_[n - 1]; }
    QLabel* Primeiros() const { return primeiros_; }
    QLabel* Campeao() const { return campeao_; }

private:
    void MostrarLiga(int liga);

    const world::Jogo& jogo_;
    QComboBox* paises_;
    std::array<CaixaConfronto*, 31> caixas_{};
    QLabel* primeiros_;
    QLabel* campeao_;
};

} // namespace competitions::telas
