#pragma once
// The history screens as the menus and the season-end screen open them:
// their names, their keys and one way to open each.
#include "world/jogo.hpp"

#include <QKeySequence>
#include <QString>

class QWidget;

namespace history::telas {

enum class TelaHistorico { Artilharia, RankingClubes, RankingTecnicos, Campeoes, Retrospecto };
constexpr TelaHistorico kTelasHistorico[] = {
    TelaHistorico::Artilharia, TelaHistorico::RankingClubes, TelaHistorico::RankingTecnicos,
    TelaHistorico::Campeoes, TelaHistorico::Retrospecto};

QString NomeDaTela(TelaHistorico tela);
QKeySequence TeclaDaTela(TelaHistorico tela);

// Opens the screen over `pai` and returns when it is closed. `clube` is the
// club on screen (-1: none), whose league and record come first. At the
// season's end the season's goals are already cleared: the scorers open on
// the careers.
void AbrirTelaHistorico(const world::Jogo& jogo, TelaHistorico tela, int clube, QWidget* pai,
                        bool fimdetemporada = false);

} // namespace history::telas
