#pragma once
// The settings file a fresh installation starts with: pitchlord.ini beside the
// programs, every option set to a value the options dialog lists.
#include <filesystem>
#include <string>

namespace dados {

// The text of the shipped file (section "opcoes", CRLF line ends).
std::string TextoOpcoesPadrao();

// Writes saida/pitchlord.ini unless a settings file is already there (in any
// case of its name): a player's own options survive every rebuild. False with
// a message when the file cannot be written.
bool GerarOpcoes(const std::filesystem::path& saida, std::string& erro);

} // namespace dados
