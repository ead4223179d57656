// The squad grid, its status clicks, the validation and the commit.
#include "escalacao_apoio.hpp"
#include "management/escalacaoformacao.hpp"
#include "management/escalacaotatica.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace world;
using namespace management;
using namespace escalacao_apoio;

TEST(GradeEscalacao, RowsComeInDisplayOrderWithTheirInitialCodes) {
    Tela t({2, 2, 1, 1, 1});
    auto& p = t.por;
    t.J(p[1][1]).funcao = 2; // a wide full-back sits between centre-backs and midfielders
    t.J(p[0][0]).forca = 70; // the stronger goalkeeper after the weaker
    t.J(p[1][0]).titular = 1;
    t.J(p[1][0]).novato = 1;          // newcomer even though he started last time
    t.J(p[2][0]).retorno = kHoje + 1; // injured
    t.J(p[3][0]).cartoes[kTipo] = 3;  // out on cards in the league
    t.J(p[4][0]).suspensao[2] = 1;    // suspended in the cup only
    t.J(p[4][0]).titular = 1;
    t.J(p[0][1]).titular = 2;

    Grade g = t.Grade();
    std::vector<int> ordem;
    for (const LinhaGrade& l : g.linhas) ordem.push_back(l.jogador);
    EXPECT_EQ(ordem,
              (std::vector<int>{p[0][1], p[0][0], p[1][0], p[2][0], p[1][1], p[3][0], p[4][0]}));
    EXPECT_EQ(Codigo(g, p[1][0]), kNovato);
    EXPECT_EQ(Codigo(g, p[2][0]), kIndisponivel);
    EXPECT_EQ(Codigo(g, p[3][0]), kIndisponivel);
    EXPECT_EQ(Codigo(g, p[4][0]), kNaoSelecionado); // the lineup is not remembered
    EXPECT_EQ(Codigo(g, p[0][1]), kNaoSelecionado);

    t.jogo.estado.opcoes.opescalacao = 1;
    g = t.Grade();
    EXPECT_EQ(Codigo(g, p[4][0]), kTitular);
    EXPECT_EQ(Codigo(g, p[0][1]), kReserva);
    EXPECT_EQ(Codigo(g, p[1][0]), kNovato);
    EXPECT_EQ(ImagemStatus(kReserva, 7), 36);
    EXPECT_EQ(ImagemStatus(kNaoSelecionado, 7), 65);
}

