#include "apoio/apoio.hpp"

#include "plataforma/caminhos.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <atomic>
#include <fstream>
#include <unistd.h>

namespace apoio {

namespace {
void EsquecerIdioma() {
    world::DefinirIdioma(-1);
    world::EsquecerTextos();
    world::RecarregarNomesPaises();
}
} // namespace

PastaTemporaria::PastaTemporaria() {
    static std::atomic<int> contador{0};
    caminho_ = std::filesystem::temp_directory_path() /
               ("pitchlord-teste-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    std::filesystem::remove_all(caminho_);
    std::filesystem::create_directories(caminho_);
    anteriores_ = plataforma::PastasDoJogo();
    plataforma::PastasDoJogo() = plataforma::Pastas{};
    plataforma::DefinirRaiz(caminho_);
    plataforma::DefinirPastaPrograma(caminho_);
    EsquecerIdioma();
}

PastaTemporaria::~PastaTemporaria() {
    plataforma::PastasDoJogo() = anteriores_;
    std::error_code ec;
    std::filesystem::permissions(caminho_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(caminho_, ec);
    EsquecerIdioma();
}

void PastaTemporaria::Escrever(std::string_view relativo, std::string_view conteudo) const {
    const auto p = caminho_ / relativo;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(conteudo.data(), static_cast<std::streamsize>(conteudo.size()));
}

void PastaTemporaria::Escrever(std::string_view relativo,
                               const std::vector<std::uint8_t>& conteudo) const {
    Escrever(relativo,
             std::string_view(reinterpret_cast<const char*>(conteudo.data()), conteudo.size()));
}

std::vector<std::uint8_t> PastaTemporaria::Ler(std::string_view relativo) const {
    std::ifstream f(caminho_ / relativo, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

world::ArquivoTime MontarTime(int pais, int nivel, std::string_view nome, int goleiros, int linha) {
    world::ArquivoTime t = world::NovoArquivoTime();
    auto& c = t.cabecalho;
    c.pais = static_cast<world::u8>(pais);
    c.nivel = static_cast<world::u8>(nivel);
    c.nome = nome;
    c.nomecompleto = std::string(nome) + " Futebol Clube";
    c.estadio = "Estadio " + std::string(nome);
    c.arquivo = nome;
    c.escudo = nome;
    c.tecnico = "Tecnico " + std::string(nome);
    c.corfundo = 0x0000FF;
    c.cortexto = 0xFFFFFF;
    static constexpr int kCaract[5][2] = {{0, 2}, {6, 10}, {7, 12}, {4, 9}, {9, 5}};
    int k = 0;
    auto vaga = [&](int posicao) {
        if (k >= world::kVagasTime) return;
        auto& b = t.jogadores;
        b.nomes[k] = std::string(nome).substr(0, 10) + " J" + std::to_string(k + 1);
        b.posicoes[k] = static_cast<world::u8>(posicao);
        b.idades[k] = static_cast<world::u8>(18 + k % 15);
        b.paises[k] = static_cast<world::u8>(pais);
        b.caract1[k] = static_cast<world::u8>(kCaract[posicao][0]);
        b.caract2[k] = static_cast<world::u8>(kCaract[posicao][1]);
        ++k;
    };
    for (int i = 0; i < goleiros; ++i) vaga(0);
    for (int i = 0; i < linha; ++i) vaga(1 + i % 4);
    // Starters: the first goalkeeper and the first ten outfield players.
    int titulares = 0;
    for (int s = 0; s < k && titulares < 11; ++s) {
        if (t.jogadores.posicoes[s] == 0 && s > 0) continue;
        t.jogadores.titulares[s] = 1;
        ++titulares;
    }
    c.valido = world::TimeCompleto(t.jogadores) ? 1 : 0;
    return t;
}

void GravarTime(const PastaTemporaria& pasta, world::ArquivoTime t, std::string arquivo) {
    if (arquivo.empty()) arquivo = std::string(t.cabecalho.arquivo.view());
    std::filesystem::create_directories(pasta / "teams");
    world::gravaarquivotime(pasta / ("teams/" + arquivo + ".b07"), t.cabecalho, t.jogadores);
}

void GravarIdioma(const PastaTemporaria& pasta, int numero, std::string_view nome,
                  const std::vector<std::string>& s1, const std::vector<std::string>& s2,
                  bool atual) {
    std::string t = "[language]\r\nlanguageversion=2007\r\nlanguagename=" + std::string(nome) +
                    "\r\nid=" + std::to_string(numero) + "\r\n[s1]\r\n";
    for (const auto& l : s1) t += l + "\r\n";
    t += "[s2]\r\n";
    for (const auto& l : s2) t += l + "\r\n";
    pasta.Escrever("languages/" + std::to_string(numero) + ".txt", t);
    if (atual)
        pasta.Escrever("languages/config.ini",
                       "[language]\r\nid=" + std::to_string(numero) + "\r\n");
    world::DefinirIdioma(-1);
    world::EsquecerTextos();
    world::RecarregarNomesPaises();
}

} // namespace apoio
