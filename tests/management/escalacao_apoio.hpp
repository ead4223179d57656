#pragma once
// A human club on the lineup screen, built in memory.
#include "management/escalacao.hpp"
#include "match/construtores.hpp"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace escalacao_apoio {

constexpr int kTipo = 1; // a league date
constexpr double kHoje = construtores::kHoje;

struct Tela {
    world::Jogo jogo;
    int c = -1;
    std::vector<int> por[5]; // players by position

    // Squad by position (goalkeepers, full-backs, centre-backs, midfielders,
    // forwards); within a position strengths rise 60, 61, ...
    explicit Tela(std::initializer_list<int> porPosicao = {2, 4, 4, 6, 4}) {
        jogo.estado.temporada = 1;
        c = construtores::Clube(jogo, 10, true);
        int p = 0;
        for (int n : porPosicao) {
            for (int k = 0; k < n; ++k) {
                const int i = construtores::Jogador(jogo, c, p, 60 + k);
                jogo.jogadores[i].contrato = kHoje + 100;
                por[p].push_back(i);
            }
            ++p;
        }
    }
    world::TJogador& J(int i) { return jogo.jogadores[i]; }
    management::Grade Grade() { return management::PreencherGrade(jogo, c, kTipo, kHoje); }
};

inline int Linha(const management::Grade& g, int jogador) {
    for (std::size_t k = 0; k < g.linhas.size(); ++k)
        if (g.linhas[k].jogador == jogador) return static_cast<int>(k);
    return -1;
}
inline int Codigo(const management::Grade& g, int jogador) {
    return g.linhas[Linha(g, jogador)].codigo;
}
inline void Marcar(management::Grade& g, std::initializer_list<int> jogadores, int codigo) {
    for (int j : jogadores) g.linhas[Linha(g, j)].codigo = codigo;
}

// A 4-4-2 of the first players of each position, with a bench of five.
inline void QuatroQuatroDois(Tela& t, management::Grade& g) {
    auto& p = t.por;
    Marcar(g,
           {p[0][0], p[1][0], p[1][1], p[2][0], p[2][1], p[3][0], p[3][1], p[3][2], p[3][3],
            p[4][0], p[4][1]},
           management::kTitular);
    Marcar(g, {p[0][1], p[1][2], p[2][2], p[3][4], p[4][2]}, management::kReserva);
}

} // namespace escalacao_apoio
