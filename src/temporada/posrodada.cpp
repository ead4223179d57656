// Energy recovery and player evolution after the matches.
#include "temporada/posrodada.hpp"

#include "world/competicoes.hpp"
#include "world/posicoes.hpp"

#include <algorithm>
#include <array>

namespace temporada {

using namespace world;

int EnergiaRecuperada(int idade, bool atuou) {
    struct Faixa {
        int ate, jogou, descansou;
    };
    static constexpr Faixa kFaixas[] = {
        {25, 12, 50}, {35, 10, 40}, {45, 7, 30}, {55, 4, 20}, {70, 2, 10}, {120, 0, 5},
    };
    for (const Faixa& f : kFaixas)
        if (idade <= f.ate) return atuou ? f.jogou : f.descansou;
    return 0;
}

void RecuperarEnergia(Jogo& jogo, int jogador) {
    TJogador& j = jogo.jogadores[jogador];
    if (j.time >= 0 && j.time < static_cast<int>(jogo.times.size()) && !jogo.times[j.time].humano) {
        j.posicaoatual = j.posicao;
        j.funcao = FuncaoInicial(j.posicao, j.caract1, j.caract2);
    }
    j.energia = std::min(100, j.energia + EnergiaRecuperada(j.idade, j.atuou != 0));
    j.atuou = 0;
}

namespace {

bool DivisoesDe20(const Jogo& jogo) {
    return jogo.estado.divisoesporliga == 2;
}

void Declinar(Jogo& jogo, TJogador& j, int divisao) {
    const double k = j.forca >= 1 && j.forca <= 50     ? 0.8
                     : j.forca >= 51 && j.forca <= 70  ? 1.2
                     : j.forca >= 71 && j.forca <= 100 ? 1.5
                                                       : 0.0;
    const double e = (j.idade - 31) * k;
    if (e >= 1) {
        const bool est = jogo.estado.estaduais != 0;
        const double q = DivisoesDe20(jogo) ? (est ? 70 : 60) : (est ? 50 : 30);
        j.evolucao = static_cast<float>(j.evolucao + e / q);
    }
    if (j.evolucao >= 1 && j.forca > 1) {
        --j.forca;
        j.evolucao -= 1;
    }
    static constexpr int kPiso[] = {1, 30, 20, 10};
    if (divisao >= 1 && divisao <= 3) j.forca = std::max(j.forca, kPiso[divisao]);
    j.forca = std::max(j.forca, 1);
}

double Divisor(const Jogo& jogo, const TTime& t) {
    const bool de20 = DivisoesDe20(jogo);
    const int faixa = t.humano ? 2 : t.nivel >= 21 ? 0 : t.nivel >= 19 ? 1 : 2;
    static constexpr int kCom[3][2] = {{35, 22}, {37, 24}, {43, 25}}; // [faixa][de20 ? 0 : 1]
    static constexpr int kSem[3][2] = {{28, 15}, {30, 18}, {35, 20}};
    const auto& tabela = jogo.estado.estaduais ? kCom : kSem;
    return tabela[faixa][de20 ? 0 : 1];
}

int Crescimento(int nivel, int idade) {
    if (idade < 17 || idade > 31) return 0;
    // Columns: 17, 18, 19, 20, 21, 22, 23..24, 25, 26..28, 29..31.
    static constexpr int kColuna[15] = {0, 1, 2, 3, 4, 5, 6, 6, 7, 8, 8, 8, 9, 9, 9};
    static constexpr int kTabela[4][10] = {
        {11, 10, 9, 8, 7, 6, 5, 5, 5, 4},
        {10, 9, 7, 6, 6, 6, 6, 5, 5, 5},
        {9, 8, 7, 6, 6, 6, 6, 6, 5, 5},
        {4, 3, 2, 1, 1, 1, 1, 1, 1, 1},
    };
    const int linha = nivel >= 18 ? 0 : nivel >= 15 ? 1 : nivel >= 11 ? 2 : 3;
    return kTabela[linha][kColuna[idade - 17]];
}

bool TetoPermite(int forca, int divisao) {
    static constexpr int kTeto[] = {101, 101, 80, 60, 40, 30}; // by division; 1 and none: no cap
    const int teto = divisao >= 0 && divisao <= 5 ? kTeto[divisao] : 101;
    return forca < teto;
}

// What a club's player of each age 0..31 grows a date before the other terms.
using CrescimentoPorIdade = std::array<double, 32>;
CrescimentoPorIdade CrescimentoDoClube(const Jogo& jogo, const TTime& t) {
    CrescimentoPorIdade r{}; // nothing below 17
    const double d = Divisor(jogo, t);
    for (int idade = 17; idade < 32; ++idade) r[idade] = Crescimento(t.nivel, idade) / d;
    return r;
}

void Crescer(TJogador& j, const TTime& t, bool tomouparte, const CrescimentoPorIdade& base) {
    double e = base[std::clamp(j.idade, 0, 31)];
    if (tomouparte) e += 0.05;
    if (j.moral == 3) e += 0.01;
    if (j.forca >= 30 && j.forca <= 40)
        e -= 0.02;
    else if (j.forca >= 41 && j.forca <= 50)
        e -= 0.03;
    else if (j.forca >= 51 && j.forca <= 70)
        e -= 0.04;
    else if (j.forca >= 71 && j.forca <= 100)
        e -= 0.05;
    j.evolucao = static_cast<float>(j.evolucao + (e <= 0 ? 0.01 : e));
    if (j.evolucao >= 1 && j.forca < 100 && TetoPermite(j.forca, t.divisao)) {
        ++j.forca;
        j.evolucao -= 1;
    }
    j.forca = std::max(j.forca, 1);
}

void Evoluir(Jogo& jogo, TJogador& j, const TTime& t, bool tomouparte,
             const CrescimentoPorIdade& base) {
    if (j.idade > 31)
        Declinar(jogo, j, t.divisao);
    else
        Crescer(j, t, tomouparte, base);
}

} // namespace

void EvoluirJogador(Jogo& jogo, int jogador, bool tomouparte) {
    TJogador& j = jogo.jogadores[jogador];
    if (j.time < 0 || j.time >= static_cast<int>(jogo.times.size())) return;
    const TTime& t = jogo.times[j.time];
    Evoluir(jogo, j, t, tomouparte, CrescimentoDoClube(jogo, t));
}

void EvoluirJogadores(Jogo& jogo, int codigo, const std::vector<char>& tomouparte) {
    if (codigo != kLiga && codigo != kEstadual) return;
    // In player order, one streaming pass; a club's players mostly sit
    // together, so its growth by age is worked out again only when the club
    // changes.
    int clube = -1;
    CrescimentoPorIdade base{};
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        TJogador& j = jogo.jogadores[i];
        const int c = j.time;
        if (c < 0 || c >= static_cast<int>(jogo.times.size())) continue;
        const TTime& t = jogo.times[c];
        if (codigo == kLiga && t.divisao <= 0) continue;
        if (c != clube) {
            clube = c;
            base = CrescimentoDoClube(jogo, t);
        }
        Evoluir(jogo, j, t, i < tomouparte.size() && tomouparte[i], base);
    }
}

void EsvaziarEscalacoes(world::Jogo& jogo) {
    jogo.escalacoes.clear();
    for (world::TTime& t : jogo.times) t.escalacao = -1;
}

} // namespace temporada
