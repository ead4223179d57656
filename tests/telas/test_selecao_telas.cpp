// The national-team tournament's screens: the invitation, the call-ups, the
// national-team screen and its "Jogar >>" loop, the tournament's tables, and
// the tournament's dates played in the window.
#include "apoio_telas.hpp"
#include "competitions/calendario.hpp"
#include "competitions/telas/chaveamento.hpp"
#include "competitions/telas/relatoriopartida.hpp"
#include "competitions/telas/telatorneio.hpp"
#include "competitions/torneios.hpp"
#include "management/escalacaotatica.hpp"
#include "management/telas/figurasgrade.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telaconvite.hpp"
#include "management/telas/telaconvocacao.hpp"
#include "management/telas/telaselecao.hpp"
#include "match/resultadosdata.hpp"
#include "persistence/jogosalvo.hpp"
#include "shell/janelaprincipal.hpp"
#include "temporada/autopiloto.hpp"
#include "temporada/telas/telapartida.hpp"
#include "temporada/telas/telaresultados.hpp"
#include "ui/escudos.hpp"
#include "ui/rotulocortado.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"
#include "world/paises.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

using competitions::kCopaAmerica;

// The national team of country `pais` in the tournament, -1 if it has none.
int SelecaoDoPais(const world::Jogo& jogo, int pais) {
    for (int c = jogo.estado.torneio.numtimes; c < static_cast<int>(jogo.times.size()); ++c)
        if (jogo.times[c].pais == pais) return c;
    return -1;
}

std::vector<int> JogadoresDe(const world::Jogo& jogo, int time) {
    std::vector<int> r;
    for (int i = 1; i < static_cast<int>(jogo.jogadores.size()); ++i)
        if (jogo.jogadores[i].time == time) r.push_back(i);
    return r;
}

// A new game of the Brazilian league: season 1 holds the Copa America, drawn
// with the new game. `aceitos` humans take the first teams of the first tier.
std::unique_ptr<world::Jogo> JogoDeCopaAmerica(int humanos, int aceitos) {
    auto jogo = apoio_telas::NovoJogo({29}, humanos, true, 20261210);
    jogo->estado.opcoes.opsalvar = 0;
    const auto convite = competitions::SelecoesDoConvite(*jogo, 1);
    for (int h = 0; h < aceitos; ++h)
        EXPECT_TRUE(competitions::AceitarSelecao(*jogo, h, convite[static_cast<std::size_t>(h)]));
    return jogo;
}

// The autopilot plays on to the first tournament date's national-team
// screen; its call-ups are the strongest players of each country.
void AteOTorneio(world::Jogo& jogo, bool convocar = true) {
    temporada::Autopiloto piloto(jogo);
    piloto.Mercado(false);
    piloto.ia.selecoes = convocar;
    piloto.naselecao = [] { return false; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_EQ(piloto.proximo.tela, temporada::Tela::Selecao);
    ASSERT_EQ(jogo.estado.tipo, kCopaAmerica);
}

// A tournament date's results: every match of the date in one group of the
// box or another, the human's team's own match the one selected.
void ConferirResultados(const world::Jogo& jogo, temporada::telas::TelaResultados& r, int selecao) {
    const auto jogos = match::JogosDaData(jogo, jogo.Hoje(), kCopaAmerica);
    bool dele = false;
    for (int e : jogos)
        dele = dele || jogo.arquivo.jogos[e].mandante == selecao ||
               jogo.arquivo.jogos[e].visitante == selecao;
    const int linha = r.Jogos()->currentRow();
    const QString selecionado =
        linha >= 0 ? r.Jogos()->item(linha, 0)->text() + r.Jogos()->item(linha, 2)->text() : "";
    EXPECT_EQ(selecionado.contains(ui::Q(jogo.times[selecao].nome.view())), dele);
    // More than one group on the date: the box that picks them shows.
    EXPECT_EQ(r.Grupos()->isVisibleTo(&r), r.Grupos()->count() > 1);
    static bool capturada = false;
    if (!capturada && r.Grupos()->count() > 1) {
        capturada = true;
        apoio_telas::Capturar(r, "tela_resultados_torneio");
    }
    int linhas = 0;
    const int antes = r.Grupos()->currentIndex();
    for (int g = 0; g < std::max(1, r.Grupos()->count()); ++g) {
        if (r.Grupos()->count() > 0) r.Grupos()->setCurrentIndex(g);
        linhas += r.Jogos()->rowCount();
    }
    r.Grupos()->setCurrentIndex(antes);
    EXPECT_EQ(linhas, static_cast<int>(jogos.size()));
}

} // namespace

