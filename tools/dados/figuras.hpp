#pragma once
// Pictures of the default world: a small RGB canvas, and BMP and GIF writers.
#include <cstdint>
#include <string_view>
#include <vector>

namespace dados {

struct Cor {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Cor&) const = default;
};
// The game stores colours as 00BBGGRR.
inline Cor CorDoJogo(std::int32_t c) {
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

class Tela {
public:
    Tela(int largura, int altura, Cor fundo);
    int Largura() const { return largura_; }
    int Altura() const { return altura_; }
    void Ponto(int x, int y, Cor c);
    Cor Em(int x, int y) const { return px_[static_cast<std::size_t>(y) * largura_ + x]; }
    void Retangulo(int x0, int y0, int x1, int y1, Cor c); // inclusive
    // A shield: flat top, straight sides, rounded point at the bottom.
    void Escudo(int margem, Cor fundo, Cor borda, int espessura);
    // Capital letters, digits and a few signs in a 5x7 font, scaled by `escala`,
    // centred on (cx, cy).
    void Texto(std::string_view texto, int cx, int cy, int escala, Cor c);
    // Stripes, hoops or halves in the second colour inside the shield area.
    void Listras(int margem, int tipo, Cor c);
    // Nearest-neighbour reduction (for the small badges).
    Tela Reduzida(int largura, int altura) const;

private:
    bool DentroDoEscudo(int x, int y, int margem) const;
    int largura_, altura_;
    std::vector<Cor> px_;
};

// 24-bit uncompressed Windows bitmap.
std::vector<std::uint8_t> GerarBmp(const Tela& t);
// GIF89a with a palette of the picture's colours (at most 256; extra colours
// are mapped to the nearest one) and LZW compression.
std::vector<std::uint8_t> GerarGif(const Tela& t);

} // namespace dados
