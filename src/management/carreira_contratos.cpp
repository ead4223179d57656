// The coaches' jobs: hiring and leaving, dismissals after league dates and the
// job offers to the human coaches.
#include "management/carreira.hpp"

#include "management/amistosos.hpp"
#include "management/financas.hpp"
#include "management/mercado.hpp"
#include "management/mercado_interno.hpp"
#include "plataforma/cp1252.hpp"
#include "world/competicoes.hpp"
#include "world/emails.hpp"

#include <algorithm>
#include <iterator>
#include <string>

namespace management {

using namespace world;

namespace {

bool TecnicoValido(const Jogo& jogo, int k) {
    return k >= 0 && k < static_cast<int>(jogo.tecnicos.size());
}

int TimesPorDivisao(const Jogo& jogo) {
    return jogo.estado.divisoesporliga == 4 ? 10 : 20;
}

int NumDivisoes(const TLiga& l) {
    return std::clamp<int>(l.numdivisoes, 0, 4);
}

// The club at place `lugar` (1-based) of division `div` (1-based), -1 if none.
int ClubeNoLugar(const Jogo& jogo, const TLiga& l, int div, int lugar) {
    if (div < 1 || div > NumDivisoes(l) || lugar < 1 || lugar > 20) return -1;
    const int c = l.ordem[div - 1][lugar - 1];
    return jogo.TimeValido(c) ? c : -1;
}

// A new contract of 10 to 39 weeks.
void NovoContrato(Jogo& jogo, TJogador& j) {
    j.contrato = jogo.Hoje() + 7.0 * (10 + jogo.Aleatorio(30));
}

void OrdenarHumanos(TEstadoJogo& e) {
    auto* fim = std::remove(std::begin(e.timeshumanos), std::end(e.timeshumanos), -1);
    std::sort(std::begin(e.timeshumanos), fim);
    std::fill(fim, std::end(e.timeshumanos), -1);
    e.numhumanos = static_cast<i32>(fim - std::begin(e.timeshumanos));
}

void MarcarPaisesComHumano(Jogo& jogo) {
    for (TLiga& l : jogo.ligas) {
        l.temhumano = 0;
        for (int c : jogo.estado.timeshumanos)
            if (jogo.TimeValido(c) && jogo.times[c].pais == l.pais) l.temhumano = 1;
    }
}

// Club `clube` is no longer a human's: out of the list, its mail gone.
void DeixarDeSerHumano(Jogo& jogo, int clube) {
    TEstadoJogo& e = jogo.estado;
    jogo.times[clube].humano = 0;
    CancelarAmistosos(jogo, clube);
    std::replace(std::begin(e.timeshumanos), std::end(e.timeshumanos), clube, -1);
    OrdenarHumanos(e);
    RemoverEmailsDoClube(jogo, clube);
    MarcarPaisesComHumano(jogo);
}

bool Livre(const TTecnico& t) {
    return !t.nome.empty() && !t.humano && t.time < 0 && t.protecao == 0;
}

// The first unemployed computer coach meeting `cond`, -1 if none.
template <class Cond> int Desempregado(const Jogo& jogo, Cond cond) {
    for (std::size_t k = 0; k < jogo.tecnicos.size(); ++k)
        if (Livre(jogo.tecnicos[k]) && cond(jogo.tecnicos[k])) return static_cast<int>(k);
    return -1;
}

// Invented names for the coaches the game has to make up.
constexpr const char* kPrenomes[] = {
    "Arlindo", "Baltazar", "Cleomar",  "Dorival", "Edelson", "Fabrício", "Gervásio", "Hélcio",
    "Ivanir",  "Jurandir", "Lindomar", "Moacir",  "Nivaldo", "Osmar",    "Rosalvo",  "Valdeci"};
constexpr const char* kSobrenomes[] = {"Albuquerme", "Bragantino", "Cordeval",  "Dantesco",
                                       "Estrelo",    "Ferraçal",   "Guarnieri", "Lobregat",
                                       "Marcondel",  "Nogarol",    "Penafort",  "Quintela",
                                       "Rabelim",    "Sotovento",  "Tavareli",  "Vilaboa"};

// A new computer coach in a free record (or a new one): -1 never.
int CriarTecnico(Jogo& jogo, int pais, int nivel) {
    int k = -1;
    for (std::size_t i = 0; i < jogo.tecnicos.size() && k < 0; ++i) {
        const TTecnico& t = jogo.tecnicos[i];
        if (t.nome.empty() && !t.humano && t.time < 0) k = static_cast<int>(i);
    }
    if (k < 0) {
        k = static_cast<int>(jogo.tecnicos.size());
        jogo.tecnicos.push_back(NovoTecnico());
    }
    TTecnico t = NovoTecnico();
    // Names are Windows-1252 in the records; the pools above are UTF-8.
    std::string nome =
        std::string(kPrenomes[jogo.Aleatorio(static_cast<int>(std::size(kPrenomes)))]) + " " +
        kSobrenomes[jogo.Aleatorio(static_cast<int>(std::size(kSobrenomes)))];
    const std::string cp = plataforma::Utf8ParaCp1252(nome);
    t.nome = std::string_view(cp).substr(0, 25);
    t.pais = pais;
    t.nivel = nivel;
    jogo.tecnicos[static_cast<std::size_t>(k)] = t;
    return k;
}

// Step 4 of the computer clubs' search: a coach taken from another computer
// club of the country. The club he leaves through `origem`.
int TomarTecnico(Jogo& jogo, int clube, int& origem) {
    origem = -1;
    const TTime& x = jogo.times[clube];
    const int li = jogo.LigaDoPais(x.pais);
    if (li < 0) return -1;
    const TLiga& l = jogo.ligas[li];
    const int d = x.divisao, numdiv = NumDivisoes(l);
    const int m = jogo.estado.divisoesporliga == 4 ? 4 : 2;
    int sorteio = jogo.Aleatorio(2);
    if (d == m || numdiv < m) sorteio = 0;
    auto serve = [&](int c) {
        if (c < 0 || c == clube || jogo.times[c].humano) return false;
        const int k = jogo.times[c].tecnico;
        return TecnicoValido(jogo, k) && jogo.tecnicos[k].protecao == 0;
    };
    int achado = -1;
    if (sorteio == 0) {
        // From the bottom up: the best placed met.
        const int div = std::min(numdiv, d);
        for (int lugar = TimesPorDivisao(jogo); lugar >= 1; --lugar)
            if (const int c = ClubeNoLugar(jogo, l, div, lugar); serve(c)) achado = c;
    } else {
        const int div = std::min(numdiv, d + 1);
        for (int lugar = TimesPorDivisao(jogo) == 20 ? 3 : 2; lugar <= 10; ++lugar)
            if (const int c = ClubeNoLugar(jogo, l, div, lugar); serve(c)) achado = c;
    }
    if (achado < 0) return -1;
    origem = achado;
    return jogo.times[achado].tecnico;
}

// A computer club whose board lost patience: a replacement, or nothing.
void TrocarTecnico(Jogo& jogo, InteracaoCarreira& ia, int clube) {
    const TTime& t = jogo.times[clube];
    const int pais = t.pais, divisao = t.divisao;
    int origem = -1;
    int novo =
        Desempregado(jogo, [&](const TTecnico& k) { return k.pais == pais && k.nivel == divisao; });
    if (novo < 0) novo = TomarTecnico(jogo, clube, origem);
    if (novo < 0) novo = Desempregado(jogo, [&](const TTecnico& k) { return k.pais == pais; });
    if (novo < 0) novo = Desempregado(jogo, [](const TTecnico&) { return true; });
    if (novo < 0) return;
    ++jogo.contagemcarreira.demissoes;
    const int antigo = t.tecnico;
    if (TecnicoValido(jogo, antigo)) Deixar(jogo, clube, antigo);
    if (origem >= 0) {
        Deixar(jogo, origem, novo);
        if (TecnicoValido(jogo, antigo)) Contratar(jogo, origem, antigo);
    }
    Contratar(jogo, clube, novo);
    const int li = jogo.LigaDoPais(pais);
    if (jogo.estado.opcoes.opvertrocatecnicos && li >= 0 && jogo.ligas[li].temhumano)
        ia.TrocaDeTecnico(jogo, clube, antigo, novo);
}

// Shows the offers to human coach `tecnico` and takes the one he accepts.
void Oferecer(Jogo& jogo, InteracaoCarreira& ia, int tecnico, const std::vector<int>& clubes) {
    if (clubes.empty()) return;
    jogo.tecnicos[tecnico].podeoferta = 0;
    const int escolhido = ia.Convite(jogo, tecnico, clubes);
    if (std::find(clubes.begin(), clubes.end(), escolhido) != clubes.end())
        AceitarConvite(jogo, tecnico, escolhido);
}

// The first club that is not human walking division `div` of league `l`
// from place `de` to place `ate` (either way); -1 if none.
int Varrer(const Jogo& jogo, const TLiga& l, int div, int de, int ate) {
    const int passo = de <= ate ? 1 : -1;
    for (int lugar = de;; lugar += passo) {
        const int c = ClubeNoLugar(jogo, l, div, lugar);
        if (c >= 0 && !jogo.times[c].humano) return c;
        if (lugar == ate) return -1;
    }
}

// The club a good season of human club `clube` earns an offer from, -1 if none.
int OfertaDeBomTrabalho(Jogo& jogo, int clube) {
    const TTime& t = jogo.times[clube];
    if (t.confdiretoria <= 80 || jogo.ligas.empty()) return -1;
    const int n = static_cast<int>(jogo.ligas.size());
    const TLiga& k = jogo.ligas[static_cast<std::size_t>(jogo.Aleatorio(n))];
    const int p = t.colocacao[kLiga], pc = t.colocacao[kCopaNacional], ps = t.colocacao[kEstadual];
    // Another country than the club's own, for a club at the top.
    auto outro = [&]() -> const TLiga* {
        std::vector<int> outras;
        for (int i = 0; i < n; ++i)
            if (jogo.ligas[i].pais != t.pais) outras.push_back(i);
        if (outras.empty()) return nullptr;
        return &jogo.ligas[outras[jogo.Aleatorio(static_cast<int>(outras.size()))]];
    };
    if (p < 1) return -1;
    if (TimesPorDivisao(jogo) == 10) {
        switch (t.divisao) {
        case 4: {
            if (p > 2) return -1;
            int v = 3;
            if (jogo.Aleatorio(100) == 99)
                v = 1;
            else if (jogo.Aleatorio(100) < 31)
                v = 2;
            return Varrer(jogo, k, v, 6, 1);
        }
        case 3:
            if (p > 2) return -1;
            return Varrer(jogo, k, jogo.Aleatorio(100) < 11 ? 1 : 2, 6, 1);
        case 2: {
            if (p > 3) return -1;
            const int s = ps == 3 ? 5 : pc == 2 ? 4 : p == 1 ? 3 : 1;
            return Varrer(jogo, k, 1, s, 10);
        }
        case 1: {
            if (p > 2) return -1;
            const TLiga* o = outro();
            if (!o) return -1;
            return Varrer(jogo, *o, 1, ps == 3 ? 3 : pc == 2 ? 2 : 1, 10);
        }
        default:
            return -1;
        }
    }
    if (t.divisao == 2 && p <= 4) return Varrer(jogo, k, 1, 6, 1);
    if (t.divisao == 1 && p <= 3) {
        const TLiga* o = outro();
        if (!o) return -1;
        return Varrer(jogo, *o, 1, ps == 3 ? 3 : pc == 2 ? 2 : 1, 10);
    }
    return -1;
}

// One offer to unemployed coach `k` from league `l`, -1 when none was found.
int OfertaAoDesempregado(Jogo& jogo, const TTecnico& k, const TLiga& l,
                         const std::vector<int>& ja) {
    const int numdiv = NumDivisoes(l);
    if (numdiv < 1) return -1;
    int div = k.nivel;
    if (jogo.Aleatorio(2) == 0) div += jogo.Aleatorio(100) < 86 ? 1 : -1;
    div = std::clamp(div, 1, numdiv);
    const int vagas = TimesPorDivisao(jogo) == 20 ? 14 : 7;
    const int primeiro = TimesPorDivisao(jogo) - vagas + 1;
    // Drawn again until one fits; a division where none does gives up.
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const int c = ClubeNoLugar(jogo, l, div, primeiro + jogo.Aleatorio(vagas));
        if (c < 0 || jogo.times[c].humano || c == k.timeanterior) continue;
        if (std::find(ja.begin(), ja.end(), c) != ja.end()) continue;
        const int t = jogo.times[c].tecnico;
        if (TecnicoValido(jogo, t) && jogo.tecnicos[t].protecao != 0) continue;
        return c;
    }
    return -1;
}

} // namespace

