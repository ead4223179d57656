#pragma once
// The human clubs' mailbox: short records pointing into a fixed catalogue of
// texts, posted by the rules through PostarEmail and read on the mailbox
// screen. One list for every club, in the order the messages were posted.
#include "world/jogo.hpp"

#include <string>
#include <vector>

namespace world {

// What a message is about (the `tipo` of PostarEmail). Pairs of type and
// subtype that the game does not know post nothing.
enum TipoEmail : int {
    kEmailBoasVindas = 0, // 0: a new game; 1: a human takes over a club
    kEmailSuspensao = 1,  // subtype = matches of suspension (2, 3, 5, 10)
    kEmailJogador = 2,    // 1: a renewal raised the salary by more than 30 %; 6: tired starter
    kEmailContusao = 3,   // subtype = weeks out (2..20), kept in the amount field
    kEmailGoleada = 4,    // 0: a heavy defeat
    kEmailNoticia = 9,    // 0: a big signing elsewhere; 1: a World Cup year
    kEmailRacha = 11,     // 0: too many stars, the squad is divided
    kEmailVenda = 12,     // 0: a listed player sold at his fixed price
    kEmailContrato = 13,  // 0: a contract ends in less than 21 days; 1: it has ended
};

// The only way a message enters the mailbox: receiving club, type, subtype,
// an amount, the other club (or the second player), the player concerned.
// The text is drawn among the type's entries when it is posted, dated today.
// Only clubs of human coaches get mail (nothing is drawn for the others).
// Returns the message's index, -1 when nothing was posted.
int PostarEmail(world::Jogo& jogo, int clube, int tipo, int subtipo, world::i32 valor = 0,
                int outro = 0, int jogador = 0);

// The date of a message (kept as the bytes of a double).
double DataDoEmail(const world::TEmail& e);
void DefinirDataDoEmail(world::TEmail& e, double data);

// Entry 1..73 of the message catalogue (Windows-1252); empty for none.
constexpr int kEntradasCatalogo = 73;
std::string TextoDoEmail(int texto);
// The sender's name (s1/589..593), the subject line, both Windows-1252.
std::string RemetenteDoEmail(const world::TEmail& e);
std::string AssuntoDoEmail(const world::Jogo& jogo, const world::TEmail& e);
// The whole text shown when the message is selected: the catalogue entry,
// the buyer and price of a sale, the weeks an injury keeps the player out.
std::string CorpoDoEmail(const world::Jogo& jogo, const world::TEmail& e);

// The messages of one club, newest first (indices into jogo.emails).
std::vector<int> EmailsDoClube(const world::Jogo& jogo, int clube);
// Messages of the club whose read mark is still clear.
int EmailsNaoLidos(const world::Jogo& jogo, int clube);
// The main screen's news line: s1/77, "1 " + s1/78, or n + " " + s1/78.
std::string TextoNoticias(const world::Jogo& jogo, int clube);

// The question of a message still waiting for "Sim" or "Não" (the fine of a
// suspended player), Windows-1252; empty when there is none open.
std::string PerguntaDoEmail(const world::TEmail& e);

// Selecting a message marks it read.
void MarcarEmailLido(world::Jogo& jogo, int indice);
// "Sim" or "Não" to a message's question: closes the question (and marks
// it read); the answer changes nothing else.
void ResponderEmail(world::Jogo& jogo, int indice, bool sim);

// The end of a club match: the fans of a human club beaten at home by four
// goals or more, or away by five or more, write to its coach.
void AvisarGoleada(world::Jogo& jogo, int mandante, int visitante, int golsmandante,
                   int golsvisitante);

// The refresh of the main screen in a World Cup year (the World Cup on,
// league matchday 5 of the first leg): the club's announcement, once a
// season. True when it was posted now.
bool AnunciarCopaDoMundo(world::Jogo& jogo, int clube);

// A human leaves his club: its mailbox goes with him.
void RemoverEmailsDoClube(world::Jogo& jogo, int clube);

} // namespace world
