// The options, colours, finance, loan, name, load and language dialogs,
// driven through their widgets without exec().
#include "apoio/apoio.hpp"
#include "apoio_telas.hpp"
#include "competitions/calendario.hpp"
#include "management/financas.hpp"
#include "management/telas/telaemprestimo.hpp"
#include "management/telas/telafinancas.hpp"
#include "persistence/jogosalvo.hpp"
#include "persistence/telas/dialogocarregar.hpp"
#include "persistence/telas/dialogonome.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/datas.hpp"
#include "shell/dialogocores.hpp"
#include "shell/dialogoopcoes.hpp"
#include "shell/seletoridioma.hpp"
#include "ui/textos.hpp"
#include "world/idioma.hpp"
#include "world/opcoes.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string Opcao(const char* chave) {
    return world::leopcao(world::kSecaoOpcoes, chave);
}

template <class W> W* Achar(QWidget& tela, const char* nome) {
    W* w = tela.findChild<W*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
}

QString Texto(QWidget& tela, const char* nome) {
    QLabel* l = Achar<QLabel>(tela, nome);
    return l ? l->text() : QString();
}

// Saved games of one test only.
void EsvaziarSav() {
    std::error_code ec;
    fs::remove_all(persistence::PastaSav(), ec);
    fs::create_directories(persistence::PastaSav(), ec);
}

