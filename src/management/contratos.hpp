#pragma once
// Players' contracts: a new contract, and the warnings and automatic renewals
// of the main screen's refresh.
#include "management/mercado.hpp"
#include "world/jogo.hpp"

namespace management {

// The end of a contract of `semanas` weeks signed today.
double FimDoNovoContrato(const world::Jogo& jogo, int semanas);
// A contract of `semanas` weeks from today; the end-of-contract warning is
// cleared.
void NovoContrato(world::Jogo& jogo, int jogador, int semanas);

// At every refresh of the main screen, for each player of club `clube`:
// with `opcontrato` an ended contract is renewed for 12 weeks at the same
// salary; by `opemails` the mail that a contract ends in less than 21 days
// (0 or 2) or has ended (0 or 1), each once.
void AvisosContrato(world::Jogo& jogo, int clube);

// --- "Propor novo contrato" ---------------------------------------------------

// "Contrato por mais:" 12, 24, 48 or 96 weeks; 24 when nothing is chosen.
int SemanasDoContrato(int escolha);

// What stands in the way before the player is asked, or of letting him go
// after he refused.
enum class RecusaRenovacao {
    Nenhuma,
    SemJogador,        // no player
    NaoEhDoClube,      // not a player of the coach's club
    SemSalario,        // no salary offered
    PoucosDisponiveis, // letting him go leaves fewer than 11 available outfield players
    UnicoGoleiro,      // he is a goalkeeper and the club has no other
};
constexpr int kMinimoDisponiveisDispensa = 11;

// "Oferecer" of club `clube` (the coach's) to `jogador` for `salario` a
// week: one of the club's players and an amount above nothing.
RecusaRenovacao RecusaDaRenovacao(const world::Jogo& jogo, int clube, int jogador,
                                  world::i32 salario = 1);

enum class RespostaContrato {
    ForaDaRealidade, // s1/799: more than 100 000 and five times the salary
    Aceita,
    Recusa,      // with a demand
    SemResposta, // a cut of a salary beyond the bands: the player says nothing
    Impedida,    // nobody was asked: `recusa` says why
};
struct AnaliseContrato {
    RespostaContrato resposta = RespostaContrato::SemResposta;
    RecusaRenovacao recusa = RecusaRenovacao::Nenhuma;
    world::i32 maximo = 0;    // ForaDaRealidade: the most the club may offer (5 × S)
    world::i32 exigencia = 0; // Recusa: the least he signs for
};
// The player's answer to `novo` with salary `atual`, his club placed
// `colocacao` in its league and `dias` left on his contract.
AnaliseContrato ResponderContrato(world::i32 atual, world::i32 novo, int colocacao, double dias);
// The least a player who refused `novo` signs for.
world::i32 ExigenciaSalarial(world::i32 atual, int colocacao, world::i32 novo);
// The answer of `jogador` to the offer of `novo` by club `clube` today.
AnaliseContrato ProporContrato(const world::Jogo& jogo, int clube, int jogador, world::i32 novo);

// Signs `jogador` for `salario` a week and `semanas` weeks: off the sale
// list, the new contract, a raise of more than 30 % lifts his morale and
// brings the satisfied player's mail, the club's salary bill recounted.
void AssinarContrato(world::Jogo& jogo, int jogador, world::i32 salario, int semanas);

// Whether the club can let a player go after he refused to sign: 11
// available outfield players, and another goalkeeper for a goalkeeper.
RecusaRenovacao RecusaDaDispensa(const world::Jogo& jogo, int jogador);
// "Recusa" of the demand: the player goes to a human's auction starting at
// his value (Nenhuma), or, when the club cannot spare him, keeps his
// contract (the screen shows s1/392 and why).
RecusaRenovacao RecusarExigencia(world::Jogo& jogo, InteracaoMercado& ia, int jogador,
                                 ResultadoLeilao* resultado = nullptr);

} // namespace management
