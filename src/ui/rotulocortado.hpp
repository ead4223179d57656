#pragma once
// A label that shows its whole text where there is room and cuts it short
// with "…" where there is not, line by line, the whole text in the tooltip.
// It asks its layout for the room of the whole text but accepts much less.
#include <QLabel>

namespace ui {

class RotuloCortado : public QLabel {
public:
    explicit RotuloCortado(QWidget* pai = nullptr);

    void DefinirTexto(const QString& texto);
    const QString& Texto() const { return texto_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    int LarguraDe(const QString& texto) const; // the widest line
    void Cortar();

    QString texto_;
};

} // namespace ui
