#pragma once
// The stadium: the four sectors' ticket prices, the budget and the works of
// an expansion, and the new seats when the works end.
#include "world/jogo.hpp"

#include <array>

namespace management {

using Setores = std::array<world::i32, 4>;

// The most seats a sector may hold in season `temporada`.
Setores CapacidadeMaxima(int temporada);

// The dearest ticket: far above any crowd's means, far below where adding
// to it overflows.
constexpr world::i32 kPrecoMaximo = 1'000'000;
// An arrow of the ticket screen: +1 or -1 to a sector's price (0..kPrecoMaximo).
void AjustarPreco(world::Jogo& jogo, int clube, int setor, int delta);

struct Orcamento {
    enum Estado { Nada, AcimaDoMaximo, Pronto } estado = Nada;
    Setores assentos{}; // seats to add
    world::i32 custo = 0;
    double termino = 0; // completion day
};
// "Pedir orçamento" for the seats typed per sector (not a positive number:
// 0). AcimaDoMaximo: s1/790; Nada: all four 0.
Orcamento PedirOrcamento(world::Jogo& jogo, int clube, const Setores& assentos);

// "Iniciar construção": false (s1/792) when the cash is short; otherwise the
// budget is paid (booked as stadium spending) and the works registered.
bool IniciarConstrucao(world::Jogo& jogo, int clube, const Orcamento& o);

// The club's works still under way, -1 when none.
int ObraPendente(const world::Jogo& jogo, int clube);

// At a refresh of the main screen: the first works of the club due by today
// put their seats in the stadium (one per refresh). True when one ended.
bool ConcluirObras(world::Jogo& jogo, int clube);

} // namespace management
