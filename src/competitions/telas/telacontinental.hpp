#pragma once
// The continental cups of both regions: the eight group tables and the
// knockout bracket of the cup and region picked; and the club world cup's
// table of its six pairings.
#include "competitions/telas/chaveamento.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace competitions::telas {

class TelaContinental : public QDialog {
    Q_OBJECT
public:
    // Opens on `competicao` (4 or 6) and `regiao` (1, 2); -1 picks the
    // first human's region and the first cup.
    TelaContinental(const world::Jogo& jogo, int competicao = -1, int regiao = -1,
                    QWidget* pai = nullptr);

    QComboBox* Edicoes() const { return edicoes_; }
    QTabWidget* Abas() const { return abas_; }
    // Group g (1..8) and box n (1..15: the last 16, quarters, semis, final).
    QTableWidget* Grupo(int g) const { return grupos_[g - 1]; }
    CaixaConfronto* Caixa(int n) const { return chave_.Caixa(n - 1); }
    QLabel* Campeao() const { return campeao_; }
    // The cup and region on screen.
    int Competicao() const;
    int Regiao() const;

private:
    void Mostrar(int indice);

    const world::Jogo& jogo_;
    std::vector<std::pair<int, int>> edicoesdisponiveis_; // (competition, region)
    QComboBox* edicoes_;
    QTabWidget* abas_;
    std::array<QTableWidget*, 8> grupos_{};
    Chaveamento chave_;
    QLabel* campeao_;
    QLabel* vazio_;
};

// "Mundial de Clubes": the six pairings by day, their scores, the places.
class TelaMundial : public QDialog {
    Q_OBJECT
public:
    explicit TelaMundial(const world::Jogo& jogo, QWidget* pai = nullptr);
    QTableWidget* Jogos() const { return jogos_; }
    QTableWidget* Colocacao() const { return colocacao_; }

private:
    QTableWidget* jogos_;
    QTableWidget* colocacao_;
};

} // namespace competitions::telas
