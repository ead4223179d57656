#pragma once
// Interface texts by number from the current language file,
// languages/<number>.txt: section s1 for the interface, s2 for the second
// table (country names at 726..927). Texts are Windows-1252, as stored.
#include <string>
#include <vector>

namespace world {

constexpr int kIdiomaPadrao = 10;

// The number in languages/config.ini (section "language", key "id"); 10 when
// the file or the key is missing or not a number.
int LerIdiomaConfig();
// Makes a language current without writing it anywhere.
void DefinirIdioma(int numero);
int IdiomaAtual();
// Forgets what was read from the language files (after they change on disk).
void EsquecerTextos();

// "Error" for a missing key, empty when the language file does not exist.
std::string texto(int numero);
std::string texto2(int numero);

// Writes the number to languages/config.ini, makes it current and refills the
// text tables.
void trocaidioma(int numero);

struct Idioma {
    std::string nome; // languagename
    int numero = 0;   // id
};
// Every languages/*.txt whose languageversion is 2007, sorted by name.
std::vector<Idioma> listaidiomas();

// Reads the current language from config.ini and fills the text tables; what
// the program does once at start-up.
void IniciarIdioma();
// Rebuilds every table that is built from texts (country names and the
// alphabetical list); run on every change of language.
void RecarregarTabelasTexto();

// Competition names of a country.
std::string nomeliga(int pais);
std::string nomecopapais(int pais);
// Division 1..4; empty for anything else.
std::string nomedivisao(int divisao);
// The name of state 0..26 (a club's `estado`); empty for anything else.
std::string nomeestado(int estado);

} // namespace world
