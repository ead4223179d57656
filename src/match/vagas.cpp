#include "match/vagas.hpp"

#include "match/arredondar.hpp"
#include "match/estatisticas.hpp"
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
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const TJogador& j = jogo.jogadores[i];
        if (j.time == clube && j.posicaoatual != kGoleiro && Disponivel(j, tipo, hoje)) ++n;
    }
    return n;
}

int FatorImprovisado(const TJogador& j) {
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

int ForcaEfetiva(const TJogador& j) {
    if (j.posicaoatual == j.posicao) return ArredDiv(std::int64_t{j.energia} * j.forca, 100);
    return ArredDiv(std::int64_t{FatorImprovisado(j)} * j.forca * j.energia, 10000);
}

} // namespace match
