// sorting by a header without touching the lineup, starters that show on a
// white-shirted club, and the player card it opens.
#include "apoio_telas.hpp"
#include "management/escalacaotatica.hpp"
#include "management/fichajogador.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telajogador.hpp"
#include "management/telas/telaprincipal.hpp"
#include "plataforma/datas.hpp"
#include "ui/textos.hpp"
#include "world/posicoes.hpp"
// The squad grid beyond the lineup rules: what its columns and icons say,

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace world;
using namespace management;
using management::telas::GradeElenco;
using management::telas::TelaJogador;
using management::telas::TelaPrincipal;

namespace {

double Hoje(const Jogo& jogo) {
    return jogo.calendario[jogo.estado.dataatual - 1].data;
}

struct Cena {
    std::unique_ptr<Jogo> jogo = apoio_telas::NovoJogo({29}, 1);
    std::unique_ptr<TelaPrincipal> tela;
    int clube() const { return jogo->estado.timeatual; }
    void Abrir() {
        tela = std::make_unique<TelaPrincipal>(*jogo);
        tela->resize(1280, 800);
        tela->show();
    }
    GradeElenco& grade() { return *tela->grade(); }
    int Codigo(int fila) { return grade().item(fila, GradeElenco::kColCodigo)->text().toInt(); }
    QPoint Centro(int fila, int coluna) {
        return grade().visualItemRect(grade().item(fila, coluna)).center();
    }
    void Clicar(int fila, int coluna) {
        QTest::mouseClick(grade().viewport(), Qt::LeftButton, {}, Centro(fila, coluna));
    }
    void ClicarCabecalho(int coluna) {
        QHeaderView* h = grade().horizontalHeader();
        const QPoint p(h->sectionViewportPosition(coluna) + h->sectionSize(coluna) / 2,
                       h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, p);
    }
    void Escalar() {
        QComboBox* formacao = tela->caixaFormacao();
        int item = formacao->findText(QStringLiteral("4-4-2"));
        if (item < 0) item = 0;
        formacao->setCurrentIndex(item);
        emit formacao->activated(item);
    }
};

// Runs `acao`, which should open the player card as a modal dialog; returns
// the card's player (0 when none opened) after `olhar` has seen it open.
int CartaoAberto(const std::function<void()>& acao,
                 const std::function<void(TelaJogador&)>& olhar = {}) {
    int jogador = 0;
    QTimer relogio;
    QObject::connect(&relogio, &QTimer::timeout, [&] {
        auto* ficha = qobject_cast<TelaJogador*>(QApplication::activeModalWidget());
        if (!ficha || !ficha->isVisible()) return;
        jogador = ficha->jogador();
        if (olhar) olhar(*ficha);
        ficha->botaoFechar()->click();
    });
    relogio.start(5);
    acao();
    apoio_telas::EsperarPor([&] { return jogador != 0; }, 2000);
    return jogador;
}

} // namespace

TEST(GradeElenco, ColumnsAndIconsExplainThemselves) {
    Cena c;
    const double hoje = Hoje(*c.jogo);
    int ferido = -1, novato = -1, semnumero = -1;
    for (std::size_t i = 1; i < c.jogo->jogadores.size(); ++i) {
        TJogador& j = c.jogo->jogadores[i];
        if (j.time != c.clube() || j.posicaoatual == kGoleiro) continue;
        if (ferido < 0) {
            j.retorno = hoje + 10;
            j.estrela = 1;
            ferido = static_cast<int>(i);
        } else if (novato < 0) {
            novato = static_cast<int>(i);
            j.novato = 1;
        } else if (semnumero < 0) {
            semnumero = static_cast<int>(i);
            j.numero = 0;
        }
    }
    ASSERT_GE(semnumero, 0);
    c.Abrir();
    GradeElenco& g = c.grade();
    for (int col = 0; col < GradeElenco::kColunas; ++col) {
        if (g.isColumnHidden(col)) continue;
        const QString dica = g.horizontalHeaderItem(col)->toolTip();
        EXPECT_FALSE(dica.isEmpty()) << col;
        EXPECT_NE(dica, QStringLiteral("Error")) << col;
    }
    c.Escalar();
    for (int fila = 0; fila < g.rowCount(); ++fila) {
        const TJogador& j = c.jogo->jogadores[g.JogadorDaFila(fila)];
        const QString status = g.item(fila, GradeElenco::kColStatus)->toolTip();
        SCOPED_TRACE(fila);
        // Never a bare number, and no "0" for a player without a shirt number.
        bool numero = false;
        status.toInt(&numero);
        EXPECT_FALSE(numero);
        static const int kTextos[] = {2622, 2620, 2621, 2623, 2624};
        EXPECT_TRUE(status.startsWith(ui::T(kTextos[c.Codigo(fila)])));
        if (j.numero == 0) {
            EXPECT_EQ(status, ui::T(kTextos[c.Codigo(fila)]));
        }
        EXPECT_TRUE(g.item(fila, GradeElenco::kColMoral)->toolTip().startsWith(ui::T(2612)));
    }
    int fferido = -1;
    for (int fila = 0; fila < g.rowCount(); ++fila)
        if (g.JogadorDaFila(fila) == ferido) fferido = fila;
    ASSERT_GE(fferido, 0);
    const QString condicao = g.item(fferido, GradeElenco::kColIcone)->toolTip();
    EXPECT_TRUE(condicao.contains(ui::T(2634))); // the star
    EXPECT_TRUE(condicao.contains(ui::T(2630))); // injured, with his return date
    EXPECT_TRUE(condicao.contains(ui::Q(plataforma::TextoData(hoje + 10))));
}

