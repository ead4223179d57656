// The live view of a human club's match on a real new game: substitutions,
// position changes, tactics, the referee, half-time, the injury screen.
#include "apoio_telas.hpp"
#include "match/escalacaoautomatica.hpp"
#include "match/gestaopartida.hpp"
#include "match/vagas.hpp"
#include "temporada/ciclo.hpp"
#include "temporada/executor.hpp"
#include "temporada/telas/aovivo.hpp"
#include "temporada/telas/dialogosaovivo.hpp"
#include "temporada/telas/visaoaovivo.hpp"
#include "ui/textos.hpp"
#include "world/arbitros.hpp"
#include "world/clubes.hpp"
#include "world/posicoes.hpp"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace world;
using temporada::telas::VisaoAoVivo;

namespace {

template <class W> W* Achar(QWidget& tela, const QString& nome) {
    W* w = tela.findChild<W*>(nome);
    EXPECT_NE(w, nullptr) << nome.toStdString();
    return w;
}

// The first date of a new game, the human's match on the clock.
struct Partida {
    std::unique_ptr<Jogo> jogo = apoio_telas::NovoJogo({29}, 1);
    temporada::ExecucaoRodada ex;
    int m = 0, lado = 0;

    Partida() {
        // The human's lineup as the autopilot commits it; the others get theirs
        // when the date opens.
        const int humano = jogo->estado.timeshumanos[0];
        const double hoje = jogo->calendario[jogo->estado.dataatual - 1].data;
        match::EscalarClube(*jogo, humano, world::JogadoresPorTime(*jogo)[humano],
                            jogo->estado.tipo, hoje);
        temporada::AbrirRodadaDoDia(*jogo, ex);
        temporada::JogarProximoGrupo(*jogo, ex);
        EXPECT_EQ(ex.estado, temporada::EstadoRodada::Relogio);
        EXPECT_GT(ex.numjogoshumanos, 0);
        m = ex.jogoshumanos[0];
        lado = jogo->times[P().mandante].humano ? 0 : 1;
    }
    void Minutos(int n) {
        for (int i = 0; i < n; ++i) temporada::Minuto(*jogo, ex);
    }
    match::Rodada& R() { return ex.rodada; }
    match::TJogoDaRodada& P() { return ex.rodada.jogos[m]; }
    TEscalacao& E() { return jogo->escalacoes[P().Escalacao(lado)]; }
    TJogador& J(int i) { return jogo->jogadores[i]; }
};

struct Visao {
    Partida& p;
    VisaoAoVivo v;
    QTableWidget* titulares;
    QTableWidget* banco;
    QPushButton* substituir;
    Visao(Partida& partida, bool intervalo = false)
        : p(partida), v(*partida.jogo, partida.R(), partida.m, intervalo) {
        v.resize(1280, 800);
        v.show();
        const QString n = QString::number(p.lado + 1);
        titulares = Achar<QTableWidget>(v, QStringLiteral("titulares") + n);
        banco = Achar<QTableWidget>(v, QStringLiteral("banco") + n);
        substituir = Achar<QPushButton>(v, QStringLiteral("substituir") + n);
    }
    static int Jogador(QTableWidget* g, int linha) {
        return g->item(linha, 0)->data(Qt::UserRole).toInt();
    }
    // The first row whose player passes the test, -1 when none does.
    template <class F> int Linha(QTableWidget* g, F f) {
        for (int i = 0; i < g->rowCount(); ++i)
            if (f(p.J(Jogador(g, i)), Jogador(g, i))) return i;
        return -1;
    }
    int TitularDeLinha() {
        return Linha(titulares, [&](const TJogador& j, int i) {
            return j.posicaoatual != kGoleiro && match::EmCondicoesNaPartida(*p.jogo, p.R(), i);
        });
    }
    int ReservaDeLinha() {
        return Linha(banco, [](const TJogador& j, int) { return j.posicao != kGoleiro; });
    }
    void Selecionar(int linhaTitular, int linhaBanco) {
        titulares->clearSelection();
        banco->clearSelection();
        if (linhaTitular >= 0) titulares->selectRow(linhaTitular);
        if (linhaBanco >= 0) banco->selectRow(linhaBanco);
    }
};

} // namespace

