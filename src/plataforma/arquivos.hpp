#pragma once
// Whole-file reads and safe writes.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace plataforma {

// The file's bytes, or nothing when it is missing, a folder or unreadable.
// Reads at most `limite` bytes, sized once from the file.
std::optional<std::vector<std::uint8_t>> LerArquivo(const std::filesystem::path& caminho,
                                                    std::size_t limite = 64u << 20);

// Writes to a temporary file beside the target, flushes it and renames it into
// place, so a failed or interrupted write never destroys the previous file.
// Returns false (and leaves the old file alone) on any failure.
bool GravarArquivoAtomico(const std::filesystem::path& caminho,
                          std::span<const std::uint8_t> dados);
bool GravarArquivoAtomico(const std::filesystem::path& caminho, std::string_view texto);

// Buffered writes to an open file: large blocks go straight to the file, small
// ones gather in a fixed buffer. Once a write fails every later one is
// refused, so the caller may write on and look at the outcome once.
class GravadorArquivo {
public:
    explicit GravadorArquivo(int fd);
    ~GravadorArquivo();
    GravadorArquivo(const GravadorArquivo&) = delete;
    GravadorArquivo& operator=(const GravadorArquivo&) = delete;

    bool Escrever(const void* origem, std::size_t n);
    bool Descarregar(); // writes out what the buffer holds
    bool Ok() const { return ok_; }
    std::uint64_t Escritos() const { return escritos_; }

private:
    bool Enviar(const std::uint8_t* p, std::size_t n);
    int fd_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t usado_ = 0;
    std::uint64_t escritos_ = 0;
    bool ok_ = true;
};

// The same safe write with the bytes produced as they are written: `escrever`
// writes the whole file through the writer and returns false to give up. The
// temporary file is flushed, renamed into place and the folder synced; on any
// failure it is removed and the previous file stays as it was.
bool GravarArquivoAtomico(const std::filesystem::path& caminho,
                          const std::function<bool(GravadorArquivo&)>& escrever);

// Buffered reads of a regular file from start to end, with what is left known
// from the size the file had when it was opened: a reader checks every count
// against Restante() before it allocates. Ler and Pular are all or nothing.
class LeitorArquivo {
public:
    LeitorArquivo() = default;
    ~LeitorArquivo();
    LeitorArquivo(const LeitorArquivo&) = delete;
    LeitorArquivo& operator=(const LeitorArquivo&) = delete;

    bool Abrir(const std::filesystem::path& caminho); // false: missing, a folder, unreadable
    std::uint64_t Tamanho() const { return tamanho_; }
    std::uint64_t Restante() const { return tamanho_ - posicao_; }
    bool Ler(void* destino, std::size_t n);
    bool Pular(std::size_t n);

private:
    bool Encher();
    int fd_ = -1;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t inicio_ = 0, fim_ = 0; // the buffer's unread bytes
    std::uint64_t tamanho_ = 0, posicao_ = 0;
};
// Removes the temporary files ("<name>.tmp<pid>") that writes killed midway
// left in folder `pasta`: those of a process that no longer runs. Every
// successful write cleans its folder so; the game cleans its saves' folder
// at start. Returns how many went.
int LimparTemporarios(std::filesystem::path pasta);

} // namespace plataforma
