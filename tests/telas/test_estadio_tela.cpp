// "Preço dos Ingressos" on a real new game: the price arrows, a budget over
// the maximum, a budget paid and the works in progress.
#include "apoio_telas.hpp"
#include "management/telas/telaestadio.hpp"
#include "ui/textos.hpp"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace world;
using management::telas::TelaEstadio;

TEST(TelaEstadio, PricesBudgetAndWorksInProgress) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    const int c = jogo->estado.timeatual;
    TTime& t = jogo->times[c];
    t.dinheiro = 50'000'000;
    const i32 preco = t.precos[0];
    TelaEstadio tela(*jogo, c);
    tela.show();
    tela.Mais(0)->click();
    tela.Mais(0)->click();
    tela.Menos(0)->click();
    EXPECT_EQ(t.precos[0], preco + 1);
    EXPECT_EQ(tela.Preco(0)->text(), QStringLiteral("$") + QString::number(preco + 1));
    QApplication::processEvents();
    apoio_telas::Capturar(tela, "tela_ingressos");

    ASSERT_TRUE(tela.Expandir()->isVisible());
    tela.Expandir()->click();
    tela.Assentos(0)->setValue(tela.Assentos(0)->maximum());
    tela.PedirOrcamento()->click();
    EXPECT_EQ(tela.Mensagem()->text(), ui::T(790));
    EXPECT_FALSE(tela.IniciarConstrucao()->isVisible());

    tela.Assentos(0)->setValue(0);
    tela.Assentos(3)->setValue(50);
    tela.PedirOrcamento()->click();
    EXPECT_TRUE(tela.Mensagem()->text().startsWith(ui::T(788)));
    ASSERT_TRUE(tela.IniciarConstrucao()->isVisible());
    tela.adjustSize();
    QApplication::processEvents();
    apoio_telas::Capturar(tela, "tela_orcamento");
    const i32 antes = t.dinheiro;
    tela.IniciarConstrucao()->click();
    EXPECT_LT(t.dinheiro, antes);
    ASSERT_EQ(jogo->obras.size(), 1u);
    EXPECT_TRUE(tela.Andamento()->isVisible());
    EXPECT_TRUE(tela.Andamento()->text().startsWith(ui::T(292)));
    EXPECT_FALSE(tela.Expandir()->isVisible());
}
