// The season's end: champions and top scorers kept, promotion and relegation,
// everything a season counts cleared, players a year older, and the next
// season built.
#include "temporada/fimdetemporada.hpp"
#include "competitions/torneios.hpp"

#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/continentais.hpp"
#include "competitions/copa.hpp"
#include "competitions/estaduais.hpp"
#include "competitions/historico.hpp"
#include "competitions/promocao.hpp"
#include "competitions/rodadas.hpp"
#include "management/carreira.hpp"
#include "management/envelhecimento.hpp"
#include "management/financas.hpp"
#include "temporada/posrodada.hpp"
#include "world/clubes.hpp"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

namespace temporada {

using namespace competitions;

using namespace world;

namespace {

int Divisoes(const TLiga& l) {
    return std::clamp<int>(l.numdivisoes, 0, 4);
}
int Vagas(const Jogo& jogo) {
    return jogo.estado.divisoesporliga == 2 ? 20 : 10;
}

// Slots of the season's summary of champions.
constexpr int kSlotDivisao1 = 0; // 0..3: divisions 1..4 of the main country
constexpr int kSlotCopa = 4;     // the main country's national cup
constexpr int kSlotEstadual = 5; // the state championship the first human plays
// 6 first continental cup, 7 club world cup, 8 second continental cup: the
// region of the first human (region 2 without one).
constexpr int kSlotContinental1 = 6;
constexpr int kSlotMundial = 7;
constexpr int kSlotContinental2 = 8;

struct Artilharia {
    int jogador = -1, time = -1, gols = 0;
};

// The season's top scorer of competition `codigo` among the given clubs'
// players: most goals, then fewer matches (the order of the scorer lists),
// then the first in player order. Nobody without a goal.
template <typename Clubes>
Artilharia Artilheiro(const Jogo& jogo, const std::vector<std::vector<int>>& porTime,
                      const Clubes& clubes, int codigo) {
    Artilharia a;
    int jogos = 0;
    for (int c : clubes) {
        if (!jogo.TimeValido(c) || c >= static_cast<int>(porTime.size())) continue;
        for (int i : porTime[c]) {
            const TJogador& j = jogo.jogadores[i];
            const int g = j.gols[codigo];
            if (g <= 0 || g < a.gols) continue;
            if (g == a.gols &&
                (j.jogos[codigo] > jogos || (j.jogos[codigo] == jogos && i > a.jogador)))
                continue;
            a = {i, c, g};
            jogos = j.jogos[codigo];
        }
    }
    return a;
}

void GuardarArtilheiro(Jogo& jogo, const Artilharia& a, int codigo, int chave, int divisao) {
    if (a.jogador < 0) return;
    jogo.artilheiros.push_back(
        {jogo.estado.temporada, codigo, a.time, a.jogador, chave, a.gols, divisao});
}

TCampeoesTemporada CampeoesVazios() {
    TCampeoesTemporada c;
    std::memset(&c, 0, sizeof c);
    for (int s = 0; s < kSlotsCampeoes; ++s) {
        c.campeao[s] = c.vice[s] = -1;
        c.artilheiro[s][0] = c.artilheiro[s][1] = -1;
    }
    return c;
}

// The entry of season `temporada` (1-based), the list grown to reach it.
TCampeoesTemporada& EntradaDaTemporada(Jogo& jogo, int temporada) {
    const std::size_t n = static_cast<std::size_t>(std::max(temporada, 1));
    if (jogo.campeoestemporada.size() < n) jogo.campeoestemporada.resize(n, CampeoesVazios());
    return jogo.campeoestemporada[n - 1];
}

// A placing of this season from the titles list; `divisao` -2 takes any.
int Colocado(const Jogo& jogo, int competicao, int chave, int lugar, int divisao) {
    for (auto it = jogo.historicotitulos.rbegin(); it != jogo.historicotitulos.rend(); ++it)
        if (it->temporada == jogo.estado.temporada && it->competicao == competicao &&
            it->chave == chave && it->lugar == lugar && (divisao == -2 || it->divisao == divisao))
            return it->time;
    return -1;
}

void Preencher(TCampeoesTemporada& e, int slot, int campeao, int vice, const Artilharia& a) {
    e.campeao[slot] = campeao;
    e.vice[slot] = vice;
    e.artilheiro[slot][0] = a.jogador;
    e.artilheiro[slot][1] = a.time;
    e.artilheiro[slot][2] = a.gols;
}

std::vector<int> ClubesDoEstado(const TEstadual& e) {
    std::vector<int> r;
    const int grupos = std::clamp<int>(e.numgrupos, 0, kGruposEstaduais);
    for (int g = 0; g < grupos; ++g)
        for (int c : e.grupos[g])
            if (c >= 0) r.push_back(c);
    return r;
}

int EstadoMostrado(const Jogo& jogo) {
    const int humano = jogo.estado.timeshumanos[0];
    if (jogo.TimeValido(humano)) {
        const int s = jogo.times[humano].estado;
        if (s >= 0 && s < kEstados && jogo.estaduais[s].ativo) return s;
    }
    return 0;
}

// The continental cups' and the club world cup's champions and top scorers
// (each region's), the summary taking the first human's region.
void GuardarContinentais(Jogo& jogo, const std::vector<std::vector<int>>& porTime,
                         TCampeoesTemporada& resumo) {
    if (!GruposSorteados(jogo)) return;
    const int humano = jogo.estado.timeshumanos[0];
    int mostrada = jogo.TimeValido(humano) ? RegiaoDoPais(jogo.times[humano].pais) : 0;
    if (mostrada == 0) mostrada = 2;
    for (int competicao : {kContinental1, kContinental2}) {
        for (int r = 1; r <= 2; ++r) {
            std::vector<int> clubes;
            for (int g = 1; g <= 8; ++g)
                for (int c : ClubesDoGrupo(jogo, competicao, r, g)) clubes.push_back(c);
            if (clubes.empty()) continue;
            const Artilharia a = Artilheiro(jogo, porTime, clubes, competicao);
            GuardarArtilheiro(jogo, a, competicao, r, -1);
            if (r == mostrada)
                Preencher(
                    resumo, competicao == kContinental1 ? kSlotContinental1 : kSlotContinental2,
                    Colocado(jogo, competicao, r, 1, -2), Colocado(jogo, competicao, r, 2, -2), a);
        }
    }
    if (!MundialSorteado(jogo)) return;
    std::vector<int> clubes;
    for (const TParMundial& p : jogo.paresmundial)
        for (int c : {p.time1, p.time2})
            if (jogo.TimeValido(c) && std::find(clubes.begin(), clubes.end(), c) == clubes.end())
                clubes.push_back(c);
    const Artilharia a = Artilheiro(jogo, porTime, clubes, kMundialDeClubes);
    GuardarArtilheiro(jogo, a, kMundialDeClubes, -1, -1);
    Preencher(resumo, kSlotMundial, Colocado(jogo, kMundialDeClubes, -1, 1, -2),
              Colocado(jogo, kMundialDeClubes, -1, 2, -2), a);
}

// Before the season's goals are cleared: the top scorer of every division,
// national cup, continental cup, club world cup and state championship (the
// history screens' only record of them), and the season's summary of
// champions.
void GuardarCampeoesEArtilheiros(Jogo& jogo) {
    const auto porTime = JogadoresPorTime(jogo);
    const int vagas = Vagas(jogo);
    const TEstadoJogo& est = jogo.estado;
    int principal = jogo.LigaDoPais(est.paisprincipal);
    if (principal < 0 && !jogo.ligas.empty()) principal = 0;
    TCampeoesTemporada& resumo = EntradaDaTemporada(jogo, est.temporada);

    for (int li = 0; li < static_cast<int>(jogo.ligas.size()); ++li) {
        const TLiga& l = jogo.ligas[li];
        for (int d = 0; d < Divisoes(l); ++d) {
            const std::span<const int> clubes(l.divisoes[d], vagas);
            const Artilharia a = Artilheiro(jogo, porTime, clubes, kLiga);
            GuardarArtilheiro(jogo, a, kLiga, l.pais, d + 1);
            if (li == principal)
                Preencher(resumo, kSlotDivisao1 + d, Colocado(jogo, kLiga, l.pais, 1, d + 1),
                          Colocado(jogo, kLiga, l.pais, 2, d + 1), a);
        }
        if (!est.copanacional) continue;
        std::vector<int> dopais;
        for (int c = 0; c < std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao()); ++c)
            if (jogo.times[c].pais == l.pais) dopais.push_back(c);
        const Artilharia a = Artilheiro(jogo, porTime, dopais, kCopaNacional);
        GuardarArtilheiro(jogo, a, kCopaNacional, l.pais, -1);
        if (li == principal)
            Preencher(resumo, kSlotCopa, Colocado(jogo, kCopaNacional, l.pais, 1, -2),
                      Colocado(jogo, kCopaNacional, l.pais, 2, -2), a);
    }

