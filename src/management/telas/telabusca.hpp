#pragma once
// "Busca de Jogadores": the players of every club in the game by name,
// position, nationality, characteristics, strength, age and value, listed
// for sale or stars only. A double click on a player opens his club.
#include "management/mercado.hpp"
#include "management/telas/filtrosbusca.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QLabel;
class QTableWidget;

namespace management::telas {

class TelaBusca : public QDialog {
    Q_OBJECT
public:
    enum Coluna {
        kColNome,
        kColPosicao,
        kColIdade,
        kColForca,
        kColNacionalidade,
        kColClube,
        kColPasse,
        kColSalario,
        kColVenda,
        kColunas
    };

    TelaBusca(const world::Jogo& jogo, QWidget* pai = nullptr);

    // Runs the filters on screen and lists who passes them.
    void Buscar();
    // The filters as the boxes stand (the goalkeepers' characteristic, which
    // covers several codes, is checked apart).
    FiltroBusca Filtro() const;
    // The player a row of the list shows (in its current order), 0 = none.
    int JogadorDaLinha(int linha) const;

    PainelFiltros* filtros() const { return filtros_; }
    QTableWidget* lista() const { return lista_; }
    QLabel* rotuloTotal() const { return total_; }

signals:
    // A double click (or Enter) on a player: his club, to be shown.
    void abrirClube(int clube);

protected:
    // Enter on the list opens the player's club, as a double click does.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void MontarLista();
    void Abrir(int linha);
    void Preencher(const std::vector<int>& jogadores);

    const world::Jogo& jogo_;
    PainelFiltros* filtros_ = nullptr;
    QTableWidget* lista_ = nullptr;
    QLabel* total_ = nullptr;
};

} // namespace management::telas
