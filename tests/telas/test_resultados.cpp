// The screens after the matches, on real dates of the default world.
#include "apoio_telas.hpp"

#include "competitions/classificacao.hpp"
#include "competitions/copa.hpp"
#include "competitions/estaduais.hpp"
#include "competitions/novojogo.hpp"
#include "competitions/resumos.hpp"
#include "competitions/telas/relatoriopartida.hpp"
#include "competitions/telas/telacalendario.hpp"
#include "competitions/telas/telaclassificacao.hpp"
#include "competitions/telas/telacopa.hpp"
#include "competitions/telas/telaestaduais.hpp"
#include "match/resultadosdata.hpp"
#include "temporada/autopiloto.hpp"
#include "temporada/fimdetemporada.hpp"
#include "temporada/telas/telafimtemporada.hpp"
#include "temporada/telas/telaresultados.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <span>

using namespace world;

namespace {

QString Nome(const Jogo& jogo, int c) {
    return ui::Q(jogo.times[c].nome.view());
}

// Plays dates until one of code `codigo` has been played (`vezes` of them).
void JogarAte(temporada::Autopiloto& piloto, int codigo, int vezes = 1) {
    int n = 0;
    piloto.depoisdadata = [&](int c) { return !(c == codigo && ++n == vezes); };
    piloto.Jogar();
    piloto.depoisdadata = {};
}

TEST(TelasResultados, ResultadosDeUmaRodadaDaLiga) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    temporada::Autopiloto piloto(*jogo);
    piloto.Entrar();
    JogarAte(piloto, 1);
    const double hoje = piloto.ex.rodada.hoje;
    const auto dodia = match::JogosDaData(*jogo, hoje, 1);
    int fixtures = 0;
    for (const TPartida& p : jogo->partidas)
        if (p.competicao == 1 && p.data == hoje) ++fixtures;
    ASSERT_GT(fixtures, 0);
    ASSERT_EQ(static_cast<int>(dodia.size()), fixtures);

    temporada::telas::TelaResultados tela(*jogo, piloto.ex);
    tela.resize(1280, 800);
    tela.show();
    QTableWidget* jogos = tela.Jogos();
    ASSERT_EQ(jogos->rowCount(), fixtures); // one league: every match of the date
    for (int k = 0; k < jogos->rowCount(); ++k) {
        const TJogoArquivado& a = jogo->arquivo.jogos[tela.Entradas()[k]];
        const auto f =
            std::find_if(jogo->partidas.begin(), jogo->partidas.end(), [&](const TPartida& p) {
                return p.data == hoje && p.mandante == a.mandante && p.competicao == 1;
            });
        ASSERT_NE(f, jogo->partidas.end());
        EXPECT_EQ(jogos->item(k, 0)->text(), Nome(*jogo, f->mandante));
        EXPECT_EQ(jogos->item(k, 2)->text(), Nome(*jogo, f->visitante));
        EXPECT_EQ(jogos->item(k, 1)->text(),
                  QStringLiteral("%1 x %2").arg(f->golsmandante).arg(f->golsvisitante));
    }
    // The human's match opens selected, its details shown.
    const int humano = jogo->estado.timeshumanos[0];
    int dohumano = -1;
    for (int k = 0; k < jogos->rowCount() && dohumano < 0; ++k) {
        const TJogoArquivado& a = jogo->arquivo.jogos[tela.Entradas()[k]];
        if (a.mandante == humano || a.visitante == humano) dohumano = k;
    }
    ASSERT_GE(dohumano, 0);
    EXPECT_EQ(jogos->currentRow(), dohumano);
    {
        const TJogoArquivado& a = jogo->arquivo.jogos[tela.Entradas()[dohumano]];
        EXPECT_TRUE(tela.Detalhes()->toPlainText().startsWith(
            Nome(*jogo, a.mandante) + QStringLiteral(" %1 x %2 ").arg(a.gols[0]).arg(a.gols[1])));
    }

