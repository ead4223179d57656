// The default world the build wrote, read through the game's own loaders.
#include "competitions/novojogo.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/cp1252.hpp"
#include "world/clubes.hpp"
#include "world/paises.hpp"
#include "world/selecoes.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace world;

namespace {

class MundoGerado : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(PITCHLORD_FONTES) + "/mundo/paises.tsv"))
            GTEST_SKIP() << "no world sources yet";
        plataforma::DefinirRaiz(PITCHLORD_JOGO);
        indice = contatimes();
    }
    void TearDown() override { plataforma::DefinirRaiz("."); }
    IndiceTimes indice;
};

} // namespace

TEST_F(MundoGerado, TwelveBigLeaguesAndSomeSmallerOnesAreOffered) {
    const auto usaveis = UsaveisPorPais(indice);
    for (int pais : {29, 11, 97, 65, 104, 3, 72, 154, 85, 131, 195, 107})
        EXPECT_GE(usaveis[pais], 44) << "country " << pais;
    int pequenas = 0;
    for (int p = 0; p < kNumPaises; ++p) pequenas += usaveis[p] >= 22 && usaveis[p] <= 41;
    EXPECT_GE(pequenas, 3);
    const auto ligas = competitions::LigasOferecidas(indice);
    EXPECT_GE(ligas.size(), 15u);
}

TEST_F(MundoGerado, TheHomeCountrysClubsFillStateGroups) {
    std::map<int, int> porEstado;
    const auto pasta = plataforma::Resolver("teams");
    for (int i : timesdopais(indice, kPaisCasa)) {
        const auto a = learquivotime(pasta / indice[i].arquivo);
        ASSERT_TRUE(a);
        ASSERT_LE(a->cabecalho.estado, 26);
        ++porEstado[a->cabecalho.estado];
    }
    int cheios = 0;
    for (const auto& [estado, n] : porEstado) cheios += n >= 6;
    EXPECT_GE(cheios, 8);
    for (int grande : {10, 18, 22, 25}) EXPECT_GE(porEstado[grande], 12) << "state " << grande;
}

TEST_F(MundoGerado, EveryExtraClubCountryFillsItsQuota) {
    const auto usaveis = UsaveisPorPais(indice);
    for (int r = 0; r < kPaisesExtras; ++r)
        EXPECT_GE(usaveis[kPaisesExtrasLista[r]], CotaExtras(r)) << kPaisesExtrasLista[r];
}

TEST_F(MundoGerado, ClubsAreCompleteAndSensible) {
    const auto pasta = plataforma::Resolver("teams");
    std::set<std::string> nomes;
    int usaveis = 0, estrelas = 0;
    for (const EntradaIndice& e : indice) {
        if (!e.Usavel()) continue;
        ++usaveis;
        const auto a = learquivotime(pasta / e.arquivo);
        ASSERT_TRUE(a);
        const auto& h = a->cabecalho;
        const auto& b = a->jogadores;
        EXPECT_EQ(h.versao, 7);
        EXPECT_LE(h.nivel, 25);
        EXPECT_TRUE(nomes.insert(std::to_string(h.pais) + "/" + h.nome.str()).second)
            << h.nome.view();
        EXPECT_FALSE(h.estadio.empty());
        EXPECT_FALSE(h.tecnico.empty());
        EXPECT_NE(h.corfundo, h.cortexto);
        int jogadores = 0, titulares = 0, goleirosTitulares = 0;
        for (int k = 0; k < kVagasTime; ++k) {
            if (VagaVazia(b.nomes[k])) continue;
            ++jogadores;
            EXPECT_GE(b.idades[k], 17);
            EXPECT_LE(b.idades[k], 37);
            EXPECT_LE(b.posicoes[k], 4);
            const bool goleiro = b.posicoes[k] == 0;
            for (int c : {b.caract1[k], b.caract2[k]}) {
                if (goleiro)
                    EXPECT_LE(c, 3);
                else
                    EXPECT_TRUE(c >= 4 && c <= 13) << c;
            }
            titulares += b.titulares[k] != 0;
            goleirosTitulares += b.titulares[k] && goleiro;
            estrelas += b.estrelas[k] != 0;
        }
        EXPECT_GE(jogadores, 18);
        EXPECT_LE(jogadores, 25);
        EXPECT_EQ(titulares, 11);
        EXPECT_EQ(goleirosTitulares, 1);
        EXPECT_TRUE(TimeCompleto(b));
        const std::string escudo = plataforma::Cp1252ParaUtf8(h.escudo.view());
        EXPECT_TRUE(
            plataforma::ArquivoExiste(plataforma::Resolver("teams/logos/" + escudo + ".gif")) ||
            plataforma::ArquivoExiste(plataforma::Resolver("teams/logos/" + escudo + ".bmp")))
            << escudo;
        EXPECT_TRUE(plataforma::ArquivoExiste(
            plataforma::Resolver("teams/minilogos/mini_" + escudo + ".bmp")));
    }
    EXPECT_GT(usaveis, 1000);
    EXPECT_GT(estrelas, 50);
    EXPECT_TRUE(plataforma::ArquivoExiste(plataforma::Resolver("teams/logos/nullescudo.gif")));
}

