#include "apoio/apoio.hpp"
#include "plataforma/perfil.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"
#include "world/paises.hpp"

#include <gtest/gtest.h>

using namespace world;

TEST(Idioma, WithoutConfigTheGameUsesLanguageTen) {
    apoio::PastaTemporaria pasta;
    EXPECT_EQ(LerIdiomaConfig(), 10);
    pasta.Escrever("languages/config.ini", "[language]\r\nid=abc\r\n");
    EXPECT_EQ(LerIdiomaConfig(), 10);
    pasta.Escrever("languages/config.ini", "[LANGUAGE]\r\nID=11\r\n");
    EXPECT_EQ(LerIdiomaConfig(), 11);
}

TEST(Idioma, MissingKeysReadErrorAndAMissingFileReadsEmpty) {
    apoio::PastaTemporaria pasta;
    EXPECT_EQ(texto(1), "");
    EXPECT_EQ(texto2(726), "");
    apoio::GravarIdioma(pasta, 10, "Portugu\xeas", {"1=Novo Jogo", "262=mil"},
                        {"726=Afeganist\xe3o"});
    EXPECT_EQ(texto(1), "Novo Jogo");
    EXPECT_EQ(texto(262), "mil");
    EXPECT_EQ(texto(2), "Error");
    EXPECT_EQ(texto2(726), "Afeganist\xe3o");
    EXPECT_EQ(texto2(1), "Error");
    EXPECT_EQ(NomePais(0), "Afeganist\xe3o");
    EXPECT_EQ(NomePais(1), "Error");
    EXPECT_EQ(NomePais(202), "International");
    EXPECT_EQ(NomePais(300), "");
}

TEST(Idioma, OddLineEndsAndBlanksDoNotLoseTexts) {
    apoio::PastaTemporaria pasta;
    pasta.Escrever("languages/10.txt",
                   "[language]\nlanguageversion=2007\rid=10\r[s1]\n 5 = Carregar \r\n"
                   "; 6=comment\n7=a=b\n[S2]\r\n726=X");
    EsquecerTextos(); // the folder changed under a running program
    EXPECT_EQ(texto(5), "Carregar");
    EXPECT_EQ(texto(6), "Error");
    EXPECT_EQ(texto(7), "a=b");
    EXPECT_EQ(texto2(726), "X");
}

TEST(Idioma, ThePickerListsGoodFilesByNameAndTheIdDecidesTheFile) {
    apoio::PastaTemporaria pasta;
    apoio::GravarIdioma(pasta, 10, "Portugu\xeas", {"1=Novo Jogo"});
    apoio::GravarIdioma(pasta, 11, "English", {"1=New Game"}, {}, false);
    pasta.Escrever("languages/12.txt",
                   "[language]\r\nlanguageversion=2006\r\nlanguagename=Old\r\nid=12\r\n");
    // Named after one number, claiming another.
    pasta.Escrever("languages/outro.txt", "[language]\r\nlanguageversion=2007\r\nlanguagename="
                                          "Alem\xe3o\r\nid=13\r\n[s1]\r\n1=Neues Spiel\r\n");
    const auto lista = listaidiomas();
    ASSERT_EQ(lista.size(), 3u);
    EXPECT_EQ(lista[0].nome, "Alem\xe3o");
    EXPECT_EQ(lista[0].numero, 13);
    EXPECT_EQ(lista[1].nome, "English");
    EXPECT_EQ(lista[2].numero, 10);

    trocaidioma(11);
    EXPECT_EQ(texto(1), "New Game");
    EXPECT_EQ(LerIdiomaConfig(), 11);
    trocaidioma(13); // there is no 13.txt: every lookup is empty
    EXPECT_EQ(texto(1), "");
    // A current file of another version is still used.
    pasta.Escrever("languages/12.txt", "[language]\r\nlanguageversion=1999\r\n[s1]\r\n1=Velho\r\n");
    trocaidioma(12);
    EXPECT_EQ(texto(1), "Velho");
}

