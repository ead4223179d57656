// The mailbox: what each event posts, to whom, and what the mailbox and the
// news line read back.
#include "apoio/apoio.hpp"
#include "escalacao_apoio.hpp"
#include "management/atualizacao.hpp"
#include "match/construtores.hpp"
#include "match/estatisticas.hpp"
#include "persistence/jogosalvo.hpp"
#include "temporada/ciclo.hpp"
#include "world/clubes.hpp"
#include "world/emails.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>

using namespace world;
using namespace management;
using namespace temporada;

namespace {

constexpr double kDia = 39100; // the current date of these games

// A human club and a computer-run one, a player each, on a date of the
// calendar, with the texts the mailbox reads.
struct Caixa {
    apoio::PastaTemporaria pasta;
    Jogo jogo;
    int humano, outro, jogador, rival;

    Caixa() {
        apoio::GravarIdioma(
            pasta, 10, "Teste",
            {"77=Sem novas",    "78=novas",          "589=Diretoria",     "590=Torcida",
             "591=Jogador",     "592=Imprensa",      "593=Medico",        "599=Tres jogos",
             "625=Bem-vindo",   "629=Ligamentos",    "640=Vendido",       "849=Encerrado",
             "850=Terminando",  "2101=Bem-vindo ao", "2102=foi suspenso", "2104=contundido",
             "2108=assina com", "2113=Briga:",       "2115=Vendido:",     "2116=Ano de Copa",
             "2120=Comprador:", "2121=Valor:",       "2122=Fora por",     "2301=semanas"});
        jogo.estado.marcador = 2007;
        jogo.estado.temporada = 1;
        jogo.estado.dataatual = 3;
        for (int d = 0; d < kDatasPorTemporada; ++d) {
            jogo.calendario[d].numero = d + 1;
            jogo.calendario[d].data = kDia - 2 + d;
        }
        humano = construtores::Clube(jogo, 15, true);
        outro = construtores::Clube(jogo, 15, false);
        jogo.times[humano].nome = "Serrano";
        jogo.times[outro].nome = "Portuario";
        jogador = construtores::Jogador(jogo, humano, kAtacante);
        rival = construtores::Jogador(jogo, outro, kMeia);
        jogo.jogadores[jogador].nome = "Rui";
        jogo.jogadores[rival].nome = "Ze";
        jogo.estado.numhumanos = 1;
        jogo.estado.timeshumanos[0] = humano;
        jogo.estado.timeatual = humano;
        jogo.gerador.Semear(7);
    }
    const TEmail& Ultimo() const { return jogo.emails.back(); }
};

// The same draws, whatever happened before: two games seeded alike.
bool MesmoGerador(Jogo& a, Jogo& b) {
    for (int i = 0; i < 8; ++i)
        if (a.Aleatorio(1000) != b.Aleatorio(1000)) return false;
    return true;
}

} // namespace

TEST(Emails, CatalogueMixesLanguageAndBuiltInTexts) {
    Caixa c;
    EXPECT_EQ(TextoDoEmail(1), "Bem-vindo");
    EXPECT_EQ(TextoDoEmail(73), "Bem-vindo");
    EXPECT_EQ(TextoDoEmail(7), "Tres jogos");
    EXPECT_EQ(TextoDoEmail(11), "Tres jogos");
    EXPECT_EQ(TextoDoEmail(45), "Ligamentos");
    EXPECT_EQ(TextoDoEmail(71), "Terminando");
    EXPECT_EQ(TextoDoEmail(72), "Encerrado");
    // Built in, and kept in Windows-1252 like the language texts.
    EXPECT_EQ(TextoDoEmail(19), "N\xe3o gostei de voc\xea ter me multado. Se continuar assim o "
                                "clima neste time vai ficar ruim.");
    EXPECT_EQ(TextoDoEmail(22), TextoDoEmail(23));
    EXPECT_EQ(TextoDoEmail(61),
              "Os torcedores receberam os jogadores com viol\xeancia na entrada do CT hoje.");
    EXPECT_EQ(TextoDoEmail(56).back(), ' '); // as the game has always had it
    for (int vazio : {0, 49, 50, 64, 65, 66, 74, -1}) EXPECT_EQ(TextoDoEmail(vazio), "") << vazio;
    for (int n = 18; n <= 24; ++n) EXPECT_FALSE(TextoDoEmail(n).empty()) << n;
    for (int n = 51; n <= 63; ++n) EXPECT_FALSE(TextoDoEmail(n).empty()) << n;
}

