// Gate income and the weekly charges.
#include "management/financas.hpp"

#include "plataforma/arredondar.hpp"
#include "plataforma/datas.hpp"
#include "world/competicoes.hpp"
#include "world/valores.hpp"

#include <algorithm>
#include <cstring>
#include <limits>

namespace management {

using namespace world;

namespace {

i32 Saturar(std::int64_t v) {
    constexpr std::int64_t lo = std::numeric_limits<i32>::min();
    constexpr std::int64_t hi = std::numeric_limits<i32>::max();
    return static_cast<i32>(std::clamp(v, lo, hi));
}

void Somar(i32& campo, std::int64_t valor) {
    campo = Saturar(std::int64_t{campo} + valor);
}

// Clubs that have money: league and extra clubs, not the national teams.
int ClubesComDinheiro(const Jogo& jogo) {
    return std::min(static_cast<int>(jogo.times.size()), jogo.PrimeiraSelecao());
}

TFinancas Zerada() {
    TFinancas f;
    std::memset(&f, 0, sizeof f);
    return f;
}

// Read-only view: a club without a statement yet has an empty one.
const TFinancas& FinancasLidas(const Jogo& jogo, int clube) {
    static const TFinancas kVazia = Zerada();
    if (clube < 0 || static_cast<std::size_t>(clube) >= jogo.financas.size()) return kVazia;
    return jogo.financas[clube];
}

int DivisaoDaTabela(int divisao) {
    return divisao >= 1 && divisao <= 4 ? divisao : 0;
}

// League prizes by division (champion, runner-up); division 1 of the 10-club
// mode pays its champion less.
struct Premio {
    i32 campeao, vice;
};
constexpr Premio kPremios[5] = {{7'000'000, 3'500'000},
                                {5'000'000, 3'500'000},
                                {2'500'000, 2'000'000},
                                {1'500'000, 1'000'000},
                                {750'000, 500'000}};

constexpr i32 kPatrocinio[5] = {0, 3'000'000, 1'500'000, 1'000'000, 800'000};

struct Faixa {
    i32 base, amplitude;
};
// New-season cash of a computer-run club, with and without state championships.
constexpr Faixa kCaixaComEstaduais[5] = {{200'000, 200'000},
                                         {12'000'000, 1'000'000},
                                         {9'000'000, 1'000'000},
                                         {4'000'000, 1'000'000},
                                         {1'000'000, 500'000}};
constexpr Faixa kCaixaSemEstaduais[5] = {{200'000, 200'000},
                                         {10'000'000, 1'000'000},
                                         {5'000'000, 1'000'000},
                                         {2'000'000, 1'000'000},
                                         {500'000, 500'000}};
// Cash of a club that hires a coach.
constexpr Faixa kCaixaAoContratar[5] = {{500'000, 200'000},
                                        {6'000'000, 2'000'000},
                                        {4'000'000, 1'000'000},
                                        {2'000'000, 1'000'000},
                                        {1'000'000, 500'000}};

i32 Sortear(Jogo& jogo, const Faixa& f) {
    return f.base + jogo.Aleatorio(f.amplitude);
}

} // namespace

void MoverDinheiro(Jogo& jogo, int clube, std::int64_t valor) {
    Somar(jogo.times[clube].dinheiro, valor);
}

TFinancas& FinancasDe(Jogo& jogo, int clube) {
    if (static_cast<std::size_t>(clube) >= jogo.financas.size()) {
        TFinancas zero;
        std::memset(&zero, 0, sizeof zero);
        jogo.financas.resize(std::max(jogo.times.size(), std::size_t(clube) + 1), zero);
    }
    return jogo.financas[clube];
}

void ReceberRenda(Jogo& jogo, int mandante, int visitante, std::int32_t renda, int codigo) {
    if (codigo < kAmistoso || codigo > kContinental2 || renda == 0) return;
    auto receber = [&](int clube, std::int32_t valor) {
        if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return;
        MoverDinheiro(jogo, clube, valor);
        Somar(FinancasDe(jogo, clube).ingressos, valor);
    };
    if (codigo == kCopaNacional) {
        receber(mandante, renda / 2);
        receber(visitante, renda / 2);
    } else {
        receber(mandante, renda);
    }
}

bool DiaDeJuros(int codigo, double data) {
    return (codigo == kLiga || codigo == kEstadual) && plataforma::DiaDaSemana(data) == 1;
}

bool DiaDeSalarios(int codigo, double data, int indicecalendario) {
    return DiaDeJuros(codigo, data) || (codigo == kAmistoso && indicecalendario <= 9);
}

void CobrarSemana(Jogo& jogo, int clube, int codigo, double data, int indicecalendario) {
    if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return;
    TFinancas& f = FinancasDe(jogo, clube);
    if (DiaDeSalarios(codigo, data, indicecalendario)) {
        MoverDinheiro(jogo, clube, -std::int64_t{f.salariosemanal});
        Somar(f.salarios, f.salariosemanal);
    }
    if (DiaDeJuros(codigo, data) && f.emprestimo > 0) {
        const i32 juros = plataforma::ArredDiv(std::int64_t{f.emprestimo} * 3, 100);
        MoverDinheiro(jogo, clube, -std::int64_t{juros});
        f.juros = juros;
    }
}

i32 JurosSemanais(i32 emprestimo) {
    return plataforma::ArredDiv(std::int64_t{emprestimo} * 3, 100);
}

RecusaEmprestimo RecusaDoEmprestimo(const Jogo& jogo, int clube) {
    if (!jogo.TimeValido(clube)) return RecusaEmprestimo::SemClube;
    return FinancasLidas(jogo, clube).emprestimo < kLimiteEmprestimo ? RecusaEmprestimo::Nenhuma
                                                                     : RecusaEmprestimo::NoLimite;
}

RecusaEmprestimo RecusaDoPagamento(const Jogo& jogo, int clube) {
    if (!jogo.TimeValido(clube)) return RecusaEmprestimo::SemClube;
    return FinancasLidas(jogo, clube).emprestimo > 0 ? RecusaEmprestimo::Nenhuma
                                                     : RecusaEmprestimo::SemDivida;
}

RecusaEmprestimo PegarEmprestimo(Jogo& jogo, int clube) {
    if (const RecusaEmprestimo r = RecusaDoEmprestimo(jogo, clube); r != RecusaEmprestimo::Nenhuma)
        return r;
    Somar(FinancasDe(jogo, clube).emprestimo, kParcelaEmprestimo);
    MoverDinheiro(jogo, clube, kParcelaEmprestimo);
    return RecusaEmprestimo::Nenhuma;
}

RecusaEmprestimo PagarEmprestimo(Jogo& jogo, int clube) {
    if (const RecusaEmprestimo r = RecusaDoPagamento(jogo, clube); r != RecusaEmprestimo::Nenhuma)
        return r;
    TFinancas& f = FinancasDe(jogo, clube);
    // A balance below one instalment (an odd saved game) is paid off, not overpaid.
    const i32 parcela = std::min(f.emprestimo, kParcelaEmprestimo);
    f.emprestimo -= parcela;
    MoverDinheiro(jogo, clube, -std::int64_t{parcela});
    return RecusaEmprestimo::Nenhuma;
}

void PagarPremios(Jogo& jogo, int liga) {
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size())) return;
    const TLiga& l = jogo.ligas[liga];
    const bool de20 = jogo.estado.divisoesporliga == 2;
    const int divisoes = std::clamp<int>(l.numdivisoes, 0, 4);
    for (int d = 0; d < divisoes; ++d) {
        const Premio& p = kPremios[d == 0 ? (de20 ? 0 : 1) : d + 1];
        const i32 valores[2] = {p.campeao, p.vice};
        for (int k = 0; k < 2; ++k) {
            const int clube = l.ordem[d][k];
            if (!jogo.TimeValido(clube)) continue;
            MoverDinheiro(jogo, clube, valores[k]);
            Somar(FinancasDe(jogo, clube).premios, valores[k]);
        }
    }
}

// The loan balance is part of the statement and is forgotten with it at every
// season start, while the money borrowed stays in the cash: a debt does not
// follow a club into the next season.
void ZerarFinancas(Jogo& jogo) {
    jogo.financas.assign(jogo.times.size(), Zerada());
}

void RecontarFolha(Jogo& jogo, int clube) {
    if (!jogo.TimeValido(clube)) return;
    std::int64_t total = 0;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube) total += jogo.jogadores[i].salario;
    FinancasDe(jogo, clube).salariosemanal = Saturar(total);
}

void RecontarFolhas(Jogo& jogo) {
    std::vector<std::int64_t> totais(jogo.times.size(), 0);
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const int c = jogo.jogadores[i].time;
        if (jogo.TimeValido(c)) totais[c] += jogo.jogadores[i].salario;
    }
    const int n = ClubesComDinheiro(jogo);
    for (int c = 0; c < n; ++c) FinancasDe(jogo, c).salariosemanal = Saturar(totais[c]);
}

void ReavaliarJogadores(Jogo& jogo) {
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        TJogador& j = jogo.jogadores[i];
        if (jogo.TimeValido(j.time)) AvaliarJogador(jogo, j);
    }
    RecontarFolhas(jogo);
}

void DinheiroDaTemporada(Jogo& jogo) {
    const auto& caixa = jogo.estado.estaduais ? kCaixaComEstaduais : kCaixaSemEstaduais;
    const int n = ClubesComDinheiro(jogo);
    for (int c = 0; c < n; ++c) {
        TTime& t = jogo.times[c];
        const int d = DivisaoDaTabela(t.divisao);
        if (t.humano) {
            MoverDinheiro(jogo, c, kPatrocinio[d]);
            Somar(FinancasDe(jogo, c).patrocinio, kPatrocinio[d]);
        } else {
            t.dinheiro = Sortear(jogo, caixa[d]);
        }
    }
}

void IniciarTemporadaFinancas(Jogo& jogo) {
    ZerarFinancas(jogo);
    ReavaliarJogadores(jogo);
    DinheiroDaTemporada(jogo);
}

void DinheiroAoContratar(Jogo& jogo, int clube) {
    if (!jogo.TimeValido(clube)) return;
    TTime& t = jogo.times[clube];
    const int d = DivisaoDaTabela(t.divisao);
    t.dinheiro = Sortear(jogo, kCaixaAoContratar[d]);
    FinancasDe(jogo, clube).emprestimo = 0;
    for (int s = 0; s < 4; ++s) t.precos[s] = jogo.precospadrao[d][s];
}

void MovimentarTransferencia(Jogo& jogo, int comprador, int vendedor, int jogador, i32 preco,
                             i32 multa) {
    const bool temjogador = jogador > 0 && jogador < static_cast<int>(jogo.jogadores.size());
    const i32 salario = temjogador ? jogo.jogadores[jogador].salario : 0;
    if (jogo.TimeValido(comprador)) {
        TFinancas& f = FinancasDe(jogo, comprador);
        MoverDinheiro(jogo, comprador, -std::int64_t{preco});
        Somar(f.compras, preco);
        Somar(f.salariosemanal, salario);
    }
    if (jogo.TimeValido(vendedor)) {
        TFinancas& f = FinancasDe(jogo, vendedor);
        MoverDinheiro(jogo, vendedor, std::int64_t{preco} - multa);
        Somar(f.vendas, preco);
        Somar(f.multas, multa);
        Somar(f.salariosemanal, -std::int64_t{salario});
    }
}

void PagarEstadio(Jogo& jogo, int clube, i32 valor) {
    if (!jogo.TimeValido(clube)) return;
    MoverDinheiro(jogo, clube, -std::int64_t{valor});
    Somar(FinancasDe(jogo, clube).estadio, valor);
}

ResumoFinancas ResumirFinancas(const Jogo& jogo, int clube) {
    ResumoFinancas r{};
    if (!jogo.TimeValido(clube)) return r;
    const TFinancas& f = FinancasLidas(jogo, clube);
    r.ingressos = f.ingressos;
    r.vendas = f.vendas;
    r.premios = f.premios;
    r.emprestimo = f.emprestimo;
    r.patrocinio = f.patrocinio;
    r.entradas = r.ingressos + r.vendas + r.premios + r.emprestimo + r.patrocinio;
    r.compras = f.compras;
    r.estadio = f.estadio;
    r.salarios = f.salarios;
    r.juros = f.juros;
    r.multas = f.multas;
    r.saidas = r.compras + r.estadio + r.salarios + r.juros + r.multas;
    r.saldo = r.entradas - r.saidas;
    r.jurossemanais = f.emprestimo > 0 ? JurosSemanais(f.emprestimo) : 0;
    r.salariosemanal = f.salariosemanal;
    r.dinheiro = jogo.times[clube].dinheiro;
    return r;
}

} // namespace management
