#include "match/resultadosdata.hpp"

#include <algorithm>

namespace match {

using namespace world;

std::vector<int> JogosDaData(const Jogo& jogo, double data, int codigo) {
    std::vector<int> r;
    const auto& a = jogo.arquivo.jogos;
    for (int i = 0; i < static_cast<int>(a.size()); ++i)
        if (a[i].data == data && a[i].competicao == codigo) r.push_back(i);
    return r;
}

namespace {
bool EhGol(int tipo) {
    return tipo == kGolEvento || tipo == kGolContra || tipo == kGolPenalti || tipo == kGolFalta;
}
} // namespace

std::vector<TLance> LancesDoJogo(const Jogo& jogo, int entrada) {
    std::vector<TLance> r;
    if (entrada < 0 || entrada >= static_cast<int>(jogo.arquivo.jogos.size())) return r;
    const TJogoArquivado& a = jogo.arquivo.jogos[entrada];
    for (const TEvento& e : jogo.arquivo.eventos)
        if (e.jogo == entrada) {
            TLance l;
            l.evento = e;
            l.lado = e.clube == a.visitante ? 1 : 0;
            l.gol = EhGol(e.tipo);
            l.tempo = e.minuto > 45 ? 2 : 1;
            l.minuto = e.minuto > 45 ? e.minuto - 45 : e.minuto;
            r.push_back(l);
        }
    std::stable_sort(r.begin(), r.end(), [](const TLance& x, const TLance& y) {
        return x.evento.minuto < y.evento.minuto;
    });
    int placar[2] = {0, 0};
    for (TLance& l : r) {
        if (l.gol) ++placar[l.lado];
        l.placar[0] = placar[0];
        l.placar[1] = placar[1];
    }
    return r;
}

int EntradaDaPartida(const Jogo& jogo, const TPartida& partida) {
    if (!partida.jogado) return -1;
    const auto& a = jogo.arquivo.jogos;
    for (int i = static_cast<int>(a.size()) - 1; i >= 0; --i)
        if (a[i].mandante == partida.mandante && a[i].visitante == partida.visitante &&
            a[i].data == partida.data && a[i].competicao == partida.competicao)
            return i;
    return -1;
}

} // namespace match
