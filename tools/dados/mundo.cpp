#include "mundo.hpp"

namespace dados {

bool GerarMundo(const std::filesystem::path& fontes, const std::filesystem::path& saida,
                std::string& erro) {
    // The world's name pools arrive in data/mundo/; until then there are no clubs.
    (void)fontes;
    (void)saida;
    (void)erro;
    return true;
}

} // namespace dados
