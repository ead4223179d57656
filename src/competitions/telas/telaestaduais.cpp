#include "competitions/telas/telaestaduais.hpp"

#include "competitions/classificacao.hpp"
#include "competitions/estaduais.hpp"
#include "competitions/telas/telaclassificacao.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/competicoes.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace competitions::telas {

using namespace world;

TelaEstaduais::TelaEstaduais(const Jogo& jogo, QWidget* pai) : QDialog(pai), jogo_(jogo) {
    setWindowTitle(QStringLiteral("Estadual"));
    ui::Dimensionar(this, QSize(760, 640));
    auto* v = new QVBoxLayout(this);
    estados_ = new QComboBox;
    // States have no names of their own: they go by their number.
    for (int s = 0; s < kEstados; ++s)
        if (jogo.estaduais[s].numgrupos > 0) {
            ativos_.push_back(s);
            estados_->addItem(QStringLiteral("Estadual %1").arg(s + 1));
        }
    auto* topo = new QHBoxLayout;
    topo->addWidget(estados_);
    topo->addStretch();
    v->addLayout(topo);
    grupos_ = new QTabWidget;
    v->addWidget(grupos_, 1);
    final_ = new QLabel;
    final_->setAlignment(Qt::AlignCenter);
    v->addWidget(final_);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* b = new QHBoxLayout;
    b->addStretch();
    b->addWidget(ok);
    v->addLayout(b);
    connect(estados_, &QComboBox::currentIndexChanged, this, &TelaEstaduais::MostrarEstado);
    const auto it = std::find(ativos_.begin(), ativos_.end(), PrimeiroEstadoMostrado(jogo));
    const int inicial = it == ativos_.end() ? 0 : static_cast<int>(it - ativos_.begin());
    estados_->setCurrentIndex(inicial);
    MostrarEstado(inicial);
}

int TelaEstaduais::Estado() const {
    const int i = estados_->currentIndex();
    return i >= 0 && i < static_cast<int>(ativos_.size()) ? ativos_[i] : -1;
}

void TelaEstaduais::MostrarEstado(int indice) {
    while (grupos_->count() > 0) {
        QWidget* w = grupos_->widget(0);
        grupos_->removeTab(0);
        delete w;
    }
    final_->clear();
    if (indice < 0 || indice >= static_cast<int>(ativos_.size())) return;
    const TEstadual& e = jogo_.estaduais[ativos_[indice]];
    for (int g = 0; g < std::clamp<int>(e.numgrupos, 0, kGruposEstaduais); ++g) {
        auto* t = NovaTabela();
        PreencherTabela(
            t, jogo_, competitions::Tabela(jogo_, kEstadual, std::span<const int>(e.grupos[g], 6)));
        grupos_->addTab(t, QString::number(g + 1));
    }
    // The final: group 1's runner-up at home in the first leg.
    if (e.finalistas[0] < 0 || e.finalistas[1] < 0) return;
    QString s = ui::Q(jogo_.times[e.finalistas[1]].nome.view()) + QStringLiteral(" x ") +
                ui::Q(jogo_.times[e.finalistas[0]].nome.view());
    for (const TPartida& p : jogo_.partidas)
        if (p.competicao == kEstadual && p.grupo == ativos_[indice] && p.rodada >= 6 && p.jogado)
            s += QStringLiteral("   %1 %2 x %3 %4")
                     .arg(ui::Q(jogo_.times[p.mandante].nome.view()))
                     .arg(p.golsmandante)
                     .arg(p.golsvisitante)
                     .arg(ui::Q(jogo_.times[p.visitante].nome.view()));
    if (e.campeao >= 0) s += QStringLiteral("   — ") + ui::Q(jogo_.times[e.campeao].nome.view());
    final_->setText(s);
}

} // namespace competitions::telas
