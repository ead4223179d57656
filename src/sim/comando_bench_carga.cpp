// pitchlord-sim bench --carregar F: loading a saved game into a process that
// holds no game, as the menu does, timed, with the resident memory the load
// peaks at beside what the loaded game keeps.
#include "persistence/jogosalvo.hpp"
#include "sim/comandos.hpp"
#include "sim/json.hpp"

#include <chrono>
#include <cstdio>
#include <memory>

namespace sim {

int BenchDaCarga(const Argumentos& args) {
    const std::string arquivo = args.Valor("--carregar");
    if (arquivo.empty()) {
        std::fprintf(stderr, "pitchlord-sim: bench --carregar needs a saved game\n");
        return 1;
    }
    auto jogo = std::make_unique<world::Jogo>();
    const double antes = MemoriaMiB("VmRSS");
    ZerarPico();
    const auto t0 = std::chrono::steady_clock::now();
    const bool ok = persistence::LerJogo(arquivo, *jogo) == persistence::ResultadoCarga::Ok;
    const double segundos =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double pico = MemoriaMiB("VmHWM") - antes;
    const double jogoCarregado = MemoriaMiB("VmRSS") - antes;
    const double razao = jogoCarregado > 0 ? pico / jogoCarregado : 0;
    if (args.Tem("--json")) {
        Json j;
        j.AbrirObjeto();
        j.Chave("s_carregar").Real(segundos);
        j.Chave("mib_jogo_carregado").Real(jogoCarregado);
        j.Chave("mib_pico_carregar").Real(pico);
        j.Chave("razao_pico").Real(razao);
        j.Chave("carregou").Logico(ok);
        j.FecharObjeto();
        std::printf("%s\n", j.Resultado().c_str());
    } else {
        std::printf("load                 %.3f s%s\n", segundos, ok ? "" : " (FAILED)");
        std::printf("memory (RSS)         %.1f MiB loaded game, peak %.1f MiB while loading "
                    "(%.3f x), above %.1f MiB before\n",
                    jogoCarregado, pico, razao, antes);
    }
    return ok ? 0 : 1;
}

} // namespace sim
