#pragma once
// The rest of the lineup screen: each player's role, the captain and the
// free-kick taker, and the three tactics boxes. Every choice is written into
// the world at once. Texts are Windows-1252.
#include "management/escalacao.hpp"

#include <string>
#include <vector>

namespace management {

// The role drop-down of a position; item k is `funcao` k.
std::vector<std::string> ItensFuncao(int posicao);
// Sets the role of row `linha`'s player from the drop-down's item. An item the
// position does not offer changes nothing and returns false.
bool MudarFuncao(world::Jogo& jogo, const Grade& grade, int linha, int item);
// "Posição do jogador": row `linha`'s player is played as `posicao` (0..4),
// or back in his own position for -1, with role `funcao` of that position.
// Anything out of range changes nothing and returns false.
bool MudarPosicao(world::Jogo& jogo, const Grade& grade, int linha, int posicao, int funcao);

// Tactics boxes; item k is the value k of the field.
std::vector<std::string> ItensEstilo();
std::vector<std::string> ItensJogadas();
std::vector<std::string> ItensMarcacao();
// Out-of-range values change nothing and return false.
bool DefinirEstilo(world::Jogo& jogo, int clube, int estilo);
bool DefinirJogadas(world::Jogo& jogo, int clube, int jogadas);
bool DefinirMarcacao(world::Jogo& jogo, int clube, int marcacao);

// What one grid row shows, column by column; money is left for the screen
// to format.
struct CelulasLinha {
    int imagemstatus = 0; // shirt picture of the status cell
    std::string posicao;  // "P": letter of the position played
    int icone = 0;        // condition icon (IconeStatus)
    std::string nome;
    std::string funcao; // the drop-down's text for his role
    int forca = 0, energia = 0;
    world::i32 salario = 0, passe = 0;
    int gols = 0; // "G": competitions 1 to 5
    std::string caracteristicas;
    int idade = 0;
    int moral = 0; // "M": morale icon
};
CelulasLinha Celulas(const world::Jogo& jogo, const Grade& grade, int linha);

// The captain and taker boxes: every squad player in grid order, as his name,
// " - " and the letter of his natural position.
struct ItemJogador {
    int jogador = 0;
    std::string texto;
};
std::vector<ItemJogador> ItensJogadores(const world::Jogo& jogo, const Grade& grade);
// The item showing a player (the club's current choice), -1 when none does.
int ItemDoJogador(const std::vector<ItemJogador>& itens, int jogador);
// Only a player of the grid's club is accepted.
bool DefinirCapitao(world::Jogo& jogo, const Grade& grade, int jogador);
bool DefinirCobrador(world::Jogo& jogo, const Grade& grade, int jogador);

// The taker a club falls back on when it loses its own: among its regular
// starters (`titular` 1), in player order, the first whose first
// characteristic is 9, else 4, else 11, else the first of them; -1 when the
// club has no regular starter.
int CobradorAutomatico(const world::Jogo& jogo, int clube);

} // namespace management