    // A match with goals: its stadium and its scorers in the details.
    int linha = 0;
    for (int k = 0; k < jogos->rowCount(); ++k)
        if (jogo->arquivo.jogos[tela.Entradas()[k]].gols[0] > 0) linha = k;
    jogos->setCurrentCell(linha, 1);
    const int e = tela.Entradas()[linha];
    const TJogoArquivado& a = jogo->arquivo.jogos[e];
    const QString detalhes = tela.Detalhes()->toPlainText();
    EXPECT_TRUE(detalhes.contains(QStringLiteral("Estádio ") +
                                  ui::Q(jogo->times[a.mandante].estadio.view())));
    // The crowd against the stadium's capacity, then by named sector.
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    const TTime& casa = jogo->times[a.mandante];
    const int capacidade =
        casa.capacidade[0] + casa.capacidade[1] + casa.capacidade[2] + casa.capacidade[3];
    ASSERT_GT(a.publico, 0);
    EXPECT_LE(a.publico, capacidade);
    EXPECT_TRUE(
        detalhes.contains(QStringLiteral("Público: %1 de %2")
                              .arg(brasil.toString(a.publico), brasil.toString(capacidade))))
        << detalhes.toStdString();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(detalhes.contains(ui::T(280 + i) + QLatin1Char(' ') +
                                      brasil.toString(a.publicosetor[i])))
            << i;
    EXPECT_TRUE(detalhes.contains(QStringLiteral("Geral:")));
    EXPECT_TRUE(detalhes.contains(QStringLiteral("Posse de bola")));
    for (const match::TLance& l : match::LancesDoJogo(*jogo, e))
        if (l.gol && l.evento.jogador > 0) {
            EXPECT_TRUE(detalhes.contains(ui::Q(jogo->jogadores[l.evento.jogador].nome.view()) +
                                          QStringLiteral(" %1'").arg(l.evento.minuto)));
        }

    // The table after the matchday: the division of the selected match.
    const int d = jogo->times[a.mandante].divisao;
    const auto esperado = competitions::Tabela(
        *jogo, 1, std::span<const int>(jogo->ligas[a.grupo].divisoes[d - 1], 20));
    ASSERT_EQ(tela.Tabela()->rowCount(), static_cast<int>(esperado.size()));
    for (int k = 0; k < static_cast<int>(esperado.size()); ++k) {
        EXPECT_EQ(tela.Tabela()->item(k, 1)->text(), Nome(*jogo, esperado[k].time));
        EXPECT_EQ(tela.Tabela()->item(k, 2)->text(), QString::number(esperado[k].pontos));
    }
    apoio_telas::Capturar(tela, "tela_resultados");

    QSignalSpy continuar(&tela, &temporada::telas::TelaResultados::continuar);
    QTest::keyClick(&tela, Qt::Key_Return);
    EXPECT_EQ(continuar.count(), 1);
    tela.Continuar()->click();
    EXPECT_EQ(continuar.count(), 2);

    // The match report: running score and the sides' tactics.
    competitions::telas::RelatorioPartida relatorio(*jogo, e);
    relatorio.show();
    const QString r = relatorio.Texto()->toPlainText();
    EXPECT_TRUE(r.contains(QStringLiteral("Estilo de jogo")));
    EXPECT_TRUE(r.contains(QStringLiteral("1x0 - ")) || r.contains(QStringLiteral("0x1 - ")));
    apoio_telas::Capturar(relatorio, "tela_relatorio");

    competitions::telas::TelaClassificacao classificacao(*jogo);
    classificacao.show();
    ASSERT_EQ(classificacao.Divisoes()->count(), jogo->ligas[0].numdivisoes);
    EXPECT_EQ(classificacao.Tabela(1)->item(0, 1)->text(),
              Nome(*jogo, competitions::Tabela(
                              *jogo, 1, std::span<const int>(jogo->ligas[0].divisoes[0], 20))[0]
                              .time));
    apoio_telas::Capturar(classificacao, "tela_classificacao");

