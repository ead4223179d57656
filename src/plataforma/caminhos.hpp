#pragma once
// Data folders live under one root (the working folder unless the player or a
// test says otherwise). The data was made on a system that ignores case and
// writes "\" between folders, so names resolve to whatever file exists.
// All names here are UTF-8 as the file system holds them.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

struct Pastas {
    std::filesystem::path raiz = ".";     // teams/, languages/, sav/, sons/, img/
    std::filesystem::path programa = "."; // where pitchlord.ini lives
};

// Process-wide folder settings: configuration of the process, not game state.
Pastas& PastasDoJogo();
void DefinirRaiz(const std::filesystem::path& raiz);
void DefinirPastaPrograma(const std::filesystem::path& pasta);

// Resolves a relative name such as "teams\\Logos\\abc.GIF" under `base`: each
// part matches an existing entry exactly or, failing that, ignoring ASCII case.
// Parts that match nothing are kept as written, so the result can be created.
std::filesystem::path ResolverEm(const std::filesystem::path& base, std::string_view relativo);
// ResolverEm under the data root.
std::filesystem::path Resolver(std::string_view relativo);

bool ArquivoExiste(const std::filesystem::path& caminho);

// Entry names (not paths) of `pasta` matching a wildcard ("*.b07", "?" for one
// character, ASCII case ignored), sorted by name ignoring case. Sub-folders
// whose name matches are listed too, as the original system lists them; the
// readers treat them as unreadable files.
std::vector<std::string> ListarArquivos(const std::filesystem::path& pasta,
                                        std::string_view mascara);

bool CombinaMascara(std::string_view nome, std::string_view mascara);

} // namespace plataforma
