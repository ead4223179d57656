#include "competitions/calendario.hpp"
#include "competitions/copa.hpp"
#include "competitions/rodadas.hpp"
#include "match/construtores.hpp"
#include "temporada/executor.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace competitions;
using namespace world;

namespace {

constexpr int kPais = 29;

// Box of tie t (1-based) of a phase, 0-based into the bracket.
int Caixa(int fase, int t) {
    static constexpr int kPrimeira[5] = {0, 16, 24, 28, 30};
    return kPrimeira[fase - 1] + t - 1;
}

int NovoClube(Jogo& jogo, int divisao, bool jogadores) {
    const int c = jogadores ? construtores::ClubePadrao(jogo) : static_cast<int>(jogo.times.size());
    if (!jogadores) {
        jogo.times.push_back(NovoTime());
        ++jogo.estado.numtimesligas;
    }
    TTime& t = jogo.times[c];
    t.nome = "Clube " + std::to_string(c);
    t.pais = kPais;
    t.divisao = divisao;
    for (int s = 0; s < 4; ++s) t.capacidade[s] = 10000, t.precos[s] = 10;
    return c;
}

// One country whose division d holds clubes[d] clubs in its first slots,
// numbered in slot order, then `fora` clubs of the country in no division;
// the cup's empty bracket is built.
Jogo Mundo(bool de20, std::vector<int> clubes, int fora = 0, bool jogadores = false) {
    Jogo jogo;
    jogo.gerador.Semear(11);
    TEstadoJogo& e = jogo.estado;
    e.temporada = 1;
    e.divisoesporliga = de20 ? 2 : 4;
    e.copanacional = 1;
    MontarCalendario(jogo);
    TLiga l = NovaLiga(kPais);
    l.numdivisoes = static_cast<int>(clubes.size());
    for (std::size_t d = 0; d < clubes.size(); ++d)
        for (int s = 0; s < clubes[d]; ++s)
            l.divisoes[d][s] = NovoClube(jogo, static_cast<int>(d) + 1, jogadores);
    for (int i = 0; i < fora; ++i) NovoClube(jogo, 0, jogadores);
    jogo.ligas.push_back(l);
    GerarPartidasCopa(jogo, 0);
    return jogo;
}

// The draw the rules ask for, made by hand with a copy of the generator.
std::array<int, 16> Embaralhado(plataforma::Gerador& g, std::vector<int> pote) {
    pote.resize(16, -1);
    for (int i = 0; i < 16; ++i) std::swap(pote[i], pote[g.Aleatorio(16)]);
    std::array<int, 16> r;
    std::copy(pote.begin(), pote.end(), r.begin());
    return r;
}

std::vector<int> Faixa(int de, int ate) {
    std::vector<int> r;
    for (int c = de; c <= ate; ++c) r.push_back(c);
    return r;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Both legs of a box: club A's goals first in each leg, as the bracket reads.
void Jogar(Jogo& jogo, const TCaixaCopa& x, int g1a, int g1b, int g2a, int g2b, int pa = 0,
           int pb = 0) {
    TPartida& ida = jogo.partidas[x.ida];
    TPartida& volta = jogo.partidas[x.volta];
    ida.golsmandante = g1a, ida.golsvisitante = g1b;
    volta.golsmandante = g2b, volta.golsvisitante = g2a;
    ida.penaltismandante = pa, ida.penaltisvisitante = pb;
    ida.jogado = volta.jogado = 1;
}

bool Iguais(const Jogo& a, const Jogo& b) {
    if (a.partidas.size() != b.partidas.size() ||
        a.historicotitulos.size() != b.historicotitulos.size() ||
        a.gerador.Estado() != b.gerador.Estado())
        return false;
    for (std::size_t i = 0; i < a.times.size(); ++i)
        if (a.times[i].jogacopa != b.times[i].jogacopa) return false;
    return std::memcmp(a.partidas.data(), b.partidas.data(),
                       a.partidas.size() * sizeof(TPartida)) == 0;
}

int Sorteados(const Jogo& jogo) {
    int n = 0;
    for (const TTime& t : jogo.times) n += t.jogacopa;
    return n;
}

// Runs the draw and checks every tie against the pots shuffled by hand: pot A
// against pot B in phase 1, or (pot B empty) club k against club k + 8 in
// phase 2; the second leg the other way round.
void ConferirSorteio(Jogo& jogo, const std::vector<int>& potea, const std::vector<int>& poteb) {
    plataforma::Gerador g = jogo.gerador;
    SortearCopa(jogo, 0);
    const auto a = Embaralhado(g, potea);
    const auto b = poteb.empty() ? a : Embaralhado(g, poteb);
    EXPECT_EQ(g.Estado(), jogo.gerador.Estado());
    const bool de32 = !poteb.empty();
    const auto caixas = ChaveDaCopa(jogo, 0);
    for (int k = 0; k < (de32 ? 16 : 8); ++k) {
        const TCaixaCopa& x = caixas[de32 ? k : Caixa(2, k + 1)];
        const int cb = de32 ? b[k] : a[k + 8];
        EXPECT_EQ(x.mandante, a[k]);
        EXPECT_EQ(x.visitante, cb);
        EXPECT_EQ(jogo.partidas[x.volta].mandante, cb);
        EXPECT_EQ(jogo.partidas[x.volta].visitante, a[k]);
        EXPECT_EQ(x.vencedor, -1);
    }
    for (int k = de32 ? 16 : 0; k < (de32 ? 31 : 16); ++k) EXPECT_EQ(caixas[k].mandante, -1);
}

} // namespace

TEST(SorteioCopa, DivisionsOfTwentyTopSixteenSeededAndHumansOfTheSecondDivisionInPotB) {
    Jogo jogo = Mundo(true, {20, 20}, 1);
    // Two human clubs that finished low, their slots the other way round from
    // the club table: they enter pot B in club-table order.
    jogo.times[36].humano = jogo.times[38].humano = 1;
    std::swap(jogo.ligas[0].divisoes[1][16], jogo.ligas[0].divisoes[1][18]);
    ASSERT_TRUE(CopaDe32(jogo, 0));
    ConferirSorteio(jogo, Faixa(0, 15), Faixa(16, 19) + std::vector<int>{36, 38} + Faixa(20, 29));
    for (int c = 0; c < static_cast<int>(jogo.times.size()); ++c)
        EXPECT_EQ(jogo.times[c].jogacopa, c < 30 || c == 36 || c == 38) << c;
}

TEST(SorteioCopa, DivisionsOfTenFillPotBFromTheLowerDivisions) {
    Jogo quatro = Mundo(false, {10, 10, 10, 10});
    quatro.times[39].humano = quatro.times[25].humano = quatro.times[17].humano = 1;
    ConferirSorteio(quatro, Faixa(0, 15),
                    Faixa(16, 19) + std::vector<int>{25, 39} + Faixa(20, 24) + Faixa(26, 30));
    EXPECT_EQ(Sorteados(quatro), 32);

    // Three divisions: the country's clubs in no division make up the pot.
    Jogo tres = Mundo(false, {10, 10, 10}, 3);
    tres.ligas[0].divisoes[2][4] = -1; // club 24 drops out of the divisions
    const int estrangeiro = NovoClube(tres, 0, false);
    tres.times[estrangeiro].pais = kPais + 1;
    ConferirSorteio(tres, Faixa(0, 15),
                    Faixa(16, 23) + Faixa(25, 29) + std::vector<int>{24, 30, 31});
    EXPECT_FALSE(tres.times[32].jogacopa);
    EXPECT_FALSE(tres.times[estrangeiro].jogacopa);
}

TEST(SorteioCopa, SmallCountriesPlaySixteenClubsFromTheLastSixteenHumansFirst) {
    Jogo vinte = Mundo(true, {20});
    vinte.times[17].humano = vinte.times[19].humano = 1;
    EXPECT_FALSE(CopaDe32(vinte, 0));
    ConferirSorteio(vinte, std::vector<int>{17, 19} + Faixa(0, 13), {});
    const auto datas = DatasDaCompeticao(vinte, kCopaNacional);
    const TCaixaCopa x = ChaveDaCopa(vinte, 0)[Caixa(2, 1)];
    EXPECT_EQ(vinte.partidas[x.ida].data, datas[2]);
    EXPECT_EQ(vinte.partidas[x.volta].data, datas[3]);
    EXPECT_EQ(Sorteados(vinte), 16);

    Jogo dez = Mundo(false, {10, 10});
    dez.times[15].humano = dez.times[5].humano = 1;
    ConferirSorteio(dez, std::vector<int>{5, 15} + Faixa(0, 4) + Faixa(6, 14), {});
}

TEST(SorteioCopa, ANewSeasonsDrawForgetsLastSeasonsFlagsAndNeedsTheCupSwitchedOn) {
    Jogo jogo = Mundo(true, {20});
    jogo.times[18].jogacopa = 1; // drawn last season
    jogo.estado.copanacional = 0;
    SortearCopas(jogo);
    EXPECT_EQ(Sorteados(jogo), 1);
    jogo.estado.copanacional = 1;
    SortearCopas(jogo);
    EXPECT_EQ(Sorteados(jogo), 16);
    EXPECT_FALSE(jogo.times[18].jogacopa);
}

TEST(AvancarFase, TiesAreDecidedOnLegsAggregateAwayGoalsThenPenalties) {
    Jogo jogo = Mundo(true, {20, 20});
    SortearCopa(jogo, 0);
    auto c = ChaveDaCopa(jogo, 0);
    Jogar(jogo, c[0], 2, 0, 0, 3);       // a leg each, 2-3 on aggregate: B
    Jogar(jogo, c[1], 2, 2, 1, 1);       // away goals 1 against 2: B
    Jogar(jogo, c[2], 1, 1, 0, 0);       // away goals 0 against 1: B
    Jogar(jogo, c[3], 0, 0, 1, 1);       // away goals 1 against 0: A
    Jogar(jogo, c[4], 1, 0, 0, 1, 4, 3); // all level, A wins the shoot-out
    Jogar(jogo, c[5], 1, 0, 0, 1, 3, 4); // B wins it
    Jogar(jogo, c[6], 1, 0, 0, 1);       // level and no shoot-out kept yet
    for (int k = 7; k < 16; ++k) Jogar(jogo, c[k], 1, 0, 0, 0);
    AvancarFase(jogo, kContinental1, 0); // not this bracket
    EXPECT_EQ(ChaveDaCopa(jogo, 0)[Caixa(2, 1)].mandante, -1);

    AvancarFase(jogo, kCopaNacional, 0);
    const TPartida& ida7 = jogo.partidas[c[6].ida];
    EXPECT_EQ(std::abs(ida7.penaltismandante - ida7.penaltisvisitante), 1);
    const int v7 = ida7.penaltismandante > ida7.penaltisvisitante ? c[6].mandante : c[6].visitante;
    c = ChaveDaCopa(jogo, 0);
    const TCaixaCopa* f2 = &c[Caixa(2, 1)];
    EXPECT_EQ(f2[0].mandante, c[0].visitante);
    EXPECT_EQ(f2[0].visitante, c[1].visitante);
    EXPECT_EQ(f2[1].mandante, c[2].visitante);
    EXPECT_EQ(f2[1].visitante, c[3].mandante);
    EXPECT_EQ(f2[2].mandante, c[4].mandante);
    EXPECT_EQ(f2[2].visitante, c[5].visitante);
    EXPECT_EQ(f2[3].mandante, v7);
    EXPECT_EQ(f2[3].visitante, c[7].mandante);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(jogo.partidas[f2[k].volta].mandante, f2[k].visitante);
        EXPECT_EQ(jogo.partidas[f2[k].volta].visitante, f2[k].mandante);
    }
    // The bracket's notation, club A first in both legs.
    EXPECT_EQ(c[0].placar, "2x0-0x3");
    EXPECT_EQ(c[1].placar, "2x2-1x1");
    EXPECT_EQ(c[4].placar, "1x0-0x1;P:4x3");
    EXPECT_EQ(c[5].placar, "1x0-0x1;P:3x4");
    EXPECT_EQ(c[4].vencedor, c[4].mandante);
    EXPECT_EQ(c[5].vencedor, c[5].visitante);
    EXPECT_EQ(c[6].vencedor, v7);
}

