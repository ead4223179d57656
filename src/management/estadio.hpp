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

// What stands in the way of a change of a ticket price.
enum class RecusaPreco {
    Nenhuma,
    SemClube, // no club of the market, or no such sector
    NoMinimo, // the price is 0 already
    NoMaximo, // the price is kPrecoMaximo already
};
// Whether the arrow `delta` (+1 or -1) of sector `setor` (0..3) can move its price.
RecusaPreco RecusaDoPreco(const world::Jogo& jogo, int clube, int setor, int delta);
// An arrow of the ticket screen: +1 or -1 to a sector's price (0..kPrecoMaximo).
RecusaPreco AjustarPreco(world::Jogo& jogo, int clube, int setor, int delta);

struct Orcamento {
    enum Estado { Nada, AcimaDoMaximo, Pronto } estado = Nada;
    Setores assentos{}; // seats to add
    world::i32 custo = 0;
    double termino = 0; // completion day
};
// "Pedir orçamento" for the seats typed per sector (not a positive number:
// 0). AcimaDoMaximo: s1/790; Nada: all four 0.
Orcamento PedirOrcamento(world::Jogo& jogo, int clube, const Setores& assentos);

// What stands in the way of an expansion.
enum class RecusaObra {
    Nenhuma,
    SemClube,     // no club of the market
    EmAndamento,  // its works are still under way (s1/292 and their end)
    SemOrcamento, // no budget asked, or none ready
    SemDinheiro,  // s1/792: the cash is below the budget
};
// Whether club `clube` can start the works of `o`; without a budget,
// whether it may ask for one ("Expandir estádio").
RecusaObra RecusaDaObra(const world::Jogo& jogo, int clube, const Orcamento* o = nullptr);
// "Iniciar construção": unless refused, the budget is paid (booked as
// stadium spending) and the works registered.
RecusaObra IniciarConstrucao(world::Jogo& jogo, int clube, const Orcamento& o);

// The club's works still under way, -1 when none.
int ObraPendente(const world::Jogo& jogo, int clube);

// At a refresh of the main screen: the first works of the club due by today
// put their seats in the stadium (one per refresh). True when one ended.
bool ConcluirObras(world::Jogo& jogo, int clube);

} // namespace management
