#pragma once
// "Ranking de Clubes": the clubs of a country by titles ("Ranking por
// Colocação") or by accumulated points ("Ranking por pontos corridos"), and
// every club of the chosen leagues by points ("Ranking Internacional").
// Double-clicking a club opens its record.
#include "history/rankings.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QTabBar;
class QTableWidget;

namespace history::telas {

class MiniEscudos;

class TelaRankingClubes : public QDialog {
    Q_OBJECT
public:
    TelaRankingClubes(const world::Jogo& jogo, int clube, QWidget* pai = nullptr);
    ~TelaRankingClubes() override;

    QTabBar* Visoes() const { return visoes_; }
    QComboBox* Paises() const { return paises_; }
    QTableWidget* Lista() const { return lista_; }
    QLabel* Legenda() const { return legenda_; }
    // The clubs of the rows shown, in order.
    const std::vector<LinhaRankingClube>& Linhas() const { return linhas_; }
    VisaoRankingClubes Visao() const;

    // List columns: place, club, the six competitions, total.
    static constexpr int kColClube = 1, kColPrimeira = 2, kColTotal = 2 + kColunasRanking;

private:
    void Mostrar();
    // The small badges of the rows in view (and a screenful beyond): the
    // international view lists every club of the world, and finding some
    // eight hundred badges at once kept the window waiting.
    void MostrarEscudos();

    const world::Jogo& jogo_;
    std::unique_ptr<MiniEscudos> escudos_;
    std::vector<LinhaRankingClube> linhas_;
    QTabBar* visoes_;
    QComboBox* paises_;
    QTableWidget* lista_;
    QLabel* legenda_;
};

} // namespace history::telas