TEST(AvancarFasesDaCopa, FivePhasesToAChampionEachAdvancedOnce) {
    Jogo jogo = Mundo(true, {20, 20});
    SortearCopa(jogo, 0);
    int campeao = -1, vice = -1;
    for (int fase = 1; fase <= 5; ++fase) {
        SCOPED_TRACE(fase);
        const auto c = ChaveDaCopa(jogo, 0);
        const int n = 16 >> (fase - 1);
        // Half the phase played, A through each time: nothing moves yet.
        for (int t = 1; t <= n / 2; ++t) Jogar(jogo, c[Caixa(fase, t)], 1, 0, 0, 0);
        if (n > 1) {
            const Jogo antes = jogo;
            AvancarFasesDaCopa(jogo);
            EXPECT_TRUE(Iguais(antes, jogo));
        }
        // The other half level to the last goal, to be drawn on penalties; the
        // final is won by A.
        for (int t = n / 2 + 1; t <= n; ++t) Jogar(jogo, c[Caixa(fase, t)], 1, 0, 0, 1);
        if (n == 1) Jogar(jogo, c[Caixa(5, 1)], 2, 1, 1, 1);
        jogo.estado.contadores.fasecopa = fase + 1;
        AvancarFasesDaCopa(jogo);
        const Jogo depois = jogo;
        AvancarFasesDaCopa(jogo);
        EXPECT_TRUE(Iguais(depois, jogo));
        const auto d = ChaveDaCopa(jogo, 0);
        for (int t = 1; t <= n; ++t) {
            EXPECT_GE(d[Caixa(fase, t)].vencedor, 0);
            EXPECT_FALSE(d[Caixa(fase, t)].placar.empty());
        }
        if (fase < 5) {
            for (int k = 1; k <= n / 2; ++k) {
                EXPECT_EQ(d[Caixa(fase + 1, k)].mandante, d[Caixa(fase, 2 * k - 1)].vencedor);
                EXPECT_EQ(d[Caixa(fase + 1, k)].visitante, d[Caixa(fase, 2 * k)].vencedor);
            }
            EXPECT_EQ(CampeaoDaCopa(jogo, 0), -1);
        } else {
            campeao = d[30].mandante;
            vice = d[30].visitante;
            EXPECT_EQ(d[30].vencedor, campeao);
        }
    }
    EXPECT_EQ(CampeaoDaCopa(jogo, 0), campeao);
    ASSERT_EQ(jogo.historicotitulos.size(), 2u);
    const TTituloHistorico& t1 = jogo.historicotitulos[0];
    const TTituloHistorico& t2 = jogo.historicotitulos[1];
    EXPECT_EQ(t1.time, campeao);
    EXPECT_EQ(t1.lugar, 1);
    EXPECT_EQ(t1.competicao, kCopaNacional);
    EXPECT_EQ(t1.chave, kPais);
    EXPECT_EQ(t1.divisao, -1);
    EXPECT_EQ(t1.temporada, 1);
    EXPECT_EQ(t2.time, vice);
    EXPECT_EQ(t2.lugar, 2);
    EXPECT_FALSE(jogo.times[campeao].jogacopa);
    EXPECT_TRUE(jogo.times[vice].jogacopa);
}

