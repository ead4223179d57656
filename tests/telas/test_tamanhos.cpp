// Every screen of the game fits a 1024 x 768 desktop: the smallest size each
// one's layout accepts is within the room a window has there, and each is
// captured at that size (build/capturas/tela_1024_*.png) for a look.
#include "apoio_telas.hpp"
#include "competitions/calendario.hpp"
#include "competitions/telas/dialogotecnicos.hpp"
#include "competitions/telas/relatoriopartida.hpp"
#include "competitions/telas/telacalendario.hpp"
#include "competitions/telas/telaclassificacao.hpp"
#include "competitions/telas/telacontinental.hpp"
#include "competitions/telas/telacopa.hpp"
#include "competitions/telas/telaescolhatime.hpp"
#include "competitions/telas/telaestaduais.hpp"
#include "competitions/telas/telanovojogo.hpp"
#include "competitions/telas/telatipojogo.hpp"
#include "competitions/telas/telatorneio.hpp"
#include "competitions/torneios.hpp"
#include "history/telas/telaartilharia.hpp"
#include "history/telas/telacampeoes.hpp"
#include "history/telas/telaclubeanos.hpp"
#include "history/telas/telarankingclubes.hpp"
#include "history/telas/telarankingtecnicos.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telaconvite.hpp"
#include "management/telas/telaconvocacao.hpp"
#include "management/telas/telaemails.hpp"
#include "management/telas/telaemprestimo.hpp"
#include "management/telas/telafinancas.hpp"
#include "management/telas/telajogador.hpp"
#include "management/telas/telaprincipal.hpp"
#include "management/telas/telaselecao.hpp"
#include "persistence/telas/dialogocarregar.hpp"
#include "persistence/telas/dialogonome.hpp"
#include "shell/dialogocores.hpp"
#include "shell/dialogoopcoes.hpp"
#include "shell/janelaprincipal.hpp"
#include "shell/menuprincipal.hpp"
#include "temporada/autopiloto.hpp"
#include "temporada/telas/dialogosaovivo.hpp"
#include "temporada/telas/telafimtemporada.hpp"
#include "temporada/telas/telapartida.hpp"
#include "temporada/telas/telapenaltis.hpp"
#include "temporada/telas/telaresultados.hpp"
#include "temporada/telas/visaoaovivo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"
#include "world/emails.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

// Runs on a 1024 x 768 screen (the test of that name sets it up), or on a
// 2048 x 1536 one at a scale factor of 2, which a window sees as the same
// room in twice the pixels; elsewhere there is nothing to measure.
bool Tela1024x768() {
    const QScreen* tela = QGuiApplication::primaryScreen();
    return tela && tela->availableSize() == QSize(1024, 768);
}

// Checks that `tela` opens within what a window has of the screen and that its
// layout fits there, and captures it as the player sees it: a page of the
// main window fills the room, a dialog keeps the size it opens at.
void Caber(QWidget& tela, const std::string& nome, bool pagina = false) {
    const QSize sala = ui::EspacoNaTela(&tela);
    EXPECT_LE(sala.width(), 1024);
    EXPECT_LE(sala.height(), 768);
    tela.ensurePolished();
    if (tela.layout()) tela.layout()->activate();
    const QSize minimo = tela.minimumSizeHint().expandedTo(tela.minimumSize());
    EXPECT_LE(minimo.width(), sala.width()) << nome;
    EXPECT_LE(minimo.height(), sala.height()) << nome;
    if (pagina) tela.resize(sala);
    tela.show();
    QApplication::processEvents();
    EXPECT_LE(tela.width(), sala.width()) << nome;
    EXPECT_LE(tela.height(), sala.height()) << nome;
    const bool dobro = tela.devicePixelRatioF() > 1.5;
    apoio_telas::Capturar(tela, (dobro ? "tela_2x_" : "tela_1024_") + nome);
    tela.hide();
}

// What a cell of `t` takes from its width before its text.
int MargemDaCelula(const QTableWidget& t) {
    return 2 * (t.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &t) + 1);
}

