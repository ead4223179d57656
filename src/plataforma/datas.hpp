#pragma once
// Dates are day counts from 30 December 1899 (day 0), stored as doubles; the
// game only uses whole days.
#include <cstdint>
#include <string>

namespace plataforma {

using TData = double;

struct DataCivil {
    int ano = 1899;
    int mes = 12;
    int dia = 30;
    bool operator==(const DataCivil&) const = default;
};

bool AnoBissexto(int ano);
int DiasNoMes(int ano, int mes);
// Day count of a calendar date; the date must be valid (see DataValida).
std::int32_t CodificarData(int ano, int mes, int dia);
bool DataValida(int ano, int mes, int dia);
DataCivil DecodificarData(TData data);
// 1 = Sunday .. 7 = Saturday, the order the calendar uses.
int DiaDaSemana(TData data);
// Same day of a later (or earlier) month; the day is clamped to the month's end.
TData SomarMeses(TData data, int meses);
// The whole day of a date (drops the time of day).
std::int32_t DiaInteiro(TData data);

// A date as the game writes it, dd/mm/yyyy; empty for no date (0 or less).
std::string TextoData(double data);

} // namespace plataforma
