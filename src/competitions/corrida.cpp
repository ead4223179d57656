#include "competitions/corrida.hpp"

#include "competitions/classificacao.hpp"
#include "world/competicoes.hpp"

#include <algorithm>
#include <unordered_map>

namespace competitions {

using namespace world;

CorridaDaDivisao RefazerCorrida(const Jogo& jogo, int liga, int divisao) {
    CorridaDaDivisao c;
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size())) return c;
    const TLiga& l = jogo.ligas[liga];
    if (divisao < 1 || divisao > std::clamp<int>(l.numdivisoes, 0, 4)) return c;
    const int vagas = jogo.estado.divisoesporliga == 2 ? 20 : 10;
    std::unordered_map<int, int> indice; // club -> its row
    for (int s = 0; s < vagas; ++s)
        if (const int t = l.divisoes[divisao - 1][s]; jogo.TimeValido(t)) {
            indice[t] = static_cast<int>(c.clubes.size());
            c.clubes.push_back(t);
        }
    const int n = static_cast<int>(c.clubes.size());

    // The played results of the division, by matchday of the season.
    struct Resultado {
        int mandante, visitante, golsmandante, golsvisitante;
    };
    std::vector<std::vector<Resultado>> porRodada;
    for (const TPartida& p : jogo.partidas) {
        if (p.competicao != world::kLiga || p.grupo != liga || !p.jogado) continue;
        const auto m = indice.find(p.mandante), v = indice.find(p.visitante);
        if (m == indice.end() || v == indice.end()) continue;
        const int rodada = (p.turno - 1) * (vagas - 1) + p.rodada; // 1-based
        if (rodada < 1) continue;
        if (rodada > static_cast<int>(porRodada.size())) porRodada.resize(rodada);
        porRodada[rodada - 1].push_back({m->second, v->second, p.golsmandante, p.golsvisitante});
    }
    c.rodadas = static_cast<int>(porRodada.size());
    c.posicoes.assign(n, std::vector<int>(c.rodadas, 0));
    c.pontos.assign(n, std::vector<int>(c.rodadas, 0));

    std::vector<TLinhaTabela> linhas(n);
    for (int k = 0; k < n; ++k) linhas[k].time = k;
    for (int r = 0; r < c.rodadas; ++r) {
        for (const Resultado& x : porRodada[r]) {
            SomarResultado(linhas[x.mandante], x.golsmandante, x.golsvisitante);
            SomarResultado(linhas[x.visitante], x.golsvisitante, x.golsmandante);
        }
        // Slot order first, so that clubs level on every key fall as the table
        // puts them.
        std::vector<TLinhaTabela> ordem = linhas;
        std::stable_sort(ordem.begin(), ordem.end(),
                         [](const auto& a, const auto& b) { return Comparar(a, b) < 0; });
        for (int k = 0; k < n; ++k) {
            c.posicoes[ordem[k].time][r] = k + 1;
            c.pontos[ordem[k].time][r] = ordem[k].pontos;
        }
    }
    return c;
}

} // namespace competitions
