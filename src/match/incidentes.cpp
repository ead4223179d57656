// Fouls, free kicks and cards, injuries, the loss of energy and the computer's
// substitutions.
#include "match/estatisticas.hpp"
#include "match/motor.hpp"
#include "match/motor_interno.hpp"
#include "plataforma/arredondar.hpp"
#include "world/competicoes.hpp"
#include "world/posicoes.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace match {

using namespace world;
using namespace interno;

namespace {

constexpr int kMaxPassadas = 1000;

void Estatistica_(Jogo& jogo, Rodada& rodada, int jogador, Estatistica e) {
    RegistrarEstatistica(jogo, jogador, e, rodada.tipo, rodada.hoje);
}

// A foul of side `lado` may end in a goal from its free-kick taker.
void CobrancaDeFalta(Jogo& jogo, Rodada& rodada, int m, int lado) {
    TJogoDaRodada& p = rodada.jogos[m];
    const int clube = p.Clube(lado);
    TTime& X = jogo.times[clube];
    const TEscalacao& e = EscalacaoDe(jogo, p, lado);
    int batedor = X.cobrador;
    const bool valido = batedor > 0 && batedor < static_cast<int>(jogo.jogadores.size()) &&
                        jogo.jogadores[batedor].time == clube && EmCampo(jogo, batedor);
    if (!valido) {
        batedor = 0;
        for (int v = 9; v >= 0 && batedor == 0; --v)
            if (EmCampo(jogo, e.jogadoreslinha[v])) batedor = e.jogadoreslinha[v];
        if (batedor == 0) return;
        if (X.humano) X.cobrador = batedor;
    }
    if (jogo.Aleatorio(200) + 1 > 2) return;
    if (jogo.jogadores[batedor].forca <= ForcaSetor(jogo, rodada, clube, 0)) return;
    ++p.finalizacoes[lado];
    ++p.gols[lado];
    RegistrarEvento(rodada, clube, batedor, -1, kGolFalta, m);
    Estatistica_(jogo, rodada, batedor, Estatistica::Gol);
    TocarGol(jogo, rodada, p, lado);
}

bool AlguemNaPosicao(const Jogo& jogo, const TEscalacao& e, int pos) {
    for (int v = 0; v <= kVagaGoleiro; ++v) {
        const int idx = Vaga(e, v);
        if (EmCampo(jogo, idx) && jogo.jogadores[idx].posicaoatual == pos) return true;
    }
    return false;
}

// The player booked: by a drawn position, then passes over the slots. The
// passes end for certain: a position is only drawn with someone in it, and
// after kMaxPassadas the first player there is taken.
int QuemLevaCartao(Jogo& jogo, const TEscalacao& e) {
    const int y = jogo.Aleatorio(100);
    int pos = y <= 1    ? kGoleiro
              : y <= 16 ? kLateral
              : y <= 46 ? kZagueiro
              : y <= 84 ? kMeia
                        : kAtacante;
    if (!AlguemNaPosicao(jogo, e, pos)) {
        pos = -1;
        for (int alt : {kZagueiro, kMeia, kLateral, kAtacante})
            if (AlguemNaPosicao(jogo, e, alt)) {
                pos = alt;
                break;
            }
        if (pos < 0) return 0;
    }
    const bool certo = pos == kGoleiro || e.titularesporposicao[pos - 1] == 1;
    int primeiro = 0;
    for (int passada = 0; passada < kMaxPassadas; ++passada)
        for (int v = 0; v <= kVagaGoleiro; ++v) {
            const int idx = Vaga(e, v);
            if (!EmCampo(jogo, idx)) continue;
            const TJogador& j = jogo.jogadores[idx];
            if (j.posicaoatual != pos) continue;
            if (primeiro == 0) primeiro = idx;
            if (certo) return idx;
            const bool marcador = (pos == kZagueiro || pos == kMeia) && j.funcao == 0;
            if (jogo.Aleatorio(marcador ? 3 : 5) == 1) return idx;
        }
    return primeiro;
}

// The computer's replacement for an injured player, from the bench; he is set
// to play the injured player's position where needed.
int ReservaParaContundido(Jogo& jogo, const TEscalacao& e, int pos) {
    auto livre = [&](int r) { return r > 0 && !jogo.jogadores[r].jogou; };
    auto primeiro = [&](auto&& condicao) {
        for (int r : e.reservas)
            if (livre(r) && condicao(jogo.jogadores[r])) return r;
        return 0;
    };
    int r = primeiro([&](const TJogador& j) { return j.posicaoatual == pos; });
    if (r == 0 && pos != kGoleiro)
        r = primeiro([](const TJogador& j) { return j.posicao != kGoleiro; });
    if (r == 0) r = primeiro([](const TJogador&) { return true; });
    if (r > 0) jogo.jogadores[r].posicaoatual = pos;
    return r;
}

} // namespace

