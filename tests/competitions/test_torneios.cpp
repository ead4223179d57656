// The national-team tournaments on a small world of our own: the draws, the
// group and knockout phases to the final, the call-ups and the tables cut
// back afterwards.
#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/torneios.hpp"
#include "persistence/jogosalvo.hpp"
#include "world/clubes.hpp"
#include "world/paises.hpp"
#include "world/selecoes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace competitions;
using namespace world;

namespace {

// Europe, South America (and Mexico, whose team plays in North America),
// Africa, Asia, North America, Oceania: more than
// enough of each for a World Cup, and every Copa America and Euro country.
constexpr int kEuropa[] = {3,   97,  65, 104, 72,  85,  154, 159, 78, 162, 179, 192,
                           152, 193, 54, 52,  160, 142, 171, 31,  63, 180, 21,  100};
constexpr int kAmerica[] = {29, 11, 195, 150, 42, 46, 60, 151, 26, 198, 131};
constexpr int kAfrica[] = {1, 57, 129, 190, 5, 10};
constexpr int kAsia[] = {107, 9, 43, 49, 0, 18};
constexpr int kNorte[] = {68, 51, 38, 6};
constexpr int kOceania[] = {14, 143};

TSelecao Selecao(int pais, int nivel) {
    TSelecao s = NovaSelecao(pais);
    s.nivel = nivel;
    s.continente = ContinenteSelecao(pais);
    for (int k = 0; k < 22; ++k) {
        s.nomes[k] = "S" + std::to_string(pais) + "-" + std::to_string(k);
        s.posicoes[k] = k < 3 ? 0 : 1 + k % 4;
        s.idades[k] = 20 + k % 10;
        s.titulares[k] = k < 11;
        s.caract1s[k] = k < 3 ? 1 : 4 + k % 8;
        s.caract2s[k] = k < 3 ? 2 : 4 + (k + 3) % 8;
    }
    return s;
}

// Real clubs of every country with a few players each, the national teams
// of the lists (less `sem`), in season `temporada` with every tournament on.
Jogo Mundo(int temporada, std::set<int> sem = {}, std::uint64_t semente = 7) {
    Jogo jogo;
    jogo.gerador.Semear(semente);
    TEstadoJogo& e = jogo.estado;
    e.temporada = temporada;
    e.divisoesporliga = 2;
    e.copadomundo = e.copaamerica = e.eurocopa = 1;
    e.dataatual = 1;
    int nivel = 25;
    auto mais = [&](auto& paises) {
        for (int p : paises) {
            if (!sem.count(p)) jogo.selecoes.push_back(Selecao(p, std::max(1, nivel)));
            nivel = nivel > 2 ? nivel - 1 : 25;
        }
    };
    mais(kEuropa);
    mais(kAmerica);
    mais(kAfrica);
    mais(kAsia);
    mais(kNorte);
    mais(kOceania);
    // Two clubs a country, 13 players each (2 goalkeepers), for the call-ups.
    for (const TSelecao& s : jogo.selecoes)
        for (int k = 0; k < 2; ++k) {
            TTime t = NovoTime();
            t.nome = "Clube " + std::to_string(jogo.times.size());
            t.pais = s.pais;
            t.divisao = 1;
            jogo.times.push_back(t);
            const int c = static_cast<int>(jogo.times.size()) - 1;
            std::vector<int> elenco;
            for (int n = 0; n < 13; ++n) {
                TJogador j = NovoJogador();
                j.nome = "J" + std::to_string(jogo.jogadores.size());
                j.time = c;
                j.pais = s.pais;
                j.posicao = j.posicaoatual = n < 2 ? 0 : 1 + n % 4;
                j.caract1 = n < 2 ? 1 : 4 + n % 8;
                j.caract2 = n < 2 ? 2 : 4 + (n + 3) % 8;
                j.forca = 20 + n;
                j.idade = 25;
                j.passe = 200000;
                elenco.push_back(static_cast<int>(jogo.jogadores.size()));
                jogo.jogadores.push_back(j);
            }
            ContarElenco(jogo, c, elenco);
        }
    e.numtimesligas = static_cast<i32>(jogo.times.size());
    jogo.financas.resize(jogo.times.size());
    MontarCalendario(jogo);
    return jogo;
}

std::vector<int> Selecoes(const Jogo& jogo) {
    std::vector<int> r;
    for (int c = jogo.estado.torneio.numtimes; c < static_cast<int>(jogo.times.size()); ++c)
        r.push_back(c);
    return r;
}

// Plays today's tournament fixtures with a result from the teams' levels (the
// higher level wins by one, equals draw and go to the home side on
// penalties), as the runner and the continuation do.
void JogarData(Jogo& jogo, int codigo, double dia) {
    const int fase = jogo.estado.contadores.fasetorneio;
    for (TPartida& p : jogo.partidas) {
        if (p.competicao != codigo || p.data != dia || p.jogado) continue;
        const int a = jogo.times[p.mandante].nivel, b = jogo.times[p.visitante].nivel;
        p.golsmandante = a > b ? 1 : 0;
        p.golsvisitante = b > a ? 1 : 0;
        if (a == b && fase >= 4) p.penaltismandante = 5, p.penaltisvisitante = 4;
        p.jogado = 1;
        ContarResultado(jogo, codigo, fase, p.mandante, p.visitante, p.golsmandante,
                        p.golsvisitante);
    }
    ++jogo.estado.contadores.fasetorneio;
    AvancarTorneio(jogo, codigo);
}

void JogarTorneio(Jogo& jogo) {
    const int codigo = jogo.estado.torneio.codigo;
    for (double dia : DatasDaCompeticao(jogo, codigo)) JogarData(jogo, codigo, dia);
}

int Quantos(const Jogo& jogo, int codigo, double dia) {
    int n = 0;
    for (const TPartida& p : jogo.partidas) n += p.competicao == codigo && p.data == dia;
    return n;
}

} // namespace

