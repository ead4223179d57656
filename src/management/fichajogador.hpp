#pragma once
// A player's card: who he is, what he is worth, what he has done this season
// competition by competition and, season by season, over his career. Gathered
// here as plain values; the card screen only lays them out. Texts are
// Windows-1252.
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace management {

// Matches and goals of the current season in one competition.
struct LinhaTemporadaFicha {
    int competicao = 0; // competition code 0..9; -1 on the total line
    std::string nome;
    int jogos = 0;
    int gols = 0;
};

// One season of the career record, or the career total.
struct LinhaCarreiraFicha {
    int temporada = 0; // season number (1 is the first); 0 on the total line
    int ano = 0;       // the year the game shows for it; 0 on the total line
    std::vector<std::string> clubes;
    int jogos = 0, gols = 0, amarelos = 0, vermelhos = 0, contusoes = 0;
};

struct FichaJogador {
    int jogador = 0; // 0: no such player, and the rest is empty
    std::string nome;
    bool estrela = false;
    int idade = 0;
    int pais = -1;
    std::string nacionalidade; // empty for a code the game does not know
    int clube = -1;
    std::string nomeclube;
    int posicao = 0; // natural position
    std::string nomeposicao;
    int posicaoatual = 0; // position played
    std::string nomeposicaoatual;
    std::string funcao;                           // as the grid's role box names it
    std::string caracteristica1, caracteristica2; // long names
    std::string caracteristicas;                  // as the grid's "Car." column
    int forca = 0, energia = 0;
    int moral = 0; // as the lists show it: `moral` + 7
    world::i32 passe = 0, salario = 0;
    double contrato = 0;
    std::string fimcontrato; // dd/mm/yyyy; empty without a date

    // This season: the competitions he played or scored in, in code order,
    // then their sum.
    std::vector<LinhaTemporadaFicha> temporada;
    LinhaTemporadaFicha totaltemporada;

    // The career by season, oldest first (the record keeps the last ten),
    // then the career total; empty when he has no record.
    bool temhistorico = false;
    std::vector<LinhaCarreiraFicha> carreira;
    LinhaCarreiraFicha totalcarreira;
};

FichaJogador MontarFicha(const world::Jogo& jogo, int jogador);

} // namespace management
