#pragma once
// The national-team tournament of the season (World Cup, Copa America or
// Euro): its group tables, the knockout bracket with scores and shoot-outs
// down to the final and the match for third place, and its table of matches
// with their venues.
#include "competitions/telas/chaveamento.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QLabel;
class QTabWidget;
class QTableWidget;

namespace competitions::telas {

// The tournament's name (7, 8, 9) as the language has it.
QString NomeDoTorneio(int codigo);

class TelaTorneio : public QDialog {
    Q_OBJECT
public:
    explicit TelaTorneio(const world::Jogo& jogo, QWidget* pai = nullptr);

    QTabWidget* Abas() const { return abas_; }
    // Group g (1..8) and the bracket's box of pairing k (0-based, the order
    // of the tournament's pairings: the first knockout phase first).
    QTableWidget* Grupo(int g) const;
    int NumeroDeGrupos() const { return static_cast<int>(grupos_.size()); }
    CaixaConfronto* Caixa(int k) const { return chave_.Caixa(k); }
    int NumeroDeCaixas() const { return chave_.NumeroDeCaixas(); }
    QTableWidget* Jogos() const { return jogos_; }
    QLabel* Campeao() const { return campeao_; }

private:
    QWidget* MontarGrupos(int codigo);
    QWidget* MontarChave(int codigo);
    QWidget* MontarJogos(int codigo);

    const world::Jogo& jogo_;
    QTabWidget* abas_ = nullptr;
    std::vector<QTableWidget*> grupos_;
    Chaveamento chave_;
    QTableWidget* jogos_ = nullptr;
    QLabel* campeao_ = nullptr;
};

} // namespace competitions::telas
