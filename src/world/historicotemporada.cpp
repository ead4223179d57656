#include "world/historicotemporada.hpp"

#include "world/jogo.hpp"

#include <algorithm>
#include <limits>

namespace world {

namespace {

int Entrada(int temporada) {
    return std::clamp(temporada, 1, 10);
}

bool Valido(const Jogo& jogo, int historico) {
    return historico > 0 && historico < static_cast<int>(jogo.historicos.size());
}

void Somar(THistoricoJogador& h, const std::array<std::uint16_t, kLinhasHistorico>& c,
           int entrada) {
    for (int l = 0; l < kLinhasHistorico; ++l) {
        h.linhas[l][0] += c[l];
        h.linhas[l][entrada] += c[l];
    }
}

// Folds one record's counts and zeroes them.
void Consolidar(Jogo& jogo, int historico) {
    auto& c = jogo.historicotemporada.contagens[historico];
    if (Valido(jogo, historico))
        Somar(jogo.historicos[historico], c, Entrada(jogo.historicotemporada.temporada));
    c = {};
}

} // namespace

void ContarNoHistorico(Jogo& jogo, int historico, int linha) {
    if (!Valido(jogo, historico) || linha < 0 || linha >= kLinhasHistorico) return;
    HistoricoDaTemporada& p = jogo.historicotemporada;
    // Counts of another season (a season that moved on without the season
    // end) go to their own season's entry first.
    if (p.temporada != jogo.estado.temporada) {
        ConsolidarHistoricos(jogo);
        p.temporada = jogo.estado.temporada;
    }
    if (historico >= static_cast<int>(p.contagens.size()))
        p.contagens.resize(jogo.historicos.size());
    auto& n = p.contagens[historico][linha];
    if (n == std::numeric_limits<std::uint16_t>::max()) Consolidar(jogo, historico);
    ++n;
}

void ConsolidarHistoricos(Jogo& jogo) {
    HistoricoDaTemporada& p = jogo.historicotemporada;
    const int n = static_cast<int>(p.contagens.size());
    for (int h = 1; h < n; ++h)
        if (p.contagens[h] != std::array<std::uint16_t, kLinhasHistorico>{}) Consolidar(jogo, h);
    p.contagens.clear();
}

i32 ValorDoHistorico(const Jogo& jogo, int historico, int linha, int entrada) {
    if (!Valido(jogo, historico) || linha < 0 || linha >= kLinhasHistorico || entrada < 0 ||
        entrada > 10)
        return 0;
    i32 v = jogo.historicos[historico].linhas[linha][entrada];
    const HistoricoDaTemporada& p = jogo.historicotemporada;
    if (historico < static_cast<int>(p.contagens.size()) &&
        (entrada == 0 || entrada == Entrada(p.temporada)))
        v += p.contagens[historico][linha];
    return v;
}

THistoricoJogador HistoricoConsolidado(const Jogo& jogo, int historico) {
    if (historico < 0 || historico >= static_cast<int>(jogo.historicos.size()))
        return NovoHistorico();
    THistoricoJogador h = jogo.historicos[historico];
    const HistoricoDaTemporada& p = jogo.historicotemporada;
    if (historico < static_cast<int>(p.contagens.size()))
        Somar(h, p.contagens[historico], Entrada(p.temporada));
    return h;
}

void DescartarPendentes(Jogo& jogo, int historico) {
    auto& c = jogo.historicotemporada.contagens;
    if (historico > 0 && historico < static_cast<int>(c.size())) c[historico] = {};
}

} // namespace world
