// The game-start load over small worlds the tests write themselves.
#include "apoio/apoio.hpp"
#include "competitions/novojogo.hpp"
#include "world/clubes.hpp"
#include "world/posicoes.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace world;

namespace {

// A country's clubs named P<pais>_<n>, levels from `nivelmax` downwards.
void Pais(const apoio::PastaTemporaria& pasta, int pais, int n, int nivelmax) {
    for (int i = 0; i < n; ++i) {
        const std::string nome = "P" + std::to_string(pais) + "_" + std::to_string(i);
        apoio::GravarTime(pasta, apoio::MontarTime(pais, std::max(0, nivelmax - i), nome));
    }
}

Jogo Carregar(const std::vector<int>& ligas, bool de20 = false, std::uint64_t semente = 5,
              bool humano = false) {
    Jogo jogo;
    jogo.gerador.Semear(semente);
    competitions::OpcoesNovoJogo o;
    o.ligas = ligas;
    o.paisprincipal = ligas.front();
    o.divisoesde20 = de20;
    EXPECT_EQ(competitions::IniciarJogoDeClubes(jogo, contatimes(), o),
              competitions::InicioNovoJogo::Ok);
    if (humano) {
        competitions::EscolherTime(jogo, 0, 3, "Fulano de Tal");
        competitions::OrdenarHumanos(jogo);
    }
    iniciatimes(jogo);
    return jogo;
}

int ExtrasDe(const Jogo& jogo, int pais) {
    for (int r = 0; r < kPaisesExtras; ++r)
        if (kPaisesExtrasLista[r] == pais) return jogo.estado.extrasporpais[r][0];
    return -1;
}

} // namespace

TEST(Iniciatimes, ExtraClubsFillEachCountrysQuotaFromTheStrongest) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 22, 20); // the league being played
    Pais(pasta, 29, 16, 25); // first of the list: quota 14
    Pais(pasta, 11, 15, 23); // second: quota 12
    Pais(pasta, 104, 5, 19); // twelfth: quota 10, only five exist
    const Jogo jogo = Carregar({97});
    EXPECT_EQ(jogo.estado.numtimesligas, 22);
    EXPECT_EQ(ExtrasDe(jogo, 29), 14);
    EXPECT_EQ(ExtrasDe(jogo, 11), 12);
    EXPECT_EQ(ExtrasDe(jogo, 104), 5);
    EXPECT_EQ(ExtrasDe(jogo, 97), 0); // its league is played
    EXPECT_EQ(jogo.estado.numtimesextras, 31);
    EXPECT_EQ(jogo.times.size(), 53u);
    // The two weakest Brazilian clubs stay home; the row lists the clubs taken.
    const auto& linha = jogo.estado.extrasporpais[0];
    std::set<int> niveis;
    for (int k = 1; k <= linha[0]; ++k) {
        const TTime& t = jogo.times[linha[k]];
        EXPECT_EQ(t.pais, 29);
        niveis.insert(t.nivel);
    }
    EXPECT_EQ(*niveis.begin(), 12);
    // Extra clubs take their division from their level.
    EXPECT_EQ(jogo.times[linha[1]].divisao, 1);
    for (int k = 1; k <= linha[0]; ++k) {
        const TTime& t = jogo.times[linha[k]];
        const int esperada = t.nivel >= 20 ? 1 : t.nivel >= 18 ? 2 : 3;
        EXPECT_EQ(t.divisao, esperada) << t.nivel;
    }
}

TEST(Iniciatimes, AnExtraCountryWhoseLeagueIsPlayedPassesNoQuotaOn) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 29, 22, 20);
    Pais(pasta, 11, 30, 20);
    const Jogo jogo = Carregar({29});
    EXPECT_EQ(ExtrasDe(jogo, 29), 0);
    EXPECT_EQ(ExtrasDe(jogo, 11), 12);
    EXPECT_EQ(jogo.estado.numtimesextras, 12);
}

