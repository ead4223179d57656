#pragma once
// Badges on screen: a club's picture from the data folder, and for a team
// without one (the national teams ship none) a shield drawn in its colours
// with its name's abbreviation.
#include "world/jogo.hpp"

#include <QColor>
#include <QPixmap>
#include <QString>

namespace ui {

// The abbreviation a drawn badge carries: the first three letters of a
// one-word name ("BRA"), the initials of the words that count in a longer one
// ("Coreia do Sul" gives "CS"); capitals without accents.
QString Sigla(const QString& nome);

// A shield of `fundo` edged and lettered in `texto` (black or white where
// `texto` would not read on it), square and transparent around; drawn once
// per name and colours.
QPixmap EscudoDesenhado(const QString& nome, const QColor& fundo, const QColor& texto);

// The badge of club `time`: its picture; a national team without one gets
// the drawn shield of its country in its colours. Null for a club without a
// picture or an index out of range.
QPixmap EscudoDoTime(const world::Jogo& jogo, int time);
// The small badge of club `time` ("teams/minilogos/mini_<escudo>.bmp"), null
// when there is none. Both kinds are read once per process and shared.
QPixmap MiniEscudoDoTime(const world::Jogo& jogo, int time);

} // namespace ui
