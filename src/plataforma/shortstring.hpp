#pragma once
// A length-prefixed string of fixed capacity, as the records store them: one
// length byte, then N Windows-1252 bytes. Bytes after the length are undefined
// in files; we keep them zero so that what we write is reproducible.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace plataforma {

template <std::size_t N> struct ShortString {
    static_assert(N >= 1 && N <= 255);
    // No initialisers: records stay trivial and are zeroed where they are made.
    std::uint8_t tamanho;
    char dados[N];

    static constexpr std::size_t capacidade = N;

    // A stored length above the capacity is read as the capacity.
    std::size_t size() const { return tamanho > N ? N : tamanho; }
    bool empty() const { return size() == 0; }
    std::string_view view() const { return std::string_view(dados, size()); }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }

    // Keeps the first N bytes of s; the rest of the slot is zeroed.
    void set(std::string_view s) {
        const std::size_t n = s.size() < N ? s.size() : N;
        std::memset(dados, 0, N);
        if (n > 0) std::memcpy(dados, s.data(), n); // an empty view may hold no pointer at all
        tamanho = static_cast<std::uint8_t>(n);
    }
    ShortString& operator=(std::string_view s) {
        set(s);
        return *this;
    }
    bool operator==(std::string_view s) const { return view() == s; }
};

} // namespace plataforma
