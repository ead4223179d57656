// The main screen on a real new game: the squad grid, the lineup through the
// widgets, the tactics boxes, "Jogar >>" and the change of human.
#include "apoio_telas.hpp"
#include "management/escalacaoformacao.hpp"
#include "management/escalacaotatica.hpp"
#include "management/proximoadversario.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telaprincipal.hpp"
#include "ui/textos.hpp"
#include "world/posicoes.hpp"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace world;
using namespace management;
using management::telas::GradeElenco;
using management::telas::TelaPrincipal;

namespace {

double Hoje(const Jogo& jogo) {
    return jogo.calendario[jogo.estado.dataatual - 1].data;
}

struct Cena {
    std::unique_ptr<Jogo> jogo = apoio_telas::NovoJogo({29}, 2);
    std::unique_ptr<TelaPrincipal> tela;
    int clube() const { return jogo->estado.timeatual; }
    void Abrir() {
        tela = std::make_unique<TelaPrincipal>(*jogo);
        tela->resize(1280, 800);
        tela->show();
    }
    GradeElenco& grade() { return *tela->grade(); }
    int Codigo(int linha) { return grade().item(linha, GradeElenco::kColCodigo)->text().toInt(); }
    TJogador& Jogador(int linha) { return jogo->jogadores[grade().grade().linhas[linha].jogador]; }
    void ClicarStatus(int linha) {
        const QRect r = grade().visualItemRect(grade().item(linha, GradeElenco::kColStatus));
        QTest::mouseClick(grade().viewport(), Qt::LeftButton, {}, r.center());
    }
};

void Escolher(QComboBox* caixa, int item) {
    caixa->setCurrentIndex(item);
    emit caixa->activated(item);
}

QAction* Acao(TelaPrincipal& tela, const QString& texto) {
    for (QAction* a : tela.actions())
        if (a->text().remove('&') == texto) return a;
    return nullptr;
}

} // namespace

TEST(TelaPrincipal, GridShowsTheHumanSquadInLineupOrder) {
    Cena c;
    c.Abrir();
    const Grade esperada = PreencherGrade(*c.jogo, Hoje(*c.jogo));
    ASSERT_GT(esperada.linhas.size(), 11u);
    GradeElenco& g = c.grade();
    ASSERT_EQ(g.rowCount(), static_cast<int>(esperada.linhas.size()));
    for (int linha = 0; linha < g.rowCount(); ++linha) {
        const TJogador& j = c.jogo->jogadores[esperada.linhas[linha].jogador];
        SCOPED_TRACE(linha);
        EXPECT_EQ(j.time, c.clube());
        EXPECT_EQ(g.item(linha, GradeElenco::kColNome)->text(), ui::Q(j.nome.view()));
        EXPECT_EQ(g.item(linha, GradeElenco::kColPosicao)->text(),
                  ui::Q(NomeCurtoPosicao(j.posicaoatual)));
        EXPECT_EQ(g.item(linha, GradeElenco::kColForca)->text().toInt(), j.forca);
        EXPECT_EQ(g.item(linha, GradeElenco::kColEnergia)->text().toInt(), j.energia);
        EXPECT_EQ(g.item(linha, GradeElenco::kColSalario)->text(), ui::Dinheiro(j.salario));
        EXPECT_EQ(g.item(linha, GradeElenco::kColPasse)->text(), ui::Dinheiro(j.passe));
        EXPECT_EQ(g.item(linha, GradeElenco::kColGols)->text().toInt(), GolsDaLista(j));
        EXPECT_EQ(g.item(linha, GradeElenco::kColIdade)->text().toInt(), j.idade);
        EXPECT_EQ(g.item(linha, GradeElenco::kColCaract)->text(),
                  ui::Q(TextoCaracteristicas(j.caract1, j.caract2)));
        EXPECT_EQ(c.Codigo(linha), esperada.linhas[linha].codigo);
        auto* funcao = qobject_cast<QComboBox*>(g.cellWidget(linha, GradeElenco::kColFuncao));
        ASSERT_NE(funcao, nullptr);
        EXPECT_EQ(funcao->count(), static_cast<int>(ItensFuncao(j.posicaoatual).size()));
        EXPECT_EQ(funcao->currentIndex(), j.funcao);
    }
    EXPECT_TRUE(g.isColumnHidden(GradeElenco::kColCodigo));

    const TTime& t = c.jogo->times[c.clube()];
    EXPECT_EQ(c.tela->rotuloClube()->text(), ui::Q(t.nome.view()));
    EXPECT_EQ(c.tela->botaoDinheiro()->text(), ui::DinheiroExtenso(t.dinheiro));
    EXPECT_EQ(c.tela->rotuloData()->text().size(), 10); // dd/mm/yyyy
    const ProximoAdversario p = ProcurarProximoAdversario(*c.jogo, c.clube(), Hoje(*c.jogo));
    ASSERT_GE(p.partida, 0);
    EXPECT_TRUE(c.tela->rotuloAdversario()->text().startsWith(
        ui::Q(c.jogo->times[p.adversario].nome.view())));
    EXPECT_FALSE(c.tela->botaoJogar()->isEnabled()); // nothing selected in a new game
    apoio_telas::Capturar(*c.tela, "tela_principal");
}

