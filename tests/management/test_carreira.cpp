// The coaches' careers on small worlds built in memory.
#include "management/carreira.hpp"
#include "management/invariantes.hpp"
#include "match/construtores.hpp"
#include "temporada/ciclo.hpp"
#include "world/clubes.hpp"
#include "world/emails.hpp"

#include <gtest/gtest.h>

#include <cstring>

using namespace world;
using namespace management;
using namespace temporada;

namespace {

constexpr double kHoje = construtores::kHoje;

// One country (29) of two 20-club-mode divisions of `por` clubs each, in
// table order, plus one club outside the divisions; every club with its
// own coach and a few players, a season under way on date 10.
struct Carreira {
    Jogo jogo;
    int fora = -1;
    explicit Carreira(int por = 6) {
        TEstadoJogo& e = jogo.estado;
        e.marcador = 2007;
        e.temporada = 1;
        e.dataatual = 10;
        e.divisoesporliga = 2;
        jogo.calendario[9].data = kHoje;
        jogo.ligas.push_back(NovaLiga(29));
        jogo.ligas[0].numdivisoes = 2;
        for (int c = 0; c < 2 * por + 1; ++c) {
            const int t = construtores::Clube(jogo, 15);
            TTime& x = jogo.times[t];
            x.pais = 29;
            x.dinheiro = 1'000'000;
            x.confdiretoria = x.conftorcida = 60;
            if (c < 2 * por) {
                x.divisao = c / por + 1;
                jogo.ligas[0].divisoes[x.divisao - 1][c % por] = t;
                jogo.ligas[0].ordem[x.divisao - 1][c % por] = t;
                x.colocacao[1] = c % por + 1;
            } else {
                x.divisao = 0;
                fora = t;
            }
            for (int j : construtores::Elenco(jogo, t, {1, 0, 1, 1, 1}))
                jogo.jogadores[j].contrato = kHoje + 500;
            TTecnico k = NovoTecnico();
            k.nome = "Tecnico " + std::to_string(t);
            k.pais = 29;
            k.nivel = x.divisao;
            k.time = t;
            k.empregado = 1;
            jogo.tecnicos.push_back(k);
            x.tecnico = static_cast<i32>(jogo.tecnicos.size()) - 1;
        }
        const auto elencos = JogadoresPorTime(jogo);
        for (std::size_t t = 0; t < jogo.times.size(); ++t)
            ContarElenco(jogo, static_cast<int>(t), elencos[t]);
        jogo.financas.resize(jogo.times.size());
        std::memset(jogo.financas.data(), 0, jogo.financas.size() * sizeof(TFinancas));
        jogo.gerador.Semear(5);
    }
    TTime& T(int c) { return jogo.times[c]; }
    TTecnico& K(int k) { return jogo.tecnicos[k]; }
    int Livre(int nivel, int pais = 29) {
        TTecnico k = NovoTecnico();
        k.nome = "Livre " + std::to_string(jogo.tecnicos.size());
        k.pais = pais;
        k.nivel = nivel;
        jogo.tecnicos.push_back(k);
        return static_cast<int>(jogo.tecnicos.size()) - 1;
    }
    // The coach of club `c` becomes a human.
    int Humano(int c) {
        const int k = T(c).tecnico;
        K(k).humano = 1;
        T(c).humano = 1;
        TEstadoJogo& e = jogo.estado;
        e.timeshumanos[e.numhumanos++] = c;
        jogo.ligas[0].temhumano = 1;
        return k;
    }
};

// Scripted answers: what was shown, and the offer taken (by position).
struct Roteiro : InteracaoCarreira {
    struct Demissao {
        int tecnico, clube;
        MotivoDemissao motivo;
        int substituto;
    };
    std::vector<Demissao> demitidos;
    std::vector<std::vector<int>> convites;
    int aceitar = -1;
    void Demitido(Jogo&, int tecnico, int clube, MotivoDemissao motivo, int substituto) override {
        demitidos.push_back({tecnico, clube, motivo, substituto});
    }
    int Convite(Jogo&, int, const std::vector<int>& clubes) override {
        convites.push_back(clubes);
        return aceitar >= 0 && aceitar < static_cast<int>(clubes.size()) ? clubes[aceitar] : -1;
    }
};

} // namespace

