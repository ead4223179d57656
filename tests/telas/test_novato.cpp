// What a newcomer tripped over: the lineup on screen lost to a dialog,
// English buttons, the exit question right after a save, a turn of several
// humans, a coach without a club with nowhere to go.
#include "apoio_telas.hpp"
#include "management/escalacao.hpp"
#include "management/telas/figurasgrade.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telaprincipal.hpp"
#include "persistence/jogosalvo.hpp"
#include "shell/janelaprincipal.hpp"
#include "shell/menuprincipal.hpp"
#include "temporada/ciclo.hpp"
#include "temporada/executor.hpp"
#include "world/posicoes.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace world;
using management::telas::TelaPrincipal;

namespace {

double Hoje(const Jogo& jogo) {
    return jogo.calendario[jogo.estado.dataatual - 1].data;
}

void Escolher(QComboBox* caixa, int item) {
    caixa->setCurrentIndex(item);
    emit caixa->activated(item);
}

// The window whose exit question is answered by the test, counting it.
class JanelaDeTeste : public shell::JanelaPrincipal {
public:
    int perguntas = 0;
    bool resposta = false;
    std::vector<std::string> ordem; // the questions, in the order asked
    Saida saida = Saida::Cancelar;
    bool Alterou() const { return Alterado(); }

protected:
    bool ConfirmarSaida() override {
        ++perguntas;
        ordem.push_back("sem salvar");
        return resposta;
    }
    Saida EscolherSaida() override {
        ordem.push_back("para onde");
        return saida;
    }
    bool ConfirmarDemissao() override { return true; }
};

} // namespace

TEST(Novato, TheLineupOnScreenSurvivesEveryRefreshOfTheSameDate) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    jogo->estado.opcoes.opescalacao = 0;
    TelaPrincipal tela(*jogo);
    tela.resize(1280, 800);
    tela.show();
    ASSERT_GT(tela.caixaFormacao()->count(), 0);
    Escolher(tela.caixaFormacao(), 0);
    ASSERT_TRUE(tela.botaoJogar()->isEnabled());
    const QString formacao = tela.caixaFormacao()->currentText();
    const QString selecionados = tela.rotuloSelecionados()->text();
    std::vector<management::LinhaGrade> antes = tela.grade()->grade().linhas;

    // What closing the loan, the options or the finances does.
    tela.Atualizar();
    tela.Atualizar();
    EXPECT_TRUE(tela.botaoJogar()->isEnabled());
    EXPECT_EQ(tela.caixaFormacao()->currentText(), formacao);
    EXPECT_EQ(tela.rotuloSelecionados()->text(), selecionados);
    const auto& depois = tela.grade()->grade().linhas;
    ASSERT_EQ(depois.size(), antes.size());
    for (std::size_t i = 0; i < antes.size(); ++i) {
        EXPECT_EQ(depois[i].jogador, antes[i].jogador);
        EXPECT_EQ(depois[i].codigo, antes[i].codigo);
    }

    // A starter injured meanwhile leaves the lineup; the rest stays.
    int lesionado = -1;
    for (const auto& l : depois)
        if (l.codigo == management::kTitular &&
            jogo->jogadores[l.jogador].posicaoatual != kGoleiro) {
            lesionado = l.jogador;
            break;
        }
    ASSERT_GT(lesionado, 0);
    jogo->jogadores[lesionado].retorno = Hoje(*jogo) + 10;
    tela.Atualizar();
    EXPECT_FALSE(tela.botaoJogar()->isEnabled());
    EXPECT_EQ(tela.grade()->grade().Contar(management::kTitular), 10);

    // The next date starts from the option: with it off, nothing selected.
    ++jogo->estado.dataatual;
    tela.Atualizar();
    EXPECT_EQ(tela.grade()->grade().Contar(management::kTitular), 0);
}

