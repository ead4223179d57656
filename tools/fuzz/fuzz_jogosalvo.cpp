// Saved games from any bytes: the loader refuses or takes them, never
// crashes, and what it takes saves and loads again to the same bytes.
#include "persistence/jogosalvo.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::vector<unsigned char> bytes(dados, dados + tamanho);
    world::Jogo jogo;
    if (persistence::DesserializarJogo(bytes, jogo) != persistence::ResultadoCarga::Ok) return 0;
    const std::vector<unsigned char> salvo = persistence::SerializarJogo(jogo);
    world::Jogo outra;
    if (persistence::DesserializarJogo(salvo, outra) != persistence::ResultadoCarga::Ok ||
        persistence::SerializarJogo(outra) != salvo)
        __builtin_trap();
    return 0;
}
