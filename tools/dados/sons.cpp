#include "sons.hpp"

#include "plataforma/aleatorio.hpp"

#include <algorithm>
#include <cmath>

namespace dados {
namespace {

constexpr int kTaxa = 22050;
constexpr double kPi = 3.14159265358979323846;

using Onda = std::vector<double>;

Onda Silencio(double segundos) {
    return Onda(static_cast<std::size_t>(segundos * kTaxa), 0.0);
}

// A referee's whistle: a pea whistle warbles around 2.6 kHz.
Onda Apito(double segundos) {
    Onda o = Silencio(segundos);
    double fase = 0;
    for (std::size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / kTaxa;
        const double f = 2600 + 180 * std::sin(2 * kPi * 28 * t);
        fase += 2 * kPi * f / kTaxa;
        const double ataque = std::min(1.0, t / 0.02);
        const double queda = std::min(1.0, (segundos - t) / 0.05);
        o[i] = 0.45 * ataque * queda * (std::sin(fase) + 0.15 * std::sin(2 * fase));
    }
    return o;
}

// A crowd: filtered noise swelling and fading, with a rising shout on top.
Onda Torcida(double segundos, plataforma::Gerador& g) {
    Onda o = Silencio(segundos);
    double baixo = 0, fase = 0;
    for (std::size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / kTaxa;
        const double ruido = g.Real() * 2 - 1;
        baixo += 0.08 * (ruido - baixo); // low-pass: a roar, not a hiss
        const double env = std::sin(kPi * std::min(1.0, t / segundos));
        const double f = 300 + 220 * std::min(1.0, t / 0.6);
        fase += 2 * kPi * f / kTaxa;
        o[i] =
            env * (1.6 * baixo + 0.12 * std::sin(fase) * (0.6 + 0.4 * std::sin(2 * kPi * 5 * t)));
    }
    return o;
}

Onda Gemido(double segundos) {
    Onda o = Silencio(segundos);
    double fase = 0;
    for (std::size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / kTaxa;
        const double f = 260 - 120 * (t / segundos);
        fase += 2 * kPi * f / kTaxa;
        const double env = std::sin(kPi * t / segundos);
        o[i] = 0.5 * env * (std::sin(fase) + 0.3 * std::sin(3 * fase) + 0.1 * std::sin(5 * fase));
    }
    return o;
}

void Juntar(Onda& a, const Onda& b) {
    a.insert(a.end(), b.begin(), b.end());
}

std::vector<std::int16_t> Amostras(const Onda& o) {
    double pico = 0;
    for (double x : o) pico = std::max(pico, std::abs(x));
    const double escala = pico > 0 ? 0.7 / pico : 0; // comfortable, never clipping
    std::vector<std::int16_t> s(o.size());
    for (std::size_t i = 0; i < o.size(); ++i)
        s[i] = static_cast<std::int16_t>(std::lround(o[i] * escala * 32767));
    return s;
}

void Marca(std::vector<std::uint8_t>& v, const char* m) {
    for (; *m; ++m) v.push_back(static_cast<std::uint8_t>(*m));
}

void Le(std::vector<std::uint8_t>& v, std::uint32_t x, int bytes) {
    for (int i = 0; i < bytes; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> Wav(const std::vector<std::int16_t>& a, int taxa) {
    std::vector<std::uint8_t> v;
    const std::uint32_t dados = static_cast<std::uint32_t>(a.size() * 2);
    Marca(v, "RIFF");
    Le(v, 36 + dados, 4);
    Marca(v, "WAVEfmt ");
    Le(v, 16, 4);
    Le(v, 1, 2); // PCM
    Le(v, 1, 2); // mono
    Le(v, static_cast<std::uint32_t>(taxa), 4);
    Le(v, static_cast<std::uint32_t>(taxa * 2), 4);
    Le(v, 2, 2);
    Le(v, 16, 2);
    Marca(v, "data");
    Le(v, dados, 4);
    for (std::int16_t s : a) Le(v, static_cast<std::uint16_t>(s), 2);
    return v;
}

std::vector<Som> GerarSons() {
    plataforma::Gerador g(2007);
    std::vector<Som> sons;
    sons.push_back({"gol1.wav", Wav(Amostras(Torcida(2.2, g)), kTaxa)});
    Onda fim = Apito(0.35);
    Juntar(fim, Silencio(0.15));
    Juntar(fim, Apito(0.35));
    Juntar(fim, Silencio(0.15));
    Juntar(fim, Apito(0.9));
    sons.push_back({"fimjogo.wav", Wav(Amostras(fim), kTaxa)});
    sons.push_back({"penalty.wav", Wav(Amostras(Apito(0.8)), kTaxa)});
    sons.push_back({"contusao.wav", Wav(Amostras(Gemido(0.9)), kTaxa)});
    return sons;
}

} // namespace dados
