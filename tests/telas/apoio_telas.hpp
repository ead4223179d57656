#pragma once
// Helpers of the screen tests: a new game of the default world ready on its
// first main screen, and screenshots into the build folder.
#include "world/jogo.hpp"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace apoio_telas {

// A new game of the default world (leagues by country code), the humans on
// the first clubs of division 1 of the first league, initialised.
std::unique_ptr<world::Jogo> NovoJogo(const std::vector<int>& ligas, int humanos = 1,
                                      bool divisoesde20 = true, std::uint64_t semente = 1);

// Saves the widget as build/capturas/<nome>.png and returns the path.
std::string Capturar(QWidget& tela, const std::string& nome);

} // namespace apoio_telas
