#include "world/numeros.hpp"

namespace world {

std::optional<std::int32_t> ConverterInteiro(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r'))
        t.remove_suffix(1);
    bool negativo = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negativo = t.front() == '-';
        t.remove_prefix(1);
    }
    int base = 10;
    if (!t.empty() && t.front() == '$') {
        base = 16;
        t.remove_prefix(1);
    } else if (t.size() > 1 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        base = 16;
        t.remove_prefix(2);
    }
    if (t.empty()) return std::nullopt;
    std::int64_t v = 0;
    for (char c : t) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        v = v * base + d;
        // Hex texts may spell the full 32 bits (colours); decimal must fit.
        if (v > (base == 16 ? 0xFFFFFFFFll : 2147483648ll)) return std::nullopt;
    }
    if (base == 16) {
        const auto u = static_cast<std::uint32_t>(v);
        const auto s = static_cast<std::int32_t>(u);
        return negativo ? static_cast<std::int32_t>(0u - u) : s;
    }
    if (negativo) v = -v;
    if (v > 2147483647ll || v < -2147483648ll) return std::nullopt;
    return static_cast<std::int32_t>(v);
}

} // namespace world
