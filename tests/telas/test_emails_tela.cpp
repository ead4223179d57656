// reading and answering them, and the news line of the main screen.
#include "apoio_telas.hpp"
#include "management/fichajogador.hpp"
#include "management/telas/telaemails.hpp"
#include "management/telas/telaprincipal.hpp"
#include "plataforma/datas.hpp"
#include "shell/janelaprincipal.hpp"
#include "ui/textos.hpp"
#include "world/emails.hpp"
// The mailbox on a real new game: the welcome, a few messages of the season,

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace world;
using namespace management;
using management::telas::TelaEmails;

namespace {

// A one-human game with the messages of a few weeks in the human's box.
struct Cena {
    std::shared_ptr<Jogo> jogo{apoio_telas::NovoJogo({29}, 1).release()};
    int clube = jogo->estado.timeatual;
    int jogador = -1, outro = -1;
    int suspensao = -1, contusao = -1, venda = -1, goleada = -1;

    Cena() {
        for (std::size_t i = 1; i < jogo->jogadores.size() && jogador < 0; ++i)
            if (jogo->jogadores[i].time == clube) jogador = static_cast<int>(i);
        outro = jogo->ligas[0].divisoes[0][5];
        jogo->estado.dataatual += 7;
        goleada = PostarEmail(*jogo, clube, kEmailGoleada, 0);
        jogo->estado.dataatual += 3;
        contusao = PostarEmail(*jogo, clube, kEmailContusao, 12, 0, 0, jogador);
        jogo->estado.dataatual += 4;
        venda = PostarEmail(*jogo, clube, kEmailVenda, 0, 1850000, outro, jogador);
        suspensao = PostarEmail(*jogo, clube, kEmailSuspensao, 3, 0, 0, jogador);
    }
};

bool Negrito(QTreeWidgetItem* item) {
    return item->font(3).bold();
}

} // namespace

TEST(TelaEmails, ListsTheBoxNewestFirstReadsAndAnswers) {
    Cena c;
    Jogo& jogo = *c.jogo;
    ASSERT_TRUE(c.goleada >= 0 && c.contusao >= 0 && c.venda >= 0 && c.suspensao >= 0);
    // The new game welcomed its human.
    ASSERT_GE(jogo.emails.size(), 5u);
    EXPECT_EQ(jogo.emails[0].clube, c.clube);
    EXPECT_EQ(jogo.emails[0].texto, 73);

    TelaEmails tela(jogo, c.clube);
    tela.resize(1024, 700);
    tela.show();
    QTreeWidget* lista = tela.lista();
    const std::vector<int> esperados = EmailsDoClube(jogo, c.clube);
    ASSERT_EQ(lista->topLevelItemCount(), 5);
    EXPECT_EQ(esperados, (std::vector<int>{c.suspensao, c.venda, c.contusao, c.goleada, 0}));
    for (int linha = 0; linha < 5; ++linha) {
        const TEmail& e = jogo.emails[esperados[linha]];
        QTreeWidgetItem* item = lista->topLevelItem(linha);
        EXPECT_EQ(item->text(1), ui::Q(plataforma::TextoData(DataDoEmail(e))));
        EXPECT_EQ(item->text(3), ui::Q(AssuntoDoEmail(jogo, e)));
        EXPECT_TRUE(Negrito(item));
    }
    EXPECT_EQ(lista->topLevelItem(0)->text(1).size(), 10); // dd/mm/yyyy
    EXPECT_EQ(tela.rotuloNaoLidas()->text(), QStringLiteral("5 ") + ui::T(78));
    // Opening the box reads nothing, even once the list has the focus.
    lista->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(EmailsNaoLidos(jogo, c.clube), 5);
    EXPECT_EQ(tela.Selecionado(), -1);
    EXPECT_FALSE(tela.quadroPergunta()->isVisible());

    // The sale: its text ends with the buyer and the price; now read.
    tela.Selecionar(1);
    EXPECT_EQ(tela.Selecionado(), c.venda);
    EXPECT_TRUE(tela.rotuloTexto()->text().contains(ui::Q(jogo.times[c.outro].nome.view())));
    // The price on one line however the text wraps.
    EXPECT_TRUE(tela.rotuloTexto()->text().contains(ui::DinheiroSemQuebra(1'850'000)));
    EXPECT_EQ(jogo.emails[c.venda].lido, 1);
    EXPECT_FALSE(Negrito(lista->topLevelItem(1)));
    EXPECT_FALSE(tela.quadroPergunta()->isVisible());

    // Twelve weeks out: a subject, a sender, and no text but the weeks.
    tela.Selecionar(2);
    EXPECT_EQ(tela.rotuloTexto()->text(),
              ui::T(2122) + QStringLiteral(" 12 ") + ui::T(2301) + QLatin1Char('.'));
    EXPECT_EQ(tela.rotuloRemetente()->text(), QStringLiteral("De: ") + ui::T(593));

    // The suspension asks about the fine until it is answered.
    tela.Selecionar(0);
    EXPECT_EQ(tela.rotuloAssunto()->text(), ui::Q(AssuntoDoEmail(jogo, jogo.emails[c.suspensao])));
    EXPECT_EQ(tela.rotuloRemetente()->text(), QStringLiteral("De: ") + ui::T(589));
    ASSERT_TRUE(tela.quadroPergunta()->isVisible());
    EXPECT_TRUE(tela.botaoSim()->isVisible());
    EXPECT_EQ(tela.botaoNao()->text(), QStringLiteral("Não"));
    EXPECT_EQ(tela.rotuloNaoLidas()->text(), QStringLiteral("2 ") + ui::T(78));
    apoio_telas::Capturar(tela, "tela_emails");
    tela.botaoNao()->click();
    EXPECT_EQ(jogo.emails[c.suspensao].pergunta, 0);
    EXPECT_FALSE(tela.quadroPergunta()->isVisible());
    // Seen again: read, no question.
    tela.Selecionar(1);
    tela.Selecionar(0);
    EXPECT_FALSE(tela.quadroPergunta()->isVisible());
    EXPECT_EQ(EmailsNaoLidos(jogo, c.clube), 2);
}

