#include "world/regeneracao.hpp"

#include "world/valores.hpp"

#include <algorithm>

namespace world {
namespace {

int IdadeNovato(Jogo& jogo) {
    const int r = jogo.Aleatorio(100);
    if (r < 35) return 20;
    if (r < 65) return 19;
    if (r < 85) return 18;
    return 17;
}

int ForcaNovato(Jogo& jogo, const TTime* clube) {
    const int r = jogo.Aleatorio(100);
    const bool humano = clube && clube->humano;
    const int nivel = clube ? clube->nivel : 0;
    if (!humano && nivel >= 18) {
        // Big computer clubs bring better youngsters: the same shape, raised.
        const int base = nivel >= 21 ? 10 : 8;
        if (r < 10) return base + jogo.Aleatorio(2);
        if (r < 80) return base + jogo.Aleatorio(4);
        if (r < 99) return base + 2 + jogo.Aleatorio(5);
        return base + 2 + jogo.Aleatorio(7);
    }
    if (r < 35) return 2 + jogo.Aleatorio(5);
    if (r < 80) return 4 + jogo.Aleatorio(8);
    if (r < 99) return 7 + jogo.Aleatorio(5);
    return 10 + jogo.Aleatorio(5);
}

struct Par {
    int a, b;
};
constexpr Par kPares0[] = {{0, 2}, {2, 3}, {3, 0}};
constexpr Par kPares1[] = {{6, 10}, {6, 13}, {10, 11}};
constexpr Par kPares2[] = {{7, 10}, {7, 12}, {7, 5}};
constexpr Par kPares3[] = {{7, 10}, {7, 11}, {4, 11}, {4, 9}};
constexpr Par kPares4[] = {{9, 5}, {13, 9}, {8, 9}};

} // namespace

void renovajogador(Jogo& jogo, int indice, std::string_view nome, int posicao, double hoje) {
    if (indice <= 0 || indice >= static_cast<int>(jogo.jogadores.size())) return;
    TJogador& j = jogo.jogadores[indice];
    const TTime* clube =
        j.time >= 0 && j.time < static_cast<int>(jogo.times.size()) ? &jogo.times[j.time] : nullptr;

    j.idade = IdadeNovato(jogo);
    j.forca = ForcaNovato(jogo, clube);
    if (!nome.empty()) j.nome = nome.substr(0, 20);
    j.retorno = hoje;
    j.energia = 100;
    j.moral = 3;
    j.contrato = hoje + 28;
    j.nota = 0;
    j.evolucao = 0;
    j.cansado = 0;
    j.avisocontrato = j.sinalgestao1 = j.sinalgestao2 = 0;
    j.marcagestao1 = j.marcagestao2 = j.marcagestao3 = 0;

    if (posicao >= 0 && posicao <= 4) {
        j.posicao = j.posicaoatual = posicao;
        static constexpr std::pair<const Par*, int> kPares[5] = {
            {kPares0, 3}, {kPares1, 3}, {kPares2, 3}, {kPares3, 4}, {kPares4, 3}};
        const auto [pares, n] = kPares[posicao];
        const Par& p = pares[jogo.Aleatorio(n)];
        j.caract1 = p.a;
        j.caract2 = p.b;
    }
    j.estrela = (j.estrela ? jogo.Aleatorio(2) == 0 : jogo.Aleatorio(70) == 0) ? 1 : 0;
    for (int t = 0; t < kTiposCompeticao; ++t)
        j.cartoes[t] = j.suspensao[t] = j.gols[t] = j.jogos[t] = 0;

    if (j.historico > 0 && j.historico < static_cast<int>(jogo.historicos.size())) {
        THistoricoJogador& h = jogo.historicos[j.historico];
        h = NovoHistorico();
        DescartarPendentes(jogo, j.historico);
        const int s = std::clamp(jogo.estado.temporada, 1, 10) - 1;
        for (auto& c : h.clubes[s])
            if (c == -1) {
                c = j.time;
                break;
            }
    }
    // Valued last, so that a newcomer who turns out a star is priced as one.
    world::AvaliarJogador(jogo, j);
}

} // namespace world