TEST(GradeEscalacao, StatusClicksFollowTheCycle) {
    Tela t({2, 4, 4, 7, 4});
    auto& p = t.por;
    t.J(p[3][5]).novato = 1;
    t.J(p[4][3]).retorno = kHoje + 7;
    Grade g = t.Grade();
    auto clicar = [&](int jogador) { return ClicarStatus(t.jogo, g, Linha(g, jogador)); };

    // Newcomers and unavailable players never change.
    EXPECT_FALSE(clicar(p[3][5]));
    EXPECT_FALSE(clicar(p[4][3]));
    EXPECT_EQ(Codigo(g, p[3][5]), kNovato);

    // Below eleven a click toggles starter.
    EXPECT_TRUE(clicar(p[1][0]));
    EXPECT_EQ(Codigo(g, p[1][0]), kTitular);
    EXPECT_TRUE(clicar(p[1][0]));
    EXPECT_EQ(Codigo(g, p[1][0]), kNaoSelecionado);

    const std::vector<int> dez = {p[1][0], p[1][1], p[2][0], p[2][1], p[3][0],
                                  p[3][1], p[3][2], p[3][3], p[4][0], p[4][1]};
    for (int j : dez) EXPECT_TRUE(clicar(j));
    // Ten outfield starters: the eleventh place is the goalkeeper's.
    EXPECT_FALSE(clicar(p[3][4]));
    EXPECT_FALSE(clicar(p[1][0]));
    EXPECT_EQ(Codigo(g, p[1][0]), kTitular);
    EXPECT_TRUE(clicar(p[0][0]));
    EXPECT_EQ(Codigo(g, p[0][0]), kTitular);

    // Eleven: clicks build the bench, or take a player out.
    EXPECT_TRUE(clicar(p[3][4]));
    EXPECT_EQ(Codigo(g, p[3][4]), kReserva);
    EXPECT_TRUE(clicar(p[3][4]));
    EXPECT_EQ(Codigo(g, p[3][4]), kNaoSelecionado);
    // A second goalkeeper can only go to the bench.
    EXPECT_TRUE(clicar(p[0][1]));
    EXPECT_EQ(Codigo(g, p[0][1]), kReserva);
    EXPECT_TRUE(clicar(p[0][1]));
    EXPECT_EQ(Codigo(g, p[0][1]), kNaoSelecionado);

    for (int j : {p[1][2], p[1][3], p[2][2], p[2][3], p[3][4], p[4][2], p[0][1]})
        EXPECT_TRUE(clicar(j));
    EXPECT_EQ(g.Contar(kReserva), 7);
    // A full bench takes nobody else.
    EXPECT_FALSE(clicar(p[3][6]));
    EXPECT_EQ(Codigo(g, p[3][6]), kNaoSelecionado);
    EXPECT_TRUE(clicar(p[0][1])); // the reserve goalkeeper leaves the bench
    EXPECT_TRUE(clicar(p[3][6]));
    EXPECT_EQ(g.Contar(kReserva), 7);
    EXPECT_FALSE(clicar(p[0][1])); // and finds it full
    EXPECT_EQ(Codigo(g, p[0][1]), kNaoSelecionado);
    // A starter clicked with a full bench leaves the lineup...
    EXPECT_TRUE(clicar(p[4][1]));
    EXPECT_EQ(Codigo(g, p[4][1]), kNaoSelecionado);
    // ... and below eleven a substitute becomes a starter.
    EXPECT_TRUE(clicar(p[4][2]));
    EXPECT_EQ(Codigo(g, p[4][2]), kTitular);
    EXPECT_EQ(g.Contar(kTitular), 11);
    EXPECT_EQ(g.Contar(kReserva), 6);
    EXPECT_TRUE(ValidarEscalacao(t.jogo, g).podejogar);
}

TEST(ValidarEscalacao, ElevenWithAGoalkeeperEnablePlayAndNameTheFormation) {
    Tela t;
    auto& p = t.por;
    Grade g = t.Grade();
    QuatroQuatroDois(t, g);
    Validacao v = ValidarEscalacao(t.jogo, g);
    EXPECT_TRUE(v.podejogar);
    EXPECT_EQ(v.titulares, 11);
    EXPECT_EQ(v.reservas, 5);
    EXPECT_EQ(v.formacao, "4-4-2");
    EXPECT_EQ(t.jogo.times[t.c].formacao, 442);
    EXPECT_EQ(t.jogo.times[t.c].disponiveis, 18);

    // A starting full-back as "Ala" plays in midfield: 3-5-2.
    ASSERT_TRUE(MudarFuncao(t.jogo, g, Linha(g, p[1][0]), 2));
    v = ValidarEscalacao(t.jogo, g);
    EXPECT_EQ(v.formacao, "3-5-2");
    EXPECT_EQ(t.jogo.times[t.c].formacao, 352);

    // One short: disabled, box cleared, formation kept as it was.
    Marcar(g, {p[4][1]}, kNaoSelecionado);
    v = ValidarEscalacao(t.jogo, g);
    EXPECT_FALSE(v.podejogar);
    EXPECT_EQ(v.formacao, "");
    EXPECT_EQ(t.jogo.times[t.c].formacao, 352);

    // Eleven without a goalkeeper.
    Marcar(g, {p[4][1]}, kTitular);
    Marcar(g, {p[0][0]}, kNaoSelecionado);
    Marcar(g, {p[3][4]}, kTitular);
    v = ValidarEscalacao(t.jogo, g);
    EXPECT_EQ(v.titulares, 11);
    EXPECT_FALSE(v.podejogar);

    // A valid shape the box does not list plays, but the box stays empty.
    Grade h = t.Grade();
    Marcar(h,
           {p[0][0], p[2][0], p[2][1], p[3][0], p[3][1], p[3][2], p[3][3], p[3][4], p[4][0],
            p[4][1], p[4][2]},
           kTitular);
    v = ValidarEscalacao(t.jogo, h);
    EXPECT_TRUE(v.podejogar);
    EXPECT_EQ(v.formacao, "");
    EXPECT_EQ(t.jogo.times[t.c].formacao, 253);
}

