#pragma once
// What the engine's files share and nobody else needs.
#include "match/motor.hpp"
#include "match/vagas.hpp"

namespace match::interno {

// One pass over a side's starting slots gives every figure the minute needs.
using Resumo = ResumoLado;

Resumo Resumir(const world::Jogo& jogo, const Rodada& rodada, const world::TEscalacao& e);
// Works the line strengths and the average energy out again from the players
// the summary counted: all that changes when only energy moved.
void SomarForcas(const world::Jogo& jogo, Resumo& r);
// ForcaEfetiva with the factor already looked up (100 in his natural position).
inline int ForcaComFator(const world::TJogador& j, int fator) {
    return fator == 100 ? plataforma::ArredDiv(std::int64_t{j.energia} * j.forca, 100)
                        : plataforma::ArredDiv(std::int64_t{fator} * j.forca * j.energia, 10000);
}

// Something the side's summary is worked from changed (a starter's strength,
// fitness, position or role, a slot, a count; the energy minutes mend the
// sums themselves): the match works it out again, with the minute's
// thresholds, at the start of its next minute.
inline void EsquecerResumo(TJogoDaRodada& p, int lado) {
    p.resumovalido[lado] = false;
    p.limitesvalidos = false;
}

inline world::TEscalacao& EscalacaoDe(world::Jogo& jogo, const TJogoDaRodada& p, int lado) {
    return jogo.escalacoes[p.Escalacao(lado)];
}
inline world::TTime& TimeDe(world::Jogo& jogo, const TJogoDaRodada& p, int lado) {
    return jogo.times[p.Clube(lado)];
}
inline const world::TEscalacao& EscalacaoDe(const world::Jogo& jogo, const TJogoDaRodada& p,
                                            int lado) {
    return jogo.escalacoes[p.Escalacao(lado)];
}
inline const world::TTime& TimeDe(const world::Jogo& jogo, const TJogoDaRodada& p, int lado) {
    return jogo.times[p.Clube(lado)];
}
inline bool EmCampo(const world::Jogo& jogo, int jogador) {
    return jogador > 0 && jogo.jogadores[jogador].jogou;
}

// The injury chance of a side, 1 in k, by its average energy.
inline int ChanceDeContusao(int e) {
    if (e < 0 || e > 100) return 400;
    static constexpr int kAte[] = {10, 20, 30, 40, 50, 60, 80, 100};
    static constexpr int kChance[] = {240, 280, 300, 360, 450, 480, 500, 550};
    int i = 0;
    while (e > kAte[i]) ++i;
    return kChance[i];
}
// Contusao with the chance already worked out from the side's average energy.
void ContusaoComChance(world::Jogo& jogo, Rodada& rodada, int m, int lado, int chance);

void Entrar(world::Jogo& jogo, Rodada& rodada, int m, int lado, int vaga, int jogador);
// Leaves the counts once: the slot forgets what its player added.
void SairDasContagens(world::Jogo& jogo, Rodada& rodada, int m, int lado, int vaga);

void TocarGol(const world::Jogo& jogo, Rodada& rodada, const TJogoDaRodada& p, int lado);

} // namespace match::interno
