#pragma once
// Text tables for the terminal, which speaks UTF-8: a column is so many
// characters wide, not so many bytes, or every name with an accent would push
// the rest of its line one place to the left.
#include <cstddef>
#include <string>
#include <string_view>

namespace plataforma {

// Characters (code points) of a UTF-8 text.
std::size_t LarguraUtf8(std::string_view utf8);

// The text in a column of `largura` characters: padded with spaces on the
// right, or cut where a character ends when it is longer.
std::string ColunaUtf8(std::string_view utf8, std::size_t largura);

} // namespace plataforma
