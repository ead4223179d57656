#include "sim/torneio_sim.hpp"

#include "competitions/classificacao.hpp"
#include "competitions/torneios.hpp"
#include "history/campeoes.hpp"
#include "plataforma/cp1252.hpp"
#include "world/paises.hpp"

#include <cstdio>

namespace sim {

using namespace world;

namespace {

std::string Pais(int pais) {
    return pais >= 0 ? plataforma::Cp1252ParaUtf8(NomePais(pais)) : std::string("-");
}

} // namespace

void RelatorioTorneio::Observar(const world::Jogo& jogo) {
    if (!competitions::TorneioEmCurso(jogo)) return;
    const TTorneio& t = jogo.estado.torneio;
    codigo = t.codigo;
    temporada = t.temporada;
    sede = t.sede;
    for (int c = t.numtimes; c < static_cast<int>(jogo.times.size()); ++c)
        paises[c] = jogo.times[c].pais;
    humanos.clear();
    for (int h = 0; h < 6; ++h)
        if (const int c = competitions::SelecaoDoHumano(jogo, h); c >= 0)
            humanos.push_back({h, jogo.times[c].pais});
    if (jogo.estado.contadores.fasetorneio >= 4 && grupos.empty())
        for (int g = 1; g <= competitions::GruposDoTorneio(codigo); ++g) {
            std::vector<int> clubes;
            for (int c : competitions::GrupoDoTorneio(jogo, g))
                if (c >= 0) clubes.push_back(c);
            const auto tabela = competitions::Tabela(jogo, codigo, clubes);
            for (std::size_t i = 0; i < tabela.size(); ++i)
                grupos.push_back({g, static_cast<int>(i) + 1, jogo.times[tabela[i].time].pais,
                                  tabela[i].pontos, tabela[i].saldo});
        }
}

void RelatorioTorneio::Concluir(const world::Jogo& jogo) {
    if (codigo == 0) return;
    mataamata.clear();
    for (const TJogoArquivado& a : jogo.arquivo.jogos) {
        if (a.competicao != codigo || a.rodada < 4 || history::TemporadaDaData(a.data) != temporada)
            continue;
        const auto m = paises.find(a.mandante), v = paises.find(a.visitante);
        if (m == paises.end() || v == paises.end()) continue;
        mataamata.push_back({a.rodada,
                             {m->second, v->second},
                             {a.gols[0], a.gols[1]},
                             a.decididopenaltis != 0,
                             {a.penaltis[0], a.penaltis[1]}});
    }
    colocacao.assign(4, -1);
    for (const TTituloHistorico& h : jogo.historicotitulos)
        if (h.temporada == temporada && h.competicao == codigo && h.lugar >= 1 && h.lugar <= 4)
            colocacao[h.lugar - 1] = h.time;
}

void RelatorioTorneio::Escrever(Json& j) const {
    j.AbrirObjeto();
    j.Chave("codigo").Numero(codigo);
    j.Chave("sede").Numero(sede);
    j.Chave("grupos").AbrirLista();
    for (const Linha& l : grupos) {
        j.AbrirObjeto();
        j.Chave("grupo").Numero(l.grupo);
        j.Chave("lugar").Numero(l.lugar);
        j.Chave("pais").Numero(l.pais);
        j.Chave("nome").Texto(Pais(l.pais));
        j.Chave("pontos").Numero(l.pontos);
        j.Chave("saldo").Numero(l.saldo);
        j.FecharObjeto();
    }
    j.FecharLista();
    j.Chave("mataamata").AbrirLista();
    for (const Jogo& m : mataamata) {
        j.AbrirObjeto();
        j.Chave("fase").Numero(m.fase);
        j.Chave("mandante").Texto(Pais(m.pais[0]));
        j.Chave("visitante").Texto(Pais(m.pais[1]));
        j.Chave("gols").AbrirLista().Numero(m.gols[0]).Numero(m.gols[1]).FecharLista();
        if (m.penaltis)
            j.Chave("penaltis").AbrirLista().Numero(m.pen[0]).Numero(m.pen[1]).FecharLista();
        j.FecharObjeto();
    }
    j.FecharLista();
    j.Chave("colocacao").AbrirLista();
    for (int p : colocacao) j.Texto(Pais(p));
    j.FecharLista();
    j.Chave("humanos").AbrirLista();
    for (const auto& [h, p] : humanos) {
        j.AbrirObjeto();
        j.Chave("humano").Numero(h);
        j.Chave("selecao").Texto(Pais(p));
        j.FecharObjeto();
    }
    j.FecharLista();
    j.FecharObjeto();
}

void RelatorioTorneio::Imprimir() const {
    static constexpr const char* kNomes[] = {"Copa do Mundo", "Copa America", "Eurocopa"};
    std::printf(
        "  %s (sede %s):", EhTorneioDeSelecoes(codigo) ? kNomes[codigo - kCopaDoMundo] : "?",
        Pais(sede).c_str());
    for (std::size_t i = 0; i < colocacao.size(); ++i)
        std::printf(" %zu. %s", i + 1, Pais(colocacao[i]).c_str());
    std::printf("\n");
    for (const auto& [h, p] : humanos)
        std::printf("    humano %d treinou %s\n", h + 1, Pais(p).c_str());
    for (const Jogo& m : mataamata) {
        std::printf("    fase %d: %s %d x %d %s", m.fase, Pais(m.pais[0]).c_str(), m.gols[0],
                    m.gols[1], Pais(m.pais[1]).c_str());
        if (m.penaltis) std::printf(" (pen. %d x %d)", m.pen[0], m.pen[1]);
        std::printf("\n");
    }
}

} // namespace sim
