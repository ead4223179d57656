#include "plataforma/datas.hpp"

#include <cmath>
#include <cstdio>

namespace plataforma {
namespace {

// Days from 0000-03-01 in the proleptic Gregorian calendar (civil-from-days).
constexpr std::int64_t DiasDesdeEra(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe);
}

// A compile-time constant, so dates computed while the program starts are right too.
constexpr std::int64_t kDia0 = DiasDesdeEra(1899, 12, 30);

} // namespace

bool AnoBissexto(int ano) {
    return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
}

int DiasNoMes(int ano, int mes) {
    static constexpr int kDias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mes < 1 || mes > 12) return 0;
    return mes == 2 && AnoBissexto(ano) ? 29 : kDias[mes - 1];
}

bool DataValida(int ano, int mes, int dia) {
    return ano >= 1 && ano <= 9999 && mes >= 1 && mes <= 12 && dia >= 1 &&
           dia <= DiasNoMes(ano, mes);
}

std::int32_t CodificarData(int ano, int mes, int dia) {
    return static_cast<std::int32_t>(
        DiasDesdeEra(ano, static_cast<unsigned>(mes), static_cast<unsigned>(dia)) - kDia0);
}

std::int32_t DiaInteiro(TData data) {
    if (!std::isfinite(data)) return 0;
    if (data > 3e6) return 3000000;
    if (data < -700000) return -700000;
    return static_cast<std::int32_t>(std::floor(data));
}

DataCivil DecodificarData(TData data) {
    const std::int64_t z = DiaInteiro(data) + kDia0;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

int DiaDaSemana(TData data) {
    // Day 0 (30 Dec 1899) was a Saturday.
    const std::int64_t d = DiaInteiro(data);
    return static_cast<int>(((d + 6) % 7 + 7) % 7) + 1;
}

TData SomarMeses(TData data, int meses) {
    const DataCivil c = DecodificarData(data);
    int total = c.ano * 12 + (c.mes - 1) + meses;
    const int ano = total / 12;
    const int mes = total % 12 + 1;
    int dia = c.dia;
    if (dia > DiasNoMes(ano, mes)) dia = DiasNoMes(ano, mes);
    return CodificarData(ano, mes, dia);
}

std::string TextoData(double data) {
    if (!(data > 0)) return {};
    const DataCivil d = DecodificarData(data);
    char s[16];
    std::snprintf(s, sizeof s, "%02d/%02d/%04d", d.dia, d.mes, d.ano);
    return s;
}

} // namespace plataforma
