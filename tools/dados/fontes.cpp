#include "fontes.hpp"

#include "plataforma/arquivos.hpp"

#include <sstream>

namespace dados {
namespace {

std::vector<std::string> Linhas(const std::filesystem::path& arquivo, bool& ok) {
    std::vector<std::string> linhas;
    const auto bytes = plataforma::LerArquivo(arquivo);
    ok = bytes.has_value();
    if (!ok) return linhas;
    std::string atual;
    for (std::uint8_t b : *bytes) {
        if (b == '\n') {
            if (!atual.empty() && atual.back() == '\r') atual.pop_back();
            linhas.push_back(std::move(atual));
            atual.clear();
        } else {
            atual += static_cast<char>(b);
        }
    }
    if (!atual.empty()) linhas.push_back(atual);
    return linhas;
}

std::vector<std::string> Campos(const std::string& linha) {
    std::vector<std::string> c;
    std::string atual;
    for (char ch : linha) {
        if (ch == '\t') {
            c.push_back(atual);
            atual.clear();
        } else {
            atual += ch;
        }
    }
    c.push_back(atual);
    return c;
}

std::string Aparar(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return s.substr(i);
}

std::optional<int> Inteiro(const std::string& s) {
    try {
        std::size_t fim = 0;
        const int v = std::stoi(s, &fim);
        if (fim != s.size()) return std::nullopt;
        return v;
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace

bool LerPaises(const std::filesystem::path& arquivo, std::vector<PaisFonte>& paises,
               std::string& erro) {
    bool ok;
    const auto linhas = Linhas(arquivo, ok);
    if (!ok) {
        erro = "cannot read " + arquivo.string();
        return false;
    }
    std::map<std::string, std::size_t> coluna;
    bool cabecalho = true;
    for (std::size_t n = 0; n < linhas.size(); ++n) {
        const std::string& l = linhas[n];
        if (l.empty() || l[0] == '#') continue;
        const auto c = Campos(l);
        if (cabecalho) {
            for (std::size_t i = 0; i < c.size(); ++i) coluna[Aparar(c[i])] = i;
            cabecalho = false;
            for (const char* k : {"codigo", "clubes", "nivel_min", "nivel_max", "selecao"})
                if (!coluna.count(k)) {
                    erro = arquivo.string() + ": no column " + k;
                    return false;
                }
            continue;
        }
        auto campo = [&](const char* k) {
            const std::size_t i = coluna[k];
            return i < c.size() ? Aparar(c[i]) : std::string();
        };
        PaisFonte p;
        const auto codigo = Inteiro(campo("codigo"));
        const auto clubes = Inteiro(campo("clubes"));
        const auto mn = Inteiro(campo("nivel_min"));
        const auto mx = Inteiro(campo("nivel_max"));
        if (!codigo || !clubes || !mn || !mx || *codigo < 0 || *codigo > 201 || *mn > *mx) {
            erro = arquivo.string() + ":" + std::to_string(n + 1) + ": bad row";
            return false;
        }
        p.codigo = *codigo;
        p.clubes = *clubes;
        p.nivelmin = *mn;
        p.nivelmax = *mx;
        const std::string sel = campo("selecao");
        if (sel != "-" && !sel.empty()) {
            const auto v = Inteiro(sel);
            if (!v) {
                erro = arquivo.string() + ":" + std::to_string(n + 1) + ": bad national-team level";
                return false;
            }
            p.nivelselecao = *v;
        }
        paises.push_back(p);
    }
    return true;
}

bool LerNomes(const std::filesystem::path& arquivo, Nomes& nomes, std::string& erro) {
    bool ok;
    const auto linhas = Linhas(arquivo, ok);
    if (!ok) {
        erro = "cannot read " + arquivo.string();
        return false;
    }
    std::string secao;
    for (const std::string& bruta : linhas) {
        const std::string l = Aparar(bruta);
        if (l.empty() || l[0] == '#') continue;
        if (l.front() == '[' && l.back() == ']') {
            secao = l.substr(1, l.size() - 2);
            continue;
        }
        if (secao == "nomes")
            nomes.nomes.push_back(l);
        else if (secao == "sobrenomes")
            nomes.sobrenomes.push_back(l);
        else if (secao == "padroes")
            nomes.padroes.push_back(l);
        else if (secao == "estadios")
            nomes.estadios.push_back(l);
        else if (secao == "cidades") {
            const auto tab = l.find('\t');
            if (tab != std::string::npos) {
                const auto estado = Inteiro(Aparar(l.substr(0, tab)));
                nomes.cidades.emplace_back(estado.value_or(-1), Aparar(l.substr(tab + 1)));
            } else {
                nomes.cidades.emplace_back(-1, l);
            }
        }
    }
    if (nomes.nomes.empty() || nomes.sobrenomes.empty()) {
        erro = arquivo.string() + ": needs [nomes] and [sobrenomes]";
        return false;
    }
    if (nomes.padroes.empty()) nomes.padroes.push_back("{c}");
    if (nomes.estadios.empty()) nomes.estadios.push_back("Estadio {s}");
    return true;
}

} // namespace dados
