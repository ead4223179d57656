#pragma once
// Positions, roles and characteristics, and the texts that name them.
#include "world/registros.hpp"

#include <string>

namespace world {

enum Posicao { kGoleiro = 0, kLateral = 1, kZagueiro = 2, kMeia = 3, kAtacante = 4 };

std::string NomePosicao(int posicao);      // s1/220, 222, ...
std::string NomeCurtoPosicao(int posicao); // s1/221, 223, ...
// Name of a role of a position; "n/a" where the role does not exist.
std::string NomeFuncao(int posicao, int funcao);
bool FuncaoExiste(int posicao, int funcao);

// Characteristic 0..13; 0..3 (goalkeepers) share one text.
std::string NomeCaracteristica(int caract);
std::string NomeCurtoCaracteristica(int caract);
// The two characteristics as the lists show them: the long name once when both
// codes are equal, else the two short names joined by "/".
std::string TextoCaracteristicas(int caract1, int caract2);

// The role a player gets when he is created or loaded.
int FuncaoInicial(int posicao, int caract1, int caract2);

// Status icon of a player in the lists: 3 injured, 1 suspended, 2 on three
// cards, 0 fit; a star shows 7, 5, 8 and 12 instead.
int IconeStatus(const TJogador& j, int tipo, double hoje);

} // namespace world