void GravarBytes(const fs::path& caminho, const std::vector<char>& bytes) {
    std::ofstream f(caminho, std::ios::binary);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

TEST(DialogoOpcoes, EveryChangeReachesTheFileAndTheGameAtOnce) {
    auto jogo = apoio_telas::NovoJogo({29});
    world::TOpcoes& o = jogo->estado.opcoes;
    o.opvelocidade = 800; // an empty settings file's speed: no item shows it
    o.opnhvelocidade = 600;
    o.op_verpenalty = 1;
    o.opvertrocatecnicos = 0;
    o.opcornalista = 0;
    jogo->ligas[0].visualizar = 0;
    shell::DialogoOpcoes d(*jogo);
    int mudancas = 0;
    QObject::connect(&d, &shell::DialogoOpcoes::coresMudaram, [&] { ++mudancas; });

    QComboBox* velocidade = Achar<QComboBox>(d, "opvelocidade");
    QComboBox* semhumanos = Achar<QComboBox>(d, "opnhvelocidade");
    ASSERT_TRUE(velocidade && semhumanos);
    EXPECT_EQ(velocidade->currentIndex(), -1);
    EXPECT_EQ(velocidade->count(), 6);
    EXPECT_EQ(semhumanos->count(), 7);
    EXPECT_EQ(semhumanos->currentIndex(), 4);
    EXPECT_EQ(semhumanos->itemText(6), ui::T(451));
    d.show();
    apoio_telas::Capturar(d, "tela_opcoes");

    velocidade->setCurrentIndex(3);
    EXPECT_EQ(Opcao("opvelocidade"), "3");
    EXPECT_EQ(o.opvelocidade, 500);
    semhumanos->setCurrentIndex(6);
    EXPECT_EQ(Opcao("opnhvelocidade"), "6");
    EXPECT_EQ(o.opnhvelocidade, 10);

    // Switching coach changes on leaves the shoot-out choice as it was.
    QComboBox* trocas = Achar<QComboBox>(d, "opvertrocatecnicos");
    QComboBox* penaltis = Achar<QComboBox>(d, "op_verpenalty");
    ASSERT_TRUE(trocas && penaltis);
    EXPECT_EQ(penaltis->currentIndex(), 1);
    trocas->setCurrentIndex(1);
    EXPECT_EQ(Opcao("opvertrocatecnicos"), "1");
    EXPECT_EQ(o.opvertrocatecnicos, 1);
    EXPECT_EQ(penaltis->currentIndex(), 1);
    EXPECT_EQ(o.op_verpenalty, 1);

    Achar<QComboBox>(d, "opsalvar")->setCurrentIndex(2);
    Achar<QComboBox>(d, "opver62")->setCurrentIndex(1);
    Achar<QCheckBox>(d, "opsom")->setChecked(!o.opsom);
    const bool som = o.opsom != 0;
    EXPECT_EQ(Opcao("opsom"), som ? "1" : "0");
    EXPECT_EQ(Opcao("opsalvar"), "2");

    Achar<QCheckBox>(d, "opcornalista")->setChecked(true);
    EXPECT_EQ(Opcao("opcornalista"), "1");
    EXPECT_EQ(mudancas, 1);

    // The leagues shown live in the game, not in the file.
    Achar<QCheckBox>(d, "liga0")->setChecked(true);
    EXPECT_EQ(jogo->ligas[0].visualizar, 1);

    // What a new game would read back from the file is what this game holds.
    world::TOpcoes lidas{};
    world::leopcoes(lidas);
    EXPECT_EQ(lidas.opvelocidade, 500);
    EXPECT_EQ(lidas.opnhvelocidade, 10);
    EXPECT_EQ(lidas.opsalvar, 2);
    EXPECT_EQ(lidas.opver62, 1);
    EXPECT_EQ(lidas.opsom != 0, som);
    EXPECT_EQ(lidas.opvertrocatecnicos, 1);
    EXPECT_EQ(lidas.opcornalista, 1);

    auto* abas = d.findChild<QTabWidget*>();
    ASSERT_NE(abas, nullptr);
    EXPECT_EQ(abas->tabText(0), ui::T(440));
    abas->setCurrentIndex(1);
    apoio_telas::Capturar(d, "tela_opcoes_ligas");
    abas->setCurrentIndex(2);
    apoio_telas::Capturar(d, "tela_opcoes_cores");
}

namespace {
class CoresDeTeste : public shell::DialogoCores {
public:
    using DialogoCores::DialogoCores;
    QColor resposta;

protected:
    QColor EscolherCor(const QColor&) override { return resposta; }
};
} // namespace

TEST(DialogoCores, PickedAndDefaultColoursAreWrittenAndApplied) {
    auto jogo = apoio_telas::NovoJogo({29});
    CoresDeTeste d(*jogo);
    int mudancas = 0;
    QObject::connect(&d, &shell::DialogoCores::coresMudaram, [&] { ++mudancas; });
    EXPECT_EQ(d.windowTitle(), ui::T(464));

    d.resposta = QColor(0x12, 0x34, 0x56);
    Achar<QPushButton>(d, "cor2")->click();
    EXPECT_EQ(jogo->estado.opcoes.cores[2], 0x563412);
    EXPECT_EQ(Opcao("cor2"), "$00563412");
    d.resposta = QColor(); // cancelled: nothing changes
    Achar<QPushButton>(d, "cor2")->click();
    EXPECT_EQ(jogo->estado.opcoes.cores[2], 0x563412);
    EXPECT_EQ(mudancas, 1);

    QPushButton* padrao = Achar<QPushButton>(d, "padrao");
    ASSERT_NE(padrao, nullptr);
    EXPECT_EQ(padrao->text(), ui::T(465));
    padrao->click();
    EXPECT_EQ(mudancas, 2);
    world::TOpcoes lidas{};
    world::leopcoes(lidas);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(jogo->estado.opcoes.cores[i], world::kCoresPadrao[i]);
        EXPECT_EQ(lidas.cores[i], world::kCoresPadrao[i]);
    }
}

TEST(TelaFinancas, ShowsTheStatementAsTheCoreSumsIt) {
    auto jogo = apoio_telas::NovoJogo({29});
    const int clube = jogo->estado.timeatual;
    world::TFinancas& f = management::FinancasDe(*jogo, clube);
    f.ingressos = 1234567;
    f.vendas = 2000000;
    f.premios = 7000000;
    f.patrocinio = 3000000;
    f.compras = 4500000;
    f.estadio = 800000;
    f.salarios = 2100000;
    f.juros = 15000;
    f.multas = 30000;
    {
        // Without a loan there is no weekly interest line.
        management::telas::TelaFinancas t(*jogo, clube);
        EXPECT_EQ(t.findChild<QLabel*>(QStringLiteral("jurossemanais")), nullptr);
    }
    f.emprestimo = 1500000;
    const management::ResumoFinancas r = management::ResumirFinancas(*jogo, clube);
    management::telas::TelaFinancas t(*jogo, clube);
    EXPECT_EQ(t.windowTitle(), QStringLiteral("Finanças"));
    EXPECT_EQ(Texto(t, "ingressos"), QStringLiteral("$1 234 567"));
    EXPECT_EQ(Texto(t, "entradas"), ui::Dinheiro(static_cast<int>(r.entradas)));
    EXPECT_EQ(Texto(t, "saidas"), ui::Dinheiro(static_cast<int>(r.saidas)));
    EXPECT_EQ(Texto(t, "saldo"), ui::Dinheiro(static_cast<int>(r.saldo)));
    EXPECT_EQ(Texto(t, "jurossemanais"), ui::Dinheiro(45000));
    EXPECT_EQ(Texto(t, "salariosemanal"), ui::Dinheiro(r.salariosemanal));
    EXPECT_EQ(Texto(t, "dinheiro"), ui::Dinheiro(jogo->times[clube].dinheiro));
    t.show();
    apoio_telas::Capturar(t, "tela_financas");

    // Sums past the cash range are shown whole, not wrapped round.
    f.vendas = 2100000000;
    f.premios = 2100000000;
    management::telas::TelaFinancas grande(*jogo, clube);
    EXPECT_FALSE(Texto(grande, "entradas").contains(QLatin1Char('-')));
}