void Contratar(Jogo& jogo, int clube, int tecnico) {
    if (!jogo.TimeValido(clube) || !TecnicoValido(jogo, tecnico)) return;
    TTime& t = jogo.times[clube];
    TTecnico& k = jogo.tecnicos[tecnico];
    t.tecnico = tecnico;
    k.time = clube;
    k.empregado = 1;
    t.confdiretoria = 100;
    t.conftorcida = 80;
    DinheiroAoContratar(jogo, clube);
    jogo.trocastecnicos.push_back({tecnico, jogo.estado.temporada, clube});
    if (!k.humano) return;
    TEstadoJogo& e = jogo.estado;
    t.humano = 1;
    for (i32& h : e.timeshumanos)
        if (h == -1) {
            h = clube;
            break;
        }
    OrdenarHumanos(e);
    MarcarPaisesComHumano(jogo);
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        TJogador& j = jogo.jogadores[i];
        if (j.time != clube || !j.avenda) continue;
        RetirarDaVenda(jogo, static_cast<int>(i));
        NovoContrato(jogo, j);
    }
}

void Deixar(Jogo& jogo, int clube, int tecnico) {
    if (!jogo.TimeValido(clube) || !TecnicoValido(jogo, tecnico)) return;
    TTime& t = jogo.times[clube];
    TTecnico& k = jogo.tecnicos[tecnico];
    k.nivel = t.divisao;
    if (k.humano && t.divisao == 2 && jogo.estado.divisoesporliga == 4) {
        const int li = jogo.LigaDoPais(t.pais);
        if (li >= 0 && jogo.ligas[li].numdivisoes == 2) k.nivel = 4;
    }
    k.time = -1;
    k.empregado = 0;
    k.timeanterior = clube;
    if (t.tecnico == tecnico) t.tecnico = -1;
    if (k.humano && t.humano) DeixarDeSerHumano(jogo, clube);
}

