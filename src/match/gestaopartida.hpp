#pragma once
// What a human coach does while his match runs: substitutions, moving a
// player to another position or role, the half-time figures, the referee and
// the clock as the live view shows them. Sides are 0 (mandante) and 1
// (visitante); texts are Windows-1252.
#include "match/partida.hpp"
#include "world/jogo.hpp"

#include <array>
#include <string>
#include <vector>

namespace match {

// Whether the coach may bring bench player `reserva` on for starter `titular`
// of side `lado`: a substitution is left, the starter is on the pitch and
// neither injured nor suspended (a player sent off stays off), the bench
// player is free to come on; a natural goalkeeper only for a natural
// goalkeeper, and no natural goalkeeper for an outfield starter while the
// side has a goalkeeper playing in goal.
bool PodeSubstituir(const world::Jogo& jogo, const Rodada& rodada, int m, int lado, int titular,
                    int reserva);

// Makes the substitution when PodeSubstituir allows it: the starter leaves
// the counts and the pitch (his yellow cards of the match forgotten), the
// substitution is listed with the minute and recorded as an event, and the
// bench player takes the starter's slot. Returns false, changing nothing,
// when it is not allowed.
bool SubstituirNaPartida(world::Jogo& jogo, Rodada& rodada, int m, int lado, int titular,
                         int reserva);

// Moves starter `jogador` of side `lado`, on the pitch, to position
// `posicao` (0..4; -1 back to his natural position) with role `funcao` of
// that position (0 for a goalkeeper). The lineup counts follow the change.
// Returns false, changing nothing, for anything else.
bool MudarPosicaoNaPartida(world::Jogo& jogo, Rodada& rodada, int m, int lado, int jogador,
                           int posicao, int funcao);

// The roles of a position as the match names them ("Defensivo", ...); none
// for a goalkeeper.
std::vector<std::string> FuncoesNaPartida(int posicao);

// On the pitch and able to play: the starters grid shows the others in red.
bool EmCondicoesNaPartida(const world::Jogo& jogo, const Rodada& rodada, int jogador);

// "Estatísticas no Intervalo" of one side.
struct EstatisticasDoLado {
    int posse = 0; // "Posse de bola", per cent
    int finalizacoes = 0;
    int roubadas = 0;
    int passeserrados = 0;
    int faltas = 0;
};
// Both sides' figures computed on the spot. A side with 14 or fewer minutes
// with the ball gets a random share of 21..30 %, the other the rest. That draw
// is the screen's own: it leaves the game's generator alone, so looking at the
// half-time figures never changes how the season goes on, and it gives the
// same share each time the screen is opened during one half-time.
std::array<EstatisticasDoLado, 2> EstatisticasIntervalo(const world::Jogo& jogo,
                                                        const Rodada& rodada, int m);

// The referee of match m: an index into world::arbitros(), -1 when there is
// no such match.
int ArbitroDaPartida(const world::Jogo& jogo, const Rodada& rodada, int m);

// The clock of the live view: the minute of the half and the half ("1",
// "2"), or "Intervalo" and "I" at half-time.
struct TextoRelogio {
    std::string minuto;
    std::string tempo;
};
TextoRelogio TextoDoRelogio(const Rodada& rodada, bool intervalo);

// The substitutions of a side so far, in order: who went off, who came on,
// the minute of the half and the half.
struct LinhaSubstituicao {
    int sai = 0, entra = 0;
    int minuto = 0, tempo = 1;
};
std::vector<LinhaSubstituicao> SubstituicoesDoLado(const Rodada& rodada, int m, int lado);

} // namespace match
