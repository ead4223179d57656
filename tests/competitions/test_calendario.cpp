#include "competitions/calendario.hpp"
#include "competitions/rodadas.hpp"
#include "plataforma/datas.hpp"

#include <gtest/gtest.h>

#include <array>

using namespace competitions;
using namespace world;

namespace {

Jogo JogoCom(bool divisoesde20, int temporada, bool tudo = true) {
    Jogo jogo;
    TEstadoJogo& e = jogo.estado;
    e.divisoesporliga = divisoesde20 ? 2 : 4;
    e.temporada = temporada;
    e.copanacional = e.estaduais = e.continental1 = e.continental2 = tudo;
    e.copadomundo = e.eurocopa = e.copaamerica = tudo;
    MontarCalendario(jogo);
    return jogo;
}

// Dates per code -1..9, in slots 0..10.
std::array<int, 11> Contagem(const Jogo& jogo) {
    std::array<int, 11> c{};
    for (int n = 1; n <= kDatasPorTemporada; ++n) ++c[CompeticaoDaData(jogo, n) + 1];
    return c;
}

int Conta(const Jogo& jogo, int codigo) {
    return Contagem(jogo)[codigo + 1];
}

} // namespace

TEST(Calendario, DatesFallOnWednesdayThursdayAndSunday) {
    Jogo jogo = JogoCom(true, 1);
    EXPECT_EQ(jogo.calendario[0].data, plataforma::CodificarData(2007, 1, 3));
    EXPECT_EQ(jogo.calendario[147].data, plataforma::CodificarData(2007, 12, 12));
    constexpr int kDia[3] = {1, 4, 5}; // n mod 3 = 0 Sunday, 1 Wednesday, 2 Thursday
    for (int n = 1; n <= kDatasPorTemporada; ++n) {
        EXPECT_EQ(jogo.calendario[n - 1].numero, n);
        EXPECT_EQ(plataforma::DiaDaSemana(jogo.calendario[n - 1].data), kDia[n % 3]) << n;
    }
    // The year follows the season; 1 January 2008 is a Tuesday.
    Jogo seguinte = JogoCom(false, 2);
    EXPECT_EQ(seguinte.calendario[0].data, plataforma::CodificarData(2008, 1, 2));
}

TEST(Calendario, EveryCompetitionGetsItsDatesInBothModes) {
    // Season 4 holds the World Cup, and every competition is on.
    for (bool de20 : {true, false}) {
        SCOPED_TRACE(de20 ? "divisions of 20" : "divisions of 10");
        Jogo jogo = JogoCom(de20, 4);
        const auto c = Contagem(jogo);
        EXPECT_EQ(c[kAmistoso + 1], de20 ? 9 : 18);
        EXPECT_EQ(c[kLiga + 1], de20 ? 38 : 18);
        EXPECT_EQ(c[kCopaNacional + 1], 10);
        EXPECT_EQ(c[kEstadual + 1], 12);
        EXPECT_EQ(c[kContinental1 + 1], 14);
        EXPECT_EQ(c[kMundialDeClubes + 1], 3);
        EXPECT_EQ(c[kContinental2 + 1], 14);
        EXPECT_EQ(c[kCopaDoMundo + 1], 7);
        EXPECT_EQ(c[kCopaAmerica + 1] + c[kEurocopa + 1], 0);
        // No two competitions were given the same date.
        int usadas = 0;
        for (int k = 1; k < 11; ++k) usadas += c[k];
        EXPECT_EQ(usadas + c[0], kDatasPorTemporada);
        EXPECT_EQ(CompeticaoDaData(jogo, 87), kCopaDoMundo);
    }
}

TEST(Calendario, TournamentsRotateAndDate87IsFreeOutsideWorldCupYears) {
    Jogo america = JogoCom(true, 5);
    EXPECT_EQ(Conta(america, kCopaAmerica), 6);
    EXPECT_EQ(Conta(america, kCopaDoMundo) + Conta(america, kEurocopa), 0);
    EXPECT_EQ(CompeticaoDaData(america, 87), kAmistoso);
    Jogo euro = JogoCom(false, 6);
    EXPECT_EQ(Conta(euro, kEurocopa), 6);
    EXPECT_EQ(CompeticaoDaData(euro, 87), kAmistoso);
    Jogo nenhum = JogoCom(true, 7);
    EXPECT_EQ(CompeticaoDaData(nenhum, 78), kSemEvento);
    EXPECT_EQ(CompeticaoDaData(nenhum, 87), kSemEvento);
    // The tournaments stop after 2198, 2199 and 2200.
    for (int codigo : {kCopaDoMundo, kCopaAmerica, kEurocopa}) {
        const int ultima = 192 + codigo - kCopaDoMundo;
        EXPECT_GT(Conta(JogoCom(true, ultima), codigo), 0);
        EXPECT_EQ(Conta(JogoCom(true, ultima + 4), codigo), 0);
    }
}

