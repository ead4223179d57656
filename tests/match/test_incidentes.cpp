// Cards, injuries and what they do to the lineup.
#include "construtores.hpp"
#include "plataforma/arredondar.hpp"

#include <gtest/gtest.h>

using namespace world;
using namespace match;
using namespace construtores;

namespace {

int Historico(const Confronto& c, int jogador, int linha) {
    return ValorDoHistorico(c.jogo, c.jogo.jogadores[jogador].historico, linha, 0);
}

// Calls FaltasECartoes for side 0 until an event of `tipo` appears, keeping
// the club above the ten available players cards need.
const TEvento* AteOEvento(Confronto& c, int tipo) {
    for (int i = 0; i < 200000; ++i) {
        c.jogo.times[c.casa].disponiveis = 20;
        FaltasECartoes(c.jogo, c.rodada, 1, 0);
        for (const auto& e : c.rodada.eventos)
            if (e.tipo == tipo) return &e;
    }
    return nullptr;
}

} // namespace

TEST(Cartoes, ASecondYellowSendsOffWithEventSixAndASuspensionInTheDatesCompetition) {
    Confronto c(21, 0); // a friendly: the second yellow still counts
    Padrao(c);
    c.rodada.tempo = 2;
    c.rodada.minuto = 30;
    for (int v = 0; v <= kVagaGoleiro; ++v) c.J(Vaga(c.E(0), v)).amarelosjogo = 1;
    const TEvento* e = AteOEvento(c, kSegundoAmarelo);
    ASSERT_NE(e, nullptr);
    const TJogador& j = c.J(e->jogador);
    EXPECT_EQ(e->outro, 30);
    EXPECT_EQ(e->minuto, 75);
    EXPECT_EQ(j.jogou, 0);
    EXPECT_EQ(j.amarelosjogo, 2);
    EXPECT_EQ(j.cartoes[0], 1);
    EXPECT_GE(j.suspensao[0], 1);
    EXPECT_LE(j.suspensao[0], 10);
    for (int t = 1; t < kTiposCompeticao; ++t) EXPECT_EQ(j.suspensao[t], 0);
    EXPECT_EQ(Historico(c, e->jogador, kHistVermelhos), 1);
    // Everyone had a yellow already: no straight red is ever shown.
    EXPECT_EQ(c.Conta(kVermelhoDireto), 0);
}

TEST(Cartoes, AFriendlysStraightRedSendsOffWithoutStatisticOrSuspension) {
    Confronto c(22, 0);
    Padrao(c);
    c.rodada.tempo = 2;
    c.rodada.minuto = 20;
    const TEvento* e = AteOEvento(c, kVermelhoDireto);
    ASSERT_NE(e, nullptr);
    const int idx = e->jogador;
    const TJogador& j = c.J(idx);
    EXPECT_EQ(j.jogou, 0);
    EXPECT_EQ(j.suspensao[0], 0);
    EXPECT_EQ(j.amarelosjogo, 0);
    EXPECT_EQ(Historico(c, idx, kHistVermelhos), 0);
    // Gone from the strength of his line although nothing suspends him.
    const int linha = (j.posicaoatual == kLateral && j.funcao == 2) ? kMeia : j.posicaoatual;
    const int antes = ForcaSetor(c.jogo, c.rodada, c.casa, linha);
    c.J(idx).jogou = 1;
    EXPECT_EQ(ForcaSetor(c.jogo, c.rodada, c.casa, linha), antes + ForcaEfetiva(j));
}

TEST(Cartoes, NoCardsWhileTheClubHasTenAvailablePlayersOrFewer) {
    Confronto c(23);
    Padrao(c);
    c.rodada.tempo = 2;
    c.jogo.times[c.casa].disponiveis = 10;
    c.P().faltas[0] = 9; // the next foul would bring a certain card
    for (int i = 0; i < 20000; ++i) FaltasECartoes(c.jogo, c.rodada, 1, 0);
    EXPECT_EQ(c.Conta(kAmarelo) + c.Conta(kSegundoAmarelo) + c.Conta(kVermelhoDireto), 0);
    EXPECT_GT(c.P().faltas[0], 9);
}

namespace {

// Only the player of slot `vaga` is left on the pitch, so the injury roll can
// only fall on him.
void SoEle(Confronto& c, int lado, int vaga) {
    for (int v = 0; v <= kVagaGoleiro; ++v)
        if (v != vaga) c.J(Vaga(c.E(lado), v)).jogou = 0;
}

const TEvento* AteAContusao(Confronto& c, int lado) {
    for (int i = 0; i < 500000; ++i) {
        c.jogo.times[c.P().Clube(lado)].disponiveis = 20;
        Contusao(c.jogo, c.rodada, 1, lado, 90);
        for (const auto& e : c.rodada.eventos)
            if (e.tipo == kContusaoEvento) return &e;
    }
    return nullptr;
}

} // namespace

