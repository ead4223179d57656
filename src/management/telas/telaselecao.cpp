#include "management/telas/telaselecao.hpp"

#include "competitions/telas/telatorneio.hpp"
#include "competitions/torneios.hpp"
#include "management/escalacao.hpp"
#include "management/escalacaoformacao.hpp"
#include "management/escalacaotatica.hpp"
#include "management/fichajogador.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telajogador.hpp"
#include "ui/fundo.hpp"
#include "ui/janelas.hpp"
#include "ui/rotulocortado.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/posicoes.hpp"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace management::telas {

using namespace world;

namespace {

QAction* Entrada(QWidget* tela, QMenu* menu, const QString& texto, QKeySequence tecla = {}) {
    QAction* a = menu->addAction(texto);
    if (!tecla.isEmpty()) a->setShortcut(tecla);
    // The keys work wherever the focus is on the screen, menu closed.
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    tela->addAction(a);
    return a;
}

} // namespace

TelaSelecao::TelaSelecao(Jogo& jogo, QWidget* pai) : QWidget(pai), jogo_(jogo) {
    ui::PintarFundo(this, ui::kFundoListas);
    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(6, 2, 6, 6);
    MontarMenus();
    ui::Painel(menus_);
    coluna->setMenuBar(menus_);
    cabecalho_ = new CabecalhoClube(CabecalhoClube::Tipo::Selecao);
    coluna->addWidget(cabecalho_);
    meio_ = new QWidget;
    auto* meio = new QHBoxLayout(meio_);
    meio->setContentsMargins(0, 0, 0, 0);
    grade_ = new GradeElenco(jogo_, this);
    grade_->ModoSelecao();
    meio->addWidget(grade_, 1);
    meio->addWidget(MontarPainel());
    paginas_ = new QStackedWidget;
    paginas_->addWidget(meio_);
    paginas_->addWidget(MontarVez());
    coluna->addWidget(paginas_, 1);
    connect(grade_, &GradeElenco::alterada, this, &TelaSelecao::Validar);
    connect(grade_, &GradeElenco::abrirJogador, this, &TelaSelecao::AbrirFicha);
    setMinimumSize(1000, 640);
    // Alt+F4 does not close the game from here.
    auto* altf4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    altf4->setContext(Qt::WidgetWithChildrenShortcut);
}

void TelaSelecao::MontarMenus() {
    menus_ = new QMenuBar(this);
    menus_->setNativeMenuBar(false);
    QMenu* jogo = menus_->addMenu(QStringLiteral("&Jogo"));
    connect(Entrada(this, jogo, ui::T(ui::kTextoSalvar), QKeySequence(Qt::Key_F2)),
            &QAction::triggered, this, &TelaSelecao::salvar);
    connect(Entrada(this, jogo, ui::T(ui::kTextoOpcoes), QKeySequence(Qt::Key_F3)),
            &QAction::triggered, this, &TelaSelecao::opcoes);
    jogo->addSeparator();
    connect(Entrada(this, jogo, QStringLiteral("Sair do jogo")), &QAction::triggered, this,
            &TelaSelecao::sair);
    QMenu* selecao = menus_->addMenu(QStringLiteral("&Seleção"));
    connect(Entrada(this, selecao, QStringLiteral("Posição do jogador")), &QAction::triggered, this,
            &TelaSelecao::AbrirPosicao);
    QMenu* torneio = menus_->addMenu(QStringLiteral("&Torneio"));
    connect(Entrada(this, torneio, QStringLiteral("Tabela de jogos"),
                    QKeySequence(Qt::CTRL | Qt::Key_T)),
            &QAction::triggered, this, &TelaSelecao::torneio);
}

QWidget* TelaSelecao::MontarVez() {
    auto* quadro = ui::Quadro();
    auto* v = new QVBoxLayout(quadro);
    v->addStretch();
    textovez_ = new QLabel;
    textovez_->setAlignment(Qt::AlignCenter);
    textovez_->setWordWrap(true);
    QFont f = textovez_->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    textovez_->setFont(f);
    v->addWidget(textovez_);
    v->addSpacing(16);
    auto* pronto = new QPushButton(QStringLiteral("Sou eu: mostrar a minha seleção"));
    pronto->setMinimumHeight(40);
    connect(pronto, &QPushButton::clicked, this, &TelaSelecao::AceitarVez);
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(pronto);
    h->addStretch();
    v->addLayout(h);
    v->addStretch();
    vez_ = quadro;
    return quadro;
}

