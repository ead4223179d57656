// The history screens on three seasons of the default world played by the
// autopilot: the scorers, the club and coach rankings, the champions and a
// club's record, as the main screen's menus, its keys and the season-end
// screen open them.
#include "apoio_telas.hpp"
#include "competitions/novojogo.hpp"
#include "history/artilharia.hpp"
#include "history/campeoes.hpp"
#include "history/rankings.hpp"
#include "history/telas/gradehistorico.hpp"
#include "history/telas/telaartilharia.hpp"
#include "history/telas/telacampeoes.hpp"
#include "history/telas/telaclubeanos.hpp"
#include "history/telas/telarankingclubes.hpp"
#include "history/telas/telarankingtecnicos.hpp"
#include "history/telas/telashistorico.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telaprincipal.hpp"
#include "temporada/autopiloto.hpp"
#include "temporada/fimdetemporada.hpp"
#include "temporada/telas/telafimtemporada.hpp"
#include "ui/graficos.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <map>

#include <functional>
#include <memory>

using namespace world;
using namespace history;
using namespace competitions;
using namespace history::telas;

namespace {

// Leagues 29 and 97 in divisions of 10 with state championships, the human
// in the second division of 29, three seasons played: the game stands on the
// first date of the fourth.
struct Historia {
    std::unique_ptr<Jogo> jogo = std::make_unique<Jogo>();
    int humano = -1; // the club on screen
    Historia() {
        competitions::OpcoesNovoJogo o;
        o.ligas = {29, 97};
        o.paisprincipal = 29;
        o.divisoesde20 = false;
        o.estaduais = true;
        o.numhumanos = 1;
        jogo->gerador.Semear(7);
        competitions::IniciarJogoDeClubes(*jogo, contatimes(), o);
        competitions::EscolherTime(*jogo, 0, jogo->ligas[jogo->LigaDoPais(29)].divisoes[1][0],
                                   "Tecnico 1");
        competitions::InicializarJogo(*jogo);
        temporada::Autopiloto piloto(*jogo);
        piloto.novatemporada = [&] { return jogo->estado.temporada <= 3; };
        piloto.Entrar();
        piloto.Jogar();
        // The human may have changed clubs and countries by now: the
        // screens open on a club of country 29.
        humano = jogo->ligas[jogo->LigaDoPais(29)].divisoes[0][0];
    }
};

Historia& Jogada() {
    static Historia h;
    return h;
}

void Escolher(QComboBox* caixa, int item) {
    caixa->setCurrentIndex(item);
    QApplication::processEvents();
}

int Indice(QComboBox* caixa, const QString& texto) {
    for (int i = 0; i < caixa->count(); ++i)
        if (caixa->itemText(i) == texto) return i;
    return -1;
}

// Runs `abrir`, which opens a dialog and waits for it; the dialog found on
// top is handed to `olhar` and closed. Returns its object name.
QString AbrirEFechar(const std::function<void()>& abrir,
                     const std::function<void(QDialog*)>& olhar = {}) {
    QString nome;
    QObject vivo; // the check dies with the call if nothing opened
    QTimer::singleShot(0, &vivo, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        nome = d->objectName();
        if (olhar) olhar(d);
        d->reject();
    });
    abrir();
    return nome;
}

void CoresAlternadas(QTableWidget* t) {
    ASSERT_GE(t->rowCount(), 2);
    EXPECT_EQ(t->item(0, 1)->background().color(), QColor(Qt::white));
    EXPECT_EQ(t->item(1, 1)->background().color(), CorDaLinha(1));
    EXPECT_NE(CorDaLinha(1), QColor(Qt::white));
    EXPECT_EQ(t->item(2, 1)->background().color(), QColor(Qt::white));
}

} // namespace