TEST(Confianca, ResultsTablePlaceDebtAndUnhappyFans) {
    Carreira c;
    // No table yet (position 0): only the result itself counts.
    for (int t : {0, 1, 2, 3}) c.T(t).colocacao[1] = 0;
    c.T(0).humano = 1;
    c.T(0).dinheiro = -1;
    AtualizarConfianca(c.jogo, 1, 0, 1, 1, 1);
    AtualizarConfianca(c.jogo, 1, 2, 3, 1, 1);
    // In debt a human's board forgives a draw 10 points less.
    EXPECT_EQ(c.T(0).confdiretoria, 50);
    EXPECT_EQ(c.T(2).confdiretoria, 60);
    EXPECT_EQ(c.T(2).conftorcida, 60);

    // Fans at 39 cost the board 5 after the match; at 40 nothing.
    c.T(2).conftorcida = 39;
    c.T(3).conftorcida = 40;
    AtualizarConfianca(c.jogo, 1, 2, 3, 0, 0);
    EXPECT_EQ(c.T(2).confdiretoria, 55);
    EXPECT_EQ(c.T(3).confdiretoria, 60);

    // A home win from the top of a 20-club table, against a stronger side:
    // board +5 for the place, +2 for the strength; fans +5 +3.
    c.T(4).colocacao[1] = 1;
    c.T(5).colocacao[1] = 18;
    c.T(5).nivel = 10;
    c.T(4).nivel = 8;
    AtualizarConfianca(c.jogo, 1, 4, 5, 2, 0);
    EXPECT_EQ(c.T(4).confdiretoria, 67);
    EXPECT_EQ(c.T(4).conftorcida, 68);
    // The stronger loser at 18 away (side 1): board -7 -2, fans -5 -7.
    EXPECT_EQ(c.T(5).confdiretoria, 51);
    EXPECT_EQ(c.T(5).conftorcida, 48);

    // 10-club divisions, home loss (side 2) at place 9: board -7, fans -15
    // and under 40 another -5; both stay within 0..100.
    c.jogo.estado.divisoesporliga = 4;
    c.T(6).colocacao[1] = 9;
    c.T(6).confdiretoria = 10;
    c.T(6).conftorcida = 10;
    AtualizarConfianca(c.jogo, 1, 6, 7, 0, 3);
    EXPECT_EQ(c.T(6).confdiretoria, 0);
    EXPECT_EQ(c.T(6).conftorcida, 0);

    // State championship, group place 1: a win +5 board, +7 fans.
    c.T(8).colocacao[3] = 1;
    c.T(9).colocacao[3] = 6;
    AtualizarConfianca(c.jogo, 3, 9, 8, 0, 1);
    EXPECT_EQ(c.T(8).confdiretoria, 65);
    EXPECT_EQ(c.T(8).conftorcida, 67);
    // The loser at 6: board -2 -3, fans -7.
    EXPECT_EQ(c.T(9).confdiretoria, 55);
    EXPECT_EQ(c.T(9).conftorcida, 53);

    // Cup matches move nothing; a new season lifts everyone to 80.
    AtualizarConfianca(c.jogo, 2, 0, 1, 0, 5);
    EXPECT_EQ(c.T(0).confdiretoria, 50);
    PisoDeConfianca(c.jogo);
    EXPECT_EQ(c.T(6).confdiretoria, 80);
    EXPECT_EQ(c.T(4).conftorcida, 80);
}

TEST(Demissoes, BoardAtTenKeepsItsCoachAtNineAComputerClubHiresAReplacement) {
    Carreira c;
    Roteiro ia;
    const int livre = c.Livre(1);
    const int antigo = c.T(2).tecnico;
    c.T(2).confdiretoria = 10;
    VerificarDemissoes(c.jogo, ia);
    EXPECT_EQ(c.T(2).tecnico, antigo);
    EXPECT_TRUE(c.jogo.trocastecnicos.empty());

    c.T(2).confdiretoria = 9;
    VerificarDemissoes(c.jogo, ia);
    // The unemployed coach of the club's level takes it; the old one is free.
    EXPECT_EQ(c.T(2).tecnico, livre);
    EXPECT_EQ(c.K(livre).time, 2);
    EXPECT_EQ(c.K(antigo).time, -1);
    EXPECT_EQ(c.K(antigo).timeanterior, 2);
    EXPECT_EQ(c.K(antigo).nivel, 1);
    EXPECT_EQ(c.T(2).confdiretoria, 100);
    EXPECT_EQ(c.T(2).conftorcida, 80);
    ASSERT_EQ(c.jogo.trocastecnicos.size(), 1u);
    EXPECT_EQ(c.jogo.trocastecnicos[0].tecnico, livre);
    EXPECT_EQ(c.jogo.trocastecnicos[0].clube, 2);
    EXPECT_EQ(c.jogo.trocastecnicos[0].temporada, 1);
    EXPECT_TRUE(VerificarInvariantes(c.jogo).empty()) << VerificarInvariantes(c.jogo).front();
}

