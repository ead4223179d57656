// Pictures and sounds of the default world, read back with Qt's own readers.
#include "figuras.hpp"
#include "fundos.hpp"
#include "sons.hpp"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage Ler(const std::vector<std::uint8_t>& bytes, const char* formato) {
    QImage img;
    img.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()),
                     formato);
    return img;
}

void Igual(const dados::Tela& t, const QImage& img) {
    ASSERT_FALSE(img.isNull());
    ASSERT_EQ(img.width(), t.Largura());
    ASSERT_EQ(img.height(), t.Altura());
    for (int y = 0; y < t.Altura(); ++y)
        for (int x = 0; x < t.Largura(); ++x) {
            const QRgb p = img.pixel(x, y);
            const dados::Cor c = t.Em(x, y);
            ASSERT_EQ(qRed(p), c.r) << x << "," << y;
            ASSERT_EQ(qGreen(p), c.g) << x << "," << y;
            ASSERT_EQ(qBlue(p), c.b) << x << "," << y;
        }
}

} // namespace

TEST(Figuras, BitmapsAndGifsDecodeToTheSamePixels) {
    Igual(dados::FundoGramado(), Ler(dados::GerarBmp(dados::FundoGramado()), "BMP"));
    Igual(dados::FundoTorcida(), Ler(dados::GerarBmp(dados::FundoTorcida()), "BMP"));
    const dados::Tela escudo =
        dados::EscudoDoTime(dados::Cor{200, 0, 0}, dados::Cor{255, 255, 255}, "EC", 0);
    Igual(escudo, Ler(dados::GerarGif(escudo), "GIF"));
    Igual(dados::EscudoNulo(), Ler(dados::GerarGif(dados::EscudoNulo()), "GIF"));
    // Odd widths pad their bitmap rows; noisy pictures fill the LZW table past 4096.
    dados::Tela ruido(37, 150, dados::Cor{});
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 37; ++x)
            ruido.Ponto(x, y,
                        dados::Cor{static_cast<std::uint8_t>((x * 31 + y * 17) % 251),
                                   static_cast<std::uint8_t>((x * y) % 7 * 30), 0});
    Igual(ruido, Ler(dados::GerarBmp(ruido), "BMP"));
    const QImage gif = Ler(dados::GerarGif(ruido), "GIF");
    ASSERT_FALSE(gif.isNull());
    EXPECT_EQ(gif.width(), 37);
    const dados::Tela pequeno = escudo.Reduzida(18, 18);
    Igual(pequeno, Ler(dados::GerarBmp(pequeno), "BMP"));
}

TEST(Sons, FourShortDistinctPcmWaves) {
    const auto sons = dados::GerarSons();
    ASSERT_EQ(sons.size(), 4u);
    for (const auto& s : sons) {
        const auto& w = s.wav;
        ASSERT_GT(w.size(), 44u) << s.nome;
        EXPECT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
        EXPECT_EQ(std::string(w.begin() + 8, w.begin() + 12), "WAVE");
        EXPECT_EQ(w[20], 1); // PCM
        const double segundos = (w.size() - 44) / 2.0 / 22050;
        EXPECT_GT(segundos, 0.3) << s.nome;
        EXPECT_LT(segundos, 3.0) << s.nome;
        // Loud enough to hear, never clipping.
        int pico = 0;
        for (std::size_t i = 44; i + 1 < w.size(); i += 2)
            pico = std::max(pico, std::abs(static_cast<int>(
                                      static_cast<std::int16_t>(w[i] | (w[i + 1] << 8)))));
        EXPECT_GT(pico, 15000) << s.nome;
        EXPECT_LT(pico, 32000) << s.nome;
    }
    EXPECT_NE(sons[0].wav, sons[1].wav);
    EXPECT_EQ(dados::GerarSons()[0].wav, sons[0].wav); // same every run
}