void FaltasECartoes(Jogo& jogo, Rodada& rodada, int m, int lado) {
    FaltasECartoesCom(jogo, rodada, m, lado, LimiteDeFalta(TimeDe(jogo, rodada.jogos[m], lado)),
                      ChanceDeVermelho(rodada));
}

bool interno::Falta(Jogo& jogo, Rodada& rodada, int m, int lado) {
    TJogoDaRodada& p = rodada.jogos[m];
    ++p.faltas[lado];
    if (p.gols[lado] < 6) CobrancaDeFalta(jogo, rodada, m, lado);
    const int f = p.faltas[lado];
    return f == 10 || f == 20 || f == 30 || f == 40;
}

bool interno::Cartao(Jogo& jogo, Rodada& rodada, int m, int lado) {
    TJogoDaRodada& p = rodada.jogos[m];
    TTime& X = TimeDe(jogo, p, lado);
    if (X.disponiveis <= 10) return true;
    const int idx = QuemLevaCartao(jogo, EscalacaoDe(jogo, p, lado));
    if (idx == 0) return true;
    TJogador& j = jogo.jogadores[idx];
    if (j.amarelosjogo > 1 && j.posicaoatual == kGoleiro) return false;
    if (j.posicaoatual == kZagueiro && j.caract1 == 8 && jogo.Aleatorio(3) != 0) return false;
    Estatistica_(jogo, rodada, idx, Estatistica::Amarelo);
    ++j.amarelosjogo;
    --X.disponiveis;
    if (j.amarelosjogo > 1) {
        j.jogou = 0;
        TirarDoResumo(p, lado, idx);
        Estatistica_(jogo, rodada, idx, Estatistica::Vermelho);
        RegistrarEvento(rodada, p.Clube(lado), idx, rodada.minuto, kSegundoAmarelo, m);
    } else {
        RegistrarEvento(rodada, p.Clube(lado), idx, 0, kAmarelo, m);
    }
    return true;
}

void interno::VermelhoDireto(Jogo& jogo, Rodada& rodada, int m, int lado) {
    TJogoDaRodada& p = rodada.jogos[m];
    TTime& X = TimeDe(jogo, p, lado);
    if (X.disponiveis <= 10) return;
    const int idx = EscalacaoDe(jogo, p, lado).jogadoreslinha[jogo.Aleatorio(10)];
    if (!EmCampo(jogo, idx) || jogo.jogadores[idx].amarelosjogo != 0) return;
    --X.disponiveis;
    jogo.jogadores[idx].jogou = 0;
    TirarDoResumo(p, lado, idx);
    if (rodada.tipo != kAmistoso) Estatistica_(jogo, rodada, idx, Estatistica::Vermelho);
    RegistrarEvento(rodada, p.Clube(lado), idx, 0, kVermelhoDireto, m);
}

void Contusao(Jogo& jogo, Rodada& rodada, int m, int lado, int mediaenergia) {
    ContusaoComChance(jogo, rodada, m, lado, ChanceDeContusao(mediaenergia));
}