MotivoDemissao MotivoDaDemissao(const Jogo& jogo, int clube, bool pediu) {
    if (pediu) return MotivoDemissao::Demissao;
    if (!jogo.TimeValido(clube)) return MotivoDemissao::Resultados;
    const TTime& t = jogo.times[clube];
    if (t.divisao <= 0) return MotivoDemissao::SemDivisao;
    if (t.conftorcida <= 14) return MotivoDemissao::Torcida;
    if (t.dinheiro < 0) return MotivoDemissao::Dinheiro;
    return MotivoDemissao::Resultados;
}

int DemitirHumano(Jogo& jogo, InteracaoCarreira& ia, int clube, bool pediu) {
    if (!jogo.TimeValido(clube) || !jogo.times[clube].humano) return -1;
    const TTime& t = jogo.times[clube];
    const int humano = t.tecnico;
    const MotivoDemissao motivo = MotivoDaDemissao(jogo, clube, pediu);
    const int pais = t.pais, divisao = t.divisao;
    int novo =
        Desempregado(jogo, [&](const TTecnico& k) { return k.pais == pais && k.nivel == divisao; });
    if (novo < 0) novo = Desempregado(jogo, [&](const TTecnico& k) { return k.pais == pais; });
    if (novo < 0 && divisao != 1) {
        // The coach of a club of the country outside the divisions.
        const int n = std::min<int>(jogo.times.size(), jogo.estado.numtimesligas);
        for (int c = 0; c < n && novo < 0; ++c) {
            const TTime& o = jogo.times[c];
            if (c != clube && o.pais == pais && o.divisao == 0 && !o.humano &&
                TecnicoValido(jogo, o.tecnico))
                novo = o.tecnico;
        }
    }
    if (novo < 0) novo = Desempregado(jogo, [](const TTecnico&) { return true; });
    if (novo < 0) novo = CriarTecnico(jogo, pais, divisao);
    if (!pediu) {
        ++jogo.contagemcarreira.demissoes;
        ++jogo.contagemcarreira.demissoeshumanos;
    }
    if (TecnicoValido(jogo, humano)) Deixar(jogo, clube, humano);
    // A human club without its coach record is let go all the same.
    if (jogo.times[clube].humano) DeixarDeSerHumano(jogo, clube);
    if (const int antes = jogo.tecnicos[novo].time; antes >= 0) Deixar(jogo, antes, novo);
    Contratar(jogo, clube, novo);
    ia.Demitido(jogo, humano, clube, motivo, novo);
    return novo;
}