TEST(TelasSelecao, TheInvitationListsTheTeamsOfferedAndReturnsTheOneTakenOrNone) {
    auto jogo = JogoDeCopaAmerica(1, 0);
    const auto convite = competitions::SelecoesDoConvite(*jogo, 1);
    ASSERT_EQ(convite.size(), 8u);
    {
        management::telas::TelaConviteSelecao tela(*jogo, 0, kCopaAmerica, convite);
        EXPECT_EQ(tela.windowTitle(),
                  QStringLiteral("Escolha da seleção para treinar na Copa América"));
        ASSERT_EQ(tela.lista()->rowCount(), 8);
        for (int k = 0; k < 8; ++k)
            EXPECT_EQ(tela.lista()->item(k, 1)->text(), ui::Q(jogo->times[convite[k]].nome.view()));
        EXPECT_FALSE(tela.botaoOk()->isEnabled()); // nothing chosen yet
        tela.show();
        apoio_telas::Capturar(tela, "tela_convite_selecao");
        ASSERT_TRUE(tela.Selecionar(convite[2]));
        EXPECT_FALSE(tela.Selecionar(0)); // a club not offered
        tela.botaoOk()->click();
        EXPECT_EQ(tela.result(), QDialog::Accepted);
        EXPECT_EQ(tela.Escolhida(), convite[2]);
    }
    management::telas::TelaConviteSelecao recusa(*jogo, 0, kCopaAmerica, convite);
    recusa.Selecionar(convite[0]);
    recusa.botaoRecusar()->click();
    EXPECT_EQ(recusa.Escolhida(), -1);
}