TEST(TelaEmprestimo, BorrowsUpToTheLimitAndRepays) {
    auto jogo = apoio_telas::NovoJogo({29});
    const int clube = jogo->estado.timeatual;
    const world::i32 caixa = jogo->times[clube].dinheiro;
    management::telas::TelaEmprestimo t(*jogo, clube);
    int mudancas = 0;
    QObject::connect(&t, &management::telas::TelaEmprestimo::dinheiroMudou, [&] { ++mudancas; });
    QPushButton* pegar = Achar<QPushButton>(t, "pegar");
    QPushButton* pagar = Achar<QPushButton>(t, "pagar");
    ASSERT_TRUE(pegar && pagar);
    EXPECT_TRUE(pegar->isEnabled());
    EXPECT_FALSE(pagar->isEnabled());
    EXPECT_EQ(Texto(t, "dinheiro"), ui::DinheiroExtenso(caixa));

    for (int i = 0; i < 5; ++i) pegar->click();
    EXPECT_EQ(jogo->financas[clube].emprestimo, 2500000);
    EXPECT_EQ(jogo->times[clube].dinheiro, caixa + 2500000);
    EXPECT_FALSE(pegar->isEnabled());
    EXPECT_TRUE(pagar->isEnabled());
    EXPECT_EQ(mudancas, 5);
    EXPECT_EQ(Texto(t, "emprestado"), ui::DinheiroExtenso(2500000));
    EXPECT_EQ(Texto(t, "juros"), ui::DinheiroExtenso(75000));
    EXPECT_EQ(Texto(t, "dinheiro"), ui::DinheiroExtenso(caixa + 2500000));
    EXPECT_EQ(Texto(t, "motivo"), ui::T(2850) + ' ' + ui::DinheiroExtenso(2500000));
    t.show();
    apoio_telas::Capturar(t, "tela_emprestimo");

    pagar->click();
    EXPECT_EQ(jogo->financas[clube].emprestimo, 2000000);
    EXPECT_TRUE(pegar->isEnabled());
    EXPECT_TRUE(Texto(t, "motivo").isEmpty());
    EXPECT_EQ(mudancas, 6);
}

namespace {
class NomeDeTeste : public persistence::telas::DialogoNome {
public:
    bool resposta = false;
    int perguntas = 0;

protected:
    bool Confirmar() override {
        ++perguntas;
        return resposta;
    }
};
} // namespace

