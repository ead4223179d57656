#pragma once
// The national cup bracket of one country: 31 boxes by phase, the played ties
// in the bracket's notation, the champion in its club colours.
#include "competitions/telas/chaveamento.hpp"
#include "world/jogo.hpp"

#include <QDialog>

class QComboBox;
class QLabel;

namespace competitions::telas {

class TelaCopa : public QDialog {
    Q_OBJECT
public:
    TelaCopa(const world::Jogo& jogo, QWidget* pai = nullptr);

    QComboBox* Paises() const { return paises_; }
    // Box n (1..31) and the first column's list of a 16-club cup.
    CaixaConfronto* Caixa(int n) const { return chave_.Caixa(n - 1); }
    QLabel* Primeiros() const { return primeiros_; }
    QLabel* Campeao() const { return campeao_; }

private:
    void MostrarLiga(int liga);

    const world::Jogo& jogo_;
    QComboBox* paises_;
    Chaveamento chave_;
    QLabel* primeiros_;
    QLabel* campeao_;
};

} // namespace competitions::telas
