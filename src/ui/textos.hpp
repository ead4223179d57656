#pragma once
// Texts for the screens: the game keeps Windows-1252, Qt shows UTF-16.
#include <QString>

#include <string_view>

namespace ui {

// A Windows-1252 text of the game as Qt shows it.
QString Q(std::string_view cp1252);
// Language text s1/n of the current language.
QString T(int numero);
// Language text s2/n.
QString T2(int numero);
// A text typed by the user, as the game keeps it (characters outside
// Windows-1252 become "?"), cut to `maximo` bytes.
std::string ParaJogo(const QString& texto, std::size_t maximo = std::string::npos);

// Money as the finance screen writes it ("$1 234 567") and in words.
QString Dinheiro(int valor);
QString DinheiroExtenso(int valor);
// "$1 234 567" kept on one line where the text around it wraps.
QString DinheiroSemQuebra(int valor);

} // namespace ui
