// Selling on the desktop: a player listed at a fixed price from the squad's
// menu and his card, withdrawn, sold at the next refresh; an auction of a
// human's player with two other humans bidding in turn; the player search.
#include "apoio_telas.hpp"
#include "management/mercado.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telabusca.hpp"
#include "management/telas/telajogador.hpp"
#include "management/telas/telaleilao.hpp"
#include "management/telas/telaprincipal.hpp"
#include "management/telas/telavenda.hpp"
#include "shell/janelaprincipal.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"
#include "world/valores.hpp"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <set>

using namespace world;
using management::telas::GradeElenco;
using management::telas::TelaBusca;
using management::telas::TelaLeilao;
using management::telas::TelaVenda;

namespace {

// Plays a script on the modal windows as they open: each step gets the next
// window that has not had one yet. A step that opens further windows
// (a click that runs an auction) must queue that click, so the script goes on
// inside them.
class Roteiro {
public:
    using Passo = std::function<void(QWidget*)>;
    explicit Roteiro(std::vector<Passo> passos) : passos_(passos.begin(), passos.end()) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Seguir(); });
        timer_.start(5);
    }
    bool Terminou() const { return passos_.empty(); }

private:
    void Seguir() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || passos_.empty()) return;
        for (const QPointer<QWidget>& v : vistos_)
            if (v == w) return;
        vistos_.emplace_back(w);
        Passo p = std::move(passos_.front());
        passos_.pop_front();
        p(w);
    }
    QTimer timer_;
    std::deque<Passo> passos_;
    std::vector<QPointer<QWidget>> vistos_;
};

template <typename W> W* Como(QWidget* w) {
    auto* t = qobject_cast<W*>(w);
    EXPECT_NE(t, nullptr) << (w ? w->metaObject()->className() : "no window");
    return t;
}

void Depois(QPushButton* botao) {
    QTimer::singleShot(0, botao, &QPushButton::click);
}

// A game in the main window with `humanos` human clubs, its first screen up
// and its events run (so refreshes sell).
struct Cena {
    std::shared_ptr<Jogo> jogo;
    shell::JanelaPrincipal janela;
    explicit Cena(int humanos) {
        jogo = apoio_telas::NovoJogo({29}, humanos);
        janela.resize(1280, 800);
        janela.show();
        janela.ComecarJogo(jogo);
        principal()->AceitarVez();
        EXPECT_TRUE(apoio_telas::EsperarPor([&] { return !jogo->ciclo.semeventos; }, 5000));
    }
    management::telas::TelaPrincipal* principal() { return janela.TelaPrincipal(); }
    GradeElenco& grade() { return *principal()->grade(); }
    int clube() const { return jogo->estado.timeatual; }
    int Fila(int jogador) {
        for (int f = 0; f < grade().rowCount(); ++f)
            if (grade().JogadorDaFila(f) == jogador) return f;
        return -1;
    }
    // A player of the club on screen who is not listed, valued at a round
    // `passe` so that prices typed in thousands hit it exactly.
    int Jogador(i32 passe) {
        for (int f = 0; f < grade().rowCount(); ++f) {
            const int j = grade().JogadorDaFila(f);
            if (j > 0 && !jogo->jogadores[j].avenda && jogo->jogadores[j].posicao != kGoleiro) {
                jogo->jogadores[j].passe = passe;
                jogo->jogadores[j].passepedido = passe;
                return j;
            }
        }
        ADD_FAILURE() << "no player";
        return 0;
    }
    void Vender(int jogador) {
        QMenu* menu = grade().MenuDaFila(Fila(jogador));
        ASSERT_NE(menu, nullptr);
        QAction* vender = nullptr;
        for (QAction* a : menu->actions())
            if (a->text() == QStringLiteral("Vender jogador...")) vender = a;
        ASSERT_NE(vender, nullptr);
        vender->trigger();
        menu->close();
    }
};

} // namespace

