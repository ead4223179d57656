#include "competitions/calendario.hpp"

#include "plataforma/datas.hpp"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace competitions {

using namespace world;

namespace {

constexpr int kQuarta = 4; // DiaDaSemana: 1 = Sunday

// Date numbers of each competition in one game mode.
struct TabelaCalendario {
    std::vector<int> livres, liga, copa, estadual, continental1, mundial, continental2;
};

std::vector<int> Serie(int de, int ate, std::initializer_list<int> mais = {}) {
    std::vector<int> r;
    for (int n = de; n <= ate; n += 3) r.push_back(n);
    r.insert(r.end(), mais);
    return r;
}

std::vector<int> Juntar(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const TabelaCalendario& TabelaDivisoesDe20() {
    static const TabelaCalendario t{
        {3, 6, 37, 50, 104, 110, 116, 125, 142},
        Juntar(Serie(36, 75),
               Serie(90, 120, {121, 123, 126, 129, 130, 132, 133, 135, 136, 138, 139, 141, 144})),
        {43, 49, 55, 64, 70, 76, 94, 100, 106, 112},
        {9, 10, 12, 13, 15, 16, 18, 21, 24, 27, 30, 33},
        {19, 22, 25, 28, 34, 40, 46, 52, 58, 61, 67, 73, 92, 98},
        {145, 146, 147},
        {59, 62, 68, 74, 91, 97, 103, 109, 115, 118, 124, 127, 131, 137},
    };
    return t;
}

const TabelaCalendario& TabelaDivisoesDe10() {
    static const TabelaCalendario t{
        {3, 6, 9, 31, 39, 42, 46, 50, 56, 62, 74, 92, 104, 117, 123, 129, 135, 141},
        Juntar(Serie(45, 75), Serie(90, 108)),
        {34, 37, 49, 55, 61, 67, 73, 91, 97, 103},
        {12, 13, 15, 16, 18, 19, 21, 24, 27, 30, 33, 36},
        {23, 26, 29, 41, 44, 53, 59, 65, 71, 77, 95, 101, 107, 110},
        {144, 145, 147},
        {22, 25, 28, 40, 43, 52, 58, 64, 70, 76, 94, 100, 106, 109},
    };
    return t;
}

// The national-team tournaments take the same dates in both modes; only the
// World Cup plays on date 87.
constexpr int kDatasSelecoes[] = {78, 79, 81, 82, 84, 85};
constexpr int kFinalCopaDoMundo = 87;

void Marcar(Calendario& c, const std::vector<int>& datas, int codigo) {
    for (int n : datas) c[n - 1].competicao = codigo;
}

void MarcarSelecoes(Calendario& c, int codigo) {
    for (int n : kDatasSelecoes) c[n - 1].competicao = codigo;
    c[kFinalCopaDoMundo - 1].competicao = codigo == kCopaDoMundo ? kCopaDoMundo : kAmistoso;
}

bool AmistosoPendente(const Jogo& jogo, double data) {
    const auto dia = plataforma::DiaInteiro(data);
    for (const TPartida& p : jogo.partidas)
        if (p.competicao == kAmistoso && !p.jogado && plataforma::DiaInteiro(p.data) == dia)
            return true;
    return false;
}

bool MundialComecou(const Jogo& jogo) {
    for (const TPartida& p : jogo.partidas)
        if (p.competicao == kMundialDeClubes) return true;
    return false;
}

} // namespace

double DiaDaData(int temporada, int n) {
    const std::int64_t ano = std::int64_t{2006} + temporada;
    if (ano < 1 || ano > 9999) return 0.0;
    double dia = plataforma::CodificarData(static_cast<int>(ano), 1, 1);
    while (plataforma::DiaDaSemana(dia) != kQuarta) dia += 1;
    // Dates go Wednesday, Thursday, Sunday: one week for every three.
    const int k = std::clamp(n, 1, kDatasPorTemporada) - 1;
    return dia + 7 * (k / 3) + (k % 3 == 0 ? 0 : k % 3 == 1 ? 1 : 4);
}

Calendario CalendarioDaTemporada(const TEstadoJogo& e) {
    const int temporada = e.temporada;
    Calendario c;
    for (int n = 1; n <= kDatasPorTemporada; ++n)
        c[n - 1] = {n, DiaDaData(temporada, n), kSemEvento};

    const TabelaCalendario& t =
        e.divisoesporliga == 2 ? TabelaDivisoesDe20() : TabelaDivisoesDe10();
    Marcar(c, t.livres, kAmistoso);
    Marcar(c, t.liga, kLiga);
    if (e.copanacional) Marcar(c, t.copa, kCopaNacional);
    if (e.estaduais) Marcar(c, t.estadual, kEstadual);
    // The continental cups qualify from the previous season's tables.
    if (e.continental1 && temporada > 1) {
        Marcar(c, t.continental1, kContinental1);
        Marcar(c, t.mundial, kMundialDeClubes);
    }
    if (e.continental2 && temporada > 1) Marcar(c, t.continental2, kContinental2);
    if (e.copadomundo && temporada % 4 == 0 && temporada <= 192) MarcarSelecoes(c, kCopaDoMundo);
    if (e.copaamerica && temporada % 4 == 1 && temporada <= 193) MarcarSelecoes(c, kCopaAmerica);
    if (e.eurocopa && temporada % 4 == 2 && temporada <= 194) MarcarSelecoes(c, kEurocopa);
    return c;
}

void MontarCalendario(Jogo& jogo) {
    jogo.calendario = CalendarioDaTemporada(jogo.estado);
}

int CompeticaoDaData(const Jogo& jogo, int n) {
    if (n < 1 || n > kDatasPorTemporada) return kSemEvento;
    return jogo.calendario[n - 1].competicao;
}

std::vector<double> DatasDaCompeticao(const Jogo& jogo, int competicao) {
    std::vector<double> r;
    for (const TDataCalendario& d : jogo.calendario)
        if (d.competicao == competicao) r.push_back(d.data);
    return r;
}

int ProximaData(Jogo& jogo, const std::function<bool()>& sortearmundial) {
    int& atual = jogo.estado.dataatual;
    for (int n = (atual < 0 ? 0 : atual) + 1; n <= kDatasPorTemporada; ++n) {
        const TDataCalendario& d = jogo.calendario[n - 1];
        if (d.competicao == kMundialDeClubes && !MundialComecou(jogo) &&
            !(sortearmundial && sortearmundial()))
            break; // without its six clubs the club world cup is not played
        if (d.competicao > kAmistoso ||
            (d.competicao == kAmistoso && AmistosoPendente(jogo, d.data))) {
            atual = n;
            return d.competicao;
        }
    }
    atual = kDatasPorTemporada;
    return kSemEvento;
}

int IrParaPrimeiraData(Jogo& jogo) {
    jogo.estado.dataatual = 0;
    const int codigo = ProximaData(jogo);
    if (codigo != kSemEvento) jogo.estado.tipo = codigo;
    return codigo;
}

void IniciarContadoresLiga(Jogo& jogo) {
    jogo.estado.contadores.rodadaliga = 1;
    jogo.estado.contadores.turnoliga = 1;
    jogo.estado.contadores.ligaencerrada = 0;
}

void IniciarContadores(Jogo& jogo) {
    TContadores& k = jogo.estado.contadores;
    k = {};
    IniciarContadoresLiga(jogo);
    k.fasecopa = k.turnocopa = 1;
    k.rodadaestadual = k.turnoestadual = 1;
    for (int s = 0; s < 2; ++s) k.fasecontinental[s] = k.turnocontinental[s] = 1;
    k.fasetorneio = 1;
}

void AvancarContadoresLiga(Jogo& jogo) {
    TContadores& e = jogo.estado.contadores;
    if (e.ligaencerrada) return;
    const int rodadas = (jogo.estado.divisoesporliga == 2 ? 20 : 10) - 1;
    if (e.rodadaliga < rodadas) {
        ++e.rodadaliga;
    } else if (e.turnoliga == 1) {
        e.turnoliga = 2;
        e.rodadaliga = 1;
    } else {
        e.ligaencerrada = 1;
    }
}

} // namespace competitions