TEST(Iniciatimes, StrengthFollowsDivisionLevelStartersAndStars) {
    apoio::PastaTemporaria pasta;
    // Levels 24 down to 2: every strength is positive.
    for (int i = 0; i < 45; ++i)
        apoio::GravarTime(pasta, apoio::MontarTime(97, 24 - i / 2, "F" + std::to_string(i)));
    ArquivoTime estrela = apoio::MontarTime(11, 25, "Astros");
    estrela.jogadores.estrelas[0] = 1;
    apoio::GravarTime(pasta, estrela);
    for (std::uint64_t semente : {1u, 2u, 3u}) {
        const Jogo jogo = Carregar({97}, false, semente);
        const auto porTime = JogadoresPorTime(jogo);
        for (std::size_t c = 0; c < jogo.times.size(); ++c) {
            const TTime& t = jogo.times[c];
            int base;
            if (static_cast<int>(c) < jogo.estado.numtimesligas) {
                static constexpr int kDiv[5] = {0, 20, 15, 10, 0};
                base = kDiv[t.divisao] + t.nivel;
            } else {
                base = 65; // level 25
            }
            ASSERT_FALSE(porTime[c].empty());
            for (int i : porTime[c]) {
                const TJogador& j = jogo.jogadores[i];
                const int extra = (j.titular ? 7 : 0) + (j.estrela ? 7 : 0);
                ASSERT_GE(j.forca, base + extra) << t.nome.view();
                ASSERT_LE(j.forca, base + extra + 5) << t.nome.view();
                EXPECT_GT(j.passe, 0);
                EXPECT_GT(j.salario, 0);
            }
        }
    }
}

TEST(Iniciatimes, TwentyClubDivisionsGiveClubsOutsideTheDivisionsAPoint) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 30, 20);
    const Jogo jogo = Carregar({97}, true);
    const auto porTime = JogadoresPorTime(jogo);
    for (int c = 0; c < jogo.estado.numtimesligas; ++c) {
        const TTime& t = jogo.times[c];
        const int base = (t.divisao == 1 ? 20 : t.divisao == 0 ? 1 : 0) + t.nivel;
        for (int i : porTime[c]) {
            const TJogador& j = jogo.jogadores[i];
            const int f = j.forca - (j.titular ? 7 : 0);
            EXPECT_GE(f, base);
            EXPECT_LE(f, base + 5);
        }
    }
    EXPECT_EQ(jogo.times[jogo.ligas[0].divisoes[0][19]].divisao, 1);
}

TEST(Iniciatimes, ClubsTakeTheirHeaderAndTheStartOfTheirDivision) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 22, 20);
    Jogo jogo = Carregar({97});
    const TLiga& l = jogo.ligas[0];
    EXPECT_EQ(l.numdivisoes, 2);
    EXPECT_EQ(l.numtimes, 22);
    const TTime& primeiro = jogo.times[l.divisoes[0][0]];
    EXPECT_EQ(primeiro.nome.view(), "P97_0");
    EXPECT_EQ(primeiro.escudo.view(), "P97_0");
    EXPECT_EQ(primeiro.estadio.view(), "Estadio P97_0");
    EXPECT_EQ(primeiro.corfundo, 0x0000FF);
    EXPECT_EQ(primeiro.dinheiro, 12'000'000);
    EXPECT_EQ(primeiro.capacidade[1], 60000);
    EXPECT_EQ(primeiro.precos[3], 80);
    EXPECT_EQ(primeiro.confdiretoria, 100);
    int foraDasDivisoes = 0;
    for (int c = 0; c < 22; ++c)
        if (jogo.times[c].divisao == 0) {
            ++foraDasDivisoes;
            EXPECT_EQ(jogo.times[c].dinheiro, 700'000);
            EXPECT_EQ(jogo.times[c].capacidade[0], 1000);
        }
    EXPECT_EQ(foraDasDivisoes, 2);
    EXPECT_EQ(jogo.precospadrao[0], (std::array<i32, 4>{1, 5, 15, 30}));
    EXPECT_EQ(jogo.precospadrao[2], (std::array<i32, 4>{7, 13, 20, 70}));
    // Squad counts and the finance statement's salary bill.
    const auto porTime = JogadoresPorTime(jogo);
    const TTime& t = jogo.times[5];
    EXPECT_EQ(t.elenco, 18);
    EXPECT_EQ(t.porposicao[0], 2);
    EXPECT_EQ(t.porposicao[1] + t.porposicao[2] + t.porposicao[3] + t.porposicao[4], 16);
    EXPECT_EQ(t.disponiveis, 16);
    i32 soma = 0;
    for (int i : porTime[5]) soma += jogo.jogadores[i].salario;
    EXPECT_EQ(jogo.financas[5].salariosemanal, soma);
}

