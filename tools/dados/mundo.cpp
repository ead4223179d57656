#include "mundo.hpp"

#include "fontes.hpp"
#include "fundos.hpp"
#include "plataforma/aleatorio.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/cp1252.hpp"
#include "world/arquivotime.hpp"
#include "world/selecoes.hpp"

#include <algorithm>
#include <cmath>
#include <set>

namespace dados {
namespace {

using plataforma::Gerador;
namespace fs = std::filesystem;

// Club colours as (background, text), 00BBGGRR like the game stores them.
struct ParCores {
    std::int32_t fundo, texto;
};
constexpr ParCores kCores[] = {
    {0x0000CC, 0xFFFFFF}, {0xFFFFFF, 0x000000}, {0x000000, 0xFFFFFF}, {0x993300, 0xFFFFFF},
    {0x006600, 0xFFFFFF}, {0x00CCFF, 0x000066}, {0xFF9933, 0xFFFFFF}, {0x660066, 0xFFFFFF},
    {0x0066FF, 0x000000}, {0x333333, 0x00FFFF}, {0xCC0000, 0x00FFFF}, {0x00AA00, 0x000000},
    {0x000099, 0x00CCFF}, {0xFFFFFF, 0x0000CC}, {0xFFFFFF, 0x006600}, {0x66CCFF, 0x003366},
    {0x800000, 0x00FFFF}, {0x0000AA, 0x000000}, {0xE0E0E0, 0x990000}, {0x003300, 0x99FFCC},
};

// Countries whose players are most often found abroad.
constexpr int kExportadores[] = {29, 11, 3,  65,  72, 85, 154, 60, 46, 195, 150, 21, 104,
                                 97, 42, 26, 131, 57, 1,  168, 43, 49, 38,  14,  68};

std::string Slug(int pais, const std::string& nomeCp1252) {
    std::string utf8 = plataforma::Cp1252ParaUtf8(nomeCp1252);
    std::string s = (pais < 10 ? "00" : pais < 100 ? "0" : "") + std::to_string(pais) + "_";
    static const std::pair<const char*, char> kAcentos[] = {
        {"á", 'a'}, {"à", 'a'}, {"â", 'a'}, {"ã", 'a'}, {"ä", 'a'}, {"å", 'a'}, {"é", 'e'},
        {"è", 'e'}, {"ê", 'e'}, {"ë", 'e'}, {"í", 'i'}, {"ì", 'i'}, {"î", 'i'}, {"ï", 'i'},
        {"ó", 'o'}, {"ò", 'o'}, {"ô", 'o'}, {"õ", 'o'}, {"ö", 'o'}, {"ø", 'o'}, {"ú", 'u'},
        {"ù", 'u'}, {"û", 'u'}, {"ü", 'u'}, {"ç", 'c'}, {"ñ", 'n'}, {"ý", 'y'}, {"š", 's'},
        {"ž", 'z'}, {"Á", 'a'}, {"É", 'e'}, {"Í", 'i'}, {"Ó", 'o'}, {"Ú", 'u'}, {"Ç", 'c'},
        {"Ö", 'o'}, {"Ü", 'u'}, {"Å", 'a'}, {"Ä", 'a'}, {"Ø", 'o'}, {"ß", 's'}, {"æ", 'a'}};
    for (std::size_t i = 0; i < utf8.size();) {
        bool achou = false;
        for (const auto& [a, b] : kAcentos) {
            const std::size_t n = std::char_traits<char>::length(a);
            if (utf8.compare(i, n, a) == 0) {
                s += b;
                i += n;
                achou = true;
                break;
            }
        }
        if (achou) continue;
        const char c = utf8[i++];
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            s += c;
        else if (c >= 'A' && c <= 'Z')
            s += static_cast<char>(c + 32);
        else if (!s.empty() && s.back() != '_')
            s += '_';
    }
    while (!s.empty() && s.back() == '_') s.pop_back();
    if (s.size() > 25) s.resize(25);
    while (!s.empty() && s.back() == '_') s.pop_back();
    return s;
}

std::string Trocar(std::string modelo, const std::string& chave, const std::string& valor) {
    for (std::size_t p; (p = modelo.find(chave)) != std::string::npos;)
        modelo.replace(p, chave.size(), valor);
    return modelo;
}

template <class T> const T& Um(Gerador& g, const std::vector<T>& v) {
    return v[static_cast<std::size_t>(g.Aleatorio(static_cast<std::int32_t>(v.size())))];
}

// Initials for the badge: the capitals of the name's words, at most three.
std::string Iniciais(const std::string& nomeCp1252) {
    std::string r;
    bool inicio = true;
    for (char c : plataforma::Cp1252ParaUtf8(nomeCp1252)) {
        const bool letra = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (inicio && letra && r.size() < 3) r += static_cast<char>(c >= 'a' ? c - 32 : c);
        inicio = c == ' ' || c == '-';
    }
    return r.empty() ? "FC" : r;
}

std::string NomeJogador(Gerador& g, const Nomes& n, std::set<std::string>& usados,
                        std::size_t max) {
    for (int tentativa = 0; tentativa < 40; ++tentativa) {
        const std::string nome = plataforma::Utf8ParaCp1252(Um(g, n.nomes));
        const std::string sobrenome = plataforma::Utf8ParaCp1252(Um(g, n.sobrenomes));
        std::string s = nome + " " + sobrenome;
        if (s.size() > max) s = nome.substr(0, 1) + ". " + sobrenome;
        if (s.size() > max) s = sobrenome.substr(0, max);
        if (usados.insert(s).second) return s;
    }
    return plataforma::Utf8ParaCp1252(Um(g, n.sobrenomes)).substr(0, max);
}

struct Elenco {
    std::vector<int> posicoes;
    std::vector<bool> titulares;
};

// A squad of `tamanho`: two or three goalkeepers and the rest spread over the
// lines; the starters form a 4-4-2, a 4-3-3 or a 4-5-1.
Elenco MontarElenco(Gerador& g, int tamanho) {
    const int goleiros = tamanho >= 21 ? 3 : 2;
    const int resto = tamanho - goleiros;
    const int laterais = std::max(3, static_cast<int>(std::lround(resto * 0.22)));
    const int zagueiros = std::max(3, static_cast<int>(std::lround(resto * 0.22)));
    const int meias = std::max(4, static_cast<int>(std::lround(resto * 0.32)));
    const int atacantes = resto - laterais - zagueiros - meias;
    Elenco e;
    for (int i = 0; i < goleiros; ++i) e.posicoes.push_back(0);
    for (int i = 0; i < laterais; ++i) e.posicoes.push_back(1);
    for (int i = 0; i < zagueiros; ++i) e.posicoes.push_back(2);
    for (int i = 0; i < meias; ++i) e.posicoes.push_back(3);
    for (int i = 0; i < atacantes; ++i) e.posicoes.push_back(4);
    static constexpr int kFormacoes[3][4] = {{2, 2, 4, 2}, {2, 2, 3, 3}, {2, 2, 5, 1}};
    const int r = g.Aleatorio(100);
    const int* f = kFormacoes[r < 60 ? 0 : r < 85 ? 1 : 2];
    int quota[5] = {1, f[0], f[1], f[2], f[3]};
    for (int p : e.posicoes) {
        e.titulares.push_back(quota[p] > 0);
        if (quota[p] > 0) --quota[p];
    }
    return e;
}

void Caracteristicas(Gerador& g, int posicao, int& a, int& b) {
    static const std::vector<int> k1[5] = {{0, 1, 2, 3},
                                           {6, 10, 13, 11, 4, 8},
                                           {7, 12, 10, 5},
                                           {4, 7, 9, 11, 8, 10},
                                           {9, 5, 8, 13, 6, 11}};
    static const std::vector<int> k2[5] = {
        {0, 1, 2, 3}, {10, 13, 6, 11, 12}, {12, 7, 5, 10}, {11, 9, 4, 7, 10, 6}, {9, 5, 8, 13, 11}};
    a = Um(g, k1[posicao]);
    b = Um(g, k2[posicao]);
    if (a == b && posicao != 0 && g.Aleatorio(3) > 0) b = Um(g, k2[posicao]);
}

int Idade(Gerador& g, bool titular) {
    // Most players between 21 and 31; a few teenagers and veterans.
    const int base = titular ? 21 : 18;
    const int span = titular ? 12 : 19;
    return std::clamp(base + (g.Aleatorio(span) + g.Aleatorio(span)) / 2, 17, 37);
}

int Estrelas(Gerador& g, int nivel) {
    if (nivel >= 22) return 2 + g.Aleatorio(2);
    if (nivel >= 20) return 1 + g.Aleatorio(2);
    if (nivel >= 17) return g.Aleatorio(100) < 40 ? 1 : 0;
    return g.Aleatorio(100) < 3 ? 1 : 0;
}

bool GravarFigura(const fs::path& p, const Tela& t, bool gif) {
    fs::create_directories(p.parent_path());
    return plataforma::GravarArquivoAtomico(p, gif ? GerarGif(t) : GerarBmp(t));
}

struct Saida {
    fs::path teams;
    int gravados = 0;
};

bool GerarClubes(const PaisFonte& p, const Nomes& n, Saida& s, std::string& erro) {
    Gerador g(0x5EED0000ull + static_cast<std::uint64_t>(p.codigo) * 7919);
    if (static_cast<int>(n.cidades.size()) < p.clubes) {
        erro = "country " + std::to_string(p.codigo) + ": fewer towns than clubs";
        return false;
    }
    // Levels: a few clubs near the top, most in the middle; then dealt to the
    // towns in a shuffled order so that the strong clubs are spread out.
    std::vector<int> niveis;
    for (int i = 0; i < p.clubes; ++i) {
        const double x = p.clubes > 1 ? static_cast<double>(i) / (p.clubes - 1) : 0.0;
        const double v = p.nivelmax - (p.nivelmax - p.nivelmin) * std::pow(x, 0.7);
        niveis.push_back(std::clamp(static_cast<int>(std::lround(v)) + g.Aleatorio(3) - 1,
                                    p.nivelmin, p.nivelmax));
    }
    std::vector<int> ordem(static_cast<std::size_t>(p.clubes));
    for (int i = 0; i < p.clubes; ++i) ordem[i] = i;
    for (int i = p.clubes - 1; i > 0; --i) std::swap(ordem[i], ordem[g.Aleatorio(i + 1)]);

    std::set<std::string> nomesClubes, arquivos;
    for (int k = 0; k < p.clubes; ++k) {
        const auto& [estado, cidadeUtf8] = n.cidades[static_cast<std::size_t>(k)];
        const std::string cidade = plataforma::Utf8ParaCp1252(cidadeUtf8);
        const int nivel = niveis[ordem[k]];
        std::string nome;
        for (int t = 0; t < 12 && nome.empty(); ++t) {
            const std::string c =
                plataforma::Utf8ParaCp1252(Trocar(Um(g, n.padroes), "{c}", cidadeUtf8));
            if (c.size() <= 25 && !nomesClubes.count(c)) nome = c;
        }
        if (nome.empty()) nome = cidade.substr(0, 25);
        if (!nomesClubes.insert(nome).second) {
            erro = "country " + std::to_string(p.codigo) + ": two clubs named " + nome;
            return false;
        }
        world::ArquivoTime a = world::NovoArquivoTime();
        auto& h = a.cabecalho;
        h.pais = static_cast<world::u8>(p.codigo);
        h.nivel = static_cast<world::u8>(nivel);
        h.nome = nome;
        h.nomecompleto = nome;
        std::string arquivo = Slug(p.codigo, nome);
        while (!arquivos.insert(arquivo).second)
            arquivo = arquivo.substr(0, 22) + std::to_string(k);
        h.arquivo = arquivo;
        h.escudo = arquivo;
        const std::string sobrenome = Um(g, n.sobrenomes);
        std::string estadio = plataforma::Utf8ParaCp1252(
            Trocar(Trocar(Um(g, n.estadios), "{s}", sobrenome), "{c}", cidadeUtf8));
        h.estadio = estadio.substr(0, 30);
        std::set<std::string> pessoas;
        h.tecnico = NomeJogador(g, n, pessoas, 25);
        const ParCores cores = kCores[g.Aleatorio(static_cast<int>(std::size(kCores)))];
        h.corfundo = cores.fundo;
        h.cortexto = cores.texto;
        h.estado = static_cast<world::u8>(std::max(0, estado));

        const Elenco e = MontarElenco(g, 18 + g.Aleatorio(8));
        int estrelas = Estrelas(g, nivel);
        for (std::size_t j = 0; j < e.posicoes.size(); ++j) {
            auto& b = a.jogadores;
            b.nomes[j] = NomeJogador(g, n, pessoas, 20);
            b.posicoes[j] = static_cast<world::u8>(e.posicoes[j]);
            b.titulares[j] = e.titulares[j];
            b.idades[j] = static_cast<world::u8>(Idade(g, e.titulares[j]));
            b.paises[j] = static_cast<world::u8>(
                g.Aleatorio(100) < 88 ? p.codigo
                                      : kExportadores[g.Aleatorio(std::size(kExportadores))]);
            int c1, c2;
            Caracteristicas(g, e.posicoes[j], c1, c2);
            b.caract1[j] = static_cast<world::u8>(c1);
            b.caract2[j] = static_cast<world::u8>(c2);
            // Stars are starters, spread along the team.
            if (estrelas > 0 && e.titulares[j] && e.posicoes[j] > 0 && g.Aleatorio(3) == 0) {
                b.estrelas[j] = 1;
                --estrelas;
            }
        }
        h.valido = world::TimeCompleto(a.jogadores) ? 1 : 0;
        if (!world::gravaarquivotime(s.teams / (arquivo + ".b07"), h, a.jogadores)) {
            erro = "cannot write " + arquivo + ".b07";
            return false;
        }
        const Tela escudo = EscudoDoTime(CorDoJogo(cores.fundo), CorDoJogo(cores.texto),
                                         Iniciais(nome), g.Aleatorio(5));
        if (!GravarFigura(s.teams / "logos" / (arquivo + (s.gravados % 3 == 0 ? ".gif" : ".bmp")),
                          escudo, s.gravados % 3 == 0) ||
            !GravarFigura(s.teams / "minilogos" / ("mini_" + arquivo + ".bmp"),
                          escudo.Reduzida(18, 18), false)) {
            erro = "cannot write the badges of " + arquivo;
            return false;
        }
        ++s.gravados;
    }
    return true;
}

bool GerarSelecao(const PaisFonte& p, const Nomes& n, const fs::path& pasta, std::string& erro) {
    Gerador g(0x5E1EC000ull + static_cast<std::uint64_t>(p.codigo) * 104729);
    world::TSelecao s = world::NovaSelecao(p.codigo);
    s.nivel = p.nivelselecao;
    const ParCores cores = kCores[g.Aleatorio(static_cast<int>(std::size(kCores)))];
    s.corfundo = cores.fundo;
    s.cortexto = cores.texto;
    const std::string escudo = "sel_" + std::to_string(p.codigo);
    s.escudo = escudo;
    std::set<std::string> pessoas;
    s.tecnico = NomeJogador(g, n, pessoas, 30);
    static constexpr int kPosicoes[23] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 3, 3,
                                          3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4};
    static constexpr bool kTitular[23] = {1, 0, 0, 1, 1, 0, 1, 1, 0, 0, 1, 1,
                                          1, 1, 0, 0, 0, 1, 1, 0, 0, 0, 0};
    int estrelas = p.nivelselecao >= 22   ? 3
                   : p.nivelselecao >= 18 ? 1 + g.Aleatorio(2)
                                          : g.Aleatorio(2);
    for (int k = 0; k < 23; ++k) {
        s.nomes[k] = NomeJogador(g, n, pessoas, 35);
        s.posicoes[k] = kPosicoes[k];
        s.titulares[k] = kTitular[k];
        s.idades[k] = std::clamp(20 + (g.Aleatorio(14) + g.Aleatorio(14)) / 2, 19, 35);
        int c1, c2;
        Caracteristicas(g, kPosicoes[k], c1, c2);
        s.caract1s[k] = c1;
        s.caract2s[k] = c2;
        if (estrelas > 0 && kTitular[k] && kPosicoes[k] > 0 && g.Aleatorio(2) == 0) {
            s.estrelas[k] = 1;
            --estrelas;
        }
        ++s.numjogadores;
    }
    s.completo = world::SelecaoCompleta(s) ? 1 : 0;
    fs::create_directories(pasta);
    if (!world::GravarArquivoSelecao(pasta / (std::to_string(p.codigo) + ".s05"), s)) {
        erro = "cannot write national team " + std::to_string(p.codigo);
        return false;
    }
    // No picture: the game draws a national team's badge from its country's
    // name and colours. The name stays, for a picture a modder may add.
    return true;
}

// Files the game must pass over without a word.
bool GerarInutilizaveis(const fs::path& teams, std::string& erro) {
    auto base = [](const char* nome) {
        world::ArquivoTime a = world::NovoArquivoTime();
        a.cabecalho.pais = 29;
        a.cabecalho.nivel = 12;
        a.cabecalho.nome = nome;
        a.cabecalho.arquivo = nome;
        for (int k = 0; k < 18; ++k) {
            a.jogadores.nomes[k] = std::string("Reserva ") + std::to_string(k + 1);
            a.jogadores.posicoes[k] = static_cast<world::u8>(k < 2 ? 0 : 1 + k % 4);
            a.jogadores.idades[k] = 24;
            a.jogadores.paises[k] = 29;
            a.jogadores.caract1[k] = k < 2 ? 0 : 4;
        }
        a.cabecalho.valido = 1;
        return a;
    };
    struct Caso {
        const char* arquivo;
        world::ArquivoTime a;
    };
    std::vector<Caso> casos;
    {
        world::ArquivoTime a = base("Incompleto FC");
        for (int k = 11; k < 18; ++k) a.jogadores.nomes[k].set(world::kNomeVazio);
        a.cabecalho.valido = 0;
        casos.push_back({"zz_incompleto", a});
    }
    {
        world::ArquivoTime a = base("Invalido EC");
        a.cabecalho.valido = 0;
        casos.push_back({"zz_invalido", a});
    }
    {
        world::ArquivoTime a = base("Antigo AC");
        a.cabecalho.versao = 5;
        casos.push_back({"zz_versao5", a});
    }
    {
        world::ArquivoTime a = base("");
        casos.push_back({"zz_semnome", a});
    }
    for (const Caso& c : casos)
        if (!world::gravaarquivotime(teams / (std::string(c.arquivo) + ".b07"), c.a.cabecalho,
                                     c.a.jogadores)) {
            erro = "cannot write the unusable files";
            return false;
        }
    // Cut short after the country: no validity byte, so no club.
    std::vector<std::uint8_t> bytes = {1, 0, 0, 0, 29};
    return plataforma::GravarArquivoAtomico(teams / "zz_truncado.b07", bytes);
}

} // namespace

