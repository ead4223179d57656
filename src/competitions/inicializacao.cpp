// The custom championship and the initialisation of a new game.
#include "competitions/calendario.hpp"
#include "competitions/copa.hpp"
#include "competitions/estaduais.hpp"
#include "competitions/novojogo.hpp"
#include "competitions/rodadas.hpp"
#include "competitions/torneios.hpp"
#include "world/arbitros.hpp"
#include "world/clubes.hpp"
#include "world/emails.hpp"
#include "world/nomescompeticoes.hpp"
#include "world/opcoes.hpp"

namespace competitions {

using namespace world;

std::vector<int> PaisesPersonalizados(const IndiceTimes& indice) {
    const auto n = UsaveisPorPais(indice);
    std::vector<int> r;
    for (int p = 0; p < kNumPaises; ++p)
        if (n[p] > 0) r.push_back(p);
    return r;
}

InicioNovoJogo IniciarCampeonatoPersonalizado(Jogo& jogo, IndiceTimes& indice,
                                              const OpcoesPersonalizado& o) {
    const auto n = UsaveisPorPais(indice);
    int total = 0;
    for (int p : o.paises)
        if (p >= 0 && p < kNumPaises) total += n[p];
    if (total < kMinimoPersonalizado) return InicioNovoJogo::SemLiga;
    std::array<bool, 256> marcado{};
    for (int p : o.paises)
        if (p >= 0 && p < kNumPaises) marcado[p] = true;
    for (EntradaIndice& e : indice)
        if (marcado[e.pais]) e.pais = static_cast<u8>(kPaisInternacional);

    TEstadoJogo& e = jogo.estado;
    e.divisoesporliga = o.divisoesde20 ? 2 : 4;
    e.paisprincipal = kPaisInternacional;
    e.copanacional = o.copanacional;
    e.estaduais = e.continental1 = e.continental2 = 0;
    e.copadomundo = e.eurocopa = e.copaamerica = e.gruposreais = 0;
    e.numhumanos = std::clamp(o.numhumanos, 1, 6);
    e.nomecampeonato = kNomeCampeonatoInternacional;
    e.nomecopa = kNomeCopaInternacional;
    // Every usable club of the pool is placed; only the best 40 (or 80) fit
    // the divisions, so the announced limit of 1000 clubs needs no cut here.
    jogo.ligas.push_back(NovaLiga(kPaisInternacional));
    jogo.ligas.back().temhumano = 1;
    ColocarTimesDaLiga(jogo, indice, 0);
    return InicioNovoJogo::Ok;
}

void InicializarJogo(Jogo& jogo, const std::function<void(int)>& progresso) {
    auto avisar = [&](int p) {
        if (progresso) progresso(p);
    };
    OrdenarHumanos(jogo);
    avisar(10);
    OpcoesCarga carga;
    carga.formarestaduais = FormarEstaduais;
    iniciatimes(jogo, carga);
    avisar(40);
    leopcoes(jogo.estado.opcoes);

    TEstadoJogo& e = jogo.estado;
    e.dataatual = 1;
    e.temporada = 1;
    e.marcador = 2007;
    if (e.paisprincipal == kPaisInternacional) e.numtimesextras = 0;
    jogo.escalacoes.clear();
    for (TTime& t : jogo.times) t.escalacao = -1;
    IniciarContadores(jogo);
    avisar(60);

    MontarCalendario(jogo);
    GerarPartidasDaTemporada(jogo);
    if (e.estaduais) GerarPartidasEstaduais(jogo);
    if (e.copanacional) SortearCopas(jogo);
    avisar(70);

    IrParaPrimeiraData(jogo);
    // Every contract ends 10 to 39 whole weeks after the first date.
    const double primeira = jogo.calendario[std::max(1, e.dataatual) - 1].data;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
        jogo.jogadores[i].contrato = primeira + 7.0 * (10 + jogo.Aleatorio(30));
    avisar(80);

    // The first season's tournament (a Copa America when it is on).
    PrepararTorneioDaTemporada(jogo);
    EscolherArbitrosTemporada(jogo);
    for (int c : e.timeshumanos)
        if (c >= 0) world::PostarEmail(jogo, c, world::kEmailBoasVindas, 0);
    avisar(100);
}

} // namespace competitions
