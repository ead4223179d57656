#include "figuras.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace dados {

Tela::Tela(int largura, int altura, Cor fundo)
    : largura_(largura), altura_(altura),
      px_(static_cast<std::size_t>(largura) * static_cast<std::size_t>(altura), fundo) {}

void Tela::Ponto(int x, int y, Cor c) {
    if (x < 0 || y < 0 || x >= largura_ || y >= altura_) return;
    px_[static_cast<std::size_t>(y) * largura_ + x] = c;
}

void Tela::Retangulo(int x0, int y0, int x1, int y1, Cor c) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) Ponto(x, y, c);
}

bool Tela::DentroDoEscudo(int x, int y, int m) const {
    const double w = largura_ - 2.0 * m, h = altura_ - 2.0 * m;
    const double u = (x + 0.5 - m) / w, v = (y + 0.5 - m) / h; // 0..1 inside the box
    if (u < 0 || u > 1 || v < 0 || v > 1) return false;
    if (v < 0.55) return true;
    // Below, the sides curve in towards the point.
    const double t = (v - 0.55) / 0.45;
    const double meia = 0.5 * std::sqrt(std::max(0.0, 1.0 - t * t));
    return std::abs(u - 0.5) <= meia;
}

void Tela::Escudo(int margem, Cor fundo, Cor borda, int espessura) {
    for (int y = 0; y < altura_; ++y)
        for (int x = 0; x < largura_; ++x) {
            if (!DentroDoEscudo(x, y, margem)) continue;
            const bool interior = DentroDoEscudo(x, y, margem + espessura);
            Ponto(x, y, interior ? fundo : borda);
        }
}

void Tela::Listras(int margem, int tipo, Cor c) {
    const int m = margem;
    for (int y = 0; y < altura_; ++y)
        for (int x = 0; x < largura_; ++x) {
            if (!DentroDoEscudo(x, y, m)) continue;
            bool pinta = false;
            const int w = largura_ - 2 * m, h = altura_ - 2 * m;
            switch (tipo % 4) {
            case 0:
                pinta = ((x - m) * 6 / std::max(1, w)) % 2 == 1;
                break; // vertical stripes
            case 1:
                pinta = ((y - m) * 6 / std::max(1, h)) % 2 == 1;
                break; // hoops
            case 2:
                pinta = x >= largura_ / 2;
                break; // halves
            case 3:
                pinta = std::abs((x - m) - (y - m)) < w / 6;
                break; // a sash
            }
            if (pinta) Ponto(x, y, c);
        }
}

namespace {

// 5x7 glyphs, one byte per row, the low five bits from left (bit 4) to right.
struct Glifo {
    char c;
    std::array<std::uint8_t, 7> linhas;
};
constexpr Glifo kFonte[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
    {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}},
    {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}},
    {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
    {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}},
    {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}},
    {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    {'?', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04}},
};

const Glifo* Procurar(char c) {
    for (const Glifo& g : kFonte)
        if (g.c == c) return &g;
    return nullptr;
}

} // namespace

void Tela::Texto(std::string_view texto, int cx, int cy, int escala, Cor c) {
    const int n = static_cast<int>(texto.size());
    const int larg = n * 6 * escala - escala;
    const int x0 = cx - larg / 2, y0 = cy - 7 * escala / 2;
    for (int i = 0; i < n; ++i) {
        const Glifo* g = Procurar(texto[i]);
        if (!g) continue;
        for (int l = 0; l < 7; ++l)
            for (int b = 0; b < 5; ++b)
                if (g->linhas[l] & (0x10 >> b))
                    Retangulo(x0 + (i * 6 + b) * escala, y0 + l * escala,
                              x0 + (i * 6 + b) * escala + escala - 1, y0 + l * escala + escala - 1,
                              c);
    }
}

Tela Tela::Reduzida(int largura, int altura) const {
    Tela r(largura, altura, Cor{});
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x)
            r.Ponto(x, y, Em(x * largura_ / largura, y * altura_ / altura));
    return r;
}

namespace {

void Le16(std::vector<std::uint8_t>& v, unsigned x) {
    v.push_back(static_cast<std::uint8_t>(x));
    v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void Le32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    Le16(v, x & 0xFFFF);
    Le16(v, x >> 16);
}

} // namespace

