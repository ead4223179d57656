#pragma once
// Reading numbers out of texts the way the settings and language files were
// written: optional blanks and sign, decimal digits, or "$" / "0x" before hex.
#include <cstdint>
#include <optional>
#include <string_view>

namespace world {

std::optional<std::int32_t> ConverterInteiro(std::string_view texto);

} // namespace world
