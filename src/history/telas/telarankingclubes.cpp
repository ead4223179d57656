#include "history/telas/telarankingclubes.hpp"

#include "history/artilharia.hpp"
#include "history/telas/gradehistorico.hpp"
#include "history/telas/telaclubeanos.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace history::telas {

using namespace world;

namespace {

// Column captions; the continental ones by the continent of the country (the
// international view names both editions at once).
QString Titulo(int coluna, int continente) {
    switch (coluna) {
    case kRkLiga:
        return ui::T(ui::kTextoCampeonato);
    case kRkCopa:
        return ui::T(ui::kTextoCopaNacional);
    case kRkEstadual:
        return QStringLiteral("Estadual");
    case kRkContinental1:
        return continente < 0 ? QStringLiteral("Libert./Liga C.")
                              : ui::T(continente == 1 ? 329 : 328);
    case kRkMundial:
        return ui::T(ui::kTextoMundialDeClubes);
    default:
        return continente < 0 ? QStringLiteral("Sul-Amer./UEFA")
                              : ui::T(continente == 1 ? 331 : 330);
    }
}

} // namespace

TelaRankingClubes::TelaRankingClubes(const Jogo& jogo, int clube, QWidget* pai)
    : QDialog(pai), jogo_(jogo), escudos_(std::make_unique<MiniEscudos>(jogo)) {
    setWindowTitle(QStringLiteral("Ranking de Clubes"));
    setObjectName(QStringLiteral("rankingclubes"));
    setModal(true);

    visoes_ = new QTabBar;
    visoes_->setObjectName(QStringLiteral("visoes"));
    visoes_->addTab(QStringLiteral("Ranking por Colocação"));
    visoes_->addTab(QStringLiteral("Ranking por pontos corridos"));
    visoes_->addTab(QStringLiteral("Ranking Internacional"));
    visoes_->setExpanding(false);
    paises_ = new QComboBox;
    paises_->setObjectName(QStringLiteral("paises"));
    PreencherPaises(paises_, jogo_, LigaInicial(jogo_, clube));
    auto* topo = new QHBoxLayout;
    topo->addWidget(visoes_);
    topo->addStretch();
    topo->addWidget(paises_);

    QStringList colunas{QStringLiteral("#"), QStringLiteral("Clube")};
    for (int c = 0; c < kColunasRanking; ++c) colunas << Titulo(c, 0);
    colunas << QStringLiteral("Total");
    lista_ = NovaLista(colunas);
    lista_->setObjectName(QStringLiteral("lista"));
    lista_->horizontalHeader()->setSectionResizeMode(kColClube, QHeaderView::Stretch);
    connect(lista_, &QTableWidget::cellDoubleClicked, this, [this](int linha, int) {
        if (linha < 0 || linha >= static_cast<int>(linhas_.size())) return;
        TelaRetrospecto tela(jogo_, linhas_[linha].time, this);
        tela.exec();
    });

    legenda_ = new QLabel(QStringLiteral("Legenda: (PG/GP/GC)"));
    QHBoxLayout* rodape = RodapeFechar(this);
    rodape->insertWidget(0, legenda_);

    auto* v = new QVBoxLayout(this);
    v->addLayout(topo);
    v->addWidget(lista_, 1);
    v->addLayout(rodape);

    connect(lista_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TelaRankingClubes::MostrarEscudos);
    connect(lista_->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            &TelaRankingClubes::MostrarEscudos);
    connect(visoes_, &QTabBar::currentChanged, this, &TelaRankingClubes::Mostrar);
    connect(paises_, &QComboBox::currentIndexChanged, this, &TelaRankingClubes::Mostrar);
    Mostrar();
    ui::Dimensionar(this, QSize(1000, 660));
}

TelaRankingClubes::~TelaRankingClubes() = default;

VisaoRankingClubes TelaRankingClubes::Visao() const {
    return static_cast<VisaoRankingClubes>(std::clamp(visoes_->currentIndex(), 0, 2));
}

void TelaRankingClubes::Mostrar() {
    const VisaoRankingClubes visao = Visao();
    const bool internacional = visao == VisaoRankingClubes::Internacional;
    const bool titulos = visao == VisaoRankingClubes::Colocacao;
    const int pais = paises_->count() > 0 ? paises_->currentData().toInt() : -1;
    // The international view is of every league: the country picker has
    // nothing to choose there.
    paises_->setEnabled(!internacional);
    legenda_->setVisible(!titulos);

    const ColunasVisiveis colunas = ColunasDoRanking(jogo_, visao, pais);
    for (int c = 0; c < kColunasRanking; ++c) {
        lista_->setHorizontalHeaderItem(kColPrimeira + c,
                                        new QTableWidgetItem(Titulo(c, colunas.continente)));
        lista_->setColumnHidden(kColPrimeira + c, !colunas.mostrar[c]);
    }

    linhas_ = RankingDeClubes(jogo_, visao, pais);
    lista_->setUpdatesEnabled(false);
    lista_->setRowCount(0);
    lista_->setRowCount(static_cast<int>(linhas_.size()));
    for (int k = 0; k < static_cast<int>(linhas_.size()); ++k) {
        const LinhaRankingClube& l = linhas_[k];
        Celula(lista_, k, 0, QString::number(k + 1), true);
        Celula(lista_, k, kColClube, NomeDoClube(jogo_, l.time));
        for (int c = 0; c < kColunasRanking; ++c) {
            const QString texto = titulos ? QString::number(l.titulos[c])
                                          : QStringLiteral("(%1/%2/%3)")
                                                .arg(l.pontos[c][0])
                                                .arg(l.pontos[c][1])
                                                .arg(l.pontos[c][2]);
            Celula(lista_, k, kColPrimeira + c, texto, true);
        }
        Celula(lista_, k, kColTotal, QString::number(l.total), true);
    }
    lista_->setUpdatesEnabled(true);
    lista_->scrollToTop();
    MostrarEscudos();
}

void TelaRankingClubes::MostrarEscudos() {
    constexpr int kAlem = 60; // rows past the last one in view
    const int n = std::min<int>(lista_->rowCount(), static_cast<int>(linhas_.size()));
    const int primeira = std::max(0, lista_->rowAt(0));
    int ultima = lista_->rowAt(lista_->viewport()->height() - 1);
    if (ultima < 0) ultima = n - 1;
    for (int k = primeira; k < std::min(n, ultima + kAlem); ++k) {
        QTableWidgetItem* nome = lista_->item(k, kColClube);
        if (!nome || !nome->icon().isNull()) continue;
        if (const QPixmap p = escudos_->De(linhas_[k].time); !p.isNull()) nome->setIcon(QIcon(p));
    }
}

} // namespace history::telas
