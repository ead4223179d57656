#pragma once
// The coach's career: the board's and the fans' confidence after every league
// and state-championship match, dismissals after league dates, hiring and
// leaving, job offers to the human coaches, resignation.
#include "world/jogo.hpp"

#include <vector>

namespace management {

// Why a human coach lost his club: each is a language text (s1/433..437).
enum class MotivoDemissao : int {
    Torcida = 433,    // fan confidence 14 or less
    Dinheiro = 434,   // cash below zero
    Resultados = 435, // otherwise
    SemDivisao = 436, // the club is in no division
    Demissao = 437,   // he resigned
};

// The career's questions and notices to a person. The defaults: nothing
// shown, every offer declined.
struct InteracaoCarreira {
    virtual ~InteracaoCarreira() = default;
    // "Técnico Demitido!": computer-run club `clube` (of a country with a
    // human coach, option `opvertrocatecnicos` on) dismissed coach `antigo`
    // and hired `novo`.
    virtual void TrocaDeTecnico(world::Jogo&, int /*clube*/, int /*antigo*/, int /*novo*/) {}
    // "Demitido!": human coach `tecnico` has lost club `clube` for `motivo`;
    // coach `substituto` took it. Shown once it is done.
    virtual void Demitido(world::Jogo&, int /*tecnico*/, int /*clube*/, MotivoDemissao /*motivo*/,
                          int /*substituto*/) {}
    // "Convite para ser técnico": the clubs that offer human coach `tecnico`
    // their job (1 to 4). The club he takes ("Assumir time"), -1 for none.
    virtual int Convite(world::Jogo&, int /*tecnico*/, const std::vector<int>& /*clubes*/) {
        return -1;
    }
};

// After a league (code 1) or state-championship (code 3) match between
// `mandante` and `visitante`: both clubs' confidences move.
void AtualizarConfianca(world::Jogo& jogo, int codigo, int mandante, int visitante,
                        int golsmandante, int golsvisitante);
// The start of a season: every club's confidences at least 80.
void PisoDeConfianca(world::Jogo& jogo);

// Hiring and leaving (coach `tecnico`, club `clube`).
void Contratar(world::Jogo& jogo, int clube, int tecnico);
void Deixar(world::Jogo& jogo, int clube, int tecnico);

// The reason a human coach of club `clube` is dismissed.
MotivoDemissao MotivoDaDemissao(const world::Jogo& jogo, int clube, bool pediu);
// The human of club `clube` leaves it (dismissed, resigned, or his club left
// the divisions): a replacement is found or made and hired, the human is
// told. Returns the replacement coach.
int DemitirHumano(world::Jogo& jogo, InteracaoCarreira& ia, int clube, bool pediu);

// After every league date: clubs in a division whose board confidence is
// below 10 dismiss their coach, in club order.
void VerificarDemissoes(world::Jogo& jogo, InteracaoCarreira& ia);
// The job offers of the league follow-up: to employed humans after good
// seasons, and to humans without a club (2 chances in 3 per league date).
void OfertasEmpregados(world::Jogo& jogo, InteracaoCarreira& ia);
void OfertasDesempregados(world::Jogo& jogo, InteracaoCarreira& ia);
// Human coach `tecnico` takes club `clube` ("Assumir time"): the club's
// coach leaves, the human leaves his club (whose coach is hired there in
// exchange), the human is hired, the players get new contracts, the welcome
// mail.
void AceitarConvite(world::Jogo& jogo, int tecnico, int clube);

} // namespace management
