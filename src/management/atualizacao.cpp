#include "management/atualizacao.hpp"

#include "management/contratos.hpp"
#include "management/estadio.hpp"
#include "management/mercado.hpp"
#include "world/emails.hpp"

namespace management {

using namespace world;

void AtualizarTelaPrincipal(Jogo& jogo) {
    const int time = jogo.estado.timeatual;
    if (!jogo.TimeValido(time) || !jogo.times[time].humano) return;
    ConcluirObras(jogo, time);
    if (!jogo.ciclo.semeventos) {
        VendasPrecoFixo(jogo, time);
        AnunciarCopaDoMundo(jogo, time);
    }
    AvisosContrato(jogo, time);
}

} // namespace management