TEST(TelasSelecao, TheCallUpNeedsTwoGoalkeepersAndTwentyOutfieldPlayers) {
    auto jogo = JogoDeCopaAmerica(1, 0);
    const int brasil = SelecaoDoPais(*jogo, 29);
    ASSERT_GE(brasil, 0);
    management::telas::TelaConvocacao tela(*jogo, 0, brasil);
    tela.show();
    EXPECT_FALSE(tela.botaoContinuar()->isEnabled());

    // The goalkeepers alone, then the outfield players alone.
    tela.filtros()->caixaPosicao()->setCurrentIndex(1); // the first position: goalkeeper
    tela.Procurar();
    std::vector<int> goleiros;
    for (int k = 0; k < tela.busca()->rowCount(); ++k)
        goleiros.push_back(tela.busca()->item(k, 1)->data(Qt::UserRole).toInt());
    ASSERT_GE(goleiros.size(), 2u);
    for (int j : goleiros) {
        EXPECT_EQ(jogo->jogadores[j].posicao, 0);
        EXPECT_EQ(jogo->jogadores[j].pais, 29);
        EXPECT_LT(jogo->jogadores[j].time, jogo->estado.torneio.numtimes); // a real club
    }
    ASSERT_TRUE(tela.MarcarNaBusca(goleiros[0]));
    tela.botaoAdicionar()->click();
    ASSERT_TRUE(tela.MarcarNaBusca(goleiros[0]));
    tela.botaoAdicionar()->click(); // the same player twice: once in the squad
    EXPECT_EQ(tela.Selecao().size(), 1u);
    EXPECT_EQ(tela.Goleiros(), 1);
    EXPECT_EQ(tela.rotuloMotivo()->text(), ui::T(2534));

    tela.filtros()->caixaPosicao()->setCurrentIndex(0); // any position
    tela.Procurar();
    std::vector<int> linha;
    for (int k = 0; k < tela.busca()->rowCount(); ++k) {
        const int j = tela.busca()->item(k, 1)->data(Qt::UserRole).toInt();
        if (jogo->jogadores[j].posicao != 0) linha.push_back(j);
    }
    ASSERT_GE(linha.size(), 25u);
    for (int k = 0; k < 25; ++k) {
        ASSERT_TRUE(tela.MarcarNaBusca(linha[k]));
        tela.botaoAdicionar()->click();
    }
    EXPECT_EQ(tela.Goleiros(), 1);
    EXPECT_EQ(tela.Linha(), 25);
    EXPECT_EQ(tela.rotuloLinha()->text(), QStringLiteral("Jogadores de linha: 25"));
    EXPECT_FALSE(tela.botaoContinuar()->isEnabled()); // 1 + 25
    EXPECT_EQ(tela.rotuloMotivo()->text(), ui::T(2532) + QStringLiteral(" 1"));

    // "<<" on outfield players lowers the outfield count only.
    for (int k = 20; k < 25; ++k) {
        ASSERT_TRUE(tela.MarcarNaSelecao(linha[k]));
        tela.botaoRemover()->click();
    }
    EXPECT_EQ(tela.Goleiros(), 1);
    EXPECT_EQ(tela.Linha(), 20);
    EXPECT_FALSE(tela.botaoContinuar()->isEnabled()); // 1 + 20
    tela.filtros()->caixaPosicao()->setCurrentIndex(1);
    tela.Procurar();
    ASSERT_TRUE(tela.MarcarNaBusca(goleiros[1]));
    tela.botaoAdicionar()->click();
    EXPECT_EQ(tela.rotuloGoleiros()->text(), QStringLiteral("Goleiros: 2"));
    EXPECT_TRUE(tela.botaoContinuar()->isEnabled()); // 2 + 20
    EXPECT_TRUE(tela.rotuloMotivo()->text().isEmpty());
    apoio_telas::Capturar(tela, "tela_convocacao");
    // And a goalkeeper out again closes the door.
    ASSERT_TRUE(tela.MarcarNaSelecao(goleiros[0]));
    tela.botaoRemover()->click();
    EXPECT_EQ(tela.Goleiros(), 1);
    EXPECT_EQ(tela.Linha(), 20);
    EXPECT_FALSE(tela.botaoContinuar()->isEnabled());
    ASSERT_TRUE(tela.MarcarNaBusca(goleiros[0]));
    tela.botaoAdicionar()->click();

    // The filters: stars only lists stars; a name finds that player alone.
    tela.filtros()->caixaPosicao()->setCurrentIndex(0);
    tela.filtros()->caixaEstrelas()->setChecked(true);
    tela.Procurar();
    for (int k = 0; k < tela.busca()->rowCount(); ++k)
        EXPECT_TRUE(jogo->jogadores[tela.busca()->item(k, 1)->data(Qt::UserRole).toInt()].estrela);
    tela.filtros()->caixaEstrelas()->setChecked(false);
    const QString nome = ui::Q(jogo->jogadores[linha[3]].nome.view()).toUpper();
    tela.filtros()->campoNome()->setText(nome);
    tela.Procurar();
    ASSERT_GE(tela.busca()->rowCount(), 1);
    for (int k = 0; k < tela.busca()->rowCount(); ++k)
        EXPECT_EQ(tela.busca()->item(k, 1)->text().toUpper(), nome);

    const std::vector<int> escolhidos = tela.Selecao();
    tela.botaoContinuar()->click();
    EXPECT_EQ(tela.result(), QDialog::Accepted);
    EXPECT_EQ(tela.Convocados(), escolhidos);

    // What the cycle does with the answer: the team holds the called-up
    // players alone.
    ASSERT_TRUE(competitions::Convocar(*jogo, brasil, tela.Convocados()));
    auto elenco = JogadoresDe(*jogo, brasil);
    auto esperado = escolhidos;
    std::sort(esperado.begin(), esperado.end());
    EXPECT_EQ(elenco, esperado);
}