TEST(Novato, ARememberedStarterOutInjuredOrSuspendedIsNamedOnTheScreen) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    jogo->estado.opcoes.opescalacao = 1;
    const int clube = jogo->estado.timeatual;
    std::vector<int> titulares;
    for (std::size_t i = 1; i < jogo->jogadores.size(); ++i) {
        TJogador& j = jogo->jogadores[i];
        if (j.time != clube) continue;
        j.titular = titulares.size() < 11 ? 1 : 0;
        if (j.titular) titulares.push_back(static_cast<int>(i));
    }
    ASSERT_EQ(titulares.size(), 11u);
    jogo->jogadores[titulares[3]].retorno = Hoje(*jogo) + 20;
    jogo->jogadores[titulares[5]].suspensao[jogo->estado.tipo] = 1;

    const auto fora =
        management::DesfalquesDaEscalacao(*jogo, management::PreencherGrade(*jogo, Hoje(*jogo)));
    ASSERT_EQ(fora.size(), 2u);
    for (const auto& f : fora) {
        EXPECT_TRUE(f.titular);
        EXPECT_EQ(f.motivo, f.jogador == titulares[3] ? management::Desfalque::Lesao
                                                      : management::Desfalque::Suspensao);
    }

    TelaPrincipal tela(*jogo);
    tela.resize(1280, 800);
    tela.show();
    const QString linha = tela.rotuloDesfalques()->text();
    EXPECT_TRUE(tela.rotuloDesfalques()->isVisible());
    EXPECT_TRUE(linha.contains(QString::fromLatin1(jogo->jogadores[titulares[3]].nome.view().data(),
                                                   jogo->jogadores[titulares[3]].nome.view().size())
                                   .left(3)));
    EXPECT_TRUE(linha.contains(QStringLiteral("contundido")));
    EXPECT_TRUE(linha.contains(QStringLiteral("suspenso")));

    // Without the option nothing was remembered, so nothing is missing.
    jogo->estado.opcoes.opescalacao = 0;
    EXPECT_TRUE(
        management::DesfalquesDaEscalacao(*jogo, management::PreencherGrade(*jogo, Hoje(*jogo)))
            .empty());
}