TEST(Emails, SuspensionsPostByLengthAndAskAboutTheFine) {
    Caixa c;
    // Lengths the tribunal never gives, and one match, post nothing.
    for (int n : {0, 1, 4, 6, 11})
        EXPECT_EQ(PostarEmail(c.jogo, c.humano, kEmailSuspensao, n), -1) << n;
    EXPECT_TRUE(c.jogo.emails.empty());

    const std::map<int, std::pair<int, int>> faixas = {
        {2, {12, 17}}, {3, {7, 11}}, {5, {4, 5}}, {10, {2, 2}}};
    for (const auto& [n, faixa] : faixas) {
        std::set<int> vistos;
        for (int k = 0; k < 60; ++k) {
            ASSERT_GE(PostarEmail(c.jogo, c.humano, kEmailSuspensao, n, 0, 0, c.jogador), 0);
            const TEmail& e = c.Ultimo();
            vistos.insert(e.texto);
            EXPECT_EQ(e.remetente, 1);
            EXPECT_EQ(e.categoria, 2);
            EXPECT_EQ(e.pergunta, 1);
            EXPECT_EQ(e.lido, 0);
        }
        EXPECT_EQ(*vistos.begin(), faixa.first) << n;
        EXPECT_EQ(*vistos.rbegin(), faixa.second) << n;
        EXPECT_EQ(static_cast<int>(vistos.size()), faixa.second - faixa.first + 1) << n;
    }
    const TEmail& e = c.Ultimo();
    EXPECT_EQ(AssuntoDoEmail(c.jogo, e), "Rui foi suspenso");
    EXPECT_EQ(RemetenteDoEmail(e), "Diretoria");
    EXPECT_EQ(DataDoEmail(e), kDia);
    EXPECT_FALSE(PerguntaDoEmail(e).empty());
}

TEST(Emails, RedCardsOfAHumanClubPostOnlyLongSuspensions) {
    Caixa c;
    int longas = 0;
    for (int k = 0; k < 400; ++k) {
        TJogador& j = c.jogo.jogadores[c.jogador];
        j.suspensao[1] = 0;
        const std::size_t antes = c.jogo.emails.size();
        match::RegistrarEstatistica(c.jogo, c.jogador, match::Estatistica::Vermelho, 1, kDia);
        const int n = c.jogo.jogadores[c.jogador].suspensao[1];
        ASSERT_TRUE(n == 1 || n == 2 || n == 3 || n == 5 || n == 10) << n;
        EXPECT_EQ(c.jogo.emails.size(), antes + (n > 1 ? 1 : 0)) << n;
        longas += n > 1;
        // The computer-run club's player: no mail, whatever the length.
        match::RegistrarEstatistica(c.jogo, c.rival, match::Estatistica::Vermelho, 1, kDia);
    }
    EXPECT_GT(longas, 100);
    for (const TEmail& e : c.jogo.emails) EXPECT_EQ(e.clube, c.humano);
}

