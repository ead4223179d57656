// Reading a date's matches and one match's events back from the archive.
#include "match/resultadosdata.hpp"

#include "plataforma/datas.hpp"

#include <gtest/gtest.h>

using namespace world;

namespace {

TJogoArquivado Arquivado(int m, int v, double data, int codigo) {
    TJogoArquivado a;
    a.mandante = m;
    a.visitante = v;
    a.data = data;
    a.competicao = codigo;
    return a;
}

TEST(ResultadosData, JogosDaDataSoOsDoDiaEDaCompeticao) {
    Jogo jogo;
    jogo.arquivo.jogos = {Arquivado(1, 2, 100, 1), Arquivado(3, 4, 101, 1), Arquivado(5, 6, 101, 2),
                          Arquivado(7, 8, 101, 1)};
    EXPECT_EQ(match::JogosDaData(jogo, 101, 1), (std::vector<int>{1, 3}));
    EXPECT_TRUE(match::JogosDaData(jogo, 102, 1).empty());
}

TEST(ResultadosData, LancesEmOrdemComOPlacarCorrente) {
    Jogo jogo;
    jogo.arquivo.jogos = {Arquivado(1, 2, 100, 1), Arquivado(3, 4, 100, 1)};
    // Events of entry 1 out of minute order, an own goal credited to the away
    // side, and an event of another match in between.
    jogo.arquivo.eventos = {{kGolEvento, 3, 10, -1, 70, 1},
                            {kAmarelo, 4, 11, 0, 12, 1},
                            {kGolEvento, 1, 20, -1, 5, 0},
                            {kGolContra, 4, 12, -1, 30, 1},
                            {kGolPenalti, 3, 13, -1, 70, 1}};
    const auto l = match::LancesDoJogo(jogo, 1);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0].evento.tipo, kAmarelo);
    EXPECT_FALSE(l[0].gol);
    EXPECT_EQ(l[1].lado, 1);
    EXPECT_EQ(l[1].placar[0], 0);
    EXPECT_EQ(l[1].placar[1], 1);
    // Same minute: in the order they happened; second half minutes 1..45.
    EXPECT_EQ(l[2].evento.jogador, 10);
    EXPECT_EQ(l[2].tempo, 2);
    EXPECT_EQ(l[2].minuto, 25);
    EXPECT_EQ(l[3].placar[0], 2);
    EXPECT_EQ(l[3].placar[1], 1);
    EXPECT_TRUE(match::LancesDoJogo(jogo, 2).empty());
    EXPECT_TRUE(match::LancesDoJogo(jogo, -1).empty());
}

TEST(ResultadosData, EntradaDeUmaPartidaJogada) {
    Jogo jogo;
    jogo.arquivo.jogos = {Arquivado(1, 2, 100, 1), Arquivado(2, 1, 100, 2),
                          Arquivado(2, 1, 130, 1)};
    TPartida p;
    p.mandante = 2;
    p.visitante = 1;
    p.data = 130;
    p.competicao = 1;
    EXPECT_EQ(match::EntradaDaPartida(jogo, p), -1); // not played yet
    p.jogado = 1;
    EXPECT_EQ(match::EntradaDaPartida(jogo, p), 2);
    p.data = 100;
    EXPECT_EQ(match::EntradaDaPartida(jogo, p), -1); // that day's match was the cup's
}

// One leg of a knockout tie in the archive.
TJogoArquivado Perna(int m, int v, int gm, int gv, double data, int codigo = 2, int rodada = 1,
                     int grupo = 0) {
    TJogoArquivado a = Arquivado(m, v, data, codigo);
    a.gols[0] = gm;
    a.gols[1] = gv;
    a.rodada = rodada;
    a.grupo = grupo;
    return a;
}

double Dia(int ano, int mes, int dia) {
    return plataforma::CodificarData(ano, mes, dia);
}

