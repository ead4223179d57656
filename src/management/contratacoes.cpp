#include "management/contratacoes.hpp"

namespace management {

using namespace world;

std::vector<LinhaContratacao> UltimasContratacoes(const Jogo& jogo) {
    std::vector<LinhaContratacao> v;
    v.reserve(jogo.trocastecnicos.size());
    const int clubes = static_cast<int>(jogo.times.size());
    const int tecnicos = static_cast<int>(jogo.tecnicos.size());
    for (auto it = jogo.trocastecnicos.rbegin(); it != jogo.trocastecnicos.rend(); ++it) {
        LinhaContratacao l;
        l.ano = 2006 + it->temporada;
        if (it->tecnico >= 0 && it->tecnico < tecnicos)
            l.tecnico = std::string(jogo.tecnicos[it->tecnico].nome.view());
        if (it->clube >= 0 && it->clube < clubes) {
            l.clube = std::string(jogo.times[it->clube].nome.view());
            l.indiceclube = it->clube;
        }
        v.push_back(std::move(l));
    }
    return v;
}

} // namespace management
