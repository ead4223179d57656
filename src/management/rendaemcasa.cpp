#include "management/rendaemcasa.hpp"

#include "world/competicoes.hpp"

#include <cstdint>

namespace management {

int RendaMediaEmCasa(const world::Jogo& jogo, int clube) {
    std::int64_t soma = 0;
    int jogos = 0;
    for (const world::TPartida& p : jogo.partidas) {
        if (!p.jogado || p.mandante != clube || p.competicao < world::kAmistoso ||
            p.competicao > world::kContinental2)
            continue;
        soma += p.competicao == world::kCopaNacional ? p.renda / 2 : p.renda;
        ++jogos;
    }
    return jogos > 0 ? static_cast<int>(soma / jogos) : 0;
}

} // namespace management
