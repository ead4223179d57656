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

// The bank loan: 500 000 at a time, while the balance is below 2 500 000;
// repaid 500 000 at a time while there is a balance, cash going negative if
// it must. Each says why it changes nothing when not allowed.
constexpr world::i32 kParcelaEmprestimo = 500000;
constexpr world::i32 kLimiteEmprestimo = 2500000;
enum class RecusaEmprestimo {
    Nenhuma,
    SemClube,  // no such club
    NoLimite,  // the balance has reached kLimiteEmprestimo
    SemDivida, // nothing to pay back
};
RecusaEmprestimo RecusaDoEmprestimo(const world::Jogo& jogo, int clube); // taking one
RecusaEmprestimo RecusaDoPagamento(const world::Jogo& jogo, int clube);  // paying one back
RecusaEmprestimo PegarEmprestimo(world::Jogo& jogo, int clube);
RecusaEmprestimo PagarEmprestimo(world::Jogo& jogo, int clube);
// 3% of the balance, rounded.
world::i32 JurosSemanais(world::i32 emprestimo);

// League prizes to the champion and runner-up of every division of `liga`.
void PagarPremios(world::Jogo& jogo, int liga);

// Start of a season: statements cleared, values and salaries recomputed, wage
// bills recounted, then sponsorship (human clubs) or fresh cash (the others).
// The season end runs the same three parts below at their own steps.
void IniciarTemporadaFinancas(world::Jogo& jogo);
// Every club's statement back to zero; the loan balance goes with it, the
// money borrowed stays in the cash.
void ZerarFinancas(world::Jogo& jogo);
// Value and salary of every player with a club, from the cash held now, then
// every wage bill recounted.
void ReavaliarJogadores(world::Jogo& jogo);
// The weekly wage bill of one club (of every club) recounted from its players.
void RecontarFolha(world::Jogo& jogo, int clube);
void RecontarFolhas(world::Jogo& jogo);
// The new season's money: sponsorship by division for human clubs (booked
// as sponsorship), fresh cash by division for the others.
void DinheiroDaTemporada(world::Jogo& jogo);

// A club hires a coach: fresh cash by division, loan forgotten, ticket prices
// back to the division's.
void DinheiroAoContratar(world::Jogo& jogo, int clube);

// Money of a transfer at price `preco` with rescission fine `multa`.
void MovimentarTransferencia(world::Jogo& jogo, int comprador, int vendedor, int jogador,
                             world::i32 preco, world::i32 multa);

// Stadium works paid: out of the cash, into the statement's stadium spending.
void PagarEstadio(world::Jogo& jogo, int clube, world::i32 valor);

// The finance screen's figures for a club.
struct ResumoFinancas {
    std::int64_t ingressos, vendas, premios, emprestimo, patrocinio, entradas;
    std::int64_t compras, estadio, salarios, juros, multas, saidas;
    std::int64_t saldo;
    world::i32 jurossemanais, salariosemanal, dinheiro;
};
ResumoFinancas ResumirFinancas(const world::Jogo& jogo, int clube);

} // namespace management
