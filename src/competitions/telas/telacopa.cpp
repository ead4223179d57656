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

    auto* grade = new QGridLayout;
    grade->setSpacing(2);
    primeiros_ = new QLabel;
    primeiros_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    primeiros_->setWordWrap(true);
    chave_.Montar(grade, {{16, 8, 4, 2, 1}, {}, {}},
                  [&jogo](int c) { return NomeNaChave(jogo, c); });
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
    chave_.MostrarChave(chave);
    for (int i = 0; i < 16; ++i) chave_.Caixa(i)->setVisible(de32);
    // A 16-club cup starts at box 17; its clubs are also listed in the first column.
    primeiros_->setVisible(!de32);
    if (!de32) {
        QString s;
        for (int i = 16; i < 24; ++i)
            s += NomeNaChave(jogo_, chave[i].mandante).toHtmlEscaped() + QStringLiteral("<br>") +
                 NomeNaChave(jogo_, chave[i].visitante).toHtmlEscaped() +
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
