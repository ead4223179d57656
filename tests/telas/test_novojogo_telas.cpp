#include "apoio_telas.hpp"
#include "competitions/calendario.hpp"
#include "competitions/novojogo.hpp"
#include "competitions/telas/telaescolhatime.hpp"
#include "competitions/telas/telainicializacao.hpp"
#include "competitions/telas/telanovojogo.hpp"
#include "competitions/telas/telapersonalizado.hpp"
#include "competitions/telas/telatipojogo.hpp"
#include "match/escalacaoautomatica.hpp"
#include "plataforma/cp1252.hpp"
#include "plataforma/ordemalfabetica.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"
#include "world/paises.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace competitions::telas;

namespace {

template <typename W> W* Achar(QWidget* raiz, const char* nome) {
    W* w = raiz->findChild<W*>(QLatin1String(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
}

void MarcarLinha(QTableWidget* grid, int pais) {
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 0)->data(Qt::UserRole).toInt() == pais)
            grid->item(r, 0)->setCheckState(Qt::Checked);
}

void EscolherPais(QComboBox* cb, int pais) {
    cb->setCurrentIndex(cb->findData(pais));
}

// The first offered main country outside continent 0 other than home, and one
// of continent 0; -1 when the world has none.
int PaisDoContinente(QComboBox* cb, bool europeu) {
    for (int i = 0; i < cb->count(); ++i) {
        const int p = cb->itemData(i).toInt();
        if (p != world::kPaisCasa && (world::ContinentePais(p) == 0) == europeu) return p;
    }
    return -1;
}

// A scan of made-up entries: `n` usable files of one country.
void Acrescentar(world::IndiceTimes& indice, int pais, int n) {
    for (int i = 0; i < n; ++i) {
        world::EntradaIndice e;
        e.pais = static_cast<world::u8>(pais);
        e.valido = 1;
        e.versao = 7;
        e.nivel = 5;
        e.nome = "Clube " + std::to_string(i);
        e.arquivo = "c" + std::to_string(pais) + "_" + std::to_string(i) + ".b07";
        indice.push_back(e);
    }
}

} // namespace

TEST(TelaNovoJogo, StartingWithoutALeagueShowsTheMessageAndStays) {
    TelaNovoJogo tela(7);
    tela.show();
    auto* grid = Achar<QTableWidget>(&tela, "gridligas");
    ASSERT_GT(grid->rowCount(), 0);
    for (int r = 0; r < grid->rowCount(); ++r)
        EXPECT_EQ(grid->item(r, 0)->checkState(), Qt::Unchecked); // nothing ticked at first
    Achar<QPushButton>(&tela, "btcomecar")->click();

    const auto avisos = tela.findChildren<QMessageBox*>();
    ASSERT_EQ(avisos.size(), 1);
    EXPECT_EQ(avisos.front()->text(), ui::T(728));
    EXPECT_TRUE(avisos.front()->isModal() || avisos.front()->windowModality() != Qt::NonModal);
    avisos.front()->accept();
    EXPECT_EQ(tela.PaginaAtual(), tela.PaginaTipo());
    EXPECT_EQ(tela.JogoEmPreparo(), nullptr);
}

