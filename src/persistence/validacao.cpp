// The checks a saved game passes before it is handed over, and before it is
// written: a file that fails any of them is refused whole with the load-error
// text, a game that fails them is not saved.
#include "persistence/validacao.hpp"

#include "competitions/calendario.hpp"
#include "competitions/torneios.hpp"
#include "management/estadio.hpp"
#include "management/invariantes.hpp"

#include <cmath>
#include <cstdint>
#include <vector>

namespace persistence {

using namespace world;

namespace {

bool Indice(i32 v, std::size_t n) {
    return v >= 0 && static_cast<std::size_t>(v) < n;
}
bool IndiceOuNada(i32 v, std::size_t n) {
    return v == -1 || Indice(v, n);
}
bool Entre(i32 v, i32 de, i32 ate) {
    return v >= de && v <= ate;
}

bool EstadoValido(const Jogo& j) {
    const TEstadoJogo& e = j.estado;
    const std::size_t times = j.times.size();
    if (!IndiceOuNada(e.timeatual, times)) return false;
    for (int i = 0; i < 6; ++i)
        if (!IndiceOuNada(e.humanos[i], j.tecnicos.size()) ||
            !IndiceOuNada(e.timeshumanos[i], times))
            return false;
    if (e.numtimesligas < 0 || e.numtimesextras < 0 ||
        std::int64_t{e.numtimesligas} + e.numtimesextras > static_cast<std::int64_t>(times))
        return false;
    if (!Entre(e.dataatual, 0, kDatasPorTemporada) ||
        !Entre(e.tipo, kSemEvento, kTiposCompeticao - 1) || !Entre(e.numhumanos, 0, 6) ||
        !Entre(e.temporada, 1, kTemporadaMaxima))
        return false;
    for (const auto& linha : e.extrasporpais) {
        if (!Entre(linha[0], 0, kCotaMaximaExtras)) return false;
        for (int k = 1; k <= linha[0]; ++k)
            if (!Indice(linha[k], times)) return false;
    }
    for (i32 a : e.arbitrostemporada)
        if (!Entre(a, 0, 41)) return false;
    // Settings that pick tables and countries, and the competitions' progress
    // counters: far-off values would run the rules off their tables or
    // overflow as they count on.
    if (!Entre(e.paisprincipal, 0, kPaisesListas - 1)) return false;
    const TContadores& k = e.contadores;
    for (i32 v : {k.rodadaliga, k.turnoliga, k.fasecopa, k.turnocopa, k.rodadaestadual,
                  k.turnoestadual, k.fasecontinental[0], k.fasecontinental[1],
                  k.turnocontinental[0], k.turnocontinental[1], k.fasetorneio})
        if (!Entre(v, 0, kContadorMaximo)) return false;
    return true;
}

// The date the game stands on is one the cycle stops at: a date of the
// season's calendar with the competition played on it, or the last date once
// the season is over (-1).
bool DataValida(const TEstadoJogo& e) {
    if (e.tipo == kSemEvento) return e.dataatual == kDatasPorTemporada;
    return e.dataatual >= 1 &&
           competitions::CalendarioDaTemporada(e)[e.dataatual - 1].competicao == e.tipo;
}

// The leagues laid out as the setting says: one or two divisions of 20 clubs,
// or two to four of 10 (fewer when the country has fewer clubs).
bool LigasValidas(const Jogo& j) {
    const i32 modo = j.estado.divisoesporliga;
    if (modo != 2 && modo != 4) return false;
    const int pordivisao = modo == 2 ? 20 : 10;
    for (const TLiga& l : j.ligas) {
        if (!Entre(l.numdivisoes, modo == 2 ? 1 : 2, modo)) return false;
        for (int d = 0; d < 4; ++d)
            for (int s = 0; s < 20; ++s)
                if ((d >= l.numdivisoes || s >= pordivisao) &&
                    (l.divisoes[d][s] != -1 || l.ordem[d][s] != -1))
                    return false;
    }
    return true;
}

// Season counts, added to after every match.
template <std::size_t N> bool Contagens(const i32 (&v)[N]) {
    for (i32 x : v)
        if (!Entre(x, 0, kValorMaximo)) return false;
    return true;
}

// Salaries are recomputed every season and a renewal offers at most a few
// times the current one: a few million at the very top.
bool SalarioValido(i32 salario) {
    return Entre(salario, 0, kValorMaximo);
}

bool Precos(const i32 (&precos)[4]) {
    for (i32 p : precos)
        if (!Entre(p, 0, management::kPrecoMaximo)) return false;
    return true;
}

// A player's fields the rules use as indices, counts and dates.
bool JogadorValido(const TJogador& p) {
    return Entre(p.posicao, 0, 4) && Entre(p.posicaoatual, 0, 4) && Entre(p.funcao, 0, 2) &&
           Entre(p.caract1, 0, 13) && Entre(p.caract2, 0, 13) && Entre(p.idade, 0, 200) &&
           Entre(p.energia, -kValorMaximo, kValorMaximo) && std::isfinite(p.retorno) &&
           std::isfinite(p.contrato) && Contagens(p.gols) && Contagens(p.jogos) &&
           Contagens(p.cartoes) && std::isfinite(p.nota) && std::isfinite(p.evolucao) &&
           SalarioValido(p.salario) && p.passe >= 0 && p.passepedido >= 0;
}

// A club's gauges, seats and season counters, within what a game can reach.
bool TimeValido(const TTime& t) {
    // The market compares levels a few steps apart.
    if (!Entre(t.nivel, 0, kNivelMaximo) || !Precos(t.precos)) return false;
    if (!Entre(t.confdiretoria, -kValorMaximo, kValorMaximo) ||
        !Entre(t.conftorcida, -kValorMaximo, kValorMaximo))
        return false;
    for (i32 c : t.capacidade)
        if (!Entre(c, 0, kValorMaximo)) return false;
    for (const auto& linha : t.pontoshistoricos)
        for (i32 v : linha)
            if (!Entre(v, -kValorMaximo, kValorMaximo)) return false;
    for (int k = 0; k < kTiposCompeticao; ++k)
        if (!Entre(t.pontos[k], -kValorMaximo, kValorMaximo) || !Entre(t.jogos[k], 0, kValorMaximo))
            return false;
    return true;
}

bool RegistrosValidos(const Jogo& j) {
    const std::size_t njog = j.jogadores.size(), ntimes = j.times.size();
    for (std::size_t i = 1; i < njog; ++i) {
        const TJogador& p = j.jogadores[i];
        if (!IndiceOuNada(p.time, ntimes) || !Indice(p.historico, j.historicos.size()))
            return false;
        if (p.time >= 0 && !JogadorValido(p)) return false;
    }
    if (njog > 0 && !IndiceOuNada(j.jogadores[0].time, ntimes)) return false;
    for (const TTime& t : j.times)
        if (!IndiceOuNada(t.tecnico, j.tecnicos.size()) || !IndiceOuNada(t.capitao, njog) ||
            !IndiceOuNada(t.cobrador, njog) || !Entre(t.divisao, 0, 4) || !TimeValido(t))
            return false;
    for (const TTecnico& t : j.tecnicos)
        if (!IndiceOuNada(t.time, ntimes)) return false;
    for (const auto& linha : j.precospadrao)
        for (i32 p : linha)
            if (!Entre(p, 0, management::kPrecoMaximo)) return false;
    for (const TSelecao& s : j.selecoes)
        if (!Entre(s.nivel, 0, kNivelMaximo)) return false;
    for (const TLiga& l : j.ligas) {
        if (!Entre(l.numdivisoes, 0, 4)) return false;
        for (int d = 0; d < 4; ++d)
            for (int s = 0; s < 20; ++s)
                if (!IndiceOuNada(l.divisoes[d][s], ntimes) || !IndiceOuNada(l.ordem[d][s], ntimes))
                    return false;
    }
    for (const TPartida& p : j.partidas)
        if (!IndiceOuNada(p.mandante, ntimes) || !IndiceOuNada(p.visitante, ntimes) ||
            p.jogado > 1 || (p.jogado && (p.mandante < 0 || p.visitante < 0)) ||
            !Entre(p.competicao, -1, kTiposCompeticao - 1)) // -1: a friendly called off
            return false;
    for (const TEstadual& e : j.estaduais) {
        if (!Entre(e.numgrupos, 0, kGruposEstaduais)) return false;
        for (const auto& g : e.grupos)
            for (i32 c : g)
                if (!IndiceOuNada(c, ntimes)) return false;
        if (!IndiceOuNada(e.finalistas[0], ntimes) || !IndiceOuNada(e.finalistas[1], ntimes) ||
            !IndiceOuNada(e.campeao, ntimes))
            return false;
    }
    for (const TConvocado& c : j.convocados)
        if (!IndiceOuNada(c.jogador, njog) || !IndiceOuNada(c.time, ntimes)) return false;
    // The match archive, the results and the history lists are left alone: they
    // name national teams that were cut away after their tournament, and the
    // screens that read them check the indices themselves.
    return true;
}

// The national-team tournament: its teams after the real clubs, each in a
// group slot, its knockout pairings, human coaches and call-ups pointing at
// them; nothing of it outside a tournament.
bool TorneioValido(const Jogo& j) {
    const TTorneio& t = j.estado.torneio;
    const auto nt = static_cast<i32>(j.times.size());
    const auto njog = static_cast<i32>(j.jogadores.size());
    if (!Entre(t.indicesede, 0, 50)) return false;
    // Outside a tournament nothing reads the rest (the invariant checker
    // wants it empty).
    if (t.codigo == 0) return true;
    if (!Entre(t.codigo, kCopaDoMundo, kEurocopa) || t.numtimes != j.PrimeiraSelecao() ||
        !Entre(t.numtimes, 0, nt) || !Entre(t.numjogadores, 1, njog) ||
        !Entre(t.cidades[0], 0, 13) || !Entre(t.cidades[1], 0, 13) ||
        !Entre(t.sede, -1, kPaisesListas - 1) || !Entre(t.campeao, -1, nt - 1))
        return false;
    const int grupos = competitions::GruposDoTorneio(t.codigo);
    for (i32 c = t.numtimes; c < nt; ++c)
        if (!Entre(j.times[c].gruposelecao, 1, grupos) || !Entre(j.times[c].posicaoselecao, 1, 4))
            return false;
    auto daselecao = [&](i32 c) { return c == -1 || (c >= t.numtimes && c < nt); };
    for (i32 c : t.selecoes)
        if (!daselecao(c)) return false;
    for (const auto& nivel : t.convites)
        for (i32 c : nivel)
            if (!daselecao(c)) return false;
    for (i32 c : t.terceiros)
        if (!daselecao(c)) return false;
    for (const TParTorneio& p : j.grupostorneio)
        if (!daselecao(p.time1) || !daselecao(p.time2) || !daselecao(p.vencedor) ||
            !IndiceOuNada(p.partida, j.partidas.size()))
            return false;
    for (const TConvocado& c : j.convocados)
        if (!Entre(c.jogador, 1, t.numjogadores - 1) || !Entre(c.time, -1, t.numtimes - 1))
            return false;
    // A national team coached by nobody, or by a coach who does not know it,
    // a coach who thinks he coaches one he has not, or a squad already called
    // up that its coach would be asked to call up again: not a game we wrote.
    std::vector<char> treina(j.tecnicos.size(), 0);
    for (int h = 0; h < 6; ++h) {
        if (!Entre(t.convocou[h], 0, 1)) return false;
        const i32 s = t.selecoes[h];
        if (s < 0) continue;
        const i32 k = j.estado.humanos[h];
        if (k < 0 || treina[k]++) return false;
        if (!t.convocou[h])
            for (const TConvocado& c : j.convocados)
                if (j.jogadores[c.jogador].time == s) return false;
    }
    for (std::size_t k = 0; k < j.tecnicos.size(); ++k)
        if (j.tecnicos[k].treinaselecao != treina[k]) return false;
    return true;
}

// Mail names players of the clubs, never a tournament's own players, who go
// when it ends (the tournament record is checked first).
bool EmailsValidos(const Jogo& j) {
    const i32 reais = j.estado.torneio.codigo != 0 ? j.estado.torneio.numjogadores
                                                   : static_cast<i32>(j.jogadores.size());
    for (const TEmail& m : j.emails)
        if (!Entre(m.jogador, 0, reais - 1)) return false;
    return true;
}

} // namespace

bool JogoAceitavel(const Jogo& j) {
    if (j.estado.marcador != 2007 || j.jogadores.empty() || j.historicos.empty()) return false;
    if (!EstadoValido(j) || !DataValida(j.estado) || !LigasValidas(j) || !RegistrosValidos(j) ||
        !TorneioValido(j) || !EmailsValidos(j))
        return false;
    // What holds wherever the game can be saved holds in the file, or the
    // file is not a game we wrote (or was tampered with).
    return management::VerificarInvariantes(j).empty();
}

} // namespace persistence