TEST(VisaoAoVivo, SubstitutionsThroughTheViewUntilTheButtonGoes) {
    Partida p;
    p.Minutos(20);
    Visao v(p);
    const int sub0 = p.P().substituicoes[p.lado];
    ASSERT_GT(sub0, 0);
    EXPECT_FALSE(v.substituir->isHidden());
    EXPECT_FALSE(v.substituir->isEnabled()); // nothing selected yet

    for (int k = p.P().numsubs[p.lado]; k < 3 && p.P().substituicoes[p.lado] > 0; ++k) {
        const int lt = v.TitularDeLinha(), lb = v.ReservaDeLinha();
        ASSERT_GE(lt, 0);
        ASSERT_GE(lb, 0);
        const int sai = Visao::Jogador(v.titulares, lt), entra = Visao::Jogador(v.banco, lb);
        const TEscalacao antes = p.E();
        const int numsubs = p.P().numsubs[p.lado];
        v.Selecionar(lt, lb);
        ASSERT_TRUE(v.substituir->isEnabled());
        v.substituir->click();

        EXPECT_EQ(p.P().numsubs[p.lado], numsubs + 1);
        EXPECT_EQ(p.P().listasubs[p.lado][numsubs].jogador, sai);
        EXPECT_EQ(p.J(sai).jogou, 0);
        EXPECT_EQ(p.J(entra).jogou, 1);
        // The counts lose the one going off and gain the one coming on.
        const match::Contagem cs = match::ContagemDe(p.J(sai)), ce = match::ContagemDe(p.J(entra));
        int esperado[4] = {antes.titularesporposicao[0], antes.titularesporposicao[1],
                           antes.titularesporposicao[2], antes.titularesporposicao[3]};
        if (cs.posicao) --esperado[cs.posicao - 1];
        if (ce.posicao) ++esperado[ce.posicao - 1];
        for (int q = 0; q < 4; ++q) EXPECT_EQ(p.E().titularesporposicao[q], esperado[q]);
        const QString linhas =
            Achar<QLabel>(v.v, QStringLiteral("substituicoes%1").arg(p.lado + 1))->text();
        EXPECT_TRUE(linhas.contains(ui::Q(p.J(sai).nome.view()) + QStringLiteral(" \u2194 ") +
                                    ui::Q(p.J(entra).nome.view()) +
                                    QStringLiteral(", %1' - 1º").arg(p.R().minuto)))
            << linhas.toStdString();
        EXPECT_EQ(v.Linha(v.banco, [&](const TJogador&, int i) { return i == entra; }), -1);
        if (k == 0) apoio_telas::Capturar(v.v, "tela_aovivo");
    }
    EXPECT_EQ(p.P().substituicoes[p.lado], 0);
    EXPECT_TRUE(v.substituir->isHidden());
}

TEST(VisaoAoVivo, GoalkeeperRulesAndInjuredStartersInTheView) {
    Partida p;
    p.Minutos(5);
    Visao v(p);
    // Row 0 is the goalkeeper.
    ASSERT_EQ(p.J(Visao::Jogador(v.titulares, 0)).posicaoatual, kGoleiro);
    const int reservaGoleiro =
        v.Linha(v.banco, [](const TJogador& j, int) { return j.posicao == kGoleiro; });
    const int reservaLinha = v.ReservaDeLinha();
    const int titularLinha = v.TitularDeLinha();
    ASSERT_GE(reservaLinha, 0);
    v.Selecionar(0, reservaLinha);
    EXPECT_FALSE(v.substituir->isEnabled());
    if (reservaGoleiro >= 0) {
        v.Selecionar(0, reservaGoleiro);
        EXPECT_TRUE(v.substituir->isEnabled());
        v.Selecionar(titularLinha, reservaGoleiro);
        EXPECT_FALSE(v.substituir->isEnabled());
    }

    // An injured starter: red, not selectable, not replaceable.
    const int ferido = Visao::Jogador(v.titulares, titularLinha);
    p.J(ferido).retorno = p.R().hoje + 14;
    p.J(ferido).jogou = 0;
    v.v.Atualizar();
    EXPECT_EQ(v.titulares->item(titularLinha, 1)->foreground().color(), QColor(Qt::red));
    v.Selecionar(titularLinha, reservaLinha);
    EXPECT_TRUE(v.titulares->selectedItems().isEmpty());
    EXPECT_FALSE(v.substituir->isEnabled());
    EXPECT_FALSE(match::PodeSubstituir(*p.jogo, p.R(), p.m, p.lado, ferido,
                                       Visao::Jogador(v.banco, reservaLinha)));
}

