#include "ui/rotulocortado.hpp"

#include <QFontMetrics>
#include <QMetaObject>
#include <QStringList>

#include <algorithm>

namespace ui {

RotuloCortado::RotuloCortado(QWidget* pai) : QLabel(pai) {
    setTextFormat(Qt::PlainText);
}

void RotuloCortado::DefinirTexto(const QString& texto) {
    texto_ = texto;
    setText(texto);
    setToolTip({});
    // The layout gives the label its room for the new text first; it is cut
    // to that room then (a resize), or at once if the room stays the same.
    updateGeometry();
    QMetaObject::invokeMethod(
        this, [this] { Cortar(); }, Qt::QueuedConnection);
}

int RotuloCortado::LarguraDe(const QString& texto) const {
    const QFontMetrics fm(font());
    int largura = 0;
    for (const QString& l : texto.split(QLatin1Char('\n')))
        largura = std::max(largura, fm.horizontalAdvance(l));
    return largura;
}

QSize RotuloCortado::sizeHint() const {
    // What the label measures for the text on show, widened to the whole text.
    QSize s = QLabel::sizeHint();
    s.rwidth() += LarguraDe(texto_) - LarguraDe(text());
    return s;
}

QSize RotuloCortado::minimumSizeHint() const {
    QSize s = sizeHint();
    s.setWidth(std::min(s.width(), 80));
    return s;
}

void RotuloCortado::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    Cortar();
}

void RotuloCortado::Cortar() {
    const int largura = std::max(20, contentsRect().width() - 2 * margin());
    const QFontMetrics fm(font());
    QStringList linhas = texto_.split(QLatin1Char('\n'));
    bool cortou = false;
    for (QString& l : linhas) {
        const QString c = fm.elidedText(l, Qt::ElideRight, largura);
        cortou = cortou || c != l;
        l = c;
    }
    const QString mostrado = linhas.join(QLatin1Char('\n'));
    if (mostrado != text()) setText(mostrado);
    setToolTip(cortou ? texto_ : QString());
}

} // namespace ui
