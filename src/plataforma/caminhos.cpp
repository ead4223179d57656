#include "plataforma/caminhos.hpp"

#include "plataforma/arquivos.hpp"
#include "plataforma/cp1252.hpp"

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace plataforma {

Pastas& PastasDoJogo() {
    static Pastas pastas;
    return pastas;
}
void DefinirRaiz(const std::filesystem::path& raiz) {
    PastasDoJogo().raiz = raiz;
}
void DefinirPastaPrograma(const std::filesystem::path& pasta) {
    PastasDoJogo().programa = pasta;
    PastasDoJogo().salvos = pasta;
}

namespace {

namespace fs = std::filesystem;

fs::path Casa() {
    if (const char* h = std::getenv("HOME"); h && *h) return h;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return ".";
}

// A base folder from its variable; a relative or empty one is ignored, as the
// rules say.
fs::path BaseXdg(const char* variavel, const char* padrao) {
    if (const char* v = std::getenv(variavel); v && *v == '/') return v;
    return Casa() / padrao;
}

bool TemEquipes(const fs::path& pasta) {
    std::error_code ec;
    return !pasta.empty() && fs::is_directory(ResolverEm(pasta, "teams"), ec);
}

// Copies a file the player has none of yet; a failure leaves the game on the
// fallbacks of a missing file.
void Semear(const fs::path& origem, const fs::path& destino) {
    std::error_code ec;
    fs::create_directories(destino.parent_path(), ec);
    if (fs::exists(fs::symlink_status(destino, ec)) || !ArquivoExiste(origem)) return;
    if (auto bytes = LerArquivo(origem)) GravarArquivoAtomico(destino, *bytes);
}

std::vector<std::string> Partes(std::string_view relativo) {
    std::vector<std::string> partes;
    std::string atual;
    for (char c : relativo) {
        if (c == '\\' || c == '/') {
            if (!atual.empty()) partes.push_back(std::move(atual));
            atual.clear();
        } else {
            atual += c;
        }
    }
    if (!atual.empty()) partes.push_back(std::move(atual));
    return partes;
}

} // namespace

std::filesystem::path ResolverEm(const std::filesystem::path& base, std::string_view relativo) {
    std::filesystem::path atual = base;
    bool existe = true;
    for (const std::string& parte : Partes(relativo)) {
        if (parte == ".") continue;
        std::error_code ec;
        if (existe && !std::filesystem::exists(atual / parte, ec) &&
            std::filesystem::is_directory(atual, ec)) {
            std::string achado;
            for (auto it = std::filesystem::directory_iterator(atual, ec);
                 !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
                const std::string nome = it->path().filename().string();
                if (IguaisSemCaixa(nome, parte) && (achado.empty() || nome < achado)) achado = nome;
            }
            if (!achado.empty()) {
                atual /= achado;
                continue;
            }
            existe = false;
        }
        atual /= parte;
        if (existe) existe = std::filesystem::exists(atual, ec);
    }
    return atual;
}

std::filesystem::path Resolver(std::string_view relativo) {
    const Pastas& p = PastasDoJogo();
    if (!p.usuario.empty()) {
        const auto partes = Partes(relativo);
        if (!partes.empty() && IguaisSemCaixa(partes.front(), "teams") && TemEquipes(p.usuario))
            return ResolverEm(p.usuario, relativo);
    }
    return ResolverEm(p.raiz, relativo);
}

std::filesystem::path PastaDadosDoUsuario() {
    return BaseXdg("XDG_DATA_HOME", ".local/share") / "pitchlord";
}

std::filesystem::path PastaAjustesDoUsuario() {
    return BaseXdg("XDG_CONFIG_HOME", ".config") / "pitchlord";
}

Pastas EscolherPastas(const Origem& o) {
    Pastas p;
    bool instalado = false;
    if (!o.dados.empty()) {
        p.raiz = o.dados;
    } else if (TemEquipes(o.atual)) {
        p.raiz = o.atual;
    } else if (TemEquipes(o.programa)) {
        p.raiz = o.programa;
    } else {
        p.raiz = (o.programa / ".." / "share" / "pitchlord").lexically_normal();
        p.usuario = PastaDadosDoUsuario();
        instalado = true;
    }
    if (o.ajustescomomundo && !instalado) {
        p.programa = p.salvos = p.raiz;
    } else if (o.programagravavel && TemEquipes(o.programa)) {
        p.programa = p.salvos = o.programa;
    } else {
        p.programa = PastaAjustesDoUsuario();
        p.salvos = PastaDadosDoUsuario();
        p.idioma = p.programa / "languages" / "config.ini";
    }
    return p;
}

void UsarPastas(const Pastas& pastas) {
    PastasDoJogo() = pastas;
    if (pastas.idioma.empty()) return;
    Semear(ResolverEm(pastas.raiz, "pitchlord.ini"), pastas.programa / "pitchlord.ini");
    Semear(ResolverEm(pastas.raiz, "languages\\config.ini"), pastas.idioma);
}

std::filesystem::path PastaDoExecutavel(const char* argv0) {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty()) return exe.parent_path();
    return fs::absolute(argv0 ? argv0 : ".", ec).parent_path();
}

