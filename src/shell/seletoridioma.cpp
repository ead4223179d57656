#include "shell/seletoridioma.hpp"

#include "ui/textos.hpp"
#include "world/idioma.hpp"

namespace shell {

SeletorIdioma::SeletorIdioma(QWidget* pai) : QComboBox(pai) {
    setObjectName(QStringLiteral("idioma"));
    const int atual = world::IdiomaAtual();
    for (const world::Idioma& i : world::listaidiomas()) {
        addItem(ui::Q(i.nome), i.numero);
        if (i.numero == atual) setCurrentIndex(count() - 1);
    }
    // A current language that is not offered (another version) shows no
    // selection rather than pretending to be the first of the list.
    if (findData(atual) < 0) setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        const int numero = itemData(i).toInt();
        if (numero == world::IdiomaAtual()) return;
        world::trocaidioma(numero);
        emit idiomaTrocado();
    });
}

} // namespace shell
