#pragma once
// The clubs and national teams of the default world, with their badges.
#include <filesystem>
#include <string>

namespace dados {

bool GerarMundo(const std::filesystem::path& fontes, const std::filesystem::path& saida,
                std::string& erro);

} // namespace dados
