#include "plataforma/arquivos.hpp"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace plataforma {

namespace {

// The folder itself is flushed after a rename, so that the new name survives
// a power cut as surely as the bytes do.
void SincronizarPasta(const std::filesystem::path& pasta) {
    const int fd = ::open(pasta.empty() ? "." : pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

int LimparTemporarios(std::filesystem::path pasta) {
    if (pasta.empty()) pasta = ".";
    std::error_code ec;
    int removidos = 0;
    for (std::filesystem::directory_iterator it(pasta, ec), fim; !ec && it != fim;
         it.increment(ec)) {
        const std::string nome = it->path().filename().string();
        const auto tmp = nome.rfind(".tmp");
        if (tmp == std::string::npos || tmp == 0) continue;
        const std::string numero = nome.substr(tmp + 4);
        if (numero.empty() || numero.size() > 9 ||
            numero.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const long pid = std::stol(numero);
        // Another game still writing keeps its file; a writer that is gone
        // (killed mid-save) left it behind for good.
        if (pid == static_cast<long>(::getpid())) continue;
        if (pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)) continue;
        std::error_code erro;
        if (std::filesystem::remove(it->path(), erro)) ++removidos;
    }
    return removidos;
}

std::optional<std::vector<std::uint8_t>> LerArquivo(const std::filesystem::path& caminho,
                                                    std::size_t limite) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(caminho, ec)) return std::nullopt;
    std::FILE* f = std::fopen(caminho.c_str(), "rb");
    if (!f) return std::nullopt;
    // Sized once from what the file holds (a file still growing reads on in
    // steps), read in large blocks straight into place.
    std::vector<std::uint8_t> dados;
    const auto tamanho = std::filesystem::file_size(caminho, ec);
    if (!ec) dados.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(tamanho, limite)));
    bool erro = false;
    while (dados.size() < limite) {
        std::size_t bloco = dados.capacity() > dados.size() ? dados.capacity() - dados.size()
                                                            : std::size_t{1} << 16;
        bloco = std::min(bloco, limite - dados.size());
        const std::size_t antes = dados.size();
        dados.resize(antes + bloco);
        const std::size_t n = std::fread(dados.data() + antes, 1, bloco, f);
        dados.resize(antes + n);
        if (n < bloco) {
            erro = std::ferror(f) != 0;
            break;
        }
    }
    std::fclose(f);
    if (erro) return std::nullopt;
    return dados;
}

namespace {

constexpr std::size_t kBuffer = std::size_t{1} << 20;

} // namespace

GravadorArquivo::GravadorArquivo(int fd) : fd_(fd), buffer_(new std::uint8_t[kBuffer]) {}

GravadorArquivo::~GravadorArquivo() = default;

bool GravadorArquivo::Enviar(const std::uint8_t* p, std::size_t n) {
    while (ok_ && n > 0) {
        const ssize_t k = ::write(fd_, p, n);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) {
            ok_ = false;
            break;
        }
        p += k;
        n -= static_cast<std::size_t>(k);
        escritos_ += static_cast<std::uint64_t>(k);
    }
    return ok_;
}

bool GravadorArquivo::Descarregar() {
    const std::size_t n = usado_;
    usado_ = 0;
    return Enviar(buffer_.get(), n);
}

bool GravadorArquivo::Escrever(const void* origem, std::size_t n) {
    if (!ok_) return false;
    const auto* p = static_cast<const std::uint8_t*>(origem);
    if (usado_ + n <= kBuffer) {
        if (n) std::memcpy(buffer_.get() + usado_, p, n);
        usado_ += n;
        return true;
    }
    // A table larger than what the buffer has room for goes out from where
    // it lies, after what the buffer held.
    return Descarregar() && (n < kBuffer ? Escrever(p, n) : Enviar(p, n));
}

bool GravarArquivoAtomico(const std::filesystem::path& caminho,
                          const std::function<bool(GravadorArquivo&)>& escrever) {
    std::filesystem::path temp = caminho;
    temp += ".tmp" + std::to_string(static_cast<long>(::getpid()));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok;
    {
        GravadorArquivo w(fd);
        ok = escrever(w) && w.Descarregar() && w.Ok();
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(temp.c_str(), caminho.c_str()) != 0) ok = false;
    if (!ok) {
        std::error_code ec;
        std::filesystem::remove(temp, ec);
        return false;
    }
    SincronizarPasta(caminho.parent_path());
    LimparTemporarios(caminho.parent_path());
    return true;
}

bool GravarArquivoAtomico(const std::filesystem::path& caminho,
                          std::span<const std::uint8_t> dados) {
    return GravarArquivoAtomico(
        caminho, [&](GravadorArquivo& w) { return w.Escrever(dados.data(), dados.size()); });
}

LeitorArquivo::~LeitorArquivo() {
    if (fd_ >= 0) ::close(fd_);
}

bool LeitorArquivo::Abrir(const std::filesystem::path& caminho) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    // Only a regular file is read, and that is known before opening: opening
    // a pipe or a device for reading may wait forever for a writer. The open
    // itself never blocks, and what was opened is checked again.
    struct stat st {};
    if (::stat(caminho.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    fd_ = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return false;
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    tamanho_ = static_cast<std::uint64_t>(st.st_size);
    posicao_ = 0;
    inicio_ = fim_ = 0;
    if (!buffer_) buffer_.reset(new std::uint8_t[kBuffer]);
    return true;
}

bool LeitorArquivo::Encher() {
    inicio_ = fim_ = 0;
    for (;;) {
        const ssize_t k = ::read(fd_, buffer_.get(), kBuffer);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) return false;
        fim_ = static_cast<std::size_t>(k);
        return true;
    }
}

bool LeitorArquivo::Ler(void* destino, std::size_t n) {
    if (fd_ < 0 || n > Restante()) return false;
    auto* p = static_cast<std::uint8_t*>(destino);
    while (n > 0) {
        if (inicio_ == fim_) {
            // A large table goes from the file straight into its records.
            if (n >= kBuffer) {
                const ssize_t k = ::read(fd_, p, n);
                if (k < 0 && errno == EINTR) continue;
                if (k <= 0) return false;
                p += k;
                n -= static_cast<std::size_t>(k);
                posicao_ += static_cast<std::uint64_t>(k);
                continue;
            }
            if (!Encher()) return false;
        }
        const std::size_t k = std::min(n, fim_ - inicio_);
        std::memcpy(p, buffer_.get() + inicio_, k);
        inicio_ += k;
        p += k;
        n -= k;
        posicao_ += k;
    }
    return true;
}

bool LeitorArquivo::Pular(std::size_t n) {
    if (fd_ < 0 || n > Restante()) return false;
    const std::size_t noBuffer = std::min(n, fim_ - inicio_);
    inicio_ += noBuffer;
    posicao_ += noBuffer;
    n -= noBuffer;
    if (n == 0) return true;
    if (::lseek(fd_, static_cast<off_t>(n), SEEK_CUR) < 0) return false;
    posicao_ += n;
    return true;
}

bool GravarArquivoAtomico(const std::filesystem::path& caminho, std::string_view texto) {
    return GravarArquivoAtomico(
        caminho, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(texto.data()),
                                               texto.size()));
}

} // namespace plataforma
