#pragma once
// "Classificação": the league tables of one country, division by division,
// with a country picker when more than one league is played. The table
// filling is shared with the results and state screens.
#include "competitions/classificacao.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

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

private:
    void MostrarLiga(int liga);

    const world::Jogo& jogo_;
    QComboBox* paises_;
    QTabWidget* divisoes_;
};

} // namespace competitions::telas
