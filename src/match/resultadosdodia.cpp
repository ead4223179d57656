#include "match/resultadosdodia.hpp"

#include <algorithm>

namespace match {

using namespace world;

std::vector<int> JogosDoDia(const Jogo& jogo, int codigo, double data) {
    std::vector<int> r;
    const auto& jogos = jogo.arquivo.jogos;
    for (int i = static_cast<int>(jogos.size()) - 1; i >= 0; --i) {
        if (jogos[i].data != data) break; // older dates lie further back
        if (jogos[i].competicao == codigo) r.push_back(i);
    }
    std::reverse(r.begin(), r.end());
    return r;
}

std::vector<TEvento> EventosDoJogo(const Jogo& jogo, int entrada) {
    std::vector<TEvento> r;
    const auto& ev = jogo.arquivo.eventos;
    // Events are archived with their match, so they stand together near the
    // end; scan back from the end until they are passed.
    for (int i = static_cast<int>(ev.size()) - 1; i >= 0; --i) {
        if (ev[i].jogo == entrada)
            r.push_back(ev[i]);
        else if (ev[i].jogo < entrada)
            break;
    }
    std::reverse(r.begin(), r.end());
    std::stable_sort(r.begin(), r.end(),
                     [](const TEvento& a, const TEvento& b) { return a.minuto < b.minuto; });
    return r;
}

int PercentualPosse(const TJogoArquivado& a, int lado) {
    const int total = a.lados[0].posse + a.lados[1].posse;
    if (total <= 0) return 0;
    const int p0 = (a.lados[0].posse * 100 + total / 2) / total;
    return lado == 0 ? p0 : 100 - p0;
}

std::string TextoEvento(const Jogo& jogo, const TEvento& e) {
    std::string nome;
    if (e.jogador > 0 && e.jogador < static_cast<int>(jogo.jogadores.size()))
        nome = std::string(jogo.jogadores[e.jogador].nome.view());
    std::string s = nome + " " + std::to_string(e.minuto) + "'";
    if (e.tipo == kGolPenalti) s += " (de penalti)";
    if (e.tipo == kGolFalta) s += " (de falta)";
    if (e.tipo == kGolContra) s += " (contra)";
    return s;
}

std::vector<ArtilheiroDaLiga> ArtilheirosDaTemporada(const Jogo& jogo) {
    std::vector<ArtilheiroDaLiga> r(jogo.ligas.size());
    for (std::size_t l = 0; l < jogo.ligas.size(); ++l) r[l].pais = jogo.ligas[l].pais;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const TJogador& j = jogo.jogadores[i];
        if (j.time < 0 || j.time >= static_cast<int>(jogo.times.size())) continue;
        const TTime& t = jogo.times[j.time];
        if (t.divisao <= 0) continue;
        const int l = jogo.LigaDoPais(t.pais);
        if (l < 0 || j.gols[1] <= r[l].gols) continue;
        r[l] = {t.pais, static_cast<int>(i), j.time, j.gols[1]};
    }
    std::erase_if(r, [](const ArtilheiroDaLiga& a) { return a.gols == 0; });
    return r;
}

} // namespace match
