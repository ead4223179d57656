#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/promocao.hpp"
#include "competitions/rodadas.hpp"
#include "management/financas.hpp"
#include "match/construtores.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/datas.hpp"
#include "temporada/fimdetemporada.hpp"
#include "world/clubes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

using namespace competitions;
using namespace temporada;
using namespace world;

namespace {

constexpr int kPais = 29;

// One country's league: `divisoes` divisions of `porDivisao` clubs (the mode
// follows the size) and `fora` clubs of the country outside them, of
// increasing level. The table of every division is the slot order reversed.
struct Liga {
    Jogo jogo;
    int porDivisao;
    std::vector<std::vector<int>> slots; // clubs by division, in slot order
    std::vector<int> fora;

    Liga(int divisoes, int porDivisao_, int fora_, std::uint64_t semente = 7)
        : porDivisao(porDivisao_) {
        jogo.gerador.Semear(semente);
        jogo.estado.temporada = 1;
        jogo.estado.divisoesporliga = porDivisao == 20 ? 2 : 4;
        jogo.ligas.push_back(NovaLiga(kPais));
        TLiga& l = jogo.ligas[0];
        l.numdivisoes = divisoes;
        slots.resize(divisoes);
        for (int d = 0; d < divisoes; ++d)
            for (int s = 0; s < porDivisao; ++s) {
                const int c = Clube(10);
                l.divisoes[d][s] = l.ordem[d][s] = c;
                jogo.times[c].divisao = d + 1;
                jogo.times[c].pontos[1] = s; // the last slot tops the table
                slots[d].push_back(c);
            }
        for (int k = 0; k < fora_; ++k) {
            const int c = Clube(5 + k);
            jogo.times[c].divisao = 0;
            jogo.times[c].confdiretoria = jogo.times[c].conftorcida = 40;
            fora.push_back(c);
        }
        ClassificarLiga(jogo);
    }
    int Clube(int nivel) {
        const int c = construtores::Clube(jogo, nivel);
        jogo.times[c].pais = kPais;
        return c;
    }
    // Club ranked k (1-based) in division d (1-based) of the final table.
    int Ranked(int d, int k) const { return slots[d - 1][porDivisao - k]; }
    int Slot(int d, int s) const { return jogo.ligas[0].divisoes[d - 1][s - 1]; }
};

void EsperarSlotsEOrdemIguais(const Liga& m) {
    const TLiga& l = m.jogo.ligas[0];
    for (int d = 0; d < l.numdivisoes; ++d)
        for (int s = 0; s < 20; ++s) {
            EXPECT_EQ(l.ordem[d][s], l.divisoes[d][s]);
            const int c = l.divisoes[d][s];
            if (s >= m.porDivisao) {
                EXPECT_EQ(c, -1);
            } else if (c >= 0) {
                EXPECT_EQ(m.jogo.times[c].divisao, d + 1);
            }
        }
}

TEST(PromoverERebaixar, TwoDivisionsOf20ExchangeFourClubsAndTwoComeInFromOutside) {
    Liga m(2, 20, 3);
    // A stronger club of another country outside the divisions never comes in.
    const int estrangeiro = construtores::Clube(m.jogo, 25);
    m.jogo.times[estrangeiro].pais = kPais + 1;
    m.jogo.times[estrangeiro].divisao = 0;

    PromoverERebaixar(m.jogo, 0);

    for (int k = 1; k <= 16; ++k) EXPECT_EQ(m.Slot(1, k), m.Ranked(1, k));
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(m.Slot(1, 16 + k), m.Ranked(2, k)) << k;
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(m.Slot(2, k), m.Ranked(1, 16 + k)) << k;
    for (int k = 5; k <= 18; ++k) EXPECT_EQ(m.Slot(2, k), m.Ranked(2, k));
    const std::set<int> novatos = {m.Slot(2, 19), m.Slot(2, 20)};
    EXPECT_EQ(novatos.size(), 2u);
    for (int c : novatos) {
        EXPECT_NE(std::find(m.fora.begin(), m.fora.end(), c), m.fora.end()) << c;
        EXPECT_EQ(m.jogo.times[c].confdiretoria, 100);
        EXPECT_EQ(m.jogo.times[c].conftorcida, 100);
        EXPECT_EQ(m.jogo.times[c].capacidade[1], InicioDaDivisao(2).capacidade[1]);
        EXPECT_EQ(m.jogo.times[c].precos[3], InicioDaDivisao(2).precos[3]);
    }
    EXPECT_EQ(m.jogo.times[m.Ranked(2, 19)].divisao, 0);
    EXPECT_EQ(m.jogo.times[m.Ranked(2, 20)].divisao, 0);
    EXPECT_EQ(m.jogo.times[estrangeiro].divisao, 0);
    EsperarSlotsEOrdemIguais(m);

    int mudaram = 0;
    for (int d = 1; d <= 2; ++d)
        for (int c : m.slots[d - 1]) mudaram += m.jogo.times[c].divisao != d;
    EXPECT_EQ(mudaram, 4 + 4 + 2);
}

TEST(PromoverERebaixar, OneDivisionOf20LosesItsLastTwoToTheNewcomers) {
    Liga m(1, 20, 12);
    PromoverERebaixar(m.jogo, 0);
    for (int k = 1; k <= 18; ++k) EXPECT_EQ(m.Slot(1, k), m.Ranked(1, k));
    for (int s : {19, 20}) {
        const int c = m.Slot(1, s);
        EXPECT_NE(std::find(m.fora.begin(), m.fora.end(), c), m.fora.end());
        // Only the ten strongest outsiders (levels 7..16) are in the running.
        EXPECT_GE(m.jogo.times[c].nivel, 7);
    }
    EXPECT_NE(m.Slot(1, 19), m.Slot(1, 20));
    EXPECT_EQ(m.jogo.times[m.Ranked(1, 19)].divisao, 0);
    EXPECT_EQ(m.jogo.times[m.Ranked(1, 20)].divisao, 0);
    EsperarSlotsEOrdemIguais(m);
}

TEST(PromoverERebaixar, FourDivisionsOf10MoveTwoUpAndTwoDownBetweenEachPair) {
    Liga m(4, 10, 2);
    PromoverERebaixar(m.jogo, 0);
    for (int d = 1; d <= 4; ++d) {
        if (d > 1) {
            EXPECT_EQ(m.Slot(d, 1), m.Ranked(d - 1, 9));
            EXPECT_EQ(m.Slot(d, 2), m.Ranked(d - 1, 10));
        } else {
            EXPECT_EQ(m.Slot(1, 1), m.Ranked(1, 1));
            EXPECT_EQ(m.Slot(1, 2), m.Ranked(1, 2));
        }
        for (int k = 3; k <= 8; ++k) EXPECT_EQ(m.Slot(d, k), m.Ranked(d, k));
        if (d < 4) {
            EXPECT_EQ(m.Slot(d, 9), m.Ranked(d + 1, 1));
            EXPECT_EQ(m.Slot(d, 10), m.Ranked(d + 1, 2));
        }
    }
    const std::set<int> novatos = {m.Slot(4, 9), m.Slot(4, 10)};
    EXPECT_EQ(novatos, std::set<int>(m.fora.begin(), m.fora.end()));
    EXPECT_EQ(m.jogo.times[m.Ranked(4, 9)].divisao, 0);
    EXPECT_EQ(m.jogo.times[m.Ranked(4, 10)].divisao, 0);
    EsperarSlotsEOrdemIguais(m);
}

TEST(PromoverERebaixar, WithoutNewcomersTheClubRankedInThatPlaceStays) {
    {
        Liga m(2, 10, 1);
        PromoverERebaixar(m.jogo, 0);
        EXPECT_EQ(m.Slot(2, 9), m.fora[0]);
        EXPECT_EQ(m.Slot(2, 10), m.Ranked(2, 10));
        EXPECT_EQ(m.jogo.times[m.Ranked(2, 9)].divisao, 0);
        EXPECT_EQ(m.jogo.times[m.Ranked(2, 10)].divisao, 2);
        EsperarSlotsEOrdemIguais(m);
    }
    {
        Liga m(1, 20, 0);
        PromoverERebaixar(m.jogo, 0);
        EXPECT_EQ(m.Slot(1, 19), m.Ranked(1, 19));
        EXPECT_EQ(m.Slot(1, 20), m.Ranked(1, 20));
        for (int c : m.slots[0]) EXPECT_EQ(m.jogo.times[c].divisao, 1);
    }
}

TEST(EncerrarLiga, PaysTheTopTwoOfEveryDivisionOnceAndRecordsThem) {
    Liga m(2, 20, 0);
    m.jogo.financas.assign(m.jogo.times.size(), TFinancas{});
    EncerrarLiga(m.jogo);
    EncerrarLiga(m.jogo); // a second call pays nothing more
    EXPECT_EQ(m.jogo.times[m.Ranked(1, 1)].dinheiro, 7'000'000);
    EXPECT_EQ(m.jogo.times[m.Ranked(1, 2)].dinheiro, 3'500'000);
    EXPECT_EQ(m.jogo.times[m.Ranked(2, 1)].dinheiro, 2'500'000);
    EXPECT_EQ(m.jogo.financas[m.Ranked(2, 2)].premios, 2'000'000);
    EXPECT_EQ(m.jogo.times[m.Ranked(1, 3)].dinheiro, 0);
    ASSERT_EQ(m.jogo.historicotitulos.size(), 4u);
    const TTituloHistorico& t = m.jogo.historicotitulos[2];
    EXPECT_EQ(t.time, m.Ranked(2, 1));
    EXPECT_EQ(t.chave, kPais);
    EXPECT_EQ(t.divisao, 2);
    EXPECT_EQ(t.lugar, 1);
    EXPECT_EQ(t.competicao, 1);
}

// A playable world: two divisions of 10 with squads, one human club, a
// season's fixtures and a season's worth of numbers on everything.
struct Temporada : Liga {
    int humano;
    Temporada(bool estaduais = false) : Liga(2, 10, 2, 11) {
        TEstadoJogo& e = jogo.estado;
        e.paisprincipal = kPais;
        e.copanacional = 0;
        e.estaduais = estaduais;
        humano = Ranked(1, 3);
        jogo.times[humano].humano = 1;
        e.timeshumanos[0] = humano;
        for (std::size_t c = 0; c < jogo.times.size(); ++c) {
            construtores::Elenco(jogo, static_cast<int>(c), {2, 3, 3, 4, 3}, 20);
            jogo.tecnicos.push_back(NovoTecnico());
            jogo.tecnicos.back().nome = "Tecnico";
            jogo.tecnicos.back().time = static_cast<int>(c);
            jogo.times[c].tecnico = static_cast<int>(c);
            jogo.times[c].dinheiro = 3'000'000;
        }
        for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
            TJogador& j = jogo.jogadores[i];
            jogo.historicos.push_back(NovoHistorico());
            j.historico = static_cast<int>(jogo.historicos.size()) - 1;
            j.energia = 40;
            j.cartoes[1] = 2;
            j.suspensao[3] = 1;
            j.gols[1] = 1;
            j.gols[0] = 4; // friendlies keep their counts
        }
        management::ZerarFinancas(jogo);
        for (auto& f : jogo.financas) {
            f.ingressos = 123;
            f.emprestimo = 1'000'000;
        }
        MontarCalendario(jogo);
        GerarPartidasDaTemporada(jogo);
        for (TPartida& p : jogo.partidas) p.jogado = 1;
        jogo.estado.dataatual = kDatasPorTemporada;
        jogo.estado.contadores.turnoliga = 2;
        jogo.estado.contadores.rodadaliga = 9;
        jogo.estado.contadores.ligaencerrada = 1;
        jogo.estado.contadores.fasecopa = 6;
        jogo.arquivo.resultados.push_back({0, 1, 2, 0, 1, 1});
        jogo.arquivo.jogos.emplace_back();
        jogo.escalacoes.emplace_back();
        jogo.times[0].escalacao = 0;
        EncerrarLiga(jogo);
    }
};

