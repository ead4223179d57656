#pragma once
// Totals of many played matches, read from the runner's archive.
#include "match/arquivojogos.hpp"
#include "sim/json.hpp"

#include <cstdint>
#include <map>
#include <string>

namespace sim {

struct Totais {
    std::int64_t jogos = 0;
    std::int64_t gols[2] = {}, finalizacoes[2] = {}, faltas[2] = {}, amarelos[2] = {},
                 vermelhos[2] = {}, contusoes[2] = {}, golscontra[2] = {}, golsfalta[2] = {},
                 posse[2] = {}, ataquesvencidos[2] = {};
    std::int64_t vitoriasmandante = 0, empates = 0, vitoriasvisitante = 0;
    std::map<std::string, std::int64_t> placares; // "h-a" → count

    // Adds every archived match (and its events) and empties the archive.
    void Somar(match::ArquivoJogos& arquivo, bool comPlacares);
    double Media(std::int64_t v) const { return jogos ? double(v) / double(jogos) : 0.0; }
    void Json(sim::Json& j, bool comPlacares) const;
    // Totals and means of each side, one figure a line, then the scores.
    void Imprimir(bool comPlacares) const;
};

} // namespace sim
