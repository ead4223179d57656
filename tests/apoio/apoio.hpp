#pragma once
// Builders that keep the tests short: a throw-away data folder, and club and
// language files written on the spot.
#include "plataforma/caminhos.hpp"
#include "world/arquivotime.hpp"
#include "world/registros.hpp"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace apoio {

// A fresh folder that is both the data root and the program folder while the
// value lives; the language tables are forgotten on entry and on exit.
class PastaTemporaria {
public:
    PastaTemporaria();
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    const std::filesystem::path& Caminho() const { return caminho_; }
    std::filesystem::path operator/(std::string_view relativo) const { return caminho_ / relativo; }
    // Writes a file (folders created), bytes as given.
    void Escrever(std::string_view relativo, std::string_view conteudo) const;
    void Escrever(std::string_view relativo, const std::vector<std::uint8_t>& conteudo) const;
    std::vector<std::uint8_t> Ler(std::string_view relativo) const;

private:
    std::filesystem::path caminho_;
    plataforma::Pastas anteriores_;
};

// A club of `goleiros` goalkeepers and `linha` outfield players (full-backs,
// centre-backs, midfielders and forwards in turn), the first eleven starters.
// Characteristics are valid for each position.
world::ArquivoTime MontarTime(int pais, int nivel, std::string_view nome, int goleiros = 2,
                              int linha = 16);
// Writes it as teams/<arquivo>.b07 (arquivo defaults to the name).
void GravarTime(const PastaTemporaria& pasta, world::ArquivoTime t, std::string arquivo = {});

// A language file languages/<numero>.txt, 2007 format, with the given s1 and s2
// lines ("N=text"), and config.ini pointing at it when `atual`.
void GravarIdioma(const PastaTemporaria& pasta, int numero, std::string_view nome,
                  const std::vector<std::string>& s1, const std::vector<std::string>& s2 = {},
                  bool atual = true);

} // namespace apoio