TEST(ConfirmarEscalacao, FillsTheRecordAsTheEngineSlotOperationDoes) {
    Tela t;
    auto& p = t.por;
    t.J(p[1][1]).funcao = 2; // wing-back: a midfielder in the counts
    t.J(p[4][3]).novato = 1;
    t.J(p[3][5]).jogou = 1; // flags of the last match
    t.J(p[3][0]).amarelosjogo = 1;
    Grade g = t.Grade();
    QuatroQuatroDois(t, g);
    const Jogo antes = t.jogo;
    // Bought after the grid was filled, still flagged from his old club's match.
    const int comprado = construtores::Jogador(t.jogo, t.c, kMeia);
    t.J(comprado).jogou = 1;

    const Confirmacao r = ConfirmarEscalacao(t.jogo, g);
    ASSERT_EQ(r.escalacao, static_cast<int>(t.jogo.escalacoes.size()) - 1);
    EXPECT_EQ(t.jogo.times[t.c].escalacao, r.escalacao);
    const TEscalacao& e = t.jogo.escalacoes[r.escalacao];
    EXPECT_EQ(e.goleiro, p[0][0]);
    EXPECT_EQ(e.titularesporposicao[0], 2);
    EXPECT_EQ(e.titularesporposicao[1], 2);
    EXPECT_EQ(e.titularesporposicao[2], 4);
    EXPECT_EQ(e.titularesporposicao[3], 2);
    EXPECT_EQ(e.defensores, 3);
    EXPECT_EQ(e.meias, 5);
    EXPECT_EQ(e.atacantes, 2);

    // The same players put in by the engine's own slot operation, in the
    // order the commit used, give the same record and the same players.
    Jogo motor = antes;
    std::vector<int> linha(std::begin(e.jogadoreslinha), std::end(e.jogadoreslinha));
    std::vector<int> banco;
    for (int j : e.reservas)
        if (j) banco.push_back(j);
    construtores::Escalar(motor, t.c, linha, e.goleiro, banco, kTipo);
    const TEscalacao& m = motor.escalacoes[motor.times[t.c].escalacao];
    EXPECT_EQ(std::memcmp(&e, &m, sizeof e), 0);
    for (std::size_t i = 1; i < motor.jogadores.size(); ++i) {
        const int j = static_cast<int>(i);
        const bool emcampo = e.goleiro == j || std::count(linha.begin(), linha.end(), j) == 1;
        EXPECT_EQ(t.jogo.jogadores[i].jogos[kTipo], motor.jogadores[i].jogos[kTipo]) << i;
        EXPECT_EQ(t.jogo.jogadores[i].jogou, emcampo ? 1 : 0) << i;
    }

    // The bench in grid order; the lineup memory; last match's flags gone.
    std::vector<int> esperado;
    for (const LinhaGrade& l : g.linhas)
        if (l.codigo == kReserva) esperado.push_back(l.jogador);
    EXPECT_EQ(banco, esperado);
    EXPECT_EQ(t.J(p[0][0]).titular, 1);
    EXPECT_EQ(t.J(p[0][1]).titular, 2);
    EXPECT_EQ(t.J(p[3][5]).titular, 0);
    EXPECT_EQ(t.J(p[3][5]).jogou, 0);
    EXPECT_EQ(t.J(p[3][0]).amarelosjogo, 0);
    EXPECT_EQ(t.J(comprado).jogou, 0);
    // A newcomer has sat out his match and may play the next one.
    EXPECT_EQ(t.J(p[4][3]).novato, 0);
    EXPECT_EQ(t.jogo.times[t.c].disponiveis, 19); // the whole squad, newcomers included
}

