#pragma once
// The matches of a date as the engine keeps them: one `jogos` record per match
// and the date's event list `eventos`.
#include "match/interacao.hpp"
#include "plataforma/shortstring.hpp"
#include "world/arquivojogos.hpp"
#include "world/registros.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace match {

using world::i32;
using world::u8;

constexpr int kMaxJogos = 20; // a date's group never holds more
// Goal entries: the list is numbered by the match's total goals, and at most one
// open-play goal is listed per minute, so 90 listed goals plus the penalty and
// free-kick goals that only take a number (two penalties, six free kicks a side)
// always fit. Nothing is dropped, however lopsided the match.
constexpr int kMaxGolsLista = 90 + 2 + 12;

struct TGolLista {
    i32 clube = -1; // -1: no entry (a number taken by a penalty or free-kick goal)
    i32 jogador = 0;
    i32 minuto = 0;
};

struct TSubstituicao {
    i32 jogador = 0; // player taken off
    i32 minuto = 0;
};

// What a starting slot's player adds to the lineup counts: his position played
// (1..4, 0 = none) and his line (1 defence, 3 midfield, 4 attack, 0 = none).
struct Contagem {
    std::int8_t posicao = 0;
    std::int8_t linha = 0;
};

// A starter who counts, as the minute reads him: what his strength and his
// loss of energy come from, read once when his side's summary is made. The
// energy minutes keep his energy here as well as on the player, where
// everyone else reads it: the minute never has to fetch the player.
struct TitularQueConta {
    i32 jogador = 0; // 0: the slot counts for nothing
    i32 energia = 0; // his energy, kept here and on the player alike
    i32 forca = 0;
    std::int8_t linha = -1;  // line he counts in (-1 = none)
    std::int8_t fator = 100; // strength factor in hundredths (100 in his natural position)
    std::int8_t posicaoatual = 0;
    bool goleironato = false; // natural goalkeepers lose nothing at the fixed minutes
    std::int8_t perda = 0;    // energy lost at each of his fixed minutes
    bool todos = false;       // all seven minutes, not only 10, 20, 40 and 45
    std::int8_t extra = 0;    // lost further at minute 40, where his line or slot asks it
    std::int8_t recupera = 0; // gained at minutes 10, 15 and 20
    // What his role adds to the side's counts: a "Volante", an attacking
    // midfielder, a withdrawn forward; and, outside the goal, to the count
    // and the score that decide whether the side is suited to central attack.
    bool volante = false, ofensivo = false, recuado = false;
    std::int8_t central = 0, pontos = 0;
};

// What one side's starters who count (on the pitch, not injured, not
// suspended) add up to for the minute: the line strengths, the average
// energy, and the roles the possession and the attack look at.
struct ResumoLado {
    int forca[5] = {};
    int mediaenergia = 0;
    int volantes = 0;  // playing midfielder, role "Volante"
    int recuados = 0;  // playing forward, role "Recuado"
    int ofensivos = 0; // playing midfielder, role "Ofensivo" or "Ala"
    bool central = false;
    // By starting slot, who the strengths were added up from.
    TitularQueConta titular[11];
};

// The steps a side's figure goes through, in order: each adds p% (takes it
// when p is negative); then `soma` is added. Which steps there are depends
// on the lineup counts, the roles and the tactics only, so the energy
// minutes put the new strengths through the same steps.
struct Receita {
    std::int8_t n = 0;
    std::int8_t passo[7] = {};
    i32 soma = 0;
};

// The figures a minute draws against, worked out from both sides' summaries,
// their lineup counts and their tactics. They hold until one of those changes.
struct LimitesMinuto {
    Receita receitaposse[2];  // each side's weight for the ball
    Receita receitaataque[2]; // each side's attack strength
    Receita receitadefesa[2]; // each side's defence against an attack
    i32 taticas[2][3] = {};   // estilo, marcacao, jogadas they were worked out with
    i32 posse = 0;            // side 0 has the ball when Aleatorio(100) + 1 <= posse
    i32 ataque[2] = {};       // side's attack gets through when Aleatorio(100) + 1 <= ataque
    i32 chute[2] = {};        // then shoots when Aleatorio(100) + 1 <= chute
    i32 o[2] = {};            // side's attack strength
    i32 contusao[2] = {};     // side's injury chance: 1 in contusao
    i32 falta[2] = {};        // side fouls when Aleatorio(100) + 1 <= falta
};

// One match of the date. Sides are 0 (mandante) and 1 (visitante).
struct TJogoDaRodada {
    i32 divisao = 0;
    i32 mandante = -1, visitante = -1;
    i32 escalacao1 = -1, escalacao2 = -1;
    i32 substituicoes[2] = {3, 3};
    i32 renda = 0;
    i32 publico = 0;
    i32 publicosetor[4] = {};
    plataforma::ShortString<30> estadio;
    u8 penaltiusado[2] = {};
    i32 gols[2] = {};
    std::array<TGolLista, kMaxGolsLista> listagols{};
    TSubstituicao listasubs[2][3] = {};
    i32 numsubs[2] = {};
    i32 posse[2] = {};
    i32 finalizacoes[2] = {};
    i32 roubadas[2] = {};
    i32 passeserrados[2] = {};
    i32 faltas[2] = {};
    i32 ataquesvencidos[2] = {};
    i32 onzeinicial[2][11] = {};
    u8 decididopenaltis = 0;
    i32 penaltis[2] = {};
    i32 partida = -1;

    // Kept by the engine, not shown: whether the match is shown (penalties,
    // the goalkeeper's injuries), and for each starting slot the position and
    // line its player was counted in, so he leaves the counts exactly once.
    bool mostrado = false;
    Contagem contagem[2][11];

    // Kept by the engine between minutes, so that a minute in which nothing
    // changed adds nothing up again: each side's summary and the minute's
    // thresholds, and whether each is still good. Whatever changes a
    // starter, a lineup count or a tactic of the match drops them
    // (EsquecerResumo); a match whose club or lineup also plays in another
    // match of the date keeps nothing (`guardar` clear).
    bool guardar = true;
    bool resumovalido[2] = {};
    bool limitesvalidos = false;
    bool receitasvalidas = false; // the steps in `limites` (energy leaves them as they are)
    ResumoLado resumo[2];
    LimitesMinuto limites;

    i32 Clube(int lado) const { return lado == 0 ? mandante : visitante; }
    i32 Escalacao(int lado) const { return lado == 0 ? escalacao1 : escalacao2; }
};

using world::kAmarelo;
using world::kContusaoEvento;
using world::kGolContra;
using world::kGolEvento;
using world::kGolFalta;
using world::kGolPenalti;
using world::kSegundoAmarelo;
using world::kSubstituicaoEvento;
using world::kVermelhoDireto;
using world::TEvento;
using world::TipoEvento;

// The state of the date's matches. The runner fills `jogos` 1..numjogos and
// moves the clock; the engine reads the clock and the date from here.
struct Rodada {
    Rodada();

    std::array<TJogoDaRodada, kMaxJogos + 1> jogos{}; // 1..20 used
    int numjogos = 0;
    std::vector<TEvento> eventos;
    int tipo = 1;         // competition code of the date
    double hoje = 0;      // the current date
    int minuto = 0;       // minute of the half, 1..45
    int tempo = 1;        // half, 1 or 2
    Interacao* interacao; // never null: InteracaoPadrao unless set

    int MinutoDoJogo() const { return minuto + (tempo == 2 ? 45 : 0); }
    // Empties the matches and the events for the next group or date.
    void Limpar();
};

} // namespace match
