// answers, "Marcar amistoso" booking a friendly, "Aposentar jogador" putting a
// junior in a veteran's place, and the squad grid's contract column.
#include "apoio_telas.hpp"
#include "management/amistosos.hpp"
#include "management/fichajogador.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telaamistoso.hpp"
#include "management/telas/telaaposentar.hpp"
#include "management/telas/telacontrato.hpp"
#include "management/telas/telaprincipal.hpp"
#include "plataforma/datas.hpp"
#include "ui/textos.hpp"
#include "world/posicoes.hpp"
// Running the club on a real new game: "Propor novo contrato" with its

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace world;
using namespace management::telas;

namespace {

std::vector<int> Elenco(const Jogo& jogo, int c) {
    std::vector<int> r;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == c) r.push_back(static_cast<int>(i));
    return r;
}

} // namespace

TEST(TelaContrato, ARaiseIsSignedARefusalAsksMoreAndAnAbsurdOfferIsCapped) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    const int c = jogo->estado.timeatual;
    const int j = Elenco(*jogo, c).front();
    TJogador& p = jogo->jogadores[j];
    p.salario = 10'000;
    jogo->times[c].colocacao[1] = 1; // the leader pays dearly
    management::InteracaoMercado ia;
    TelaContrato tela(*jogo, j, ia);
    tela.show();
    EXPECT_EQ(tela.campoSalario()->text(), QStringLiteral("10000"));
    tela.botaoMais()->click();
    EXPECT_EQ(tela.campoSalario()->text(), QStringLiteral("10500"));
    tela.botaoMenos()->click();
    tela.campoSalario()->setText(QStringLiteral("10600"));
    tela.botaoOferecer()->click();
    EXPECT_TRUE(tela.mensagem()->text().startsWith(QStringLiteral("Jogador recusou")));
    EXPECT_TRUE(tela.mensagem()->text().endsWith(QStringLiteral("11 700")));
    EXPECT_TRUE(tela.botaoAceita()->isVisible());
    tela.adjustSize();
    QApplication::processEvents();
    apoio_telas::Capturar(tela, "tela_contrato");

    tela.campoSalario()->setText(QStringLiteral("900000"));
    EXPECT_FALSE(tela.botaoAceita()->isVisible()); // a new amount: the demand is gone
    tela.botaoOferecer()->click();
    EXPECT_EQ(tela.mensagem()->text(), ui::T(799) + QStringLiteral(" 50 000"));
    EXPECT_EQ(p.salario, 10'000);

    // The end the offer would give follows the length chosen, and is the
    // end signed.
    auto ate = [&](int semanas) {
        return QStringLiteral("até ") + ui::Q(plataforma::TextoData(jogo->Hoje() + 7 * semanas));
    };
    EXPECT_EQ(tela.rotuloNovoFim()->text(), ate(24));
    tela.caixaSemanas()->setCurrentIndex(2);
    EXPECT_EQ(tela.rotuloNovoFim()->text(), ate(48));
    tela.campoSalario()->setText(QStringLiteral("10600"));
    tela.botaoOferecer()->click();
    tela.botaoAceita()->click();
    EXPECT_EQ(p.salario, 11'700);
    EXPECT_EQ(p.contrato, jogo->Hoje() + 7 * 48);
    EXPECT_EQ(tela.rotuloNovoFim()->text(), ate(48));
    EXPECT_EQ(tela.mensagem()->text(), ui::T(2300));
    EXPECT_TRUE(tela.mudou());
    EXPECT_FALSE(tela.botaoOferecer()->isEnabled());

    // The arrows' limits.
    TelaContrato outra(*jogo, j, ia);
    outra.campoSalario()->setText(QStringLiteral("500"));
    EXPECT_FALSE(outra.botaoMenos()->isEnabled());
    outra.campoSalario()->setText(QStringLiteral("9999500"));
    EXPECT_FALSE(outra.botaoMais()->isEnabled());
    outra.campoSalario()->setText(QString());
    EXPECT_FALSE(outra.botaoOferecer()->isEnabled());
}

TEST(TelaAmistoso, ADateAnOpponentTheFeeAndTheBooking) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    const int c = jogo->estado.timeatual;
    const std::vector<int> datas = management::DatasParaAmistoso(*jogo, c, false);
    ASSERT_GE(datas.size(), 2u);
    // A club of the country's lowest division, with the cash for the fee
    // away from home (the cheaper one) and not at home.
    int quarta = -1;
    for (int a : management::AdversariosDeAmistoso(*jogo, c))
        if (jogo->times[a].pais == jogo->times[c].pais &&
            (quarta < 0 || jogo->times[a].divisao > jogo->times[quarta].divisao))
            quarta = a;
    ASSERT_GE(quarta, 0);
    const i32 casa = management::CotaDoAmistoso(*jogo, c, quarta, true);
    const i32 fora = management::CotaDoAmistoso(*jogo, c, quarta, false);
    ASSERT_LT(fora, casa);
    jogo->times[c].dinheiro = fora + 5'000;
    TelaAmistoso tela(*jogo, c, false);
    int perguntas = 0;
    tela.confirmar = [&](const QString& texto) {
        EXPECT_EQ(texto, ui::T(2212));
        return ++perguntas > 0;
    };
    tela.show();
    EXPECT_EQ(tela.listaDatas()->count(), static_cast<int>(datas.size()));
    EXPECT_FALSE(tela.botaoOk()->isEnabled());
    ASSERT_TRUE(tela.EscolherData(datas[0]));
    ASSERT_TRUE(tela.EscolherAdversario(quarta));
    tela.caixaLocal()->setCurrentIndex(1); // at home
    EXPECT_TRUE(tela.rotuloCota()->text().endsWith(ui::Dinheiro(casa)));
    tela.botaoOk()->click();
    EXPECT_TRUE(tela.mensagem()->text().startsWith(ui::T(2211)));
    EXPECT_EQ(perguntas, 0);
    tela.caixaLocal()->setCurrentIndex(0); // at the opponent's
    tela.botaoOk()->click();
    EXPECT_EQ(perguntas, 1);
    EXPECT_EQ(jogo->times[c].dinheiro, 5'000);
    ASSERT_EQ(jogo->amistosos.size(), 1u);
    EXPECT_EQ(tela.listaDatas()->count(), static_cast<int>(datas.size()) - 1);
    EXPECT_FALSE(tela.EscolherData(datas[0]));
    EXPECT_FALSE(tela.botaoOk()->isEnabled());
    EXPECT_FALSE(tela.caixaAdversario()->isEnabled());
    EXPECT_EQ(tela.listaMarcados()->count(), 1);
    tela.EscolherData(datas[1]);
    EXPECT_TRUE(tela.caixaAdversario()->isEnabled());
    QApplication::processEvents();
    apoio_telas::Capturar(tela, "tela_amistoso");
}

TEST(TelaAposentar, OnlyFrom32AndTheJuniorTakesTheRecord) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    const int c = jogo->estado.timeatual;
    const int j = Elenco(*jogo, c).back();
    TJogador& p = jogo->jogadores[j];
    p.idade = 31;
    {
        TelaAposentar tela(*jogo, j);
        EXPECT_FALSE(tela.botaoAposentar()->isEnabled());
    }
    p.idade = 32;
    TelaAposentar tela(*jogo, j);
    tela.show();
    EXPECT_EQ(tela.campoNome()->text(), ui::Q(p.nome.view()));
    EXPECT_TRUE(tela.botaoAposentar()->isEnabled());
    tela.campoNome()->setText(QStringLiteral("   "));
    EXPECT_FALSE(tela.botaoAposentar()->isEnabled());
    tela.campoNome()->setText(QStringLiteral("Joãozinho Promessa"));
    tela.caixaPosicao()->setCurrentIndex(kAtacante);
    QApplication::processEvents();
    apoio_telas::Capturar(tela, "tela_aposentar");
    tela.botaoAposentar()->click();
    EXPECT_TRUE(tela.aposentou());
    EXPECT_EQ(ui::Q(p.nome.view()), QStringLiteral("Joãozinho Promessa"));
    EXPECT_GE(p.idade, 17);
    EXPECT_LE(p.idade, 20);
    EXPECT_GE(p.forca, 1);
    EXPECT_LE(p.forca, 20);
    EXPECT_EQ(p.posicao, kAtacante);
    EXPECT_EQ(p.time, c);
}

