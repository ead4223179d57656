// The match screen on a real league date: the clock to the end, the scores
// and event labels, the speed keys; the penalty, takers and shoot-out screens
// answered in place; the sounds only with the sounds option on.
#include "apoio_telas.hpp"
#include "management/escalacao.hpp"
#include "management/escalacaoformacao.hpp"
#include "match/penaltis.hpp"
#include "match/vagas.hpp"
#include "temporada/ciclo.hpp"
#include "temporada/telas/interacaotela.hpp"
#include "temporada/telas/telapartida.hpp"
#include "temporada/telas/telapenaltis.hpp"
#include "ui/som.hpp"
#include "ui/textos.hpp"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace world;
using namespace match;
using namespace temporada;
using namespace temporada::telas;

namespace {

// Answers every screen in place: the first taker, every player ordered
// last-first, the shoot-out stepped through with what it showed noted.
class InteracaoTeste : public InteracaoTela {
public:
    using InteracaoTela::InteracaoTela;
    int abertas = 0;
    std::vector<ChuteMostrado> sorteados;       // the kicks as the core drew them
    std::vector<QString> batedores, resultados; // what the shoot-out screen showed
    QString vencedor;
    std::function<void(QDialog&)> antes; // a look at the screen before it is answered

    void ChuteDisputa(int lado, int batedor, bool gol) override {
        sorteados.push_back({lado, batedor, gol});
        InteracaoTela::ChuteDisputa(lado, batedor, gol);
    }

protected:
    // The live view and the injury screen have tests of their own: here they
    // are only counted, so the clock never waits on them.
    void VisaoAoVivo(world::Jogo&, match::Rodada&, int, bool) override { ++aovivo; }
    int SubstitutoContusao(const world::Jogo&, const match::Rodada&, int, int, int,
                           std::span<const int>) override {
        return 0;
    }

public:
    int aovivo = 0;

protected:
    int Executar(QDialog& d) override {
        ++abertas;
        if (antes) antes(d);
        if (auto* t = dynamic_cast<TelaBatedores*>(&d)) {
            while (t->Disponiveis()->count() > 0) {
                t->Disponiveis()->setCurrentRow(t->Disponiveis()->count() - 1);
                t->Incluir()->click();
            }
            t->Confirmar()->click();
            return d.result();
        }
        if (auto* t = dynamic_cast<TelaDisputa*>(&d)) {
            // Each kick in two steps: the taker, then the outcome; the winner last.
            while (t->Avancar() && t->Vencedor().isEmpty()) {
                if (t->Resultado().isEmpty())
                    batedores.push_back(t->Batedor());
                else
                    resultados.push_back(t->Resultado());
            }
            EXPECT_TRUE(t->Terminou());
            vencedor = t->Vencedor();
            if (capturar) apoio_telas::Capturar(*t, "tela_disputa_penaltis");
            return QDialog::Accepted;
        }
        if (auto* t = dynamic_cast<TelaPenalti*>(&d)) {
            t->Bater()->click();
            return d.result();
        }
        return QDialog::Accepted; // the commentary of a penalty
    }

public:
    bool capturar = false;
};

struct Cena {
    std::unique_ptr<Jogo> jogo = apoio_telas::NovoJogo({29}, 1);
    ExecucaoRodada ex;
    ui::Som som;
    std::unique_ptr<TelaPartida> tela;
    std::unique_ptr<InteracaoTeste> ia;