TEST(HistoricoTelas, ScorersByCompetitionAndCareerWithTheHundredRowNote) {
    Historia& h = Jogada();
    const Jogo& jogo = *h.jogo;
    TelaArtilharia tela(jogo, h.humano);
    tela.resize(1280, 800);
    EXPECT_FALSE(tela.Paises()->isHidden());
    EXPECT_EQ(tela.Paises()->currentData().toInt(), 29);
    const auto visoes = VisoesArtilharia(jogo, 29);
    ASSERT_EQ(tela.Visoes()->count(), static_cast<int>(visoes.size()));
    EXPECT_EQ(tela.Visoes()->itemText(tela.Visoes()->count() - 1), ui::T(333));

    // The career list: a hundred rows and the note, then all of them.
    Escolher(tela.Visoes(), tela.Visoes()->count() - 1);
    const auto carreira = Artilheiros(jogo, tela.Visao(), 29);
    ASSERT_GT(carreira.size(), static_cast<std::size_t>(kLinhasCarreira));
    QTableWidget* lista = tela.Lista();
    EXPECT_EQ(lista->rowCount(), kLinhasCarreira);
    EXPECT_FALSE(tela.Nota()->isHidden());
    EXPECT_EQ(tela.Nota()->text(), ui::T(347));
    EXPECT_EQ(tela.MostrarTodos()->text(), ui::T(348));
    EXPECT_EQ(lista->horizontalHeaderItem(3)->text(), ui::T(339));
    EXPECT_EQ(lista->horizontalHeaderItem(4)->text(), ui::T(2400));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(lista->item(k, 0)->text().toInt(), k + 1);
        EXPECT_EQ(lista->item(k, 1)->text(), NomeDoJogador(jogo, carreira[k].jogador));
        EXPECT_EQ(lista->item(k, 2)->text(), NomeDoClube(jogo, carreira[k].time));
        EXPECT_EQ(lista->item(k, 3)->text().toInt(), carreira[k].gols);
    }
    CoresAlternadas(lista);
    tela.MostrarTodos()->click();
    EXPECT_EQ(lista->rowCount(), static_cast<int>(carreira.size()));
    EXPECT_TRUE(tela.Nota()->isHidden());
    EXPECT_TRUE(tela.MostrarTodos()->isHidden());

    // Another country keeps the career list, now of its own clubs' players.
    Escolher(tela.Paises(), jogo.LigaDoPais(97));
    EXPECT_EQ(tela.Visao().tipo, TipoArtilharia::Carreira);
    const auto deles = Artilheiros(jogo, tela.Visao(), 97);
    ASSERT_FALSE(deles.empty());
    EXPECT_EQ(lista->rowCount(), std::min<int>(kLinhasCarreira, static_cast<int>(deles.size())));
    EXPECT_EQ(lista->item(0, 1)->text(), NomeDoJogador(jogo, deles[0].jogador));
    for (const LinhaArtilheiro& l : deles) EXPECT_EQ(jogo.times[l.time].pais, 97);
    // The second division stays picked from one country to the other.
    Escolher(tela.Visoes(), 1);
    Escolher(tela.Paises(), jogo.LigaDoPais(29));
    EXPECT_EQ(tela.Visao().tipo, TipoArtilharia::Divisao);
    EXPECT_EQ(tela.Visao().divisao, 2);
    EXPECT_EQ(lista->horizontalHeaderItem(3)->text(), ui::T(335));
    EXPECT_EQ(lista->rowCount(), static_cast<int>(Artilheiros(jogo, tela.Visao(), 29).size()));
    EXPECT_TRUE(tela.Nota()->isHidden());

    // Back to the careers' best for the picture.
    Escolher(tela.Visoes(), tela.Visoes()->count() - 1);
    tela.show();
    QApplication::processEvents();
    apoio_telas::Capturar(tela, "tela_artilheiros");
}

TEST(HistoricoTelas, OneLeagueHidesTheCountryPickers) {
    auto jogo = apoio_telas::NovoJogo({29});
    TelaArtilharia artilharia(*jogo, jogo->estado.timeshumanos[0]);
    EXPECT_TRUE(artilharia.Paises()->isHidden());
    TelaRankingClubes ranking(*jogo, jogo->estado.timeshumanos[0]);
    EXPECT_TRUE(ranking.Paises()->isHidden());
    TelaCampeoes campeoes(*jogo, jogo->estado.timeshumanos[0]);
    EXPECT_TRUE(campeoes.Paises()->isHidden());
    // A new game has nothing recorded: empty lists, no crash.
    EXPECT_EQ(campeoes.Lista()->rowCount(), 0);
    EXPECT_EQ(artilharia.Lista()->rowCount(), 0);
}