// The names in columns `colunas` of a list fit their cells.
void NomesInteiros(QTableWidget& t, std::initializer_list<int> colunas) {
    const int margem = MargemDaCelula(t);
    for (int k = 0; k < t.rowCount(); ++k)
        for (int c : colunas) {
            const QTableWidgetItem* it = t.item(k, c);
            ASSERT_NE(it, nullptr);
            const int icone = it->icon().isNull() ? 0 : t.iconSize().width() + 4;
            EXPECT_LE(QFontMetrics(it->font()).horizontalAdvance(it->text()) + margem + icone,
                      t.columnWidth(c))
                << it->text().toStdString();
        }
}

// The widest of `textos` in `fonte` fits column `c` of `t`.
void CabeNaColuna(const QTableWidget& t, int c, const std::vector<std::string>& textos,
                  const QFont& fonte) {
    const auto maior = apoio_telas::MaisLargos(textos, fonte, 1);
    ASSERT_FALSE(maior.empty());
    EXPECT_LE(QFontMetrics(fonte).horizontalAdvance(ui::Q(maior.front())) + MargemDaCelula(t),
              t.columnWidth(c))
        << maior.front();
}

// The widest names of the default world where the screens show them: the
// clubs of the first league take the widest club names, the first human's
// squad the widest player names (measured in bold, as starters and champions
// are written). Names are only shown: the game plays on as before.
void NomesMaisLargosDoMundo(world::Jogo& jogo) {
    QFont negrito = QApplication::font();
    negrito.setBold(true);
    const world::TLiga& l = jogo.ligas[0];
    const auto clubes = apoio_telas::MaisLargos(apoio_telas::ClubesDoMundo(), negrito, 40);
    std::size_t k = 0;
    for (int d = 0; d < l.numdivisoes; ++d)
        for (int c : l.divisoes[d])
            if (jogo.TimeValido(c)) jogo.times[c].nome = clubes[k++ % clubes.size()];
    const auto porTime = world::JogadoresPorTime(jogo);
    const auto jogadores = apoio_telas::MaisLargos(apoio_telas::JogadoresDoMundo(), negrito,
                                                   porTime[jogo.estado.timeshumanos[0]].size());
    k = 0;
    for (int j : porTime[jogo.estado.timeshumanos[0]])
        jogo.jogadores[j].nome = jogadores[k++ % jogadores.size()];
}

enum class Nomes { Proprios, Longos, DoMundo };

// A game a few dates into its first season, the human's squad on the pitch.
struct Temporada {
    std::unique_ptr<world::Jogo> jogo = apoio_telas::NovoJogo({29}, 2);
    int humano = 0;

    explicit Temporada(Nomes nomes = Nomes::Proprios) {
        if (nomes == Nomes::Longos) apoio_telas::NomesLongos(*jogo);
        if (nomes == Nomes::DoMundo) NomesMaisLargosDoMundo(*jogo);
        temporada::Autopiloto piloto(*jogo);
        int datas = 0;
        piloto.depoisdadata = [&](int) { return ++datas < 6; };
        piloto.Entrar();
        piloto.Jogar();
        humano = jogo->estado.timeshumanos[0];
    }
    std::vector<int> Onze() const {
        std::vector<int> r;
        const auto porTime = world::JogadoresPorTime(*jogo);
        for (int j : porTime[humano])
            if (r.size() < 11) r.push_back(j);
        return r;
    }
};

