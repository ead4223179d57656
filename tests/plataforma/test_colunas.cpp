// Columns of the terminal's text tables, counted in characters.
#include "plataforma/colunas.hpp"

#include <gtest/gtest.h>

using namespace plataforma;

TEST(Colunas, NamesWithAccentsTakeAsManyPlacesAsTheyHaveLetters) {
    EXPECT_EQ(LarguraUtf8("Grêmio São José"), 15u);
    EXPECT_EQ(LarguraUtf8(""), 0u);
    EXPECT_EQ(LarguraUtf8("€ “a”"), 5u);
    // The same column whatever the letters: both lines are 12 characters.
    EXPECT_EQ(ColunaUtf8("Sao Jose", 12), "Sao Jose    ");
    EXPECT_EQ(ColunaUtf8("São José", 12), "São José    ");
    EXPECT_EQ(LarguraUtf8(ColunaUtf8("Ñandú Açaí", 12)), 12u);
    EXPECT_EQ(ColunaUtf8("", 3), "   ");
}

TEST(Colunas, ALongerTextIsCutBetweenCharacters) {
    EXPECT_EQ(ColunaUtf8("Atlético", 7), "Atlétic");
    EXPECT_EQ(ColunaUtf8("Atlético", 4), "Atlé"); // the é whole, not half of it
    EXPECT_EQ(ColunaUtf8("€€€", 2), "€€");
    EXPECT_EQ(ColunaUtf8("Atlético", 8), "Atlético");
    EXPECT_EQ(ColunaUtf8("abc", 0), "");
}