TEST(VisaoAoVivo, PositionChangeTacticsAndTheReferee) {
    Partida p;
    p.Minutos(10);
    Visao v(p);
    const int linha = v.Linha(v.titulares, [](const TJogador& j, int) {
        return j.posicaoatual == kLateral && j.posicao == kLateral;
    });
    ASSERT_GE(linha, 0);
    const int jogador = Visao::Jogador(v.titulares, linha);
    const TEscalacao antes = p.E();
    emit v.titulares->cellDoubleClicked(linha, 1);
    auto* d = v.v.findChild<temporada::telas::DialogoMudancaPosicao*>();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    auto* posicao = Achar<QComboBox>(*d, QStringLiteral("posicao"));
    auto* funcao = Achar<QComboBox>(*d, QStringLiteral("funcao"));
    EXPECT_EQ(posicao->count(), 6);
    EXPECT_EQ(posicao->itemText(5), QStringLiteral("Voltar posição original"));
    posicao->setCurrentIndex(kAtacante);
    ASSERT_EQ(funcao->count(), 3);
    EXPECT_EQ(funcao->itemText(2), QStringLiteral("Pela ponta"));
    funcao->setCurrentIndex(2);
    Achar<QPushButton>(*d, QStringLiteral("ok"))->click();
    EXPECT_EQ(p.J(jogador).posicaoatual, kAtacante);
    EXPECT_EQ(p.J(jogador).funcao, 2);
    EXPECT_EQ(p.E().titularesporposicao[kLateral - 1], antes.titularesporposicao[kLateral - 1] - 1);
    EXPECT_EQ(p.E().titularesporposicao[kAtacante - 1],
              antes.titularesporposicao[kAtacante - 1] + 1);
    EXPECT_EQ(p.E().atacantes, antes.atacantes + 1);
    EXPECT_TRUE(v.titulares->item(linha, 0)->text().endsWith(QStringLiteral("*")));
    QApplication::processEvents();

    // Improvised now: the dialog says so, and takes him back.
    emit v.titulares->cellDoubleClicked(linha, 1);
    d = v.v.findChild<temporada::telas::DialogoMudancaPosicao*>();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(Achar<QLabel>(*d, QStringLiteral("original"))
                    ->text()
                    .contains(QStringLiteral("  (Improvisado como: ")));
    apoio_telas::Capturar(*d, "tela_mudanca_posicao");
    Achar<QComboBox>(*d, QStringLiteral("posicao"))->setCurrentIndex(5);
    Achar<QPushButton>(*d, QStringLiteral("ok"))->click();
    EXPECT_EQ(p.J(jogador).posicaoatual, kLateral);
    EXPECT_EQ(p.E().atacantes, antes.atacantes);
    EXPECT_EQ(p.E().titularesporposicao[kLateral - 1], antes.titularesporposicao[kLateral - 1]);
    QApplication::processEvents();

    // Tactics of the human side are written at once; the other side's are shown only.
    const int clube = p.P().Clube(p.lado);
    auto* estilo = Achar<QComboBox>(v.v, QStringLiteral("estilo%1").arg(p.lado + 1));
    EXPECT_TRUE(estilo->isEnabled());
    emit estilo->activated(2);
    EXPECT_EQ(p.jogo->times[clube].estilo, 2);
    auto* marcacao = Achar<QComboBox>(v.v, QStringLiteral("marcacao%1").arg(p.lado + 1));
    emit marcacao->activated(1);
    EXPECT_EQ(p.jogo->times[clube].marcacao, 1);
    EXPECT_FALSE(Achar<QComboBox>(v.v, QStringLiteral("estilo%1").arg(2 - p.lado))->isEnabled());
    EXPECT_TRUE(
        Achar<QPushButton>(v.v, QStringLiteral("substituir%1").arg(2 - p.lado))->isHidden());

    // The referee box.
    const int a = match::ArbitroDaPartida(*p.jogo, p.R(), p.m);
    ASSERT_GE(a, 0);
    auto* botao = Achar<QPushButton>(v.v, QStringLiteral("arbitro"));
    EXPECT_EQ(botao->text(), ui::Q(arbitros()[a].nome));
    botao->click();
    auto* caixa = v.v.findChild<temporada::telas::CaixaArbitro*>();
    ASSERT_NE(caixa, nullptr);
    EXPECT_EQ(caixa->windowTitle(), QStringLiteral("Árbitro"));
    EXPECT_EQ(Achar<QLabel>(*caixa, QStringLiteral("nome"))->text(), ui::Q(arbitros()[a].nome));
    EXPECT_EQ(Achar<QLabel>(*caixa, QStringLiteral("tecnica"))->text().toInt(),
              arbitros()[a].tecnica);
    EXPECT_EQ(Achar<QLabel>(*caixa, QStringLiteral("rigor"))->text().toInt(), arbitros()[a].rigor);
    EXPECT_EQ(Achar<QProgressBar>(*caixa, QStringLiteral("rigorbarra"))->value(),
              arbitros()[a].rigor);
    apoio_telas::Capturar(*caixa, "tela_arbitro");
    Achar<QPushButton>(*caixa, QStringLiteral("ok"))->click();

    // Space goes back to the match.
    EXPECT_TRUE(v.v.isVisible());
    QKeyEvent espaco(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(v.titulares, &espaco);
    EXPECT_FALSE(v.v.isVisible());
    EXPECT_EQ(v.v.result(), QDialog::Accepted);
}

TEST(VisaoAoVivo, HalfTimeShowsTheIntervalAndItsStatistics) {
    Partida p;
    p.Minutos(45);
    ASSERT_EQ(p.R().tempo, 2);
    const plataforma::Gerador guardado = p.jogo->gerador;
    const auto esperado = match::EstatisticasIntervalo(*p.jogo, p.R(), p.m);
    p.jogo->gerador = guardado;
    Visao v(p, true);
    EXPECT_EQ(Achar<QLabel>(v.v, QStringLiteral("minuto"))->text(), QStringLiteral("Intervalo"));
    EXPECT_EQ(Achar<QLabel>(v.v, QStringLiteral("tempo"))->text(), QStringLiteral("I"));
    for (int s = 0; s < 2; ++s) {
        const QString n = QString::number(s + 1);
        EXPECT_EQ(v.v.Estatisticas()[s].posse, esperado[s].posse);
        EXPECT_EQ(Achar<QLabel>(v.v, QStringLiteral("posse") + n)->text(),
                  QStringLiteral("%1%").arg(esperado[s].posse));
        EXPECT_EQ(Achar<QLabel>(v.v, QStringLiteral("finalizacoes") + n)->text().toInt(),
                  esperado[s].finalizacoes);
        EXPECT_EQ(Achar<QLabel>(v.v, QStringLiteral("roubadas") + n)->text().toInt(),
                  esperado[s].roubadas);
        EXPECT_EQ(Achar<QLabel>(v.v, QStringLiteral("passeserrados") + n)->text().toInt(),
                  esperado[s].passeserrados);
        EXPECT_EQ(Achar<QLabel>(v.v, QStringLiteral("faltas") + n)->text().toInt(),
                  esperado[s].faltas);
    }
    EXPECT_EQ(esperado[0].posse + esperado[1].posse, 100);
    EXPECT_EQ(Achar<QLabel>(v.v, QStringLiteral("placar"))->text(),
              QStringLiteral("%1 x %2").arg(p.P().gols[0]).arg(p.P().gols[1]));
    apoio_telas::Capturar(v.v, "tela_aovivo_intervalo");
    Achar<QPushButton>(v.v, QStringLiteral("voltar"))->click();
    EXPECT_FALSE(v.v.isVisible());
}

TEST(SubstituicaoContusao, TheChosenBenchPlayerOrNobody) {
    Partida p;
    p.Minutos(3);
    std::vector<int> banco;
    for (int b : p.E().reservas)
        if (b > 0) banco.push_back(b);
    ASSERT_GE(banco.size(), 2u);
    const int contundido = match::Vaga(p.E(), 3);
    const int clube = p.P().Clube(p.lado);
    temporada::telas::SubstituicaoContusao d(*p.jogo, clube, contundido, banco);
    d.show();
    // Who must answer, at a keyboard several humans may share.
    EXPECT_EQ(Achar<QLabel>(d, QStringLiteral("quem"))->text(),
              QStringLiteral("Clube: ") + ui::Q(p.jogo->times[clube].nome.view()) +
                  QStringLiteral(" — Técnico: ") +
                  ui::Q(p.jogo->tecnicos[p.jogo->times[clube].tecnico].nome.view()));
    auto* lista = Achar<QListWidget>(d, QStringLiteral("banco"));
    auto* substituir = Achar<QPushButton>(d, QStringLiteral("substituir"));
    EXPECT_EQ(lista->count(), static_cast<int>(banco.size()));
    EXPECT_FALSE(substituir->isEnabled());
    lista->setCurrentRow(1);
    apoio_telas::Capturar(d, "tela_substituicao_contusao");
    substituir->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Escolhido(), banco[1]);

    // Closed without a choice: nobody.
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    EXPECT_EQ(temporada::telas::EscolherSubstitutoContusao(*p.jogo, p.R(), p.m, p.lado, contundido,
                                                           banco, nullptr),
              0);
}
