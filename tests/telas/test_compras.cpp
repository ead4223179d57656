// The buying screens on a real new game: the other clubs (F8) with a purchase
// at the asking price and offers through the offer dialog, the questions an
// offer asks (a club's refusal, a salary demand, a computer-run club's offer,
// another human's answer) and the transfer history.
#include "apoio_telas.hpp"
#include "competitions/novojogo.hpp"
#include "management/mercado.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telajogador.hpp"
#include "management/telas/telaoutrosclubes.hpp"
#include "management/telas/telaprincipal.hpp"
#include "management/telas/telaproposta.hpp"
#include "management/telas/telatransferencias.hpp"
#include "plataforma/ordemalfabetica.hpp"
#include "shell/janelaprincipal.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"
#include "world/valores.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

using namespace world;
using namespace management;
using management::telas::TelaAvisoMercado;
using management::telas::TelaOferta;
using management::telas::TelaOutrosClubes;
using management::telas::TelaPergunta;
using management::telas::TelaTransferencias;

namespace {

// Answers the dialogs as they open, one step per dialog in order. A step
// runs on its own turn of the event loop, so that a dialog it opens in turn
// (a confirmation over the screen) gets the next step.
class Roteiro {
public:
    using Passo = std::function<void(QWidget*)>;
    explicit Roteiro(std::vector<Passo> passos, QWidget* base = nullptr)
        : passos_(std::move(passos)), base_(base) {
        relogio_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] { Olhar(); });
        timer_.start(5);
    }
    int Feitos() const { return feitos_; }

private:
    void Olhar() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == base_) return;
        for (const QPointer<QWidget>& v : vistos_)
            if (v == w) {
                // A step that failed leaves its dialog open: close it rather than hang.
                if (relogio_.elapsed() > 30000)
                    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
                return;
            }
        vistos_.emplace_back(w);
        if (feitos_ >= static_cast<int>(passos_.size())) {
            ADD_FAILURE() << "unexpected dialog: " << w->windowTitle().toStdString();
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
            return;
        }
        Passo p = passos_[feitos_++];
        QPointer<QWidget> alvo(w);
        QTimer::singleShot(0, [p, alvo] {
            if (alvo) p(alvo);
        });
    }

    std::vector<Passo> passos_;
    QWidget* base_;
    std::vector<QPointer<QWidget>> vistos_;
    int feitos_ = 0;
    QTimer timer_;
    QElapsedTimer relogio_;
};

template <class W> W* Achar(QWidget* raiz, const char* nome) {
    W* w = raiz->findChild<W*>(QLatin1String(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
}

void Clicar(QWidget* raiz, const char* nome) {
    QPushButton* b = Achar<QPushButton>(raiz, nome);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isEnabled()) << nome;
    b->click();
}

QString Rotulo(QWidget* raiz, const char* nome) {
    QLabel* r = Achar<QLabel>(raiz, nome);
    return r ? r->text() : QString();
}

// A new game of the home country with one human per club given by
// (division, slot) of its league.
std::unique_ptr<Jogo> NovoJogo(std::vector<std::pair<int, int>> lugares, bool de20 = true) {
    auto jogo = std::make_unique<Jogo>();
    competitions::OpcoesNovoJogo o;
    o.ligas = {29};
    o.paisprincipal = 29;
    o.divisoesde20 = de20;
    o.numhumanos = static_cast<int>(lugares.size());
    jogo->gerador.Semear(7);
    competitions::IniciarJogoDeClubes(*jogo, contatimes(), o);
    for (int h = 0; h < o.numhumanos; ++h)
        competitions::EscolherTime(*jogo, h,
                                   jogo->ligas[0].divisoes[lugares[h].first][lugares[h].second],
                                   "Tecnico " + std::to_string(h + 1));
    competitions::InicializarJogo(*jogo);
    return jogo;
}

std::vector<int> Elenco(const Jogo& jogo, int clube) {
    return JogadoresPorTime(jogo)[clube];
}

int Filas(const TelaOutrosClubes& tela, int jogador) {
    int n = 0;
    for (int f = 0; f < tela.grade()->rowCount(); ++f) n += tela.JogadorDaFila(f) == jogador;
    return n;
}

QString Celula(const TelaOutrosClubes& tela, int jogador, int coluna) {
    for (int f = 0; f < tela.grade()->rowCount(); ++f)
        if (tela.JogadorDaFila(f) == jogador) return tela.grade()->item(f, coluna)->text();
    return QStringLiteral("<none>");
}

} // namespace

