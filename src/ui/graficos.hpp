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

// The view with a key under it in place of the chart's own legend, which
// cuts long names short: each series' colour and whole name, wrapped over
// as many lines as the names need, kept up to date by the Mostrar functions.
QWidget* ComChave(QChartView* grafico);

// Replaces the chart's series by lines over whole-number axes: x from `xmin`
// to `xmax`, y from `ymin` to `ymax` (upside down when `invertido`, so that
// place 1 is on top).
void MostrarLinhas(QChart* grafico, const std::vector<Serie>& series, int xmin, int xmax, int ymin,
                   int ymax, const QString& titulox, const QString& tituloy,
                   bool invertido = false);

// How MostrarBarras lays its bars out.
enum class Barras {
    lado_a_lado, // one bar per series in each category's group
    deitadas,    // the series stacked (a series that is zero where another is
                 // not takes no room) and lying, the category names down the
                 // left side where long names have room
};

// Replaces the chart's series by bars: one set per series, one group per
// category. When `dinheiro`, the value axis is marked in round amounts of
// money written as the game writes them ("$5 000 000").
void MostrarBarras(QChart* grafico, const QStringList& categorias, const std::vector<Serie>& series,
                   const QString& tituloy, Barras forma = Barras::lado_a_lado,
                   bool dinheiro = false);

// The y values of the series named `nome` on the chart (lines or bar sets),
// in order; empty when there is none.
std::vector<double> ValoresDaSerie(const QChart* grafico, const QString& nome);

} // namespace ui
