// pitchlord-sim: the game without windows.
#include "plataforma/caminhos.hpp"
#include "sim/comandos.hpp"

#include <cstdio>
#include <cstring>

namespace sim {

std::string Argumentos::Valor(const std::string& nome, bool* presente) const {
    for (std::size_t i = 0; i < lista.size(); ++i)
        if (lista[i] == nome) {
            if (presente) *presente = true;
            return i + 1 < lista.size() ? lista[i + 1] : std::string();
        }
    if (presente) *presente = false;
    return {};
}

bool Argumentos::Tem(const std::string& nome) const {
    for (const auto& a : lista)
        if (a == nome) return true;
    return false;
}

} // namespace sim

namespace {

void Uso() {
    std::fputs("usage: pitchlord-sim <command> [options]\n"
               "\n"
               "commands:\n"
               "  clubes --dados DIR --ligas P1,P2,... --divisoes 10|20 [--semente S] [--json]\n"
               "      places the clubs of the given countries into divisions, loads the\n"
               "      world as a new game does, and lists every club with its squad.\n"
               "  bench [--datas N] [--semente S] [--dados DIR --ligas L --divisoes 10|20]\n"
               "        [--json]\n"
               "      plays N dates of 20 matches in the quick mode on a world of its own\n"
               "      (or the loaded one) and prints the speed and the match figures.\n"
               "  bench --temporadas N --dados DIR --ligas L|all --divisoes 10|20\n"
               "        [--estaduais] [--sem-continentais] [--humanos K] [--semente S] [--json]\n"
               "      times a new game, N seasons in the quick mode, and saving and\n"
               "      loading the game at the end.\n"
               "  bench --editor --dados DIR [--json]\n"
               "      times the team editor reading every club and national-team file.\n"
               "  bench --carregar FILE [--json]\n"
               "      times loading a saved game into a process without a game, with the\n"
               "      memory the load peaks at beside what the loaded game keeps.\n"
               "  partida --dados DIR --ligas L --divisoes 10|20 --mandante I --visitante J\n"
               "          --jogos N [--codigo T] [--semente S] [--json]\n"
               "      plays fixture I v J N times from a fresh copy of the loaded world.\n"
               "  jogar --dados DIR --ligas L|all --divisoes 10|20 [--estaduais] [--sem-copa]\n"
               "        [--sem-continentais] [--sem-selecoes]\n"
               "        --humanos K --temporadas N --semente S [--ate-data D]\n"
               "        [--salvar-em FILE] [--carregar FILE] [--verificar] [--relogio]\n"
               "        [--sem-mercado] [--json]\n"
               "      starts a new game (or loads FILE) and plays N seasons date after date,\n"
               "      the K humans on autopilot; prints each season's champions, tables\n"
               "      and top scorers. --ate-data stops after date D of the last season,\n"
               "      --salvar-em saves the game there, --verificar checks the game's\n"
               "      invariants after every date, --relogio plays the groups a human\n"
               "      watches minute by minute as the match screen does (penalties and\n"
               "      half-time included) instead of the quick mode; --sem-mercado keeps\n"
               "      the humans out of the transfer market (no deals, no bids).\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        Uso();
        return argc < 2 ? 2 : 0;
    }
    sim::Argumentos args;
    for (int i = 2; i < argc; ++i) args.lista.emplace_back(argv[i]);
    // A world named by --dados or found in the working folder holds its own
    // settings; an installed game keeps them in the player's folders.
    plataforma::Origem origem;
    std::error_code ec;
    origem.atual = std::filesystem::current_path(ec);
    origem.programa = plataforma::PastaDoExecutavel(argv[0]);
    origem.programagravavel = plataforma::PastaGravavel(origem.programa);
    origem.dados = args.Valor("--dados");
    origem.ajustescomomundo = true;
    plataforma::UsarPastas(plataforma::EscolherPastas(origem));
    const std::string comando = argv[1];
    if (comando == "clubes") return sim::ComandoClubes(args);
    if (comando == "bench") return sim::ComandoBench(args);
    if (comando == "partida") return sim::ComandoPartida(args);
    if (comando == "jogar") return sim::ComandoJogar(args);
    std::fprintf(stderr, "pitchlord-sim: unknown command '%s'\n", comando.c_str());
    Uso();
    return 2;
}