TEST(AvancarFasesDaCopa, ShortPotsGiveWalkoversAndTheCupStillEnds) {
    for (std::uint64_t semente = 1; semente <= 12; ++semente) {
        SCOPED_TRACE(semente);
        // Pot A 15 clubs (one slot of division 1 empty), pot B 7.
        Jogo jogo = Mundo(false, {9, 10, 3});
        jogo.gerador.Semear(semente);
        SortearCopa(jogo, 0);
        EXPECT_EQ(Sorteados(jogo), 22);
        for (int fase = 1; fase <= 5; ++fase) {
            const auto c = ChaveDaCopa(jogo, 0);
            for (int t = 1; t <= (16 >> (fase - 1)); ++t) {
                const TCaixaCopa& x = c[Caixa(fase, t)];
                if (x.mandante >= 0 && x.visitante >= 0) {
                    Jogar(jogo, x, 0, 1, 0, 0);
                } else {
                    // The club that is there goes through; nobody when both are missing.
                    EXPECT_EQ(x.vencedor, x.mandante >= 0 ? x.mandante : x.visitante);
                }
            }
            jogo.estado.contadores.fasecopa = fase + 1;
            AvancarFasesDaCopa(jogo);
            const auto d = ChaveDaCopa(jogo, 0);
            for (int k = 1; fase < 5 && k <= (8 >> (fase - 1)); ++k) {
                EXPECT_EQ(d[Caixa(fase + 1, k)].mandante, d[Caixa(fase, 2 * k - 1)].vencedor);
                EXPECT_EQ(d[Caixa(fase + 1, k)].visitante, d[Caixa(fase, 2 * k)].vencedor);
            }
        }
        const int campeao = CampeaoDaCopa(jogo, 0);
        ASSERT_GE(campeao, 0);
        ASSERT_FALSE(jogo.historicotitulos.empty());
        EXPECT_EQ(jogo.historicotitulos[0].time, campeao);
        EXPECT_LE(jogo.historicotitulos.size(), 2u);
    }
}

