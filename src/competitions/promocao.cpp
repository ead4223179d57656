// Promotion and relegation between the divisions of one country, and the two
// newcomers who come up from outside them.
#include "competitions/promocao.hpp"

#include "world/clubes.hpp"

#include <algorithm>
#include <array>
#include <vector>

namespace competitions {

using namespace world;

namespace {

bool NasDivisoes(const TLiga& l, int divisoes, int c) {
    for (int d = 0; d < divisoes; ++d)
        for (int s = 0; s < 20; ++s)
            if (l.divisoes[d][s] == c) return true;
    return false;
}

// The two newcomers: the country's clubs outside the divisions, strongest
// level first (a draw below 100 between equals), the best ten shuffled by ten
// swaps, the first two taken. -1 where the country has none left.
std::array<int, 2> SortearNovatos(Jogo& jogo, const TLiga& l, int divisoes) {
    struct Candidato {
        int time, nivel, chave;
    };
    std::vector<Candidato> lista;
    const int clubes =
        std::min(static_cast<int>(jogo.times.size()), static_cast<int>(jogo.estado.numtimesligas));
    for (int c = 0; c < clubes; ++c)
        if (jogo.times[c].pais == l.pais && !NasDivisoes(l, divisoes, c))
            lista.push_back({c, jogo.times[c].nivel, jogo.Aleatorio(100)});
    std::stable_sort(lista.begin(), lista.end(), [](const Candidato& a, const Candidato& b) {
        if (a.nivel != b.nivel) return a.nivel > b.nivel;
        return a.chave < b.chave;
    });
    std::array<int, 10> dez;
    dez.fill(-1);
    for (std::size_t k = 0; k < lista.size() && k < dez.size(); ++k) dez[k] = lista[k].time;
    // A swap with an empty place is skipped, so a short list stays among itself.
    for (int k = 0; k < 10; ++k) {
        const int outro = jogo.Aleatorio(10);
        if (dez[k] >= 0 && dez[outro] >= 0) std::swap(dez[k], dez[outro]);
    }
    for (int k = 0; k < 2; ++k)
        if (dez[k] >= 0) {
            jogo.times[dez[k]].confdiretoria = 100;
            jogo.times[dez[k]].conftorcida = 100;
        }
    return {dez[0], dez[1]};
}

// A newcomer arrives with the stadium and ticket prices of its new division;
// a ground it had already built bigger is kept. Its cash is set with every
// other club's at the season's money step.
void ReceberInicioDaDivisao(TTime& t, int divisao) {
    const InicioDivisao& inicio = InicioDaDivisao(divisao);
    for (int s = 0; s < 4; ++s) {
        t.capacidade[s] = std::max(t.capacidade[s], inicio.capacidade[s]);
        t.precos[s] = inicio.precos[s];
    }
}

} // namespace

void PromoverERebaixar(Jogo& jogo, int liga) {
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size())) return;
    TLiga& l = jogo.ligas[liga];
    const int divisoes = std::clamp<int>(l.numdivisoes, 0, 4);
    if (divisoes == 0) return;
    const bool de20 = jogo.estado.divisoesporliga == 2;
    const int n = de20 ? 20 : 10;
    const int troca = de20 ? 4 : 2; // clubs going up and down between two divisions
    const auto novatos = SortearNovatos(jogo, l, divisoes);

    // Club ranked k (1-based) in division d (0-based) of the final table.
    auto ranking = [&](int d, int k) { return l.ordem[d][k - 1]; };

    int novas[4][20];
    for (auto& linha : novas)
        for (int& c : linha) c = -1;
    for (int d = 0; d < divisoes; ++d) {
        const bool ultima = d == divisoes - 1;
        int s = 0;
        if (d > 0)
            for (int k = n - troca + 1; k <= n; ++k) novas[d][s++] = ranking(d - 1, k);
        const int de = d > 0 ? troca + 1 : 1;
        const int ate = ultima ? n - 2 : n - troca;
        for (int k = de; k <= ate; ++k) novas[d][s++] = ranking(d, k);
        if (!ultima) {
            for (int k = 1; k <= troca; ++k) novas[d][s++] = ranking(d + 1, k);
        } else {
            // Without a newcomer the club ranked in that place stays.
            for (int i = 0; i < 2; ++i)
                novas[d][s++] = novatos[i] >= 0 ? novatos[i] : ranking(d, n - 1 + i);
        }
    }

    // Coach moves of the newcomers belong to the career rules; every club
    // keeps the coach it has, so each coach still points at his own club.
    for (int d = 0; d < divisoes; ++d)
        for (int s = 0; s < 20; ++s)
            if (jogo.TimeValido(l.divisoes[d][s])) jogo.times[l.divisoes[d][s]].divisao = 0;
    for (int d = 0; d < divisoes; ++d)
        for (int s = 0; s < 20; ++s) {
            const int c = s < n ? novas[d][s] : -1;
            l.divisoes[d][s] = l.ordem[d][s] = c;
            if (jogo.TimeValido(c)) jogo.times[c].divisao = d + 1;
        }
    for (int c : novatos)
        if (c >= 0) ReceberInicioDaDivisao(jogo.times[c], jogo.times[c].divisao);
}

} // namespace competitions
