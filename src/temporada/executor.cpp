// The matchday runner: opening the date, the groups, the set-up of the
// matches and the clock.
#include "temporada/executor.hpp"

#include "competitions/calendario.hpp"
#include "competitions/torneios.hpp"
#include "match/motor.hpp"
#include "match/publico.hpp"
#include "temporada/posrodada.hpp"
#include "temporada/rodada_interno.hpp"

#include <algorithm>

namespace temporada {

using namespace match;

using namespace world;

void ExecucaoRodada::Reservar() {
    rodada.eventos.reserve(4096);
    confrontos.reserve(kMaxJogos);
}

namespace {

bool TemHumano(const Jogo& jogo, const std::vector<TPartida>& partidas, const std::vector<int>& l) {
    for (int i : l) {
        const TPartida& f = partidas[i];
        for (int c : {f.mandante, f.visitante})
            if (jogo.TimeValido(c) && jogo.times[c].humano) return true;
    }
    return false;
}

bool LigaMostrada(const Jogo& jogo, int liga) {
    return liga >= 0 && liga < static_cast<int>(jogo.ligas.size()) &&
           (jogo.ligas[liga].temhumano || jogo.ligas[liga].visualizar);
}

// The key a fixture is grouped by for each code.
int ChaveDoGrupo(int codigo, const TPartida& f) {
    switch (codigo) {
    case kLiga:
    case kCopaNacional:
    case kEstadual:
    case kContinental1:
    case kContinental2:
        return f.grupo;
    default:
        return 0;
    }
}

// The options "opver41/42/61/62": 1 shows the cup of that region as results only.
bool SoResultados(const Jogo& jogo, int codigo, int regiao) {
    const TOpcoes& o = jogo.estado.opcoes;
    if (codigo == kContinental1) return (regiao == 1 ? o.opver41 : o.opver42) == 1;
    return (regiao == 1 ? o.opver61 : o.opver62) == 1;
}

void MontarGrupos(const Jogo& jogo, ExecucaoRodada& ex, const std::vector<int>& dodia) {
    ex.grupos.clear();
    const auto& partidas = *ex.partidas;
    std::vector<int> ordem;
    for (int i : dodia)
        if (i >= 0 && i < static_cast<int>(partidas.size())) ordem.push_back(i);
    // Fixtures of one group stand together, groups in ascending order, each
    // group in list order.
    std::stable_sort(ordem.begin(), ordem.end(), [&](int a, int b) {
        return ChaveDoGrupo(ex.codigo, partidas[a]) < ChaveDoGrupo(ex.codigo, partidas[b]);
    });
    for (int i : ordem) {
        const int id = ChaveDoGrupo(ex.codigo, partidas[i]);
        // A group never holds more than the 20 match records; a longer list
        // goes on in a further group rather than losing fixtures.
        if (ex.grupos.empty() || ex.grupos.back().id != id ||
            ex.grupos.back().partidas.size() >= static_cast<std::size_t>(kMaxJogos))
            ex.grupos.push_back({id, false, {}});
        ex.grupos.back().partidas.push_back(i);
    }
    if (ex.semtela) return;
    bool algum = false;
    for (auto& g : ex.grupos) {
        switch (ex.codigo) {
        case kLiga:
        case kCopaNacional:
            g.mostrado = LigaMostrada(jogo, g.id);
            break;
        case kContinental1:
        case kContinental2:
            // Each region's edition is watched unless its option asks for the
            // results only; a human club's group is always watched.
            g.mostrado =
                !SoResultados(jogo, ex.codigo, g.id) || TemHumano(jogo, partidas, g.partidas);
            break;
        case kCopaDoMundo:
        case kCopaAmerica:
        case kEurocopa:
            g.mostrado = true;
            break;
        default:
            g.mostrado = TemHumano(jogo, partidas, g.partidas);
            break;
        }
        algum = algum || g.mostrado;
    }
    if ((ex.codigo == kLiga || ex.codigo == kCopaNacional) && !algum && !ex.grupos.empty()) {
        auto it = std::find_if(ex.grupos.begin(), ex.grupos.end(),
                               [&](const auto& g) { return g.id == ex.ligamostrada; });
        (it != ex.grupos.end() ? *it : ex.grupos.front()).mostrado = true;
    }
}

ContextoPublico Contexto(const Jogo& jogo, const ExecucaoRodada& ex, int grupo) {
    const ContadoresCompeticao& k = jogo.estado.contadores;
    ContextoPublico c;
    c.codigo = ex.codigo;
    c.grupo = grupo;
    c.primeirarodada = ex.codigo == kLiga && k.rodadaliga == 1 && k.turnoliga == 1;
    if (ex.codigo == kCopaNacional) c.fase = k.fasecopa;
    if (ex.codigo == kContinental1) c.fase = k.fasecontinental[0];
    if (ex.codigo == kContinental2) c.fase = k.fasecontinental[1];
    return c;
}

void AvancarContadores(Jogo& jogo, ExecucaoRodada& ex) {
    ContadoresCompeticao& k = jogo.estado.contadores;
    switch (ex.codigo) {
    case kLiga:
        competitions::AvancarContadoresLiga(jogo);
        break;
    case kCopaNacional:
        if (k.turnocopa == 1)
            k.turnocopa = 2;
        else
            k.turnocopa = 1, ++k.fasecopa;
        break;
    case kEstadual:
        if (++k.rodadaestadual > 5 && k.turnoestadual == 1)
            k.turnoestadual = 2, k.rodadaestadual = 1;
        break;
    case kContinental1:
    case kContinental2: {
        int& f = k.fasecontinental[ex.codigo == kContinental1 ? 0 : 1];
        int& t = k.turnocontinental[ex.codigo == kContinental1 ? 0 : 1];
        if (f <= 3) {
            if (++f == 4) {
                if (t == 1)
                    f = 1, t = 2;
                else
                    t = 1;
            }
        } else if (t == 1) {
            t = 2;
        } else {
            t = 1, ++f;
        }
        break;
    }
    case kMundialDeClubes:
    case kCopaDoMundo:
    case kCopaAmerica:
    case kEurocopa:
        ++k.fasetorneio;
        break;
    default:
        break;
    }
}

} // namespace

void AbrirRodada(Jogo& jogo, ExecucaoRodada& ex, int codigo, double data,
                 const std::vector<int>& dodia) {
    ex.Reservar();
    ex.codigo = codigo;
    ex.rodada.Limpar();
    ex.rodada.tipo = codigo;
    ex.rodada.hoje = data;
    ex.rodada.minuto = 0;
    ex.rodada.tempo = 1;
    ex.numjogoshumanos = 0;
    ex.rapido = false;
    ex.grupoatual = -1;
    ex.confrontos.clear();
    ex.tomouparte.assign(jogo.jogadores.size(), 0);
    if (!ex.partidas) ex.partidas = &jogo.partidas;
    MontarGrupos(jogo, ex, dodia);
    interno::IndexarJogadores(jogo, ex);
    ex.estado = EstadoRodada::Pronta;
}

void PrepararJogos(Jogo& jogo, ExecucaoRodada& ex, const ExecucaoRodada::Grupo& g) {
    Rodada& r = ex.rodada;
    r.Limpar();
    r.minuto = 0;
    r.tempo = 1;
    ex.numjogoshumanos = 0;
    ex.encerrado = false;
    const ContextoPublico ctx = Contexto(jogo, ex, g.id);
    int m = 0;
    for (int idx : g.partidas) {
        const TPartida& f = (*ex.partidas)[idx];
        if (f.jogado || !jogo.TimeValido(f.mandante) || !jogo.TimeValido(f.visitante) ||
            f.mandante == f.visitante || m >= kMaxJogos)
            continue;
        ++m;
        IniciarPartida(jogo, r, m, f.mandante, f.visitante, g.mostrado && !ex.rapido);
        TJogoDaRodada& p = r.jogos[m];
        p.divisao = jogo.times[f.mandante].divisao;
        p.partida = idx;
        if ((jogo.times[f.mandante].humano || jogo.times[f.visitante].humano) &&
            ex.numjogoshumanos < 6)
            ex.jogoshumanos[ex.numjogoshumanos++] = m;
        // Everyone put into a starting place takes part in the date.
        for (const auto& lado : p.onzeinicial)
            for (int j : lado)
                if (j > 0) jogo.jogadores[j].atuou = 1;
        if (ex.codigo == kMundialDeClubes) p.estadio = m % 2 == 1 ? "Toquio" : "Yokohama";
        if (EhTorneioDeSelecoes(ex.codigo)) p.estadio = competitions::EstadioDoTorneio(jogo, idx);
        CalcularPublico(jogo, p, ctx);
    }
}

EstadoRodada JogarProximoGrupo(Jogo& jogo, ExecucaoRodada& ex) {
    if (ex.estado != EstadoRodada::Pronta) return ex.estado; // a group on the clock goes first
    while (++ex.grupoatual < static_cast<int>(ex.grupos.size())) {
        const auto& g = ex.grupos[ex.grupoatual];
        ex.rapido = !g.mostrado;
        PrepararJogos(jogo, ex, g);
        if (!ex.rapido) {
            ex.estado = EstadoRodada::Relogio;
            return ex.estado;
        }
        JogarRodadaRapida(jogo, ex.rodada);
        FimDosJogos(jogo, ex);
    }
    AvancarContadores(jogo, ex);
    EvoluirJogadores(jogo, ex.codigo, ex.tomouparte);
    ex.estado = EstadoRodada::Encerrada;
    return ex.estado;
}

EstadoRodada Minuto(Jogo& jogo, ExecucaoRodada& ex) {
    if (ex.estado != EstadoRodada::Relogio) return ex.estado;
    Rodada& r = ex.rodada;
    ++r.minuto;
    // The window had the clock stopped and may have changed anything.
    EsquecerResumos(r);
    JogarMinutoDeTodos(jogo, r);
    r.interacao->MinutoJogado(r);
    if (r.minuto < 45) return ex.estado;
    if (r.tempo == 1) {
        r.minuto = 0;
        r.tempo = 2;
        if (jogo.estado.numhumanos > 0 && jogo.estado.opcoes.opintervalo && ex.numjogoshumanos > 0)
            r.interacao->Intervalo(jogo, r,
                                   std::span<const int>(ex.jogoshumanos, ex.numjogoshumanos));
        r.interacao->SegundoTempo(r);
        return ex.estado;
    }
    FimDosJogos(jogo, ex);
    ex.estado = EstadoRodada::Pronta;
    return JogarProximoGrupo(jogo, ex);
}

void JogarData(Jogo& jogo, ExecucaoRodada& ex, int codigo, double data,
               const std::vector<int>& dodia) {
    AbrirRodada(jogo, ex, codigo, data, dodia);
    JogarProximoGrupo(jogo, ex);
    while (ex.estado == EstadoRodada::Relogio) Minuto(jogo, ex);
}

int IntervaloDoRelogio(const Jogo& jogo, const ExecucaoRodada& ex) {
    bool humano = ex.numjogoshumanos > 0;
    if (ex.codigo == kLiga) humano = jogo.estado.numhumanos > 0;
    // A tournament is watched at the humans' speed while one of them coaches
    // one of its teams, eliminated or not.
    if (EhTorneioDeSelecoes(ex.codigo))
        for (int h = 0; h < 6; ++h) humano = humano || competitions::SelecaoDoHumano(jogo, h) >= 0;
    // From the cup's second phase on, a human club still in it: one with a
    // tie on this date (a club knocked out keeps its cup flag).
    if (ex.codigo == kCopaNacional && jogo.estado.contadores.fasecopa >= 2 && ex.partidas)
        for (const auto& g : ex.grupos)
            humano = humano || TemHumano(jogo, *ex.partidas, g.partidas);
    const TOpcoes& o = jogo.estado.opcoes;
    return humano ? o.opvelocidade : o.opnhvelocidade;
}

std::vector<int> PartidasDoDia(const std::vector<TPartida>& partidas, int codigo, double data) {
    std::vector<int> r;
    for (std::size_t i = 0; i < partidas.size(); ++i)
        if (partidas[i].competicao == codigo && partidas[i].data == data && !partidas[i].jogado)
            r.push_back(static_cast<int>(i));
    return r;
}

} // namespace temporada