TEST(AvancarFasesDaCopa, APhaseOfWalkoversOnlyWaitsForItsDates) {
    Jogo jogo = Mundo(true, {1});
    SortearCopa(jogo, 0);
    ASSERT_EQ(Sorteados(jogo), 1);
    AvancarFasesDaCopa(jogo); // before the cup's first date
    EXPECT_EQ(Sorteados(jogo), 1);
    const auto antes = ChaveDaCopa(jogo, 0);
    for (int k = Caixa(3, 1); k < 31; ++k) EXPECT_EQ(antes[k].mandante + antes[k].visitante, -2);
    jogo.estado.contadores.fasecopa = 3; // phase 2's dates are over
    AvancarFasesDaCopa(jogo);
    auto c = ChaveDaCopa(jogo, 0);
    int naterceira = 0;
    for (int t = 1; t <= 4; ++t)
        naterceira += (c[Caixa(3, t)].mandante == 0) + (c[Caixa(3, t)].visitante == 0);
    EXPECT_EQ(naterceira, 1);
    EXPECT_EQ(c[Caixa(4, 1)].mandante + c[Caixa(4, 1)].visitante, -2);
    EXPECT_EQ(CampeaoDaCopa(jogo, 0), -1);
    jogo.estado.contadores.fasecopa = 6;
    AvancarFasesDaCopa(jogo);
    AvancarFasesDaCopa(jogo);
    EXPECT_EQ(CampeaoDaCopa(jogo, 0), 0);
    ASSERT_EQ(jogo.historicotitulos.size(), 1u); // nobody to be runner-up
    EXPECT_EQ(jogo.historicotitulos[0].lugar, 1);
    EXPECT_FALSE(jogo.times[0].jogacopa);
}