TEST(Torneios, EachTournamentFallsInItsSeasonOnlyWhileItIsOn) {
    TEstadoJogo e{};
    e.copadomundo = e.copaamerica = e.eurocopa = 1;
    EXPECT_EQ(TorneioDaTemporada(e, 1), kCopaAmerica);
    EXPECT_EQ(TorneioDaTemporada(e, 2), kEurocopa);
    EXPECT_EQ(TorneioDaTemporada(e, 3), 0);
    EXPECT_EQ(TorneioDaTemporada(e, 4), kCopaDoMundo);
    EXPECT_EQ(TorneioDaTemporada(e, 192), kCopaDoMundo);
    EXPECT_EQ(TorneioDaTemporada(e, 196), 0);
    e.eurocopa = 0;
    EXPECT_EQ(TorneioDaTemporada(e, 2), 0);
}

TEST(Torneios, AWorldCupPlaysThirtyTwoTeamsToAFinalAndThirdPlaceOnItsLastDate) {
    Jogo jogo = Mundo(4);
    const auto nt = jogo.times.size(), nj = jogo.jogadores.size(), nh = jogo.historicos.size();
    PrepararTorneioDaTemporada(jogo);
    ASSERT_TRUE(TorneioEmCurso(jogo));
    const TTorneio& t = jogo.estado.torneio;
    EXPECT_EQ(t.codigo, kCopaDoMundo);
    EXPECT_EQ(t.sede, 97); // the first entry of the hosts' table
    EXPECT_EQ(t.indicesede, 1);
    EXPECT_EQ(PaisesDasSedes(t).front(), 97); // its own cities hold the final
    EXPECT_EQ(jogo.times.size(), nt + 32);
    EXPECT_EQ(jogo.financas.size(), jogo.times.size());
    // The host heads a group; every group has four distinct teams.
    std::set<int> paises;
    int europeus = 0, sedenogrupo = 0;
    for (int g = 1; g <= 8; ++g) {
        const auto grupo = GrupoDoTorneio(jogo, g);
        for (int p = 0; p < 4; ++p) {
            ASSERT_GE(grupo[p], 0);
            paises.insert(jogo.times[grupo[p]].pais);
            europeus += ContinentePais(jogo.times[grupo[p]].pais) == 0;
            sedenogrupo += p == 0 && jogo.times[grupo[p]].pais == 97;
        }
    }
    EXPECT_EQ(paises.size(), 32u);
    EXPECT_EQ(sedenogrupo, 1);
    EXPECT_EQ(europeus, 14); // thirteen places and the host
    // Sixteen group matches on each of the first three dates.
    const auto datas = DatasDaCompeticao(jogo, kCopaDoMundo);
    ASSERT_EQ(datas.size(), 7u);
    for (int d = 0; d < 3; ++d) EXPECT_EQ(Quantos(jogo, kCopaDoMundo, datas[d]), 16);
    EXPECT_EQ(SelecoesDoConvite(jogo, 1).size(), 8u);
    EXPECT_EQ(SelecoesDoConvite(jogo, 2).size(), 8u);

    JogarTorneio(jogo);
    const int porfase[] = {16, 16, 16, 8, 4, 2, 2};
    for (int d = 0; d < 7; ++d) EXPECT_EQ(Quantos(jogo, kCopaDoMundo, datas[d]), porfase[d]);
    ASSERT_TRUE(TorneioEncerrado(jogo));
    // Four placings by country with the host as the key, and the champion's
    // coach (none of ours: -1).
    int lugares = 0;
    for (const TTituloHistorico& h : jogo.historicotitulos) {
        EXPECT_EQ(h.competicao, kCopaDoMundo);
        EXPECT_EQ(h.chave, 97);
        EXPECT_TRUE(paises.count(h.time));
        lugares |= 1 << h.lugar;
    }
    EXPECT_EQ(lugares, 0b11110);
    ASSERT_EQ(jogo.historicotecnico.size(), 1u);
    EXPECT_EQ(jogo.historicotecnico[0].tecnico, -1);

    EncerrarTorneio(jogo);
    EXPECT_FALSE(TorneioEmCurso(jogo));
    EXPECT_EQ(jogo.times.size(), nt);
    EXPECT_EQ(jogo.jogadores.size(), nj);
    EXPECT_EQ(jogo.historicos.size(), nh);
    EXPECT_EQ(jogo.financas.size(), nt);
    for (const TPartida& p : jogo.partidas) {
        EXPECT_LT(p.mandante, static_cast<int>(nt));
        EXPECT_LT(p.visitante, static_cast<int>(nt));
    }
}