void interno::Contundir(Jogo& jogo, Rodada& rodada, int m, int lado) {
    TJogoDaRodada& p = rodada.jogos[m];
    TTime& X = TimeDe(jogo, p, lado);
    if (X.disponiveis <= 10 || p.substituicoes[lado] <= 0) return;
    int vaga = jogo.Aleatorio(10);
    if (p.mostrado && jogo.Aleatorio(200) == 0) vaga = kVagaGoleiro;
    TEscalacao& e = EscalacaoDe(jogo, p, lado);
    const int idx = Vaga(e, vaga);
    if (!EmCampo(jogo, idx)) return;

    Estatistica_(jogo, rodada, idx, Estatistica::Contusao);
    jogo.jogadores[idx].jogou = 0;
    TirarDoResumo(p, lado, idx);
    // He leaves the counts here, once; the replacement's substitution below
    // finds him already out of them.
    SairDasContagens(jogo, rodada, m, lado, vaga);
    RegistrarEvento(rodada, p.Clube(lado), idx, 0, kContusaoEvento, m);
    --X.disponiveis;

    if (X.humano) {
        if (p.mostrado) rodada.interacao->TocarSom(Som::Contusao);
        if (p.substituicoes[lado] <= 0) return;
        int banco[7];
        int n = 0;
        for (int r : e.reservas)
            if (r > 0 && !jogo.jogadores[r].jogou) banco[n++] = r;
        if (n == 0) return;
        const int escolhido = rodada.interacao->SubstituirContusao(jogo, rodada, m, lado, idx,
                                                                   std::span<const int>(banco, n));
        if (std::find(banco, banco + n, escolhido) == banco + n) return;
        Substituir(jogo, rodada, m, lado, vaga, escolhido);
        X.disponiveis = RecontarDisponiveis(jogo, p.Clube(lado), rodada.tipo, rodada.hoje);
        return;
    }
    const int r = ReservaParaContundido(jogo, e, jogo.jogadores[idx].posicaoatual);
    if (r > 0) Substituir(jogo, rodada, m, lado, vaga, r);
}

namespace {

// What an energy minute asks of every starter.
struct MinutoDeDesgaste {
    bool fixo;          // one of the four minutes everybody loses at
    bool recupera;      // the minutes a tireless player gains back
    bool extralateral;  // minute 40, the side attacking down the flanks
    bool extrazagueiro; // minute 40, the side marking hard
    bool goleiro;       // minute 40, the goalkeeper's loss
};

// One starter's energy after the minute. Whether he loses at this minute
// is a matter of his age and his line, different from one starter to the
// next: it is worked out by multiplying by 0 or 1 rather than by branches,
// which would be guessed wrong all the time.
[[gnu::always_inline]] inline int EnergiaDepois(int energia, const TitularQueConta& t,
                                                const MinutoDeDesgaste& d, bool vagagoleiro) {
    const bool extra = (d.extralateral & (t.posicaoatual == kLateral)) |
                       (d.extrazagueiro & (t.posicaoatual == kZagueiro));
    const int perda = t.perda * (d.fixo | t.todos) + t.extra * extra;
    int cansado = std::max(0, energia - perda);
    if (d.recupera) cansado = std::min(100, cansado + t.recupera);
    // A natural goalkeeper loses nothing at these minutes.
    energia = t.goleironato ? energia : cansado;
    if (vagagoleiro & d.goleiro & (t.posicaoatual == kGoleiro))
        energia = std::max(0, energia - t.extra);
    return energia;
}

} // namespace

