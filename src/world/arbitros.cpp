#include "world/arbitros.hpp"

#include <algorithm>

namespace world {

const std::array<TArbitro, kNumArbitros>& arbitros() {
    // Invented names; 0..24 from the home country, 25..41 international.
    static const std::array<TArbitro, kNumArbitros> tabela = [] {
        std::array<TArbitro, kNumArbitros> t = {{
            {"Wanderley Nogueira Paes", 3, 3, 0},
            {"Osvaldo Teixeira Lins", 3, 3, 0},
            {"Rui Mattos Carvalhal", 3, 4, 0},
            {"Edinaldo Siqueira", 3, 5, 0},
            {"Cl\xe1udio Furtado Reis", 4, 4, 0},
            {"Marcelo Andrade Prates", 5, 2, 0},
            {"Jos\xe9 Ribamar Coutinho", 5, 4, 0},
            {"Heitor Valad\xe3o", 5, 5, 0},
            {"Gilmar Assun\xe7\xe3o", 4, 3, 0},
            {"Fl\xe1vio Brand\xe3o Neto", 5, 3, 0},
            {"Sebasti\xe3o Quint\xe3o", 3, 3, 0},
            {"Ademir Paix\xe3o", 3, 5, 0},
            {"Roberval Tavares", 3, 5, 0},
            {"Lu\xeds Carlos Bezerra", 3, 5, 0},
            {"Nivaldo Sampaio", 3, 2, 0},
            {"Ant\xf4nio Mello Viana", 3, 4, 0},
            {"Evandro Pimentel", 4, 4, 0},
            {"Reinaldo Goulart", 5, 4, 0},
            {"Paulo C\xe9sar Arruda", 3, 3, 0},
            {"Dorival Aguiar Lemos", 5, 3, 0},
            {"Jairo Menezes Lobo", 5, 5, 0},
            {"Valdemar Falc\xe3o", 3, 5, 0},
            {"Ign\xe1"
             "cio Barreto",
             3, 2, 0},
            {"Leandro Cavalcanti", 5, 4, 0},
            {"S\xe9rgio Rangel Pires", 4, 4, 0},
            {"Hendrik Van Oosterveld", 5, 4, 0},
            {"Marek Wolanski", 4, 2, 0},
            {"Giancarlo Bertolazzi", 5, 3, 0},
            {"Sven Halvorsrud", 5, 3, 0},
            {"Jean-Luc Marchetaud", 5, 3, 0},
            {"Anders Lindqvast", 5, 5, 0},
            {"Rodrigo Etxeberrieta", 4, 5, 0},
            {"Dimitar Kostadelov", 5, 4, 0},
            {"Graham Whitcombe", 5, 4, 0},
            {"Lukas Brandstetter", 5, 3, 0},
            {"Hugo Valdemoros", 4, 4, 0},
            {"Kenji Morisawa", 5, 4, 0},
            {"Ferenc Bodolay", 4, 4, 0},
            {"Tom\xe1s Irazusta", 4, 5, 0},
            {"Alastair MacCorran", 4, 5, 0},
            {"Nikos Theodorakidis", 4, 5, 0},
            {"Ousmane Diakit\xe9 Sow", 4, 2, 0},
        }};
        for (int i = 0; i < kNumArbitros; ++i) t[i].origem = i < 25 ? 29 : 1;
        return t;
    }();
    return tabela;
}

void EscolherArbitrosTemporada(Jogo& jogo) {
    struct Candidato {
        int indice, tecnica, chave;
    };
    std::array<Candidato, kNumArbitros> c{};
    for (int i = 0; i < kNumArbitros; ++i) c[i] = {i, arbitros()[i].tecnica, jogo.Aleatorio(50)};
    std::stable_sort(c.begin(), c.end(), [](const Candidato& a, const Candidato& b) {
        if (a.tecnica != b.tecnica) return a.tecnica > b.tecnica;
        return a.chave < b.chave;
    });
    int n = 0;
    for (int origem : {29, 1}) {
        int tomados = 0;
        for (const Candidato& x : c)
            if (tomados < 6 && arbitros()[x.indice].origem == origem) {
                jogo.estado.arbitrostemporada[n++] = x.indice;
                ++tomados;
            }
    }
}

} // namespace world
