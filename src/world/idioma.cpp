#include "world/idioma.hpp"

#include "plataforma/caminhos.hpp"
#include "plataforma/cp1252.hpp"
#include "plataforma/ordemalfabetica.hpp"
#include "plataforma/perfil.hpp"
#include "world/numeros.hpp"
#include "world/paises.hpp"

#include <algorithm>
#include <unordered_map>

namespace world {
namespace {

struct CacheIdioma {
    int numero = -1;
    bool existe = false;
    std::unordered_map<std::string, std::string> s1, s2;
};

int& Atual() {
    static int numero = -1;
    return numero;
}

CacheIdioma& Cache() {
    static CacheIdioma cache;
    return cache;
}

std::string ChaveMinuscula(std::string s) {
    for (char& c : s) c = plataforma::MinusculaAscii(c);
    return s;
}

std::filesystem::path ArquivoIdioma(int numero) {
    return plataforma::Resolver("languages\\" + std::to_string(numero) + ".txt");
}

// The file is opened once per language and kept until the language changes.
const CacheIdioma& Carregado() {
    CacheIdioma& c = Cache();
    const int numero = IdiomaAtual();
    if (c.numero == numero) return c;
    c = CacheIdioma{};
    c.numero = numero;
    const auto caminho = ArquivoIdioma(numero);
    c.existe = plataforma::ArquivoExiste(caminho);
    if (!c.existe) return c;
    const auto perfil = plataforma::ArquivoPerfil::Abrir(caminho);
    for (auto& [k, v] : perfil.Secao("s1")) c.s1.emplace(ChaveMinuscula(k), v);
    for (auto& [k, v] : perfil.Secao("s2")) c.s2.emplace(ChaveMinuscula(k), v);
    return c;
}

std::string Procurar(const std::unordered_map<std::string, std::string>& secao, bool existe,
                     int numero) {
    if (!existe) return {};
    const auto it = secao.find(std::to_string(numero));
    return it == secao.end() ? std::string("Error") : it->second;
}

} // namespace

int LerIdiomaConfig() {
    const std::string v =
        plataforma::LerPerfil(plataforma::ArquivoConfigIdioma(), "language", "id", "10");
    return ConverterInteiro(v).value_or(kIdiomaPadrao);
}

void DefinirIdioma(int numero) {
    Atual() = numero;
}

int IdiomaAtual() {
    if (Atual() < 0) Atual() = LerIdiomaConfig();
    return Atual();
}

void EsquecerTextos() {
    Cache() = CacheIdioma{};
}

std::string texto(int numero) {
    const CacheIdioma& c = Carregado();
    return Procurar(c.s1, c.existe, numero);
}

std::string texto2(int numero) {
    const CacheIdioma& c = Carregado();
    return Procurar(c.s2, c.existe, numero);
}

void trocaidioma(int numero) {
    const auto config = plataforma::ArquivoConfigIdioma();
    plataforma::GravarPerfil(config, "language", "id", std::to_string(numero));
    DefinirIdioma(numero);
    EsquecerTextos();
    RecarregarTabelasTexto();
}

std::vector<Idioma> listaidiomas() {
    std::vector<Idioma> lista;
    const auto pasta = plataforma::Resolver("languages");
    for (const std::string& nome : plataforma::ListarArquivos(pasta, "*.txt")) {
        const auto perfil = plataforma::ArquivoPerfil::Abrir(pasta / nome);
        if (perfil.Ler("language", "languageversion", "") != "2007") continue;
        Idioma i;
        i.nome = perfil.Ler("language", "languagename", "");
        i.numero = ConverterInteiro(perfil.Ler("language", "id", "0")).value_or(0);
        lista.push_back(std::move(i));
    }
    std::stable_sort(lista.begin(), lista.end(), [](const Idioma& a, const Idioma& b) {
        return plataforma::MenorAlfabetico(a.nome, b.nome);
    });
    return lista;
}

void IniciarIdioma() {
    Atual() = LerIdiomaConfig();
    EsquecerTextos();
    RecarregarTabelasTexto();
}

void RecarregarTabelasTexto() {
    RecarregarNomesPaises();
}

std::string nomeliga(int pais) {
    struct Par {
        int pais, texto;
    };
    static constexpr Par kLigas[] = {
        {3, 28},    {11, 38},   {21, 33},  {26, 732},  {29, 37},   {42, 733}, {43, 734}, {46, 735},
        {60, 736},  {62, 39},   {65, 30},  {72, 32},   {78, 34},   {85, 35},  {97, 31},  {104, 29},
        {107, 41},  {119, 43},  {131, 40}, {150, 737}, {151, 738}, {154, 36}, {160, 44}, {162, 739},
        {179, 740}, {180, 741}, {192, 42}, {193, 742}, {195, 743}};
    if (pais == kPaisInternacional) return "International";
    for (const Par& p : kLigas)
        if (p.pais == pais) return texto(p.texto);
    return texto(45) + " " + NomePais(pais);
}

std::string nomecopapais(int pais) {
    struct Par {
        int pais, texto;
    };
    static constexpr Par kCopas[] = {{3, 745},   {11, 755},  {21, 750},  {29, 754},
                                     {62, 756},  {65, 747},  {72, 749},  {78, 751},
                                     {85, 752},  {97, 748},  {104, 746}, {107, 758},
                                     {131, 757}, {154, 753}, {162, 767}, {192, 759}};
    if (pais == kPaisInternacional) return "International";
    for (const Par& p : kCopas)
        if (p.pais == pais) return texto(p.texto);
    return NomePais(pais);
}

std::string nomedivisao(int divisao) {
    if (divisao < 1 || divisao > 4) return {};
    return texto(51 + divisao);
}

std::string nomeestado(int estado) {
    if (estado < 0 || estado > 26) return {};
    return texto(2710 + estado);
}

} // namespace world
