#include "competitions/historico.hpp"

#include "competitions/recordestecnicos.hpp"
#include "world/competicoes.hpp"

namespace competitions {

using namespace world;

void AnotarClubeNaTemporada(i32 (&temporada)[3], int clube) {
    for (i32 c : temporada)
        if (c == clube) return;
    for (i32& c : temporada)
        if (c == -1) {
            c = clube;
            return;
        }
}

void RegistrarTitulo(Jogo& jogo, int competicao, int time, int chave, int lugar, int divisao) {
    jogo.historicotitulos.push_back(
        {jogo.estado.temporada, competicao, time, chave, divisao, lugar});
}

void RegistrarTecnico(Jogo& jogo, int competicao, int tecnico, int time, int chave, int lugar,
                      int divisao) {
    jogo.historicotecnico.push_back(
        {jogo.estado.temporada, competicao, time, tecnico, divisao, lugar, chave});
}

void RegistrarCampanha(Jogo& jogo, int time, int lugar, int competicao, int grupo) {
    jogo.campanhas.push_back({time, jogo.estado.temporada, competicao, lugar, grupo});
}

void RegistrarColocacao(Jogo& jogo, int competicao, int time, int chave, int lugar, int divisao) {
    if (time < 0 || time >= static_cast<int>(jogo.times.size())) return;
    RegistrarTitulo(jogo, competicao, time, chave, lugar, divisao);
    const int tecnico = jogo.times[time].tecnico;
    if (tecnico < 0 || tecnico >= static_cast<int>(jogo.tecnicos.size())) return;
    RegistrarTecnico(jogo, competicao, tecnico, time, chave, lugar, divisao);
    if (lugar == 1 && competicao >= kLiga && competicao <= kContinental2) {
        ++jogo.tecnicos[tecnico].titulos[competicao];
        ++jogo.times[time].titulos[competicao - 1];
        ContarTituloDoTecnico(jogo, competicao, tecnico, divisao);
    }
}

int CampeaoDe(const Jogo& jogo, int competicao, int chave, int temporada) {
    for (auto it = jogo.historicotitulos.rbegin(); it != jogo.historicotitulos.rend(); ++it)
        if (it->competicao == competicao && it->chave == chave && it->temporada == temporada &&
            it->lugar == 1)
            return it->time;
    return -1;
}

int ClubeNaPosicao(const Jogo& jogo, int chave, int lugar, int temporada, int divisao,
                   int competicao) {
    for (auto it = jogo.historicotitulos.rbegin(); it != jogo.historicotitulos.rend(); ++it)
        if (it->competicao == competicao && it->chave == chave && it->temporada == temporada &&
            it->lugar == lugar && it->divisao == divisao)
            return it->time;
    return -1;
}

} // namespace competitions
