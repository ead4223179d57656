#include "plataforma/caminhos.hpp"

#include "plataforma/cp1252.hpp"

#include <algorithm>
#include <system_error>

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
}

namespace {

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
    return ResolverEm(PastasDoJogo().raiz, relativo);
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
