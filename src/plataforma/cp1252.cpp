#include "plataforma/cp1252.hpp"

#include <array>

namespace plataforma {
namespace {

// 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kBloco80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AcrescentarUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ByteDe(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kBloco80.size(); ++i)
        if (kBloco80[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

char32_t CodigoCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kBloco80[byte - 0x80];
    return byte;
}

std::string Cp1252ParaUtf8(std::string_view cp1252) {
    std::string s;
    s.reserve(cp1252.size() + cp1252.size() / 4);
    for (char c : cp1252) AcrescentarUtf8(s, CodigoCp1252(static_cast<unsigned char>(c)));
    return s;
}

std::string Utf8ParaCp1252(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        int extra;
        char32_t c;
        if (b < 0x80) {
            s += static_cast<char>(b);
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            c = b & 0x07;
        } else {
            s += '?';
            ++i;
            continue;
        }
        bool ok = i + static_cast<std::size_t>(extra) < n;
        for (int k = 1; ok && k <= extra; ++k) {
            const auto cb = static_cast<unsigned char>(utf8[i + k]);
            if ((cb & 0xC0) != 0x80)
                ok = false;
            else
                c = (c << 6) | (cb & 0x3F);
        }
        if (!ok) {
            s += '?';
            ++i;
            continue;
        }
        s += ByteDe(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return s;
}

char MinusculaAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (MinusculaAscii(a[i]) != MinusculaAscii(b[i])) return false;
    return true;
}

bool MenorSemCaixa(std::string_view a, std::string_view b) {
    auto maiuscula = [](char c) {
        return static_cast<unsigned char>((c >= 'a' && c <= 'z') ? c - 32 : c);
    };
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = maiuscula(a[i]), y = maiuscula(b[i]);
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

} // namespace plataforma
