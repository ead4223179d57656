#pragma once
// The match report of an archived match: its events in order with the running
// score, the tactics of both sides and the players' ratings. The results
// screen shows the same match details through DetalhesDoJogo.
#include "world/jogo.hpp"

#include <QDialog>

class QTextBrowser;

namespace competitions::telas {

// The details of archive entry `entrada` as the results screen shows them:
// stadium, attendance by sector, goals, cards and injuries with their
// minutes, the substitutions and the five statistics.
QString DetalhesDoJogo(const world::Jogo& jogo, int entrada);
// The report's text: events with the running score, tactics, ratings.
QString TextoDoRelatorio(const world::Jogo& jogo, int entrada);

class RelatorioPartida : public QDialog {
    Q_OBJECT
public:
    RelatorioPartida(const world::Jogo& jogo, int entradaarquivo, QWidget* pai = nullptr);
    QTextBrowser* Texto() const { return texto_; }

private:
    QTextBrowser* texto_;
};

// Opens the report of a played fixture (nothing for one never archived).
// Returns whether a report was opened.
bool AbrirRelatorio(const world::Jogo& jogo, const world::TPartida& partida, QWidget* pai);

} // namespace competitions::telas
