#pragma once
// The fixture record lives with the world's tables; the runner uses it as its own.
#include "world/tpartida.hpp"

namespace match {
using world::TPartida;
} // namespace match
