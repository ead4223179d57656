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
const PerdaDaIdade& PerdaPorIdade(int idade) {
    return kPerdas[idade >= 1 && idade <= 100 ? idade : 0];
}

} // namespace

void FaltasECartoes(Jogo& jogo, Rodada& rodada, int m, int lado) {
    TJogoDaRodada& p = rodada.jogos[m];
    TTime& X = TimeDe(jogo, p, lado);
    const TEscalacao& e = EscalacaoDe(jogo, p, lado);
    const int limite = X.marcacao == 1 ? 33 : X.marcacao == 2 ? 43 : 23;
    bool certo = false;
    if (jogo.Aleatorio(100) + 1 <= limite) {
        ++p.faltas[lado];
        if (p.gols[lado] < 6) CobrancaDeFalta(jogo, rodada, m, lado);
        const int f = p.faltas[lado];
        certo = f == 10 || f == 20 || f == 30 || f == 40;
    }
    const bool cartao = certo || jogo.Aleatorio(280) == 0;
    if (cartao && X.disponiveis > 10) {
        if (const int idx = QuemLevaCartao(jogo, e)) {
            TJogador& j = jogo.jogadores[idx];
            if (j.amarelosjogo > 1 && j.posicaoatual == kGoleiro) return;
            if (j.posicaoatual == kZagueiro && j.caract1 == 8 && jogo.Aleatorio(3) != 0) return;
            Estatistica_(jogo, rodada, idx, Estatistica::Amarelo);
            ++j.amarelosjogo;
            --X.disponiveis;
            if (j.amarelosjogo > 1) {
                j.jogou = 0;
                EsquecerResumo(p, lado);
                Estatistica_(jogo, rodada, idx, Estatistica::Vermelho);
                RegistrarEvento(rodada, p.Clube(lado), idx, rodada.minuto, kSegundoAmarelo, m);
            } else {
                RegistrarEvento(rodada, p.Clube(lado), idx, 0, kAmarelo, m);
            }
        }
    }
    const int chance = rodada.tempo == 1 ? (rodada.minuto > 15 ? 700 : 0) : 550;
    if (chance == 0 || jogo.Aleatorio(chance) != 1 || X.disponiveis <= 10) return;
    const int idx = e.jogadoreslinha[jogo.Aleatorio(10)];
    if (!EmCampo(jogo, idx) || jogo.jogadores[idx].amarelosjogo != 0) return;
    --X.disponiveis;
    jogo.jogadores[idx].jogou = 0;
    EsquecerResumo(p, lado);
    if (rodada.tipo != kAmistoso) Estatistica_(jogo, rodada, idx, Estatistica::Vermelho);
    RegistrarEvento(rodada, p.Clube(lado), idx, 0, kVermelhoDireto, m);
}

void Contusao(Jogo& jogo, Rodada& rodada, int m, int lado, int mediaenergia) {
    ContusaoComChance(jogo, rodada, m, lado, ChanceDeContusao(mediaenergia));
}

void interno::ContusaoComChance(Jogo& jogo, Rodada& rodada, int m, int lado, int chance) {
    TJogoDaRodada& p = rodada.jogos[m];
    TTime& X = TimeDe(jogo, p, lado);
    if (jogo.Aleatorio(chance) != 1) return;
    if (X.disponiveis <= 10 || p.substituicoes[lado] <= 0) return;
    int vaga = jogo.Aleatorio(10);
    if (p.mostrado && jogo.Aleatorio(200) == 0) vaga = kVagaGoleiro;
    TEscalacao& e = EscalacaoDe(jogo, p, lado);
    const int idx = Vaga(e, vaga);
    if (!EmCampo(jogo, idx)) return;

    Estatistica_(jogo, rodada, idx, Estatistica::Contusao);
    jogo.jogadores[idx].jogou = 0;
    EsquecerResumo(p, lado);
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

void DesgasteEnergia(Jogo& jogo, Rodada& rodada, int m, int lado) {
    TJogoDaRodada& p = rodada.jogos[m];
    const TTime& X = TimeDe(jogo, p, lado);
    const TEscalacao& e = EscalacaoDe(jogo, p, lado);
    const int tipo = rodada.tipo;
    const double hoje = rodada.hoje;
    const int minuto = rodada.minuto;
    const bool fixo = minuto == 10 || minuto == 20 || minuto == 40 || minuto == 45;
    const bool recupera = minuto == 10 || minuto == 15 || minuto == 20;
    const bool extralateral = minuto == 40 && X.jogadas == 1;
    const bool extrazagueiro = minuto == 40 && X.marcacao != 0;
    // Only energy moves here: a summary kept for the side keeps its players,
    // lines and roles, and its sums are worked out again on the way.
    Resumo* r = p.guardar && p.resumovalido[lado] ? &p.resumo[lado] : nullptr;
    int forca[5] = {}, soma = 0, n = 0;
    for (int v = 0; v <= kVagaGoleiro; ++v) {
        const int idx = Vaga(e, v);
        const bool conta = idx > 0 && Elegivel(jogo.jogadores[idx], tipo, hoje);
        if (r && r->jogador[v] != (conta ? idx : 0)) r = nullptr; // it no longer fits
        if (!conta) continue;
        TJogador& j = jogo.jogadores[idx];
        const PerdaDaIdade& t = PerdaPorIdade(j.idade);
        int energia = j.energia;
        if (j.posicao != kGoleiro) {
            int perda = (fixo || t.todos) ? t.perda : 0;
            if ((extralateral && j.posicaoatual == kLateral) ||
                (extrazagueiro && j.posicaoatual == kZagueiro))
                perda += t.extra;
            energia = std::max(0, energia - perda);
            if (recupera) {
                if (j.caract1 == 12)
                    energia += 2;
                else if (j.caract2 == 12)
                    energia += 1;
                energia = std::min(100, energia);
            }
        }
        if (v == kVagaGoleiro && minuto == 40 && j.posicaoatual == kGoleiro)
            energia = std::max(0, energia - t.extra);
        j.energia = energia;
        if (r) {
            soma += energia;
            ++n;
            const int linha = r->linha[v];
            if (linha >= 0) forca[linha] += ForcaComFator(j, r->fator[v]);
        }
    }
    p.limitesvalidos = false;
    if (!r) {
        EsquecerResumo(p, lado);
        return;
    }
    std::copy(std::begin(forca), std::end(forca), r->forca);
    r->mediaenergia = n > 0 ? plataforma::ArredDiv(soma, n) : 0;
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
    EsquecerResumo(p, lado);
    const int sai = Vaga(EscalacaoDe(jogo, p, lado), vaga);
    SairDasContagens(jogo, rodada, m, lado, vaga);
    if (sai > 0) jogo.jogadores[sai].jogou = 0;
    if (p.numsubs[lado] < 3) {
        p.listasubs[lado][p.numsubs[lado]] = TSubstituicao{sai, rodada.MinutoDoJogo()};
        ++p.numsubs[lado];
    }
    RegistrarEvento(rodada, p.Clube(lado), sai, entra, kSubstituicaoEvento, m);
    Entrar(jogo, rodada, m, lado, vaga, entra);
    --p.substituicoes[lado];
}

} // namespace match