TEST(ResultadosData, ConfrontoDeDoisJogosNoAgregadoNosGolsForaENosPenaltis) {
    const double ida = Dia(2007, 3, 7), volta = Dia(2007, 3, 21);
    Jogo jogo;
    // Club 1 (A) at home first against 2 (B): 2-0, then B wins 3-0 at home.
    // Between them, other matches of the date and a league match of the pair.
    jogo.arquivo.jogos = {Perna(1, 2, 2, 0, ida),   Perna(3, 4, 2, 2, ida),
                          Perna(5, 6, 1, 1, ida),   Perna(2, 1, 1, 1, ida + 3, 1, 1),
                          Perna(2, 1, 3, 0, volta), Perna(4, 3, 1, 1, volta),
                          Perna(6, 5, 0, 1, volta)};
    EXPECT_FALSE(match::ConfrontoDoJogo(jogo, 0)); // a first leg settles nothing
    EXPECT_FALSE(match::ConfrontoDoJogo(jogo, 3)); // a league match
    EXPECT_FALSE(match::ConfrontoDoJogo(jogo, 99));

    const auto agregado = match::ConfrontoDoJogo(jogo, 4);
    ASSERT_TRUE(agregado);
    EXPECT_EQ(agregado->ida, 0);
    EXPECT_EQ(agregado->clubes[0], 1);
    EXPECT_EQ(agregado->agregado[0], 2);
    EXPECT_EQ(agregado->agregado[1], 3);
    EXPECT_EQ(agregado->criterio, match::Desempate::Agregado);
    EXPECT_EQ(agregado->classificado, 2);
    EXPECT_FALSE(agregado->final);

    // 2-2 away, 1-1 at home: level on aggregate, B's two away goals beat A's one.
    const auto fora = match::ConfrontoDoJogo(jogo, 5);
    ASSERT_TRUE(fora);
    EXPECT_EQ(fora->agregado[0], 3);
    EXPECT_EQ(fora->agregado[1], 3);
    EXPECT_EQ(fora->golsfora[0], 1);
    EXPECT_EQ(fora->golsfora[1], 2);
    EXPECT_EQ(fora->criterio, match::Desempate::GolsFora);
    EXPECT_EQ(fora->classificado, 4);

    // A draw and an away win: one leg won decides, the aggregate agrees.
    const auto vitoria = match::ConfrontoDoJogo(jogo, 6);
    ASSERT_TRUE(vitoria);
    EXPECT_EQ(vitoria->classificado, 5);
    EXPECT_EQ(vitoria->criterio, match::Desempate::Agregado);

    // 1-0 and 1-0 to each home side: everything level, the shoot-out kept
    // with the second leg (its home side first) decides, A winning 4-3.
    jogo.arquivo.jogos.push_back(Perna(7, 8, 1, 0, ida, 2, 5));
    TJogoArquivado penaltis = Perna(8, 7, 1, 0, volta, 2, 5);
    penaltis.decididopenaltis = 1;
    penaltis.penaltis[0] = 3;
    penaltis.penaltis[1] = 4;
    jogo.arquivo.jogos.push_back(penaltis);
    const auto disputa = match::ConfrontoDoJogo(jogo, 8);
    ASSERT_TRUE(disputa);
    EXPECT_EQ(disputa->criterio, match::Desempate::Penaltis);
    EXPECT_EQ(disputa->penaltis[0], 4);
    EXPECT_EQ(disputa->penaltis[1], 3);
    EXPECT_EQ(disputa->classificado, 7);
    EXPECT_TRUE(disputa->final); // the cup's fifth phase
    // Without the shoot-out kept, who went through is not known.
    jogo.arquivo.jogos[8].decididopenaltis = 0;
    jogo.arquivo.jogos[8].penaltis[0] = jogo.arquivo.jogos[8].penaltis[1] = 0;
    EXPECT_EQ(match::ConfrontoDoJogo(jogo, 8)->classificado, -1);
}

TEST(ResultadosData, AIdaEDaMesmaTemporadaEDoMesmoConfronto) {
    Jogo jogo;
    // The same pair met in the same phase a season earlier, the other way round.
    jogo.arquivo.jogos = {Perna(1, 2, 3, 0, Dia(2007, 3, 7)), Perna(2, 1, 0, 0, Dia(2007, 3, 21)),
                          Perna(2, 1, 1, 0, Dia(2008, 3, 5)), Perna(1, 2, 0, 2, Dia(2008, 3, 19))};
    EXPECT_FALSE(match::ConfrontoDoJogo(jogo, 2)); // this season's first leg
    const auto c = match::ConfrontoDoJogo(jogo, 3);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->ida, 2);
    EXPECT_EQ(c->classificado, 2);
    // Another country's cup (another league) or phase is another tie.
    jogo.arquivo.jogos[2].grupo = 1;
    EXPECT_FALSE(match::ConfrontoDoJogo(jogo, 3));
    jogo.arquivo.jogos[2].grupo = 0;
    jogo.arquivo.jogos[2].rodada = 2;
    EXPECT_FALSE(match::ConfrontoDoJogo(jogo, 3));

    // The state final: the last two matchdays of the second turn; the group
    // matches of the pair before it are no first leg.
    Jogo estadual;
    const double d = Dia(2007, 2, 1);
    estadual.arquivo.jogos = {Perna(5, 6, 2, 0, d, 3, 10, 4), Perna(6, 5, 0, 1, d + 7, 3, 11, 4),
                              Perna(5, 6, 0, 0, d + 14, 3, 12, 4)};
    EXPECT_FALSE(match::ConfrontoDoJogo(estadual, 1));
    const auto final = match::ConfrontoDoJogo(estadual, 2);
    ASSERT_TRUE(final);
    EXPECT_EQ(final->clubes[0], 6);
    EXPECT_EQ(final->agregado[0], 0);
    EXPECT_EQ(final->agregado[1], 1);
    EXPECT_EQ(final->classificado, 5);
    EXPECT_TRUE(final->final);
}

