#include "ui/graficos.hpp"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace ui {

namespace {

void Limpar(QChart* g) {
    g->removeAllSeries();
    for (QAbstractAxis* e : g->axes()) {
        g->removeAxis(e);
        delete e;
    }
}

QValueAxis* Eixo(const QString& titulo, double min, double max, bool inteiro) {
    auto* e = new QValueAxis;
    e->setTitleText(titulo);
    e->setRange(min, max);
    if (inteiro) {
        e->setLabelFormat(QStringLiteral("%d"));
        // Whole-number ticks, at most about ten of them.
        const int passo = std::max(1, static_cast<int>(max - min + 9) / 10);
        e->setTickType(QValueAxis::TicksDynamic);
        e->setTickAnchor(min);
        e->setTickInterval(passo);
    }
    return e;
}

} // namespace

QChartView* NovoGrafico(const QString& titulo, QWidget* pai) {
    auto* g = new QChart;
    g->setTitle(titulo);
    g->legend()->setAlignment(Qt::AlignBottom);
    g->setMargins(QMargins(4, 4, 4, 4));
    g->setBackgroundRoundness(0);
    auto* v = new QChartView(g, pai);
    v->setRenderHint(QPainter::Antialiasing);
    v->setMinimumSize(280, 200);
    return v;
}

void MostrarLinhas(QChart* g, const std::vector<Serie>& series, int xmin, int xmax, int ymin,
                   int ymax, const QString& titulox, const QString& tituloy, bool invertido) {
    Limpar(g);
    auto* ex = Eixo(titulox, xmin, std::max(xmax, xmin + 1), true);
    auto* ey = Eixo(tituloy, ymin, std::max(ymax, ymin + 1), true);
    ey->setReverse(invertido);
    g->addAxis(ex, Qt::AlignBottom);
    g->addAxis(ey, Qt::AlignLeft);
    for (const Serie& s : series) {
        QXYSeries* l = nullptr;
        if (s.marcas) {
            auto* m = new QScatterSeries;
            m->setMarkerSize(14);
            m->setMarkerShape(QScatterSeries::MarkerShapeStar);
            l = m;
        } else {
            l = new QLineSeries;
            l->setPointsVisible(s.valores.size() < 40);
        }
        l->setName(s.nome);
        for (std::size_t k = 0; k < s.valores.size(); ++k)
            l->append(k < s.x.size() ? s.x[k] : static_cast<double>(k + 1), s.valores[k]);
        g->addSeries(l);
        if (s.destaque) {
            QPen p = l->pen();
            p.setWidth(4);
            l->setPen(p);
        }
        l->attachAxis(ex);
        l->attachAxis(ey);
    }
}

void MostrarBarras(QChart* g, const QStringList& categorias, const std::vector<Serie>& series,
                   const QString& tituloy) {
    Limpar(g);
    auto* barras = new QBarSeries;
    double maior = 0, menor = 0;
    for (const Serie& s : series) {
        auto* c = new QBarSet(s.nome);
        for (double v : s.valores) {
            *c << v;
            maior = std::max(maior, v);
            menor = std::min(menor, v);
        }
        barras->append(c);
    }
    g->addSeries(barras);
    auto* ex = new QBarCategoryAxis;
    ex->append(categorias);
    g->addAxis(ex, Qt::AlignBottom);
    barras->attachAxis(ex);
    auto* ey = Eixo(tituloy, menor, maior > menor ? maior * 1.05 : menor + 1, false);
    ey->setLabelFormat(QStringLiteral("%.0f"));
    g->addAxis(ey, Qt::AlignLeft);
    barras->attachAxis(ey);
}

std::vector<double> ValoresDaSerie(const QChart* g, const QString& nome) {
    std::vector<double> r;
    for (QAbstractSeries* s : g->series()) {
        if (auto* l = qobject_cast<QXYSeries*>(s); l && l->name() == nome) {
            for (const QPointF& p : l->points()) r.push_back(p.y());
            return r;
        }
        if (auto* b = qobject_cast<QBarSeries*>(s))
            for (QBarSet* c : b->barSets())
                if (c->label() == nome) {
                    for (int k = 0; k < c->count(); ++k) r.push_back(c->at(k));
                    return r;
                }
    }
    return r;
}

} // namespace ui