TEST(Vendas, AListingAtTheValueSellsAtTheNextRefreshAndAWithdrawalKeepsThePlayer) {
    Cena c(1);
    const int humano = c.clube();
    const int j = c.Jogador(1'500'000);
    c.principal()->Atualizar();
    ASSERT_GT(c.Fila(j), -1);
    ASSERT_TRUE(management::PodeVender(*c.jogo, humano));

    // From the squad's menu: listed at twice his value, which nobody pays.
    Roteiro listar({[&](QWidget* w) {
        auto* t = Como<TelaVenda>(w);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->windowTitle(), QStringLiteral("Venda de jogador"));
        EXPECT_TRUE(t->opcaoPrecoFixo()->isChecked());
        EXPECT_FALSE(t->botaoRetirar()->isVisible());
        EXPECT_TRUE(t->botaoVender()->isEnabled());
        EXPECT_EQ(t->caixaPrecoFixo()->value(), 1500);
        // A new game's contracts run for months: a fine is due.
        EXPECT_TRUE(t->rotuloMulta()->isVisible());
        EXPECT_TRUE(t->rotuloMulta()->text().contains(QStringLiteral("% do valor total")));
        t->caixaPrecoFixo()->setValue(3000);
        EXPECT_TRUE(t->rotuloPrecoFixo()->text().contains(ui::DinheiroExtenso(3'000'000)));
        t->botaoVender()->click();
    }});
    c.Vender(j);
    EXPECT_TRUE(listar.Terminou());
    EXPECT_EQ(c.jogo->jogadores[j].time, humano);
    EXPECT_TRUE(c.jogo->jogadores[j].avenda);
    EXPECT_EQ(c.jogo->jogadores[j].passepedido, 3'000'000);
    // The grid shows the asking price, compact, on the sale colour.
    QTableWidgetItem* passe = c.grade().item(c.Fila(j), GradeElenco::kColPasse);
    EXPECT_EQ(passe->text(), QStringLiteral("3 000 k"));
    EXPECT_EQ(passe->background().color(), GradeElenco::CorAVenda());
    apoio_telas::Capturar(c.janela, "tela_principal_avenda");

    // From his card: the listing is withdrawn, then he goes at his value.
    const i32 caixa = c.jogo->times[humano].dinheiro;
    const i32 multa = management::MultaRescisoria(*c.jogo, j, 1'500'000);
    const std::size_t transferencias = c.jogo->transferencias.size();
    Roteiro vender({[&](QWidget* w) {
                        auto* ficha = Como<management::telas::TelaJogador>(w);
                        ASSERT_NE(ficha, nullptr);
                        auto* botao = ficha->findChild<QPushButton*>(QStringLiteral("vender"));
                        ASSERT_NE(botao, nullptr);
                        botao->click();
                    },
                    [&](QWidget* w) {
                        auto* t = Como<TelaVenda>(w);
                        ASSERT_NE(t, nullptr);
                        EXPECT_TRUE(t->botaoRetirar()->isVisible());
                        EXPECT_EQ(t->botaoRetirar()->text(),
                                  QStringLiteral("Jogador à venda, clique aqui para retira-lo"));
                        EXPECT_EQ(t->caixaPrecoFixo()->value(), 3000);
                        apoio_telas::Capturar(*t, "tela_venda");
                        t->botaoRetirar()->click();
                        EXPECT_FALSE(c.jogo->jogadores[j].avenda);
                        EXPECT_FALSE(t->botaoRetirar()->isVisible());
                        t->caixaPrecoFixo()->setValue(1500);
                        t->botaoVender()->click();
                    }});
    emit c.grade().abrirJogador(j);
    EXPECT_TRUE(vender.Terminou());

    // Closing the screen refreshed the main screen, which sold him.
    const TJogador& vendido = c.jogo->jogadores[j];
    ASSERT_NE(vendido.time, humano);
    EXPECT_FALSE(c.jogo->times[vendido.time].humano);
    EXPECT_EQ(c.jogo->times[vendido.time].divisao, c.jogo->times[humano].divisao);
    EXPECT_EQ(c.jogo->times[humano].dinheiro, caixa + 1'500'000 - multa);
    ASSERT_EQ(c.jogo->transferencias.size(), transferencias + 1);
    EXPECT_EQ(c.jogo->transferencias.back().preco, 1'500'000);
    EXPECT_EQ(c.Fila(j), -1);
    EXPECT_TRUE(c.principal()->rotuloAviso()->text().startsWith(ui::Q(vendido.nome)));
}

