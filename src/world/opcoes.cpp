#include "world/opcoes.hpp"

#include "plataforma/caminhos.hpp"
#include "plataforma/cp1252.hpp"
#include "plataforma/perfil.hpp"
#include "world/numeros.hpp"

#include <cstdio>
#include <optional>

namespace world {
namespace {

std::filesystem::path ArquivoOpcoes() {
    return plataforma::ResolverEm(plataforma::PastasDoJogo().programa, "pitchlord.ini");
}

std::optional<i32> Numero(std::string_view chave) {
    return ConverterInteiro(leopcao(kSecaoOpcoes, chave));
}

u8 Ligada(std::string_view chave, bool padrao, bool soUm) {
    const auto v = Numero(chave);
    if (!v) return padrao;
    return soUm ? *v == 1 : *v != 0;
}

struct NomeCor {
    std::string_view nome;
    i32 cor;
};
constexpr NomeCor kCores[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080},  {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},   {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},    {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},  {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},  {"clMedGray", 0xA4A0A0},    {"clLtGray", 0xC0C0C0},
    {"clDkGray", 0x808080},
};

} // namespace

void gravaopcao(std::string_view secao, std::string_view chave, std::string_view valor) {
    // A failed write is not reported: the option still holds for this game.
    plataforma::GravarPerfil(ArquivoOpcoes(), secao, chave, valor);
}

std::string leopcao(std::string_view secao, std::string_view chave) {
    return plataforma::LerPerfil(ArquivoOpcoes(), secao, chave, "nofound");
}

bool ConverterCor(std::string_view texto, i32& cor) {
    while (!texto.empty() && texto.front() == ' ') texto.remove_prefix(1);
    while (!texto.empty() && texto.back() == ' ') texto.remove_suffix(1);
    for (const NomeCor& c : kCores)
        if (plataforma::IguaisSemCaixa(c.nome, texto)) {
            cor = c.cor;
            return true;
        }
    const auto v = ConverterInteiro(texto);
    if (!v) return false;
    cor = *v;
    return true;
}

std::string TextoCor(i32 cor) {
    char b[16];
    std::snprintf(b, sizeof b, "$%08X", static_cast<unsigned>(cor));
    return b;
}

int ItemVelocidade(i32 ms) {
    for (std::size_t i = 0; i < kVelocidades.size(); ++i)
        if (kVelocidades[i] == ms) return static_cast<int>(i);
    return -1;
}

int ItemVelocidadeSemHumanos(i32 ms) {
    for (std::size_t i = 0; i < kVelocidadesSemHumanos.size(); ++i)
        if (kVelocidadesSemHumanos[i] == ms) return static_cast<int>(i);
    return -1;
}

void leopcoes(TOpcoes& o) {
    if (const auto v = Numero("opvelocidade")) {
        static constexpr i32 kMs[6] = {3000, 2000, 1200, 500, 200, 100};
        o.opvelocidade = (*v >= 0 && *v <= 5 && *v != 3) ? kMs[*v] : 500;
    } else {
        o.opvelocidade = 800;
    }
    if (const auto v = Numero("opnhvelocidade")) {
        static constexpr i32 kMs[7] = {4000, 2500, 1500, 800, 600, 100, 10};
        o.opnhvelocidade = (*v >= 0 && *v <= 6 && *v != 4) ? kMs[*v] : 600;
    } else {
        o.opnhvelocidade = 600;
    }
    o.opintervalo = Ligada("opintervalo", true, false);
    o.op_verpenalty = Ligada("op_verpenalty", false, true);
    o.opvertrocatecnicos = Ligada("opvertrocatecnicos", false, false);
    o.opsom = Ligada("opsom", true, false);
    o.opcontrato = Ligada("opcontrato", false, false);
    o.opminutos = Ligada("opminutos", true, false);
    o.opcornalista = Ligada("opcornalista", false, true);
    o.opnegrito = Ligada("opnegrito", false, true);
    {
        const i32 v = Numero("opsalvar").value_or(0);
        // Outside 0..3 there is no such choice: never save.
        o.opsalvar = (v > 3 || v < 0) ? 0 : v;
    }
    o.opemails = Numero("opemails").value_or(0);
    o.opver41 = Numero("opver41").value_or(0);
    o.opver42 = Numero("opver42").value_or(0);
    o.opver61 = Numero("opver61").value_or(0);
    o.opver62 = Numero("opver62").value_or(0);
    bool boas = true;
    i32 cores[5];
    for (int i = 0; i < 5; ++i) {
        const std::string chave = "cor" + std::to_string(i);
        boas = ConverterCor(leopcao(kSecaoOpcoes, chave), cores[i]) && boas;
    }
    for (int i = 0; i < 5; ++i) o.cores[i] = boas ? cores[i] : kCorInvalida;
}

} // namespace world