TEST(Demissoes, WithoutFreeCoachesTheBestPlacedCoachIsTakenInExchange) {
    Carreira c;
    Roteiro ia;
    // Division 2 of a 20-club country with two divisions: the coach comes
    // from the best placed other club of the same division.
    const int x = 9, melhor = 6;
    const int dele = c.T(x).tecnico, tomado = c.T(melhor).tecnico;
    c.T(x).confdiretoria = 0;
    VerificarDemissoes(c.jogo, ia);
    EXPECT_EQ(c.T(x).tecnico, tomado);
    EXPECT_EQ(c.T(melhor).tecnico, dele);
    EXPECT_EQ(c.K(dele).time, melhor);
    EXPECT_EQ(c.jogo.trocastecnicos.size(), 2u);
    EXPECT_TRUE(VerificarInvariantes(c.jogo).empty()) << VerificarInvariantes(c.jogo).front();
}

TEST(Demissoes, AHumanIsToldWhyAndWaitsWithoutAClub) {
    Carreira c(20);
    Roteiro ia;
    c.Humano(1);
    const int humano = c.Humano(3);
    EXPECT_EQ(MotivoDaDemissao(c.jogo, 3, true), MotivoDemissao::Demissao);
    c.T(3).confdiretoria = 5;
    c.T(3).conftorcida = 14;
    c.T(3).dinheiro = -5;
    EXPECT_EQ(MotivoDaDemissao(c.jogo, 3, false), MotivoDemissao::Torcida);
    c.T(3).conftorcida = 15;
    EXPECT_EQ(MotivoDaDemissao(c.jogo, 3, false), MotivoDemissao::Dinheiro);
    c.T(3).divisao = 0;
    EXPECT_EQ(MotivoDaDemissao(c.jogo, 3, false), MotivoDemissao::SemDivisao);
    c.T(3).divisao = 1;
    PostarEmail(c.jogo, 3, kEmailBoasVindas, 1);

    // No free coach in the world: one is made up for the club.
    const std::size_t antes = c.jogo.tecnicos.size();
    VerificarDemissoes(c.jogo, ia);
    ASSERT_EQ(ia.demitidos.size(), 1u);
    EXPECT_EQ(ia.demitidos[0].tecnico, humano);
    EXPECT_EQ(ia.demitidos[0].motivo, MotivoDemissao::Dinheiro);
    const int novo = ia.demitidos[0].substituto;
    EXPECT_EQ(c.jogo.tecnicos.size(), antes + 1);
    EXPECT_FALSE(c.K(novo).nome.empty());
    EXPECT_EQ(c.T(3).tecnico, novo);
    EXPECT_FALSE(c.T(3).humano);
    EXPECT_EQ(c.K(humano).time, -1);
    EXPECT_EQ(c.K(humano).nivel, 1);
    EXPECT_EQ(c.jogo.estado.numhumanos, 1);
    EXPECT_EQ(c.jogo.estado.timeshumanos[0], 1);
    EXPECT_EQ(c.jogo.estado.timeshumanos[1], -1);
    EXPECT_TRUE(EmailsDoClube(c.jogo, 3).empty());
    EXPECT_TRUE(VerificarInvariantes(c.jogo).empty()) << VerificarInvariantes(c.jogo).front();

    // The other human resigns: nobody coaches in the country any more.
    DemitirHumano(c.jogo, ia, 1, true);
    EXPECT_EQ(ia.demitidos.back().motivo, MotivoDemissao::Demissao);
    EXPECT_EQ(c.jogo.estado.numhumanos, 0);
    EXPECT_EQ(c.jogo.ligas[0].temhumano, 0);

    // Offers come (2 chances in 3 per league date) from the lower half of
    // his level's divisions, never from his last club; he takes one.
    ia.aceitar = 0;
    for (int d = 0; d < 20 && c.K(humano).time < 0; ++d) OfertasDesempregados(c.jogo, ia);
    ASSERT_FALSE(ia.convites.empty());
    for (const auto& lista : ia.convites) {
        EXPECT_TRUE(lista.size() >= 1 && lista.size() <= 4);
        for (int clube : lista) EXPECT_NE(clube, 3);
    }
    const int clube = c.K(humano).time;
    ASSERT_GE(clube, 0);
    EXPECT_TRUE(c.T(clube).humano);
    EXPECT_EQ(c.jogo.estado.timeshumanos[0], clube);
    EXPECT_EQ(c.jogo.ligas[0].temhumano, 1);
    for (int j : construtores::DoClube(c.jogo, clube)) {
        const double semanas = (c.jogo.jogadores[j].contrato - kHoje) / 7;
        EXPECT_TRUE(semanas >= 10 && semanas <= 39) << semanas;
    }
    EXPECT_FALSE(EmailsDoClube(c.jogo, clube).empty()); // the welcome
    EXPECT_TRUE(VerificarInvariantes(c.jogo).empty()) << VerificarInvariantes(c.jogo).front();
}

