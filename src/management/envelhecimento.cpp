// Players growing old, retiring and, very rarely, dying.
#include "management/envelhecimento.hpp"

#include "management/financas.hpp"
#include "world/clubes.hpp"
#include "world/competicoes.hpp"
#include "world/posicoes.hpp"
#include "world/regeneracao.hpp"

namespace management {

using namespace world;

namespace {

// The day the season is on; before the first date of a calendar, its start.
double DiaDaTemporada(const Jogo& jogo) {
    const int n = jogo.estado.dataatual;
    return jogo.calendario[n >= 1 && n <= kDatasPorTemporada ? n - 1 : 0].data;
}

// Retirement chance by age from 36 on: outfield player, goalkeeper.
struct Faixa {
    int ate, linha, goleiro;
};
constexpr Faixa kChances[] = {
    {36, 39, 29}, {38, 49, 39}, {40, 59, 49}, {42, 69, 64},
    {44, 79, 69}, {46, 89, 89}, {48, 96, 94}, {50, 100, 100},
};

void Recontar(Jogo& jogo, int clube) {
    std::vector<int> elenco;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube) elenco.push_back(static_cast<int>(i));
    ContarElenco(jogo, clube, elenco);
    RecontarFolha(jogo, clube);
}

} // namespace

int ChanceDeAposentar(int idade, int posicao) {
    if (idade <= 35) return 0;
    const bool goleiro = posicao == kGoleiro;
    for (const Faixa& f : kChances)
        if (idade <= f.ate) return goleiro ? f.goleiro : f.linha;
    // Past 50 an outfield player always stops; an old goalkeeper carries on.
    return goleiro ? 0 : 100;
}

void EnvelhecerJogadores(Jogo& jogo) {
    const double hoje = DiaDaTemporada(jogo);
    // National teams of a tournament are temporary copies: they do not age.
    const int clubes = std::min(static_cast<int>(jogo.times.size()), jogo.PrimeiraSelecao());
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        TJogador& j = jogo.jogadores[i];
        if (j.time < 0 || j.time >= clubes) continue;
        ++j.idade;
        if (jogo.times[j.time].humano) continue; // the human decides his veterans' future
        j.avenda = 0;
        const int chance = ChanceDeAposentar(j.idade, j.posicao);
        if (chance == 0) continue;
        // A draw of 0..99 at or above 100 - chance: 39% is "above 60".
        if (jogo.Aleatorio(100) >= 100 - chance)
            // No names are made up in the game: the junior takes over the record's.
            renovajogador(jogo, static_cast<int>(i), {}, j.posicao, hoje);
    }
}

bool PodeAposentar(const TJogador& j) {
    return j.idade >= 32;
}

bool Aposentar(Jogo& jogo, int jogador, std::string_view nome, int posicao) {
    if (jogador <= 0 || jogador >= static_cast<int>(jogo.jogadores.size())) return false;
    TJogador& j = jogo.jogadores[jogador];
    if (nome.empty() || !PodeAposentar(j)) return false;
    const int nova =
        posicao >= kGoleiro && posicao <= kAtacante && posicao != j.posicao ? posicao : -1;
    renovajogador(jogo, jogador, nome, nova, DiaDaTemporada(jogo));
    if (jogo.TimeValido(j.time)) Recontar(jogo, j.time);
    return true;
}

int MorteJogador(Jogo& jogo, int time) {
    if (!jogo.TimeValido(time)) return 0;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        TJogador& j = jogo.jogadores[i];
        if (j.time != time || j.idade <= 52) continue;
        const bool sorteado = jogo.Aleatorio(3) == 1;
        if (!sorteado && j.idade <= 60) continue;
        j.time = -1;
        jogo.indiceelencos.Mover(jogo, static_cast<int>(i), time, -1);
        j.avenda = 0;
        j.titular = 0;
        TTime& t = jogo.times[time];
        if (t.capitao == static_cast<int>(i)) t.capitao = -1;
        if (t.cobrador == static_cast<int>(i)) t.cobrador = -1;
        t.pontos[kLiga] -= 5;
        // The lineups of the date are chosen after the main screen's events,
        // so none holds him yet.
        Recontar(jogo, time);
        return static_cast<int>(i);
    }
    return 0;
}

} // namespace management
