#include "history/telas/telashistorico.hpp"

#include "history/telas/telaartilharia.hpp"
#include "history/telas/telacampeoes.hpp"
#include "history/telas/telaclubeanos.hpp"
#include "history/telas/telarankingclubes.hpp"
#include "history/telas/telarankingtecnicos.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

namespace history::telas {

QString NomeDaTela(TelaHistorico tela) {
    switch (tela) {
    case TelaHistorico::Artilharia:
        return ui::T(ui::kTextoArtilharia);
    case TelaHistorico::RankingClubes:
        return QStringLiteral("Ranking de clubes");
    case TelaHistorico::RankingTecnicos:
        return QStringLiteral("Ranking de técnicos");
    case TelaHistorico::Campeoes:
        return QStringLiteral("Campeões");
    case TelaHistorico::Retrospecto:
        return QStringLiteral("Retrospecto");
    }
    return {};
}

QKeySequence TeclaDaTela(TelaHistorico tela) {
    switch (tela) {
    case TelaHistorico::Artilharia:
        return QKeySequence(Qt::CTRL | Qt::Key_G); // gols
    case TelaHistorico::RankingClubes:
        return QKeySequence(Qt::CTRL | Qt::Key_R);
    case TelaHistorico::RankingTecnicos:
        return QKeySequence(Qt::CTRL | Qt::Key_E);
    case TelaHistorico::Campeoes:
        return QKeySequence(Qt::CTRL | Qt::Key_H); // histórico
    case TelaHistorico::Retrospecto:
        return QKeySequence(Qt::CTRL | Qt::Key_P);
    }
    return {};
}

void AbrirTelaHistorico(const world::Jogo& jogo, TelaHistorico tela, int clube, QWidget* pai,
                        bool fimdetemporada) {
    switch (tela) {
    case TelaHistorico::Artilharia: {
        TelaArtilharia t(jogo, clube, fimdetemporada, pai);
        t.exec();
        return;
    }
    case TelaHistorico::RankingClubes: {
        TelaRankingClubes t(jogo, clube, pai);
        t.exec();
        return;
    }
    case TelaHistorico::RankingTecnicos: {
        TelaRankingTecnicos t(jogo, clube, pai);
        t.exec();
        return;
    }
    case TelaHistorico::Campeoes: {
        TelaCampeoes t(jogo, clube, pai);
        t.exec();
        return;
    }
    case TelaHistorico::Retrospecto: {
        TelaRetrospecto t(jogo, clube, pai);
        t.exec();
        return;
    }
    }
}

} // namespace history::telas