TEST(FimDeTemporada, BuildsTheNextSeasonInOrder) {
    Temporada m;
    Jogo& jogo = m.jogo;
    const int artilheiro = construtores::DoClube(jogo, m.Ranked(2, 5))[4];
    jogo.jogadores[artilheiro].gols[1] = 9;
    const int idade = jogo.jogadores[artilheiro].idade;
    const int campeao = m.Ranked(1, 1);
    const int caixahumano = jogo.times[m.humano].dinheiro;

    FimDeTemporada(jogo);

    EXPECT_EQ(jogo.estado.temporada, 2);
    EXPECT_EQ(plataforma::DecodificarData(jogo.calendario[0].data).ano, 2008);
    // Fixtures of the new divisions only: 2 divisions x 18 matchdays x 5.
    ASSERT_EQ(jogo.partidas.size(), 180u);
    for (const TPartida& p : jogo.partidas) {
        EXPECT_FALSE(p.jogado);
        EXPECT_EQ(jogo.times[p.mandante].divisao, jogo.times[p.visitante].divisao);
        EXPECT_NE(jogo.times[p.mandante].divisao, 0);
    }
    EXPECT_TRUE(jogo.escalacoes.empty());
    EXPECT_EQ(jogo.times[0].escalacao, -1);
    EXPECT_TRUE(jogo.arquivo.resultados.empty());
    EXPECT_EQ(jogo.arquivo.jogos.size(), 1u);

    const TContadores& k = jogo.estado.contadores;
    EXPECT_EQ(k.rodadaliga, 1);
    EXPECT_EQ(k.turnoliga, 1);
    EXPECT_EQ(k.ligaencerrada, 0);
    EXPECT_EQ(k.fasecopa, 1);
    for (const TTime& t : jogo.times) {
        EXPECT_EQ(t.pontos[1], 0);
        EXPECT_EQ(t.colocacao[1], 0);
    }

    const TJogador& j = jogo.jogadores[artilheiro];
    EXPECT_EQ(j.idade, idade + 1);
    EXPECT_EQ(j.gols[1], 0);
    EXPECT_EQ(j.gols[0], 4);
    EXPECT_EQ(j.cartoes[1], 0);
    EXPECT_EQ(j.suspensao[3], 0);
    EXPECT_EQ(j.energia, 100);

    // The season's top scorer of division 2 and the summary of season 1.
    const auto it = std::find_if(jogo.artilheiros.begin(), jogo.artilheiros.end(),
                                 [](const TArtilheiroHistorico& a) { return a.divisao == 2; });
    ASSERT_NE(it, jogo.artilheiros.end());
    EXPECT_EQ(it->jogador, artilheiro);
    EXPECT_EQ(it->gols, 9);
    EXPECT_EQ(it->temporada, 1);
    ASSERT_EQ(jogo.campeoestemporada.size(), 2u);
    const TCampeoesTemporada& resumo = jogo.campeoestemporada[0];
    EXPECT_EQ(resumo.campeao[0], campeao);
    EXPECT_EQ(resumo.vice[0], m.Ranked(1, 2));
    EXPECT_EQ(resumo.campeao[1], m.Ranked(2, 1));
    EXPECT_EQ(resumo.artilheiro[1][0], artilheiro);
    EXPECT_EQ(resumo.artilheiro[1][2], 9);
    EXPECT_EQ(resumo.campeao[2], -1);
    EXPECT_EQ(jogo.campeoestemporada[1].campeao[0], -1);

    // Money: the statements start again, the loan is gone while its cash
    // stays, the human is sponsored once, the others get fresh cash.
    const TFinancas& fh = jogo.financas[m.humano];
    EXPECT_EQ(fh.ingressos, 0);
    EXPECT_EQ(fh.emprestimo, 0);
    EXPECT_EQ(fh.premios, 0);
    EXPECT_EQ(fh.patrocinio, 3'000'000);
    EXPECT_EQ(jogo.times[m.humano].dinheiro, caixahumano + 3'000'000);
    std::int64_t folha = 0;
    for (int i : construtores::DoClube(jogo, m.humano)) folha += jogo.jogadores[i].salario;
    EXPECT_EQ(fh.salariosemanal, folha);
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        const TTime& t = jogo.times[c];
        if (t.humano) continue;
        const int base = t.divisao == 1 ? 10'000'000 : t.divisao == 2 ? 5'000'000 : 200'000;
        EXPECT_GE(t.dinheiro, base) << c;
        EXPECT_LT(t.dinheiro, base + (t.divisao == 0 ? 200'000 : 1'000'000)) << c;
    }

    // The new season's club of every player is in his history.
    const THistoricoJogador& h = jogo.historicos[j.historico];
    EXPECT_EQ(h.clubes[1][0], j.time);
}

TEST(FimDeTemporada, PastTheTenthSeasonTheHistoryMovesOneSeasonBack) {
    Temporada m;
    Jogo& jogo = m.jogo;
    jogo.estado.temporada = 10;
    const int i = construtores::DoClube(jogo, m.humano)[0];
    THistoricoJogador& h = jogo.historicos[jogo.jogadores[i].historico];
    h.linhas[kHistGols][10] = 7;
    h.linhas[kHistGols][2] = 3;
    h.linhas[kHistGols][0] = 30;
    h.clubes[9][0] = 99;
    TTecnico& tec = jogo.tecnicos[m.humano];
    tec.estatisticas[0][10] = 5;

    FimDeTemporada(jogo);

    EXPECT_EQ(jogo.estado.temporada, 11);
    EXPECT_EQ(h.linhas[kHistGols][9], 7);
    EXPECT_EQ(h.linhas[kHistGols][1], 3);
    EXPECT_EQ(h.linhas[kHistGols][10], 0);
    EXPECT_EQ(h.linhas[kHistGols][0], 30);
    EXPECT_EQ(h.clubes[8][0], 99);
    EXPECT_EQ(h.clubes[9][0], m.humano);
    EXPECT_EQ(h.clubes[9][1], -1);
    EXPECT_EQ(tec.estatisticas[0][9], 5);
    EXPECT_EQ(tec.clubes[9][0], m.humano);
}

TEST(FimDeTemporada, WithStateChampionshipsComputerClubsGetMore) {
    Temporada m(true);
    FimDeTemporada(m.jogo);
    for (const TTime& t : m.jogo.times) {
        if (t.humano) continue;
        const int base = t.divisao == 1 ? 12'000'000 : t.divisao == 2 ? 9'000'000 : 200'000;
        EXPECT_GE(t.dinheiro, base);
        EXPECT_LT(t.dinheiro, base + (t.divisao == 0 ? 200'000 : 1'000'000));
    }
}

// Equal goals go to the scorer of fewer matches; the continental cups keep a
// scorer per region and the club world cup one of its own, only where
// somebody scored; a saved game carries them.
// (The continental cups' scorers are kept from their drawn groups: the
// continental tests and the three-season history test cover them.)
TEST(FimDeTemporada, KeepsTheTopScorerOfFewerMatchesAndTheSaveCarriesThem) {
    Temporada m;
    Jogo& jogo = m.jogo;
    const std::vector<int> a = construtores::DoClube(jogo, m.Ranked(1, 1));
    const std::vector<int> b = construtores::DoClube(jogo, m.Ranked(1, 4));
    jogo.jogadores[a[3]].gols[1] = jogo.jogadores[b[5]].gols[1] = 7;
    // The one of fewer matches comes later in the players' order.
    ASSERT_GT(a[3], b[5]);
    jogo.jogadores[a[3]].jogos[1] = 15;
    jogo.jogadores[b[5]].jogos[1] = 18;
    FimDeTemporada(jogo);

    auto de = [&](int codigo, int chave, int divisao) {
        std::vector<TArtilheiroHistorico> r;
        for (const TArtilheiroHistorico& x : jogo.artilheiros)
            if (x.competicao == codigo && x.chave == chave && x.divisao == divisao) r.push_back(x);
        return r;
    };
    ASSERT_EQ(de(1, kPais, 1).size(), 1u);
    EXPECT_EQ(de(1, kPais, 1)[0].jogador, a[3]);

    // As in any saved game: squads counted, the human's coach record his;
    // the season over.
    jogo.estado.tipo = -1;
    jogo.estado.numhumanos = 1;
    jogo.estado.humanos[0] = jogo.times[m.humano].tecnico;
    jogo.tecnicos[m.humano].humano = 1;
    const auto porTime = JogadoresPorTime(jogo);
    for (std::size_t t = 0; t < jogo.times.size(); ++t)
        ContarElenco(jogo, static_cast<int>(t), porTime[t]);
    const std::vector<unsigned char> bytes = persistence::SerializarJogo(jogo);
    Jogo lido;
    ASSERT_EQ(persistence::DesserializarJogo(bytes, lido), persistence::ResultadoCarga::Ok);
    ASSERT_EQ(lido.artilheiros.size(), jogo.artilheiros.size());
    EXPECT_EQ(std::memcmp(lido.artilheiros.data(), jogo.artilheiros.data(),
                          jogo.artilheiros.size() * sizeof(TArtilheiroHistorico)),
              0);
    EXPECT_EQ(persistence::SerializarJogo(lido), bytes);
}

} // namespace
