// Settings and language files from any bytes: every section and key reads,
// a written key reads back, and nothing else of the file moves.
#include "plataforma/perfil.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    plataforma::ArquivoPerfil p = plataforma::ArquivoPerfil::DeTexto(texto);
    for (const char* secao : {"s1", "s2", "Opcoes", "Idioma"}) {
        for (const auto& [chave, valor] : p.Secao(secao))
            if (p.Ler(secao, chave) != valor) __builtin_trap();
    }
    p.Gravar("Opcoes", "opsom", "1");
    if (p.Ler("Opcoes", "opsom", "") != "1") __builtin_trap();
    return 0;
}