TEST(GradeElenco, SortingByAHeaderLeavesTheLineupAndItsClicksAlone) {
    Cena c;
    c.Abrir();
    c.Escalar();
    GradeElenco& g = c.grade();
    const std::vector<LinhaGrade> antes = g.grade().linhas;
    const int n = g.rowCount();

    c.ClicarCabecalho(GradeElenco::kColForca);
    auto forca = [&](int fila) { return c.jogo->jogadores[g.JogadorDaFila(fila)].forca; };
    for (int fila = 1; fila < n; ++fila) EXPECT_LE(forca(fila - 1), forca(fila));
    c.ClicarCabecalho(GradeElenco::kColForca); // again: the strongest first
    for (int fila = 1; fila < n; ++fila) EXPECT_GE(forca(fila - 1), forca(fila));
    apoio_telas::Capturar(*c.tela, "tela_principal_ordenada");

    // Only the order on screen changed; every row shows its own player.
    ASSERT_EQ(g.grade().linhas.size(), antes.size());
    for (std::size_t k = 0; k < antes.size(); ++k) {
        EXPECT_EQ(g.grade().linhas[k].jogador, antes[k].jogador);
        EXPECT_EQ(g.grade().linhas[k].codigo, antes[k].codigo);
    }
    bool mudou = false;
    for (int fila = 0; fila < n; ++fila) {
        const int jogador = g.JogadorDaFila(fila);
        EXPECT_EQ(g.item(fila, GradeElenco::kColNome)->text(),
                  ui::Q(c.jogo->jogadores[jogador].nome.view()));
        EXPECT_EQ(c.Codigo(fila), g.grade().linhas[g.LinhaDaFila(fila)].codigo);
        mudou = mudou || g.LinhaDaFila(fila) != fila;
    }
    EXPECT_TRUE(mudou);

    // A click on a sorted row's shirt acts on that row's player alone: a
    // starter leaves the lineup.
    int fila = -1;
    for (int f = 0; f < n && fila < 0; ++f)
        if (c.Codigo(f) == kTitular && g.LinhaDaFila(f) != f) fila = f;
    ASSERT_GE(fila, 0);
    const int jogador = g.JogadorDaFila(fila);
    c.Clicar(fila, GradeElenco::kColStatus);
    EXPECT_EQ(c.Codigo(fila), kNaoSelecionado);
    for (std::size_t k = 0; k < antes.size(); ++k)
        EXPECT_EQ(g.grade().linhas[k].codigo,
                  antes[k].jogador == jogador ? kNaoSelecionado : antes[k].codigo);
    EXPECT_FALSE(c.tela->botaoJogar()->isEnabled());
    c.Clicar(fila, GradeElenco::kColStatus); // and comes back
    EXPECT_EQ(c.Codigo(fila), kTitular);
    EXPECT_TRUE(c.tela->botaoJogar()->isEnabled());

    // The role box of a sorted row is that row's player's.
    for (int f = 0; f < n; ++f) {
        TJogador& j = c.jogo->jogadores[g.JogadorDaFila(f)];
        if (j.posicaoatual != kMeia) continue;
        auto* caixa = qobject_cast<QComboBox*>(g.cellWidget(f, GradeElenco::kColFuncao));
        ASSERT_NE(caixa, nullptr);
        const int outra = j.funcao == 0 ? 1 : 0;
        caixa->setCurrentIndex(outra);
        emit caixa->activated(outra);
        EXPECT_EQ(j.funcao, outra);
        break;
    }

    // The commit follows the lineup's order (by the roles as they now
    // stand), not the screen's.
    Grade linhas = g.grade();
    OrdenarGrade(*c.jogo, linhas);
    c.tela->botaoJogar()->click();
    const TEscalacao& e = c.jogo->escalacoes.back();
    int vaga = 0;
    for (const LinhaGrade& l : linhas.linhas) {
        if (l.codigo != kTitular || c.jogo->jogadores[l.jogador].posicaoatual == kGoleiro) continue;
        EXPECT_EQ(e.jogadoreslinha[vaga++], l.jogador);
    }
    EXPECT_EQ(vaga, 10);

    // A refresh keeps the chosen order; the position column gives the
    // lineup's own order back.
    c.tela->Atualizar();
    for (int f = 1; f < g.rowCount(); ++f) EXPECT_GE(forca(f - 1), forca(f));
    c.ClicarCabecalho(GradeElenco::kColPosicao);
    for (int f = 0; f < g.rowCount(); ++f) EXPECT_EQ(g.LinhaDaFila(f), f);
}

