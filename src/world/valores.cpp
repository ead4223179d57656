#include "world/valores.hpp"

#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <cmath>
#include <cstdint>
#include <limits>

namespace world {

using world::i32;

namespace {

i32 Arredondar(double x) {
    return static_cast<i32>(std::nearbyint(x));
} // halves to even

i32 Saturar(std::int64_t v) {
    if (v > std::numeric_limits<i32>::max()) return std::numeric_limits<i32>::max();
    if (v < std::numeric_limits<i32>::min()) return std::numeric_limits<i32>::min();
    return static_cast<i32>(v);
}

const world::TTime* ClubeDe(const world::Jogo& jogo, const world::TJogador& j) {
    if (j.time < 0 || j.time >= static_cast<int>(jogo.times.size())) return nullptr;
    return &jogo.times[j.time];
}

i32 BaseRegiao(int regiao, int nivel) {
    switch (regiao) {
    case 0:
        if (nivel > 21) return 750;
        if (nivel >= 20) return 600;
        if (nivel >= 18) return 500;
        if (nivel >= 12) return 400;
        return 366;
    case 2:
    case 3:
        return 326;
    case 4:
    case 5:
        return 300;
    default:
        return 366;
    }
}

} // namespace

i32 CalcularPasse(const world::Jogo& jogo, const world::TJogador& j) {
    const world::TTime* clube = ClubeDe(jogo, j);
    const int regiao = clube ? world::ContinentePais(clube->pais) : 0;
    const i32 base = BaseRegiao(regiao, clube ? clube->nivel : 0);
    std::int64_t e = j.estrela ? base + Arredondar(base * 0.5) : base;
    const std::int64_t a = j.idade;
    if (a < 20)
        e += 864 - 27 * a;
    else if (a <= 25)
        e += (32 - a) * (regiao == 0 ? 28 : 20);
    else if (a <= 31)
        e += 480 - 15 * a;
    else if (a <= 33)
        e += 1750 - 50 * a;
    else if (e + 6800 - 200 * a > 0)
        e += 6800 - 200 * a;
    else
        e = 100;
    const std::int64_t f2 = 2 * static_cast<std::int64_t>(j.forca);
    return Saturar(e * f2 * f2);
}

i32 CalcularSalario(const world::Jogo& jogo, const world::TJogador& j) {
    const world::TTime* clube = ClubeDe(jogo, j);
    const std::int64_t f = j.forca;
    std::int64_t s = (clube && clube->dinheiro > 10'000'000) ? 1250 * f : 950 * f;
    if (j.time >= jogo.estado.numtimesligas && j.time < jogo.PrimeiraSelecao()) s = 1500 * f;
    const std::int64_t b = j.estrela ? 100 * f : 0;
    const std::int64_t a = j.idade;
    if (a < 32) return Saturar(s + b);
    if (s - 500 * a + 16000 <= 0) return 500;
    return Saturar(s + b - 500 * a + 16000);
}

void AvaliarJogador(const world::Jogo& jogo, world::TJogador& j) {
    j.passe = CalcularPasse(jogo, j);
    j.salario = CalcularSalario(jogo, j);
}

std::string FormatarDinheiro(i32 valor, char separador) {
    const std::int64_t v = valor;
    if (v >= 100'000'000 || v < -9'999'999) return std::to_string(v);
    const std::string digitos = std::to_string(v < 0 ? -v : v);
    std::string s;
    for (std::size_t i = 0; i < digitos.size(); ++i) {
        if (i > 0 && (digitos.size() - i) % 3 == 0) s += separador;
        s += digitos[i];
    }
    return v < 0 ? "-" + s : s;
}

std::string DinheiroPorExtenso(i32 valor) {
    if (valor == 0) return "0";
    std::int64_t v = valor;
    const bool negativo = v < 0;
    if (negativo) v = -v;
    std::string s;
    auto junta = [&s](const std::string& parte) {
        if (!s.empty()) s += ' ';
        s += parte;
    };
    const std::int64_t bilhoes = v / 1'000'000'000;
    const std::int64_t milhoes = v / 1'000'000 % 1000;
    const std::int64_t milhares = v / 1000 % 1000;
    if (v < 1000) {
        s = std::to_string(v);
    } else {
        if (bilhoes > 0)
            junta(std::to_string(bilhoes) + " " + world::texto(bilhoes == 1 ? 785 : 786));
        // A zero group is left out: 2 000 000 reads "2 milhões", not "2 milhões 0 mil".
        if (milhoes > 0)
            junta(std::to_string(milhoes) + " " + world::texto(milhoes == 1 ? 259 : 260));
        if (milhares > 0) junta(std::to_string(milhares) + " " + world::texto(262));
    }
    return negativo ? "-" + s : s;
}

} // namespace world
