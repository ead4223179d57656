#pragma once
// Pieces the editor's screens share: badges, the state picture, the country
// picker and the cells of its sortable lists.
#include "world/registros.hpp"

#include <QColor>
#include <QPixmap>
#include <QTableWidgetItem>

#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace editor::telas {

// What a cell sorts by (numbers), and what a row stands for.
constexpr int kPapelChave = Qt::UserRole + 1;
constexpr int kPapelIndice = Qt::UserRole + 2;

// A cell that sorts by its key where it has one, else by its text as a
// reader orders names.
class Celula : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& outra) const override;
};
Celula* NovaCelula(const QString& texto, const QVariant& chave = {});

// Colours as the files keep them (00BBGGRR).
QColor CorDoArquivo(world::i32 cor);
world::i32 CorParaArquivo(const QColor& cor);
// A button's swatch.
void PintarBotaoCor(QPushButton* botao, world::i32 cor);

// The badge of a club (teams/logos) or a national team (teams/selecoes), GIF
// or BMP; a club without one shows teams/logos/nullescudo.gif.
QPixmap FiguraEscudo(bool selecao, const std::string& escudo);
// The picture of a state: a colour of its own.
QPixmap FiguraEstado(int estado);
// The states by name (item data: the state 0..26), `atual` selected; an odd
// number is offered as it stands, so that an untouched form keeps it.
void PreencherEstados(QComboBox* caixa, int atual);
int EstadoEscolhido(const QComboBox* caixa);

// Countries 0..201 in alphabetical order, `atual` selected (an odd code is
// offered as it stands, so that an untouched form keeps it).
void PreencherPaises(QComboBox* caixa, int atual);
int PaisEscolhido(const QComboBox* caixa);

// The text of a field as the files keep it; the stored bytes themselves while
// the user has not changed the field.
std::string TextoDoCampo(const QLineEdit* campo, const std::string& inicial, std::size_t maximo);
// A field that takes `maximo` characters, or the longer text already stored.
void PrepararCampo(QLineEdit* campo, const std::string& inicial, int maximo);

} // namespace editor::telas