    // The club's calendar: its fixtures by date, the played one with score.
    const int clube = jogo->estado.timeshumanos[0];
    competitions::telas::TelaCalendario calendario(*jogo, clube);
    calendario.show();
    const auto minhas = competitions::PartidasDoClube(*jogo, clube);
    ASSERT_EQ(calendario.Linhas()->rowCount(), static_cast<int>(minhas.size()));
    int jogadas = 0;
    for (int k = 0; k < static_cast<int>(minhas.size()); ++k) {
        const TPartida& p = jogo->partidas[minhas[k]];
        EXPECT_EQ(calendario.Linhas()->item(k, 1)->text(),
                  ui::T(p.mandante == clube ? 2010 : 2011));
        if (p.jogado) {
            ++jogadas;
            EXPECT_EQ(calendario.Linhas()->item(k, 5)->text(),
                      QStringLiteral("%1 x %2").arg(p.golsmandante).arg(p.golsvisitante));
            EXPECT_EQ(calendario.Linhas()->item(k, 7)->text(), QString::number(p.publico));
            EXPECT_GE(match::EntradaDaPartida(*jogo, p), 0);
        } else {
            EXPECT_FALSE(calendario.AbrirLinha(k)); // nothing to report yet
        }
    }
    EXPECT_GE(jogadas, 1);
    EXPECT_TRUE(calendario.Linhas()->item(0, 0)->text().contains(QStringLiteral(" - ")));
    apoio_telas::Capturar(calendario, "tela_calendario");
}

// The score line of a bracket box shows whole, and the names above it fit
// the room it leaves them.
void CaixaInteira(competitions::telas::CaixaConfronto& caixa) {
    QLabel* placar = caixa.Placar();
    SCOPED_TRACE(caixa.toolTip().toStdString());
    ASSERT_TRUE(placar->isVisible());
    const QFontMetrics fm = placar->fontMetrics();
    EXPECT_LE(fm.horizontalAdvance(placar->text()), placar->contentsRect().width());
    EXPECT_LE(fm.height(), placar->contentsRect().height());
    EXPECT_TRUE(caixa.contentsRect().contains(placar->geometry()));
    QLabel* nomes = caixa.Nomes();
    EXPECT_LE(nomes->heightForWidth(nomes->width()), nomes->height());
    EXPECT_LE(nomes->geometry().bottom(), placar->geometry().top());
}

