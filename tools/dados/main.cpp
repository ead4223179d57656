// pitchlord-dados: writes the default world into the runtime folder.
//   pitchlord-dados --fontes data --saida build/jogo [--pacote]
//   pitchlord-dados --icones build/icones
// Same sources, same bytes. --pacote writes the world an installation shares,
// without the sav/ folder of a game folder; --icones the desktop icon.
#include "fundos.hpp"
#include "icone.hpp"
#include "idiomas.hpp"
#include "mundo.hpp"
#include "opcoes.hpp"
#include "plataforma/arquivos.hpp"
#include "sons.hpp"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

int Falha(const std::string& msg) {
    std::fprintf(stderr, "pitchlord-dados: %s\n", msg.c_str());
    return 1;
}

bool Gravar(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(p.parent_path());
    return plataforma::GravarArquivoAtomico(p, bytes);
}

} // namespace

int main(int argc, char** argv) {
    std::filesystem::path fontes = "data", saida, icones;
    bool pacote = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pacote") == 0)
            pacote = true;
        else if (i + 1 == argc)
            return Falha(std::string("option without a value: ") + argv[i]);
        else if (std::strcmp(argv[i], "--fontes") == 0)
            fontes = argv[++i];
        else if (std::strcmp(argv[i], "--saida") == 0)
            saida = argv[++i];
        else if (std::strcmp(argv[i], "--icones") == 0)
            icones = argv[++i];
        else
            return Falha(std::string("unknown option ") + argv[i]);
    }
    std::string erro;
    if (!icones.empty()) {
        if (!dados::GerarIcones(icones, erro)) return Falha(erro);
        if (saida.empty()) return 0;
    }
    if (saida.empty())
        return Falha("usage: pitchlord-dados --fontes DATA --saida RUNTIME_FOLDER [--pacote]");
    std::error_code ec;
    if (!std::filesystem::is_directory(fontes, ec))
        return Falha("no sources at " + fontes.string());
    std::filesystem::create_directories(pacote ? saida : saida / "sav", ec);

    if (!dados::GerarIdiomas(fontes, saida, erro)) return Falha(erro);
    for (const dados::Som& s : dados::GerarSons())
        if (!Gravar(saida / "sons" / s.nome, s.wav)) return Falha("cannot write sons/" + s.nome);
    if (!Gravar(saida / "img/f01.bmp", dados::GerarBmp(dados::FundoGramado())) ||
        !Gravar(saida / "img/f02.bmp", dados::GerarBmp(dados::FundoTorcida())) ||
        !Gravar(saida / "teams/logos/nullescudo.gif", dados::GerarGif(dados::EscudoNulo())))
        return Falha("cannot write the pictures");
    if (!dados::GerarMundo(fontes, saida, erro)) return Falha(erro);
    if (!dados::GerarOpcoes(saida, erro)) return Falha(erro);
    return 0;
}
