#include "management/outrosclubes.hpp"

#include "plataforma/ordemalfabetica.hpp"
#include "world/paises.hpp"

#include <algorithm>
#include <set>

namespace management {

using namespace world;

namespace {

int ClubesDoMercado(const Jogo& jogo) {
    return std::clamp<int>(jogo.PrimeiraSelecao(), 0, static_cast<int>(jogo.times.size()));
}

std::string NomeDoClube(const Jogo& jogo, int c) {
    return c >= 0 && c < static_cast<int>(jogo.times.size())
               ? std::string(jogo.times[c].nome.view())
               : std::string();
}

} // namespace

std::vector<int> PaisesDoMercado(const Jogo& jogo) {
    std::set<int> presentes;
    for (int c = 0; c < ClubesDoMercado(jogo); ++c) presentes.insert(jogo.times[c].pais);
    std::vector<int> v;
    for (int p : PaisesEmOrdemAlfabetica())
        if (presentes.erase(p)) v.push_back(p);
    // Codes outside the named countries (the custom championship's) follow.
    v.insert(v.end(), presentes.begin(), presentes.end());
    return v;
}

namespace {

// The division a club is listed under.
int Grupo(const Jogo& jogo, int c) {
    return c < jogo.estado.numtimesligas ? jogo.times[c].divisao : kClubesExtras;
}

} // namespace

std::vector<int> DivisoesDoPais(const Jogo& jogo, int pais) {
    std::set<int> grupos;
    for (int c = 0; c < ClubesDoMercado(jogo); ++c)
        if (jogo.times[c].pais == pais) grupos.insert(Grupo(jogo, c));
    std::vector<int> v;
    for (int d : grupos)
        if (d > 0) v.push_back(d);
    // Odd values of a damaged save still get their list, after the others.
    for (int d : grupos)
        if (d <= 0) v.push_back(d);
    std::stable_partition(v.begin(), v.end(), [](int d) { return d >= 0; });
    return v;
}

std::vector<int> ClubesDoPais(const Jogo& jogo, int pais, int divisao) {
    std::vector<int> v;
    for (int c = 0; c < ClubesDoMercado(jogo); ++c)
        if (jogo.times[c].pais == pais && Grupo(jogo, c) == divisao) v.push_back(c);
    std::stable_sort(v.begin(), v.end(), [&](int a, int b) {
        return plataforma::MenorAlfabetico(jogo.times[a].nome.view(), jogo.times[b].nome.view());
    });
    return v;
}

std::vector<LinhaTransferencia> UltimasTransferencias(const Jogo& jogo) {
    std::vector<LinhaTransferencia> v;
    v.reserve(jogo.transferencias.size());
    const int clubes = static_cast<int>(jogo.times.size());
    for (auto it = jogo.transferencias.rbegin(); it != jogo.transferencias.rend(); ++it) {
        LinhaTransferencia l;
        l.ano = 2006 + it->temporada;
        // Slot 0 of the player table is no one.
        if (it->jogador > 0 && it->jogador < static_cast<int>(jogo.jogadores.size()))
            l.jogador = jogo.jogadores[it->jogador].nome.view();
        l.vendedor = it->vendedor >= 0 && it->vendedor < clubes ? it->vendedor : -1;
        l.comprador = it->comprador >= 0 && it->comprador < clubes ? it->comprador : -1;
        l.origem = NomeDoClube(jogo, l.vendedor);
        l.destino = NomeDoClube(jogo, l.comprador);
        l.preco = it->preco;
        v.push_back(std::move(l));
    }
    return v;
}

} // namespace management
