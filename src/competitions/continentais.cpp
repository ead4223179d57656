// The continental cups: lists, draw, groups and knockout.
#include "competitions/continentais.hpp"

#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/confrontos.hpp"
#include "competitions/copa.hpp"
#include "competitions/historico.hpp"
#include "competitions/rodadas.hpp"
#include "match/penaltis.hpp"
#include "world/paises.hpp"

#include <algorithm>
#include <utility>

namespace competitions {

using namespace world;

namespace {

constexpr int kRegiao1[] = {29, 11, 195, 150, 42, 46, 60, 131, 151, 26, 198};
constexpr int kRegiao2[] = {97,  65, 104, 3,  72, 85,  154, 162, 193, 78, 160, 62,  21, 159,
                            192, 15, 52,  31, 88, 171, 179, 152, 180, 76, 142, 103, 54};

struct Vaga {
    int pais, de, ate;
};

// Where each cup's seeds and others come from, by region; the wildcards of
// region 2's first cup are drawn apart.
constexpr Vaga kCabecas41[] = {{29, 1, 4}, {11, 1, 4}};
constexpr Vaga kOutros41[] = {{195, 1, 3}, {150, 1, 3}, {42, 1, 3}, {46, 1, 3}, {60, 1, 3},
                              {131, 1, 3}, {151, 1, 2}, {26, 1, 2}, {198, 1, 2}};
constexpr Vaga kCabecas61[] = {{29, 5, 8}, {11, 5, 8}};
constexpr Vaga kOutros61[] = {{195, 4, 6}, {150, 4, 6}, {42, 4, 6}, {46, 4, 6}, {60, 4, 6},
                              {131, 4, 6}, {151, 3, 4}, {26, 3, 4}, {198, 3, 4}};
constexpr Vaga kCabecas42[] = {{97, 1, 2}, {65, 1, 2}, {104, 1, 2}, {3, 1, 2}};
constexpr Vaga kOutros42[] = {{97, 3, 4},  {65, 3, 4},  {104, 3, 4}, {3, 3, 3},   {72, 1, 3},
                              {85, 1, 2},  {154, 1, 2}, {162, 1, 1}, {193, 1, 1}, {78, 1, 1},
                              {160, 1, 1}, {62, 1, 1},  {21, 1, 1},  {159, 1, 1}, {192, 1, 1}};
constexpr int kCuringa1[] = {54, 52, 31};
constexpr int kCuringa2[] = {88, 171, 179, 15};
constexpr Vaga kCabecas62[] = {{97, 5, 6}, {65, 5, 6}, {104, 5, 6}, {3, 4, 5}};
constexpr Vaga kOutros62[] = {{97, 7, 7},  {65, 7, 7},  {104, 7, 7}, {72, 4, 5},  {85, 3, 4},
                              {154, 3, 4}, {162, 2, 3}, {192, 2, 3}, {193, 2, 2}, {78, 2, 2},
                              {160, 2, 2}, {62, 2, 2},  {21, 2, 2},  {3, 7, 7},   {152, 1, 1},
                              {180, 1, 1}, {76, 1, 1},  {142, 1, 1}, {103, 1, 1}};

int Copa(int competicao) {
    return competicao == kContinental2 ? 1 : 0;
}

bool CompeticaoValida(int competicao) {
    return competicao == kContinental1 || competicao == kContinental2;
}

u8& Flag(TTime& t, int competicao) {
    return competicao == kContinental2 ? t.jogacontinental2 : t.jogacontinental;
}

i32& GrupoDoTime(TTime& t, int competicao) {
    return competicao == kContinental2 ? t.grupocontinental2 : t.grupocontinental;
}

// The ties of a knockout phase, by tie number.
using Fase = std::array<Confronto, 8>;

int ConfrontosDaFase(int fase) {
    return 8 >> (fase - 4);
}

// The k-th first leg and k-th second leg of the phase are tie k.
Fase FaseDoMataMata(const Jogo& jogo, int competicao, int regiao, int fase) {
    Fase f{};
    int idas = 0, voltas = 0;
    const int n = ConfrontosDaFase(fase);
    for (std::size_t i = 0; i < jogo.partidas.size(); ++i) {
        const TPartida& p = jogo.partidas[i];
        if (p.competicao != competicao || p.grupo != regiao || p.rodada != fase) continue;
        if (p.turno == 1 && idas < n) f[idas++].ida = static_cast<int>(i);
        if (p.turno == 2 && voltas < n) f[voltas++].volta = static_cast<int>(i);
    }
    return f;
}

// Who goes through, by the national cup's rules (a missing shoot-out drawn
// now); -1 while undecided.
int Vencedor(Jogo& jogo, const Confronto& c) {
    return DecidirIdaEVolta(jogo, c.ida, c.volta);
}

// The slots of the draw, seeds and others, before the shuffle.
struct Potes {
    std::array<int, 8> cabecas;
    std::array<int, 24> outros;
};

void Tirar(const Jogo& jogo, std::span<const Vaga> vagas, int* destino, int& n, int limite) {
    for (const Vaga& v : vagas)
        for (int e = v.de; e <= v.ate; ++e)
            if (n < limite) destino[n++] = EntradaDaLista(jogo, v.pais, e);
}

// A wildcard: the first candidate country whose first club is human-coached,
// else one drawn at random (drawing again while it falls on an empty list).
int Curinga(Jogo& jogo, std::span<const int> paises) {
    for (int p : paises) {
        const int c = EntradaDaLista(jogo, p, 1);
        if (jogo.ClubeReal(c) && jogo.times[c].humano) return c;
    }
    int c = -1;
    for (int tentativa = 0; tentativa < 50 && c < 0; ++tentativa)
        c = EntradaDaLista(jogo, paises[jogo.Aleatorio(static_cast<int>(paises.size()))], 1);
    return c;
}

Potes Montar(Jogo& jogo, int competicao, int regiao) {
    Potes p;
    p.cabecas.fill(-1);
    p.outros.fill(-1);
    int nc = 0, no = 0;
    const bool primeira = competicao == kContinental1;
    if (regiao == 1) {
        Tirar(jogo,
              primeira ? std::span<const Vaga>(kCabecas41) : std::span<const Vaga>(kCabecas61),
              p.cabecas.data(), nc, 8);
        Tirar(jogo, primeira ? std::span<const Vaga>(kOutros41) : std::span<const Vaga>(kOutros61),
              p.outros.data(), no, 24);
    } else {
        Tirar(jogo,
              primeira ? std::span<const Vaga>(kCabecas42) : std::span<const Vaga>(kCabecas62),
              p.cabecas.data(), nc, 8);
        Tirar(jogo, primeira ? std::span<const Vaga>(kOutros42) : std::span<const Vaga>(kOutros62),
              p.outros.data(), no, 24);
        if (primeira) {
            p.outros[no++] = Curinga(jogo, kCuringa1);
            p.outros[no++] = Curinga(jogo, kCuringa2);
        }
    }
    return p;
}

// The clubs of a region's countries, strongest first (level, then club
// order), for the slots the lists leave empty.
std::vector<int> ReservasDaRegiao(const Jogo& jogo, int regiao) {
    std::vector<int> r;
    const int n = std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao());
    for (int c = 0; c < n; ++c)
        if (RegiaoDoPais(jogo.times[c].pais) == regiao) r.push_back(c);
    std::stable_sort(r.begin(), r.end(),
                     [&](int a, int b) { return jogo.times[a].nivel > jogo.times[b].nivel; });
    return r;
}

// Empty, invalid or repeated slots take the strongest club of the region
// that is in neither cup yet.
template <std::size_t N>
void Completar(const Jogo& jogo, std::array<int, N>& slots, std::vector<char>& usado,
               const std::vector<int>& reservas, std::size_t& proxima) {
    for (int& c : slots) {
        if (jogo.ClubeReal(c) && !usado[c]) {
            usado[c] = 1;
            continue;
        }
        c = -1;
        while (proxima < reservas.size() && usado[reservas[proxima]]) ++proxima;
        if (proxima < reservas.size()) {
            c = reservas[proxima++];
            usado[c] = 1;
        }
    }
}

template <std::size_t N> void Embaralhar(Jogo& jogo, std::array<int, N>& a) {
    for (std::size_t i = 0; i < N; ++i) std::swap(a[i], a[jogo.Aleatorio(static_cast<int>(N))]);
}

void LimparGrupos(TEstadoJogo& e) {
    for (auto& copa : e.gruposcontinentais)
        for (auto& regiao : copa)
            for (auto& grupo : regiao)
                for (i32& c : grupo) c = -1;
}

void Registrar(Jogo& jogo, int competicao, int campeao, int vice, int regiao) {
    Flag(jogo.times[campeao], competicao) = 0;
    competitions::RegistrarColocacao(jogo, competicao, campeao, regiao, 1, -1);
    if (jogo.ClubeReal(vice))
        competitions::RegistrarColocacao(jogo, competicao, vice, regiao, 2, -1);
}

// The groups are over: third and fourth go home, the last 16 is filled.
void EncerrarGrupos(Jogo& jogo, int competicao, int regiao) {
    const Fase oitavas = FaseDoMataMata(jogo, competicao, regiao, 4);
    if (!FaseVazia(jogo, oitavas)) return; // done already
    std::array<int, 8> primeiro, segundo;
    primeiro.fill(-1);
    segundo.fill(-1);
    for (int g = 1; g <= 8; ++g) {
        const std::vector<int> ordem =
            ClassificarGrupo(jogo, competicao, ClubesDoGrupo(jogo, competicao, regiao, g));
        for (std::size_t k = 0; k < ordem.size(); ++k) {
            const int c = ordem[k];
            if (k == 0) primeiro[g - 1] = c;
            if (k == 1) segundo[g - 1] = c;
            if (k < 2) continue;
            Flag(jogo.times[c], competicao) = 0;
            if (c < jogo.estado.numtimesligas)
                competitions::RegistrarCampanha(jogo, c, 3, competicao, regiao);
        }
    }
    // Runner-up at home first; group g's winner meets the runner-up of the
    // group four away.
    static constexpr std::pair<int, int> kOitavas[8] = {{5, 1}, {1, 5}, {6, 2}, {2, 6},
                                                        {7, 3}, {3, 7}, {8, 4}, {4, 8}};
    for (int k = 0; k < 8; ++k)
        EscreverConfronto(jogo, oitavas[k], segundo[kOitavas[k].first - 1],
                          primeiro[kOitavas[k].second - 1]);
}

// Phase `fase` is over: its winners into the next phase, or the champion.
void EncerrarFase(Jogo& jogo, int competicao, int regiao, int fase) {
    const Fase f = FaseDoMataMata(jogo, competicao, regiao, fase);
    if (fase == 7) {
        if (competitions::CampeaoDe(jogo, competicao, regiao, jogo.estado.temporada) >= 0) return;
        const int campeao = Vencedor(jogo, f[0]);
        if (campeao < 0) return;
        const TPartida& ida = jogo.partidas[f[0].ida];
        Registrar(jogo, competicao, campeao, ida.mandante == campeao ? ida.visitante : ida.mandante,
                  regiao);
        return;
    }
    const Fase proxima = FaseDoMataMata(jogo, competicao, regiao, fase + 1);
    if (!FaseVazia(jogo, proxima)) return;
    const int n = ConfrontosDaFase(fase);
    for (int k = 0; k + 1 < n; k += 2)
        EscreverConfronto(jogo, proxima[k / 2], Vencedor(jogo, f[k]), Vencedor(jogo, f[k + 1]));
}

} // namespace

