// Contract warnings by mail and the automatic renewal of ended contracts.
#include "management/contratos.hpp"
#include "management/emails.hpp"
#include "match/construtores.hpp"

#include <gtest/gtest.h>

using namespace world;
using namespace management;

namespace {

constexpr double kHoje = construtores::kHoje;

struct Clube {
    Jogo jogo;
    int c, j;
    Clube(int opemails, bool opcontrato) {
        jogo.estado.temporada = 1;
        jogo.estado.dataatual = 5;
        jogo.calendario[4].data = kHoje;
        jogo.estado.opcoes.opemails = opemails;
        jogo.estado.opcoes.opcontrato = opcontrato ? 1 : 0;
        c = construtores::Clube(jogo, 15, true);
        jogo.estado.timeshumanos[0] = c;
        j = construtores::Jogador(jogo, c, kMeia);
    }
    int Emails(int subtipo) {
        int n = 0;
        for (const TEmail& e : jogo.emails) n += e.texto == (subtipo == 0 ? 71 : 72);
        return n;
    }
    void Dia(double d) { jogo.calendario[4].data = d; }
};

TEST(Contratos, WithOnlyTheEndedWarningAPlayerTenDaysFromTheEndGetsNoMailThenOne) {
    Clube k(1, false);
    k.jogo.jogadores[k.j].contrato = kHoje + 10;
    AvisosContrato(k.jogo, k.c);
    EXPECT_TRUE(k.jogo.emails.empty());
    k.Dia(kHoje + 11);
    AvisosContrato(k.jogo, k.c);
    AvisosContrato(k.jogo, k.c); // every refresh: still one
    EXPECT_EQ(k.Emails(1), 1);
    EXPECT_EQ(k.jogo.emails.size(), 1u);
}

TEST(Contratos, BothWarningsOnceEachAndNoneWithTheMailOff) {
    Clube k(0, false);
    k.jogo.jogadores[k.j].contrato = kHoje + 20;
    AvisosContrato(k.jogo, k.c);
    AvisosContrato(k.jogo, k.c);
    EXPECT_EQ(k.Emails(0), 1);
    k.Dia(kHoje + 30);
    AvisosContrato(k.jogo, k.c);
    EXPECT_EQ(k.Emails(1), 1);
    EXPECT_EQ(k.jogo.emails.size(), 2u);

    Clube sem(3, false);
    sem.jogo.jogadores[sem.j].contrato = kHoje - 1;
    AvisosContrato(sem.jogo, sem.c);
    EXPECT_TRUE(sem.jogo.emails.empty());
}

TEST(Contratos, AnEndedContractIsRenewedFor12WeeksAtTheSameSalaryWhenTheOptionIsOn) {
    Clube k(3, true);
    TJogador& p = k.jogo.jogadores[k.j];
    p.contrato = kHoje - 3;
    p.salario = 12'345;
    p.avisocontrato = 2;
    AvisosContrato(k.jogo, k.c);
    EXPECT_EQ(p.contrato, kHoje + 84);
    EXPECT_EQ(p.salario, 12'345);
    EXPECT_EQ(p.avisocontrato, 0);
}

} // namespace
