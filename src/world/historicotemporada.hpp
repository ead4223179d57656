#pragma once
// The current season's match counts of the players' history records, kept in
// a compact table beside the records: a match then touches ten bytes per
// player instead of a 340-byte record spread over cache lines. The counts are
// folded into the records at the season end and whenever the records are
// read or saved, so what anyone sees is the same as counting in place.
#include "world/registros.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace world {

struct Jogo;

constexpr int kLinhasHistorico = 5;

struct HistoricoDaTemporada {
    int temporada = 0; // the season the counts belong to (estado.temporada)
    // By history record index; shorter than the records when the last ones
    // have counted nothing yet.
    std::vector<std::array<std::uint16_t, kLinhasHistorico>> contagens;
};

// One more of `linha` for history record `historico` in the current season.
void ContarNoHistorico(Jogo& jogo, int historico, int linha);
// Folds every pending count into the history records and empties the table.
void ConsolidarHistoricos(Jogo& jogo);
// Entry `entrada` (0 the career, 1..10 the seasons) of line `linha` of a
// record, pending counts included.
i32 ValorDoHistorico(const Jogo& jogo, int historico, int linha, int entrada);
// A copy of a record with its pending counts folded in.
THistoricoJogador HistoricoConsolidado(const Jogo& jogo, int historico);
// Drops a record's pending counts (the record is being started afresh).
void DescartarPendentes(Jogo& jogo, int historico);

} // namespace world
