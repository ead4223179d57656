// Three seasons of the default world on autopilot, and the history lists
// checked against what the match archive says happened: the scorers from the
// goal events, the champions from the league points, the club rankings and
// each club's seasons from the archived results, the titles from the titles
// list.
#include "apoio/apoio.hpp"
#include "competitions/continentais.hpp"
#include "competitions/novojogo.hpp"
#include "history/artilharia.hpp"
#include "history/campeoes.hpp"
#include "history/rankings.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/datas.hpp"
#include "temporada/autopiloto.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <tuple>

using namespace world;
using namespace history;
using namespace competitions;

namespace {

constexpr int kTemporadas = 3;

int Temporada(const TJogoArquivado& a) {
    return plataforma::DecodificarData(a.data).ano - 2006;
}

// Goals by player in competition `codigo` of season `temporada`, counted from
// the archived goal events (own goals are nobody's).
std::map<int, int> GolsDosEventos(const Jogo& jogo, int codigo, int temporada) {
    std::map<int, int> r;
    for (const TEvento& e : jogo.arquivo.eventos) {
        if (e.tipo != kGolEvento && e.tipo != kGolPenalti && e.tipo != kGolFalta) continue;
        if (e.jogo < 0 || e.jogo >= static_cast<int>(jogo.arquivo.jogos.size())) continue;
        const TJogoArquivado& a = jogo.arquivo.jogos[e.jogo];
        if (a.competicao == codigo && Temporada(a) == temporada) ++r[e.jogador];
    }
    return r;
}

// The scorers a view should list, from the events: players of a club of the
// view, most goals first, fewer matches, then the player's index.
std::vector<std::pair<int, int>> EsperadosDaVisao(const Jogo& jogo, const std::map<int, int>& gols,
                                                  int codigo, auto pertence) {
    std::vector<std::tuple<int, int, int>> v; // -goals, matches, player
    for (const auto& [jogador, g] : gols) {
        const TJogador& j = jogo.jogadores[jogador];
        if (!jogo.TimeValido(j.time) || jogo.EhSelecao(j.time) || !pertence(jogo.times[j.time]))
            continue;
        v.emplace_back(-g, j.jogos[codigo], jogador);
    }
    std::sort(v.begin(), v.end());
    std::vector<std::pair<int, int>> r;
    for (const auto& [g, jogos, jogador] : v) r.emplace_back(jogador, -g);
    return r;
}

std::vector<std::pair<int, int>> Listados(const std::vector<LinhaArtilheiro>& linhas) {
    std::vector<std::pair<int, int>> r;
    for (const LinhaArtilheiro& l : linhas) r.emplace_back(l.jogador, l.gols);
    return r;
}

// Points, goals for and against by club and competition column from the
// archive, for the seasons in [de, ate].
using Acumulado = std::map<int, std::array<std::array<long long, 3>, kColunasRanking>>;
Acumulado DoArquivo(const Jogo& jogo, int de, int ate) {
    Acumulado r;
    for (const TJogoArquivado& a : jogo.arquivo.jogos) {
        if (a.competicao < 1 || a.competicao > 6) continue;
        const int s = Temporada(a);
        if (s < de || s > ate) continue;
        for (int lado = 0; lado < 2; ++lado) {
            const int pro = a.gols[lado], contra = a.gols[1 - lado];
            auto& x = r[lado == 0 ? a.mandante : a.visitante][a.competicao - 1];
            x[0] += pro > contra ? 3 : pro == contra ? 1 : 0;
            x[1] += pro;
            x[2] += contra;
        }
    }
    return r;
}

class HistoricoTemporadas : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams"))
            GTEST_SKIP() << "no default world";
        plataforma::DefinirRaiz(PITCHLORD_JOGO);
    }
    apoio::PastaTemporaria pasta; // the program folder: settings and sav/
};

