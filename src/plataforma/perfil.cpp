#include "plataforma/perfil.hpp"

#include "plataforma/arquivos.hpp"
#include "plataforma/cp1252.hpp"

#include <unordered_set>

namespace plataforma {
namespace {

std::string_view Aparar(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// The name of a section header line, or nothing when the line is not one.
std::optional<std::string_view> NomeSecao(std::string_view linha) {
    linha = Aparar(linha);
    if (linha.empty() || linha.front() != '[') return std::nullopt;
    const auto fim = linha.find(']');
    std::string_view nome =
        linha.substr(1, fim == std::string_view::npos ? linha.size() - 1 : fim - 1);
    return Aparar(nome);
}

// Splits "key = value"; nothing when the line has no "=" or is a comment.
bool Par(std::string_view linha, std::string_view& chave, std::string_view& valor) {
    const std::string_view limpa = Aparar(linha);
    if (limpa.empty() || limpa.front() == ';' || limpa.front() == '[') return false;
    const auto igual = linha.find('=');
    if (igual == std::string_view::npos) return false;
    chave = Aparar(linha.substr(0, igual));
    valor = Aparar(linha.substr(igual + 1));
    return !chave.empty();
}

} // namespace

ArquivoPerfil ArquivoPerfil::DeTexto(std::string_view texto) {
    ArquivoPerfil p;
    p.crlf_ = texto.find("\r\n") != std::string_view::npos || texto.find('\n') == texto.npos;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fim = texto.find_first_of("\r\n", inicio);
        if (fim == std::string_view::npos) fim = texto.size();
        p.linhas_.emplace_back(texto.substr(inicio, fim - inicio));
        // CRLF, LF or a lone CR all end a line.
        if (fim < texto.size() && texto[fim] == '\r' && fim + 1 < texto.size() &&
            texto[fim + 1] == '\n')
            ++fim;
        inicio = fim + 1;
    }
    return p;
}

ArquivoPerfil ArquivoPerfil::Abrir(const std::filesystem::path& caminho) {
    const auto dados = LerArquivo(caminho);
    if (!dados) return {};
    return DeTexto(std::string_view(reinterpret_cast<const char*>(dados->data()), dados->size()));
}

std::optional<std::string> ArquivoPerfil::Ler(std::string_view secao,
                                              std::string_view chave) const {
    bool dentro = false;
    for (const std::string& linha : linhas_) {
        if (auto nome = NomeSecao(linha)) {
            if (dentro) return std::nullopt; // only the first section of that name counts
            dentro = IguaisSemCaixa(*nome, secao);
            continue;
        }
        std::string_view k, v;
        if (dentro && Par(linha, k, v) && IguaisSemCaixa(k, chave)) return std::string(v);
    }
    return std::nullopt;
}

std::string ArquivoPerfil::Ler(std::string_view secao, std::string_view chave,
                               std::string_view padrao) const {
    auto v = Ler(secao, chave);
    return v ? *v : std::string(padrao);
}

std::vector<std::pair<std::string, std::string>>
ArquivoPerfil::Secao(std::string_view secao) const {
    std::vector<std::pair<std::string, std::string>> pares;
    std::unordered_set<std::string> vistas;
    bool dentro = false;
    for (const std::string& linha : linhas_) {
        if (auto nome = NomeSecao(linha)) {
            if (dentro) break;
            dentro = IguaisSemCaixa(*nome, secao);
            continue;
        }
        std::string_view k, v;
        if (!dentro || !Par(linha, k, v)) continue;
        // The first of keys equal but for case wins; a set keeps the scan
        // linear for language files of any size.
        std::string chave(k);
        for (char& c : chave) c = MinusculaAscii(c);
        if (vistas.insert(std::move(chave)).second)
            pares.emplace_back(std::string(k), std::string(v));
    }
    return pares;
}

void ArquivoPerfil::Gravar(std::string_view secao, std::string_view chave, std::string_view valor) {
    const std::string nova = std::string(chave) + "=" + std::string(valor);
    std::size_t i = 0;
    for (; i < linhas_.size(); ++i) {
        auto nome = NomeSecao(linhas_[i]);
        if (nome && IguaisSemCaixa(*nome, secao)) break;
    }
    if (i == linhas_.size()) {
        if (!linhas_.empty() && !Aparar(linhas_.back()).empty()) linhas_.emplace_back();
        std::string cabecalho(1, '[');
        cabecalho.append(secao).push_back(']');
        linhas_.push_back(std::move(cabecalho));
        linhas_.push_back(nova);
        return;
    }
    std::size_t ultima = i; // last non-blank line of the section
    for (std::size_t j = i + 1; j < linhas_.size(); ++j) {
        if (NomeSecao(linhas_[j])) break;
        std::string_view k, v;
        if (Par(linhas_[j], k, v) && IguaisSemCaixa(k, chave)) {
            linhas_[j] = nova;
            return;
        }
        if (!Aparar(linhas_[j]).empty()) ultima = j;
    }
    linhas_.insert(linhas_.begin() + static_cast<std::ptrdiff_t>(ultima) + 1, nova);
}

std::string ArquivoPerfil::Texto() const {
    std::string t;
    const char* fim = crlf_ ? "\r\n" : "\n";
    for (const std::string& linha : linhas_) {
        t += linha;
        t += fim;
    }
    return t;
}

bool ArquivoPerfil::Salvar(const std::filesystem::path& caminho) const {
    return GravarArquivoAtomico(caminho, Texto());
}

std::string LerPerfil(const std::filesystem::path& arquivo, std::string_view secao,
                      std::string_view chave, std::string_view padrao) {
    return ArquivoPerfil::Abrir(arquivo).Ler(secao, chave, padrao);
}

bool GravarPerfil(const std::filesystem::path& arquivo, std::string_view secao,
                  std::string_view chave, std::string_view valor) {
    ArquivoPerfil p = ArquivoPerfil::Abrir(arquivo);
    p.Gravar(secao, chave, valor);
    return p.Salvar(arquivo);
}

} // namespace plataforma
