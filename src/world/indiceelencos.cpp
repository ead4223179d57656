#include "world/indiceelencos.hpp"

#include "world/jogo.hpp"

#include <algorithm>

namespace world {

bool IndiceElencos::Atual(const Jogo& jogo) const {
    // Players or clubs appended or cut (a new game, a tournament's national
    // teams) make it stale without anyone telling.
    return valido_ && jogadores_ == jogo.jogadores.size() && porclube_.size() == jogo.times.size();
}

void IndiceElencos::Montar(const Jogo& jogo) {
    porclube_.resize(jogo.times.size());
    for (auto& v : porclube_) v.clear();
    const int n = static_cast<int>(porclube_.size());
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const int t = jogo.jogadores[i].time;
        if (t >= 0 && t < n) porclube_[t].push_back(static_cast<int>(i));
    }
    jogadores_ = jogo.jogadores.size();
    valido_ = true;
}

const std::vector<std::vector<int>>& IndiceElencos::Todos(const Jogo& jogo) {
    if (!Atual(jogo)) Montar(jogo);
    return porclube_;
}

bool IndiceElencos::Coerente(const Jogo& jogo) const {
    if (!Atual(jogo)) return true; // nothing kept: built afresh when asked
    IndiceElencos novo;
    novo.Montar(jogo);
    return novo.porclube_ == porclube_;
}

void IndiceElencos::Mover(const Jogo& jogo, int jogador, int de, int para) {
    if (!Atual(jogo)) return; // built afresh when next asked
    const int n = static_cast<int>(porclube_.size());
    if (de >= 0 && de < n) {
        auto& v = porclube_[de];
        const auto it = std::lower_bound(v.begin(), v.end(), jogador);
        if (it != v.end() && *it == jogador) v.erase(it);
    }
    if (para >= 0 && para < n) {
        auto& v = porclube_[para];
        const auto it = std::lower_bound(v.begin(), v.end(), jogador);
        if (it == v.end() || *it != jogador) v.insert(it, jogador);
    }
}

} // namespace world