TEST(HistoricoTelas, ClubRankingInItsThreeViews) {
    Historia& h = Jogada();
    const Jogo& jogo = *h.jogo;
    TelaRankingClubes tela(jogo, h.humano);
    tela.resize(1280, 800);
    EXPECT_EQ(tela.windowTitle(), QStringLiteral("Ranking de Clubes"));
    ASSERT_EQ(tela.Visoes()->count(), 3);
    EXPECT_EQ(tela.Visoes()->tabText(0), QStringLiteral("Ranking por Colocação"));
    EXPECT_EQ(tela.Visoes()->tabText(1), QStringLiteral("Ranking por pontos corridos"));
    EXPECT_EQ(tela.Visoes()->tabText(2), QStringLiteral("Ranking Internacional"));
    QTableWidget* lista = tela.Lista();
    const int estadual = TelaRankingClubes::kColPrimeira + kRkEstadual;
    const int continental = TelaRankingClubes::kColPrimeira + kRkContinental1;

    // Titles of the home country: the state column shows.
    const auto titulos = RankingDeClubes(jogo, VisaoRankingClubes::Colocacao, 29);
    ASSERT_EQ(lista->rowCount(), static_cast<int>(titulos.size()));
    EXPECT_TRUE(tela.Legenda()->isHidden());
    EXPECT_FALSE(lista->isColumnHidden(estadual));
    EXPECT_EQ(lista->item(0, 1)->text(), NomeDoClube(jogo, titulos[0].time));
    EXPECT_EQ(lista->item(0, TelaRankingClubes::kColTotal)->text().toLongLong(), titulos[0].total);
    EXPECT_GT(titulos[0].total, 0);
    // The continental cups are on: captioned for South America.
    EXPECT_FALSE(lista->isColumnHidden(continental));
    EXPECT_EQ(lista->horizontalHeaderItem(continental)->text(), ui::T(329));
    CoresAlternadas(lista);
    // The small badges of the default world are 18 x 18.
    EXPECT_FALSE(lista->item(0, 1)->icon().isNull());

    // Accumulated points, with the legend; another country hides the state.
    tela.Visoes()->setCurrentIndex(1);
    EXPECT_FALSE(tela.Legenda()->isHidden());
    EXPECT_EQ(tela.Legenda()->text(), QStringLiteral("Legenda: (PG/GP/GC)"));
    const auto pontos = RankingDeClubes(jogo, VisaoRankingClubes::PontosCorridos, 29);
    const auto& p = pontos[0].pontos[kRkLiga];
    EXPECT_EQ(lista->item(0, TelaRankingClubes::kColPrimeira)->text(),
              QStringLiteral("(%1/%2/%3)").arg(p[0]).arg(p[1]).arg(p[2]));
    apoio_telas::Capturar(tela, "tela_ranking_clubes");
    Escolher(tela.Paises(), jogo.LigaDoPais(97));
    EXPECT_TRUE(lista->isColumnHidden(estadual));
    EXPECT_EQ(lista->horizontalHeaderItem(continental)->text(), ui::T(328));

    // Every club of the leagues, whatever its country.
    tela.Visoes()->setCurrentIndex(2);
    EXPECT_EQ(lista->rowCount(), jogo.estado.numtimesligas);
    // The badges come with the rows scrolled into view.
    tela.show();
    const int ultima = lista->rowCount() - 1;
    lista->scrollToBottom();
    QApplication::processEvents();
    EXPECT_FALSE(lista->item(ultima, 1)->icon().isNull());
    EXPECT_FALSE(tela.Paises()->isEnabled());
    EXPECT_TRUE(lista->isColumnHidden(estadual));
    EXPECT_EQ(lista->horizontalHeaderItem(continental)->text(), QStringLiteral("Libert./Liga C."));

    // A double click opens the club's record.
    const int clube = tela.Linhas()[2].time;
    int aberto = -1;
    AbrirEFechar([&] { emit lista->cellDoubleClicked(2, 1); },
                 [&](QDialog* d) { aberto = static_cast<TelaRetrospecto*>(d)->Clube(); });
    EXPECT_EQ(aberto, clube);
}