TEST(Idioma, ChangingLanguageRefillsCountryNamesAndTheirOrder) {
    apoio::PastaTemporaria pasta;
    apoio::GravarIdioma(
        pasta, 10, "pt", {},
        {"726=Zeta", "727=Alfa", "728=\xc1gua", "747=B\xe9lgica", "748=Belize", "757=Bulg\xe1ria"});
    EXPECT_EQ(PaisesEmOrdemAlfabetica().size(), 202u);
    // As a Portuguese reader looks for them: "Água" among the A's, "Bélgica"
    // before "Belize" and "Bulgária", the "Error" entries among the E's.
    EXPECT_LT(PosicaoAlfabetica(2), PosicaoAlfabetica(1));
    EXPECT_LT(PosicaoAlfabetica(1), PosicaoAlfabetica(21));
    EXPECT_LT(PosicaoAlfabetica(21), PosicaoAlfabetica(22));
    EXPECT_LT(PosicaoAlfabetica(22), PosicaoAlfabetica(31));
    EXPECT_LT(PosicaoAlfabetica(31), PosicaoAlfabetica(3));
    EXPECT_EQ(PaisesEmOrdemAlfabetica().back(), 0);
    apoio::GravarIdioma(pasta, 11, "en", {}, {"726=Afghanistan", "727=South Africa"}, false);
    trocaidioma(11);
    EXPECT_EQ(NomePais(0), "Afghanistan");
    EXPECT_LT(PosicaoAlfabetica(0), PosicaoAlfabetica(1));
}

TEST(Idioma, CompetitionNamesByCountry) {
    apoio::PastaTemporaria pasta;
    apoio::GravarIdioma(pasta, 10, "pt",
                        {"37=Campeonato Brasileiro", "45=Liga", "754=Copa do Brasil",
                         "52=S\xe9rie A", "55=S\xe9rie D"},
                        {"726=Afeganist\xe3o", "755=Brasil"});
    EXPECT_EQ(nomeliga(29), "Campeonato Brasileiro");
    EXPECT_EQ(nomeliga(0), "Liga Afeganist\xe3o");
    EXPECT_EQ(nomeliga(202), "International");
    EXPECT_EQ(nomeliga(3), "Error");
    EXPECT_EQ(nomecopapais(29), "Copa do Brasil");
    EXPECT_EQ(nomecopapais(0), "Afeganist\xe3o");
    EXPECT_EQ(nomecopapais(202), "International");
    EXPECT_EQ(nomedivisao(1), "S\xe9rie A");
    EXPECT_EQ(nomedivisao(4), "S\xe9rie D");
    EXPECT_EQ(nomedivisao(5), "");
}

TEST(Idioma, TheCustomChampionshipNamesItsLeagueAndItsCupApart) {
    apoio::PastaTemporaria pasta;
    apoio::GravarIdioma(pasta, 10, "pt", {"37=Campeonato Brasileiro", "754=Copa do Brasil"});
    Jogo jogo;
    // Any real country: the language's names.
    EXPECT_EQ(NomeDaLiga(jogo, 29), "Campeonato Brasileiro");
    EXPECT_EQ(NomeDaCopa(jogo, 29), "Copa do Brasil");
    // The pool of the custom championship: the names its setup stored...
    jogo.estado.nomecampeonato = "Campeonato Internacional";
    jogo.estado.nomecopa = "Copa Internacional";
    EXPECT_EQ(NomeDaLiga(jogo, kPaisInternacional), "Campeonato Internacional");
    EXPECT_EQ(NomeDaCopa(jogo, kPaisInternacional), "Copa Internacional");
    jogo.estado.nomecopa = "Trof\xe9u dos Amigos";
    EXPECT_EQ(NomeDaCopa(jogo, kPaisInternacional), "Trof\xe9u dos Amigos");
    // ...and a game that stored none still tells the two apart.
    Jogo semnomes;
    EXPECT_EQ(NomeDaLiga(semnomes, kPaisInternacional), kNomeCampeonatoInternacional);
    EXPECT_EQ(NomeDaCopa(semnomes, kPaisInternacional), kNomeCopaInternacional);
}
