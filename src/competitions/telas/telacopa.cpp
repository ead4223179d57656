#include "competitions/telas/telacopa.hpp"

#include "competitions/copa.hpp"
#include "ui/fundo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace competitions::telas {

using namespace world;

namespace {
QString Cor(int rgb) {
    // Club colours are kept as the Windows colour value: blue, green, red.
    return QStringLiteral("#%1%2%3")
        .arg(rgb & 0xff, 2, 16, QLatin1Char('0'))
        .arg((rgb >> 8) & 0xff, 2, 16, QLatin1Char('0'))
        .arg((rgb >> 16) & 0xff, 2, 16, QLatin1Char('0'));
}
} // namespace

CaixaConfronto::CaixaConfronto(QWidget* pai) : QFrame(pai) {
    setObjectName(QStringLiteral("caixa"));
    setStyleSheet(QStringLiteral(
        "QFrame#caixa { background: rgba(255,255,255,200); border: 1px solid black; }"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(2, 0, 2, 0); // every pixel of height for the names
    v->setSpacing(0);
    nomes_ = new QLabel;
    nomes_->setAlignment(Qt::AlignCenter);
    nomes_->setWordWrap(true);
    nomes_->setTextFormat(Qt::RichText);
    // The names take what the score line leaves; they never push the box.
    nomes_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    placar_ = new QLabel;
    placar_->setAlignment(Qt::AlignCenter);
    placar_->setTextFormat(Qt::PlainText);
    placar_->setFixedHeight(placar_->fontMetrics().height());
    placar_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    placar_->hide();
    v->addWidget(nomes_, 1);
    v->addWidget(placar_);
    setMinimumWidth(180); // five phases side by side on a 1024-wide screen
}

void CaixaConfronto::Mostrar(int numero, const QString& a, const QString& b, int vencedor,
                             const QString& placar) {
    numero_ = numero;
    a_ = a;
    b_ = b;
    vencedor_ = vencedor;
    placar_->setText(placar);
    placar_->setVisible(!placar.isEmpty());
    setToolTip(a + QStringLiteral(" x ") + b +
               (placar.isEmpty() ? QString() : QStringLiteral("\n") + placar));
    Encaixar();
}

void CaixaConfronto::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    Encaixar();
}

void CaixaConfronto::Encaixar() {
    const QMargins m = layout()->contentsMargins();
    const QRect area = contentsRect().marginsRemoved(m);
    const int largura = std::max(1, area.width());
    const int altura = area.height() - (placar_->isVisibleTo(this) ? placar_->height() : 0);
    QFont negrito = nomes_->font();
    negrito.setBold(true);
    const QFontMetrics normal(nomes_->font()), forte(negrito);
    // Each name at most `limite` wide: whole while the box holds them,
    // shorter and shorter until it does.
    auto texto = [&](int limite) {
        auto nome = [&](const QString& n, bool venceu) {
            const QString curto =
                (venceu ? forte : normal).elidedText(n, Qt::ElideRight, limite).toHtmlEscaped();
            return venceu ? QStringLiteral("<b>") + curto + QStringLiteral("</b>") : curto;
        };
        return QStringLiteral("<small>%1</small> ").arg(numero_) + nome(a_, vencedor_ == 1) +
               QStringLiteral(" x ") + nome(b_, vencedor_ == 2);
    };
    for (int limite = largura;; limite -= 8) {
        nomes_->setText(texto(std::max(limite, 24)));
        if (limite <= 24 || nomes_->heightForWidth(largura) <= altura) break;
    }
}

TelaCopa::TelaCopa(const Jogo& jogo, QWidget* pai) : QDialog(pai), jogo_(jogo) {
    ui::Dimensionar(this, QSize(1240, 760));
    auto* v = new QVBoxLayout(this);
    paises_ = new QComboBox;
    for (const TLiga& l : jogo.ligas) paises_->addItem(ui::Q(NomeDaCopa(jogo, l.pais)));
    paises_->setVisible(jogo.ligas.size() > 1);
    auto* topo = new QHBoxLayout;
    topo->addWidget(paises_);
    campeao_ = new QLabel;
    QFont f = campeao_->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    campeao_->setFont(f);
    topo->addStretch();
    topo->addWidget(campeao_);
    topo->addStretch();
    v->addLayout(topo);

    // Phase p in column p; each box spans the rows of the two it follows.
    auto* grade = new QGridLayout;
    grade->setSpacing(2);
    primeiros_ = new QLabel;
    primeiros_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    primeiros_->setWordWrap(true);
    int n = 0;
    for (int fase = 0, caixas = 16; fase < 5; ++fase, caixas /= 2) {
        for (int k = 0; k < caixas; ++k) {
            auto* c = new CaixaConfronto;
            const int linhas = 16 / caixas;
            grade->addWidget(c, k * linhas, fase, linhas, 1);
            caixas_[n++] = c;
        }
    }
    grade->addWidget(primeiros_, 0, 0, 16, 1);
    // The first phase's sixteen rows share the height equally.
    for (int r = 0; r < 16; ++r) grade->setRowStretch(r, 1);
    v->addLayout(grade, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* b = new QHBoxLayout;
    b->addStretch();
    b->addWidget(ok);
    v->addLayout(b);
    connect(paises_, &QComboBox::currentIndexChanged, this, &TelaCopa::MostrarLiga);
    int inicial = 0;
    if (const int h = jogo.estado.timeshumanos[0];
        h >= 0 && h < static_cast<int>(jogo.times.size()))
        inicial = std::max(0, jogo.LigaDoPais(jogo.times[h].pais));
    paises_->setCurrentIndex(inicial);
    MostrarLiga(inicial);
}

void TelaCopa::MostrarLiga(int liga) {
    if (liga < 0 || liga >= static_cast<int>(jogo_.ligas.size())) return;
    setWindowTitle(ui::Q(NomeDaCopa(jogo_, jogo_.ligas[liga].pais)));
    const auto chave = ChaveDaCopa(jogo_, liga);
    const bool de32 = CopaDe32(jogo_, liga);
    auto nome = [&](int c) {
        return c >= 0 && c < static_cast<int>(jogo_.times.size())
                   ? ui::Q(jogo_.times[c].nome.view())
                   : QStringLiteral("-");
    };
    for (int i = 0; i < 31; ++i) {
        const TCaixaCopa& c = chave[i];
        CaixaConfronto* r = caixas_[i];
        r->setVisible(de32 || i >= 16);
        const int vencedor = c.vencedor < 0              ? 0
                             : c.vencedor == c.mandante  ? 1
                             : c.vencedor == c.visitante ? 2
                                                         : 0;
        r->Mostrar(i + 1, nome(c.mandante), nome(c.visitante), vencedor,
                   QString::fromStdString(c.placar));
    }
    // A 16-club cup starts at box 17; its clubs are also listed in the first column.
    primeiros_->setVisible(!de32);
    if (!de32) {
        QString s;
        for (int i = 16; i < 24; ++i)
            s += nome(chave[i].mandante).toHtmlEscaped() + QStringLiteral("<br>") +
                 nome(chave[i].visitante).toHtmlEscaped() + QStringLiteral("<br><br>");
        primeiros_->setText(s);
    }
    const int campeao = CampeaoDaCopa(jogo_, liga);
    campeao_->setVisible(campeao >= 0);
    if (campeao >= 0) {
        const TTime& t = jogo_.times[campeao];
        campeao_->setText(ui::Q(t.nome.view()));
        campeao_->setStyleSheet(QStringLiteral("background: %1; color: %2; padding: 4px 16px;")
                                    .arg(Cor(t.corfundo), Cor(t.cortexto)));
    }
}

} // namespace competitions::telas
