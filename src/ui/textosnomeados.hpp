#pragma once
// Language text numbers (s1) that several screens show, named once so a
// screen says which text it means. The numbers are the language files' own.

namespace ui {

// Main menu and the windows around it.
constexpr int kTextoEditorDeTimes = 3;
constexpr int kTextoSair = 4;
constexpr int kTextoOpcoes = 5;
constexpr int kTextoSobreOJogo = 6;
constexpr int kTextoCarregando = 9;

// The game mode: divisions of 10 or of 20 clubs.
constexpr int kTextoDivisoesDe10 = 22;
constexpr int kTextoDivisoesDe20 = 23;

// Buttons and questions.
constexpr int kTextoFechar = 268;
constexpr int kTextoSalvar = 500;
constexpr int kTextoSalvarJogo = 177;
constexpr int kTextoCancelar = 354;
constexpr int kTextoSim = 816;
constexpr int kTextoNao = 817;

// Saved games.
constexpr int kTextoTecnico = 350;
constexpr int kTextoArquivoInvalido = 357;

// Competitions.
constexpr int kTextoCampeonato = 326;
constexpr int kTextoCopaNacional = 327;
constexpr int kTextoMundialDeClubes = 332;
constexpr int kTextoCopaDoMundo = 358;
constexpr int kTextoCopaAmerica = 342;
constexpr int kTextoEurocopa = 341;

// Scorers and a player's record.
constexpr int kTextoArtilharia = 340;
constexpr int kTextoGols = 335;
constexpr int kTextoJogos = 338;
constexpr int kTextoFichaDoJogador = 2640;

// The match.
constexpr int kTextoContra = 898;
constexpr int kTextoDecisaoNosPenaltis = 482;

// Player lists' columns and filters.
constexpr int kTextoPosicao = 2523;
constexpr int kTextoIdade = 2525;
constexpr int kTextoForca = 2605;
constexpr int kTextoSalario = 2607;
constexpr int kTextoCraque = 2634;
constexpr int kTextoPasse = 2643;
constexpr int kTextoFimDoContrato = 2644;

// The club's business.
constexpr int kTextoSemClube = 2800;
constexpr int kTextoEscolhaUmJogador = 2801;
constexpr int kTextoPrecisaDePeloMenos = 2811;
constexpr int kTextoJogadoresDeLinhaDisponiveis = 2813;

// Options.
constexpr int kTextoCoresDasPosicoes = 464;

} // namespace ui
