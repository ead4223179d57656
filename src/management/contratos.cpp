#include "management/contratos.hpp"

#include "management/emails.hpp"
#include "management/mercado_interno.hpp"

namespace management {

using namespace world;
using mercado::Hoje;

void NovoContrato(Jogo& jogo, int jogador, int semanas) {
    if (!mercado::JogadorValido(jogo, jogador)) return;
    TJogador& j = jogo.jogadores[jogador];
    j.contrato = Hoje(jogo) + 7.0 * semanas;
    j.avisocontrato = 0;
}

void AvisosContrato(Jogo& jogo, int clube) {
    if (!mercado::ClubeDoMercado(jogo, clube)) return;
    const double hoje = Hoje(jogo);
    const TOpcoes& o = jogo.estado.opcoes;
    for (int i : mercado::JogadoresDoClube(jogo, clube)) {
        TJogador& j = jogo.jogadores[i];
        if (o.opcontrato && j.contrato < hoje) NovoContrato(jogo, i, 12);
        if (o.opemails >= 3 || j.avisocontrato >= 2) continue;
        const bool terminou = j.contrato < hoje;
        if ((!terminou || o.opemails > 1) && j.contrato - hoje < 21 && j.avisocontrato == 0 &&
            (o.opemails == 0 || o.opemails == 2)) {
            PostarEmail(jogo, clube, kEmailContrato, 0, 0, 0, i);
            j.avisocontrato = 1;
        }
        if (terminou && o.opemails <= 1) {
            PostarEmail(jogo, clube, kEmailContrato, 1, 0, 0, i);
            j.avisocontrato = 2;
        }
    }
}

} // namespace management