    explicit Cena(bool comsom = false) {
        jogo->estado.opcoes.opsom = comsom;
        // The human's lineup as "Jogar >>" commits it: the first formation offered.
        const double hoje = jogo->calendario[jogo->estado.dataatual - 1].data;
        management::Grade g = management::PreencherGrade(*jogo, hoje);
        const auto formacoes =
            management::FormacoesPossiveis(management::ContarDisponiveis(*jogo, g));
        if (!formacoes.empty())
            management::EscolherFormacao(*jogo, g, management::TextoFormacao(formacoes.front()));
        management::ConfirmarEscalacao(*jogo, g);
        temporada::AbrirRodadaDoDia(*jogo, ex);
        tela = std::make_unique<TelaPartida>(*jogo, ex);
        ia = std::make_unique<InteracaoTeste>(tela.get(), &som, jogo.get());
        ia->DefinirPausas(0, 0);
        ex.rodada.interacao = ia.get();
        tela->resize(1280, 800);
        tela->show();
    }
    // Ticks until the clock shows minute `minuto` of half `tempo`.
    void Ate(int tempo, int minuto) {
        while (ex.estado == EstadoRodada::Relogio &&
               (ex.rodada.tempo < tempo || (ex.rodada.tempo == tempo && ex.rodada.minuto < minuto)))
            tela->Timer1Timer();
    }
};

// The last shown event of each side of match m, as the labels must show it.
// Labels are cleared at half-time: only events from minute `desde` count.
int UltimoEvento(const Rodada& r, int m, int lado, int desde) {
    int tipo = 0;
    for (const TEvento& e : r.eventos) {
        if (e.jogo != m || e.tipo == kSubstituicaoEvento || e.minuto < desde) continue;
        if ((e.clube == r.jogos[m].mandante ? 0 : 1) == lado) tipo = e.tipo;
    }
    return tipo;
}

} // namespace

TEST(TelaPartida, ShownLeagueDateRunsOnTheClockToTheFixturesResults) {
    Cena c;
    c.tela->DefinirIntervaloParaTestes(1);
    QSignalSpy fim(c.tela.get(), &TelaPartida::encerrada);
    c.tela->Comecar();
    ASSERT_EQ(c.ex.estado, EstadoRodada::Relogio);
    EXPECT_TRUE(c.tela->Rodando());
    const int n = c.ex.rodada.numjogos;
    ASSERT_GT(n, 1);
    ASSERT_EQ(static_cast<int>(c.tela->Linhas().size()), n);
    for (const auto& l : c.tela->Linhas()) {
        const TPartida& f = c.jogo->partidas[l.partida];
        EXPECT_EQ(l.mandante->toolTip(), ui::Q(c.jogo->times[f.mandante].nome.view()));
        EXPECT_EQ(l.visitante->toolTip(), ui::Q(c.jogo->times[f.visitante].nome.view()));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return fim.count() > 0; }, 60000));
    QTest::qWait(20);
    EXPECT_EQ(fim.count(), 1);
    EXPECT_EQ(c.ex.estado, EstadoRodada::Encerrada);
    EXPECT_FALSE(c.tela->Rodando());
    int gols = 0;
    for (const auto& l : c.tela->Linhas()) {
        const TPartida& f = c.jogo->partidas[l.partida];
        EXPECT_TRUE(f.jogado);
        EXPECT_EQ(l.golsmandante->text().toInt(), f.golsmandante);
        EXPECT_EQ(l.golsvisitante->text().toInt(), f.golsvisitante);
        gols += f.golsmandante + f.golsvisitante;
    }
    EXPECT_GT(gols, 0);
    // The sounds option is off: nothing was played.
    EXPECT_EQ(c.som.Tocados(), 0);
}

