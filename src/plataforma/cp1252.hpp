#pragma once
// Text in records and data files is Windows-1252; the screens and the terminal
// speak UTF-8. These two conversions are the only bridge between them.
#include <string>
#include <string_view>

namespace plataforma {

// Every one of the 256 bytes has an image: the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls U+0081.. so
// that converting back gives the same byte.
std::string Cp1252ParaUtf8(std::string_view cp1252);

// Characters with no Windows-1252 byte become '?'; so does malformed UTF-8.
std::string Utf8ParaCp1252(std::string_view utf8);

// The code point of one Windows-1252 byte.
char32_t CodigoCp1252(unsigned char byte);

// ASCII-only case folding; accented letters compare as they are, which is how
// the data files name themselves anyway.
char MinusculaAscii(char c);
bool IguaisSemCaixa(std::string_view a, std::string_view b);
// Orders as a case-insensitive file system enumerates names: upper-case folded
// bytes first, then the raw bytes to keep the order total.
bool MenorSemCaixa(std::string_view a, std::string_view b);

} // namespace plataforma
