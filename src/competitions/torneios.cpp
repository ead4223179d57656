// The World Cup, the Copa America and the Euro.
//
// Where the venues come from: the host cities are fourteen groups of four
// (South America 0..6, Europe 7..13). Each tournament takes two city groups
// at its draw: the Copa America two South American ones, the Euro two
// European ones, the World Cup its host's own when the host has one (the
// second from the host's region), otherwise two of the fourteen. Groups 1..4
// play in the first city group (group g in its g-th city), groups 5..8 in the
// second; knockout pairing k goes to city group k mod 2, city (k / 2) mod 4,
// so the final, the first pairing of the last phase, is in the first city.
#include "competitions/torneios.hpp"

#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/historico.hpp"
#include "competitions/rodadas.hpp"
#include "plataforma/cp1252.hpp"
#include "world/clubes.hpp"
#include "world/posicoes.hpp"
#include "world/selecoes.hpp"
#include "world/valores.hpp"

#include <algorithm>
#include <array>
#include <numeric>

namespace competitions {

using namespace world;

namespace {

// The hosts of the World Cup, one after the other.
const std::vector<int> kSedes = {97,  3,  72, 29, 11,  65, 104, 68, 131,
                                 107, 49, 1,  14, 154, 85, 42,  9,  129};

constexpr const char* kCidades[14][4] = {
    {"Caracas", "Maracaibo", "San Cristóbal", "Puerto Ordaz"},
    {"Buenos Aires", "Cordoba", "Mar del Plata", "Rosario"},
    {"Santiago", "Vinã del Mar", "Valparaíso", "Concepción"},
    {"Montevidéu", "Salto", "Las Piedras", "Maldonado"},
    {"Assunción", "Ciudad del Este", "San Lorenzo", "Lambare"},
    {"São Paulo", "Rio de Janeiro", "Belo Horizonte", "Porto Alegre"},
    {"Bogotá", "Cali", "Medellin", "Barranquilla"},
    {"Viena", "Berna", "Graz", "Salzburg"},
    {"Lisboa", "Porto", "Aveiro", "Coimbra"},
    {"Londres", "Manchester", "Leeds", "Liverpool"},
    {"Berlin", "Munich", "Dortmund", "Frankfurt"},
    {"Madrid", "Sevilha", "Barcelona", "Gijón"},
    {"Roma", "Milano", "Fiorenze", "Torino"},
    {"Paris", "Marseille", "Lyon", "Nantes"},
};
// The country of each city group (the Alpine group counts for both
// countries).
constexpr int kPaisDasCidades[14] = {198, 11, 42, 195, 150, 29, 46, 15, 154, 97, 3, 65, 104, 72};
constexpr int kSulAmericanas = 7;

int CidadesDoPais(int pais) {
    if (pais == 180) return 7;
    for (int i = 0; i < 14; ++i)
        if (kPaisDasCidades[i] == pais) return i;
    return -1;
}

// The country a city group stands for in a tournament: the host when the
// group is its own, else the group's country.
int PaisDasCidades(int grupo, int sede) {
    if (grupo < 0 || grupo >= 14) return -1;
    return sede >= 0 && CidadesDoPais(sede) == grupo ? sede : kPaisDasCidades[grupo];
}

// Copa America group sets: groups A, B, C of four, in pairing order.
constexpr int kConjuntosCopaAmerica[5][3][4] = {
    {{46, 151, 26, 198}, {11, 131, 195, 60}, {29, 150, 51, 42}},
    {{46, 42, 60, 198}, {29, 131, 151, 150}, {11, 195, 26, 51}},
    {{29, 46, 60, 151}, {195, 150, 131, 198}, {11, 26, 68, 42}},
    {{11, 42, 26, 131}, {29, 151, 68, 60}, {46, 198, 150, 195}},
    {{29, 150, 51, 42}, {46, 151, 26, 198}, {11, 131, 195, 60}},
};

constexpr int kPotes[3][8] = {
    {3, 97, 65, 104, 72, 85, 154, 159},
    {78, 162, 179, 192, 152, 193, 54, 52},
    {160, 142, 171, 31, 63, 180, 21, 100},
};

// The 4-club table: matchday, pairing positions (home first).
constexpr int kRodadas4[3][2][2] = {{{1, 2}, {3, 4}}, {{1, 3}, {4, 2}}, {{4, 1}, {2, 3}}};

TTorneio& Torneio(Jogo& jogo) {
    return jogo.estado.torneio;
}

int SelecaoDoPais(const Jogo& jogo, int pais) {
    for (std::size_t s = 0; s < jogo.selecoes.size(); ++s)
        if (jogo.selecoes[s].pais == pais) return static_cast<int>(s);
    return -1;
}

// The draw is made at the start of the season whose calendar is laid out:
// its players are fit from its first date (at the season's end the current
// date still is the last of the season gone by).
double DiaDoSorteio(const Jogo& jogo) {
    return jogo.calendario[0].data;
}

void Iniciar(Jogo& jogo, int codigo) {
    TTorneio& t = Torneio(jogo);
    const int indicesede = t.indicesede;
    t = TTorneio{};
    t.indicesede = indicesede;
    t.codigo = codigo;
    t.temporada = jogo.estado.temporada;
    t.numtimes = static_cast<i32>(jogo.times.size());
    t.numjogadores = static_cast<i32>(jogo.jogadores.size());
    t.sede = -1;
    t.campeao = -1;
    for (i32& s : t.selecoes) s = -1;
    for (auto& nivel : t.convites)
        for (i32& c : nivel) c = -1;
    t.terceiros[0] = t.terceiros[1] = -1;
    t.cidades[0] = t.cidades[1] = 0;
    for (TParTorneio& p : jogo.grupostorneio) {
        p = TParTorneio{};
        p.time1 = p.time2 = p.vencedor = p.partida = -1;
    }
    jogo.estado.contadores.fasetorneio = 1;
}

// One team on the pitch: its club in group g at position pos, its players
// with their strength from the team's level.
int CriarSelecao(Jogo& jogo, int selecao, int grupo, int posicao) {
    const int primeiro = static_cast<int>(jogo.jogadores.size());
    const int c = SelecaoParaTime(jogo, selecao, DiaDoSorteio(jogo));
    TTime& t = jogo.times[c];
    t.gruposelecao = grupo;
    t.posicaoselecao = posicao;
    t.jogaselecao = 1;
    t.tecnico = -1;
    t.humano = 0;
    t.divisao = 0;
    t.escalacao = -1;
    t.estadio = "";
    const int base = BaseExtra(jogo.selecoes[selecao].nivel);
    std::vector<int> elenco;
    for (int j = primeiro; j < static_cast<int>(jogo.jogadores.size()); ++j) {
        TJogador& p = jogo.jogadores[j];
        p.forca = base + jogo.Aleatorio(6) + (p.titular == 1 ? 7 : 0) + (p.estrela ? 7 : 0);
        world::AvaliarJogador(jogo, p);
        p.salario = 0; // nobody pays a national team's players
        elenco.push_back(j);
    }
    ContarElenco(jogo, c, elenco);
    EscolherCapitao(jogo, c, elenco);
    jogo.financas.push_back(TFinancas{});
    return c;
}

// The teams by level, higher first, a random number below 100 between equals.
std::vector<int> PorNivel(Jogo& jogo, const std::vector<int>& times) {
    std::vector<std::pair<int, int>> chave;
    for (int c : times) chave.push_back({c, jogo.Aleatorio(100)});
    std::stable_sort(chave.begin(), chave.end(), [&](const auto& a, const auto& b) {
        const int na = jogo.times[a.first].nivel, nb = jogo.times[b.first].nivel;
        if (na != nb) return na > nb;
        return a.second > b.second;
    });
    std::vector<int> r;
    for (const auto& [c, k] : chave) r.push_back(c);
    return r;
}

void ListasDeConvite(Jogo& jogo, const std::vector<int>& times, int primeiros) {
    const std::vector<int> ordem = PorNivel(jogo, times);
    TTorneio& t = Torneio(jogo);
    for (int i = 0; i < static_cast<int>(ordem.size()) && i < 2 * kConvitesPorNivel; ++i) {
        const int nivel = i < primeiros ? 0 : 1;
        const int k = i < primeiros ? i : i - primeiros;
        if (k < kConvitesPorNivel) t.convites[nivel][k] = ordem[i];
    }
}

// Creates the clubs of the groups (country codes by group and position, -1
// empty) and returns them.
std::vector<int> CriarGrupos(Jogo& jogo, const std::vector<std::array<int, 4>>& grupos) {
    std::vector<int> criados;
    for (int g = 0; g < static_cast<int>(grupos.size()); ++g)
        for (int p = 0; p < 4; ++p) {
            const int s = grupos[g][p] >= 0 ? SelecaoDoPais(jogo, grupos[g][p]) : -1;
            if (s >= 0) criados.push_back(CriarSelecao(jogo, s, g + 1, p + 1));
        }
    return criados;
}

// A tournament whose groups cannot play (fewer than three teams in one) is
// not held; the draw is undone.
bool GruposJogaveis(const Jogo& jogo, const std::vector<std::array<int, 4>>& grupos) {
    for (const auto& g : grupos) {
        int n = 0;
        for (int pais : g) n += pais >= 0 && SelecaoDoPais(jogo, pais) >= 0;
        if (n < 3) return false;
    }
    return true;
}

int DuasCidades(Jogo& jogo, int de, int quantas, int evitar) {
    int c = de + jogo.Aleatorio(quantas);
    if (c == evitar) c = de + (c - de + 1) % quantas;
    return c;
}

bool Jogou(const Jogo& jogo, int partida) {
    return partida >= 0 && partida < static_cast<int>(jogo.partidas.size()) &&
           jogo.partidas[partida].jogado;
}

int VencedorDaPartida(const Jogo& jogo, int partida) {
    if (!Jogou(jogo, partida)) return -1;
    const TPartida& f = jogo.partidas[partida];
    if (f.golsmandante != f.golsvisitante)
        return f.golsmandante > f.golsvisitante ? f.mandante : f.visitante;
    if (f.penaltismandante == f.penaltisvisitante) return f.mandante; // never left undecided
    return f.penaltismandante > f.penaltisvisitante ? f.mandante : f.visitante;
}

int Perdedor(const TParTorneio& p) {
    if (p.vencedor < 0) return -1;
    return p.vencedor == p.time1 ? p.time2 : p.time1;
}

int PrimeiroParDaFase(int codigo, int fase) {
    const std::vector<int> fases = FasesEliminatorias(codigo);
    int k = 0;
    for (int f = 4; f < fase && f - 4 < static_cast<int>(fases.size()); ++f) k += fases[f - 4];
    return k;
}

void Emparelhar(Jogo& jogo, int codigo, int fase, int par, int a, int b) {
    TParTorneio& p = jogo.grupostorneio[par];
    p.time1 = a;
    p.time2 = b;
    p.vencedor = -1;
    const std::vector<double> datas = DatasDaCompeticao(jogo, codigo);
    const int dia = fase - 1; // phase n is played on the tournament's n-th date
    const double data = dia >= 0 && dia < static_cast<int>(datas.size()) ? datas[dia] : 0.0;
    p.partida = a >= 0 && b >= 0 ? AdicionarPartida(jogo, a, b, fase, -1, 1, 0, codigo, data) : -1;
}

std::vector<std::vector<int>> Grupos(const Jogo& jogo) {
    std::vector<std::vector<int>> r;
    const int n = GruposDoTorneio(jogo.estado.torneio.codigo);
    for (int g = 1; g <= n; ++g) {
        std::vector<int> v;
        for (int c : GrupoDoTorneio(jogo, g))
            if (c >= 0) v.push_back(c);
        r.push_back(v);
    }
    return r;
}

// The group phase is over: the tables ranked, the teams that go on kept,
// the first knockout phase paired.
void FecharGrupos(Jogo& jogo, int codigo) {
    const auto grupos = Grupos(jogo);
    std::vector<std::vector<int>> ordem;
    for (const auto& g : grupos) ordem.push_back(ClassificarGrupo(jogo, codigo, g));
    auto no = [&](int g, int lugar) {
        return g < static_cast<int>(ordem.size()) && lugar <= static_cast<int>(ordem[g].size())
                   ? ordem[g][lugar - 1]
                   : -1;
    };
    TTorneio& t = Torneio(jogo);
    if (codigo == kCopaAmerica) {
        std::vector<TLinhaTabela> terceiros;
        for (int g = 0; g < static_cast<int>(ordem.size()); ++g)
            if (no(g, 3) >= 0) terceiros.push_back(LinhaDoTime(jogo, codigo, no(g, 3)));
        std::stable_sort(terceiros.begin(), terceiros.end(),
                         [](const auto& a, const auto& b) { return Comparar(a, b) < 0; });
        for (int i = 0; i < 2; ++i)
            t.terceiros[i] = i < static_cast<int>(terceiros.size()) ? terceiros[i].time : -1;
    }
    for (int g = 0; g < static_cast<int>(ordem.size()); ++g)
        for (int lugar = 3; lugar <= static_cast<int>(ordem[g].size()); ++lugar) {
            const int c = no(g, lugar);
            if (c != t.terceiros[0] && c != t.terceiros[1]) jogo.times[c].jogaselecao = 0;
        }
    // Groups A, B, C, ... are 0, 1, 2, ...
    struct Par {
        int a, b;
    };
    std::vector<Par> pares;
    auto p1 = [&](int g) { return no(g, 1); };
    auto p2 = [&](int g) { return no(g, 2); };
    switch (codigo) {
    case kCopaDoMundo:
        pares = {{p1(0), p2(1)}, {p1(2), p2(3)}, {p1(1), p2(0)}, {p1(3), p2(2)},
                 {p1(4), p2(5)}, {p1(6), p2(7)}, {p1(5), p2(4)}, {p1(7), p2(6)}};
        break;
    case kEurocopa:
        pares = {{p1(0), p2(1)}, {p1(2), p2(3)}, {p1(1), p2(0)}, {p1(3), p2(2)}};
        break;
    default:
        pares = {{p1(0), p2(1)}, {p1(2), t.terceiros[0]}, {p1(1), p2(0)}, {t.terceiros[1], p2(2)}};
        break;
    }
    for (int k = 0; k < static_cast<int>(pares.size()); ++k)
        Emparelhar(jogo, codigo, 4, k, pares[k].a, pares[k].b);
}

// A pairing with only one team (its opponent never came) goes through
// without a match.
void DecidirPares(Jogo& jogo, int codigo, int fase) {
    const int de = PrimeiroParDaFase(codigo, fase);
    const std::vector<int> fases = FasesEliminatorias(codigo);
    if (fase - 4 >= static_cast<int>(fases.size())) return;
    for (int k = de; k < de + fases[fase - 4]; ++k) {
        TParTorneio& p = jogo.grupostorneio[k];
        if (p.vencedor >= 0) continue;
        if (p.partida < 0) {
            p.vencedor = p.time1 >= 0 ? p.time1 : p.time2;
        } else {
            p.vencedor = VencedorDaPartida(jogo, p.partida);
        }
        const int perdedor = Perdedor(p);
        // The semi-finals' losers still play for third place.
        const bool semifinal = fase - 4 == static_cast<int>(fases.size()) - 2;
        if (perdedor >= 0 && perdedor < static_cast<int>(jogo.times.size()) && !semifinal)
            jogo.times[perdedor].jogaselecao = 0;
    }
}

bool FaseDecidida(const Jogo& jogo, int codigo, int fase) {
    const std::vector<int> fases = FasesEliminatorias(codigo);
    if (fase - 4 >= static_cast<int>(fases.size())) return false;
    const int de = PrimeiroParDaFase(codigo, fase);
    for (int k = de; k < de + fases[fase - 4]; ++k)
        if (jogo.grupostorneio[k].vencedor < 0) return false;
    return true;
}

bool FaseMontada(const Jogo& jogo, int codigo, int fase) {
    const std::vector<int> fases = FasesEliminatorias(codigo);
    if (fase - 4 >= static_cast<int>(fases.size())) return false;
    const int de = PrimeiroParDaFase(codigo, fase);
    for (int k = de; k < de + fases[fase - 4]; ++k)
        if (jogo.grupostorneio[k].time1 >= 0 || jogo.grupostorneio[k].time2 >= 0) return true;
    return false;
}

void MontarProximaFase(Jogo& jogo, int codigo, int fase) {
    const std::vector<int> fases = FasesEliminatorias(codigo);
    const int ultima = 3 + static_cast<int>(fases.size());
    const int de = PrimeiroParDaFase(codigo, fase);
    const int para = PrimeiroParDaFase(codigo, fase + 1);
    if (fase + 1 == ultima) {
        const TParTorneio& a = jogo.grupostorneio[de];
        const TParTorneio& b = jogo.grupostorneio[de + 1];
        Emparelhar(jogo, codigo, fase + 1, para, a.vencedor, b.vencedor);
        Emparelhar(jogo, codigo, fase + 1, para + 1, Perdedor(a), Perdedor(b));
        return;
    }
    for (int k = 0; k < fases[fase + 1 - 4]; ++k)
        Emparelhar(jogo, codigo, fase + 1, para + k, jogo.grupostorneio[de + 2 * k].vencedor,
                   jogo.grupostorneio[de + 2 * k + 1].vencedor);
}

// The squad counts of the clubs that lent or got back players.
void RecontarElencos(Jogo& jogo, const std::vector<int>& clubes) {
    const auto porTime = JogadoresPorTime(jogo);
    for (int c : clubes) ContarElenco(jogo, c, porTime[c]);
}

int PaisDe(const Jogo& jogo, int time) {
    return time >= 0 && time < static_cast<int>(jogo.times.size()) ? jogo.times[time].pais : -1;
}

// The final has been played: the four placings, by country, and the
// champion's coach (a human's coach record, else -1: the team's own coach,
// whose name its file keeps).
void RegistrarFinal(Jogo& jogo, int codigo) {
    const std::vector<int> fases = FasesEliminatorias(codigo);
    const int ultima = 3 + static_cast<int>(fases.size());
    const int k = PrimeiroParDaFase(codigo, ultima);
    const TParTorneio& final = jogo.grupostorneio[k];
    const TParTorneio& terceiro = jogo.grupostorneio[k + 1];
    TTorneio& t = Torneio(jogo);
    t.campeao = final.vencedor;
    // The history's place is where the final was played.
    const int chave = PaisesDasSedes(t).front();
    const int lugares[4] = {final.vencedor, Perdedor(final), terceiro.vencedor, Perdedor(terceiro)};
    for (int l = 0; l < 4; ++l)
        if (PaisDe(jogo, lugares[l]) >= 0)
            competitions::RegistrarTitulo(jogo, codigo, PaisDe(jogo, lugares[l]), chave, l + 1, -1);
    int tecnico = -1;
    for (int h = 0; h < 6; ++h)
        if (t.selecoes[h] == final.vencedor && final.vencedor >= 0)
            tecnico = jogo.estado.humanos[h];
    if (PaisDe(jogo, final.vencedor) >= 0)
        competitions::RegistrarTecnico(jogo, codigo, tecnico, PaisDe(jogo, final.vencedor), chave,
                                       1, -1);
    for (int c = t.numtimes; c < static_cast<int>(jogo.times.size()); ++c)
        jogo.times[c].jogaselecao = 0;
}

} // namespace

int TorneioDaTemporada(const TEstadoJogo& e, int temporada) {
    if (e.copadomundo && temporada % 4 == 0 && temporada <= 192) return kCopaDoMundo;
    if (e.copaamerica && temporada % 4 == 1 && temporada <= 193) return kCopaAmerica;
    if (e.eurocopa && temporada % 4 == 2 && temporada <= 194) return kEurocopa;
    return 0;
}

const std::vector<int>& SedesCopaDoMundo() {
    return kSedes;
}

std::vector<int> PaisesDasSedes(const TTorneio& t) {
    std::vector<int> paises;
    for (const int g : t.cidades) {
        const int pais = PaisDasCidades(g, t.sede);
        if (pais >= 0 && std::find(paises.begin(), paises.end(), pais) == paises.end())
            paises.push_back(pais);
    }
    if (paises.empty()) paises.push_back(t.sede);
    return paises;
}

int GruposDoTorneio(int codigo) {
    switch (codigo) {
    case kCopaDoMundo:
        return 8;
    case kCopaAmerica:
        return 3;
    case kEurocopa:
        return 4;
    default:
        return 0;
    }
}

std::vector<int> FasesEliminatorias(int codigo) {
    if (codigo == kCopaDoMundo) return {8, 4, 2, 2};
    if (codigo == kCopaAmerica || codigo == kEurocopa) return {4, 2, 2};
    return {};
}

bool SortearCopaAmerica(Jogo& jogo) {
    const int conjunto = jogo.Aleatorio(5);
    std::vector<std::array<int, 4>> grupos;
    for (const auto& g : kConjuntosCopaAmerica[conjunto])
        grupos.push_back({g[0], g[1], g[2], g[3]});
    if (!GruposJogaveis(jogo, grupos)) return false;
    Iniciar(jogo, kCopaAmerica);
    TTorneio& t = Torneio(jogo);
    t.cidades[0] = jogo.Aleatorio(kSulAmericanas);
    t.cidades[1] = DuasCidades(jogo, 0, kSulAmericanas, t.cidades[0]);
    t.sede = kPaisDasCidades[t.cidades[0]];
    const std::vector<int> criados = CriarGrupos(jogo, grupos);
    ListasDeConvite(jogo, criados, 8);
    return true;
}

bool SortearEurocopa(Jogo& jogo) {
    std::array<std::array<int, 8>, 3> potes{};
    for (int p = 0; p < 3; ++p) {
        std::array<std::pair<int, int>, 8> chave{};
        for (int i = 0; i < 8; ++i) chave[i] = {kPotes[p][i], jogo.Aleatorio(100)};
        std::stable_sort(chave.begin(), chave.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        for (int i = 0; i < 8; ++i) potes[p][i] = chave[i].first;
    }
    const auto& a = potes[0];
    const auto& b = potes[1];
    const auto& c = potes[2];
    const std::vector<std::array<int, 4>> grupos = {{a[0], a[4], b[0], b[4]},
                                                    {a[1], a[5], b[1], b[5]},
                                                    {a[2], a[6], b[2], c[0]},
                                                    {a[3], a[7], b[3], c[1]}};
    if (!GruposJogaveis(jogo, grupos)) return false;
    Iniciar(jogo, kEurocopa);
    TTorneio& t = Torneio(jogo);
    t.cidades[0] = kSulAmericanas + jogo.Aleatorio(14 - kSulAmericanas);
    t.cidades[1] = DuasCidades(jogo, kSulAmericanas, 14 - kSulAmericanas, t.cidades[0]);
    t.sede = kPaisDasCidades[t.cidades[0]];
    const std::vector<int> criados = CriarGrupos(jogo, grupos);
    ListasDeConvite(jogo, criados, 8);
    return true;
}

bool SortearCopaDoMundo(Jogo& jogo) {
    TTorneio& t = Torneio(jogo);
    const int indice = std::clamp<int>(t.indicesede, 0, static_cast<int>(kSedes.size()) - 1);
    const int sede = kSedes[indice];
    // The hosts go round: the next World Cup is the next entry's.
    t.indicesede = (indice + 1) % static_cast<int>(kSedes.size());
    const int selecaosede = SelecaoDoPais(jogo, sede);
    const bool temsede = selecaosede >= 0;

    int vagas[6] = {13, 4, 5, 5, 3, 1};
    const bool quintasul = jogo.Aleatorio(2) == 0;
    if (quintasul) vagas[1] = 5, vagas[5] = 0;
    if (!temsede) vagas[0] = 14;
    // Each continent's teams by level (the host left out), a random number
    // below 100 between equals.
    std::array<std::vector<int>, 6> porcontinente; // national-team indices
    for (int cont = 0; cont < 6; ++cont) {
        std::vector<std::pair<int, int>> v;
        for (std::size_t s = 0; s < jogo.selecoes.size(); ++s) {
            const TSelecao& sel = jogo.selecoes[s];
            if (sel.continente != cont || sel.pais == sede) continue;
            if (SelecaoDoPais(jogo, sel.pais) != static_cast<int>(s)) continue; // a duplicate file
            v.push_back({static_cast<int>(s), jogo.Aleatorio(100)});
        }
        std::stable_sort(v.begin(), v.end(), [&](const auto& a, const auto& b) {
            const int na = jogo.selecoes[a.first].nivel, nb = jogo.selecoes[b.first].nivel;
            if (na != nb) return na > nb;
            return a.second > b.second;
        });
        for (const auto& [s, k] : v) porcontinente[cont].push_back(s);
    }
    auto qualificado = [&](int cont, int n) { // 1-based, -1 when short or beyond the places
        const auto& v = porcontinente[cont];
        return n <= vagas[cont] && n <= static_cast<int>(v.size()) ? v[n - 1] : -1;
    };
    std::array<int, 15> e{};
    for (int n = 1; n <= 14; ++n) e[n] = qualificado(0, n);
    // Places 6 to 11 of continent 0 are shuffled among themselves.
    for (int i = 6; i <= 11; ++i) std::swap(e[i], e[6 + jogo.Aleatorio(6)]);
    auto E = [&](int n) { return e[n]; };
    auto S = [&](int n) { return qualificado(1, n); };
    auto A = [&](int n) { return qualificado(2, n); };
    auto B = [&](int n) { return qualificado(3, n); };
    auto N = [&](int n) { return qualificado(4, n); };
    auto O = [&](int n) { return qualificado(5, n); };
    const int cabecas[8][4] = {
        {E(1), temsede ? E(6) : E(14), S(3), B(1)},
        {E(2), E(7), S(4), B(2)},
        {E(3), E(8), quintasul ? S(5) : O(1), N(1)},
        {E(4), E(9), A(1), B(3)},
        {E(5), E(10), A(2), B(4)},
        {S(1), E(11), A(3), B(5)},
        {S(2), E(12), A(4), N(2)},
        {temsede ? selecaosede : E(6), E(13), A(5), N(3)},
    };
    int grupo[8];
    std::iota(grupo, grupo + 8, 0);
    for (int i = 0; i < 8; ++i) std::swap(grupo[i], grupo[jogo.Aleatorio(8)]);
    std::vector<std::array<int, 4>> grupos(8);
    for (int k = 0; k < 8; ++k)
        for (int p = 0; p < 4; ++p) grupos[grupo[k]][p] = cabecas[k][p];
    for (const auto& g : grupos)
        for (int s : g)
            if (s < 0) {
                // A World Cup with an empty slot is not played, now or later.
                jogo.estado.copadomundo = 0;
                return false;
            }
    Iniciar(jogo, kCopaDoMundo);
    t.sede = sede;
    const int cidadessede = CidadesDoPais(sede);
    if (cidadessede >= 0) {
        t.cidades[0] = cidadessede;
        t.cidades[1] = cidadessede < kSulAmericanas
                           ? DuasCidades(jogo, 0, kSulAmericanas, cidadessede)
                           : DuasCidades(jogo, kSulAmericanas, 14 - kSulAmericanas, cidadessede);
    } else {
        t.cidades[0] = jogo.Aleatorio(14);
        t.cidades[1] = DuasCidades(jogo, 0, 14, t.cidades[0]);
    }
    std::vector<int> criados;
    for (int g = 0; g < 8; ++g)
        for (int p = 0; p < 4; ++p)
            criados.push_back(CriarSelecao(jogo, grupos[g][p], g + 1, p + 1));
    ListasDeConvite(jogo, criados, 8);
    return true;
}

void PrepararTorneioDaTemporada(Jogo& jogo) {
    TEstadoJogo& e = jogo.estado;
    const int codigo = TorneioDaTemporada(e, e.temporada);
    if (codigo == 0 || jogo.selecoes.empty()) return;
    bool sorteado = false;
    switch (codigo) {
    case kCopaDoMundo:
        sorteado = SortearCopaDoMundo(jogo);
        break;
    case kCopaAmerica:
        sorteado = SortearCopaAmerica(jogo);
        break;
    default:
        sorteado = SortearEurocopa(jogo);
        break;
    }
    if (!sorteado) {
        // Its dates are not played this season.
        for (TDataCalendario& d : jogo.calendario)
            if (d.competicao == codigo) d.competicao = kSemEvento;
        return;
    }
    const std::vector<double> datas = DatasDaCompeticao(jogo, codigo);
    for (int g = 1; g <= GruposDoTorneio(codigo); ++g) {
        const std::vector<int> grupo = GrupoDoTorneio(jogo, g);
        for (int r = 0; r < 3; ++r)
            for (const auto& par : kRodadas4[r]) {
                const int a = grupo[par[0] - 1], b = grupo[par[1] - 1];
                if (a < 0 || b < 0) continue; // an empty slot: its opponent rests
                AdicionarPartida(jogo, a, b, r + 1, -1, 1, g, codigo,
                                 r < static_cast<int>(datas.size()) ? datas[r] : 0.0);
            }
    }
}

bool TorneioEmCurso(const Jogo& jogo) {
    const TTorneio& t = jogo.estado.torneio;
    return t.codigo >= kCopaDoMundo && t.codigo <= kEurocopa &&
           t.numtimes < static_cast<int>(jogo.times.size());
}

bool EhSelecaoDoTorneio(const Jogo& jogo, int time) {
    return TorneioEmCurso(jogo) && time >= jogo.estado.torneio.numtimes &&
           time < static_cast<int>(jogo.times.size());
}

std::vector<int> GrupoDoTorneio(const Jogo& jogo, int g) {
    std::vector<int> r(4, -1);
    if (!TorneioEmCurso(jogo)) return r;
    for (int c = jogo.estado.torneio.numtimes; c < static_cast<int>(jogo.times.size()); ++c) {
        const TTime& t = jogo.times[c];
        if (t.gruposelecao == g && t.posicaoselecao >= 1 && t.posicaoselecao <= 4)
            r[t.posicaoselecao - 1] = c;
    }
    return r;
}

int NivelDoConvite(const Jogo& jogo, int codigo, int clube) {
    if (!jogo.TimeValido(clube)) return 2;
    const TTime& t = jogo.times[clube];
    switch (codigo) {
    case kCopaDoMundo:
        if (jogo.estado.temporada <= 1) return t.divisao == 1 && t.colocacao[kLiga] <= 3 ? 1 : 2;
        return t.divisao == 1 || t.colocacao[kLiga] < 5 ? 1 : 2;
    case kCopaAmerica:
        return t.divisao < 3 || jogo.estado.numhumanos > 4 ? 1 : 2;
    default:
        return t.divisao == 1 || t.divisao == 2 ? 1 : 2;
    }
}

std::vector<int> SelecoesDoConvite(const Jogo& jogo, int nivel) {
    std::vector<int> r;
    if (!TorneioEmCurso(jogo) || nivel < 1 || nivel > 2) return r;
    const TTorneio& t = jogo.estado.torneio;
    for (int c : t.convites[nivel - 1])
        if (EhSelecaoDoTorneio(jogo, c) && !jogo.times[c].humano) r.push_back(c);
    return r;
}

bool ConviteDevido(const Jogo& jogo, int humano) {
    const TEstadoJogo& e = jogo.estado;
    if (humano < 0 || humano >= 6 || !TorneioEmCurso(jogo)) return false;
    const int k = e.humanos[humano];
    if (k < 0 || k >= static_cast<int>(jogo.tecnicos.size())) return false;
    if (jogo.tecnicos[k].treinaselecao || e.torneio.selecoes[humano] >= 0) return false;
    if (e.tipo != kLiga || e.contadores.turnoliga != 1 || e.contadores.ligaencerrada) return false;
    const int r = e.contadores.rodadaliga;
    const int codigo = e.torneio.codigo;
    if (codigo != TorneioDaTemporada(e, e.temporada)) return false;
    return codigo == kCopaDoMundo ? r >= 5 && r <= 9 : r >= 6 && r <= 9;
}

bool AceitarSelecao(Jogo& jogo, int humano, int selecao) {
    TEstadoJogo& e = jogo.estado;
    if (humano < 0 || humano >= 6 || !EhSelecaoDoTorneio(jogo, selecao)) return false;
    const int k = e.humanos[humano];
    if (k < 0 || k >= static_cast<int>(jogo.tecnicos.size())) return false;
    if (jogo.times[selecao].humano || e.torneio.selecoes[humano] >= 0) return false;
    jogo.times[selecao].humano = 1;
    jogo.tecnicos[k].treinaselecao = 1;
    e.torneio.selecoes[humano] = selecao;
    return true;
}

int SelecaoDoHumano(const Jogo& jogo, int humano) {
    if (humano < 0 || humano >= 6) return -1;
    const int c = jogo.estado.torneio.selecoes[humano];
    return EhSelecaoDoTorneio(jogo, c) ? c : -1;
}

int HumanoDaSelecao(const Jogo& jogo, int selecao) {
    for (int h = 0; h < 6; ++h)
        if (selecao >= 0 && SelecaoDoHumano(jogo, h) == selecao) return h;
    return -1;
}

bool Convocavel(const Jogo& jogo, int selecao, int jogador) {
    if (!EhSelecaoDoTorneio(jogo, selecao) || !jogo.JogadorValido(jogador)) return false;
    const TJogador& j = jogo.jogadores[jogador];
    return j.pais == jogo.times[selecao].pais && j.time >= 0 &&
           j.time < jogo.estado.torneio.numtimes;
}

namespace {

// A characteristic against its filter: any, any of a goalkeeper's, or one.
bool CaractConfere(int caract, int filtro) {
    if (filtro == kCaractDeGoleiro) return caract >= 0 && caract <= 3;
    return filtro < 0 || caract == filtro;
}

bool NaFaixa(int v, int faixa, const int (*faixas)[2], int n, int de, int ate) {
    if (faixa < 0 || faixa >= n) return v >= de && v <= ate;
    return v >= faixas[faixa][0] && v <= faixas[faixa][1];
}

} // namespace

std::vector<int> BuscarConvocaveis(const Jogo& jogo, int selecao, const FiltroConvocacao& f) {
    static constexpr int kForca[4][2] = {{1, 10}, {11, 30}, {31, 50}, {51, 100}};
    static constexpr int kIdade[3][2] = {{15, 25}, {26, 36}, {37, 80}};
    // The value bands are open at both ends.
    static constexpr long long kPasse[7][2] = {
        {1000, 100000},     {101000, 500000},    {500000, 1000000},    {1000000, 3000000},
        {3000001, 5000000}, {5000001, 10000000}, {10000001, 999999999}};
    std::vector<int> r;
    for (int i = 1; i < static_cast<int>(jogo.jogadores.size()); ++i) {
        if (!Convocavel(jogo, selecao, i)) continue;
        const TJogador& j = jogo.jogadores[i];
        if (!f.nome.empty() && !plataforma::IguaisSemCaixa(j.nome.view(), f.nome)) continue;
        if (f.posicao >= 0 && j.posicao != f.posicao) continue;
        if (!CaractConfere(j.caract1, f.caract1) || !CaractConfere(j.caract2, f.caract2)) continue;
        if (!NaFaixa(j.forca, f.forca, kForca, 4, 0, 101)) continue;
        if (!NaFaixa(j.idade, f.idade, kIdade, 3, 16, 80)) continue;
        const long long de = f.passe >= 0 && f.passe < 7 ? kPasse[f.passe][0] : 1000;
        const long long ate = f.passe >= 0 && f.passe < 7 ? kPasse[f.passe][1] : 999999999;
        if (!(j.passe > de && j.passe < ate)) continue;
        if (f.estrelas && !j.estrela) continue;
        r.push_back(i);
    }
    return r;
}

namespace {

void Contar(AnaliseConvocacao& a, const TJogador& j) {
    (j.posicao == kGoleiro ? a.goleiros : a.linha)++;
}

// The squad counted against the least one.
void ConferirMinimo(AnaliseConvocacao& a) {
    if (a.goleiros < kMinimoGoleirosConvocados) {
        a.motivo = RecusaConvocacao::PoucosGoleiros;
        a.faltam = kMinimoGoleirosConvocados - a.goleiros;
    } else if (a.linha < kMinimoLinhaConvocados) {
        a.motivo = RecusaConvocacao::PoucosDeLinha;
        a.faltam = kMinimoLinhaConvocados - a.linha;
    }
}

} // namespace

RecusaConvocacao RecusaDoConvocado(const Jogo& jogo, int selecao, const std::vector<int>& jogadores,
                                   int jogador) {
    if (!EhSelecaoDoTorneio(jogo, selecao)) return RecusaConvocacao::SemSelecao;
    if (!Convocavel(jogo, selecao, jogador)) return RecusaConvocacao::NaoConvocavel;
    if (std::find(jogadores.begin(), jogadores.end(), jogador) != jogadores.end())
        return RecusaConvocacao::JaConvocado;
    return RecusaConvocacao::Nenhuma;
}

AnaliseConvocacao AnalisarConvocacao(const Jogo& jogo, int selecao,
                                     const std::vector<int>& jogadores) {
    AnaliseConvocacao a;
    if (!EhSelecaoDoTorneio(jogo, selecao)) {
        a.motivo = RecusaConvocacao::SemSelecao;
        return a;
    }
    std::vector<int> vistos;
    vistos.reserve(jogadores.size());
    for (int j : jogadores) {
        const RecusaConvocacao r = RecusaDoConvocado(jogo, selecao, vistos, j);
        if (r != RecusaConvocacao::Nenhuma) {
            if (a.motivo == RecusaConvocacao::Nenhuma) a.motivo = r;
            continue;
        }
        vistos.push_back(j);
        Contar(a, jogo.jogadores[j]);
    }
    if (a.motivo == RecusaConvocacao::Nenhuma) ConferirMinimo(a);
    return a;
}

bool Convocar(Jogo& jogo, int selecao, const std::vector<int>& jogadores) {
    if (AnalisarConvocacao(jogo, selecao, jogadores).motivo != RecusaConvocacao::Nenhuma)
        return false;
    // The team's own players leave it.
    for (int i = jogo.estado.torneio.numjogadores; i < static_cast<int>(jogo.jogadores.size()); ++i)
        if (jogo.jogadores[i].time == selecao) {
            jogo.jogadores[i].time = -1;
            jogo.indiceelencos.Invalidar();
        }
    std::vector<int> clubes;
    for (int j : jogadores) {
        const int clube = jogo.jogadores[j].time;
        jogo.convocados.push_back({j, clube});
        jogo.jogadores[j].time = selecao;
        jogo.indiceelencos.Invalidar();
        if (std::find(clubes.begin(), clubes.end(), clube) == clubes.end()) clubes.push_back(clube);
    }
    ContarElenco(jogo, selecao, jogadores);
    // The captain and taker come from the squad called up, not from the
    // players it replaced.
    EscolherCapitao(jogo, selecao, jogadores);
    RecontarElencos(jogo, clubes);
    for (int h = 0; h < 6; ++h)
        if (jogo.estado.torneio.selecoes[h] == selecao) jogo.estado.torneio.convocou[h] = 1;
    return true;
}

bool PaisPodeConvocar(const Jogo& jogo, int selecao) {
    AnaliseConvocacao a;
    for (int i = 1; i < static_cast<int>(jogo.jogadores.size()); ++i)
        if (Convocavel(jogo, selecao, i)) Contar(a, jogo.jogadores[i]);
    ConferirMinimo(a);
    return a.motivo == RecusaConvocacao::Nenhuma;
}

std::string EstadioDoTorneio(const Jogo& jogo, int partida) {
    if (partida < 0 || partida >= static_cast<int>(jogo.partidas.size())) return {};
    const TTorneio& t = jogo.estado.torneio;
    const TPartida& f = jogo.partidas[partida];
    auto cidade = [&](int grupo, int n) {
        const int g = t.cidades[grupo & 1];
        return plataforma::Utf8ParaCp1252(kCidades[g >= 0 && g < 14 ? g : 0][n & 3]);
    };
    if (f.grupo >= 1) return cidade((f.grupo - 1) / 4, (f.grupo - 1) % 4);
    for (int k = 0; k < static_cast<int>(jogo.grupostorneio.size()); ++k)
        if (jogo.grupostorneio[k].partida == partida) return cidade(k % 2, (k / 2) % 4);
    return cidade(0, 0);
}

void AvancarTorneio(Jogo& jogo, int codigo) {
    if (!TorneioEmCurso(jogo) || jogo.estado.torneio.codigo != codigo) return;
    const int fase = jogo.estado.contadores.fasetorneio; // the phase of the next date
    if (fase <= 4) {
        ClassificarGrupos(jogo, codigo, Grupos(jogo));
        if (fase == 4 && !FaseMontada(jogo, codigo, 4)) FecharGrupos(jogo, codigo);
        return;
    }
    const int jogada = fase - 1;
    DecidirPares(jogo, codigo, jogada);
    if (!FaseDecidida(jogo, codigo, jogada)) return;
    const int ultima = 3 + static_cast<int>(FasesEliminatorias(codigo).size());
    if (jogada == ultima) {
        if (jogo.estado.torneio.campeao < 0) RegistrarFinal(jogo, codigo);
    } else if (!FaseMontada(jogo, codigo, jogada + 1)) {
        MontarProximaFase(jogo, codigo, jogada);
    }
}

bool TorneioEncerrado(const Jogo& jogo) {
    return TorneioEmCurso(jogo) && jogo.estado.torneio.campeao >= 0;
}

void EncerrarTorneio(Jogo& jogo) {
    TTorneio& t = jogo.estado.torneio;
    const int numtimes = std::clamp<int>(t.numtimes, 0, static_cast<int>(jogo.times.size()));
    const int numjogadores =
        std::clamp<int>(t.numjogadores, 1, static_cast<int>(jogo.jogadores.size()));
    std::vector<int> clubes;
    for (const TConvocado& c : jogo.convocados) {
        if (!jogo.JogadorValido(c.jogador) || c.jogador >= numjogadores) continue;
        jogo.jogadores[c.jogador].time = c.time >= 0 && c.time < numtimes ? c.time : -1;
        jogo.indiceelencos.Invalidar();
        if (c.time >= 0 && c.time < numtimes &&
            std::find(clubes.begin(), clubes.end(), c.time) == clubes.end())
            clubes.push_back(c.time);
    }
    jogo.convocados.clear();
    // Fixtures of the tournament go with its teams.
    std::erase_if(jogo.partidas, [&](const TPartida& p) {
        return p.mandante >= numtimes || p.visitante >= numtimes;
    });
    jogo.times.resize(numtimes);
    jogo.jogadores.resize(numjogadores);
    if (static_cast<int>(jogo.financas.size()) > numtimes) jogo.financas.resize(numtimes);
    RecontarElencos(jogo, clubes);
    for (int h = 0; h < 6; ++h) {
        const int k = jogo.estado.humanos[h];
        if (k >= 0 && k < static_cast<int>(jogo.tecnicos.size()))
            jogo.tecnicos[k].treinaselecao = 0;
        t.selecoes[h] = -1;
        t.convocou[h] = 0;
    }
    for (auto& nivel : t.convites)
        for (i32& c : nivel) c = -1;
    for (TParTorneio& p : jogo.grupostorneio) {
        p = TParTorneio{};
        p.time1 = p.time2 = p.vencedor = p.partida = -1;
    }
    t.terceiros[0] = t.terceiros[1] = -1;
    t.numtimes = static_cast<i32>(jogo.times.size());
    t.numjogadores = static_cast<i32>(jogo.jogadores.size());
    t.codigo = 0;
}

} // namespace competitions