TEST(ConfirmarEscalacao, TiredStartersAndExpiredContracts) {
    Tela t;
    auto& p = t.por;
    Grade g = t.Grade();
    QuatroQuatroDois(t, g);
    auto vence = [&](int j, double contrato, int energia, int caract1 = 7) {
        t.J(j).contrato = contrato;
        t.J(j).energia = energia;
        t.J(j).caract1 = caract1;
    };
    vence(p[1][0], kHoje - 1, 10);      // tired, and his contract ran out
    vence(p[1][1], kHoje - 30, 20);     // ran out, not tired
    vence(p[2][0], kHoje + 10, 10, 12); // a tireless player never complains
    vence(p[2][1], kHoje, 100);         // ends today: still valid
    vence(p[3][0], kHoje - 1, 100);
    vence(p[1][2], kHoje - 1, 10); // a substitute is left alone

    const Confirmacao r = ConfirmarEscalacao(t.jogo, g);
    EXPECT_EQ(r.cansados, std::vector<int>{p[1][0]});
    EXPECT_EQ(t.J(p[1][0]).cansado, 1);
    EXPECT_EQ(t.J(p[1][0]).energia, 5); // 10 - 15 is replaced by 5
    EXPECT_EQ(t.J(p[1][1]).energia, 5);
    EXPECT_EQ(t.J(p[1][1]).cansado, 0);
    EXPECT_EQ(t.J(p[2][0]).energia, 10);
    EXPECT_EQ(t.J(p[2][0]).cansado, 0);
    EXPECT_EQ(t.J(p[2][1]).energia, 100);
    EXPECT_EQ(t.J(p[3][0]).energia, 85);
    EXPECT_EQ(t.J(p[1][2]).energia, 10);
    EXPECT_EQ(t.J(p[1][2]).cansado, 0);
}

TEST(ConfirmarEscalacao, RememberedLineupComesBackOnTheNextDate) {
    Tela t;
    t.jogo.estado.opcoes.opescalacao = 1;
    Grade g = t.Grade();
    QuatroQuatroDois(t, g);
    ConfirmarEscalacao(t.jogo, g);
    const Grade depois = t.Grade();
    for (const LinhaGrade& l : g.linhas) EXPECT_EQ(Codigo(depois, l.jogador), l.codigo);
    EXPECT_TRUE(ValidarEscalacao(t.jogo, depois).podejogar);

    t.jogo.estado.opcoes.opescalacao = 0;
    EXPECT_EQ(t.Grade().Contar(kNaoSelecionado), static_cast<int>(g.linhas.size()));
}

TEST(ConfirmarEscalacao, ExtraStartersFindNoPlace) {
    // A remembered lineup may hold more starters than places: two goalkeepers
    // and eleven outfield players. One keeper in goal, ten places, no more.
    Tela t;
    auto& p = t.por;
    Grade g = t.Grade();
    for (LinhaGrade& l : g.linhas) l.codigo = kTitular;
    const Confirmacao r = ConfirmarEscalacao(t.jogo, g);
    const TEscalacao& e = t.jogo.escalacoes[r.escalacao];
    EXPECT_EQ(e.goleiro, p[0][0]);
    EXPECT_EQ(e.jogadoreslinha[0], p[0][1]);
    int emcampo = 0;
    for (std::size_t i = 1; i < t.jogo.jogadores.size(); ++i) emcampo += t.jogo.jogadores[i].jogou;
    EXPECT_EQ(emcampo, 11);
    EXPECT_EQ(e.titularesporposicao[0] + e.titularesporposicao[1] + e.titularesporposicao[2] +
                  e.titularesporposicao[3],
              9);

    // Clicks can still bring such a lineup back to eleven.
    Grade h = t.Grade();
    for (LinhaGrade& l : h.linhas) l.codigo = kTitular;
    EXPECT_TRUE(ClicarStatus(t.jogo, h, Linha(h, p[4][3])));
    EXPECT_EQ(Codigo(h, p[4][3]), kNaoSelecionado);
}

