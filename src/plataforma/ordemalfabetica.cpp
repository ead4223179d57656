#include "plataforma/ordemalfabetica.hpp"

namespace plataforma {
namespace {

struct Dobra {
    unsigned char de, ate;
    std::string_view em;
};
// The accented letters of Windows-1252 and the plain letters they sort with.
constexpr Dobra kDobras[] = {
    {0x8A, 0x8A, "s"},  {0x8C, 0x8C, "oe"}, {0x8E, 0x8E, "z"},  {0x9A, 0x9A, "s"},
    {0x9C, 0x9C, "oe"}, {0x9E, 0x9E, "z"},  {0x9F, 0x9F, "y"},  {0xC0, 0xC5, "a"},
    {0xC6, 0xC6, "ae"}, {0xC7, 0xC7, "c"},  {0xC8, 0xCB, "e"},  {0xCC, 0xCF, "i"},
    {0xD0, 0xD0, "d"},  {0xD1, 0xD1, "n"},  {0xD2, 0xD6, "o"},  {0xD8, 0xD8, "o"},
    {0xD9, 0xDC, "u"},  {0xDD, 0xDD, "y"},  {0xDE, 0xDE, "th"}, {0xDF, 0xDF, "ss"},
    {0xE0, 0xE5, "a"},  {0xE6, 0xE6, "ae"}, {0xE7, 0xE7, "c"},  {0xE8, 0xEB, "e"},
    {0xEC, 0xEF, "i"},  {0xF0, 0xF0, "d"},  {0xF1, 0xF1, "n"},  {0xF2, 0xF6, "o"},
    {0xF8, 0xF8, "o"},  {0xF9, 0xFC, "u"},  {0xFD, 0xFD, "y"},  {0xFE, 0xFE, "th"},
    {0xFF, 0xFF, "y"},
};

// Lower case with the accents kept: the tie-break between names that differ
// only by accents, where the plain letter comes first.
std::string Minusculas(std::string_view cp1252) {
    std::string r(cp1252);
    for (char& c : r) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            c = static_cast<char>(b + 0x20);
        else if (b == 0x8A || b == 0x8C || b == 0x8E)
            c = static_cast<char>(b + 0x10);
        else if (b == 0x9F)
            c = static_cast<char>(0xFF);
    }
    return r;
}

} // namespace

std::string ChaveAlfabetica(std::string_view cp1252) {
    std::string chave;
    chave.reserve(cp1252.size());
    for (const char c : cp1252) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 'A' && b <= 'Z') {
            chave += static_cast<char>(b + ('a' - 'A'));
            continue;
        }
        std::string_view em;
        if (b >= 0x80)
            for (const Dobra& d : kDobras)
                if (b >= d.de && b <= d.ate) {
                    em = d.em;
                    break;
                }
        if (em.empty())
            chave += c;
        else
            chave += em;
    }
    return chave;
}

bool MenorAlfabetico(std::string_view a, std::string_view b) {
    const std::string x = ChaveAlfabetica(a), y = ChaveAlfabetica(b);
    if (x != y) return x < y;
    const std::string mx = Minusculas(a), my = Minusculas(b);
    if (mx != my) return mx < my;
    return a < b;
}

} // namespace plataforma
