// The window stays responsive on a long whole-world game: ten seasons of
// every league (and the state championships) are played, the game is opened
// in the real main window, and scripted clicks open every screen its menus
// and keys reach (every tab, a few choices of every list, the first line of
// every table), play a matchday to its results and load a save from the
// menu; the game is saved (F2) and loaded from the menu. A heartbeat on the
// event loop records the longest block of each step; none may pass 100 ms
// but those listed in kAindaLentos, printed apart.
#include "apoio_telas.hpp"
#include "competitions/novojogo.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telaprincipal.hpp"
#include "persistence/jogosalvo.hpp"
#include "persistence/telas/dialogocarregar.hpp"
#include "shell/janelaprincipal.hpp"
#include "shell/menuprincipal.hpp"
#include "temporada/autopiloto.hpp"
#include "temporada/telas/telaresultados.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/clubes.hpp"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Steps measured near or over the limit on a busy machine, printed but not
// yet checked: the main screen's opening and its formation box, both on the
// squad grid, are still to be made lighter.
const std::vector<std::string> kAindaLentos = {"Rodada: formacao", "Tela principal"};
constexpr double kLimiteMs = 100;
constexpr int kTemporadas = 10;

// A 1 ms heartbeat on the event loop: the longest gap between two beats is
// the longest time the loop was kept from its events. Gaps are charged to
// the step on when they end; a step is closed with a last beat.
class Relogio {
public:
    Relogio() {
        batida_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&batida_, &QTimer::timeout, [this] { Bater(); });
        tempo_.start();
        ultima_ = tempo_.nsecsElapsed();
        batida_.start(1);
    }
    void Comecar(const std::string& passo) {
        Encerrar();
        passo_ = passo;
        maior_ = 0;
    }
    void Encerrar() {
        Bater();
        if (!passo_.empty()) passos_.push_back({passo_, maior_});
        passo_.clear();
    }
    struct Passo {
        std::string nome;
        double ms;
    };
    const std::vector<Passo>& Passos() const { return passos_; }

private:
    void Bater() {
        const qint64 agora = tempo_.nsecsElapsed();
        maior_ = std::max(maior_, static_cast<double>(agora - ultima_) / 1e6);
        ultima_ = agora;
    }
    QTimer batida_;
    QElapsedTimer tempo_;
    qint64 ultima_ = 0;
    std::string passo_;
    double maior_ = 0;
    std::vector<Passo> passos_;
};

// Lets the loop run (paint, timers) for `ms`, as a person looking would.
void Assentar(int ms = 40) {
    QEventLoop laco;
    QTimer::singleShot(ms, &laco, &QEventLoop::quit);
    laco.exec();
}

std::string Texto(const QString& s) {
    QString t = s;
    t.remove(QLatin1Char('&'));
    return t.toStdString();
}

// Opens screens and walks through them, each move one step of the clock.
class Explorador {
public:
    explicit Explorador(Relogio& r) : relogio_(r) {}

    // Runs `abrir` as step `nome`; a dialog it opens is walked through
    // (`profundidade` levels of dialogs opened from it) and closed.
    void Abrir(const std::string& nome, const std::function<void()>& abrir, int profundidade) {
        QWidget* antes = QApplication::activeModalWidget();
        bool explorando = false;
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (explorando || !d || d == antes) return;
            explorando = true;
            Assentar();
            Percorrer(*d, nome, profundidade);
            relogio_.Comecar(nome + " / fechar");
            d->reject();
            explorando = false;
        });
        relogio_.Comecar(nome);
        vigia.start(2);
        abrir();
        vigia.stop();
        Assentar();
        relogio_.Encerrar();
    }

