// The bytes of a saved game: 28 sections in a fixed order, counts as
// little-endian i32 and records as their raw images, written and read a
// section at a time straight between the tables and the file. The reader trusts
// nothing: every count is measured against what is left of the file and every
// index the game will follow is checked before the game is handed over.
#include "persistence/jogosalvo.hpp"

#include "competitions/calendario.hpp"
#include "competitions/torneios.hpp"
#include "management/invariantes.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/bytes.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

namespace persistence {

using namespace world;
using plataforma::LeitorBytes;

static_assert(std::endian::native == std::endian::little,
              "records are written as they sit in memory");
static_assert(sizeof(PrecosPadrao) == 5 * 4 * 4);

namespace {

constexpr i32 kMarcador = 2007;

// ---------------------------------------------------------------- writing

// The file goes out section by section to any sink with
// Escrever(const void*, std::size_t): a growing vector, a file, a fingerprint.
template <class S> void I32(S& s, i32 v) {
    const auto u = static_cast<std::uint32_t>(v);
    const unsigned char b[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                static_cast<unsigned char>(u >> 16),
                                static_cast<unsigned char>(u >> 24)};
    s.Escrever(b, 4);
}

template <class S, class T> void Tabela(S& s, const std::vector<T>& v) {
    static_assert(std::is_trivially_copyable_v<T>);
    I32(s, static_cast<i32>(v.size()));
    if (!v.empty()) s.Escrever(v.data(), v.size() * sizeof(T));
}

template <class S, class T, std::size_t B> void Tabela(S& s, const Blocos<T, B>& v) {
    static_assert(std::is_trivially_copyable_v<T>);
    I32(s, static_cast<i32>(v.size()));
    v.PorTrechos([&](const T* p, std::size_t n) { s.Escrever(p, n * sizeof(T)); });
}

template <class S, class T, std::size_t N> void Fixa(S& s, const std::array<T, N>& a) {
    I32(s, static_cast<i32>(N));
    s.Escrever(a.data(), N * sizeof(T));
}

template <class S> void EscreverSecoes(const Jogo& jogo, S& s) {
    I32(s, 1);

    // The random generator lives beside the block while the game runs.
    TEstadoJogo estado = jogo.estado;
    estado.gerador = jogo.gerador.Estado();
    s.Escrever(&estado, sizeof estado);

    Tabela(s, jogo.jogadores);
    Tabela(s, jogo.historicos);
    // Lineups are not saved and are rebuilt before every match, so a club's
    // lineup index is always written as none: the clubs go out through a
    // small copy, a batch at a time.
    I32(s, static_cast<i32>(jogo.times.size()));
    constexpr std::size_t kLote = 64;
    std::array<TTime, kLote> lote;
    for (std::size_t i = 0; i < jogo.times.size(); i += kLote) {
        const std::size_t n = std::min(kLote, jogo.times.size() - i);
        std::copy_n(jogo.times.begin() + static_cast<std::ptrdiff_t>(i), n, lote.begin());
        for (std::size_t k = 0; k < n; ++k) lote[k].escalacao = -1;
        s.Escrever(lote.data(), n * sizeof(TTime));
    }
    Tabela(s, jogo.selecoes);
    Tabela(s, jogo.tecnicos);
    I32(s, 4);
    s.Escrever(jogo.precospadrao.data(), sizeof jogo.precospadrao);
    Tabela(s, jogo.financas);
    Tabela(s, jogo.arquivo.resultados);
    Fixa(s, jogo.grupostorneio);
    Fixa(s, jogo.paresmundial);
    Fixa(s, jogo.estaduais);
    Tabela(s, jogo.arquivo.jogos);
    Tabela(s, jogo.campeoestemporada);
    Tabela(s, jogo.convocados);
    Tabela(s, jogo.emails);
    Tabela(s, jogo.amistosos);
    Tabela(s, jogo.ligas);
    Tabela(s, jogo.partidas);
    // The event section holds the archive's events, each tagged with its
    // archive entry: games are saved between dates, when the date's own event
    // list is always empty.
    Tabela(s, jogo.arquivo.eventos);
    Tabela(s, jogo.historicotitulos);
    Tabela(s, jogo.historicotecnico);
    Tabela(s, jogo.artilheiros);
    Tabela(s, jogo.campanhas);
    Tabela(s, jogo.transferencias);
    Tabela(s, jogo.trocastecnicos);
    Tabela(s, jogo.obras);
}

template <class C> std::size_t Bytes(const C& v) {
    return 4 + v.size() * sizeof(typename C::value_type);
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

struct SaidaVetor {
    std::vector<unsigned char>& v;
    void Escrever(const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        v.insert(v.end(), b, b + n);
    }
};

struct SaidaFuncao {
    const std::function<void(const void*, std::size_t)>& f;
    void Escrever(const void* p, std::size_t n) { f(p, n); }
};

// ---------------------------------------------------------------- reading

// Sections come from any source with Restante(), Ler(p, n) and Pular(n), the
// last two all or nothing: the file through a buffered reader, or bytes
// already in memory.
template <class E> class Leitor {
public:
    explicit Leitor(E& e) : e_(e) {}

    bool I32Ignorado() { return e_.Pular(4); }
    template <class T> bool Registro(T& r) {
        static_assert(std::is_trivially_copyable_v<T>);
        return e_.Ler(&r, sizeof(T));
    }
    // A count that is negative or asks for more records than the file holds
    // makes the file unreadable before anything is allocated.
    template <class T> bool Tabela(std::vector<T>& v) {
        i32 n;
        if (!LerI32(n)) return false;
        if (n < 0 || static_cast<std::uint64_t>(n) * sizeof(T) > e_.Restante()) return false;
        v.resize(static_cast<std::size_t>(n));
        return n == 0 || e_.Ler(v.data(), v.size() * sizeof(T));
    }
    template <class T, std::size_t B> bool Tabela(Blocos<T, B>& v) {
        i32 n;
        if (!LerI32(n)) return false;
        if (n < 0 || static_cast<std::uint64_t>(n) * sizeof(T) > e_.Restante()) return false;
        v.resize(static_cast<std::size_t>(n));
        return v.PorTrechosMut([&](T* p, std::size_t k) { return e_.Ler(p, k * sizeof(T)); });
    }
    template <class T, std::size_t N> bool Fixa(std::array<T, N>& a) {
        if (e_.Restante() < 4 + N * sizeof(T)) return false;
        return e_.Pular(4) && e_.Ler(a.data(), N * sizeof(T));
    }
    bool Fim() const { return e_.Restante() == 0; }

private:
    bool LerI32(i32& v) {
        unsigned char b[4] = {};
        if (!e_.Ler(b, 4)) return false;
        v = static_cast<i32>(
            static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
        return true;
    }
    E& e_;
};

class EntradaMemoria {
public:
    explicit EntradaMemoria(const std::vector<unsigned char>& bytes) : l_(bytes) {}
    std::uint64_t Restante() const { return l_.Restante(); }
    bool Ler(void* p, std::size_t n) {
        if (n > l_.Restante()) return false;
        l_.Ler(p, n);
        return true;
    }
    bool Pular(std::size_t n) {
        if (n > l_.Restante()) return false;
        l_.Pular(n);
        return true;
    }

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

// Reads and checks a whole game into a fresh Jogo; `saida` is only touched
// once everything was read and found sound.
template <class E> ResultadoCarga Desserializar(E& entrada, Jogo& saida) {
    Leitor<E> r(entrada);
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
    // What holds wherever the game can be saved holds in the file, or the
    // file is not a game we wrote (or was tampered with) and is refused whole.
    if (!management::VerificarInvariantes(j).empty()) return ResultadoCarga::Ilegivel;

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

} // namespace

std::vector<unsigned char> SerializarJogo(const Jogo& jogo) {
    std::vector<unsigned char> v;
    v.reserve(TamanhoDoArquivo(jogo));
    SaidaVetor s{v};
    EscreverSecoes(jogo, s);
    return v;
}

void EscreverJogo(const Jogo& jogo, const std::function<void(const void*, std::size_t)>& saida) {
    SaidaFuncao s{saida};
    EscreverSecoes(jogo, s);
}

ResultadoCarga DesserializarJogo(const std::vector<unsigned char>& bytes, Jogo& saida) {
    EntradaMemoria e(bytes);
    return Desserializar(e, saida);
}

bool GravarJogo(const std::filesystem::path& caminho, const Jogo& jogo) {
    return plataforma::GravarArquivoAtomico(caminho, [&](plataforma::GravadorArquivo& w) {
        EscreverSecoes(jogo, w);
        return w.Ok();
    });
}

ResultadoCarga LerJogo(const std::filesystem::path& caminho, Jogo& saida) {
    plataforma::LeitorArquivo e;
    if (!e.Abrir(caminho)) return ResultadoCarga::Ilegivel;
    return Desserializar(e, saida);
}

} // namespace persistence