TEST(TelasSelecao, ClosingTheCallUpKeepsTheTeamsOwnSquad) {
    auto jogo = JogoDeCopaAmerica(1, 0);
    const int brasil = SelecaoDoPais(*jogo, 29);
    management::telas::TelaConvocacao tela(*jogo, 0, brasil);
    tela.show();
    tela.Procurar();
    tela.botaoAdicionar()->click();
    tela.reject(); // the window's close
    EXPECT_TRUE(tela.Convocados().empty());
}

TEST(TelasSelecao, TheNationalTeamScreenShowsTheSquadAndCommitsTheLineup) {
    auto jogo = JogoDeCopaAmerica(1, 1);
    AteOTorneio(*jogo);
    const int selecao = competitions::SelecaoDoHumano(*jogo, 0);
    ASSERT_GE(selecao, 0);
    management::telas::TelaSelecao tela(*jogo);
    tela.resize(1280, 800);
    tela.Mostrar(selecao);
    tela.show();
    EXPECT_EQ(tela.rotuloSelecao()->Texto(), ui::Q(jogo->times[selecao].nome.view()));
    // The next match names its group and matchday, not a phase.
    EXPECT_TRUE(tela.rotuloAdversario()->Texto().contains(QStringLiteral(", 1ª rodada")))
        << tela.rotuloAdversario()->Texto().toStdString();
    const auto elenco = JogadoresDe(*jogo, selecao);
    EXPECT_EQ(tela.grade()->rowCount(), static_cast<int>(elenco.size()));
    // A national team has no wages or contracts to show.
    EXPECT_TRUE(tela.grade()->isColumnHidden(management::telas::GradeElenco::kColSalario));
    EXPECT_TRUE(tela.grade()->isColumnHidden(management::telas::GradeElenco::kColContrato));
    // The lineup boxes of the club screen, on screen beside the squad.
    for (QComboBox* c : {tela.caixaFormacao(), tela.caixaCapitao(), tela.caixaCobrador(),
                         tela.caixaEstilo(), tela.caixaJogadas(), tela.caixaMarcacao()})
        EXPECT_TRUE(c->isVisibleTo(&tela));
    EXPECT_EQ(tela.caixaEstilo()->count(), 3);
    EXPECT_EQ(tela.caixaJogadas()->count(), 2);
    EXPECT_EQ(tela.caixaMarcacao()->count(), 3);
    ASSERT_GT(tela.caixaFormacao()->count(), 0);
    EXPECT_TRUE(tela.caixaFormacao()->isVisible()); // the boxes are on the panel
    tela.caixaFormacao()->setCurrentIndex(0);
    emit tela.caixaFormacao()->activated(0);
    ASSERT_TRUE(tela.botaoJogar()->isEnabled());
    apoio_telas::Capturar(tela, "tela_selecao");

    // "Posição do jogador": improvised as a forward, then back.
    tela.grade()->setCurrentCell(0, management::telas::GradeElenco::kColNome);
    const int jogador = tela.grade()->JogadorDaFila(0);
    const int propria = jogo->jogadores[jogador].posicao;
    ASSERT_TRUE(
        management::MudarPosicao(*jogo, tela.grade()->grade(), tela.grade()->LinhaDaFila(0), 4, 0));
    EXPECT_EQ(jogo->jogadores[jogador].posicaoatual, 4);
    ASSERT_TRUE(management::MudarPosicao(*jogo, tela.grade()->grade(), tela.grade()->LinhaDaFila(0),
                                         -1, 0));
    EXPECT_EQ(jogo->jogadores[jogador].posicaoatual, propria);
    EXPECT_FALSE(management::MudarPosicao(*jogo, tela.grade()->grade(), -1, 2, 0));
    EXPECT_FALSE(management::MudarPosicao(*jogo, tela.grade()->grade(), 0, 7, 0));

    // The dialog of that menu entry: five positions and "back to his own",
    // the roles of the position chosen.
    {
        management::telas::DialogoPosicaoJogador dialogo(*jogo, jogador);
        ASSERT_EQ(dialogo.caixaPosicao()->count(), 6);
        dialogo.caixaPosicao()->setCurrentIndex(4);
        EXPECT_EQ(dialogo.Posicao(), 4);
        EXPECT_EQ(dialogo.caixaFuncao()->count(),
                  static_cast<int>(management::ItensFuncao(4).size()));
        dialogo.caixaPosicao()->setCurrentIndex(
            management::telas::DialogoPosicaoJogador::kVoltarOriginal);
        EXPECT_EQ(dialogo.Posicao(), -1);
        EXPECT_EQ(dialogo.caixaFuncao()->count(),
                  static_cast<int>(management::ItensFuncao(propria).size()));
    }

    QSignalSpy jogou(&tela, &management::telas::TelaSelecao::jogar);
    tela.botaoJogar()->click();
    EXPECT_EQ(jogou.count(), 1);
    EXPECT_FALSE(tela.botaoJogar()->isEnabled()); // committed once
    const int e = jogo->times[selecao].escalacao;
    ASSERT_GE(e, 0);
    ASSERT_LT(e, static_cast<int>(jogo->escalacoes.size()));
    int titulares = 0;
    for (int j : elenco) titulares += jogo->jogadores[j].titular == 1;
    EXPECT_EQ(titulares, 11);

    // The next tournament date opens on the lineup last played, ready to
    // play again.
    jogo->estado.opcoes.opescalacao = 0;
    ++jogo->estado.dataatual;
    tela.Mostrar(selecao);
    EXPECT_EQ(tela.grade()->grade().Contar(management::kTitular), 11);
    EXPECT_TRUE(tela.botaoJogar()->isEnabled());
}