TEST_F(MundoGerado, TheDeliberatelyBrokenFilesAreThereAndUnusable) {
    int quebrados = 0;
    for (const EntradaIndice& e : indice)
        if (e.arquivo.rfind("zz_", 0) == 0) {
            ++quebrados;
            EXPECT_FALSE(e.Usavel()) << e.arquivo;
        }
    EXPECT_EQ(quebrados, 5);
}

TEST_F(MundoGerado, NationalTeamsForEveryTournament) {
    Jogo jogo;
    carregaselecoes(jogo);
    int porContinente[6] = {};
    std::set<int> paises;
    for (const TSelecao& s : jogo.selecoes) {
        EXPECT_TRUE(SelecaoCompleta(s)) << s.pais;
        EXPECT_TRUE(s.completo);
        EXPECT_GE(s.nivel, 1);
        EXPECT_LE(s.nivel, 25);
        EXPECT_TRUE(paises.insert(s.pais).second);
        ++porContinente[s.continente];
    }
    EXPECT_GE(porContinente[0], 14);
    EXPECT_GE(porContinente[1], 5);
    EXPECT_GE(porContinente[2], 5);
    EXPECT_GE(porContinente[3], 5);
    EXPECT_GE(porContinente[4], 3);
    EXPECT_GE(porContinente[5], 1);
}

TEST_F(MundoGerado, AFullGameLoadsEveryLeague) {
    Jogo jogo;
    jogo.gerador.Semear(1);
    competitions::OpcoesNovoJogo o;
    o.ligas = competitions::LigasOferecidas(indice);
    o.paisprincipal = kPaisCasa;
    o.estaduais = true;
    ASSERT_EQ(competitions::IniciarJogoDeClubes(jogo, indice, o), competitions::InicioNovoJogo::Ok);
    iniciatimes(jogo);
    EXPECT_GT(jogo.estado.numtimesligas, 700);
    for (const TLiga& l : jogo.ligas) {
        EXPECT_EQ(l.numdivisoes, l.numtimes >= 42 ? 4 : l.numtimes >= 32 ? 3 : 2);
        for (int d = 0; d < l.numdivisoes; ++d)
            for (int s = 0; s < 10; ++s) EXPECT_GE(l.divisoes[d][s], 0);
    }
    const auto porTime = JogadoresPorTime(jogo);
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        EXPECT_GE(porTime[c].size(), 18u) << jogo.times[c].nome.view();
        EXPECT_GE(jogo.times[c].capitao, 1);
    }
    EXPECT_FALSE(jogo.selecoes.empty());
}