    GuardarContinentais(jogo, porTime, resumo);

    if (!est.estaduais) return;
    const int mostrado = EstadoMostrado(jogo);
    for (int s = 0; s < kEstados; ++s) {
        const TEstadual& e = jogo.estaduais[s];
        if (!e.ativo) continue;
        const Artilharia a = Artilheiro(jogo, porTime, ClubesDoEstado(e), kEstadual);
        GuardarArtilheiro(jogo, a, kEstadual, s, -1);
        if (s != mostrado) continue;
        // The state's own record of its final when the titles list has none.
        int campeao = Colocado(jogo, kEstadual, s, 1, -2);
        int vice = Colocado(jogo, kEstadual, s, 2, -2);
        if (campeao < 0 && e.campeao >= 0) {
            campeao = e.campeao;
            vice = e.finalistas[0] == campeao ? e.finalistas[1] : e.finalistas[0];
        }
        Preencher(resumo, kSlotEstadual, campeao, vice, a);
    }
}

// A season's counts of a player: cards, suspensions, goals and matches of
// every competition; friendlies keep theirs.
void LimparContadoresDoJogador(TJogador& j) {
    for (int t = 1; t < kTiposCompeticao; ++t)
        j.cartoes[t] = j.suspensao[t] = j.gols[t] = j.jogos[t] = 0;
    j.energia = 100;
}

void ZerarTabelas(TTime& t) {
    for (int c = 0; c < kTiposCompeticao; ++c)
        t.pontos[c] = t.jogos[c] = t.vitorias[c] = t.derrotas[c] = t.golspro[c] = t.golscontra[c] =
            t.colocacao[c] = 0;
}

// Ten seasons are kept, the last in slot 10: past the tenth, each moves one
// back and slot 10 starts empty for the new season.
void Deslocar(i32 (&linhas)[5][11], i32 (&clubes)[10][3]) {
    for (auto& linha : linhas) {
        for (int s = 1; s < 10; ++s) linha[s] = linha[s + 1];
        linha[10] = 0;
    }
    for (int s = 0; s < 9; ++s)
        for (int k = 0; k < 3; ++k) clubes[s][k] = clubes[s + 1][k];
    for (i32& c : clubes[9]) c = -1;
}

// At the start of season `temporada` (already the new one): the season slots
// shifted once ten have been played, and every player and coach written into
// the new season's slot with the club he starts it at.
void RegistrarClubesDaTemporada(Jogo& jogo) {
    const int temporada = jogo.estado.temporada;
    const bool deslocar = temporada > 10;
    const int slot = std::clamp(temporada, 1, 10) - 1;
    const int clubes = std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao());
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const TJogador& j = jogo.jogadores[i];
        if (j.historico <= 0 || j.historico >= static_cast<int>(jogo.historicos.size())) continue;
        THistoricoJogador& h = jogo.historicos[j.historico];
        if (deslocar) Deslocar(h.linhas, h.clubes);
        if (j.time >= 0 && j.time < clubes)
            competitions::AnotarClubeNaTemporada(h.clubes[slot], j.time);
    }
    for (TTecnico& t : jogo.tecnicos) {
        if (t.nome.empty() && t.time < 0) continue; // a free record
        if (deslocar) Deslocar(t.estatisticas, t.clubes);
        if (t.time >= 0 && t.time < clubes)
            competitions::AnotarClubeNaTemporada(t.clubes[slot], t.time);
    }
}

} // namespace

