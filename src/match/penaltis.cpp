// Two-legged ties and penalty shoot-outs.
#include "match/penaltis.hpp"

#include "match/vagas.hpp"

#include <algorithm>

namespace match {

using namespace world;

int DecidirConfronto(int g1a, int g1b, int g2b, int g2a) {
    const int vitoriasA = (g1a > g1b) + (g2a > g2b);
    const int vitoriasB = (g1b > g1a) + (g2b > g2a);
    if (vitoriasA != vitoriasB) return vitoriasA > vitoriasB ? 1 : 2;
    const int totalA = g1a + g2a, totalB = g1b + g2b;
    if (totalA != totalB) return totalA > totalB ? 1 : 2;
    if (g2a != g1b) return g2a > g1b ? 1 : 2; // away goals
    return 3;
}

TResultadoDisputa JogarDisputa(const std::function<bool(int lado)>& chute) {
    TResultadoDisputa r;
    int& g1 = r.gols[0];
    int& g2 = r.gols[1];
    for (int k = 1;; ++k) {
        const bool gol1 = chute(1);
        if (gol1) ++g1;
        if (k <= 5) {
            if (gol1 && g1 > g2 + (6 - k)) {
                r.vencedor = 1;
                return r;
            }
            if (g2 > g1 + (5 - k)) {
                r.vencedor = 2;
                return r;
            }
        }
        const bool gol2 = chute(2);
        if (gol2) ++g2;
        if (k <= 5) {
            if (gol2 && g2 > g1 + (5 - k)) {
                r.vencedor = 2;
                return r;
            }
            if (g1 > g2 + (5 - k)) {
                r.vencedor = 1;
                return r;
            }
        } else if (g1 != g2) {
            r.vencedor = g1 > g2 ? 1 : 2;
            return r;
        }
    }
}

namespace {

// The club's players on the pitch, starting-slot order, goalkeeper last.
int EmCampo(const Jogo& jogo, int clube, ListaBatedores& lista) {
    lista.fill(0);
    int n = 0;
    const int e = jogo.times[clube].escalacao;
    if (e < 0 || e >= static_cast<int>(jogo.escalacoes.size())) return 0;
    for (int v = 0; v <= kVagaGoleiro; ++v) {
        const int idx = Vaga(jogo.escalacoes[e], v);
        if (idx > 0 && jogo.jogadores[idx].jogou) lista[n++] = idx;
    }
    return n;
}

bool OrdemCompleta(const ListaBatedores& ordem, const ListaBatedores& emcampo, int n) {
    for (int k = 0; k < n; ++k)
        if (std::count(ordem.begin(), ordem.begin() + n, emcampo[k]) != 1) return false;
    return std::all_of(ordem.begin() + n, ordem.end(), [](int x) { return x == 0; });
}

} // namespace

ListaBatedores Batedores(const Jogo& jogo, int clube, Interacao& interacao) {
    ListaBatedores emcampo;
    const int n = EmCampo(jogo, clube, emcampo);
    if (!jogo.times[clube].humano || n == 0) return emcampo;
    ListaBatedores ordem{};
    if (interacao.OrdenarBatedores(jogo, clube, std::span<const int>(emcampo.data(), n), ordem) &&
        OrdemCompleta(ordem, emcampo, n))
        return ordem;
    return emcampo;
}

TResultadoDisputa DisputaPenaltis(Jogo& jogo, int clube1, int clube2, Interacao& interacao) {
    const ListaBatedores listas[2] = {Batedores(jogo, clube1, interacao),
                                      Batedores(jogo, clube2, interacao)};
    int proximo[2] = {0, 0};
    TResultadoDisputa r = JogarDisputa([&](int lado) {
        const int s = lado - 1;
        // After the eleventh taker, or at an empty entry, the list starts again.
        if (proximo[s] >= 11 || listas[s][proximo[s]] == 0) proximo[s] = 0;
        const int batedor = listas[s][proximo[s]++];
        const bool gol = jogo.Aleatorio(3) < 2;
        interacao.ChuteDisputa(lado, batedor, gol);
        return gol;
    });
    interacao.FimDisputa(r.vencedor, r.gols[0], r.gols[1]);
    return r;
}

TResultadoDisputa SortearDisputa(Jogo& jogo, int faixa, int base) {
    const int x = jogo.Aleatorio(faixa) + base;
    const int y = jogo.Aleatorio(faixa) + base;
    TResultadoDisputa r;
    if (x < y) {
        r.vencedor = 2;
        r.gols[0] = y - 1;
        r.gols[1] = y;
    } else {
        r.vencedor = 1;
        r.gols[0] = x;
        r.gols[1] = x - 1;
    }
    return r;
}

} // namespace match