TEST(Emails, InjuriesPostByWeeksAndSayForHowLong) {
    Caixa c;
    const std::map<int, std::pair<int, int>> faixas = {
        {2, {25, 27}}, {3, {28, 29}},  {4, {30, 31}},  {5, {32, 35}}, {6, {32, 35}},
        {7, {36, 37}}, {8, {38, 41}},  {10, {38, 41}}, {11, {0, 0}},  {12, {0, 0}},
        {14, {0, 0}},  {15, {42, 45}}, {20, {42, 45}}};
    for (const auto& [n, faixa] : faixas)
        for (int k = 0; k < 30; ++k) {
            ASSERT_GE(PostarEmail(c.jogo, c.humano, kEmailContusao, n, 0, 0, c.jogador), 0) << n;
            const TEmail& e = c.Ultimo();
            EXPECT_GE(e.texto, faixa.first) << n;
            EXPECT_LE(e.texto, faixa.second) << n;
            EXPECT_EQ(e.remetente, 5);
            EXPECT_EQ(e.categoria, 4);
        }
    // The weeks out end the text, kept in the amount field.
    PostarEmail(c.jogo, c.humano, kEmailContusao, 20, 0, 0, c.jogador);
    EXPECT_EQ(c.Ultimo().valor, 20);
    EXPECT_TRUE(CorpoDoEmail(c.jogo, c.Ultimo()).ends_with(" Fora por 20 semanas."))
        << CorpoDoEmail(c.jogo, c.Ultimo());
    // Twelve weeks: a message all the same, with its subject and no text but
    // the weeks; one of a game saved before the weeks were kept says nothing.
    PostarEmail(c.jogo, c.humano, kEmailContusao, 12, 0, 0, c.jogador);
    EXPECT_EQ(CorpoDoEmail(c.jogo, c.Ultimo()), "Fora por 12 semanas.");
    EXPECT_EQ(AssuntoDoEmail(c.jogo, c.Ultimo()), "Rui contundido");
    c.jogo.emails.back().valor = 0;
    EXPECT_EQ(CorpoDoEmail(c.jogo, c.Ultimo()), "");
    for (int n : {0, 1, 21}) EXPECT_EQ(PostarEmail(c.jogo, c.humano, kEmailContusao, n), -1) << n;
}

TEST(Emails, OnlyHumanClubsGetMailAndNothingIsDrawnForTheOthers) {
    Caixa c;
    Caixa d;
    for (int tipo = 0; tipo <= 14; ++tipo)
        for (int sub = 0; sub <= 20; ++sub) {
            EXPECT_EQ(PostarEmail(c.jogo, c.outro, tipo, sub, 0, 0, c.rival), -1);
            EXPECT_EQ(PostarEmail(c.jogo, -1, tipo, sub), -1);
            EXPECT_EQ(PostarEmail(c.jogo, 99, tipo, sub), -1);
        }
    EXPECT_TRUE(c.jogo.emails.empty());
    EXPECT_TRUE(MesmoGerador(c.jogo, d.jogo));

    // Pairs the game does not know post nothing either, and draw nothing.
    for (auto [tipo, sub] : std::vector<std::pair<int, int>>{
             {0, 2}, {2, 0}, {2, 2}, {4, 1}, {5, 0}, {9, 2}, {10, 0}, {11, 1}, {13, 2}, {12, 1}})
        EXPECT_EQ(PostarEmail(c.jogo, c.humano, tipo, sub), -1) << tipo << "," << sub;
    // A sale of the dummy player is no sale.
    EXPECT_EQ(PostarEmail(c.jogo, c.humano, kEmailVenda, 0, 500000, c.outro, 0), -1);
    EXPECT_TRUE(c.jogo.emails.empty());
    EXPECT_TRUE(MesmoGerador(c.jogo, d.jogo));
}

