#include "apoio/apoio.hpp"
#include "plataforma/caminhos.hpp"

#include <gtest/gtest.h>

using namespace plataforma;

TEST(Caminhos, NamesResolveWhateverTheirCaseAndSeparators) {
    apoio::PastaTemporaria pasta;
    pasta.Escrever("Teams/Logos/Clube.GIF", "x");
    EXPECT_EQ(Resolver("teams\\logos\\clube.gif"), pasta / "Teams/Logos/Clube.GIF");
    EXPECT_EQ(Resolver("TEAMS/logos/CLUBE.gif"), pasta / "Teams/Logos/Clube.GIF");
    EXPECT_TRUE(ArquivoExiste(Resolver("teams\\LOGOS\\clube.gif")));
    // What does not exist keeps the case it was written in, ready to be created.
    EXPECT_EQ(Resolver("teams\\minilogos\\mini_a.bmp"), pasta / "Teams/minilogos/mini_a.bmp");
    EXPECT_FALSE(ArquivoExiste(Resolver("teams\\logos")));
}

TEST(Caminhos, ListingFollowsTheMaskInCaseInsensitiveNameOrder) {
    apoio::PastaTemporaria pasta;
    for (const char* n : {"b.b07", "A.B07", "c.b07x", "_x.b07", "a1.b07", "notas.txt"})
        pasta.Escrever(std::string("teams/") + n, "x");
    std::filesystem::create_directories(pasta / "teams/pasta.b07");
    const auto nomes = ListarArquivos(pasta / "teams", "*.b07");
    EXPECT_EQ(nomes, (std::vector<std::string>{"A.B07", "a1.b07", "b.b07", "pasta.b07", "_x.b07"}));
    EXPECT_TRUE(ListarArquivos(pasta / "semfolder", "*.b07").empty());
}

TEST(Caminhos, WildcardsMatchLikeTheOriginalSystem) {
    EXPECT_TRUE(CombinaMascara("10.txt", "*.txt"));
    EXPECT_TRUE(CombinaMascara("10.TXT", "*.txt"));
    EXPECT_FALSE(CombinaMascara("10.txt.bak", "*.txt"));
    EXPECT_TRUE(CombinaMascara("a.s05", "?.s05"));
    EXPECT_FALSE(CombinaMascara("ab.s05", "?.s05"));
    EXPECT_TRUE(CombinaMascara("x", "*"));
    EXPECT_TRUE(CombinaMascara("aXbXc", "a*b*c"));
    EXPECT_FALSE(CombinaMascara("abc", "a*d"));
}
