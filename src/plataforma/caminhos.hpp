#pragma once
// Data folders live under one root (the working folder unless the player, a
// test or an installation says otherwise). The data was made on a system that
// ignores case and writes "\" between folders, so names resolve to whatever
// file exists.
// All names here are UTF-8 as the file system holds them.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

struct Pastas {
    std::filesystem::path raiz = ".";     // the world: teams/, languages/, sons/, img/
    std::filesystem::path programa = "."; // where pitchlord.ini lives
    std::filesystem::path salvos = ".";   // where sav/ lives
    // An installed game keeps what the player changes in his own folders: the
    // language choice (empty: languages/config.ini of the world) and the folder
    // holding his copy of teams/, which the editor makes on its first change
    // (empty: the world's teams/ is the one written).
    std::filesystem::path idioma;
    std::filesystem::path usuario;
};

// Process-wide folder settings: configuration of the process, not game state.
Pastas& PastasDoJogo();
void DefinirRaiz(const std::filesystem::path& raiz);
// Settings and saves beside the program, in `pasta`.
void DefinirPastaPrograma(const std::filesystem::path& pasta);

// The player's own folders by the XDG base-directory rules:
// $XDG_DATA_HOME/pitchlord (default ~/.local/share/pitchlord) and
// $XDG_CONFIG_HOME/pitchlord (default ~/.config/pitchlord).
std::filesystem::path PastaDadosDoUsuario();
std::filesystem::path PastaAjustesDoUsuario();

// What a program knows of where it was started.
struct Origem {
    std::filesystem::path atual;    // the working folder
    std::filesystem::path programa; // the program's own folder
    std::filesystem::path dados;    // named by --dados; empty when not given
    bool programagravavel = false;  // the program's folder can be written
    // pitchlord-sim: a world named by --dados or found beside it holds its
    // settings too, as its tests and scripts prepare it.
    bool ajustescomomundo = false;
};
// The world is the folder named by --dados, else the working folder or the
// program's own folder when it holds teams/, else the installed one,
// <program>/../share/pitchlord, with the player's copy of teams/ before it.
// Settings and saves stay beside the program when its folder holds the world
// and can be written (a game folder as the build lays out); otherwise they go
// to the player's folders.
Pastas EscolherPastas(const Origem& origem);
// Makes `pastas` the process's, first giving the player's folders the
// settings and language choice the world ships when he has none yet.
void UsarPastas(const Pastas& pastas);
// The folder a program runs from (from /proc, else from argv[0]).
std::filesystem::path PastaDoExecutavel(const char* argv0);
bool PastaGravavel(const std::filesystem::path& pasta);

// The language choice file in use.
std::filesystem::path ArquivoConfigIdioma();
// Before the first change to teams/ in an installed game: copies the world's
// teams/ into the player's folder, which from then on is the one read and
// written. Returns the old and the new teams/ folder when it was copied now.
struct Mudanca {
    std::filesystem::path de, para;
};
std::optional<Mudanca> CopiarEquipesDoUsuario();

// Resolves a relative name such as "teams\\Logos\\abc.GIF" under `base`: each
// part matches an existing entry exactly or, failing that, ignoring ASCII case.
// Parts that match nothing are kept as written, so the result can be created.
std::filesystem::path ResolverEm(const std::filesystem::path& base, std::string_view relativo);
// ResolverEm under the data root (teams/ under the player's copy, if he has one).
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
