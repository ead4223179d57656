#pragma once
// Language files: the UTF-8 sources in data/idiomas/<id>.ini become
// languages/<id>.txt in Windows-1252 with CRLF line ends.
#include <filesystem>
#include <string>

namespace dados {

// Converts every source; returns false with a message on the first problem.
bool GerarIdiomas(const std::filesystem::path& fontes, const std::filesystem::path& saida,
                  std::string& erro);

// One source text converted (exposed for the tests).
std::string ConverterIdioma(const std::string& utf8);

} // namespace dados
