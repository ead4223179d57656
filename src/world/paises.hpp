#pragma once
// Countries are codes 0..201; 202 is the pseudo-country of the custom
// championship. A country has a name from the language file and a continent
// from a fixed table.
#include <string>
#include <vector>

namespace world {

constexpr int kNumPaises = 202;
constexpr int kPaisInternacional = 202;
constexpr int kPaisCasa = 29; // the home country: state championships, "Copa do Brasil"

// Continent (0..5) of a country's clubs; unknown codes are continent 0.
int ContinentePais(int pais);
// Continent of a country's national team: 131 plays with continent 4.
int ContinenteSelecao(int pais);

// Name of a country (text s2/726+code); "International" for 202; empty for a
// code outside both.
std::string NomePais(int pais);
// Codes 0..201 ordered by name as a Portuguese reader expects (accents and
// case aside: "Bélgica" before "Bulgária"); rebuilt on every change of language
// and used to fill the country pickers.
const std::vector<int>& PaisesEmOrdemAlfabetica();
// Position of a country in that list, -1 for none.
int PosicaoAlfabetica(int pais);

void RecarregarNomesPaises();

} // namespace world