TEST(Calendario, ContinentalCupsStartInTheSecondSeasonAndSwitchesTurnCompetitionsOff) {
    Jogo primeira = JogoCom(true, 1);
    EXPECT_EQ(Conta(primeira, kContinental1) + Conta(primeira, kContinental2) +
                  Conta(primeira, kMundialDeClubes),
              0);
    EXPECT_EQ(Conta(primeira, kCopaAmerica), 6); // season 1 is a Copa America year

    Jogo sem = JogoCom(false, 4, false);
    const auto c = Contagem(sem);
    EXPECT_EQ(c[kLiga + 1], 18);
    EXPECT_EQ(c[kAmistoso + 1], 18);
    EXPECT_EQ(c[0] + c[1] + c[2], kDatasPorTemporada);

    Jogo so2 = JogoCom(true, 3, false);
    so2.estado.continental1 = 1; // the club world cup goes with the first cup
    MontarCalendario(so2);
    EXPECT_EQ(Conta(so2, kContinental1), 14);
    EXPECT_EQ(Conta(so2, kMundialDeClubes), 3);
    EXPECT_EQ(Conta(so2, kContinental2), 0);
}

TEST(Calendario, NextDateSkipsFreeDatesWithoutAFriendly) {
    Jogo jogo = JogoCom(true, 3, false);
    EXPECT_EQ(IrParaPrimeiraData(jogo), kLiga);
    EXPECT_EQ(jogo.estado.dataatual, 36);
    EXPECT_EQ(jogo.estado.tipo, kLiga);
    EXPECT_EQ(ProximaData(jogo), kLiga); // 37 is free and empty
    EXPECT_EQ(jogo.estado.dataatual, 39);

    // A friendly on date 50 stops there; once played it no longer does.
    const double dia50 = jogo.calendario[49].data;
    const int f = AdicionarPartida(jogo, 0, 1, -1, -1, -1, -1, kAmistoso, dia50);
    jogo.estado.dataatual = 48;
    EXPECT_EQ(ProximaData(jogo), kAmistoso);
    EXPECT_EQ(jogo.estado.dataatual, 50);
    jogo.partidas[f].jogado = 1;
    jogo.estado.dataatual = 48;
    EXPECT_EQ(ProximaData(jogo), kLiga);
    EXPECT_EQ(jogo.estado.dataatual, 51);

    // After the last league date the season is over.
    jogo.estado.dataatual = 144;
    EXPECT_EQ(ProximaData(jogo), kSemEvento);
    EXPECT_EQ(jogo.estado.dataatual, 148);
    EXPECT_EQ(ProximaData(jogo), kSemEvento);
    EXPECT_EQ(jogo.estado.dataatual, 148);
}

TEST(Calendario, ClubWorldCupWithoutItsClubsEndsTheSeason) {
    Jogo jogo = JogoCom(true, 2);
    int pedidos = 0;
    jogo.estado.dataatual = 144;
    EXPECT_EQ(ProximaData(jogo, [&] { return ++pedidos, false; }), kSemEvento);
    EXPECT_EQ(jogo.estado.dataatual, 148);
    EXPECT_EQ(pedidos, 1);

    jogo.estado.dataatual = 144;
    EXPECT_EQ(ProximaData(jogo), kSemEvento); // nobody to draw it

    // Drawn once, its later dates follow without asking again.
    jogo.estado.dataatual = 144;
    auto sortear = [&] {
        ++pedidos;
        AdicionarPartida(jogo, 1, 2, 1, -1, 1, -1, kMundialDeClubes, jogo.calendario[144].data);
        return true;
    };
    EXPECT_EQ(ProximaData(jogo, sortear), kMundialDeClubes);
    EXPECT_EQ(jogo.estado.dataatual, 145);
    EXPECT_EQ(ProximaData(jogo, sortear), kMundialDeClubes);
    EXPECT_EQ(jogo.estado.dataatual, 146);
    EXPECT_EQ(pedidos, 2);
}

TEST(Calendario, WalkingTheSeasonVisitsEveryCompetitionDate) {
    for (bool de20 : {true, false}) {
        Jogo jogo = JogoCom(de20, 4);
        AdicionarPartida(jogo, 1, 2, 1, -1, 1, -1, kMundialDeClubes, 0); // already drawn
        std::array<int, 11> vistos{};
        for (int c = IrParaPrimeiraData(jogo); c != kSemEvento; c = ProximaData(jogo))
            ++vistos[c + 1];
        const auto esperado = Contagem(jogo);
        for (int k = 2; k < 11; ++k) EXPECT_EQ(vistos[k], esperado[k]) << k - 1;
        EXPECT_EQ(vistos[1], 0);
    }
}

TEST(Calendario, LeagueCountersRunThroughBothLegs) {
    for (bool de20 : {true, false}) {
        Jogo jogo = JogoCom(de20, 1);
        const int n = de20 ? 19 : 9;
        IniciarContadoresLiga(jogo);
        for (int i = 1; i < 2 * n; ++i) {
            EXPECT_EQ(jogo.estado.contadores.rodadaliga, (i - 1) % n + 1);
            EXPECT_EQ(jogo.estado.contadores.turnoliga, i <= n ? 1 : 2);
            AvancarContadoresLiga(jogo);
            EXPECT_EQ(jogo.estado.contadores.ligaencerrada, 0);
        }
        AvancarContadoresLiga(jogo);
        EXPECT_EQ(jogo.estado.contadores.ligaencerrada, 1);
        AvancarContadoresLiga(jogo);
        EXPECT_EQ(jogo.estado.contadores.rodadaliga, n);
        EXPECT_EQ(jogo.estado.contadores.turnoliga, 2);
    }
}