TEST(DialogoNome, NeedsANameAndAsksBeforeReplacingASave) {
    EsvaziarSav();
    {
        // "Cancelar" leaves with no name, whatever was typed.
        NomeDeTeste d;
        d.show();
        Achar<QLineEdit>(d, "nome")->setText(QStringLiteral("talvez"));
        Achar<QPushButton>(d, "cancelar")->click();
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_TRUE(d.Arquivo().empty());
        EXPECT_EQ(d.perguntas, 0);
    }
    {
        NomeDeTeste d;
        EXPECT_EQ(d.windowTitle(), ui::T(177));
        QLineEdit* nome = Achar<QLineEdit>(d, "nome");
        QPushButton* salvar = Achar<QPushButton>(d, "salvar");
        ASSERT_TRUE(nome && salvar);
        EXPECT_FALSE(salvar->isEnabled());
        nome->setText(QStringLiteral("Temporada João"));
        EXPECT_TRUE(salvar->isEnabled());
        nome->clear();
        EXPECT_FALSE(salvar->isEnabled());
        nome->setText(QStringLiteral("Temporada João"));
        salvar->click();
        EXPECT_EQ(d.perguntas, 0);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.Arquivo(), "Temporada Jo\xe3o.s07"); // Windows-1252, as `arquivo` keeps it
    }
    GravarBytes(persistence::PastaSav() / "velho.s07", {'x'});
    NomeDeTeste d;
    d.show();
    Achar<QLineEdit>(d, "nome")->setText(QStringLiteral("velho"));
    Achar<QPushButton>(d, "salvar")->click();
    EXPECT_EQ(d.perguntas, 1);
    EXPECT_TRUE(d.isVisible()); // "no" goes back to the name
    EXPECT_TRUE(d.Arquivo().empty());
    d.resposta = true;
    Achar<QPushButton>(d, "salvar")->click();
    EXPECT_EQ(d.perguntas, 2);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Arquivo(), "velho.s07");
}

namespace {
class CarregarDeTeste : public persistence::telas::DialogoCarregar {
public:
    bool resposta = false;
    int perguntas = 0;
    QStringList avisos;

protected:
    bool Confirmar(const QString& pergunta) override {
        EXPECT_EQ(pergunta, ui::T(356));
        ++perguntas;
        return resposta;
    }
    void Avisar(const QString& aviso) override { avisos << aviso; }
};

bool Selecionar(QWidget& d, const QString& nome) {
    QTreeWidget* lista = d.findChild<QTreeWidget*>(QStringLiteral("lista"));
    const auto achados = lista->findItems(nome, Qt::MatchStartsWith, 0);
    if (achados.isEmpty()) return false;
    lista->setCurrentItem(achados.front());
    return true;
}
} // namespace

