// Possession, shots and goals, penalties and whole matches.
#include "construtores.hpp"
#include "plataforma/arredondar.hpp"

#include <gtest/gtest.h>

using namespace world;
using namespace match;
using namespace construtores;

TEST(Arredondamento, HalvesGoToTheEvenIntegerAndPercentagesUseTheValueAtThatMoment) {
    EXPECT_EQ(plataforma::ArredDiv(5, 2), 2);
    EXPECT_EQ(plataforma::ArredDiv(7, 2), 4);
    EXPECT_EQ(plataforma::ArredDiv(-5, 2), -2);
    EXPECT_EQ(plataforma::ArredDiv(35, 10), 4);
    i32 x = 50;
    plataforma::Tirar(x, 70); // 50 − round(35) = 15
    EXPECT_EQ(x, 15);
    x = 25;
    plataforma::Somar(x, 10); // 25 + round(2.5) = 27
    EXPECT_EQ(x, 27);
}

TEST(ChanceDeGol, EqualStrengthsGiveFifteenAndAGapOverAHundredGivesNothing) {
    EXPECT_EQ(ChanceDeGol(40, 40), 15);
    EXPECT_EQ(ChanceDeGol(41, 40), 14);
    EXPECT_EQ(ChanceDeGol(140, 40), 19);
    EXPECT_EQ(ChanceDeGol(141, 40), 0);
    EXPECT_EQ(ChanceDeGol(40, 41), 15);
    EXPECT_EQ(ChanceDeGol(40, 120), 7);
    EXPECT_EQ(ChanceDeGol(40, 141), 0);
}

TEST(Posse, LevelBonusCountsTwiceInTheContinentalCupsAndGrowsInTheLeague) {
    TTime t = NovoTime();
    t.nivel = 21;
    EXPECT_EQ(BonusDeNivel(t, 3), 15);
    EXPECT_EQ(BonusDeNivel(t, 4), 30);
    EXPECT_EQ(BonusDeNivel(t, 6), 30);
    EXPECT_EQ(BonusDeNivel(t, 1), 30);
    t.nivel = 19;
    EXPECT_EQ(BonusDeNivel(t, 4), 24);
    EXPECT_EQ(BonusDeNivel(t, 1), 27);
    t.nivel = 18;
    EXPECT_EQ(BonusDeNivel(t, 1), 15);
    EXPECT_EQ(BonusDeNivel(t, 4), 0);
    t.nivel = 25;
    t.humano = 1;
    EXPECT_EQ(BonusDeNivel(t, 1), 0);
}

namespace {

// Side 0 attacks with three forwards of 100 against a side whose every player
// has no energy left: every attack gets through, and the attack is so far
// above the goalkeeper that a shot never scores on its own.
void AtaqueSemChance(Confronto& c) {
    c.casa = Clube(c.jogo);
    const auto g = Elenco(c.jogo, c.casa, {1});
    const auto z = Elenco(c.jogo, c.casa, {0, 0, 3});
    const auto m = Elenco(c.jogo, c.casa, {0, 0, 0, 4});
    std::vector<int> a;
    for (int i = 0; i < 3; ++i) a.push_back(Jogador(c.jogo, c.casa, kAtacante, 100));
    Escalar(c.jogo, c.casa, {z[0], z[1], z[2], m[0], m[1], m[2], m[3], a[0], a[1], a[2]}, g[0], {});
    c.fora = ClubePadrao(c.jogo);
    for (int i : DoClube(c.jogo, c.fora)) c.J(i).energia = 0;
    c.Iniciar();
}

} // namespace

