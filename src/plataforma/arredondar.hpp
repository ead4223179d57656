#pragma once
// Integer rounding as the match rules use it: round(a / b) with halves to the
// even integer, and "x -= p%" / "x += p%". Done in integers so that a tie such
// as 0.7 × 50 lands exactly where the rules say, whatever the floating point.
#include <cstdint>

namespace plataforma {

// round(a / b), halves to even; b > 0.
constexpr std::int32_t ArredDiv(std::int64_t a, std::int64_t b) {
    // The match's figures nearly always fit in 32 bits, where the division
    // is several times cheaper; the result is the same either way.
    if (a >= INT32_MIN && a <= INT32_MAX && b > 0 && b <= INT32_MAX) {
        const std::int32_t a32 = static_cast<std::int32_t>(a), b32 = static_cast<std::int32_t>(b);
        std::int32_t q = a32 / b32;
        std::int32_t r = a32 % b32;
        // Without branches: which way a figure rounds is anybody's guess, and a
        // guessed branch costs more than the arithmetic.
        const std::int32_t negativo = r < 0;
        q -= negativo;
        r += b32 & -negativo;
        const std::int32_t falta = b32 - r;
        q += static_cast<std::int32_t>((r > falta) | ((r == falta) & (q & 1)));
        return q;
    }
    std::int64_t q = a / b;
    std::int64_t r = a % b;
    if (r < 0) { // floor division
        r += b;
        --q;
    }
    const std::int64_t dobro = 2 * r;
    if (dobro > b || (dobro == b && (q & 1) != 0)) ++q;
    return static_cast<std::int32_t>(q);
}

// x -= p%: x − round(x × p / 100).
constexpr void Tirar(std::int32_t& x, int p) {
    x -= ArredDiv(std::int64_t{x} * p, 100);
}
// x += p%: x + round(x × p / 100).
constexpr void Somar(std::int32_t& x, int p) {
    x += ArredDiv(std::int64_t{x} * p, 100);
}

} // namespace plataforma
