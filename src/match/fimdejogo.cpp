// The end of a match: the statistics shown afterwards and every player's
// rating.
#include "match/motor.hpp"
#include "match/motor_interno.hpp"
#include "plataforma/arredondar.hpp"
#include "world/posicoes.hpp"

#include <cmath>

namespace match {

using namespace world;
using namespace interno;

void EstatisticasFinais(Jogo& jogo, TJogoDaRodada& p) {
    for (int s = 0; s < 2; ++s)
        p.passeserrados[s] = plataforma::ArredDiv(8 * p.posse[s], 10) - p.finalizacoes[s];
    for (int s = 0; s < 2; ++s)
        if (p.finalizacoes[s] == 0) p.finalizacoes[s] = jogo.Aleatorio(2) + 1;
    for (int s = 0; s < 2; ++s)
        if (p.posse[s] < 15) {
            p.posse[1 - s] = 70 + jogo.Aleatorio(10);
            p.posse[s] = 100 - p.posse[1 - s];
        }
    for (int s = 0; s < 2; ++s)
        p.roubadas[s] = plataforma::ArredDiv(6 * p.roubadas[s], 10) + p.finalizacoes[s];
}

float NotaJogador(const Jogo& jogo, int jogador, const TJogoDaRodada& p, int lado) {
    const TJogador& j = jogo.jogadores[jogador];
    const int o = 1 - lado;
    const int s = j.posicaoatual == j.posicao
                      ? j.forca
                      : plataforma::ArredDiv(std::int64_t{FatorImprovisado(j)} * j.forca, 100);
    const double base = (s >= 1 && s <= 100) ? 0.5 * ((s + 4) / 5) : 0.0;

    double f = 5;
    if (p.gols[lado] > p.gols[o]) f += 1;
    if (p.gols[lado] < p.gols[o]) f -= 1;
    const int pa = j.posicaoatual;
    if (pa == kMeia) {
        const int sinal = p.posse[lado] > p.posse[o] ? 1 : p.posse[lado] < p.posse[o] ? -1 : 0;
        f += sinal;
        if (j.funcao == 0) f += 0.5 * sinal;
    }
    if (pa >= kGoleiro && pa <= kMeia) {
        const int sinal = p.roubadas[lado] > p.ataquesvencidos[o]   ? 1
                          : p.roubadas[lado] < p.ataquesvencidos[o] ? -1
                                                                    : 0;
        f += 0.5 * sinal;
        if (pa == kZagueiro) f += 0.5 * sinal;
    }
    if (pa == kGoleiro) {
        const int defendidos = p.finalizacoes[o] - p.gols[o];
        f += defendidos < plataforma::ArredDiv(8 * p.finalizacoes[o], 10) ? -1 : 1;
    }
    return static_cast<float>(f < 4 ? base - 0.5 : base);
}

void EncerrarPartida(Jogo& jogo, Rodada& rodada, int m) {
    TJogoDaRodada& p = rodada.jogos[m];
    if (p.mandante < 0 || p.visitante < 0) return;
    EstatisticasFinais(jogo, p);
    for (int lado = 0; lado < 2; ++lado) {
        const TEscalacao& e = EscalacaoDe(jogo, p, lado);
        for (int v = 0; v <= kVagaGoleiro; ++v)
            if (const int idx = Vaga(e, v); idx > 0)
                jogo.jogadores[idx].nota = NotaJogador(jogo, idx, p, lado);
        for (int k = 0; k < p.numsubs[lado]; ++k)
            if (const int idx = p.listasubs[lado][k].jogador; idx > 0)
                jogo.jogadores[idx].nota = NotaJogador(jogo, idx, p, lado);
    }
}

} // namespace match
