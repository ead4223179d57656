#include "idiomas.hpp"

#include "plataforma/arquivos.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/cp1252.hpp"

namespace dados {

std::string ConverterIdioma(const std::string& utf8) {
    std::string t = plataforma::Utf8ParaCp1252(utf8);
    std::string r;
    r.reserve(t.size() + t.size() / 20);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') {
            if (i + 1 < t.size() && t[i + 1] == '\n') ++i;
            r += "\r\n";
        } else if (t[i] == '\n') {
            r += "\r\n";
        } else {
            r += t[i];
        }
    }
    if (!r.empty() && r.back() != '\n') r += "\r\n";
    return r;
}

bool GerarIdiomas(const std::filesystem::path& fontes, const std::filesystem::path& saida,
                  std::string& erro) {
    const auto pasta = fontes / "idiomas";
    const auto arquivos = plataforma::ListarArquivos(pasta, "*.ini");
    if (arquivos.empty()) {
        erro = "no language sources in " + pasta.string();
        return false;
    }
    std::filesystem::create_directories(saida / "languages");
    for (const std::string& nome : arquivos) {
        const auto dados = plataforma::LerArquivo(pasta / nome);
        if (!dados) {
            erro = "cannot read " + (pasta / nome).string();
            return false;
        }
        const std::string texto = ConverterIdioma(std::string(dados->begin(), dados->end()));
        const std::string destino = nome.substr(0, nome.size() - 4) + ".txt";
        if (!plataforma::GravarArquivoAtomico(saida / "languages" / destino, texto)) {
            erro = "cannot write " + destino;
            return false;
        }
    }
    // The player's own choice of language survives a rebuild.
    const auto config = saida / "languages" / "config.ini";
    if (!plataforma::ArquivoExiste(config) &&
        !plataforma::GravarArquivoAtomico(config, std::string_view("[language]\r\nid=10\r\n"))) {
        erro = "cannot write languages/config.ini";
        return false;
    }
    return true;
}

} // namespace dados
