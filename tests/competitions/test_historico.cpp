// The lists of the history screens: scorers, club and coach rankings,
// champions by season and a club's record, on small worlds built here.
#include "competitions/historico.hpp"
#include "history/artilharia.hpp"
#include "history/campeoes.hpp"
#include "history/rankings.hpp"
#include "plataforma/datas.hpp"
#include "world/paises.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace world;
using namespace history;
using namespace competitions;

namespace {

constexpr int kBrasil = 29; // the home country, continent 1
constexpr int kEuropa = 97; // a country of continent 0
constexpr int kAsia = 1;    // continent 2

struct Mundo {
    Jogo jogo;
    Mundo() {
        jogo.estado.temporada = 1;
        jogo.jogadores.push_back(NovoJogador()); // the dummy
        jogo.historicos.push_back(NovoHistorico());
    }
    // A club of the leagues, coached by a coach of its own.
    int Clube(int pais, int divisao, int estado = 0) {
        TTime t = NovoTime();
        t.nome = "Clube " + std::to_string(jogo.times.size());
        t.pais = pais;
        t.divisao = divisao;
        t.estado = estado;
        const int c = static_cast<int>(jogo.times.size());
        t.tecnico = static_cast<int>(jogo.tecnicos.size());
        jogo.times.push_back(t);
        ++jogo.estado.numtimesligas;
        TTecnico k = NovoTecnico();
        k.nome = "Tecnico " + std::to_string(c);
        k.time = c;
        k.pais = pais;
        jogo.tecnicos.push_back(k);
        return c;
    }
    int Liga(int pais, int divisoes) {
        jogo.ligas.push_back(NovaLiga(pais));
        jogo.ligas.back().numdivisoes = divisoes;
        return static_cast<int>(jogo.ligas.size()) - 1;
    }
    // A player of `time` with goals and matches in competition `codigo`.
    int Jogador(int time, int codigo, int gols, int jogos) {
        TJogador j = NovoJogador();
        j.time = time;
        j.gols[codigo] = gols;
        j.jogos[codigo] = jogos;
        jogo.jogadores.push_back(j);
        return static_cast<int>(jogo.jogadores.size()) - 1;
    }
    void Historia(int jogador, int gols, int jogos) {
        THistoricoJogador h = NovoHistorico();
        h.linhas[0][0] = gols;
        h.linhas[1][0] = jogos;
        jogo.historicos.push_back(h);
        jogo.jogadores[jogador].historico = static_cast<int>(jogo.historicos.size()) - 1;
    }
};

std::vector<int> Jogadores(const std::vector<LinhaArtilheiro>& linhas) {
    std::vector<int> r;
    for (const LinhaArtilheiro& l : linhas) r.push_back(l.jogador);
    return r;
}

VisaoArtilharia Visao(const Jogo& jogo, int pais, TipoArtilharia tipo, int divisao = 0,
                      int chave = -1) {
    for (const VisaoArtilharia& v : VisoesArtilharia(jogo, pais))
        if (v.tipo == tipo && (divisao == 0 || v.divisao == divisao) &&
            (chave == -1 || v.chave == chave))
            return v;
    ADD_FAILURE() << "no such view";
    return {};
}

TEST(Artilharia, EachListCountsThePlayersOfItsClubsWithGoalsMostGoalsThenFewerMatches) {
    Mundo m;
    m.Liga(kBrasil, 2);
    m.Liga(kEuropa, 1);
    m.jogo.estado.copanacional = 1;
    m.jogo.estado.continental1 = 1;
    const int a = m.Clube(kBrasil, 1), b = m.Clube(kBrasil, 2), e = m.Clube(kEuropa, 1);
    const int muitos = m.Jogador(a, 1, 5, 10);
    const int poucos = m.Jogador(a, 1, 5, 8);
    const int livre = m.Jogador(-1, 1, 9, 3); // goals, but no club
    m.Jogador(a, 1, 0, 12);                   // no goals
    const int segunda = m.Jogador(b, 1, 7, 9);
    const int europeu = m.Jogador(e, 1, 6, 9);
    // A national team of a tournament is no club of the lists.
    m.jogo.estado.numtimesligas = 3;
    const int selecao = static_cast<int>(m.jogo.times.size());
    m.jogo.times.push_back(NovoTime());
    m.jogo.times[selecao].pais = kBrasil;
    m.jogo.times[selecao].divisao = 1;
    m.Jogador(selecao, 1, 20, 1);

    EXPECT_EQ(
        Jogadores(Artilheiros(m.jogo, Visao(m.jogo, kBrasil, TipoArtilharia::Divisao, 1), kBrasil)),
        (std::vector<int>{poucos, muitos}));
    EXPECT_EQ(
        Jogadores(Artilheiros(m.jogo, Visao(m.jogo, kBrasil, TipoArtilharia::Divisao, 2), kBrasil)),
        (std::vector<int>{segunda}));
    EXPECT_EQ(
        Jogadores(Artilheiros(m.jogo, Visao(m.jogo, kEuropa, TipoArtilharia::Divisao, 1), kEuropa)),
        (std::vector<int>{europeu}));

    // The national cup: the country's clubs, every division.
    m.jogo.jogadores[segunda].gols[2] = 2;
    m.jogo.jogadores[europeu].gols[2] = 4;
    m.jogo.jogadores[livre].gols[2] = 4;
    EXPECT_EQ(Jogadores(Artilheiros(m.jogo, Visao(m.jogo, kBrasil, TipoArtilharia::Copa), kBrasil)),
              (std::vector<int>{segunda}));

    // The continental cup's editions: clubs of continent 1, of continent 0.
    m.jogo.jogadores[muitos].gols[4] = 1;
    m.jogo.jogadores[europeu].gols[4] = 3;
    const auto sul = Visao(m.jogo, kBrasil, TipoArtilharia::Continental, 0, 1);
    const auto europa = Visao(m.jogo, kBrasil, TipoArtilharia::Continental, 0, 0);
    EXPECT_EQ(Jogadores(Artilheiros(m.jogo, sul, kBrasil)), (std::vector<int>{muitos}));
    EXPECT_EQ(Jogadores(Artilheiros(m.jogo, europa, kBrasil)), (std::vector<int>{europeu}));

    // Careers: the history's totals, players with a club and a history only,
    // of the clubs of the country picked.
    m.Historia(muitos, 40, 100);
    m.Historia(europeu, 40, 90);
    m.Historia(livre, 90, 100);
    const auto carreira =
        Artilheiros(m.jogo, Visao(m.jogo, kBrasil, TipoArtilharia::Carreira), kBrasil);
    ASSERT_EQ(Jogadores(carreira), (std::vector<int>{muitos}));
    EXPECT_EQ(carreira[0].gols, 40);
    EXPECT_EQ(carreira[0].jogos, 100);
    const auto fora =
        Artilheiros(m.jogo, Visao(m.jogo, kEuropa, TipoArtilharia::Carreira), kEuropa);
    ASSERT_EQ(Jogadores(fora), (std::vector<int>{europeu}));
    EXPECT_EQ(fora[0].jogos, 90);
    EXPECT_EQ(fora[0].time, e);
}

TEST(Artilharia, ThePickerListsTheCompetitionsOfTheGameAndStartsOnTheClubsLeague) {
    Mundo m;
    m.Liga(kBrasil, 3);
    const int c = m.Clube(kBrasil, 1, 4);
    auto tipos = [&](int pais) {
        std::vector<std::pair<TipoArtilharia, int>> r;
        for (const VisaoArtilharia& v : VisoesArtilharia(m.jogo, pais))
            r.push_back({v.tipo, v.tipo == TipoArtilharia::Divisao ? v.divisao : v.chave});
        return r;
    };
    using T = TipoArtilharia;
    EXPECT_EQ(tipos(kBrasil),
              (std::vector<std::pair<T, int>>{
                  {T::Divisao, 1}, {T::Divisao, 2}, {T::Divisao, 3}, {T::Carreira, -1}}));

    m.jogo.estado.copanacional = 1;
    m.jogo.estado.continental1 = m.jogo.estado.continental2 = 1;
    m.jogo.estado.estaduais = 1;
    m.jogo.estaduais[4].ativo = 1;
    m.jogo.estaduais[9].ativo = 1;
    const auto todas = tipos(kBrasil);
    ASSERT_EQ(todas.size(), 3u + 1 + 4 + 2 + 1);
    EXPECT_EQ(todas[3], std::make_pair(T::Copa, -1));
    EXPECT_EQ(todas[8], std::make_pair(T::Estadual, 4));
    EXPECT_EQ(todas[9], std::make_pair(T::Estadual, 9));
    EXPECT_EQ(todas.back().first, T::Carreira);
    // The state championships are the home country's.
    m.Liga(kEuropa, 1);
    for (const auto& [tipo, chave] : tipos(kEuropa)) EXPECT_NE(tipo, T::Estadual);

    EXPECT_EQ(LigaInicial(m.jogo, c), 0);
    const int europeu = m.Clube(kEuropa, 1);
    EXPECT_EQ(LigaInicial(m.jogo, europeu), 1);
    EXPECT_EQ(LigaInicial(m.jogo, -1), 0); // the home country's league
    m.jogo.ligas.erase(m.jogo.ligas.begin());
    EXPECT_EQ(LigaInicial(m.jogo, -1), 0); // else the first
}

TEST(RankingDeClubes, TitlesThenPointsSortTheClubsAndTheColumnsFollowTheCountryAndTheCups) {
    Mundo m;
    m.Liga(kBrasil, 1);
    m.Liga(kEuropa, 1);
    const int a = m.Clube(kBrasil, 1), b = m.Clube(kBrasil, 1), c = m.Clube(kBrasil, 0);
    const int e = m.Clube(kEuropa, 1);
    // a: 1 league + 1 cup; b: 2 cups; c: 2 leagues; e: 5 leagues.
    m.jogo.times[a].titulos[kRkLiga] = 1;
    m.jogo.times[a].titulos[kRkCopa] = 1;
    m.jogo.times[b].titulos[kRkCopa] = 2;
    m.jogo.times[c].titulos[kRkLiga] = 2;
    m.jogo.times[e].titulos[kRkLiga] = 5;
    auto ordem = [&](VisaoRankingClubes v, int pais) {
        std::vector<int> r;
        for (const LinhaRankingClube& l : RankingDeClubes(m.jogo, v, pais)) r.push_back(l.time);
        return r;
    };
    // Equal totals: the league titles first.
    EXPECT_EQ(ordem(VisaoRankingClubes::Colocacao, kBrasil), (std::vector<int>{c, a, b}));
    EXPECT_EQ(RankingDeClubes(m.jogo, VisaoRankingClubes::Colocacao, kBrasil)[0].total, 2);

    // Points (points / goals for / goals against): the state championship
    // counts only where its column shows.
    auto pontos = [&](int clube, int coluna, int pg, int gp, int gc) {
        i32* p = m.jogo.times[clube].pontoshistoricos[coluna];
        p[0] = pg;
        p[1] = gp;
        p[2] = gc;
    };
    pontos(a, kRkLiga, 50, 40, 30);
    pontos(b, kRkLiga, 40, 30, 30);
    pontos(b, kRkEstadual, 20, 20, 10);
    pontos(c, kRkLiga, 50, 45, 30); // a's points, a better goal difference
    pontos(e, kRkLiga, 55, 10, 10);
    EXPECT_EQ(ordem(VisaoRankingClubes::PontosCorridos, kBrasil), (std::vector<int>{c, a, b}));
    m.jogo.estado.estaduais = 1;
    EXPECT_EQ(ordem(VisaoRankingClubes::PontosCorridos, kBrasil), (std::vector<int>{b, c, a}));
    EXPECT_EQ(RankingDeClubes(m.jogo, VisaoRankingClubes::PontosCorridos, kBrasil)[0].total, 60);
    // Every league's clubs, the state column hidden.
    EXPECT_EQ(ordem(VisaoRankingClubes::Internacional, -1), (std::vector<int>{e, c, a, b}));

    // Columns: the state one for the home country with its championships on,
    // the continental ones for Europe and South America with the cups on.
    auto colunas = [&](VisaoRankingClubes v, int pais) {
        const ColunasVisiveis x = ColunasDoRanking(m.jogo, v, pais);
        return std::vector<bool>(x.mostrar.begin(), x.mostrar.end());
    };
    using V = std::vector<bool>;
    EXPECT_EQ(colunas(VisaoRankingClubes::Colocacao, kBrasil), (V{1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(colunas(VisaoRankingClubes::Colocacao, kEuropa), (V{1, 1, 0, 0, 0, 0}));
    m.jogo.estado.continental1 = 1;
    EXPECT_EQ(colunas(VisaoRankingClubes::PontosCorridos, kEuropa), (V{1, 1, 0, 1, 1, 0}));
    m.jogo.estado.continental2 = 1;
    EXPECT_EQ(colunas(VisaoRankingClubes::Colocacao, kBrasil), (V{1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(colunas(VisaoRankingClubes::Colocacao, kAsia), (V{1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(colunas(VisaoRankingClubes::Internacional, -1), (V{1, 1, 0, 1, 1, 1}));
    EXPECT_EQ(ColunasDoRanking(m.jogo, VisaoRankingClubes::Colocacao, kBrasil).continente, 1);
    EXPECT_EQ(ColunasDoRanking(m.jogo, VisaoRankingClubes::Colocacao, kEuropa).continente, 0);
}

TEST(RankingDeTecnicos, CoachesOfACountryByPointsThenTitlesThenClub) {
    Mundo m;
    const int a = m.Clube(kBrasil, 1), b = m.Clube(kBrasil, 1), e = m.Clube(kEuropa, 1);
    // An unemployed coach of Europe; a record without a name.
    TTecnico livre = NovoTecnico();
    livre.nome = "Sem clube";
    livre.pais = kEuropa;
    livre.pontos = 30;
    livre.pontosmundial = 10;
    m.jogo.tecnicos.push_back(livre);
    const int klivre = static_cast<int>(m.jogo.tecnicos.size()) - 1;
    m.jogo.tecnicos.push_back(NovoTecnico());
    TTecnico& ka = m.jogo.tecnicos[a];
    TTecnico& kb = m.jogo.tecnicos[b];
    TTecnico& ke = m.jogo.tecnicos[e];
    ke.pais = kBrasil; // a coach of Brazil working in Europe counts for Europe

    ka.pontos = kb.pontos = 30;
    ka.titulos[1] = 3; // leagues
    kb.titulos[4] = 1; // a first continental cup beats any number of leagues
    kb.titulos[3] = 2; // state titles
    ke.titulos[3] = 5; // state titles outside the home country count for nothing
    ke.pontos = 30;
    ke.pontosmundial = 500;
    ka.pontosmundial = kb.pontosmundial = 10;

    auto ordem = [&](int pais) {
        std::vector<int> r;
        for (const LinhaRankingTecnico& l : RankingDeTecnicos(m.jogo, pais)) r.push_back(l.tecnico);
        return r;
    };
    EXPECT_EQ(ordem(kBrasil), (std::vector<int>{b, a}));
    EXPECT_EQ(ordem(kEuropa), (std::vector<int>{klivre, e})); // equal: the club index, none first
    EXPECT_EQ(ordem(-1), (std::vector<int>{e, b, a, klivre}));
    const auto mundo = RankingDeTecnicos(m.jogo, -1);
    EXPECT_EQ(mundo[0].pontos, 500);
    EXPECT_EQ(mundo[0].pais, kEuropa);
    EXPECT_EQ(mundo[0].titulos[kTcEstadual], 0);
    EXPECT_EQ(mundo[1].titulos[kTcEstadual], 2);
    EXPECT_EQ(mundo[1].titulos[kTcContinental1], 1);
    EXPECT_EQ(mundo[3].time, -1);
}

TEST(Campeoes, OneRowPerSeasonNewestFirstWithRunnerUpCoachAndTopScorer) {
    Mundo m;
    const int a = m.Clube(kBrasil, 1), b = m.Clube(kBrasil, 1), c = m.Clube(kBrasil, 2);
    const int d = m.Clube(kBrasil, 2);
    const int artilheiro = m.Jogador(a, 1, 0, 0);
    for (int s = 1; s <= 2; ++s) {
        m.jogo.estado.temporada = s;
        RegistrarColocacao(m.jogo, 1, s == 1 ? a : b, kBrasil, 1, 1);
        RegistrarColocacao(m.jogo, 1, s == 1 ? b : a, kBrasil, 2, 1);
        RegistrarColocacao(m.jogo, 1, c, kBrasil, 1, 2);
        RegistrarColocacao(m.jogo, 1, d, kBrasil, 2, 2);
    }
    m.jogo.artilheiros.push_back({1, 1, a, artilheiro, kBrasil, 14, 1});
    // The national cup in the second season only.
    m.jogo.estado.temporada = 2;
    RegistrarColocacao(m.jogo, 2, c, kBrasil, 1, -1);
    RegistrarColocacao(m.jogo, 2, a, kBrasil, 2, -1);

    const auto primeira = Campeoes(m.jogo, {1, kBrasil, 1});
    ASSERT_EQ(primeira.size(), 2u);
    EXPECT_EQ(primeira[0].temporada, 2);
    EXPECT_EQ(primeira[0].campeao, b);
    EXPECT_EQ(primeira[0].vice, a);
    EXPECT_EQ(primeira[0].tecnico, m.jogo.times[b].tecnico);
    EXPECT_EQ(primeira[0].artilheiro, -1);
    EXPECT_EQ(primeira[1].campeao, a);
    EXPECT_EQ(primeira[1].artilheiro, artilheiro);
    EXPECT_EQ(primeira[1].golsartilheiro, 14);
    EXPECT_EQ(primeira[1].terceiro, -1);
    const auto segunda = Campeoes(m.jogo, {1, kBrasil, 2});
    ASSERT_EQ(segunda.size(), 2u);
    EXPECT_EQ(segunda[1].campeao, c);
    EXPECT_EQ(segunda[1].artilheiro, -1); // the scorer was division 1's

    const auto copa = Campeoes(m.jogo, {2, kBrasil, -1});
    ASSERT_EQ(copa.size(), 1u);
    EXPECT_EQ(copa[0].campeao, c);
    // No cup in the first season: nobody qualifies as its winner.
    EXPECT_EQ(CampeaoDe(m.jogo, 2, kBrasil, 1), -1);
    EXPECT_EQ(CampeaoDe(m.jogo, 2, kBrasil, 2), c);
    EXPECT_TRUE(Campeoes(m.jogo, {2, kEuropa, -1}).empty());

    // Titles of a club, for its record.
    const auto titulos = TitulosDoClube(m.jogo, a);
    ASSERT_EQ(titulos.size(), 1u);
    EXPECT_EQ(titulos[0].temporada, 1);
    EXPECT_EQ(titulos[0].divisao, 1);
}

TEST(Campeoes, TheClubWorldCupAndTheTournamentsKeepThirdAndFourthAndTheHost) {
    Mundo m;
    const int a = m.Clube(kBrasil, 1), b = m.Clube(kEuropa, 1), c = m.Clube(kAsia, 1);
    const int d = m.Clube(kBrasil, 1);
    m.jogo.estado.temporada = 3;
    RegistrarColocacao(m.jogo, 5, a, -1, 1, -1);
    RegistrarColocacao(m.jogo, 5, b, -1, 2, -1);
    RegistrarColocacao(m.jogo, 5, c, -1, 3, -1);
    RegistrarColocacao(m.jogo, 5, d, -1, 4, -1);
    const auto mundial = Campeoes(m.jogo, {5, -1, -1});
    ASSERT_EQ(mundial.size(), 1u);
    EXPECT_EQ(mundial[0].terceiro, c);
    EXPECT_EQ(mundial[0].quarto, d);
    EXPECT_EQ(mundial[0].local, -1);

    // A World Cup names countries, keyed by its host.
    m.jogo.estado.temporada = 4;
    const int paises[4] = {kBrasil, 1, kEuropa, 0};
    for (int lugar = 1; lugar <= 4; ++lugar)
        RegistrarTitulo(m.jogo, 7, paises[lugar - 1], 65, lugar, -1);
    const auto copa = Campeoes(m.jogo, {7, -1, -1});
    ASSERT_EQ(copa.size(), 1u);
    EXPECT_EQ(copa[0].temporada, 4);
    EXPECT_EQ(copa[0].campeao, kBrasil);
    EXPECT_EQ(copa[0].quarto, 0);
    EXPECT_EQ(copa[0].local, 65);
    EXPECT_TRUE(Campeoes(m.jogo, {8, -1, -1}).empty());
    // A country's placing is no club's title, whatever its number.
    EXPECT_EQ(TitulosDoClube(m.jogo, a).size(), 1u);
}

TEST(Retrospecto, TheArchiveGivesEachSeasonsRecordAndTheLogItsCoaches) {
    Mundo m;
    const int a = m.Clube(kBrasil, 1), b = m.Clube(kBrasil, 1), c = m.Clube(kBrasil, 2);
    m.jogo.estado.temporada = 3;
    auto jogo = [&](int ano, int codigo, int mandante, int visitante, int gm, int gv) {
        TJogoArquivado j;
        j.mandante = mandante;
        j.visitante = visitante;
        j.gols[0] = gm;
        j.gols[1] = gv;
        j.competicao = codigo;
        j.data = plataforma::CodificarData(ano, 6, 1);
        m.jogo.arquivo.jogos.push_back(j);
    };
    jogo(2007, 1, a, b, 2, 0);
    jogo(2007, 1, b, a, 1, 1);
    jogo(2007, 0, a, b, 9, 0); // a friendly
    jogo(2007, 2, c, a, 3, 1);
    jogo(2009, 4, a, c, 0, 0); // level, decided on penalties
    m.jogo.arquivo.jogos.back().decididopenaltis = 1;
    jogo(2009, 7, a, b, 5, 0); // a tournament's temporary team, not the club

    // Season 2: a's coach leaves, b's coach takes over, then a new one.
    const int novo = static_cast<int>(m.jogo.tecnicos.size());
    m.jogo.tecnicos.push_back(NovoTecnico());
    m.jogo.tecnicos.back().nome = "Novo";
    m.jogo.trocastecnicos.push_back({b, 2, a});
    m.jogo.trocastecnicos.push_back({novo, 2, a});
    m.jogo.trocastecnicos.push_back({a, 2, b});

    const auto r = RetrospectoDoClube(m.jogo, a);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].temporada, 3);
    EXPECT_EQ(r[2].temporada, 1);
    const TemporadaDoClube& primeira = r[2];
    EXPECT_EQ(primeira.jogos, 3);
    EXPECT_EQ(primeira.vitorias, 1);
    EXPECT_EQ(primeira.empates, 1);
    EXPECT_EQ(primeira.derrotas, 1);
    EXPECT_EQ(primeira.golspro, 4);
    EXPECT_EQ(primeira.golscontra, 4);
    EXPECT_EQ(primeira.tecnicos, (std::vector<int>{a}));
    EXPECT_EQ(r[1].jogos, 0);
    EXPECT_EQ(r[1].tecnicos, (std::vector<int>{a, b, novo}));
    EXPECT_EQ(r[0].tecnicos, (std::vector<int>{novo}));
    EXPECT_EQ(r[0].jogos, 1);
    EXPECT_EQ(r[0].empates, 1);
    EXPECT_EQ(RetrospectoDoClube(m.jogo, b)[0].tecnicos, (std::vector<int>{a}));
    EXPECT_TRUE(RetrospectoDoClube(m.jogo, 99).empty());

    // The final league places: a ahead of b on points; in the second season
    // level on every key, the titles list's champion first, in its division.
    EXPECT_EQ(std::pair(primeira.colocacao, primeira.divisao), std::pair(1, 0));
    EXPECT_EQ(RetrospectoDoClube(m.jogo, b)[2].colocacao, 2);
    EXPECT_EQ(RetrospectoDoClube(m.jogo, c)[2].colocacao, 0); // no league match
    jogo(2008, 1, a, b, 1, 1);
    jogo(2008, 1, b, a, 1, 1);
    m.jogo.estado.temporada = 2;
    RegistrarTitulo(m.jogo, 1, b, kBrasil, 1, 1);
    RegistrarTitulo(m.jogo, 1, a, kBrasil, 2, 1);
    m.jogo.estado.temporada = 3;
    EXPECT_EQ(std::pair(RetrospectoDoClube(m.jogo, b)[1].colocacao,
                        RetrospectoDoClube(m.jogo, b)[1].divisao),
              std::pair(1, 1));
    EXPECT_EQ(RetrospectoDoClube(m.jogo, a)[1].colocacao, 2);
    // The season being played: where the live table has it.
    m.jogo.times[a].jogos[1] = 4;
    m.jogo.times[a].colocacao[1] = 7;
    EXPECT_EQ(std::pair(RetrospectoDoClube(m.jogo, a)[0].colocacao,
                        RetrospectoDoClube(m.jogo, a)[0].divisao),
              std::pair(7, 1));
    m.jogo.estado.temporada = 2'000'000'000; // a damaged season counter
    EXPECT_EQ(RetrospectoDoClube(m.jogo, a).size(),
              static_cast<std::size_t>(kTemporadasNoRetrospecto));
    EXPECT_EQ(TemporadaDaData(plataforma::CodificarData(2008, 12, 31)), 2);
}

} // namespace
