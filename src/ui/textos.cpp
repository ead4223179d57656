#include "ui/textos.hpp"

#include "plataforma/cp1252.hpp"
#include "world/idioma.hpp"
#include "world/valores.hpp"

namespace ui {

QString Q(std::string_view cp1252) {
    return QString::fromStdString(plataforma::Cp1252ParaUtf8(cp1252));
}

QString T(int numero) {
    return Q(world::texto(numero));
}
QString T2(int numero) {
    return Q(world::texto2(numero));
}

std::string ParaJogo(const QString& texto, std::size_t maximo) {
    std::string s = plataforma::Utf8ParaCp1252(texto.toStdString());
    if (s.size() > maximo) s.resize(maximo);
    return s;
}

QString Dinheiro(int valor) {
    return QStringLiteral("$") + Q(world::FormatarDinheiro(valor));
}
QString DinheiroSemQuebra(int valor) {
    return QStringLiteral("$") + Q(world::FormatarDinheiro(valor, world::kEspacoInseparavel));
}
QString DinheiroExtenso(int valor) {
    return Q(world::DinheiroPorExtenso(valor));
}

} // namespace ui
