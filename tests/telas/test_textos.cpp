#include "ui/textos.hpp"

#include <gtest/gtest.h>

TEST(TextosDaTela, MoneyAndTypedNamesKeepTheGamesEncoding) {
    EXPECT_EQ(ui::Dinheiro(2500000), QStringLiteral("$2 500 000"));
    const std::string nome = ui::ParaJogo(QStringLiteral("João Conceição"), 25);
    EXPECT_EQ(nome.size(), 14u); // one byte per letter in Windows-1252
    EXPECT_EQ(ui::Q(nome), QStringLiteral("João Conceição"));
    EXPECT_EQ(ui::ParaJogo(QStringLiteral("abcdef"), 3), "abc");
}
