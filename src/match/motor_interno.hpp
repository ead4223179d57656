#pragma once
// What the engine's files share and nobody else needs.
#include "match/motor.hpp"
#include "match/vagas.hpp"

#include <cstdint>

namespace match::interno {

// One pass over a side's starting slots gives every figure the minute needs.
using Resumo = ResumoLado;

Resumo Resumir(const world::Jogo& jogo, const Rodada& rodada, const world::TEscalacao& e);
void Resumir(const world::Jogo& jogo, const Rodada& rodada, const world::TEscalacao& e, Resumo& r);
// Adds the line strengths and the average energy up again from the starters
// the summary keeps.
void SomarForcas(Resumo& r);
// Counts the roles and adds the strengths up again from the starters kept.
void Contar(Resumo& r);
// ArredDiv by a constant: the same result, in unsigned arithmetic where the
// figure is not negative and fits 32 bits, as the match's figures always do.
template <std::uint32_t B> inline std::int32_t ArredDivPor(std::int64_t a) {
    if (a < 0 || a > INT32_MAX) return plataforma::ArredDiv(a, B);
    const auto u = static_cast<std::uint32_t>(a);
    const std::uint32_t q = u / B, r = u - q * B;
    return static_cast<std::int32_t>(q + ((2 * r > B) | ((2 * r == B) & q)));
}
// x -= p% and x += p%, as plataforma::Tirar and Somar.
inline void Tirar(std::int32_t& x, int p) {
    x -= ArredDivPor<100>(std::int64_t{x} * p);
}
inline void Somar(std::int32_t& x, int p) {
    x += ArredDivPor<100>(std::int64_t{x} * p);
}

// ForcaEfetiva with the factor already looked up (100 in his natural position).
inline int ForcaComFator(int energia, int forca, int fator) {
    return fator == 100 ? ArredDivPor<100>(std::int64_t{energia} * forca)
                        : ArredDivPor<10000>(std::int64_t{fator} * forca * energia);
}
inline int ForcaComFator(const world::TJogador& j, int fator) {
    return ForcaComFator(j.energia, j.forca, fator);
}
// What the summary keeps of a starter who counts.
TitularQueConta TitularDe(const world::TJogador& j, int jogador);

// Something the side's summary is worked from changed (a starter's strength,
// fitness, position or role, a slot, a count; the energy minutes mend the
// sums themselves): the match works it out again, with the minute's
// thresholds, at the start of its next minute.
inline void EsquecerResumo(TJogoDaRodada& p, int lado) {
    p.resumovalido[lado] = false;
    p.limitesvalidos = false;
    p.receitasvalidas = false;
}

// A kept summary mended where one thing changed, rather than forgotten: the
// player of slot `vaga` came on or left; `jogador` was sent off or injured.
// The thresholds are worked out again at the next minute.
void AtualizarVaga(const world::Jogo& jogo, const Rodada& rodada, TJogoDaRodada& p, int lado,
                   int vaga);
void TirarDoResumo(TJogoDaRodada& p, int lado, int jogador);

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
// The minute's fouls and injuries of one side, as the minute plays them with
// the thresholds of its LimitesMinuto: the draws every minute makes are here,
// what follows a foul, a card or an injury out of line.
bool Falta(world::Jogo& jogo, Rodada& rodada, int m, int lado);  // true: a card for certain
bool Cartao(world::Jogo& jogo, Rodada& rodada, int m, int lado); // false: the call ends
void VermelhoDireto(world::Jogo& jogo, Rodada& rodada, int m, int lado);
void Contundir(world::Jogo& jogo, Rodada& rodada, int m, int lado);

// The straight red's chance this minute, 1 in n (0: none in the first quarter hour).
inline int ChanceDeVermelho(const Rodada& rodada) {
    return rodada.tempo == 1 ? (rodada.minuto > 15 ? 700 : 0) : 550;
}
inline int LimiteDeFalta(const world::TTime& X) {
    return X.marcacao == 1 ? 33 : X.marcacao == 2 ? 43 : 23;
}

inline void FaltasECartoesCom(world::Jogo& jogo, Rodada& rodada, int m, int lado, int limite,
                              int vermelho) {
    bool certo = false;
    if (jogo.Aleatorio(100) + 1 <= limite) certo = Falta(jogo, rodada, m, lado);
    if ((certo || jogo.Aleatorio(280) == 0) && !Cartao(jogo, rodada, m, lado)) return;
    if (vermelho != 0 && jogo.Aleatorio(vermelho) == 1) VermelhoDireto(jogo, rodada, m, lado);
}

// Contusao with the chance already worked out from the side's average energy.
inline void ContusaoComChance(world::Jogo& jogo, Rodada& rodada, int m, int lado, int chance) {
    if (jogo.Aleatorio(chance) == 1) Contundir(jogo, rodada, m, lado);
}

void Entrar(world::Jogo& jogo, Rodada& rodada, int m, int lado, int vaga, int jogador);
// Leaves the counts once: the slot forgets what its player added.
void SairDasContagens(world::Jogo& jogo, Rodada& rodada, int m, int lado, int vaga);

void TocarGol(const world::Jogo& jogo, Rodada& rodada, const TJogoDaRodada& p, int lado);

} // namespace match::interno
