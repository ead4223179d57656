// The transfer market's rules on small worlds built in memory.
#include "management/mercado.hpp"
#include "match/construtores.hpp"
#include "plataforma/cp1252.hpp"
#include "world/clubes.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

using namespace world;
using namespace management;

namespace {

constexpr double kHoje = construtores::kHoje;

// One country (29) with two divisions of clubs, each club with a squad of
// 2 goalkeepers, 1 full-back, 4 centre-backs, 6 midfielders, 4 forwards
// unless told otherwise, a season under way on date 10.
struct Mercado {
    Jogo jogo;
    Mercado(int clubes = 4, std::initializer_list<int> elenco = {2, 1, 4, 6, 4}) {
        jogo.estado.temporada = 1;
        jogo.estado.dataatual = 10;
        jogo.estado.divisoesporliga = 2; // 20-club divisions
        jogo.calendario[9].data = kHoje;
        jogo.ligas.push_back(NovaLiga(29));
        for (int c = 0; c < clubes; ++c) {
            const int t = construtores::Clube(jogo, 15);
            jogo.times[t].pais = 29;
            jogo.times[t].divisao = c < clubes / 2 ? 1 : 2;
            jogo.times[t].dinheiro = 5'000'000;
            jogo.ligas[0].divisoes[jogo.times[t].divisao - 1][c % (clubes / 2)] = t;
            for (int j : construtores::Elenco(jogo, t, elenco, 40)) {
                TJogador& p = jogo.jogadores[j];
                p.passe = p.passepedido = 100'000;
                p.salario = 10'000;
                p.contrato = kHoje + 200;
                THistoricoJogador h = NovoHistorico();
                jogo.historicos.push_back(h);
                p.historico = static_cast<i32>(jogo.historicos.size()) - 1;
            }
        }
        jogo.ligas[0].numdivisoes = 2;
        jogo.financas.resize(jogo.times.size());
        std::memset(jogo.financas.data(), 0, jogo.financas.size() * sizeof(TFinancas));
        const auto por = JogadoresPorTime(jogo);
        for (std::size_t c = 0; c < jogo.times.size(); ++c) {
            ContarElenco(jogo, static_cast<int>(c), por[c]);
            jogo.times[c].disponiveis = 15;
        }
    }
    TJogador& J(int i) { return jogo.jogadores[i]; }
    TTime& T(int c) { return jogo.times[c]; }
    int Primeiro(int clube, int posicao) {
        for (int j : construtores::DoClube(jogo, clube))
            if (J(j).posicao == posicao) return j;
        return 0;
    }
    void Humano(int c) {
        T(c).humano = 1;
        for (int& h : jogo.estado.timeshumanos)
            if (h < 0) {
                h = c;
                break;
            }
        jogo.estado.timeatual = jogo.estado.timeshumanos[0];
    }
};

// Scripted answers.
struct Respostas : InteracaoMercado {
    bool vender = false, exigencia = false;
    std::vector<i32> lances; // one per call, in order
    int perguntas = 0, fim = 0;
    ResultadoLeilao ultimo;
    bool VenderAoHumano(Jogo&, int, int, i32) override {
        ++perguntas;
        return vender;
    }
    bool AceitarExigencia(Jogo&, int, int, int, i32) override {
        ++perguntas;
        return exigencia;
    }
    i32 Lance(Jogo&, const Leilao&) override {
        return perguntas < static_cast<int>(lances.size()) ? lances[perguntas++] : 0;
    }
    void FimDoLeilao(Jogo&, const Leilao&, const ResultadoLeilao& r) override {
        ++fim;
        ultimo = r;
    }
};

TEST(Multa, ByTheDaysLeftOnlyForAHumanSellerWhoseContractRuns) {
    EXPECT_EQ(TaxaDeMulta(0), 0);
    EXPECT_EQ(TaxaDeMulta(1), 12);
    EXPECT_EQ(TaxaDeMulta(30), 12);
    EXPECT_EQ(TaxaDeMulta(30.4), 12);
    EXPECT_EQ(TaxaDeMulta(31), 15);
    EXPECT_EQ(TaxaDeMulta(90), 20);
    EXPECT_EQ(TaxaDeMulta(91), 22);
    EXPECT_EQ(TaxaDeMulta(180), 22);
    EXPECT_EQ(TaxaDeMulta(360), 25);
    EXPECT_EQ(TaxaDeMulta(361), 30);

    Mercado m;
    const int j = m.Primeiro(0, kMeia);
    EXPECT_EQ(MultaRescisoria(m.jogo, j, 1'000'000), 0); // a computer-run seller
    m.Humano(0);
    m.J(j).contrato = kHoje + 45;
    EXPECT_EQ(MultaRescisoria(m.jogo, j, 1'000'003), 150'000); // 15 %, rounded
    m.J(j).contrato = kHoje;                                   // ended today
    EXPECT_EQ(MultaRescisoria(m.jogo, j, 1'000'000), 0);
}

TEST(Transferir, MovesPlayerMoneySalaryAndHistoryAndResetsHisMarks) {
    Mercado m;
    m.Humano(0);
    m.Humano(1);
    const int j = m.Primeiro(0, kAtacante);
    TJogador& p = m.J(j);
    p.avenda = 1;
    p.passepedido = 900'000;
    p.numero = 9;
    p.moral = -2;
    p.cansado = 1;
    p.contrato = kHoje + 100; // 22 % fine
    m.T(0).cobrador = j;
    m.jogo.financas[0].salariosemanal = 50'000;
    const i32 antes0 = m.T(0).dinheiro, antes1 = m.T(1).dinheiro;
    const int elenco0 = m.T(0).elenco, elenco1 = m.T(1).elenco;

    Transferir(m.jogo, j, 1, 400'000);

    EXPECT_EQ(p.time, 1);
    EXPECT_EQ(p.numero, 0);
    EXPECT_EQ(m.T(1).dinheiro, antes1 - 400'000);
    EXPECT_EQ(m.T(0).dinheiro, antes0 + 400'000 - 88'000);
    EXPECT_EQ(m.jogo.financas[0].vendas, 400'000);
    EXPECT_EQ(m.jogo.financas[0].multas, 88'000);
    EXPECT_EQ(m.jogo.financas[1].compras, 400'000);
    EXPECT_EQ(m.jogo.financas[0].salariosemanal, 40'000);
    EXPECT_EQ(m.jogo.financas[1].salariosemanal, 10'000);
    EXPECT_EQ(p.contrato, kHoje + 7 * 15);
    EXPECT_EQ(p.novato, 1); // between two humans he waits a match
    EXPECT_EQ(p.avenda, 0);
    EXPECT_EQ(p.passepedido, p.passe);
    EXPECT_EQ(p.moral, 3);
    EXPECT_EQ(p.cansado, 0);
    EXPECT_NE(m.T(0).cobrador, j);
    EXPECT_EQ(m.T(0).elenco, elenco0 - 1);
    EXPECT_EQ(m.T(1).elenco, elenco1 + 1);
    EXPECT_EQ(m.jogo.historicos[p.historico].clubes[0][0], 1);
    ASSERT_EQ(m.jogo.transferencias.size(), 1u);
    const TTransferencia& t = m.jogo.transferencias[0];
    EXPECT_EQ(t.jogador, j);
    EXPECT_EQ(t.temporada, 1);
    EXPECT_EQ(t.vendedor, 0);
    EXPECT_EQ(t.comprador, 1);
    EXPECT_EQ(t.preco, 400'000);
    EXPECT_EQ(m.jogo.ciclo.transferenciasdesequilibradas, 0);

    // In the 10-club mode the new contract runs ten weeks.
    m.jogo.estado.divisoesporliga = 4;
    Transferir(m.jogo, j, 2, 1000);
    EXPECT_EQ(p.contrato, kHoje + 70);
}

TEST(Transferir, AComputerBuyerSellingToItselfOrAnUnknownPlayerChangesNothing) {
    Mercado m;
    const int j = m.Primeiro(0, kMeia);
    Transferir(m.jogo, j, 0, 5000);
    Transferir(m.jogo, 0, 1, 5000);
    Transferir(m.jogo, 99999, 1, 5000);
    Transferir(m.jogo, j, 77, 5000);
    EXPECT_TRUE(m.jogo.transferencias.empty());
    EXPECT_EQ(m.J(j).time, 0);
}

TEST(VenderAoComputador, TheBuyerIsCreditedBackButItsStatementBooksThePurchase) {
    Mercado m;
    m.Humano(0);
    const int j = m.Primeiro(0, kMeia);
    m.J(j).contrato = kHoje - 1; // no fine
    const i32 caixa1 = m.T(1).dinheiro;
    VenderAoComputador(m.jogo, j, 1, 321'000, ViaTransferencia::OfertaComputador);
    EXPECT_EQ(m.T(1).dinheiro, caixa1);
    EXPECT_EQ(m.jogo.financas[1].compras, 321'000);
    EXPECT_EQ(m.J(j).passe, 321'000);
    EXPECT_EQ(m.jogo.contagemmercado.quantas[static_cast<int>(ViaTransferencia::OfertaComputador)],
              1);
}

TEST(Comprar, OnlyAListedPlayerOfAnotherClubWithinCashAndSquadLimit) {
    Mercado m;
    m.Humano(2);
    const int j = m.Primeiro(0, kMeia);
    EXPECT_FALSE(PodeComprar(m.jogo, 2, j)); // not listed
    m.J(j).avenda = 1;
    m.J(j).passepedido = 300'000;
    m.T(2).dinheiro = 299'999;
    EXPECT_FALSE(PodeComprar(m.jogo, 2, j));
    m.T(2).dinheiro = 300'000;
    m.T(2).elenco = kMaximoElencoHumano;
    EXPECT_FALSE(PodeComprar(m.jogo, 2, j));
    m.T(2).elenco = 17;
    EXPECT_FALSE(PodeComprar(m.jogo, 0, j)); // his own club
    EXPECT_TRUE(Comprar(m.jogo, 2, j));
    EXPECT_EQ(m.J(j).time, 2);
    EXPECT_EQ(m.T(2).dinheiro, 0);
}

TEST(ProporCompra, TheOnlyFullBackAtExactly22TimesHisValueIsSoldAndReplacedAtOnce) {
    Mercado m(4);
    m.Humano(1);
    const int lateral = m.Primeiro(0, kLateral);
    ASSERT_GT(lateral, 0);
    m.J(lateral).passe = 100'000;
    // A candidate replacement at another computer-run club with two full-backs.
    const int outro = construtores::Jogador(m.jogo, 3, kLateral, 45);
    m.J(outro).passe = 150'000;
    m.J(outro).historico = 0;
    Respostas r;
    const ResultadoProposta recusa = ProporCompra(m.jogo, r, 1, lateral, 219'999);
    EXPECT_EQ(recusa.resultado, Proposta::UnicoDaPosicao);
    EXPECT_EQ(recusa.minimo, 220'000);
    const ResultadoProposta p = ProporCompra(m.jogo, r, 1, lateral, 220'000);
    ASSERT_EQ(p.resultado, Proposta::Aceita);
    EXPECT_EQ(m.J(lateral).time, 1);
    EXPECT_EQ(p.reposicao, outro);
    EXPECT_EQ(m.J(outro).time, 0);
}

TEST(ProporCompra, BelowTheTableTheRefusalNamesTheLeastTheClubTakes) {
    Mercado m(4);
    m.Humano(1);
    Respostas r;
    // Four forwards: 1.3 times his value, rounded up to the next whole $.
    const int j = m.Primeiro(0, kAtacante);
    m.J(j).passe = 100'001;
    ResultadoProposta p = ProporCompra(m.jogo, r, 1, j, 130'001);
    EXPECT_EQ(p.resultado, Proposta::AbaixoDoMinimo);
    EXPECT_EQ(p.minimo, 130'002);
    EXPECT_EQ(ProporCompra(m.jogo, r, 1, j, p.minimo).resultado, Proposta::Aceita);
    // A listed player goes for his value, whatever his asking price.
    const int k = m.Primeiro(0, kMeia);
    ColocarAVenda(m.jogo, k, 500'000);
    p = ProporCompra(m.jogo, r, 1, k, 99'999);
    EXPECT_EQ(p.resultado, Proposta::AbaixoDoMinimo);
    EXPECT_EQ(p.minimo, 100'000);
    EXPECT_EQ(ProporCompra(m.jogo, r, 1, k, p.minimo).resultado, Proposta::Aceita);
}

TEST(ProporCompra, WhatStandsInTheWayIsNamedAndNobodyIsAsked) {
    Mercado m(4);
    m.Humano(0);
    m.Humano(1);
    const int j = m.Primeiro(0, kMeia);
    Respostas r;
    r.vender = true;
    auto proposta = [&](int comprador, int jogador, i32 valor) {
        const ResultadoProposta p = ProporCompra(m.jogo, r, comprador, jogador, valor);
        EXPECT_EQ(p.resultado, Proposta::Impedida);
        return p.impedimento;
    };
    EXPECT_EQ(proposta(-1, j, 1000), Impedimento::SemClube);
    EXPECT_EQ(proposta(2, j, 1000), Impedimento::SemClube); // a computer-run club
    EXPECT_EQ(proposta(1, 0, 1000), Impedimento::SemJogador);
    EXPECT_EQ(proposta(1, m.Primeiro(1, kMeia), 1000), Impedimento::DoProprioClube);
    EXPECT_EQ(proposta(1, j, 0), Impedimento::SemValor);
    EXPECT_EQ(proposta(1, j, m.T(1).dinheiro + 1), Impedimento::SemDinheiro);
    m.T(1).elenco = kMaximoElencoHumano;
    EXPECT_EQ(proposta(1, j, 1000), Impedimento::ElencoCheio);
    EXPECT_EQ(ImpedimentoDaCompra(m.jogo, 1, j), Impedimento::ElencoCheio);
    EXPECT_EQ(r.perguntas, 0);
    m.T(1).elenco = 17;
    // With the least offer: whether he can offer at all.
    EXPECT_EQ(ImpedimentoDaProposta(m.jogo, 1, j), Impedimento::Nenhum);
    m.T(1).dinheiro = 0;
    EXPECT_EQ(ImpedimentoDaProposta(m.jogo, 1, j), Impedimento::SemDinheiro);

    // "Comprar": listed, and at an asking price the cash covers.
    EXPECT_EQ(ImpedimentoDaCompra(m.jogo, 1, j), Impedimento::NaoEstaAVenda);
    ColocarAVenda(m.jogo, j, 1000);
    EXPECT_EQ(ImpedimentoDaCompra(m.jogo, 1, j), Impedimento::SemDinheiro);
    m.T(1).dinheiro = 1000;
    EXPECT_EQ(ImpedimentoDaCompra(m.jogo, 1, j), Impedimento::Nenhum);
}

TEST(ProporCompra, TheTableByPositionAndCountAndAListedPlayerAtHisValue) {
    Mercado m(4, {3, 2, 3, 4, 5});
    m.Humano(1);
    auto exige = [&](int posicao) { return ExigenciaDoClube(m.jogo, m.Primeiro(0, posicao)); };
    EXPECT_EQ(exige(kGoleiro).fator10, 15); // three goalkeepers
    EXPECT_EQ(exige(kLateral).fator10, 20);
    EXPECT_EQ(exige(kZagueiro).fator10, 20);
    EXPECT_EQ(exige(kMeia).fator10, 20); // four midfielders ask more than three
    EXPECT_EQ(exige(kAtacante).fator10, 13);
    EXPECT_FALSE(exige(kMeia).reposicao);

    const int j = m.Primeiro(0, kMeia);
    m.J(j).avenda = 1;
    m.J(j).passepedido = 500'000;
    Respostas r;
    EXPECT_EQ(ProporCompra(m.jogo, r, 1, j, 100'000).resultado, Proposta::Aceita);
    // More than the buyer has is no offer at all.
    EXPECT_EQ(ProporCompra(m.jogo, r, 1, m.Primeiro(0, kAtacante), 6'000'000).resultado,
              Proposta::Impedida);
}

TEST(ProporCompra, APlayerOfABigClubRefusesALowerDivisionAndAnotherAsksMoreSalary) {
    Mercado m(4);
    m.Humano(2); // division 2
    const int j = m.Primeiro(0, kAtacante);
    m.T(0).nivel = 21;
    Respostas r;
    EXPECT_EQ(ProporCompra(m.jogo, r, 2, j, 4'000'000).resultado, Proposta::JogadorNaoDesce);

    m.T(0).nivel = 19;
    ResultadoProposta p = ProporCompra(m.jogo, r, 2, j, 4'000'000);
    EXPECT_EQ(p.resultado, Proposta::ExigenciaRecusada);
    EXPECT_EQ(p.fator, 3);
    EXPECT_EQ(p.novosalario, 30'000);
    EXPECT_EQ(m.J(j).time, 0);
    r.exigencia = true;
    p = ProporCompra(m.jogo, r, 2, j, 4'000'000);
    EXPECT_EQ(p.resultado, Proposta::Aceita);
    EXPECT_EQ(m.J(j).salario, 30'000);

    // The 10-club mode: a move from division 1 to 4 is always refused.
    m.jogo.estado.divisoesporliga = 4;
    m.T(3).divisao = 4;
    m.Humano(3);
    m.T(0).nivel = 1;
    EXPECT_EQ(ProporCompra(m.jogo, r, 3, m.Primeiro(0, kMeia), 4'000'000).resultado,
              Proposta::JogadorNaoDesce);
}

TEST(ProporCompra, AnOfferForAnotherHumansPlayerIsHisToAnswer) {
    Mercado m;
    m.Humano(0);
    m.Humano(1);
    const int j = m.Primeiro(0, kMeia);
    Respostas r;
    EXPECT_EQ(ProporCompra(m.jogo, r, 1, j, 1000).resultado, Proposta::RecusaHumano);
    EXPECT_EQ(r.perguntas, 1);
    r.vender = true;
    EXPECT_EQ(ProporCompra(m.jogo, r, 1, j, 1000).resultado, Proposta::Aceita);
    EXPECT_EQ(m.J(j).time, 1);
}

TEST(VendasPrecoFixo, TheChancesByAskingPriceAndAPlayerAtHisValueSoldAtTheNextRefresh) {
    EXPECT_EQ(ChanceDeVenda(100'000, 100'000), 100);
    EXPECT_EQ(ChanceDeVenda(100'000, 90'000), 100);
    EXPECT_EQ(ChanceDeVenda(100'000, 100'999), 89);
    EXPECT_EQ(ChanceDeVenda(100'000, 110'000), 79);
    EXPECT_EQ(ChanceDeVenda(100'000, 110'001), 59);
    EXPECT_EQ(ChanceDeVenda(100'000, 130'000), 24);
    EXPECT_EQ(ChanceDeVenda(100'000, 140'000), 14);
    EXPECT_EQ(ChanceDeVenda(100'000, 150'000), 4);
    EXPECT_EQ(ChanceDeVenda(100'000, 150'001), 0);

    Mercado m(4);
    m.Humano(0);
    const int j = m.Primeiro(0, kMeia);
    m.J(j).contrato = kHoje - 1;
    ColocarAVenda(m.jogo, j, m.J(j).passe);
    const int caro = m.Primeiro(0, kAtacante);
    ColocarAVenda(m.jogo, caro, 10 * m.J(caro).passe); // never
    EXPECT_EQ(VendasPrecoFixo(m.jogo, 0), 1);
    EXPECT_EQ(m.J(j).time, 1); // the only other club of division 1
    EXPECT_EQ(m.J(caro).time, 0);
    RetirarDaVenda(m.jogo, caro);
    EXPECT_EQ(m.J(caro).avenda, 0);
    EXPECT_EQ(m.J(caro).passepedido, m.J(caro).passe);
}

TEST(Leilao, AHumanAskingMoreThan12TimesTheValueWithoutAWinningBidKeepsHisPlayer) {
    Mercado m;
    m.Humano(0);
    const int j = m.Primeiro(0, kMeia);
    m.J(j).forca = 60;
    Respostas r;
    const ResultadoLeilao res = LeiloarJogador(m.jogo, r, j, 120'001);
    EXPECT_EQ(res.comprador, -1);
    EXPECT_EQ(m.J(j).time, 0);
    EXPECT_EQ(r.fim, 1);
}

TEST(Leilao, OnlyHumansWhoCanPayBidTheBestFirstBidStaysAndTheWinnerPaysIt) {
    for (std::uint64_t semente = 1; semente <= 20; ++semente) {
        Mercado m;
        m.jogo.gerador.Semear(semente);
        m.Humano(1);
        m.Humano(2);
        m.Humano(3);
        m.T(3).dinheiro = 10'000; // cannot pay the start: not asked
        const int j = m.Primeiro(0, kMeia);
        m.J(j).forca = 10; // no computer-run club wants him
        Respostas r;
        r.lances = {60'000, 60'000};
        const ResultadoLeilao res = LeiloarJogador(m.jogo, r, j, 50'000);
        EXPECT_EQ(r.perguntas, 2);
        EXPECT_EQ(res.comprador, 1) << semente; // of equal bids the first stays
        EXPECT_EQ(res.preco, 60'000);
        EXPECT_EQ(m.J(j).time, 1);
        EXPECT_EQ(m.T(1).dinheiro, 5'000'000 - 60'000);
    }
}

TEST(Leilao, ABidAboveTheCashCountsAsNone) {
    Mercado m;
    m.Humano(1);
    const int j = m.Primeiro(0, kMeia);
    m.J(j).forca = 10;
    Respostas r;
    r.lances = {6'000'000};
    EXPECT_EQ(LeiloarJogador(m.jogo, r, j, 50'000).comprador, -1);
}

TEST(Venda, WhatStopsASaleOrABidIsNamed) {
    Mercado m;
    const int j = m.Primeiro(0, kMeia);
    EXPECT_EQ(RecusaDaVenda(m.jogo, 0), RecusaVenda::SemJogador);
    EXPECT_EQ(RecusaDaVenda(m.jogo, j), RecusaVenda::NaoEhHumano);
    m.Humano(0);
    m.Humano(1);
    EXPECT_EQ(RecusaDaVenda(m.jogo, j), RecusaVenda::Nenhuma);
    EXPECT_EQ(RecusaDaVenda(m.jogo, j, 0), RecusaVenda::SemPreco);
    m.T(0).disponiveis = kMinimoDisponiveisVenda - 1;
    EXPECT_EQ(RecusaDaVenda(m.jogo, j), RecusaVenda::PoucosDisponiveis);
    m.T(0).elenco = kMinimoElencoVenda - 1;
    EXPECT_EQ(RecusaDaVenda(m.jogo, j), RecusaVenda::ElencoPequeno);
    EXPECT_FALSE(PodeVender(m.jogo, 0));

    Leilao l;
    l.jogador = j;
    l.vendedor = 0;
    l.precoinicial = 50'000;
    l.vez = 1;
    EXPECT_EQ(RecusaDoLance(m.jogo, l, 0), RecusaLance::SemLance);
    EXPECT_EQ(RecusaDoLance(m.jogo, l, 49'999), RecusaLance::AbaixoDoInicial);
    EXPECT_EQ(RecusaDoLance(m.jogo, l, m.T(1).dinheiro + 1), RecusaLance::AcimaDoCaixa);
    EXPECT_EQ(RecusaDoLance(m.jogo, l, 50'000), RecusaLance::Nenhuma);
    m.T(1).dinheiro = -1;
    EXPECT_EQ(RecusaDoLance(m.jogo, l, 50'000), RecusaLance::SaldoNegativo);
}

TEST(Transferir, TheGamesSquadIndexFollowsThePlayerInPlayerOrder) {
    Mercado m;
    (void)JogadoresPorTime(m.jogo); // the index is built before the move
    const int p = m.Primeiro(0, kMeia);
    Transferir(m.jogo, p, 1, 100'000);
    for (int c = 0; c < 2; ++c) {
        const auto elenco = JogadoresDoTime(m.jogo, c);
        EXPECT_EQ(std::vector<int>(elenco.begin(), elenco.end()), construtores::DoClube(m.jogo, c));
    }
    EXPECT_TRUE(m.jogo.indiceelencos.Coerente(m.jogo));
    // A club changed behind the index's back is what the invariant check finds.
    m.J(p).time = 2;
    EXPECT_FALSE(m.jogo.indiceelencos.Coerente(m.jogo));
}

TEST(TransferenciaComputador, ComputerClubsTradeWithinThePositionMaximaAndTheIndexKeepsUp) {
    Mercado m(8, {2, 2, 4, 6, 4});
    m.Humano(0);
    for (int c = 0; c < 8; ++c) {
        m.T(c).nivel = 12;
        m.T(c).disponiveis = 16;
    }
    Elencos elencos = JogadoresPorTime(m.jogo);
    int feitas = 0;
    for (int k = 0; k < 200; ++k) feitas += TransferenciaComputador(m.jogo, -1, elencos);
    EXPECT_GT(feitas, 0);
    EXPECT_EQ(elencos, JogadoresPorTime(m.jogo));
    static constexpr int kMaximos[5] = {3, 5, 5, 10, 6};
    for (const TTransferencia& t : m.jogo.transferencias) {
        EXPECT_NE(t.vendedor, 0);
        EXPECT_NE(t.comprador, 0);
    }
    for (int c = 0; c < 8; ++c)
        for (int p = 0; p < 5; ++p) EXPECT_LE(m.T(c).porposicao[p], std::max(kMaximos[p], 6));
    EXPECT_EQ(m.jogo.ciclo.transferenciasdesequilibradas, 0);
}

TEST(OfertaComputador, TheOfferIsAboveTheValueOrBelowTheAskingPriceOfAListedPlayer) {
    Mercado m;
    m.Humano(0);
    const int j = m.Primeiro(0, kMeia);
    for (int k = 0; k < 50; ++k) {
        const i32 v = ValorDaOfertaComputador(m.jogo, j);
        EXPECT_GE(v, 125'000);
        EXPECT_LE(v, 160'000);
    }
    ColocarAVenda(m.jogo, j, 110'000);
    EXPECT_EQ(ValorDaOfertaComputador(m.jogo, j), 88'000);
    m.J(j).passe = 0;
    m.J(j).avenda = 0;
    EXPECT_EQ(ValorDaOfertaComputador(m.jogo, j), 0);
}

TEST(BuscarJogadores, EveryFilterAndTheBandsEdges) {
    Mercado m(2);
    const int j = m.Primeiro(0, kAtacante);
    m.J(j).nome = plataforma::Utf8ParaCp1252("Zé Gomes");
    m.J(j).idade = 15;
    m.J(j).forca = 101;
    m.J(j).passe = 3'000'001;
    m.J(j).estrela = 1;
    m.J(j).avenda = 1;
    m.J(j).pais = 11;
    FiltroBusca f;
    f.nome = plataforma::Utf8ParaCp1252("ZÉ GOMES");
    EXPECT_EQ(BuscarJogadores(m.jogo, f), std::vector<int>{j});
    f = {};
    f.faixaidade = 0;
    f.faixaforca = 3;
    f.soestrelas = true;
    f.soavenda = true;
    f.pais = 11;
    f.posicao = kAtacante;
    f.caracteristica1 = 10;
    EXPECT_EQ(BuscarJogadores(m.jogo, f), std::vector<int>{j});
    f.faixapasse = 4; // strictly above 3 000 001
    EXPECT_TRUE(BuscarJogadores(m.jogo, f).empty());
    f.faixapasse = 3; // strictly below 3 000 000
    EXPECT_TRUE(BuscarJogadores(m.jogo, f).empty());
    m.J(j).passe = 3'000'002;
    f.faixapasse = 4;
    EXPECT_EQ(BuscarJogadores(m.jogo, f).size(), 1u);
    f.caracteristica2 = 3;
    EXPECT_TRUE(BuscarJogadores(m.jogo, f).empty());
}

TEST(PasseCompacto, TheGridsShortPrices) {
    EXPECT_EQ(PasseCompacto(9'999), "9999");
    EXPECT_EQ(PasseCompacto(10'000), "10 k");
    EXPECT_EQ(PasseCompacto(99'999), "99 k");
    EXPECT_EQ(PasseCompacto(250'500), "250 k");
    EXPECT_EQ(PasseCompacto(2'500'000), "2 500 k");
    EXPECT_EQ(PasseCompacto(12'345'678), "12 345 k");
    EXPECT_EQ(PasseCompacto(123'456'789), "123456789");
    EXPECT_EQ(PasseCompacto(-5), "-5");
}

} // namespace

namespace {

TEST(ProporCompra, APlayerInAHumansLineupAlreadyCommittedTodayIsNotForSale) {
    Mercado m;
    m.Humano(0);
    m.Humano(1);
    const int j = m.Primeiro(0, kMeia);
    m.J(j).avenda = 1;
    TEscalacao e{};
    e.jogadoreslinha[3] = j;
    m.jogo.escalacoes.push_back(e);
    m.T(0).escalacao = 0;
    EXPECT_FALSE(PodeComprar(m.jogo, 1, j));
    Respostas r;
    r.vender = true;
    const ResultadoProposta p = ProporCompra(m.jogo, r, 1, j, 1000);
    EXPECT_EQ(p.resultado, Proposta::Impedida);
    EXPECT_EQ(p.impedimento, Impedimento::EscaladoHoje);
    EXPECT_EQ(r.perguntas, 0);
    m.T(0).escalacao = -1; // the date played: he can go
    EXPECT_TRUE(PodeComprar(m.jogo, 1, j));
}

} // namespace
