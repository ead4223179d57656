#include "apoio/apoio.hpp"
#include "plataforma/caminhos.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

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

namespace {

// Sets an environment variable for the life of the value.
class Variavel {
public:
    Variavel(const char* nome, const std::string& valor) : nome_(nome) {
        if (const char* v = std::getenv(nome)) anterior_ = v;
        ::setenv(nome, valor.c_str(), 1);
    }
    ~Variavel() {
        if (anterior_)
            ::setenv(nome_, anterior_->c_str(), 1);
        else
            ::unsetenv(nome_);
    }

private:
    const char* nome_;
    std::optional<std::string> anterior_;
};

} // namespace

TEST(Caminhos, TheGameFolderKeepsItsFilesAnInstalledGameUsesThePlayersFolders) {
    apoio::PastaTemporaria pasta;
    pasta.Escrever("jogo/teams/a.b07", "x");                // a game folder as the build lays out
    pasta.Escrever("usr/share/pitchlord/teams/a.b07", "x"); // an installed world
    pasta.Escrever("usr/share/pitchlord/pitchlord.ini", "[opcoes]\nopsom=0\n");
    pasta.Escrever("usr/share/pitchlord/languages/config.ini", "[language]\nid=11\n");
    std::filesystem::create_directories(pasta / "usr/bin");
    std::filesystem::create_directories(pasta / "vazia");
    const Variavel casa("HOME", (pasta / "casa").string());
    const Variavel dados("XDG_DATA_HOME", (pasta / "xdgdados").string());
    const Variavel ajustes("XDG_CONFIG_HOME", "relativa/ignorada");
    EXPECT_EQ(PastaDadosDoUsuario(), pasta / "xdgdados/pitchlord");
    EXPECT_EQ(PastaAjustesDoUsuario(), pasta / "casa/.config/pitchlord");

    // Run from a writable game folder: everything stays beside the program.
    Origem o{pasta / "vazia", pasta / "jogo", {}, true, false};
    Pastas p = EscolherPastas(o);
    EXPECT_EQ(p.raiz, pasta / "jogo");
    EXPECT_EQ(p.programa, pasta / "jogo");
    EXPECT_EQ(p.salvos, pasta / "jogo");
    EXPECT_TRUE(p.idioma.empty() && p.usuario.empty());
    // The same folder read-only: the world stays, the player's files move out.
    o.programagravavel = false;
    p = EscolherPastas(o);
    EXPECT_EQ(p.raiz, pasta / "jogo");
    EXPECT_EQ(p.programa, PastaAjustesDoUsuario());
    EXPECT_EQ(p.salvos, PastaDadosDoUsuario());
    // --dados wins over a working folder that holds a world; the simulator
    // keeps the settings with a world it is given.
    o = Origem{pasta / "jogo", pasta / "usr/bin", pasta / "vazia", true, true};
    p = EscolherPastas(o);
    EXPECT_EQ(p.raiz, pasta / "vazia");
    EXPECT_EQ(p.programa, pasta / "vazia");

    // Installed: the world beside bin/, the player's files in his folders,
    // seeded from what the world ships.
    o = Origem{pasta / "vazia", pasta / "usr/bin", {}, true, true};
    UsarPastas(EscolherPastas(o));
    EXPECT_EQ(PastasDoJogo().raiz, pasta / "usr/share/pitchlord");
    EXPECT_EQ(PastasDoJogo().salvos, PastaDadosDoUsuario());
    EXPECT_EQ(pasta.Ler("casa/.config/pitchlord/pitchlord.ini"),
              pasta.Ler("usr/share/pitchlord/pitchlord.ini"));
    EXPECT_EQ(ArquivoConfigIdioma(), pasta / "casa/.config/pitchlord/languages/config.ini");
    EXPECT_EQ(pasta.Ler("casa/.config/pitchlord/languages/config.ini"),
              pasta.Ler("usr/share/pitchlord/languages/config.ini"));
    EXPECT_EQ(Resolver("teams\\a.b07"), pasta / "usr/share/pitchlord/teams/a.b07");
    // Once the player has his own teams/, it is the one read.
    pasta.Escrever("xdgdados/pitchlord/teams/a.b07", "y");
    EXPECT_EQ(Resolver("TEAMS\\a.b07"), pasta / "xdgdados/pitchlord/teams/a.b07");
    EXPECT_EQ(Resolver("languages\\10.txt"), pasta / "usr/share/pitchlord/languages/10.txt");
}