TEST(TelaNovoJogo, OptionsFollowTheMainCountryAndEachOther) {
    TelaNovoJogo tela(7);
    TelaTipoJogo* tipo = tela.PaginaTipo();
    auto* cbpais = Achar<QComboBox>(tipo, "cbpaisprincipal");
    auto* copa = Achar<QCheckBox>(tipo, "ckcopanacional");
    auto* estaduais = Achar<QCheckBox>(tipo, "ckestaduais");
    auto* c1 = Achar<QCheckBox>(tipo, "ckcontinental1");
    auto* c2 = Achar<QCheckBox>(tipo, "ckcontinental2");

    // Defaults: home country, divisions of 10, state championships off.
    EXPECT_EQ(cbpais->currentData().toInt(), world::kPaisCasa);
    EXPECT_TRUE(Achar<QRadioButton>(tipo, "rbdivisoes10")->isChecked());
    EXPECT_EQ(Achar<QRadioButton>(tipo, "rbdivisoes10")->text(), ui::T(22));
    EXPECT_FALSE(tipo->Opcoes().divisoesde20);
    EXPECT_EQ(tipo->Opcoes().numhumanos, 1);
    EXPECT_EQ(copa->text(), QStringLiteral("Jogar Copa do Brasil"));
    EXPECT_EQ(c1->text(), QStringLiteral("Jogar Taça Libertadores"));
    EXPECT_EQ(c2->text(), QStringLiteral("Jogar Copa Sul-Americana"));
    EXPECT_FALSE(estaduais->isHidden());
    EXPECT_FALSE(tipo->Opcoes().estaduais);
    estaduais->setChecked(true);
    EXPECT_TRUE(tipo->Opcoes().estaduais);

    const int europeu = PaisDoContinente(cbpais, true);
    ASSERT_GE(europeu, 0) << "the default world offers a league of continent 0";
    EscolherPais(cbpais, europeu);
    EXPECT_EQ(copa->text(), QStringLiteral("Jogar Copa do(a) ") + ui::Q(world::NomePais(europeu)));
    EXPECT_EQ(c1->text(), QStringLiteral("Jogar Copa dos Campeões"));
    EXPECT_EQ(c2->text(), QStringLiteral("Jogar Copa da UEFA"));
    EXPECT_TRUE(estaduais->isHidden());
    EXPECT_FALSE(tipo->Opcoes().estaduais); // the old tick does not count abroad
    EscolherPais(cbpais, world::kPaisCasa);
    EXPECT_FALSE(estaduais->isHidden());

    // The second continental cup never runs without the first.
    c1->setChecked(false);
    EXPECT_FALSE(c2->isChecked());
    c2->setChecked(true);
    EXPECT_TRUE(c1->isChecked());
    EXPECT_TRUE(tipo->Opcoes().continental2);

    // The custom championship takes none of these options.
    Achar<QRadioButton>(tipo, "rbpersonalizado")->setChecked(true);
    EXPECT_FALSE(cbpais->isEnabledTo(tipo));
    EXPECT_FALSE(Achar<QTableWidget>(tipo, "gridligas")->isEnabledTo(tipo));
    EXPECT_FALSE(c1->isEnabledTo(tipo));
    EXPECT_FALSE(Achar<QSpinBox>(tipo, "sphumanos")->isEnabledTo(tipo));
    EXPECT_TRUE(Achar<QPushButton>(tipo, "btcomecar")->isEnabledTo(tipo));
    Achar<QRadioButton>(tipo, "rbclubes")->setChecked(true);
    EXPECT_TRUE(cbpais->isEnabledTo(tipo));

    tela.resize(1280, 800);
    MarcarLinha(Achar<QTableWidget>(tipo, "gridligas"), world::kPaisCasa);
    tela.show();
    apoio_telas::Capturar(tela, "tela_tipojogo");
}

TEST(TelaNovoJogo, CustomChampionshipNeeds42ClubsAndWarnsAbove1000) {
    world::IndiceTimes indice;
    Acrescentar(indice, 40, 41);
    Acrescentar(indice, 50, 1);
    Acrescentar(indice, 60, 1000);
    Acrescentar(indice, 70, 0);
    TelaPersonalizado pagina(indice);
    auto* grid = Achar<QTableWidget>(&pagina, "gridpaises");
    auto* continuar = Achar<QPushButton>(&pagina, "btcontinuar");
    auto* aviso = Achar<QLabel>(&pagina, "lbaviso");
    EXPECT_EQ(grid->rowCount(), 3); // a country without files is not listed
    EXPECT_FALSE(continuar->isEnabled());

    MarcarLinha(grid, 40);
    EXPECT_EQ(pagina.TotalMarcado(), 41);
    EXPECT_FALSE(continuar->isEnabled());
    MarcarLinha(grid, 50);
    EXPECT_EQ(pagina.TotalMarcado(), 42);
    EXPECT_TRUE(continuar->isEnabled());
    EXPECT_TRUE(aviso->isHidden());
    EXPECT_EQ(Achar<QLabel>(&pagina, "lbmarcados")->text(), QStringLiteral("Países marcados: 2"));
    MarcarLinha(grid, 60);
    EXPECT_EQ(pagina.TotalMarcado(), 1042);
    EXPECT_FALSE(aviso->isHidden());
    EXPECT_EQ(aviso->text(), QStringLiteral("(o limite para este campeonato é de 1000 clubes, "
                                            "alguns clubes selecionados não serão incluídos)"));
    EXPECT_EQ(Achar<QLabel>(&pagina, "lbtotal")->text(), QStringLiteral("Clubes marcados: 1042"));

    const auto o = pagina.Opcoes();
    EXPECT_EQ(o.paises.size(), 3u);
    EXPECT_TRUE(o.copanacional);
    EXPECT_FALSE(o.divisoesde20);
}