TEST(TelaPartida, ProgressBarEventLabelsAndHalfTime) {
    Cena c;
    c.jogo->estado.opcoes.opnegrito = 1;
    c.jogo->estado.opcoes.opminutos = 1;
    c.tela->Comecar();
    c.tela->DefinirIntervaloParaTestes(100000); // driven by hand
    c.Ate(1, 39);
    EXPECT_EQ(c.tela->Barra()->value(), 39);
    EXPECT_FALSE(c.tela->Barra()->property("vermelha").toBool());
    c.tela->Timer1Timer();
    EXPECT_EQ(c.tela->Barra()->value(), 40);
    EXPECT_TRUE(c.tela->Barra()->property("vermelha").toBool());
    EXPECT_TRUE(c.tela->Rodando()); // restarted after the tick

    c.Ate(2, 0);
    EXPECT_EQ(c.tela->Aviso()->text(), ui::T(528));
    for (const auto& l : c.tela->Linhas()) EXPECT_TRUE(l.evento[0]->Texto().isEmpty());
    EXPECT_FALSE(c.tela->Barra()->property("vermelha").toBool());
    // The second half's banner goes after its first minutes.
    c.Ate(2, 3);
    EXPECT_EQ(c.tela->Aviso()->text(), ui::T(528));
    c.Ate(2, 4);
    EXPECT_TRUE(c.tela->Aviso()->text().isEmpty());

    c.Ate(2, 38);
    EXPECT_EQ(c.tela->MinutoMostrado()->text(), QStringLiteral("83'"));
    const Rodada& r = c.ex.rodada;
    int vistos = 0;
    for (const auto& l : c.tela->Linhas())
        for (int lado = 0; lado < 2; ++lado) {
            SCOPED_TRACE(l.m * 10 + lado);
            const RotuloEvento& e = *l.evento[lado];
            EXPECT_EQ(e.Tipo(), UltimoEvento(r, l.m, lado, 46));
            if (e.Tipo() == 0) continue;
            ++vistos;
            EXPECT_EQ(e.Negrito(), lado == 0);
            const QColor esperada = e.Tipo() == kAmarelo ? QColor(255, 230, 0)
                                    : (e.Tipo() == kVermelhoDireto || e.Tipo() == kSegundoAmarelo ||
                                       e.Tipo() == kContusaoEvento)
                                        ? QColor(139, 0, 0)
                                        : QColor(255, 255, 255);
            EXPECT_EQ(e.Cor(), esperada);
            EXPECT_TRUE(e.Texto().contains(QLatin1Char('\'')));
            EXPECT_EQ(e.Texto().contains(ui::T(898)), e.Tipo() == kGolContra);
        }
    EXPECT_GT(vistos, 0);
    apoio_telas::Capturar(*c.tela, "tela_partida");
}

TEST(TelaPartida, TheHumansMatchIsFramedInGold) {
    Cena c;
    c.tela->Comecar();
    QApplication::processEvents();
    int humanos = 0;
    for (const auto& l : c.tela->Linhas()) {
        const TJogoDaRodada& p = c.ex.rodada.jogos[l.m];
        const bool humano = c.jogo->times[p.mandante].humano || c.jogo->times[p.visitante].humano;
        SCOPED_TRACE(l.m);
        EXPECT_EQ(l.humano, humano);
        humanos += humano;
        // The frame is on the card's edge, outside the clubs' colours.
        const QImage figura = l.cartao->grab().toImage();
        const QColor borda = figura.pixelColor(1, figura.height() / 2);
        const QColor dentro = figura.pixelColor(figura.width() / 2, figura.height() - 6);
        const QColor ouro(255, 210, 60);
        EXPECT_EQ(borda == ouro, humano) << borda.name().toStdString();
        EXPECT_NE(dentro, ouro);
    }
    EXPECT_EQ(humanos, c.ex.numjogoshumanos);
    EXPECT_GT(humanos, 0);
}