void VerificarDemissoes(Jogo& jogo, InteracaoCarreira& ia) {
    const int n = std::min<int>(jogo.times.size(), jogo.estado.numtimesligas);
    for (int c = 0; c < n; ++c) {
        const TTime& t = jogo.times[c];
        if (t.divisao <= 0 || t.confdiretoria >= 10) continue;
        if (t.humano)
            DemitirHumano(jogo, ia, c, false);
        else
            TrocarTecnico(jogo, ia, c);
    }
}

void OfertasEmpregados(Jogo& jogo, InteracaoCarreira& ia) {
    const TContadores& k = jogo.estado.contadores;
    if (jogo.estado.temporada < 2 || k.turnoliga != 2 || k.rodadaliga < 4 || k.rodadaliga % 2 != 0)
        return;
    // A copy: an accepted offer re-sorts the list.
    const std::vector<int> humanos(std::begin(jogo.estado.timeshumanos),
                                   std::end(jogo.estado.timeshumanos));
    for (int c : humanos) {
        if (!jogo.TimeValido(c) || !jogo.times[c].humano) continue;
        const int tecnico = jogo.times[c].tecnico;
        if (!TecnicoValido(jogo, tecnico) || !jogo.tecnicos[tecnico].podeoferta) continue;
        const int oferta = OfertaDeBomTrabalho(jogo, c);
        if (oferta >= 0 && oferta != c) Oferecer(jogo, ia, tecnico, {oferta});
    }
}

