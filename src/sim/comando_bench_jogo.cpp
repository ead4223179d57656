// pitchlord-sim bench --temporadas N: a whole game timed, from the new game
// through N seasons in the quick mode to saving and loading it through a file,
// with the memory the process holds at each step.
#include "persistence/jogosalvo.hpp"
#include "sim/comandos.hpp"
#include "sim/json.hpp"
#include "sim/mundo.hpp"
#include "temporada/autopiloto.hpp"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <unistd.h>

namespace sim {

double MemoriaMiB(const char* campo) {
    std::ifstream f("/proc/self/status");
    std::string linha;
    const std::string chave = std::string(campo) + ":";
    while (std::getline(f, linha))
        if (linha.rfind(chave, 0) == 0) return std::stod(linha.substr(chave.size())) / 1024.0;
    return -1;
}

void ZerarPico() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

int BenchDoJogo(const Argumentos& args) {
    using Relogio = std::chrono::steady_clock;
    auto segundos = [](Relogio::duration d) { return std::chrono::duration<double>(d).count(); };
    std::uint64_t temporadas = 10;
    if (!LerInteiro(args, "--temporadas", temporadas) || temporadas < 1 || temporadas > 1000) {
        std::fprintf(stderr, "pitchlord-sim: --temporadas must be 1..1000\n");
        return 1;
    }
    auto jogo = std::make_unique<world::Jogo>();
    const auto t0 = Relogio::now();
    if (std::string erro = NovoJogoDoAutopiloto(args, *jogo); !erro.empty()) {
        std::fprintf(stderr, "pitchlord-sim: %s\n", erro.c_str());
        return 1;
    }
    const double inicio = segundos(Relogio::now() - t0);

    temporada::Autopiloto piloto(*jogo);
    std::vector<double> porTemporada;
    auto t = Relogio::now();
    const int ultima = jogo->estado.temporada + static_cast<int>(temporadas) - 1;
    piloto.novatemporada = [&] {
        porTemporada.push_back(segundos(Relogio::now() - t));
        t = Relogio::now();
        return jogo->estado.temporada <= ultima;
    };
    piloto.Entrar();
    piloto.Jogar();

    // Saved and loaded as the game does it, through a file, in a temporary
    // folder; the loaded copy is built beside the live game, as a load is.
    const auto arquivo = std::filesystem::temp_directory_path() /
                         ("pitchlord-bench-" + std::to_string(::getpid()) + ".s07");
    const double vivo = MemoriaMiB("VmRSS");
    ZerarPico();
    const auto t1 = Relogio::now();
    bool ok = persistence::GravarJogo(arquivo, *jogo);
    const double salvar = segundos(Relogio::now() - t1);
    const double picoSalvar = MemoriaMiB("VmHWM");
    std::error_code ec;
    const auto tamanho = ok ? std::filesystem::file_size(arquivo, ec) : 0;
    auto carregado = std::make_unique<world::Jogo>();
    ZerarPico();
    const auto t2 = Relogio::now();
    ok = ok && persistence::LerJogo(arquivo, *carregado) == persistence::ResultadoCarga::Ok;
    const double carregar = segundos(Relogio::now() - t2);
    const double picoCarregar = MemoriaMiB("VmHWM");
    std::filesystem::remove(arquivo, ec);

    double total = 0, pior = 0;
    for (double s : porTemporada) total += s, pior = std::max(pior, s);
    const double media = porTemporada.empty() ? 0 : total / double(porTemporada.size());
    if (args.Tem("--json")) {
        Json j;
        j.AbrirObjeto();
        j.Chave("clubes").Numero(static_cast<std::int64_t>(jogo->times.size()));
        j.Chave("jogadores").Numero(static_cast<std::int64_t>(jogo->jogadores.size()) - 1);
        j.Chave("s_novo_jogo").Real(inicio);
        j.Chave("s_temporada_media").Real(media);
        j.Chave("s_temporada_pior").Real(pior);
        // Each season on its own: the first has no continental cups.
        j.Chave("s_temporadas").AbrirLista();
        for (double s : porTemporada) j.Real(s);
        j.FecharLista();
        j.Chave("s_salvar").Real(salvar);
        j.Chave("s_carregar").Real(carregar);
        j.Chave("bytes_jogo_salvo").Numero(static_cast<std::int64_t>(tamanho));
        j.Chave("mib_jogo_vivo").Real(vivo);
        j.Chave("mib_pico_salvar").Real(picoSalvar);
        j.Chave("mib_pico_carregar").Real(picoCarregar);
        j.Chave("carregou").Logico(ok);
        j.FecharObjeto();
        std::printf("%s\n", j.Resultado().c_str());
    } else {
        std::printf("clubs, players       %zu, %zu\n", jogo->times.size(),
                    jogo->jogadores.size() - 1);
        std::printf("new game             %.3f s\n", inicio);
        std::printf("season (quick mode)  %.3f s on average, %.3f s at worst, %zu seasons\n", media,
                    pior, porTemporada.size());
        std::printf("each season         ");
        for (double s : porTemporada) std::printf(" %.3f", s);
        std::printf(" s\n");
        std::printf("save                 %.3f s, %ju bytes\n", salvar,
                    static_cast<std::uintmax_t>(tamanho));
        std::printf("load                 %.3f s%s\n", carregar, ok ? "" : " (FAILED)");
        std::printf("memory (RSS)         %.0f MiB live game, peak %.0f MiB saving, %.0f MiB "
                    "loading a second copy beside it\n",
                    vivo, picoSalvar, picoCarregar);
    }
    return ok ? 0 : 1;
}

} // namespace sim
