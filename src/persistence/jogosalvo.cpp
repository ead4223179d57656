// The bytes of a saved game: 28 sections in a fixed order, counts as
// little-endian i32 and records as their raw images. The reader trusts
// nothing: every count is measured against what is left of the file and every
// index the game will follow is checked before the game is handed over.
#include "persistence/jogosalvo.hpp"

#include "competitions/calendario.hpp"
#include "competitions/torneios.hpp"
#include "plataforma/bytes.hpp"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace persistence {

using namespace world;
using plataforma::EscritorBytes;
using plataforma::LeitorBytes;

static_assert(std::endian::native == std::endian::little,
              "records are written as they sit in memory");
static_assert(sizeof(PrecosPadrao) == 5 * 4 * 4);

namespace {

constexpr i32 kMarcador = 2007;
// The year shown must stay a real calendar year.
constexpr i32 kTemporadaMaxima = 9999 - 2006;

// ---------------------------------------------------------------- writing

template <class T> void Tabela(EscritorBytes& w, const std::vector<T>& v) {
    w.EscreverI32(static_cast<i32>(v.size()));
    if (!v.empty()) w.Escrever(v.data(), v.size() * sizeof(T));
}

template <class T, std::size_t N> void Fixa(EscritorBytes& w, const std::array<T, N>& a) {
    w.EscreverI32(static_cast<i32>(N));
    w.Escrever(a.data(), N * sizeof(T));
}

template <class T> std::size_t Bytes(const std::vector<T>& v) {
    return 4 + v.size() * sizeof(T);
}

std::size_t TamanhoDoArquivo(const Jogo& j) {
    return 4 + sizeof(TEstadoJogo) + Bytes(j.jogadores) + Bytes(j.historicos) + Bytes(j.times) +
           Bytes(j.selecoes) + Bytes(j.tecnicos) + 4 + sizeof(PrecosPadrao) + Bytes(j.financas) +
           Bytes(j.arquivo.resultados) + 4 + sizeof j.grupostorneio + 4 + sizeof j.paresmundial +
           4 + sizeof j.estaduais + Bytes(j.arquivo.jogos) + Bytes(j.campeoestemporada) +
           Bytes(j.convocados) + Bytes(j.emails) + Bytes(j.amistosos) + Bytes(j.ligas) +
           Bytes(j.partidas) + Bytes(j.arquivo.eventos) + Bytes(j.historicotitulos) +
           Bytes(j.historicotecnico) + Bytes(j.artilheiros) + Bytes(j.campanhas) +
           Bytes(j.transferencias) + Bytes(j.trocastecnicos) + Bytes(j.obras);
}

// ---------------------------------------------------------------- reading

class Leitor {
public:
    explicit Leitor(const std::vector<unsigned char>& bytes) : l_(bytes) {}

    bool I32Ignorado() {
        if (l_.Restante() < 4) return false;
        l_.Pular(4);
        return true;
    }
    template <class T> bool Registro(T& r) {
        if (l_.Restante() < sizeof(T)) return false;
        l_.LerRegistro(r);
        return true;
    }
    // A count that is negative or asks for more records than the file holds
    // makes the file unreadable before anything is allocated.
    template <class T> bool Tabela(std::vector<T>& v) {
        if (l_.Restante() < 4) return false;
        const i32 n = l_.LerI32();
        if (n < 0 || static_cast<std::uint64_t>(n) * sizeof(T) > l_.Restante()) return false;
        v.resize(static_cast<std::size_t>(n));
        if (n > 0) l_.Ler(v.data(), v.size() * sizeof(T));
        return true;
    }
    template <class T, std::size_t N> bool Fixa(std::array<T, N>& a) {
        if (l_.Restante() < 4 + N * sizeof(T)) return false;
        l_.Pular(4);
        l_.Ler(a.data(), N * sizeof(T));
        return true;
    }
    bool Fim() const { return l_.Restante() == 0; }

private:
    LeitorBytes l_;
};

// ------------------------------------------------------- cross-references

bool Indice(i32 v, std::size_t n) {
    return v >= 0 && static_cast<std::size_t>(v) < n;
}
bool IndiceOuNada(i32 v, std::size_t n) {
    return v == -1 || Indice(v, n);
}
bool Entre(i32 v, i32 de, i32 ate) {
    return v >= de && v <= ate;
}

// Counters of the competitions' progress stay small; gauges, seats and
// season counts far below the point where adding to them overflows.
constexpr i32 kContadorMaximo = 64;
constexpr i32 kValorMaximo = 100'000'000;

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
    if (!Entre(e.dataatual, 0, kDatasPorTemporada) || !Entre(e.tipo, -1, kTiposCompeticao - 1) ||
        !Entre(e.numhumanos, 0, 6) || !Entre(e.temporada, 1, kTemporadaMaxima))
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
    if (!Entre(e.divisoesporliga, 0, 4) || !Entre(e.paisprincipal, 0, kPaisesListas - 1))
        return false;
    const TContadores& k = e.contadores;
    for (i32 v : {k.rodadaliga, k.turnoliga, k.fasecopa, k.turnocopa, k.rodadaestadual,
                  k.turnoestadual, k.fasecontinental[0], k.fasecontinental[1],
                  k.turnocontinental[0], k.turnocontinental[1], k.fasetorneio})
        if (!Entre(v, 0, kContadorMaximo)) return false;
    return true;
}

// Season counts, added to after every match.
template <std::size_t N> bool Contagens(const i32 (&v)[N]) {
    for (i32 x : v)
        if (!Entre(x, 0, kValorMaximo)) return false;
    return true;
}

