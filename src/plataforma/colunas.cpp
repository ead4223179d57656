#include "plataforma/colunas.hpp"

namespace plataforma {
namespace {

// The bytes 10xxxxxx continue a character; every other byte starts one.
bool Continua(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::size_t LarguraUtf8(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        if (!Continua(c)) ++n;
    return n;
}

std::string ColunaUtf8(std::string_view utf8, std::size_t largura) {
    std::size_t fim = 0, n = 0;
    while (fim < utf8.size()) {
        if (!Continua(utf8[fim])) {
            if (n == largura) break;
            ++n;
        }
        ++fim;
    }
    std::string r(utf8.substr(0, fim));
    r.append(largura - n, ' ');
    return r;
}

} // namespace plataforma
