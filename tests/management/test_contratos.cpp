// Contract warnings by mail, the automatic renewal of ended contracts, and
// the renewal a coach proposes: the player's answer, his demand, signing.
#include "management/contratos.hpp"
#include "management/financas.hpp"
#include "match/construtores.hpp"
#include "world/clubes.hpp"
#include "world/emails.hpp"
#include "world/posicoes.hpp"

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

TEST(Renovacao, TheSameSalaryIsTakenFromTheFifthPlacedClubButNotFromTheLeader) {
    EXPECT_EQ(ResponderContrato(10'000, 10'000, 5, 100).resposta, RespostaContrato::Aceita);
    const AnaliseContrato lider = ResponderContrato(10'000, 10'000, 1, 100);
    EXPECT_EQ(lider.resposta, RespostaContrato::Recusa);
    EXPECT_EQ(lider.exigencia, 11'700);
}

TEST(Renovacao, ARaiseIsMeasuredByTheBandAndThePlace) {
    // 600 more: enough for the 5th placed club, not for the leader (1 000).
    EXPECT_EQ(ResponderContrato(10'000, 10'600, 5, 100).resposta, RespostaContrato::Aceita);
    const AnaliseContrato a = ResponderContrato(10'000, 10'600, 1, 100);
    EXPECT_EQ(a.resposta, RespostaContrato::Recusa);
    EXPECT_EQ(a.exigencia, 11'700);
    EXPECT_EQ(ResponderContrato(10'000, 11'000, 1, 100).resposta, RespostaContrato::Aceita);
    // From 10 001 to 50 000: a thousand; above, fifteen thousand.
    EXPECT_EQ(ResponderContrato(20'000, 20'999, 3, 100).resposta, RespostaContrato::Recusa);
    EXPECT_EQ(ResponderContrato(20'000, 21'000, 3, 100).resposta, RespostaContrato::Aceita);
    EXPECT_EQ(ResponderContrato(60'000, 74'999, 8, 100).resposta, RespostaContrato::Recusa);
    EXPECT_EQ(ResponderContrato(60'000, 75'000, 8, 100).resposta, RespostaContrato::Aceita);
}

TEST(Renovacao, ACutOnlyNearTheEndOfTheContractOfAModestClubAndWithinItsBand) {
    EXPECT_EQ(ResponderContrato(8'000, 7'500, 3, 30).resposta, RespostaContrato::Aceita);
    EXPECT_EQ(ResponderContrato(8'000, 7'499, 3, 30).resposta, RespostaContrato::Recusa);
    EXPECT_EQ(ResponderContrato(8'000, 7'500, 3, 80).resposta, RespostaContrato::Recusa);
    EXPECT_EQ(ResponderContrato(8'000, 7'500, 7, 10).resposta, RespostaContrato::Recusa);
    EXPECT_EQ(ResponderContrato(30'000, 29'000, 6, 10).resposta, RespostaContrato::Aceita);
    EXPECT_EQ(ResponderContrato(90'000, 88'500, 6, 10).resposta, RespostaContrato::Aceita);
    // Beyond the bands the player keeps silent.
    EXPECT_EQ(ResponderContrato(9'960'000, 9'959'000, 6, 10).resposta,
              RespostaContrato::SemResposta);
}

TEST(Renovacao, AnOfferOutOfAllReasonComesFirstWithTheMostTheClubMayOffer) {
    const AnaliseContrato a = ResponderContrato(20'000, 100'001, 1, 100);
    EXPECT_EQ(a.resposta, RespostaContrato::ForaDaRealidade);
    EXPECT_EQ(a.maximo, 100'000);
    // Five times a small salary but not above 100 000: an ordinary raise.
    EXPECT_EQ(ResponderContrato(10'000, 100'000, 1, 100).resposta, RespostaContrato::Aceita);
}

TEST(Renovacao, TheDemandByBandAndPlaceNeverBelowTheOffer) {
    EXPECT_EQ(ExigenciaSalarial(1'000, 4, 0), 1'700);
    EXPECT_EQ(ExigenciaSalarial(1'000, 5, 0), 1'500);
    EXPECT_EQ(ExigenciaSalarial(5'500, 12, 0), 6'300);
    EXPECT_EQ(ExigenciaSalarial(40'000, 2, 0), 43'000);
    EXPECT_EQ(ExigenciaSalarial(100'001, 9, 0), 108'001);
    // Refused at 20 000 above a 10 000 salary (p ≤ 4 would ask only 11 700).
    EXPECT_EQ(ExigenciaSalarial(10'000, 1, 20'000), 20'500);
    // A huge salary does not wrap round.
    EXPECT_GT(ExigenciaSalarial(2'147'483'000, 1, 0), 0);
}

TEST(Renovacao, SigningWithdrawsFromSaleRaisesMoraleAboveThirtyPercentAndRecountsTheBill) {
    Clube k(3, false);
    TJogador& p = k.jogo.jogadores[k.j];
    p.salario = 10'000;
    p.moral = 3;
    p.avenda = 1;
    p.passe = 500'000;
    p.passepedido = 900'000;
    p.avisocontrato = 1;
    AssinarContrato(k.jogo, k.j, 13'000, 48); // exactly 30 %: no joy
    EXPECT_EQ(p.avenda, 0);
    EXPECT_EQ(p.passepedido, 500'000);
    EXPECT_EQ(p.contrato, kHoje + 7 * 48);
    EXPECT_EQ(p.avisocontrato, 0);
    EXPECT_EQ(p.moral, 3);
    EXPECT_TRUE(k.jogo.emails.empty());
    EXPECT_EQ(FinancasDe(k.jogo, k.c).salariosemanal, 13'000);
    AssinarContrato(k.jogo, k.j, 17'000, 12); // 4 000 > 3 900
    EXPECT_EQ(p.moral, 4);
    ASSERT_EQ(k.jogo.emails.size(), 1u);
    EXPECT_EQ(k.jogo.emails[0].remetente, 3); // from the player himself
    EXPECT_EQ(FinancasDe(k.jogo, k.c).salariosemanal, 17'000);
}

TEST(Renovacao, ARefusedDemandSendsThePlayerToAuctionOnlyWhenTheClubCanSpareHim) {
    struct Ninguem : InteracaoMercado {
        int lances = 0;
        world::i32 Lance(Jogo&, const Leilao&) override { return ++lances, 0; }
    } ia;
    Clube k(3, false);
    const int goleiro = construtores::Jogador(k.jogo, k.c, kGoleiro);
    std::vector<int> elenco = construtores::DoClube(k.jogo, k.c);
    ContarElenco(k.jogo, k.c, elenco);
    // One goalkeeper and one outfield player: nobody can be spared.
    EXPECT_EQ(RecusaDaDispensa(k.jogo, goleiro), RecusaRenovacao::PoucosDisponiveis);
    EXPECT_EQ(RecusarExigencia(k.jogo, ia, k.j), RecusaRenovacao::PoucosDisponiveis);
    EXPECT_EQ(k.jogo.jogadores[k.j].time, k.c);
    for (int i = 0; i < 11; ++i) construtores::Jogador(k.jogo, k.c, kMeia);
    ContarElenco(k.jogo, k.c, construtores::DoClube(k.jogo, k.c));
    EXPECT_EQ(RecusaDaDispensa(k.jogo, k.j), RecusaRenovacao::Nenhuma);
    EXPECT_EQ(RecusaDaDispensa(k.jogo, goleiro), RecusaRenovacao::UnicoGoleiro);
    ResultadoLeilao r;
    k.jogo.jogadores[k.j].passe = 100'000;
    EXPECT_EQ(RecusarExigencia(k.jogo, ia, k.j, &r), RecusaRenovacao::Nenhuma);
    // No buyer in this small world and no bid: he stays, unsold.
    EXPECT_EQ(r.comprador, -1);
    EXPECT_EQ(k.jogo.jogadores[k.j].time, k.c);
}

TEST(Renovacao, AnOfferOfNothingOrForAnotherClubsPlayerIsRefusedBeforeHeAnswers) {
    Clube k(3, false);
    const int outro = construtores::Clube(k.jogo, 15);
    auto recusa = [&](int clube, int jogador, i32 salario) {
        const AnaliseContrato a = ProporContrato(k.jogo, clube, jogador, salario);
        EXPECT_EQ(a.resposta, RespostaContrato::Impedida);
        return a.recusa;
    };
    EXPECT_EQ(recusa(k.c, 0, 20'000), RecusaRenovacao::SemJogador);
    EXPECT_EQ(recusa(outro, k.j, 20'000), RecusaRenovacao::NaoEhDoClube);
    EXPECT_EQ(recusa(k.c, k.j, 0), RecusaRenovacao::SemSalario);
    EXPECT_EQ(RecusaDaRenovacao(k.jogo, k.c, k.j), RecusaRenovacao::Nenhuma);
}

TEST(Renovacao, ContractLengthsOfTheScreen) {
    EXPECT_EQ(SemanasDoContrato(0), 12);
    EXPECT_EQ(SemanasDoContrato(3), 96);
    EXPECT_EQ(SemanasDoContrato(-1), 24);
}

} // namespace