void DesgasteEnergia(Jogo& jogo, Rodada& rodada, int m, int lado) {
    TJogoDaRodada& p = rodada.jogos[m];
    const TTime& X = TimeDe(jogo, p, lado);
    const int minuto = rodada.minuto;
    const MinutoDeDesgaste d{
        minuto == 10 || minuto == 20 || minuto == 40 || minuto == 45,
        minuto == 10 || minuto == 15 || minuto == 20,
        minuto == 40 && X.jogadas == 1,
        minuto == 40 && X.marcacao != 0,
        minuto == 40,
    };
    p.limitesvalidos = false;
    if (p.guardar && p.resumovalido[lado]) {
        // Only energy moves here: the summary kept for the side keeps its
        // starters, lines and roles, and its sums are added up on the way.
        Resumo& r = p.resumo[lado];
        int forca[5] = {}, soma = 0, n = 0;
        for (int v = 0; v <= kVagaGoleiro; ++v) {
            TitularQueConta& t = r.titular[v];
            if (t.jogador == 0) continue;
            const int energia = EnergiaDepois(t.energia, t, d, v == kVagaGoleiro);
            t.energia = energia;
            jogo.jogadores[t.jogador].energia = energia;
            soma += energia;
            ++n;
            if (t.linha >= 0) forca[t.linha] += ForcaComFator(energia, t.forca, t.fator);
        }
        std::copy(std::begin(forca), std::end(forca), r.forca);
        r.mediaenergia = n > 0 ? plataforma::ArredDiv(soma, n) : 0;
        return;
    }
    const TEscalacao& e = EscalacaoDe(jogo, p, lado);
    for (int v = 0; v <= kVagaGoleiro; ++v) {
        const int idx = Vaga(e, v);
        if (idx <= 0 || !Elegivel(jogo.jogadores[idx], rodada.tipo, rodada.hoje)) continue;
        TJogador& j = jogo.jogadores[idx];
        j.energia = EnergiaDepois(j.energia, TitularDe(j, idx), d, v == kVagaGoleiro);
    }
    EsquecerResumo(p, lado);
}

void SubstituicaoAutomatica(Jogo& jogo, Rodada& rodada, int m, int lado, int saldo) {
    TJogoDaRodada& p = rodada.jogos[m];
    const TEscalacao& e = EscalacaoDe(jogo, p, lado);
    auto cansado = [&]() {
        for (int v = 0; v <= kVagaGoleiro; ++v) {
            const int idx = Vaga(e, v);
            if (EmCampo(jogo, idx) && jogo.jogadores[idx].energia < 80) return v;
        }
        return -1;
    };
    int vaga = -1;
    if (p.substituicoes[lado] == 3 && jogo.Aleatorio(45) + 10 < rodada.minuto) vaga = cansado();
    if (vaga < 0 && jogo.Aleatorio(35) + 20 < rodada.minuto && p.substituicoes[lado] > 1 &&
        saldo <= 0)
        vaga = cansado();
    if (vaga < 0) return;
    const TJogador& sai = jogo.jogadores[Vaga(e, vaga)];
    int entra = 0;
    for (int r : e.reservas) {
        if (r <= 0) continue;
        const TJogador& j = jogo.jogadores[r];
        if (j.jogou || j.energia <= 90) continue;
        if (sai.posicao != kGoleiro ? j.posicao != kGoleiro : j.posicao == sai.posicao) {
            entra = r;
            break;
        }
    }
    if (entra > 0) Substituir(jogo, rodada, m, lado, vaga, entra);
}

void Substituir(Jogo& jogo, Rodada& rodada, int m, int lado, int vaga, int entra) {
    TJogoDaRodada& p = rodada.jogos[m];
    const int sai = Vaga(EscalacaoDe(jogo, p, lado), vaga);
    SairDasContagens(jogo, rodada, m, lado, vaga);
    if (sai > 0) jogo.jogadores[sai].jogou = 0;
    if (p.numsubs[lado] < 3) {
        p.listasubs[lado][p.numsubs[lado]] = TSubstituicao{sai, rodada.MinutoDoJogo()};
        ++p.numsubs[lado];
    }
    RegistrarEvento(rodada, p.Clube(lado), sai, entra, kSubstituicaoEvento, m);
    Entrar(jogo, rodada, m, lado, vaga, entra);
    AtualizarVaga(jogo, rodada, p, lado, vaga);
    --p.substituicoes[lado];
}

} // namespace match