TEST(HistoricoTelas, CoachRankingOfTheCountryAndOfTheWorld) {
    Historia& h = Jogada();
    const Jogo& jogo = *h.jogo;
    TelaRankingTecnicos tela(jogo, h.humano);
    tela.resize(1100, 760);
    EXPECT_EQ(tela.Titulo()->text(), ui::T(190) + QStringLiteral(" - ") + ui::Q(NomePais(29)));
    QTableWidget* lista = tela.Lista();
    QStringList colunas;
    for (int c = 1; c < lista->columnCount(); ++c)
        colunas << lista->horizontalHeaderItem(c)->text();
    EXPECT_EQ(colunas,
              (QStringList{"Técnico", "Time atual", "M", "L", "S", "N", "C", "E", "Pontos"}));
    const auto brasil = RankingDeTecnicos(jogo, 29);
    ASSERT_EQ(lista->rowCount(), static_cast<int>(brasil.size()));
    EXPECT_EQ(lista->item(0, 1)->text(), NomeDoTecnico(jogo, brasil[0].tecnico));
    EXPECT_EQ(lista->item(0, TelaRankingTecnicos::kColPontos)->text().toLongLong(),
              brasil[0].pontos);
    EXPECT_FALSE(lista->isColumnHidden(TelaRankingTecnicos::kColPrimeiroTitulo + kTcEstadual));
    CoresAlternadas(lista);

    Escolher(tela.Escolha(), jogo.LigaDoPais(97));
    EXPECT_TRUE(lista->isColumnHidden(TelaRankingTecnicos::kColPrimeiroTitulo + kTcEstadual));
    Escolher(tela.Escolha(), tela.Escolha()->count() - 1);
    EXPECT_EQ(tela.Escolha()->currentText(), QStringLiteral("Ranking Mundial"));
    EXPECT_EQ(tela.Titulo()->text(), ui::T(829));
    EXPECT_EQ(lista->rowCount(), static_cast<int>(RankingDeTecnicos(jogo, -1).size()));
    EXPECT_FALSE(lista->isColumnHidden(TelaRankingTecnicos::kColPrimeiroTitulo + kTcEstadual));
    apoio_telas::Capturar(tela, "tela_ranking_tecnicos");
}

TEST(HistoricoTelas, ChampionsOfEachCompetitionSeasonBySeason) {
    Historia& h = Jogada();
    const Jogo& jogo = *h.jogo;
    TelaCampeoes tela(jogo, h.humano);
    tela.resize(1280, 800);
    QTableWidget* lista = tela.Lista();
    QStringList colunas;
    for (int c = 0; c < lista->columnCount(); ++c)
        colunas << lista->horizontalHeaderItem(c)->text();
    EXPECT_EQ(colunas, (QStringList{"Ano", "Campeão", "Vice", "Artilheiro", "Técnico Campeão",
                                    "Local", "3º", "4º"}));
    EXPECT_EQ(tela.Competicoes()->itemText(0), ui::T(326));
    EXPECT_GE(Indice(tela.Competicoes(), ui::T(327)), 0);
    EXPECT_GE(Indice(tela.Competicoes(), QStringLiteral("Estadual")), 0);
    EXPECT_GE(Indice(tela.Competicoes(), ui::T(332)), 0);
    EXPECT_EQ(Indice(tela.Competicoes(), ui::T(358)) >= 0, jogo.estado.copadomundo != 0);

    // The league: country and division; three seasons, the newest first.
    EXPECT_FALSE(tela.Paises()->isHidden());
    EXPECT_FALSE(tela.Divisoes()->isHidden());
    EXPECT_TRUE(tela.Estados()->isHidden());
    ASSERT_EQ(lista->rowCount(), 3);
    const auto linhas = Campeoes(jogo, {1, 29, 1});
    EXPECT_EQ(lista->item(0, TelaCampeoes::kAno)->text(), QStringLiteral("2009"));
    EXPECT_EQ(lista->item(2, TelaCampeoes::kAno)->text(), QStringLiteral("2007"));
    EXPECT_EQ(lista->item(0, TelaCampeoes::kCampeao)->text(), NomeDoClube(jogo, linhas[0].campeao));
    EXPECT_TRUE(lista->item(0, TelaCampeoes::kCampeao)->font().bold());
    EXPECT_EQ(lista->item(0, TelaCampeoes::kVice)->text(), NomeDoClube(jogo, linhas[0].vice));
    EXPECT_EQ(lista->item(0, TelaCampeoes::kTecnico)->text(),
              NomeDoTecnico(jogo, linhas[0].tecnico));
    EXPECT_TRUE(lista->item(0, TelaCampeoes::kArtilheiro)
                    ->text()
                    .startsWith(NomeDoJogador(jogo, linhas[0].artilheiro)));
    EXPECT_FALSE(lista->item(0, TelaCampeoes::kArtilheiro)->text().isEmpty());
    CoresAlternadas(lista);
    apoio_telas::Capturar(tela, "tela_campeoes");
    // The runner-up's record, by a double click on his name.
    int aberto = -1;
    AbrirEFechar([&] { emit lista->cellDoubleClicked(1, TelaCampeoes::kVice); },
                 [&](QDialog* d) { aberto = static_cast<TelaRetrospecto*>(d)->Clube(); });
    EXPECT_EQ(aberto, linhas[1].vice);

    Escolher(tela.Divisoes(), 3);
    EXPECT_EQ(tela.Escolhida().divisao, 4);
    EXPECT_EQ(lista->rowCount(), 3);
    Escolher(tela.Competicoes(), Indice(tela.Competicoes(), QStringLiteral("Estadual")));
    EXPECT_TRUE(tela.Divisoes()->isHidden());
    EXPECT_FALSE(tela.Estados()->isHidden());
    EXPECT_EQ(lista->rowCount(), static_cast<int>(Campeoes(jogo, tela.Escolhida()).size()));
    Escolher(tela.Competicoes(), Indice(tela.Competicoes(), ui::T(327)));
    EXPECT_FALSE(tela.Paises()->isHidden());
    EXPECT_TRUE(tela.Divisoes()->isHidden());
    EXPECT_EQ(lista->rowCount(), 3);
    // The club world cup from the second season on, with its four places.
    Escolher(tela.Competicoes(), Indice(tela.Competicoes(), ui::T(332)));
    EXPECT_GT(lista->rowCount(), 0);
    EXPECT_EQ(lista->rowCount(), static_cast<int>(Campeoes(jogo, tela.Escolhida()).size()));
    EXPECT_FALSE(lista->isColumnHidden(TelaCampeoes::kArtilheiro));
    // The Copa América keeps no top scorer: the column is not shown.
    Escolher(tela.Competicoes(), Indice(tela.Competicoes(), ui::T(342)));
    EXPECT_EQ(tela.Escolhida().competicao, 8);
    EXPECT_GT(lista->rowCount(), 0);
    EXPECT_TRUE(lista->isColumnHidden(TelaCampeoes::kArtilheiro));
    EXPECT_FALSE(lista->item(0, TelaCampeoes::kCampeao)->text().isEmpty());
    apoio_telas::Capturar(tela, "tela_campeoes_copaamerica");
}

