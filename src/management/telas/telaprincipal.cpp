#include "management/telas/telaprincipal.hpp"

#include "management/envelhecimento.hpp"

#include "management/atualizacao.hpp"
#include "world/emails.hpp"

#include "management/escalacaoformacao.hpp"
#include "management/escalacaotatica.hpp"
#include "management/fichajogador.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telaaposentar.hpp"
#include "management/telas/telajogador.hpp"
#include "plataforma/datas.hpp"
#include "ui/fundo.hpp"
#include "ui/rotulocortado.hpp"
#include "ui/textos.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <string>
#include <vector>

namespace management::telas {

using namespace world;

namespace {

// A page of the middle of the screen with a message in its centre.
QFrame* PaginaCentral() {
    auto* quadro = ui::Quadro();
    auto* v = new QVBoxLayout(quadro);
    v->addStretch();
    return quadro;
}

QLabel* TextoCentral(int aumento, bool negrito) {
    auto* r = new QLabel;
    r->setAlignment(Qt::AlignCenter);
    r->setWordWrap(true);
    QFont f = r->font();
    f.setPointSize(f.pointSize() + aumento);
    f.setBold(negrito);
    r->setFont(f);
    return r;
}

} // namespace

TelaPrincipal::TelaPrincipal(Jogo& jogo, QWidget* pai) : QWidget(pai), jogo_(jogo) {
    ui::PintarFundo(this, ui::kFundoListas);
    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(6, 2, 6, 6);
    MontarMenus();
    ui::Painel(menus_);
    coluna->setMenuBar(menus_);
    cabecalho_ = new CabecalhoClube(CabecalhoClube::Tipo::Clube);
    connect(cabecalho_->botaoDinheiro(), &QPushButton::clicked, this, &TelaPrincipal::financas);
    connect(cabecalho_->botaoNoticias(), &QToolButton::clicked, this, &TelaPrincipal::emails);
    coluna->addWidget(cabecalho_);

    meio_ = new QWidget;
    auto* meio = new QHBoxLayout(meio_);
    meio->setContentsMargins(0, 0, 0, 0);
    grade_ = new GradeElenco(jogo_, this);
    meio->addWidget(grade_, 1);
    meio->addWidget(MontarPainel());
    paginas_ = new QStackedWidget;
    paginas_->addWidget(meio_);
    paginas_->addWidget(MontarAguardando());
    paginas_->addWidget(MontarVez());
    coluna->addWidget(paginas_, 1);
    connect(grade_, &GradeElenco::alterada, this, &TelaPrincipal::Validar);
    connect(grade_, &GradeElenco::abrirJogador, this, &TelaPrincipal::AbrirFicha);
    connect(grade_, &GradeElenco::venderJogador, this, &TelaPrincipal::vender);
    connect(grade_, &GradeElenco::renovarContrato, this, &TelaPrincipal::renovar);
    connect(grade_, &GradeElenco::aposentarJogador, this, &TelaPrincipal::AbrirAposentar);
    setMinimumSize(1000, 640);
    // Alt+F4 does not close the game from here: the shortcut takes the key and
    // does nothing with it.
    auto* altf4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    altf4->setContext(Qt::WidgetWithChildrenShortcut);
    Atualizar();
}

QWidget* TelaPrincipal::MontarPainel() {
    auto* painel = ui::Quadro();
    painel->setFixedWidth(kLarguraPainelEscalacao);
    auto* v = new QVBoxLayout(painel);
    v->setContentsMargins(8, 6, 8, 8);
    auto* f = new QFormLayout;
    f->setLabelAlignment(Qt::AlignRight);
    f->setRowWrapPolicy(QFormLayout::WrapAllRows);

    caixas_.Montar(
        this, f, jogo_, grade_, [this] { return Clube(); }, [this] { Validar(); });
    v->addLayout(f);

    v->addSpacing(8);
    v->addWidget(caixas_.selecionados);
    desfalques_ = new QLabel;
    desfalques_->setWordWrap(true);
    desfalques_->setStyleSheet(QStringLiteral("QLabel { color: #a01010; }"));
    desfalques_->hide();
    v->addWidget(desfalques_);
    salvarescalacao_ = new QCheckBox(QStringLiteral("Salvar escalação"));
    connect(salvarescalacao_, &QCheckBox::toggled, this,
            [this](bool on) { jogo_.estado.opcoes.opescalacao = on ? 1 : 0; });
    v->addWidget(salvarescalacao_);
    v->addStretch();

    jogar_ = new QPushButton(QStringLiteral("Jogar >>"));
    QFont grande = jogar_->font();
    grande.setPointSize(grande.pointSize() + 4);
    grande.setBold(true);
    jogar_->setFont(grande);
    jogar_->setMinimumHeight(48);
    connect(jogar_, &QPushButton::clicked, this, &TelaPrincipal::Jogar);
    v->addWidget(jogar_);
    return painel;
}

int TelaPrincipal::Clube() const {
    const int c = jogo_.estado.timeatual;
    return c >= 0 && c < static_cast<int>(jogo_.times.size()) ? c : -1;
}

double TelaPrincipal::Hoje() const {
    const int n = jogo_.estado.dataatual;
    return n >= 1 && n <= kDatasPorTemporada ? jogo_.calendario[n - 1].data : 0.0;
}

void TelaPrincipal::SairDoAguardo() {
    if (!Aguardando()) return;
    for (QAction* a : acoesdoclube_) a->setEnabled(true);
    cabecalho_->botaoNoticias()->setEnabled(true);
    paginas_->setCurrentWidget(meio_);
}

void TelaPrincipal::Atualizar() {
    if (Aguardando()) {
        // A dialog closed over the waiting page: it stays.
        MostrarAguardando();
        return;
    }
    // The refresh's own rules first (fixed-price sales, the news).
    AtualizarTelaPrincipal(jogo_);
    Grade g = PreencherGrade(jogo_, Hoje());
    const bool mesma = g.clube == chaveclube_ && jogo_.estado.temporada == chavetemporada_ &&
                       jogo_.estado.dataatual == chavedata_ && grade_->grade().tipo == g.tipo;
    if (mesma) {
        ManterSelecao(g, grade_->grade());
    } else {
        chaveclube_ = g.clube;
        chavetemporada_ = jogo_.estado.temporada;
        chavedata_ = jogo_.estado.dataatual;
        MostrarDesfalques(DesfalquesDaEscalacao(jogo_, g));
    }
    const Disponiveis d = RecontarDisponiveis(jogo_, g);
    caixas_.PreencherFormacoes(d);
    grade_->Mostrar(std::move(g));
    PreencherCaixas();
    AtualizarCabecalho();
    Validar();
}

void TelaPrincipal::MostrarDesfalques(const std::vector<Desfalque>& fora) {
    if (fora.empty()) {
        desfalques_->hide();
        return;
    }
    QStringList nomes;
    for (const Desfalque& f : fora)
        nomes << ui::Q(jogo_.jogadores[f.jogador].nome.view()) + QStringLiteral(" (") +
                     (f.motivo == Desfalque::Lesao ? QStringLiteral("contundido")
                                                   : QStringLiteral("suspenso")) +
                     QLatin1Char(')');
    desfalques_->setText(QStringLiteral("Fora da escalação salva: ") +
                         nomes.join(QStringLiteral(", ")) + QLatin1Char('.'));
    desfalques_->show();
}

QWidget* TelaPrincipal::MontarAguardando() {
    auto* quadro = PaginaCentral();
    esperando_ = quadro;
    auto* v = static_cast<QVBoxLayout*>(quadro->layout());
    textoesperando_ = TextoCentral(4, false);
    v->addWidget(textoesperando_);
    v->addSpacing(16);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    avancarsozinho_ = new QCheckBox(QStringLiteral("Avançar as datas sozinho"));
    avancarsozinho_->setChecked(true);
    botoes->addWidget(avancarsozinho_);
    avancar_ = new QPushButton(QStringLiteral("Avançar >>"));
    avancar_->setMinimumHeight(40);
    connect(avancar_, &QPushButton::clicked, this, &TelaPrincipal::avancar);
    botoes->addWidget(avancar_);
    botoes->addStretch();
    v->addLayout(botoes);
    v->addStretch();
    return esperando_;
}

void TelaPrincipal::MostrarAguardando() {
    chaveclube_ = -1;
    for (QAction* a : acoesdoclube_) a->setEnabled(false);
    // The coach who waits: the first human coach of the game.
    QString nome;
    for (int k : jogo_.estado.humanos)
        if (k >= 0 && k < static_cast<int>(jogo_.tecnicos.size())) {
            nome = ui::Q(jogo_.tecnicos[k].nome.view());
            break;
        }
    cabecalho_->MostrarSemClube(nome, Hoje());
    textoesperando_->setText(nome + QStringLiteral(" está sem clube e aguarda o convite de um "
                                                   "clube.\nAs datas seguem enquanto isso."));
    paginas_->setCurrentWidget(esperando_);
    avancar_->setFocus();
}

QWidget* TelaPrincipal::MontarVez() {
    auto* quadro = PaginaCentral();
    auto* v = static_cast<QVBoxLayout*>(quadro->layout());
    textovez_ = TextoCentral(6, true);
    v->addWidget(textovez_);
    v->addSpacing(16);
    auto* pronto = new QPushButton(QStringLiteral("Sou eu: mostrar o meu elenco"));
    pronto->setMinimumHeight(40);
    connect(pronto, &QPushButton::clicked, this, [this] { MostrarVez(false); });
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(pronto);
    h->addStretch();
    v->addLayout(h);
    v->addStretch();
    vez_ = quadro;
    return quadro;
}

void TelaPrincipal::AnunciarVez() {
    const int c = Clube();
    if (c < 0) return;
    const TTime& t = jogo_.times[c];
    const QString tecnico = t.tecnico >= 0 && t.tecnico < static_cast<int>(jogo_.tecnicos.size())
                                ? ui::Q(jogo_.tecnicos[t.tecnico].nome.view())
                                : QString();
    textovez_->setText(QStringLiteral("Vez de %1\n%2").arg(tecnico, ui::Q(t.nome.view())));
    MostrarVez(true);
}

bool TelaPrincipal::Aguardando() const {
    return paginas_->currentWidget() == esperando_;
}

bool TelaPrincipal::VezAnunciada() const {
    return paginas_->currentWidget() == vez_;
}

void TelaPrincipal::MostrarVez(bool mostrar) {
    const bool estava = VezAnunciada();
    paginas_->setCurrentWidget(mostrar ? vez_ : meio_);
    if (mostrar) {
        vez_->findChild<QPushButton*>()->setFocus();
        return;
    }
    grade_->setFocus();
    if (estava) emit vezAceita();
}

void TelaPrincipal::AceitarVez() {
    if (VezAnunciada()) MostrarVez(false);
}

void TelaPrincipal::Avisar(const QString& texto) {
    cabecalho_->Avisar(texto);
}

void TelaPrincipal::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && e->modifiers() == Qt::NoModifier) {
        // Enter on the squad belongs to the squad (a player's card); elsewhere
        // it plays, as "Jogar >>" does when the lineup is ready.
        QWidget* foco = QApplication::focusWidget();
        const bool nagrade = foco && (foco == grade_ || grade_->isAncestorOf(foco));
        if (VezAnunciada()) {
            MostrarVez(false);
            return;
        }
        if (!Aguardando() && !nagrade && jogar_->isEnabled()) {
            jogar_->click();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

void TelaPrincipal::PreencherCaixas() {
    caixas_.Preencher(jogo_, grade_->grade(), Clube());
    const QSignalBlocker bloqueio(salvarescalacao_);
    salvarescalacao_->setChecked(jogo_.estado.opcoes.opescalacao != 0);
}

void TelaPrincipal::AtualizarCabecalho() {
    const int c = Clube();
    cabecalho_->MostrarTime(jogo_, c);
    cabecalho_->MostrarData(Hoje());
    const int k = c >= 0 ? jogo_.times[c].tecnico : -1;
    cabecalho_->MostrarTecnico(jogo_.TecnicoValido(k) ? ui::Q(jogo_.tecnicos[k].nome.view())
                                                      : QString());
    cabecalho_->MostrarAdversario(jogo_, c, Hoje());
}

void TelaPrincipal::Validar() {
    jogar_->setEnabled(caixas_.Validar(jogo_, grade_->grade()).podejogar);
}

void TelaPrincipal::AbrirFicha(int jogador) {
    TelaJogador ficha(jogo_, jogador, this);
    // A player of the club on screen can be sold, offered a new contract or,
    // from 32, retired from his card.
    const int c = Clube();
    enum { Nada, Vender, Renovar, Aposentar } escolha = Nada;
    if (c >= 0 && jogo_.JogadorValido(jogador) && jogo_.jogadores[jogador].time == c &&
        jogo_.times[c].humano) {
        auto botao = [&](const QString& texto, const char* nome, auto acao, bool ativo = true) {
            auto* b = new QPushButton(texto);
            b->setObjectName(QString::fromLatin1(nome));
            b->setEnabled(ativo);
            connect(b, &QPushButton::clicked, &ficha, [&escolha, &ficha, acao] {
                escolha = acao;
                ficha.accept();
            });
            ficha.AdicionarBotao(b);
        };
        botao(QStringLiteral("Vender jogador..."), "vender", Vender);
        botao(QStringLiteral("Propor novo contrato..."), "renovar", Renovar);
        botao(QStringLiteral("Aposentar..."), "aposentar", Aposentar,
              PodeAposentar(jogo_.jogadores[jogador]));
    }
    ficha.exec();
    if (escolha == Vender) emit vender(jogador);
    if (escolha == Renovar) emit renovar(jogador);
    if (escolha == Aposentar) AbrirAposentar(jogador);
}

void TelaPrincipal::AbrirAposentar(int jogador) {
    const int c = Clube();
    if (c < 0 || !jogo_.JogadorValido(jogador) || jogo_.jogadores[jogador].time != c) return;
    TelaAposentar tela(jogo_, jogador, this);
    tela.exec();
    // The junior takes the retired player's row.
    if (tela.aposentou()) Atualizar();
}

void TelaPrincipal::Jogar() {
    if (!ValidarEscalacao(jogo_, grade_->grade()).podejogar) return;
    ConfirmarEscalacao(jogo_, grade_->grade());
    // Committed once: the button waits for the next Atualizar().
    jogar_->setEnabled(false);
    emit jogar();
}

} // namespace management::telas
