#pragma once
// "Retrospecto": a club's titles and its record season by season (its final
// league place, matches, wins, draws, losses, goals and its coaches), with
// pickers for any club of the leagues played.
#include "history/campeoes.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QTableWidget;

namespace history::telas {

class TelaRetrospecto : public QDialog {
    Q_OBJECT
public:
    TelaRetrospecto(const world::Jogo& jogo, int clube, QWidget* pai = nullptr);

    QComboBox* Paises() const { return paises_; }
    // The clubs of the country picked, by name (item data: club index).
    QComboBox* Clubes() const { return clubes_; }
    QLabel* Titulos() const { return titulos_; }
    QTableWidget* Lista() const { return lista_; }
    int Clube() const;
    const std::vector<TemporadaDoClube>& Linhas() const { return linhas_; }
    // League finish by season, one line per division, titles marked.
    QChart* Grafico() const;

    enum Coluna { kAno = 0, kLiga, kJ, kV, kE, kD, kGP, kGC, kTecnicos };

private:
    void MontarClubes(int clube);
    void Mostrar();
    void MostrarGrafico(const std::vector<TituloDoClube>& titulos);

    const world::Jogo& jogo_;
    std::vector<TemporadaDoClube> linhas_;
    QComboBox* paises_;
    QComboBox* clubes_;
    QLabel* escudo_;
    QLabel* nome_;
    QLabel* titulos_;
    QTableWidget* lista_;
    QChartView* grafico_;
};

// How a title of the history is named: the country's league and division,
// its cup, the state championship, the continental cups by region.
QString NomeDoTitulo(const world::Jogo& jogo, int competicao, int chave, int divisao);

} // namespace history::telas
