#pragma once
// Names in the order a Portuguese reader looks for them: "Bélgica" before
// "Bulgária", "Áustria" among the A's, "Índia" among the I's. Names are
// Windows-1252, as the language and club files hold them.
#include <string>
#include <string_view>

namespace plataforma {

// The text a name sorts by: letters lower-cased and stripped of their accents
// (á, à, â, ã, ä -> a; ç -> c; æ -> ae; ß -> ss ...), everything else as it is.
std::string ChaveAlfabetica(std::string_view cp1252);

// a comes before b: by their keys; names with the same key put the plain
// letter before the accented one, then the capital before the small one
// ("Para", "para", "Pará", "pará"), so that the order is total.
bool MenorAlfabetico(std::string_view a, std::string_view b);

} // namespace plataforma
