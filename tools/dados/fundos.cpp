#include "fundos.hpp"

#include <string>

namespace dados {

Tela FundoGramado() {
    // 64 x 64 so that stripes and speckles meet seamlessly at the edges.
    Tela t(64, 64, Cor{40, 110, 45});
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool faixa = (x / 16) % 2 == 0;
            const int s = ((x * 7 + y * 13) ^ (x * y)) % 9; // a fixed speckle
            const int v = (faixa ? 118 : 100) + s - 4;
            t.Ponto(x, y,
                    Cor{static_cast<std::uint8_t>(v / 3), static_cast<std::uint8_t>(v),
                        static_cast<std::uint8_t>(v / 3 + 5)});
        }
    return t;
}

Tela FundoTorcida() {
    Tela t(48, 48, Cor{30, 34, 52});
    static constexpr Cor kCores[] = {{200, 40, 40}, {230, 230, 230}, {40, 90, 200}, {230, 200, 40}};
    for (int y = 2; y < 48; y += 6)
        for (int x = 2 + (y / 6 % 2) * 3; x < 48; x += 6) {
            const Cor c = kCores[(x * 3 + y * 5) / 6 % 4];
            t.Retangulo(x, y, x + 1, y + 2, c);
        }
    return t;
}

Tela EscudoNulo() {
    Tela t(64, 64, Cor{255, 255, 255});
    t.Escudo(4, Cor{210, 210, 210}, Cor{120, 120, 120}, 3);
    t.Texto("?", 32, 30, 4, Cor{120, 120, 120});
    return t;
}

Tela EscudoDoTime(Cor fundo, Cor texto, const std::string& iniciais, int estilo) {
    Tela t(64, 64, Cor{255, 255, 255});
    t.Escudo(3, fundo, texto, 3);
    if (estilo % 5 != 4)
        t.Listras(6, estilo,
                  Cor{static_cast<std::uint8_t>((fundo.r + texto.r) / 2),
                      static_cast<std::uint8_t>((fundo.g + texto.g) / 2),
                      static_cast<std::uint8_t>((fundo.b + texto.b) / 2)});
    const int escala = iniciais.size() <= 2 ? 4 : 3;
    // A band behind the letters keeps them readable over the pattern.
    t.Retangulo(8, 30 - 5 * escala, 55, 28 + 4 * escala, fundo);
    t.Texto(iniciais, 32, 28, escala, texto);
    return t;
}

} // namespace dados