TEST(Emails, FixedMessagesAndTheirSubjects) {
    Caixa c;
    struct Caso {
        int tipo, sub, texto, remetente, categoria;
    };
    for (const Caso& k : {Caso{0, 0, 73, 1, 1}, Caso{0, 1, 1, 1, 1}, Caso{2, 1, 67, 3, 10},
                          Caso{9, 1, 70, 1, 16}, Caso{13, 0, 71, 1, 17}, Caso{13, 1, 72, 1, 18}}) {
        ASSERT_GE(PostarEmail(c.jogo, c.humano, k.tipo, k.sub, 0, 0, c.jogador), 0);
        EXPECT_EQ(c.Ultimo().texto, k.texto);
        EXPECT_EQ(c.Ultimo().remetente, k.remetente);
        EXPECT_EQ(c.Ultimo().categoria, k.categoria);
        EXPECT_EQ(c.Ultimo().pergunta, 0);
    }
    PostarEmail(c.jogo, c.humano, kEmailBoasVindas, 0);
    EXPECT_EQ(AssuntoDoEmail(c.jogo, c.Ultimo()), "Bem-vindo ao Serrano");
    PostarEmail(c.jogo, c.humano, kEmailNoticia, 0, 0, c.outro, c.rival);
    EXPECT_GE(c.Ultimo().texto, 22);
    EXPECT_LE(c.Ultimo().texto, 24);
    EXPECT_EQ(RemetenteDoEmail(c.Ultimo()), "Imprensa");
    EXPECT_EQ(AssuntoDoEmail(c.jogo, c.Ultimo()), "Ze assina com Portuario");

    // A sale: the buyer and the price close the text.
    PostarEmail(c.jogo, c.humano, kEmailVenda, 0, 1250000, c.outro, c.jogador);
    EXPECT_EQ(c.Ultimo().valor, 1250000);
    EXPECT_EQ(AssuntoDoEmail(c.jogo, c.Ultimo()), "Vendido: Rui - Portuario");
    EXPECT_EQ(CorpoDoEmail(c.jogo, c.Ultimo()), "Vendido\n\nComprador: Portuario\nValor: $1\xA0"
                                                "250\xA0"
                                                "000");

    // Records read from a file may point anywhere: names are left out.
    TEmail torto = c.Ultimo();
    torto.jogador = 5000;
    torto.outroclube = -7;
    torto.categoria = 8;
    EXPECT_EQ(AssuntoDoEmail(c.jogo, torto), "assina com");
    torto.categoria = 99;
    torto.remetente = 0;
    EXPECT_EQ(AssuntoDoEmail(c.jogo, torto), "");
    EXPECT_EQ(RemetenteDoEmail(torto), "");
}

TEST(Emails, HeavyDefeatsAtHomeFromFourAwayFromFive) {
    Caixa c;
    struct Caso {
        int mandante, visitante, gm, gv;
        bool posta;
    };
    for (const Caso& k :
         {Caso{c.humano, c.outro, 0, 4, true}, Caso{c.humano, c.outro, 1, 4, false},
          Caso{c.outro, c.humano, 5, 0, true}, Caso{c.outro, c.humano, 6, 2, false},
          Caso{c.humano, c.outro, 6, 0, false}, Caso{c.outro, c.humano, 0, 4, false}}) {
        const std::size_t antes = c.jogo.emails.size();
        AvisarGoleada(c.jogo, k.mandante, k.visitante, k.gm, k.gv);
        ASSERT_EQ(c.jogo.emails.size(), antes + (k.posta ? 1 : 0))
            << k.gm << "x" << k.gv << (k.mandante == c.humano ? " at home" : " away");
    }
    std::set<int> textos, categorias;
    for (int k = 0; k < 60; ++k) {
        AvisarGoleada(c.jogo, c.humano, c.outro, 1, 7);
        textos.insert(c.Ultimo().texto);
        categorias.insert(c.Ultimo().categoria);
        EXPECT_EQ(c.Ultimo().remetente, 2);
    }
    EXPECT_EQ(textos, (std::set<int>{46, 47, 48}));
    EXPECT_EQ(categorias, (std::set<int>{5, 6, 7}));
}

