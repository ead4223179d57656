#pragma once
// The language picker of the main menu: every language file offered, the
// current one preselected; choosing one makes it current and remembers it.
#include <QComboBox>

namespace shell {

class SeletorIdioma : public QComboBox {
    Q_OBJECT
public:
    explicit SeletorIdioma(QWidget* pai = nullptr);

signals:
    // The texts changed: open screens rebuild what they show.
    void idiomaTrocado();
};

} // namespace shell