TEST(DialogoCarregar, ListsDescribesAndDeletesSavedGames) {
    EsvaziarSav();
    auto jogo = apoio_telas::NovoJogo({29});
    jogo->estado.arquivo.set("partida.s07");
    ASSERT_TRUE(persistence::salvajogo(*jogo));
    // Another version's file: a whole header with the wrong marker.
    std::vector<char> outro(4 + sizeof(world::TEstadoJogo), 0);
    const world::i32 marcador = 1999;
    std::memcpy(outro.data() + 4 + 8, &marcador, sizeof marcador);
    GravarBytes(persistence::PastaSav() / "antigo.s07", outro);
    GravarBytes(persistence::PastaSav() / "curto.s07", {'a', 'b'});

    // A later league date before the season's tournament, for a second row
    // with a date of its own.
    world::Jogo depois = *jogo;
    int n = 50;
    while (depois.calendario[n - 1].competicao != 1) ++n;
    depois.estado.dataatual = n;
    depois.estado.tipo = 1;
    depois.estado.arquivo.set("depois.s07");
    ASSERT_TRUE(persistence::salvajogo(depois));

    CarregarDeTeste d;
    EXPECT_EQ(d.windowTitle(), ui::T(349));
    QTreeWidget* lista = Achar<QTreeWidget>(d, "lista");
    ASSERT_NE(lista, nullptr);
    ASSERT_EQ(lista->topLevelItemCount(), 4);
    EXPECT_TRUE(lista->topLevelItem(0)->text(0).startsWith(QStringLiteral("antigo.s07")));

    // Each row: the game's date, its club and its coach, without loading it;
    // the files that are no game say so.
    const world::TTime& time = jogo->times[jogo->estado.timeatual];
    const auto hoje = plataforma::DecodificarData(jogo->Hoje());
    const QString data = QDate(hoje.ano, hoje.mes, hoje.dia).toString(QStringLiteral("dd/MM/yyyy"));
    const QTreeWidgetItem* linha =
        lista->findItems(QStringLiteral("partida.s07"), Qt::MatchExactly, 0).front();
    EXPECT_EQ(linha->text(1), data);
    EXPECT_EQ(linha->text(2), ui::Q(time.nome.view()));
    EXPECT_EQ(linha->text(3), QStringLiteral("Tecnico 1"));
    const auto dia100 = plataforma::DecodificarData(competitions::DiaDaData(1, n));
    EXPECT_EQ(lista->findItems(QStringLiteral("depois.s07"), Qt::MatchExactly, 0).front()->text(1),
              QDate(dia100.ano, dia100.mes, dia100.dia).toString(QStringLiteral("dd/MM/yyyy")));
    for (const char* ilegivel : {"antigo.s07", "curto.s07"}) {
        const QTreeWidgetItem* l =
            lista->findItems(QString::fromLatin1(ilegivel), Qt::MatchStartsWith, 0).front();
        EXPECT_EQ(l->text(0), QString::fromLatin1(ilegivel) + QStringLiteral(" — ") + ui::T(357));
        EXPECT_TRUE(l->isFirstColumnSpanned());
        EXPECT_TRUE(l->text(1).isEmpty()) << ilegivel;
    }

    ASSERT_TRUE(Selecionar(d, QStringLiteral("partida.s07")));
    EXPECT_EQ(Texto(d, "tecnico"), QStringLiteral("Tecnico 1"));
    EXPECT_EQ(Texto(d, "time"), ui::Q(time.nome.view()));
    EXPECT_EQ(Texto(d, "data"), data);
    EXPECT_FALSE(Texto(d, "proximo").isEmpty());
    EXPECT_TRUE(Texto(d, "aviso").isEmpty());
    d.show();
    apoio_telas::Capturar(d, "tela_carregar");

    ASSERT_TRUE(Selecionar(d, QStringLiteral("antigo.s07")));
    EXPECT_EQ(Texto(d, "aviso"), ui::T(357));
    EXPECT_TRUE(Texto(d, "tecnico").isEmpty());
    EXPECT_TRUE(Texto(d, "data").isEmpty());
    Achar<QPushButton>(d, "carregar")->click(); // refused, the dialog stays
    EXPECT_EQ(d.avisos, QStringList{ui::T(357)});
    EXPECT_TRUE(d.isVisible());

    ASSERT_TRUE(Selecionar(d, QStringLiteral("curto.s07")));
    EXPECT_TRUE(Texto(d, "aviso").isEmpty());
    EXPECT_TRUE(Texto(d, "tecnico").isEmpty());

    Achar<QPushButton>(d, "apagar")->click(); // answered no
    EXPECT_EQ(d.perguntas, 1);
    EXPECT_TRUE(persistence::ArquivoSalvoExiste("curto.s07"));
    d.resposta = true;
    Achar<QPushButton>(d, "apagar")->click();
    EXPECT_FALSE(persistence::ArquivoSalvoExiste("curto.s07"));
    EXPECT_EQ(lista->topLevelItemCount(), 3);

    ASSERT_TRUE(Selecionar(d, QStringLiteral("partida.s07")));
    Achar<QPushButton>(d, "carregar")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Escolhido(), QStringLiteral("partida.s07"));
    world::Jogo carregado;
    EXPECT_TRUE(persistence::carregajogo(carregado, d.Escolhido().toStdString()));
}

TEST(SeletorIdioma, ChoosingEnglishChangesTheTexts) {
    const fs::path idiomas = fs::path(PITCHLORD_JOGO) / "languages";
    {
        // A copy of the languages, so the choice is remembered there and not
        // in the build's own folder.
        apoio::PastaTemporaria pasta;
        fs::create_directories(pasta / "languages");
        for (const char* f : {"10.txt", "11.txt"})
            fs::copy_file(idiomas / f, pasta / (std::string("languages/") + f));
        world::DefinirIdioma(10);
        const QString portugues = ui::T(1);
        shell::SeletorIdioma s;
        int trocas = 0;
        QObject::connect(&s, &shell::SeletorIdioma::idiomaTrocado, [&] { ++trocas; });
        ASSERT_EQ(s.count(), 2);
        EXPECT_EQ(s.currentData().toInt(), 10);
        s.setCurrentIndex(s.findData(11));
        EXPECT_EQ(trocas, 1);
        EXPECT_EQ(world::IdiomaAtual(), 11);
        EXPECT_EQ(world::LerIdiomaConfig(), 11);
        EXPECT_NE(ui::T(1), portugues);
        EXPECT_EQ(ui::T(1), QStringLiteral("New game"));
    }
    world::IniciarIdioma();
    EXPECT_EQ(world::IdiomaAtual(), 10);
}