TEST(Compras, BuyingAtTheAskingPriceThroughTheOtherClubsScreen) {
    auto jogo = NovoJogo({{0, 0}});
    const int humano = jogo->estado.timeatual;
    const int vendedor = jogo->ligas[0].divisoes[0][1];
    const std::vector<int> elenco = Elenco(*jogo, vendedor);
    ASSERT_GT(elenco.size(), 2u);
    const int alvo = elenco[0], outro = elenco[1];
    ColocarAVenda(*jogo, alvo, jogo->jogadores[alvo].passe + 55'000);
    const i32 preco = jogo->jogadores[alvo].passepedido;
    jogo->times[humano].dinheiro = preco + 1'000'000;
    const i32 caixa = jogo->times[humano].dinheiro, caixavendedor = jogo->times[vendedor].dinheiro;
    const int elencohumano = jogo->times[humano].elenco;

    // A national team of a tournament sits after the clubs: no club to buy from.
    TTime selecao = jogo->times[vendedor];
    selecao.nome = "Selecao de Teste";
    jogo->times.push_back(selecao);
    ASSERT_TRUE(jogo->EhSelecao(static_cast<int>(jogo->times.size()) - 1));

    InteracaoMercado nada;
    TelaOutrosClubes tela(*jogo, humano, nada);
    tela.resize(1280, 800);
    tela.show();
    // It opens on the buyer's division, at another club.
    ASSERT_GE(tela.Clube(), 0);
    EXPECT_NE(tela.Clube(), humano);
    EXPECT_EQ(jogo->times[tela.Clube()].divisao, jogo->times[humano].divisao);
    // Countries in alphabetical order; the extra clubs' countries among them.
    QComboBox* paises = tela.caixaPais();
    EXPECT_GT(paises->count(), 1);
    for (int i = 1; i < paises->count(); ++i)
        EXPECT_FALSE(plataforma::MenorAlfabetico(ui::ParaJogo(paises->itemText(i)),
                                                 ui::ParaJogo(paises->itemText(i - 1))))
            << paises->itemText(i).toStdString();

    // A country whose league is not played lists its extra clubs together.
    const int brasil = paises->currentIndex();
    paises->setCurrentIndex(brasil == 0 ? 1 : 0);
    ASSERT_EQ(tela.caixaDivisao()->count(), 1);
    EXPECT_EQ(tela.caixaDivisao()->currentText(), QStringLiteral("Todos os clubes"));
    ASSERT_GT(tela.listaClubes()->count(), 0);
    for (int r = 0; r < tela.listaClubes()->count(); ++r) {
        const int c = tela.listaClubes()->item(r)->data(Qt::UserRole).toInt();
        EXPECT_GE(c, jogo->estado.numtimesligas);
        EXPECT_EQ(ui::Q(NomePais(jogo->times[c].pais)), paises->currentText());
    }
    EXPECT_GT(tela.grade()->rowCount(), 0);
    paises->setCurrentIndex(brasil);
    EXPECT_EQ(tela.caixaDivisao()->currentText(), ui::Q(nomedivisao(1)));

    // The seller picked in its list.
    QListWidget* clubes = tela.listaClubes();
    for (int r = 0; r < clubes->count(); ++r)
        if (clubes->item(r)->data(Qt::UserRole).toInt() == vendedor) clubes->setCurrentRow(r);
    ASSERT_EQ(tela.Clube(), vendedor);
    EXPECT_EQ(clubes->findItems(QStringLiteral("Selecao de Teste"), Qt::MatchExactly).size(), 0);
    EXPECT_EQ(tela.grade()->rowCount(), static_cast<int>(elenco.size()));
    EXPECT_EQ(Celula(tela, alvo, TelaOutrosClubes::kColVenda), ui::Q(PasseCompacto(preco)));
    EXPECT_EQ(Celula(tela, alvo, TelaOutrosClubes::kColPasse),
              ui::Q(PasseCompacto(jogo->jogadores[alvo].passe)));
    EXPECT_EQ(Celula(tela, outro, TelaOutrosClubes::kColVenda), QString());
    // The contract as the squad grid shows it: the weeks it runs, "fim" once ended.
    const double fim = jogo->jogadores[alvo].contrato;
    EXPECT_EQ(Celula(tela, alvo, TelaOutrosClubes::kColContrato),
              QString::number(std::ceil((fim - jogo->Hoje()) / 7)));
    jogo->jogadores[outro].contrato = jogo->Hoje() - 1;
    tela.MostrarClube(vendedor);
    EXPECT_EQ(Celula(tela, outro, TelaOutrosClubes::kColContrato), QStringLiteral("fim"));

    // Sorting by value keeps the rows whole: each name beside its own price.
    tela.grade()->sortItems(TelaOutrosClubes::kColPasse, Qt::DescendingOrder);
    for (int f = 1; f < tela.grade()->rowCount(); ++f)
        EXPECT_GE(jogo->jogadores[tela.JogadorDaFila(f - 1)].passe,
                  jogo->jogadores[tela.JogadorDaFila(f)].passe);
    EXPECT_EQ(Celula(tela, outro, TelaOutrosClubes::kColNome),
              ui::Q(jogo->jogadores[outro].nome.view()));

    ASSERT_TRUE(tela.SelecionarJogador(outro));
    EXPECT_FALSE(tela.botaoComprar()->isEnabled()); // not listed
    EXPECT_TRUE(tela.botaoPropor()->isEnabled());
    ASSERT_TRUE(tela.SelecionarJogador(alvo));
    ASSERT_TRUE(tela.botaoComprar()->isEnabled());
    apoio_telas::Capturar(tela, "tela_outrosclubes");

    {
        // "Não" on the confirmation: nothing happens.
        Roteiro r({[&](QWidget* w) {
                      EXPECT_EQ(w->objectName(), QStringLiteral("confirmarcompra"));
                      Clicar(w, "nao");
                  }},
                  &tela);
        tela.botaoComprar()->click();
        EXPECT_EQ(r.Feitos(), 1);
        EXPECT_EQ(jogo->jogadores[alvo].time, vendedor);
        EXPECT_EQ(jogo->times[humano].dinheiro, caixa);
    }
    {
        // Bought from his card, opened by a double click on his row.
        Roteiro r({[&](QWidget* w) {
                       auto* ficha = qobject_cast<management::telas::TelaJogador*>(w);
                       ASSERT_NE(ficha, nullptr);
                       EXPECT_EQ(ficha->jogador(), alvo);
                       apoio_telas::Capturar(*w, "tela_ficha_compra");
                       Clicar(w, "comprar");
                   },
                   [&](QWidget* w) {
                       auto* p = qobject_cast<TelaPergunta*>(w);
                       ASSERT_NE(p, nullptr);
                       EXPECT_TRUE(p->Texto().contains(ui::Q(jogo->jogadores[alvo].nome.view())));
                       EXPECT_TRUE(Rotulo(w, "valor").startsWith(ui::Dinheiro(preco)));
                       Clicar(w, "sim");
                   }},
                  &tela);
        int fila = 0;
        while (tela.JogadorDaFila(fila) != alvo) ++fila;
        emit tela.grade()->cellDoubleClicked(fila, TelaOutrosClubes::kColNome);
        EXPECT_EQ(r.Feitos(), 2);
    }
    EXPECT_EQ(jogo->jogadores[alvo].time, humano);
    EXPECT_EQ(jogo->times[humano].dinheiro, caixa - preco);
    EXPECT_EQ(jogo->times[vendedor].dinheiro, caixavendedor + preco);
    EXPECT_EQ(jogo->times[humano].elenco, elencohumano + 1);
    EXPECT_EQ(Filas(tela, alvo), 0);
    EXPECT_EQ(tela.grade()->rowCount(), static_cast<int>(elenco.size()) - 1);
    EXPECT_TRUE(tela.rotuloSituacao()->text().contains(ui::Q(jogo->jogadores[alvo].nome.view())));
    EXPECT_TRUE(tela.rotuloCaixa()->text().endsWith(ui::DinheiroExtenso(caixa - preco)));

    // The buyer's own club shows read-only.
    tela.MostrarClube(humano);
    EXPECT_EQ(tela.Clube(), humano);
    ASSERT_TRUE(tela.SelecionarJogador(alvo));
    EXPECT_FALSE(tela.botaoComprar()->isEnabled());
    EXPECT_FALSE(tela.botaoPropor()->isEnabled());

    // The history lists it first.
    TelaTransferencias historico(*jogo, humano);
    QTableWidget* t = historico.tabela();
    ASSERT_GE(t->rowCount(), 1);
    EXPECT_EQ(t->item(0, 0)->text().toInt(), 2006 + jogo->estado.temporada);
    EXPECT_EQ(t->item(0, 1)->text(), ui::Q(jogo->jogadores[alvo].nome.view()));
    EXPECT_EQ(t->item(0, 2)->text(), ui::Q(jogo->times[vendedor].nome.view()));
    EXPECT_EQ(t->item(0, 3)->text(), ui::Q(jogo->times[humano].nome.view()));
    EXPECT_EQ(t->item(0, 4)->text(), ui::Dinheiro(preco));
}

TEST(Compras, AnOfferTypedInThousandsThatTheClubRefuses) {
    auto jogo = NovoJogo({{0, 0}});
    const int humano = jogo->estado.timeatual;
    const int vendedor = jogo->ligas[0].divisoes[0][2];
    // A player of a position the club has more of.
    int alvo = 0;
    for (int k : Elenco(*jogo, vendedor))
        if (!ExigenciaDoClube(*jogo, k).reposicao) alvo = k;
    ASSERT_GT(alvo, 0);
    RetirarDaVenda(*jogo, alvo); // a listed player goes for his value
    const i32 passe = jogo->jogadores[alvo].passe;
    const i32 minimo =
        static_cast<i32>((std::int64_t{ExigenciaDoClube(*jogo, alvo).fator10} * passe + 9) / 10);
    jogo->times[humano].dinheiro = 4 * passe + 123'000;
    const i32 caixa = jogo->times[humano].dinheiro;

    InteracaoMercado nada;
    TelaOutrosClubes tela(*jogo, humano, nada);
    tela.show();
    tela.MostrarClube(vendedor);
    ASSERT_TRUE(tela.SelecionarJogador(alvo));
    {
        // Enter on his row opens his card, the offer a click away.
        Roteiro r({[&](QWidget* w) {
                       EXPECT_NE(qobject_cast<management::telas::TelaJogador*>(w), nullptr);
                       Clicar(w, "propor");
                   },
                   [&](QWidget* w) {
                       EXPECT_NE(qobject_cast<TelaOferta*>(w), nullptr);
                       Clicar(w, "cancelar");
                   }},
                  &tela);
        QTest::keyClick(tela.grade(), Qt::Key_Return);
        EXPECT_EQ(r.Feitos(), 2);
    }

    Roteiro r({[&](QWidget* w) {
                   auto* oferta = qobject_cast<TelaOferta*>(w);
                   ASSERT_NE(oferta, nullptr);
                   QLineEdit* campo = oferta->campoValor();
                   // It starts at his value, in thousands.
                   EXPECT_EQ(campo->text().toLongLong(), (passe + 999) / 1000);
                   // More than the cash: the button waits.
                   campo->setText(QString::number(caixa / 1000 + 1));
                   EXPECT_FALSE(oferta->botaoPropor()->isEnabled());
                   EXPECT_FALSE(Rotulo(w, "alerta").isEmpty());
                   campo->clear();
                   EXPECT_FALSE(oferta->botaoPropor()->isEnabled());
                   // The amount in words as it is typed.
                   QTest::keyClicks(campo, QStringLiteral("1250"));
                   EXPECT_TRUE(
                       oferta->rotuloExtenso()->text().contains(ui::DinheiroExtenso(1'250'000)));
                   EXPECT_EQ(oferta->Valor(), 1'250'000);
                   // His value is no price for a club that is not selling.
                   campo->setText(QString::number(passe / 1000));
                   EXPECT_TRUE(oferta->botaoPropor()->isEnabled());
                   EXPECT_TRUE(Rotulo(w, "alerta").isEmpty());
                   apoio_telas::Capturar(*oferta, "tela_proposta");
                   Clicar(w, "propor");
               },
               [&](QWidget* w) {
                   auto* aviso = qobject_cast<TelaAvisoMercado*>(w);
                   ASSERT_NE(aviso, nullptr);
                   EXPECT_EQ(aviso->objectName(), QStringLiteral("recusa"));
                   // The club's refusal says why, and the least it takes.
                   EXPECT_EQ(aviso->Texto(),
                             ui::T(586) +
                                 QStringLiteral("\nA oferta está abaixo do que o clube aceita: "
                                                "o mínimo é ") +
                                 ui::DinheiroSemQuebra(minimo) + '.');
                   apoio_telas::Capturar(*aviso, "tela_proposta_recusada");
                   Clicar(w, "ok");
               }},
              &tela);
    tela.botaoPropor()->click();
    EXPECT_EQ(r.Feitos(), 2);
    EXPECT_EQ(jogo->jogadores[alvo].time, vendedor);
    EXPECT_EQ(jogo->times[humano].dinheiro, caixa);
}

TEST(Compras, ASalaryDemandCancelledThenAccepted) {
    // A division-2 buyer and a division-1 seller of modest level: the player
    // goes down only for three times his salary.
    auto jogo = NovoJogo({{1, 0}});
    const int humano = jogo->estado.timeatual;
    const int vendedor = jogo->ligas[0].divisoes[0][3];
    jogo->times[vendedor].nivel = 15;
    const int alvo = Elenco(*jogo, vendedor)[0];
    const TJogador& j = jogo->jogadores[alvo];
    const QString nome = ui::Q(j.nome.view());
    const i32 salario = j.salario;
    // Enough for any club's table.
    const i32 valor = static_cast<i32>((std::int64_t{j.passe} * 25 / 10 + 999) / 1000 * 1000);
    jogo->times[humano].dinheiro = valor + 500'000;
    const i32 caixa = jogo->times[humano].dinheiro, caixavendedor = jogo->times[vendedor].dinheiro;

    shell::InteracaoDesktop ia(nullptr);
    TelaOutrosClubes tela(*jogo, humano, ia);
    tela.show();
    tela.MostrarClube(vendedor);
    ASSERT_TRUE(tela.SelecionarJogador(alvo));

    auto oferecer = [&](QWidget* w) {
        auto* oferta = qobject_cast<TelaOferta*>(w);
        ASSERT_NE(oferta, nullptr);
        oferta->campoValor()->setText(QString::number(valor / 1000));
        Clicar(w, "propor");
    };
    const QString exigencia = ui::T(834) + ' ' + nome + ' ' + ui::T(835) + QStringLiteral(" 3 ") +
                              ui::T(836) + QStringLiteral(", ") + ui::T(837) +
                              QStringLiteral(" $") + ui::Q(FormatarDinheiro(3 * salario)) + '.';
    {
        Roteiro r({oferecer,
                   [&](QWidget* w) {
                       EXPECT_EQ(w->objectName(), QStringLiteral("exigencia"));
                       EXPECT_EQ(Rotulo(w, "texto"), exigencia);
                       EXPECT_EQ(Achar<QPushButton>(w, "sim")->text(), ui::T(838));
                       EXPECT_EQ(Achar<QPushButton>(w, "nao")->text(), ui::T(839));
                       apoio_telas::Capturar(*w, "tela_exigencia");
                       Clicar(w, "nao");
                   }},
                  &tela);
        tela.botaoPropor()->click();
        EXPECT_EQ(r.Feitos(), 2);
    }
    EXPECT_EQ(jogo->jogadores[alvo].time, vendedor);
    EXPECT_EQ(jogo->jogadores[alvo].salario, salario);
    EXPECT_EQ(jogo->times[humano].dinheiro, caixa);
    ASSERT_TRUE(tela.SelecionarJogador(alvo));
    {
        Roteiro r({oferecer, [&](QWidget* w) { Clicar(w, "sim"); },
                   [&](QWidget* w) {
                       auto* aviso = qobject_cast<TelaAvisoMercado*>(w);
                       ASSERT_NE(aviso, nullptr);
                       EXPECT_EQ(aviso->objectName(), QStringLiteral("aviso"));
                       EXPECT_TRUE(aviso->Texto().contains(nome));
                       Clicar(w, "ok");
                   }},
                  &tela);
        tela.botaoPropor()->click();
        EXPECT_EQ(r.Feitos(), 3);
    }
    EXPECT_EQ(jogo->jogadores[alvo].time, humano);
    EXPECT_EQ(jogo->jogadores[alvo].salario, 3 * salario);
    // Each wage bill is its players' salaries: the seller stops paying what he
    // earned there, the buyer pays what he asked for.
    auto folha = [&](int clube) {
        std::int64_t total = 0;
        for (std::size_t k = 1; k < jogo->jogadores.size(); ++k)
            if (jogo->jogadores[k].time == clube) total += jogo->jogadores[k].salario;
        return total;
    };
    EXPECT_EQ(jogo->financas[vendedor].salariosemanal, folha(vendedor));
    EXPECT_EQ(jogo->financas[humano].salariosemanal, folha(humano));
    EXPECT_EQ(jogo->times[humano].dinheiro, caixa - valor);
    // A computer-run seller pays no fine; a replacement it bought costs it
    // that player's value.
    i32 reposicao = 0;
    for (const TTransferencia& t : jogo->transferencias)
        if (t.comprador == vendedor) reposicao += t.preco;
    EXPECT_EQ(jogo->times[vendedor].dinheiro, caixavendedor + valor - reposicao);
}

TEST(Compras, TheClubsOnlyGoalkeeperSoldAndItsReplacementNamed) {
    auto jogo = NovoJogo({{0, 0}});
    const int humano = jogo->estado.timeatual;
    const int vendedor = jogo->ligas[0].divisoes[0][7];
    int goleiro = 0;
    for (int k : Elenco(*jogo, vendedor))
        if (jogo->jogadores[k].posicao == 0) {
            // The others play up front from now on: he is the only one.
            if (goleiro)
                jogo->jogadores[k].posicao = 4;
            else
                goleiro = k;
        }
    ASSERT_GT(goleiro, 0);
    RetirarDaVenda(*jogo, goleiro);
    const i32 valor = static_cast<i32>(
        (std::int64_t{jogo->jogadores[goleiro].passe} * 25 / 10 + 999) / 1000 * 1000);
    jogo->times[humano].dinheiro = valor;

    InteracaoMercado nada;
    TelaOutrosClubes tela(*jogo, humano, nada);
    tela.show();
    tela.MostrarClube(vendedor);
    ASSERT_TRUE(tela.SelecionarJogador(goleiro));
    // An offer typed in thousands; what the notice said.
    auto oferecer = [&](i32 milhares) {
        QString aviso;
        Roteiro r({[&](QWidget* w) {
                       qobject_cast<TelaOferta*>(w)->campoValor()->setText(
                           QString::number(milhares));
                       Clicar(w, "propor");
                   },
                   [&](QWidget* w) {
                       aviso = qobject_cast<TelaAvisoMercado*>(w)->Texto();
                       Clicar(w, "ok");
                   }},
                  &tela);
        tela.botaoPropor()->click();
        EXPECT_EQ(r.Feitos(), 2);
        return aviso;
    };
    // A thousand short: the club keeps its only goalkeeper, and says for how
    // much it lets him go.
    QString aviso = oferecer(valor / 1000 - 1);
    const i32 minimo =
        static_cast<i32>((std::int64_t{jogo->jogadores[goleiro].passe} * 25 + 9) / 10);
    EXPECT_TRUE(
        aviso.endsWith(QStringLiteral("O clube não vende o seu único goleiro por menos de ") +
                       ui::DinheiroSemQuebra(minimo) + '.'))
        << aviso.toStdString();
    ASSERT_TRUE(tela.SelecionarJogador(goleiro));
    aviso = oferecer(valor / 1000); // all his cash: still allowed
    EXPECT_EQ(jogo->jogadores[goleiro].time, humano);
    EXPECT_EQ(jogo->times[humano].dinheiro, 0);
    // The seller bought a goalkeeper at once, and the notice says who.
    ASSERT_EQ(jogo->transferencias.back().comprador, vendedor);
    const int reposicao = jogo->transferencias.back().jogador;
    EXPECT_EQ(jogo->jogadores[reposicao].posicao, 0);
    EXPECT_TRUE(aviso.contains(ui::Q(jogo->jogadores[reposicao].nome.view())))
        << aviso.toStdString();
    EXPECT_EQ(Filas(tela, reposicao), 1);
}

namespace {

// The desktop's answers, with what was asked noted down.
struct Espiao : shell::InteracaoDesktop {
    Espiao() : shell::InteracaoDesktop(nullptr) {}
    bool PropostaDeCompra(Jogo& jogo, int c, int j, i32 v) override {
        comprador = c;
        jogador = j;
        valor = v;
        multa = MultaRescisoria(jogo, j, v);
        ++perguntas;
        return shell::InteracaoDesktop::PropostaDeCompra(jogo, c, j, v);
    }
    int comprador = -1, jogador = 0, perguntas = 0;
    i32 valor = 0, multa = 0;
};

} // namespace

TEST(Compras, TheOfferOfAComputerRunClubAnsweredNoThenYes) {
    auto jogo = NovoJogo({{0, 0}});
    const int humano = jogo->estado.timeatual;
    Espiao ia;
    // The offer comes 1 time in 30: asked until it does.
    auto perguntar = [&](const char* resposta) {
        const int antes = ia.perguntas;
        Roteiro r({[&, resposta](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), QStringLiteral("Proposta de compra"));
            auto* p = qobject_cast<TelaPergunta*>(w);
            ASSERT_NE(p, nullptr);
            EXPECT_TRUE(p->Texto().contains(QStringLiteral("Está querendo comprar o jogador:")));
            EXPECT_TRUE(p->Texto().contains(QStringLiteral("Valor da proposta:")));
            EXPECT_TRUE(p->Texto().contains(
                QStringLiteral("Deseja aceitar a proposta e vender o jogador?")));
            EXPECT_EQ(Rotulo(w, "clube"), ui::Q(jogo->times[ia.comprador].nome.view()));
            EXPECT_TRUE(
                Rotulo(w, "jogador").startsWith(ui::Q(jogo->jogadores[ia.jogador].nome.view())));
            EXPECT_TRUE(Rotulo(w, "valor").startsWith(ui::Dinheiro(ia.valor)));
            apoio_telas::Capturar(*w, "tela_propostadecompra");
            Clicar(w, resposta);
        }});
        bool vendido = false;
        for (int k = 0; k < 3000 && ia.perguntas == antes; ++k)
            vendido = OfertaComputador(*jogo, ia, humano);
        EXPECT_EQ(ia.perguntas, antes + 1);
        EXPECT_EQ(r.Feitos(), 1);
        return vendido;
    };

    const i32 caixa = jogo->times[humano].dinheiro;
    const std::size_t transferencias = jogo->transferencias.size();
    EXPECT_FALSE(perguntar("nao"));
    EXPECT_EQ(jogo->jogadores[ia.jogador].time, humano);
    EXPECT_EQ(jogo->times[humano].dinheiro, caixa);
    EXPECT_EQ(jogo->transferencias.size(), transferencias);

    EXPECT_TRUE(perguntar("sim"));
    EXPECT_EQ(jogo->jogadores[ia.jogador].time, ia.comprador);
    EXPECT_EQ(jogo->times[humano].dinheiro, caixa + ia.valor - ia.multa);
    ASSERT_EQ(jogo->transferencias.size(), transferencias + 1);
    EXPECT_EQ(jogo->transferencias.back().preco, ia.valor);
}