TEST(Iniciatimes, CoachesOnePerClubAndHumansTakeTheirClub) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 22, 20);
    const Jogo jogo = Carregar({97}, false, 5, true);
    ASSERT_EQ(jogo.tecnicos.size(), jogo.times.size() + 6);
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        EXPECT_EQ(jogo.times[c].tecnico, static_cast<int>(c));
        EXPECT_EQ(jogo.tecnicos[c].time, static_cast<int>(c));
        EXPECT_EQ(jogo.tecnicos[c].clubes[0][0], static_cast<int>(c));
        EXPECT_EQ(jogo.tecnicos[c].nivel, jogo.times[c].divisao);
    }
    const TTecnico& humano = jogo.tecnicos[3];
    EXPECT_EQ(humano.nome.view(), "Fulano de Tal");
    EXPECT_TRUE(humano.humano);
    EXPECT_EQ(jogo.estado.humanos[0], 3);
    EXPECT_EQ(jogo.estado.humanos[1], -1);
    const TTecnico& sobra = jogo.tecnicos[jogo.times.size()];
    EXPECT_EQ(sobra.nome.view(), "Tecnico " + std::string(jogo.times[3].nome.view()));
    EXPECT_EQ(sobra.time, -1);
    EXPECT_EQ(sobra.clubes[0][0], -1);
    EXPECT_FALSE(sobra.empregado);
    EXPECT_TRUE(jogo.tecnicos[jogo.times.size() + 1].nome.empty());
    // A human club never lists players for sale at the start.
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == 3) {

            EXPECT_FALSE(jogo.jogadores[i].avenda);
        }
}

TEST(Iniciatimes, CaptainAndFreeKickTaker) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 21, 15);
    ArquivoTime t = apoio::MontarTime(97, 15, "Cobradores");
    // No 9 among them; slot 2 (a starting full-back) has 11 and slot 8 (the
    // second midfielder) 4: 4 comes first whatever the order of the squad.
    for (int k : {5, 9, 13, 17}) t.jogadores.caract1[k] = 8;
    for (int k : {4, 12, 16}) t.jogadores.caract1[k] = 7;
    t.jogadores.caract1[2] = 11;
    apoio::GravarTime(pasta, t);
    ArquivoTime reservas = apoio::MontarTime(97, 15, "Reservas");
    for (auto& x : reservas.jogadores.titulares) x = 0;
    apoio::GravarTime(pasta, reservas);
    const Jogo jogo = Carregar({97});
    const auto porTime = JogadoresPorTime(jogo);
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        const auto& lista = porTime[c];
        if (jogo.times[c].nome == "Cobradores") {
            EXPECT_EQ(jogo.times[c].capitao, lista[0]);
            EXPECT_EQ(jogo.times[c].cobrador, lista[8]);
        } else if (jogo.times[c].nome == "Reservas") {
            // No regular starter at all: the same rules over the whole squad.
            EXPECT_EQ(jogo.times[c].capitao, lista[0]);
            EXPECT_EQ(jogo.times[c].cobrador, lista[5]); // the first forward, a 9
        } else {
            // MontarTime gives forwards characteristic 9 first: the first starting forward.
            EXPECT_EQ(jogo.jogadores[jogo.times[c].cobrador].caract1, 9);
            EXPECT_EQ(jogo.jogadores[jogo.times[c].cobrador].titular, 1);
        }
    }
}

