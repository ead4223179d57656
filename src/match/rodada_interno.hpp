#pragma once
// What the runner's files share.
#include "match/executor.hpp"

#include <span>

namespace match::interno {

void IndexarJogadores(const world::Jogo& jogo, ExecucaoRodada& ex);
inline std::span<const int> Elenco(const ExecucaoRodada& ex, int clube) {
    if (clube < 0 || clube + 1 >= static_cast<int>(ex.inicioelenco.size())) return {};
    return std::span<const int>(ex.elencos.data() + ex.inicioelenco[clube],
                                ex.inicioelenco[clube + 1] - ex.inicioelenco[clube]);
}

} // namespace match::interno
