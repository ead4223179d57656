// The continental cups' screens: the group tables, the bracket and the club
// world cup's table, after real dates played by the autopilot.
#include "apoio_telas.hpp"

#include "competitions/classificacao.hpp"
#include "competitions/continentais.hpp"
#include "competitions/historico.hpp"
#include "competitions/telas/chaveamento.hpp"
#include "competitions/telas/telacontinental.hpp"
#include "management/telas/telaprincipal.hpp"
#include "shell/janelaprincipal.hpp"
#include "temporada/autopiloto.hpp"
#include "temporada/telas/telapartida.hpp"
#include "temporada/telas/telaresultados.hpp"
#include "ui/textos.hpp"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace world;

namespace {

QString Nome(const Jogo& jogo, int c) {
    return jogo.TimeValido(c) ? ui::Q(jogo.times[c].nome.view()) : QStringLiteral("-");
}

// Plays until the date after which `parar` holds.
void JogarAte(temporada::Autopiloto& piloto, const std::function<bool(int)>& parar) {
    piloto.depoisdadata = [&](int c) { return !parar(c); };
    piloto.Jogar();
    piloto.depoisdadata = {};
}

} // namespace

TEST(TelasContinentais, GruposChaveEMundialDaSegundaTemporada) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    temporada::Autopiloto piloto(*jogo);
    piloto.Entrar();
    const auto& k = jogo->estado.contadores;
    // The first group matchday of season 2: the results screen names the
    // region's edition and shows the group of the selected match.
    JogarAte(piloto, [&](int c) { return c == 4; });
    ASSERT_EQ(jogo->estado.temporada, 2);
    {
        temporada::telas::TelaResultados resultados(*jogo, piloto.ex);
        resultados.resize(1280, 800);
        resultados.show();
        ASSERT_NE(resultados.Chaves(), nullptr);
        EXPECT_TRUE(resultados.Chaves()->isVisible());
        ASSERT_GT(resultados.Jogos()->rowCount(), 0);
        EXPECT_EQ(resultados.Tabela()->rowCount(), 4);
    }

    // Past the last 16's second legs: the groups are over, the quarter-finals drawn.
    JogarAte(piloto, [&](int c) { return c == 4 && k.fasecontinental[0] == 5; });
    competitions::telas::TelaContinental tela(*jogo, 4, 1);
    tela.resize(1280, 800);
    tela.show();
    EXPECT_EQ(tela.Competicao(), 4);
    EXPECT_EQ(tela.Regiao(), 1);
    EXPECT_EQ(tela.Edicoes()->count(), jogo->estado.continental2 ? 4 : 2);
    EXPECT_EQ(tela.windowTitle(), ui::T(329));
    tela.Abas()->setCurrentIndex(0);
    for (int g = 1; g <= 8; ++g) {
        QTableWidget* t = tela.Grupo(g);
        ASSERT_EQ(t->rowCount(), 4);
        const auto linhas =
            competitions::Tabela(*jogo, 4, competitions::ClubesDoGrupo(*jogo, 4, 1, g));
        EXPECT_EQ(t->item(0, 1)->text(), Nome(*jogo, linhas[0].time));
        EXPECT_EQ(t->item(0, 3)->text(), QStringLiteral("6")); // six matches played
    }
    apoio_telas::Capturar(tela, "tela_continental_grupos");
    // On a 1024 x 768 desktop every group's four rows still show.
    tela.resize(1000, 680);
    QApplication::processEvents();
    for (int g = 1; g <= 8; ++g) {
        QTableWidget* t = tela.Grupo(g);
        EXPECT_LE(t->visualItemRect(t->item(3, 0)).bottom(), t->viewport()->height()) << g;
    }
    apoio_telas::Capturar(tela, "tela_continental_grupos_1024");
    tela.resize(1280, 800);

    tela.Abas()->setCurrentIndex(1);
    const auto chave = competitions::ChaveContinental(*jogo, 4, 1);
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(chave[i].placar.empty());
        EXPECT_GE(chave[i].vencedor, 0);
        EXPECT_EQ(tela.Caixa(i + 1)->Placar()->text(), QString::fromStdString(chave[i].placar));
        EXPECT_TRUE(tela.Caixa(i + 1)->toolTip().contains(Nome(*jogo, chave[i].mandante)));
    }
    // The quarter-finals: the winners of ties 1 and 2, the first at home first.
    EXPECT_EQ(chave[8].mandante, chave[0].vencedor);
    EXPECT_EQ(chave[8].visitante, chave[1].vencedor);
    EXPECT_FALSE(tela.Campeao()->isVisible());
    apoio_telas::Capturar(tela, "tela_continental_mataamata");

    // The club world cup after its last day.
    JogarAte(piloto, [&](int c) { return c == 5 && k.fasetorneio == 4; });
    ASSERT_TRUE(competitions::MundialSorteado(*jogo));
    competitions::telas::TelaMundial mundial(*jogo);
    mundial.resize(1024, 600);
    mundial.show();
    ASSERT_EQ(mundial.Jogos()->rowCount(), 6);
    EXPECT_EQ(mundial.Jogos()->item(0, 1)->text(), QStringLiteral("Toquio"));
    EXPECT_EQ(mundial.Jogos()->item(1, 1)->text(), QStringLiteral("Yokohama"));
    for (int l = 0; l < 6; ++l) EXPECT_FALSE(mundial.Jogos()->item(l, 3)->text().isEmpty());
    ASSERT_EQ(mundial.Colocacao()->rowCount(), 4);
    const int campeao = competitions::CampeaoDe(*jogo, 5, -1, 2);
    ASSERT_GE(campeao, 0);
    EXPECT_EQ(mundial.Colocacao()->item(0, 1)->text(), Nome(*jogo, campeao));
    for (int l = 0; l < 4; ++l) EXPECT_FALSE(mundial.Colocacao()->item(l, 1)->text().isEmpty());
    apoio_telas::Capturar(mundial, "tela_mundial");
}