TEST(JogadaAtaque, TheNinthShotWithoutAGoalAndTheEighteenthWithOneAlwaysScore) {
    Confronto c(7);
    AtaqueSemChance(c);
    EXPECT_EQ(ForcaSetor(c.jogo, c.rodada, c.fora, 0), 0);
    auto& p = c.P();
    std::vector<std::pair<int, int>> chutes; // (shots, goals) after each shot
    for (int i = 0; i < 5000 && p.finalizacoes[0] < 20; ++i) {
        const int antes = p.finalizacoes[0];
        JogadaAtaque(c.jogo, c.rodada, 1, 0);
        if (p.finalizacoes[0] != antes) chutes.emplace_back(p.finalizacoes[0], p.gols[0]);
    }
    ASSERT_EQ(chutes.size(), 20u);
    for (auto [n, gols] : chutes) {
        const int esperado = n < 9 ? 0 : n < 18 ? 1 : 2;
        EXPECT_EQ(gols, esperado) << "after shot " << n;
    }
    EXPECT_GE(p.ataquesvencidos[0], 20);
    EXPECT_EQ(p.listagols[0].clube, c.casa);
    EXPECT_EQ(p.listagols[1].clube, c.casa);
    EXPECT_EQ(c.Conta(kGolEvento) + c.Conta(kGolContra), 2);
}

TEST(JogadaAtaque, ASideThatAlreadyScoredIsOnlyHelpedAtItsEighteenthShot) {
    Confronto c(8);
    AtaqueSemChance(c);
    auto& p = c.P();
    p.gols[0] = 1; // a penalty, say
    for (int i = 0; i < 5000 && p.finalizacoes[0] < 18; ++i) {
        JogadaAtaque(c.jogo, c.rodada, 1, 0);
        if (p.finalizacoes[0] < 18) {
            EXPECT_EQ(p.gols[0], 1);
        }
    }
    EXPECT_EQ(p.gols[0], 2);
    // The list is numbered by the match's goals: the penalty kept number 1.
    EXPECT_EQ(p.listagols[0].clube, -1);
    EXPECT_EQ(p.listagols[1].clube, c.casa);
}

namespace {

class Roteiro : public InteracaoPadrao {
public:
    int batedores = 0;
    int sons[3] = {};
    int EscolherBatedor(const Jogo&, const Rodada&, int, int,
                        std::span<const int> emcampo) override {
        ++batedores;
        return emcampo.back();
    }
    void TocarSom(Som s) override { ++sons[static_cast<int>(s)]; }
};

} // namespace

TEST(Penalti, EachSideHasOnePenaltyAtMostAndOnlyAHumanCoachPicksTheTaker) {
    Confronto c(11);
    c.casa = ClubePadrao(c.jogo, 10, true);
    c.fora = ClubePadrao(c.jogo);
    c.Iniciar(true);
    Roteiro roteiro;
    c.rodada.interacao = &roteiro;
    auto& p = c.P();
    for (int i = 0; i < 400000 && !(p.penaltiusado[0] && p.penaltiusado[1]); ++i)
        SortearPenalti(c.jogo, c.rodada, 1);
    ASSERT_TRUE(p.penaltiusado[0] && p.penaltiusado[1]);
    const int gols = p.gols[0] + p.gols[1];
    for (int i = 0; i < 200000; ++i) SortearPenalti(c.jogo, c.rodada, 1);
    EXPECT_EQ(p.gols[0] + p.gols[1], gols);
    EXPECT_EQ(roteiro.sons[static_cast<int>(Som::Penalti)], 2);
    EXPECT_EQ(roteiro.batedores, 1);
    EXPECT_EQ(c.Conta(kGolPenalti), gols);
    for (const auto& e : c.rodada.eventos) {
        // The human's choice: the last of the list, his goalkeeper.
        const int esperado = e.clube == c.casa ? c.E(0).goleiro : c.E(1).jogadoreslinha[9];
        EXPECT_EQ(e.jogador, esperado);
    }
    EXPECT_EQ(p.listagols[0].clube, -1); // penalty goals are not listed
}