void EncerrarLiga(Jogo& jogo) {
    ClassificarLiga(jogo);
    for (int li = 0; li < static_cast<int>(jogo.ligas.size()); ++li) {
        const TLiga& l = jogo.ligas[li];
        // Once a season: a league already crowned is not paid again.
        if (Divisoes(l) == 0 || Colocado(jogo, kLiga, l.pais, 1, 1) >= 0) continue;
        management::PagarPremios(jogo, li);
        for (int d = 0; d < Divisoes(l); ++d)
            for (int lugar = 1; lugar <= 2; ++lugar)
                competitions::RegistrarColocacao(jogo, kLiga, l.ordem[d][lugar - 1], l.pais, lugar,
                                                 d + 1);
    }
}

// The season-end screen reads the place of the club it shows before this runs
// (its standings are cleared below).
bool FimDeTemporada(Jogo& jogo) {
    TEstadoJogo& e = jogo.estado;
    // Past the last season the year would leave the calendar (and the
    // season's records would collide with the last one's): the game ends on
    // this season end, as it is, and can still be saved and loaded.
    if (e.temporada >= kTemporadaMaxima) return false;
    // A tournament whose last date never came (a season cut short) still
    // gives its players back before the season is closed.
    if (TorneioEmCurso(jogo)) EncerrarTorneio(jogo);
    // The season's counts join the records before their entries move on.
    ConsolidarHistoricos(jogo);

    // Accounts: cleared now; values, salaries and wage bills follow with the
    // players' counts, the new money after promotion (each club paid once).
    management::ZerarFinancas(jogo);
    GuardarCampeoesEArtilheiros(jogo);

    // Next season's continental lists read this season's final tables, which
    // promotion is about to reshuffle.
    if (e.continental1) MontarListasContinentais(jogo);

    for (int li = 0; li < static_cast<int>(jogo.ligas.size()); ++li) PromoverERebaixar(jogo, li);

    // The match archive stays for the whole game; the season's lists go.
    jogo.partidas.clear();
    temporada::EsvaziarEscalacoes(jogo);
    jogo.arquivo.resultados.clear();

    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        TJogador& j = jogo.jogadores[i];
        if (jogo.TimeValido(j.time)) LimparContadoresDoJogador(j);
    }
    management::ReavaliarJogadores(jogo);

    if (e.continental1) std::memset(jogo.paresmundial.data(), 0, sizeof jogo.paresmundial);

    if (e.estaduais) {
        NovaTemporadaEstadual(jogo);
        e.contadores.rodadaestadual = e.contadores.turnoestadual = 1;
        for (int c = 0; c < std::min<int>(jogo.times.size(), e.numtimesligas); ++c)
            jogo.times[c].colocacao[kEstadual] = 0;
    }
    e.contadores.fasecopa = e.contadores.turnocopa = 1;
    IniciarContadores(jogo);
    for (TTime& t : jogo.times) ZerarTabelas(t);

    management::EnvelhecerJogadores(jogo);
    MontarListaDeVendas(jogo, JogadoresPorTime(jogo));
    // Retired players' successors earn a junior's salary from now on.
    management::RecontarFolhas(jogo);

    ++e.temporada;
    EntradaDaTemporada(jogo, e.temporada);

    MontarCalendario(jogo);
    GerarPartidasDaTemporada(jogo);
    if (e.estaduais) GerarPartidasEstaduais(jogo);
    if (e.copanacional) SortearCopas(jogo);
    QualificarContinentais(jogo);

    RegistrarClubesDaTemporada(jogo);
    management::DinheiroDaTemporada(jogo);
    management::PisoDeConfianca(jogo);
    // The World Cup, Copa America or Euro of the new season is drawn last, so
    // that nothing of the season's preparation meets its teams; a World Cup
    // that cannot be drawn takes its dates off the calendar.
    PrepararTorneioDaTemporada(jogo);
    return true;
}

std::string TextoUltimaTemporada() {
    return "Fim de jogo: a temporada de " + std::to_string(2006 + kTemporadaMaxima) +
           " foi a última.";
}

} // namespace temporada
