#include "management/proximoadversario.hpp"

#include "competitions/resumos.hpp"
#include "plataforma/datas.hpp"
#include "world/competicoes.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"

namespace management {

using namespace world;

namespace {

// Matchdays in one leg of a round-robin competition.
int RodadasPorTurno(const Jogo& jogo, int competicao) {
    switch (competicao) {
    case kLiga:
        return jogo.estado.divisoesporliga == 2 ? 19 : 9;
    case kEstadual:
        return 5;
    case kContinental1:
    case kContinental2:
        return 3;
    default:
        return 0;
    }
}

// Group stages: the league, the state groups (matchdays 1..5, the final is
// 6 and 7) and the continental groups (1..3, the knockout is 4..7).
bool PorRodada(int competicao, int rodada) {
    switch (competicao) {
    case kLiga:
        return true;
    case kEstadual:
        return rodada <= 5;
    case kContinental1:
    case kContinental2:
        return rodada <= 3;
    default:
        return false;
    }
}

} // namespace

std::string NomeDaCompeticao(const Jogo& jogo, int competicao, int grupo) {
    // A league's or cup's fixture names its league; a continental one its
    // region.
    const bool liga = (competicao == kLiga || competicao == kCopaNacional) && grupo >= 0 &&
                      grupo < static_cast<int>(jogo.ligas.size());
    const int pais = liga ? jogo.ligas[grupo].pais : jogo.estado.paisprincipal;
    return competitions::NomeDaCompeticaoEm(jogo, competicao, pais, grupo);
}

ProximoAdversario ProcurarProximoAdversario(const Jogo& jogo, int time, double hoje) {
    ProximoAdversario r;
    if (time < 0 || time >= static_cast<int>(jogo.times.size())) return r;
    const auto dia = plataforma::DiaInteiro(hoje);
    std::int32_t melhor = 0;
    for (std::size_t i = 0; i < jogo.partidas.size(); ++i) {
        const TPartida& p = jogo.partidas[i];
        if (p.jogado || p.mandante < 0 || p.visitante < 0) continue;
        if (p.mandante != time && p.visitante != time) continue;
        const auto d = plataforma::DiaInteiro(p.data);
        if (d < dia || (r.partida >= 0 && d >= melhor)) continue;
        r.partida = static_cast<int>(i);
        melhor = d;
    }
    if (r.partida < 0) return r;
    const TPartida& p = jogo.partidas[r.partida];
    r.casa = p.mandante == time;
    r.adversario = r.casa ? p.visitante : p.mandante;
    r.competicao = p.competicao;
    r.nomecompeticao = NomeDaCompeticao(jogo, p.competicao, p.grupo);
    if (PorRodada(p.competicao, p.rodada))
        r.rodada = (p.turno >= 2 ? RodadasPorTurno(jogo, p.competicao) : 0) + p.rodada;
    else if (p.competicao != kAmistoso)
        r.fase = p.rodada;
    if (p.competicao == kLiga && r.adversario < static_cast<int>(jogo.times.size()))
        r.colocacao = jogo.times[r.adversario].colocacao[kLiga];
    return r;
}

} // namespace management