TEST(Compras, AnOfferForAnotherHumansPlayerAsksThatHuman) {
    auto jogo = NovoJogo({{0, 0}, {0, 1}});
    const int a = jogo->estado.timeshumanos[0], b = jogo->estado.timeshumanos[1];
    const int alvo = Elenco(*jogo, b)[0];
    const i32 valor = 1'000'000;
    jogo->times[a].dinheiro = 3'000'000;

    shell::InteracaoDesktop ia(nullptr);
    TelaOutrosClubes tela(*jogo, a, ia);
    tela.show();
    tela.MostrarClube(b);
    auto oferecer = [&](QWidget* w) {
        qobject_cast<TelaOferta*>(w)->campoValor()->setText(QStringLiteral("1000"));
        Clicar(w, "propor");
    };
    auto atencao = [&](const char* resposta) {
        return [&, resposta](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), QStringLiteral("Atenção"));
            // The keyboard passes: the question names whose club is asked.
            const TTime& vendedor = jogo->times[b];
            EXPECT_TRUE(Rotulo(w, "vendedor").contains(ui::Q(vendedor.nome.view())));
            EXPECT_TRUE(Rotulo(w, "vendedor")
                            .contains(ui::Q(jogo->tecnicos[vendedor.tecnico].nome.view())));
            EXPECT_TRUE(Rotulo(w, "oferta").contains(ui::Q(jogo->times[a].nome.view())));
            EXPECT_TRUE(Rotulo(w, "valor").startsWith(ui::Dinheiro(valor)));
            EXPECT_EQ(Rotulo(w, "pergunta"), QStringLiteral("Deseja vende-lo por este preço?"));
            apoio_telas::Capturar(*w, "tela_atencao");
            Clicar(w, resposta);
        };
    };
    // Already in the lineup his coach committed for today: not for sale
    // until the date is played.
    TEscalacao escalada{};
    std::fill(std::begin(escalada.jogadoreslinha), std::end(escalada.jogadoreslinha), -1);
    std::fill(std::begin(escalada.reservas), std::end(escalada.reservas), -1);
    escalada.goleiro = alvo;
    jogo->escalacoes.push_back(escalada);
    const int antes = jogo->times[b].escalacao;
    jogo->times[b].escalacao = static_cast<int>(jogo->escalacoes.size()) - 1;
    ColocarAVenda(*jogo, alvo, 100'000);
    tela.MostrarClube(b);
    ASSERT_TRUE(tela.SelecionarJogador(alvo));
    EXPECT_FALSE(tela.botaoComprar()->isEnabled());
    EXPECT_FALSE(tela.botaoPropor()->isEnabled());
    EXPECT_FALSE(tela.botaoPropor()->toolTip().isEmpty());
    jogo->times[b].escalacao = antes;
    RetirarDaVenda(*jogo, alvo);
    tela.MostrarClube(b);

    ASSERT_TRUE(tela.SelecionarJogador(alvo));
    {
        Roteiro r({oferecer, atencao("nao"),
                   [&](QWidget* w) {
                       EXPECT_EQ(w->objectName(), QStringLiteral("recusa"));
                       Clicar(w, "ok");
                   }},
                  &tela);
        tela.botaoPropor()->click();
        EXPECT_EQ(r.Feitos(), 3);
        EXPECT_EQ(jogo->jogadores[alvo].time, b);
    }
    ASSERT_TRUE(tela.SelecionarJogador(alvo));
    {
        Roteiro r({oferecer, atencao("sim"), [&](QWidget* w) { Clicar(w, "ok"); }}, &tela);
        tela.botaoPropor()->click();
        EXPECT_EQ(r.Feitos(), 3);
    }
    EXPECT_EQ(jogo->jogadores[alvo].time, a);
    EXPECT_EQ(jogo->jogadores[alvo].novato, 1); // not before the next match
}