// A human whose club qualified plays his first continental date from his own
// main screen, on the clock of the match screen, and sees its results.
TEST(TelasContinentais, OHumanoClassificadoJogaADataContinentalNaJanela) {
    std::shared_ptr<Jogo> jogo;
    int humano = -1, codigo = -1;
    // The first seed whose human (a club of division 1) qualifies for one of the cups.
    for (std::uint64_t semente = 1; semente <= 30 && humano < 0; ++semente) {
        jogo = apoio_telas::NovoJogo({29}, 1, true, semente);
        temporada::Autopiloto piloto(*jogo);
        piloto.novatemporada = [&] { return jogo->estado.temporada < 2; };
        piloto.Entrar();
        ASSERT_TRUE(piloto.Jogar());
        const int h = jogo->estado.timeshumanos[0];
        if (!jogo->TimeValido(h)) continue;
        codigo = jogo->times[h].jogacontinental ? 4 : jogo->times[h].jogacontinental2 ? 6 : -1;
        if (codigo > 0) humano = h;
    }
    ASSERT_GE(humano, 0) << "no seed put the human into the continental cup";
    jogo->estado.opcoes.opsalvar = 0;

    shell::JanelaPrincipal janela;
    janela.DefinirIntervaloParaTestes(1);
    janela.DefinirPausaDoAguardo(1);
    janela.show();
    janela.ComecarJogo(jogo, true);
    apoio_telas::FecharDialogos fechar;
    bool principal = false, relogio = false, resultados = false;
    const bool chegou = apoio_telas::EsperarPor(
        [&] {
            if (resultados || janela.TelaFimTemporada()) return true;
            if (janela.TelaAtual() == janela.TelaPrincipal() &&
                janela.TelaPrincipal()->caixaFormacao()->count() > 0) {
                if (jogo->estado.tipo == codigo) {
                    principal = true;
                    EXPECT_EQ(jogo->estado.timeatual, humano);
                }
                apoio_telas::EscalarEJogar(janela.TelaPrincipal());
            } else if (auto* p = qobject_cast<temporada::telas::TelaPartida*>(janela.TelaAtual())) {
                relogio = relogio || (jogo->estado.tipo == codigo && p->Rodando());
            } else if (auto* r =
                           qobject_cast<temporada::telas::TelaResultados*>(janela.TelaAtual())) {
                const bool continental = jogo->estado.tipo == codigo;
                resultados = resultados || continental;
                r->Continuar()->click();
            }
            return false;
        },
        280000);
    ASSERT_TRUE(chegou);
    EXPECT_TRUE(principal);
    EXPECT_TRUE(relogio);
    EXPECT_TRUE(resultados);
}
