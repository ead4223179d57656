#pragma once
// Tileable background pictures and the default badge.
#include "figuras.hpp"

namespace dados {

Tela FundoGramado(); // img/f01.bmp: mown grass stripes
Tela FundoTorcida(); // img/f02.bmp: a dotted stand
Tela EscudoNulo();   // teams/logos/nullescudo.gif
// A club badge from its colours and initials; `estilo` picks the pattern.
Tela EscudoDoTime(Cor fundo, Cor texto, const std::string& iniciais, int estilo);

} // namespace dados
