#pragma once
// The lineup boxes the club's main screen and the national-team screen
// share: formation, captain, free-kick taker, style of play, attack
// concentration and marking, and the count of the players chosen. They act
// on the squad grid's lineup and on the team the screen shows.
#include "management/escalacao.hpp"
#include "world/jogo.hpp"

#include <functional>

class QComboBox;
class QFormLayout;
class QLabel;
class QWidget;

namespace management::telas {

class GradeElenco;

// The width of the side panel that holds the boxes beside the squad grid:
// room for a player's name in the captain's box, and the rest to the grid.
constexpr int kLarguraPainelEscalacao = 232;

struct CaixasEscalacao {
    QComboBox* formacao = nullptr;
    QComboBox* capitao = nullptr;
    QComboBox* cobrador = nullptr;
    QComboBox* estilo = nullptr;
    QComboBox* jogadas = nullptr;
    QComboBox* marcacao = nullptr;
    QLabel* selecionados = nullptr; // the screen places it

    // Builds the six boxes as rows of `f`. `time` names the team on screen;
    // `validar` runs after a formation was chosen from the box.
    void Montar(QWidget* dono, QFormLayout* f, world::Jogo& jogo, GradeElenco* grade,
                std::function<int()> time, std::function<void()> validar);
    // The formations the available players allow, none chosen.
    void PreencherFormacoes(const Disponiveis& d);
    // The captain and taker lists from the grid, and the team's choices.
    void Preencher(const world::Jogo& jogo, const Grade& grade, int time);
    // The formation the lineup makes and the count of the chosen.
    Validacao Validar(world::Jogo& jogo, const Grade& grade);
};

} // namespace management::telas