TEST(Novato, StandardButtonsSpeakTheLanguageOfTheGame) {
    shell::JanelaPrincipal janela; // installs the translation, as the game does
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Pitchlord 2007"),
                      QStringLiteral("Sair do jogo sem salvar?"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(caixa.button(QMessageBox::Yes)->text().remove('&'), QStringLiteral("Sim"));
    EXPECT_EQ(caixa.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Não"));
    EXPECT_EQ(caixa.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Cancelar"));
    QDialogButtonBox botoes(QDialogButtonBox::Ok | QDialogButtonBox::Close |
                            QDialogButtonBox::Save);
    EXPECT_EQ(botoes.button(QDialogButtonBox::Close)->text().remove('&'), QStringLiteral("Fechar"));
    EXPECT_EQ(botoes.button(QDialogButtonBox::Save)->text().remove('&'), QStringLiteral("Salvar"));
    EXPECT_EQ(botoes.button(QDialogButtonBox::Ok)->text().remove('&'), QStringLiteral("OK"));
}

TEST(Novato, TheExitQuestionComesOnlyWhenSomethingChangedSinceTheLastSave) {
    JanelaDeTeste janela;
    janela.show();
    std::shared_ptr<Jogo> jogo(apoio_telas::NovoJogo({29}, 1));
    jogo->estado.arquivo = "novato.s07";
    janela.ComecarJogo(jogo);
    EXPECT_TRUE(janela.Alterou()); // a new game was never saved

    janela.Salvar();
    EXPECT_FALSE(janela.Alterou());
    EXPECT_EQ(janela.TelaPrincipal()->rotuloAviso()->text(), QStringLiteral("Jogo salvo"));
    EXPECT_TRUE(janela.close()); // nothing to lose: no question
    EXPECT_EQ(janela.perguntas, 0);

    janela.show();
    jogo->times[jogo->estado.timeatual].estilo ^= 1; // a tactic changed
    EXPECT_TRUE(janela.Alterou());
    janela.resposta = false;
    EXPECT_FALSE(janela.close());
    EXPECT_EQ(janela.perguntas, 1);

    // A loaded game is what its file holds.
    EXPECT_TRUE(janela.CarregarJogo("novato.s07", true));
    EXPECT_FALSE(janela.Alterou());

    // "Sair do jogo": that question first when the game changed ("no"
    // stays), then where to go ("Cancelar" stays too).
    TelaPrincipal* tela = janela.TelaPrincipal();
    janela.Jogo()->times[janela.Jogo()->estado.timeatual].estilo ^= 1;
    janela.ordem.clear();
    emit tela->sair();
    EXPECT_EQ(janela.ordem, std::vector<std::string>{"sem salvar"});
    janela.resposta = true;
    emit tela->sair();
    EXPECT_EQ(janela.ordem, (std::vector<std::string>{"sem salvar", "sem salvar", "para onde"}));
    EXPECT_EQ(janela.TelaAtual(), tela);
    // Saved, straight to where: the start menu drops the game.
    janela.Salvar();
    janela.ordem.clear();
    janela.saida = JanelaDeTeste::Saida::Menu;
    emit tela->sair();
    EXPECT_EQ(janela.ordem, std::vector<std::string>{"para onde"});
    EXPECT_EQ(janela.TelaAtual(), static_cast<QWidget*>(janela.Menu()));
    EXPECT_EQ(janela.Jogo(), nullptr);
    EXPECT_EQ(janela.TelaPrincipal(), nullptr);
    EXPECT_TRUE(janela.isVisible());
    // "Sair do programa" closes the window without asking again.
    ASSERT_TRUE(janela.CarregarJogo("novato.s07", true));
    janela.ordem.clear();
    janela.saida = JanelaDeTeste::Saida::Programa;
    emit janela.TelaPrincipal()->sair();
    EXPECT_EQ(janela.ordem, std::vector<std::string>{"para onde"});
    EXPECT_FALSE(janela.isVisible());
    std::filesystem::remove(persistence::PastaSav() / "novato.s07");
}

TEST(Novato, TheNextHumanIsNamedBeforeHisSquadShowsAndEnterPlays) {
    JanelaDeTeste janela;
    janela.resize(1280, 800);
    janela.show();
    std::shared_ptr<Jogo> jogo(apoio_telas::NovoJogo({29}, 2));
    janela.ComecarJogo(jogo);
    TelaPrincipal* tela = janela.TelaPrincipal();
    ASSERT_TRUE(tela->VezAnunciada()); // the first turn of a game of two
    const int segundo = jogo->estado.timeshumanos[1];
    QTest::keyClick(tela, Qt::Key_Return); // "it's me"
    EXPECT_FALSE(tela->VezAnunciada());

    Escolher(tela->caixaFormacao(), 0);
    ASSERT_TRUE(tela->botaoJogar()->isEnabled());
    tela->botaoJogar()->setFocus();
    QTest::keyClick(tela->botaoJogar(), Qt::Key_Return); // Enter plays
    ASSERT_EQ(jogo->estado.timeatual, segundo);
    EXPECT_TRUE(tela->VezAnunciada());
    const QString nome = QString::fromLatin1(jogo->times[segundo].nome.view().data(),
                                             jogo->times[segundo].nome.view().size());
    EXPECT_TRUE(tela->painelVez()->findChild<QLabel*>()->text().contains(nome.left(4)));
    QTest::qWait(50);
    apoio_telas::Capturar(janela, "tela_vez_humano");
}

TEST(Novato, ACoachWhoResignsWaitsForAnInvitationWhileTheDatesGoOn) {
    JanelaDeTeste janela;
    janela.resize(1280, 800);
    janela.show();
    janela.DefinirPausaDoAguardo(1);
    std::shared_ptr<Jogo> jogo(apoio_telas::NovoJogo({29}, 1));
    janela.ComecarJogo(jogo);
    TelaPrincipal* tela = janela.TelaPrincipal();
    const int data = jogo->estado.dataatual;
    // "Demitido!" is read and closed, and so are the job offers that come
    // while he waits (declined: he goes on waiting).
    apoio_telas::FecharDialogos fechar;
    janela.Demitir();
    ASSERT_TRUE(tela->Aguardando());
    EXPECT_EQ(janela.TelaAtual(), tela);
    EXPECT_EQ(tela->rotuloClube()->text(), QStringLiteral("Sem clube"));
    apoio_telas::Capturar(janela, "tela_semclube");
    // The dates go on by themselves, with no match or results screen.
    EXPECT_TRUE(apoio_telas::EsperarPor([&] { return jogo->estado.dataatual > data + 3; }, 60000));
    EXPECT_EQ(janela.TelaResultados(), nullptr);
    // Paused, they wait for "Avançar >>".
    tela->caixaAvancarSozinho()->setChecked(false);
    QTest::qWait(20);
    const int parada = jogo->estado.dataatual;
    QTest::qWait(50);
    EXPECT_EQ(jogo->estado.dataatual, parada);
    tela->botaoAvancar()->click();
    EXPECT_GT(jogo->estado.dataatual, parada);
}

TEST(Novato, AClubWhoseTextAndBackgroundAreOneColourStillReadsInTheHeader) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    TTime& t = jogo->times[jogo->estado.timeatual];
    t.cortexto = t.corfundo;
    TelaPrincipal tela(*jogo);
    const QString estilo = tela.rotuloClube()->styleSheet();
    const QColor fundo = management::telas::CorDoJogo(t.corfundo);
    const int i = estilo.indexOf(QStringLiteral("; color: "));
    ASSERT_GE(i, 0) << estilo.toStdString();
    const QColor texto(estilo.mid(i + 9, 7));
    EXPECT_NE(texto, fundo) << estilo.toStdString();
    EXPECT_TRUE(texto == QColor(Qt::black) || texto == QColor(Qt::white));
}