TEST(GradeElenco, StartersShowOnAWhiteShirtedClubEvenWhenSelected) {
    Cena c;
    TTime& t = c.jogo->times[c.clube()];
    t.corfundo = 0xFFFFFF; // white shirts, black numbers
    t.cortexto = 0;
    c.Abrir();
    c.Escalar();
    GradeElenco& g = c.grade();
    int titular = -1, reserva = -1, fora = -1;
    for (int f = 0; f < g.rowCount(); ++f) {
        const int codigo = c.Codigo(f);
        if (codigo == kTitular && titular < 0) titular = f;
        if (codigo == kReserva && reserva < 0) reserva = f;
        if (codigo == kNaoSelecionado && fora < 0) fora = f;
    }
    ASSERT_GE(titular, 0);
    ASSERT_GE(reserva, 0);
    ASSERT_GE(fora, 0);
    g.setCurrentCell(titular, GradeElenco::kColNome); // the highlight on a starter
    QApplication::processEvents();
    const QImage imagem = g.viewport()->grab().toImage();
    auto marca = [&](int fila) {
        const QRect r = g.visualItemRect(g.item(fila, GradeElenco::kColStatus));
        return imagem.pixelColor(r.left() + 1, r.center().y());
    };
    const QColor t1 = marca(titular), r1 = marca(reserva), n1 = marca(fora);
    EXPECT_NE(t1, r1);
    EXPECT_NE(t1, n1);
    EXPECT_NE(r1, n1);
    EXPECT_GT(t1.green(), t1.red() + 60); // green, not the highlight's colour
    EXPECT_TRUE(g.item(titular, GradeElenco::kColNome)->font().bold());
    EXPECT_FALSE(g.item(reserva, GradeElenco::kColNome)->font().bold());
    apoio_telas::Capturar(*c.tela, "tela_principal_branco");
}

TEST(GradeElenco, DoubleClickOrEnterOpensThePlayersCard) {
    Cena c;
    c.Abrir();
    GradeElenco& g = c.grade();
    c.ClicarCabecalho(GradeElenco::kColNome);
    const int fila = 2;
    const int esperado = g.JogadorDaFila(fila);
    ASSERT_GT(esperado, 0);
    TJogador& j = c.jogo->jogadores[esperado];
    j.jogos[1] = 5;
    j.gols[1] = 3;
    j.jogos[2] = 1;
    j.gols[2] = 1;
    const std::vector<LinhaGrade> antes = g.grade().linhas;

    QString nome;
    int linhastemporada = 0;
    const int aberto = CartaoAberto(
        [&] {
            // As the mouse does it: a click, then the double-click.
            const QPoint p = c.Centro(fila, GradeElenco::kColNome);
            QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, p);
            QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, p);
            QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, p);
        },
        [&](TelaJogador& ficha) {
            nome = ficha.rotuloNome()->text();
            linhastemporada = ficha.tabelaTemporada()->rowCount();
            EXPECT_EQ(ficha.tabelaTemporada()->item(0, 1)->text(), QStringLiteral("5"));
            EXPECT_EQ(ficha.tabelaTemporada()->item(2, 2)->text(), QStringLiteral("4"));
            apoio_telas::Capturar(ficha, "tela_jogador");
        });
    EXPECT_EQ(aberto, esperado);
    EXPECT_EQ(nome, ui::Q(j.nome.view()));
    EXPECT_EQ(linhastemporada, 3); // league, cup and the total

    // Enter on another row opens his card.
    g.setFocus();
    g.setCurrentCell(5, GradeElenco::kColNome);
    const int porEnter = CartaoAberto([&] { QTest::keyClick(&g, Qt::Key_Return); });
    EXPECT_EQ(porEnter, g.JogadorDaFila(5));

    // Opening cards changes nothing in the lineup.
    for (std::size_t k = 0; k < antes.size(); ++k)
        EXPECT_EQ(g.grade().linhas[k].codigo, antes[k].codigo);
}
