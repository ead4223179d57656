#pragma once
// The club database (the files in teams/) and the game-start load that turns
// the clubs of a new game into clubs, coaches and players.
#include "world/arquivotime.hpp"
#include "world/jogo.hpp"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace world {

// One file of the setup scan: the fields of its header the game uses, and the
// file's name (UTF-8, with extension) as the folder lists it.
struct EntradaIndice {
    u8 pais = 0;
    u8 valido = 0;
    u8 versao = 0;
    u8 nivel = 0;
    ShortString<25> nome;
    std::string arquivo;
    bool Usavel() const;
};
using IndiceTimes = std::vector<EntradaIndice>;

// The 52 countries that send clubs to the continental cups when their own
// league is not played, in the order their quotas are filled.
constexpr std::array<int, kPaisesExtras> kPaisesExtrasLista = {
    29,  11,  195, 150, 46,  42,  60, 26, 151, 198, 131, 104, 65,  3,   72,  97,  154, 162,
    107, 192, 159, 21,  160, 171, 78, 9,  51,  38,  68,  14,  57,  129, 1,   190, 43,  49,
    143, 141, 62,  193, 85,  15,  52, 31, 88,  179, 76,  142, 180, 103, 152, 54};
int CotaExtras(int posicaoNaLista); // 14, 12 or 10

// Scans teams/*.b07 in the order the folder lists them.
IndiceTimes contatimes();
// Usable files per country code 0..202.
std::array<int, 203> UsaveisPorPais(const IndiceTimes& indice);
// Positions in the index of the usable files of one country, in index order.
std::vector<int> timesdopais(const IndiceTimes& indice, int pais);

// Appends a club taken from an index entry (name, country, file) to times.
int AcrescentarTime(Jogo& jogo, const EntradaIndice& entrada);

struct OpcoesCarga {
    // Forms the state championships (when they are on), after the national teams.
    std::function<void(Jogo&)> formarestaduais;
};
// The game-start load, once the new-game setup has put the league clubs into
// times (with their file names in arquivostimes) and marked the human ones.
void iniciatimes(Jogo& jogo, const OpcoesCarga& opcoes = {});

// What a club starts with in a division (0 = outside the divisions): stadium
// sectors, ticket prices and cash with or without the state championships.
struct InicioDivisao {
    i32 capacidade[4];
    i32 precos[4];
    i32 dinheirocomestaduais;
    i32 dinheirosemestaduais;
};
// Out-of-range divisions read as division 0.
const InicioDivisao& InicioDaDivisao(int divisao);

// Computer-run league clubs with a big squad put a few players up for sale
// (at the game start and again every new season).
void MontarListaDeVendas(Jogo& jogo, const std::vector<std::vector<int>>& porTime);

// The players of every club, by club index, in player-index order.
std::vector<std::vector<int>> JogadoresPorTime(const Jogo& jogo);
// The players of one club in player-index order (none for an index that is
// not a club), from the game's squad index: valid until a player moves.
std::span<const int> JogadoresDoTime(const Jogo& jogo, int clube);
// The same into lists that are kept from one date to the next: one pass over
// the players, and no allocation once the lists have grown.
void JogadoresPorTime(const Jogo& jogo, std::vector<std::vector<int>>& porTime);
// The same as one flat list, for the passes that run every date: club c's
// players are De(c), in player-index order. Montar copies it from the game's
// squad index and allocates nothing once its buffers have grown.
class ElencosPlanos {
public:
    void Montar(const Jogo& jogo);
    std::span<const int> De(int clube) const {
        if (clube < 0 || clube + 1 >= static_cast<int>(inicio_.size())) return {};
        return {lista_.data() + inicio_[clube],
                static_cast<std::size_t>(inicio_[clube + 1] - inicio_[clube])};
    }

private:
    std::vector<int> inicio_, lista_;
};
// elenco, porposicao (by posicaoatual) and disponiveis of one club.
void ContarElenco(Jogo& jogo, int time, const std::vector<int>& jogadores);
// The captain and the free-kick taker of a club from its players: the first
// regular starter, and the first starter with a set-piece characteristic.
void EscolherCapitao(Jogo& jogo, int time, const std::vector<int>& jogadores);
// Base strength of the players of an extra club (and of a national team) by
// its level 0..25.
int BaseExtra(int nivel);
// Base strength of club `clube`'s players at the game start, its file's level
// being `nivel`: a league club's from its division and level, an extra club's
// from its level alone.
int BaseDeForca(const Jogo& jogo, int clube, int nivel);
// A player's strength at the game start: the base, the draw 0..5 (`sorteio`),
// and 7 each for a regular starter and a star.
int ForcaInicial(int base, int sorteio, bool titular, bool estrela);
constexpr int kSorteioForca = 6; // the draw is Aleatorio(6)
// Outfield players available for the current competition: not injured, not
// suspended, under three cards.
int ContarDisponiveis(const Jogo& jogo, const std::vector<int>& jogadores, int tipo, double hoje);

// Badge pictures: "teams/logos/<escudo>.gif" or ".bmp" for a club ("teams/
// selecoes/" for a national team), whichever exists; empty when neither.
std::string escudotime(const Jogo& jogo, int time);
std::string miniescudotime(const Jogo& jogo, int time);

} // namespace world
