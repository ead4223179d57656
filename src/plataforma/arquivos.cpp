#include "plataforma/arquivos.hpp"

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace plataforma {

std::optional<std::vector<std::uint8_t>> LerArquivo(const std::filesystem::path& caminho,
                                                    std::size_t limite) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(caminho, ec)) return std::nullopt;
    std::FILE* f = std::fopen(caminho.c_str(), "rb");
    if (!f) return std::nullopt;
    std::vector<std::uint8_t> dados;
    std::uint8_t bloco[8192];
    bool erro = false;
    while (dados.size() < limite) {
        const std::size_t n = std::fread(bloco, 1, sizeof bloco, f);
        if (n == 0) {
            erro = std::ferror(f) != 0;
            break;
        }
        const std::size_t k = n < limite - dados.size() ? n : limite - dados.size();
        dados.insert(dados.end(), bloco, bloco + k);
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
    }
    return ok;
}

bool GravarArquivoAtomico(const std::filesystem::path& caminho, std::string_view texto) {
    return GravarArquivoAtomico(
        caminho, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(texto.data()),
                                               texto.size()));
}

} // namespace plataforma