TEST(Contusao, AComputerClubsInjuredGoalkeeperMakesWayForTheBenchGoalkeeper) {
    Confronto c(31);
    Padrao(c);
    c.P().mostrado = true; // only a shown match injures goalkeepers
    SoEle(c, 0, kVagaGoleiro);
    const int titular = c.E(0).goleiro, reserva = c.E(0).reservas[0];
    ASSERT_EQ(c.J(reserva).posicao, kGoleiro);
    ASSERT_NE(AteAContusao(c, 0), nullptr);
    EXPECT_GT(c.J(titular).retorno, kHoje);
    EXPECT_EQ(c.J(titular).jogou, 0);
    EXPECT_EQ(c.E(0).goleiro, reserva);
    EXPECT_EQ(c.J(reserva).jogou, 1);
    EXPECT_EQ(c.E(0).reservas[0], 0);
    EXPECT_EQ(c.P().substituicoes[0], 2);
    EXPECT_EQ(c.P().numsubs[0], 1);
    EXPECT_EQ(c.P().listasubs[0][0].jogador, titular);
    ASSERT_EQ(c.Conta(kSubstituicaoEvento), 1);
    EXPECT_EQ(c.rodada.eventos.back().outro, reserva);
}

TEST(Contusao, WithoutABenchGoalkeeperTheFirstBenchPlayerGoesInGoalAtThirtyPerCent) {
    Confronto c(32);
    Padrao(c);
    c.P().mostrado = true;
    auto& banco = c.E(0).reservas;
    banco[0] = 0; // no goalkeeper on the bench; slot 2 holds a full-back
    const int lateral = banco[1];
    SoEle(c, 0, kVagaGoleiro);
    ASSERT_NE(AteAContusao(c, 0), nullptr);
    ASSERT_EQ(c.E(0).goleiro, lateral);
    const TJogador& j = c.J(lateral);
    EXPECT_EQ(j.posicaoatual, kGoleiro);
    EXPECT_EQ(FatorImprovisado(j), 30);
    EXPECT_EQ(ForcaSetor(c.jogo, c.rodada, c.casa, 0),
              plataforma::ArredDiv(std::int64_t{30} * j.forca * j.energia, 10000));
}

TEST(Contusao, AnInjuredPlayerLeavesThePositionAndLineCountsOnce) {
    // Replaced by a computer club: the counts are as before.
    {
        Confronto c(33);
        Padrao(c);
        SoEle(c, 0, 4); // a midfielder
        const TEscalacao antes = c.E(0);
        ASSERT_NE(AteAContusao(c, 0), nullptr);
        EXPECT_EQ(c.E(0).jogadoreslinha[4], antes.reservas[3]); // the bench midfielder
        EXPECT_EQ(c.E(0).titularesporposicao[kMeia - 1], antes.titularesporposicao[kMeia - 1]);
        EXPECT_EQ(c.E(0).meias, antes.meias);
        EXPECT_EQ(c.E(0).defensores, antes.defensores);
    }
    // Nobody to come on: one fewer, once.
    {
        Confronto c(34);
        Padrao(c);
        for (auto& r : c.E(0).reservas) r = 0;
        SoEle(c, 0, 4);
        const TEscalacao antes = c.E(0);
        ASSERT_NE(AteAContusao(c, 0), nullptr);
        EXPECT_EQ(c.E(0).titularesporposicao[kMeia - 1], antes.titularesporposicao[kMeia - 1] - 1);
        EXPECT_EQ(c.E(0).meias, antes.meias - 1);
        EXPECT_EQ(c.P().substituicoes[0], 3);
    }
    // A human coach's choice from the bench: the counts follow the new man.
    {
        Confronto c(35);
        c.casa = ClubePadrao(c.jogo, 10, true);
        c.fora = ClubePadrao(c.jogo);
        c.Iniciar();
        InteracaoPadrao padrao; // picks the bench player of the same position
        c.rodada.interacao = &padrao;
        SoEle(c, 0, 8); // a forward
        const TEscalacao antes = c.E(0);
        ASSERT_NE(AteAContusao(c, 0), nullptr);
        EXPECT_EQ(c.E(0).jogadoreslinha[8], antes.reservas[4]);
        EXPECT_EQ(c.E(0).atacantes, antes.atacantes);
        EXPECT_EQ(c.E(0).titularesporposicao[kAtacante - 1],
                  antes.titularesporposicao[kAtacante - 1]);
        EXPECT_EQ(c.P().substituicoes[0], 2);
    }
}

TEST(Desgaste, EnergyFallsByAgeAtTheFixedMinutes) {
    Confronto c(41);
    Padrao(c);
    const int jovem = c.E(0).jogadoreslinha[0], veterano = c.E(0).jogadoreslinha[1];
    c.J(jovem).idade = 20;    // 1 at each of the seven minutes
    c.J(veterano).idade = 30; // 2 at minutes 10, 20, 40 and 45
    const int goleiro = c.E(0).goleiro;
    for (int minuto : {10, 15, 20, 25, 35, 40, 45}) {
        c.rodada.minuto = minuto;
        DesgasteEnergia(c.jogo, c.rodada, 1, 0);
    }
    EXPECT_EQ(c.J(jovem).energia, 93);
    EXPECT_EQ(c.J(veterano).energia, 92);
    EXPECT_EQ(c.J(goleiro).energia, 98); // only at minute 40, by age (25)
}