TEST(Iniciatimes, BigComputerSquadsListTheirSpareMenForSale) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 21, 15);
    // 3 goalkeepers (the first a star) and 20 outfield: 5 of each position.
    ArquivoTime t = apoio::MontarTime(97, 15, "Cheio", 3, 20);
    t.jogadores.estrelas[0] = 1;
    apoio::GravarTime(pasta, t);
    const Jogo jogo = Carregar({97});
    const auto porTime = JogadoresPorTime(jogo);
    int cheio = -1;
    for (std::size_t c = 0; c < jogo.times.size(); ++c)
        if (jogo.times[c].nome == "Cheio") cheio = static_cast<int>(c);
    ASSERT_GE(cheio, 0);
    std::vector<int> listados;
    for (int k = 0; k < static_cast<int>(porTime[cheio].size()); ++k) {
        const TJogador& j = jogo.jogadores[porTime[cheio][k]];
        if (j.avenda) {
            listados.push_back(k);
            EXPECT_EQ(j.passepedido, j.passe);
        }
    }
    // Goalkeeper 1 (0 is the star); then the first full-back (slot 3),
    // centre-back (slot 4) and forward (slot 6); five midfielders are not more than 5.
    EXPECT_EQ(listados, (std::vector<int>{1, 3, 4, 6}));
    // An 18-man squad with four of each outfield position lists a full-back,
    // a centre-back and a forward, and keeps its two goalkeepers.
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        if (static_cast<int>(c) == cheio) continue;
        std::vector<int> posicoes;
        for (int i : porTime[c])
            if (jogo.jogadores[i].avenda) posicoes.push_back(jogo.jogadores[i].posicao);
        EXPECT_EQ(posicoes, (std::vector<int>{1, 2, 4}));
    }
}

TEST(Iniciatimes, PlayersAreRepairedAndGetTheirHistories) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 21, 15);
    ArquivoTime t = apoio::MontarTime(97, 15, "Reparos");
    t.jogadores.caract1[0] = 200; // goalkeeper: becomes 0
    t.jogadores.caract2[0] = 14;
    t.jogadores.caract1[2] = 0;  // outfield 0: a random 4..11
    t.jogadores.caract2[2] = 99; // above 13: 0, then random
    t.jogadores.nomes[3].set("Um Nome Bem Comprido Demais Para Caber");
    t.jogadores.posicoes[4] = 9; // no such position: a midfielder
    t.jogadores.posicoes[5] = 255;
    apoio::GravarTime(pasta, t);
    const Jogo jogo = Carregar({97});
    EXPECT_EQ(jogo.jogadores[0].time, -1);
    int r = -1;
    for (std::size_t c = 0; c < jogo.times.size(); ++c)
        if (jogo.times[c].nome == "Reparos") r = static_cast<int>(c);
    const auto lista = JogadoresPorTime(jogo)[r];
    const TJogador& g = jogo.jogadores[lista[0]];
    EXPECT_EQ(g.caract1, 0);
    EXPECT_EQ(g.caract2, 0);
    const TJogador& l = jogo.jogadores[lista[2]];
    EXPECT_GE(l.caract1, 4);
    EXPECT_LE(l.caract1, 11);
    EXPECT_GE(l.caract2, 4);
    EXPECT_LE(l.caract2, 11);
    EXPECT_EQ(l.funcao, FuncaoInicial(l.posicao, l.caract1, l.caract2));
    EXPECT_EQ(jogo.jogadores[lista[3]].nome.view(), "Um Nome Bem Comprido");
    for (int k : {4, 5}) {
        const TJogador& m = jogo.jogadores[lista[k]];
        EXPECT_EQ(m.posicao, kMeia);
        EXPECT_EQ(m.posicaoatual, kMeia);
        EXPECT_EQ(m.funcao, FuncaoInicial(kMeia, m.caract1, m.caract2));
    }
    EXPECT_EQ(g.energia, 100);
    EXPECT_EQ(g.moral, 3);
    EXPECT_EQ(g.posicaoatual, g.posicao);
    ASSERT_EQ(jogo.historicos.size(), jogo.jogadores.size());
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const TJogador& j = jogo.jogadores[i];
        ASSERT_GT(j.historico, 0);
        EXPECT_EQ(jogo.historicos[j.historico].clubes[0][0], j.time);
        EXPECT_EQ(jogo.historicos[j.historico].clubes[0][1], -1);
    }
}

