#pragma once
// Profile (INI) files with the semantics the game's files were written for:
// section and key names ignore case, a value is the rest of its line after the
// first "=" (surrounding blanks trimmed), the first of duplicate sections or
// keys wins, and writing a key keeps every other line as it was.
// Names and values are raw bytes (the game's files are Windows-1252).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

class ArquivoPerfil {
public:
    ArquivoPerfil() = default;
    // A missing or unreadable file gives an empty profile.
    static ArquivoPerfil Abrir(const std::filesystem::path& caminho);
    static ArquivoPerfil DeTexto(std::string_view texto);

    std::optional<std::string> Ler(std::string_view secao, std::string_view chave) const;
    std::string Ler(std::string_view secao, std::string_view chave, std::string_view padrao) const;
    // Every key of a section, in file order (first occurrence of each).
    std::vector<std::pair<std::string, std::string>> Secao(std::string_view secao) const;

    void Gravar(std::string_view secao, std::string_view chave, std::string_view valor);
    std::string Texto() const;
    bool Salvar(const std::filesystem::path& caminho) const;

private:
    std::vector<std::string> linhas_; // without their line ends
    bool crlf_ = true;
};

// One-shot helpers that open the file for each call, as settings are used.
std::string LerPerfil(const std::filesystem::path& arquivo, std::string_view secao,
                      std::string_view chave, std::string_view padrao);
bool GravarPerfil(const std::filesystem::path& arquivo, std::string_view secao,
                  std::string_view chave, std::string_view valor);

} // namespace plataforma
