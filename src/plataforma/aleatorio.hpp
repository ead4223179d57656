#pragma once
// The game's one random generator. Its whole state is one 64-bit word, kept in
// the game and saved with it, so the same seed and the same answers give the
// same game byte for byte.
#include <cstdint>

namespace plataforma {

class Gerador {
public:
    explicit Gerador(std::uint64_t semente = 0) : estado_(semente) {}

    void Semear(std::uint64_t semente) { estado_ = semente; }
    std::uint64_t Estado() const { return estado_; }

    // A uniform integer in 0..n-1; 0 when n is 0 or less.
    std::int32_t Aleatorio(std::int32_t n) {
        if (n <= 0) return 0;
        return static_cast<std::int32_t>(
            (static_cast<std::uint64_t>(Proximo32()) * static_cast<std::uint64_t>(n)) >> 32);
    }
    // A uniform real in [0, 1).
    double Real() { return static_cast<double>(Proximo32()) / 4294967296.0; }

private:
    // splitmix64: one multiply-xorshift chain, fast and well mixed.
    std::uint32_t Proximo32() {
        std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    }
    std::uint64_t estado_;
};

} // namespace plataforma
