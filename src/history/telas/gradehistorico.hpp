#pragma once
// What the history screens share: their lists, whose rows alternate between
// white and a pale yellow, the small badges beside club names, and a
// country picker filled with the leagues of the game.
#include "world/jogo.hpp"

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QComboBox;
class QDialog;
class QHBoxLayout;
class QTableWidget;
class QTableWidgetItem;

namespace history::telas {

// The background of row `linha` (0-based).
QColor CorDaLinha(int linha);

// A read-only list with the given columns, whole rows selected.
QTableWidget* NovaLista(const QStringList& colunas, QWidget* pai = nullptr);

// The cell (linha, coluna) with `texto`, on its row's colour; numbers go
// right-aligned.
QTableWidgetItem* Celula(QTableWidget* t, int linha, int coluna, const QString& texto,
                         bool numero = false);

// A club's name as the game keeps it; empty for an index out of range.
QString NomeDoClube(const world::Jogo& jogo, int time);
// A coach's and a player's name, the same way.
QString NomeDoTecnico(const world::Jogo& jogo, int tecnico);
QString NomeDoJogador(const world::Jogo& jogo, int jogador);

// The small badges of the clubs, each read once per screen. Only a picture of
// 18 x 18 pixels is shown: anything else would break the rows.
class MiniEscudos {
public:
    explicit MiniEscudos(const world::Jogo& jogo) : jogo_(jogo) {}
    QPixmap De(int time);

private:
    const world::Jogo& jogo_;
    QHash<QString, QPixmap> lidos_;
};

// A country picker holding the countries of the leagues played (the item
// data is the country code), on the league `liga`; hidden with one league.
void PreencherPaises(QComboBox* caixa, const world::Jogo& jogo, int liga);

// The screen's foot: "Fechar" on the right, the default button, closing it.
QHBoxLayout* RodapeFechar(QDialog* tela);

} // namespace history::telas
