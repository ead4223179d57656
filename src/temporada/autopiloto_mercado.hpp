#pragma once
// The autopilot's coach in the market: he answers offers and auctions and, on
// his main screen, lists surplus players, buys and makes offers. Every choice
// is drawn from the game's own generator, so a run is the same for a seed and
// a saved game goes on after its load exactly as it would have.
#include "temporada/ciclo.hpp"

namespace temporada {

struct InteracaoAutopiloto : InteracaoCiclo {
    // Off, he answers as nobody would: every offer declined, no bids.
    bool ativo = true;
    bool PropostaDeCompra(world::Jogo& jogo, int comprador, int jogador, world::i32 valor) override;
    bool VenderAoHumano(world::Jogo& jogo, int comprador, int jogador, world::i32 valor) override;
    bool AceitarExigencia(world::Jogo& jogo, int comprador, int jogador, int fator,
                          world::i32 novosalario) override;
    world::i32 Lance(world::Jogo& jogo, const management::Leilao& leilao) override;
    // A job: always taken without a club, one time in three with one.
    int Convite(world::Jogo& jogo, int tecnico, const std::vector<int>& clubes) override;
    // Pre-season friendlies: wanted one season in two; each human books one
    // or two he can well afford.
    bool QuerAmistososPreTemporada(world::Jogo& jogo) override;
    void AmistososPreTemporada(world::Jogo& jogo, int clube) override;
    // National teams, whatever `ativo` says (off: every invitation declined):
    // an invitation taken two times in three, a team drawn among those
    // offered; the squad called up is the country's two strongest
    // goalkeepers and twenty strongest outfield players.
    bool selecoes = true;
    int EscolherSelecao(world::Jogo& jogo, int humano, int codigo,
                        const std::vector<int>& opcoes) override;
    std::vector<int> ConvocarSelecao(world::Jogo& jogo, int humano, int selecao) override;
};

// The strongest squad of the country of national team `selecao` among the
// players that may be called up: two goalkeepers and twenty outfield
// players by strength (fewer when the country has fewer).
std::vector<int> ConvocacaoMaisForte(const world::Jogo& jogo, int selecao);

// What he does on the main screen of club `time` before his lineup; true
// when the squad changed (the screen is refreshed).
bool AgirNoMercado(world::Jogo& jogo, management::InteracaoMercado& ia, int time);

// Now and then, with money to spare, he expands his stadium's stand.
bool CuidarDoEstadio(world::Jogo& jogo, int time);

// Contracts ending within three weeks or ended: now and then he proposes a
// renewal (the same salary, a raise, sometimes a cut or a generous raise),
// pays a demand or refuses it (the player goes to auction). The number of
// players he proposed to.
int RenovarContratos(world::Jogo& jogo, management::InteracaoMercado& ia, int time);

// Books a friendly on an open date up to `pretemporada`'s limit against an
// opponent whose fee is small beside his cash; true when one was booked.
bool MarcarAmistosoAutomatico(world::Jogo& jogo, int time, bool pretemporada);

// He reads his new mail and answers its questions ("Sim" or "Não" drawn).
void LerEmails(world::Jogo& jogo, int time);

} // namespace temporada