TEST(Compras, TheHistoryNewestFirstWithBrokenEntriesShownEmpty) {
    auto jogo = NovoJogo({{0, 0}});
    const int humano = jogo->estado.timeatual;
    const int c1 = jogo->ligas[0].divisoes[0][4], c2 = jogo->ligas[0].divisoes[0][5];
    const int j1 = Elenco(*jogo, c1)[0], j2 = Elenco(*jogo, c2)[0];
    // The computer-run clubs' trades of a few matchdays come first.
    for (int k = 0; k < 4; ++k) TransferenciasDepoisDaLiga(*jogo);
    Transferir(*jogo, j1, c2, 300'000);
    Transferir(*jogo, j2, humano, 1'234'567);
    // What a damaged save could hold.
    jogo->transferencias.push_back({999'999, 3, -4, 77'777, 5});
    jogo->transferencias.push_back({0, 1, humano, static_cast<i32>(jogo->times.size()), 9});

    TelaTransferencias tela(*jogo, humano);
    tela.show();
    QTableWidget* t = tela.tabela();
    ASSERT_EQ(t->rowCount(), static_cast<int>(jogo->transferencias.size()));
    const QStringList titulos = {"Ano", "Jogador", "Clube de Origem", "Clube de Destino", "Valor"};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(t->horizontalHeaderItem(c)->text(), titulos[c]);
    // Newest first.
    EXPECT_EQ(t->item(0, 0)->text(), QStringLiteral("2007"));
    EXPECT_EQ(t->item(0, 1)->text(), QString());
    EXPECT_EQ(t->item(0, 2)->text(), ui::Q(jogo->times[humano].nome.view()));
    EXPECT_EQ(t->item(0, 3)->text(), QString());
    EXPECT_EQ(t->item(1, 0)->text(), QStringLiteral("2009"));
    EXPECT_EQ(t->item(1, 1)->text(), QString());
    EXPECT_EQ(t->item(1, 2)->text(), QString());
    EXPECT_EQ(t->item(1, 4)->text(), ui::Dinheiro(5));
    EXPECT_EQ(t->item(2, 1)->text(), ui::Q(jogo->jogadores[j2].nome.view()));
    EXPECT_EQ(t->item(2, 2)->text(), ui::Q(jogo->times[c2].nome.view()));
    EXPECT_EQ(t->item(2, 3)->text(), ui::Q(jogo->times[humano].nome.view()));
    EXPECT_EQ(t->item(2, 4)->text(), QStringLiteral("$1 234 567"));
    EXPECT_EQ(t->item(3, 1)->text(), ui::Q(jogo->jogadores[j1].nome.view()));
    apoio_telas::Capturar(tela, "tela_transferencias");

    // Only the human's own dealings.
    tela.caixaMeuClube()->setChecked(true);
    ASSERT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->item(1, 1)->text(), ui::Q(jogo->jogadores[j2].nome.view()));
}

