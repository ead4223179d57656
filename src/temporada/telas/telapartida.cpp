#include "temporada/telas/telapartida.hpp"

#include "management/telas/gradeelenco.hpp"
#include "temporada/telas/aovivo.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace temporada::telas {

using namespace match;

using namespace world;

namespace {

constexpr int kTextoSegundoTempo = 528;

constexpr int kColunas = 2;          // matches side by side
constexpr int kLinhasPorColuna = 10; // 20 matches at most
constexpr int kLarguraNome = 190;    // two columns of matches on a 1024-wide screen
// The second half's banner stays up for the first minutes of the half only.
constexpr int kMinutosDoAviso = 4;

const QColor kBranco(255, 255, 255);
const QColor kAmareloCartao(255, 230, 0);
const QColor kVermelhoEscuro(139, 0, 0);
const QColor kFundoEventos(30, 48, 36); // dark, so white and yellow stand out
// A human's match: a gold frame around the card, outside the club colours,
// and a warmer dark ground, so it stands out whatever colours the clubs wear.
const QColor kMoldura(255, 210, 60);
const QColor kFundoHumano(58, 52, 24);

// The ball of a goal; an own goal has it on a red ring.
QPixmap Bola(bool contra) {
    QPixmap figura(16, 16);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    if (contra) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 0, 0));
        p.drawEllipse(QRectF(0, 0, 16, 16));
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    const QRectF bola = contra ? QRectF(2.5, 2.5, 11, 11) : QRectF(1, 1, 14, 14);
    p.drawEllipse(bola);
    // The black patch in the middle.
    const QPointF c = bola.center();
    const double r = bola.width() * 0.22;
    QPainterPath pentagono;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        const QPointF ponto(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            pentagono.moveTo(ponto);
        else
            pentagono.lineTo(ponto);
    }
    pentagono.closeSubpath();
    p.setBrush(Qt::black);
    p.drawPath(pentagono);
    return figura;
}

QPixmap Cartao(const QColor& cor) {
    QPixmap figura(16, 16);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(cor);
    p.drawRoundedRect(QRectF(3.5, 1.5, 9, 13), 1.5, 1.5);
    return figura;
}

QPixmap Contusao() {
    QPixmap figura(16, 16);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 0));
    p.drawRect(QRectF(6, 2.5, 4, 11));
    p.drawRect(QRectF(2.5, 6, 11, 4));
    return figura;
}

// The events a label shows; substitutions leave the last one in place.
bool Mostrado(int tipo) {
    switch (tipo) {
    case kVermelhoDireto:
    case kAmarelo:
    case kContusaoEvento:
    case kGolEvento:
    case kSegundoAmarelo:
    case kGolContra:
    case kGolPenalti:
    case kGolFalta:
        return true;
    default:
        return false;
    }
}

// A club's name on its colours, cut short only when its label is too narrow
// for it, and set again whenever the label changes width.
class RotuloNome : public QLabel {
public:
    explicit RotuloNome(const QString& nome) : nome_(nome) {
        setToolTip(nome);
        setText(nome);
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QLabel::resizeEvent(e);
        const int largura = std::max(40, contentsRect().width() - 2 * margin() - 2);
        setText(fontMetrics().elidedText(nome_, Qt::ElideRight, largura));
    }

private:
    QString nome_;
};

QLabel* RotuloPlacar() {
    auto* r = new QLabel(QStringLiteral("0"));
    QFont f = r->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    r->setFont(f);
    r->setAlignment(Qt::AlignCenter);
    r->setFixedWidth(28);
    r->setStyleSheet(QStringLiteral("QLabel { background: #101810; color: white; }"));
    return r;
}

} // namespace

// ---------------------------------------------------------------- event label

RotuloEvento::RotuloEvento(QWidget* pai) : QWidget(pai) {
    auto* linha = new QHBoxLayout(this);
    linha->setContentsMargins(2, 0, 2, 0);
    linha->setSpacing(4);
    icone_ = new QLabel;
    icone_->setFixedSize(16, 16);
    texto_ = new QLabel;
    texto_->setTextFormat(Qt::RichText);
    texto_->setMinimumWidth(kLarguraNome - 24);
    linha->addWidget(icone_);
    linha->addWidget(texto_, 1);
    setFixedHeight(20);
}

void RotuloEvento::Mostrar(const QPixmap& icone, const QString& texto, const QColor& cor,
                           bool negrito) {
    cor_ = cor;
    icone_->setPixmap(icone);
    QFont f = texto_->font();
    f.setBold(negrito);
    texto_->setFont(f);
    // Dark red would vanish on the dark card: it sits on a light patch.
    const QString fundo =
        cor.lightness() < 100 ? QStringLiteral(" background-color: #f0e8e8;") : QString();
    simples_ = texto;
    texto_->setText(QStringLiteral("<span style=\"color: %1;%2\">&nbsp;%3&nbsp;</span>")
                        .arg(cor.name(), fundo, texto.toHtmlEscaped()));
    texto_->setToolTip(texto);
}

