// The team editor's screens on a copy of the default world: opened from the
// menu, its lists, the forms driven through their widgets, the transfer
// dialog, the badge picker, a player dropped onto the national teams, and a
// file that cannot be written. Screenshots: tela_editor.png,
// tela_editor_jogador.png.
#include "apoio/apoio.hpp"
#include "apoio_telas.hpp"
#include "editor/telas/comum.hpp"
#include "editor/telas/dialogos.hpp"
#include "editor/telas/formularios.hpp"
#include "editor/telas/gradejogadores.hpp"
#include "editor/telas/telaeditor.hpp"
#include "shell/janelaprincipal.hpp"
#include "shell/menuprincipal.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/idioma.hpp"
#include "world/selecoes.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace fs = std::filesystem;
using namespace editor;
using editor::telas::DialogoTransferencia;
using editor::telas::FormClube;
using editor::telas::FormJogador;
using editor::telas::FormSelecao;
using editor::telas::SeletorEscudo;
using editor::telas::TelaEditor;

namespace {

// The editor with its questions answered by the test.
class EditorDeTeste : public TelaEditor {
public:
    using TelaEditor::TelaEditor;
    std::function<int(QDialog&)> responder;
    QStringList avisos;
    QStringList perguntas;
    QColor cor;

protected:
    int Executar(QDialog& d) override { return responder ? responder(d) : int(QDialog::Rejected); }
    void Avisar(const QString& t) override { avisos << t; }
    bool Confirmar(const QString& t) override {
        perguntas << t;
        return true;
    }
    QColor EscolherCor(const QColor&) override { return cor; }
};

// The default world copied where the editor may write.
class EditorTelas : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        pasta_ = std::make_unique<apoio::PastaTemporaria>();
        for (const char* d : {"teams", "languages", "img"})
            fs::copy(fs::path(PITCHLORD_JOGO) / d, *pasta_ / d, fs::copy_options::recursive);
        world::IniciarIdioma();
    }
    static void TearDownTestSuite() {
        pasta_.reset();
        world::IniciarIdioma();
    }
    static fs::path Pasta() { return pasta_->Caminho(); }
    static std::unique_ptr<apoio::PastaTemporaria> pasta_;
};
std::unique_ptr<apoio::PastaTemporaria> EditorTelas::pasta_;

int ClubeDoArquivo(const Editor& ed, std::string_view arquivo) {
    for (int i = 0; i < static_cast<int>(ed.clubes.size()); ++i)
        if (ed.clubes[static_cast<std::size_t>(i)].arquivo.cabecalho.arquivo.view() == arquivo)
            return i;
    return -1;
}

int FilaDe(const QTableWidget* t, int indice) {
    for (int f = 0; f < t->rowCount(); ++f)
        if (t->item(f, 0)->data(editor::telas::kPapelIndice).toInt() == indice) return f;
    return -1;
}

// Fills a player form and presses OK.
int Preencher(FormJogador& f, const QString& nome, int posicao) {
    f.campoNome->setText(nome);
    f.caixaPosicao->setCurrentIndex(f.caixaPosicao->findData(posicao));
    f.botaoOk()->click();
    return f.result();
}