TEST(Torneios, AWorldCupWhoseHostHasNoCitiesIsPlacedWhereItsMatchesArePlayed) {
    Jogo jogo = Mundo(4);
    const auto& sedes = SedesCopaDoMundo();
    jogo.estado.torneio.indicesede =
        static_cast<int>(std::find(sedes.begin(), sedes.end(), 68) - sedes.begin());
    PrepararTorneioDaTemporada(jogo);
    ASSERT_TRUE(TorneioEmCurso(jogo));
    const TTorneio& t = jogo.estado.torneio;
    EXPECT_EQ(t.sede, 68); // the draw still has its host
    const std::vector<int> paises = PaisesDasSedes(t);
    ASSERT_FALSE(paises.empty());
    EXPECT_LE(paises.size(), 2u);
    EXPECT_EQ(std::count(paises.begin(), paises.end(), 68), 0);
    JogarTorneio(jogo);
    ASSERT_TRUE(TorneioEncerrado(jogo));
    for (const TTituloHistorico& h : jogo.historicotitulos) EXPECT_EQ(h.chave, paises.front());
}

TEST(Torneios, WithoutAHostFileEuropeSendsFourteenAndAWorldCupShortOfTeamsIsSwitchedOff) {
    Jogo semsede = Mundo(4, {97});
    PrepararTorneioDaTemporada(semsede);
    ASSERT_TRUE(TorneioEmCurso(semsede));
    int europeus = 0;
    for (int c : Selecoes(semsede)) europeus += ContinentePais(semsede.times[c].pais) == 0;
    EXPECT_EQ(europeus, 14);
    EXPECT_EQ(Selecoes(semsede).size(), 32u);

    // Without African teams a slot stays empty: no World Cup, now or later.
    Jogo curto = Mundo(4, {1, 57, 129, 190, 5, 10});
    const auto nt = curto.times.size();
    PrepararTorneioDaTemporada(curto);
    EXPECT_FALSE(TorneioEmCurso(curto));
    EXPECT_EQ(curto.estado.copadomundo, 0);
    EXPECT_EQ(curto.times.size(), nt);
    for (const TDataCalendario& d : curto.calendario) EXPECT_NE(d.competicao, kCopaDoMundo);
}

