#pragma once
// The pictures of the squad grid, drawn here since the game ships no shirt
// images: the status shirt, the condition icon and the morale face.
#include "world/registros.hpp"

#include <QColor>
#include <QPixmap>

namespace management::telas {

constexpr int kLarguraFigura = 26;
constexpr int kAlturaFigura = 20;

// A colour of the game (0x00BBGGRR, as the club and option records keep it).
QColor CorDoJogo(world::i32 cor);
// Black or white, whichever reads better on the background.
QColor Contraste(const QColor& fundo);

// A star's condition icons are their own: 12 fit, 5 suspended, 8 three
// cards, 7 injured, for 0, 1, 2 and 3.
bool CondicaoDeEstrela(int icone);
int CondicaoSemEstrela(int icone);

QPixmap FiguraStatus(int codigo, int numero, const world::TTime& clube);
QPixmap FiguraCondicao(int icone, bool cansado);
QPixmap FiguraMoral(int moral);

} // namespace management::telas