TEST(Penalti, NoKickIsTakenBetweenTwoComputerRunClubs) {
    Confronto c(12);
    Padrao(c);
    c.P().mostrado = true;
    for (int i = 0; i < 400000; ++i) SortearPenalti(c.jogo, c.rodada, 1);
    EXPECT_TRUE(c.P().penaltiusado[0] && c.P().penaltiusado[1]);
    EXPECT_EQ(c.P().gols[0] + c.P().gols[1], 0);
    EXPECT_TRUE(c.rodada.eventos.empty());
}

TEST(Partida, TwoHalvesOfFortyFiveMinutesAndEveryEventInsideThem) {
    Confronto c(3);
    Padrao(c);
    c.rodada.numjogos = 1;
    JogarRodadaRapida(c.jogo, c.rodada);
    const auto& p = c.P();
    EXPECT_EQ(p.posse[0] + p.posse[1], 90);
    EXPECT_EQ(p.roubadas[0] + p.roubadas[1], 90);
    for (const auto& e : c.rodada.eventos) {
        EXPECT_GE(e.minuto, 1);
        EXPECT_LE(e.minuto, 90);
        EXPECT_EQ(e.jogo, 1);
        // Computer changes, injuries apart, come after minute 10 of the second half.
        if (e.tipo == kSubstituicaoEvento && c.J(e.jogador).retorno <= kHoje) {
            EXPECT_GT(e.minuto, 55);
        }
    }
    for (int k = 0; k < p.gols[0] + p.gols[1]; ++k)
        if (p.listagols[k].clube >= 0) {
            EXPECT_GE(p.listagols[k].minuto, 1);
            EXPECT_LE(p.listagols[k].minuto, 90);
        }
}

TEST(Partida, TheEndOfTheMatchFillsTheFiguresAndRatesEveryoneWhoPlayed) {
    Confronto c(4);
    Padrao(c);
    c.rodada.numjogos = 1;
    JogarRodadaRapida(c.jogo, c.rodada);
    auto& p = c.P();
    const int posse0 = p.posse[0], fin0 = p.finalizacoes[0];
    EncerrarPartida(c.jogo, c.rodada, 1);
    EXPECT_EQ(p.passeserrados[0], plataforma::ArredDiv(8 * posse0, 10) - fin0);
    EXPECT_GE(p.finalizacoes[0], 1);
    EXPECT_GE(p.finalizacoes[1], 1);
    EXPECT_GE(p.posse[0], 1);
    for (int lado = 0; lado < 2; ++lado)
        for (int v = 0; v <= kVagaGoleiro; ++v) {
            const float nota = c.J(Vaga(c.E(lado), v)).nota;
            // Strength 60: base 6, half a point off for a poor match.
            EXPECT_TRUE(nota == 6.0f || nota == 5.5f) << nota;
        }
}

TEST(Partida, EqualClubsOverManyMatchesScoreAPlausibleNumberOfGoalsWithAHomeEdge) {
    long gols[2] = {0, 0};
    int vitorias[2] = {0, 0};
    constexpr int kJogos = 3000;
    for (int s = 0; s < kJogos; ++s) {
        Confronto c(1000 + s);
        Padrao(c);
        c.rodada.numjogos = 1;
        JogarRodadaRapida(c.jogo, c.rodada);
        const auto& p = c.P();
        gols[0] += p.gols[0];
        gols[1] += p.gols[1];
        if (p.gols[0] != p.gols[1]) ++vitorias[p.gols[0] > p.gols[1] ? 0 : 1];
    }
    const double media = static_cast<double>(gols[0] + gols[1]) / kJogos;
    const double casa = static_cast<double>(gols[0]) / static_cast<double>(gols[0] + gols[1]);
    EXPECT_GT(media, 1.5);
    EXPECT_LT(media, 4.0);
    EXPECT_GT(casa, 0.5);
    EXPECT_LT(casa, 0.7);
    EXPECT_GT(vitorias[0], vitorias[1]);
}