std::vector<std::uint8_t> GerarBmp(const Tela& t) {
    const int linha = (t.Largura() * 3 + 3) / 4 * 4;
    const std::uint32_t imagem = static_cast<std::uint32_t>(linha * t.Altura());
    std::vector<std::uint8_t> v;
    v.push_back('B');
    v.push_back('M');
    Le32(v, 54 + imagem);
    Le32(v, 0);
    Le32(v, 54);
    Le32(v, 40);
    Le32(v, static_cast<std::uint32_t>(t.Largura()));
    Le32(v, static_cast<std::uint32_t>(t.Altura()));
    Le16(v, 1);
    Le16(v, 24);
    Le32(v, 0);
    Le32(v, imagem);
    Le32(v, 2835);
    Le32(v, 2835);
    Le32(v, 0);
    Le32(v, 0);
    for (int y = t.Altura() - 1; y >= 0; --y) {
        for (int x = 0; x < t.Largura(); ++x) {
            const Cor c = t.Em(x, y);
            v.push_back(c.b);
            v.push_back(c.g);
            v.push_back(c.r);
        }
        for (int p = t.Largura() * 3; p < linha; ++p) v.push_back(0);
    }
    return v;
}

std::vector<std::uint8_t> GerarGif(const Tela& t) {
    // Palette in order of first appearance: deterministic.
    std::vector<Cor> paleta;
    std::map<std::uint32_t, int> indice;
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(t.Largura()) * t.Altura());
    auto chave = [](Cor c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; };
    for (int y = 0; y < t.Altura(); ++y)
        for (int x = 0; x < t.Largura(); ++x) {
            const Cor c = t.Em(x, y);
            auto it = indice.find(chave(c));
            if (it == indice.end()) {
                if (paleta.size() < 256) {
                    it = indice.emplace(chave(c), static_cast<int>(paleta.size())).first;
                    paleta.push_back(c);
                } else {
                    int melhor = 0, dist = 1 << 30;
                    for (int i = 0; i < 256; ++i) {
                        const int d = (paleta[i].r - c.r) * (paleta[i].r - c.r) +
                                      (paleta[i].g - c.g) * (paleta[i].g - c.g) +
                                      (paleta[i].b - c.b) * (paleta[i].b - c.b);
                        if (d < dist) dist = d, melhor = i;
                    }
                    it = indice.emplace(chave(c), melhor).first;
                }
            }
            pixels.push_back(static_cast<std::uint8_t>(it->second));
        }
    int bits = 1;
    while ((1 << bits) < static_cast<int>(paleta.size())) ++bits;
    if (bits < 2) bits = 2;
    paleta.resize(static_cast<std::size_t>(1) << bits);

    std::vector<std::uint8_t> v = {'G', 'I', 'F', '8', '9', 'a'};
    Le16(v, static_cast<unsigned>(t.Largura()));
    Le16(v, static_cast<unsigned>(t.Altura()));
    v.push_back(static_cast<std::uint8_t>(0xF0 | (bits - 1))); // global palette
    v.push_back(0);
    v.push_back(0);
    for (const Cor& c : paleta) {
        v.push_back(c.r);
        v.push_back(c.g);
        v.push_back(c.b);
    }
    v.push_back(0x2C);
    Le16(v, 0);
    Le16(v, 0);
    Le16(v, static_cast<unsigned>(t.Largura()));
    Le16(v, static_cast<unsigned>(t.Altura()));
    v.push_back(0);
    v.push_back(static_cast<std::uint8_t>(bits));

    // LZW with variable-width codes, packed least significant bit first.
    const int limpar = 1 << bits, fim = limpar + 1;
    std::vector<std::uint8_t> dados;
    std::uint32_t acumulado = 0;
    int nbits = 0;
    int largura = bits + 1;
    auto emitir = [&](int codigo) {
        acumulado |= static_cast<std::uint32_t>(codigo) << nbits;
        nbits += largura;
        while (nbits >= 8) {
            dados.push_back(static_cast<std::uint8_t>(acumulado & 0xFF));
            acumulado >>= 8;
            nbits -= 8;
        }
    };
    std::map<std::pair<int, int>, int> tabela;
    int proximo = fim + 1;
    emitir(limpar);
    int prefixo = pixels.empty() ? -1 : pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const int k = pixels[i];
        const auto it = tabela.find({prefixo, k});
        if (it != tabela.end()) {
            prefixo = it->second;
            continue;
        }
        emitir(prefixo);
        if (proximo < 4096) {
            tabela[{prefixo, k}] = proximo++;
            if (proximo > (1 << largura) && largura < 12) ++largura;
        } else {
            emitir(limpar);
            tabela.clear();
            proximo = fim + 1;
            largura = bits + 1;
        }
        prefixo = k;
    }
    if (prefixo >= 0) emitir(prefixo);
    emitir(fim);
    if (nbits > 0) dados.push_back(static_cast<std::uint8_t>(acumulado & 0xFF));
    for (std::size_t i = 0; i < dados.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, dados.size() - i);
        v.push_back(static_cast<std::uint8_t>(n));
        v.insert(v.end(), dados.begin() + static_cast<std::ptrdiff_t>(i),
                 dados.begin() + static_cast<std::ptrdiff_t>(i + n));
    }
    v.push_back(0);
    v.push_back(0x3B);
    return v;
}

} // namespace dados
