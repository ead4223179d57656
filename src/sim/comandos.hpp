#pragma once
// The commands of pitchlord-sim.
#include <string>
#include <vector>

namespace sim {

struct Argumentos {
    std::vector<std::string> lista;
    // The value after --name, or empty; `presente` tells whether it was given.
    std::string Valor(const std::string& nome, bool* presente = nullptr) const;
    bool Tem(const std::string& nome) const;
};

int ComandoClubes(const Argumentos& args);
int ComandoBench(const Argumentos& args);
int ComandoPartida(const Argumentos& args);
int ComandoJogar(const Argumentos& args);
// bench --temporadas: a whole game from the new game to saving and loading it.
int BenchDoJogo(const Argumentos& args);
// bench --editor: the team editor reading every club and national-team file.
int BenchDoEditor(const Argumentos& args);
// bench --carregar F: a saved game loaded into a process without a game.
int BenchDaCarga(const Argumentos& args);

// Resident memory in MiB from /proc/self/status ("VmRSS" now, "VmHWM" the peak
// since the last reset); -1 where the system does not tell.
double MemoriaMiB(const char* campo);
// Starts the peak over from what the process holds now.
void ZerarPico();

} // namespace sim
