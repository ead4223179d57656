#pragma once
// National-team files, teams/selecoes/*.s05: i32 1 and the 1688-byte record.
#include "world/jogo.hpp"

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace world {

constexpr std::size_t kTamanhoArquivoSelecao = 4 + sizeof(TSelecao);

TSelecao NovaSelecao(int pais); // every slot the placeholder
// At least 2 goalkeepers and 16 outfield players among the named slots.
bool SelecaoCompleta(const TSelecao& s);

// A national-team file's bytes as read: missing bytes zero, the rest ignored.
TSelecao SelecaoDeBytes(std::span<const std::uint8_t> dados);
// Missing bytes of a short file are zero; nothing when the file cannot be read.
std::optional<TSelecao> LerArquivoSelecao(const std::filesystem::path& caminho);
// The file's bytes: marker and record.
std::vector<std::uint8_t> BytesArquivoSelecao(const TSelecao& s);
bool GravarArquivoSelecao(const std::filesystem::path& caminho, const TSelecao& s);

// Game start: every teams/selecoes/*.s05 in folder order into selecoes, with
// the continent recomputed from the country (a stored one is never trusted).
void carregaselecoes(Jogo& jogo);

// The editor's view: one slot per country code; a later file with the same
// country replaces an earlier one, and codes outside 0..201 are left out.
std::array<std::optional<TSelecao>, 202> LerSelecoesEditor();
// What the editor does before writing a team: completo recomputed.
void PrepararParaSalvar(TSelecao& s);
// completo recomputed, written as teams/selecoes/<pais>.s05.
bool SalvarSelecao(TSelecao& s);
// The same into a given file (the editor writes a team back where it read it).
bool SalvarSelecaoEm(TSelecao& s, const std::filesystem::path& caminho);

// Puts a national team on the pitch: a temporary club appended to times and one
// player per named slot appended to jogadores (strength 0: the tournament sets
// it from the team's level). Returns the club index.
int SelecaoParaTime(Jogo& jogo, int selecao, double hoje);

} // namespace world
