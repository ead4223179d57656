#include "competitions/resumos.hpp"

#include "competitions/continentais.hpp"
#include "world/competicoes.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"
#include "world/paises.hpp"

#include <algorithm>
#include <tuple>

namespace competitions {

using namespace world;

std::vector<int> PartidasDoClube(const Jogo& jogo, int time) {
    std::vector<int> r;
    if (time < 0) return r;
    for (int i = 0; i < static_cast<int>(jogo.partidas.size()); ++i)
        if (jogo.partidas[i].mandante == time || jogo.partidas[i].visitante == time) r.push_back(i);
    std::stable_sort(r.begin(), r.end(),
                     [&](int a, int b) { return jogo.partidas[a].data < jogo.partidas[b].data; });
    return r;
}

std::vector<TTituloHistorico> CampeoesDaTemporada(const Jogo& jogo, int temporada) {
    std::vector<TTituloHistorico> r;
    for (const TTituloHistorico& t : jogo.historicotitulos)
        if (t.temporada == temporada && (t.lugar == 1 || t.lugar == 2)) r.push_back(t);
    std::stable_sort(r.begin(), r.end(), [](const TTituloHistorico& a, const TTituloHistorico& b) {
        return std::tie(a.competicao, a.chave, a.divisao, a.lugar) <
               std::tie(b.competicao, b.chave, b.divisao, b.lugar);
    });
    return r;
}

std::vector<TArtilheiroHistorico> ArtilheirosDaTemporada(const Jogo& jogo, int temporada) {
    std::vector<TArtilheiroHistorico> r;
    for (const TArtilheiroHistorico& a : jogo.artilheiros)
        if (a.temporada == temporada) r.push_back(a);
    return r;
}

std::string NomeDaCompeticaoEm(const Jogo& jogo, int codigo, int pais, int regiao) {
    const bool sulamericano = regiao == 1;
    switch (codigo) {
    case kAmistoso:
        return texto(2012);
    case kLiga:
        return NomeDaLiga(jogo, pais);
    case kCopaNacional:
        return NomeDaCopa(jogo, pais);
    case kEstadual:
        // The states have no names of their own in this world.
        return "Estadual";
    case kContinental1:
        return texto(sulamericano ? 329 : 328);
    case kMundialDeClubes:
        return texto(332);
    case kContinental2:
        return texto(sulamericano ? 331 : 330);
    case kCopaDoMundo:
        return texto(358);
    case kCopaAmerica:
        return texto(342);
    case kEurocopa:
        return texto(341);
    default:
        return {};
    }
}

std::string NomeDaCompeticao(const Jogo& jogo, int codigo, int time) {
    const int pais = time >= 0 && time < static_cast<int>(jogo.times.size())
                         ? jogo.times[time].pais
                         : jogo.estado.paisprincipal;
    return NomeDaCompeticaoEm(jogo, codigo, pais, RegiaoDoPais(pais));
}

std::string NomeDoTitulo(const Jogo& jogo, int competicao, int chave, int divisao) {
    switch (competicao) {
    case kLiga:
        return NomeDaLiga(jogo, chave) + " - " + nomedivisao(divisao);
    case kCopaNacional:
        return NomeDaCopa(jogo, chave);
    case kEstadual:
        return "Estadual " + std::to_string(chave + 1);
    case kContinental1:
        return texto(chave == 1 ? 329 : 328);
    case kContinental2:
        return texto(chave == 1 ? 331 : 330);
    default: {
        int time = -1;
        for (int h : jogo.estado.timeshumanos)
            if (h >= 0) {
                time = h;
                break;
            }
        return NomeDaCompeticao(jogo, competicao, time);
    }
    }
}

} // namespace competitions
