#pragma once
// Screens paint their background by tiling a picture of the img folder when
// it exists ("img\\f01.bmp" for the setup screens, "img\\f02.bmp" for the
// loading and list screens); without it they keep their plain colour.
#include <QWidget>

namespace ui {

constexpr const char* kFundoConfiguracao = "img\\f01.bmp";
constexpr const char* kFundoListas = "img\\f02.bmp";

void PintarFundo(QWidget* tela, const char* figura);
// A title on a plain light strip, so it reads over a tiled background.
void FaixaClara(QWidget* titulo);

// A picture of the data folder (any case, either slash); null when missing
// or unreadable (GIF, BMP and JPEG are read).
QPixmap Figura(const std::string& relativo);

} // namespace ui