void Soltar(QWidget* alvo, int clube, int vaga) {
    std::unique_ptr<QMimeData> mime(editor::telas::GradeJogadores::MimeDoJogador(clube, vaga));
    QDragEnterEvent entrar(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton,
                           Qt::NoModifier);
    QApplication::sendEvent(alvo, &entrar);
    EXPECT_TRUE(entrar.isAccepted());
    QDropEvent soltar(QPointF(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(alvo, &soltar);
    QApplication::processEvents(); // the drop is answered once the drag is over
}

} // namespace

TEST_F(EditorTelas, OpensEveryClubWithItsBarMovingAndShowsTheLists) {
    const int arquivos = static_cast<int>(ArquivosDeClubes().size());
    ASSERT_GT(arquivos, 1000);
    editor::telas::TelaCarregamento carregando;
    carregando.resize(800, 600);
    carregando.show();
    QList<int> valores;
    QObject::connect(carregando.barra(), &QProgressBar::valueChanged, [&](int v) { valores << v; });
    QElapsedTimer relogio;
    relogio.start();
    Editor ed = carregando.Carregar();
    const qint64 leitura = relogio.elapsed();
    EditorDeTeste tela(std::move(ed));
    const qint64 total = relogio.elapsed();
    std::printf("editor: %d club files read in %lld ms, screen ready in %lld ms\n", arquivos,
                static_cast<long long>(leitura), static_cast<long long>(total));
    EXPECT_EQ(carregando.barra()->maximum(), arquivos);
    EXPECT_EQ(carregando.barra()->value(), arquivos);
    EXPECT_GT(valores.size(), 10); // moving file by file, not in one jump

    EXPECT_EQ(tela.listaClubes()->rowCount(), arquivos);
    int selecoes = 0;
    for (int p = 0; p < world::kNumPaises; ++p) selecoes += TemSelecao(tela.editor(), p) ? 1 : 0;
    EXPECT_EQ(tela.listaSelecoes()->rowCount(), selecoes);

    // An incomplete club is shown differently from a complete one.
    const Editor& e = tela.editor();
    const int incompleto = ClubeDoArquivo(e, "zz_incompleto");
    int completo = 0;
    while (Incompleta(e, Equipe::Clube(completo))) ++completo;
    ASSERT_GE(incompleto, 0);
    const QTableWidget* lista = tela.listaClubes();
    EXPECT_TRUE(lista->item(FilaDe(lista, incompleto), 0)->font().italic());
    EXPECT_FALSE(lista->item(FilaDe(lista, completo), 0)->font().italic());

    // A club of the home country: players grouped by position, the totals.
    int clube = -1;
    for (int i = 0; i < static_cast<int>(e.clubes.size()) && clube < 0; ++i)
        if (e.clubes[static_cast<std::size_t>(i)].arquivo.cabecalho.pais == 29 &&
            e.clubes[static_cast<std::size_t>(i)].arquivo.cabecalho.nivel >= 20)
            clube = i;
    ASSERT_GE(clube, 0);
    ASSERT_TRUE(tela.Escolher(Equipe::Clube(clube)));
    const auto* g = tela.grade();
    ASSERT_EQ(g->rowCount(), ContarJogadores(e, Equipe::Clube(clube)));
    int anterior = 0;
    for (int f = 0; f < g->rowCount(); ++f) {
        const int p = DadosDoJogador(e, Equipe::Clube(clube), g->VagaDaFila(f)).posicao;
        EXPECT_GE(p, anterior);
        anterior = p;
    }
    EXPECT_EQ(tela.rotuloTotal()->text(),
              QStringLiteral("Total: %1 jogadores").arg(ContarJogadores(e, Equipe::Clube(clube))));
    EXPECT_EQ(tela.rotuloTitulares()->text(),
              QStringLiteral("Titulares: %1").arg(ContarTitulares(e, Equipe::Clube(clube))));
    EXPECT_EQ(tela.rotuloNome()->text(),
              ui::Q(e.clubes[static_cast<std::size_t>(clube)].arquivo.cabecalho.nome.view()));
    EXPECT_TRUE(tela.botaoApagarEquipe()->isVisible() || !tela.isVisible());
    tela.resize(1280, 800);
    tela.show();
    QApplication::processEvents();
    apoio_telas::Capturar(tela, "tela_editor");

    // The national teams: no delete, no transfer.
    tela.botaoSelecoes()->click();
    EXPECT_TRUE(tela.MostrandoSelecoes());
    QApplication::processEvents();
    apoio_telas::Capturar(tela, "tela_editor_selecoes");
    EXPECT_FALSE(tela.botaoApagarEquipe()->isVisible());
    EXPECT_FALSE(tela.botaoTransferir()->isVisible());
    ASSERT_TRUE(tela.EquipeAtual());
    EXPECT_TRUE(tela.EquipeAtual()->selecao);
    tela.botaoClubes()->click();
    EXPECT_FALSE(tela.MostrandoSelecoes());
}

TEST_F(EditorTelas, ANewClubItsPlayersATransferADropAndTheDelete) {
    EditorDeTeste tela(CarregarEditor());
    tela.resize(1280, 800);
    tela.show();
    QApplication::processEvents();
    const int antes = tela.listaClubes()->rowCount();

    // The new-club form: a missing field keeps it open with its message.
    bool viuEscudos = false;
    tela.cor = QColor(10, 20, 200);
    tela.responder = [&](QDialog& d) -> int {
        if (auto* s = qobject_cast<SeletorEscudo*>(&d)) {
            EXPECT_GT(s->Nomes().size(), 100u);
            EXPECT_TRUE(s->Nomes().front().empty()); // "no badge" first
            EXPECT_TRUE(s->Escolher(s->Nomes()[5]));
            EXPECT_FALSE(s->previa()->pixmap().isNull());
            viuEscudos = true;
            return QDialog::Accepted;
        }
        auto* f = qobject_cast<FormClube*>(&d);
        EXPECT_NE(f, nullptr);
        if (!f) return QDialog::Rejected;
        EXPECT_TRUE(f->campoArquivo->isVisibleTo(f));
        f->campoNomeCompleto->setText(QStringLiteral("Associação Teste"));
        f->botaoOk()->click();
        EXPECT_EQ(tela.avisos.value(0), QStringLiteral("Enter short name"));
        EXPECT_EQ(f->result(), QDialog::Rejected);
        f->campoNome->setText(QStringLiteral("Teste Ação"));
        f->campoTecnico->setText(QStringLiteral("Técnico Teste"));
        f->campoEstadio->setText(QStringLiteral("Estádio Teste"));
        f->campoArquivo->setText(QStringLiteral("teste_acao"));
        f->caixaPais->setCurrentIndex(f->caixaPais->findData(29));
        f->caixaNivel->setValue(14);
        f->cores->botaoFundo->click();
        f->cores->botaoEscudo->click();
        EXPECT_FALSE(f->cores->escudo.empty());
        f->botaoOk()->click();
        return f->result();
    };
    tela.botaoAdicionarEquipe()->click();
    EXPECT_TRUE(viuEscudos);
    ASSERT_EQ(tela.listaClubes()->rowCount(), antes + 1);
    ASSERT_TRUE(fs::exists(Pasta() / "teams/teste_acao.b07"));
    const int novo = ClubeDoArquivo(tela.editor(), "teste_acao");
    ASSERT_GE(novo, 0);
    ASSERT_TRUE(tela.EquipeAtual());
    EXPECT_EQ(tela.EquipeAtual()->indice, novo);
    const auto& cab = tela.editor().clubes[static_cast<std::size_t>(novo)].arquivo.cabecalho;
    EXPECT_EQ(cab.nome.view(), "Teste A\xe7\xe3o");
    EXPECT_EQ(cab.corfundo, 0xC8140A);
    EXPECT_EQ(cab.nivel, 14);
    EXPECT_TRUE(tela.listaClubes()->item(tela.listaClubes()->currentRow(), 0)->font().italic());

    // Players through the form: the goalkeeper's characteristics are 0..3,
    // an outfield player's 4..13; the first form is captured.
    int n = 0;
    tela.responder = [&](QDialog& d) -> int {
        auto* f = qobject_cast<FormJogador*>(&d);
        EXPECT_NE(f, nullptr);
        if (!f) return QDialog::Rejected;
        const int posicao = n == 0 ? 0 : 1 + n % 4;
        if (n == 0) {
            EXPECT_EQ(f->barraIdade->value(), 25);
            // His strength: a regular starter.
            EXPECT_FALSE(f->caixaTitular->isChecked());
            f->caixaTitular->setChecked(true);
            f->caixaPosicao->setCurrentIndex(f->caixaPosicao->findData(0));
            EXPECT_EQ(f->caixaCaract1->count(), 4);
            EXPECT_EQ(f->caixaCaract1->itemData(3).toInt(), 3);
            f->caixaPosicao->setCurrentIndex(f->caixaPosicao->findData(3));
            EXPECT_EQ(f->caixaCaract1->count(), 10);
            EXPECT_EQ(f->caixaCaract1->itemData(0).toInt(), 4);
            f->botaoOk()->click(); // no name yet
            EXPECT_EQ(tela.avisos.last(), QStringLiteral("Enter player name"));
            f->campoNome->setText(QStringLiteral("Goleiro Teste"));
            f->caixaPosicao->setCurrentIndex(f->caixaPosicao->findData(0));
            f->barraIdade->setValue(31);
            f->caixaCaract2->setCurrentIndex(2);
            f->show();
            QApplication::processEvents();
            apoio_telas::Capturar(*f, "tela_editor_jogador");
        }
        ++n;
        return Preencher(*f, QStringLiteral("Jogador %1").arg(n), posicao);
    };
    for (int k = 0; k < 11; ++k) tela.botaoAdicionarJogador()->click();
    EXPECT_EQ(tela.rotuloTotal()->text(), QStringLiteral("Total: 11 jogadores"));
    EXPECT_EQ(tela.rotuloTitulares()->text(), QStringLiteral("Titulares: 1"));
    // One goalkeeper and ten outfield players: still incomplete.
    EXPECT_EQ(world::learquivotime(Pasta() / "teams/teste_acao.b07")->cabecalho.valido, 0);
    tela.botaoAdicionarJogador()->click();
    EXPECT_EQ(world::learquivotime(Pasta() / "teams/teste_acao.b07")->cabecalho.valido, 1);
    EXPECT_FALSE(tela.listaClubes()->item(tela.listaClubes()->currentRow(), 0)->font().italic());
    const DadosJogador goleiro = DadosDoJogador(tela.editor(), Equipe::Clube(novo), 0);
    EXPECT_EQ(goleiro.nome, "Jogador 1");
    EXPECT_EQ(goleiro.idade, 31);
    EXPECT_EQ(goleiro.caract2, 2);
    EXPECT_TRUE(goleiro.titular);
    EXPECT_EQ(world::learquivotime(Pasta() / "teams/teste_acao.b07")->jogadores.titulares[0], 1);

    // The edit form names the club's state; the screen shows it by name.
    EXPECT_TRUE(tela.rotuloDetalhes()->text().contains(QStringLiteral("Estado: Acre")));
    tela.responder = [&](QDialog& d) -> int {
        auto* f = qobject_cast<FormClube*>(&d);
        EXPECT_NE(f, nullptr);
        if (!f) return QDialog::Rejected;
        EXPECT_EQ(f->caixaEstado->count(), kEstados);
        EXPECT_EQ(f->caixaEstado->currentText(), QStringLiteral("Acre"));
        f->caixaEstado->setCurrentIndex(f->caixaEstado->findText(QStringLiteral("São Paulo")));
        f->botaoOk()->click();
        return f->result();
    };
    tela.botaoEditarEquipe()->click();
    EXPECT_EQ(world::learquivotime(Pasta() / "teams/teste_acao.b07")->cabecalho.estado, 25);
    EXPECT_TRUE(tela.rotuloDetalhes()->text().contains(QStringLiteral("Estado: São Paulo")));

    // The transfer dialog takes only a club with room.
    int cheio = -1, livre = -1;
    for (int i = 0; i < static_cast<int>(tela.editor().clubes.size()); ++i) {
        if (i == novo) continue;
        if (cheio < 0 && ContarJogadores(tela.editor(), Equipe::Clube(i)) == 25) cheio = i;
        if (livre < 0 && ContarJogadores(tela.editor(), Equipe::Clube(i)) == 20) livre = i;
    }
    ASSERT_GE(cheio, 0);
    ASSERT_GE(livre, 0);
    ASSERT_TRUE(tela.EscolherJogador(3));
    tela.responder = [&](QDialog& d) -> int {
        auto* t = qobject_cast<DialogoTransferencia*>(&d);
        EXPECT_NE(t, nullptr);
        if (!t) return QDialog::Rejected;
        EXPECT_EQ(t->lista()->rowCount(), static_cast<int>(tela.editor().clubes.size()) - 1);
        EXPECT_TRUE(t->Escolher(cheio));
        EXPECT_FALSE(t->botaoTransferir()->isEnabled());
        EXPECT_TRUE(t->Escolher(livre));
        EXPECT_TRUE(t->botaoTransferir()->isEnabled());
        t->botaoTransferir()->click();
        return t->result();
    };
    tela.botaoTransferir()->click();
    EXPECT_EQ(ContarJogadores(tela.editor(), Equipe::Clube(livre)), 21);
    EXPECT_EQ(tela.rotuloTotal()->text(), QStringLiteral("Total: 11 jogadores"));
    EXPECT_EQ(
        tela.editor().clubes[static_cast<std::size_t>(novo)].arquivo.jogadores.nomes[3].view(),
        world::kNomeVazio);

    // A club player dropped onto "Seleções" joins his country's team.
    ASSERT_TRUE(TemSelecao(tela.editor(), 29));
    const int contador = tela.editor().selecoes[29]->registro.numjogadores;
    Soltar(tela.botaoSelecoes(), novo, 1);
    EXPECT_EQ(tela.editor().selecoes[29]->registro.numjogadores, contador + 1);
    EXPECT_TRUE(tela.rotuloAviso()->text().contains(QStringLiteral("Jogador 2")));
    EXPECT_EQ(world::LerArquivoSelecao(tela.editor().selecoes[29]->caminho)->numjogadores,
              contador + 1);
    // Again onto the list: he is there already.
    Soltar(tela.listaSelecoes()->viewport(), novo, 1);
    EXPECT_EQ(tela.avisos.last(), ui::Q(Mensagem({Falha::JaNaSelecao, {}})));

    // The national team's form: the country stays, the level changes.
    ASSERT_TRUE(tela.Escolher(Equipe::Selecao(29)));
    tela.responder = [&](QDialog& d) -> int {
        auto* f = qobject_cast<FormSelecao*>(&d);
        EXPECT_NE(f, nullptr);
        if (!f) return QDialog::Rejected;
        EXPECT_FALSE(f->caixaPais->isEnabled());
        f->caixaNivel->setValue(23);
        f->botaoOk()->click();
        return f->result();
    };
    tela.botaoEditarEquipe()->click();
    EXPECT_EQ(world::LerArquivoSelecao(tela.editor().selecoes[29]->caminho)->nivel, 23);

    // Deleting the new club asks, removes the file and the row, and a
    // reopened editor does not list it.
    ASSERT_TRUE(tela.Escolher(Equipe::Clube(novo)));
    tela.botaoApagarEquipe()->click();
    EXPECT_EQ(tela.perguntas.last(), ui::T(708));
    EXPECT_FALSE(fs::exists(Pasta() / "teams/teste_acao.b07"));
    EXPECT_EQ(tela.listaClubes()->rowCount(), antes);
    EXPECT_EQ(ClubeDoArquivo(CarregarEditor(), "teste_acao"), -1);

    QSignalSpy menu(&tela, &TelaEditor::menuPrincipal), sair(&tela, &TelaEditor::sairDoJogo);
    tela.botaoMenu()->click();
    tela.botaoSair()->click();
    EXPECT_EQ(menu.count(), 1);
    EXPECT_EQ(sair.count(), 1);
    // Their texts come from the language file like every other.
    EXPECT_EQ(tela.botaoMenu()->text(), ui::T(2700));
    EXPECT_EQ(tela.botaoMenu()->text(), QStringLiteral("Menu principal"));
    EXPECT_EQ(tela.botaoSair()->text(), ui::T(4));
}

TEST_F(EditorTelas, AFileThatCannotBeWrittenIsNamedAndTheChangeStaysOnScreen) {
    EditorDeTeste tela(CarregarEditor());
    const int clube = 3;
    const fs::path arquivo = tela.editor().clubes[clube].caminho;
    fs::rename(arquivo, fs::path(arquivo) += ".guardado");
    fs::create_directories(fs::path(arquivo) / "x"); // nothing can be written there
    ASSERT_TRUE(tela.Escolher(Equipe::Clube(clube)));
    ASSERT_TRUE(tela.EscolherJogador(tela.grade()->VagaDaFila(0)));
    tela.responder = [&](QDialog& d) -> int {
        auto* f = qobject_cast<FormJogador*>(&d);
        if (!f) return QDialog::Rejected;
        f->campoNome->setText(QStringLiteral("Nome Novo"));
        f->botaoOk()->click();
        return f->result();
    };
    tela.botaoEditarJogador()->click();
    ASSERT_EQ(tela.avisos.size(), 1);
    EXPECT_TRUE(tela.avisos[0].contains(QString::fromStdString(arquivo.filename().string())));
    EXPECT_EQ(tela.grade()->item(0, TelaEditor::kColNome)->text(), QStringLiteral("Nome Novo"));
    fs::remove_all(arquivo);
    fs::rename(fs::path(arquivo) += ".guardado", arquivo);
}

TEST_F(EditorTelas, TheMenuOpensTheEditorAndMainMenuComesBack) {
    shell::JanelaPrincipal janela;
    janela.show();
    emit janela.Menu()->editor();
    ASSERT_NE(janela.TelaEditor(), nullptr);
    EXPECT_EQ(janela.TelaAtual(), janela.TelaEditor());
    auto* tela = qobject_cast<TelaEditor*>(janela.TelaEditor());
    ASSERT_NE(tela, nullptr);
    EXPECT_GT(tela->listaClubes()->rowCount(), 1000);
    tela->botaoMenu()->click();
    EXPECT_EQ(janela.TelaAtual(), janela.Menu());
    EXPECT_EQ(janela.TelaEditor(), nullptr);
    // The menu's entry is enabled.
    bool achou = false;
    for (QLabel* l : janela.Menu()->findChildren<QLabel*>())
        if (l->text() == ui::T(3)) {
            achou = true;
            EXPECT_TRUE(l->isEnabled());
        }
    EXPECT_TRUE(achou);
}

// The editor and its forms fit a 1024 x 768 desktop (the default world of the
// build, read only).
TEST(Tamanhos, TheEditorAndItsFormsFit1024x768) {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s || s->availableSize() != QSize(1024, 768))
        GTEST_SKIP() << "measured on a 1024 x 768 screen";
    EditorDeTeste tela(CarregarEditor());
    DadosClube clube = DadosDoClube(tela.editor(), 0);
    FormClube formclube(false, clube, {}, [](const DadosClube&) { return Resultado{}; });
    FormJogador formjogador(true, DadosJogador{}, {},
                            [](const DadosJogador&) { return Resultado{}; });
    DialogoTransferencia transferencia(tela.editor(), 0, 0);
    SeletorEscudo escudos(false, {});
    for (auto [w, nome] : {std::pair<QWidget*, const char*>{&tela, "editor"},
                           {&formclube, "editor_clube"},
                           {&formjogador, "editor_jogador"},
                           {&transferencia, "editor_transferencia"},
                           {&escudos, "editor_escudo"}}) {
        const QSize sala = ui::EspacoNaTela(w);
        w->ensurePolished();
        if (w->layout()) w->layout()->activate();
        const QSize minimo = w->minimumSizeHint().expandedTo(w->minimumSize());
        EXPECT_LE(minimo.width(), sala.width()) << nome;
        EXPECT_LE(minimo.height(), sala.height()) << nome;
        if (w == &tela) w->resize(sala);
        w->show();
        QApplication::processEvents();
        EXPECT_LE(w->width(), sala.width()) << nome;
        EXPECT_LE(w->height(), sala.height()) << nome;
        apoio_telas::Capturar(*w, std::string("tela_1024_") + nome);
        w->hide();
    }
}
