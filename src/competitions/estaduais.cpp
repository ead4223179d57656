#include "competitions/estaduais.hpp"

#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/historico.hpp"
#include "competitions/rodadas.hpp"
#include "match/penaltis.hpp"

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

namespace competitions {

using namespace world;

namespace {

constexpr int kVagas = 6;
// The final's matchday number in the fixture list.
constexpr int kRodadaFinal = 8;

int Grupos(const TEstadual& e) {
    return std::clamp<int>(e.numgrupos, 0, kGruposEstaduais);
}

bool EmJogo(const TEstadual& e) {
    return e.ativo && Grupos(e) > 0;
}

std::span<const i32> Slots(const TEstadual& e, int g) {
    return std::span<const i32>(e.grupos[g], kVagas);
}

// Slot of group g (0-based) whose club has this place, or -1.
int SlotComColocacao(const Jogo& jogo, const TEstadual& e, int g, int lugar) {
    for (int s = 0; s < kVagas; ++s) {
        const int c = e.grupos[g][s];
        if (jogo.TimeValido(c) && jogo.times[c].colocacao[kEstadual] == lugar) return s;
    }
    return -1;
}

// One club up from each group into the one above, one down in exchange.
void TrocarEntreGrupos(Jogo& jogo, TEstadual& e) {
    const int n = Grupos(e);
    // The last group has nobody below it to promote.
    for (int t = 0; t + 1 < n; ++t) {
        const int sobe = SlotComColocacao(jogo, e, t + 1, 1);
        if (sobe < 0) continue;
        int desce = SlotComColocacao(jogo, e, t, 6);
        if (desce < 0) desce = kVagas - 1;
        std::swap(e.grupos[t][desce], e.grupos[t + 1][sobe]);
        // The clubs just moved are not picked again by the next pair of groups.
        for (int c : {e.grupos[t][desce], e.grupos[t + 1][sobe]})
            if (jogo.TimeValido(c)) jogo.times[c].colocacao[kEstadual] = 0;
    }
}

void Embaralhar(Jogo& jogo, TEstadual& e) {
    for (int g = 0; g < Grupos(e); ++g)
        for (int s = 0; s < kVagas; ++s) {
            const int r = jogo.Aleatorio(kVagas);
            if (e.grupos[g][s] >= 0 && e.grupos[g][r] >= 0)
                std::swap(e.grupos[g][s], e.grupos[g][r]);
        }
}

// Steps shared by a new game and every season start: flags cleared, groups
// shuffled, clubs marked.
void MarcarTemporada(Jogo& jogo) {
    for (TEstadual& e : jogo.estaduais) {
        e.humano = 0;
        e.encerrado = 0;
        e.finalistas[0] = e.finalistas[1] = -1;
        e.campeao = -1;
    }
    for (TTime& t : jogo.times) t.jogaestadual = 0;
    for (TEstadual& e : jogo.estaduais)
        if (EmJogo(e)) Embaralhar(jogo, e);
    for (TEstadual& e : jogo.estaduais) {
        if (!EmJogo(e)) continue;
        for (int g = 0; g < Grupos(e); ++g)
            for (int c : Slots(e, g)) {
                if (!jogo.TimeValido(c)) continue;
                TTime& t = jogo.times[c];
                t.grupoestadual = g + 1;
                t.jogaestadual = 1;
                if (t.humano) e.humano = 1;
            }
    }
    // Clubs of the chosen leagues that play a state championship without a
    // coach get an unemployed computer coach here, once coaches change jobs.
}

double Data(const std::vector<double>& datas, int i) {
    return i >= 0 && i < static_cast<int>(datas.size()) ? datas[i] : 0.0;
}

// The final's leg of a state, or -1 when it is not in the list.
int PartidaDaFinal(const Jogo& jogo, int estado, int turno) {
    const int n = static_cast<int>(jogo.partidas.size());
    for (int i = 0; i < n; ++i) {
        const TPartida& p = jogo.partidas[i];
        if (p.competicao == kEstadual && p.grupo == estado && p.rodada == kRodadaFinal &&
            p.turno == turno)
            return i;
    }
    return -1;
}

void CriarFinal(Jogo& jogo, int estado, const std::vector<double>& datas) {
    TEstadual& e = jogo.estaduais[estado];
    const auto ordem = ClassificarGrupo(jogo, kEstadual, Slots(e, 0));
    if (ordem.size() < 2) return;
    const int campeaogrupo = ordem[0], vice = ordem[1];
    // The runner-up is at home first, the group winner plays the second leg at home.
    AdicionarPartida(jogo, vice, campeaogrupo, kRodadaFinal, -1, 1, estado, kEstadual,
                     Data(datas, 10));
    AdicionarPartida(jogo, campeaogrupo, vice, kRodadaFinal, -1, 2, estado, kEstadual,
                     Data(datas, 11));
    e.finalistas[0] = campeaogrupo;
    e.finalistas[1] = vice;
    for (int g = 0; g < Grupos(e); ++g) {
        const auto grupo = g == 0 ? ordem : ClassificarGrupo(jogo, kEstadual, Slots(e, g));
        for (std::size_t k = g == 0 ? 2 : 0; k < grupo.size(); ++k) {
            jogo.times[grupo[k]].jogaestadual = 0;
            competitions::RegistrarCampanha(jogo, grupo[k], static_cast<int>(k + 1), kEstadual,
                                            g + 1);
        }
    }
}

// The final as a two-legged tie; level on goals and away goals, the shoot-out
// the runner kept with the first leg, or one drawn now when it kept none.
void DecidirFinal(Jogo& jogo, int estado) {
    TEstadual& e = jogo.estaduais[estado];
    const int i = PartidaDaFinal(jogo, estado, 1), v = PartidaDaFinal(jogo, estado, 2);
    if (i < 0 || v < 0) return;
    if (!jogo.partidas[i].jogado || !jogo.partidas[v].jogado) return;
    TPartida& ida = jogo.partidas[i];
    const TPartida& volta = jogo.partidas[v];
    const int a = ida.mandante, b = ida.visitante;
    if (!jogo.TimeValido(a) || !jogo.TimeValido(b)) return;
    const int r = match::DecidirConfronto(ida.golsmandante, ida.golsvisitante, volta.golsmandante,
                                          volta.golsvisitante);
    int vencedor;
    if (r == 1) {
        vencedor = a;
    } else if (r == 2) {
        vencedor = b;
    } else {
        // A shoot-out never ends level, so equal numbers mean none was kept.
        if (ida.penaltismandante == ida.penaltisvisitante) {
            const match::TResultadoDisputa d = match::SortearDisputaDoisJogos(jogo);
            ida.penaltismandante = d.gols[0];
            ida.penaltisvisitante = d.gols[1];
        }
        vencedor = ida.penaltismandante > ida.penaltisvisitante ? a : b;
    }
    const int perdedor = vencedor == a ? b : a;
    competitions::RegistrarColocacao(jogo, kEstadual, vencedor, estado, 1, -1);
    competitions::RegistrarColocacao(jogo, kEstadual, perdedor, estado, 2, -1);
    e.campeao = vencedor;
    e.encerrado = 1;
    jogo.times[a].jogaestadual = 0;
    jogo.times[b].jogaestadual = 0;
}

} // namespace

void FormarEstaduais(Jogo& jogo) {
    std::array<std::vector<int>, kEstados> clubes;
    const int n = std::min<int>(jogo.estado.numtimesligas, static_cast<int>(jogo.times.size()));
    for (int c = 0; c < n; ++c) {
        const TTime& t = jogo.times[c];
        if (t.pais == jogo.estado.paisprincipal && t.estado >= 0 && t.estado < kEstados)
            clubes[t.estado].push_back(c);
    }
    for (int s = 0; s < kEstados; ++s) {
        TEstadual& e = jogo.estaduais[s];
        e = NovoEstadual();
        // Only full groups play; the clubs left over sit the season out.
        const int grupos =
            std::min<int>(static_cast<int>(clubes[s].size()) / kVagas, kGruposEstaduais);
        for (int g = 0; g < grupos; ++g)
            for (int k = 0; k < kVagas; ++k) e.grupos[g][k] = clubes[s][g * kVagas + k];
        e.numgrupos = grupos;
        e.ativo = grupos > 0 ? 1 : 0;
    }
    MarcarTemporada(jogo);
}

void NovaTemporadaEstadual(Jogo& jogo) {
    for (TEstadual& e : jogo.estaduais)
        if (EmJogo(e)) TrocarEntreGrupos(jogo, e);
    MarcarTemporada(jogo);
}

void GerarPartidasEstaduais(Jogo& jogo) {
    for (int s = 0; s < kEstados; ++s) {
        const TEstadual& e = jogo.estaduais[s];
        if (!EmJogo(e)) continue;
        GruposEstaduais grupos{};
        for (int g = 0; g < kGruposEstaduais; ++g)
            for (int k = 0; k < kVagas; ++k) grupos[g][k] = e.grupos[g][k];
        GerarPartidasEstadual(jogo, s, grupos, Grupos(e));
    }
}

void ClassificarEstaduais(Jogo& jogo) {
    for (TEstadual& e : jogo.estaduais)
        if (EmJogo(e))
            for (int g = 0; g < Grupos(e); ++g) ClassificarGrupo(jogo, kEstadual, Slots(e, g));
    const TContadores& k = jogo.estado.contadores;
    // Matchday 6 of the return leg is the first leg of the final.
    if (k.turnoestadual < 2 || k.rodadaestadual < 6) return;
    std::vector<double> datas;
    for (int s = 0; s < kEstados; ++s) {
        TEstadual& e = jogo.estaduais[s];
        if (!EmJogo(e) || e.encerrado) continue;
        if (e.finalistas[0] < 0) {
            if (datas.empty()) datas = DatasDaCompeticao(jogo, kEstadual);
            CriarFinal(jogo, s, datas);
        } else {
            DecidirFinal(jogo, s);
        }
    }
}

int PrimeiroEstadoMostrado(const Jogo& jogo) {
    const auto& e = jogo.estaduais;
    for (int s = 0; s < kEstados; ++s)
        if (e[s].ativo && e[s].humano) return s;
    if (e[0].numgrupos > 0) return 0;
    for (int s : {25, 18, 10})
        if (e[s].numgrupos > 0) return s;
    for (int s = 0; s < kEstados; ++s)
        if (e[s].ativo) return s;
    // No state plays: the screen opens on the first, empty, slot.
    return 0;
}

} // namespace competitions