TEST(TelaPrincipal, FormationBoxFillsTheLineupAndJogarCommitsItOnce) {
    Cena c;
    c.Abrir();
    const Grade g0 = PreencherGrade(*c.jogo, Hoje(*c.jogo));
    const std::vector<int> possiveis = FormacoesPossiveis(ContarDisponiveis(*c.jogo, g0));
    QComboBox* formacao = c.tela->caixaFormacao();
    ASSERT_EQ(formacao->count(), static_cast<int>(possiveis.size()));
    for (int k = 0; k < formacao->count(); ++k)
        EXPECT_EQ(formacao->itemText(k), ui::Q(TextoFormacao(possiveis[k])));
    EXPECT_EQ(formacao->currentIndex(), -1);

    int item = formacao->findText(QStringLiteral("4-4-2"));
    if (item < 0) item = 0;
    Escolher(formacao, item);
    EXPECT_TRUE(c.tela->botaoJogar()->isEnabled());
    EXPECT_EQ(formacao->currentText(), formacao->itemText(item));
    EXPECT_EQ(c.jogo->times[c.clube()].formacao, possiveis[item]);
    const Grade& g = c.grade().grade();
    EXPECT_EQ(g.Contar(kTitular), 11);
    for (int linha = 0; linha < c.grade().rowCount(); ++linha)
        EXPECT_EQ(c.Codigo(linha), g.linhas[linha].codigo); // every row redrawn
    EXPECT_EQ(c.tela->rotuloSelecionados()->text(),
              QStringLiteral("Selecionados: 11 + %1").arg(g.Contar(kReserva)));
    apoio_telas::Capturar(*c.tela, "tela_principal_escalada");

    QSignalSpy jogar(c.tela.get(), &TelaPrincipal::jogar);
    const std::size_t antes = c.jogo->escalacoes.size();
    QTest::mouseClick(c.tela->botaoJogar(), Qt::LeftButton);
    QTest::mouseClick(c.tela->botaoJogar(), Qt::LeftButton); // a second press commits nothing
    EXPECT_EQ(jogar.count(), 1);
    ASSERT_EQ(c.jogo->escalacoes.size(), antes + 1);
    EXPECT_EQ(c.jogo->times[c.clube()].escalacao, static_cast<int>(antes));
    const TEscalacao& e = c.jogo->escalacoes.back();
    EXPECT_GT(e.goleiro, 0);
    EXPECT_EQ(c.jogo->jogadores[e.goleiro].posicaoatual, kGoleiro);
    for (const LinhaGrade& l : g.linhas)
        EXPECT_EQ(c.jogo->jogadores[l.jogador].titular, l.codigo == kTitular   ? 1
                                                        : l.codigo == kReserva ? 2
                                                                               : 0);
}