// A player's fields the rules use as indices, counts and dates.
bool JogadorValido(const TJogador& p) {
    return Entre(p.posicao, 0, 4) && Entre(p.posicaoatual, 0, 4) && Entre(p.funcao, 0, 2) &&
           Entre(p.caract1, 0, 13) && Entre(p.caract2, 0, 13) && Entre(p.idade, 0, 200) &&
           Entre(p.energia, -kValorMaximo, kValorMaximo) && std::isfinite(p.retorno) &&
           std::isfinite(p.contrato) && Contagens(p.gols) && Contagens(p.jogos) &&
           Contagens(p.cartoes);
}

// A club's gauges, seats and season counters, within what a game can reach.
bool TimeValido(const TTime& t) {
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
    if (!Entre(t.codigo, 7, 9) || t.numtimes != j.PrimeiraSelecao() || !Entre(t.numtimes, 0, nt) ||
        !Entre(t.numjogadores, 1, njog) || !Entre(t.cidades[0], 0, 13) ||
        !Entre(t.cidades[1], 0, 13) || !Entre(t.sede, -1, kPaisesListas - 1) ||
        !Entre(t.campeao, -1, nt - 1))
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
    return true;
}

} // namespace

std::vector<unsigned char> SerializarJogo(const Jogo& jogo) {
    EscritorBytes w;
    w.Dados().reserve(TamanhoDoArquivo(jogo));
    w.EscreverI32(1);

    // The random generator lives beside the block while the game runs.
    TEstadoJogo estado = jogo.estado;
    estado.gerador = jogo.gerador.Estado();
    w.EscreverRegistro(estado);

    Tabela(w, jogo.jogadores);
    Tabela(w, jogo.historicos);
    // Lineups are not saved and are rebuilt before every match, so a club's
    // lineup index is always written as none.
    w.EscreverI32(static_cast<i32>(jogo.times.size()));
    for (TTime t : jogo.times) {
        t.escalacao = -1;
        w.EscreverRegistro(t);
    }
    Tabela(w, jogo.selecoes);
    Tabela(w, jogo.tecnicos);
    w.EscreverI32(4);
    w.Escrever(jogo.precospadrao.data(), sizeof jogo.precospadrao);
    Tabela(w, jogo.financas);
    Tabela(w, jogo.arquivo.resultados);
    Fixa(w, jogo.grupostorneio);
    Fixa(w, jogo.paresmundial);
    Fixa(w, jogo.estaduais);
    Tabela(w, jogo.arquivo.jogos);
    Tabela(w, jogo.campeoestemporada);
    Tabela(w, jogo.convocados);
    Tabela(w, jogo.emails);
    Tabela(w, jogo.amistosos);
    Tabela(w, jogo.ligas);
    Tabela(w, jogo.partidas);
    // The event section holds the archive's events, each tagged with its
    // archive entry: games are saved between dates, when the date's own event
    // list is always empty.
    Tabela(w, jogo.arquivo.eventos);
    Tabela(w, jogo.historicotitulos);
    Tabela(w, jogo.historicotecnico);
    Tabela(w, jogo.artilheiros);
    Tabela(w, jogo.campanhas);
    Tabela(w, jogo.transferencias);
    Tabela(w, jogo.trocastecnicos);
    Tabela(w, jogo.obras);
    return std::move(w.Dados());
}

ResultadoCarga DesserializarJogo(const std::vector<unsigned char>& bytes, Jogo& saida) {
    Leitor r(bytes);
    Jogo j;
    PrecosPadrao precos{};
    const bool lido =
        r.I32Ignorado() && r.Registro(j.estado) && j.estado.marcador == kMarcador &&
        r.Tabela(j.jogadores) && r.Tabela(j.historicos) && r.Tabela(j.times) &&
        r.Tabela(j.selecoes) && r.Tabela(j.tecnicos) && r.I32Ignorado() && r.Registro(precos) &&
        r.Tabela(j.financas) && r.Tabela(j.arquivo.resultados) && r.Fixa(j.grupostorneio) &&
        r.Fixa(j.paresmundial) && r.Fixa(j.estaduais) && r.Tabela(j.arquivo.jogos) &&
        r.Tabela(j.campeoestemporada) && r.Tabela(j.convocados) && r.Tabela(j.emails) &&
        r.Tabela(j.amistosos) && r.Tabela(j.ligas) && r.Tabela(j.partidas) &&
        r.Tabela(j.arquivo.eventos) && r.Tabela(j.historicotitulos) &&
        r.Tabela(j.historicotecnico) && r.Tabela(j.artilheiros) && r.Tabela(j.campanhas) &&
        r.Tabela(j.transferencias) && r.Tabela(j.trocastecnicos) && r.Tabela(j.obras);
    // Bytes after the last section mean the file is not one of ours (or two
    // files were run together): refused rather than guessed at.
    if (!lido || !r.Fim()) return ResultadoCarga::Ilegivel;
    if (j.jogadores.empty() || j.historicos.empty()) return ResultadoCarga::Ilegivel;
    if (!EstadoValido(j) || !RegistrosValidos(j) || !TorneioValido(j))
        return ResultadoCarga::Ilegivel;

    j.precospadrao = precos;
    j.gerador.Semear(j.estado.gerador);
    for (TTime& t : j.times) t.escalacao = -1;
    // Every real club has its statement; national teams get theirs when their
    // money first moves.
    const auto reais = static_cast<std::size_t>(j.PrimeiraSelecao());
    if (j.financas.size() < reais) {
        TFinancas zero;
        std::memset(&zero, 0, sizeof zero);
        j.financas.resize(reais, zero);
    }
    competitions::MontarCalendario(j);
    saida = std::move(j);
    return ResultadoCarga::Ok;
}

} // namespace persistence