TEST(Emails, TiredStarterComplainsWhenTheLineupIsCommitted) {
    escalacao_apoio::Tela t;
    Grade g = t.Grade();
    escalacao_apoio::QuatroQuatroDois(t, g);
    const int cansado = t.por[3][0];
    t.J(cansado).energia = 14;
    t.J(t.por[3][1]).energia = 15; // 15 is enough
    ConfirmarEscalacao(t.jogo, g);
    ASSERT_EQ(t.jogo.emails.size(), 1u);
    const TEmail& e = t.jogo.emails[0];
    EXPECT_EQ(e.clube, t.c);
    EXPECT_EQ(e.jogador, cansado);
    EXPECT_TRUE(e.texto == 62 || e.texto == 63);
    EXPECT_EQ(e.remetente, 3);
    EXPECT_EQ(e.categoria, 11);
}

TEST(Emails, TheBoxOfAClubNewestFirstWithItsUnreadCount) {
    Caixa c;
    EXPECT_EQ(TextoNoticias(c.jogo, c.humano), "Sem novas");
    const int a = PostarEmail(c.jogo, c.humano, kEmailBoasVindas, 0);
    c.jogo.estado.dataatual = 10;
    const int b = PostarEmail(c.jogo, c.humano, kEmailSuspensao, 10, 0, 0, c.jogador);
    // Another human's message in between: never in this club's box.
    const int segundo = construtores::Clube(c.jogo, 12, true);
    const int x = PostarEmail(c.jogo, segundo, kEmailBoasVindas, 0);
    const int d = PostarEmail(c.jogo, c.humano, kEmailContrato, 1, 0, 0, c.jogador);
    ASSERT_TRUE(a >= 0 && b >= 0 && x >= 0 && d >= 0);

    EXPECT_EQ(EmailsDoClube(c.jogo, c.humano), (std::vector<int>{d, b, a}));
    EXPECT_EQ(EmailsDoClube(c.jogo, segundo), std::vector<int>{x});
    EXPECT_EQ(DataDoEmail(c.jogo.emails[b]), kDia + 7);
    EXPECT_EQ(EmailsNaoLidos(c.jogo, c.humano), 3);
    EXPECT_EQ(TextoNoticias(c.jogo, c.humano), "3 novas");

    MarcarEmailLido(c.jogo, d);
    MarcarEmailLido(c.jogo, a);
    EXPECT_EQ(TextoNoticias(c.jogo, c.humano), "1 novas");
    EXPECT_EQ(EmailsNaoLidos(c.jogo, segundo), 1);
    // Answering the fine closes the question and reads the message.
    ResponderEmail(c.jogo, b, false);
    EXPECT_EQ(c.jogo.emails[b].pergunta, 0);
    EXPECT_EQ(PerguntaDoEmail(c.jogo.emails[b]), "");
    EXPECT_EQ(TextoNoticias(c.jogo, c.humano), "Sem novas");
    // Out of range: nothing happens.
    MarcarEmailLido(c.jogo, -1);
    ResponderEmail(c.jogo, 1000, true);

    // A coach who leaves takes his mail with him; the other box stays.
    InteracaoCarreira nada;
    DemitirHumano(c.jogo, nada, c.humano, true);
    EXPECT_TRUE(EmailsDoClube(c.jogo, c.humano).empty());
    EXPECT_EQ(EmailsDoClube(c.jogo, segundo).size(), 1u);
}