TEST(TelasSelecao, TheTournamentScreenShowsTheGroupsTheBracketAndTheMatches) {
    // Nobody coaches a team: the autopilot plays on to the final's date.
    auto jogo = JogoDeCopaAmerica(1, 0);
    temporada::Autopiloto piloto(*jogo);
    piloto.Mercado(false);
    piloto.ia.selecoes = false;
    piloto.depoisdadata = [&](int) { return jogo->estado.contadores.fasetorneio < 6; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_TRUE(competitions::TorneioEmCurso(*jogo));
    competitions::telas::TelaTorneio tela(*jogo);
    tela.show();
    EXPECT_EQ(tela.windowTitle(), QStringLiteral("Copa América 2007"));
    ASSERT_EQ(tela.NumeroDeGrupos(), 3);
    for (int g = 1; g <= 3; ++g) {
        ASSERT_EQ(tela.Grupo(g)->rowCount(), 4);
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(tela.Grupo(g)->item(r, 3)->text(), QStringLiteral("3"))
                << "group " << g << " row " << r; // three matches each
    }
    // Quarter-finals 1..4, semi-finals 5..6, the final and the third place.
    ASSERT_EQ(tela.NumeroDeCaixas(), 8);
    for (int k = 0; k < 6; ++k) {
        EXPECT_FALSE(tela.Caixa(k)->Placar()->text().isEmpty()) << "pairing " << k;
        EXPECT_TRUE(tela.Caixa(k)->toolTip().contains(QStringLiteral(" x ")));
    }
    // The final is paired and not played yet.
    const world::TParTorneio& final = jogo->grupostorneio[6];
    EXPECT_GE(final.time1, 0);
    EXPECT_TRUE(tela.Caixa(6)->Placar()->text().isEmpty());
    EXPECT_EQ(tela.Abas()->currentIndex(), 1); // the knockout first
    // Every match of the tournament, in date order: 18 group matches, 8 after.
    EXPECT_EQ(tela.Jogos()->rowCount(), 18 + 8);
    EXPECT_FALSE(tela.Jogos()->item(0, 2)->text().isEmpty()); // its venue
    // Hosted where its cities are, each team's badge beside its name.
    QStringList paises;
    for (int p : competitions::PaisesDasSedes(jogo->estado.torneio))
        paises << ui::Q(world::NomePais(p));
    EXPECT_EQ(paises.size(), 2);
    const auto* sede = tela.findChild<QLabel*>(QStringLiteral("sede"));
    ASSERT_NE(sede, nullptr);
    EXPECT_EQ(sede->text(), QStringLiteral("Sede: ") + paises.join(QStringLiteral(" e ")));
    for (int g = 1; g <= 3; ++g)
        for (int r = 0; r < 4; ++r) EXPECT_FALSE(tela.Grupo(g)->item(r, 1)->icon().isNull());
    // National teams draw no crowd: a match of theirs shows none.
    const auto jogou =
        std::find_if(jogo->partidas.begin(), jogo->partidas.end(),
                     [](const auto& p) { return p.competicao == kCopaAmerica && p.jogado; });
    ASSERT_NE(jogou, jogo->partidas.end());
    const QString detalhes =
        competitions::telas::DetalhesDoJogo(*jogo, match::EntradaDaPartida(*jogo, *jogou));
    const auto indice = static_cast<int>(jogou - jogo->partidas.begin());
    EXPECT_TRUE(detalhes.contains(
        ui::Q(competitions::EstadioDoTorneio(*jogo, indice)).toHtmlEscaped())); // its venue
    EXPECT_FALSE(detalhes.contains(QStringLiteral("Público")));
    tela.resize(1100, 740);
    apoio_telas::Capturar(tela, "tela_copadomundo");
    tela.Abas()->setCurrentIndex(0);
    apoio_telas::Capturar(tela, "tela_copadomundo_grupos");
    EXPECT_FALSE(tela.Campeao()->isVisibleTo(&tela));

    // Right after the final, on the results screen, the cycle has not yet
    // written the winner into the pairing: the screen reads it from the match.
    ASSERT_GE(final.partida, 0);
    world::TPartida& f = jogo->partidas[final.partida];
    f.jogado = 1;
    f.golsmandante = f.golsvisitante = 1;
    f.penaltismandante = 3;
    f.penaltisvisitante = 4;
    competitions::telas::TelaTorneio depois(*jogo);
    depois.show();
    EXPECT_EQ(depois.Campeao()->text(),
              QStringLiteral("Campeão: ") + ui::Q(jogo->times[f.visitante].nome.view()));
    EXPECT_EQ(depois.Caixa(6)->Placar()->text(), QStringLiteral("1 x 1 (pên. 3 x 4)"));
}

TEST(TelasSelecao, ANationalTeamWithoutAPictureWearsABadgeDrawnInItsColours) {
    auto jogo = JogoDeCopaAmerica(1, 0);
    const int brasil = SelecaoDoPais(*jogo, 29);
    ASSERT_GE(brasil, 0);
    EXPECT_TRUE(world::escudotime(*jogo, brasil).empty()); // the default world ships none
    const world::TTime& t = jogo->times[brasil];
    const QColor fundo = management::telas::CorDoJogo(t.corfundo);
    const QImage escudo = ui::EscudoDoTime(*jogo, brasil).toImage();
    EXPECT_EQ(escudo, ui::EscudoDesenhado(QStringLiteral("Brasil"), fundo,
                                          management::telas::CorDoJogo(t.cortexto))
                          .toImage());
    EXPECT_EQ(escudo.pixelColor(escudo.width() / 2, escudo.height() * 3 / 4).rgb(), fundo.rgb());
    EXPECT_EQ(ui::Sigla(QStringLiteral("Brasil")), QStringLiteral("BRA"));
    EXPECT_EQ(ui::Sigla(QStringLiteral("Coreia do Sul")), QStringLiteral("CS"));
}

TEST(TelasSelecao, JogarOfTheFirstHumanGoesStraightToTheRunnerWhenTheOtherTeamIsOut) {
    for (const bool eliminado : {false, true}) {
        auto jogo = std::shared_ptr<world::Jogo>(JogoDeCopaAmerica(2, 2).release());
        AteOTorneio(*jogo);
        const int a = competitions::SelecaoDoHumano(*jogo, 0);
        const int b = competitions::SelecaoDoHumano(*jogo, 1);
        ASSERT_GE(a, 0);
        ASSERT_GE(b, 0);
        if (eliminado) jogo->times[b].jogaselecao = 0;
        // Saved on the tournament date and loaded: the game opens onto the
        // national-team screen.
        auto lido = std::make_shared<world::Jogo>();
        ASSERT_EQ(persistence::DesserializarJogo(persistence::SerializarJogo(*jogo), *lido),
                  persistence::ResultadoCarga::Ok);
        shell::JanelaPrincipal janela;
        janela.DefinirIntervaloParaTestes(1);
        janela.show();
        janela.ComecarJogo(lido, true);
        auto* tela = janela.TelaSelecao();
        ASSERT_NE(tela, nullptr);
        ASSERT_EQ(janela.TelaAtual(), tela);
        EXPECT_EQ(tela->Selecao(), a);
        // Two humans at one keyboard: the first coach is named first.
        EXPECT_TRUE(tela->VezAnunciada());
        tela->AceitarVez();
        EXPECT_FALSE(tela->VezAnunciada());
        tela->caixaFormacao()->setCurrentIndex(0);
        emit tela->caixaFormacao()->activated(0);
        tela->botaoJogar()->click();
        if (eliminado) {
            EXPECT_NE(qobject_cast<temporada::telas::TelaPartida*>(janela.TelaAtual()), nullptr);
        } else {
            // The second human's team is next on the same screen.
            ASSERT_EQ(janela.TelaAtual(), tela);
            EXPECT_EQ(tela->Selecao(), b);
            EXPECT_TRUE(tela->VezAnunciada()); // the keyboard changes hands
            EXPECT_GT(tela->caixaFormacao()->count(), 0);
        }
    }
}

// The Copa America played in the window: the call-up screen opens before the
// first tournament date, the national-team screen on every date the team
// plays, the runner and the results after each, the tournament's tables from
// the results; afterwards the tables are as long as before and every player
// called up is back in his club.
TEST(TelasSelecao, ATournamentPlayedInTheWindow) {
    auto jogo = std::shared_ptr<world::Jogo>(JogoDeCopaAmerica(1, 1).release());
    const int numtimes = jogo->estado.torneio.numtimes;
    const int numjogadores = jogo->estado.torneio.numjogadores;
    AteOTorneio(*jogo, false);
    const int selecao = competitions::SelecaoDoHumano(*jogo, 0);
    ASSERT_GE(selecao, 0);
    // The autopilot's coach closed his call-up screen: the window's own
    // screen asks again.
    ASSERT_TRUE(jogo->convocados.empty());
    jogo->estado.torneio.convocou[0] = 0;
    int datas = 0;
    for (const auto& d : jogo->calendario) datas += d.competicao == kCopaAmerica;
    const bool podeconvocar = competitions::PaisPodeConvocar(*jogo, selecao);
    const std::size_t convocadosantes = jogo->convocados.size();

    shell::JanelaPrincipal janela;
    janela.DefinirIntervaloParaTestes(1);
    janela.show();
    // The call-up screen: the strongest of each search, as a coach would.
    bool convocou = false;
    QTimer convocacao;
    QObject::connect(&convocacao, &QTimer::timeout, [&] {
        auto* t =
            qobject_cast<management::telas::TelaConvocacao*>(QApplication::activeModalWidget());
        if (!t) return;
        for (int pos : {1, 0}) {
            t->filtros()->caixaPosicao()->setCurrentIndex(pos);
            t->Procurar();
            for (int k = 0; k < t->busca()->rowCount() && !t->botaoContinuar()->isEnabled(); ++k) {
                const int j = t->busca()->item(k, 1)->data(Qt::UserRole).toInt();
                const bool goleiro = jogo->jogadores[j].posicao == 0;
                if (goleiro ? t->Goleiros() >= 2 : t->Linha() >= 20) continue;
                t->MarcarNaBusca(j);
                t->botaoAdicionar()->click();
            }
        }
        convocou = t->botaoContinuar()->isEnabled();
        t->botaoContinuar()->click();
    });
    convocacao.start(5);
    janela.ComecarJogo(jogo, true);
    convocacao.stop();
    EXPECT_EQ(convocou, podeconvocar);
    std::map<int, int> clubes; // player -> his club before the call-up
    for (std::size_t k = convocadosantes; k < jogo->convocados.size(); ++k)
        clubes[jogo->convocados[k].jogador] = jogo->convocados[k].time;
    if (podeconvocar) {
        EXPECT_EQ(clubes.size(), 22u);
        for (int j : JogadoresDe(*jogo, selecao)) EXPECT_TRUE(clubes.count(j)) << j;
    }

    apoio_telas::FecharDialogos fechar;
    int telas = 0, resultados = 0;
    bool tabela = false;
    std::set<std::pair<int, int>> vistas; // (date, team) of the screens played
    const bool terminou = apoio_telas::EsperarPor(
        [&] {
            if (!competitions::TorneioEmCurso(*jogo)) return true;
            auto* t = janela.TelaSelecao();
            if (t && janela.TelaAtual() == t &&
                vistas.insert({jogo->estado.dataatual, t->Selecao()}).second) {
                ++telas;
                EXPECT_EQ(t->Selecao(), selecao);
                EXPECT_FALSE(t->VezAnunciada()); // one coach: no hand-over
                t->caixaFormacao()->setCurrentIndex(0);
                emit t->caixaFormacao()->activated(0);
                EXPECT_TRUE(t->botaoJogar()->isEnabled());
                t->botaoJogar()->click();
            } else if (auto* r =
                           qobject_cast<temporada::telas::TelaResultados*>(janela.TelaAtual())) {
                resultados += jogo->estado.tipo == kCopaAmerica;
                if (jogo->estado.tipo == kCopaAmerica) ConferirResultados(*jogo, *r, selecao);
                if (!tabela && r->Chaves()) {
                    tabela = true;
                    EXPECT_EQ(r->Chaves()->text(), QStringLiteral("Tabela do torneio"));
                }
                r->Continuar()->click();
            }
            return false;
        },
        240000);
    ASSERT_TRUE(terminou) << "national-team screens " << telas << ", results " << resultados;
    EXPECT_GE(telas, 3);          // the three group dates at least
    EXPECT_EQ(resultados, datas); // every tournament date, watched on the clock
    EXPECT_TRUE(tabela);
    EXPECT_EQ(static_cast<int>(jogo->times.size()), numtimes);
    EXPECT_EQ(static_cast<int>(jogo->jogadores.size()), numjogadores);
    EXPECT_TRUE(jogo->convocados.empty());
    for (const auto& [j, c] : clubes) EXPECT_EQ(jogo->jogadores[j].time, c) << j;
}
