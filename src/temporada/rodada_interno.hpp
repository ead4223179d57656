#pragma once
// What the runner's files share.
#include "temporada/executor.hpp"

#include <span>

namespace temporada::interno {

void IndexarJogadores(const world::Jogo& jogo, ExecucaoRodada& ex);
inline std::span<const int> Elenco(const ExecucaoRodada& ex, int clube) {
    return ex.elencos.De(clube);
}

} // namespace temporada::interno
