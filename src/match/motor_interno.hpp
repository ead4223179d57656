#pragma once
// What the engine's files share and nobody else needs.
#include "match/motor.hpp"
#include "match/vagas.hpp"

namespace match::interno {

// One pass over a side's starting slots gives every figure the minute needs.
struct Resumo {
    int forca[5] = {};
    int mediaenergia = 0;
    int volantes = 0;  // playing midfielder, role "Volante"
    int recuados = 0;  // playing forward, role "Recuado"
    int ofensivos = 0; // playing midfielder, role "Ofensivo" or "Ala"
    bool central = false;
};

Resumo Resumir(const world::Jogo& jogo, const Rodada& rodada, const world::TEscalacao& e);

inline world::TEscalacao& EscalacaoDe(world::Jogo& jogo, const TJogoDaRodada& p, int lado) {
    return jogo.escalacoes[p.Escalacao(lado)];
}
inline world::TTime& TimeDe(world::Jogo& jogo, const TJogoDaRodada& p, int lado) {
    return jogo.times[p.Clube(lado)];
}
inline bool EmCampo(const world::Jogo& jogo, int jogador) {
    return jogador > 0 && jogo.jogadores[jogador].jogou;
}

void Entrar(world::Jogo& jogo, Rodada& rodada, int m, int lado, int vaga, int jogador);
// Leaves the counts once: the slot forgets what its player added.
void SairDasContagens(world::Jogo& jogo, Rodada& rodada, int m, int lado, int vaga);

void TocarGol(const world::Jogo& jogo, Rodada& rodada, const TJogoDaRodada& p, int lado);

} // namespace match::interno
