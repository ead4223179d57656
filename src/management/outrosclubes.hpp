#pragma once
// What the buying screens list: the clubs of the market by country and
// division, and the transfer history newest first. Texts are Windows-1252.
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace management {

// Countries that have clubs on the market (the chosen leagues and the extra
// clubs; the national teams of a tournament are no clubs to buy from), by
// name in alphabetical order.
std::vector<int> PaisesDoMercado(const world::Jogo& jogo);
// The extra clubs of a country whose league is not played: their `divisao`
// only ranks their level, so they are listed together.
constexpr int kClubesExtras = -1;
// The divisions the country's league clubs are in, the top one first; 0
// (clubs in no division) after them; kClubesExtras for its extra clubs.
std::vector<int> DivisoesDoPais(const world::Jogo& jogo, int pais);
// The country's clubs of that division (or its extra clubs), by name.
std::vector<int> ClubesDoPais(const world::Jogo& jogo, int pais, int divisao);

// One line of "Últimas transferências". A name is empty where the saved
// index points nowhere.
struct LinhaTransferencia {
    int ano = 0;
    std::string jogador, origem, destino;
    int vendedor = -1, comprador = -1; // -1 where out of range
    world::i32 preco = 0;
};
std::vector<LinhaTransferencia> UltimasTransferencias(const world::Jogo& jogo);

} // namespace management
