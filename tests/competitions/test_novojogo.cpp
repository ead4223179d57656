#include "apoio/apoio.hpp"
#include "competitions/novojogo.hpp"
#include "world/idioma.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace competitions;
using namespace world;

namespace {
void Pais(const apoio::PastaTemporaria& pasta, int pais, int n, int nivel) {
    for (int i = 0; i < n; ++i)
        apoio::GravarTime(pasta,
                          apoio::MontarTime(pais, nivel - i / 4,
                                            "C" + std::to_string(pais) + "_" + std::to_string(i)));
}
} // namespace

TEST(NovoJogo, NumberOfDivisions) {
    EXPECT_EQ(NumeroDeDivisoes(41, true), 1);
    EXPECT_EQ(NumeroDeDivisoes(42, true), 2);
    EXPECT_EQ(NumeroDeDivisoes(22, false), 2);
    EXPECT_EQ(NumeroDeDivisoes(31, false), 2);
    EXPECT_EQ(NumeroDeDivisoes(32, false), 3);
    EXPECT_EQ(NumeroDeDivisoes(41, false), 3);
    EXPECT_EQ(NumeroDeDivisoes(42, false), 4);
}

TEST(NovoJogo, OnlyCountriesWithMoreThanTwentyOneUsableFilesAreOffered) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 22, 20);
    Pais(pasta, 11, 21, 20);
    Pais(pasta, 3, 25, 20);
    EXPECT_EQ(LigasOferecidas(contatimes()), (std::vector<int>{3, 97}));
}

TEST(NovoJogo, ClubsArePlacedStrongestFirst) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 45, 24);
    Jogo jogo;
    OpcoesNovoJogo o;
    o.ligas = {97};
    o.paisprincipal = 97;
    ASSERT_EQ(IniciarJogoDeClubes(jogo, contatimes(), o), InicioNovoJogo::Ok);
    const TLiga& l = jogo.ligas[0];
    EXPECT_EQ(l.numdivisoes, 4);
    EXPECT_EQ(jogo.estado.numtimesligas, 45);
    EXPECT_EQ(jogo.estado.divisoesporliga, 4);
    int anterior = 99, colocados = 0;
    for (int d = 0; d < 4; ++d)
        for (int s = 0; s < 10; ++s) {
            const int c = l.divisoes[d][s];
            ASSERT_GE(c, 0);
            EXPECT_EQ(l.ordem[d][s], c);
            EXPECT_EQ(jogo.times[c].divisao, d + 1);
            const int nivel = jogo.times[c].nivel;
            EXPECT_LE(nivel, anterior);
            anterior = nivel;
            ++colocados;
        }
    EXPECT_EQ(colocados, 40);
    int sem = 0;
    for (const TTime& t : jogo.times) sem += t.divisao == 0;
    EXPECT_EQ(sem, 5);
    for (int s = 10; s < 20; ++s) EXPECT_EQ(l.divisoes[0][s], -1);
}

TEST(NovoJogo, EqualLevelsAreOrderedByChance) {
    apoio::PastaTemporaria pasta;
    for (int i = 0; i < 22; ++i)
        apoio::GravarTime(pasta, apoio::MontarTime(97, 10, "Igual" + std::to_string(i)));
    std::set<int> primeiros;
    for (std::uint64_t s = 0; s < 20; ++s) {
        Jogo jogo;
        jogo.gerador.Semear(s);
        OpcoesNovoJogo o;
        o.ligas = {97};
        o.paisprincipal = 97;
        o.divisoesde20 = true;
        IniciarJogoDeClubes(jogo, contatimes(), o);
        primeiros.insert(jogo.ligas[0].divisoes[0][0]);
        EXPECT_EQ(jogo.ligas[0].numdivisoes, 1);
    }
    EXPECT_GT(primeiros.size(), 3u);
}

