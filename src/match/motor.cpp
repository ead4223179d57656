// Possession, attack, shot and goal, the scorer and the penalty, and the order
// of the minute.
#include "match/motor.hpp"

#include "match/estatisticas.hpp"
#include "match/motor_interno.hpp"
#include "plataforma/arredondar.hpp"
#include "world/competicoes.hpp"
#include "world/posicoes.hpp"

#include <algorithm>
#include <array>
#include <cstring>

namespace match {

using namespace world;
using namespace interno;

namespace {

InteracaoPadrao gPadrao;

constexpr std::size_t kEmailsPorRodada = 6 * 32;

// Whether characteristic `c` is one of those in `mascara` (bit c set).
constexpr bool Em(int c, unsigned mascara) {
    return c >= 0 && c < 32 && ((mascara >> c) & 1u) != 0;
}
constexpr unsigned Mascara(std::initializer_list<int> l) {
    unsigned m = 0;
    for (int c : l) m |= 1u << c;
    return m;
}
constexpr unsigned kArmadorCentral = Mascara({4, 9, 11});
constexpr unsigned kLateralCentral = Mascara({6, 11, 13});

} // namespace

int BonusDeNivel(const TTime& t, int tipo) {
    if (t.humano) return 0;
    const int b = t.nivel >= 21 ? 15 : t.nivel >= 19 ? 12 : 0;
    int v = b;
    if (tipo == kContinental1 || tipo == kContinental2) v += b;
    if (tipo == kLiga && t.nivel >= 18) v += 15;
    return v;
}

namespace {

void Passo(Receita& r, int p) {
    r.passo[r.n++] = static_cast<std::int8_t>(p);
}

i32 Aplicar(i32 x, const Receita& r) {
    for (int i = 0; i < r.n; ++i) {
        const int p = r.passo[i];
        const i32 d = ArredDivPor<100>(std::int64_t{x} * (p < 0 ? -p : p));
        x += p < 0 ? -d : d;
    }
    return x + r.soma;
}

// Midfield weight by the number of "Volante" midfielders.
void AjusteVolantes(Receita& r, int k) {
    static constexpr int kAjuste[4] = {-30, 10, 20, 30};
    if (k >= 0 && k <= 3) Passo(r, kAjuste[k]);
}

// The steps of side `lado`'s weight for the ball.
Receita ReceitaDaPosse(const Jogo& jogo, const Rodada& rodada, const TJogoDaRodada& p, int lado,
                       const Resumo& r) {
    const TTime& X = TimeDe(jogo, p, lado);
    const TTime& O = TimeDe(jogo, p, 1 - lado);
    const int n = EscalacaoDe(jogo, p, lado).meias;
    Receita c;
    static constexpr int kMarcacao[3] = {0, 10, 15};
    if (O.marcacao == 1 || O.marcacao == 2) Passo(c, -kMarcacao[O.marcacao]);
    if (X.estilo == 2) Passo(c, -70);
    if (n > 5) Passo(c, -10);
    if (n == 4) AjusteVolantes(c, r.volantes);
    if (n == 5) {
        Passo(c, X.estilo == 2 ? 10 : 30);
        AjusteVolantes(c, r.volantes);
    }
    if (n == 3) {
        Passo(c, -30);
        AjusteVolantes(c, r.volantes);
    }
    if (n == 2) Passo(c, -55);
    if (n == 1) Passo(c, -65);
    if (X.estilo == 1) Passo(c, -10);
    if (r.recuados >= 1 && r.recuados <= 3) Passo(c, 10 * r.recuados);
    c.soma = BonusDeNivel(X, rodada.tipo);
    return c;
}

// Side `lado`'s weight for the ball; side 0, at home, is given 10 more.
i32 PesoDaPosse(const Jogo& jogo, const TJogoDaRodada& p, int lado, const Resumo& r,
                const Receita& c) {
    const int n = EscalacaoDe(jogo, p, lado).meias;
    return Aplicar(n <= 0 ? 3 : plataforma::ArredDiv(r.forca[3] + (lado == 0 ? 10 : 0), n), c);
}

// The share R of side 0 in the draw for the ball.
int LimitePosse(i32 f, i32 h) {
    return f + h <= 0 ? 0 : (f * 100) / (f + h);
}

int Posse(Jogo& jogo, TJogoDaRodada& p, int R) {
    const int lado = jogo.Aleatorio(100) + 1 <= R ? 0 : 1;
    ++p.posse[lado];
    ++p.roubadas[lado];
    return lado;
}

} // namespace

int ChanceDeGol(int o, int g) {
    if (o == g) return 15;
    struct Faixa {
        int ate, chance;
    };
    static constexpr Faixa kAtaqueMelhor[] = {{9, 14},  {19, 15}, {29, 16},
                                              {39, 17}, {59, 18}, {100, 19}};
    static constexpr Faixa kGoleiroMelhor[] = {{9, 15},  {19, 14}, {29, 13}, {39, 12},
                                               {59, 11}, {79, 9},  {100, 7}};
    const int d = o > g ? o - g : g - o;
    if (o > g) {
        for (const Faixa& f : kAtaqueMelhor)
            if (d <= f.ate) return f.chance;
    } else {
        for (const Faixa& f : kGoleiroMelhor)
            if (d <= f.ate) return f.chance;
    }
    return 0;
}

namespace {

int AjusteDeChute(int meias, int k) {
    switch (meias) {
    case 4:
        return k == 0 ? -5 : k == 1 ? -3 : k == 3 ? 2 : k == 4 ? 3 : 0;
    case 5:
        return k == 0 ? -6 : k == 1 ? -4 : k == 3 ? 1 : (k == 4 || k == 5) ? 3 : 0;
    case 3:
        return k == 0 ? -5 : k == 2 ? 2 : 0;
    default:
        return 0;
    }
}

// What the attack of side `lado` is played against: its strength o, the share
// R of the draw that gets it through, and the shot threshold A after that.
struct LimitesAtaque {
    int o, R, A;
};

// The steps of side `lado`'s attack strength and of its defence.
Receita ReceitaDoAtaque(const TEscalacao& e) {
    const int nF = e.atacantes;
    Receita c;
    Passo(c, nF == 3 ? 20 : nF == 4 ? 22 : nF > 4 ? 20 : nF == 1 ? -30 : 0);
    return c;
}
Receita ReceitaDaDefesa(const TEscalacao& e) {
    const int nD = e.defensores;
    Receita c;
    Passo(c, nD == 5 ? 20 : nD == 6 ? 22 : nD > 6 ? 20 : 0);
    return c;
}

i32 Ataque(const TEscalacao& e, const Resumo& r, const Receita& c) {
    const int nF = e.atacantes;
    return Aplicar(nF <= 0 ? 3 : plataforma::ArredDiv(r.forca[4], nF), c);
}
i32 Defesa(const TEscalacao& e, const Resumo& r, const Receita& c) {
    const int nD = e.defensores;
    return Aplicar(nD <= 0 ? 3 : plataforma::ArredDiv(r.forca[1] + r.forca[2] + r.forca[0], nD + 1),
                   c);
}
int LimiteAtaque(i32 o, i32 u) {
    return o + u <= 0 ? 0 : (o * 100) / (o + u);
}

// The shot threshold of side `lado`'s attack once it got through.
int LimiteChute(const Jogo& jogo, const TJogoDaRodada& p, int lado, const Resumo& rb) {
    const TTime& B = TimeDe(jogo, p, lado);
    const TTime& C = TimeDe(jogo, p, 1 - lado);
    int A = 40;
    if (B.estilo == 1) A += 3;
    if (C.estilo == 1) A += 5;
    A += AjusteDeChute(EscalacaoDe(jogo, p, lado).meias, rb.ofensivos);
    if (C.estilo == 2) A -= 10;
    if (B.estilo == 2) A += 10;
    if (B.jogadas == 0 && rb.central) A += 3;
    return A;
}

LimitesAtaque LimitesDoAtaque(const Jogo& jogo, const TJogoDaRodada& p, int lado, const Resumo& rb,
                              const Resumo& rc) {
    const TEscalacao& eB = EscalacaoDe(jogo, p, lado);
    const TEscalacao& eC = EscalacaoDe(jogo, p, 1 - lado);
    const i32 o = Ataque(eB, rb, ReceitaDoAtaque(eB));
    const i32 u = Defesa(eC, rc, ReceitaDaDefesa(eC));
    return {o, LimiteAtaque(o, u), LimiteChute(jogo, p, lado, rb)};
}

// The attack of side `lado` from its draws on: through the defence, the shot,
// the goal. `g` is the goalkeeper strength it faces.
void JogarAtaque(Jogo& jogo, Rodada& rodada, int m, int lado, const LimitesAtaque& l, int g) {
    TJogoDaRodada& p = rodada.jogos[m];
    if (jogo.Aleatorio(100) + 1 > l.R) return;
    ++p.ataquesvencidos[lado];
    if (jogo.Aleatorio(100) + 1 > l.A) return;
    ++p.finalizacoes[lado];

    const int o = l.o;
    const TEscalacao& eC = EscalacaoDe(jogo, p, 1 - lado);
    const TTime& B = TimeDe(jogo, p, lado);
    int G = ChanceDeGol(o, g);
    if (o != g && eC.goleiro > 0) {
        const TJogador& gk = jogo.jogadores[eC.goleiro];
        if (gk.posicaoatual != gk.posicao) G += o > g ? 15 : 10;
    }
    const int gols = p.gols[lado];
    if (gols == 5)
        G -= 7;
    else if (gols == 6)
        G -= 10;
    else if (gols == 7)
        G -= 12;
    else if (gols >= 8 && gols <= 100)
        G = 0;
    if (lado == 1) G -= rodada.tipo == kCopaNacional ? 7 : 3;
    if (!B.humano) G += B.nivel >= 21 ? 5 : B.nivel >= 19 ? 3 : 0;

    if (jogo.Aleatorio(100) + 1 < G) {
        ++p.gols[lado];
        RegistrarGol(jogo, rodada, m, lado);
    }
    // A side is never kept goalless past its ninth shot, nor on one goal past
    // its eighteenth.
    if (p.finalizacoes[lado] == 9 && p.gols[lado] == 0) {
        ++p.gols[lado];
        RegistrarGol(jogo, rodada, m, lado);
    }
    if (p.finalizacoes[lado] == 18 && p.gols[lado] == 1) {
        ++p.gols[lado];
        RegistrarGol(jogo, rodada, m, lado);
    }
}

constexpr int kMaxPassadas = 1000;

// The scorer passes: over the positions in `ordem` that the lineup has, over
// slots 1..10, a natural player of that position on the pitch is taken with
// the chance `chance` gives. The passes are bounded: with nobody who can
// qualify, or after kMaxPassadas, the first player on the pitch is taken.
template <typename Chance>
int SortearJogador(Jogo& jogo, const TEscalacao& e, const int (&ordem)[4], Chance chance) {
    bool alguem = false;
    for (int i : ordem) {
        if (e.titularesporposicao[i - 1] <= 0) continue;
        for (int v = 0; v < 10 && !alguem; ++v) {
            const int idx = e.jogadoreslinha[v];
            alguem = EmCampo(jogo, idx) && jogo.jogadores[idx].posicao == i;
        }
    }
    if (alguem) {
        for (int passada = 0; passada < kMaxPassadas; ++passada)
            for (int i : ordem) {
                if (e.titularesporposicao[i - 1] <= 0) continue;
                for (int v = 0; v < 10; ++v) {
                    const int idx = e.jogadoreslinha[v];
                    if (!EmCampo(jogo, idx)) continue;
                    const TJogador& j = jogo.jogadores[idx];
                    if (j.posicao == i && jogo.Aleatorio(chance(i, j)) == 1) return idx;
                }
            }
    }
    for (int v = 0; v <= kVagaGoleiro; ++v)
        if (EmCampo(jogo, Vaga(e, v))) return Vaga(e, v);
    return 0;
}

// Energy lost by age (1..100), looked up once per player and minute: at the
// four fixed minutes 10, 20, 40 and 45, or at all seven when `todos`; and the
// extra loss of minute 40 (full-backs attacking down the flanks, centre-backs
// marking hard, the goalkeeper).
struct PerdaDaIdade {
    std::int8_t perda = 0;
    bool todos = false;
    std::int8_t extra = 0;
};

constexpr std::array<PerdaDaIdade, 101> TabelaDePerdas() {
    struct Faixa {
        int ate;
        bool todos;
        int perda;
    };
    constexpr Faixa kFaixas[] = {
        {17, false, 1}, {25, true, 1},  {32, false, 2}, {36, true, 2},
        {42, false, 4}, {48, true, 3},  {55, false, 5}, {60, false, 6},
        {70, false, 7}, {80, false, 8}, {90, false, 9}, {100, false, 10},
    };
    std::array<PerdaDaIdade, 101> t{};
    int f = 0;
    for (int idade = 1; idade <= 100; ++idade) {
        while (idade > kFaixas[f].ate) ++f;
        t[idade].perda = static_cast<std::int8_t>(kFaixas[f].perda);
        t[idade].todos = kFaixas[f].todos;
        t[idade].extra = static_cast<std::int8_t>(idade <= 20   ? 1
                                                  : idade <= 30 ? 2
                                                  : idade <= 50 ? 3
                                                                : 6);
    }
    return t;
}
constexpr std::array<PerdaDaIdade, 101> kPerdas = TabelaDePerdas();

// Outside 1..100 an age loses nothing.
inline const PerdaDaIdade& PerdaPorIdade(int idade) {
    return kPerdas[idade >= 1 && idade <= 100 ? idade : 0];
}

} // namespace

namespace interno {

TitularQueConta TitularDe(const TJogador& j, int jogador) {
    TitularQueConta t;
    const int pa = j.posicaoatual;
    const int linha = (pa == kLateral && j.funcao == 2) ? kMeia : pa;
    const PerdaDaIdade& perda = PerdaPorIdade(j.idade);
    t.jogador = jogador;
    t.energia = j.energia;
    t.forca = j.forca;
    t.linha = static_cast<std::int8_t>(linha >= 0 && linha <= 4 ? linha : -1);
    t.fator = static_cast<std::int8_t>(pa == j.posicao ? 100 : FatorImprovisado(j));
    t.posicaoatual = static_cast<std::int8_t>(pa >= -1 && pa <= 4 ? pa : -1);
    t.goleironato = j.posicao == kGoleiro;
    t.perda = perda.perda;
    t.todos = perda.todos;
    t.extra = perda.extra;
    t.recupera = static_cast<std::int8_t>(j.caract1 == 12 ? 2 : j.caract2 == 12 ? 1 : 0);
    const bool ala = j.funcao == 1 || j.funcao == 2;
    t.volante = pa == kMeia && j.funcao == 0;
    t.ofensivo = pa == kMeia && ala;
    t.recuado = pa == kAtacante && j.funcao == 0;
    // Suited to attacking through the middle.
    int c = 0, s = 0;
    if (pa == kMeia && ala) {
        c = 1;
        s = (Em(j.caract1, kArmadorCentral) ? 2 : 0) + (Em(j.caract2, kArmadorCentral) ? 1 : 0);
    } else if (pa == kAtacante) {
        c = 2;
        s = (ala ? 2 : 0) + (j.caract1 == 5 ? 2 : 0) + (j.caract2 == 5 ? 1 : 0);
    } else if (pa == kLateral && ala) {
        c = 1;
        s = (Em(j.caract1, kLateralCentral) ? 2 : 0) + (Em(j.caract2, kLateralCentral) ? 1 : 0);
    }
    t.central = static_cast<std::int8_t>(c);
    t.pontos = static_cast<std::int8_t>(s);
    return t;
}

Resumo Resumir(const Jogo& jogo, const Rodada& rodada, const TEscalacao& e) {
    Resumo r;
    Resumir(jogo, rodada, e, r);
    return r;
}

void Resumir(const Jogo& jogo, const Rodada& rodada, const TEscalacao& e, Resumo& r) {
    r = Resumo{};
    for (int v = 0; v <= kVagaGoleiro; ++v) {
        const int idx = Vaga(e, v);
        if (idx > 0 && Elegivel(jogo.jogadores[idx], rodada.tipo, rodada.hoje))
            r.titular[v] = TitularDe(jogo.jogadores[idx], idx);
    }
    Contar(r);
}

void Contar(Resumo& r) {
    int volantes = 0, ofensivos = 0, recuados = 0, c = 0, s = 0;
    for (int v = 0; v <= kVagaGoleiro; ++v) {
        const TitularQueConta& t = r.titular[v];
        volantes += t.volante;
        ofensivos += t.ofensivo;
        recuados += t.recuado;
        if (v == kVagaGoleiro) continue;
        c += t.central;
        s += t.pontos;
    }
    r.volantes = volantes;
    r.ofensivos = ofensivos;
    r.recuados = recuados;
    r.central = s > c + 1;
    SomarForcas(r);
}

void AtualizarVaga(const Jogo& jogo, const Rodada& rodada, TJogoDaRodada& p, int lado, int vaga) {
    if (!p.guardar || !p.resumovalido[lado]) {
        EsquecerResumo(p, lado);
        return;
    }
    const int idx = Vaga(EscalacaoDe(jogo, p, lado), vaga);
    const bool conta = idx > 0 && Elegivel(jogo.jogadores[idx], rodada.tipo, rodada.hoje);
    Resumo& r = p.resumo[lado];
    r.titular[vaga] = conta ? TitularDe(jogo.jogadores[idx], idx) : TitularQueConta{};
    Contar(r);
    p.limitesvalidos = false;
    p.receitasvalidas = false;
}

void TirarDoResumo(TJogoDaRodada& p, int lado, int jogador) {
    if (!p.guardar || !p.resumovalido[lado]) {
        EsquecerResumo(p, lado);
        return;
    }
    Resumo& r = p.resumo[lado];
    for (TitularQueConta& t : r.titular)
        if (t.jogador == jogador) t = TitularQueConta{};
    Contar(r);
    p.limitesvalidos = false;
    p.receitasvalidas = false;
}

void SomarForcas(Resumo& r) {
    int forca[5] = {}, soma = 0, n = 0;
    for (const TitularQueConta& t : r.titular) {
        if (t.jogador <= 0) continue;
        const int energia = t.energia;
        soma += energia;
        ++n;
        if (t.linha >= 0) forca[t.linha] += ForcaComFator(energia, t.forca, t.fator);
    }
    std::copy(std::begin(forca), std::end(forca), r.forca);
    r.mediaenergia = n > 0 ? plataforma::ArredDiv(soma, n) : 0;
}

void Entrar(Jogo& jogo, Rodada& rodada, int m, int lado, int vaga, int jogador) {
    TJogoDaRodada& p = rodada.jogos[m];
    p.contagem[lado][vaga] =
        ColocarNaVaga(jogo, EscalacaoDe(jogo, p, lado), vaga, jogador, rodada.tipo, rodada.hoje);
}

void SairDasContagens(Jogo& jogo, Rodada& rodada, int m, int lado, int vaga) {
    TJogoDaRodada& p = rodada.jogos[m];
    AplicarContagem(EscalacaoDe(jogo, p, lado), p.contagem[lado][vaga], -1);
    p.contagem[lado][vaga] = {};
}

void TocarGol(const Jogo& jogo, Rodada& rodada, const TJogoDaRodada& p, int lado) {
    if (p.mostrado && jogo.times[p.Clube(lado)].humano) rodada.interacao->TocarSom(Som::Gol);
}

} // namespace interno

Rodada::Rodada() : interacao(&gPadrao) {
    eventos.reserve(4096);
}

void Rodada::Limpar() {
    for (auto& j : jogos) j = TJogoDaRodada{};
    numjogos = 0;
    eventos.clear();
}

int InteracaoPadrao::EscolherBatedor(const Jogo&, const Rodada&, int, int,
                                     std::span<const int> emcampo) {
    return emcampo.empty() ? 0 : emcampo.front();
}

int InteracaoPadrao::SubstituirContusao(const Jogo& jogo, const Rodada&, int, int, int contundido,
                                        std::span<const int> banco) {
    const int pos = jogo.jogadores[contundido].posicaoatual;
    for (int b : banco)
        if (jogo.jogadores[b].posicaoatual == pos) return b;
    return banco.empty() ? 0 : banco.front();
}

namespace {

bool JogadorRepetido(const Jogo& jogo, const TJogoDaRodada& p) {
    int ids[2 * (11 + 7)];
    int n = 0;
    for (int lado = 0; lado < 2; ++lado) {
        const TEscalacao& e = EscalacaoDe(jogo, p, lado);
        for (int v = 0; v <= kVagaGoleiro; ++v)
            if (Vaga(e, v) > 0) ids[n++] = Vaga(e, v);
        for (int r : e.reservas)
            if (r > 0) ids[n++] = r;
    }
    std::sort(ids, ids + n);
    return std::adjacent_find(ids, ids + n) != ids + n;
}

} // namespace

void IniciarPartida(Jogo& jogo, Rodada& rodada, int m, int mandante, int visitante, bool mostrado) {
    if (rodada.tipo < 0 || rodada.tipo >= kTiposCompeticao) rodada.tipo = 0;
    // A club that reaches its match without a lineup plays it with nobody
    // rather than losing the fixture.
    for (int c : {mandante, visitante}) {
        const int e = jogo.times[c].escalacao;
        if (e >= 0 && e < static_cast<int>(jogo.escalacoes.size())) continue;
        TEscalacao vazia;
        std::memset(&vazia, 0, sizeof vazia);
        jogo.escalacoes.push_back(vazia);
        jogo.times[c].escalacao = static_cast<i32>(jogo.escalacoes.size()) - 1;
    }
    TJogoDaRodada& p = rodada.jogos[m];
    p = TJogoDaRodada{};
    p.mandante = mandante;
    p.visitante = visitante;
    p.escalacao1 = jogo.times[mandante].escalacao;
    p.escalacao2 = jogo.times[visitante].escalacao;
    p.estadio = jogo.times[mandante].estadio;
    p.mostrado = mostrado;
    for (int lado = 0; lado < 2; ++lado) {
        const TEscalacao& e = EscalacaoDe(jogo, p, lado);
        for (int v = 0; v <= kVagaGoleiro; ++v) {
            const int idx = Vaga(e, v);
            p.onzeinicial[lado][v] = idx;
            if (idx <= 0) continue;
            p.contagem[lado][v] = ContagemDe(jogo.jogadores[idx]);
            GarantirHistorico(jogo, idx);
        }
        for (int r : e.reservas)
            if (r > 0) GarantirHistorico(jogo, r);
    }
    // The mail of the human clubs' players (suspensions, injuries) is posted
    // during the minutes: room for it is made now, so the minutes never touch
    // the heap. Six humans at most play on a date, each with far fewer
    // messages than this in one match.
    if (jogo.times[mandante].humano || jogo.times[visitante].humano)
        jogo.emails.reserve(jogo.emails.size() + kEmailsPorRodada);
    // A club or a lineup in two matches of the date (only odd data does it)
    // changes under the other match's feet: neither keeps anything then.
    p.guardar = p.escalacao1 != p.escalacao2;
    for (int k = 1; k <= rodada.numjogos; ++k) {
        TJogoDaRodada& q = rodada.jogos[k];
        if (k == m || q.mandante < 0) continue;
        const bool comum = q.mandante == mandante || q.mandante == visitante ||
                           q.visitante == mandante || q.visitante == visitante ||
                           q.escalacao1 == p.escalacao1 || q.escalacao1 == p.escalacao2 ||
                           q.escalacao2 == p.escalacao1 || q.escalacao2 == p.escalacao2;
        if (comum) p.guardar = q.guardar = false;
    }
    // Nor does a match where one player stands twice in the lineups: the
    // energy the summary keeps for him would be counted apart for each.
    if (p.guardar && JogadorRepetido(jogo, p)) p.guardar = false;
    if (m > rodada.numjogos) rodada.numjogos = m;
}

int ForcaSetor(const Jogo& jogo, const Rodada& rodada, int clube, int setor) {
    if (setor < 0 || setor > 4) return 0;
    return Resumir(jogo, rodada, jogo.escalacoes[jogo.times[clube].escalacao]).forca[setor];
}

int MediaEnergia(const Jogo& jogo, const Rodada& rodada, int clube) {
    return Resumir(jogo, rodada, jogo.escalacoes[jogo.times[clube].escalacao]).mediaenergia;
}

int SortearPosse(Jogo& jogo, Rodada& rodada, int m) {
    TJogoDaRodada& p = rodada.jogos[m];
    i32 peso[2];
    for (int s = 0; s < 2; ++s) {
        const Resumo r = Resumir(jogo, rodada, EscalacaoDe(jogo, p, s));
        peso[s] = PesoDaPosse(jogo, p, s, r, ReceitaDaPosse(jogo, rodada, p, s, r));
    }
    return Posse(jogo, p, LimitePosse(peso[0], peso[1]));
}

void JogadaAtaque(Jogo& jogo, Rodada& rodada, int m, int lado) {
    TJogoDaRodada& p = rodada.jogos[m];
    const Resumo rb = Resumir(jogo, rodada, EscalacaoDe(jogo, p, lado));
    const Resumo rc = Resumir(jogo, rodada, EscalacaoDe(jogo, p, 1 - lado));
    JogarAtaque(jogo, rodada, m, lado, LimitesDoAtaque(jogo, p, lado, rb, rc), rc.forca[0]);
}

void RegistrarEvento(Rodada& rodada, int clube, int jogador, int outro, int tipo, int m) {
    rodada.eventos.push_back(TEvento{tipo, clube, jogador, outro, rodada.MinutoDoJogo(), m});
}

void RegistrarGol(Jogo& jogo, Rodada& rodada, int m, int lado) {
    TJogoDaRodada& p = rodada.jogos[m];
    const TEscalacao& eB = EscalacaoDe(jogo, p, lado);
    const TEscalacao& eC = EscalacaoDe(jogo, p, 1 - lado);
    const TTime& B = TimeDe(jogo, p, lado);

    int autor;
    bool contra = jogo.Aleatorio(1000) < 31;
    if (contra) {
        static constexpr int kOrdem[4] = {1, 2, 3, 4};
        autor = SortearJogador(jogo, eC, kOrdem, [](int i, const TJogador&) {
            return i == 2 ? 2 : i == 4 ? 4 : 6;
        });
    } else {
        static constexpr int kOrdem[4] = {4, 3, 2, 1};
        autor = SortearJogador(jogo, eB, kOrdem, [](int, const TJogador& j) {
            int k = 4;
            if (j.estrela || j.caract1 == 9) k = 3;
            if (j.energia < 15) k = 10;
            return k;
        });
    }
    const int goleiro = eB.goleiro;
    if (jogo.Aleatorio(1200) == 1) {
        if (EmCampo(jogo, goleiro)) autor = goleiro, contra = false;
    } else if (!B.humano && EmCampo(jogo, goleiro) &&
               jogo.jogadores[goleiro].nome.view() == kGoleiroArtilheiro &&
               jogo.Aleatorio(20) == 1) {
        autor = goleiro, contra = false;
    }

    const int numero = p.gols[0] + p.gols[1];
    if (numero >= 1 && numero <= kMaxGolsLista)
        p.listagols[numero - 1] = TGolLista{p.Clube(lado), autor, rodada.MinutoDoJogo()};
    TocarGol(jogo, rodada, p, lado);
    if (autor <= 0) return; // nobody on the pitch: the goal stands without a name
    RegistrarEvento(rodada, p.Clube(lado), autor, -1, contra ? kGolContra : kGolEvento, m);
    if (!contra) RegistrarEstatistica(jogo, autor, Estatistica::Gol, rodada.tipo, rodada.hoje);
}

void SortearPenalti(Jogo& jogo, Rodada& rodada, int m) {
    TJogoDaRodada& p = rodada.jogos[m];
    int lado;
    if (jogo.Aleatorio(500) == 1) {
        if (p.penaltiusado[0]) return;
        lado = 0;
    } else if (jogo.Aleatorio(500) == 1) {
        if (p.penaltiusado[1]) return;
        lado = 1;
    } else {
        return;
    }
    rodada.interacao->TocarSom(Som::Penalti);
    const TTime& X = TimeDe(jogo, p, lado);
    const TTime& O = TimeDe(jogo, p, 1 - lado);
    const TEscalacao& eX = EscalacaoDe(jogo, p, lado);
    const TEscalacao& eO = EscalacaoDe(jogo, p, 1 - lado);

    // Players on the pitch, slots 10 down to 1, then the goalkeeper.
    int emcampo[11];
    int n = 0;
    for (int v = 9; v >= 0; --v)
        if (EmCampo(jogo, eX.jogadoreslinha[v])) emcampo[n++] = eX.jogadoreslinha[v];
    const int nlinha = n;
    if (EmCampo(jogo, eX.goleiro)) emcampo[n++] = eX.goleiro;

    int batedor = 0;
    if (n > 0 && X.humano) {
        batedor = rodada.interacao->EscolherBatedor(jogo, rodada, m, lado,
                                                    std::span<const int>(emcampo, n));
        if (std::find(emcampo, emcampo + n, batedor) == emcampo + n) batedor = emcampo[0];
    } else if (nlinha > 0 && O.humano) {
        batedor = emcampo[0]; // the computer's taker: the last outfield slot on the pitch
    }
    if (batedor > 0) {
        int goleiro = eO.goleiro;
        for (int v = 0; goleiro <= 0 && v < 10; ++v) {
            const int idx = eO.jogadoreslinha[v];
            if (idx > 0 && jogo.jogadores[idx].posicaoatual == kGoleiro) goleiro = idx;
        }
        const TJogador& b = jogo.jogadores[batedor];
        int valor = b.caract1 == 9 ? 80 : 70;
        if (b.caract2 == 9) valor += 5;
        if (b.estrela) valor += 5;
        if (goleiro > 0) {
            const TJogador& g = jogo.jogadores[goleiro];
            if (g.caract1 == 1) valor -= 15;
            if (g.caract2 == 1) valor -= 10;
            if (g.estrela) valor -= 5;
        }
        const bool gol = jogo.Aleatorio(100) + 1 <= valor;
        const int texto = (gol ? 475 : 478) + jogo.Aleatorio(3);
        if (gol) {
            ++p.gols[lado];
            RegistrarEvento(rodada, p.Clube(lado), batedor, -1, kGolPenalti, m);
            RegistrarEstatistica(jogo, batedor, Estatistica::Gol, rodada.tipo, rodada.hoje);
        }
        rodada.interacao->Penalti(m, lado, batedor, gol, texto);
    }
    p.penaltiusado[lado] = 1;
}

void EsquecerResumos(Rodada& rodada, int m) {
    for (int k = 1; k <= kMaxJogos; ++k)
        if (m == 0 || m == k) {
            EsquecerResumo(rodada.jogos[k], 0);
            EsquecerResumo(rodada.jogos[k], 1);
        }
}

namespace {

bool MesmasTaticas(const i32 (&t)[3], const TTime& c) {
    return t[0] == c.estilo && t[1] == c.marcacao && t[2] == c.jogadas;
}

// The summaries and thresholds of the minute: those kept from an earlier
// minute while nothing they come from has changed, else worked out again.
// After an energy minute only the strengths moved: they go through the
// steps kept from before.
const LimitesMinuto& LimitesDoMinuto(const Jogo& jogo, const Rodada& rodada, TJogoDaRodada& p) {
    const TTime* t[2] = {&TimeDe(jogo, p, 0), &TimeDe(jogo, p, 1)};
    LimitesMinuto& l = p.limites;
    const bool taticas = MesmasTaticas(l.taticas[0], *t[0]) && MesmasTaticas(l.taticas[1], *t[1]);
    if (p.guardar && p.limitesvalidos && taticas) return l;
    for (int s = 0; s < 2; ++s)
        if (!p.guardar || !p.resumovalido[s]) {
            Resumir(jogo, rodada, EscalacaoDe(jogo, p, s), p.resumo[s]);
            p.resumovalido[s] = true;
        }
    const Resumo* r = p.resumo;
    if (!p.guardar || !p.receitasvalidas || !taticas) {
        for (int s = 0; s < 2; ++s) {
            const TEscalacao& e = EscalacaoDe(jogo, p, s);
            l.receitaposse[s] = ReceitaDaPosse(jogo, rodada, p, s, r[s]);
            l.receitaataque[s] = ReceitaDoAtaque(e);
            l.receitadefesa[s] = ReceitaDaDefesa(e);
            l.chute[s] = LimiteChute(jogo, p, s, r[s]);
            l.falta[s] = LimiteDeFalta(*t[s]);
            l.taticas[s][0] = t[s]->estilo;
            l.taticas[s][1] = t[s]->marcacao;
            l.taticas[s][2] = t[s]->jogadas;
        }
        p.receitasvalidas = true;
    }
    l.posse = LimitePosse(PesoDaPosse(jogo, p, 0, r[0], l.receitaposse[0]),
                          PesoDaPosse(jogo, p, 1, r[1], l.receitaposse[1]));
    for (int s = 0; s < 2; ++s) {
        const TEscalacao& eB = EscalacaoDe(jogo, p, s);
        const TEscalacao& eC = EscalacaoDe(jogo, p, 1 - s);
        l.o[s] = Ataque(eB, r[s], l.receitaataque[s]);
        l.ataque[s] = LimiteAtaque(l.o[s], Defesa(eC, r[1 - s], l.receitadefesa[1 - s]));
        l.contusao[s] = ChanceDeContusao(r[s].mediaenergia);
    }
    p.limitesvalidos = true;
    return l;
}

} // namespace

void JogarMinuto(Jogo& jogo, Rodada& rodada, int m) {
    TJogoDaRodada& p = rodada.jogos[m];
    if (p.mandante < 0 || p.visitante < 0) return;
    // Worked out at the start of the minute: what happens during it counts
    // from the next one (nothing works them out again before then).
    const LimitesMinuto& l = LimitesDoMinuto(jogo, rodada, p);
    const int goleiro[2] = {p.resumo[0].forca[0], p.resumo[1].forca[0]};
    const int lado = Posse(jogo, p, l.posse);
    JogarAtaque(jogo, rodada, m, lado, {l.o[lado], l.ataque[lado], l.chute[lado]},
                goleiro[1 - lado]);
    if (p.mostrado && (!p.penaltiusado[0] || !p.penaltiusado[1])) SortearPenalti(jogo, rodada, m);
    const int vermelho = ChanceDeVermelho(rodada);
    for (int s = 0; s < 2; ++s)
        if (TimeDe(jogo, p, s).disponiveis > 10)
            FaltasECartoesCom(jogo, rodada, m, s, l.falta[s], vermelho);
    for (int s = 0; s < 2; ++s)
        if (TimeDe(jogo, p, s).disponiveis > 10)
            ContusaoComChance(jogo, rodada, m, s, l.contusao[s]);
    switch (rodada.minuto) {
    case 10:
    case 15:
    case 20:
    case 25:
    case 35:
    case 40:
    case 45:
        DesgasteEnergia(jogo, rodada, m, 0);
        DesgasteEnergia(jogo, rodada, m, 1);
        break;
    default:
        break;
    }
    if (rodada.tempo == 2 && rodada.minuto > 10)
        for (int s = 0; s < 2; ++s)
            if (!TimeDe(jogo, p, s).humano && p.substituicoes[s] > 0)
                SubstituicaoAutomatica(jogo, rodada, m, s, p.gols[s] - p.gols[1 - s]);
}

void JogarMinutoDeTodos(Jogo& jogo, Rodada& rodada) {
    for (int m = 1; m <= rodada.numjogos; ++m) JogarMinuto(jogo, rodada, m);
}

void JogarRodadaRapida(Jogo& jogo, Rodada& rodada) {
    for (int tempo = 1; tempo <= 2; ++tempo) {
        rodada.tempo = tempo;
        for (int minuto = 1; minuto <= 45; ++minuto) {
            rodada.minuto = minuto;
            JogarMinutoDeTodos(jogo, rodada);
        }
    }
}

} // namespace match
