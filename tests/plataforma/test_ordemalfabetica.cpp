// Country names (Windows-1252) in the order a Portuguese reader looks for them.
#include "plataforma/cp1252.hpp"
#include "plataforma/ordemalfabetica.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace plataforma;

namespace {
std::string W(std::string_view utf8) {
    return Utf8ParaCp1252(utf8);
}
} // namespace

TEST(OrdemAlfabetica, AccentsAndCaseDoNotMoveANameOutOfItsLetter) {
    std::vector<std::string> nomes;
    for (const char* n :
         {"Zâmbia",   "Índia",     "Bulgária",        "Emirados Árabes", "Áustria", "Belize",
          "Bélgica",  "Austrália", "Iêmen",           "Afeganistão",     "Egito",   "África do Sul",
          "Irã",      "Équateur",  "Costa do Marfim", "Costa Rica",      "Curaçao", "Cuba",
          "Islândia", "Ucrânia",   "Uruguai",         "Úmbria",          "Ölan",    "Omã"})
        nomes.push_back(W(n));
    std::sort(nomes.begin(), nomes.end(),
              [](const std::string& a, const std::string& b) { return MenorAlfabetico(a, b); });
    std::vector<std::string> esperado;
    for (const char* n :
         {"Afeganistão", "África do Sul", "Austrália",       "Áustria",    "Bélgica",
          "Belize",      "Bulgária",      "Costa do Marfim", "Costa Rica", "Cuba",
          "Curaçao",     "Egito",         "Emirados Árabes", "Équateur",   "Iêmen",
          "Índia",       "Irã",           "Islândia",        "Ölan",       "Omã",
          "Ucrânia",     "Úmbria",        "Uruguai",         "Zâmbia"})
        esperado.push_back(W(n));
    EXPECT_EQ(nomes, esperado);
}

TEST(OrdemAlfabetica, EveryAccentedLetterFoldsAndTheOrderStaysTotal) {
    EXPECT_EQ(ChaveAlfabetica(W("ÀÁÂÃÄÅàáâãäå")), "aaaaaaaaaaaa");
    EXPECT_EQ(ChaveAlfabetica(W("ÈÉÊËèéêë ÌÍÎÏìíîï")), "eeeeeeee iiiiiiii");
    EXPECT_EQ(ChaveAlfabetica(W("ÒÓÔÕÖØòóôõöø ÙÚÛÜùúûü")), "oooooooooooo uuuuuuuu");
    EXPECT_EQ(ChaveAlfabetica(W("Çç Ññ Ýýÿ Šš Žž")), "cc nn yyy ss zz");
    EXPECT_EQ(ChaveAlfabetica(W("Æsir Œuvre Straße")), "aesir oeuvre strasse");
    // Digits, blanks and punctuation stay as they are.
    EXPECT_EQ(ChaveAlfabetica("Guin\xe9-Bissau 2"), "guine-bissau 2");

    // Names that differ only by accents or case still have one order each way.
    std::vector<std::string> iguais = {W("pará"), W("Pará"), "para", "Para", W("PARÁ")};
    std::sort(iguais.begin(), iguais.end(),
              [](const std::string& a, const std::string& b) { return MenorAlfabetico(a, b); });
    EXPECT_EQ(iguais, (std::vector<std::string>{"Para", "para", W("PARÁ"), W("Pará"), W("pará")}));
    EXPECT_FALSE(MenorAlfabetico(W("Pará"), W("Pará")));
    EXPECT_TRUE(MenorAlfabetico("", "a"));
    EXPECT_TRUE(MenorAlfabetico(W("Irã"), "Iraque"));
}
