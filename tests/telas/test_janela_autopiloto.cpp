// A season played in the window and the same season played by the autopilot,
// from the same seed and with the same answers, end in the same game.
#include "apoio_telas.hpp"
#include "management/escalacao.hpp"
#include "management/escalacaoformacao.hpp"
#include "management/telas/telaprincipal.hpp"
#include "persistence/jogosalvo.hpp"
#include "shell/janelaprincipal.hpp"
#include "temporada/autopiloto.hpp"
#include "temporada/fimdetemporada.hpp"
#include "temporada/telas/telafimtemporada.hpp"
#include "temporada/telas/telaresultados.hpp"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <utility>

namespace {

// The lineup "Jogar >>" commits after the first formation of the box was
// chosen: what the window's test does with the main screen.
void EscalarComoATela(world::Jogo& jogo) {
    const int n = jogo.estado.dataatual;
    const double hoje = n >= 1 && n <= world::kDatasPorTemporada ? jogo.calendario[n - 1].data : 0;
    management::Grade grade = management::PreencherGrade(jogo, hoje);
    const auto formacoes =
        management::FormacoesPossiveis(management::RecontarDisponiveis(jogo, grade));
    ASSERT_FALSE(formacoes.empty());
    management::EscolherFormacao(jogo, grade, management::TextoFormacao(formacoes.front()));
    ASSERT_TRUE(management::ValidarEscalacao(jogo, grade).podejogar);
    management::ConfirmarEscalacao(jogo, grade);
}

// What the match's screens answer when the coach closes them: the penalty to
// the computer's taker, the injured player not replaced, the computer's
// shoot-out order. Counts the questions.
struct TelasFechadas : match::Interacao {
    int penaltis = 0, contusoes = 0, disputas = 0;
    int EscolherBatedor(const world::Jogo&, const match::Rodada&, int, int,
                        std::span<const int>) override {
        ++penaltis;
        return 0;
    }
    int SubstituirContusao(const world::Jogo&, const match::Rodada&, int, int, int,
                           std::span<const int>) override {
        ++contusoes;
        return 0;
    }
    bool OrdenarBatedores(const world::Jogo&, int, std::span<const int>,
                          std::array<int, 11>&) override {
        ++disputas;
        return false;
    }
};

// Where two games part: the first table and record that differ.
template <typename C> bool Difere(std::string& onde, const char* nome, const C& a, const C& b) {
    using T = typename C::value_type;
    if (a.size() != b.size()) {
        onde = std::string(nome) + ": " + std::to_string(a.size()) + " against " +
               std::to_string(b.size()) + " records";
        return true;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto* x = reinterpret_cast<const unsigned char*>(&a[i]);
        const auto* y = reinterpret_cast<const unsigned char*>(&b[i]);
        for (std::size_t k = 0; k < sizeof(T); ++k)
            if (x[k] != y[k]) {
                onde = std::string(nome) + " " + std::to_string(i) + ", byte " + std::to_string(k);
                return true;
            }
    }
    return false;
}

std::string OndeDiferem(const world::Jogo& a, const world::Jogo& b) {
    std::string onde;
    std::vector<world::TEstadoJogo> ea{a.estado}, eb{b.estado};
    ea[0].gerador = a.gerador.Estado();
    eb[0].gerador = b.gerador.Estado();
    if (Difere(onde, "state", ea, eb) || Difere(onde, "player", a.jogadores, b.jogadores) ||
        Difere(onde, "club", a.times, b.times) || Difere(onde, "fixture", a.partidas, b.partidas) ||
        Difere(onde, "archived match", a.arquivo.jogos, b.arquivo.jogos) ||
        Difere(onde, "archived event", a.arquivo.eventos, b.arquivo.eventos) ||
        Difere(onde, "history", a.historicos, b.historicos) ||
        Difere(onde, "finances", a.financas, b.financas) ||
        Difere(onde, "league", a.ligas, b.ligas))
        return onde;
    return "elsewhere";
}

std::unique_ptr<world::Jogo> NovaCarreira() {
    // Two humans in the first division, so they meet, and a national cup.
    auto jogo = apoio_telas::NovoJogo({97}, 2, true, 20261209);
    jogo->estado.opcoes.opintervalo = 1; // half-time screens open (and are closed)
    jogo->estado.opcoes.opsalvar = 0;
    return jogo;
}

} // namespace