void TelaSelecao::AnunciarVez() {
    QString tecnico;
    if (const int h = competitions::HumanoDaSelecao(jogo_, Time());
        h >= 0 && jogo_.TecnicoValido(jogo_.estado.humanos[h]))
        tecnico = ui::Q(jogo_.tecnicos[jogo_.estado.humanos[h]].nome.view());
    textovez_->setText(
        QStringLiteral("Vez de %1\n%2")
            .arg(tecnico, Time() >= 0 ? ui::Q(jogo_.times[Time()].nome.view()) : QString()));
    paginas_->setCurrentWidget(vez_);
    vez_->findChild<QPushButton*>()->setFocus();
}

bool TelaSelecao::VezAnunciada() const {
    return paginas_->currentWidget() == vez_;
}

void TelaSelecao::AceitarVez() {
    if (!VezAnunciada()) return;
    paginas_->setCurrentWidget(meio_);
    grade_->setFocus();
    emit vezAceita();
}

QWidget* TelaSelecao::MontarPainel() {
    auto* painel = ui::Quadro();
    painel->setFixedWidth(kLarguraPainelEscalacao);
    auto* v = new QVBoxLayout(painel);
    v->setContentsMargins(8, 6, 8, 8);
    auto* f = new QFormLayout;
    f->setRowWrapPolicy(QFormLayout::WrapAllRows);
    f->setLabelAlignment(Qt::AlignRight);
    caixas_.Montar(
        this, f, jogo_, grade_, [this] { return Time(); }, [this] { Validar(); });
    v->addLayout(f);
    v->addSpacing(8);
    v->addWidget(caixas_.selecionados);
    v->addStretch();
    auto* tabela = new QPushButton(QStringLiteral("Tabela do torneio"));
    tabela->setObjectName(QStringLiteral("tabela"));
    tabela->setAutoDefault(false);
    connect(tabela, &QPushButton::clicked, this, &TelaSelecao::torneio);
    v->addWidget(tabela);
    jogar_ = new QPushButton(QStringLiteral("Jogar >>"));
    QFont grande = jogar_->font();
    grande.setPointSize(grande.pointSize() + 4);
    grande.setBold(true);
    jogar_->setFont(grande);
    jogar_->setMinimumHeight(48);
    connect(jogar_, &QPushButton::clicked, this, &TelaSelecao::Jogar);
    v->addWidget(jogar_);
    return painel;
}

int TelaSelecao::Time() const {
    return jogo_.TimeValido(selecao_) ? selecao_ : -1;
}

double TelaSelecao::Hoje() const {
    const int n = jogo_.estado.dataatual;
    return n >= 1 && n <= kDatasPorTemporada ? jogo_.calendario[n - 1].data : 0.0;
}

void TelaSelecao::Mostrar(int selecao) {
    selecao_ = selecao;
    paginas_->setCurrentWidget(meio_);
    Atualizar();
    grade_->setFocus();
}

void TelaSelecao::Atualizar() {
    const int c = Time();
    Grade g = c >= 0 ? PreencherGrade(jogo_, c, jogo_.estado.tipo, Hoje()) : Grade{};
    const bool mesma = g.clube == chavetime_ && jogo_.estado.temporada == chavetemporada_ &&
                       jogo_.estado.dataatual == chavedata_;
    if (temporadalembradas_ != jogo_.estado.temporada) {
        lembradas_.clear();
        temporadalembradas_ = jogo_.estado.temporada;
    }
    if (mesma) {
        ManterSelecao(g, grade_->grade());
    } else {
        chavetime_ = g.clube;
        chavetemporada_ = jogo_.estado.temporada;
        chavedata_ = jogo_.estado.dataatual;
        if (const auto l = lembradas_.find(g.clube); l != lembradas_.end())
            ManterSelecao(g, l->second);
    }
    const Disponiveis d = c >= 0 ? RecontarDisponiveis(jogo_, g) : Disponiveis{};
    caixas_.PreencherFormacoes(d);
    grade_->Mostrar(std::move(g));
    caixas_.Preencher(jogo_, grade_->grade(), Time());
    AtualizarCabecalho();
    Validar();
}

void TelaSelecao::AtualizarCabecalho() {
    const int c = Time();
    cabecalho_->MostrarTime(jogo_, c);
    cabecalho_->MostrarData(Hoje());
    cabecalho_->MostrarTorneio(competitions::telas::NomeDoTorneio(jogo_.estado.torneio.codigo));
    // The coach of the team on screen and the club he keeps meanwhile.
    QString tecnico;
    for (int h = 0; h < 6; ++h) {
        if (c < 0 || competitions::SelecaoDoHumano(jogo_, h) != c) continue;
        const int k = jogo_.estado.humanos[h];
        if (!jogo_.TecnicoValido(k)) break;
        tecnico = ui::Q(jogo_.tecnicos[k].nome.view());
        const int clube = jogo_.tecnicos[k].time;
        if (jogo_.TimeValido(clube) && !competitions::EhSelecaoDoTorneio(jogo_, clube))
            tecnico +=
                QStringLiteral(" (") + ui::Q(jogo_.times[clube].nome.view()) + QLatin1Char(')');
        break;
    }
    cabecalho_->MostrarTecnico(tecnico);
    cabecalho_->MostrarAdversario(jogo_, c, Hoje());
}

