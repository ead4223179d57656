#include "management/contratos.hpp"

#include "management/financas.hpp"
#include "world/competicoes.hpp"
#include "world/emails.hpp"
#include "world/posicoes.hpp"

#include "management/mercado_interno.hpp"
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace management {

using namespace world;
using i64 = std::int64_t;

double FimDoNovoContrato(const Jogo& jogo, int semanas) {
    return jogo.Hoje() + 7.0 * semanas;
}

void NovoContrato(Jogo& jogo, int jogador, int semanas) {
    if (!jogo.JogadorValido(jogador)) return;
    TJogador& j = jogo.jogadores[jogador];
    j.contrato = FimDoNovoContrato(jogo, semanas);
    j.avisocontrato = 0;
}

void AvisosContrato(Jogo& jogo, int clube) {
    if (!mercado::ClubeDoMercado(jogo, clube)) return;
    const double hoje = jogo.Hoje();
    const TOpcoes& o = jogo.estado.opcoes;
    for (int i : mercado::JogadoresDoClube(jogo, clube)) {
        TJogador& j = jogo.jogadores[i];
        if (o.opcontrato && j.contrato < hoje) NovoContrato(jogo, i, 12);
        if (o.opemails >= 3 || j.avisocontrato >= 2) continue;
        const bool terminou = j.contrato < hoje;
        if ((!terminou || o.opemails > 1) && j.contrato - hoje < 21 && j.avisocontrato == 0 &&
            (o.opemails == 0 || o.opemails == 2)) {
            PostarEmail(jogo, clube, kEmailContrato, 0, 0, 0, i);
            j.avisocontrato = 1;
        }
        if (terminou && o.opemails <= 1) {
            PostarEmail(jogo, clube, kEmailContrato, 1, 0, 0, i);
            j.avisocontrato = 2;
        }
    }
}

int SemanasDoContrato(int escolha) {
    static constexpr int kSemanas[] = {12, 24, 48, 96};
    return escolha >= 0 && escolha < 4 ? kSemanas[escolha] : 24;
}

i32 ExigenciaSalarial(i32 atual, int colocacao, i32 novo) {
    // Salary ceilings of the bands and what the player asks on top: a club
    // in the first four places pays more for keeping its men.
    struct Faixa {
        i32 ate, topo, outros;
    };
    static constexpr Faixa kFaixas[] = {
        {1000, 700, 500},    {5000, 1000, 750},    {6000, 1200, 800},
        {9000, 1500, 850},   {10000, 1700, 950},   {20000, 2000, 1200},
        {50000, 3000, 2000}, {100000, 7000, 5000}, {2147483647, 10000, 8000}};
    i32 extra = 0;
    for (const Faixa& f : kFaixas)
        if (atual <= f.ate) {
            extra = colocacao <= 4 ? f.topo : f.outros;
            break;
        }
    const i64 x = static_cast<i64>(atual) + extra;
    if (x < novo) return novo + 500;
    return static_cast<i32>(std::min<i64>(x, 2147483647));
}

AnaliseContrato ResponderContrato(i32 s, i32 n, int p, double d) {
    AnaliseContrato a;
    auto recusa = [&] {
        a.resposta = RespostaContrato::Recusa;
        a.exigencia = ExigenciaSalarial(s, p, n);
        return a;
    };
    auto aceita = [&] {
        a.resposta = RespostaContrato::Aceita;
        return a;
    };
    if (n > 100000 && static_cast<i64>(n) > 5 * static_cast<i64>(s)) {
        a.resposta = RespostaContrato::ForaDaRealidade;
        a.maximo = static_cast<i32>(std::min<i64>(5 * static_cast<i64>(s), 2147483647));
        return a;
    }
    if (n == s) return p >= 5 ? aceita() : recusa();
    if (n < s) {
        if (d >= 80 || p > 6) return recusa();
        i32 corte = -1;
        if (s >= 1 && s <= 10000)
            corte = 500;
        else if (s >= 10001 && s <= 50000)
            corte = 1000;
        else if (s >= 50001 && s <= 9950000)
            corte = 1500;
        if (corte < 0) return a; // no answer
        return s - n <= corte ? aceita() : recusa();
    }
    const i64 aumento = static_cast<i64>(n) - s;
    bool aceito = false;
    if (s <= 10000)
        aceito = aumento > (p > 4 ? 499 : 999);
    else if (s <= 50000)
        aceito = aumento >= 1000;
    else if (s <= 9950000)
        aceito = aumento > 14999;
    return aceito ? aceita() : recusa();
}

RecusaRenovacao RecusaDaRenovacao(const Jogo& jogo, int clube, int jogador, i32 salario) {
    if (!jogo.JogadorValido(jogador)) return RecusaRenovacao::SemJogador;
    const int time = jogo.jogadores[jogador].time;
    if (!jogo.TimeValido(time) || time != clube) return RecusaRenovacao::NaoEhDoClube;
    return salario > 0 ? RecusaRenovacao::Nenhuma : RecusaRenovacao::SemSalario;
}

AnaliseContrato ProporContrato(const Jogo& jogo, int clube, int jogador, i32 novo) {
    if (const RecusaRenovacao r = RecusaDaRenovacao(jogo, clube, jogador, novo);
        r != RecusaRenovacao::Nenhuma) {
        AnaliseContrato a;
        a.resposta = RespostaContrato::Impedida;
        a.recusa = r;
        return a;
    }
    const TJogador& j = jogo.jogadores[jogador];
    const int p = jogo.TimeValido(j.time) ? jogo.times[j.time].colocacao[kLiga] : 0;
    return ResponderContrato(j.salario, novo, p, j.contrato - jogo.Hoje());
}

void AssinarContrato(Jogo& jogo, int jogador, i32 salario, int semanas) {
    if (!jogo.JogadorValido(jogador) || salario <= 0) return;
    TJogador& j = jogo.jogadores[jogador];
    if (j.avenda) {
        j.avenda = 0;
        j.passepedido = j.passe;
    }
    NovoContrato(jogo, jogador, semanas);
    const i32 antes = j.salario;
    if (static_cast<i64>(salario) - antes > std::llround(antes * 0.3)) {
        j.moral += 1;
        if (jogo.TimeValido(j.time) && jogo.times[j.time].humano)
            PostarEmail(jogo, j.time, kEmailJogador, 1, 0, 0, jogador);
    }
    j.salario = salario;
    if (jogo.TimeValido(j.time)) {
        RecontarFolha(jogo, j.time);
        if (jogo.times[j.time].humano) ++jogo.contagemmercado.renovacoes[j.time];
    }
}

RecusaRenovacao RecusaDaDispensa(const Jogo& jogo, int jogador) {
    if (!jogo.JogadorValido(jogador)) return RecusaRenovacao::SemJogador;
    const TJogador& j = jogo.jogadores[jogador];
    if (!jogo.TimeValido(j.time)) return RecusaRenovacao::NaoEhDoClube;
    const TTime& t = jogo.times[j.time];
    if (t.disponiveis < kMinimoDisponiveisDispensa) return RecusaRenovacao::PoucosDisponiveis;
    if (j.posicao == kGoleiro && t.porposicao[kGoleiro] < 2) return RecusaRenovacao::UnicoGoleiro;
    return RecusaRenovacao::Nenhuma;
}

RecusaRenovacao RecusarExigencia(Jogo& jogo, InteracaoMercado& ia, int jogador,
                                 ResultadoLeilao* resultado) {
    if (const RecusaRenovacao r = RecusaDaDispensa(jogo, jogador); r != RecusaRenovacao::Nenhuma)
        return r;
    const ResultadoLeilao r = LeiloarJogador(jogo, ia, jogador, jogo.jogadores[jogador].passe);
    if (resultado) *resultado = r;
    return RecusaRenovacao::Nenhuma;
}

} // namespace management
