#include "management/telas/telaprincipal.hpp"

#include "management/envelhecimento.hpp"

#include "management/atualizacao.hpp"
#include "world/emails.hpp"

#include "management/escalacaoformacao.hpp"
#include "management/escalacaotatica.hpp"
#include "management/fichajogador.hpp"
#include "management/proximoadversario.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telaaposentar.hpp"
#include "management/telas/telaemails.hpp"
#include "management/telas/telajogador.hpp"
#include "plataforma/datas.hpp"
#include "ui/escudos.hpp"
#include "ui/fundo.hpp"
#include "ui/rotulocortado.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"

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
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <string>
#include <vector>

namespace management::telas {

using namespace world;

namespace {

// A confidence gauge: red when low, yellow in the middle, green when high.
QProgressBar* Medidor() {
    auto* b = new QProgressBar;
    b->setRange(0, 100);
    b->setTextVisible(true);
    b->setFormat(QStringLiteral("%v"));
    b->setAlignment(Qt::AlignCenter);
    b->setFixedWidth(170);
    return b;
}

void Medir(QProgressBar* b, int valor) {
    valor = std::clamp(valor, 0, 100);
    b->setValue(valor);
    const char* cor = valor < 30 ? "#c83c28" : valor < 60 ? "#e6b422" : "#3c9c3c";
    b->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid #505050; background: #f0f0f0;"
                                    " height: 16px; } QProgressBar::chunk { background: %1; }")
                         .arg(QLatin1String(cor)));
}

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

