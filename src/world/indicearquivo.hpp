#pragma once
// Where the matches of a day and the events of a match lie in the match
// archive, so that a report or a day's results do not read the whole archive
// (over a million records after ten seasons). The archive is kept in the
// order it was played: matches by day, each match's events after it, so a
// binary search finds them; only an archive out of that order (a hostile
// file) gets tables of its own. The archive only grows: the index follows it
// on the next question, reading only what was added; an archive replaced or
// cut (a load, a test clearing it) is indexed anew.
#include "world/blocos.hpp"
#include "world/registros.hpp"

#include <map>
#include <vector>

namespace world {

struct TJogoArquivado;
struct TEvento;

class IndiceArquivo {
public:
    // Brings the index up to the archive as it is now.
    void Acompanhar(const Blocos<TJogoArquivado>& jogos, const Blocos<TEvento>& eventos);

    // Archive entries played on day `data`, in archive order.
    std::vector<int> DaData(const Blocos<TJogoArquivado>& jogos, double data) const;
    // Positions in the event list of the events of entry `entrada`, in list
    // order.
    std::vector<int> EventosDe(const Blocos<TEvento>& eventos, int entrada) const;

private:
    void Reconstruir(const Blocos<TJogoArquivado>& jogos, const Blocos<TEvento>& eventos);
    bool Valido(const Blocos<TJogoArquivado>& jogos, const Blocos<TEvento>& eventos) const;
    void IndexarJogos(const Blocos<TJogoArquivado>& jogos, std::size_t de);
    void IndexarEventos(const Blocos<TEvento>& eventos, std::size_t de);

    // In played order (the rule), or the tables of an archive out of order.
    bool jogosemordem_ = true, eventosemordem_ = true;
    std::map<double, std::vector<int>> pordata_;
    std::map<i32, std::vector<int>> porjogo_;
    // What was indexed: how many records, where the first ones live and
    // the last one indexed, to tell growth from a replaced archive.
    std::size_t jogos_ = 0, eventos_ = 0;
    const void* primeirojogo_ = nullptr;
    const void* primeiroevento_ = nullptr;
    std::vector<unsigned char> ultimojogo_, ultimoevento_;
};

} // namespace world