TEST(Vendas, TheSaleScreenSaysWhatStopsASaleAndShowsNoFineForAnEndedContract) {
    Cena c(1);
    const int j = c.Jogador(800'000);
    management::InteracaoMercado ninguem;
    {
        TelaVenda t(*c.jogo, j, ninguem);
        EXPECT_TRUE(t.botaoVender()->isEnabled());
        EXPECT_TRUE(t.rotuloMotivo()->isHidden());
        // The auction's starting price reads in words too.
        t.opcaoLeilao()->setChecked(true);
        t.caixaPrecoInicial()->setValue(2500);
        EXPECT_EQ(t.botaoVender()->text(), QStringLiteral("Iniciar leilão"));
        EXPECT_TRUE(t.rotuloPrecoInicial()->text().contains(ui::DinheiroExtenso(2'500'000)));
    }
    TTime& clube = c.jogo->times[c.clube()];
    const i32 elenco = clube.elenco;
    clube.elenco = 11; // as after a run of sales
    {
        TelaVenda t(*c.jogo, j, ninguem);
        EXPECT_FALSE(t.botaoVender()->isEnabled());
        EXPECT_FALSE(t.rotuloMotivo()->isHidden());
        EXPECT_TRUE(t.rotuloMotivo()->text().contains(QStringLiteral("12 jogadores")));
    }
    clube.elenco = elenco;
    c.jogo->jogadores[j].contrato = c.jogo->calendario[c.jogo->estado.dataatual - 1].data - 1;
    TelaVenda t(*c.jogo, j, ninguem);
    EXPECT_TRUE(t.rotuloMulta()->isHidden());
    // A player of another club cannot be sold from here.
    int outro = 0;
    for (std::size_t k = 1; k < c.jogo->jogadores.size() && !outro; ++k)
        if (c.jogo->jogadores[k].time >= 0 && !c.jogo->times[c.jogo->jogadores[k].time].humano)
            outro = static_cast<int>(k);
    TelaVenda alheio(*c.jogo, outro, ninguem);
    EXPECT_FALSE(alheio.botaoVender()->isEnabled());
}

TEST(Vendas, AnAuctionOfAHumansPlayerTakesTheOtherHumansBidsInTurn) {
    Cena c(3);
    const int vendedor = c.clube();
    const int b = c.jogo->estado.timeshumanos[1], d = c.jogo->estado.timeshumanos[2];
    ASSERT_NE(b, vendedor);
    ASSERT_NE(d, vendedor);
    const int j = c.Jogador(2'000'000);
    c.jogo->times[b].dinheiro = 5'000'000;
    c.jogo->times[d].dinheiro = 5'000'000;
    const i32 caixa = c.jogo->times[vendedor].dinheiro;
    const i32 multa = management::MultaRescisoria(*c.jogo, j, 3'500'000);
    QString fim;

    // Starting at 1 000 000, the second human's bid above his cash is
    // refused and asked again; the third human outbids him by more than
    // three times the start, which wins whatever the draw.
    Roteiro leilao({[&](QWidget* w) {
                        auto* t = Como<TelaVenda>(w);
                        ASSERT_NE(t, nullptr);
                        t->opcaoLeilao()->setChecked(true);
                        t->caixaPrecoInicial()->setValue(1000);
                        Depois(t->botaoVender());
                    },
                    [&](QWidget* w) {
                        auto* t = Como<TelaLeilao>(w);
                        ASSERT_NE(t, nullptr);
                        EXPECT_TRUE(t->rotuloVez()->text().contains(ui::Q(c.jogo->times[b].nome)));
                        EXPECT_EQ(t->findChild<QLabel*>(QStringLiteral("melhorlance"))->text(),
                                  QStringLiteral("nenhum lance ainda"));
                        t->campoLance()->setText(QStringLiteral("6000"));
                        t->botaoLance()->click();
                        EXPECT_TRUE(t->isVisible());
                        EXPECT_EQ(t->rotuloErro()->text(),
                                  QStringLiteral("Valor maior que seu dinheiro em caixa"));
                        QTest::keyClicks(t->campoLance(), QStringLiteral("2000"));
                        EXPECT_TRUE(
                            t->rotuloExtenso()->text().contains(ui::DinheiroSemQuebra(2'000'000)));
                        t->botaoLance()->click();
                        EXPECT_FALSE(t->isVisible());
                        EXPECT_EQ(t->Lance(), 2'000'000);
                    },
                    [&](QWidget* w) {
                        auto* t = Como<TelaLeilao>(w);
                        ASSERT_NE(t, nullptr);
                        EXPECT_TRUE(t->rotuloVez()->text().contains(ui::Q(c.jogo->times[d].nome)));
                        EXPECT_EQ(t->findChild<QLabel*>(QStringLiteral("melhorlance"))->text(),
                                  ui::DinheiroSemQuebra(2'000'000) + QStringLiteral(" - ") +
                                      ui::Q(c.jogo->times[b].nome));
                        QTest::keyClicks(t->campoLance(), QStringLiteral("3500"));
                        apoio_telas::Capturar(*t, "tela_leilao");
                        t->botaoLance()->click();
                    },
                    [&](QWidget* w) {
                        auto* m = Como<QMessageBox>(w);
                        ASSERT_NE(m, nullptr);
                        fim = m->informativeText();
                        apoio_telas::Capturar(*m, "tela_fim_leilao");
                        m->accept();
                    }});
    c.Vender(j);
    EXPECT_TRUE(leilao.Terminou());
    // The price on one line however the box wraps its text.
    EXPECT_TRUE(fim.contains(ui::Q(c.jogo->times[d].nome) + QStringLiteral(" - ") +
                             ui::DinheiroSemQuebra(3'500'000)))
        << fim.toStdString();
    EXPECT_EQ(c.jogo->jogadores[j].time, d);
    EXPECT_TRUE(c.jogo->jogadores[j].novato); // between two humans
    EXPECT_EQ(c.jogo->times[d].dinheiro, 5'000'000 - 3'500'000);
    EXPECT_EQ(c.jogo->times[b].dinheiro, 5'000'000);
    EXPECT_EQ(c.jogo->times[vendedor].dinheiro, caixa + 3'500'000 - multa);
    EXPECT_EQ(c.Fila(j), -1);
}

TEST(Vendas, ABidderInDebtIsToldHisBidIsNothing) {
    auto jogo = apoio_telas::NovoJogo({29}, 2);
    management::Leilao l;
    l.jogador = 1;
    l.vendedor = jogo->jogadores[1].time;
    l.precoinicial = 500'000;
    l.vez = jogo->estado.timeshumanos[1];
    l.restantes = 2;
    jogo->times[l.vez].dinheiro = -10'000;
    TelaLeilao t(*jogo, l);
    t.show();
    EXPECT_EQ(t.rotuloErro()->text(), QStringLiteral("Saldo negativo, seu lance foi 0."));
    EXPECT_FALSE(t.campoLance()->isEnabled());
    EXPECT_FALSE(t.botaoLance()->isVisible());
    t.botaoSemLance()->click();
    EXPECT_EQ(t.Lance(), 0);
}

TEST(Vendas, TheSearchFiltersSortsAndOpensAPlayersClub) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    TelaBusca t(*jogo);
    t.resize(1280, 800);
    t.show();
    management::telas::PainelFiltros& filtros = *t.filtros();
    auto Linhas = [&] {
        std::set<int> v;
        for (int r = 0; r < t.lista()->rowCount(); ++r) v.insert(t.JogadorDaLinha(r));
        return v;
    };
    auto Esperados = [&](const management::FiltroBusca& f) {
        const std::vector<int> v = management::BuscarJogadores(*jogo, f);
        return std::set<int>(v.begin(), v.end());
    };

    // A name typed in another case finds the player, and only his namesakes.
    const TJogador& alvo = jogo->jogadores[30];
    filtros.campoNome()->setText(ui::Q(alvo.nome).toUpper());
    QTest::keyClick(filtros.campoNome(), Qt::Key_Return);
    std::set<int> achados = Linhas();
    EXPECT_TRUE(achados.count(30));
    for (int k : achados) EXPECT_EQ(ui::Q(jogo->jogadores[k].nome), ui::Q(alvo.nome));
    EXPECT_EQ(t.rotuloTotal()->text().section(' ', 0, 0).toInt(), static_cast<int>(achados.size()));

    // Forwards of 26 to 36 listed for sale.
    filtros.botaoLimpar()->click();
    filtros.caixaPosicao()->setCurrentIndex(filtros.caixaPosicao()->findData(kAtacante));
    filtros.caixaIdade()->setCurrentIndex(2);
    filtros.caixaSoAVenda()->setChecked(true);
    filtros.botaoBuscar()->click();
    management::FiltroBusca f;
    f.posicao = kAtacante;
    f.faixaidade = 1;
    f.soavenda = true;
    EXPECT_EQ(Linhas(), Esperados(f));
    EXPECT_FALSE(Linhas().empty());
    for (int r = 0; r < t.lista()->rowCount(); ++r)
        EXPECT_FALSE(t.lista()->item(r, TelaBusca::kColVenda)->text().isEmpty());

    // The goalkeepers' one characteristic takes every goalkeeper code.
    filtros.botaoLimpar()->click();
    filtros.caixaCaracteristica1()->setCurrentIndex(1);
    filtros.caixaPais()->setCurrentIndex(filtros.caixaPais()->findData(kPaisCasa));
    filtros.botaoBuscar()->click();
    std::set<int> goleiros;
    for (std::size_t k = 1; k < jogo->jogadores.size(); ++k) {
        const TJogador& j = jogo->jogadores[k];
        if (j.time >= 0 && j.time < jogo->PrimeiraSelecao() && j.pais == kPaisCasa &&
            (j.caract1 <= 3 || j.caract2 <= 3))
            goleiros.insert(static_cast<int>(k));
    }
    EXPECT_EQ(Linhas(), goleiros);

    // Everybody of 31..50 sorted by value, highest first: the compact column
    // sorts by the amount, not by its text.
    filtros.botaoLimpar()->click();
    filtros.caixaForca()->setCurrentIndex(3);
    filtros.botaoBuscar()->click();
    t.lista()->sortByColumn(TelaBusca::kColPasse, Qt::DescendingOrder);
    ASSERT_GT(t.lista()->rowCount(), 10);
    for (int r = 1; r < t.lista()->rowCount(); ++r)
        ASSERT_GE(jogo->jogadores[t.JogadorDaLinha(r - 1)].passe,
                  jogo->jogadores[t.JogadorDaLinha(r)].passe);
    t.lista()->sortByColumn(TelaBusca::kColForca, Qt::DescendingOrder);
    apoio_telas::Capturar(t, "tela_busca");

    // A double click opens the player's club.
    QSignalSpy clube(&t, &TelaBusca::abrirClube);
    const int primeiro = t.JogadorDaLinha(0);
    emit t.lista()->cellDoubleClicked(0, TelaBusca::kColClube);
    ASSERT_EQ(clube.count(), 1);
    EXPECT_EQ(clube.at(0).at(0).toInt(), jogo->jogadores[primeiro].time);
}