TEST(TelasResultados, ChaveDaCopaDepoisDaIdaEDaVolta) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    apoio_telas::NomesLongos(*jogo);
    temporada::Autopiloto piloto(*jogo);
    piloto.Entrar();
    const bool de32 = competitions::CopaDe32(*jogo, 0);
    const int primeira = de32 ? 0 : 16;
    // A 16-club cup has nothing to play on the first phase's dates.
    for (int i = 0; i < 3; ++i) {
        JogarAte(piloto, 2);
        const auto c = competitions::ChaveDaCopa(*jogo, 0);
        if (c[primeira].ida >= 0 && jogo->partidas[c[primeira].ida].jogado) break;
    }
    {
        competitions::telas::TelaCopa copa(*jogo);
        copa.show();
        const auto chave = competitions::ChaveDaCopa(*jogo, 0);
        EXPECT_TRUE(chave[primeira].placar.empty()); // only the first legs so far
        EXPECT_TRUE(
            copa.Caixa(primeira + 1)->toolTip().contains(Nome(*jogo, chave[primeira].mandante)));
        EXPECT_FALSE(copa.Caixa(primeira + 1)->Placar()->isVisible());
        EXPECT_EQ(copa.Primeiros()->isVisible(), !de32);
    }
    JogarAte(piloto, 2);
    competitions::telas::TelaCopa copa(*jogo);
    copa.resize(1280, 800);
    copa.show();
    const auto chave = competitions::ChaveDaCopa(*jogo, 0);
    // Every tie of the first phase played, in the notation.
    for (int i = primeira; i < (de32 ? 16 : 24); ++i) {
        ASSERT_GE(chave[i].ida, 0);
        const std::string placar = competitions::PlacarDoConfronto(jogo->partidas[chave[i].ida],
                                                                   jogo->partidas[chave[i].volta]);
        EXPECT_EQ(chave[i].placar, placar);
        EXPECT_EQ(copa.Caixa(i + 1)->Placar()->text(), QString::fromStdString(placar));
        CaixaInteira(*copa.Caixa(i + 1));
    }
    EXPECT_FALSE(copa.Campeao()->isVisible());
    apoio_telas::Capturar(copa, "tela_copa");

    // The results of the second legs: each tie's aggregate and the club that
    // went through, the one the bracket moves on.
    temporada::telas::TelaResultados resultados(*jogo, piloto.ex);
    resultados.resize(1280, 800);
    resultados.show();
    QTableWidget* jogos = resultados.Jogos();
    ASSERT_GT(jogos->rowCount(), 0);
    // The human's tie opens selected.
    const int clube = jogo->estado.timeshumanos[0];
    int dohumano = -1;
    for (int k = 0; k < jogos->rowCount() && dohumano < 0; ++k) {
        const TJogoArquivado& a = jogo->arquivo.jogos[resultados.Entradas()[k]];
        if (a.mandante == clube || a.visitante == clube) dohumano = k;
    }
    ASSERT_GE(dohumano, 0);
    EXPECT_EQ(jogos->currentRow(), dohumano);
    EXPECT_TRUE(resultados.Detalhes()->toPlainText().startsWith(
        Nome(*jogo, jogo->arquivo.jogos[resultados.Entradas()[dohumano]].mandante)));
    apoio_telas::Capturar(resultados, "tela_resultados_copa");
    for (int k = 0; k < jogos->rowCount(); ++k) {
        const int e = resultados.Entradas()[k];
        const auto c = match::ConfrontoDoJogo(*jogo, e);
        ASSERT_TRUE(c) << k;
        const auto caixa = std::find_if(chave.begin(), chave.end(), [&](const auto& x) {
            return x.mandante == c->clubes[0] && x.visitante == c->clubes[1];
        });
        ASSERT_NE(caixa, chave.end());
        EXPECT_EQ(c->classificado, caixa->vencedor);
        const TPartida& ida = jogo->partidas[caixa->ida];
        EXPECT_EQ(c->agregado[0], ida.golsmandante + jogo->partidas[caixa->volta].golsvisitante);
        if (c->criterio == match::Desempate::Penaltis) {
            EXPECT_EQ(c->penaltis[0], ida.penaltismandante);
            EXPECT_EQ(c->penaltis[1], ida.penaltisvisitante);
        }
        // In the list, the club that went through in bold.
        const TJogoArquivado& a = jogo->arquivo.jogos[e];
        EXPECT_EQ(jogos->item(k, 0)->font().bold(), a.mandante == c->classificado);
        EXPECT_EQ(jogos->item(k, 2)->font().bold(), a.visitante == c->classificado);
        jogos->setCurrentCell(k, 1);
        const QString detalhes = resultados.Detalhes()->toPlainText();
        const int m = a.mandante == c->clubes[0] ? 0 : 1;
        EXPECT_TRUE(detalhes.contains(QStringLiteral("Agregado: %1 %2 x %3 %4")
                                          .arg(Nome(*jogo, a.mandante))
                                          .arg(c->agregado[m])
                                          .arg(c->agregado[1 - m])
                                          .arg(Nome(*jogo, a.visitante))))
            << detalhes.toStdString();
        EXPECT_TRUE(
            detalhes.contains(QStringLiteral("Classificado: ") + Nome(*jogo, c->classificado)))
            << detalhes.toStdString();
        EXPECT_EQ(detalhes.contains(QStringLiteral("nos pênaltis")),
                  c->criterio == match::Desempate::Penaltis);
        EXPECT_EQ(detalhes.contains(QStringLiteral("gols marcados fora de casa")),
                  c->criterio == match::Desempate::GolsFora);
    }
    // And one decided on penalties, when the date had one.
    for (int k = 0; k < jogos->rowCount(); ++k)
        if (const auto c = match::ConfrontoDoJogo(*jogo, resultados.Entradas()[k]);
            c && c->criterio == match::Desempate::Penaltis) {
            jogos->setCurrentCell(k, 1);
            apoio_telas::Capturar(resultados, "tela_resultados_copa_penaltis");
            break;
        }
}