// A national team lent players whose club contracts have all run out (the
// computer's clubs never renew), one newcomer among them: the human's
// commit neither tires them nor benches the newcomer nor writes to the
// clubs' mail, and over many matches the human's team plays the computer's
// of equal players on equal terms.
TEST(ConfirmarEscalacao, ANationalTeamIsNoClubAndPlaysTheComputersOnEqualTerms) {
    using construtores::Clube, construtores::Confronto, construtores::DoClube, construtores::Elenco;
    constexpr int kTorneio = 7;
    constexpr int kJogos = 300;
    int posse[2] = {}, gols[2] = {};
    for (int k = 0; k < kJogos; ++k) {
        Confronto c(1000 + k, kTorneio);
        for (int* lado : {&c.casa, &c.fora}) {
            *lado = Clube(c.jogo);
            for (int j : Elenco(c.jogo, *lado, {2, 4, 4, 6, 4})) {
                c.J(j).contrato = kHoje - 30;
                c.J(j).energia = 60;
            }
        }
        c.jogo.estado.numtimesligas = 0; // both are the tournament's teams
        const int humano = k % 2 ? c.fora : c.casa, computador = k % 2 ? c.casa : c.fora;
        const auto dele = DoClube(c.jogo, computador);
        match::EscalarClube(c.jogo, computador, dele, kTorneio, kHoje);
        const TTime& t = c.jogo.times[computador];
        TTime& h = c.jogo.times[humano];
        h.estilo = t.estilo, h.jogadas = t.jogadas, h.marcacao = t.marcacao;
        const int novato = DoClube(c.jogo, humano).back(); // the strongest forward
        c.J(novato).novato = 1;

        Grade g = PreencherGrade(c.jogo, humano, kTorneio, kHoje);
        ASSERT_TRUE(EscolherFormacao(c.jogo, g, TextoFormacao(t.formacao)));
        ASSERT_EQ(Codigo(g, novato), kTitular);
        const Confirmacao r = ConfirmarEscalacao(c.jogo, g);
        ASSERT_TRUE(r.cansados.empty());
        ASSERT_TRUE(c.jogo.emails.empty());
        for (int j : DoClube(c.jogo, humano)) ASSERT_EQ(c.J(j).energia, 60);
        ASSERT_EQ(c.J(novato).novato, 1); // his club's rule waits for his club's match

        c.Iniciar();
        for (int tempo = 1; tempo <= 2; ++tempo)
            for (int minuto = 1; minuto <= 45; ++minuto) {
                c.rodada.tempo = tempo;
                c.rodada.minuto = minuto;
                match::JogarMinutoDeTodos(c.jogo, c.rodada);
            }
        const int lh = humano == c.casa ? 0 : 1;
        posse[0] += c.P().posse[lh], posse[1] += c.P().posse[1 - lh];
        gols[0] += c.P().gols[lh], gols[1] += c.P().gols[1 - lh];
    }
    const double parte = static_cast<double>(posse[0]) / (posse[0] + posse[1]);
    EXPECT_NEAR(parte, 0.5, 0.03);
    // Goals are rarer: within three standard deviations of an even share.
    EXPECT_LT(std::abs(gols[0] - gols[1]), 3 * std::sqrt(gols[0] + gols[1]) + 1)
        << gols[0] << " x " << gols[1];
}