void OfertasDesempregados(Jogo& jogo, InteracaoCarreira& ia) {
    if (jogo.ligas.empty()) return;
    bool algum = false;
    for (const TTecnico& t : jogo.tecnicos) algum = algum || (t.humano && t.time < 0);
    if (!algum || jogo.Aleatorio(3) == 0) return;
    const int nligas = static_cast<int>(jogo.ligas.size());
    for (std::size_t i = 0; i < jogo.tecnicos.size(); ++i) {
        if (!jogo.tecnicos[i].humano || jogo.tecnicos[i].time >= 0) continue;
        const int quantas = 1 + jogo.Aleatorio(4);
        std::vector<int> clubes;
        for (int q = 0; q < quantas; ++q) {
            int li = q == 0 ? jogo.LigaDoPais(jogo.tecnicos[i].pais) : -1;
            if (li < 0) li = jogo.Aleatorio(nligas);
            const int c = OfertaAoDesempregado(jogo, jogo.tecnicos[i],
                                               jogo.ligas[static_cast<std::size_t>(li)], clubes);
            if (c >= 0) clubes.push_back(c);
        }
        Oferecer(jogo, ia, static_cast<int>(i), clubes);
    }
}

void AceitarConvite(Jogo& jogo, int tecnico, int clube) {
    if (!jogo.TimeValido(clube) || !TecnicoValido(jogo, tecnico) || jogo.times[clube].humano ||
        !jogo.tecnicos[tecnico].humano)
        return;
    const int antigo = jogo.times[clube].tecnico;
    const int velho = jogo.tecnicos[tecnico].time;
    if (TecnicoValido(jogo, antigo)) Deixar(jogo, clube, antigo);
    if (jogo.TimeValido(velho)) {
        Deixar(jogo, velho, tecnico);
        if (TecnicoValido(jogo, antigo)) Contratar(jogo, velho, antigo);
    }
    Contratar(jogo, clube, tecnico);
    ++jogo.contagemcarreira.convitesaceitos;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube) NovoContrato(jogo, jogo.jogadores[i]);
    PostarEmail(jogo, clube, kEmailBoasVindas, 1);
}

} // namespace management
