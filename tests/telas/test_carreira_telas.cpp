// The career's screens on a real new game: the dismissal of a human, the
// notice of a computer-run club's coach change, and the job offers.
#include "apoio_telas.hpp"
#include "management/contratacoes.hpp"
#include "management/telas/telacarreira.hpp"
#include "management/telas/telacontratacoes.hpp"
#include "management/telas/telaprincipal.hpp"
#include "shell/janelaprincipal.hpp"
#include "temporada/telas/telaresultados.hpp"
#include "ui/textos.hpp"

#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace world;
using namespace management;
using namespace temporada;
using namespace management::telas;

namespace {

struct Cena {
    std::unique_ptr<Jogo> jogo = apoio_telas::NovoJogo({29}, 1);
    int clube = jogo->estado.timeatual;
    int humano = jogo->times[clube].tecnico;
    int outro = jogo->ligas[0].divisoes[0][5];
};

TEST(TelasCarreira, TheDismissalReadsTheCoachTheReasonAndWhoTookTheClub) {
    Cena c;
    const int novo = c.jogo->times[c.outro].tecnico;
    for (MotivoDemissao m :
         {MotivoDemissao::Torcida, MotivoDemissao::Dinheiro, MotivoDemissao::Resultados,
          MotivoDemissao::SemDivisao, MotivoDemissao::Demissao}) {
        TelaDemitido tela(*c.jogo, c.humano, c.clube, m, novo);
        EXPECT_EQ(tela.Texto(), ui::Q(c.jogo->tecnicos[c.humano].nome.view()) + ' ' + ui::T(432) +
                                    QStringLiteral(", ") + ui::T(static_cast<int>(m)) + '.');
        if (m == MotivoDemissao::Torcida) apoio_telas::Capturar(tela, "tela_demitido");
    }
    // Odd indices from a broken file still make a readable screen.
    TelaDemitido estranha(*c.jogo, 99999, -4, MotivoDemissao::Resultados, 123456);
    EXPECT_FALSE(estranha.Texto().isEmpty());
}

TEST(TelasCarreira, TheComputerClubsCoachChangeNamesTheClubAndTheNewCoach) {
    Cena c;
    const int antigo = c.jogo->times[c.outro].tecnico;
    const int novo = c.jogo->times[c.clube + 1].tecnico;
    TelaTrocaTecnico tela(*c.jogo, c.outro, antigo, novo);
    const QString texto = tela.findChild<QLabel*>(QStringLiteral("texto"))->text();
    EXPECT_TRUE(texto.startsWith(ui::Q(c.jogo->times[c.outro].nome.view())));
    EXPECT_TRUE(texto.contains(QStringLiteral("resolveu lhe demitir")));
    apoio_telas::Capturar(tela, "tela_trocatecnico");
}

TEST(TelasCarreira, TheOffersShowEachSquadAndAssumirTakesTheOneSelected) {
    Cena c;
    const std::vector<int> clubes{c.outro, c.jogo->ligas[0].divisoes[0][7], -3};
    TelaConvite tela(*c.jogo, c.humano, clubes);
    ASSERT_EQ(tela.Clubes()->count(), 2); // the broken index is left out
    EXPECT_GT(tela.Plantel()->rowCount(), 15);
    tela.Clubes()->setCurrentRow(1);
    const int linhas = tela.Plantel()->rowCount();
    EXPECT_GT(linhas, 15);
    EXPECT_TRUE(tela.Plantel()->item(0, 1)->text().size() > 0);
    QSignalSpy classificacao(&tela, &TelaConvite::verClassificacao);
    tela.Classificacao()->click();
    EXPECT_EQ(classificacao.count(), 1);
    tela.show();
    apoio_telas::Capturar(tela, "tela_convite");
    tela.Assumir()->click();
    EXPECT_EQ(tela.Escolhido(), clubes[1]);

    TelaConvite recusada(*c.jogo, c.humano, clubes);
    recusada.findChild<QPushButton*>(QStringLiteral("recusar"))->click();
    EXPECT_EQ(recusada.Escolhido(), -1);
}

} // namespace

namespace {

TEST(TelasCarreira, TheCoachHiringsNewestFirstAndBrokenEntriesEmpty) {
    Cena c;
    c.jogo->trocastecnicos.push_back({c.humano, 1, c.clube});
    c.jogo->trocastecnicos.push_back({c.jogo->times[c.outro].tecnico, 2, c.outro});
    c.jogo->trocastecnicos.push_back({-7, 2, 999999});
    const auto linhas = UltimasContratacoes(*c.jogo);
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_TRUE(linhas[0].tecnico.empty());
    EXPECT_TRUE(linhas[0].clube.empty());
    EXPECT_EQ(linhas[1].ano, 2008);
    EXPECT_EQ(linhas[1].clube, std::string(c.jogo->times[c.outro].nome.view()));
    EXPECT_EQ(linhas[2].tecnico, std::string(c.jogo->tecnicos[c.humano].nome.view()));
    TelaContratacoes tela(*c.jogo);
    EXPECT_EQ(tela.tabela()->rowCount(), 3);
    tela.show();
    apoio_telas::Capturar(tela, "tela_contratacoes");
}

} // namespace