TEST_F(HistoricoTemporadas, TheListsAgreeWithTheArchiveOfThreeSeasons) {
    plataforma::DefinirRaiz(PITCHLORD_JOGO);
    auto jogo = std::make_unique<Jogo>();
    competitions::OpcoesNovoJogo o;
    o.ligas = {29, 97};
    o.paisprincipal = 29;
    o.divisoesde20 = false;
    o.estaduais = true;
    o.numhumanos = 1;
    jogo->gerador.Semear(20261210);
    ASSERT_EQ(competitions::IniciarJogoDeClubes(*jogo, contatimes(), o),
              competitions::InicioNovoJogo::Ok);
    competitions::EscolherTime(*jogo, 0, jogo->ligas[0].divisoes[1][0], "Tecnico");
    competitions::InicializarJogo(*jogo);
    Jogo& j = *jogo;

    // What each season's champions and top scorers must be, found at its end.
    struct Esperado {
        int temporada, competicao, chave, divisao;
        int artilheiro, gols;
        std::vector<int> lideres; // clubs with the division's most points
        int maximo;               // and those points
    };
    std::vector<Esperado> esperados;
    std::vector<Acumulado> pontosfinais; // pontoshistoricos at each season's end
    int listas = 0;
    // Each league club's final place and division, by season, from the tables.
    std::map<std::pair<int, int>, std::pair<int, int>> lugares;

    temporada::Autopiloto piloto(j);
    piloto.fimdetemporada = [&] {
        const int s = j.estado.temporada;
        for (const TLiga& l : j.ligas)
            for (int d = 0; d < l.numdivisoes; ++d)
                for (int k = 0; k < (j.estado.divisoesporliga == 2 ? 20 : 10); ++k)
                    if (const int c = l.ordem[d][k]; c >= 0) {
                        lugares[{s, c}] = {k + 1, d + 1};
                        // The season not yet over shows its live table.
                        const TemporadaDoClube agora = RetrospectoDoClube(j, c).front();
                        EXPECT_EQ(agora.temporada, s);
                        EXPECT_EQ(std::pair(agora.colocacao, agora.divisao),
                                  std::pair(k + 1, d + 1));
                    }
        for (const TLiga& l : j.ligas) {
            const int pais = l.pais;
            for (const VisaoArtilharia& v : VisoesArtilharia(j, pais)) {
                if (v.tipo == TipoArtilharia::Carreira) continue;
                const auto gols = GolsDosEventos(j, v.codigo, s);
                const auto esperado = EsperadosDaVisao(j, gols, v.codigo, [&](const TTime& t) {
                    switch (v.tipo) {
                    case TipoArtilharia::Divisao:
                        return t.pais == pais && t.divisao == v.divisao;
                    case TipoArtilharia::Copa:
                        return t.pais == pais;
                    case TipoArtilharia::Continental:
                        return competitions::RegiaoDoPais(t.pais) == (v.chave == 1 ? 1 : 2);
                    default:
                        return t.pais == 29 && t.estado == v.chave;
                    }
                });
                EXPECT_EQ(Listados(Artilheiros(j, v, pais)), esperado)
                    << "season " << s << " country " << pais << " view " << v.nome;
                ++listas;
                if (v.tipo == TipoArtilharia::Continental) continue;
                Esperado e{s,
                           v.codigo,
                           v.tipo == TipoArtilharia::Estadual ? v.chave : pais,
                           v.tipo == TipoArtilharia::Divisao ? v.divisao : -1,
                           esperado.empty() ? -1 : esperado[0].first,
                           esperado.empty() ? 0 : esperado[0].second,
                           {},
                           0};
                if (v.tipo == TipoArtilharia::Divisao) {
                    // The league points of the division's clubs, from the archive.
                    const Acumulado pts = DoArquivo(j, s, s);
                    for (int c : l.divisoes[v.divisao - 1]) {
                        if (c < 0) continue;
                        const auto it = pts.find(c);
                        const int p = it == pts.end() ? 0 : static_cast<int>(it->second[0][0]);
                        if (p > e.maximo) e.lideres.clear(), e.maximo = p;
                        if (p == e.maximo) e.lideres.push_back(c);
                    }
                }
                esperados.push_back(e);
            }
        }
        Acumulado agora;
        for (int c = 0; c < j.estado.numtimesligas; ++c)
            for (int k = 0; k < kColunasRanking; ++k)
                for (int x = 0; x < 3; ++x) agora[c][k][x] = j.times[c].pontoshistoricos[k][x];
        pontosfinais.push_back(agora);
        return true;
    };
    piloto.novatemporada = [&] { return j.estado.temporada <= kTemporadas; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_EQ(j.estado.temporada, kTemporadas + 1);
    ASSERT_EQ(pontosfinais.size(), static_cast<std::size_t>(kTemporadas));
    EXPECT_GT(listas, 3 * 10);
    // From the second season on the first continental cup's top scorer of
    // each region is kept, and nobody's for the first.
    for (int s = 1; s <= kTemporadas; ++s) {
        int regioes = 0;
        for (const TArtilheiroHistorico& a : j.artilheiros)
            regioes += a.temporada == s && a.competicao == 4 && (a.chave == 1 || a.chave == 2);
        EXPECT_EQ(regioes, s == 1 ? 0 : 2) << "season " << s;
    }

    // Champions: one row per season, newest first; the league champion among
    // the clubs of most points, the recorded top scorer the events' one.
    int divisoes = 0;
    for (const Esperado& e : esperados) {
        const auto linhas = Campeoes(j, {e.competicao, e.chave, e.divisao});
        const auto it = std::find_if(linhas.begin(), linhas.end(), [&](const LinhaCampeoes& l) {
            return l.temporada == e.temporada;
        });
        if (e.competicao == 1) {
            ++divisoes;
            ASSERT_EQ(linhas.size(), static_cast<std::size_t>(kTemporadas));
            EXPECT_EQ(linhas.front().temporada, kTemporadas);
            ASSERT_NE(it, linhas.end());
            EXPECT_NE(std::find(e.lideres.begin(), e.lideres.end(), it->campeao), e.lideres.end())
                << "season " << e.temporada << " country " << e.chave << " division " << e.divisao;
            EXPECT_NE(it->vice, -1);
            EXPECT_NE(it->vice, it->campeao);
            EXPECT_EQ(it->tecnico == -1, false);
        }
        if (e.artilheiro < 0) continue;
        ASSERT_NE(it, linhas.end()) << "competition " << e.competicao << " key " << e.chave;
        EXPECT_EQ(it->artilheiro, e.artilheiro)
            << "season " << e.temporada << " competition " << e.competicao << " key " << e.chave;
        EXPECT_EQ(it->golsartilheiro, e.gols);
    }
    EXPECT_EQ(divisoes, kTemporadas * (j.ligas[0].numdivisoes + j.ligas[1].numdivisoes));

    // Club rankings: the accumulated points are the archive's; the titles
    // are the titles list's first places.
    const Acumulado total = DoArquivo(j, 1, kTemporadas + 1);
    std::map<int, std::array<int, kColunasRanking>> titulos;
    for (const TTituloHistorico& t : j.historicotitulos)
        if (t.lugar == 1 && t.competicao >= 1 && t.competicao <= 6)
            ++titulos[t.time][t.competicao - 1];
    for (const VisaoRankingClubes visao :
         {VisaoRankingClubes::Colocacao, VisaoRankingClubes::PontosCorridos,
          VisaoRankingClubes::Internacional}) {
        for (const TLiga& l : j.ligas) {
            const auto linhas = RankingDeClubes(j, visao, l.pais);
            const bool estadual = ColunasDoRanking(j, visao, l.pais).mostrar[kRkEstadual];
            int clubes = 0;
            for (int c = 0; c < j.estado.numtimesligas; ++c)
                clubes += visao == VisaoRankingClubes::Internacional || j.times[c].pais == l.pais;
            ASSERT_EQ(linhas.size(), static_cast<std::size_t>(clubes));
            long long anterior = -1;
            for (const LinhaRankingClube& x : linhas) {
                long long esperado = 0;
                for (int k = 0; k < kColunasRanking; ++k) {
                    const auto it = total.find(x.time);
                    const std::array<long long, 3> arq =
                        it == total.end() ? std::array<long long, 3>{} : it->second[k];
                    for (int y = 0; y < 3; ++y) EXPECT_EQ(x.pontos[k][y], arq[y]) << x.time;
                    const int tit = titulos.count(x.time) ? titulos[x.time][k] : 0;
                    EXPECT_EQ(x.titulos[k], tit) << x.time;
                    if (visao == VisaoRankingClubes::Colocacao)
                        esperado += tit;
                    else if (k != kRkEstadual || estadual)
                        esperado += arq[0];
                }
                EXPECT_EQ(x.total, esperado);
                if (anterior >= 0) {
                    EXPECT_LE(x.total, anterior);
                }
                anterior = x.total;
            }
        }
    }
    // Somebody won something, and the state championships counted.
    const auto colocacao = RankingDeClubes(j, VisaoRankingClubes::Colocacao, 29);
    EXPECT_GT(colocacao.front().total, 0);
    EXPECT_TRUE(ColunasDoRanking(j, VisaoRankingClubes::Colocacao, 29).mostrar[kRkEstadual]);

    // Coaches: the world ranking holds every named coach once, by world
    // points; each country's ranking is a part of it.
    const auto mundo = RankingDeTecnicos(j, -1);
    int nomeados = 0;
    for (const TTecnico& k : j.tecnicos) nomeados += !k.nome.empty();
    EXPECT_EQ(mundo.size(), static_cast<std::size_t>(nomeados));
    for (std::size_t i = 1; i < mundo.size(); ++i) EXPECT_LE(mundo[i].pontos, mundo[i - 1].pontos);
    for (const LinhaRankingTecnico& x : mundo)
        EXPECT_EQ(x.pontos, j.tecnicos[x.tecnico].pontosmundial);
    std::size_t doPais = 0;
    for (const TLiga& l : j.ligas)
        for (const LinhaRankingTecnico& x : RankingDeTecnicos(j, l.pais)) {
            ++doPais;
            EXPECT_EQ(x.pontos, j.tecnicos[x.tecnico].pontos);
            EXPECT_EQ(PaisDoTecnico(j, x.tecnico), l.pais);
        }
    EXPECT_GT(doPais, 0u);
    EXPECT_LE(doPais, mundo.size());

    // Each club's seasons: the season's share of its accumulated points and
    // goals, and the coach it has now last among the current season's.
    for (int c = 0; c < j.estado.numtimesligas; ++c) {
        const auto r = RetrospectoDoClube(j, c);
        ASSERT_EQ(r.size(), static_cast<std::size_t>(kTemporadas + 1));
        EXPECT_EQ(r.front().jogos, 0); // the new season has not started
        ASSERT_FALSE(r.front().tecnicos.empty()) << c;
        EXPECT_EQ(r.front().tecnicos.back(), j.times[c].tecnico) << c;
        for (const TemporadaDoClube& t : r) {
            if (t.temporada > kTemporadas) continue;
            std::array<long long, 3> fim{}, inicio{};
            for (int k = 0; k < kColunasRanking; ++k)
                for (int x = 0; x < 3; ++x) {
                    fim[x] += pontosfinais[t.temporada - 1][c][k][x];
                    if (t.temporada > 1) inicio[x] += pontosfinais[t.temporada - 2][c][k][x];
                }
            EXPECT_EQ(t.jogos, t.vitorias + t.empates + t.derrotas);
            EXPECT_EQ(3 * t.vitorias + t.empates, fim[0] - inicio[0]) << c << " " << t.temporada;
            EXPECT_EQ(t.golspro, fim[1] - inicio[1]) << c << " " << t.temporada;
            EXPECT_EQ(t.golscontra, fim[2] - inicio[2]) << c << " " << t.temporada;
            // The final place, made again from the archive, is the table's.
            const auto lugar = lugares.find({t.temporada, c});
            const auto esperado = lugar == lugares.end() ? std::pair(0, 0) : lugar->second;
            EXPECT_EQ(std::pair(t.colocacao, t.divisao), esperado) << c << " " << t.temporada;
        }
    }

    // A saved game loaded again shows the same lists: they live in the file.
    Jogo lido;
    ASSERT_EQ(persistence::DesserializarJogo(persistence::SerializarJogo(j), lido),
              persistence::ResultadoCarga::Ok);
    for (const Esperado& e : esperados)
        EXPECT_EQ(Campeoes(lido, {e.competicao, e.chave, e.divisao}),
                  Campeoes(j, {e.competicao, e.chave, e.divisao}));
    for (const TLiga& l : j.ligas) {
        for (const VisaoRankingClubes visao :
             {VisaoRankingClubes::Colocacao, VisaoRankingClubes::PontosCorridos})
            EXPECT_EQ(RankingDeClubes(lido, visao, l.pais), RankingDeClubes(j, visao, l.pais));
        EXPECT_EQ(RankingDeTecnicos(lido, l.pais), RankingDeTecnicos(j, l.pais));
        const VisaoArtilharia carreira = VisoesArtilharia(j, l.pais).back();
        EXPECT_EQ(Artilheiros(lido, carreira, l.pais), Artilheiros(j, carreira, l.pais));
    }
    for (int c = 0; c < j.estado.numtimesligas; ++c)
        EXPECT_EQ(RetrospectoDoClube(lido, c), RetrospectoDoClube(j, c));
}

} // namespace