void RotuloEvento::Limpar() {
    icone_->clear();
    texto_->clear();
    simples_.clear();
    texto_->setToolTip({});
    cor_ = QColor();
    tipo_ = 0;
}

QString RotuloEvento::Texto() const {
    return simples_;
}

bool RotuloEvento::Negrito() const {
    return texto_->font().bold();
}

// ---------------------------------------------------------------- match screen

TelaPartida::TelaPartida(Jogo& jogo, ExecucaoRodada& ex, QWidget* pai)
    : QWidget(pai), jogo_(jogo), ex_(ex) {
    ui::PintarFundo(this, ui::kFundoListas);
    setFocusPolicy(Qt::StrongFocus);
    abriraovivo = [this](int m) { AbrirVisaoAoVivo(jogo_, ex_.rodada, m, false, this); };

    auto* coluna = new QVBoxLayout(this);
    // Tight margins: on a 1024-wide screen every pixel goes to the names.
    coluna->setContentsMargins(6, 8, 6, 8);
    auto* topo = new QFrame;
    topo->setFrameShape(QFrame::StyledPanel);
    topo->setAutoFillBackground(true);
    QPalette pt = topo->palette();
    pt.setColor(QPalette::Window, QColor(16, 24, 16));
    topo->setPalette(pt);
    auto* linhatopo = new QHBoxLayout(topo);
    minuto_ = new QLabel(QStringLiteral("0'"));
    QFont grande = minuto_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.8);
    minuto_->setFont(grande);
    minuto_->setMinimumWidth(70);
    minuto_->setStyleSheet(QStringLiteral("QLabel { color: white; }"));
    linhatopo->addWidget(minuto_);
    barra_ = new QProgressBar;
    barra_->setRange(0, 45);
    barra_->setValue(0);
    barra_->setTextVisible(false);
    barra_->setFixedHeight(18);
    linhatopo->addWidget(barra_, 1);
    aviso_ = new QLabel;
    aviso_->setMinimumWidth(260);
    aviso_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont fa = aviso_->font();
    fa.setBold(true);
    aviso_->setFont(fa);
    aviso_->setStyleSheet(QStringLiteral("QLabel { color: #ffd23c; }"));
    linhatopo->addWidget(aviso_);
    coluna->addWidget(topo);

    quadro_ = new QWidget;
    grade_ = new QGridLayout(quadro_);
    grade_->setContentsMargins(0, 4, 0, 0);
    grade_->setHorizontalSpacing(8);
    grade_->setVerticalSpacing(6);
    coluna->addWidget(quadro_);
    coluna->addStretch(1);

    relogio_ = new QTimer(this);
    relogio_->setSingleShot(true); // each tick starts the next one itself
    connect(relogio_, &QTimer::timeout, this, &TelaPartida::Timer1Timer);

    // Alt+F4 does not leave the matchday: the shortcut takes the key.
    auto* altf4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    altf4->setContext(Qt::WidgetWithChildrenShortcut);
    setMinimumSize(1000, 640);
}

TelaPartida::~TelaPartida() = default;

void TelaPartida::Comecar() {
    setFocus();
    if (JogarProximoGrupo(jogo_, ex_) == EstadoRodada::Relogio) {
        MontarGrupo();
        Reiniciar();
        return;
    }
    Seguir();
}

bool TelaPartida::Rodando() const {
    return relogio_->isActive();
}

void TelaPartida::DefinirIntervaloParaTestes(int ms) {
    fixo_ = true;
    intervalo_ = std::max(0, ms);
    if (relogio_->isActive()) relogio_->start(intervalo_);
}

void TelaPartida::Parar() {
    relogio_->stop();
}

void TelaPartida::Reiniciar() {
    if (ex_.estado == EstadoRodada::Relogio && !emtick_) relogio_->start(intervalo_);
}

void TelaPartida::Timer1Timer() {
    if (emtick_ || ex_.estado != EstadoRodada::Relogio) return;
    // The clock stands still while the minute is played and while any screen
    // it opens (penalty, injury, half-time, shoot-out) is up.
    Parar();
    emtick_ = true;
    const int tempo = ex_.rodada.tempo;
    Minuto(jogo_, ex_);
    emtick_ = false;
    if (ex_.estado == EstadoRodada::Relogio && ex_.grupoatual != grupo_) {
        MontarGrupo(); // the next shown group
        Reiniciar();
        return;
    }
    if (ex_.estado != EstadoRodada::Relogio) {
        Seguir();
        return;
    }
    Atualizar();
    if (tempo == 1 && ex_.rodada.tempo == 2) {
        LimparEventos();
        aviso_->setText(ui::T(kTextoSegundoTempo));
    } else if (ex_.rodada.tempo == 2 && ex_.rodada.minuto >= kMinutosDoAviso &&
               aviso_->text() == ui::T(kTextoSegundoTempo)) {
        aviso_->clear();
    }
    Reiniciar();
}

