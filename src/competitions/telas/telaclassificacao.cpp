#include "competitions/telas/telaclassificacao.hpp"

#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/competicoes.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"
#include "world/paises.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace competitions::telas {

using namespace world;

QTableWidget* NovaTabela(QWidget* pai) {
    auto* t = new QTableWidget(0, 10, pai);
    t->setHorizontalHeaderLabels({QString(), QString(), QStringLiteral("PG"), QStringLiteral("J"),
                                  QStringLiteral("V"), QStringLiteral("E"), QStringLiteral("D"),
                                  QStringLiteral("GP"), QStringLiteral("GC"),
                                  QStringLiteral("SG")});
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    t->verticalHeader()->setDefaultSectionSize(20);
    return t;
}

void PreencherTabela(QTableWidget* t, const Jogo& jogo, const std::vector<TLinhaTabela>& linhas) {
    t->setRowCount(static_cast<int>(linhas.size()));
    for (int k = 0; k < static_cast<int>(linhas.size()); ++k) {
        const TLinhaTabela& l = linhas[k];
        const bool humano = l.time >= 0 && l.time < static_cast<int>(jogo.times.size()) &&
                            jogo.times[l.time].humano;
        const int valores[8] = {l.pontos,   l.jogos,   l.vitorias,   l.empates,
                                l.derrotas, l.golspro, l.golscontra, l.saldo};
        auto celula = [&](int c, const QString& s, bool direita) {
            auto* it = new QTableWidgetItem(s);
            if (direita) it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (humano) {
                QFont f = it->font();
                f.setBold(true);
                it->setFont(f);
            }
            t->setItem(k, c, it);
        };
        celula(0, QString::number(k + 1), true);
        celula(1, l.time >= 0 ? ui::Q(jogo.times[l.time].nome.view()) : QString(), false);
        for (int c = 0; c < 8; ++c) celula(c + 2, QString::number(valores[c]), true);
    }
}

TelaClassificacao::TelaClassificacao(const Jogo& jogo, QWidget* pai) : QDialog(pai), jogo_(jogo) {
    setWindowTitle(QStringLiteral("Classificação"));
    ui::Dimensionar(this, QSize(760, 640));
    auto* v = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    paises_ = new QComboBox;
    for (const TLiga& l : jogo.ligas) paises_->addItem(ui::Q(NomeDaLiga(jogo, l.pais)));
    // The league of the club on screen comes first, as a player expects.
    int inicial = 0;
    if (const int h = jogo.estado.timeshumanos[0];
        h >= 0 && h < static_cast<int>(jogo.times.size()))
        inicial = std::max(0, jogo.LigaDoPais(jogo.times[h].pais));
    paises_->setVisible(jogo.ligas.size() > 1);
    topo->addWidget(paises_);
    topo->addStretch();
    v->addLayout(topo);
    divisoes_ = new QTabWidget;
    v->addWidget(divisoes_, 1);
    auto* fechar = new QPushButton(QStringLiteral("OK"));
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* baixo = new QHBoxLayout;
    baixo->addStretch();
    baixo->addWidget(fechar);
    v->addLayout(baixo);
    connect(paises_, &QComboBox::currentIndexChanged, this, &TelaClassificacao::MostrarLiga);
    paises_->setCurrentIndex(inicial);
    MostrarLiga(inicial);
}

QTableWidget* TelaClassificacao::Tabela(int d) const {
    return qobject_cast<QTableWidget*>(divisoes_->widget(d - 1));
}

void TelaClassificacao::MostrarLiga(int liga) {
    while (divisoes_->count() > 0) {
        QWidget* w = divisoes_->widget(0);
        divisoes_->removeTab(0);
        delete w;
    }
    if (liga < 0 || liga >= static_cast<int>(jogo_.ligas.size())) return;
    const TLiga& l = jogo_.ligas[liga];
    const int vagas = jogo_.estado.divisoesporliga == 2 ? 20 : 10;
    for (int d = 0; d < std::clamp<int>(l.numdivisoes, 0, 4); ++d) {
        auto* t = NovaTabela();
        PreencherTabela(
            t, jogo_,
            competitions::Tabela(jogo_, kLiga, {l.divisoes[d], static_cast<std::size_t>(vagas)}));
        divisoes_->addTab(t, ui::Q(nomedivisao(d + 1)));
    }
}

} // namespace competitions::telas
