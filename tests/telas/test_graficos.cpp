// The charts show the figures of the tables beside them, and each is captured
// (build/capturas/tela_grafico_*.png) for a look.
#include "apoio_telas.hpp"
#include "competitions/telas/telaclassificacao.hpp"
#include "management/fichajogador.hpp"
#include "management/financas.hpp"
#include "management/rendaemcasa.hpp"
#include "management/telas/telafinancas.hpp"
#include "management/telas/telajogador.hpp"
#include "temporada/autopiloto.hpp"
#include "ui/graficos.hpp"
#include "ui/textos.hpp"

#include <QCategoryAxis>
#include <QChart>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A game some league dates into its first season.
world::Jogo& Jogada() {
    static std::unique_ptr<world::Jogo> jogo = [] {
        auto j = apoio_telas::NovoJogo({29}, 1);
        temporada::Autopiloto piloto(*j);
        int datas = 0;
        piloto.depoisdadata = [&](int) { return ++datas < 30; };
        piloto.Entrar();
        piloto.Jogar();
        return j;
    }();
    return *jogo;
}

} // namespace

TEST(Graficos, TheRaceEndsWhereTheTableStands) {
    world::Jogo& jogo = Jogada();
    competitions::telas::TelaClassificacao tela(jogo);
    tela.show();
    QTableWidget* t = tela.Tabela(1);
    ASSERT_NE(t, nullptr);
    // Tick the leader too: its line and the human's end at their table places.
    t->item(0, 1)->setCheckState(Qt::Checked);
    int humanos = 0;
    for (int k = 0; k < t->rowCount(); ++k) {
        if (t->item(k, 1)->checkState() != Qt::Checked) continue;
        const auto lugares = ui::ValoresDaSerie(tela.Corrida(1), t->item(k, 1)->text());
        ASSERT_FALSE(lugares.empty()) << k;
        EXPECT_EQ(lugares.back(), k + 1);
        EXPECT_EQ(static_cast<int>(lugares.size()), t->item(k, 3)->text().toInt());
        humanos += jogo.times[t->item(k, 1)->data(Qt::UserRole).toInt()].humano;
    }
    EXPECT_EQ(humanos, 1);
    // The top six's points end at their PG.
    for (int k = 0; k < 6; ++k) {
        const auto pontos = ui::ValoresDaSerie(tela.Pontos(1), t->item(k, 1)->text());
        ASSERT_FALSE(pontos.empty()) << k;
        EXPECT_EQ(pontos.back(), t->item(k, 2)->text().toInt());
    }
    EXPECT_EQ(tela.Pontos(1)->series().size(), 6);
    apoio_telas::Capturar(tela, "tela_grafico_classificacao");
}

TEST(Graficos, ThePlayerChartHasHisCareerLines) {
    world::Jogo& jogo = Jogada();
    int jogador = 0;
    for (int j = 1; j < static_cast<int>(jogo.jogadores.size()) && !jogador; ++j)
        if (jogo.jogadores[j].time == jogo.estado.timeshumanos[0] &&
            management::MontarFicha(jogo, j).totalcarreira.gols > 0)
            jogador = j;
    ASSERT_GT(jogador, 0);
    management::telas::TelaJogador tela(jogo, jogador);
    tela.show();
    QTableWidget* c = tela.tabelaCarreira();
    std::vector<double> jogos, gols;
    for (int k = 0; k + 1 < c->rowCount(); ++k) { // the total line aside
        jogos.push_back(c->item(k, 2)->text().toInt());
        gols.push_back(c->item(k, 3)->text().toInt());
    }
    EXPECT_EQ(ui::ValoresDaSerie(tela.grafico(), ui::T(2921)), jogos);
    EXPECT_EQ(ui::ValoresDaSerie(tela.grafico(), ui::T(2922)), gols);
    apoio_telas::Capturar(tela, "tela_grafico_jogador");
}

TEST(Graficos, TheFinanceBarsAreTheStatement) {
    world::Jogo& jogo = Jogada();
    const int clube = jogo.estado.timeshumanos[0];
    // Wages well above the gates bring the warning.
    jogo.financas[clube].salariosemanal = management::RendaMediaEmCasa(jogo, clube) + 1;
    management::telas::TelaFinancas tela(jogo, clube);
    tela.show();
    auto valor = [&](const char* nome) {
        QString s = tela.findChild<QLabel*>(QString::fromLatin1(nome))->text();
        return s.remove(QLatin1Char('$')).remove(QLatin1Char(' ')).toDouble();
    };
    const auto entradas = ui::ValoresDaSerie(tela.Extrato(), ui::T(2931));
    const auto saidas = ui::ValoresDaSerie(tela.Extrato(), ui::T(2932));
    const std::vector<double> e = {valor("ingressos"), valor("vendas"), valor("premios"),
                                   valor("emprestimo"), valor("patrocinio")};
    const std::vector<double> s = {valor("compras"), valor("estadio"), valor("salarios"),
                                   valor("juros"), valor("multas")};
    EXPECT_EQ(std::vector<double>(entradas.begin(), entradas.begin() + 5), e);
    EXPECT_EQ(std::vector<double>(saidas.begin() + 5, saidas.end()), s);
    EXPECT_GT(e[0], 0);
    // The money axis is marked at round amounts written short ("$10 mi"),
    // and reaches past the longest bar.
    const auto eixos = tela.Extrato()->axes(Qt::Horizontal);
    ASSERT_EQ(eixos.size(), 1);
    auto* dinheiro = qobject_cast<QCategoryAxis*>(eixos[0]);
    ASSERT_NE(dinheiro, nullptr);
    const QStringList marcas = dinheiro->categoriesLabels();
    ASSERT_GE(marcas.size(), 2);
    EXPECT_EQ(marcas.front(), QStringLiteral("$0"));
    for (const QString& m : marcas.mid(1))
        EXPECT_TRUE(m.endsWith(QStringLiteral(" ") + ui::T(2968)) ||
                    m.endsWith(QStringLiteral(" ") + ui::T(2969)))
            << m.toStdString();
    EXPECT_GE(dinheiro->max(), *std::max_element(saidas.begin(), saidas.end()));
    EXPECT_GE(dinheiro->max(), *std::max_element(entradas.begin(), entradas.end()));
    const auto semana = ui::ValoresDaSerie(tela.SalariosContraRenda(), ui::T(2935));
    ASSERT_EQ(semana.size(), 2u);
    EXPECT_EQ(semana[0], valor("salariosemanal"));
    EXPECT_TRUE(tela.Aviso()->isVisible());
    apoio_telas::Capturar(tela, "tela_grafico_financas");
}
