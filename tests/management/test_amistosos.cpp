// Friendlies: the open dates, the fee, the booking and its fixture, and a
// friendly called off when its human leaves.
#include "competitions/calendario.hpp"
#include "management/amistosos.hpp"
#include "management/invariantes.hpp"
#include "match/construtores.hpp"

#include <gtest/gtest.h>

using namespace world;
using namespace management;
using competitions::kAmistoso;

namespace {

constexpr double kHoje = construtores::kHoje;

struct Mundo {
    Jogo jogo;
    int humano, quarta, primeira, estrangeiro, outrohumano;
    Mundo() {
        jogo.estado.temporada = 1;
        jogo.estado.dataatual = 5;
        for (int n = 1; n <= kDatasPorTemporada; ++n)
            jogo.calendario[n - 1] = {n, kHoje - 5 + n, competitions::kLiga};
        for (int n : {3, 8, 9, 12, 140}) jogo.calendario[n - 1].competicao = kAmistoso;
        humano = construtores::Clube(jogo, 15, true);
        quarta = construtores::Clube(jogo, 5);
        primeira = construtores::Clube(jogo, 20);
        estrangeiro = construtores::Clube(jogo, 22);
        outrohumano = construtores::Clube(jogo, 18, true);
        jogo.times[quarta].divisao = 4;
        jogo.times[estrangeiro].pais = 3;
        jogo.times[estrangeiro].divisao = 1;
        jogo.times[humano].nome = "Zeta";
        jogo.times[quarta].nome = "Alfa";
        jogo.times[primeira].nome = "Omega";
        jogo.times[estrangeiro].nome = "Beta";
        jogo.times[outrohumano].nome = "Epsilon";
        jogo.times[humano].dinheiro = 35'000;
    }
};

TEST(Amistosos, OpenDatesAreTheFreeOnesAfterTodayUpToTheLimit) {
    Mundo m;
    EXPECT_EQ(DatasParaAmistoso(m.jogo, m.humano, false), (std::vector<int>{8, 9, 12, 140}));
    // Pre-season: up to the first league date (date 1 here), nothing left.
    m.jogo.estado.dataatual = 0;
    EXPECT_TRUE(DatasParaAmistoso(m.jogo, m.humano, true).empty());
    for (int n = 1; n <= 10; ++n) m.jogo.calendario[n - 1].competicao = kAmistoso;
    EXPECT_EQ(LimiteDosAmistosos(m.jogo, true), 11);
    EXPECT_EQ(DatasParaAmistoso(m.jogo, m.humano, true).size(), 10u);
}

TEST(Amistosos, OpponentsAreEveryOtherClubByName) {
    Mundo m;
    EXPECT_EQ(AdversariosDeAmistoso(m.jogo, m.humano),
              (std::vector<int>{m.quarta, m.estrangeiro, m.outrohumano, m.primeira}));
}

TEST(Amistosos, TheFeeByDivisionAtHomeOrAwayByLevelAbroadAndFreeBetweenHumans) {
    Mundo m;
    EXPECT_EQ(CotaDoAmistoso(m.jogo, m.humano, m.quarta, true), 50'000);
    EXPECT_EQ(CotaDoAmistoso(m.jogo, m.humano, m.quarta, false), 30'000);
    EXPECT_EQ(CotaDoAmistoso(m.jogo, m.humano, m.primeira, true), 300'000);
    EXPECT_EQ(CotaDoAmistoso(m.jogo, m.humano, m.estrangeiro, true), 600'000);
    EXPECT_EQ(CotaDoAmistoso(m.jogo, m.humano, m.estrangeiro, false), 350'000);
    EXPECT_EQ(CotaDoAmistoso(m.jogo, m.humano, m.outrohumano, true), 0);
    m.jogo.times[m.primeira].divisao = 0;
    EXPECT_EQ(CotaDoAmistoso(m.jogo, m.humano, m.primeira, false), 10'000);
    m.jogo.times[m.estrangeiro].nivel = 30; // beyond the bands
    EXPECT_EQ(CotaDoAmistoso(m.jogo, m.humano, m.estrangeiro, true), 0);
}

TEST(Amistosos, WithTheCashOfAnAwayFeeOnlyTheAwayFriendlyIsBookedAndItsDateGoes) {
    Mundo m;
    EXPECT_EQ(MarcarAmistoso(m.jogo, m.humano, m.quarta, 8, true), Marcacao::SemDinheiro);
    EXPECT_TRUE(m.jogo.amistosos.empty());
    ASSERT_EQ(MarcarAmistoso(m.jogo, m.humano, m.quarta, 8, false), Marcacao::Marcado);
    EXPECT_EQ(m.jogo.times[m.humano].dinheiro, 5'000);
    ASSERT_EQ(m.jogo.amistosos.size(), 1u);
    const TAmistoso& a = m.jogo.amistosos[0];
    EXPECT_EQ(a.mandante, m.quarta); // the opponent's stadium: he is first
    EXPECT_EQ(a.visitante, m.humano);
    EXPECT_EQ(a.indicedata, 8);
    ASSERT_EQ(m.jogo.partidas.size(), 1u);
    const TPartida& p = m.jogo.partidas[0];
    EXPECT_EQ(p.competicao, kAmistoso);
    EXPECT_EQ(p.data, m.jogo.calendario[7].data);
    EXPECT_EQ(p.grupo, -1);
    // The date is gone for both clubs; the same date twice is refused.
    EXPECT_EQ(DatasParaAmistoso(m.jogo, m.humano, false), (std::vector<int>{9, 12, 140}));
    EXPECT_EQ(MarcarAmistoso(m.jogo, m.humano, m.outrohumano, 8, true), Marcacao::DataIndisponivel);
    EXPECT_EQ(ConferirAmistoso(m.jogo, m.humano, m.humano, 9, true), Marcacao::SemAdversario);
    EXPECT_EQ(ConferirAmistoso(m.jogo, m.humano, -1, 9, true), Marcacao::SemAdversario);
    EXPECT_EQ(ConferirAmistoso(m.jogo, -1, m.quarta, 9, true), Marcacao::SemClube);
    // Another human wanting the opponent on that date: "Amistoso marcado".
    EXPECT_EQ(ConferirAmistoso(m.jogo, m.outrohumano, m.quarta, 8, true),
              Marcacao::AdversarioOcupado);
    // Against another human: free.
    EXPECT_EQ(MarcarAmistoso(m.jogo, m.humano, m.outrohumano, 9, true), Marcacao::Marcado);
    EXPECT_EQ(m.jogo.times[m.humano].dinheiro, 5'000);
    EXPECT_TRUE(VerificarInvariantes(m.jogo).empty());
}

TEST(Amistosos, PlayedFixturesMarkTheirFriendliesAndALeavingHumanCallsHisOff) {
    Mundo m;
    m.jogo.times[m.humano].dinheiro = 10'000'000;
    ASSERT_EQ(MarcarAmistoso(m.jogo, m.humano, m.quarta, 8, true), Marcacao::Marcado);
    ASSERT_EQ(MarcarAmistoso(m.jogo, m.humano, m.primeira, 12, true), Marcacao::Marcado);
    m.jogo.partidas[0].jogado = 1;
    AtualizarAmistosos(m.jogo);
    EXPECT_EQ(m.jogo.amistosos[0].jogado, 1);
    EXPECT_EQ(m.jogo.amistosos[1].jogado, 0);
    // On a free date the day's friendly goes on: nothing is called off.
    m.jogo.estado.dataatual = 9;
    CancelarAmistosos(m.jogo, m.humano);
    EXPECT_EQ(m.jogo.amistosos[1].jogado, 0);
    m.jogo.estado.dataatual = 10;
    CancelarAmistosos(m.jogo, m.humano);
    EXPECT_EQ(m.jogo.amistosos[1].jogado, 1);
    EXPECT_EQ(m.jogo.partidas[1].competicao, competitions::kSemEvento);
    EXPECT_TRUE(VerificarInvariantes(m.jogo).empty());
}

} // namespace
