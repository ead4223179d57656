// Gate income and the weekly charges.
#include "management/financas.hpp"

#include "match/arredondar.hpp"
#include "plataforma/datas.hpp"

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
    if (codigo < 0 || codigo > 6 || renda == 0) return;
    auto receber = [&](int clube, std::int32_t valor) {
        if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return;
        MoverDinheiro(jogo, clube, valor);
        Somar(FinancasDe(jogo, clube).ingressos, valor);
    };
    if (codigo == 2) {
        receber(mandante, renda / 2);
        receber(visitante, renda / 2);
    } else {
        receber(mandante, renda);
    }
}

bool DiaDeJuros(int codigo, double data) {
    return (codigo == 1 || codigo == 3) && plataforma::DiaDaSemana(data) == 1;
}

bool DiaDeSalarios(int codigo, double data, int indicecalendario) {
    return DiaDeJuros(codigo, data) || (codigo == 0 && indicecalendario <= 9);
}

void CobrarSemana(Jogo& jogo, int clube, int codigo, double data, int indicecalendario) {
    if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return;
    TFinancas& f = FinancasDe(jogo, clube);
    if (DiaDeSalarios(codigo, data, indicecalendario)) {
        MoverDinheiro(jogo, clube, -std::int64_t{f.salariosemanal});
        Somar(f.salarios, f.salariosemanal);
    }
    if (DiaDeJuros(codigo, data) && f.emprestimo > 0) {
        const i32 juros = match::ArredDiv(std::int64_t{f.emprestimo} * 3, 100);
        MoverDinheiro(jogo, clube, -std::int64_t{juros});
        f.juros = juros;
    }
}

} // namespace management