void TelaPartida::Seguir() {
    Parar();
    if (ex_.estado != EstadoRodada::Encerrada || avisado_) return;
    FecharGrupo();
    avisado_ = true;
    emit encerrada();
}

void TelaPartida::MontarGrupo() {
    if (!fixo_) intervalo_ = IntervaloDoRelogio(jogo_, ex_);
    grupo_ = ex_.grupoatual;
    vistos_ = 0;
    aviso_->clear();
    for (const Linha& l : linhas_) {
        // The match cards go with their labels.
        if (l.mandante) delete l.mandante->parentWidget();
    }
    linhas_.clear();
    const Rodada& r = ex_.rodada;
    for (int m = 1; m <= r.numjogos && m <= kMaxJogos; ++m) {
        const TJogoDaRodada& p = r.jogos[m];
        if (p.mandante < 0 || p.visitante < 0) continue;
        Linha l;
        l.partida = p.partida;
        l.m = m;
        l.humano = jogo_.times[p.mandante].humano || jogo_.times[p.visitante].humano;
        auto* cartao = new QFrame;
        cartao->setObjectName(QStringLiteral("cartao"));
        cartao->setFrameShape(QFrame::StyledPanel);
        cartao->setAutoFillBackground(true);
        QPalette pc = cartao->palette();
        pc.setColor(QPalette::Window, l.humano ? kFundoHumano : kFundoEventos);
        cartao->setPalette(pc);
        if (l.humano)
            cartao->setStyleSheet(QStringLiteral("QFrame#cartao { background: %1; border: 3px "
                                                 "solid %2; border-radius: 3px; }")
                                      .arg(kFundoHumano.name(), kMoldura.name()));
        cartao->setProperty("humano", l.humano);
        l.cartao = cartao;
        auto* g = new QGridLayout(cartao);
        g->setContentsMargins(3, 3, 3, 3);
        g->setHorizontalSpacing(3);
        g->setVerticalSpacing(2);
        auto nome = [&](int clube, bool negrito) {
            const TTime& t = jogo_.times[clube];
            auto* rot = new RotuloNome(ui::Q(t.nome.view()));
            // Both names share the card's room equally, whatever their length.
            rot->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            rot->setMinimumWidth(kLarguraNome);
            rot->setFixedHeight(24);
            rot->setAlignment(Qt::AlignCenter);
            QFont f = rot->font();
            f.setBold(negrito);
            rot->setFont(f);
            rot->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; }")
                                   .arg(management::telas::CorDoJogo(t.corfundo).name(),
                                        management::telas::CorDoJogo(t.cortexto).name()));
            return rot;
        };
        l.mandante = nome(p.mandante, true);
        l.visitante = nome(p.visitante, true);
        l.golsmandante = RotuloPlacar();
        l.golsvisitante = RotuloPlacar();
        auto* x = new QLabel(QStringLiteral("x"));
        x->setAlignment(Qt::AlignCenter);
        x->setStyleSheet(QStringLiteral("QLabel { color: white; }"));
        g->addWidget(l.mandante, 0, 0);
        g->addWidget(l.golsmandante, 0, 1);
        g->addWidget(x, 0, 2);
        g->addWidget(l.golsvisitante, 0, 3);
        g->addWidget(l.visitante, 0, 4);
        for (int lado = 0; lado < 2; ++lado) {
            l.evento[lado] = new RotuloEvento;
            g->addWidget(l.evento[lado], 1, lado == 0 ? 0 : 3, 1, 2);
        }
        g->setColumnStretch(0, 1);
        g->setColumnStretch(4, 1);
        const int i = static_cast<int>(linhas_.size());
        grade_->addWidget(cartao, i % kLinhasPorColuna, i / kLinhasPorColuna);
        cartao->show(); // at once, not on the next pass of the event loop
        linhas_.push_back(l);
    }
    for (int c = 0; c < kColunas; ++c) grade_->setColumnStretch(c, 1);
    Atualizar();
}

