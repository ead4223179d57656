#include "icone.hpp"

#include "plataforma/arquivos.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace dados {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Amostra {
    double r, g, b, a; // straight colour, coverage
};

// Distance from (u, v) to a rounded square of half-side h and corner radius
// rc centred on (0.5, 0.5); negative inside.
double DistanciaQuadrado(double u, double v, double h, double rc) {
    const double dx = std::abs(u - 0.5) - (h - rc), dy = std::abs(v - 0.5) - (h - rc);
    const double fora = std::hypot(std::max(dx, 0.0), std::max(dy, 0.0));
    return fora + std::min(std::max(dx, dy), 0.0) - rc;
}

// Inside the ball's dark middle patch: a regular pentagon, point up.
bool NaMancha(double x, double y, double raio) {
    for (int k = 0; k < 5; ++k) {
        const double ang = -kPi / 2 + (k + 0.5) * 2 * kPi / 5; // the side's outward normal
        if (x * std::cos(ang) + y * std::sin(ang) > raio * std::cos(kPi / 5)) return false;
    }
    return true;
}

// The colour at one point of the unit square; `traco` is the line width,
// kept at a pixel or more so the lines survive the smallest sizes.
Amostra Ponto(double u, double v, double traco) {
    if (DistanciaQuadrado(u, v, 0.47, 0.16) > 0) return {0, 0, 0, 0};
    // The ball on the centre spot.
    const double bx = u - 0.5, by = v - 0.5, rb = 0.19;
    const double db = std::hypot(bx, by);
    if (db <= rb) {
        if (db > rb - traco) return {30, 30, 30, 1};
        if (NaMancha(bx, by, rb * 0.42)) return {30, 30, 30, 1};
        // The seams from the patch's corners out to the edge.
        for (int k = 0; k < 5; ++k) {
            const double ang = -kPi / 2 + k * 2 * kPi / 5;
            const double ax = std::cos(ang), ay = std::sin(ang);
            const double ao = bx * ax + by * ay, perp = std::abs(bx * ay - by * ax);
            if (ao > rb * 0.4 && perp < traco * 0.5) return {30, 30, 30, 1};
        }
        return {250, 250, 250, 1};
    }
    // The lines: touch lines, halfway line, centre circle.
    const double borda = std::abs(DistanciaQuadrado(u, v, 0.36, 0.02));
    const bool linha =
        borda < traco * 0.5 || std::abs(u - 0.5) < traco * 0.5 || std::abs(db - 0.27) < traco * 0.5;
    if (linha && DistanciaQuadrado(u, v, 0.36, 0.02) < traco * 0.5) return {245, 250, 245, 1};
    // Mown stripes across the grass.
    const bool faixa = static_cast<int>(u * 6) % 2 == 0;
    return faixa ? Amostra{46, 139, 62, 1} : Amostra{38, 120, 52, 1};
}

void Be32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<std::uint8_t>(x >> s));
}

std::uint32_t Crc32(const std::uint8_t* p, std::size_t n) {
    static const auto tabela = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) c = tabela[(c ^ p[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void Bloco(std::vector<std::uint8_t>& png, const char* tipo, const std::vector<std::uint8_t>& d) {
    Be32(png, static_cast<std::uint32_t>(d.size()));
    const std::size_t inicio = png.size();
    png.insert(png.end(), tipo, tipo + 4);
    png.insert(png.end(), d.begin(), d.end());
    Be32(png, Crc32(png.data() + inicio, png.size() - inicio));
}

} // namespace

std::vector<Rgba> DesenharIcone(int n) {
    std::vector<Rgba> px(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
    const double traco = std::max(0.03, 1.0 / n);
    constexpr int k = 4; // 4 x 4 samples a pixel smooth the edges
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < k; ++sy)
                for (int sx = 0; sx < k; ++sx) {
                    const Amostra s =
                        Ponto((x + (sx + 0.5) / k) / n, (y + (sy + 0.5) / k) / n, traco);
                    r += s.r * s.a, g += s.g * s.a, b += s.b * s.a, a += s.a;
                }
            Rgba& p = px[static_cast<std::size_t>(y) * n + x];
            if (a > 0) {
                p.r = static_cast<std::uint8_t>(std::lround(r / a));
                p.g = static_cast<std::uint8_t>(std::lround(g / a));
                p.b = static_cast<std::uint8_t>(std::lround(b / a));
            }
            p.a = static_cast<std::uint8_t>(std::lround(255 * a / (k * k)));
        }
    return px;
}

std::vector<std::uint8_t> GerarPng(int largura, int altura, const std::vector<Rgba>& px) {
    std::vector<std::uint8_t> cru; // each row: filter 0, then RGBA
    cru.reserve(static_cast<std::size_t>(altura) * (1 + 4 * static_cast<std::size_t>(largura)));
    for (int y = 0; y < altura; ++y) {
        cru.push_back(0);
        for (int x = 0; x < largura; ++x) {
            const Rgba& p = px[static_cast<std::size_t>(y) * largura + x];
            cru.insert(cru.end(), {p.r, p.g, p.b, p.a});
        }
    }
    std::vector<std::uint8_t> z = {0x78, 0x01};
    for (std::size_t i = 0; i == 0 || i < cru.size(); i += 65535) {
        const std::size_t n = std::min<std::size_t>(65535, cru.size() - i);
        z.push_back(i + n == cru.size() ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n));
        z.push_back(static_cast<std::uint8_t>(~n >> 8));
        z.insert(z.end(), cru.begin() + static_cast<std::ptrdiff_t>(i),
                 cru.begin() + static_cast<std::ptrdiff_t>(i + n));
    }
    std::uint32_t s1 = 1, s2 = 0; // Adler-32 of the raw rows
    for (std::uint8_t c : cru) {
        s1 = (s1 + c) % 65521;
        s2 = (s2 + s1) % 65521;
    }
    Be32(z, (s2 << 16) | s1);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> ihdr;
    Be32(ihdr, static_cast<std::uint32_t>(largura));
    Be32(ihdr, static_cast<std::uint32_t>(altura));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace
    Bloco(png, "IHDR", ihdr);
    Bloco(png, "IDAT", z);
    Bloco(png, "IEND", {});
    return png;
}

bool GerarIcones(const std::filesystem::path& pasta, std::string& erro) {
    for (int n : {16, 32, 48, 64, 128, 256}) {
        const std::string tamanho = std::to_string(n) + "x" + std::to_string(n);
        const auto caminho = pasta / tamanho / "apps" / "pitchlord.png";
        std::error_code ec;
        std::filesystem::create_directories(caminho.parent_path(), ec);
        if (!plataforma::GravarArquivoAtomico(caminho, GerarPng(n, n, DesenharIcone(n)))) {
            erro = "cannot write " + caminho.string();
            return false;
        }
    }
    return true;
}

} // namespace dados