QLabel* Negrito(const QString& t) {
    auto* r = new QLabel(t);
    QFont f = r->font();
    f.setBold(true);
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
    coluna->addWidget(MontarCabecalho());

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
    avisotempo_ = new QTimer(this);
    avisotempo_->setSingleShot(true);
    connect(avisotempo_, &QTimer::timeout, this, [this] { aviso_->clear(); });
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

QWidget* TelaPrincipal::MontarCabecalho() {
    auto* quadro = ui::Quadro();
    auto* g = new QGridLayout(quadro);
    g->setContentsMargins(8, 6, 8, 6);
    g->setHorizontalSpacing(14);

    escudo_ = new QLabel;
    escudo_->setFixedSize(72, 72);
    escudo_->setAlignment(Qt::AlignCenter);
    g->addWidget(escudo_, 0, 0, 3, 1);

    nomeclube_ = new ui::RotuloCortado;
    QFont grande = nomeclube_->font();
    grande.setPointSize(grande.pointSize() + 6);
    grande.setBold(true);
    nomeclube_->setFont(grande);
    nomeclube_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    g->addWidget(nomeclube_, 0, 1, 1, 2, Qt::AlignLeft);
    tecnico_ = new QLabel;
    g->addWidget(tecnico_, 1, 1, 1, 2);
    data_ = Negrito({});
    g->addWidget(data_, 2, 1);
    dinheiro_ = new QPushButton;
    dinheiro_->setFlat(true);
    dinheiro_->setCursor(Qt::PointingHandCursor);
    dinheiro_->setStyleSheet(QStringLiteral("QPushButton { text-align: left; font-weight: bold;"
                                            " color: #105010; padding: 2px 4px; }"));
    connect(dinheiro_, &QPushButton::clicked, this, &TelaPrincipal::financas);
    g->addWidget(dinheiro_, 2, 2, Qt::AlignLeft);

    diretoria_ = Medidor();
    torcida_ = Medidor();
    g->addWidget(new QLabel(ui::T(589)), 0, 3, Qt::AlignRight);
    g->addWidget(diretoria_, 0, 4);
    g->addWidget(new QLabel(ui::T(590)), 1, 3, Qt::AlignRight);
    g->addWidget(torcida_, 1, 4);

    auto* proximo = new QVBoxLayout;
    proximo->setSpacing(2);
    proximo->addWidget(Negrito(QStringLiteral("Próximo adversário")));
    adversario_ = new ui::RotuloCortado;
    adversario_->setTextFormat(Qt::PlainText);
    proximo->addWidget(adversario_);
    proximo->addStretch();
    g->addLayout(proximo, 0, 5, 3, 1);

    auto* novas = new QVBoxLayout;
    novas->setSpacing(2);
    novas->addWidget(Negrito(QStringLiteral("Notícias")));
    noticias_ = new QToolButton;
    noticias_->setObjectName(QStringLiteral("noticias"));
    noticias_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    noticias_->setAutoRaise(true);
    noticias_->setIconSize(QSize(22, 16));
    noticias_->setCursor(Qt::PointingHandCursor);
    noticias_->setToolTip(QStringLiteral("Abrir caixa de emails (F7)"));
    connect(noticias_, &QToolButton::clicked, this, &TelaPrincipal::emails);
    novas->addWidget(noticias_);
    novas->addStretch();
    g->addLayout(novas, 0, 6, 3, 1);
    aviso_ = Negrito({});
    aviso_->setStyleSheet(QStringLiteral("QLabel { color: #105010; }"));
    g->addWidget(aviso_, 2, 3, 1, 2, Qt::AlignLeft);
    g->setColumnStretch(5, 1);
    DefinirNoticias(0);
    return quadro;
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
    noticias_->setEnabled(true);
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
    AtualizarAdversario();
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
    nomeclube_->DefinirTexto(QStringLiteral("Sem clube"));
    nomeclube_->setStyleSheet(ui::EstiloDoClube(QColor(238, 238, 232), QColor(40, 40, 40)));
    escudo_->setPixmap(QPixmap());
    tecnico_->setText(ui::T(350) + QLatin1Char(' ') + nome);
    data_->setText(ui::Q(plataforma::TextoData(Hoje())));
    Medir(diretoria_, 0);
    Medir(torcida_, 0);
    dinheiro_->setText({});
    DefinirNoticias(0);
    noticias_->setEnabled(false); // no club, no mailbox
    adversario_->DefinirTexto(QStringLiteral("-"));
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
    aviso_->setText(texto);
    avisotempo_->start(4000);
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
    static const TTime kSemClube = NovoTime();
    const TTime& t = c >= 0 ? jogo_.times[c] : kSemClube;
    // The padding of the label's style takes 20 of its pixels.
    nomeclube_->DefinirTexto(ui::Q(t.nome.view()));
    nomeclube_->setStyleSheet(ui::EstiloDoClube(CorDoJogo(t.corfundo), CorDoJogo(t.cortexto)));
    const QPixmap escudo = c >= 0 ? ui::EscudoDoTime(jogo_, c) : QPixmap();
    escudo_->setPixmap(escudo.isNull() ? QPixmap()
                                       : escudo.scaled(escudo_->size(), Qt::KeepAspectRatio,
                                                       Qt::SmoothTransformation));

    data_->setText(ui::Q(plataforma::TextoData(Hoje())));
    Medir(diretoria_, t.confdiretoria);
    Medir(torcida_, t.conftorcida);
    dinheiro_->setText(ui::DinheiroExtenso(t.dinheiro));
    dinheiro_->setToolTip(ui::Dinheiro(t.dinheiro));
    const bool temtecnico = t.tecnico >= 0 && t.tecnico < static_cast<int>(jogo_.tecnicos.size());
    tecnico_->setText(ui::T(350) + QLatin1Char(' ') +
                      (temtecnico ? ui::Q(jogo_.tecnicos[t.tecnico].nome.view()) : QString()));
    DefinirNoticias(c >= 0 ? EmailsNaoLidos(jogo_, c) : 0);
}

void TelaPrincipal::AtualizarAdversario() {
    const ProximoAdversario p = ProcurarProximoAdversario(jogo_, Clube(), Hoje());
    if (p.partida < 0) {
        adversario_->DefinirTexto(QStringLiteral("-"));
        return;
    }
    QString linha1 = ui::Q(jogo_.times[p.adversario].nome.view());
    if (p.colocacao > 0) linha1 += QStringLiteral(" (%1º)").arg(p.colocacao);
    linha1 += QStringLiteral(" - ") + ui::T(p.casa ? 2010 : 2011);
    QString linha2 = ui::Q(p.nomecompeticao);
    if (p.rodada > 0)
        linha2 += QStringLiteral(" - ") + ui::T(2013) + ' ' + QString::number(p.rodada);
    else if (p.fase > 0)
        linha2 += QStringLiteral(" - ") + ui::T(2014) + ' ' + QString::number(p.fase);
    adversario_->DefinirTexto(linha1 + '\n' + linha2);
}

void TelaPrincipal::DefinirNoticias(int naolidas) {
    noticias_->setText(naolidas > 0 ? QString::number(naolidas) + ' ' + ui::T(78) : ui::T(77));
    noticias_->setIcon(QIcon(FiguraEnvelope(naolidas == 0, false)));
    // Something new reads in bold.
    QFont f = noticias_->font();
    f.setBold(naolidas > 0);
    noticias_->setFont(f);
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