int RegiaoDoPais(int pais) {
    for (int p : kRegiao1)
        if (p == pais) return 1;
    for (int p : kRegiao2)
        if (p == pais) return 2;
    return 0;
}

int VagasContinentais(int pais) {
    switch (ContinentePais(pais)) {
    case 1:
        switch (pais) {
        case 29:
        case 11:
            return 4;
        case 42:
        case 46:
        case 60:
        case 131:
        case 150:
        case 195:
            return 3;
        case 26:
        case 151:
        case 198:
            return 2;
        default:
            return 0;
        }
    case 0:
        switch (pais) {
        case 65:
        case 97:
        case 104:
            return 4;
        case 3:
        case 72:
            return 3;
        case 85:
        case 154:
            return 2;
        case 21:
        case 62:
        case 78:
        case 159:
        case 160:
        case 162:
        case 192:
        case 193:
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

std::vector<int> MelhoresTimes(Jogo& jogo, int pais, int temporada) {
    struct Candidato {
        int time, nivel, sorte;
    };
    std::vector<Candidato> c;
    const int n = std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao());
    for (int t = 0; t < n; ++t) {
        if (jogo.times[t].pais != pais) continue;
        int nivel = jogo.times[t].nivel;
        int queda = 0;
        if (nivel >= 20)
            nivel = 20, queda = 2;
        else if (nivel >= 18)
            nivel = 18, queda = 2;
        else if (nivel >= 16)
            nivel = 17, queda = 1;
        if (queda > 0 && temporada >= 2 && jogo.Aleatorio(12) == 0) nivel -= queda;
        c.push_back({t, nivel, jogo.Aleatorio(100)});
    }
    std::stable_sort(c.begin(), c.end(), [](const Candidato& a, const Candidato& b) {
        return a.nivel != b.nivel ? a.nivel > b.nivel : a.sorte > b.sorte;
    });
    std::vector<int> r;
    for (std::size_t k = 0; k < c.size() && k < static_cast<std::size_t>(kEntradasLista); ++k)
        r.push_back(c[k].time);
    return r;
}

std::vector<int> ListaDeClassificacao(const Jogo& jogo, int liga, int temporada) {
    std::vector<int> r;
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size())) return r;
    const TLiga& l = jogo.ligas[liga];
    if (l.numdivisoes < 1) return r;
    const int vagas = jogo.estado.divisoesporliga == 2 ? 20 : 10;
    std::vector<int> ordem;
    for (int k = 0; k < vagas; ++k)
        if (jogo.ClubeReal(l.ordem[0][k])) ordem.push_back(l.ordem[0][k]);
    const int copa = jogo.estado.copanacional
                         ? competitions::CampeaoDe(jogo, kCopaNacional, l.pais, temporada)
                         : -1;
    auto por = [&](int c) {
        if (r.size() < 8 && jogo.ClubeReal(c) && std::find(r.begin(), r.end(), c) == r.end())
            r.push_back(c);
    };
    if (jogo.ClubeReal(copa) && VagasContinentais(l.pais) > 1 && !ordem.empty()) {
        if (copa == ordem[0]) {
            // The cup winner is the champion: the runner-up goes first.
            if (ordem.size() > 1) por(ordem[1]);
            por(ordem[0]);
        } else {
            por(ordem[0]);
            por(copa);
        }
    }
    for (int c : ordem) por(c);
    return r;
}

