#pragma once
// The lineup record's slots and counts, shared by the commit of a lineup, the
// automatic lineups and the substitutions of the match.
#include "match/partida.hpp"
#include "plataforma/arredondar.hpp"
#include "world/jogo.hpp"
#include "world/posicoes.hpp"

namespace match {

constexpr int kVagaGoleiro = 10; // slots 0..9 are the ten outfield places

// Player in slot 0..10 (10 = goleiro); 0 when empty.
inline i32& Vaga(world::TEscalacao& e, int vaga) {
    return vaga == kVagaGoleiro ? e.goleiro : e.jogadoreslinha[vaga];
}
inline i32 Vaga(const world::TEscalacao& e, int vaga) {
    return vaga == kVagaGoleiro ? e.goleiro : e.jogadoreslinha[vaga];
}

// The line a player counts in: full-backs playing "Ala" count in midfield.
Contagem ContagemDe(const world::TJogador& j);
void AplicarContagem(world::TEscalacao& e, Contagem c, int sinal);

// Puts a player into a slot: jogou, counts + 1, a game played, off the bench.
// Returns what he added to the counts.
Contagem ColocarNaVaga(world::Jogo& jogo, world::TEscalacao& e, int vaga, int jogador, int tipo,
                       double hoje);

// Outfield players of a club available for competition `tipo`: not injured,
// not suspended, under three cards, not playing in goal. Scans the whole
// player table, so it is kept out of the minute's usual path.
int RecontarDisponiveis(const world::Jogo& jogo, int clube, int tipo, double hoje);
inline bool Disponivel(const world::TJogador& j, int tipo, double hoje) {
    return !(j.retorno > hoje) && j.suspensao[tipo] == 0 && j.cartoes[tipo] < 3;
}

// Strength factor of a player out of his natural position, in hundredths.
inline int FatorImprovisado(const world::TJogador& j) {
    using namespace world;
    const bool goleiroNato = j.posicao == kGoleiro;
    switch (j.posicaoatual) {
    case kGoleiro:
        return 30;
    case kLateral:
        if (goleiroNato) return 50;
        return (j.caract1 == 5 || j.caract2 == 5) ? 70 : 80;
    case kZagueiro:
        if (goleiroNato) return 50;
        return (j.caract1 == 4 || j.caract1 == 6 || j.caract1 == 8) ? 60 : 70;
    case kMeia:
        if (goleiroNato) return 50;
        return j.caract1 == 6 ? 60 : 70;
    case kAtacante:
        return goleiroNato ? 50 : 70;
    default:
        return 1;
    }
}
// round(factor × forca × energia / 100), or round(energia / 100 × forca) in
// his natural position. Inline: the engine adds it up for every starter.
inline int ForcaEfetiva(const world::TJogador& j) {
    if (j.posicaoatual == j.posicao)
        return plataforma::ArredDiv(std::int64_t{j.energia} * j.forca, 100);
    return plataforma::ArredDiv(std::int64_t{FatorImprovisado(j)} * j.forca * j.energia, 10000);
}

// On the pitch and counting for strength and energy: not injured, not
// suspended. A player sent off also no longer counts even where the card
// brought no suspension (a friendly's straight red), since he has left.
inline bool Elegivel(const world::TJogador& j, int tipo, double hoje) {
    return j.jogou && !(j.retorno > hoje) && j.suspensao[tipo] == 0;
}

} // namespace match
