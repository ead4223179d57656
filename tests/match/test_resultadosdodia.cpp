#include "match/resultadosdodia.hpp"

#include <gtest/gtest.h>

using namespace world;

TEST(ResultadosDoDia, TheDatesEntriesAreTheNewestOfItsCompetitionAndTheirEventsInOrder) {
    Jogo jogo;
    auto entrada = [&](int codigo, double data) {
        TJogoArquivado a;
        a.competicao = codigo;
        a.data = data;
        jogo.arquivo.jogos.push_back(a);
        return static_cast<int>(jogo.arquivo.jogos.size()) - 1;
    };
    entrada(1, 100);
    const int a = entrada(1, 103), b = entrada(2, 103), c = entrada(1, 103);
    EXPECT_EQ(match::JogosDoDia(jogo, 1, 103), (std::vector<int>{a, c}));
    EXPECT_EQ(match::JogosDoDia(jogo, 2, 103), (std::vector<int>{b}));
    EXPECT_TRUE(match::JogosDoDia(jogo, 1, 104).empty());

    // Events of one match come in the minute order, others left out.
    jogo.arquivo.eventos = {
        {kGolEvento, 0, 0, 0, 70, a}, {kAmarelo, 0, 0, 0, 10, a}, {kGolPenalti, 0, 0, 0, 5, c}};
    const auto ev = match::EventosDoJogo(jogo, a);
    ASSERT_EQ(ev.size(), 2u);
    EXPECT_EQ(ev[0].minuto, 10);
    EXPECT_EQ(ev[1].minuto, 70);
    TJogador j = NovoJogador();
    j.nome = "Zico";
    jogo.jogadores.push_back(j);
    EXPECT_EQ(match::TextoEvento(jogo, {kGolPenalti, 0, 1, 0, 5, c}), "Zico 5' (de penalti)");
    EXPECT_EQ(match::TextoEvento(jogo, {kGolFalta, 0, 1, 0, 60, c}), "Zico 60' (de falta)");

    TJogoArquivado p;
    p.lados[0].posse = 30;
    p.lados[1].posse = 10;
    EXPECT_EQ(match::PercentualPosse(p, 0), 75);
    EXPECT_EQ(match::PercentualPosse(p, 1), 25);
    EXPECT_EQ(match::PercentualPosse(TJogoArquivado{}, 0), 0);
}
