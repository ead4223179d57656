// The desktop game from the menu: a new game with two humans, their turns on
// the main screen, a date played, a save through the name dialog and a load
// through the load dialog opening the same screen.
#include "apoio/apoio.hpp"
#include "apoio_telas.hpp"
#include "competitions/telas/dialogotecnicos.hpp"
#include "competitions/telas/telaescolhatime.hpp"
#include "competitions/telas/telanovojogo.hpp"
#include "competitions/telas/telatipojogo.hpp"
#include "management/telas/telaprincipal.hpp"
#include "persistence/jogosalvo.hpp"
#include "persistence/telas/dialogocarregar.hpp"
#include "persistence/telas/dialogonome.hpp"
#include "shell/janelaprincipal.hpp"
#include "shell/menuprincipal.hpp"
#include "shell/seletoridioma.hpp"
#include "temporada/autopiloto.hpp"
#include "temporada/telas/telafimtemporada.hpp"
#include "temporada/telas/telaresultados.hpp"
#include "ui/som.hpp"
#include "ui/textos.hpp"
#include "world/idioma.hpp"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <filesystem>

using apoio_telas::EscalarEJogar;
using apoio_telas::EsperarPor;
using apoio_telas::FecharDialogos;
using management::telas::TelaPrincipal;

namespace {

template <typename W> W* Achar(QWidget* raiz, const char* nome) {
    W* w = raiz->findChild<W*>(QLatin1String(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
}

// Runs `passo` on the next modal dialog as soon as it opens.
template <typename F> void NoProximoDialogo(F passo) {
    QTimer::singleShot(0, [passo] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        passo(w);
    });
}

} // namespace

TEST(JogoDesktop, FromTheMenuToTwoHumansTurnsASaveAndALoad) {
    std::filesystem::remove_all(persistence::PastaSav());
    shell::JanelaPrincipal janela;
    janela.DefinirIntervaloParaTestes(1);
    janela.show();
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Pitchlord 2007"));
    EXPECT_EQ(janela.TelaAtual(), janela.Menu());
    apoio_telas::Capturar(janela, "tela_menu");

    emit janela.Menu()->novoJogo();
    auto* novo = janela.TelaNovoJogo();
    ASSERT_NE(novo, nullptr);
    EXPECT_EQ(janela.TelaAtual(), novo);
    auto* tipo = novo->PaginaTipo();
    auto* ligas = Achar<QTableWidget>(tipo, "gridligas");
    for (int r = 0; r < ligas->rowCount(); ++r)
        if (ligas->item(r, 0)->data(Qt::UserRole).toInt() == 29)
            ligas->item(r, 0)->setCheckState(Qt::Checked);
    Achar<QRadioButton>(tipo, "rbdivisoes20")->setChecked(true);
    Achar<QSpinBox>(tipo, "sphumanos")->setValue(2);
    Achar<QPushButton>(tipo, "btcomecar")->click();
    auto* escolha = novo->PaginaEscolha();
    for (const char* clube : {"rbtime_1_1", "rbtime_1_2"}) {
        Achar<QRadioButton>(escolha, clube)->click();
        Achar<QLineEdit>(escolha, "ednome")->setText(QStringLiteral("Técnico"));
        Achar<QPushButton>(escolha, "btconfirmar")->click();
    }

    // The game is on its first date, a league date: the first human's screen.
    world::Jogo* jogo = janela.Jogo();
    ASSERT_NE(jogo, nullptr);
    TelaPrincipal* principal = janela.TelaPrincipal();
    ASSERT_NE(principal, nullptr);
    EXPECT_EQ(janela.TelaAtual(), principal);
    const int h1 = jogo->estado.timeshumanos[0], h2 = jogo->estado.timeshumanos[1];
    EXPECT_EQ(jogo->estado.timeatual, h1);
    EXPECT_EQ(principal->rotuloClube()->text(), ui::Q(jogo->times[h1].nome));
    const int data = jogo->estado.dataatual;
    QApplication::processEvents();

    // "Jogar >>" of the first human passes to the second one's screen.
    EscalarEJogar(principal);
    EXPECT_EQ(jogo->estado.timeatual, h2);
    EXPECT_EQ(principal->rotuloClube()->text(), ui::Q(jogo->times[h2].nome));
    EXPECT_EQ(jogo->estado.dataatual, data);
    apoio_telas::Capturar(janela, "tela_principal_segundo_humano");

    // The second one's plays the date on the clock, then the results; their
    // "Continuar >>" opens the next date on the first human again.
    jogo->estado.opcoes.opintervalo = 0;
    {
        // A penalty or an injury of a human club opens its screen: closed,
        // the computer's choice stands.
        FecharDialogos fechar;
        EscalarEJogar(principal);
        EXPECT_NE(janela.TelaPartida_(), nullptr);
        ASSERT_TRUE(EsperarPor([&] { return janela.TelaResultados() != nullptr; }));
    }
    auto* resultados = qobject_cast<temporada::telas::TelaResultados*>(janela.TelaResultados());
    ASSERT_NE(resultados, nullptr);
    EXPECT_EQ(janela.TelaAtual(), resultados);
    // Every match of the date is listed with its fixture's score.
    int dodia = 0;
    for (const auto& p : jogo->partidas)
        dodia += p.jogado && p.data == jogo->calendario[data - 1].data && p.competicao == 1;
    EXPECT_EQ(resultados->Jogos()->rowCount(), dodia);
    EXPECT_GT(resultados->Tabela()->rowCount(), 0);
    apoio_telas::Capturar(janela, "tela_resultados");
    {
        // Before a league date computer-run clubs may auction players: the
        // humans' bid screens are closed without a bid.
        FecharDialogos fechar;
        resultados->Continuar()->click();
    }
    EXPECT_GT(jogo->estado.dataatual, data);
    EXPECT_EQ(janela.TelaAtual(), principal);
    EXPECT_EQ(jogo->estado.timeatual, h1);
    int jogados = 0;
    for (const auto& p : jogo->partidas) jogados += p.jogado;
    EXPECT_GT(jogados, 0);

    // F2 on a game without a name: the name dialog, whose "Cancelar" saves
    // nothing.
    NoProximoDialogo([](QWidget* w) {
        auto* d = qobject_cast<persistence::telas::DialogoNome*>(w);
        ASSERT_NE(d, nullptr);
        Achar<QLineEdit>(d, "nome")->setText(QStringLiteral("desisti"));
        auto* cancelar = Achar<QPushButton>(d, "cancelar");
        EXPECT_EQ(cancelar->text(), ui::T(354));
        cancelar->click();
    });
    emit principal->salvar();
    EXPECT_TRUE(jogo->estado.arquivo.view().empty());
    EXPECT_FALSE(std::filesystem::exists(persistence::PastaSav() / "desisti.s07"));
    EXPECT_NE(principal->rotuloAviso()->text(), QStringLiteral("Jogo salvo"));

    NoProximoDialogo([](QWidget* w) {
        auto* d = qobject_cast<persistence::telas::DialogoNome*>(w);
        ASSERT_NE(d, nullptr);
        Achar<QLineEdit>(d, "nome")->setText(QStringLiteral("minha carreira"));
        Achar<QPushButton>(d, "salvar")->click();
    });
    emit principal->salvar();
    EXPECT_EQ(std::string(jogo->estado.arquivo.view()), "minha carreira.s07");
    ASSERT_TRUE(std::filesystem::exists(persistence::PastaSav() / "minha carreira.s07"));
    const auto dataSalva = jogo->estado.dataatual;

    // A second window loads it through the load dialog.
    shell::JanelaPrincipal outra;
    outra.show();
    NoProximoDialogo([](QWidget* w) {
        auto* d = qobject_cast<persistence::telas::DialogoCarregar*>(w);
        ASSERT_NE(d, nullptr);
        auto* lista = Achar<QTreeWidget>(d, "lista");
        ASSERT_EQ(lista->topLevelItemCount(), 1);
        lista->setCurrentItem(lista->topLevelItem(0));
        Achar<QPushButton>(d, "carregar")->click();
    });
    emit outra.Menu()->carregarJogo();
    ASSERT_NE(outra.Jogo(), nullptr);
    EXPECT_EQ(outra.TelaAtual(), outra.TelaPrincipal());
    EXPECT_EQ(outra.Jogo()->estado.dataatual, dataSalva);
    EXPECT_EQ(outra.Jogo()->estado.timeatual, h1);
    EXPECT_EQ(outra.TelaPrincipal()->rotuloClube()->text(), ui::Q(jogo->times[h1].nome));
    apoio_telas::Capturar(outra, "tela_principal_carregada");
}

TEST(JogoDesktop, SoundsStaySilentWhenTheOptionIsOffAndWithoutADevice) {
    ui::Som som;
    ASSERT_TRUE(som.Tem("gol"));
    som.Tocar("gol", false);
    EXPECT_EQ(som.Tocados(), 0);
    som.Tocar("gol", true);   // no sound device here: nothing but silence
    som.Tocar("apito", true); // no such sound
    EXPECT_EQ(som.Tocados(), 1);
}

TEST(JogoDesktop, TheMenuFollowsTheLanguage) {
    namespace fs = std::filesystem;
    {
        // A copy of the languages: the choice is remembered there, not in the
        // build's own folder other tests read.
        apoio::PastaTemporaria pasta;
        fs::create_directories(pasta / "languages");
        for (const char* f : {"10.txt", "11.txt"})
            fs::copy_file(fs::path(PITCHLORD_JOGO) / "languages" / f,
                          pasta / (std::string("languages/") + f));
        world::DefinirIdioma(10);
        shell::MenuPrincipal menu;
        const QString novo = menu.findChildren<QLabel*>().size() > 0 ? ui::T(1) : QString();
        shell::SeletorIdioma* idiomas = menu.Idiomas();
        idiomas->setCurrentIndex(idiomas->findData(11));
        EXPECT_EQ(ui::T(1), QStringLiteral("New game"));
        bool achou = false;
        for (QLabel* l : menu.findChildren<QLabel*>()) achou = achou || l->text() == ui::T(1);
        EXPECT_TRUE(achou); // the menu relabelled itself
        EXPECT_NE(novo, ui::T(1));
    }
    world::IniciarIdioma();
    EXPECT_EQ(world::IdiomaAtual(), 10);
}

TEST(JogoDesktop, MenuLabelsTurnWhiteUnderThePointer) {
    shell::MenuPrincipal menu;
    QLabel* novo = nullptr;
    for (QLabel* l : menu.findChildren<QLabel*>())
        if (l->text() == ui::T(1)) novo = l;
    ASSERT_NE(novo, nullptr);
    EXPECT_TRUE(novo->styleSheet().contains(QStringLiteral("#f0d000")));
    QEnterEvent entrou(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(novo, &entrou);
    EXPECT_TRUE(novo->styleSheet().contains(QStringLiteral("white")));
    QEvent saiu(QEvent::Leave);
    QApplication::sendEvent(novo, &saiu);
    EXPECT_TRUE(novo->styleSheet().contains(QStringLiteral("#f0d000")));
}

namespace {
class TecnicosDeTeste : public competitions::telas::DialogoTecnicos {
public:
    using DialogoTecnicos::DialogoTecnicos;
    QString nome;
    QStringList avisos;

protected:
    QString PedirNome() override { return nome; }
    void Avisar(const QString& t) override { avisos << t; }
};
} // namespace

TEST(JogoDesktop, TheHumanCoachesDialogRemovesOnlyCoachesWithoutAClub) {
    auto jogo = apoio_telas::NovoJogo({29}, 2);
    TecnicosDeTeste d(*jogo);
    d.show();
    const int clube = jogo->estado.timeshumanos[0];
    EXPECT_EQ(d.lista()->item(0, 2)->text(), ui::Q(jogo->times[clube].nome));
    d.lista()->setCurrentCell(0, 1);
    d.botaoRemover()->click();
    EXPECT_EQ(d.avisos, QStringList{ui::T(840)}); // still coaching
    d.nome = QStringLiteral("Reserva");
    d.botaoAdicionar()->click();
    EXPECT_EQ(d.lista()->item(2, 1)->text(), QStringLiteral("Reserva"));
    EXPECT_TRUE(d.lista()->item(2, 2)->text().isEmpty());
    d.lista()->setCurrentCell(2, 1);
    d.botaoRemover()->click();
    EXPECT_TRUE(d.lista()->item(2, 1)->text().isEmpty());
    EXPECT_EQ(jogo->estado.humanos[2], -1);
}

TEST(JogoDesktop, AWholeSeasonThroughTheScreensReachesTheSeasonEndAndTheNextSeason) {
    shell::JanelaPrincipal janela;
    janela.DefinirIntervaloParaTestes(1);
    janela.show();
    auto jogo = apoio_telas::NovoJogo({97}, 1);
    jogo->estado.opcoes.opintervalo = 0;
    std::shared_ptr<world::Jogo> partilhado(std::move(jogo));
    janela.ComecarJogo(partilhado);
    FecharDialogos fechar;
    int datas = 0;
    const bool chegou = EsperarPor(
        [&] {
            if (janela.TelaFimTemporada()) return true;
            if (janela.TelaAtual() == janela.TelaPrincipal() &&
                janela.TelaPrincipal()->caixaFormacao()->count() > 0) {
                EscalarEJogar(janela.TelaPrincipal());
            } else if (auto* r =
                           qobject_cast<temporada::telas::TelaResultados*>(janela.TelaAtual())) {
                ++datas;
                r->Continuar()->click();
            }
            return false;
        },
        240000);
    ASSERT_TRUE(chegou) << "dates played: " << datas;
    auto* fim = qobject_cast<temporada::telas::TelaFimTemporada*>(janela.TelaFimTemporada());
    ASSERT_NE(fim, nullptr);
    EXPECT_GE(fim->Campeoes()->rowCount(), 2); // league divisions and the cup
    apoio_telas::Capturar(janela, "tela_fimtemporada");
    EXPECT_EQ(partilhado->estado.temporada, 2); // prepared when the screen opened
    fim->Continuar()->click();
    // The new season's first date: the human's screen, or (a continental date
    // without him) the match screen straight away, then his screen.
    ASSERT_TRUE(EsperarPor([&] {
        if (auto* r = qobject_cast<temporada::telas::TelaResultados*>(janela.TelaAtual()))
            r->Continuar()->click();
        return janela.TelaAtual() == janela.TelaPrincipal();
    }));
    EXPECT_EQ(partilhado->estado.temporada, 2);
    EXPECT_GT(partilhado->estado.dataatual, 1);
    EXPECT_GT(datas, 38);
}

TEST(JogoDesktop, F2OnTheSeasonEndSavesAGameThatLoadsBackThereAndGoesOnAlike) {
    std::filesystem::remove_all(persistence::PastaSav());
    // A season played to its end by the autopilot: the season-end screen is next.
    auto jogo = apoio_telas::NovoJogo({97}, 1);
    {
        temporada::Autopiloto piloto(*jogo);
        piloto.fimdetemporada = [] { return false; };
        piloto.Entrar();
        ASSERT_TRUE(piloto.Jogar());
    }
    ASSERT_EQ(jogo->estado.tipo, -1);
    jogo->estado.arquivo = "fim de temporada.s07";
    std::shared_ptr<world::Jogo> partilhado(std::move(jogo));
    shell::JanelaPrincipal janela;
    janela.show();
    janela.ComecarJogo(partilhado, true);
    auto* fim = qobject_cast<temporada::telas::TelaFimTemporada*>(janela.TelaFimTemporada());
    ASSERT_NE(fim, nullptr);
    EXPECT_EQ(janela.TelaAtual(), fim);
    EXPECT_EQ(partilhado->estado.temporada, 2); // the next season is prepared
    EXPECT_EQ(fim->Salvar()->shortcut(), QKeySequence(Qt::Key_F2));
    fim->Salvar()->click();
    EXPECT_EQ(fim->RotuloAviso()->text(), QStringLiteral("Jogo salvo"));
    QApplication::processEvents();
    apoio_telas::Capturar(janela, "tela_fimtemporada_salvo");

    // Loaded, the game opens the season-end screen again and prepares the
    // same next season.
    shell::JanelaPrincipal outra;
    outra.show();
    ASSERT_TRUE(outra.CarregarJogo("fim de temporada.s07"));
    EXPECT_EQ(outra.TelaAtual(), outra.TelaFimTemporada());
    world::Jogo& lido = *outra.Jogo();
    EXPECT_EQ(lido.estado.temporada, 2);
    persistence::PreencherDescricao(*partilhado);
    // Byte for byte, the generator's state with it: what follows is alike.
    EXPECT_TRUE(persistence::SerializarJogo(lido) == persistence::SerializarJogo(*partilhado));
}