// The champions, places and top scorers of the current season in every
// competition: the first league's clubs in turn (the widest names first), the
// national teams with the widest country names, and `artilheiros` as scorers.
void TemporadaCampea(world::Jogo& jogo, const std::vector<int>& artilheiros) {
    const int temporada = jogo.estado.temporada;
    const world::TLiga& l = jogo.ligas[0];
    std::vector<int> clubes;
    for (int d = 0; d < l.numdivisoes; ++d)
        for (int c : l.divisoes[d])
            if (jogo.TimeValido(c)) clubes.push_back(c);
    std::vector<std::string> nomespaises;
    for (const world::TSelecao& s : jogo.selecoes) nomespaises.push_back(world::NomePais(s.pais));
    QFont negrito = QApplication::font();
    negrito.setBold(true);
    std::vector<int> paises;
    for (const std::string& n : apoio_telas::MaisLargos(nomespaises, negrito, 4))
        for (const world::TSelecao& s : jogo.selecoes)
            if (world::NomePais(s.pais) == n) paises.push_back(s.pais);
    // Competition, key, division and how many places it records.
    struct Titulo {
        int competicao, chave, divisao, lugares;
    };
    std::vector<Titulo> titulos;
    for (int d = 1; d <= l.numdivisoes; ++d) titulos.push_back({1, l.pais, d, 2});
    titulos.push_back({2, l.pais, -1, 2});
    titulos.push_back({3, 0, -1, 2});
    for (int c : {4, 6})
        for (int r : {1, 2}) titulos.push_back({c, r, -1, 2});
    titulos.push_back({5, -1, -1, 4});
    for (int c : {7, 8, 9}) titulos.push_back({c, paises.front(), -1, 4});
    int k = 0;
    for (const Titulo& t : titulos) {
        const bool torneio = t.competicao >= 7;
        for (int lugar = 1; lugar <= t.lugares; ++lugar, ++k) {
            const int time =
                torneio ? paises[(lugar - 1) % paises.size()] : clubes[k % clubes.size()];
            jogo.historicotitulos.push_back(
                {temporada, t.competicao, time, t.chave, t.divisao, lugar});
        }
        const int artilheiro = artilheiros[k % artilheiros.size()];
        jogo.artilheiros.push_back({temporada, t.competicao, clubes[k % clubes.size()], artilheiro,
                                    t.chave, 30, t.divisao});
    }
}

} // namespace

TEST(Tamanhos, TheMenuTheNewGamePagesAndTheMainScreenFit1024x768) {
    if (!Tela1024x768()) GTEST_SKIP() << "measured on a 1024 x 768 screen";
    {
        shell::MenuPrincipal menu;
        Caber(menu, "menu", true);
    }
    {
        competitions::telas::TelaNovoJogo novo(1);
        Caber(novo, "tipojogo", true);
        // The club choice at its tallest: four divisions of ten, each club
        // with its figures.
        auto* ligas = novo.PaginaTipo()->findChild<QTableWidget*>(QStringLiteral("gridligas"));
        ASSERT_NE(ligas, nullptr);
        for (int r = 0; r < ligas->rowCount(); ++r)
            if (ligas->item(r, 0)->data(Qt::UserRole).toInt() == world::kPaisCasa)
                ligas->item(r, 0)->setCheckState(Qt::Checked);
        novo.PaginaTipo()
            ->findChild<QRadioButton*>(QStringLiteral("rbdivisoes10"))
            ->setChecked(true);
        novo.PaginaTipo()->findChild<QPushButton*>(QStringLiteral("btcomecar"))->click();
        ASSERT_EQ(novo.PaginaAtual(), static_cast<QWidget*>(novo.PaginaEscolha()));
        Caber(novo, "escolhatime", true);
    }
    Temporada t(Nomes::DoMundo); // the widest names of the world
    // The widest characteristics a player may have, on one of the squad.
    std::vector<std::string> caracteristicas;
    for (int a = 0; a <= 13; ++a)
        for (int b = 0; b <= 13; ++b) caracteristicas.push_back(world::TextoCaracteristicas(a, b));
    {
        const auto maior = apoio_telas::MaisLargos(caracteristicas, QApplication::font(), 1);
        for (int a = 4; a <= 13; ++a)
            for (int b = 4; b <= 13; ++b)
                if (world::TextoCaracteristicas(a, b) == maior.front()) {
                    world::TJogador& j = t.jogo->jogadores[t.Onze().back()];
                    j.caract1 = a;
                    j.caract2 = b;
                }
    }
    // A squad longer than the grid shows, so that its scroll bar takes its
    // room too.
    {
        world::Jogo& jogo = *t.jogo;
        const auto porTime = world::JogadoresPorTime(jogo);
        const int outro = jogo.ligas[0].divisoes[1][0];
        for (std::size_t k = 0; k < 5 && k < porTime[outro].size(); ++k)
            jogo.jogadores[porTime[outro][k]].time = t.humano;
        jogo.indiceelencos.Invalidar(); // clubs changed by hand, not by a transfer
        world::ContarElenco(jogo, t.humano, world::JogadoresPorTime(jogo)[t.humano]);
    }
    management::telas::TelaPrincipal principal(*t.jogo);
    principal.Atualizar();
    Caber(principal, "principal", true);
    {
        // Every column of the squad grid shows without a sideways scroll, and
        // every name and characteristic of the world whole in it.
        using management::telas::GradeElenco;
        principal.resize(ui::EspacoNaTela(&principal));
        principal.show();
        QApplication::processEvents();
        GradeElenco* g = principal.grade();
        const QHeaderView* h = g->horizontalHeader();
        EXPECT_EQ(g->horizontalScrollBar()->maximum(), 0);
        EXPECT_GT(g->verticalScrollBar()->maximum(), 0);
        EXPECT_LE(h->sectionViewportPosition(GradeElenco::kColMoral) +
                      h->sectionSize(GradeElenco::kColMoral),
                  g->viewport()->width());
        NomesInteiros(*g, {GradeElenco::kColNome, GradeElenco::kColCaract, GradeElenco::kColSalario,
                           GradeElenco::kColPasse});
        QFont negrito = g->font();
        negrito.setBold(true); // the starters' names
        CabeNaColuna(*g, GradeElenco::kColNome, apoio_telas::JogadoresDoMundo(), negrito);
        CabeNaColuna(*g, GradeElenco::kColCaract, caracteristicas, g->font());
        principal.hide();
    }

    shell::JanelaPrincipal janela;
    janela.show();
    const QSize sala = ui::EspacoNaTela(&janela);
    EXPECT_LE(janela.width(), sala.width());
    EXPECT_LE(janela.height(), sala.height());
    EXPECT_LE(janela.minimumWidth(), sala.width());
    EXPECT_LE(janela.minimumHeight(), sala.height());
}

