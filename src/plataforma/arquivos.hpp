#pragma once
// Whole-file reads and safe writes.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace plataforma {

// The file's bytes, or nothing when it is missing, a folder or unreadable.
// Reads at most `limite` bytes, sized once from the file.
std::optional<std::vector<std::uint8_t>> LerArquivo(const std::filesystem::path& caminho,
                                                    std::size_t limite = 64u << 20);

// Writes to a temporary file beside the target, flushes it and renames it into
// place, so a failed or interrupted write never destroys the previous file.
// Returns false (and leaves the old file alone) on any failure.
bool GravarArquivoAtomico(const std::filesystem::path& caminho,
                          std::span<const std::uint8_t> dados);
bool GravarArquivoAtomico(const std::filesystem::path& caminho, std::string_view texto);
// Removes the temporary files ("<name>.tmp<pid>") that writes killed midway
// left in folder `pasta`: those of a process that no longer runs. Every
// successful write cleans its folder so; the game cleans its saves' folder
// at start. Returns how many went.
int LimparTemporarios(std::filesystem::path pasta);

} // namespace plataforma