TEST(TelasResultados, EstadualMostraOPrimeiroEstado) {
    auto jogo = std::make_unique<Jogo>();
    competitions::OpcoesNovoJogo o;
    o.ligas = {29};
    o.paisprincipal = 29;
    o.divisoesde20 = true;
    o.estaduais = true;
    jogo->gerador.Semear(3);
    ASSERT_EQ(competitions::IniciarJogoDeClubes(*jogo, contatimes(), o),
              competitions::InicioNovoJogo::Ok);
    competitions::EscolherTime(*jogo, 0, jogo->ligas[0].divisoes[0][0], "Tecnico 1");
    competitions::InicializarJogo(*jogo);
    temporada::Autopiloto piloto(*jogo);
    piloto.Entrar();
    JogarAte(piloto, 3, 2);
    competitions::telas::TelaEstaduais tela(*jogo);
    tela.resize(900, 640);
    tela.show();
    const int s = competitions::PrimeiroEstadoMostrado(*jogo);
    ASSERT_EQ(tela.Estado(), s);
    ASSERT_EQ(tela.Grupos()->count(), jogo->estaduais[s].numgrupos);
    auto* t = qobject_cast<QTableWidget*>(tela.Grupos()->widget(0));
    const auto esperado =
        competitions::Tabela(*jogo, 3, std::span<const int>(jogo->estaduais[s].grupos[0], 6));
    ASSERT_EQ(t->rowCount(), static_cast<int>(esperado.size()));
    EXPECT_EQ(t->item(0, 1)->text(), Nome(*jogo, esperado[0].time));
    EXPECT_EQ(t->item(0, 3)->text(), QStringLiteral("2"));
    apoio_telas::Capturar(tela, "tela_estaduais");
}

TEST(TelasResultados, FimDaTemporadaListaOsCampeoes) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    temporada::Autopiloto piloto(*jogo);
    piloto.Entrar();
    piloto.fimdetemporada = [] { return false; };
    ASSERT_TRUE(piloto.Jogar());
    temporada::telas::TelaFimTemporada tela(*jogo);
    const int temporada = jogo->estado.temporada;
    // Every division's champion is listed.
    for (const TLiga& l : jogo->ligas)
        for (int d = 0; d < l.numdivisoes; ++d) {
            const QString campeao = Nome(*jogo, l.ordem[d][0]);
            bool achou = false;
            for (int k = 0; k < tela.Campeoes()->rowCount(); ++k)
                achou = achou || tela.Campeoes()->item(k, 1)->text() == campeao;
            EXPECT_TRUE(achou) << campeao.toStdString();
        }
    temporada::FimDeTemporada(*jogo);
    EXPECT_EQ(tela.Temporada(), temporada);
    tela.resize(1280, 800);
    tela.show();
    EXPECT_GT(tela.Artilheiros()->rowCount(), 0);
    EXPECT_EQ(tela.Artilheiros()->rowCount(),
              static_cast<int>(competitions::ArtilheirosDaTemporada(*jogo, temporada).size()));
    QSignalSpy continuar(&tela, &temporada::telas::TelaFimTemporada::continuar);
    tela.Continuar()->click();
    EXPECT_EQ(continuar.count(), 1);
    apoio_telas::Capturar(tela, "tela_fimtemporada");
}

} // namespace