TEST(Torneios, TheEuroTakesAllOfPotOneSixOfPotTwoAndTwoOfPotThree) {
    const std::set<int> pote1 = {3, 97, 65, 104, 72, 85, 154, 159};
    const std::set<int> pote2 = {78, 162, 179, 192, 152, 193, 54, 52};
    std::set<int> vistos2;
    for (std::uint64_t semente = 1; semente <= 12; ++semente) {
        Jogo jogo = Mundo(2, {}, semente);
        PrepararTorneioDaTemporada(jogo);
        ASSERT_EQ(jogo.estado.torneio.codigo, kEurocopa);
        int n1 = 0, n2 = 0, n3 = 0;
        for (int c : Selecoes(jogo)) {
            const int p = jogo.times[c].pais;
            n1 += pote1.count(p) > 0;
            n2 += pote2.count(p) > 0;
            n3 += !pote1.count(p) && !pote2.count(p);
            if (pote2.count(p)) vistos2.insert(p);
        }
        EXPECT_EQ(n1, 8);
        EXPECT_EQ(n2, 6);
        EXPECT_EQ(n3, 2);
        // Groups 1 and 2 hold two of pot 2, groups 3 and 4 one of pot 3.
        for (int g = 1; g <= 4; ++g) {
            const auto grupo = GrupoDoTorneio(jogo, g);
            EXPECT_TRUE(pote1.count(jogo.times[grupo[0]].pais));
            EXPECT_TRUE(pote1.count(jogo.times[grupo[1]].pais));
            EXPECT_TRUE(pote2.count(jogo.times[grupo[2]].pais));
            EXPECT_EQ(pote2.count(jogo.times[grupo[3]].pais) > 0, g <= 2);
        }
        JogarTorneio(jogo);
        EXPECT_TRUE(TorneioEncerrado(jogo));
    }
    EXPECT_EQ(vistos2.size(), 8u); // the random order reaches every team of pot 2
}

