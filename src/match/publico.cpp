// The crowd of each competition. Sector k of the rules is index k − 1 here.
#include "match/publico.hpp"

#include "plataforma/arredondar.hpp"
#include "world/competicoes.hpp"

#include <algorithm>

namespace match {

using namespace world;

namespace {

using Setores = i32[4];

// round(pct/100 × c), the percentage in tenths so that 0.8 × confidence stays exact.
i32 Fracao(std::int64_t decimos, i32 c) {
    return plataforma::ArredDiv(decimos * c, 1000);
}

void CapacidadeDaLiga(Jogo& jogo, const TTime& h, Setores c) {
    struct Teto {
        i32 acima, base, faixa;
    };
    static constexpr Teto kDiv4[4] = {
        {3000, 2000, 1000}, {15000, 13000, 2000}, {1000, 900, 100}, {150, 100, 50}};
    static constexpr Teto kDiv3[4] = {
        {15000, 13000, 2000}, {35000, 30000, 5000}, {4000, 3000, 1000}, {500, 300, 200}};
    for (int i = 0; i < 4; ++i) c[i] = h.capacidade[i];
    const Teto* tetos = h.divisao == 4 ? kDiv4 : h.divisao == 3 ? kDiv3 : nullptr;
    if (tetos) {
        for (int i = 0; i < 4; ++i)
            if (c[i] > tetos[i].acima) c[i] = tetos[i].base + jogo.Aleatorio(tetos[i].faixa);
    } else if (h.divisao == 2 && c[1] > 70000) {
        c[1] = 60000 + jogo.Aleatorio(10000);
    }
}

// Steps shared by every competition once the first figures are in: the
// floors for negative values, the human club's prices, the capacity, the
// minimums.
void Ajustar(Jogo& jogo, const TTime& h, Setores a, const Setores c, bool comPreco) {
    if (a[1] < 0) a[1] = 50 + jogo.Aleatorio(200);
    if (a[2] < 0) a[2] = 50 + jogo.Aleatorio(50);
    if (a[0] < 0) a[0] = 50 + jogo.Aleatorio(100);
    if (a[3] < 0) a[3] = 0;
    if (h.humano && comPreco && h.divisao >= 0 && h.divisao <= 4) {
        for (int i = 0; i < 4; ++i) {
            const std::int64_t d = std::int64_t{jogo.precospadrao[h.divisao][i]} - h.precos[i];
            if (d == 0) continue;
            a[i] += plataforma::ArredDiv(std::int64_t{a[i]} * 12 * d, 100);
            a[i] = std::clamp(a[i], 0, std::max(0, h.capacidade[i]));
        }
    }
    for (int i = 0; i < 4; ++i) a[i] = std::min(a[i], c[i]);
    if (a[0] < 50) a[0] = 50 + jogo.Aleatorio(100);
    if (a[1] < 100) a[1] = 50 + jogo.Aleatorio(200);
    if (a[2] < 10) a[2] = 50 + jogo.Aleatorio(50);
    if (a[3] < 0) a[3] = 0;
}

void Liga(Jogo& jogo, const TTime& h, const TTime& v, const ContextoPublico& ctx, Setores a,
          Setores c) {
    CapacidadeDaLiga(jogo, h, c);
    for (int i = 0; i < 4; ++i)
        a[i] = ctx.primeirarodada ? Fracao(10 * (50 + jogo.Aleatorio(30)), c[i])
                                  : Fracao(10 * jogo.Aleatorio(20) + 8 * h.conftorcida, c[i]);
    if (h.nivel < v.nivel) {
        plataforma::Somar(a[0], 15);
        plataforma::Somar(a[1], 15);
    }
    if (h.pais == 29 && v.pais == 29 && h.estado == v.estado) {
        plataforma::Somar(a[0], 25);
        plataforma::Somar(a[1], 35);
        plataforma::Somar(a[2], 10);
    }
    Ajustar(jogo, h, a, c, true);
}

void Copa(Jogo& jogo, const TTime& h, const TTime& v, const ContextoPublico& ctx, Setores a,
          const Setores c) {
    struct Linha {
        int baixo, alto, igual, faixa;
    };
    static constexpr Linha kFases[5] = {
        {40, 65, 55, 25}, {70, 90, 85, 10}, {80, 95, 90, 5}, {90, 100, 100, 1}, {95, 100, 100, 1}};
    const Linha& f = kFases[std::clamp(ctx.fase, 1, 5) - 1];
    const int dh = h.divisao, dv = v.divisao;
    auto em = [](int d, int lo, int hi) { return d >= lo && d <= hi; };
    int base = -1, faixa = 0;
    if (jogo.estado.divisoesporliga == 4) {
        if (em(dh, 3, 5) && em(dv, 1, 2))
            base = f.alto, faixa = f.faixa;
        else if (em(dh, 1, 2) && em(dv, 4, 5))
            base = f.baixo, faixa = 15;
        else if (em(dh, 1, 2) && em(dv, 1, 2))
            base = f.igual, faixa = f.faixa;
    } else {
        if ((dh == 2 || dh == 3 || dh == 5) && dv == 1)
            base = f.alto, faixa = f.faixa;
        else if (dh == 1 && (dv == 2 || dv == 3))
            base = f.baixo, faixa = 15;
        else if (dh == 1 && dv == 1)
            base = f.igual, faixa = f.faixa;
    }
    for (int i = 0; i < 4; ++i) a[i] = 0;
    if (base >= 0)
        for (int i = 0; i < 4; ++i) a[i] = Fracao(10 * (base + jogo.Aleatorio(faixa)), c[i]);
    if (a[0] == 0 && a[1] == 0)
        for (int i = 0; i < 4; ++i)
            a[i] = Fracao(10 * jogo.Aleatorio(30) + 5 * h.conftorcida, c[i]);
    Ajustar(jogo, h, a, c, true);
}

int ColunaDaFase(int fase) {
    return fase <= 3 ? 0 : std::min(fase, 7) - 3;
}
int LinhaDaTorcida(int conf) {
    return conf <= 50 ? 0 : conf <= 80 ? 1 : 2;
}

void Continental1(Jogo& jogo, const TTime& h, const ContextoPublico& ctx, Setores a,
                  const Setores c) {
    static constexpr int kFill[3][5] = {
        {30, 50, 60, 70, 80}, {40, 60, 70, 80, 85}, {45, 60, 70, 80, 85}};
    int s = kFill[LinhaDaTorcida(h.conftorcida)][ColunaDaFase(ctx.fase)];
    if (ctx.grupo == 1) s -= 5;
    for (int i = 0; i < 4; ++i) a[i] = Fracao(10 * (jogo.Aleatorio(15) + s), c[i]);
    Ajustar(jogo, h, a, c, true);
}

void Continental2(Jogo& jogo, const TTime& h, const TTime& v, const ContextoPublico& ctx, Setores a,
                  const Setores c) {
    struct Par {
        int r, s;
    };
    static constexpr Par kFill[3][5] = {
        {{15, 25}, {20, 30}, {30, 40}, {45, 50}, {60, 60}},
        {{20, 30}, {25, 30}, {35, 40}, {55, 55}, {65, 65}},
        {{25, 35}, {30, 40}, {40, 45}, {60, 60}, {65, 75}},
    };
    Par f = kFill[LinhaDaTorcida(h.conftorcida)][ColunaDaFase(ctx.fase)];
    if (ctx.grupo == 2) {
        f.r += 5;
        f.s += 10;
    }
    const int fill = h.pais == v.pais ? f.r : f.s;
    for (int i = 0; i < 4; ++i) a[i] = Fracao(10 * (jogo.Aleatorio(15) + fill), c[i]);
    Ajustar(jogo, h, a, c, h.divisao >= 1);
}

void Amistoso(Jogo& jogo, const TTime& h, const TTime& v, Setores a, const Setores c) {
    const bool mesmo = h.pais == v.pais;
    for (int i = 0; i < 4; ++i)
        a[i] = mesmo ? Fracao(10 * jogo.Aleatorio(20) + 2 * h.conftorcida, c[i])
                     : Fracao(10 * (30 + jogo.Aleatorio(20)), c[i]);
    if (v.nivel > 16) {
        int pct;
        if (h.nivel <= 10)
            pct = mesmo ? jogo.Aleatorio(20) + 20 : jogo.Aleatorio(40) + 30;
        else if (h.nivel <= 14)
            pct = mesmo ? jogo.Aleatorio(20) + 20 : jogo.Aleatorio(35) + 30;
        else
            pct = mesmo ? jogo.Aleatorio(10) + 20 : jogo.Aleatorio(40) + 20;
        for (int i = 0; i < 4; ++i) a[i] = Fracao(10 * pct, c[i]);
    }
    Ajustar(jogo, h, a, c, true);
}

} // namespace

void CalcularPublico(Jogo& jogo, TJogoDaRodada& p, const ContextoPublico& ctx) {
    for (i32& s : p.publicosetor) s = 0;
    p.publico = 0;
    p.renda = 0;
    if (ctx.codigo == kMundialDeClubes || ctx.codigo >= kCopaDoMundo || ctx.codigo < kAmistoso)
        return;
    const TTime& h = jogo.times[p.mandante];
    const TTime& v = jogo.times[p.visitante];
    Setores c;
    for (int i = 0; i < 4; ++i) c[i] = std::max(0, h.capacidade[i]);
    Setores& a = p.publicosetor;
    switch (ctx.codigo) {
    case kLiga:
    case kEstadual:
        Liga(jogo, h, v, ctx, a, c);
        break;
    case kCopaNacional:
        Copa(jogo, h, v, ctx, a, c);
        break;
    case kContinental1:
        Continental1(jogo, h, ctx, a, c);
        break;
    case kContinental2:
        Continental2(jogo, h, v, ctx, a, c);
        break;
    default:
        Amistoso(jogo, h, v, a, c);
        break;
    }
    std::int64_t publico = 0, renda = 0;
    for (int i = 0; i < 4; ++i) {
        publico += a[i];
        renda += std::int64_t{a[i]} * h.precos[i];
    }
    p.publico = static_cast<i32>(std::min<std::int64_t>(publico, INT32_MAX));
    p.renda = static_cast<i32>(std::clamp<std::int64_t>(renda, INT32_MIN, INT32_MAX));
}

} // namespace match
