#pragma once
// Small worlds for the match tests, built in memory: clubs with chosen
// players, lineups committed slot by slot, a match between two of them.
#include "match/escalacaoautomatica.hpp"
#include "match/motor.hpp"
#include "match/vagas.hpp"
#include "world/jogo.hpp"
#include "world/posicoes.hpp"

#include <initializer_list>
#include <string>
#include <vector>

namespace construtores {

constexpr double kHoje = 40000; // any date will do

inline int Clube(world::Jogo& jogo, int nivel = 10, bool humano = false) {
    world::TTime t = world::NovoTime();
    t.nome = "Clube " + std::to_string(jogo.times.size());
    t.nivel = nivel;
    t.humano = humano ? 1 : 0;
    t.divisao = 1;
    jogo.times.push_back(t);
    ++jogo.estado.numtimesligas; // a league club, not a national team
    return static_cast<int>(jogo.times.size()) - 1;
}

// A player with neutral characteristics (none the match rules look at).
inline int Jogador(world::Jogo& jogo, int clube, int posicao, int forca = 60, int energia = 100,
                   int idade = 25) {
    world::TJogador j = world::NovoJogador();
    j.nome = "J" + std::to_string(jogo.jogadores.size());
    j.time = clube;
    j.posicao = j.posicaoatual = posicao;
    j.forca = forca;
    j.energia = energia;
    j.idade = idade;
    j.caract1 = posicao == world::kGoleiro ? 0 : 7;
    j.caract2 = posicao == world::kGoleiro ? 2 : 10;
    j.funcao = world::FuncaoInicial(posicao, j.caract1, j.caract2);
    jogo.jogadores.push_back(j);
    return static_cast<int>(jogo.jogadores.size()) - 1;
}

// Players of a club by position: goalkeepers, full-backs, centre-backs,
// midfielders, forwards, all of one strength.
inline std::vector<int> Elenco(world::Jogo& jogo, int clube, std::initializer_list<int> porPosicao,
                               int forca = 60) {
    std::vector<int> r;
    int pos = 0;
    for (int n : porPosicao) {
        for (int i = 0; i < n; ++i) r.push_back(Jogador(jogo, clube, pos, forca));
        ++pos;
    }
    return r;
}

inline std::vector<int> DoClube(const world::Jogo& jogo, int clube) {
    std::vector<int> r;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube) r.push_back(static_cast<int>(i));
    return r;
}

// Commits a lineup: outfield starters into slots 1..10, the goalkeeper, the bench.
inline int Escalar(world::Jogo& jogo, int clube, const std::vector<int>& linha, int goleiro,
                   const std::vector<int>& banco, int tipo = 1) {
    world::TEscalacao e{};
    jogo.escalacoes.push_back(e);
    const int idx = static_cast<int>(jogo.escalacoes.size()) - 1;
    jogo.times[clube].escalacao = idx;
    for (std::size_t k = 0; k < banco.size() && k < 7; ++k)
        jogo.escalacoes[idx].reservas[k] = banco[k];
    for (std::size_t k = 0; k < linha.size() && k < 10; ++k)
        match::ColocarNaVaga(jogo, jogo.escalacoes[idx], static_cast<int>(k), linha[k], tipo,
                             kHoje);
    if (goleiro > 0) match::ColocarNaVaga(jogo, jogo.escalacoes[idx], 10, goleiro, tipo, kHoje);
    jogo.times[clube].disponiveis = match::RecontarDisponiveis(jogo, clube, tipo, kHoje);
    return idx;
}

// A club of 2 goalkeepers, 4 full-backs, 4 centre-backs, 6 midfielders and 4
// forwards lined up 4-4-2: starters first of each position, the rest on the bench.
inline int ClubePadrao(world::Jogo& jogo, int nivel = 10, bool humano = false, int forca = 60,
                       int tipo = 1) {
    const int c = Clube(jogo, nivel, humano);
    const auto g = Elenco(jogo, c, {2}, forca);
    const auto l = Elenco(jogo, c, {0, 4}, forca);
    const auto z = Elenco(jogo, c, {0, 0, 4}, forca);
    const auto m = Elenco(jogo, c, {0, 0, 0, 6}, forca);
    const auto a = Elenco(jogo, c, {0, 0, 0, 0, 4}, forca);
    Escalar(jogo, c, {l[0], l[1], z[0], z[1], m[0], m[1], m[2], m[3], a[0], a[1]}, g[0],
            {g[1], l[2], z[2], m[4], a[2], m[5], a[3]}, tipo);
    return c;
}

// A world of two clubs playing match 1 of the date.
struct Confronto {
    world::Jogo jogo;
    match::Rodada rodada;
    int casa = -1, fora = -1;

    explicit Confronto(std::uint64_t semente = 1, int tipo = 1) {
        jogo.gerador.Semear(semente);
        jogo.estado.temporada = 1;
        rodada.tipo = tipo;
        rodada.hoje = kHoje;
        rodada.minuto = 1;
        rodada.tempo = 1;
    }
    void Iniciar(bool mostrado = false) {
        match::IniciarPartida(jogo, rodada, 1, casa, fora, mostrado);
    }
    match::TJogoDaRodada& P() { return rodada.jogos[1]; }
    world::TEscalacao& E(int lado) { return jogo.escalacoes[P().Escalacao(lado)]; }
    world::TJogador& J(int idx) { return jogo.jogadores[idx]; }
    int Conta(int tipo) const {
        int n = 0;
        for (const auto& e : rodada.eventos) n += e.tipo == tipo;
        return n;
    }
};

// Two equal default clubs.
inline void Padrao(Confronto& c, int nivel = 10, int tipo = 1) {
    c.casa = ClubePadrao(c.jogo, nivel, false, 60, tipo);
    c.fora = ClubePadrao(c.jogo, nivel, false, 60, tipo);
    c.Iniciar();
}

} // namespace construtores