TEST(Torneios, ACopaAmericaSlotWithoutATeamLeavesAGroupOfThreeThatStillPlaysThrough) {
    // Country 60 is in every group set; without its file one group has three.
    for (std::uint64_t semente = 1; semente <= 6; ++semente) {
        Jogo jogo = Mundo(1, {60}, semente);
        PrepararTorneioDaTemporada(jogo);
        ASSERT_EQ(jogo.estado.torneio.codigo, kCopaAmerica);
        EXPECT_EQ(Selecoes(jogo).size(), 11u);
        int detres = 0;
        for (int g = 1; g <= 3; ++g) {
            const auto grupo = GrupoDoTorneio(jogo, g);
            detres += std::count(grupo.begin(), grupo.end(), -1);
        }
        EXPECT_EQ(detres, 1);
        const auto datas = DatasDaCompeticao(jogo, kCopaAmerica);
        ASSERT_EQ(datas.size(), 6u);
        // Six matches a date with full groups; the group of three rests one
        // team each date.
        for (int d = 0; d < 3; ++d) EXPECT_EQ(Quantos(jogo, kCopaAmerica, datas[d]), 5);
        JogarTorneio(jogo);
        EXPECT_EQ(Quantos(jogo, kCopaAmerica, datas[3]), 4);
        EXPECT_EQ(Quantos(jogo, kCopaAmerica, datas[5]), 2);
        EXPECT_TRUE(TorneioEncerrado(jogo));
        // The two best thirds went on.
        EXPECT_GE(jogo.estado.torneio.terceiros[0], 0);
        EXPECT_GE(jogo.estado.torneio.terceiros[1], 0);
    }
    // Without two teams of one group the tournament is not held.
    Jogo curto = Mundo(1, {46, 151, 42, 29, 11});
    PrepararTorneioDaTemporada(curto);
    EXPECT_FALSE(TorneioEmCurso(curto));
}

