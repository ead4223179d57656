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
#include <QVBoxLayout>

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
            auto* c = new QLabel;
            c->setFrameShape(QFrame::Box);
            c->setAlignment(Qt::AlignCenter);
            c->setWordWrap(true);
            c->setStyleSheet(QStringLiteral("background: rgba(255,255,255,200); padding: 1px;"));
            c->setMinimumWidth(180); // five phases side by side on a 1024-wide screen
            const int linhas = 16 / caixas;
            grade->addWidget(c, k * linhas, fase, linhas, 1);
            caixas_[n++] = c;
        }
    }
    grade->addWidget(primeiros_, 0, 0, 16, 1);
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
                   ? ui::Q(jogo_.times[c].nome.view()).toHtmlEscaped()
                   : QStringLiteral("-");
    };
    for (int i = 0; i < 31; ++i) {
        const TCaixaCopa& c = chave[i];
        QLabel* r = caixas_[i];
        r->setVisible(de32 || i >= 16);
        QString s = QStringLiteral("<small>%1</small> ").arg(i + 1);
        auto clube = [&](int t) {
            return t == c.vencedor && t >= 0
                       ? QStringLiteral("<b>") + nome(t) + QStringLiteral("</b>")
                       : nome(t);
        };
        s += clube(c.mandante) + QStringLiteral(" x ") + clube(c.visitante);
        if (!c.placar.empty()) s += QStringLiteral("<br>") + QString::fromStdString(c.placar);
        r->setText(s);
    }
    // A 16-club cup starts at box 17; its clubs are also listed in the first column.
    primeiros_->setVisible(!de32);
    if (!de32) {
        QString s;
        for (int i = 16; i < 24; ++i)
            s += nome(chave[i].mandante) + QStringLiteral("<br>") + nome(chave[i].visitante) +
                 QStringLiteral("<br><br>");
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