TEST(TelaEmails, TheNewsLineCountsAndOpensTheBox) {
    Cena c;
    shell::JanelaPrincipal janela;
    janela.show();
    janela.ComecarJogo(c.jogo);
    management::telas::TelaPrincipal* principal = janela.TelaPrincipal();
    ASSERT_NE(principal, nullptr);
    QToolButton* noticias = principal->botaoNoticias();
    EXPECT_EQ(noticias->text(), QStringLiteral("5 ") + ui::T(78));
    EXPECT_EQ(noticias->toolTip(), QStringLiteral("Abrir caixa de emails (F7)"));
    janela.resize(1280, 800);
    apoio_telas::Capturar(janela, "tela_principal_noticias");

    // The box opens over the main screen; two messages read there.
    bool aberta = false;
    QTimer::singleShot(0, [&] {
        auto* tela = qobject_cast<TelaEmails*>(QApplication::activeModalWidget());
        ASSERT_NE(tela, nullptr);
        aberta = true;
        EXPECT_EQ(tela->windowTitle(), QStringLiteral("Sua caixa de emails"));
        tela->Selecionar(0);
        tela->Selecionar(4);
        tela->botaoFechar()->click();
    });
    noticias->click();
    EXPECT_TRUE(aberta);
    EXPECT_EQ(noticias->text(), QStringLiteral("3 ") + ui::T(78));

    // All read: the language's "no news".
    for (int i : EmailsDoClube(*c.jogo, c.clube)) MarcarEmailLido(*c.jogo, i);
    principal->Atualizar();
    EXPECT_EQ(noticias->text(), ui::T(77));
    QSignalSpy spy(principal, &management::telas::TelaPrincipal::emails);
    QTimer::singleShot(0, [] {
        if (auto* tela = qobject_cast<TelaEmails*>(QApplication::activeModalWidget()))
            tela->reject();
    });
    noticias->click();
    EXPECT_EQ(spy.count(), 1);
}
