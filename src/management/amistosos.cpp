#include "management/amistosos.hpp"

#include "competitions/calendario.hpp"
#include "competitions/rodadas.hpp"
#include "plataforma/ordemalfabetica.hpp"

#include <algorithm>

namespace management {

using namespace world;

namespace {

bool ClubeEmJogo(const Jogo& jogo, int c) {
    return c >= 0 && c < std::min(static_cast<int>(jogo.times.size()), jogo.PrimeiraSelecao()) &&
           !jogo.times[c].nome.empty();
}

bool DataLivre(const Jogo& jogo, int n) {
    return competitions::CompeticaoDaData(jogo, n) == competitions::kAmistoso;
}

// The fee by the opponent's division at home / away; past division 4 and
// without one, the last pair.
constexpr i32 kCotaDivisao[5][2] = {
    {300000, 100000}, {180000, 80000}, {80000, 50000}, {50000, 30000}, {20000, 10000}};

struct FaixaNivel {
    int ate;
    i32 casa, fora;
};
constexpr FaixaNivel kCotaNivel[] = {
    {10, 70000, 30000}, {15, 200000, 60000}, {20, 400000, 150000}, {25, 600000, 350000}};

} // namespace

int LimiteDosAmistosos(const Jogo& jogo, bool pretemporada) {
    if (pretemporada)
        for (int n = 1; n <= kDatasPorTemporada; ++n) {
            const int c = competitions::CompeticaoDaData(jogo, n);
            if (c == competitions::kLiga || c == competitions::kEstadual) return n;
        }
    return kDatasPorTemporada;
}

bool TemAmistosoNaData(const Jogo& jogo, int clube, int indicedata) {
    for (const TAmistoso& a : jogo.amistosos)
        if (!a.jogado && a.indicedata == indicedata &&
            (a.mandante == clube || a.visitante == clube))
            return true;
    return false;
}

std::vector<int> DatasParaAmistoso(const Jogo& jogo, int clube, bool pretemporada) {
    std::vector<int> r;
    if (!ClubeEmJogo(jogo, clube)) return r;
    const int limite = LimiteDosAmistosos(jogo, pretemporada);
    for (int n = std::max(jogo.estado.dataatual, 0) + 1; n <= limite; ++n)
        if (DataLivre(jogo, n) && !TemAmistosoNaData(jogo, clube, n)) r.push_back(n);
    return r;
}

std::vector<int> AdversariosDeAmistoso(const Jogo& jogo, int clube) {
    std::vector<int> r;
    const int n = std::min(static_cast<int>(jogo.times.size()), jogo.PrimeiraSelecao());
    for (int c = 0; c < n; ++c)
        if (c != clube && ClubeEmJogo(jogo, c)) r.push_back(c);
    std::stable_sort(r.begin(), r.end(), [&](int a, int b) {
        return plataforma::MenorAlfabetico(jogo.times[a].nome.view(), jogo.times[b].nome.view());
    });
    return r;
}

i32 CotaDoAmistoso(const Jogo& jogo, int clube, int adversario, bool emcasa) {
    if (!jogo.TimeValido(clube) || !jogo.TimeValido(adversario)) return 0;
    const TTime& a = jogo.times[adversario];
    if (a.humano) return 0;
    const int lado = emcasa ? 0 : 1;
    if (a.pais == jogo.times[clube].pais) {
        const int d = a.divisao >= 1 && a.divisao <= 4 ? a.divisao - 1 : 4;
        return kCotaDivisao[d][lado];
    }
    for (const FaixaNivel& f : kCotaNivel)
        if (a.nivel >= 1 && a.nivel <= f.ate) return emcasa ? f.casa : f.fora;
    return 0;
}

Marcacao ConferirAmistoso(const Jogo& jogo, int clube, int adversario, int indicedata, bool emcasa,
                          bool pretemporada) {
    if (!ClubeEmJogo(jogo, clube)) return Marcacao::SemClube;
    if (!ClubeEmJogo(jogo, adversario) || clube == adversario) return Marcacao::SemAdversario;
    const std::vector<int> datas = DatasParaAmistoso(jogo, clube, pretemporada);
    if (std::find(datas.begin(), datas.end(), indicedata) == datas.end())
        return Marcacao::DataIndisponivel;
    if (TemAmistosoNaData(jogo, adversario, indicedata)) return Marcacao::AdversarioOcupado;
    if (jogo.times[clube].dinheiro < CotaDoAmistoso(jogo, clube, adversario, emcasa))
        return Marcacao::SemDinheiro;
    return Marcacao::Marcado;
}

Marcacao MarcarAmistoso(Jogo& jogo, int clube, int adversario, int indicedata, bool emcasa,
                        bool pretemporada) {
    const Marcacao m = ConferirAmistoso(jogo, clube, adversario, indicedata, emcasa, pretemporada);
    if (m != Marcacao::Marcado) return m;
    jogo.times[clube].dinheiro -= CotaDoAmistoso(jogo, clube, adversario, emcasa);
    const int mandante = emcasa ? clube : adversario;
    const int visitante = emcasa ? adversario : clube;
    const double data = jogo.calendario[indicedata - 1].data;
    jogo.amistosos.push_back({mandante, visitante, 0, indicedata, data});
    competitions::AdicionarPartida(jogo, mandante, visitante, -1, -1, -1, -1,
                                   competitions::kAmistoso, data);
    return m;
}

void AtualizarAmistosos(Jogo& jogo) {
    for (TAmistoso& a : jogo.amistosos) {
        if (a.jogado) continue;
        for (const TPartida& p : jogo.partidas)
            if (p.competicao == competitions::kAmistoso && p.jogado && p.data == a.data &&
                p.mandante == a.mandante && p.visitante == a.visitante) {
                a.jogado = 1;
                break;
            }
    }
}

void CancelarAmistosos(Jogo& jogo, int clube) {
    // On a free date the friendly of the day is already under way.
    if (DataLivre(jogo, jogo.estado.dataatual)) return;
    for (TAmistoso& a : jogo.amistosos) {
        if (a.jogado || (a.mandante != clube && a.visitante != clube)) continue;
        a.jogado = 1;
        // The fixture leaves the season: no competition plays it, no list
        // shows it.
        for (TPartida& p : jogo.partidas)
            if (p.competicao == competitions::kAmistoso && !p.jogado && p.data == a.data &&
                p.mandante == a.mandante && p.visitante == a.visitante) {
                p.competicao = competitions::kSemEvento;
                p.jogado = 1;
                break;
            }
    }
}

} // namespace management
