#include "plataforma/cp1252.hpp"

#include <gtest/gtest.h>

using namespace plataforma;

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string todos;
    for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
    const std::string utf8 = Cp1252ParaUtf8(todos);
    EXPECT_EQ(Utf8ParaCp1252(utf8), todos);
}

TEST(Cp1252, MapsTheWindowsBlockAndLatin1) {
    EXPECT_EQ(Cp1252ParaUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(Cp1252ParaUtf8("\x9F"), "\xC5\xB8");     // Y with diaeresis
    EXPECT_EQ(Cp1252ParaUtf8("S\xE3o Jos\xE9"), "São José");
    EXPECT_EQ(Utf8ParaCp1252("Grêmio “Ação” – 1º"), "Gr\xEAmio \x93"
                                                    "A\xE7\xE3o\x94 \x96 1\xBA");
    // The five undefined bytes keep an image of their own.
    EXPECT_EQ(Utf8ParaCp1252(Cp1252ParaUtf8("\x81\x8D\x8F\x90\x9D")), "\x81\x8D\x8F\x90\x9D");
}

TEST(Cp1252, UnmappableAndMalformedTextBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ParaCp1252("日本"), "??");
    EXPECT_EQ(Utf8ParaCp1252("a\xC3"), "a?"); // cut in the middle of a character
    EXPECT_EQ(Utf8ParaCp1252("\xFF\xFE"
                             "b"),
              "??b"); // bytes that never start UTF-8
    EXPECT_EQ(Utf8ParaCp1252("\xE2\x28\xA1"), "?(?");
}

TEST(Cp1252, CaseInsensitiveNamesCompareAsTheFileSystemDid) {
    EXPECT_TRUE(IguaisSemCaixa("TEAMS", "teams"));
    EXPECT_FALSE(IguaisSemCaixa("teams", "team"));
    EXPECT_TRUE(MenorSemCaixa("abc.b07", "ABD.b07"));
    EXPECT_TRUE(MenorSemCaixa("Zeta", "zeta2"));
    // '_' sorts after letters once letters are folded to upper case.
    EXPECT_TRUE(MenorSemCaixa("ab", "a_"));
    EXPECT_FALSE(MenorSemCaixa("x", "x"));
}
