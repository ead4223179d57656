#include "management/telas/cabecalhoclube.hpp"

#include "competitions/calendario.hpp"
#include "management/proximoadversario.hpp"
#include "management/telas/figurasgrade.hpp"
#include "management/telas/telaemails.hpp"
#include "plataforma/datas.hpp"
#include "ui/escudos.hpp"
#include "ui/fundo.hpp"
#include "ui/rotulocortado.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/emails.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

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

// What the line says of the fixture's place in its competition.
QString Etapa(const Jogo& jogo, const ProximoAdversario& p) {
    const TPartida& f = jogo.partidas[p.partida];
    const bool torneio =
        f.competicao >= competitions::kCopaDoMundo && f.competicao <= competitions::kEurocopa;
    if (torneio && f.rodada >= 1 && f.rodada <= 3 && f.grupo >= 1)
        return QStringLiteral(" - Grupo %1, %2ª rodada")
            .arg(QChar(u'A' + (f.grupo - 1)))
            .arg(f.rodada);
    if (p.rodada > 0) return QStringLiteral(" - ") + ui::T(2013) + ' ' + QString::number(p.rodada);
    if (p.fase > 0) return QStringLiteral(" - ") + ui::T(2014) + ' ' + QString::number(p.fase);
    return {};
}

} // namespace

CabecalhoClube::CabecalhoClube(Tipo tipo, QWidget* pai) : QFrame(pai) {
    setFrameShape(QFrame::StyledPanel);
    ui::Painel(this);
    const bool clube = tipo == Tipo::Clube;
    auto* g = new QGridLayout(this);
    g->setContentsMargins(8, 6, 8, 6);
    g->setHorizontalSpacing(14);

    escudo_ = new QLabel;
    escudo_->setFixedSize(72, 72);
    escudo_->setAlignment(Qt::AlignCenter);
    g->addWidget(escudo_, 0, 0, 3, 1);

    nome_ = new ui::RotuloCortado;
    QFont grande = nome_->font();
    grande.setPointSize(grande.pointSize() + 6);
    grande.setBold(true);
    nome_->setFont(grande);
    nome_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    g->addWidget(nome_, 0, 1, 1, 2, Qt::AlignLeft);
    tecnico_ = new QLabel;
    g->addWidget(tecnico_, 1, 1, 1, 2);
    data_ = ui::Negrito();
    g->addWidget(data_, 2, 1);

    // Beside the date: a club's money (a click opens its finances), or the
    // national team's tournament.
    int coluna = 3;
    if (clube) {
        dinheiro_ = new QPushButton;
        dinheiro_->setFlat(true);
        dinheiro_->setCursor(Qt::PointingHandCursor);
        dinheiro_->setStyleSheet(QStringLiteral("QPushButton { text-align: left; font-weight: bold;"
                                                " color: #105010; padding: 2px 4px; }"));
        g->addWidget(dinheiro_, 2, 2, Qt::AlignLeft);
        diretoria_ = Medidor();
        torcida_ = Medidor();
        g->addWidget(new QLabel(ui::T(589)), 0, 3, Qt::AlignRight);
        g->addWidget(diretoria_, 0, 4);
        g->addWidget(new QLabel(ui::T(590)), 1, 3, Qt::AlignRight);
        g->addWidget(torcida_, 1, 4);
        coluna = 5;
    } else {
        torneio_ = ui::Negrito();
        g->addWidget(torneio_, 2, 2);
    }

    auto* proximo = new QVBoxLayout;
    proximo->setSpacing(2);
    proximo->addWidget(ui::Negrito(QStringLiteral("Próximo adversário")));
    adversario_ = new ui::RotuloCortado;
    adversario_->setTextFormat(Qt::PlainText);
    proximo->addWidget(adversario_);
    proximo->addStretch();
    g->addLayout(proximo, 0, coluna, 3, 1);
    g->setColumnStretch(coluna, 1);

    if (clube) {
        auto* novas = new QVBoxLayout;
        novas->setSpacing(2);
        novas->addWidget(ui::Negrito(QStringLiteral("Notícias")));
        noticias_ = new QToolButton;
        noticias_->setObjectName(QStringLiteral("noticias"));
        noticias_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        noticias_->setAutoRaise(true);
        noticias_->setIconSize(QSize(22, 16));
        noticias_->setCursor(Qt::PointingHandCursor);
        noticias_->setToolTip(QStringLiteral("Abrir caixa de emails (F7)"));
        novas->addWidget(noticias_);
        novas->addStretch();
        g->addLayout(novas, 0, coluna + 1, 3, 1);
    }
    // The notice: under the gauges of a club, at the end of the date's line
    // of a national team.
    aviso_ = ui::Negrito();
    aviso_->setStyleSheet(QStringLiteral("QLabel { color: #105010; }"));
    if (clube)
        g->addWidget(aviso_, 2, 3, 1, 2, Qt::AlignLeft);
    else
        g->addWidget(aviso_, 2, coluna + 1, Qt::AlignRight);
    avisotempo_ = new QTimer(this);
    avisotempo_->setSingleShot(true);
    connect(avisotempo_, &QTimer::timeout, this, [this] { aviso_->clear(); });
    if (clube) DefinirNoticias(0);
}