TEST(TelaNovoJogo, CustomChampionshipOfTheDefaultWorldOpensTheClubChoiceWithoutPicker) {
    TelaNovoJogo tela(3);
    tela.resize(1280, 800);
    tela.show();
    Achar<QRadioButton>(tela.PaginaTipo(), "rbpersonalizado")->setChecked(true);
    Achar<QPushButton>(tela.PaginaTipo(), "btcomecar")->click();
    ASSERT_EQ(tela.PaginaAtual(), tela.PaginaPersonalizado());
    TelaPersonalizado* p = tela.PaginaPersonalizado();
    auto* grid = Achar<QTableWidget>(p, "gridpaises");
    // The countries as a Portuguese reader looks for them: accents aside.
    for (int r = 1; r < grid->rowCount(); ++r) {
        auto chave = [&](int linha) {
            return plataforma::ChaveAlfabetica(
                plataforma::Utf8ParaCp1252(grid->item(linha, 0)->text().toStdString()));
        };
        EXPECT_LE(chave(r - 1), chave(r)) << r;
    }
    for (int r = 0; r < grid->rowCount() && p->TotalMarcado() < 60; ++r)
        grid->item(r, 0)->setCheckState(Qt::Checked);
    ASSERT_GE(p->TotalMarcado(), competitions::kMinimoPersonalizado);
    apoio_telas::Capturar(tela, "tela_personalizado");

    Achar<QPushButton>(p, "btvoltar")->click();
    EXPECT_EQ(tela.PaginaAtual(), tela.PaginaTipo());
    Achar<QPushButton>(tela.PaginaTipo(), "btcomecar")->click();
    Achar<QPushButton>(p, "btcontinuar")->click();
    ASSERT_EQ(tela.PaginaAtual(), tela.PaginaEscolha());
    ASSERT_NE(tela.JogoEmPreparo(), nullptr);
    EXPECT_EQ(tela.JogoEmPreparo()->estado.paisprincipal, world::kPaisInternacional);
    EXPECT_TRUE(Achar<QComboBox>(tela.PaginaEscolha(), "cbliga")->isHidden());
    EXPECT_FALSE(Achar<QGroupBox>(tela.PaginaEscolha(), "divisao4")->isHidden());
}

