#include "opcoes.hpp"

#include "plataforma/arquivos.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/perfil.hpp"
#include "world/opcoes.hpp"

#include <string_view>

namespace dados {
namespace {

struct Opcao {
    std::string_view chave;
    int valor;
};

// Item indices and ticks as the options dialog writes them. Matches with a
// human on the "Normal" speed, the others instant; an automatic save every
// third matchday; ended contracts renewed without a chore; the rest as the
// game reads a missing key.
const Opcao kOpcoes[] = {
    {"opsalvar", 1},
    {"opvelocidade", world::ItemVelocidade(500)},
    {"opnhvelocidade", world::ItemVelocidadeSemHumanos(10)},
    {"op_verpenalty", 0},
    {"opvertrocatecnicos", 0},
    {"opintervalo", 1},
    {"opemails", 0},
    {"opcontrato", 1},
    {"opsom", 1},
    {"opnegrito", 0},
    {"opcornalista", 0},
    {"opminutos", 1},
    {"opver41", 0},
    {"opver42", 0},
    {"opver61", 0},
    {"opver62", 0},
};

} // namespace

std::string TextoOpcoesPadrao() {
    plataforma::ArquivoPerfil p;
    for (const Opcao& o : kOpcoes) p.Gravar(world::kSecaoOpcoes, o.chave, std::to_string(o.valor));
    // The colours of "Cores Padrão", so that ticking the colours in lists
    // never paints every position red.
    for (std::size_t i = 0; i < world::kCoresPadrao.size(); ++i)
        p.Gravar(world::kSecaoOpcoes, "cor" + std::to_string(i),
                 world::TextoCor(world::kCoresPadrao[i]));
    return p.Texto();
}

bool GerarOpcoes(const std::filesystem::path& saida, std::string& erro) {
    // Whatever already bears the name (a file, a link) is the player's.
    std::error_code ec;
    const auto existente =
        std::filesystem::symlink_status(plataforma::ResolverEm(saida, "pitchlord.ini"), ec);
    if (std::filesystem::exists(existente)) return true;
    if (!plataforma::GravarArquivoAtomico(saida / "pitchlord.ini", TextoOpcoesPadrao())) {
        erro = "cannot write pitchlord.ini";
        return false;
    }
    return true;
}

} // namespace dados