TEST(Tamanhos, TheMatchdayScreensFit1024x768) {
    if (!Tela1024x768()) GTEST_SKIP() << "measured on a 1024 x 768 screen";
    Temporada t(Nomes::DoMundo); // the widest names of the world
    world::Jogo& jogo = *t.jogo;
    // The next date of the humans, on the clock up to half-time.
    temporada::Autopiloto piloto(jogo);
    piloto.Entrar();
    ASSERT_EQ(piloto.proximo.tela, temporada::Tela::Principal);
    while (piloto.proximo.tela == temporada::Tela::Principal) {
        piloto.EscalarHumano(jogo.estado.timeatual);
        piloto.Seguir(temporada::Jogar(jogo, piloto.ia));
    }
    ASSERT_EQ(piloto.proximo.tela, temporada::Tela::Rodada);
    temporada::ExecucaoRodada ex;
    match::InteracaoPadrao respostas;
    temporada::AbrirRodadaDoDia(jogo, ex);
    ex.rodada.interacao = &respostas;
    {
        temporada::telas::TelaPartida partida(jogo, ex);
        partida.Comecar();
        ASSERT_EQ(ex.estado, temporada::EstadoRodada::Relogio);
        while (ex.estado == temporada::EstadoRodada::Relogio && ex.rodada.tempo == 1)
            partida.Timer1Timer();
        Caber(partida, "partida", true);
        // Every club's name whole, the human's match framed.
        for (const auto& l : partida.Linhas()) {
            EXPECT_EQ(l.mandante->text(), l.mandante->toolTip());
            EXPECT_EQ(l.visitante->text(), l.visitante->toolTip());
        }
        EXPECT_TRUE(std::any_of(partida.Linhas().begin(), partida.Linhas().end(),
                                [](const auto& l) { return l.humano; }));
        ASSERT_GT(ex.numjogoshumanos, 0);
        temporada::telas::VisaoAoVivo aovivo(jogo, ex.rodada, ex.jogoshumanos[0], true);
        Caber(aovivo, "aovivo_intervalo");
        temporada::telas::CaixaArbitro arbitro(0);
        Caber(arbitro, "arbitro");
        const auto onze = t.Onze();
        temporada::telas::TelaPenalti penalti(jogo, t.humano, onze, nullptr);
        Caber(penalti, "penalti");
        temporada::telas::TelaLance lance(jogo, onze.front(), true, 1, 100000, nullptr);
        Caber(lance, "penalti_lance");
        temporada::telas::TelaBatedores batedores(jogo, t.humano, onze, nullptr);
        Caber(batedores, "penaltis_batedores");
        temporada::telas::TelaAviso aviso(ui::T(482), 100000, nullptr);
        Caber(aviso, "penaltis_aviso");
        while (ex.estado == temporada::EstadoRodada::Relogio) temporada::Minuto(jogo, ex);
    }
    temporada::telas::TelaResultados resultados(jogo, ex);
    Caber(resultados, "resultados", true);
    // The names of the match list and of the table whole in their columns.
    NomesInteiros(*resultados.Jogos(), {0, 2});
    NomesInteiros(*resultados.Tabela(), {1});
    // A league date has its table too: below the details on this screen.
    const auto ultima = std::find_if(jogo.arquivo.jogos.rbegin(), jogo.arquivo.jogos.rend(),
                                     [](const auto& a) { return a.competicao == 1; });
    ASSERT_NE(ultima, jogo.arquivo.jogos.rend());
    temporada::ExecucaoRodada liga;
    liga.codigo = 1;
    liga.rodada.hoje = ultima->data;
    temporada::telas::TelaResultados resultadosliga(jogo, liga);
    Caber(resultadosliga, "resultados_liga", true);
    EXPECT_GT(resultadosliga.Tabela()->rowCount(), 0);
    EXPECT_FALSE(resultadosliga.LadoALado());
    NomesInteiros(*resultadosliga.Jogos(), {0, 2});
    NomesInteiros(*resultadosliga.Tabela(), {1});
    ASSERT_FALSE(jogo.arquivo.jogos.empty());
    competitions::telas::RelatorioPartida relatorio(
        jogo, static_cast<int>(jogo.arquivo.jogos.size()) - 1);
    Caber(relatorio, "relatorio");
}