TEST(TelaPrincipal, StatusClicksFollowTheLineupRules) {
    Cena c;
    const double hoje = Hoje(*c.jogo);
    // An injured outfield player and a newcomer, before the screen opens.
    int ferido = -1, novato = -1;
    for (std::size_t i = 1; i < c.jogo->jogadores.size(); ++i) {
        TJogador& j = c.jogo->jogadores[i];
        if (j.time != c.clube() || j.posicaoatual == kGoleiro) continue;
        if (ferido < 0) {
            j.retorno = hoje + 10;
            ferido = static_cast<int>(i);
        } else if (novato < 0) {
            j.novato = 1;
            novato = static_cast<int>(i);
        }
    }
    // Lists coloured by position, with the game's default colours.
    c.jogo->estado.opcoes.opcornalista = 1;
    const i32 cores[5] = {4822164, 6599603, 8503488, 10736081, 12377822};
    std::copy(std::begin(cores), std::end(cores), c.jogo->estado.opcoes.cores);
    c.Abrir();
    GradeElenco& g = c.grade();
    EXPECT_EQ(g.item(0, GradeElenco::kColNome)->background().color(),
              management::telas::CorDoJogo(cores[c.Jogador(0).posicaoatual]));
    int linhaferido = -1, linhanovato = -1, goleiro = -1;
    std::vector<int> linha0;
    for (int linha = 0; linha < g.rowCount(); ++linha) {
        const int jogador = g.grade().linhas[linha].jogador;
        if (jogador == ferido)
            linhaferido = linha;
        else if (jogador == novato)
            linhanovato = linha;
        else if (c.Jogador(linha).posicaoatual == kGoleiro && goleiro < 0)
            goleiro = linha;
        else if (c.Jogador(linha).posicaoatual != kGoleiro)
            linha0.push_back(linha);
    }
    ASSERT_GE(linhaferido, 0);
    ASSERT_GE(linhanovato, 0);
    ASSERT_GE(goleiro, 0);
    ASSERT_GE(linha0.size(), 11u);
    EXPECT_EQ(c.Codigo(linhaferido), kIndisponivel);
    EXPECT_EQ(c.Codigo(linhanovato), kNovato);

    for (int k = 0; k < 10; ++k) c.ClicarStatus(linha0[k]);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(c.Codigo(linha0[k]), kTitular);
    EXPECT_FALSE(c.tela->botaoJogar()->isEnabled());
    // Ten outfield starters: the eleventh place is a goalkeeper's.
    c.ClicarStatus(linha0[10]);
    EXPECT_EQ(c.Codigo(linha0[10]), kNaoSelecionado);
    c.ClicarStatus(linha0[0]); // not even a starter leaves
    EXPECT_EQ(c.Codigo(linha0[0]), kTitular);
    c.ClicarStatus(linhaferido);
    c.ClicarStatus(linhanovato);
    EXPECT_EQ(c.Codigo(linhaferido), kIndisponivel);
    EXPECT_EQ(c.Codigo(linhanovato), kNovato);
    c.ClicarStatus(goleiro);
    EXPECT_EQ(c.Codigo(goleiro), kTitular);
    EXPECT_TRUE(c.tela->botaoJogar()->isEnabled());
    // Eleven: a further click puts a player on the bench; the injured and the
    // newcomer still never change.
    c.ClicarStatus(linha0[10]);
    EXPECT_EQ(c.Codigo(linha0[10]), kReserva);
    c.ClicarStatus(linhaferido);
    c.ClicarStatus(linhanovato);
    EXPECT_EQ(c.Codigo(linhaferido), kIndisponivel);
    EXPECT_EQ(c.Codigo(linhanovato), kNovato);
    EXPECT_EQ(c.tela->rotuloSelecionados()->text(), QStringLiteral("Selecionados: 11 + 1"));
    apoio_telas::Capturar(*c.tela, "tela_principal_cliques");
    // The starting goalkeeper leaves: the lineup is invalid again.
    c.ClicarStatus(goleiro);
    EXPECT_EQ(c.Codigo(goleiro), kNaoSelecionado);
    EXPECT_FALSE(c.tela->botaoJogar()->isEnabled());
    EXPECT_EQ(c.tela->caixaFormacao()->currentIndex(), -1);
}