TEST(GradeContrato, EndedAndEndingContractsStandOutAndTheMenuOffersRenewalAndRetirement) {
    auto jogo = apoio_telas::NovoJogo({29}, 1);
    const int c = jogo->estado.timeatual;
    const std::vector<int> elenco = Elenco(*jogo, c);
    jogo->jogadores[elenco[0]].contrato = jogo->Hoje() - 1;
    jogo->jogadores[elenco[1]].contrato = jogo->Hoje() + 10;
    jogo->jogadores[elenco[1]].idade = 33;
    jogo->jogadores[elenco[2]].idade = 31;
    TelaPrincipal tela(*jogo);
    GradeElenco& g = *tela.grade();
    int encerrados = 0, avisados = 0;
    for (int f = 0; f < g.rowCount(); ++f) {
        const int j = g.JogadorDaFila(f);
        QTableWidgetItem* it = g.item(f, GradeElenco::kColContrato);
        ASSERT_NE(it, nullptr);
        EXPECT_FALSE(it->text().isEmpty());
        if (j == elenco[0]) {
            EXPECT_EQ(it->background().color(), GradeElenco::CorContratoEncerrado());
            EXPECT_TRUE(it->toolTip().contains(QStringLiteral("encerrado")));
            ++encerrados;
        }
        if (j == elenco[1]) {
            EXPECT_TRUE(it->font().bold());
            ++avisados;
            std::unique_ptr<QMenu> menu(g.MenuDaFila(f));
            ASSERT_TRUE(menu);
            const auto acoes = menu->actions();
            ASSERT_EQ(acoes.size(), 4);
            EXPECT_TRUE(acoes[2]->text().startsWith(QStringLiteral("Propor novo contrato")));
            EXPECT_TRUE(acoes[3]->isEnabled());
        }
        if (j == elenco[2]) {
            std::unique_ptr<QMenu> menu(g.MenuDaFila(f));
            EXPECT_FALSE(menu->actions()[3]->isEnabled()); // 31: too young to retire
        }
    }
    EXPECT_EQ(encerrados, 1);
    EXPECT_EQ(avisados, 1);
}