TEST(Torneios, CallUpsNeedTwoGoalkeepersAndTwentyOutfieldPlayersAndGoHomeAfterwards) {
    Jogo jogo = Mundo(1);
    PrepararTorneioDaTemporada(jogo);
    const int brasil = [&] {
        for (int c : Selecoes(jogo))
            if (jogo.times[c].pais == 29) return c;
        return -1;
    }();
    ASSERT_GE(brasil, 0);
    ASSERT_TRUE(PaisPodeConvocar(jogo, brasil));
    // A drawn team has its captain and free-kick taker among its players.
    for (int c : Selecoes(jogo))
        for (int j : {jogo.times[c].capitao, jogo.times[c].cobrador}) {
            ASSERT_TRUE(jogo.JogadorValido(j));
            EXPECT_EQ(jogo.jogadores[j].time, c);
        }
    std::vector<int> goleiros, linha;
    for (int j : BuscarConvocaveis(jogo, brasil, {}))
        (jogo.jogadores[j].posicao == 0 ? goleiros : linha).push_back(j);
    ASSERT_GE(goleiros.size(), 2u);
    ASSERT_GE(linha.size(), 22u);
    // Only Brazilians of real clubs are found; the filters narrow it.
    for (int j : BuscarConvocaveis(jogo, brasil, {}))
        EXPECT_LT(jogo.jogadores[j].time, jogo.estado.torneio.numtimes);
    FiltroConvocacao goleiro;
    goleiro.posicao = 0;
    EXPECT_EQ(BuscarConvocaveis(jogo, brasil, goleiro).size(), goleiros.size());
    // Any goalkeeper's characteristic finds the goalkeepers only.
    FiltroConvocacao reflexos;
    reflexos.caract1 = kCaractDeGoleiro;
    EXPECT_EQ(BuscarConvocaveis(jogo, brasil, reflexos).size(), goleiros.size());
    FiltroConvocacao nome;
    nome.nome = "j" + std::string(jogo.jogadores[linha[0]].nome.view()).substr(1);
    EXPECT_EQ(BuscarConvocaveis(jogo, brasil, nome), std::vector<int>{linha[0]});

    std::vector<int> um(goleiros.begin(), goleiros.begin() + 1);
    um.insert(um.end(), linha.begin(), linha.end()); // 1 + 22
    EXPECT_EQ(AnalisarConvocacao(jogo, brasil, um).motivo, RecusaConvocacao::PoucosGoleiros);
    EXPECT_FALSE(Convocar(jogo, brasil, um));
    std::vector<int> certo(goleiros.begin(), goleiros.begin() + 2);
    certo.insert(certo.end(), linha.begin(), linha.begin() + 20);
    EXPECT_EQ(AnalisarConvocacao(jogo, brasil, certo).motivo, RecusaConvocacao::Nenhuma);
    // Short of outfield players, a player twice, one of another country.
    std::vector<int> curto(certo.begin(), certo.end() - 3);
    const AnaliseConvocacao a = AnalisarConvocacao(jogo, brasil, curto);
    EXPECT_EQ(a.motivo, RecusaConvocacao::PoucosDeLinha);
    EXPECT_EQ(a.faltam, 3);
    EXPECT_EQ(a.goleiros, 2);
    EXPECT_EQ(RecusaDoConvocado(jogo, brasil, curto, curto[0]), RecusaConvocacao::JaConvocado);
    curto.push_back(curto[0]);
    EXPECT_EQ(AnalisarConvocacao(jogo, brasil, curto).motivo, RecusaConvocacao::JaConvocado);
    int estrangeiro = 0;
    for (int i = 1; i < static_cast<int>(jogo.jogadores.size()) && !estrangeiro; ++i)
        if (jogo.jogadores[i].pais != jogo.times[brasil].pais) estrangeiro = i;
    EXPECT_EQ(RecusaDoConvocado(jogo, brasil, certo, estrangeiro), RecusaConvocacao::NaoConvocavel);
    EXPECT_EQ(AnalisarConvocacao(jogo, jogo.jogadores[linha[0]].time, certo).motivo,
              RecusaConvocacao::SemSelecao);
    std::vector<int> clubes;
    for (int j : certo) clubes.push_back(jogo.jogadores[j].time);
    const int elenco0 = jogo.times[clubes[0]].elenco;
    ASSERT_TRUE(Convocar(jogo, brasil, certo));
    // The team holds only the called-up players now.
    std::vector<int> naselecao;
    for (int i = 1; i < static_cast<int>(jogo.jogadores.size()); ++i)
        if (jogo.jogadores[i].time == brasil) naselecao.push_back(i);
    std::vector<int> ordenado = certo;
    std::sort(ordenado.begin(), ordenado.end());
    EXPECT_EQ(naselecao, ordenado);
    EXPECT_EQ(jogo.times[brasil].elenco, 22);
    // Its captain and taker are called-up players now.
    EXPECT_EQ(jogo.jogadores[jogo.times[brasil].capitao].time, brasil);
    EXPECT_EQ(jogo.jogadores[jogo.times[brasil].cobrador].time, brasil);
    EXPECT_LT(jogo.times[clubes[0]].elenco, elenco0);
    EXPECT_EQ(jogo.convocados.size(), 22u);

    JogarTorneio(jogo);
    EncerrarTorneio(jogo);
    EXPECT_TRUE(jogo.convocados.empty());
    for (std::size_t k = 0; k < certo.size(); ++k)
        EXPECT_EQ(jogo.jogadores[certo[k]].time, clubes[k]);
    EXPECT_EQ(jogo.times[clubes[0]].elenco, elenco0);
}

