#pragma once
// The transfer market: a human buying at the asking price or making an
// offer, the offers of computer-run clubs, fixed-price sales, auctions, and
// the trades between computer-run clubs. Every path ends in Transferir, which
// moves the player, the money and the salary and writes the history.
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace management {

// The players of every club, by club index (JogadoresPorTime). The market's
// batch operations keep one up to date across their transfers instead of
// scanning the whole player table for each.
using Elencos = std::vector<std::vector<int>>;

// An auction as its screen shows it.
struct Leilao {
    int jogador = 0;
    int vendedor = -1; // the selling club
    world::i32 precoinicial = 0;
    world::i32 melhorlance = 0; // the best human bid so far
    int melhorlicitante = -1;   // its club, -1 = none yet
    int vez = -1;               // the human club bidding now
    bool humanovende = false;   // a human put the player up
    int restantes = 0;          // auctions left in the series after this one
};

struct ResultadoLeilao {
    int comprador = -1; // -1: unsold
    world::i32 preco = 0;
};

// The market's questions to a person. The defaults decline everything.
struct InteracaoMercado {
    virtual ~InteracaoMercado() = default;
    // "Proposta de compra": computer-run club `comprador` offers `valor` for a
    // player of the human's club. True sells him.
    virtual bool PropostaDeCompra(world::Jogo&, int /*comprador*/, int /*jogador*/,
                                  world::i32 /*valor*/) {
        return false;
    }
    // "Atenção": human club `comprador` offers `valor` for a player of
    // another human's club; that human answers. True sells him.
    virtual bool VenderAoHumano(world::Jogo&, int /*comprador*/, int /*jogador*/,
                                world::i32 /*valor*/) {
        return false;
    }
    // The player accepts to join only for his salary times `fator`
    // (`novosalario`): true pays it.
    virtual bool AceitarExigencia(world::Jogo&, int /*comprador*/, int /*jogador*/, int /*fator*/,
                                  world::i32 /*novosalario*/) {
        return false;
    }
    // The bid of the human of club `leilao.vez`, in $ (thousands typed on the
    // screen); 0 = no bid. A bid above the bidder's cash counts as none.
    virtual world::i32 Lance(world::Jogo&, const Leilao&) { return 0; }
    // The auction is over: the winner, or none.
    virtual void FimDoLeilao(world::Jogo&, const Leilao&, const ResultadoLeilao&) {}
};

// --- The transfer -----------------------------------------------------------

// Rescission fine rate in percent for a contract with `dias` days left
// (rounded): 12, 15, 20, 22, 25 or 30; 0 when the contract has ended.
int TaxaDeMulta(double dias);
// The fine a sale of `jogador` at `preco` costs his club today: only a human
// seller whose player's contract still runs pays it.
world::i32 MultaRescisoria(const world::Jogo& jogo, int jogador, world::i32 preco);

// The one transfer operation: `jogador` joins `comprador` for `preco`.
// `elencos`, when given, is kept up to date.
void Transferir(world::Jogo& jogo, int jogador, int comprador, world::i32 preco,
                Elencos* elencos = nullptr,
                world::ViaTransferencia via = world::ViaTransferencia::Compra);
// A sale to a computer-run club (its offer, a fixed-price sale): the player
// is valued at the price, transferred, and the buyer gets the price back.
void VenderAoComputador(world::Jogo& jogo, int jogador, int comprador, world::i32 preco,
                        world::ViaTransferencia via);

// A player his human coach has already put in today's committed lineup (an
// earlier human of a hot-seat date): nobody can buy him until the date is
// played.
bool EscaladoHoje(const world::Jogo& jogo, int jogador);

// --- A human buys -------------------------------------------------------------

constexpr int kMaximoElencoHumano = 28;

// What stands in the way of a purchase or an offer before anyone is asked.
enum class Impedimento {
    Nenhum,
    SemClube,       // the buyer is no human's club of the market
    SemJogador,     // no player, or one of a national team
    DoProprioClube, // he is the buyer's already
    EscaladoHoje,   // his coach put him in today's committed lineup
    ElencoCheio,    // the buyer has 28 players
    NaoEstaAVenda,  // "Comprar": he is not listed
    SemDinheiro,    // the asking price or the offer is more than the buyer's cash
    SemValor,       // an offer of nothing
};

// "Comprar": the player is listed, of another club, the buyer has fewer than
// 28 players and the asking price in cash.
Impedimento ImpedimentoDaCompra(const world::Jogo& jogo, int comprador, int jogador);
bool PodeComprar(const world::Jogo& jogo, int comprador, int jogador);
bool Comprar(world::Jogo& jogo, int comprador, int jogador);

// "Propor compra" of `valor` $: a player of another club, no more than the
// buyer's cash, a squad not full. With the least offer, 1 $, it says whether
// the buyer can offer for him at all.
Impedimento ImpedimentoDaProposta(const world::Jogo& jogo, int comprador, int jogador,
                                  world::i32 valor = 1);

enum class Proposta {
    Aceita,            // transferred at the offer
    Impedida,          // nobody was asked: `impedimento` says why
    UnicoDaPosicao,    // the club keeps its only player of his position below `minimo`
    AbaixoDoMinimo,    // below what the club accepts, `minimo`
    JogadorNaoDesce,   // the player will not move down the divisions
    ExigenciaRecusada, // the player asked for more salary and the buyer said no
    RecusaHumano,      // the other human said "Não"
};
struct ResultadoProposta {
    Proposta resultado = Proposta::Impedida;
    Impedimento impedimento = Impedimento::Nenhum;
    world::i32 minimo = 0;      // a club's refusal: the least it takes, 0 = no offer reaches it
    int fator = 0;              // a salary demand: the factor asked
    world::i32 novosalario = 0; // and the salary it makes
    int reposicao = 0;          // the player the seller bought to replace him, 0 = none
};
// "Propor compra" of club `comprador` for `jogador`, `valor` in $.
ResultadoProposta ProporCompra(world::Jogo& jogo, InteracaoMercado& ia, int comprador, int jogador,
                               world::i32 valor);
// What the selling club's table asks for the player: the factor of his value
// (×10, so 22 is 2.2) and whether it replaces him after the sale.
struct Exigencia {
    int fator10 = 0;
    bool reposicao = false;
};
Exigencia ExigenciaDoClube(const world::Jogo& jogo, int jogador);
// The replacement a club that sold its only player of a position buys for
// that natural position, the sold player's strength and the price: the
// player bought, 0 = none found.
int ComprarReposicao(world::Jogo& jogo, int clube, int posicao, int forca, world::i32 preco);

// --- Computer-run clubs buy from a human ---------------------------------------

// The offer of a computer-run club for `jogador` ("Proposta de compra").
world::i32 ValorDaOfertaComputador(world::Jogo& jogo, int jogador);
// The pre-screen offer: with 1 chance in 30 a computer-run club wants a
// player of club `time` (more than 14 players); the human answers, "Sim"
// sells. True when the player was sold.
bool OfertaComputador(world::Jogo& jogo, InteracaoMercado& ia, int time);

// --- Fixed-price sales -----------------------------------------------------------

constexpr int kMinimoElencoVenda = 12;      // players the club keeps to sell one
constexpr int kMinimoDisponiveisVenda = 11; // and available outfield players

// What stands in the way of putting a player up for sale or auction.
enum class RecusaVenda {
    Nenhuma,
    SemJogador,        // no player, or not one of a club of the market
    NaoEhHumano,       // his club is not run by a human
    ElencoPequeno,     // the club has fewer than kMinimoElencoVenda players
    PoucosDisponiveis, // or fewer than kMinimoDisponiveisVenda available outfield players
    SemPreco,          // a price of nothing
};
// The sale screen's button, for a price of `preco` $ (the least, 1 $, asks
// whether he can be put up at all).
RecusaVenda RecusaDaVenda(const world::Jogo& jogo, int jogador, world::i32 preco = 1);
// Whether club `time` has the squad to sell (the human's club is not asked).
bool PodeVender(const world::Jogo& jogo, int time);
// "Colocar à venda": listed at `preco` $ (typed in thousands).
void ColocarAVenda(world::Jogo& jogo, int jogador, world::i32 preco);
// "Jogador à venda, clique aqui para retira-lo".
void RetirarDaVenda(world::Jogo& jogo, int jogador);
// The chance in percent that a player listed at `pedido` with value `passe`
// is sold at a refresh.
int ChanceDeVenda(world::i32 passe, world::i32 pedido);
// At a refresh of the main screen: each listed player of human club `time`
// may be sold to a computer-run club of its division. The number sold.
int VendasPrecoFixo(world::Jogo& jogo, int time);

// --- Auctions ------------------------------------------------------------------

// What stands in the way of a bid of `valor` $ by the club of `leilao.vez`.
// A refused bid counts as none.
enum class RecusaLance {
    Nenhuma,
    SemLance,        // nothing bid
    SaldoNegativo,   // "Saldo negativo, seu lance foi 0."
    AcimaDoCaixa,    // "Valor maior que seu dinheiro em caixa"
    AbaixoDoInicial, // below the starting price a bid can never win
};
RecusaLance RecusaDoLance(const world::Jogo& jogo, const Leilao& leilao, world::i32 valor);

// A human's auction from the sale screen, starting at `precoinicial` $.
ResultadoLeilao LeiloarJogador(world::Jogo& jogo, InteracaoMercado& ia, int jogador,
                               world::i32 precoinicial);
// Before a main screen that opens a league date: when some human club has
// fewer than 25 players, with chance 3/4, a series of 1 to 3 auctions of
// computer-run clubs' players. The number of auctions run.
int LeiloesAntesDaLiga(world::Jogo& jogo, InteracaoMercado& ia);

// --- Trades between computer-run clubs ---------------------------------------------

// One trade, in country `pais` when it is played (-1: a random one). True
// when a player changed clubs.
bool TransferenciaComputador(world::Jogo& jogo, int pais, Elencos& elencos);
// The trades after a league date, repeated as the date and mode say.
void TransferenciasDepoisDaLiga(world::Jogo& jogo);

// --- Search and history -------------------------------------------------------------

struct FiltroBusca {
    std::string nome; // exact, case-insensitive (Windows-1252); empty = any
    int posicao = -1; // natural position 0..4
    int pais = -1;    // nationality
    int caracteristica1 = -1, caracteristica2 = -1; // codes 0..13, -1 = any
    bool soavenda = false;
    bool soestrelas = false;
    int faixaforca = -1; // 0 "1..10", 1 "11..30", 2 "31..50", 3 "51..100"
    int faixaidade = -1; // 0 "16..25", 1 "26..36", 2 "37>"
    int faixapasse = -1; // 0..6, the value bands of the screen
};
// Players of the clubs in play (national teams of a tournament left out)
// that pass every filter, in player order.
std::vector<int> BuscarJogadores(const world::Jogo& jogo, const FiltroBusca& filtro);
// The bands' captions as the screen shows them.
const std::vector<std::string>& FaixasDeForca();
const std::vector<std::string>& FaixasDeIdade();
const std::vector<std::string>& FaixasDePasse();

// The grid's compact price: 2 500 000 -> "2 500 k", 45 000 -> "45 k".
std::string PasseCompacto(world::i32 valor);

// Transfers between computer-run clubs after a league date: how many times
// the step runs in a random country (`r`) and in country 29 (`rb`).
struct Repeticoes {
    int r = 0, rb = 0;
};
Repeticoes RepeticoesTransferencias(world::Jogo& jogo);

} // namespace management