TEST(Tamanhos, TablesDialogsAndTheSeasonEndFit1024x768) {
    if (!Tela1024x768()) GTEST_SKIP() << "measured on a 1024 x 768 screen";
    Temporada t;
    world::Jogo& jogo = *t.jogo;
    {
        competitions::telas::TelaClassificacao tela(jogo);
        Caber(tela, "classificacao");
    }
    {
        competitions::telas::TelaCopa tela(jogo);
        Caber(tela, "copa");
    }
    {
        competitions::telas::TelaEstaduais tela(jogo);
        Caber(tela, "estaduais");
    }
    {
        competitions::telas::TelaContinental tela(jogo);
        Caber(tela, "continental");
    }
    {
        competitions::telas::TelaMundial tela(jogo);
        Caber(tela, "mundial");
    }
    {
        competitions::telas::TelaCalendario tela(jogo, t.humano);
        Caber(tela, "calendario");
    }
    {
        competitions::telas::DialogoTecnicos tela(jogo);
        Caber(tela, "tecnicos");
    }
    {
        management::telas::TelaFinancas tela(jogo, t.humano);
        Caber(tela, "financas");
    }
    {
        management::telas::TelaEmprestimo tela(jogo, t.humano);
        Caber(tela, "emprestimo");
    }
    {
        // A message with its question open, the tallest the reading pane gets.
        world::PostarEmail(jogo, t.humano, world::kEmailSuspensao, 2, 0, 0, t.Onze().front());
        management::telas::TelaEmails tela(jogo, t.humano);
        tela.Selecionar(0);
        Caber(tela, "emails");
    }
    {
        shell::DialogoOpcoes tela(jogo);
        Caber(tela, "opcoes");
    }
    {
        shell::DialogoCores tela(jogo);
        Caber(tela, "cores");
    }
    {
        persistence::telas::DialogoNome tela;
        Caber(tela, "nome");
    }
    {
        persistence::telas::DialogoCarregar tela;
        Caber(tela, "carregar");
    }
    {
        // A season won by the clubs and players with the widest names of the
        // world, in every competition there is.
        NomesMaisLargosDoMundo(jogo);
        TemporadaCampea(jogo, t.Onze());
        temporada::telas::TelaFimTemporada tela(jogo);
        Caber(tela, "fimtemporada", true);
        tela.resize(ui::EspacoNaTela(&tela));
        tela.show();
        QApplication::processEvents();
        for (QTableWidget* lista : {tela.Campeoes(), tela.Artilheiros()}) {
            EXPECT_GT(lista->rowCount(), 10);
            EXPECT_EQ(lista->horizontalScrollBar()->maximum(), 0);
            NomesInteiros(*lista, {1, 2});
        }
        tela.hide();
    }
    {
        // The fullest card there can be: ten seasons of three clubs each and a
        // season in every competition of a club.
        const int jogador = t.Onze().front();
        world::TJogador& j = jogo.jogadores[jogador];
        jogo.estado.temporada = 14;
        world::THistoricoJogador h = world::NovoHistorico();
        for (int s = 0; s < 10; ++s)
            for (int k = 0; k < 3; ++k) h.clubes[s][k] = (s + k) % jogo.estado.numtimesligas;
        for (auto& linha : h.linhas)
            for (int s = 0; s <= 10; ++s) linha[s] = s == 0 ? 999 : 40 + s;
        jogo.historicos.push_back(h);
        j.historico = static_cast<int>(jogo.historicos.size()) - 1;
        for (int c = 0; c <= 6; ++c) j.jogos[c] = j.gols[c] = 10 + c;
        management::telas::TelaJogador tela(jogo, jogador);
        Caber(tela, "jogador");
        EXPECT_EQ(tela.tabelaTemporada()->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(tela.tabelaCarreira()->verticalScrollBar()->maximum(), 0);
    }
}

TEST(Tamanhos, HistoryScreensFit1024x768) {
    if (!Tela1024x768()) GTEST_SKIP() << "measured on a 1024 x 768 screen";
    Temporada t(Nomes::Longos);
    const world::Jogo& jogo = *t.jogo;
    {
        history::telas::TelaArtilharia tela(jogo, t.humano);
        Caber(tela, "artilharia");
    }
    {
        history::telas::TelaRankingClubes tela(jogo, t.humano);
        Caber(tela, "ranking_clubes");
        // The widest view: every competition in points.
        tela.Visoes()->setCurrentIndex(1);
        Caber(tela, "ranking_clubes_pontos");
    }
    {
        history::telas::TelaRankingTecnicos tela(jogo, t.humano);
        Caber(tela, "ranking_tecnicos");
    }
    {
        history::telas::TelaCampeoes tela(jogo, t.humano);
        Caber(tela, "campeoes");
    }
    {
        history::telas::TelaRetrospecto tela(jogo, t.humano);
        Caber(tela, "retrospecto");
    }
}

TEST(Tamanhos, TheNationalTeamScreensFit1024x768) {
    if (!Tela1024x768()) GTEST_SKIP() << "measured on a 1024 x 768 screen";
    Temporada t(Nomes::Longos); // a Copa America season
    world::Jogo& jogo = *t.jogo;
    ASSERT_TRUE(competitions::TorneioEmCurso(jogo));
    const std::vector<int> convite = competitions::SelecoesDoConvite(jogo, 1);
    ASSERT_FALSE(convite.empty());
    {
        management::telas::TelaConviteSelecao tela(jogo, 0, competitions::kCopaAmerica, convite);
        Caber(tela, "convite_selecao");
    }
    {
        management::telas::TelaConvocacao tela(jogo, 0, convite[0]);
        tela.Procurar();
        Caber(tela, "convocacao");
    }
    {
        management::telas::TelaSelecao tela(jogo);
        tela.Mostrar(convite[0]);
        Caber(tela, "selecao", true);
    }
    {
        competitions::telas::TelaTorneio tela(jogo);
        Caber(tela, "torneio");
    }
    // The largest of them: the World Cup's eight groups and sixteen pairings.
    competitions::EncerrarTorneio(jogo);
    jogo.estado.copadomundo = 1;
    ASSERT_TRUE(competitions::SortearCopaDoMundo(jogo));
    competitions::telas::TelaTorneio tela(jogo);
    EXPECT_EQ(tela.NumeroDeGrupos(), 8);
    EXPECT_EQ(tela.NumeroDeCaixas(), 16);
    Caber(tela, "torneio_copadomundo");
}