TEST(HistoricoTelas, AClubsRecordWithItsTitlesAndSeasons) {
    Historia& h = Jogada();
    const Jogo& jogo = *h.jogo;
    // The last champion of division 1, for titles to show.
    const int clube = Campeoes(jogo, {1, 29, 1}).front().campeao;
    TelaRetrospecto tela(jogo, clube);
    tela.resize(1100, 760);
    EXPECT_EQ(tela.Clube(), clube);
    EXPECT_EQ(tela.Paises()->currentData().toInt(), jogo.times[clube].pais);
    EXPECT_TRUE(tela.Titulos()->text().startsWith(QStringLiteral("Títulos:")));
    EXPECT_TRUE(tela.Titulos()->text().contains(QStringLiteral("2009")));
    QTableWidget* lista = tela.Lista();
    QStringList colunas;
    for (int c = 0; c < lista->columnCount(); ++c)
        colunas << lista->horizontalHeaderItem(c)->text();
    EXPECT_EQ(colunas, (QStringList{"Ano", "Liga", "J", "V", "E", "D", "GP", "GC", "Técnicos"}));
    const auto linhas = RetrospectoDoClube(jogo, clube);
    ASSERT_EQ(lista->rowCount(), 4);
    EXPECT_EQ(lista->item(1, TelaRetrospecto::kAno)->text(), QStringLiteral("2009"));
    // The season of its title: champion of division 1.
    EXPECT_EQ(lista->item(1, TelaRetrospecto::kLiga)->text(),
              QStringLiteral("1º - ") + ui::Q(nomedivisao(1)));
    EXPECT_EQ(lista->item(1, TelaRetrospecto::kJ)->text().toInt(), linhas[1].jogos);
    EXPECT_EQ(lista->item(1, TelaRetrospecto::kE)->text().toInt(), linhas[1].empates);
    EXPECT_EQ(lista->item(1, TelaRetrospecto::kD)->text().toInt(), linhas[1].derrotas);
    EXPECT_GT(linhas[1].jogos, 0);
    EXPECT_EQ(lista->item(1, TelaRetrospecto::kGC)->text().toInt(), linhas[1].golscontra);
    EXPECT_TRUE(lista->item(0, TelaRetrospecto::kTecnicos)
                    ->text()
                    .contains(NomeDoTecnico(jogo, jogo.times[clube].tecnico)));
    CoresAlternadas(lista);
    apoio_telas::Capturar(tela, "tela_retrospecto");

    // Any club of the leagues through the pickers.
    Escolher(tela.Paises(), jogo.LigaDoPais(97));
    EXPECT_EQ(jogo.times[tela.Clube()].pais, 97);
    EXPECT_EQ(lista->rowCount(), 4);
}

