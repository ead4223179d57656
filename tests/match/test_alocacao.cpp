// The quick mode plays millions of minutes: once a matchday is set up, its
// minutes must not touch the heap (the event list is reserved beforehand).
#include "construtores.hpp"
#include "temporada/executor.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> gContando{false};
std::atomic<long> gAlocacoes{0};
} // namespace

void* operator new(std::size_t n) {
    if (gContando) ++gAlocacoes;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
    return operator new(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    if (gContando) ++gAlocacoes;
    return std::malloc(n ? n : 1);
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept {
    return operator new(n, t);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace construtores;

TEST(Desempenho, AWholeMatchdayAllocatesNothingOnceSetUp) {
    world::Jogo jogo;
    jogo.estado.temporada = 1;
    jogo.gerador.Semear(77);
    std::vector<int> clubes;
    for (int i = 0; i < 40; ++i) clubes.push_back(ClubePadrao(jogo, 8 + i % 15, i % 7 == 0));
    match::Rodada rodada;
    rodada.tipo = 1;
    rodada.hoje = kHoje;
    for (int m = 1; m <= match::kMaxJogos; ++m) {
        // Matches with a human club are shown, so penalties and goalkeepers'
        // injuries are played too.
        const int a = clubes[2 * m - 2], b = clubes[2 * m - 1];
        const bool mostrado = jogo.times[a].humano || jogo.times[b].humano;
        match::IniciarPartida(jogo, rodada, m, a, b, mostrado);
    }
    const auto capacidade = rodada.eventos.capacity();

    gContando = true;
    match::JogarRodadaRapida(jogo, rodada);
    for (int m = 1; m <= rodada.numjogos; ++m) match::EncerrarPartida(jogo, rodada, m);
    gContando = false;

    EXPECT_EQ(gAlocacoes.load(), 0);
    EXPECT_EQ(rodada.eventos.capacity(), capacidade);
    EXPECT_FALSE(rodada.eventos.empty());
}

TEST(Desempenho, TheRunnersClockAllocatesNothingUntilTheLastMinute) {
    world::Jogo jogo;
    jogo.estado.temporada = 1;
    jogo.gerador.Semear(78);
    jogo.ligas.push_back(world::NovaLiga(0));
    jogo.ligas[0].temhumano = 1; // shown on the clock
    std::vector<match::TPartida> partidas;
    for (int m = 0; m < match::kMaxJogos; ++m) {
        match::TPartida f;
        f.mandante = ClubePadrao(jogo, 8 + m % 15, m == 0);
        f.visitante = ClubePadrao(jogo, 12, false);
        f.competicao = 1;
        f.grupo = 0;
        f.data = kHoje;
        partidas.push_back(f);
    }
    temporada::ExecucaoRodada ex;
    ex.partidas = &partidas;
    temporada::AbrirRodada(jogo, ex, 1, kHoje, temporada::PartidasDoDia(partidas, 1, kHoje));
    ASSERT_EQ(temporada::JogarProximoGrupo(jogo, ex), temporada::EstadoRodada::Relogio);
    gContando = true;
    for (int t = 1; t < 90; ++t) temporada::Minuto(jogo, ex);
    gContando = false;
    EXPECT_EQ(gAlocacoes.load(), 0);
    EXPECT_EQ(temporada::Minuto(jogo, ex), temporada::EstadoRodada::Encerrada);
}