TEST(Torneios, AHumanNationalCoachIsInvitedByTierAndRecordedAsTheChampionsCoach) {
    Jogo jogo = Mundo(4);
    TEstadoJogo& e = jogo.estado;
    TTecnico k = NovoTecnico();
    k.nome = "Humano";
    k.humano = 1;
    k.time = 0;
    jogo.tecnicos.push_back(k);
    jogo.times[0].tecnico = 0;
    jogo.times[0].humano = 1;
    jogo.times[0].colocacao[kLiga] = 9;
    for (i32& h : e.humanos) h = -1;
    e.humanos[0] = 0;
    e.numhumanos = 1;
    PrepararTorneioDaTemporada(jogo);
    // Division 1 from the second season on: the strongest teams.
    EXPECT_EQ(NivelDoConvite(jogo, kCopaDoMundo, 0), 1);
    jogo.times[0].divisao = 2;
    EXPECT_EQ(NivelDoConvite(jogo, kCopaDoMundo, 0), 2);
    jogo.times[0].colocacao[kLiga] = 4;
    EXPECT_EQ(NivelDoConvite(jogo, kCopaDoMundo, 0), 1);
    // Invitations on league matchdays 5..9 of the first turn only.
    e.tipo = kLiga;
    e.contadores.turnoliga = 1;
    e.contadores.rodadaliga = 4;
    EXPECT_FALSE(ConviteDevido(jogo, 0));
    e.contadores.rodadaliga = 5;
    EXPECT_TRUE(ConviteDevido(jogo, 0));
    // The strongest team: he takes it and wins with it (levels decide here).
    const std::vector<int> oferta = SelecoesDoConvite(jogo, 1);
    int forte = oferta.front();
    for (int c : oferta)
        if (jogo.times[c].nivel > jogo.times[forte].nivel) forte = c;
    ASSERT_TRUE(AceitarSelecao(jogo, 0, forte));
    EXPECT_FALSE(ConviteDevido(jogo, 0));
    EXPECT_EQ(jogo.tecnicos[0].treinaselecao, 1);
    EXPECT_EQ(SelecaoDoHumano(jogo, 0), forte);
    const auto oferta2 = SelecoesDoConvite(jogo, 1);
    EXPECT_EQ(std::count(oferta2.begin(), oferta2.end(), forte), 0);
    JogarTorneio(jogo);
    ASSERT_TRUE(TorneioEncerrado(jogo));
    if (jogo.estado.torneio.campeao == forte) {
        ASSERT_EQ(jogo.historicotecnico.size(), 1u);
        EXPECT_EQ(jogo.historicotecnico[0].tecnico, 0);
        EXPECT_EQ(jogo.historicotecnico[0].time, jogo.times[forte].pais);
    }
    EncerrarTorneio(jogo);
    EXPECT_EQ(jogo.tecnicos[0].treinaselecao, 0);
    EXPECT_EQ(SelecaoDoHumano(jogo, 0), -1);
}

TEST(Torneios, ATournamentInProgressSurvivesSaveAndLoadAndAHostileOneIsRefused) {
    Jogo jogo = Mundo(4);
    PrepararTorneioDaTemporada(jogo);
    for (double dia : DatasDaCompeticao(jogo, kCopaDoMundo))
        if (jogo.estado.contadores.fasetorneio < 5) JogarData(jogo, kCopaDoMundo, dia);
    jogo.estado.dataatual = 78; // saved on one of its dates
    jogo.estado.tipo = kCopaDoMundo;
    const auto bytes = persistence::SerializarJogo(jogo);
    Jogo lido;
    ASSERT_EQ(persistence::DesserializarJogo(bytes, lido), persistence::ResultadoCarga::Ok);
    EXPECT_EQ(persistence::SerializarJogo(lido), bytes);
    EXPECT_EQ(GrupoDoTorneio(lido, 3), GrupoDoTorneio(jogo, 3));

    auto recusado = [&](auto estragar) {
        Jogo j = lido;
        estragar(j);
        Jogo x;
        return persistence::DesserializarJogo(persistence::SerializarJogo(j), x) !=
               persistence::ResultadoCarga::Ok;
    };
    EXPECT_TRUE(recusado([](Jogo& j) { j.estado.torneio.codigo = 12; }));
    EXPECT_TRUE(recusado([](Jogo& j) { j.estado.torneio.numtimes = 3; }));
    EXPECT_TRUE(recusado([](Jogo& j) { j.estado.torneio.selecoes[2] = 1; }));
    EXPECT_TRUE(recusado([](Jogo& j) { j.grupostorneio[0].time1 = 99999; }));
    EXPECT_TRUE(recusado([](Jogo& j) { j.times.back().gruposelecao = 9; }));
    EXPECT_TRUE(recusado([](Jogo& j) { j.estado.torneio.cidades[1] = 14; }));
}
