#pragma once
// Player value and salary, and the two ways money is shown.
#include "world/jogo.hpp"

#include <string>

namespace world {

// The transfer value of a player from his strength, age, star flag and the
// country and level of his club.
world::i32 CalcularPasse(const world::Jogo& jogo, const world::TJogador& j);
// The weekly salary from strength, age, star flag and his club's cash.
world::i32 CalcularSalario(const world::Jogo& jogo, const world::TJogador& j);
// Both, written into the player.
void AvaliarJogador(const world::Jogo& jogo, world::TJogador& j);

// 1234567 -> "1 234 567"; 100 000 000 and more, and below -9 999 999, ungrouped.
// With kEspacoInseparavel between the groups an amount never breaks across
// two lines of a text that wraps.
constexpr char kEspacoInseparavel = '\xA0'; // Windows-1252
std::string FormatarDinheiro(world::i32 valor, char separador = ' ');
// In words with the language's thousand / million / billion texts, for
// example 2 500 000 -> "2 milhões 500 mil". Windows-1252.
std::string DinheiroPorExtenso(world::i32 valor);

} // namespace world
