#include "competitions/novojogo.hpp"

#include "match/escalacaoautomatica.hpp"
#include "plataforma/caminhos.hpp"
#include "world/arquivotime.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <algorithm>
#include <numeric>

namespace competitions {

using namespace world;

std::vector<int> LigasOferecidas(const IndiceTimes& indice) {
    const auto n = UsaveisPorPais(indice);
    std::vector<int> r;
    for (int p = 0; p < kNumPaises; ++p)
        if (n[p] > 21) r.push_back(p);
    return r;
}

int NumeroDeDivisoes(int clubes, bool divisoesde20) {
    if (divisoesde20) return clubes < 42 ? 1 : 2;
    if (clubes >= 42) return 4;
    return clubes < 32 ? 2 : 3;
}

void ColocarTimesDaLiga(Jogo& jogo, const IndiceTimes& indice, int liga) {
    TLiga& l = jogo.ligas[liga];
    struct Item {
        int time, nivel, chave;
    };
    std::vector<Item> lista;
    for (int i : timesdopais(indice, l.pais)) {
        const int t = AcrescentarTime(jogo, indice[i]);
        lista.push_back({t, indice[i].nivel, jogo.Aleatorio(50)});
    }
    for (Item& it : lista) it.chave = jogo.Aleatorio(50);
    std::stable_sort(lista.begin(), lista.end(), [](const Item& a, const Item& b) {
        if (a.nivel != b.nivel) return a.nivel > b.nivel;
        return a.chave < b.chave;
    });
    const bool de20 = jogo.estado.divisoesporliga == 2;
    l.numdivisoes = NumeroDeDivisoes(static_cast<int>(lista.size()), de20);
    const int porDivisao = de20 ? 20 : 10;
    for (std::size_t k = 0; k < lista.size(); ++k) {
        const int d = static_cast<int>(k) / porDivisao;
        if (d >= l.numdivisoes) break;
        const int s = static_cast<int>(k) % porDivisao;
        l.divisoes[d][s] = l.ordem[d][s] = lista[k].time;
        jogo.times[lista[k].time].divisao = d + 1;
    }
    jogo.estado.numtimesligas += static_cast<i32>(lista.size());
}

InicioNovoJogo IniciarJogoDeClubes(Jogo& jogo, const IndiceTimes& indice, const OpcoesNovoJogo& o) {
    if (o.ligas.empty()) return InicioNovoJogo::SemLiga;
    for (int pais : o.ligas) jogo.ligas.push_back(NovaLiga(pais));
    TEstadoJogo& e = jogo.estado;
    e.divisoesporliga = o.divisoesde20 ? 2 : 4;
    e.paisprincipal = o.paisprincipal;
    e.copanacional = o.copanacional;
    e.estaduais = o.estaduais && o.paisprincipal == kPaisCasa;
    e.continental1 = o.continental1;
    e.continental2 = o.continental2 && o.continental1;
    e.copadomundo = o.copadomundo;
    e.gruposreais = o.gruposreais;
    e.eurocopa = o.eurocopa;
    e.copaamerica = o.copaamerica;
    e.numhumanos = std::clamp(o.numhumanos, 1, 6);
    std::string liga = nomeliga(o.paisprincipal);
    if (liga.empty()) liga = NomePais(o.paisprincipal);
    // League names that already read "Campeonato ..." are not prefixed twice.
    const std::string_view prefixo = "Campeonato ";
    e.nomecampeonato = liga.starts_with(prefixo) ? liga : std::string(prefixo) + liga;
    e.nomecopa = o.paisprincipal == kPaisCasa ? std::string("Copa do Brasil")
                                              : "Copa " + NomePais(o.paisprincipal);
    for (std::size_t l = 0; l < jogo.ligas.size(); ++l)
        ColocarTimesDaLiga(jogo, indice, static_cast<int>(l));
    return InicioNovoJogo::Ok;
}

PerfilClube PerfilDoClube(const Jogo& jogo, int time) {
    PerfilClube r;
    if (!jogo.TimeValido(time) || static_cast<std::size_t>(time) >= jogo.arquivostimes.size() ||
        jogo.arquivostimes[time].empty())
        return r;
    const auto arquivo = learquivotime(
        plataforma::ResolverEm(plataforma::Resolver("teams"), jogo.arquivostimes[time]));
    if (!arquivo) return r;
    r.lido = true;
    r.nivel = arquivo->cabecalho.nivel;
    const InicioDivisao& inicio = InicioDaDivisao(jogo.times[time].divisao);
    r.dinheiro = jogo.estado.estaduais ? inicio.dinheirocomestaduais : inicio.dinheirosemestaduais;
    const int base = BaseDeForca(jogo, time, r.nivel);
    const double meio = (kSorteioForca - 1) / 2.0;
    std::vector<match::ForcaNaPosicao> elenco;
    const TBlocoJogadores& b = arquivo->jogadores;
    for (int k = 0; k < kVagasTime; ++k)
        if (!VagaVazia(b.nomes[k]))
            elenco.push_back(
                {b.posicoes[k],
                 ForcaInicial(base, 0, b.titulares[k] != 0, b.estrelas[k] != 0) + meio});
    r.forca = match::ForcaDoOnze(elenco);
    return r;
}

void EscolherTime(Jogo& jogo, int humano, int time, const std::string& nome) {
    if (humano < 0 || humano >= 6 || time < 0 || time >= static_cast<int>(jogo.times.size()))
        return;
    TTime& t = jogo.times[time];
    t.humano = 1;
    jogo.estado.timeshumanos[humano] = time;
    jogo.estado.timeatual = time;
    const int liga = jogo.LigaDoPais(t.pais);
    if (liga >= 0) jogo.ligas[liga].temhumano = 1;
    jogo.nomeshumanos[humano] = nome.substr(0, 25);
}

void OrdenarHumanos(Jogo& jogo) {
    std::array<int, 6> ordem;
    std::iota(ordem.begin(), ordem.end(), 0);
    auto& th = jogo.estado.timeshumanos;
    // Empty slots (-1) go last.
    std::stable_sort(ordem.begin(), ordem.end(), [&](int a, int b) {
        if ((th[a] < 0) != (th[b] < 0)) return th[b] < 0;
        return th[a] < th[b];
    });
    std::array<i32, 6> times;
    std::array<std::string, 6> nomes;
    for (int i = 0; i < 6; ++i) {
        times[i] = th[ordem[i]];
        nomes[i] = jogo.nomeshumanos[ordem[i]];
    }
    for (int i = 0; i < 6; ++i) {
        th[i] = times[i];
        jogo.nomeshumanos[i] = nomes[i];
    }
}

bool RemoverTecnicoHumano(Jogo& jogo, int humano) {
    if (humano < 0 || humano >= 6) return false;
    const int t = jogo.estado.humanos[humano];
    if (t < 0 || t >= static_cast<int>(jogo.tecnicos.size())) return false;
    // Still coaching a club, or a national team in the tournament (which
    // would be left with nobody at its helm).
    if (jogo.tecnicos[t].time >= 0 || jogo.tecnicos[t].treinaselecao) return false;
    TTecnico& tec = jogo.tecnicos[t];
    tec.nome = "";
    tec.time = -1;
    tec.empregado = 0;
    tec.humano = 0;
    jogo.estado.humanos[humano] = -1;
    return true;
}

int AdicionarTecnicoHumano(Jogo& jogo, const std::string& nome) {
    auto& humanos = jogo.estado.humanos;
    const auto vaga = std::find(std::begin(humanos), std::end(humanos), -1);
    if (vaga == std::end(humanos) || nome.empty()) return -1;
    for (std::size_t k = 0; k < jogo.tecnicos.size(); ++k) {
        if (!jogo.tecnicos[k].nome.empty()) continue;
        TTecnico t = NovoTecnico();
        t.nome = nome.substr(0, 25);
        t.nivel = jogo.estado.divisoesporliga == 2 ? 2 : 4;
        t.pais = jogo.estado.paisprincipal;
        t.humano = 1;
        t.novo = 1;
        jogo.tecnicos[k] = t;
        *vaga = static_cast<i32>(k);
        return static_cast<int>(k);
    }
    return -1;
}

} // namespace competitions
