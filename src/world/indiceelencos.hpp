#pragma once
// The players of every club, kept beside the player records: built from the
// records when first asked for and kept true as players move, so the passes
// that run on every date find a squad without reading every player record.
#include <cstddef>
#include <vector>

namespace world {

struct Jogo;

class IndiceElencos {
public:
    // The players of every club (by club index, in player-index order).
    const std::vector<std::vector<int>>& Todos(const Jogo& jogo);
    // Player `jogador` left club `de` for club `para` (-1: none).
    void Mover(const Jogo& jogo, int jogador, int de, int para);
    // Clubs changed in ways not told one by one: built again when next asked.
    void Invalidar() { valido_ = false; }
    // Whether what it keeps (if anything) matches the player records.
    bool Coerente(const Jogo& jogo) const;

private:
    bool Atual(const Jogo& jogo) const;
    void Montar(const Jogo& jogo);

    bool valido_ = false;
    std::size_t jogadores_ = 0; // the tables' sizes it was built for
    std::vector<std::vector<int>> porclube_;
};

} // namespace world