// A tournament's clubs and players are cut away after it while the archive
// keeps their indices: every name read back from it must hold.
TEST(ResultadosData, ClubesEJogadoresQueJaNaoExistemTemNomeNeutro) {
    Jogo jogo;
    jogo.times.resize(2);
    jogo.times[1].nome = "Clube Um";
    jogo.jogadores.resize(3);
    jogo.jogadores[2].nome = "Jogador Dois";
    EXPECT_EQ(match::NomeDoClubeArquivado(jogo, 1), "Clube Um");
    EXPECT_EQ(match::NomeDoJogadorArquivado(jogo, 2), "Jogador Dois");
    for (int fora : {-1, -70, 2, 40})
        EXPECT_EQ(match::NomeDoClubeArquivado(jogo, fora), match::kNomeExtinto) << fora;
    for (int fora : {0, -1, 3, 500}) // slot 0 of the players is nobody
        EXPECT_EQ(match::NomeDoJogadorArquivado(jogo, fora), match::kNomeExtinto) << fora;

    // The rules reading such an archive keep their results, never index by
    // a club or a player.
    const double ida = Dia(2007, 3, 7);
    jogo.arquivo.jogos = {Perna(40, -3, 1, 0, ida), Perna(-3, 40, 2, 0, ida + 14)};
    jogo.arquivo.eventos = {{kGolEvento, -3, 999, -1, 10, 1}, {kAmarelo, 77, -5, 0, 50, 1}};
    const auto lances = match::LancesDoJogo(jogo, 1);
    ASSERT_EQ(lances.size(), 2u);
    EXPECT_EQ(lances[0].placar[0], 1);
    EXPECT_EQ(lances[1].lado, 0);
    const auto c = match::ConfrontoDoJogo(jogo, 1);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->classificado, -3);
}

} // namespace

TEST(ResultadosData, OArquivoQueCresceOuEConstruidoDeNovoEVistoPorInteiro) {
    Jogo jogo;
    jogo.arquivo.jogos = {Arquivado(1, 2, 100, 1)};
    jogo.arquivo.eventos = {{kGolEvento, 1, 20, -1, 5, 0}};
    ASSERT_EQ(match::LancesDoJogo(jogo, 0).size(), 1u);
    // Matches and events archived after a first question.
    jogo.arquivo.jogos.push_back(Arquivado(3, 4, 100, 1));
    jogo.arquivo.eventos.push_back({kAmarelo, 4, 11, 0, 12, 1});
    jogo.arquivo.eventos.push_back({kGolEvento, 1, 21, -1, 80, 0});
    EXPECT_EQ(match::JogosDaData(jogo, 100, 1), (std::vector<int>{0, 1}));
    EXPECT_EQ(match::LancesDoJogo(jogo, 0).size(), 2u);
    EXPECT_EQ(match::LancesDoJogo(jogo, 1).size(), 1u);
    // An event tagged with an entry archived after it.
    jogo.arquivo.eventos.push_back({kAmarelo, 6, 30, 0, 40, 2});
    EXPECT_TRUE(match::LancesDoJogo(jogo, 2).empty());
    jogo.arquivo.jogos.push_back(Arquivado(5, 6, 101, 1));
    EXPECT_EQ(match::LancesDoJogo(jogo, 2).size(), 1u);
    // Another archive in its place (a load): nothing of the old one stays.
    Jogo outro;
    outro.arquivo.jogos = {Arquivado(7, 8, 200, 1)};
    outro.arquivo.eventos = {{kGolEvento, 8, 40, -1, 60, 0}};
    jogo.arquivo = outro.arquivo;
    EXPECT_TRUE(match::JogosDaData(jogo, 100, 1).empty());
    EXPECT_EQ(match::JogosDaData(jogo, 200, 1), (std::vector<int>{0}));
    const auto l = match::LancesDoJogo(jogo, 0);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].evento.jogador, 40);
    // A day out of order (a file written so) is found all the same.
    jogo.arquivo.jogos.push_back(Arquivado(9, 10, 150, 1));
    jogo.arquivo.jogos.push_back(Arquivado(11, 12, 200, 1));
    EXPECT_EQ(match::JogosDaData(jogo, 200, 1), (std::vector<int>{0, 2}));
    EXPECT_EQ(match::JogosDaData(jogo, 150, 1), (std::vector<int>{1}));
    // Other records in place of the old ones.
    jogo.arquivo.jogos.clear();
    jogo.arquivo.eventos.clear();
    jogo.arquivo.jogos.push_back(Arquivado(7, 8, 300, 1));
    jogo.arquivo.eventos.push_back({kGolEvento, 7, 41, -1, 10, 0});
    EXPECT_EQ(match::JogosDaData(jogo, 300, 1), (std::vector<int>{0}));
    EXPECT_EQ(match::LancesDoJogo(jogo, 0).at(0).evento.jogador, 41);
}
