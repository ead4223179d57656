#include "plataforma/arquivos.hpp"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
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

bool GravarArquivoAtomico(const std::filesystem::path& caminho,
                          std::span<const std::uint8_t> dados) {
    std::filesystem::path temp = caminho;
    temp += ".tmp" + std::to_string(static_cast<long>(::getpid()));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t escrito = 0;
    bool ok = true;
    while (escrito < dados.size()) {
        const ssize_t n = ::write(fd, dados.data() + escrito, dados.size() - escrito);
        if (n <= 0) {
            ok = false;
            break;
        }
        escrito += static_cast<std::size_t>(n);
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

bool GravarArquivoAtomico(const std::filesystem::path& caminho, std::string_view texto) {
    return GravarArquivoAtomico(
        caminho, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(texto.data()),
                                               texto.size()));
}

} // namespace plataforma