TEST(HistoricoTelas, TheMainScreensMenusAndKeysAndTheSeasonEndOpenThem) {
    Historia& h = Jogada();
    Jogo& jogo = *h.jogo;
    management::telas::TelaPrincipal principal(jogo);
    principal.resize(1280, 800);
    principal.show();
    QApplication::setActiveWindow(&principal);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&principal));
    const QString nomes[] = {"artilharia", "rankingclubes", "rankingtecnicos", "campeoes",
                             "retrospecto"};
    int k = 0;
    for (const TelaHistorico t : kTelasHistorico) {
        const QString nome = nomes[k++];
        // The menu entry.
        QAction* acao = nullptr;
        for (QAction* a : principal.actions())
            if (a->text() == NomeDaTela(t)) acao = a;
        ASSERT_NE(acao, nullptr) << nome.toStdString();
        EXPECT_TRUE(acao->isEnabled());
        EXPECT_EQ(AbrirEFechar([&] { acao->trigger(); }), nome);
        // Its key, with the focus on the squad.
        const QKeySequence tecla = TeclaDaTela(t);
        // The dialog just closed took the activation with it.
        QApplication::setActiveWindow(&principal);
        principal.grade()->setFocus();
        EXPECT_EQ(AbrirEFechar([&] {
                      QTest::keyClick(principal.focusWidget() ? principal.focusWidget()
                                                              : &principal,
                                      tecla[0].key(), tecla[0].keyboardModifiers());
                  }),
                  nome);
    }

    // The season end of a fourth season: the scorers open on the careers,
    // the season's goals being cleared by then.
    temporada::telas::TelaFimTemporada fim(jogo);
    fim.resize(1280, 800);
    fim.show();
    QApplication::processEvents();
    ASSERT_EQ(fim.BotoesHistorico().size(), std::size(kTelasHistorico));
    k = 0;
    for (QPushButton* b : fim.BotoesHistorico()) {
        EXPECT_EQ(AbrirEFechar([&] { b->click(); }), nomes[k]);
        EXPECT_EQ(b->shortcut(), TeclaDaTela(kTelasHistorico[k]));
        ++k;
    }
    TipoArtilharia tipo{};
    EXPECT_EQ(
        AbrirEFechar([&] { fim.BotoesHistorico()[0]->click(); },
                     [&](QDialog* d) { tipo = static_cast<TelaArtilharia*>(d)->Visao().tipo; }),
        QStringLiteral("artilharia"));
    EXPECT_EQ(tipo, TipoArtilharia::Carreira);
}

TEST(HistoricoTelas, TheRecordChartPlotsTheFinishesTheListShows) {
    Historia& h = Jogada();
    const Jogo& jogo = *h.jogo;
    const int clube = Campeoes(jogo, {1, 29, 1}).front().campeao;
    TelaRetrospecto tela(jogo, clube);
    tela.show();
    QApplication::processEvents();
    // Each division's line holds, oldest first, the places the list gives it.
    QTableWidget* lista = tela.Lista();
    std::map<QString, std::vector<double>> esperado;
    for (int k = lista->rowCount() - 1; k >= 0; --k) {
        const QStringList liga = lista->item(k, TelaRetrospecto::kLiga)->text().split(" - ");
        if (liga.size() == 2) esperado[liga[1]].push_back(liga[0].chopped(1).toInt());
    }
    ASSERT_FALSE(esperado.empty());
    for (const auto& [divisao, lugares] : esperado)
        EXPECT_EQ(ui::ValoresDaSerie(tela.Grafico(), divisao), lugares) << divisao.toStdString();
    // The title season is marked at its finish.
    EXPECT_FALSE(ui::ValoresDaSerie(tela.Grafico(), ui::T(2913)).empty());
    apoio_telas::Capturar(tela, "tela_grafico_retrospecto");
}