void MontarListasContinentais(Jogo& jogo) {
    TEstadoJogo& e = jogo.estado;
    const int temporada = e.temporada;
    for (int p = 0; p < kPaisesListas; ++p) {
        const int liga = jogo.LigaDoPais(p);
        const std::vector<int> lista = liga >= 0 ? ListaDeClassificacao(jogo, liga, temporada)
                                                 : MelhoresTimes(jogo, p, temporada + 1);
        i32* linha = e.listascontinentais[p];
        for (int k = 0; k <= kEntradasLista; ++k) linha[k] = -1;
        linha[0] = static_cast<i32>(std::min<std::size_t>(lista.size(), kEntradasLista));
        for (int k = 0; k < linha[0]; ++k) linha[k + 1] = lista[k];
    }
}

int EntradaDaLista(const Jogo& jogo, int pais, int n) {
    if (pais < 0 || pais >= kPaisesListas || n < 1) return -1;
    const i32* linha = jogo.estado.listascontinentais[pais];
    if (n > std::clamp<int>(linha[0], 0, kEntradasLista)) return -1;
    return jogo.ClubeReal(linha[n]) ? linha[n] : -1;
}

void QualificarContinentais(Jogo& jogo) {
    TEstadoJogo& e = jogo.estado;
    LimparGrupos(e);
    for (TTime& t : jogo.times) {
        t.jogacontinental = t.jogacontinental2 = t.jogamundial = 0;
        t.grupocontinental = t.grupocontinental2 = 0;
    }
    e.temporadacontinental = 0;
    if (!e.continental1 || e.temporada < 2) return;
    std::vector<char> usado(jogo.times.size(), 0);
    const int copas = e.continental2 ? 2 : 1;
    std::vector<int> reservas[2] = {ReservasDaRegiao(jogo, 1), ReservasDaRegiao(jogo, 2)};
    std::size_t proxima[2] = {0, 0};
    for (int k = 0; k < copas; ++k) {
        const int competicao = k == 0 ? kContinental1 : kContinental2;
        GruposContinentais grupos{};
        for (int r = 1; r <= 2; ++r) {
            Potes p = Montar(jogo, competicao, r);
            Completar(jogo, p.cabecas, usado, reservas[r - 1], proxima[r - 1]);
            Completar(jogo, p.outros, usado, reservas[r - 1], proxima[r - 1]);
            Embaralhar(jogo, p.cabecas);
            Embaralhar(jogo, p.outros);
            for (int g = 0; g < 8; ++g) {
                const int slots[4] = {p.cabecas[g], p.outros[3 * g], p.outros[3 * g + 1],
                                      p.outros[3 * g + 2]};
                for (int s = 0; s < 4; ++s) {
                    const int c = slots[s];
                    e.gruposcontinentais[k][r - 1][g][s] = c;
                    grupos[r - 1][g][s] = c;
                    if (c < 0) continue;
                    Flag(jogo.times[c], competicao) = 1;
                    GrupoDoTime(jogo.times[c], competicao) = g + 1;
                }
            }
        }
        GerarPartidasContinental(jogo, competicao, grupos);
        e.contadores.fasecontinental[k] = e.contadores.turnocontinental[k] = 1;
    }
    e.temporadacontinental = e.temporada;
}