TEST(Compras, F8OnTheMainWindowAndTheMainScreenAfterAPurchase) {
    std::shared_ptr<Jogo> jogo = NovoJogo({{0, 0}});
    const int humano = jogo->estado.timeatual;
    const int vendedor = jogo->ligas[0].divisoes[0][6];
    const int alvo = Elenco(*jogo, vendedor)[0];
    ColocarAVenda(*jogo, alvo, 400'000);
    jogo->times[humano].dinheiro = 2'000'000;

    shell::JanelaPrincipal janela;
    janela.show();
    janela.ComecarJogo(jogo);
    auto* principal = janela.TelaPrincipal();
    ASSERT_NE(principal, nullptr);
    Roteiro r({[&](QWidget* w) {
                   auto* tela = qobject_cast<TelaOutrosClubes*>(w);
                   ASSERT_NE(tela, nullptr);
                   tela->MostrarClube(vendedor);
                   ASSERT_TRUE(tela->SelecionarJogador(alvo));
                   tela->botaoComprar()->click();
                   Clicar(w, "fechar");
               },
               [&](QWidget* w) { Clicar(w, "sim"); }});
    janela.AbrirOutrosClubes();
    EXPECT_EQ(r.Feitos(), 2);
    EXPECT_EQ(jogo->jogadores[alvo].time, humano);
    // The main screen shows the new cash and the new player.
    EXPECT_EQ(principal->botaoDinheiro()->text(), ui::DinheiroExtenso(1'600'000));
    bool nagrade = false;
    for (int f = 0; f < principal->grade()->rowCount(); ++f)
        nagrade |= principal->grade()->JogadorDaFila(f) == alvo;
    EXPECT_TRUE(nagrade);
}

TEST(Tamanhos, TheBuyingScreensFit1024x768) {
    const QScreen* tela = QGuiApplication::primaryScreen();
    if (!tela || tela->availableSize() != QSize(1024, 768))
        GTEST_SKIP() << "measured on a 1024 x 768 screen";
    auto jogo = apoio_telas::NovoJogo({29});
    apoio_telas::NomesLongos(*jogo);
    const int humano = jogo->estado.timeatual;
    InteracaoMercado nada;
    auto caber = [](QWidget& w, const std::string& nome) {
        const QSize sala = ui::EspacoNaTela(&w);
        w.ensurePolished();
        if (w.layout()) w.layout()->activate();
        const QSize minimo = w.minimumSizeHint().expandedTo(w.minimumSize());
        EXPECT_LE(minimo.width(), sala.width()) << nome;
        EXPECT_LE(minimo.height(), sala.height()) << nome;
        w.show();
        QApplication::processEvents();
        EXPECT_LE(w.width(), sala.width()) << nome;
        EXPECT_LE(w.height(), sala.height()) << nome;
        apoio_telas::Capturar(w, "tela_1024_" + nome);
    };
    {
        TelaOutrosClubes outros(*jogo, humano, nada);
        caber(outros, "outrosclubes");
        // Every column shows without a sideways scroll; names keep room.
        QTableWidget* g = outros.grade();
        EXPECT_EQ(g->horizontalScrollBar()->maximum(), 0);
        EXPECT_GE(g->columnWidth(TelaOutrosClubes::kColNome), 120);
        outros.hide();
    }
    {
        const int vendedor = jogo->ligas[0].divisoes[0][1];
        TelaOferta oferta(*jogo, humano, Elenco(*jogo, vendedor)[0]);
        caber(oferta, "proposta");
    }
    {
        TelaTransferencias historico(*jogo, humano);
        caber(historico, "transferencias");
    }
}