TEST(Contratacao, HumansKeepTheirListSortedAndTheirListedPlayersBack) {
    Carreira c;
    const int a = c.Livre(1), b = c.Livre(1);
    c.K(a).humano = c.K(b).humano = 1;
    const int listado = construtores::DoClube(c.jogo, 8).front();
    c.jogo.jogadores[listado].avenda = 1;
    Deixar(c.jogo, 8, c.T(8).tecnico);
    Contratar(c.jogo, 8, a);
    Deixar(c.jogo, 2, c.T(2).tecnico);
    Contratar(c.jogo, 2, b);
    EXPECT_EQ(c.jogo.estado.numhumanos, 2);
    EXPECT_EQ(c.jogo.estado.timeshumanos[0], 2);
    EXPECT_EQ(c.jogo.estado.timeshumanos[1], 8);
    EXPECT_EQ(c.jogo.jogadores[listado].avenda, 0);
    const double semanas = (c.jogo.jogadores[listado].contrato - kHoje) / 7;
    EXPECT_TRUE(semanas >= 10 && semanas <= 39);
    EXPECT_TRUE(VerificarInvariantes(c.jogo).empty()) << VerificarInvariantes(c.jogo).front();

    Deixar(c.jogo, 2, b);
    EXPECT_EQ(c.jogo.estado.numhumanos, 1);
    EXPECT_EQ(c.jogo.estado.timeshumanos[0], 8);
    EXPECT_EQ(c.jogo.estado.timeshumanos[1], -1);
    EXPECT_EQ(c.K(b).timeanterior, 2);
}

TEST(Convites, AGoodSeasonInDivisionTwoBringsAnOfferFromTheTopDivision) {
    Carreira c;
    Roteiro ia;
    const int humano = c.Humano(6); // first of division 2
    c.T(6).confdiretoria = 90;
    c.jogo.estado.temporada = 2;
    c.jogo.estado.contadores.turnoliga = 2;
    c.jogo.estado.contadores.rodadaliga = 3;
    for (TTecnico& k : c.jogo.tecnicos) k.podeoferta = 1;
    OfertasEmpregados(c.jogo, ia);
    EXPECT_TRUE(ia.convites.empty()); // odd matchday

    c.jogo.estado.contadores.rodadaliga = 4;
    ia.aceitar = 0;
    const int antigo = c.T(5).tecnico;
    OfertasEmpregados(c.jogo, ia);
    // Division 1 walked from place 6 up: its sixth club, club 5.
    ASSERT_EQ(ia.convites.size(), 1u);
    EXPECT_EQ(ia.convites[0], std::vector<int>{5});
    EXPECT_EQ(c.K(humano).time, 5);
    EXPECT_EQ(c.T(6).tecnico, antigo); // hired in exchange
    EXPECT_FALSE(c.T(6).humano);
    EXPECT_EQ(c.jogo.estado.timeshumanos[0], 5);
    EXPECT_EQ(c.K(humano).podeoferta, 0);
    EXPECT_TRUE(VerificarInvariantes(c.jogo).empty()) << VerificarInvariantes(c.jogo).front();

    // Once shown, no more offers this season.
    ia.convites.clear();
    c.T(5).confdiretoria = 100;
    c.T(5).colocacao[1] = 1;
    OfertasEmpregados(c.jogo, ia);
    EXPECT_TRUE(ia.convites.empty());
}

namespace {
struct CicloRoteiro : temporada::InteracaoCiclo {
    std::vector<MotivoDemissao> motivos;
    void Demitido(Jogo&, int, int, MotivoDemissao motivo, int) override {
        motivos.push_back(motivo);
    }
};
} // namespace

TEST(Demissoes, AHumanWhoseClubLeftTheDivisionsLosesItBeforeTheNewSeason) {
    Carreira c;
    CicloRoteiro ia;
    c.Humano(2);
    const int humano = c.Humano(c.fora);
    temporada::ContinuarFimDeTemporada(c.jogo, ia);
    ASSERT_EQ(ia.motivos.size(), 1u);
    EXPECT_EQ(ia.motivos[0], MotivoDemissao::SemDivisao);
    EXPECT_EQ(c.K(humano).time, -1);
    EXPECT_FALSE(c.T(c.fora).humano);
    EXPECT_EQ(c.jogo.estado.numhumanos, 1);
    EXPECT_EQ(c.jogo.estado.timeshumanos[0], 2);
}
