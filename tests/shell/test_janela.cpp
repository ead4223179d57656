#include "shell/janelaprincipal.hpp"

#include <QApplication>
#include <gtest/gtest.h>

TEST(Janela, OpensWithItsTitleAndClosesCleanly) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char nome[] = "testes_shell";
    char* argv[] = {nome, nullptr};
    QApplication app(argc, argv);
    shell::JanelaPrincipal janela;
    janela.show();
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Pitchlord 2007"));
    EXPECT_TRUE(janela.isVisible());
    EXPECT_TRUE(janela.close());
    EXPECT_FALSE(janela.isVisible());
}
