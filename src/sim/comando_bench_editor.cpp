// pitchlord-sim bench --editor: how long the team editor takes to read every
// club and national-team file of a data folder (nothing is written).
#include "editor/editor.hpp"
#include "sim/comandos.hpp"
#include "sim/json.hpp"

#include <chrono>
#include <cstdio>

namespace sim {

int BenchDoEditor(const Argumentos& args) {
    bool presente = false;
    const std::string dados = args.Valor("--dados", &presente);
    if (!presente || dados.empty()) {
        std::fprintf(stderr, "pitchlord-sim: bench --editor needs --dados DIR\n");
        return 1;
    }
    const int arquivos = static_cast<int>(editor::ArquivosDeClubes().size());
    const auto t0 = std::chrono::steady_clock::now();
    const editor::Editor ed = editor::CarregarEditor();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    int selecoes = 0;
    for (int p = 0; p < world::kNumPaises; ++p) selecoes += editor::TemSelecao(ed, p) ? 1 : 0;
    if (args.Tem("--json")) {
        Json j;
        j.AbrirObjeto();
        j.Chave("arquivos_clubes").Numero(arquivos);
        j.Chave("clubes").Numero(static_cast<std::int64_t>(ed.clubes.size()));
        j.Chave("selecoes").Numero(selecoes);
        j.Chave("ms").Real(ms);
        j.FecharObjeto();
        std::printf("%s\n", j.Resultado().c_str());
        return 0;
    }
    std::printf("club files      %d (%zu read)\n", arquivos, ed.clubes.size());
    std::printf("national teams  %d\n", selecoes);
    std::printf("editor load ms  %.1f\n", ms);
    return 0;
}

} // namespace sim
