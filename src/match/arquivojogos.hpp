#pragma once
// The match archive lives with the game (it is saved); the match side uses
// its records under its own namespace.
#include "world/arquivojogos.hpp"

namespace match {
using world::ArquivoJogos;
using world::TJogoArquivado;
using world::TLadoArquivado;
using world::TResultado;
} // namespace match