TEST(Emails, WorldCupYearIsAnnouncedOncePerSeason) {
    Caixa c;
    TEstadoJogo& e = c.jogo.estado;
    e.copadomundo = 1;
    e.temporada = 4;
    e.contadores.turnoliga = 1;
    e.contadores.rodadaliga = 4;
    EXPECT_FALSE(AnunciarCopaDoMundo(c.jogo, c.humano));
    e.contadores.rodadaliga = 5;
    EXPECT_TRUE(AnunciarCopaDoMundo(c.jogo, c.humano));
    EXPECT_EQ(c.Ultimo().texto, 70);
    EXPECT_EQ(AssuntoDoEmail(c.jogo, c.Ultimo()), "Ano de Copa");
    // Refreshed again, on a later date still on matchday 5: nothing new.
    e.dataatual = 20;
    EXPECT_FALSE(AnunciarCopaDoMundo(c.jogo, c.humano));
    EXPECT_EQ(c.jogo.emails.size(), 1u);
    // Through the main screen's refresh, which skips it while `semeventos`
    // (contract warnings off: this world's players have no contracts).
    c.jogo.estado.opcoes.opemails = 3;
    c.jogo.emails.clear();
    c.jogo.ciclo.semeventos = true;
    AtualizarTelaPrincipal(c.jogo);
    EXPECT_TRUE(c.jogo.emails.empty());
    c.jogo.ciclo.semeventos = false;
    AtualizarTelaPrincipal(c.jogo);
    AtualizarTelaPrincipal(c.jogo);
    EXPECT_EQ(c.jogo.emails.size(), 1u);

    // Four seasons on, the calendar has moved: announced again.
    e.temporada = 8;
    for (auto& d : c.jogo.calendario) d.data += 4 * 365;
    EXPECT_TRUE(AnunciarCopaDoMundo(c.jogo, c.humano));
    // Not a World Cup year, the second leg, or the World Cup switched off.
    e.temporada = 9;
    for (auto& d : c.jogo.calendario) d.data += 365;
    EXPECT_FALSE(AnunciarCopaDoMundo(c.jogo, c.humano));
    e.temporada = 12;
    e.contadores.turnoliga = 2;
    EXPECT_FALSE(AnunciarCopaDoMundo(c.jogo, c.humano));
    e.contadores.turnoliga = 1;
    e.copadomundo = 0;
    EXPECT_FALSE(AnunciarCopaDoMundo(c.jogo, c.humano));
    EXPECT_EQ(c.jogo.emails.size(), 2u);
}

TEST(Emails, MailboxSurvivesSaveAndLoad) {
    Caixa c;
    PostarEmail(c.jogo, c.humano, kEmailBoasVindas, 0);
    PostarEmail(c.jogo, c.humano, kEmailSuspensao, 3, 0, 0, c.jogador);
    PostarEmail(c.jogo, c.humano, kEmailVenda, 0, 800000, c.outro, c.jogador);
    MarcarEmailLido(c.jogo, 0);
    TFinancas zero;
    std::memset(&zero, 0, sizeof zero);
    c.jogo.financas.assign(c.jogo.times.size(), zero); // as every loaded game has them
    // As a game is wherever it is saved: squads counted, the human's coach
    // record at his club, the leagues in divisions of 10.
    const auto porTime = JogadoresPorTime(c.jogo);
    for (std::size_t t = 0; t < c.jogo.times.size(); ++t)
        ContarElenco(c.jogo, static_cast<int>(t), porTime[t]);
    TTecnico k = NovoTecnico();
    k.humano = 1;
    k.time = c.humano;
    c.jogo.tecnicos.push_back(k);
    c.jogo.times[c.humano].tecnico = static_cast<i32>(c.jogo.tecnicos.size()) - 1;
    c.jogo.estado.humanos[0] = c.jogo.times[c.humano].tecnico;
    c.jogo.estado.divisoesporliga = 4;
    const std::vector<unsigned char> primeiro = persistence::SerializarJogo(c.jogo);
    Jogo lido;
    ASSERT_EQ(persistence::DesserializarJogo(primeiro, lido), persistence::ResultadoCarga::Ok);
    EXPECT_EQ(persistence::SerializarJogo(lido), primeiro);
    ASSERT_EQ(lido.emails.size(), 3u);
    EXPECT_EQ(std::memcmp(lido.emails.data(), c.jogo.emails.data(), 3 * sizeof(TEmail)), 0);
    EXPECT_EQ(EmailsNaoLidos(lido, c.humano), 2);
    EXPECT_EQ(lido.emails[1].pergunta, 1);
}