bool GruposSorteados(const Jogo& jogo) {
    return jogo.estado.temporadacontinental == jogo.estado.temporada && jogo.estado.temporada > 1;
}

int ClubeDoGrupo(const Jogo& jogo, int competicao, int regiao, int grupo, int slot) {
    if (!CompeticaoValida(competicao) || regiao < 1 || regiao > 2 || grupo < 1 || grupo > 8 ||
        slot < 1 || slot > 4 || !GruposSorteados(jogo))
        return -1;
    const int c = jogo.estado.gruposcontinentais[Copa(competicao)][regiao - 1][grupo - 1][slot - 1];
    return jogo.ClubeReal(c) ? c : -1;
}

std::vector<int> ClubesDoGrupo(const Jogo& jogo, int competicao, int regiao, int grupo) {
    std::vector<int> r;
    for (int s = 1; s <= 4; ++s)
        if (const int c = ClubeDoGrupo(jogo, competicao, regiao, grupo, s); c >= 0) r.push_back(c);
    return r;
}

void ClassificarGrupos(Jogo& jogo, int competicao) {
    if (!CompeticaoValida(competicao) || !GruposSorteados(jogo)) return;
    const TContadores& k = jogo.estado.contadores;
    const bool encerrados = k.fasecontinental[Copa(competicao)] >= 4;
    for (int r = 1; r <= 2; ++r) {
        if (encerrados) {
            EncerrarGrupos(jogo, competicao, r);
            continue;
        }
        for (int g = 1; g <= 8; ++g)
            ClassificarGrupo(jogo, competicao, ClubesDoGrupo(jogo, competicao, r, g));
    }
}