bool PastaGravavel(const std::filesystem::path& pasta) {
    return ::access(pasta.c_str(), W_OK) == 0;
}

std::filesystem::path ArquivoConfigIdioma() {
    const Pastas& p = PastasDoJogo();
    return p.idioma.empty() ? Resolver("languages\\config.ini") : p.idioma;
}

std::optional<Mudanca> CopiarEquipesDoUsuario() {
    const Pastas& p = PastasDoJogo();
    if (p.usuario.empty() || TemEquipes(p.usuario)) return std::nullopt;
    const fs::path de = ResolverEm(p.raiz, "teams");
    const fs::path para = p.usuario / "teams";
    // Copied beside and renamed into place, so a copy cut short is never
    // taken for the player's teams.
    const fs::path temp = p.usuario / (".teams.tmp" + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(temp, ec);
    fs::create_directories(p.usuario, ec);
    fs::copy(de, temp, fs::copy_options::recursive, ec);
    if (!ec) fs::rename(temp, para, ec);
    if (ec) {
        fs::remove_all(temp, ec);
        return std::nullopt;
    }
    return Mudanca{de, para};
}

bool ArquivoExiste(const std::filesystem::path& caminho) {
    std::error_code ec;
    return std::filesystem::is_regular_file(caminho, ec);
}

bool CombinaMascara(std::string_view nome, std::string_view mascara) {
    // Iterative glob with one backtrack point: linear in practice.
    std::size_t n = 0, m = 0, estrela = std::string_view::npos, volta = 0;
    while (n < nome.size()) {
        if (m < mascara.size() &&
            (mascara[m] == '?' || MinusculaAscii(mascara[m]) == MinusculaAscii(nome[n]))) {
            ++n;
            ++m;
        } else if (m < mascara.size() && mascara[m] == '*') {
            estrela = m++;
            volta = n;
        } else if (estrela != std::string_view::npos) {
            m = estrela + 1;
            n = ++volta;
        } else {
            return false;
        }
    }
    while (m < mascara.size() && mascara[m] == '*') ++m;
    return m == mascara.size();
}

std::vector<std::string> ListarArquivos(const std::filesystem::path& pasta,
                                        std::string_view mascara) {
    std::vector<std::string> nomes;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(pasta, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::string nome = it->path().filename().string();
        if (CombinaMascara(nome, mascara)) nomes.push_back(std::move(nome));
    }
    std::sort(nomes.begin(), nomes.end(),
              [](const std::string& a, const std::string& b) { return MenorSemCaixa(a, b); });
    return nomes;
}

} // namespace plataforma
