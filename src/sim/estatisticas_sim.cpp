// Totals of many played matches.
#include "sim/estatisticas_sim.hpp"

#include "match/partida.hpp"

#include <cstdio>

namespace sim {

void Totais::Somar(match::ArquivoJogos& arquivo, bool comPlacares) {
    for (const auto& a : arquivo.jogos) {
        ++jogos;
        for (int s = 0; s < 2; ++s) {
            gols[s] += a.gols[s];
            finalizacoes[s] += a.lados[s].finalizacoes;
            faltas[s] += a.lados[s].faltas;
            posse[s] += a.lados[s].posse;
            ataquesvencidos[s] += a.lados[s].ataquesvencidos;
        }
        if (a.gols[0] > a.gols[1])
            ++vitoriasmandante;
        else if (a.gols[0] < a.gols[1])
            ++vitoriasvisitante;
        else
            ++empates;
        if (comPlacares) ++placares[std::to_string(a.gols[0]) + "-" + std::to_string(a.gols[1])];
    }
    for (const auto& e : arquivo.eventos) {
        if (e.jogo < 0 || e.jogo >= static_cast<int>(arquivo.jogos.size())) continue;
        const auto& a = arquivo.jogos[e.jogo];
        const int s = e.clube == a.mandante ? 0 : 1;
        switch (e.tipo) {
        case match::kAmarelo:
            ++amarelos[s];
            break;
        case match::kSegundoAmarelo:
        case match::kVermelhoDireto:
            ++vermelhos[s];
            break;
        case match::kContusaoEvento:
            ++contusoes[s];
            break;
        case match::kGolContra:
            ++golscontra[s];
            break;
        case match::kGolFalta:
            ++golsfalta[s];
            break;
        default:
            break;
        }
    }
    arquivo.jogos.clear();
    arquivo.eventos.clear();
    arquivo.resultados.clear();
}

void Totais::Imprimir(bool comPlacares) const {
    std::printf("matches %lld: home wins %lld, draws %lld, away wins %lld\n",
                static_cast<long long>(jogos), static_cast<long long>(vitoriasmandante),
                static_cast<long long>(empates), static_cast<long long>(vitoriasvisitante));
    auto par = [&](const char* nome, const std::int64_t v[2]) {
        std::printf("%-16s %8lld %8lld   mean %7.3f %7.3f\n", nome, static_cast<long long>(v[0]),
                    static_cast<long long>(v[1]), Media(v[0]), Media(v[1]));
    };
    par("goals", gols);
    par("shots", finalizacoes);
    par("fouls", faltas);
    par("yellow cards", amarelos);
    par("red cards", vermelhos);
    par("injuries", contusoes);
    par("own goals", golscontra);
    par("free-kick goals", golsfalta);
    par("possession", posse);
    par("attacks through", ataquesvencidos);
    if (comPlacares)
        for (const auto& [placar, k] : placares)
            std::printf("  %-7s %lld\n", placar.c_str(), static_cast<long long>(k));
}

void Totais::Json(sim::Json& j, bool comPlacares) const {
    auto par = [&](const char* nome, const std::int64_t v[2]) {
        j.Chave(nome).AbrirObjeto();
        j.Chave("mandante").Numero(v[0]).Chave("visitante").Numero(v[1]);
        j.Chave("media_mandante").Real(Media(v[0])).Chave("media_visitante").Real(Media(v[1]));
        j.FecharObjeto();
    };
    j.Chave("jogos").Numero(jogos);
    par("gols", gols);
    par("finalizacoes", finalizacoes);
    par("faltas", faltas);
    par("amarelos", amarelos);
    par("vermelhos", vermelhos);
    par("contusoes", contusoes);
    par("golscontra", golscontra);
    par("golsfalta", golsfalta);
    par("posse", posse);
    par("ataquesvencidos", ataquesvencidos);
    j.Chave("vitoriasmandante").Numero(vitoriasmandante);
    j.Chave("empates").Numero(empates);
    j.Chave("vitoriasvisitante").Numero(vitoriasvisitante);
    if (comPlacares) {
        j.Chave("placares").AbrirObjeto();
        for (const auto& [k, v] : placares) j.Chave(k).Numero(v);
        j.FecharObjeto();
    }
}

} // namespace sim
