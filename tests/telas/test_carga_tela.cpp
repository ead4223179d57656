// Loading a saved game from the menu: the file is read on a worker while the
// window keeps turning, and the game that arrives is the one saved.
#include "apoio_telas.hpp"
#include "management/telas/telaprincipal.hpp"
#include "persistence/jogosalvo.hpp"
#include "persistence/telas/dialogocarregar.hpp"
#include "persistence/telas/telacarga.hpp"
#include "plataforma/arquivos.hpp"
#include "shell/janelaprincipal.hpp"
#include "shell/menuprincipal.hpp"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

// A game whose file takes a while to read: the match archive, the table that
// grows all game long, filled as several seasons of league matches would.
void SalvarJogoGrande(const std::string& nome) {
    auto jogo = apoio_telas::NovoJogo({97}, 1);
    const auto& divisao = jogo->ligas[0].divisoes[0];
    world::TJogoArquivado partida;
    partida.competicao = world::kLiga;
    partida.data = jogo->calendario[0].data;
    for (int k = 0; k < 60000; ++k) {
        partida.mandante = divisao[k % 20];
        partida.visitante = divisao[(k + 1) % 20];
        partida.gols[0] = k % 4;
        jogo->arquivo.jogos.push_back(partida);
    }
    jogo->estado.arquivo = nome;
    ASSERT_TRUE(persistence::salvajogo(*jogo));
}

} // namespace

// PITCHLORD_JOGO_GRANDE names a save of one's own to measure instead (a long
// whole-world game); the longest pause of the window must then stay within
// 100 ms.
TEST(CargaTela, TheMenuLoadKeepsTheWindowTurningAndBringsTheGameSaved) {
    namespace fs = std::filesystem;
    fs::remove_all(persistence::PastaSav());
    const char* grande = std::getenv("PITCHLORD_JOGO_GRANDE");
    if (grande) {
        fs::create_directories(persistence::PastaSav());
        fs::copy_file(grande, persistence::PastaSav() / "grande.s07");
    } else {
        SalvarJogoGrande("grande.s07");
    }
    const auto bytes = plataforma::LerArquivo(persistence::PastaSav() / "grande.s07", 1u << 31);
    ASSERT_TRUE(bytes);

    shell::JanelaPrincipal janela;
    janela.show();
    // The heartbeat: the window's longest pause from the menu to the loaded
    // game's screen, how often it turned while the page was up and how far
    // the bar went.
    int batidas = 0, maiorBarra = 0, todas = 0;
    qint64 maiorPausa = 0;
    QElapsedTimer desde;
    desde.start();
    QTimer coracao;
    coracao.setTimerType(Qt::PreciseTimer);
    coracao.setInterval(2);
    QObject::connect(&coracao, &QTimer::timeout, [&] {
        maiorPausa = std::max(maiorPausa, desde.restart());
        ++todas;
        if (auto* carga = janela.TelaCarga()) {
            ++batidas;
            if (maiorBarra == 0 && carga->Barra()->value() > 0) {
                apoio_telas::Capturar(janela, "tela_carga");
                desde.restart(); // the picture's own time is not the window's
            }
            maiorBarra = std::max(maiorBarra, carga->Barra()->value());
        }
    });
    coracao.start();
    // The load dialog: the game chosen and "Carregar".
    QTimer escolher;
    escolher.setInterval(5);
    QObject::connect(&escolher, &QTimer::timeout, [&] {
        auto* d =
            qobject_cast<persistence::telas::DialogoCarregar*>(QApplication::activeModalWidget());
        if (!d) return;
        escolher.stop();
        auto* lista = d->findChild<QTreeWidget*>(QStringLiteral("lista"));
        ASSERT_EQ(lista->topLevelItemCount(), 1);
        lista->setCurrentItem(lista->topLevelItem(0));
        d->findChild<QPushButton*>(QStringLiteral("carregar"))->click();
    });
    escolher.start();
    emit janela.Menu()->carregarJogo();
    const int aoFim = todas; // and the beat that follows the swap
    ASSERT_TRUE(apoio_telas::EsperarPor([&] { return todas > aoFim; }));
    coracao.stop();
    std::printf("loading: %d heartbeats, longest pause %lld ms\n", batidas,
                static_cast<long long>(maiorPausa));

    ASSERT_NE(janela.Jogo(), nullptr);
    EXPECT_EQ(janela.TelaAtual(), static_cast<QWidget*>(janela.TelaPrincipal()));
    EXPECT_GE(batidas, 5);
    EXPECT_GT(maiorBarra, 0);
    if (grande) {
        EXPECT_LE(maiorPausa, 100);
    }
    // The game on screen is the file's, byte for byte (a save of one's own
    // may carry another file name, which the load sets).
    if (grande) {
        world::Jogo direto;
        ASSERT_TRUE(persistence::carregajogo(direto, "grande.s07"));
        EXPECT_TRUE(persistence::SerializarJogo(*janela.Jogo()) ==
                    persistence::SerializarJogo(direto));
    } else {
        EXPECT_TRUE(persistence::SerializarJogo(*janela.Jogo()) == *bytes);
    }

    // A load over the running game that the file refuses leaves it as it was,
    // on the screen it was on.
    world::Jogo* antes = janela.Jogo();
    const auto estado = persistence::SerializarJogo(*antes);
    std::vector<std::uint8_t> curto(bytes->begin(), bytes->begin() + bytes->size() / 2);
    ASSERT_TRUE(plataforma::GravarArquivoAtomico(persistence::PastaSav() / "curto.s07", curto));
    EXPECT_FALSE(janela.CarregarJogo("curto.s07", true));
    EXPECT_EQ(janela.Jogo(), antes);
    EXPECT_EQ(janela.TelaAtual(), static_cast<QWidget*>(janela.TelaPrincipal()));
    EXPECT_EQ(janela.TelaCarga(), nullptr);
    EXPECT_TRUE(persistence::SerializarJogo(*antes) == estado);
    fs::remove_all(persistence::PastaSav());
}