bool GerarMundo(const fs::path& fontes, const fs::path& saida, std::string& erro) {
    const fs::path mundo = fontes / "mundo";
    std::vector<PaisFonte> paises;
    std::error_code ec;
    if (!fs::exists(mundo / "paises.tsv", ec)) return true; // a world without clubs
    if (!LerPaises(mundo / "paises.tsv", paises, erro)) return false;
    Saida s;
    s.teams = saida / "teams";
    // A fresh folder each time: no club of an older world survives.
    for (const char* pasta : {"teams/logos", "teams/minilogos", "teams/selecoes"})
        fs::create_directories(saida / pasta, ec);
    for (const auto& e : fs::directory_iterator(s.teams, ec))
        if (e.path().extension() == ".b07") fs::remove(e.path(), ec);
    // Older worlds wrote a national team's code as its badge.
    for (const auto& e : fs::directory_iterator(s.teams / "selecoes", ec))
        if (e.path().filename().string().rfind("sel_", 0) == 0) fs::remove(e.path(), ec);
    for (const PaisFonte& p : paises) {
        Nomes n;
        if (!LerNomes(mundo / "nomes" / (std::to_string(p.codigo) + ".txt"), n, erro)) return false;
        if (p.clubes > 0 && !GerarClubes(p, n, s, erro)) return false;
        if (p.nivelselecao > 0 && !GerarSelecao(p, n, s.teams / "selecoes", erro)) return false;
    }
    return GerarInutilizaveis(s.teams, erro);
}

} // namespace dados
