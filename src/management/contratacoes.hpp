#pragma once
// "Últimas contratações de técnicos": the coach-change log as its screen reads it.
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace management {

struct LinhaContratacao {
    std::string tecnico, clube; // Windows-1252; empty where the log points nowhere
    int ano = 0;                // 2006 + the season counter
    int indiceclube = -1;       // -1 where out of range
};
// Every hiring, the newest first.
std::vector<LinhaContratacao> UltimasContratacoes(const world::Jogo& jogo);

} // namespace management
