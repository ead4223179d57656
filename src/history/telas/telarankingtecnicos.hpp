#pragma once
// The coach ranking of a country, or "Ranking Mundial" of every coach.
#include "history/rankings.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace history::telas {

class TelaRankingTecnicos : public QDialog {
    Q_OBJECT
public:
    TelaRankingTecnicos(const world::Jogo& jogo, int clube, QWidget* pai = nullptr);

    // The countries of the leagues, then "Ranking Mundial" (item data -1).
    QComboBox* Escolha() const { return escolha_; }
    QLabel* Titulo() const { return titulo_; }
    QTableWidget* Lista() const { return lista_; }
    const std::vector<LinhaRankingTecnico>& Linhas() const { return linhas_; }

    // Columns: place, coach, club, M, L, S, N, C, E, points.
    static constexpr int kColTecnico = 1, kColTime = 2, kColPrimeiroTitulo = 3,
                         kColPontos = 3 + kColunasTecnico;

private:
    void Mostrar();

    const world::Jogo& jogo_;
    std::vector<LinhaRankingTecnico> linhas_;
    QComboBox* escolha_;
    QLabel* titulo_;
    QTableWidget* lista_;
};

} // namespace history::telas
