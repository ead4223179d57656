#pragma once
// Helpers shared by the editor's sources. A field is written only when its
// value changes, so a file saved without a change keeps every byte, even the
// undefined ones after a name that other tools may leave behind.
#include "plataforma/shortstring.hpp"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace editor {

template <std::size_t N> void Atribuir(plataforma::ShortString<N>& campo, std::string_view valor) {
    if (campo.view() != valor.substr(0, N)) campo.set(valor);
}

// A number kept within [minimo, maximo] when it changes; an odd stored value
// that nobody touched stays as it is.
template <class T> void AtribuirNumero(T& campo, int valor, int minimo, int maximo) {
    if (static_cast<int>(campo) != valor) campo = static_cast<T>(std::clamp(valor, minimo, maximo));
}

} // namespace editor
