#include "match/vagas.hpp"

#include "match/estatisticas.hpp"
#include "plataforma/arredondar.hpp"
#include "world/clubes.hpp"
#include "world/posicoes.hpp"

namespace match {

using namespace world;

Contagem ContagemDe(const TJogador& j) {
    Contagem c;
    const int p = j.posicaoatual;
    if (p < kLateral || p > kAtacante) return c;
    c.posicao = static_cast<std::int8_t>(p);
    if (p == kLateral && j.funcao == 2)
        c.linha = 3;
    else if (p == kLateral || p == kZagueiro)
        c.linha = 1;
    else
        c.linha = static_cast<std::int8_t>(p);
    return c;
}

void AplicarContagem(TEscalacao& e, Contagem c, int sinal) {
    if (c.posicao >= 1 && c.posicao <= 4) e.titularesporposicao[c.posicao - 1] += sinal;
    if (c.linha == 1)
        e.defensores += sinal;
    else if (c.linha == 3)
        e.meias += sinal;
    else if (c.linha == 4)
        e.atacantes += sinal;
}

Contagem ColocarNaVaga(Jogo& jogo, TEscalacao& e, int vaga, int jogador, int tipo, double hoje) {
    if (vaga < 0 || vaga > kVagaGoleiro || jogador <= 0) return {};
    TJogador& j = jogo.jogadores[jogador];
    Vaga(e, vaga) = jogador;
    j.jogou = 1;
    const Contagem c = ContagemDe(j);
    AplicarContagem(e, c, +1);
    RegistrarEstatistica(jogo, jogador, Estatistica::Jogo, tipo, hoje);
    for (i32& r : e.reservas)
        if (r == jogador) r = 0;
    return c;
}

int RecontarDisponiveis(const Jogo& jogo, int clube, int tipo, double hoje) {
    int n = 0;
    for (const int i : JogadoresDoTime(jogo, clube)) {
        const TJogador& j = jogo.jogadores[i];
        if (j.posicaoatual != kGoleiro && Disponivel(j, tipo, hoje)) ++n;
    }
    return n;
}

} // namespace match
