#pragma once
// Where the match needs a person, or tells the screens something: the penalty
// taker of a human club, the replacement of his injured player, the sounds.
// The engine never opens a window; the desktop answers with its dialogs, the
// autopilot and the tests with InteracaoPadrao or a script.
#include <array>
#include <span>

namespace world {
struct Jogo;
}

namespace match {

struct Rodada;

enum class Som { Gol, Penalti, Contusao, FimJogo };

class Interacao {
public:
    virtual ~Interacao() = default;

    // The taker of a penalty awarded to a human club, one of `emcampo` (its
    // players on the pitch, never empty). Anything else falls back to the rule
    // a computer-run club uses.
    virtual int EscolherBatedor(const world::Jogo& jogo, const Rodada& rodada, int m, int lado,
                                std::span<const int> emcampo) = 0;
    // The bench player (one of `banco`, never empty) who replaces the injured
    // player of a human club; 0 leaves the side one short.
    virtual int SubstituirContusao(const world::Jogo& jogo, const Rodada& rodada, int m, int lado,
                                   int contundido, std::span<const int> banco) = 0;

    // Notices for the screens; the match goes on whatever they do.
    virtual void TocarSom(Som) {}
    // A penalty kick of a shown match: the commentary text is s1/`texto`.
    virtual void Penalti(int /*m*/, int /*lado*/, int /*batedor*/, bool /*gol*/, int /*texto*/) {}

    // The matchday runner's notices: a minute of every match was played, the
    // half-time screens of the human clubs' matches (`jogoshumanos`), the
    // second half starts, the group's matches are over.
    virtual void MinutoJogado(const Rodada&) {}
    virtual void Intervalo(world::Jogo&, Rodada&, std::span<const int> /*jogoshumanos*/) {}
    virtual void SegundoTempo(const Rodada&) {}
    virtual void GrupoEncerrado(const Rodada&) {}

    // The shoot-out order of a human club: `ordem` gets every player of
    // `emcampo`, each once. Returning false (or an order that leaves someone
    // out) gives the computer's order.
    virtual bool OrdenarBatedores(const world::Jogo&, int /*clube*/,
                                  std::span<const int> /*emcampo*/,
                                  std::array<int, 11>& /*ordem*/) {
        return false;
    }
    // A single-match knockout (club world cup, a tournament's knockout round)
    // of a shown group ended level and goes to penalties: the match screen
    // says so before the shoot-out is taken or drawn.
    virtual void DecisaoNosPenaltis(int /*m*/) {}
    // A shoot-out shown kick by kick: each kick (side 1 or 2), then the winner.
    virtual void ChuteDisputa(int /*lado*/, int /*batedor*/, bool /*gol*/) {}
    virtual void FimDisputa(int /*vencedor*/, int /*gols1*/, int /*gols2*/) {}
};

// The policy of the autopilot: the computer's penalty taker, and the first
// bench player who plays the injured player's position (else the first one).
class InteracaoPadrao : public Interacao {
public:
    int EscolherBatedor(const world::Jogo&, const Rodada&, int, int,
                        std::span<const int> emcampo) override;
    int SubstituirContusao(const world::Jogo& jogo, const Rodada&, int, int, int contundido,
                           std::span<const int> banco) override;
};

} // namespace match
