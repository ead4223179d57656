#pragma once
// Screens paint their background by tiling a picture of the img folder when
// it exists ("img\\f01.bmp" for the setup screens, "img\\f02.bmp" for the
// loading and list screens); without it they keep their plain colour.
#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;

namespace ui {

constexpr const char* kFundoConfiguracao = "img\\f01.bmp";
constexpr const char* kFundoListas = "img\\f02.bmp";

void PintarFundo(QWidget* tela, const char* figura);
// A title on a plain light strip, so it reads over a tiled background.
void FaixaClara(QWidget* titulo);
// A plain light panel under a header or side panel, for the same reason.
void Painel(QWidget* w);
// A framed panel of that kind, ready for its layout.
QFrame* Quadro();
// A loading page: the list screens' background on a dark pitch and, in the
// middle, a panel with `texto` over `barra`.
void PaginaDeCarga(QWidget* pagina, const QString& texto, QProgressBar* barra);
// A label in bold, for a caption or a value that must stand out.
QLabel* Negrito(const QString& texto = {});
// The style of a label showing a club's name on its colours; where the text
// colour would not read on the background (the same, or nearly), black or
// white instead.
QString EstiloDoClube(const QColor& fundo, QColor texto, int margem = 4);

// A picture of the data folder (any case, either slash); null when missing
// or unreadable (GIF, BMP and JPEG are read).
QPixmap Figura(const std::string& relativo);

} // namespace ui