TEST(TelaPrincipal, TacticsRolesAndChoicesAreWrittenAtOnce) {
    Cena c;
    c.Abrir();
    TTime& t = c.jogo->times[c.clube()];
    Escolher(c.tela->caixaEstilo(), 2);
    Escolher(c.tela->caixaJogadas(), 1);
    Escolher(c.tela->caixaMarcacao(), 2);
    EXPECT_EQ(t.estilo, 2);
    EXPECT_EQ(t.jogadas, 1);
    EXPECT_EQ(t.marcacao, 2);
    EXPECT_EQ(c.tela->caixaEstilo()->itemText(1), ui::T(88));

    QComboBox* capitao = c.tela->caixaCapitao();
    ASSERT_EQ(capitao->count(), c.grade().rowCount());
    Escolher(capitao, 3);
    EXPECT_EQ(t.capitao, c.grade().grade().linhas[3].jogador);
    Escolher(c.tela->caixaCobrador(), 4);
    EXPECT_EQ(t.cobrador, c.grade().grade().linhas[4].jogador);

    // A midfielder's role through his row's box.
    for (int linha = 0; linha < c.grade().rowCount(); ++linha) {
        if (c.Jogador(linha).posicaoatual != kMeia) continue;
        auto* funcao =
            qobject_cast<QComboBox*>(c.grade().cellWidget(linha, GradeElenco::kColFuncao));
        const int outra = c.Jogador(linha).funcao == 2 ? 0 : 2;
        Escolher(funcao, outra);
        EXPECT_EQ(c.Jogador(linha).funcao, outra);
        break;
    }

    c.tela->caixaSalvarEscalacao()->setChecked(true);
    EXPECT_EQ(c.jogo->estado.opcoes.opescalacao, 1);

    // The money and the menus speak through signals; the screens not built
    // yet are there, disabled; Alt+F4 is not the menu's.
    QSignalSpy financas(c.tela.get(), &TelaPrincipal::financas);
    QSignalSpy sair(c.tela.get(), &TelaPrincipal::sair);
    QTest::mouseClick(c.tela->botaoDinheiro(), Qt::LeftButton);
    Acao(*c.tela, QStringLiteral("Finanças"))->trigger();
    EXPECT_EQ(financas.count(), 2);
    ASSERT_NE(Acao(*c.tela, QStringLiteral("Classificação")), nullptr);
    QSignalSpy classificacao(c.tela.get(), &TelaPrincipal::classificacao);
    Acao(*c.tela, QStringLiteral("Classificação"))->trigger();
    EXPECT_EQ(classificacao.count(), 1);
    // Screens still to come are listed, disabled.
    ASSERT_NE(Acao(*c.tela, QStringLiteral("Tabela de jogos")), nullptr);
    EXPECT_FALSE(Acao(*c.tela, QStringLiteral("Tabela de jogos"))->isEnabled());
    QSignalSpy amistosos(c.tela.get(), &TelaPrincipal::amistosos);
    ASSERT_NE(Acao(*c.tela, QStringLiteral("Jogos Amistosos")), nullptr);
    EXPECT_EQ(Acao(*c.tela, QStringLiteral("Jogos Amistosos"))->shortcut(),
              QKeySequence(Qt::Key_F9));
    Acao(*c.tela, QStringLiteral("Jogos Amistosos"))->trigger();
    EXPECT_EQ(amistosos.count(), 1);
    QSignalSpy estadio(c.tela.get(), &TelaPrincipal::estadio);
    EXPECT_EQ(Acao(*c.tela, QStringLiteral("Estádio"))->shortcut(), QKeySequence(Qt::Key_F6));
    Acao(*c.tela, QStringLiteral("Estádio"))->trigger();
    EXPECT_EQ(estadio.count(), 1);
    EXPECT_EQ(Acao(*c.tela, ui::T(500))->shortcut(), QKeySequence(Qt::Key_F2));
    QTest::keyClick(c.tela.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(sair.count(), 0);
    EXPECT_TRUE(c.tela->isVisible());
}

TEST(TelaPrincipal, RefreshShowsTheSecondHumansClub) {
    Cena c;
    c.Abrir();
    const auto& humanos = c.jogo->estado.timeshumanos;
    const int segundo = humanos[0] == c.clube() ? humanos[1] : humanos[0];
    ASSERT_GE(segundo, 0);
    ASSERT_NE(segundo, c.clube());
    c.jogo->estado.timeatual = segundo;
    c.tela->Atualizar();
    EXPECT_EQ(c.tela->rotuloClube()->text(), ui::Q(c.jogo->times[segundo].nome.view()));
    const Grade esperada = PreencherGrade(*c.jogo, Hoje(*c.jogo));
    ASSERT_EQ(c.grade().rowCount(), static_cast<int>(esperada.linhas.size()));
    for (int linha = 0; linha < c.grade().rowCount(); ++linha) {
        EXPECT_EQ(c.Jogador(linha).time, segundo);
        EXPECT_EQ(c.grade().item(linha, GradeElenco::kColNome)->text(),
                  ui::Q(c.jogo->jogadores[esperada.linhas[linha].jogador].nome.view()));
    }
    EXPECT_EQ(c.tela->caixaCapitao()->count(), c.grade().rowCount());
}
