#include "management/proximoadversario.hpp"

#include "plataforma/datas.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"

namespace management {

using namespace world;

namespace {

// Matchdays in one leg of a round-robin competition.
int RodadasPorTurno(const Jogo& jogo, int competicao) {
    switch (competicao) {
    case 1:
        return jogo.estado.divisoesporliga == 2 ? 19 : 9;
    case 3:
        return 5;
    case 4:
    case 6:
        return 3;
    default:
        return 0;
    }
}

// Group stages: the league, the state groups (matchdays 1..5, the final is
// 6 and 7) and the continental groups (1..3, the knockout is 4..7).
bool PorRodada(int competicao, int rodada) {
    switch (competicao) {
    case 1:
        return true;
    case 3:
        return rodada <= 5;
    case 4:
    case 6:
        return rodada <= 3;
    default:
        return false;
    }
}

} // namespace

std::string NomeDaCompeticao(const Jogo& jogo, int competicao, int grupo) {
    const bool america = grupo == 1; // continental region 1
    switch (competicao) {
    case 0:
        return texto(2012);
    case 1:
        if (grupo >= 0 && grupo < static_cast<int>(jogo.ligas.size()))
            return NomeDaLiga(jogo, jogo.ligas[grupo].pais);
        return NomeDaLiga(jogo, jogo.estado.paisprincipal);
    case 2:
        if (grupo >= 0 && grupo < static_cast<int>(jogo.ligas.size()))
            return NomeDaCopa(jogo, jogo.ligas[grupo].pais);
        return NomeDaCopa(jogo, jogo.estado.paisprincipal);
    case 3:
        // The states have no names of their own in this world.
        return "Estadual";
    case 4:
        return texto(america ? 329 : 328);
    case 5:
        return texto(332);
    case 6:
        return texto(america ? 331 : 330);
    case 7:
        return texto(358);
    case 8:
        return texto(342);
    case 9:
        return texto(341);
    default:
        return {};
    }
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
    else if (p.competicao != 0)
        r.fase = p.rodada;
    if (p.competicao == 1 && r.adversario < static_cast<int>(jogo.times.size()))
        r.colocacao = jogo.times[r.adversario].colocacao[1];
    return r;
}

} // namespace management
