#include "world/nomescompeticoes.hpp"

#include "world/idioma.hpp"
#include "world/paises.hpp"

namespace world {

std::string NomeDaLiga(const Jogo& jogo, int pais) {
    if (pais != kPaisInternacional) return nomeliga(pais);
    const std::string_view nome = jogo.estado.nomecampeonato.view();
    return std::string(nome.empty() ? kNomeCampeonatoInternacional : nome);
}

std::string NomeDaCopa(const Jogo& jogo, int pais) {
    if (pais != kPaisInternacional) return nomecopapais(pais);
    const std::string_view nome = jogo.estado.nomecopa.view();
    return std::string(nome.empty() ? kNomeCopaInternacional : nome);
}

} // namespace world
