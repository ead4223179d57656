#pragma once
// Money after each match: the gate income, and the week's wages and loan
// interest on the dates that charge them.
#include "world/jogo.hpp"

namespace management {

// Adds to a club's cash, held within the i32 range: a club that piles up
// money for decades keeps the most it can hold instead of wrapping negative.
void MoverDinheiro(world::Jogo& jogo, int clube, std::int64_t valor);

// The statement of a club; the table grows to the clubs' count if a club was
// appended without one (national teams during a tournament).
world::TFinancas& FinancasDe(world::Jogo& jogo, int clube);

// The income of a played match of competition `codigo`: the national cup
// shares it (half each, rounded down), other club competitions give it all to
// the home club, national-team matches bring nothing.
void ReceberRenda(world::Jogo& jogo, int mandante, int visitante, std::int32_t renda, int codigo);

// Whether a date charges the week: league and state dates on a Sunday, and
// the friendly dates of the pre-season (calendar index 9 or less).
bool DiaDeSalarios(int codigo, double data, int indicecalendario);
bool DiaDeJuros(int codigo, double data);

// The week of one club that played on the date: wages, then 3% interest on
// its loan (recorded as its last interest charge).
void CobrarSemana(world::Jogo& jogo, int clube, int codigo, double data, int indicecalendario);

} // namespace management
