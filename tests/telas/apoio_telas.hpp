#pragma once
// Helpers of the screen tests: a new game of the default world ready on its
// first main screen, and screenshots into the build folder.
#include "world/jogo.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace management::telas {
class TelaPrincipal;
}

namespace apoio_telas {

// A new game of the default world (leagues by country code), the humans on
// the first clubs of division 1 of the first league, initialised.
std::unique_ptr<world::Jogo> NovoJogo(const std::vector<int>& ligas, int humanos = 1,
                                      bool divisoesde20 = true, std::uint64_t semente = 1);

// Gives every club of the first league one of the longest names a club may
// have (25 letters), so the screens show the worst case.
void NomesLongos(world::Jogo& jogo);

// The default world's names as the game keeps them (Windows-1252), from its
// club and national-team files: every usable club's and every national
// team's country, and every player's (his first 20 letters).
const std::vector<std::string>& ClubesDoMundo();
const std::vector<std::string>& JogadoresDoMundo();
// The `n` widest of `nomes` in `fonte`, widest first.
std::vector<std::string> MaisLargos(const std::vector<std::string>& nomes, const QFont& fonte,
                                    std::size_t n);

// Saves the widget as build/capturas/<nome>.png and returns the path.
std::string Capturar(QWidget& tela, const std::string& nome);

// The automatic lineup of the first formation offered, then "Jogar >>".
void EscalarEJogar(management::telas::TelaPrincipal* tela);

// Lets the event loop run until `pronto` holds (or about `ms` have passed).
template <typename F> bool EsperarPor(F pronto, int ms = 60000) {
    QElapsedTimer t;
    t.start();
    while (!pronto() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
    return pronto();
}

// Answers every screen a match opens (penalty takers, live view, shoot-outs,
// injury substitution) by closing it, while it lives.
class FecharDialogos {
public:
    FecharDialogos();
    int Fechados() const { return fechados_; }

private:
    QTimer timer_;
    int fechados_ = 0;
};

} // namespace apoio_telas