TEST(NovoJogo, OptionsAreTiedTogether) {
    apoio::PastaTemporaria pasta;
    apoio::GravarIdioma(pasta, 10, "pt", {"30=Campeonato Espanhol", "37=Campeonato Brasileiro"},
                        {"791=Espanha", "755=Brasil"});
    Pais(pasta, 65, 22, 20);
    Pais(pasta, 29, 22, 20);
    {
        Jogo jogo;
        OpcoesNovoJogo o;
        EXPECT_EQ(IniciarJogoDeClubes(jogo, contatimes(), o), InicioNovoJogo::SemLiga);
        EXPECT_TRUE(jogo.ligas.empty());
    }
    Jogo jogo;
    OpcoesNovoJogo o;
    o.ligas = {65, 29};
    o.paisprincipal = 65;
    o.estaduais = true;
    o.continental1 = false;
    o.continental2 = true;
    ASSERT_EQ(IniciarJogoDeClubes(jogo, contatimes(), o), InicioNovoJogo::Ok);
    EXPECT_FALSE(jogo.estado.estaduais); // only the home country has them
    EXPECT_FALSE(jogo.estado.continental2);
    EXPECT_EQ(jogo.ligas[0].pais, 65);
    EXPECT_EQ(jogo.ligas[1].pais, 29);
    EXPECT_EQ(jogo.estado.numtimesligas, 44);
    EXPECT_EQ(jogo.estado.nomecampeonato.view(), "Campeonato Espanhol");
    EXPECT_EQ(jogo.estado.nomecopa.view(), "Copa Espanha");

    Jogo casa;
    o.paisprincipal = 29;
    IniciarJogoDeClubes(casa, contatimes(), o);
    EXPECT_TRUE(casa.estado.estaduais);
    EXPECT_EQ(casa.estado.nomecopa.view(), "Copa do Brasil");
}

TEST(NovoJogo, HumansChooseClubsAndAreSortedByClub) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 22, 20);
    Jogo jogo;
    OpcoesNovoJogo o;
    o.ligas = {97};
    o.paisprincipal = 97;
    o.numhumanos = 2;
    IniciarJogoDeClubes(jogo, contatimes(), o);
    EscolherTime(jogo, 0, 9, "Segundo Nome Muito Comprido Para Caber");
    EscolherTime(jogo, 1, 2, "Primeiro");
    EXPECT_EQ(jogo.estado.timeatual, 2);
    EXPECT_TRUE(jogo.ligas[0].temhumano);
    OrdenarHumanos(jogo);
    EXPECT_EQ(jogo.estado.timeshumanos[0], 2);
    EXPECT_EQ(jogo.estado.timeshumanos[1], 9);
    EXPECT_EQ(jogo.estado.timeshumanos[2], -1);
    EXPECT_EQ(jogo.nomeshumanos[0], "Primeiro");
    EXPECT_EQ(jogo.nomeshumanos[1], "Segundo Nome Muito Compri");
    EXPECT_TRUE(jogo.times[9].humano);
}

TEST(TecnicosHumanos, OnlyACoachWithoutAClubLeavesAndANewOneTakesTheFirstFreeRecord) {
    Jogo jogo;
    jogo.estado.divisoesporliga = 2;
    jogo.estado.paisprincipal = 29;
    for (int k = 0; k < 3; ++k) jogo.tecnicos.push_back(NovoTecnico());
    jogo.tecnicos[0].nome = "Empregado";
    jogo.tecnicos[0].time = 0;
    jogo.tecnicos[1].nome = "Sem clube";
    jogo.estado.humanos[0] = 0;
    jogo.estado.humanos[1] = 1;

    EXPECT_FALSE(competitions::RemoverTecnicoHumano(jogo, 0)); // the dialog shows text 840
    EXPECT_EQ(jogo.estado.humanos[0], 0);
    // Out of his club but still at his national team's helm in the tournament.
    jogo.tecnicos[1].treinaselecao = 1;
    EXPECT_FALSE(competitions::RemoverTecnicoHumano(jogo, 1));
    EXPECT_EQ(jogo.estado.humanos[1], 1);
    jogo.tecnicos[1].treinaselecao = 0;
    EXPECT_TRUE(competitions::RemoverTecnicoHumano(jogo, 1));
    EXPECT_EQ(jogo.estado.humanos[1], -1);
    EXPECT_TRUE(jogo.tecnicos[1].nome.empty());

    // Record 1 is free again and slot 1 is the first empty one.
    EXPECT_EQ(competitions::AdicionarTecnicoHumano(jogo, "Novo"), 1);
    EXPECT_EQ(jogo.estado.humanos[1], 1);
    const TTecnico& t = jogo.tecnicos[1];
    EXPECT_EQ(std::string(t.nome.view()), "Novo");
    EXPECT_EQ(t.nivel, 2);
    EXPECT_EQ(t.pais, 29);
    EXPECT_EQ(t.time, -1);
    EXPECT_EQ(t.clubes[0][0], -1);
    EXPECT_EQ(competitions::AdicionarTecnicoHumano(jogo, "Outro"), 2);
    EXPECT_EQ(competitions::AdicionarTecnicoHumano(jogo, "Sem vaga"), -1); // no free record
}
