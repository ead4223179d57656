// pitchlord-sim partida: one fixture played many times from the loaded world.
#include "match/escalacaoautomatica.hpp"
#include "sim/comandos.hpp"
#include "sim/estatisticas_sim.hpp"
#include "sim/json.hpp"
#include "sim/mundo.hpp"
#include "temporada/executor.hpp"
#include "world/competicoes.hpp"

#include <cstdio>

namespace sim {
namespace {

int Erro(const std::string& msg) {
    std::fprintf(stderr, "pitchlord-sim: %s\n", msg.c_str());
    return 1;
}

} // namespace

int ComandoPartida(const Argumentos& args) {
    world::Jogo base;
    if (const std::string erro = CarregarMundo(args, base); !erro.empty()) return Erro(erro);
    std::uint64_t mandante = 0, visitante = 0, jogos = 100, codigo = 1, semente = 1;
    if (!args.Tem("--mandante") || !args.Tem("--visitante"))
        return Erro("--mandante and --visitante need club indices");
    if (!LerInteiro(args, "--mandante", mandante) || !LerInteiro(args, "--visitante", visitante) ||
        mandante >= base.times.size() || visitante >= base.times.size() || mandante == visitante)
        return Erro("--mandante and --visitante must be two different club indices below " +
                    std::to_string(base.times.size()));
    if (!LerInteiro(args, "--jogos", jogos) || jogos == 0)
        return Erro("--jogos must be a positive integer");
    if (!LerInteiro(args, "--codigo", codigo) || codigo > world::kEurocopa)
        return Erro("--codigo must be a competition code 0..9");
    LerInteiro(args, "--semente", semente); // checked by the loading
    for (auto& t : base.times) t.humano = 0;

    const int h = static_cast<int>(mandante), v = static_cast<int>(visitante);
    const int tipo = static_cast<int>(codigo);
    const double hoje = 39085;
    const std::vector<int> jogam = {h, v};
    const std::vector<int> dodia = {0};
    Totais totais;
    for (std::uint64_t n = 0; n < jogos; ++n) {
        world::Jogo jogo = base;
        // Each copy draws its own match: the loaded generator state, moved on.
        jogo.gerador.Semear(semente * 0x9E3779B97F4A7C15ull + n + 1);
        std::vector<match::TPartida> partidas(1);
        match::TPartida& f = partidas[0];
        f.mandante = h;
        f.visitante = v;
        f.competicao = tipo;
        f.data = hoje;
        f.grupo = tipo == world::kContinental1 || tipo == world::kContinental2
                      ? 1
                      : jogo.LigaDoPais(jogo.times[h].pais);
        match::EscalarRodada(jogo, tipo, hoje, jogam);
        temporada::ExecucaoRodada ex;
        ex.semtela = true;
        ex.partidas = &partidas;
        temporada::JogarData(jogo, ex, tipo, hoje, dodia);
        totais.Somar(jogo.arquivo, true);
    }
    if (args.Tem("--json")) {
        Json j;
        j.AbrirObjeto();
        j.Chave("mandante").Numero(h).Chave("visitante").Numero(v).Chave("codigo").Numero(tipo);
        totais.Json(j, true);
        j.FecharObjeto();
        std::printf("%s\n", j.Resultado().c_str());
        return 0;
    }
    totais.Imprimir(true);
    return 0;
}

} // namespace sim
