// pitchlord-sim bench: many dates of 20 matches in the quick mode, timed.
#include "match/escalacaoautomatica.hpp"
#include "match/motor.hpp"
#include "sim/comandos.hpp"
#include "sim/estatisticas_sim.hpp"
#include "sim/json.hpp"
#include "sim/mundo.hpp"
#include "temporada/executor.hpp"
#include "temporada/posrodada.hpp"
#include "world/competicoes.hpp"

#include <chrono>
#include <cstdio>

namespace sim {
namespace {

using Relogio = std::chrono::steady_clock;

double Segundos(Relogio::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Twenty fixtures of today between clubs drawn from `clubes`.
void SortearPartidas(world::Jogo& jogo, std::vector<int>& clubes, double hoje,
                     std::vector<match::TPartida>& partidas, std::vector<int>& jogam) {
    for (int i = static_cast<int>(clubes.size()) - 1; i > 0; --i)
        std::swap(clubes[i], clubes[jogo.Aleatorio(i + 1)]);
    partidas.assign(match::kMaxJogos, {});
    jogam.assign(clubes.begin(), clubes.begin() + 2 * match::kMaxJogos);
    for (int k = 0; k < match::kMaxJogos; ++k) {
        match::TPartida& f = partidas[k];
        f.mandante = jogam[2 * k];
        f.visitante = jogam[2 * k + 1];
        f.competicao = 1;
        f.grupo = 0;
        f.data = hoje;
    }
}

} // namespace

int ComandoBench(const Argumentos& args) {
    if (args.Tem("--temporadas")) return BenchDoJogo(args);
    if (args.Tem("--editor")) return BenchDoEditor(args);
    if (args.Tem("--carregar")) return BenchDaCarga(args);
    std::uint64_t datas = 5000, semente = 1;
    if (!LerInteiro(args, "--datas", datas) || datas == 0) {
        std::fprintf(stderr, "pitchlord-sim: --datas must be a positive integer\n");
        return 1;
    }
    if (!LerInteiro(args, "--semente", semente)) {
        std::fprintf(stderr, "pitchlord-sim: --semente must be a non-negative integer\n");
        return 1;
    }
    world::Jogo jogo;
    if (args.Tem("--dados")) {
        if (const std::string erro = CarregarMundo(args, jogo); !erro.empty()) {
            std::fprintf(stderr, "pitchlord-sim: %s\n", erro.c_str());
            return 1;
        }
    } else {
        MundoDeBench(jogo, 2 * match::kMaxJogos, semente);
    }
    std::vector<int> clubes;
    for (int c = 0; c < jogo.estado.numtimesligas; ++c) {
        jogo.times[c].humano = 0; // nobody watches the bench
        clubes.push_back(c);
    }
    if (clubes.size() < 2u * match::kMaxJogos) {
        std::fprintf(stderr, "pitchlord-sim: the bench needs at least 40 clubs\n");
        return 1;
    }

    std::vector<match::TPartida> partidas;
    std::vector<int> jogam;
    std::vector<int> dodia;
    for (int k = 0; k < match::kMaxJogos; ++k) dodia.push_back(k);
    temporada::ExecucaoRodada ex;
    ex.semtela = true;
    ex.partidas = &partidas;
    Totais totais;
    double hoje = 39085; // 3 January 2007, a Wednesday
    Relogio::duration tempoRodadas{}, tempoEscalacao{}, tempoMinutos{};
    std::int64_t passos = 0;
    const std::uint64_t datasMinuto = datas / 10 + 1;
    for (std::uint64_t d = 0; d < datas + datasMinuto; ++d) {
        SortearPartidas(jogo, clubes, hoje, partidas, jogam);
        temporada::EsvaziarEscalacoes(jogo);
        const auto t0 = Relogio::now();
        match::EscalarRodada(jogo, world::kLiga, hoje, jogam);
        const auto t1 = Relogio::now();
        tempoEscalacao += t1 - t0;
        if (d < datas) {
            temporada::JogarData(jogo, ex, 1, hoje, dodia);
            tempoRodadas += Relogio::now() - t1;
            totais.Somar(jogo.arquivo, false);
        } else {
            // The minute step alone, as the quick mode runs it.
            temporada::AbrirRodada(jogo, ex, 1, hoje, dodia);
            ex.grupoatual = 0;
            ex.rapido = true;
            temporada::PrepararJogos(jogo, ex, ex.grupos[0]);
            const auto t2 = Relogio::now();
            match::JogarRodadaRapida(jogo, ex.rodada);
            tempoMinutos += Relogio::now() - t2;
            passos += std::int64_t{90} * ex.rodada.numjogos;
            temporada::FimDosJogos(jogo, ex);
            jogo.arquivo = {};
        }
        hoje += (d % 3 == 1) ? 1 : 3; // Wednesday, Thursday, Sunday
    }

    const double s = Segundos(tempoRodadas);
    const double porSegundo = s > 0 ? double(totais.jogos) / s : 0;
    const double usPorJogo = totais.jogos ? s * 1e6 / double(totais.jogos) : 0;
    const double nsPorMinuto = passos ? Segundos(tempoMinutos) * 1e9 / double(passos) : 0;
    const double usEscalacao =
        Segundos(tempoEscalacao) * 1e6 / double((datas + datasMinuto) * 2 * match::kMaxJogos);
    if (args.Tem("--json")) {
        Json j;
        j.AbrirObjeto();
        j.Chave("partidas_por_segundo").Real(porSegundo);
        j.Chave("us_por_partida").Real(usPorJogo);
        j.Chave("ns_por_minuto").Real(nsPorMinuto);
        j.Chave("us_escalacao_por_clube").Real(usEscalacao);
        totais.Json(j, false);
        j.FecharObjeto();
        std::printf("%s\n", j.Resultado().c_str());
        return 0;
    }
    const double n = double(std::max<std::int64_t>(1, totais.jogos));
    std::printf("matches            %lld\n", static_cast<long long>(totais.jogos));
    std::printf("matches per second %.0f\n", porSegundo);
    std::printf("us per match       %.2f\n", usPorJogo);
    std::printf("ns per minute step %.1f (one match, one minute)\n", nsPorMinuto);
    std::printf("lineup us per club %.2f (not in the figures above)\n", usEscalacao);
    std::printf("goals per match    %.3f (home %.3f, away %.3f)\n",
                (totais.gols[0] + totais.gols[1]) / n, totais.gols[0] / n, totais.gols[1] / n);
    std::printf("home/draw/away     %.1f%% / %.1f%% / %.1f%%\n", 100 * totais.vitoriasmandante / n,
                100 * totais.empates / n, 100 * totais.vitoriasvisitante / n);
    std::printf("shots per match    %.2f\n", (totais.finalizacoes[0] + totais.finalizacoes[1]) / n);
    std::printf("yellows per match  %.2f, reds %.3f\n",
                (totais.amarelos[0] + totais.amarelos[1]) / n,
                (totais.vermelhos[0] + totais.vermelhos[1]) / n);
    std::printf("injuries per match %.3f\n", (totais.contusoes[0] + totais.contusoes[1]) / n);
    return 0;
}

} // namespace sim
