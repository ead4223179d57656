#pragma once
// Everything a running game has. A new game or a load builds a fresh Jogo and
// swaps it in whole; rules take the Jogo they work on.
#include "plataforma/aleatorio.hpp"
#include "world/arquivojogos.hpp"
#include "world/historicotemporada.hpp"
#include "world/indiceelencos.hpp"
#include "world/registros.hpp"
#include "world/tabelasjogo.hpp"
#include "world/tpartida.hpp"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace world {

using PrecosPadrao = std::array<std::array<i32, 4>, 5>;

// One date of the season's calendar. Not saved: rebuilt from the season.
struct TDataCalendario {
    int numero = 0;      // 1..148
    double data = 0;     // day count
    int competicao = -1; // 0 free date, -1 nothing on it
};
constexpr int kDatasPorTemporada = 148;
// The last season a game has: its year (2006 + temporada) stays a
// four-digit calendar year. Its season end opens no further season.
constexpr int kTemporadaMaxima = 9999 - 2006;
using Calendario = std::array<TDataCalendario, kDatasPorTemporada>;

// The advance cycle's memory of the current date; not saved: a new game and
// a load both start it afresh.
struct EstadoCiclo {
    int vezhumano = 0;               // humans of timeshumanos already passed on this date
    int vezselecao = 0;              // human national coaches already passed on this date
    bool semeventos = true;          // the next main screen opens without its date events
    bool humanojoga = false;         // a human club plays on the current date
    int contadorsalvar = 0;          // main-screen openings since the last automatic save
    bool ligaencerradaantes = false; // the league was over before the date was played
    bool fimdojogo = false;          // the season end found no next season: the game is over
    // Transfers whose money did not balance (buyer's payment against the
    // seller's receipt and fine): the invariant checker wants none.
    int transferenciasdesequilibradas = 0;
};

// The ways a player changes clubs, for the headless runs' tallies.
enum class ViaTransferencia {
    Compra,            // a human at the asking price
    Proposta,          // a human's offer accepted
    OfertaComputador,  // a computer-run club's offer accepted by a human
    PrecoFixo,         // a human's listed player taken at his price
    Leilao,            // an auction
    Reposicao,         // a club replacing the only player of a position it sold
    EntreComputadores, // a trade between computer-run clubs
    Total
};
constexpr int kViasTransferencia = static_cast<int>(ViaTransferencia::Total);

// Transfers counted by way since the game was entered (not saved).
struct ContagemMercado {
    std::array<int, kViasTransferencia> quantas{};
    std::array<long long, kViasTransferencia> valor{};
    std::map<int, int> renovacoes; // contracts renewed by a human, by club
};

// The coaches' careers counted since the game was entered (not saved).
struct ContagemCarreira {
    int demissoes = 0;        // coaches dismissed by their boards
    int demissoeshumanos = 0; // of them, humans (their club out of the divisions too)
    int convitesaceitos = 0;  // job offers humans took
};

struct Jogo {
    Jogo();

    TEstadoJogo estado;
    std::vector<TJogador> jogadores;           // [0] is a dummy with time -1
    std::vector<THistoricoJogador> historicos; // [0] is a dummy; players hold 1..n
    // This season's match counts not yet in historicos (saved folded in).
    HistoricoDaTemporada historicotemporada;
    std::vector<TTime> times;
    std::vector<TSelecao> selecoes;
    std::vector<TTecnico> tecnicos;
    std::vector<TLiga> ligas;
    std::vector<TFinancas> financas; // indexed like times
    std::vector<TEscalacao> escalacoes;
    std::vector<TPartida> partidas; // every fixture of the season
    Calendario calendario{};        // date n is calendario[n - 1]
    PrecosPadrao precospadrao{};

    // The matches played: archive, events, the season's results.
    ArquivoJogos arquivo;
    std::array<TEstadual, kEstados> estaduais{};
    std::array<TGrupoTorneio, 16> grupostorneio{};
    std::array<TParMundial, 6> paresmundial{};
    std::vector<TCampeoesTemporada> campeoestemporada; // one entry per season played
    std::vector<TTituloHistorico> historicotitulos;
    std::vector<TTecnicoHistorico> historicotecnico;
    std::vector<TArtilheiroHistorico> artilheiros;
    std::vector<TCampanha> campanhas;
    std::vector<TConvocado> convocados;
    std::vector<TEmail> emails;
    std::vector<TAmistoso> amistosos;
    std::vector<TTransferencia> transferencias;
    std::vector<TTrocaTecnico> trocastecnicos;
    std::vector<TObra> obras;

    // Loading buffers of a new game, not saved: the club file of each club
    // (Windows-1252, without folder) and the names typed by the human coaches,
    // by human number.
    std::vector<std::string> arquivostimes;
    std::array<std::string, 6> nomeshumanos;

    EstadoCiclo ciclo;
    // Who plays for each club, derived from jogadores (not saved). Whoever
    // changes a player's club tells it (Mover) or drops it (Invalidar).
    mutable IndiceElencos indiceelencos;
    ContagemMercado contagemmercado;
    ContagemCarreira contagemcarreira;

    plataforma::Gerador gerador;
    std::int32_t Aleatorio(std::int32_t n) { return gerador.Aleatorio(n); }

    // The day of the current date (0 outside the season's dates).
    double Hoje() const {
        const int n = estado.dataatual;
        return n >= 1 && n <= kDatasPorTemporada ? calendario[n - 1].data : 0.0;
    }
    // Indices that point at a record (player 0 is the dummy, never one).
    bool TimeValido(int c) const { return c >= 0 && c < static_cast<int>(times.size()); }
    // A club of the world's own: a valid index that is not a tournament's
    // national team.
    bool ClubeReal(int c) const { return TimeValido(c) && !EhSelecao(c); }
    bool JogadorValido(int j) const { return j > 0 && j < static_cast<int>(jogadores.size()); }
    bool TecnicoValido(int k) const { return k >= 0 && k < static_cast<int>(tecnicos.size()); }

    // First real club index that is a national team.
    int PrimeiraSelecao() const { return estado.numtimesligas + estado.numtimesextras; }
    bool EhSelecao(int time) const { return time >= PrimeiraSelecao(); }
    // Index in ligas of the league of a country, -1 if it is not played.
    int LigaDoPais(int pais) const;
    // Clubs of a country among the clubs in play.
    int TimesDoPais(int pais) const;
};

// Records as a new game creates them: zero except the "none" markers.
TJogador NovoJogador();
TTime NovoTime();
TTecnico NovoTecnico();
TLiga NovaLiga(int pais);
TEstadual NovoEstadual();
THistoricoJogador NovoHistorico();

} // namespace world
