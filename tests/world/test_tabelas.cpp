// Countries, positions, roles, characteristics, status icons and referees.
#include "apoio/apoio.hpp"
#include "world/arbitros.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace world;

TEST(Tabelas, ContinentsAndTheNationalTeamException) {
    EXPECT_EQ(ContinentePais(29), 1);
    EXPECT_EQ(ContinentePais(131), 1);
    EXPECT_EQ(ContinenteSelecao(131), 4);
    EXPECT_EQ(ContinenteSelecao(29), 1);
    EXPECT_EQ(ContinentePais(3), 0);
    EXPECT_EQ(ContinentePais(1), 2);
    EXPECT_EQ(ContinentePais(0), 3);
    EXPECT_EQ(ContinentePais(68), 4);
    EXPECT_EQ(ContinentePais(14), 5);
    EXPECT_EQ(ContinentePais(202), 0);
    EXPECT_EQ(ContinentePais(-4), 0);
    int por[6] = {};
    for (int c = 0; c < kNumPaises; ++c) ++por[ContinentePais(c)];
    EXPECT_EQ(por[1], 11);
    EXPECT_EQ(por[2], 50);
    EXPECT_EQ(por[3], 45);
    EXPECT_EQ(por[4], 34);
    EXPECT_EQ(por[5], 7);
}

TEST(Tabelas, InitialRoleFromTheCharacteristics) {
    // Full-backs.
    EXPECT_EQ(FuncaoInicial(kLateral, 6, 7), 1);
    EXPECT_EQ(FuncaoInicial(kLateral, 13, 10), 1);
    EXPECT_EQ(FuncaoInicial(kLateral, 7, 13), 0);
    EXPECT_EQ(FuncaoInicial(kLateral, 5, 13), 1);
    EXPECT_EQ(FuncaoInicial(kLateral, 4, 10), 0);
    EXPECT_EQ(FuncaoInicial(kLateral, 8, 12), 1);
    EXPECT_EQ(FuncaoInicial(kLateral, 12, 5), 0);
    // Midfielders.
    EXPECT_EQ(FuncaoInicial(kMeia, 9, 7), 1);
    EXPECT_EQ(FuncaoInicial(kMeia, 10, 4), 0);
    EXPECT_EQ(FuncaoInicial(kMeia, 5, 7), 0);
    EXPECT_EQ(FuncaoInicial(kMeia, 5, 12), 1);
    // Forwards, goalkeepers, centre-backs.
    EXPECT_EQ(FuncaoInicial(kAtacante, 13, 0), 1);
    EXPECT_EQ(FuncaoInicial(kAtacante, 9, 6), 0);
    EXPECT_EQ(FuncaoInicial(kGoleiro, 6, 6), 0);
    EXPECT_EQ(FuncaoInicial(kZagueiro, 6, 13), 0);
}

TEST(Tabelas, TextsOfPositionsRolesAndCharacteristics) {
    apoio::PastaTemporaria pasta;
    std::vector<std::string> s1;
    for (int n = 220; n <= 258; ++n) s1.push_back(std::to_string(n) + "=t" + std::to_string(n));
    apoio::GravarIdioma(pasta, 10, "pt", s1);
    EXPECT_EQ(NomePosicao(0), "t220");
    EXPECT_EQ(NomeCurtoPosicao(4), "t229");
    EXPECT_EQ(NomePosicao(5), "");
    EXPECT_EQ(NomeFuncao(0, 3), "t230");
    EXPECT_EQ(NomeFuncao(1, 2), "t233");
    EXPECT_EQ(NomeFuncao(2, 1), "t234");
    EXPECT_EQ(NomeFuncao(4, 2), "t235");
    EXPECT_EQ(NomeFuncao(3, 3), "n/a");
    EXPECT_FALSE(FuncaoExiste(1, 3));
    EXPECT_EQ(TextoCaracteristicas(0, 3), "t258/t258"); // same text, different codes
    EXPECT_EQ(TextoCaracteristicas(2, 2), "t257");
    EXPECT_EQ(TextoCaracteristicas(4, 13), "t247/t256");
    EXPECT_EQ(TextoCaracteristicas(9, 9), "t242");
}

TEST(Tabelas, StatusIcons) {
    TJogador j = NovoJogador();
    EXPECT_EQ(IconeStatus(j, 1, 100), 0);
    j.cartoes[1] = 3;
    EXPECT_EQ(IconeStatus(j, 1, 100), 2);
    EXPECT_EQ(IconeStatus(j, 2, 100), 0);
    j.suspensao[1] = 1;
    EXPECT_EQ(IconeStatus(j, 1, 100), 1);
    j.retorno = 101;
    EXPECT_EQ(IconeStatus(j, 1, 100), 3);
    EXPECT_EQ(IconeStatus(j, 1, 101), 1); // available again on his return date
    j.estrela = 1;
    EXPECT_EQ(IconeStatus(j, 1, 100), 7);
    EXPECT_EQ(IconeStatus(j, 1, 101), 5);
    EXPECT_EQ(IconeStatus(j, 3, 101), 12);
    j.suspensao[1] = 0;
    EXPECT_EQ(IconeStatus(j, 1, 101), 8);
}

TEST(Tabelas, TheSeasonsTwelveRefereesAreTheBestSixOfEachOrigin) {
    ASSERT_EQ(arbitros().size(), 42u);
    std::set<std::string> nomes;
    for (int i = 0; i < kNumArbitros; ++i) {
        EXPECT_EQ(arbitros()[i].origem, i < 25 ? 29 : 1);
        nomes.insert(arbitros()[i].nome);
    }
    EXPECT_EQ(nomes.size(), 42u);
    EXPECT_EQ(arbitros()[7].tecnica, 5);
    EXPECT_EQ(arbitros()[7].rigor, 5);
    EXPECT_EQ(arbitros()[41].rigor, 2);
    std::set<std::vector<int>> sorteios;
    for (std::uint64_t s = 0; s < 30; ++s) {
        Jogo jogo;
        jogo.gerador.Semear(s);
        EscolherArbitrosTemporada(jogo);
        std::vector<int> r(jogo.estado.arbitrostemporada, jogo.estado.arbitrostemporada + 12);
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(arbitros()[r[k]].origem, k < 6 ? 29 : 1);
            // Eight home referees have technique 5: the first six are all among them;
            // the international list has nine.
            EXPECT_EQ(arbitros()[r[k]].tecnica, 5);
        }
        sorteios.insert(r);
    }
    EXPECT_GT(sorteios.size(), 5u); // ties broken at random
}
