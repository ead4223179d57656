#include "world/paises.hpp"

#include "plataforma/ordemalfabetica.hpp"
#include "world/idioma.hpp"

#include <algorithm>
#include <array>

namespace world {
namespace {

constexpr int kC1[] = {11, 26, 29, 42, 46, 60, 131, 150, 151, 195, 198};
constexpr int kC2[] = {1,   5,   10,  23,  28,  32,  33,  35,  36,  47,  50,  55,  57,
                       61,  67,  73,  74,  75,  81,  82,  83,  109, 113, 116, 117, 123,
                       126, 127, 129, 130, 133, 137, 140, 141, 156, 157, 161, 169, 170,
                       172, 175, 177, 178, 186, 187, 188, 190, 194, 200, 201};
constexpr int kC3[] = {0,   9,   18,  19,  30,  34,  37,  39,  41,  43,  45,  48,  49,  59,  71,
                       87,  89,  95,  96,  98,  99,  107, 108, 111, 112, 115, 121, 124, 125, 132,
                       136, 138, 144, 146, 149, 155, 173, 174, 176, 182, 183, 185, 191, 196, 199};
constexpr int kC4[] = {6,   7,   8,   13,  17,  20,  22,  24,  38,  51, 53, 56,
                       58,  68,  77,  79,  80,  84,  86,  90,  91,  93, 94, 106,
                       139, 147, 153, 158, 165, 166, 167, 168, 181, 189};
constexpr int kC5[] = {14, 69, 143, 148, 163, 184, 197};

constexpr std::array<unsigned char, kNumPaises> MontarContinentes() {
    std::array<unsigned char, kNumPaises> t{};
    for (int c : kC1) t[c] = 1;
    for (int c : kC2) t[c] = 2;
    for (int c : kC3) t[c] = 3;
    for (int c : kC4) t[c] = 4;
    for (int c : kC5) t[c] = 5;
    return t;
}
constexpr auto kContinentes = MontarContinentes();

struct TabelaPaises {
    bool pronta = false;
    std::array<std::string, kNumPaises> nomes;
    std::vector<int> alfabetica;
    std::array<int, kNumPaises> posicao{};
};

TabelaPaises& Tabela() {
    static TabelaPaises t;
    return t;
}

const TabelaPaises& Pronta() {
    if (!Tabela().pronta) RecarregarNomesPaises();
    return Tabela();
}

} // namespace

int ContinentePais(int pais) {
    if (pais < 0 || pais >= kNumPaises) return 0;
    return kContinentes[pais];
}

int ContinenteSelecao(int pais) {
    return pais == 131 ? 4 : ContinentePais(pais);
}

std::string NomePais(int pais) {
    if (pais == kPaisInternacional) return "International";
    if (pais < 0 || pais >= kNumPaises) return {};
    return Pronta().nomes[pais];
}

const std::vector<int>& PaisesEmOrdemAlfabetica() {
    return Pronta().alfabetica;
}

int PosicaoAlfabetica(int pais) {
    if (pais < 0 || pais >= kNumPaises) return -1;
    return Pronta().posicao[pais];
}

void RecarregarNomesPaises() {
    TabelaPaises& t = Tabela();
    for (int c = 0; c < kNumPaises; ++c) t.nomes[c] = texto2(726 + c);
    t.alfabetica.resize(kNumPaises);
    for (int c = 0; c < kNumPaises; ++c) t.alfabetica[c] = c;
    std::stable_sort(t.alfabetica.begin(), t.alfabetica.end(), [&](int a, int b) {
        return plataforma::MenorAlfabetico(t.nomes[a], t.nomes[b]);
    });
    for (int i = 0; i < kNumPaises; ++i) t.posicao[t.alfabetica[i]] = i;
    t.pronta = true;
}

} // namespace world