private:
    void Percorrer(QDialog& d, const std::string& nome, int profundidade) {
        for (QTabBar* abas : d.findChildren<QTabBar*>()) {
            if (!abas->isVisible()) continue;
            for (int i = 1; i < abas->count(); ++i) {
                relogio_.Comecar(nome + " / " + Texto(abas->tabText(i)));
                abas->setCurrentIndex(i);
                Assentar();
            }
        }
        if (profundidade < 1) return;
        for (QComboBox* caixa : d.findChildren<QComboBox*>()) {
            if (!caixa->isVisible() || !caixa->isEnabled() || caixa->count() < 2) continue;
            const int inicial = caixa->currentIndex();
            // Every choice of a short list, a few of a long one.
            std::vector<int> escolhas;
            if (caixa->count() <= 6)
                for (int i = 0; i < caixa->count(); ++i) escolhas.push_back(i);
            else
                escolhas = {0, 1, caixa->count() / 2, caixa->count() - 1};
            escolhas.push_back(inicial);
            for (int i : escolhas) {
                if (i == caixa->currentIndex()) continue;
                relogio_.Comecar(nome + " / " + Texto(caixa->itemText(i)));
                caixa->setCurrentIndex(i);
                Assentar();
            }
        }
        for (QTableWidget* t : d.findChildren<QTableWidget*>()) {
            if (!t->isVisible() || t->rowCount() == 0) continue;
            const int coluna = t->columnCount() > 1 ? 1 : 0;
            Abrir(
                nome + " / " + (t->objectName().isEmpty() ? "linha" : Texto(t->objectName())),
                [t, coluna] { emit t->cellDoubleClicked(0, coluna); }, profundidade - 1);
        }
    }

    Relogio& relogio_;
};

// Ten seasons of the whole world by the autopilot, stopped on the main
// screen a few dates into the next one.
std::shared_ptr<world::Jogo> JogoDeDezTemporadas() {
    auto jogo = std::make_shared<world::Jogo>();
    const world::IndiceTimes indice = world::contatimes();
    competitions::OpcoesNovoJogo o;
    o.ligas = competitions::LigasOferecidas(indice);
    const auto casa = std::find(o.ligas.begin(), o.ligas.end(), world::kPaisCasa);
    if (casa != o.ligas.end()) std::rotate(o.ligas.begin(), casa, casa + 1);
    o.paisprincipal = o.ligas.front();
    o.divisoesde20 = true;
    o.estaduais = true;
    jogo->gerador.Semear(11);
    competitions::IniciarJogoDeClubes(*jogo, indice, o);
    competitions::EscolherTime(*jogo, 0, jogo->ligas[0].divisoes[0][0], "Tecnico");
    competitions::InicializarJogo(*jogo);

    temporada::Autopiloto piloto(*jogo);
    const int ultima = jogo->estado.temporada + kTemporadas;
    auto passou = [&] { return jogo->estado.temporada == ultima && jogo->estado.dataatual > 6; };
    piloto.naprincipal = [&] { return !passou(); };
    piloto.Entrar();
    EXPECT_TRUE(piloto.Jogar());
    return jogo;
}

class JanelaDoTeste : public shell::JanelaPrincipal {
protected:
    bool ConfirmarSaida() override { return true; }
    Saida EscolherSaida() override { return Saida::Menu; }
};

} // namespace

