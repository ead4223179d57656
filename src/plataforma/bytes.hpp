#pragma once
// Bounds-checked reading and writing of raw record images. Every record that
// reaches a file goes through these: a reader never reads past its buffer and
// fills what is missing with zeros, remembering that it ran short.
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>
#include <vector>

namespace plataforma {

class LeitorBytes {
public:
    explicit LeitorBytes(std::span<const std::uint8_t> dados) : dados_(dados) {}

    std::size_t Posicao() const { return pos_; }
    std::size_t Restante() const { return dados_.size() - pos_; }
    // True once any read asked for more bytes than were left.
    bool Faltou() const { return faltou_; }

    // Copies n bytes; what the buffer lacks is zero.
    void Ler(void* destino, std::size_t n) {
        const std::size_t k = n < Restante() ? n : Restante();
        if (k) std::memcpy(destino, dados_.data() + pos_, k);
        if (k < n) {
            std::memset(static_cast<std::uint8_t*>(destino) + k, 0, n - k);
            faltou_ = true;
        }
        pos_ += k;
    }
    template <class T> void LerRegistro(T& r) {
        static_assert(std::is_trivially_copyable_v<T>);
        Ler(&r, sizeof(T));
    }
    std::int32_t LerI32() {
        std::uint8_t b[4] = {}; // a short read gives 0, never stale bytes
        Ler(b, 4);
        return static_cast<std::int32_t>(
            static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
    }
    void Pular(std::size_t n) {
        const std::size_t k = n < Restante() ? n : Restante();
        if (k < n) faltou_ = true;
        pos_ += k;
    }

private:
    std::span<const std::uint8_t> dados_;
    std::size_t pos_ = 0;
    bool faltou_ = false;
};

class EscritorBytes {
public:
    void Escrever(const void* origem, std::size_t n) {
        const auto* p = static_cast<const std::uint8_t*>(origem);
        dados_.insert(dados_.end(), p, p + n);
    }
    template <class T> void EscreverRegistro(const T& r) {
        static_assert(std::is_trivially_copyable_v<T>);
        Escrever(&r, sizeof(T));
    }
    void EscreverI32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                                   static_cast<std::uint8_t>(u >> 16),
                                   static_cast<std::uint8_t>(u >> 24)};
        Escrever(b, 4);
    }
    const std::vector<std::uint8_t>& Dados() const { return dados_; }
    std::vector<std::uint8_t>& Dados() { return dados_; }

private:
    std::vector<std::uint8_t> dados_;
};

} // namespace plataforma