void CabecalhoClube::MostrarNome(const QString& nome, const QString& estilo,
                                 const QPixmap& escudo) {
    nome_->DefinirTexto(nome);
    nome_->setStyleSheet(estilo);
    escudo_->setPixmap(escudo.isNull() ? QPixmap()
                                       : escudo.scaled(escudo_->size(), Qt::KeepAspectRatio,
                                                       Qt::SmoothTransformation));
}

void CabecalhoClube::MostrarTime(const Jogo& jogo, int time) {
    const int c = jogo.TimeValido(time) ? time : -1;
    static const TTime kNenhum = NovoTime();
    const TTime& t = c >= 0 ? jogo.times[c] : kNenhum;
    MostrarNome(ui::Q(t.nome.view()),
                ui::EstiloDoClube(CorDoJogo(t.corfundo), CorDoJogo(t.cortexto)),
                c >= 0 ? ui::EscudoDoTime(jogo, c) : QPixmap());
    if (!dinheiro_) return;
    MostrarConfianca(t.confdiretoria, t.conftorcida);
    dinheiro_->setText(ui::DinheiroExtenso(t.dinheiro));
    dinheiro_->setToolTip(ui::Dinheiro(t.dinheiro));
    DefinirNoticias(c >= 0 ? world::EmailsNaoLidos(jogo, c) : 0);
}

void CabecalhoClube::MostrarTecnico(const QString& nome) {
    tecnico_->setText(ui::T(ui::kTextoTecnico) + QLatin1Char(' ') + nome);
}

void CabecalhoClube::MostrarData(double data) {
    data_->setText(ui::Q(plataforma::TextoData(data)));
}

void CabecalhoClube::MostrarAdversario(const Jogo& jogo, int time, double hoje) {
    const ProximoAdversario p = ProcurarProximoAdversario(jogo, time, hoje);
    if (p.partida < 0) {
        adversario_->DefinirTexto(QStringLiteral("-"));
        return;
    }
    QString linha1 = ui::Q(jogo.times[p.adversario].nome.view());
    if (p.colocacao > 0) linha1 += QStringLiteral(" (%1º)").arg(p.colocacao);
    linha1 += QStringLiteral(" - ") + ui::T(p.casa ? 2010 : 2011);
    const QString linha2 = ui::Q(p.nomecompeticao) + Etapa(jogo, p);
    adversario_->DefinirTexto(linha1 + '\n' + linha2);
}

void CabecalhoClube::MostrarSemClube(const QString& tecnico, double data) {
    MostrarNome(QStringLiteral("Sem clube"),
                ui::EstiloDoClube(QColor(238, 238, 232), QColor(40, 40, 40)), QPixmap());
    MostrarTecnico(tecnico);
    MostrarData(data);
    adversario_->DefinirTexto(QStringLiteral("-"));
    if (!dinheiro_) return;
    MostrarConfianca(0, 0);
    dinheiro_->setText({});
    dinheiro_->setToolTip({});
    DefinirNoticias(0);
    noticias_->setEnabled(false); // no club, no mailbox
}

void CabecalhoClube::Avisar(const QString& texto) {
    aviso_->setText(texto);
    avisotempo_->start(4000);
}

void CabecalhoClube::MostrarTorneio(const QString& nome) {
    if (torneio_) torneio_->setText(nome);
}

void CabecalhoClube::MostrarConfianca(int diretoria, int torcida) {
    Medir(diretoria_, diretoria);
    Medir(torcida_, torcida);
}

void CabecalhoClube::DefinirNoticias(int naolidas) {
    noticias_->setText(naolidas > 0 ? QString::number(naolidas) + ' ' + ui::T(78) : ui::T(77));
    noticias_->setIcon(QIcon(FiguraEnvelope(naolidas == 0, false)));
    // Something new reads in bold.
    QFont f = noticias_->font();
    f.setBold(naolidas > 0);
    noticias_->setFont(f);
}

} // namespace management::telas