TEST(Vendas, TheSearchOpensFromTheMenu) {
    Cena c(1);
    QAction* busca = nullptr;
    for (QAction* a : c.principal()->actions())
        if (a->text() == QStringLiteral("Busca de Jogadores")) busca = a;
    ASSERT_NE(busca, nullptr);
    Roteiro fechar({[](QWidget* w) {
        auto* t = Como<TelaBusca>(w);
        ASSERT_NE(t, nullptr);
        t->filtros()->botaoBuscar()->click();
        EXPECT_GT(t->lista()->rowCount(), 0);
        t->accept();
    }});
    busca->trigger();
    EXPECT_TRUE(fechar.Terminou());
}

// The selling screens on a 1024 x 768 desktop.
TEST(Tamanhos, TheSellingScreensFit1024x768) {
    const QScreen* tela = QGuiApplication::primaryScreen();
    if (!tela || tela->availableSize() != QSize(1024, 768))
        GTEST_SKIP() << "measured on a 1024 x 768 screen";
    auto jogo = apoio_telas::NovoJogo({29}, 2);
    apoio_telas::NomesLongos(*jogo);
    const int humano = jogo->estado.timeshumanos[0];
    int j = 0;
    for (std::size_t k = 1; k < jogo->jogadores.size() && !j; ++k)
        if (jogo->jogadores[k].time == humano) j = static_cast<int>(k);
    management::ColocarAVenda(*jogo, j, 12'345'000);
    management::InteracaoMercado ninguem;
    management::Leilao l;
    l.jogador = j;
    l.vendedor = humano;
    l.precoinicial = 1'234'000;
    l.melhorlance = 2'000'000;
    l.melhorlicitante = humano;
    l.vez = jogo->estado.timeshumanos[1];
    l.restantes = 2;
    TelaVenda venda(*jogo, j, ninguem);
    TelaLeilao leilao(*jogo, l);
    TelaBusca busca(*jogo);
    busca.filtros()->botaoBuscar()->click();
    for (auto [w, nome] : {std::pair<QWidget*, const char*>{&venda, "venda"},
                           {&leilao, "leilao"},
                           {&busca, "busca"}}) {
        const QSize sala = ui::EspacoNaTela(w);
        w->ensurePolished();
        w->layout()->activate();
        const QSize minimo = w->minimumSizeHint().expandedTo(w->minimumSize());
        EXPECT_LE(minimo.width(), sala.width()) << nome;
        EXPECT_LE(minimo.height(), sala.height()) << nome;
        w->show();
        QApplication::processEvents();
        EXPECT_LE(w->width(), sala.width()) << nome;
        EXPECT_LE(w->height(), sala.height()) << nome;
        apoio_telas::Capturar(*w, std::string("tela_1024_") + nome);
        w->hide();
    }
}