void TelaSelecao::Validar() {
    if (Time() < 0) {
        jogar_->setEnabled(false);
        return;
    }
    jogar_->setEnabled(caixas_.Validar(jogo_, grade_->grade()).podejogar);
}

void TelaSelecao::Jogar() {
    if (Time() < 0 || !ValidarEscalacao(jogo_, grade_->grade()).podejogar) return;
    ConfirmarEscalacao(jogo_, grade_->grade());
    lembradas_[Time()] = grade_->grade();
    // Committed once: the button waits for the next team or date.
    jogar_->setEnabled(false);
    emit jogar();
}

void TelaSelecao::AbrirFicha(int jogador) {
    TelaJogador ficha(jogo_, jogador, this);
    ficha.exec();
}

void TelaSelecao::AbrirPosicao() {
    const int linha = grade_->LinhaDaFila(grade_->currentRow());
    if (linha < 0) return;
    const int jogador = grade_->grade().linhas[linha].jogador;
    if (!jogo_.JogadorValido(jogador)) return;
    DialogoPosicaoJogador dialogo(jogo_, jogador, this);
    if (dialogo.exec() != QDialog::Accepted) return;
    if (!MudarPosicao(jogo_, grade_->grade(), linha, dialogo.Posicao(), dialogo.Funcao())) return;
    // The row shows the new position and the formation counts change.
    Atualizar();
}

void TelaSelecao::Avisar(const QString& texto) {
    cabecalho_->Avisar(texto);
}

void TelaSelecao::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && e->modifiers() == Qt::NoModifier) {
        if (VezAnunciada()) {
            AceitarVez();
            return;
        }
        // Enter on the squad opens a player's card; elsewhere it plays.
        QWidget* foco = QApplication::focusWidget();
        const bool nagrade = foco && (foco == grade_ || grade_->isAncestorOf(foco));
        if (!nagrade && jogar_->isEnabled()) {
            jogar_->click();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

DialogoPosicaoJogador::DialogoPosicaoJogador(const Jogo& jogo, int jogador, QWidget* pai)
    : QDialog(pai), jogo_(jogo), jogador_(jogador) {
    setWindowTitle(QStringLiteral("Posição do jogador"));
    const TJogador& j = jogo.jogadores[jogador];
    auto* v = new QVBoxLayout(this);
    v->addWidget(ui::Negrito(ui::Q(j.nome.view())));
    QString original = QStringLiteral("Posição original: ") + ui::Q(NomePosicao(j.posicao));
    if (j.posicaoatual != j.posicao)
        original += QStringLiteral("  (Improvisado como: ") + ui::Q(NomePosicao(j.posicaoatual)) +
                    QLatin1Char(')');
    v->addWidget(new QLabel(original));
    auto* f = new QFormLayout;
    posicao_ = new QComboBox;
    for (int p = kGoleiro; p <= kAtacante; ++p) posicao_->addItem(ui::Q(NomePosicao(p)));
    posicao_->addItem(QStringLiteral("Voltar posição original"));
    posicao_->setCurrentIndex(j.posicaoatual >= kGoleiro && j.posicaoatual <= kAtacante
                                  ? j.posicaoatual
                                  : kVoltarOriginal);
    f->addRow(QStringLiteral("Improvisar como:"), posicao_);
    funcao_ = new QComboBox;
    f->addRow(QStringLiteral("Função:"), funcao_);
    v->addLayout(f);
    auto* nota = new QLabel(QStringLiteral(
        "Um jogador improvisado fora da sua posição pode render menos do que o normal."));
    nota->setWordWrap(true);
    v->addWidget(nota);
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(botoes);
    EncherFuncoes();
    if (j.funcao >= 0 && j.funcao < funcao_->count()) funcao_->setCurrentIndex(j.funcao);
    connect(posicao_, &QComboBox::currentIndexChanged, this, &DialogoPosicaoJogador::EncherFuncoes);
}

int DialogoPosicaoJogador::Posicao() const {
    const int p = posicao_->currentIndex();
    return p >= kGoleiro && p <= kAtacante ? p : -1;
}

int DialogoPosicaoJogador::Funcao() const {
    return std::max(0, funcao_->currentIndex());
}

void DialogoPosicaoJogador::EncherFuncoes() {
    const int p = Posicao() >= 0 ? Posicao() : jogo_.jogadores[jogador_].posicao;
    funcao_->clear();
    for (const std::string& t : ItensFuncao(p)) funcao_->addItem(ui::Q(t));
    funcao_->setCurrentIndex(0);
}

} // namespace management::telas
