// The player card's figures: the season by competition and the career by
// season, and what a damaged record gives instead of a crash.
#include "apoio/apoio.hpp"
#include "management/fichajogador.hpp"
#include "match/construtores.hpp"

#include <gtest/gtest.h>

using namespace world;
using namespace management;

namespace {

struct Mundo {
    apoio::PastaTemporaria pasta;
    Jogo jogo;
    int clube, outro, jogador;

    Mundo() {
        apoio::GravarIdioma(pasta, 10, "Teste",
                            {"37=Liga da Casa", "229=A", "228=Atacante", "226=Meia", "235=Recuado",
                             "236=Pelo meio", "241=Drible", "251=Dri", "244=Finalizacao", "254=Fin",
                             "329=Libertadores", "328=Liga dos Campeoes", "2012=Amistoso"},
                            {"755=Brasil"});
        clube = construtores::Clube(jogo);
        outro = construtores::Clube(jogo);
        jogo.times[clube].pais = 29; // continent 1: the South American names
        jogo.times[clube].nome = "Serrano";
        jogo.times[outro].nome = "Portuario";
        jogador = construtores::Jogador(jogo, clube, kAtacante, 71, 88, 27);
        TJogador& j = jogo.jogadores[jogador];
        j.nome = "Rui Tavares";
        j.pais = 29;
        j.caract1 = 8;
        j.caract2 = 11;
        j.funcao = 1;
        j.moral = 3;
        j.passe = 2500000;
        j.salario = 40000;
        j.contrato = 39813; // 31/12/2008
    }
    TJogador& J() { return jogo.jogadores[jogador]; }
};

} // namespace

TEST(FichaJogador, SeasonByCompetitionAndCareerBySeason) {
    Mundo m;
    TJogador& j = m.J();
    j.jogos[1] = 9;
    j.gols[1] = 4;
    j.jogos[4] = 3;
    j.gols[4] = 2;
    j.gols[3] = 0; // nothing in the state championship: no line

    m.jogo.estado.temporada = 2;
    THistoricoJogador h = NovoHistorico();
    h.clubes[0][0] = m.outro;
    h.clubes[1][0] = m.outro;
    h.clubes[1][1] = m.clube;
    h.linhas[kHistJogos][1] = 30;
    h.linhas[kHistGols][1] = 11;
    h.linhas[kHistAmarelos][1] = 5;
    h.linhas[kHistJogos][2] = 12;
    h.linhas[kHistGols][2] = 6;
    h.linhas[kHistContusoes][2] = 1;
    h.linhas[kHistJogos][0] = 42;
    h.linhas[kHistGols][0] = 17;
    h.linhas[kHistAmarelos][0] = 5;
    h.linhas[kHistContusoes][0] = 1;
    m.jogo.historicos.push_back(h);
    j.historico = static_cast<i32>(m.jogo.historicos.size()) - 1;

    const FichaJogador f = MontarFicha(m.jogo, m.jogador);
    EXPECT_EQ(f.jogador, m.jogador);
    EXPECT_EQ(f.nome, "Rui Tavares");
    EXPECT_EQ(f.idade, 27);
    EXPECT_EQ(f.nacionalidade, "Brasil");
    EXPECT_EQ(f.nomeclube, "Serrano");
    EXPECT_EQ(f.nomeposicao, "Atacante");
    EXPECT_EQ(f.funcao, "Pelo meio");
    EXPECT_EQ(f.caracteristica1, "Drible");
    EXPECT_EQ(f.caracteristica2, "Finalizacao");
    EXPECT_EQ(f.caracteristicas, "Dri/Fin");
    EXPECT_EQ(f.forca, 71);
    EXPECT_EQ(f.energia, 88);
    EXPECT_EQ(f.moral, 10);
    EXPECT_EQ(f.passe, 2500000);
    EXPECT_EQ(f.salario, 40000);
    EXPECT_EQ(f.fimcontrato, "31/12/2008");

    ASSERT_EQ(f.temporada.size(), 2u);
    EXPECT_EQ(f.temporada[0].competicao, 1);
    EXPECT_EQ(f.temporada[0].nome, "Liga da Casa");
    EXPECT_EQ(f.temporada[0].jogos, 9);
    EXPECT_EQ(f.temporada[0].gols, 4);
    EXPECT_EQ(f.temporada[1].competicao, 4);
    EXPECT_EQ(f.temporada[1].nome, "Libertadores");
    EXPECT_EQ(f.temporada[1].jogos, 3);
    EXPECT_EQ(f.temporada[1].gols, 2);
    EXPECT_EQ(f.totaltemporada.jogos, 12);
    EXPECT_EQ(f.totaltemporada.gols, 6);

    ASSERT_TRUE(f.temhistorico);
    ASSERT_EQ(f.carreira.size(), 2u);
    EXPECT_EQ(f.carreira[0].temporada, 1);
    EXPECT_EQ(f.carreira[0].ano, 2007);
    EXPECT_EQ(f.carreira[0].clubes, std::vector<std::string>{"Portuario"});
    EXPECT_EQ(f.carreira[0].jogos, 30);
    EXPECT_EQ(f.carreira[0].gols, 11);
    EXPECT_EQ(f.carreira[0].amarelos, 5);
    EXPECT_EQ(f.carreira[1].ano, 2008);
    EXPECT_EQ(f.carreira[1].clubes, (std::vector<std::string>{"Portuario", "Serrano"}));
    EXPECT_EQ(f.carreira[1].jogos, 12);
    EXPECT_EQ(f.carreira[1].contusoes, 1);
    EXPECT_EQ(f.totalcarreira.jogos, 42);
    EXPECT_EQ(f.totalcarreira.gols, 17);
    EXPECT_EQ(f.totalcarreira.contusoes, 1);
}

