#include "ui/graficos.hpp"

#include "ui/textos.hpp"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <climits>
#include <cmath>

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

// A round step that cuts [min, max] into at most four parts: 1, 2 or 5 times
// a power of ten.
double PassoRedondo(double min, double max) {
    const double bruto = std::max((max - min) / 4.0, 1.0);
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (double f : {1.0, 2.0, 5.0})
        if (f * potencia >= bruto) return f * potencia;
    return 10.0 * potencia;
}

// An axis mark in short: "$10 mi", "$500 mil", "$1500 mil", "$750".
QString TextoDinheiro(double v) {
    const double a = std::abs(v);
    if (a >= 1e6 && std::fmod(a, 1e6) == 0)
        return QStringLiteral("$%1 %2").arg(QLocale::c().toString(v / 1e6, 'f', 0), T(2968));
    if (a >= 1e3 && std::fmod(a, 1e3) == 0)
        return QStringLiteral("$%1 %2").arg(QLocale::c().toString(v / 1e3, 'f', 0), T(2969));
    return QStringLiteral("$%1").arg(QLocale::c().toString(v, 'f', 0));
}

// A value axis marked at round amounts of money, from a round amount at or
// below `min` to one at or above `max`.
QAbstractAxis* EixoDinheiro(const QString& titulo, double min, double max) {
    const double passo = PassoRedondo(min, max);
    const double de = std::floor(min / passo) * passo;
    const double ate = std::max(std::ceil(max / passo) * passo, de + passo);
    auto* e = new QCategoryAxis;
    e->setTitleText(titulo);
    e->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    e->setStartValue(de);
    e->setRange(de, ate);
    for (double v = de; v <= ate + passo / 2; v += passo) e->append(TextoDinheiro(v), v);
    return e;
}

const char* const kChave = "chave";

// Writes the series' colours and names into the chart's key, if it has one.
void AtualizarChave(QChart* g) {
    auto* chave = qobject_cast<QLabel*>(g->property(kChave).value<QObject*>());
    if (!chave) return;
    QStringList itens;
    const auto item = [&itens](const QColor& cor, const QString& nome, bool destaque) {
        const QString n = nome.toHtmlEscaped().replace(' ', QStringLiteral("&nbsp;"));
        itens << QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                     .arg(cor.name(), destaque ? QStringLiteral("<b>%1</b>").arg(n) : n);
    };
    for (QAbstractSeries* s : g->series()) {
        if (auto* l = qobject_cast<QXYSeries*>(s))
            item(l->color(), l->name(), l->pen().width() > 3);
        if (auto* b = qobject_cast<QAbstractBarSeries*>(s))
            for (QBarSet* c : b->barSets()) item(c->color(), c->label(), false);
    }
    chave->setText(itens.join(QStringLiteral(" &nbsp; ")));
}

} // namespace

QWidget* ComChave(QChartView* v) {
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    auto* chave = new QLabel;
    chave->setObjectName(v->objectName() + QStringLiteral("_chave"));
    chave->setWordWrap(true);
    chave->setTextFormat(Qt::RichText);
    chave->setContentsMargins(6, 0, 6, 0);
    l->addWidget(v, 1);
    l->addWidget(chave);
    v->chart()->legend()->hide();
    v->chart()->setProperty(kChave, QVariant::fromValue<QObject*>(chave));
    AtualizarChave(v->chart());
    return w;
}

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
    AtualizarChave(g);
}

void MostrarBarras(QChart* g, const QStringList& categorias, const std::vector<Serie>& series,
                   const QString& tituloy, Barras forma, bool dinheiro) {
    Limpar(g);
    // Lying bars are stacked: the axis spans a category's sums.
    const bool deitadas = forma == Barras::deitadas;
    QAbstractBarSeries* barras =
        deitadas ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                 : new QBarSeries;
    const std::size_t n = static_cast<std::size_t>(categorias.size());
    std::vector<double> acima(n, 0.0), abaixo(n, 0.0);
    double maior = 0, menor = 0;
    for (const Serie& s : series) {
        auto* c = new QBarSet(s.nome);
        for (std::size_t k = 0; k < s.valores.size(); ++k) {
            // Lying bars run from the bottom up: given in reverse, the first
            // category stands on top.
            double v = s.valores[deitadas ? s.valores.size() - 1 - k : k];
            *c << v;
            if (deitadas && k < n) v = (v >= 0 ? acima[k] : abaixo[k]) += v;
            maior = std::max(maior, v);
            menor = std::min(menor, v);
        }
        barras->append(c);
    }
    g->addSeries(barras);
    auto* ex = new QBarCategoryAxis;
    QStringList nomes = categorias;
    if (deitadas) std::reverse(nomes.begin(), nomes.end());
    ex->append(nomes);
    if (deitadas) {
        // A category's row is one line high: a tighter font keeps its name
        // whole instead of cut to "…".
        QFont f = ex->labelsFont();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        ex->setLabelsFont(f);
    }
    g->addAxis(ex, deitadas ? Qt::AlignLeft : Qt::AlignBottom);
    barras->attachAxis(ex);
    QAbstractAxis* ey = nullptr;
    if (dinheiro) {
        ey = EixoDinheiro(tituloy, menor, maior);
    } else {
        // Counts (matches, goals) get whole-number marks.
        const bool contagem = std::all_of(series.begin(), series.end(), [](const Serie& s) {
            return std::all_of(s.valores.begin(), s.valores.end(),
                               [](double v) { return v == std::floor(v); });
        });
        auto* e = Eixo(tituloy, menor, maior > menor ? maior * 1.05 : menor + 1, false);
        e->setLabelFormat(QStringLiteral("%.0f"));
        if (contagem) {
            // Few marks: a short chart has room for four or five labels.
            const double passo = std::max(1.0, PassoRedondo(menor, maior));
            e->setRange(std::floor(menor / passo) * passo,
                        std::max(std::ceil(maior / passo), 1.0) * passo);
            e->setTickType(QValueAxis::TicksDynamic);
            e->setTickAnchor(0);
            e->setTickInterval(passo);
        }
        ey = e;
    }
    g->addAxis(ey, deitadas ? Qt::AlignBottom : Qt::AlignLeft);
    barras->attachAxis(ey);
    // Room on the right for half of the last amount, centred on its mark.
    g->setMargins(QMargins(4, 4, deitadas && dinheiro ? 20 : 4, 4));
    AtualizarChave(g);
}

std::vector<double> ValoresDaSerie(const QChart* g, const QString& nome) {
    std::vector<double> r;
    for (QAbstractSeries* s : g->series()) {
        if (auto* l = qobject_cast<QXYSeries*>(s); l && l->name() == nome) {
            for (const QPointF& p : l->points()) r.push_back(p.y());
            return r;
        }
        if (auto* b = qobject_cast<QAbstractBarSeries*>(s))
            for (QBarSet* c : b->barSets())
                if (c->label() == nome) {
                    for (int k = 0; k < c->count(); ++k) r.push_back(c->at(k));
                    if (b->type() == QAbstractSeries::SeriesTypeHorizontalStackedBar)
                        std::reverse(r.begin(), r.end()); // given in reverse
                    return r;
                }
    }
    return r;
}

} // namespace ui
