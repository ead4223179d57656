#include "management/estadio.hpp"

#include "management/financas.hpp"
#include "management/mercado_interno.hpp"
#include "plataforma/arredondar.hpp"

#include <algorithm>
#include <cstdint>

namespace management {

using namespace world;
using mercado::ClubeDoMercado;

Setores CapacidadeMaxima(int temporada) {
    if (temporada <= 1) return {20'000, 100'000, 10'000, 500};
    if (temporada <= 5) return {22'000, 125'000, 12'000, 500};
    if (temporada <= 9) return {25'000, 135'000, 13'000, 600};
    if (temporada <= 19) return {30'000, 150'000, 15'000, 700};
    if (temporada <= 99) return {35'000, 160'000, 17'000, 800};
    return {40'000, 180'000, 20'000, 1'000};
}

RecusaPreco RecusaDoPreco(const Jogo& jogo, int clube, int setor, int delta) {
    if (!ClubeDoMercado(jogo, clube) || setor < 0 || setor > 3) return RecusaPreco::SemClube;
    const i32 p = jogo.times[clube].precos[setor];
    if (delta < 0 && p <= 0) return RecusaPreco::NoMinimo;
    if (delta > 0 && p >= kPrecoMaximo) return RecusaPreco::NoMaximo;
    return RecusaPreco::Nenhuma;
}

RecusaPreco AjustarPreco(Jogo& jogo, int clube, int setor, int delta) {
    const RecusaPreco r = RecusaDoPreco(jogo, clube, setor, delta);
    if (r == RecusaPreco::SemClube) return r;
    // A price beyond the bounds (an odd saved game) comes back within them.
    i32& p = jogo.times[clube].precos[setor];
    p = static_cast<i32>(std::clamp<std::int64_t>(std::int64_t{p} + delta, 0, kPrecoMaximo));
    return r;
}

namespace {

// The cost per seat of sector `setor` (0..3) for a new capacity `b`.
std::int64_t CustoPorAssento(int setor, std::int64_t b) {
    static constexpr std::int64_t kLimites[7] = {10'000, 15'000, 20'000, 30'000,
                                                 40'000, 60'000, 80'000};
    static constexpr int kCustos[3][8] = {{50, 75, 100, 200, 0, 0, 0, 0},
                                          {80, 85, 85, 100, 100, 150, 250, 300},
                                          {150, 200, 250, 300, 0, 0, 0, 0}};
    if (setor == 3) return b < 100 ? 800 : b < 200 ? 1'200 : b < 400 ? 1'500 : 2'000;
    int faixa = 0;
    while (faixa < 7 && b >= kLimites[faixa]) ++faixa;
    return kCustos[setor][faixa];
}

} // namespace

Orcamento PedirOrcamento(Jogo& jogo, int clube, const Setores& assentos) {
    Orcamento o;
    if (!ClubeDoMercado(jogo, clube)) return o;
    const TTime& t = jogo.times[clube];
    const Setores maximo = CapacidadeMaxima(jogo.estado.temporada);
    std::int64_t total = 0, custo = 100'000;
    for (int s = 0; s < 4; ++s) {
        const i32 a = std::max<i32>(0, assentos[s]);
        o.assentos[s] = a;
        const std::int64_t b = std::int64_t{t.capacidade[s]} + a;
        if (b > maximo[s]) {
            o.estado = Orcamento::AcimaDoMaximo;
            return o;
        }
        total += a;
        if (a > 0) custo += CustoPorAssento(s, b) * a;
    }
    if (total == 0) return o;
    o.estado = Orcamento::Pronto;
    o.custo = mercado::Saturar(custo);
    o.termino = jogo.Hoje() + 3 + std::max<std::int64_t>(1, plataforma::ArredDiv(total, 1000));
    return o;
}

RecusaObra RecusaDaObra(const Jogo& jogo, int clube, const Orcamento* o) {
    if (!ClubeDoMercado(jogo, clube)) return RecusaObra::SemClube;
    if (ObraPendente(jogo, clube) >= 0) return RecusaObra::EmAndamento;
    if (!o) return RecusaObra::Nenhuma;
    if (o->estado != Orcamento::Pronto) return RecusaObra::SemOrcamento;
    if (jogo.times[clube].dinheiro < o->custo) return RecusaObra::SemDinheiro;
    return RecusaObra::Nenhuma;
}

RecusaObra IniciarConstrucao(Jogo& jogo, int clube, const Orcamento& o) {
    if (const RecusaObra r = RecusaDaObra(jogo, clube, &o); r != RecusaObra::Nenhuma) return r;
    TObra obra{};
    obra.clube = clube;
    obra.data = o.termino;
    for (int s = 0; s < 4; ++s) obra.assentos[s] = o.assentos[s];
    obra.pendente = 1;
    jogo.obras.push_back(obra);
    PagarEstadio(jogo, clube, o.custo);
    return RecusaObra::Nenhuma;
}

int ObraPendente(const Jogo& jogo, int clube) {
    for (std::size_t i = 0; i < jogo.obras.size(); ++i)
        if (jogo.obras[i].clube == clube && jogo.obras[i].pendente) return static_cast<int>(i);
    return -1;
}

bool ConcluirObras(Jogo& jogo, int clube) {
    if (!ClubeDoMercado(jogo, clube)) return false;
    const double hoje = jogo.Hoje();
    for (TObra& o : jogo.obras) {
        if (o.clube != clube || !o.pendente || o.data > hoje) continue;
        for (int s = 0; s < 4; ++s)
            jogo.times[clube].capacidade[s] =
                mercado::Saturar(std::int64_t{jogo.times[clube].capacidade[s]} + o.assentos[s]);
        o.pendente = 0;
        return true;
    }
    return false;
}

} // namespace management
