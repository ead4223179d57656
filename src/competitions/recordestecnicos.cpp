#include "competitions/recordestecnicos.hpp"
#include "world/competicoes.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace competitions {

using namespace world;

namespace {

void Somar(i32& campo, std::int64_t valor) {
    campo = static_cast<i32>(std::clamp<std::int64_t>(std::int64_t{campo} + valor,
                                                      std::numeric_limits<i32>::min(),
                                                      std::numeric_limits<i32>::max()));
}

// The row's season entry and the career total.
void Contar(Jogo& jogo, TTecnico& t, LinhaTecnico linha) {
    const int slot = std::clamp<int>(jogo.estado.temporada, 1, 10);
    Somar(t.estatisticas[linha][0], 1);
    Somar(t.estatisticas[linha][slot], 1);
}

TTecnico* TecnicoDe(Jogo& jogo, int time) {
    if (time < 0 || time >= static_cast<int>(jogo.times.size())) return nullptr;
    const int k = jogo.times[time].tecnico;
    if (k < 0 || k >= static_cast<int>(jogo.tecnicos.size())) return nullptr;
    return &jogo.tecnicos[k];
}

} // namespace

int PesoMundial(int competicao, int divisao) {
    switch (competicao) {
    case kLiga:
        return divisao == 1 ? 3 : divisao == 2 ? 2 : 1;
    case kCopaNacional:
        return 2;
    case kEstadual:
        return 1;
    case kContinental1:
        return 5;
    case kMundialDeClubes:
        return 6;
    case kContinental2:
        return 4;
    default:
        return 0;
    }
}

void ContarJogoDoTecnico(Jogo& jogo, int codigo, int mandante, int visitante, int golsmandante,
                         int golsvisitante) {
    if (codigo < kLiga || codigo > kContinental2) return;
    const int lados[2] = {mandante, visitante};
    const int gols[2] = {golsmandante, golsvisitante};
    for (int s = 0; s < 2; ++s) {
        TTecnico* t = TecnicoDe(jogo, lados[s]);
        if (!t) continue;
        const int pro = gols[s], contra = gols[1 - s];
        Contar(jogo, *t, kTecJogos);
        Contar(jogo, *t, pro > contra ? kTecVitorias : pro == contra ? kTecEmpates : kTecDerrotas);
        const int pontos = pro > contra ? 3 : pro == contra ? 1 : 0;
        Somar(t->pontos, pontos);
        Somar(t->pontosmundial,
              std::int64_t{pontos} * PesoMundial(codigo, jogo.times[lados[s]].divisao));
    }
}

void ContarTituloDoTecnico(Jogo& jogo, int competicao, int tecnico, int divisao) {
    if (competicao < kLiga || competicao > kContinental2 || tecnico < 0 ||
        tecnico >= static_cast<int>(jogo.tecnicos.size()))
        return;
    static constexpr int kBonus[7] = {0, 30, 30, 15, 60, 80, 45};
    TTecnico& t = jogo.tecnicos[tecnico];
    Contar(jogo, t, kTecTitulos);
    Somar(t.pontos, kBonus[competicao]);
    Somar(t.pontosmundial, std::int64_t{kBonus[competicao]} * PesoMundial(competicao, divisao));
}

} // namespace competitions