TEST(TelaNovoJogo, TwoHumansChooseTheirClubsAndTheGameStartsOnItsFirstDate) {
    TelaNovoJogo tela(11);
    tela.resize(1280, 800);
    tela.show();
    std::shared_ptr<world::Jogo> criado;
    bool cancelou = false;
    QObject::connect(&tela, &TelaNovoJogo::jogoCriado,
                     [&](std::shared_ptr<world::Jogo> j) { criado = std::move(j); });
    QObject::connect(&tela, &TelaNovoJogo::cancelado, [&] { cancelou = true; });

    TelaTipoJogo* tipo = tela.PaginaTipo();
    MarcarLinha(Achar<QTableWidget>(tipo, "gridligas"), world::kPaisCasa);
    Achar<QRadioButton>(tipo, "rbdivisoes20")->setChecked(true);
    Achar<QSpinBox>(tipo, "sphumanos")->setValue(2);
    Achar<QPushButton>(tipo, "btcomecar")->click();
    ASSERT_EQ(tela.PaginaAtual(), tela.PaginaEscolha());

    TelaEscolhaTime* escolha = tela.PaginaEscolha();
    auto* titulo = Achar<QLabel>(escolha, "lbtitulo");
    auto* confirmar = Achar<QPushButton>(escolha, "btconfirmar");
    auto* nome = Achar<QLineEdit>(escolha, "ednome");
    EXPECT_EQ(titulo->text(), QStringLiteral("Time 1"));
    EXPECT_EQ(confirmar->text(), ui::T(65) + QStringLiteral(" 2"));
    // Divisions of 20: two columns, the others hidden.
    EXPECT_FALSE(Achar<QGroupBox>(escolha, "divisao2")->isHidden());
    EXPECT_TRUE(Achar<QGroupBox>(escolha, "divisao3")->isHidden());
    EXPECT_FALSE(Achar<QRadioButton>(escolha, "rbtime_1_20")->isHidden());
    EXPECT_FALSE(confirmar->isEnabled());

    auto* primeiro = Achar<QRadioButton>(escolha, "rbtime_1_3");
    primeiro->click();
    EXPECT_FALSE(confirmar->isEnabled()); // still no name
    nome->setText(QStringLiteral("   "));
    EXPECT_FALSE(confirmar->isEnabled());
    nome->setText(QStringLiteral("Técnico Número Um com nome longo"));
    const QString nome1 = nome->text();
    EXPECT_EQ(nome1, QStringLiteral("Técnico Número Um com nom")); // 25 letters at most
    EXPECT_TRUE(confirmar->isEnabled());
    const int time1 = escolha->TimeEscolhido();
    ASSERT_GE(time1, 0);
    EXPECT_EQ(primeiro->text(), ui::Q(tela.JogoEmPreparo()->times[time1].nome));
    confirmar->click();

    EXPECT_EQ(escolha->Humano(), 1);
    EXPECT_EQ(titulo->text(), ui::T(62) + QStringLiteral(" 2"));
    EXPECT_EQ(confirmar->text(), ui::T(63));
    EXPECT_FALSE(confirmar->isEnabled());
    EXPECT_TRUE(nome->text().isEmpty());
    EXPECT_FALSE(primeiro->isEnabled()); // taken by the first human
    auto* segundo = Achar<QRadioButton>(escolha, "rbtime_2_5");
    segundo->click();
    nome->setText(QStringLiteral("Segunda"));
    const int time2 = escolha->TimeEscolhido();
    ASSERT_GE(time2, 0);
    apoio_telas::Capturar(tela, "tela_escolhatime");

    std::vector<int> progresso;
    QObject::connect(Achar<QProgressBar>(tela.PaginaInicializacao(), "barra"),
                     &QProgressBar::valueChanged, [&](int v) { progresso.push_back(v); });
    confirmar->click();
    ASSERT_NE(criado, nullptr);
    EXPECT_FALSE(cancelou);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(progresso, (std::vector<int>{10, 40, 60, 70, 80, 100}));
    apoio_telas::Capturar(tela, "tela_inicializacao");

    const auto& e = criado->estado;
    EXPECT_EQ(e.numhumanos, 2);
    EXPECT_EQ(e.divisoesporliga, 2);
    // The game opens on the season's first date with something to play.
    EXPECT_EQ(e.temporada, 1);
    ASSERT_GE(e.dataatual, 1);
    EXPECT_GT(competitions::CompeticaoDaData(*criado, e.dataatual), 0);
    for (int n = 1; n < e.dataatual; ++n) EXPECT_LE(competitions::CompeticaoDaData(*criado, n), 0);
    const std::vector<int> humanos(e.timeshumanos, e.timeshumanos + 2);
    EXPECT_NE(std::find(humanos.begin(), humanos.end(), time1), humanos.end());
    EXPECT_NE(std::find(humanos.begin(), humanos.end(), time2), humanos.end());
    EXPECT_EQ(criado->times[time1].humano, 1);
    EXPECT_EQ(criado->times[time2].humano, 1);
    EXPECT_EQ(criado->ligas[0].temhumano, 1);
    const int tecnico1 = criado->times[time1].tecnico;
    ASSERT_GE(tecnico1, 0);
    EXPECT_EQ(criado->tecnicos[tecnico1].nome.str(), ui::ParaJogo(nome1));
}