void AvancarContinental(Jogo& jogo, int competicao) {
    if (!CompeticaoValida(competicao) || !GruposSorteados(jogo)) return;
    const TContadores& k = jogo.estado.contadores;
    const int s = Copa(competicao);
    const int fase = k.fasecontinental[s];
    if (fase <= 4) ClassificarGrupos(jogo, competicao);
    // A knockout phase ends with its second leg: the counter has moved on to
    // the next phase's first leg (8 after the final).
    if (fase < 5 || k.turnocontinental[s] != 1) return;
    for (int r = 1; r <= 2; ++r)
        for (int f = 4; f < fase && f <= 7; ++f) EncerrarFase(jogo, competicao, r, f);
}

std::array<TCaixaContinental, 15> ChaveContinental(const Jogo& jogo, int competicao, int regiao) {
    std::array<TCaixaContinental, 15> caixas{};
    if (!CompeticaoValida(competicao) || regiao < 1 || regiao > 2) return caixas;
    static constexpr int kPrimeira[4] = {0, 8, 12, 14};
    for (int fase = 4; fase <= 7; ++fase) {
        const Fase f = FaseDoMataMata(jogo, competicao, regiao, fase);
        for (int t = 0; t < ConfrontosDaFase(fase); ++t) {
            TCaixaContinental& x = caixas[kPrimeira[fase - 4] + t];
            const Confronto& c = f[t];
            x.ida = c.ida;
            x.volta = c.volta;
            if (c.ida < 0) continue;
            const TPartida& ida = jogo.partidas[c.ida];
            x.mandante = jogo.ClubeReal(ida.mandante) ? ida.mandante : -1;
            x.visitante = jogo.ClubeReal(ida.visitante) ? ida.visitante : -1;
            if (x.mandante < 0 && x.visitante < 0) continue;
            const bool jogado = c.volta >= 0 && jogo.partidas[c.volta].jogado;
            if (x.mandante >= 0 && x.visitante >= 0 && jogado) {
                x.placar = PlacarDoConfronto(ida, jogo.partidas[c.volta]);
                const TPartida& v = jogo.partidas[c.volta];
                const int r = match::DecidirConfronto(ida.golsmandante, ida.golsvisitante,
                                                      v.golsmandante, v.golsvisitante);
                if (r != 3)
                    x.vencedor = r == 1 ? x.mandante : x.visitante;
                else if (ida.penaltismandante != ida.penaltisvisitante)
                    x.vencedor =
                        ida.penaltismandante > ida.penaltisvisitante ? x.mandante : x.visitante;
            } else if (x.mandante < 0 || x.visitante < 0) {
                x.vencedor = x.mandante < 0 ? x.visitante : x.mandante;
            }
        }
    }
    return caixas;
}

} // namespace competitions
