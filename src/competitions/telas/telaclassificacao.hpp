#pragma once
// "Classificação": the league tables of one country, division by division,
// with a country picker when more than one league is played, and beside each
// table the season's race: places by matchday of the human's club and of the
// clubs ticked in the table, and the points of the top six. The table filling
// is shared with the results and state screens.
#include "competitions/classificacao.hpp"
#include "competitions/corrida.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QChart;
class QComboBox;
class QTableWidget;
class QTabWidget;

namespace competitions::telas {

// A table widget with the columns of a table (club, PG J V E D GP GC SG).
QTableWidget* NovaTabela(QWidget* pai = nullptr);
// Fills it with the rows, place numbers first; human clubs in bold.
void PreencherTabela(QTableWidget* t, const world::Jogo& jogo,
                     const std::vector<TLinhaTabela>& linhas);

class TelaClassificacao : public QDialog {
    Q_OBJECT
public:
    TelaClassificacao(const world::Jogo& jogo, QWidget* pai = nullptr);

    QComboBox* Paises() const { return paises_; }
    QTabWidget* Divisoes() const { return divisoes_; }
    // The table of division d (1-based) of the league shown.
    QTableWidget* Tabela(int d) const;
    // The charts of division d: places by matchday, points of the top six.
    QChart* Corrida(int d) const;
    QChart* Pontos(int d) const;

private:
    void MostrarLiga(int liga);
    QWidget* PaginaDaDivisao(int liga, int d);
    void MostrarCorrida(QTableWidget* t, QChart* g, const CorridaDaDivisao& c);

    const world::Jogo& jogo_;
    QComboBox* paises_;
    QTabWidget* divisoes_;
    std::vector<CorridaDaDivisao> corridas_; // of the league shown, by division
};

} // namespace competitions::telas
