#include "world/jogo.hpp"

#include <cstring>

namespace world {

Jogo::Jogo() {
    std::memset(&estado, 0, sizeof estado);
    estado.marcador = 2007;
    estado.timeatual = -1;
    for (auto& h : estado.humanos) h = -1;
    for (auto& h : estado.timeshumanos) h = -1;
    // Every competition counter starts on its first matchday and leg.
    TContadores& k = estado.contadores;
    k.rodadaliga = k.turnoliga = 1;
    k.fasecopa = k.turnocopa = 1;
    k.rodadaestadual = k.turnoestadual = 1;
    for (int s = 0; s < 2; ++s) k.fasecontinental[s] = k.turnocontinental[s] = 1;
    k.fasetorneio = 1;
    jogadores.push_back(NovoJogador());
    historicos.push_back(NovoHistorico());
    for (auto& e : estaduais) e = NovoEstadual();
    std::memset(grupostorneio.data(), 0, sizeof grupostorneio);
    std::memset(paresmundial.data(), 0, sizeof paresmundial);
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

TEstadual NovoEstadual() {
    TEstadual e;
    std::memset(&e, 0, sizeof e);
    for (auto& g : e.grupos)
        for (auto& c : g) c = -1;
    e.finalistas[0] = e.finalistas[1] = e.campeao = -1;
    return e;
}

THistoricoJogador NovoHistorico() {
    THistoricoJogador h;
    std::memset(&h, 0, sizeof h);
    for (auto& s : h.clubes)
        for (auto& c : s) c = -1;
    return h;
}

} // namespace world
