#pragma once
// The settings file pitchlord.ini (program folder, section "opcoes"). Every
// option is written when it changes and all are read when a game starts.
#include "world/registros.hpp"

#include <array>
#include <string>
#include <string_view>

namespace world {

constexpr std::string_view kSecaoOpcoes = "opcoes";

void gravaopcao(std::string_view secao, std::string_view chave, std::string_view valor);
// The stored text, or "nofound" when it is missing.
std::string leopcao(std::string_view secao, std::string_view chave);
// Reads every option into the state's copy, with the fallback of each key.
void leopcoes(TOpcoes& opcoes);

// Delays per minute shown (ms) of the items of the two speed lists.
constexpr std::array<i32, 6> kVelocidades = {3000, 2000, 1200, 500, 200, 100};
constexpr std::array<i32, 7> kVelocidadesSemHumanos = {4000, 2500, 1500, 800, 600, 100, 10};
// The item showing a delay, -1 when none does (the list then has no selection).
int ItemVelocidade(i32 ms);
int ItemVelocidadeSemHumanos(i32 ms);

// List colours by position: the defaults of "Cores Padrão", and the red that
// replaces all five when any stored colour is unreadable.
constexpr std::array<i32, 5> kCoresPadrao = {4822164, 6599603, 8503488, 10736081, 12377822};
constexpr i32 kCorInvalida = 255;
// A colour text: a standard colour name ("clRed") or "$" and 00BBGGRR in hex
// (a plain number is accepted too).
bool ConverterCor(std::string_view texto, i32& cor);
std::string TextoCor(i32 cor); // "$00BBGGRR"

} // namespace world