TEST(Fluidez, NoStepOfALongWholeWorldGameBlocksTheWindowOver100ms) {
    std::filesystem::remove_all(persistence::PastaSav());
    std::shared_ptr<world::Jogo> jogo = JogoDeDezTemporadas();
    persistence::PreencherDescricao(*jogo);
    std::filesystem::create_directories(persistence::PastaSav());
    ASSERT_TRUE(persistence::GravarJogo(persistence::PastaSav() / "longo.s07", *jogo));

    JanelaDoTeste janela;
    janela.DefinirIntervaloParaTestes(1);
    janela.resize(1024, 768);
    janela.show();
    Relogio relogio;
    Explorador explorador(relogio);
    Assentar();

    explorador.Abrir(
        "Tela principal", [&] { janela.ComecarJogo(jogo, true); }, 0);
    management::telas::TelaPrincipal* principal = janela.TelaPrincipal();
    ASSERT_NE(principal, nullptr);
    ASSERT_EQ(janela.TelaAtual(), principal)
        << janela.TelaAtual()->metaObject()->className() << " data " << jogo->estado.dataatual
        << " temporada " << jogo->estado.temporada;

    // Every entry of the menus, but those that leave the game or write it.
    const std::vector<QString> fora = {QStringLiteral("Sair do jogo"), QStringLiteral("Se demitir"),
                                       ui::T(ui::kTextoSalvar)};
    for (QAction* a : principal->actions()) {
        if (!a->isEnabled() || a->text().isEmpty() ||
            std::find(fora.begin(), fora.end(), a->text()) != fora.end())
            continue;
        explorador.Abrir(
            Texto(a->text()), [a] { a->trigger(); }, 2);
    }
    // A player's card from the squad.
    int jogador = 0;
    while (jogador < static_cast<int>(jogo->jogadores.size()) &&
           jogo->jogadores[jogador].time != jogo->estado.timeatual)
        ++jogador;
    ASSERT_LT(jogador, static_cast<int>(jogo->jogadores.size()));
    explorador.Abrir(
        "Ficha do jogador", [&] { emit principal->grade()->abrirJogador(jogador); }, 1);

    // A whole-world matchday on the clock, to its results.
    jogo->estado.opcoes.opintervalo = 0;
    {
        apoio_telas::FecharDialogos fechar;
        relogio.Comecar("Rodada: formacao");
        principal->caixaFormacao()->setCurrentIndex(0);
        emit principal->caixaFormacao()->activated(0);
        Assentar();
        relogio.Comecar("Rodada: jogar");
        principal->botaoJogar()->click();
        ASSERT_TRUE(apoio_telas::EsperarPor([&] { return janela.TelaResultados() != nullptr; }));
        Assentar();
        relogio.Encerrar();
    }
    auto* resultados = qobject_cast<temporada::telas::TelaResultados*>(janela.TelaResultados());
    ASSERT_NE(resultados, nullptr);
    for (int l : {0, resultados->Jogos()->rowCount() - 1})
        explorador.Abrir(
            "Resultados: relatorio da partida",
            [&] { emit resultados->Jogos()->cellDoubleClicked(l, 0); }, 1);
    {
        apoio_telas::FecharDialogos fechar;
        explorador.Abrir(
            "Resultados: continuar", [&] { resultados->Continuar()->click(); }, 0);
    }

    // F2: the game written (and its fingerprint taken) behind the saving page.
    jogo->estado.arquivo = std::string("longo.s07");
    QAction* salvar = nullptr;
    for (QAction* a : janela.TelaPrincipal()->actions())
        if (a->text() == ui::T(ui::kTextoSalvar)) salvar = a;
    ASSERT_NE(salvar, nullptr);
    const auto arquivo = persistence::PastaSav() / "longo.s07";
    std::filesystem::remove(arquivo);
    explorador.Abrir(
        "Salvar jogo", [salvar] { salvar->trigger(); }, 0);
    world::Jogo relido;
    EXPECT_EQ(persistence::LerJogo(arquivo, relido), persistence::ResultadoCarga::Ok);
    EXPECT_EQ(janela.TelaAtual(), janela.TelaPrincipal());

    // Back to the start menu, and the save loaded from it.
    explorador.Abrir(
        "Sair ao menu", [&] { janela.SairDoJogo(); }, 0);
    ASSERT_EQ(janela.TelaAtual(), janela.Menu());
    world::Jogo* antes = janela.Jogo();
    relogio.Comecar("Carregar jogo");
    QTimer::singleShot(0, [] {
        auto* d =
            qobject_cast<persistence::telas::DialogoCarregar*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        auto* lista = d->findChild<QTreeWidget*>(QStringLiteral("lista"));
        ASSERT_NE(lista, nullptr);
        ASSERT_GT(lista->topLevelItemCount(), 0);
        lista->setCurrentItem(lista->topLevelItem(0));
        d->findChild<QPushButton*>(QStringLiteral("carregar"))->click();
    });
    emit janela.Menu()->carregarJogo();
    ASSERT_TRUE(apoio_telas::EsperarPor([&] {
        return janela.Jogo() != nullptr && janela.Jogo() != antes &&
               janela.TelaAtual() == janela.TelaPrincipal();
    }));
    Assentar();
    relogio.Encerrar();

    std::printf("%-60s %9s\n", "passo", "maior (ms)");
    auto verificado = [](const std::string& nome) {
        return std::find(kAindaLentos.begin(), kAindaLentos.end(), nome) == kAindaLentos.end();
    };
    for (const auto& p : relogio.Passos())
        std::printf("%-60s %9.1f%s\n", p.nome.c_str(), p.ms, verificado(p.nome) ? "" : " *");
    std::printf("* not checked\n");
    std::fflush(stdout);
    for (const auto& p : relogio.Passos()) {
        if (verificado(p.nome)) {
            EXPECT_LE(p.ms, kLimiteMs) << p.nome;
        }
    }
}
