#include "competitions/telas/telaclassificacao.hpp"

#include "ui/graficos.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/competicoes.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"
#include "world/paises.hpp"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
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
    ui::Dimensionar(this, QSize(1000, 700));
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
    QWidget* w = divisoes_->widget(d - 1);
    return w ? w->findChild<QTableWidget*>() : nullptr;
}

namespace {

QChart* GraficoDaPagina(const QTabWidget* abas, int d, const char* nome) {
    QWidget* w = abas->widget(d - 1);
    auto* v = w ? w->findChild<QChartView*>(QString::fromLatin1(nome)) : nullptr;
    return v ? v->chart() : nullptr;
}

} // namespace

QChart* TelaClassificacao::Corrida(int d) const {
    return GraficoDaPagina(divisoes_, d, "corrida");
}

QChart* TelaClassificacao::Pontos(int d) const {
    return GraficoDaPagina(divisoes_, d, "pontos");
}

void TelaClassificacao::MostrarLiga(int liga) {
    while (divisoes_->count() > 0) {
        QWidget* w = divisoes_->widget(0);
        divisoes_->removeTab(0);
        delete w;
    }
    corridas_.clear();
    if (liga < 0 || liga >= static_cast<int>(jogo_.ligas.size())) return;
    const TLiga& l = jogo_.ligas[liga];
    const int divisoes = std::clamp<int>(l.numdivisoes, 0, 4);
    for (int d = 1; d <= divisoes; ++d) corridas_.push_back(RefazerCorrida(jogo_, liga, d));
    for (int d = 1; d <= divisoes; ++d)
        divisoes_->addTab(PaginaDaDivisao(liga, d), ui::Q(nomedivisao(d)));
}

// The table, its clubs tickable for the race, and the two charts beside it.
QWidget* TelaClassificacao::PaginaDaDivisao(int liga, int d) {
    const TLiga& l = jogo_.ligas[liga];
    const int vagas = jogo_.estado.divisoesporliga == 2 ? 20 : 10;
    const auto linhas =
        competitions::Tabela(jogo_, kLiga, {l.divisoes[d - 1], static_cast<std::size_t>(vagas)});
    auto* pagina = new QSplitter(Qt::Horizontal);
    auto* t = NovaTabela();
    PreencherTabela(t, jogo_, linhas);
    for (int k = 0; k < t->rowCount(); ++k) {
        QTableWidgetItem* it = t->item(k, 1);
        it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
        it->setData(Qt::UserRole, linhas[k].time);
        it->setCheckState(jogo_.times[linhas[k].time].humano ? Qt::Checked : Qt::Unchecked);
    }
    t->setToolTip(ui::T(2904));
    // The club names whole; the charts take the rest of the width.
    t->setMinimumWidth(440);
    pagina->addWidget(t);

    auto* painel = new QWidget;
    auto* v = new QVBoxLayout(painel);
    v->setContentsMargins(0, 0, 0, 0);
    auto* corrida = ui::NovoGrafico(ui::T(2900));
    corrida->setObjectName(QStringLiteral("corrida"));
    auto* pontos = ui::NovoGrafico(ui::T(2902));
    pontos->setObjectName(QStringLiteral("pontos"));
    v->addWidget(ui::ComChave(corrida), 1);
    v->addWidget(ui::ComChave(pontos), 1);
    pagina->addWidget(painel);
    pagina->setStretchFactor(0, 0);
    pagina->setStretchFactor(1, 1);

    const CorridaDaDivisao& c = corridas_[d - 1];
    MostrarCorrida(t, corrida->chart(), c);
    connect(t, &QTableWidget::itemChanged, this, [this, t, corrida, d](QTableWidgetItem* it) {
        if (it->column() == 1) MostrarCorrida(t, corrida->chart(), corridas_[d - 1]);
    });

    // Points of the top six of the table, matchday by matchday.
    std::vector<ui::Serie> series;
    for (std::size_t k = 0; k < std::min<std::size_t>(6, linhas.size()); ++k) {
        const auto it = std::find(c.clubes.begin(), c.clubes.end(), linhas[k].time);
        if (it == c.clubes.end()) continue;
        const auto& p = c.pontos[it - c.clubes.begin()];
        series.push_back({ui::Q(jogo_.times[linhas[k].time].nome.view()),
                          std::vector<double>(p.begin(), p.end()),
                          {},
                          false});
    }
    const int maximo = series.empty() || series[0].valores.empty()
                           ? 3
                           : static_cast<int>(series[0].valores.back());
    ui::MostrarLinhas(pontos->chart(), series, 1, std::max(c.rodadas, 2), 0, std::max(maximo, 3),
                      ui::T(2013), ui::T(2903));
    return pagina;
}

// Places by matchday of the clubs ticked in the table (the human's first).
void TelaClassificacao::MostrarCorrida(QTableWidget* t, QChart* g, const CorridaDaDivisao& c) {
    std::vector<ui::Serie> series;
    for (int k = 0; k < t->rowCount(); ++k) {
        const QTableWidgetItem* it = t->item(k, 1);
        if (!it || it->checkState() != Qt::Checked) continue;
        const int time = it->data(Qt::UserRole).toInt();
        const auto i = std::find(c.clubes.begin(), c.clubes.end(), time);
        if (i == c.clubes.end()) continue;
        const auto& p = c.posicoes[i - c.clubes.begin()];
        series.push_back({it->text(),
                          std::vector<double>(p.begin(), p.end()),
                          {},
                          jogo_.times[time].humano != 0});
    }
    ui::MostrarLinhas(g, series, 1, std::max(c.rodadas, 2), 1,
                      std::max<int>(2, static_cast<int>(c.clubes.size())), ui::T(2013), ui::T(2901),
                      true);
}

} // namespace competitions::telas