TEST(JanelaEAutopiloto, ASeasonInTheWindowEndsInTheGameTheAutopilotPlays) {
    // The autopilot first, the way the window plays: shown groups on the clock.
    auto pilotado = NovaCarreira();
    TelasFechadas respostas;
    temporada::Autopiloto piloto(*pilotado);
    piloto.MostrarGrupos(true);
    piloto.Responder(respostas);
    piloto.Mercado(false);      // the window closes every offer and auction unanswered
    piloto.ia.selecoes = false; // and the national-team invitation too
    piloto.escalar = [&](int) { EscalarComoATela(*pilotado); };
    piloto.fimdetemporada = [] { return false; };
    // The game after every date that leads to a main screen, to name the
    // first date where they part (a date that leads straight into the next
    // one is compared at the next: the window starts playing it at once).
    std::vector<std::vector<unsigned char>> datasPilotadas;
    // Dates played from the waiting page of a dismissed coach have no results
    // screen in the window: they are not counted.
    bool esperando = false;
    piloto.depoisdadata = [&](int) {
        const bool daespera =
            std::exchange(esperando, piloto.proximo.tela == temporada::Tela::Aguardando);
        if (daespera) return true;
        datasPilotadas.push_back(piloto.proximo.tela == temporada::Tela::Principal
                                     ? persistence::SerializarJogo(*pilotado)
                                     : std::vector<unsigned char>{});
        return true;
    };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    temporada::FimDeTemporada(*pilotado); // what the season-end screen's opening does
    ASSERT_EQ(pilotado->estado.temporada, 2);

    // Then the window, every screen of a match closed as it opens.
    shell::JanelaPrincipal janela;
    janela.DefinirIntervaloParaTestes(1);
    janela.DefinirPausaDoAguardo(1);
    janela.show();
    std::shared_ptr<world::Jogo> jogo(NovaCarreira());
    janela.ComecarJogo(jogo);
    int datas = 0;
    int primeiradiferente = -1, comparadas = 0;
    apoio_telas::FecharDialogos fechar;
    const bool chegou = apoio_telas::EsperarPor(
        [&] {
            if (janela.TelaFimTemporada()) return true;
            if (janela.TelaAtual() == janela.TelaPrincipal() &&
                !janela.TelaPrincipal()->Aguardando() &&
                janela.TelaPrincipal()->caixaFormacao()->count() > 0) {
                apoio_telas::EscalarEJogar(janela.TelaPrincipal());
            } else if (auto* r =
                           qobject_cast<temporada::telas::TelaResultados*>(janela.TelaAtual())) {
                r->Continuar()->click();
                // A coach dismissed and waiting for offers has no main screen.
                const bool principal = janela.TelaAtual() == janela.TelaPrincipal() &&
                                       !janela.TelaPrincipal()->Aguardando();
                const bool semdata = datas >= static_cast<int>(datasPilotadas.size());
                comparadas += principal;
                if (primeiradiferente < 0 &&
                    (semdata || principal != !datasPilotadas[datas].empty() ||
                     (principal && persistence::SerializarJogo(*jogo) != datasPilotadas[datas]))) {
                    primeiradiferente = datas;
                    world::Jogo lido, desktop;
                    if (!semdata && principal && !datasPilotadas[datas].empty() &&
                        persistence::DesserializarJogo(datasPilotadas[datas], lido) ==
                            persistence::ResultadoCarga::Ok &&
                        persistence::DesserializarJogo(persistence::SerializarJogo(*jogo),
                                                       desktop) == persistence::ResultadoCarga::Ok)
                        ADD_FAILURE() << "after date " << datas << ", they part at "
                                      << OndeDiferem(lido, desktop);
                }
                ++datas;
            }
            return false;
        },
        280000);
    ASSERT_TRUE(chegou) << "dates played: " << datas;
    EXPECT_EQ(datas, static_cast<int>(datasPilotadas.size()));
    EXPECT_EQ(primeiradiferente, -1) << "the games part after date " << primeiradiferente;
    EXPECT_GT(comparadas, datas / 2);
    // The half-time views of the humans' matches were opened and closed, as
    // were the penalty, injury and shoot-out screens the season brought.
    EXPECT_GT(fechar.Fechados(), 0);
    EXPECT_GT(respostas.penaltis + respostas.contusoes + respostas.disputas, 0)
        << respostas.penaltis << " penalties, " << respostas.contusoes << " injuries, "
        << respostas.disputas << " shoot-outs";

    const auto a = persistence::SerializarJogo(*pilotado);
    const auto b = persistence::SerializarJogo(*jogo);
    ASSERT_EQ(a.size(), b.size());
    const auto diferenca = std::mismatch(a.begin(), a.end(), b.begin());
    EXPECT_TRUE(diferenca.first == a.end())
        << "first difference at byte " << (diferenca.first - a.begin());
    // And in the numbers a player reads: the season's champions.
    auto* fim = qobject_cast<temporada::telas::TelaFimTemporada*>(janela.TelaFimTemporada());
    ASSERT_NE(fim, nullptr);
    EXPECT_GE(fim->Campeoes()->rowCount(), 2);
}
