#pragma once
// The charts the screens draw: a line chart over whole-number axes and a
// bar chart of categories, both sized to stay readable in a small window.
#include <QString>
#include <QStringList>

#include <vector>

class QChart;
class QChartView;
class QWidget;

namespace ui {

// One named series: the y values at x = 1, 2, ... (or at `x` when given).
struct Serie {
    QString nome;
    std::vector<double> valores;
    std::vector<double> x;
    bool destaque = false; // drawn thicker
    bool marcas = false;   // points only, no line (marks on another series)
};

// A chart on its own view, titled, legend at the bottom.
QChartView* NovoGrafico(const QString& titulo, QWidget* pai = nullptr);

// Replaces the chart's series by lines over whole-number axes: x from `xmin`
// to `xmax`, y from `ymin` to `ymax` (upside down when `invertido`, so that
// place 1 is on top).
void MostrarLinhas(QChart* grafico, const std::vector<Serie>& series, int xmin, int xmax, int ymin,
                   int ymax, const QString& titulox, const QString& tituloy,
                   bool invertido = false);

// Replaces the chart's series by bars: one set per series, one group per
// category.
void MostrarBarras(QChart* grafico, const QStringList& categorias, const std::vector<Serie>& series,
                   const QString& tituloy);

// The y values of the series named `nome` on the chart (lines or bar sets),
// in order; empty when there is none.
std::vector<double> ValoresDaSerie(const QChart* grafico, const QString& nome);

} // namespace ui