namespace {

class Janela : public shell::JanelaPrincipal {
protected:
    bool ConfirmarDemissao() override { return true; }
};

TEST(TelasCarreira, ACoachWhoResignedTakesAnOfferAndIsBackOnHisMainScreen) {
    Janela janela;
    janela.resize(1280, 800);
    janela.show();
    janela.DefinirPausaDoAguardo(1);
    std::shared_ptr<Jogo> jogo(apoio_telas::NovoJogo({29}, 1));
    janela.ComecarJogo(jogo);
    const int antigo = jogo->estado.timeatual;
    const int tecnico = jogo->times[antigo].tecnico;
    // Every dialog answered as the coach would: the dismissal read, the
    // first offer taken.
    int convites = 0, demitido = 0;
    QTimer respostas;
    QObject::connect(&respostas, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* c = qobject_cast<TelaConvite*>(w)) {
            ++convites;
            c->Assumir()->click();
        } else if (auto* d = qobject_cast<TelaDemitido*>(w)) {
            ++demitido;
            d->accept();
        } else if (auto* q = qobject_cast<QDialog*>(w)) {
            q->reject();
        }
    });
    respostas.start(5);
    janela.Demitir();
    EXPECT_EQ(demitido, 1);
    ASSERT_TRUE(janela.TelaPrincipal()->Aguardando());
    ASSERT_TRUE(apoio_telas::EsperarPor(
        [&] { return convites > 0 && !janela.TelaPrincipal()->Aguardando(); }, 120000));
    const int novo = jogo->tecnicos[tecnico].time;
    ASSERT_GE(novo, 0);
    EXPECT_EQ(jogo->times[novo].tecnico, tecnico);
    EXPECT_TRUE(jogo->times[novo].humano);
    EXPECT_EQ(jogo->estado.numhumanos, 1);
    EXPECT_TRUE(apoio_telas::EsperarPor(
        [&] {
            return janela.TelaAtual() == janela.TelaPrincipal() && jogo->estado.timeatual == novo;
        },
        60000));
}

// Two coaches at one keyboard: the first resigns and, while the second
// plays on, takes an offer. A squad shows with its coach named first exactly
// when he is not the one who had the keyboard last (the offer's answer
// included).
TEST(TelasCarreira, AfterAnOfferTakenTheNextSquadIsNamedUnlessItIsHisWhoTookIt) {
    Janela janela;
    janela.DefinirIntervaloParaTestes(1);
    janela.resize(1280, 800);
    janela.show();
    std::shared_ptr<Jogo> jogo(apoio_telas::NovoJogo({29}, 2));
    jogo->estado.opcoes.opintervalo = 0;
    janela.ComecarJogo(jogo);
    TelaPrincipal* tela = janela.TelaPrincipal();
    ASSERT_TRUE(tela->VezAnunciada());
    tela->AceitarVez();
    const int primeiro = jogo->times[jogo->estado.timeatual].tecnico;
    int convites = 0;
    int teclado = -1; // the coach known to have the keyboard; -1 when a dialog muddled it
    QTimer respostas;
    QObject::connect(&respostas, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* c = qobject_cast<TelaConvite*>(w)) {
            ++convites;
            teclado = primeiro;
            c->Assumir()->click();
        } else if (auto* d = qobject_cast<TelaDemitido*>(w)) {
            d->accept();
        } else if (auto* q = qobject_cast<QDialog*>(w)) {
            teclado = -1; // an auction's bid, a match's question: someone's
            q->reject();
        }
    });
    respostas.start(5);
    janela.Demitir();
    ASSERT_EQ(janela.TelaAtual(), tela);
    ASSERT_NE(jogo->times[jogo->estado.timeatual].tecnico, primeiro);
    EXPECT_TRUE(tela->VezAnunciada()); // the second coach takes over

    bool outro = false; // a squad not his shown after the offer
    const bool chegou = apoio_telas::EsperarPor(
        [&] {
            if (outro) return true;
            if (auto* r = qobject_cast<temporada::telas::TelaResultados*>(janela.TelaAtual())) {
                r->Continuar()->click();
                return false;
            }
            if (janela.TelaAtual() != tela || tela->Aguardando() ||
                tela->caixaFormacao()->count() == 0)
                return false;
            const int tecnico = jogo->times[jogo->estado.timeatual].tecnico;
            if (convites > 0 && teclado >= 0) {
                EXPECT_EQ(tela->VezAnunciada(), tecnico != teclado);
                outro = outro || tecnico != primeiro;
            }
            teclado = tecnico;
            if (outro) return true;
            apoio_telas::EscalarEJogar(tela);
            return false;
        },
        240000);
    ASSERT_TRUE(chegou) << "offers: " << convites;
    EXPECT_GE(jogo->tecnicos[primeiro].time, 0);
}

} // namespace
