// The screens reading archived matches whose clubs and players are gone (a
// tournament's national teams are cut away after it, the archive keeps them).
#include "apoio_telas.hpp"

#include "competitions/resumos.hpp"
#include "competitions/telas/relatoriopartida.hpp"
#include "competitions/telas/telacalendario.hpp"
#include "competitions/telas/telatorneio.hpp"
#include "history/telas/telaclubeanos.hpp"
#include "match/resultadosdata.hpp"
#include "plataforma/datas.hpp"
#include "temporada/telas/telaresultados.hpp"
#include "ui/textos.hpp"

#include <QTableWidget>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <algorithm>

using namespace world;

namespace {

// The title and text of the match report the next modal dialog shows, which
// is then closed.
struct RelatorioAberto {
    QString titulo, texto;
    QTimer timer;
    RelatorioAberto() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* r = qobject_cast<competitions::telas::RelatorioPartida*>(
                QApplication::activeModalWidget());
            if (!r) return;
            titulo = r->windowTitle();
            texto = r->Texto()->toPlainText();
            r->reject();
        });
        timer.start(5);
    }
};

TEST(TelasArquivo, ClubesEJogadoresQueJaNaoExistemTemNomeNeutro) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    const int humano = jogo->estado.timeshumanos[0];
    const int times = static_cast<int>(jogo->times.size());
    const int jogadores = static_cast<int>(jogo->jogadores.size());
    const QString extinto = ui::Q(match::kNomeExtinto);
    const QString nomehumano = ui::Q(jogo->times[humano].nome.view());
    ASSERT_EQ(extinto, QStringLiteral("—"));

    // For each competition (league, cup, state, World Cup) a date with a
    // match between two clubs that are gone, its lineups and events naming
    // players that are gone too, and the human's match against a gone club.
    // The cup's is the second leg of a tie whose first leg is archived.
    const int fora = times + 5, negativo = -2;
    const double ida = plataforma::CodificarData(2007, 3, 1);
    auto arquivar = [&](int m, int v, int codigo, double data, int rodada, int grupo) {
        TJogoArquivado a;
        a.mandante = m;
        a.visitante = v;
        a.gols[0] = 2;
        a.competicao = codigo;
        a.data = data;
        a.rodada = rodada;
        a.grupo = grupo;
        a.numsubs[0] = 1;
        a.lados[0].onze[0] = jogadores + 3;
        a.lados[0].onze[1] = -4;
        a.lados[1].onze[0] = 1;
        a.lados[0].substituidos[0] = jogadores + 9;
        const int e = static_cast<int>(jogo->arquivo.jogos.size());
        jogo->arquivo.jogos.push_back(a);
        jogo->arquivo.eventos.push_back({kGolEvento, m, jogadores + 1, -1, 20, e});
        jogo->arquivo.eventos.push_back({kGolContra, v, -6, -1, 60, e});
        jogo->arquivo.eventos.push_back({kAmarelo, -9, 0, 0, 70, e});
        jogo->arquivo.eventos.push_back({kSubstituicaoEvento, m, -7, jogadores + 2, 75, e});
    };
    arquivar(negativo, fora, 2, ida, 1, 0);
    const int codigos[] = {1, 2, 3, 7};
    for (int k = 0; k < 4; ++k) {
        const double data = ida + 7 * (k + 1);
        const int c = codigos[k];
        arquivar(fora, negativo, c, data, 1, c == 7 ? 1 : 0);
        arquivar(humano, times + 40, c, data, 2, c == 7 ? 1 : 0);
    }

    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(codigos[k]);
        temporada::ExecucaoRodada ex;
        ex.codigo = codigos[k];
        ex.rodada.hoje = ida + 7 * (k + 1);
        temporada::telas::TelaResultados tela(*jogo, ex);
        tela.resize(1024, 768);
        tela.show();
        QTableWidget* lista = tela.Jogos();
        ASSERT_EQ(lista->rowCount(), 2);
        // Every row selected shows its details, the gone names neutral.
        for (int linha : {1, 0}) {
            lista->setCurrentCell(linha, 1);
            const QString detalhes = tela.Detalhes()->toPlainText();
            EXPECT_TRUE(detalhes.contains(QStringLiteral(" 2 x 0 ") + extinto))
                << detalhes.toStdString();
        }
        EXPECT_EQ(lista->item(0, 0)->text(), extinto);
        EXPECT_EQ(lista->item(0, 2)->text(), extinto);
        EXPECT_EQ(lista->item(1, 0)->text(), nomehumano);
        EXPECT_EQ(lista->item(1, 2)->text(), extinto);
        const QString detalhes = tela.Detalhes()->toPlainText();
        EXPECT_TRUE(detalhes.contains(QStringLiteral("Estádio ") + extinto));
        EXPECT_TRUE(detalhes.contains(extinto + QStringLiteral(": ") + extinto +
                                      QStringLiteral(" → ") + extinto));
        // The report opened by a double click.
        RelatorioAberto relatorio;
        emit lista->cellDoubleClicked(0, 0);
        EXPECT_EQ(relatorio.titulo, extinto + QStringLiteral(" x ") + extinto);
        EXPECT_TRUE(relatorio.texto.contains(QStringLiteral("1x0 - ") + extinto));
        if (codigos[k] == 2) {
            EXPECT_TRUE(relatorio.texto.contains(QStringLiteral("Agregado: ") + extinto +
                                                 QStringLiteral(" 2 x 2 ") + extinto));
        }
        emit lista->cellDoubleClicked(1, 0);
        EXPECT_EQ(relatorio.titulo, nomehumano + QStringLiteral(" x ") + extinto);
    }

    // The club's record season by season counts its club matches against
    // gone clubs.
    history::telas::TelaRetrospecto retrospecto(*jogo, humano);
    retrospecto.show();
    ASSERT_FALSE(retrospecto.Linhas().empty());
    EXPECT_EQ(retrospecto.Linhas().back().jogos, 3);

    // The calendar lists a fixture against a gone club, and opens its report.
    TPartida p;
    p.mandante = humano;
    p.visitante = times + 40;
    p.competicao = 1;
    p.data = ida + 7;
    p.jogado = 1;
    p.golsmandante = 2;
    jogo->partidas.push_back(p);
    competitions::telas::TelaCalendario calendario(*jogo, humano);
    calendario.show();
    const auto minhas = competitions::PartidasDoClube(*jogo, humano);
    const auto it =
        std::find(minhas.begin(), minhas.end(), static_cast<int>(jogo->partidas.size()) - 1);
    ASSERT_NE(it, minhas.end());
    const int linha = static_cast<int>(it - minhas.begin());
    EXPECT_EQ(calendario.Linhas()->item(linha, 6)->text(), extinto);
    RelatorioAberto relatorio;
    EXPECT_TRUE(calendario.AbrirLinha(linha));
    EXPECT_EQ(relatorio.titulo, nomehumano + QStringLiteral(" x ") + extinto);

    // The tournament's table of matches and its bracket.
    jogo->estado.torneio.codigo = 7;
    jogo->estado.torneio.numtimes = times - 1;
    p.mandante = fora;
    p.visitante = negativo;
    p.competicao = 7;
    p.grupo = 1;
    p.rodada = 1;
    jogo->partidas.push_back(p);
    TParTorneio par{};
    par.time1 = fora;
    par.time2 = times;
    par.vencedor = -1;
    par.partida = static_cast<int>(jogo->partidas.size()) - 1;
    jogo->grupostorneio[0] = par;
    competitions::telas::TelaTorneio torneio(*jogo);
    torneio.show();
    ASSERT_NE(torneio.Jogos(), nullptr);
    ASSERT_GE(torneio.Jogos()->rowCount(), 1);
    EXPECT_EQ(torneio.Jogos()->item(torneio.Jogos()->rowCount() - 1, 3)->text(),
              extinto + QStringLiteral(" x ") + extinto);
}

} // namespace
