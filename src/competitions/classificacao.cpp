#include "competitions/classificacao.hpp"
#include "world/competicoes.hpp"

#include <algorithm>

namespace competitions {

using namespace world;

namespace {

bool CodigoValido(int codigo) {
    return codigo >= 0 && codigo < kTiposCompeticao;
}

void Somar(TTime& t, int codigo, int pro, int contra) {
    ++t.jogos[codigo];
    if (pro > contra) {
        t.pontos[codigo] += 3;
        ++t.vitorias[codigo];
        t.ultimoresultado = 1;
    } else if (pro == contra) {
        t.pontos[codigo] += 1;
        t.ultimoresultado = 0;
    } else {
        ++t.derrotas[codigo];
        t.ultimoresultado = 2;
    }
    t.golspro[codigo] += pro;
    t.golscontra[codigo] += contra;
}

// Keys in the order they decide, each higher-is-better.
constexpr i32 TLinhaTabela::*kChaves[] = {&TLinhaTabela::pontos, &TLinhaTabela::saldo,
                                          &TLinhaTabela::golspro, &TLinhaTabela::vitorias};

} // namespace

bool ContaParaTabela(int codigo, int fase) {
    switch (codigo) {
    case kLiga:
        return true;
    case kEstadual:
        return fase < 6; // the state final is a tie, not a table
    case kContinental1:
    case kContinental2:
    case kCopaDoMundo:
    case kCopaAmerica:
    case kEurocopa:
        return fase < 4; // group matchdays only
    default:
        return false;
    }
}

void ContarResultado(Jogo& jogo, int codigo, int fase, int mandante, int visitante,
                     int golsmandante, int golsvisitante) {
    if (!ContaParaTabela(codigo, fase)) return;
    if (!jogo.TimeValido(mandante) || !jogo.TimeValido(visitante)) return;
    Somar(jogo.times[mandante], codigo, golsmandante, golsvisitante);
    Somar(jogo.times[visitante], codigo, golsvisitante, golsmandante);
}

TLinhaTabela LinhaDoTime(const Jogo& jogo, int codigo, int time) {
    TLinhaTabela l;
    l.time = time;
    if (!jogo.TimeValido(time) || !CodigoValido(codigo)) return l;
    const TTime& t = jogo.times[time];
    l.pontos = t.pontos[codigo];
    l.jogos = t.jogos[codigo];
    l.vitorias = t.vitorias[codigo];
    l.derrotas = t.derrotas[codigo];
    l.empates = l.jogos - l.vitorias - l.derrotas;
    l.golspro = t.golspro[codigo];
    l.golscontra = t.golscontra[codigo];
    l.saldo = l.golspro - l.golscontra;
    return l;
}

int Comparar(const TLinhaTabela& a, const TLinhaTabela& b) {
    for (auto chave : kChaves)
        if (a.*chave != b.*chave) return a.*chave > b.*chave ? -1 : 1;
    return 0;
}

void SomarResultado(TLinhaTabela& l, int pro, int contra) {
    ++l.jogos;
    l.golspro += pro;
    l.golscontra += contra;
    l.saldo = l.golspro - l.golscontra;
    if (pro > contra) {
        ++l.vitorias;
        l.pontos += 3;
    } else if (pro < contra) {
        ++l.derrotas;
    } else {
        ++l.empates;
        l.pontos += 1;
    }
}

std::vector<TLinhaTabela> Tabela(const Jogo& jogo, int codigo, std::span<const int> clubes) {
    std::vector<TLinhaTabela> linhas;
    linhas.reserve(clubes.size());
    for (int c : clubes)
        if (jogo.TimeValido(c)) linhas.push_back(LinhaDoTime(jogo, codigo, c));
    // Stable, so a tie on every key comes out the same way each time.
    std::stable_sort(
        linhas.begin(), linhas.end(),
        [](const TLinhaTabela& a, const TLinhaTabela& b) { return Comparar(a, b) < 0; });
    return linhas;
}

std::vector<int> ClassificarGrupo(Jogo& jogo, int codigo, std::span<const int> clubes) {
    std::vector<int> ordem;
    if (!CodigoValido(codigo)) return ordem;
    const auto linhas = Tabela(jogo, codigo, clubes);
    ordem.reserve(linhas.size());
    for (std::size_t k = 0; k < linhas.size(); ++k) {
        jogo.times[linhas[k].time].colocacao[codigo] = static_cast<i32>(k + 1);
        ordem.push_back(linhas[k].time);
    }
    return ordem;
}

void ClassificarGrupos(Jogo& jogo, int codigo, std::span<const std::vector<int>> grupos) {
    for (const auto& g : grupos) ClassificarGrupo(jogo, codigo, g);
}

void ClassificarLiga(Jogo& jogo) {
    // Divisions of 10 use the first ten slots only.
    const int vagas = jogo.estado.divisoesporliga == 2 ? 20 : 10;
    for (TLiga& l : jogo.ligas) {
        const int divisoes = std::clamp<int>(l.numdivisoes, 0, 4);
        for (int d = 0; d < divisoes; ++d) {
            const auto ordem =
                ClassificarGrupo(jogo, kLiga, std::span<const int>(l.divisoes[d], vagas));
            for (int k = 0; k < 20; ++k)
                l.ordem[d][k] = k < static_cast<int>(ordem.size()) ? ordem[k] : -1;
        }
    }
}

} // namespace competitions
