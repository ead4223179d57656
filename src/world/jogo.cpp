#include "world/jogo.hpp"

#include <cstring>

namespace world {

Jogo::Jogo() {
    std::memset(&estado, 0, sizeof estado);
    estado.marcador = 2007;
    estado.timeatual = -1;
    for (auto& h : estado.humanos) h = -1;
    for (auto& h : estado.timeshumanos) h = -1;
    jogadores.push_back(NovoJogador());
    historicos.push_back(NovoHistorico());
}

int Jogo::LigaDoPais(int pais) const {
    for (std::size_t i = 0; i < ligas.size(); ++i)
        if (ligas[i].pais == pais) return static_cast<int>(i);
    return -1;
}

int Jogo::TimesDoPais(int pais) const {
    int n = 0;
    for (const TTime& t : times) n += t.pais == pais;
    return n;
}

TJogador NovoJogador() {
    TJogador j;
    std::memset(&j, 0, sizeof j);
    j.time = -1;
    return j;
}

TTime NovoTime() {
    TTime t;
    std::memset(&t, 0, sizeof t);
    t.tecnico = -1;
    t.escalacao = -1;
    t.capitao = -1;
    t.cobrador = -1;
    return t;
}

TTecnico NovoTecnico() {
    TTecnico t;
    std::memset(&t, 0, sizeof t);
    t.time = -1;
    t.timeanterior = -1;
    for (auto& s : t.clubes)
        for (auto& c : s) c = -1;
    return t;
}

TLiga NovaLiga(int pais) {
    TLiga l;
    std::memset(&l, 0, sizeof l);
    for (int d = 0; d < 4; ++d)
        for (int s = 0; s < 20; ++s) l.divisoes[d][s] = l.ordem[d][s] = -1;
    l.pais = pais;
    return l;
}

THistoricoJogador NovoHistorico() {
    THistoricoJogador h;
    std::memset(&h, 0, sizeof h);
    for (auto& s : h.clubes)
        for (auto& c : s) c = -1;
    return h;
}

} // namespace world
