// The board's and the fans' confidence: after every league and
// state-championship match, and the floor at the start of a season.
#include "management/carreira.hpp"
#include "world/competicoes.hpp"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace management {

using namespace world;

namespace {

// A change by table position 1..20 (index 0 and the positions not listed
// change nothing).
using PorPosicao = std::array<signed char, 21>;
struct Faixa {
    int de, ate, delta;
};
constexpr PorPosicao Faixas(std::initializer_list<Faixa> faixas) {
    PorPosicao p{};
    for (const Faixa& f : faixas)
        for (int k = f.de; k <= f.ate; ++k)
            p[static_cast<std::size_t>(k)] = static_cast<signed char>(f.delta);
    return p;
}

enum Resultado { kVitoria, kEmpate, kDerrota };

// The board after a league match: [mode][row], rows = win, draw side 1,
// draw side 2, loss side 1, loss side 2. Mode 0 = divisions of 20.
constexpr PorPosicao kDiretoriaLiga[2][5] = {
    {
        Faixas({{1, 2, 5}, {3, 6, 3}, {7, 10, 1}}),
        Faixas({{1, 1, 2}, {2, 2, 1}, {10, 16, -2}, {17, 20, -5}}),
        Faixas({{1, 2, 3}, {3, 6, 1}, {14, 16, -2}, {17, 20, -4}}),
        Faixas({{1, 3, -1}, {4, 8, -2}, {9, 10, -3}, {11, 16, -5}, {17, 20, -7}}),
        Faixas({{4, 8, -1}, {9, 10, -2}, {11, 16, -4}, {17, 20, -7}}),
    },
    {
        Faixas({{1, 2, 7}, {3, 4, 5}, {5, 6, 3}, {7, 8, 1}}),
        Faixas({{1, 2, 5}, {3, 4, 4}, {7, 8, -3}, {9, 10, -5}}),
        Faixas({{1, 2, 5}, {3, 4, 4}, {7, 8, -3}, {9, 10, -5}}),
        Faixas({{1, 2, -1}, {3, 4, -2}, {5, 8, -5}, {9, 10, -7}}),
        Faixas({{3, 4, -1}, {5, 8, -5}, {9, 10, -7}}),
    },
};

// The fans after a league match: [mode][result], on top of kTorcidaBase.
constexpr PorPosicao kTorcidaLiga[2][3] = {
    {
        Faixas({{1, 2, 3}, {3, 4, 1}}),
        Faixas({{1, 2, 3}, {5, 10, -1}, {11, 16, -3}, {17, 20, -5}}),
        Faixas({{13, 17, -3}, {18, 20, -7}}),
    },
    {
        Faixas({{1, 2, 5}, {3, 4, 3}}),
        Faixas({{1, 2, 2}, {5, 8, -5}, {9, 10, -7}}),
        Faixas({{5, 7, -7}, {8, 10, -10}}),
    },
};
constexpr int kTorcidaBase[3] = {5, 0, -5};
// A human club in debt: the board's extra loss by result.
constexpr int kDividaLiga[3] = {9, 10, 12};

// The fans after a state-championship match, by result.
constexpr PorPosicao kTorcidaEstadual[3] = {
    Faixas({{1, 2, 7}, {3, 4, 5}, {5, 6, 3}}),
    Faixas({{1, 2, 2}, {5, 6, -2}}),
    Faixas({{1, 2, -3}, {3, 4, -5}, {5, 6, -7}}),
};

int Na(const PorPosicao& t, int p) {
    return p >= 1 && p <= 20 ? t[static_cast<std::size_t>(p)] : 0;
}

int DiretoriaEstadual(Resultado r, int p) {
    switch (r) {
    case kVitoria:
        return p <= 2 ? 5 : 2;
    case kEmpate:
        return (p < 3 ? 3 : 0) + (p >= 5 ? -2 : 0);
    default:
        return -2 + (p >= 4 ? -3 : 0);
    }
}

// One club's confidences after a match against `adversario`; `lado` is
// 1 or 2 (the side of the league tables).
void Atualizar(Jogo& jogo, int codigo, TTime& t, const TTime& adversario, Resultado r, int lado) {
    const int modo = jogo.estado.divisoesporliga == 4 ? 1 : 0;
    const bool liga = codigo == kLiga;
    const int p = t.colocacao[liga ? kLiga : kEstadual];
    const bool divida = t.humano && t.dinheiro < 0;
    int diretoria = 0;
    if (t.nivel > adversario.nivel) diretoria += r == kEmpate ? -1 : r == kDerrota ? -2 : 0;
    if (t.nivel < adversario.nivel) diretoria += r == kEmpate ? 1 : r == kVitoria ? 2 : 0;
    int torcida = 0;
    if (liga) {
        const int linha = r == kVitoria ? 0 : (r == kEmpate ? 1 : 3) + (lado == 2 ? 1 : 0);
        diretoria += Na(kDiretoriaLiga[modo][linha], p);
        if (divida) diretoria -= kDividaLiga[r];
        torcida = kTorcidaBase[r] + Na(kTorcidaLiga[modo][r], p);
    } else {
        if (divida) diretoria -= 10;
        diretoria += DiretoriaEstadual(r, p);
        torcida = Na(kTorcidaEstadual[r], p);
    }
    t.conftorcida += torcida;
    if (t.conftorcida < 40) diretoria -= 5;
    t.confdiretoria = std::clamp(t.confdiretoria + diretoria, 0, 100);
    t.conftorcida = std::clamp(t.conftorcida, 0, 100);
}

} // namespace

void AtualizarConfianca(Jogo& jogo, int codigo, int mandante, int visitante, int golsmandante,
                        int golsvisitante) {
    if ((codigo != kLiga && codigo != kEstadual) || !jogo.TimeValido(mandante) ||
        !jogo.TimeValido(visitante) || mandante == visitante)
        return;
    TTime& m = jogo.times[mandante];
    TTime& v = jogo.times[visitante];
    if (golsmandante == golsvisitante) {
        Atualizar(jogo, codigo, m, v, kEmpate, 1);
        Atualizar(jogo, codigo, v, m, kEmpate, 2);
        return;
    }
    const bool casa = golsmandante > golsvisitante;
    const int lado = casa ? 1 : 2;
    Atualizar(jogo, codigo, m, v, casa ? kVitoria : kDerrota, lado);
    Atualizar(jogo, codigo, v, m, casa ? kDerrota : kVitoria, lado);
}

void PisoDeConfianca(Jogo& jogo) {
    for (TTime& t : jogo.times) {
        t.confdiretoria = std::max(t.confdiretoria, 80);
        t.conftorcida = std::max(t.conftorcida, 80);
    }
    // Every coach may be offered a job once more this season.
    for (TTecnico& t : jogo.tecnicos) t.podeoferta = 1;
}

} // namespace management
