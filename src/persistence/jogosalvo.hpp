#pragma once
// Saved games: one file per game in "sav/" beside the program, a straight
// dump of the game's tables in a fixed order with the record sizes fixed to
// the byte. Saving writes a temporary file and renames it into place; loading
// builds a fresh game and hands it over only once the whole file was read.
#include "world/jogo.hpp"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace persistence {

constexpr int kMaxNomeArquivo = 50;
constexpr const char* kExtensao = ".s07";
// No game grows a file this large (the match archive, the largest table, adds
// a few megabytes a season); a larger one is not ours and is refused before
// anything is read, and a game that would write one is not saved.
constexpr std::uint64_t kTamanhoMaximo = std::uint64_t{1} << 31;

// The folder of saved games under the program folder.
std::filesystem::path PastaSav();

// The file's bytes for a game (descriptions as they stand in the block), as
// one image in memory: for tests and tools; saving streams (GravarJogo).
std::vector<unsigned char> SerializarJogo(const world::Jogo& jogo);
// The same bytes handed to `saida` in pieces as they are produced, without
// ever holding the whole file (a fingerprint, a comparison).
void EscreverJogo(const world::Jogo& jogo,
                  const std::function<void(const void*, std::size_t)>& saida);

enum class ResultadoCarga { Ok, Ilegivel };
// Reads a whole file into `saida`, which is only written on success. A short,
// corrupt or hostile file is Ilegivel and leaves `saida` as it was.
ResultadoCarga DesserializarJogo(const std::vector<unsigned char>& bytes, world::Jogo& saida);

// Writes the game into `caminho` section by section through a small buffer:
// a temporary file beside it, flushed, renamed into place and the folder
// synced. False on any failure, the previous file left as it was.
bool GravarJogo(const std::filesystem::path& caminho, const world::Jogo& jogo);
// How far a load has gone: the file's bytes read so far and in all. Called on
// the thread that loads.
using Progresso = std::function<void(std::uint64_t lidos, std::uint64_t total)>;
// Reads `caminho` section by section straight into a fresh game and checks it
// whole, as DesserializarJogo does; `saida` changes only on success. Touches
// nothing but `saida`, so it may run on a worker thread.
ResultadoCarga LerJogo(const std::filesystem::path& caminho, world::Jogo& saida,
                       const Progresso& progresso = {});

// Fills `descrtecnico` and `descrtime` from the club on screen.
void PreencherDescricao(world::Jogo& jogo);
// The club description during a national-team tournament: the national team,
// then the club in parentheses, cut to 25 characters (Windows-1252 in and out).
std::string DescricaoComSelecao(std::string_view selecao, std::string_view clube);

// Saves under `arquivo` (which must be set). Returns false and leaves the
// previous file intact when the file cannot be written; the caller shows
// ErroAoSalvar().
bool salvajogo(world::Jogo& jogo);
std::string ErroAoSalvar(); // the message shown when saving fails (UTF-8)

// The season-end screen prepares the next season as it opens, so a save made
// there writes the game as it stood just before: loaded, it opens the
// season-end screen again and prepares the same next season (the random
// generator goes with it). The copy leaves out the match archive, by far the
// largest table, which the season end does not touch: the running game lends
// its own when the copy is saved.
class JogoAntesDoFim {
public:
    explicit JogoAntesDoFim(world::Jogo& jogo); // `jogo` is left as it was
    // Saves the copy under the running game's `arquivo` (which must be set),
    // as salvajogo does. False when the file cannot be written, or when the
    // running game has played a match since (nothing is then written).
    bool Salvar(world::Jogo& jogo);

private:
    world::Jogo copia_;
    std::size_t jogos_ = 0, eventos_ = 0;
};

// Loads "sav/" + `nome`: on success the game is swapped in whole, `arquivo`
// set, the calendar rebuilt, the automatic-save counter reset by the caller.
// On failure `jogo` is untouched and the caller shows text 357.
bool carregajogo(world::Jogo& jogo, const std::string& nome, const Progresso& progresso = {});

// Name rules of the name dialog: the file name for a typed name (".s07"
// added, at most 50 characters), and whether it already exists. File names
// here are UTF-8 as the folder holds them; `arquivo` keeps the Windows-1252
// form (plataforma::Utf8ParaCp1252) like every string of the block.
std::string NomeDoArquivo(const std::string& digitado);
bool ArquivoSalvoExiste(const std::string& arquivo);

// The load dialog.
std::vector<std::string> ListarJogosSalvos(); // "sav/*.s07", by name
struct DescricaoJogo {
    bool valido = false; // false: a wrong marker; `aviso` holds text 357
    std::string tecnico; // UTF-8
    std::string time;
    int ano = 0;          // 2006 + temporada
    int dia = 0, mes = 0; // the game's current date (in year `ano`)
    std::string proximo;  // the competition of the next match
    std::string aviso;
};
// Reads only the header and the state block. nullopt when unreadable: too
// short, or a season or date the load would refuse.
std::optional<DescricaoJogo> DescreverJogoSalvo(const std::string& arquivo);
bool ApagarJogoSalvo(const std::string& arquivo);

} // namespace persistence
