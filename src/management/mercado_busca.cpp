// "Busca de Jogadores": the players of every club that pass the filters.
#include "management/mercado.hpp"
#include "management/mercado_interno.hpp"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace management {

using namespace world;

namespace {

struct Intervalo {
    std::int64_t de, ate; // inclusive
};
// Strength "51..100" reaches 101 (a boosted player stays in it).
constexpr Intervalo kForcas[] = {{1, 10}, {11, 30}, {31, 50}, {51, 101}};
// Age "16..25" takes the 15-year-olds too; "37>" runs to 80.
constexpr Intervalo kIdades[] = {{15, 25}, {26, 36}, {37, 80}};
// Value bands, each strictly between its two ends.
constexpr Intervalo kPasses[] = {
    {1'000, 100'000},       {101'000, 500'000},      {500'000, 1'000'000},   {1'000'000, 3'000'000},
    {3'000'001, 5'000'000}, {5'000'001, 10'000'000}, {10'000'001, INT64_MAX}};

template <std::size_t N> bool Dentro(const Intervalo (&faixas)[N], int faixa, std::int64_t v) {
    if (faixa < 0) return true;
    if (faixa >= static_cast<int>(N)) return false;
    return v >= faixas[faixa].de && v <= faixas[faixa].ate;
}

// Windows-1252 lower case, accented capitals included: "JOSÉ" finds "José".
unsigned char Minuscula(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 0x10;
    if (c == 0x9F) return 0xFF;
    return c;
}

bool MesmoNome(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Minuscula(static_cast<unsigned char>(a[i])) !=
            Minuscula(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool TemCaracteristica(const TJogador& j, int c) {
    return c < 0 || j.caract1 == c || j.caract2 == c;
}

} // namespace

std::vector<int> BuscarJogadores(const Jogo& jogo, const FiltroBusca& f) {
    std::vector<int> v;
    const int clubes = std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao());
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const TJogador& j = jogo.jogadores[i];
        if (j.time < 0 || j.time >= clubes) continue;
        if (!f.nome.empty() && !MesmoNome(j.nome.view(), f.nome)) continue;
        if ((f.posicao >= 0 && j.posicao != f.posicao) || (f.pais >= 0 && j.pais != f.pais))
            continue;
        if (!TemCaracteristica(j, f.caracteristica1) || !TemCaracteristica(j, f.caracteristica2))
            continue;
        if ((f.soavenda && !j.avenda) || (f.soestrelas && !j.estrela)) continue;
        if (!Dentro(kForcas, f.faixaforca, j.forca) || !Dentro(kIdades, f.faixaidade, j.idade))
            continue;
        if (f.faixapasse >= 0) {
            if (f.faixapasse >= static_cast<int>(std::size(kPasses))) continue;
            const Intervalo& p = kPasses[f.faixapasse];
            if (!(j.passe > p.de && j.passe < p.ate)) continue;
        }
        v.push_back(static_cast<int>(i));
    }
    return v;
}

const std::vector<std::string>& FaixasDeForca() {
    static const std::vector<std::string> v{"1..10", "11..30", "31..50", "51..100"};
    return v;
}
const std::vector<std::string>& FaixasDeIdade() {
    static const std::vector<std::string> v{"16..25", "26..36", "37>"};
    return v;
}
const std::vector<std::string>& FaixasDePasse() {
    static const std::vector<std::string> v{"1 000 - 100 000",       "101 000 - 500 000",
                                            "500 000 - 1 000 000",   "1 000 000 - 3 000 000",
                                            "3 000 001 - 5 000 000", "5 000 001 - 10 000 000",
                                            "> 10 000 001"};
    return v;
}

} // namespace management