TEST(TelaPartida, SpeedKeysAndTheLiveViewStopTheClock) {
    Cena c;
    c.tela->Comecar();
    EXPECT_EQ(c.tela->Intervalo(), IntervaloDoRelogio(*c.jogo, c.ex));
    const std::pair<Qt::Key, int> teclas[] = {{Qt::Key_F1, 3000},
                                              {Qt::Key_F2, 2000},
                                              {Qt::Key_F3, 500},
                                              {Qt::Key_F4, 200},
                                              {Qt::Key_F5, 100}};
    for (auto [tecla, ms] : teclas) {
        QTest::keyClick(c.tela.get(), tecla);
        EXPECT_EQ(c.tela->Intervalo(), ms);
        EXPECT_TRUE(c.tela->Rodando());
    }
    ASSERT_GT(c.ex.numjogoshumanos, 0);
    int aberto = 0;
    bool rodava = true;
    c.tela->abriraovivo = [&](int m) {
        aberto = m;
        rodava = c.tela->Rodando();
    };
    QTest::keyClick(c.tela.get(), Qt::Key_Space);
    EXPECT_EQ(aberto, c.ex.jogoshumanos[0]);
    EXPECT_FALSE(rodava);
    EXPECT_TRUE(c.tela->Rodando());
    aberto = 0;
    QTest::keyClick(c.tela.get(), Qt::Key_Return);
    EXPECT_EQ(aberto, c.ex.jogoshumanos[0]);
    // Alt+F4 leaves the screen as it was.
    QTest::keyClick(c.tela.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(c.tela->Intervalo(), 100);
    EXPECT_TRUE(c.tela->isVisible());
}

TEST(TelaPartida, TakersCanBeConfirmedOnlyWhenEveryoneIsOrdered) {
    Cena c;
    c.tela->Comecar();
    const int clube = c.jogo->estado.timeatual;
    ListaBatedores emcampo{};
    int n = 0;
    const TEscalacao& e = c.jogo->escalacoes[c.jogo->times[clube].escalacao];
    for (int v = 0; v <= kVagaGoleiro; ++v)
        if (Vaga(e, v) > 0 && c.jogo->jogadores[Vaga(e, v)].jogou) emcampo[n++] = Vaga(e, v);
    ASSERT_EQ(n, 11);

    TelaBatedores tela(*c.jogo, clube, std::span<const int>(emcampo.data(), n), nullptr);
    tela.resize(700, 520);
    tela.show();
    EXPECT_EQ(tela.Disponiveis()->count(), 11);
    EXPECT_FALSE(tela.Confirmar()->isEnabled());
    std::vector<int> ordem;
    for (int k = 0; k < 10; ++k) {
        tela.Disponiveis()->setCurrentRow(tela.Disponiveis()->count() - 1);
        ordem.push_back(emcampo[n - 1 - k]);
        tela.Incluir()->click();
        EXPECT_FALSE(tela.Confirmar()->isEnabled());
    }
    apoio_telas::Capturar(tela, "tela_penaltis_batedores");
    // One taken back out and in again: still one short until the last goes.
    tela.Ordenados()->setCurrentRow(9);
    tela.Retirar()->click();
    EXPECT_EQ(tela.Disponiveis()->count(), 2);
    tela.Disponiveis()->setCurrentRow(1);
    tela.Incluir()->click();
    EXPECT_FALSE(tela.Confirmar()->isEnabled());
    tela.Incluir()->click();
    ordem.push_back(emcampo[0]);
    EXPECT_TRUE(tela.Confirmar()->isEnabled());
    const auto escolhida = tela.Ordem();
    for (int k = 0; k < 11; ++k) EXPECT_EQ(escolhida[k], ordem[k]) << k;
    tela.Confirmar()->click();
    EXPECT_EQ(tela.result(), QDialog::Accepted);

    // Through the match: the human's order is the one the shoot-out uses.
    const ListaBatedores usada = Batedores(*c.jogo, clube, *c.ia);
    for (int k = 0; k < 11; ++k) EXPECT_EQ(usada[k], emcampo[10 - k]) << k;
}

TEST(TelaPartida, ShootOutShowsEveryKickInOrderAndTheWinner) {
    Cena c;
    c.tela->Comecar();
    const TJogoDaRodada& p = c.ex.rodada.jogos[c.ex.jogoshumanos[0]];
    c.ia->capturar = true;
    const TResultadoDisputa r = DisputaPenaltis(*c.jogo, p.mandante, p.visitante, *c.ia);
    EXPECT_EQ(c.ia->abertas, 2); // the human's takers, then the shoot-out
    const auto& k = c.ia->sorteados;
    ASSERT_GE(k.size(), 6u);
    ASSERT_EQ(c.ia->batedores.size(), k.size());
    ASSERT_EQ(c.ia->resultados.size(), k.size());
    int gols[2] = {};
    for (std::size_t i = 0; i < k.size(); ++i) {
        EXPECT_EQ(k[i].lado, i % 2 == 0 ? 1 : 2);
        EXPECT_EQ(c.ia->batedores[i], ui::Q(c.jogo->jogadores[k[i].batedor].nome.view()));
        EXPECT_EQ(c.ia->resultados[i], k[i].gol ? ui::T(490) : ui::T(491));
        gols[k[i].lado - 1] += k[i].gol;
    }
    EXPECT_EQ(gols[0], r.gols[0]);
    EXPECT_EQ(gols[1], r.gols[1]);
    const int vencedor = r.vencedor == 1 ? p.mandante : p.visitante;
    EXPECT_EQ(c.ia->vencedor,
              ui::Q(c.jogo->times[vencedor].nome.view()) + QLatin1Char(' ') + ui::T(489));
}

TEST(TelaPartida, PenaltyTakerAndCommentary) {
    Cena c;
    c.tela->Comecar();
    const int m = c.ex.jogoshumanos[0];
    const TJogoDaRodada& p = c.ex.rodada.jogos[m];
    const int lado = c.jogo->times[p.mandante].humano ? 0 : 1;
    const int emcampo[3] = {p.onzeinicial[lado][9], p.onzeinicial[lado][8], p.onzeinicial[lado][7]};
    ASSERT_GT(emcampo[2], 0);
    c.ia->antes = [](QDialog& d) {
        if (auto* t = dynamic_cast<TelaPenalti*>(&d)) t->Lista()->setCurrentRow(2);
    };
    EXPECT_EQ(c.ia->EscolherBatedor(*c.jogo, c.ex.rodada, m, lado, emcampo), emcampo[2]);

    // The commentary closes itself: run through exec with no pause.
    TelaLance lance(*c.jogo, emcampo[0], true, 476, 0, nullptr);
    EXPECT_EQ(lance.exec(), QDialog::Accepted);
    EXPECT_EQ(lance.Texto(), ui::T(476));
}

TEST(TelaPartida, SoundsOnlyWithTheSoundsOption) {
    Cena c;
    InteracaoTela ia(c.tela.get(), &c.som, c.jogo.get());
    for (auto s : {Som::Gol, Som::Penalti, Som::Contusao, Som::FimJogo}) ia.TocarSom(s);
    EXPECT_EQ(c.som.Tocados(), 0);
    ASSERT_TRUE(c.som.Tem("gol") && c.som.Tem("fimjogo"));
    c.jogo->estado.opcoes.opsom = 1;
    ia.TocarSom(Som::Gol);
    ia.TocarSom(Som::FimJogo);
    EXPECT_EQ(c.som.Tocados(), 2);
}

TEST(TelaPartida, ShootOutScreenRunsByItselfAndCloses) {
    Cena c;
    c.tela->Comecar();
    int m = 1;
    while (m <= c.ex.rodada.numjogos && (c.jogo->times[c.ex.rodada.jogos[m].mandante].humano ||
                                         c.jogo->times[c.ex.rodada.jogos[m].visitante].humano))
        ++m;
    ASSERT_LE(m, c.ex.rodada.numjogos);
    const TJogoDaRodada& p = c.ex.rodada.jogos[m];
    // The desktop's own answers, with no pause: the screen steps through
    // its kicks on its timer and closes itself (a guard closes it otherwise).
    InteracaoTela ia(c.tela.get(), &c.som, c.jogo.get());
    ia.DefinirPausas(0, 0);
    bool preso = false;
    QTimer guarda;
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            preso = true;
            w->close();
        }
    });
    guarda.start(5000);
    DisputaPenaltis(*c.jogo, p.mandante, p.visitante, ia);
    EXPECT_FALSE(preso);
}

TEST(TelaPartida, ASingleMatchDecidedOnPenaltiesSaysSoAndTheLineClosesByItself) {
    Cena c;
    InteracaoTela ia(c.tela.get(), &c.som, c.jogo.get());
    ia.DefinirPausas(0, 0, 30);
    QString visto;
    bool preso = false;
    QTimer olhar, guarda;
    olhar.setSingleShot(true);
    QObject::connect(&olhar, &QTimer::timeout, [&] {
        if (auto* t = qobject_cast<temporada::telas::TelaAviso*>(QApplication::activeModalWidget()))
            visto = t->Texto();
    });
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            preso = true;
            w->close();
        }
    });
    olhar.start(0);
    guarda.start(5000);
    ia.DecisaoNosPenaltis(1);
    EXPECT_EQ(visto, ui::T(482));
    EXPECT_EQ(visto, QStringLiteral("Empate! A decisão foi nos pênaltis."));
    EXPECT_FALSE(preso);
}
