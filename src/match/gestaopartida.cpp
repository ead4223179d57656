#include "match/gestaopartida.hpp"

#include "match/motor_interno.hpp"
#include "plataforma/arredondar.hpp"
#include "world/arbitros.hpp"
#include "world/posicoes.hpp"

#include <algorithm>

namespace match {

using namespace world;
using interno::EmCampo;
using interno::EscalacaoDe;

namespace {

bool JogoValido(const Jogo& jogo, const Rodada& rodada, int m, int lado) {
    if (m < 1 || m > rodada.numjogos || m > kMaxJogos || lado < 0 || lado > 1) return false;
    const TJogoDaRodada& p = rodada.jogos[m];
    const int e = p.Escalacao(lado);
    return p.Clube(lado) >= 0 && e >= 0 && e < static_cast<int>(jogo.escalacoes.size());
}

bool JogadorValido(const Jogo& jogo, int j) {
    return j > 0 && j < static_cast<int>(jogo.jogadores.size());
}

int VagaDe(const TEscalacao& e, int jogador) {
    for (int v = 0; v <= kVagaGoleiro; ++v)
        if (Vaga(e, v) == jogador) return v;
    return -1;
}

bool NoBanco(const TEscalacao& e, int jogador) {
    return std::find(std::begin(e.reservas), std::end(e.reservas), jogador) != std::end(e.reservas);
}

// Someone of the side is playing in goal.
bool GoleiroEmCampo(const Jogo& jogo, const TEscalacao& e) {
    for (int v = 0; v <= kVagaGoleiro; ++v) {
        const int idx = Vaga(e, v);
        if (EmCampo(jogo, idx) && jogo.jogadores[idx].posicaoatual == kGoleiro) return true;
    }
    return false;
}

bool Contundido(const TJogador& j, double hoje) {
    return j.retorno > hoje;
}

} // namespace

bool PodeSubstituir(const Jogo& jogo, const Rodada& rodada, int m, int lado, int titular,
                    int reserva) {
    if (!JogoValido(jogo, rodada, m, lado)) return false;
    if (!JogadorValido(jogo, titular) || !JogadorValido(jogo, reserva)) return false;
    const TJogoDaRodada& p = rodada.jogos[m];
    if (p.substituicoes[lado] <= 0 || p.numsubs[lado] >= 3) return false;
    const TEscalacao& e = jogo.escalacoes[p.Escalacao(lado)];
    if (VagaDe(e, titular) < 0 || !NoBanco(e, reserva)) return false;
    const int tipo = rodada.tipo;
    const TJogador& sai = jogo.jogadores[titular];
    const TJogador& entra = jogo.jogadores[reserva];
    // A player sent off or injured has already left the pitch (jogou clear).
    if (!sai.jogou || Contundido(sai, rodada.hoje) || sai.suspensao[tipo] != 0) return false;
    // Nor can the bench send on someone unfit to play.
    if (entra.jogou || Contundido(entra, rodada.hoje) || entra.suspensao[tipo] != 0) return false;
    if (sai.posicao == kGoleiro) return entra.posicao == kGoleiro;
    // "Outfield" is where he plays: an outfield player put in goal after the
    // keeper's injury can still make way for a bench goalkeeper.
    if (entra.posicao == kGoleiro && sai.posicaoatual != kGoleiro && GoleiroEmCampo(jogo, e))
        return false;
    return true;
}

bool SubstituirNaPartida(Jogo& jogo, Rodada& rodada, int m, int lado, int titular, int reserva) {
    if (!PodeSubstituir(jogo, rodada, m, lado, titular, reserva)) return false;
    const int vaga = VagaDe(EscalacaoDe(jogo, rodada.jogos[m], lado), titular);
    Substituir(jogo, rodada, m, lado, vaga, reserva);
    jogo.jogadores[titular].amarelosjogo = 0;
    return true;
}

bool MudarPosicaoNaPartida(Jogo& jogo, Rodada& rodada, int m, int lado, int jogador, int posicao,
                           int funcao) {
    if (!JogoValido(jogo, rodada, m, lado) || !JogadorValido(jogo, jogador)) return false;
    TJogador& j = jogo.jogadores[jogador];
    const int nova = posicao < 0 ? j.posicao : posicao;
    if (posicao < -1 || nova < kGoleiro || nova > kAtacante) return false;
    // The roles the match knows for each position (a goalkeeper has only 0).
    constexpr int kFuncoesPorPosicao[5] = {1, 3, 2, 3, 3};
    if (funcao < 0 || funcao >= kFuncoesPorPosicao[nova]) return false;
    const int vaga = VagaDe(EscalacaoDe(jogo, rodada.jogos[m], lado), jogador);
    if (vaga < 0 || !EmCampo(jogo, jogador)) return false;
    // Out of the counts under the old position and role, back in under the new;
    // the engine works the side out again from the next minute.
    interno::EsquecerResumo(rodada.jogos[m], lado);
    interno::SairDasContagens(jogo, rodada, m, lado, vaga);
    j.posicaoatual = nova;
    j.funcao = funcao;
    const Contagem c = ContagemDe(j);
    AplicarContagem(EscalacaoDe(jogo, rodada.jogos[m], lado), c, +1);
    rodada.jogos[m].contagem[lado][vaga] = c;
    return true;
}

std::vector<std::string> FuncoesNaPartida(int posicao) {
    switch (posicao) {
    case kLateral:
        return {"Defensivo", "Ofensivo", "Ala"};
    case kZagueiro:
        return {"Normal", "L\xed"
                          "bero"};
    case kMeia:
        return {"Volante", "Ofensivo", "Ala"};
    case kAtacante:
        return {"Recuado", "Pelo meio", "Pela ponta"};
    default:
        return {};
    }
}

bool EmCondicoesNaPartida(const Jogo& jogo, const Rodada& rodada, int jogador) {
    if (!JogadorValido(jogo, jogador)) return false;
    const int tipo = rodada.tipo >= 0 && rodada.tipo < kTiposCompeticao ? rodada.tipo : 0;
    return Elegivel(jogo.jogadores[jogador], tipo, rodada.hoje);
}

std::array<EstatisticasDoLado, 2> EstatisticasIntervalo(const Jogo& jogo, const Rodada& rodada,
                                                        int m) {
    std::array<EstatisticasDoLado, 2> r{};
    if (m < 1 || m > rodada.numjogos || m > kMaxJogos) return r;
    const TJogoDaRodada& p = rodada.jogos[m];
    for (int s = 0; s < 2; ++s) {
        r[s].finalizacoes = p.finalizacoes[s];
        r[s].roubadas =
            plataforma::ArredDiv(std::int64_t{6} * p.roubadas[s], 10) + p.finalizacoes[s];
        // Every shot came from a minute with the ball, yet a lopsided first
        // half could still take the difference below nothing.
        r[s].passeserrados =
            std::max(0, plataforma::ArredDiv(std::int64_t{8} * p.posse[s], 10) - p.finalizacoes[s]);
        r[s].faltas = p.faltas[s];
    }
    plataforma::Gerador tela(jogo.gerador.Estado() ^
                             (0x9E3779B97F4A7C15ull * static_cast<unsigned>(m)));
    if (p.posse[0] <= 14) {
        r[0].posse = 21 + tela.Aleatorio(10);
        r[1].posse = 100 - r[0].posse;
    } else if (p.posse[1] <= 14) {
        r[1].posse = 21 + tela.Aleatorio(10);
        r[0].posse = 100 - r[1].posse;
    } else {
        r[0].posse = p.posse[0] * 100 / (p.posse[0] + p.posse[1]);
        r[1].posse = 100 - r[0].posse;
    }
    return r;
}

int ArbitroDaPartida(const Jogo& jogo, const Rodada& rodada, int m) {
    if (m < 1 || m > rodada.numjogos || m > kMaxJogos) return -1;
    // The season's twelve take the date's matches in turn, and the turn moves
    // on by one every date, so a referee is not stuck with one fixture slot.
    const int data = std::max(0, static_cast<int>(jogo.estado.dataatual));
    const int a = jogo.estado.arbitrostemporada[(m - 1 + data) % 12];
    return a >= 0 && a < kNumArbitros ? a : -1;
}

TextoRelogio TextoDoRelogio(const Rodada& rodada, bool intervalo) {
    if (intervalo) return {"Intervalo", "I"};
    return {std::to_string(std::max(0, rodada.minuto)), rodada.tempo == 2 ? "2" : "1"};
}

std::vector<LinhaSubstituicao> SubstituicoesDoLado(const Rodada& rodada, int m, int lado) {
    std::vector<LinhaSubstituicao> r;
    if (m < 1 || m > kMaxJogos || lado < 0 || lado > 1) return r;
    const int clube = rodada.jogos[m].Clube(lado);
    for (const TEvento& e : rodada.eventos) {
        if (e.jogo != m || e.tipo != kSubstituicaoEvento || e.clube != clube) continue;
        // Events keep the match minute; the view counts it within its half.
        const int tempo = e.minuto > 45 ? 2 : 1;
        r.push_back({e.jogador, e.outro, tempo == 2 ? e.minuto - 45 : e.minuto, tempo});
    }
    return r;
}

} // namespace match