TEST(Iniciatimes, AClubWhoseFileVanishedKeepsItsNameAndHasNoPlayers) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 22, 15);
    Jogo jogo;
    jogo.gerador.Semear(3);
    competitions::OpcoesNovoJogo o;
    o.ligas = {97};
    o.paisprincipal = 97;
    const auto indice = contatimes();
    competitions::IniciarJogoDeClubes(jogo, indice, o);
    std::filesystem::remove(pasta / ("teams/" + jogo.arquivostimes[4]));
    // Another one cut to its header's first bytes.
    auto bytes = pasta.Ler("teams/" + jogo.arquivostimes[6]);
    bytes.resize(10);
    pasta.Escrever("teams/" + jogo.arquivostimes[6], bytes);
    const std::string nome4(jogo.times[4].nome.view()), nome6(jogo.times[6].nome.view());
    iniciatimes(jogo);
    const auto porTime = JogadoresPorTime(jogo);
    EXPECT_EQ(jogo.times[4].nome.view(), nome4);
    EXPECT_TRUE(porTime[4].empty());
    EXPECT_EQ(jogo.times[4].capitao, -1);
    EXPECT_EQ(jogo.times[4].elenco, 0);
    EXPECT_EQ(jogo.times[6].nome.view(), nome6);
    EXPECT_TRUE(porTime[6].empty());
    EXPECT_EQ(porTime[5].size(), 18u);
}

TEST(Iniciatimes, BadlyMadeFilesInTheFolderAreSkippedSilently) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 22, 15);
    std::filesystem::create_directories(pasta / "teams/pasta.b07");
    pasta.Escrever("teams/vazio.b07", "");
    pasta.Escrever("teams/lixo.b07", std::string(700, '\x61'));
    const Jogo jogo = Carregar({97});
    EXPECT_EQ(jogo.estado.numtimesligas, 22);
}

TEST(Iniciatimes, BadgePathsPreferGifAndNationalTeamsUseTheirFolder) {
    apoio::PastaTemporaria pasta;
    Jogo jogo;
    jogo.times.push_back(NovoTime());
    jogo.times.push_back(NovoTime());
    jogo.times[0].escudo.set("leao");
    jogo.times[1].escudo.set("leao");
    jogo.estado.numtimesligas = 1;
    EXPECT_EQ(escudotime(jogo, 0), "");
    pasta.Escrever("teams/logos/leao.bmp", "b");
    EXPECT_EQ(escudotime(jogo, 0), "teams\\logos\\leao.bmp");
    pasta.Escrever("teams/logos/LEAO.GIF", "g");
    EXPECT_EQ(escudotime(jogo, 0), "teams\\logos\\leao.gif");
    EXPECT_EQ(escudotime(jogo, 1), ""); // index 1 is a national team
    pasta.Escrever("teams/selecoes/leao.gif", "g");
    EXPECT_EQ(escudotime(jogo, 1), "teams\\selecoes\\leao.gif");
    EXPECT_EQ(miniescudotime(jogo, 0), "");
    pasta.Escrever("teams/minilogos/mini_leao.bmp", "m");
    EXPECT_EQ(miniescudotime(jogo, 0), "teams\\minilogos\\mini_leao.bmp");
    EXPECT_EQ(escudotime(jogo, 7), "");
}

TEST(Iniciatimes, TheFlatSquadListsAgreeWithTheClubsLists) {
    apoio::PastaTemporaria pasta;
    Pais(pasta, 97, 21, 15);
    Jogo jogo = Carregar({97});
    // Players without a club, or of a club index out of range, are in none.
    // Clubs written by hand are told to the game's squad index.
    jogo.jogadores[3].time = -1;
    jogo.jogadores[5].time = static_cast<int>(jogo.times.size()) + 4;
    jogo.indiceelencos.Invalidar();
    ElencosPlanos planos;
    for (int vez = 0; vez < 2; ++vez) { // rebuilt in place, the same
        planos.Montar(jogo);
        for (int c = 0; c < static_cast<int>(jogo.times.size()); ++c) {
            std::vector<int> doclube;
            for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
                if (jogo.jogadores[i].time == c) doclube.push_back(static_cast<int>(i));
            const auto de = planos.De(c);
            EXPECT_EQ(std::vector<int>(de.begin(), de.end()), doclube) << c;
            EXPECT_EQ(JogadoresPorTime(jogo)[c], doclube) << c;
        }
        EXPECT_TRUE(planos.De(-1).empty());
        EXPECT_TRUE(planos.De(static_cast<int>(jogo.times.size())).empty());
        EXPECT_TRUE(jogo.indiceelencos.Coerente(jogo));
        jogo.indiceelencos.Mover(jogo, 7, jogo.jogadores[7].time, 0);
        jogo.jogadores[7].time = 0; // a move between the builds
    }
}