TEST(TelaNovoJogo, EachClubShowsTheStrengthLevelAndCashItWillStartWith) {
    TelaNovoJogo tela(12);
    tela.resize(1280, 800);
    tela.show();
    std::shared_ptr<world::Jogo> criado;
    QObject::connect(&tela, &TelaNovoJogo::jogoCriado,
                     [&](std::shared_ptr<world::Jogo> j) { criado = std::move(j); });
    TelaTipoJogo* tipo = tela.PaginaTipo();
    MarcarLinha(Achar<QTableWidget>(tipo, "gridligas"), world::kPaisCasa);
    Achar<QRadioButton>(tipo, "rbdivisoes10")->setChecked(true);
    Achar<QPushButton>(tipo, "btcomecar")->click();
    ASSERT_EQ(tela.PaginaAtual(), tela.PaginaEscolha());
    TelaEscolhaTime* escolha = tela.PaginaEscolha();
    EXPECT_FALSE(Achar<QGroupBox>(escolha, "divisao4")->isHidden());

    // What each shown club's row says, by club.
    struct Linha {
        QString forca, nivel, caixa;
    };
    std::map<int, Linha> mostrado;
    const world::Jogo& preparo = *tela.JogoEmPreparo();
    const world::TLiga& liga = preparo.ligas[0];
    for (int d = 0; d < liga.numdivisoes; ++d)
        for (int s = 0; s < 10; ++s) {
            const int k = d * 20 + s;
            using D = TelaEscolhaTime;
            mostrado[liga.divisoes[d][s]] = {escolha->DetalheDoBotao(k, D::kForca)->text(),
                                             escolha->DetalheDoBotao(k, D::kNivel)->text(),
                                             escolha->DetalheDoBotao(k, D::kCaixa)->text()};
        }
    ASSERT_EQ(mostrado.size(), static_cast<std::size_t>(liga.numdivisoes * 10));
    apoio_telas::Capturar(tela, "tela_escolhatime_divisoes10");

    Achar<QRadioButton>(escolha, "rbtime_2_4")->click();
    Achar<QLineEdit>(escolha, "ednome")->setText(QStringLiteral("Novato"));
    Achar<QPushButton>(escolha, "btconfirmar")->click();
    ASSERT_NE(criado, nullptr);

    // The game as it starts: the level and the cash shown, and the best
    // eleven's strength within the draw's reach of the one shown.
    const auto porTime = world::JogadoresPorTime(*criado);
    for (const auto& [clube, linha] : mostrado) {
        const world::TTime& t = criado->times[clube];
        EXPECT_EQ(linha.nivel, QString::number(t.nivel)) << clube;
        EXPECT_EQ(linha.caixa, ui::Dinheiro(t.dinheiro)) << clube;
        std::vector<match::ForcaNaPosicao> elenco;
        for (int j : porTime[clube])
            elenco.push_back({criado->jogadores[j].posicao, double(criado->jogadores[j].forca)});
        EXPECT_NEAR(linha.forca.toDouble(), match::ForcaDoOnze(elenco), 3.0) << clube;
    }
}

TEST(TelaNovoJogo, BackGoesToTheMenu) {
    TelaNovoJogo tela(1);
    tela.show();
    bool cancelou = false;
    QObject::connect(&tela, &TelaNovoJogo::cancelado, [&] { cancelou = true; });
    Achar<QPushButton>(tela.PaginaTipo(), "btvoltar")->click();
    EXPECT_TRUE(cancelou);
    EXPECT_EQ(Achar<QPushButton>(tela.PaginaTipo(), "btvoltar")->text(),
              QStringLiteral("<< Voltar ao Início"));
}
