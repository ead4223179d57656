#include "competitions/rodadas.hpp"

#include "competitions/calendario.hpp"
#include "competitions/tabelas.hpp"
#include "plataforma/datas.hpp"

#include <vector>

namespace competitions {

using namespace world;

namespace {

// A competition missing from this season's calendar leaves its fixtures
// undated rather than reading past its dates.
double Data(const std::vector<double>& datas, int i) {
    return i >= 0 && i < static_cast<int>(datas.size()) ? datas[i] : 0.0;
}

// The two legs of a tie with its clubs still to be decided.
void AdicionarConfronto(Jogo& jogo, int rodada, int chave, int turnoida, int turnovolta, int grupo,
                        int competicao, double ida, double volta) {
    AdicionarPartida(jogo, -1, -1, rodada, chave, turnoida, grupo, competicao, ida);
    AdicionarPartida(jogo, -1, -1, rodada, chave, turnovolta, grupo, competicao, volta);
}

} // namespace

int AdicionarPartida(Jogo& jogo, int mandante, int visitante, int rodada, int chave, int turno,
                     int grupo, int competicao, double data) {
    TPartida p;
    p.mandante = mandante;
    p.visitante = visitante;
    p.rodada = rodada;
    p.chave = chave;
    p.turno = turno;
    p.grupo = grupo;
    p.competicao = competicao;
    p.data = data;
    jogo.partidas.push_back(p);
    return static_cast<int>(jogo.partidas.size()) - 1;
}

void GerarPartidasLiga(Jogo& jogo, int liga) {
    const auto datas = DatasDaCompeticao(jogo, kLiga);
    const TLiga& l = jogo.ligas[liga];
    const int n = jogo.estado.divisoesporliga == 2 ? 20 : 10;
    const int divisoes = l.numdivisoes < 0 ? 0 : (l.numdivisoes > 4 ? 4 : l.numdivisoes);
    for (int turno = 1; turno <= 2; ++turno)
        for (int m = 1; m <= n - 1; ++m) {
            const double data = Data(datas, (turno - 1) * (n - 1) + m - 1);
            for (int d = 0; d < divisoes; ++d)
                for (int p = 1; p <= n / 2; ++p) {
                    const ParDeTimes par = ParDaTabela(n, m, turno, p);
                    AdicionarPartida(jogo, l.divisoes[d][par.mandante - 1],
                                     l.divisoes[d][par.visitante - 1], m, -1, turno, liga, kLiga,
                                     data);
                }
        }
}

void GerarPartidasEstadual(Jogo& jogo, int estado, const GruposEstaduais& grupos, int numgrupos) {
    const auto datas = DatasDaCompeticao(jogo, kEstadual);
    const int n = numgrupos > 5 ? 5 : numgrupos;
    for (int g = 0; g < n; ++g)
        for (int turno = 1; turno <= 2; ++turno)
            for (int m = 1; m <= 5; ++m)
                for (int p = 1; p <= 3; ++p) {
                    const ParDeTimes par = ParDaTabela(6, m, turno, p);
                    AdicionarPartida(jogo, grupos[g][par.mandante - 1],
                                     grupos[g][par.visitante - 1], m, -1, turno, estado, kEstadual,
                                     Data(datas, (turno - 1) * 5 + m - 1));
                }
}

void GerarPartidasCopa(Jogo& jogo, int liga) {
    const auto datas = DatasDaCompeticao(jogo, kCopaNacional);
    const TLiga& l = jogo.ligas[liga];
    // A full first round of 32 needs enough clubs in the country.
    const bool de20 = jogo.estado.divisoesporliga == 2;
    const bool primeirafase = l.numdivisoes >= (de20 ? 2 : 3);
    int chave = 31;
    for (int fase = primeirafase ? 1 : 2; fase <= 5; ++fase) {
        const int confrontos = 16 >> (fase - 1);
        for (int c = 1; c <= confrontos; ++c)
            AdicionarConfronto(jogo, fase, chave--, c, c, liga, kCopaNacional,
                               Data(datas, 2 * (fase - 1)), Data(datas, 2 * (fase - 1) + 1));
    }
}

void GerarPartidasContinental(Jogo& jogo, int competicao, const GruposContinentais& grupos) {
    const auto datas = DatasDaCompeticao(jogo, competicao);
    for (int r = 0; r < 2; ++r)
        for (const auto& grupo : grupos[r])
            for (int turno = 1; turno <= 2; ++turno)
                for (int m = 1; m <= 3; ++m)
                    for (int p = 1; p <= 2; ++p) {
                        const ParDeTimes par = ParDaTabela(4, m, turno, p);
                        const int a = grupo[par.mandante - 1], b = grupo[par.visitante - 1];
                        // An empty slot plays nobody: its opponents rest that day.
                        if (a < 0 || b < 0) continue;
                        AdicionarPartida(jogo, a, b, m, -1, turno, r + 1, competicao,
                                         Data(datas, (turno - 1) * 3 + m - 1));
                    }
    for (int r = 1; r <= 2; ++r)
        for (int fase = 4; fase <= 7; ++fase) {
            const int confrontos = 8 >> (fase - 4);
            const int ida = 6 + 2 * (fase - 4);
            for (int c = 0; c < confrontos; ++c)
                AdicionarConfronto(jogo, fase, -1, 1, 2, r, competicao, Data(datas, ida),
                                   Data(datas, ida + 1));
        }
}

void GerarPartidasDaTemporada(Jogo& jogo) {
    jogo.partidas.clear();
    const int ligas = static_cast<int>(jogo.ligas.size());
    for (int l = 0; l < ligas; ++l) GerarPartidasLiga(jogo, l);
    if (jogo.estado.copanacional)
        for (int l = 0; l < ligas; ++l) GerarPartidasCopa(jogo, l);
}

int ProcurarPartida(const Jogo& jogo, int grupo, int competicao, int rodada) {
    for (std::size_t i = 0; i < jogo.partidas.size(); ++i) {
        const TPartida& p = jogo.partidas[i];
        if (p.grupo == grupo && p.competicao == competicao && p.rodada == rodada)
            return static_cast<int>(i);
    }
    return -1;
}

int PartidaDoTime(const Jogo& jogo, int time, double data) {
    if (time < 0) return -1;
    const auto dia = plataforma::DiaInteiro(data);
    for (std::size_t i = 0; i < jogo.partidas.size(); ++i) {
        const TPartida& p = jogo.partidas[i];
        if ((p.mandante == time || p.visitante == time) && plataforma::DiaInteiro(p.data) == dia)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace competitions
