#include "management/telas/filtrosbusca.hpp"

#include "ui/textos.hpp"
#include "world/posicoes.hpp"

#include <QComboBox>

namespace management::telas {

bool DeGoleiro(int caract) {
    return caract >= 0 && caract <= 3;
}

QComboBox* CaixaFiltro(const char* nome, const QString& todos) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(nome));
    c->addItem(todos, -1);
    return c;
}

QComboBox* CaixaFaixas(const char* nome, const std::vector<std::string>& faixas) {
    QComboBox* c = CaixaFiltro(nome, QStringLiteral("Todas"));
    for (int k = 0; k < static_cast<int>(faixas.size()); ++k) c->addItem(ui::Q(faixas[k]), k);
    return c;
}

QComboBox* CaixaCaracteristica(const char* nome) {
    QComboBox* c = CaixaFiltro(nome, QStringLiteral("Qualquer"));
    c->addItem(ui::Q(world::NomeCaracteristica(0)), kReflexos);
    for (int k = 4; k <= 13; ++k) c->addItem(ui::Q(world::NomeCaracteristica(k)), k);
    return c;
}

} // namespace management::telas