TEST(AvancarFasesDaCopa, TheRunnerPlaysAShortSixteenClubCupToItsChampion) {
    Jogo jogo = Mundo(true, {12}, 0, true);
    SortearCopa(jogo, 0);
    ASSERT_EQ(Sorteados(jogo), 12);
    match::InteracaoPadrao interacao;
    const auto datas = DatasDaCompeticao(jogo, kCopaNacional);
    ASSERT_EQ(datas.size(), 10u);
    for (double data : datas) {
        temporada::ExecucaoRodada ex;
        ex.semtela = true;
        ex.rodada.interacao = &interacao;
        temporada::JogarData(jogo, ex, kCopaNacional, data,
                             temporada::PartidasDoDia(jogo.partidas, kCopaNacional, data));
        AvancarFasesDaCopa(jogo);
    }
    EXPECT_EQ(jogo.estado.contadores.fasecopa, 6);
    for (const TPartida& p : jogo.partidas)
        EXPECT_EQ(p.jogado != 0, p.mandante >= 0 && p.visitante >= 0);
    const int campeao = CampeaoDaCopa(jogo, 0);
    ASSERT_GE(campeao, 0);
    ASSERT_GE(jogo.historicotitulos.size(), 1u);
    EXPECT_EQ(jogo.historicotitulos[0].time, campeao);
    EXPECT_EQ(jogo.historicotitulos[0].lugar, 1);
    EXPECT_FALSE(jogo.times[campeao].jogacopa);
}
