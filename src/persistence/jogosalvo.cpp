// The bytes of a saved game: 28 sections in a fixed order, counts as
// little-endian i32 and records as their raw images, written and read a
// section at a time straight between the tables and the file. The reader trusts
// nothing: every count is measured against what is left of the file and every
// index the game will follow is checked before the game is handed over.
#include "persistence/jogosalvo.hpp"

#include "competitions/calendario.hpp"
#include "competitions/torneios.hpp"
#include "persistence/validacao.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/bytes.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
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
    // The history records go out with the season's pending counts folded in,
    // through a small copy, a batch at a time.
    I32(s, static_cast<i32>(jogo.historicos.size()));
    {
        constexpr std::size_t kLote = 64;
        std::array<THistoricoJogador, kLote> lote;
        for (std::size_t i = 0; i < jogo.historicos.size(); i += kLote) {
            const std::size_t n = std::min(kLote, jogo.historicos.size() - i);
            for (std::size_t k = 0; k < n; ++k)
                lote[k] = HistoricoConsolidado(jogo, static_cast<int>(i + k));
            s.Escrever(lote.data(), n * sizeof(THistoricoJogador));
        }
    }
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
// already in memory. Tables are read a piece at a time and appended to room
// reserved for exactly their count: no record is written twice and no table
// keeps spare room; `progresso` hears after every piece.
template <class E> class Leitor {
public:
    Leitor(E& e, const Progresso& progresso)
        : e_(e), progresso_(progresso), total_(e.Restante()),
          trecho_(std::make_unique_for_overwrite<unsigned char[]>(kTrecho)) {}

    bool I32Ignorado() { return e_.Pular(4); }
    template <class T> bool Registro(T& r) {
        static_assert(std::is_trivially_copyable_v<T>);
        return e_.Ler(&r, sizeof(T));
    }
    // A count that is negative or asks for more records than the file holds
    // makes the file unreadable before anything is allocated.
    template <class C> bool Tabela(C& v) {
        using T = typename C::value_type;
        static_assert(std::is_trivially_copyable_v<T> && sizeof(T) <= kTrecho);
        i32 n;
        if (!LerI32(n)) return false;
        if (n < 0 || static_cast<std::uint64_t>(n) * sizeof(T) > e_.Restante()) return false;
        const auto total = static_cast<std::size_t>(n);
        v.clear();
        v.reserve(total);
        constexpr std::size_t kPorTrecho = kTrecho / sizeof(T);
        for (std::size_t feitos = 0; feitos < total;) {
            const std::size_t k = std::min(kPorTrecho, total - feitos);
            if (!e_.Ler(trecho_.get(), k * sizeof(T))) return false;
            Acrescentar(v, std::launder(reinterpret_cast<const T*>(trecho_.get())), k);
            feitos += k;
            Avancou();
        }
        return true;
    }
    template <class T, std::size_t N> bool Fixa(std::array<T, N>& a) {
        if (e_.Restante() < 4 + N * sizeof(T)) return false;
        return e_.Pular(4) && e_.Ler(a.data(), N * sizeof(T));
    }
    bool Fim() const { return e_.Restante() == 0; }
    void Avancou() {
        if (progresso_) progresso_(total_ - e_.Restante(), total_);
    }

private:
    // Small: the file reader's own buffer is the one that holds the file's
    // bytes on their way.
    static constexpr std::size_t kTrecho = std::size_t{1} << 16;

    template <class T> static void Acrescentar(std::vector<T>& v, const T* p, std::size_t k) {
        v.insert(v.end(), p, p + k);
    }
    template <class T, std::size_t B>
    static void Acrescentar(Blocos<T, B>& v, const T* p, std::size_t k) {
        for (std::size_t i = 0; i < k; ++i) v.push_back(p[i]);
    }
    bool LerI32(i32& v) {
        unsigned char b[4] = {};
        if (!e_.Ler(b, 4)) return false;
        v = static_cast<i32>(
            static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
        return true;
    }
    E& e_;
    const Progresso& progresso_;
    const std::uint64_t total_;
    std::unique_ptr<unsigned char[]> trecho_; // one piece of a table, never zero-filled
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

// What a loaded game rebuilds of what the file does not hold, once, after the
// whole file was read and accepted and before the game is handed over: the
// random generator, the lineups, the clubs' statements and the calendar.
// Whatever else is derived from the tables belongs here too.
void AposCarregar(Jogo& j) {
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
}

// Reads and checks a whole game into a fresh Jogo; `saida` is only touched
// once everything was read and found sound.
template <class E>
ResultadoCarga Desserializar(E& entrada, Jogo& saida, const Progresso& progresso) {
    Leitor<E> r(entrada, progresso);
    Jogo j;
    const bool lido =
        r.I32Ignorado() && r.Registro(j.estado) && j.estado.marcador == kMarcador &&
        r.Tabela(j.jogadores) && r.Tabela(j.historicos) && r.Tabela(j.times) &&
        r.Tabela(j.selecoes) && r.Tabela(j.tecnicos) && r.I32Ignorado() &&
        r.Registro(j.precospadrao) && r.Tabela(j.financas) && r.Tabela(j.arquivo.resultados) &&
        r.Fixa(j.grupostorneio) && r.Fixa(j.paresmundial) && r.Fixa(j.estaduais) &&
        r.Tabela(j.arquivo.jogos) && r.Tabela(j.campeoestemporada) && r.Tabela(j.convocados) &&
        r.Tabela(j.emails) && r.Tabela(j.amistosos) && r.Tabela(j.ligas) && r.Tabela(j.partidas) &&
        r.Tabela(j.arquivo.eventos) && r.Tabela(j.historicotitulos) &&
        r.Tabela(j.historicotecnico) && r.Tabela(j.artilheiros) && r.Tabela(j.campanhas) &&
        r.Tabela(j.transferencias) && r.Tabela(j.trocastecnicos) && r.Tabela(j.obras);
    // Bytes after the last section mean the file is not one of ours (or two
    // files were run together): refused rather than guessed at.
    if (!lido || !r.Fim()) return ResultadoCarga::Ilegivel;
    r.Avancou(); // the whole file, whatever its last tables held
    if (!JogoAceitavel(j)) return ResultadoCarga::Ilegivel;
    AposCarregar(j);
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

// Neither a load nor a save lets an exception out (memory for a table the
// machine cannot hold, a library failure): either is an unreadable file or a
// failed save, and the running game goes on as it was.
ResultadoCarga DesserializarJogo(const std::vector<unsigned char>& bytes, Jogo& saida) {
    try {
        if (bytes.size() > kTamanhoMaximo) return ResultadoCarga::Ilegivel;
        EntradaMemoria e(bytes);
        return Desserializar(e, saida, Progresso{});
    } catch (...) {
        return ResultadoCarga::Ilegivel;
    }
}

bool GravarJogo(const std::filesystem::path& caminho, const Jogo& jogo) {
    try {
        // What the loader would refuse is not written: the previous save
        // stays, and the player hears the save failed.
        if (TamanhoDoArquivo(jogo) > kTamanhoMaximo || !JogoAceitavel(jogo)) return false;
        return plataforma::GravarArquivoAtomico(caminho, [&](plataforma::GravadorArquivo& w) {
            EscreverSecoes(jogo, w);
            return w.Ok();
        });
    } catch (...) {
        return false;
    }
}

ResultadoCarga LerJogo(const std::filesystem::path& caminho, Jogo& saida,
                       const Progresso& progresso) {
    try {
        plataforma::LeitorArquivo e;
        if (!e.Abrir(caminho) || e.Tamanho() > kTamanhoMaximo) return ResultadoCarga::Ilegivel;
        return Desserializar(e, saida, progresso);
    } catch (...) {
        return ResultadoCarga::Ilegivel;
    }
}

} // namespace persistence