TEST(FichaJogador, PastTheTenthSeasonTheRecordHoldsTheLastTen) {
    Mundo m;
    m.jogo.estado.temporada = 13;
    THistoricoJogador h = NovoHistorico();
    for (int s = 0; s < 10; ++s) h.clubes[s][0] = m.clube;
    h.linhas[kHistGols][10] = 7; // the current season
    h.linhas[kHistGols][1] = 2;  // nine seasons ago
    m.jogo.historicos.push_back(h);
    m.J().historico = static_cast<i32>(m.jogo.historicos.size()) - 1;

    const FichaJogador f = MontarFicha(m.jogo, m.jogador);
    ASSERT_EQ(f.carreira.size(), 10u);
    EXPECT_EQ(f.carreira.front().temporada, 4);
    EXPECT_EQ(f.carreira.front().ano, 2010);
    EXPECT_EQ(f.carreira.front().gols, 2);
    EXPECT_EQ(f.carreira.back().temporada, 13);
    EXPECT_EQ(f.carreira.back().ano, 2019);
    EXPECT_EQ(f.carreira.back().gols, 7);
}

TEST(FichaJogador, DamagedRecordsGiveEmptyFieldsNotACrash) {
    Mundo m;
    TJogador& j = m.J();
    j.pais = 4000;
    j.posicaoatual = 9;
    j.funcao = -3;
    j.caract1 = 99;
    j.contrato = 0;
    j.time = 55; // a club that is not there
    for (i32 historico : {999, -5, 0}) {
        j.historico = historico;
        const FichaJogador f = MontarFicha(m.jogo, m.jogador);
        EXPECT_EQ(f.nome, "Rui Tavares");
        EXPECT_TRUE(f.nacionalidade.empty());
        EXPECT_TRUE(f.nomeclube.empty());
        EXPECT_EQ(f.clube, -1);
        EXPECT_TRUE(f.nomeposicaoatual.empty());
        EXPECT_TRUE(f.fimcontrato.empty());
        EXPECT_FALSE(f.temhistorico);
        EXPECT_TRUE(f.carreira.empty());
    }
    // Clubs the record names that are no longer in play are left out.
    THistoricoJogador h = NovoHistorico();
    h.clubes[0][0] = 4242;
    h.clubes[0][1] = m.outro;
    m.jogo.historicos.push_back(h);
    j.historico = static_cast<i32>(m.jogo.historicos.size()) - 1;
    m.jogo.estado.temporada = 0; // a state block that never started a season
    const FichaJogador f = MontarFicha(m.jogo, m.jogador);
    ASSERT_EQ(f.carreira.size(), 1u);
    EXPECT_EQ(f.carreira[0].clubes, std::vector<std::string>{"Portuario"});

    EXPECT_EQ(MontarFicha(m.jogo, 0).jogador, 0);
    EXPECT_EQ(MontarFicha(m.jogo, -1).jogador, 0);
    EXPECT_TRUE(MontarFicha(m.jogo, static_cast<int>(m.jogo.jogadores.size())).nome.empty());
}