void TelaPartida::Atualizar() {
    const Rodada& r = ex_.rodada;
    for (Linha& l : linhas_) {
        const TJogoDaRodada& p = r.jogos[l.m];
        l.golsmandante->setText(QString::number(p.gols[0]));
        l.golsvisitante->setText(QString::number(p.gols[1]));
    }
    MostrarEventos();
    const bool europeu = jogo_.estado.opcoes.opminutos != 0;
    const int minuto = r.minuto + (r.tempo == 2 && europeu ? 45 : 0);
    minuto_->setText(QString::number(minuto) + QLatin1Char('\''));
    barra_->setValue(std::clamp(r.minuto, 0, 45));
    // The last minutes of the half in red.
    const bool vermelha = r.minuto >= 40;
    if (barra_->property("vermelha").toBool() != vermelha || barra_->styleSheet().isEmpty()) {
        barra_->setProperty("vermelha", vermelha);
        barra_->setStyleSheet(
            QStringLiteral("QProgressBar { background: #2a3a2a; border: 1px solid #000; }"
                           "QProgressBar::chunk { background: %1; }")
                .arg(vermelha ? QStringLiteral("#d01010") : QStringLiteral("#30a040")));
    }
}

void TelaPartida::MostrarEventos() {
    const Rodada& r = ex_.rodada;
    if (r.eventos.size() < vistos_) vistos_ = 0;
    const bool europeu = jogo_.estado.opcoes.opminutos != 0;
    const bool opnegrito = jogo_.estado.opcoes.opnegrito != 0;
    for (; vistos_ < r.eventos.size(); ++vistos_) {
        const TEvento& e = r.eventos[vistos_];
        if (!Mostrado(e.tipo) || e.jogo < 1 || e.jogo > static_cast<int>(linhas_.size())) continue;
        Linha& l = linhas_[e.jogo - 1];
        if (l.m != e.jogo) continue;
        const TJogoDaRodada& p = r.jogos[l.m];
        // The side the event belongs to: for an own goal, the side it counts for.
        const int lado = e.clube == p.mandante ? 0 : 1;
        const bool valido = e.jogador > 0 && e.jogador < static_cast<int>(jogo_.jogadores.size());
        QString texto = valido ? ui::Q(jogo_.jogadores[e.jogador].nome.view()) : QString();
        // The minute as the clock shows it: 46..90 only with the European minutes.
        const int minuto = !europeu && e.minuto > 45 ? e.minuto - 45 : e.minuto;
        texto += QStringLiteral(" %1'").arg(minuto);
        if (e.tipo == kGolContra) texto += QStringLiteral(" (%1)").arg(ui::T(ui::kTextoContra));
        if (e.tipo == kGolFalta) texto += QStringLiteral(" (%1)").arg(ui::T(897));
        QPixmap icone;
        QColor cor = kBranco;
        switch (e.tipo) {
        case kAmarelo:
            icone = Cartao(kAmareloCartao);
            cor = kAmareloCartao;
            break;
        case kVermelhoDireto:
        case kSegundoAmarelo:
            icone = Cartao(QColor(200, 0, 0));
            cor = kVermelhoEscuro;
            break;
        case kContusaoEvento:
            icone = Contusao();
            cor = kVermelhoEscuro;
            break;
        default:
            icone = Bola(e.tipo == kGolContra);
            break;
        }
        l.evento[lado]->Mostrar(icone, texto, cor, opnegrito && lado == 0);
        l.evento[lado]->DefinirTipo(e.tipo);
    }
}

void TelaPartida::LimparEventos() {
    for (Linha& l : linhas_)
        for (RotuloEvento* e : l.evento) e->Limpar();
}

void TelaPartida::FecharGrupo() {
    // The fixtures hold the final scores once the group is closed.
    MostrarEventos();
    const auto* partidas = ex_.partidas;
    for (Linha& l : linhas_) {
        if (!partidas || l.partida < 0 || l.partida >= static_cast<int>(partidas->size())) continue;
        const TPartida& f = (*partidas)[l.partida];
        l.golsmandante->setText(QString::number(f.golsmandante));
        l.golsvisitante->setText(QString::number(f.golsvisitante));
    }
}

void TelaPartida::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F4 && (evento->modifiers() & Qt::AltModifier)) {
        evento->accept();
        return;
    }
    int velocidade = 0;
    switch (evento->key()) {
    case Qt::Key_F1:
        velocidade = 3000;
        break;
    case Qt::Key_F2:
        velocidade = 2000;
        break;
    case Qt::Key_F3:
        velocidade = 500;
        break;
    case Qt::Key_F4:
        velocidade = 200;
        break;
    case Qt::Key_F5:
        velocidade = 100;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        evento->accept();
        if (emtick_ || ex_.estado != EstadoRodada::Relogio || ex_.numjogoshumanos == 0) return;
        Parar();
        if (abriraovivo) abriraovivo(ex_.jogoshumanos[0]);
        Atualizar();
        Reiniciar();
        return;
    default:
        QWidget::keyPressEvent(evento);
        return;
    }
    evento->accept();
    // The new speed holds for the rest of the group.
    intervalo_ = velocidade;
    if (relogio_->isActive()) relogio_->start(intervalo_);
}

} // namespace temporada::telas
