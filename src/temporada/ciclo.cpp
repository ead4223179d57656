// The advance cycle of the main screen.
#include "temporada/ciclo.hpp"

#include "management/atualizacao.hpp"

#include "management/amistosos.hpp"

#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/continentais.hpp"
#include "competitions/copa.hpp"
#include "competitions/estaduais.hpp"
#include "competitions/torneios.hpp"
#include "management/contratos.hpp"
#include "management/envelhecimento.hpp"
#include "management/escalacao.hpp"
#include "management/estadio.hpp"
#include "match/escalacaoautomatica.hpp"
#include "persistence/jogosalvo.hpp"
#include "temporada/fimdetemporada.hpp"
#include "temporada/posrodada.hpp"
#include "world/clubes.hpp"
#include "world/emails.hpp"
#include "world/paises.hpp"

#include <algorithm>

namespace temporada {

bool InteracaoCiclo::Gravar(world::Jogo& jogo) {
    return persistence::salvajogo(jogo);
}

using namespace management;

using namespace world;
using competitions::Competicao;

namespace {

// A fixture of the club today with both clubs known.
bool TemJogoHoje(const Jogo& jogo, int time, int codigo) {
    const double hoje = jogo.Hoje();
    for (const TPartida& p : jogo.partidas)
        if (p.competicao == codigo && p.data == hoje && !p.jogado && p.mandante >= 0 &&
            p.visitante >= 0 && (p.mandante == time || p.visitante == time))
            return true;
    return false;
}

// The first human, in timeshumanos order, who plays today; -1 if none.
int PrimeiroHumanoQueJoga(const Jogo& jogo, int desde) {
    const TEstadoJogo& e = jogo.estado;
    for (int i = desde; i < 6; ++i) {
        const int c = e.timeshumanos[i];
        if (jogo.TimeValido(c) && HumanoJoga(jogo, c, e.tipo)) return i;
    }
    return -1;
}

// The first human number, from `desde`, whose national team plays today; -1
// if none.
int PrimeiraSelecaoQueJoga(const Jogo& jogo, int desde) {
    for (int h = desde; h < 6; ++h) {
        const int c = competitions::SelecaoDoHumano(jogo, h);
        if (c >= 0 && HumanoJoga(jogo, c, jogo.estado.tipo)) return h;
    }
    return -1;
}

bool AlgumHumanoJoga(const Jogo& jogo) {
    if (EhTorneioDeSelecoes(jogo.estado.tipo)) return PrimeiraSelecaoQueJoga(jogo, 0) >= 0;
    return PrimeiroHumanoQueJoga(jogo, 0) >= 0;
}

// The club of human number `h`, -1 without one.
int ClubeDoHumano(const Jogo& jogo, int h) {
    const int k = jogo.estado.humanos[h];
    if (!jogo.TecnicoValido(k)) return -1;
    const int c = jogo.tecnicos[k].time;
    return jogo.TimeValido(c) ? c : -1;
}

// Each human national coach not asked yet calls up his squad, when his
// country has the players for it.
void Convocacoes(Jogo& jogo, InteracaoCiclo& ia) {
    TTorneio& t = jogo.estado.torneio;
    for (int h = 0; h < 6; ++h) {
        const int c = competitions::SelecaoDoHumano(jogo, h);
        if (c < 0 || t.convocou[h]) continue;
        t.convocou[h] = 1;
        if (!competitions::PaisPodeConvocar(jogo, c)) continue;
        const std::vector<int> lista = ia.ConvocarSelecao(jogo, h, c);
        if (!lista.empty()) competitions::Convocar(jogo, c, lista);
    }
}

// A tournament date is still to come this season.
bool DataDoTorneioPorVir(const Jogo& jogo) {
    const int codigo = jogo.estado.torneio.codigo;
    for (int n = std::max(1, jogo.estado.dataatual); n <= kDatasPorTemporada; ++n)
        if (jogo.calendario[n - 1].competicao == codigo) return true;
    return false;
}

Proximo Runner(const Jogo& jogo) {
    return {Tela::Rodada, -1, jogo.estado.tipo, false};
}

// The league follow-up after a league date: job offers, coach changes,
// transfers.
void DepoisDaLiga(Jogo& jogo, InteracaoCiclo& ia) {
    OfertasEmpregados(jogo, ia);
    OfertasDesempregados(jogo, ia);
    VerificarDemissoes(jogo, ia);
    TransferenciasDepoisDaLiga(jogo);
}

bool DataSemJogos(const Jogo& jogo) {
    return temporada::PartidasDoDia(jogo.partidas, jogo.estado.tipo, jogo.Hoje()).empty();
}

// Goes on into the current date: the main screen when a human plays on it,
// otherwise straight to the runner (or the waiting screen of a coach without
// a club). A date on which not a single match is played has nothing to show:
// it is played at once (its counters and the players' training still move)
// and the cycle goes on to the next.
Proximo Seguir(Jogo& jogo, InteracaoCiclo& ia, bool leiloes = false) {
    jogo.ciclo.humanojoga = AlgumHumanoJoga(jogo);
    if (jogo.ciclo.humanojoga) {
        // Before a league date's main screen, computer-run clubs may put
        // players up for auction.
        if (EhTorneioDeSelecoes(jogo.estado.tipo)) return AbrirTelaSelecao(jogo, ia);
        if (leiloes && jogo.estado.tipo == Competicao::kLiga) LeiloesAntesDaLiga(jogo, ia);
        return AbrirTelaPrincipal(jogo, ia);
    }
    if (DataSemJogos(jogo)) return JogarDataSemHumanos(jogo, ia);
    if (jogo.estado.numhumanos == 0 && HaTecnicoHumano(jogo))
        return {Tela::Aguardando, -1, jogo.estado.tipo, false};
    return Runner(jogo);
}

void Salvar(Jogo& jogo, InteracaoCiclo& ia) {
    if (jogo.estado.arquivo.view().empty()) {
        const std::string nome = ia.NomeDoJogo(jogo);
        if (nome.empty()) return;
        jogo.estado.arquivo = nome;
    }
    if (ia.Gravar(jogo))
        ia.JogoSalvo(jogo);
    else
        ia.ErroAoSalvar(persistence::ErroAoSalvar());
}

// "Amistosos de Pré-temporada": each human with a club in turn, as the
// current club, when the coaches want them.
void OferecerAmistososPreTemporada(Jogo& jogo, InteracaoCiclo& ia) {
    TEstadoJogo& e = jogo.estado;
    bool algum = false;
    for (int c : e.timeshumanos) algum = algum || (jogo.TimeValido(c) && jogo.times[c].humano);
    if (!algum || !ia.QuerAmistososPreTemporada(jogo)) return;
    const int atual = e.timeatual;
    const std::vector<int> humanos(std::begin(e.timeshumanos), std::end(e.timeshumanos));
    for (int c : humanos)
        if (jogo.TimeValido(c) && jogo.times[c].humano) {
            e.timeatual = c;
            ia.AmistososPreTemporada(jogo, c);
        }
    e.timeatual = atual;
}

// The first date of a season whose first phase of the cup nobody plays: the
// game goes straight to the first league date of the mode with divisions of
// 10 with the cup in its second phase.
bool SaltarParaALiga(Jogo& jogo) {
    TEstadoJogo& e = jogo.estado;
    if (e.tipo != Competicao::kCopaNacional || AlgumHumanoJoga(jogo)) return false;
    for (std::size_t l = 0; l < jogo.ligas.size(); ++l)
        if (competitions::CopaDe32(jogo, static_cast<int>(l))) return false;
    e.contadores.fasecopa = 2;
    e.contadores.turnocopa = 1;
    e.dataatual = 45;
    e.tipo = Competicao::kLiga;
    return true;
}

} // namespace

bool HumanoJoga(const Jogo& jogo, int time, int codigo) {
    if (!jogo.TimeValido(time)) return false;
    const TTime& t = jogo.times[time];
    switch (codigo) {
    case Competicao::kAmistoso:
        return TemJogoHoje(jogo, time, codigo);
    case Competicao::kLiga:
        return true;
    case Competicao::kCopaNacional:
        // In the cup while it still has a tie to play today: a club knocked
        // out keeps its cup flag but has nothing to play.
        return t.jogacopa && TemJogoHoje(jogo, time, codigo);
    case Competicao::kEstadual:
        return t.jogaestadual != 0;
    // The continental cups and the club world cup: still in it and with a
    // match today (a club knocked out, or a champion waiting for the
    // semi-final, has none).
    case Competicao::kContinental1:
        return t.jogacontinental != 0 && TemJogoHoje(jogo, time, codigo);
    case Competicao::kMundialDeClubes:
        return t.jogamundial != 0 && TemJogoHoje(jogo, time, codigo);
    case Competicao::kContinental2:
        return t.jogacontinental2 != 0 && TemJogoHoje(jogo, time, codigo);
    // A human's national team: still in the tournament, with a match today.
    case Competicao::kCopaDoMundo:
    case Competicao::kCopaAmerica:
    case Competicao::kEurocopa:
        return competitions::EhSelecaoDoTorneio(jogo, time) && t.humano && t.jogaselecao &&
               TemJogoHoje(jogo, time, codigo);
    default:
        return false;
    }
}

bool ContarAberturaParaSalvar(Jogo& jogo) {
    EstadoCiclo& c = jogo.ciclo;
    const int antes = c.contadorsalvar++;
    const int op = jogo.estado.opcoes.opsalvar;
    if ((op == 1 && antes == 2) || op == 2) {
        c.contadorsalvar = 0;
        return true;
    }
    return false;
}

bool HaTecnicoHumano(const Jogo& jogo) {
    for (int k : jogo.estado.humanos)
        if (k >= 0 && k < static_cast<int>(jogo.tecnicos.size())) return true;
    return false;
}

Proximo EntrarNoJogo(Jogo& jogo, InteracaoCiclo& ia, bool carregado) {
    jogo.ciclo = EstadoCiclo{};
    jogo.ciclo.semeventos = true;
    TEstadoJogo& e = jogo.estado;
    // Saved after the last date: the season end is next.
    if (e.tipo == kSemEvento) return {Tela::FimDeTemporada, -1, -1, false};
    const int primeiro = PrimeiroHumanoQueJoga(jogo, 0);
    int navez = -1;
    for (int i = carregado && primeiro >= 0 ? primeiro + 1 : 6; i < 6; ++i)
        if (e.timeshumanos[i] == e.timeatual && HumanoJoga(jogo, e.timeatual, e.tipo)) navez = i;
    if (navez < 0 || e.tipo == Competicao::kMundialDeClubes) {
        const Proximo p = Seguir(jogo, ia);
        // Only the screen opened right now goes without its events: a loaded
        // game that starts with a date nobody human plays has its next main
        // screen as it would have had it.
        if (p.tela != Tela::Principal) jogo.ciclo.semeventos = false;
        return p;
    }
    // A later human had the keyboard: those before him in the list who play
    // today have committed their lineups already.
    for (int i = 0; i < navez; ++i) {
        const int c = e.timeshumanos[i];
        if (!jogo.TimeValido(c) || !HumanoJoga(jogo, c, e.tipo)) continue;
        if (!RestaurarEscalacao(jogo, c, e.tipo, jogo.Hoje())) {
            // No lineup to put back (an old file): they set theirs again.
            temporada::EsvaziarEscalacoes(jogo);
            return Seguir(jogo, ia);
        }
    }
    jogo.ciclo.humanojoga = true;
    jogo.ciclo.vezhumano = navez + 1;
    return {Tela::Principal, e.timeatual, e.tipo, true};
}

Proximo AbrirTelaPrincipal(Jogo& jogo, InteracaoCiclo& ia) {
    TEstadoJogo& e = jogo.estado;
    EstadoCiclo& c = jogo.ciclo;
    c.vezhumano = 1;
    const int i = PrimeiroHumanoQueJoga(jogo, 0);
    if (i >= 0) {
        e.timeatual = e.timeshumanos[i];
        c.vezhumano = i + 1;
    }
    if (!c.semeventos && ContarAberturaParaSalvar(jogo)) Salvar(jogo, ia);
    return {Tela::Principal, e.timeatual, e.tipo, true};
}

bool EventosPreTela(Jogo& jogo, InteracaoCiclo& ia) {
    EstadoCiclo& c = jogo.ciclo;
    if (c.semeventos) {
        c.semeventos = false;
        return false;
    }
    const int time = jogo.estado.timeatual;
    if (!jogo.TimeValido(time) || jogo.EhSelecao(time)) return false;
    bool mudou = OfertaComputador(jogo, ia, time);
    if (jogo.estado.tipo == Competicao::kLiga) {
        if (const int morto = MorteJogador(jogo, time); morto > 0) {
            ia.Falecimento(jogo, morto);
            mudou = true;
        }
        ConvidarTecnico(jogo, ia, time);
    }
    return mudou;
}

Proximo Jogar(Jogo& jogo, InteracaoCiclo&) {
    TEstadoJogo& e = jogo.estado;
    EstadoCiclo& c = jogo.ciclo;
    if (e.tipo == Competicao::kMundialDeClubes) return Runner(jogo); // one human is enough
    while (c.vezhumano < 6) {
        const int clube = e.timeshumanos[c.vezhumano++];
        if (!jogo.TimeValido(clube) || !HumanoJoga(jogo, clube, e.tipo)) continue;
        e.timeatual = clube;
        const bool eventos = e.tipo == Competicao::kLiga || e.tipo == Competicao::kEstadual;
        return {Tela::Principal, clube, e.tipo, eventos};
    }
    return Runner(jogo);
}

void AbrirRodadaDoDia(Jogo& jogo, temporada::ExecucaoRodada& ex) {
    const int codigo = jogo.estado.tipo;
    const double hoje = jogo.Hoje();
    ex.partidas = &jogo.partidas;
    const std::vector<int> dodia = temporada::PartidasDoDia(jogo.partidas, codigo, hoje);
    // Every club with a fixture today gets its lineup, whatever its flags say.
    std::vector<int> clubes;
    std::vector<char> visto(jogo.times.size(), 0);
    for (int i : dodia)
        for (int c : {jogo.partidas[i].mandante, jogo.partidas[i].visitante})
            if (jogo.TimeValido(c) && !visto[c]) {
                visto[c] = 1;
                clubes.push_back(c);
            }
    match::EscalarRodada(jogo, codigo, hoje, clubes);
    jogo.ciclo.ligaencerradaantes = jogo.estado.contadores.ligaencerrada != 0;
    temporada::AbrirRodada(jogo, ex, codigo, hoje, dodia);
}

Proximo JogarDataSemHumanos(Jogo& jogo, InteracaoCiclo& ia) {
    match::InteracaoPadrao ninguem; // nobody to ask: not a human match among them
    temporada::ExecucaoRodada ex;
    ex.semtela = true;
    ex.rodada.interacao = &ninguem;
    AbrirRodadaDoDia(jogo, ex);
    temporada::JogarProximoGrupo(jogo, ex);
    while (ex.estado == temporada::EstadoRodada::Relogio) temporada::Minuto(jogo, ex);
    return Continuar(jogo, ia, ex.codigo);
}

Proximo Continuar(Jogo& jogo, InteracaoCiclo& ia, int codigo) {
    TEstadoJogo& e = jogo.estado;
    // The continental follow-up comes first: the club world cup, drawn when
    // the calendar reaches it, needs the continental champions.
    if (codigo == Competicao::kContinental1 || codigo == Competicao::kContinental2)
        competitions::AvancarContinental(jogo, codigo);
    if (codigo == Competicao::kMundialDeClubes) competitions::AvancarMundial(jogo);
    const int proximo = competitions::ProximaData(jogo, [&] {
        if (competitions::SortearMundial(jogo)) return true;
        ia.Aviso(competitions::kErroMundial);
        return false;
    });
    switch (codigo) {
    case Competicao::kLiga:
        competitions::ClassificarLiga(jogo);
        if (e.contadores.ligaencerrada && !jogo.ciclo.ligaencerradaantes) {
            temporada::EncerrarLiga(jogo);
            jogo.ciclo.ligaencerradaantes = true;
        }
        break;
    case Competicao::kCopaNacional:
        competitions::AvancarFasesDaCopa(jogo);
        break;
    case Competicao::kEstadual:
        competitions::ClassificarEstaduais(jogo);
        break;
    case Competicao::kAmistoso:
        AtualizarAmistosos(jogo);
        break;
    case Competicao::kCopaDoMundo:
    case Competicao::kCopaAmerica:
    case Competicao::kEurocopa:
        competitions::AvancarTorneio(jogo, codigo);
        break;
    default:
        break;
    }
    // After the tournament's last date its teams leave the tables and the
    // called-up players go home.
    if (competitions::TorneioEmCurso(jogo) && !DataDoTorneioPorVir(jogo))
        competitions::EncerrarTorneio(jogo);
    e.tipo = proximo;
    temporada::EsvaziarEscalacoes(jogo);
    // Written only where set: most records stay clean, with no write back.
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].atuou) jogo.jogadores[i].atuou = 0;
    if (proximo < 0) return {Tela::FimDeTemporada, -1, -1, false};
    if (codigo == Competicao::kLiga) DepoisDaLiga(jogo, ia);
    return Seguir(jogo, ia, true);
}

void AbrirFimDeTemporada(Jogo& jogo) {
    jogo.ciclo.fimdojogo = !FimDeTemporada(jogo);
}

Proximo ContinuarFimDeTemporada(Jogo& jogo, InteracaoCiclo& ia) {
    if (jogo.ciclo.fimdojogo) {
        ia.Aviso(TextoUltimaTemporada());
        Proximo p{Tela::FimDeTemporada};
        p.fimdojogo = true;
        return p;
    }
    TEstadoJogo& e = jogo.estado;
    // Humans whose club left the divisions lose their job.
    const std::vector<int> humanos(std::begin(e.timeshumanos), std::end(e.timeshumanos));
    for (int c : humanos)
        if (jogo.TimeValido(c) && jogo.times[c].humano && jogo.times[c].divisao <= 0)
            DemitirHumano(jogo, ia, c, false);
    e.dataatual = 0;
    jogo.amistosos.clear();
    OferecerAmistososPreTemporada(jogo, ia);
    e.tipo = competitions::ProximaData(jogo);
    if (e.tipo == kSemEvento) {
        // A season without a single date to play: nothing sensible remains
        // but to end it again.
        e.dataatual = kDatasPorTemporada;
        return {Tela::FimDeTemporada, -1, -1, false};
    }
    jogo.ciclo.semeventos = false;
    if (SaltarParaALiga(jogo)) {
        jogo.ciclo.semeventos = true;
        jogo.ciclo.humanojoga = true;
        return AbrirTelaPrincipal(jogo, ia);
    }
    return Seguir(jogo, ia);
}

Proximo AbrirTelaSelecao(Jogo& jogo, InteracaoCiclo& ia) {
    TEstadoJogo& e = jogo.estado;
    EstadoCiclo& c = jogo.ciclo;
    Convocacoes(jogo, ia);
    const int h = PrimeiraSelecaoQueJoga(jogo, 0);
    if (h < 0) return Runner(jogo);
    c.vezselecao = h + 1;
    // The coach's club stays the game's current club: the saved game is
    // described by it and by the national team.
    if (const int clube = ClubeDoHumano(jogo, h); clube >= 0) e.timeatual = clube;
    if (!c.semeventos && ContarAberturaParaSalvar(jogo)) Salvar(jogo, ia);
    c.semeventos = false;
    return {Tela::Selecao, competitions::SelecaoDoHumano(jogo, h), e.tipo, false};
}

Proximo JogarSelecao(Jogo& jogo, InteracaoCiclo&) {
    EstadoCiclo& c = jogo.ciclo;
    while (c.vezselecao < 6) {
        const int h = c.vezselecao++;
        const int selecao = competitions::SelecaoDoHumano(jogo, h);
        if (selecao < 0 || !HumanoJoga(jogo, selecao, jogo.estado.tipo)) continue;
        if (const int clube = ClubeDoHumano(jogo, h); clube >= 0) jogo.estado.timeatual = clube;
        return {Tela::Selecao, selecao, jogo.estado.tipo, false};
    }
    return Runner(jogo);
}

bool ConvidarTecnico(Jogo& jogo, InteracaoCiclo& ia, int clube) {
    int h = -1;
    for (int i = 0; i < 6 && h < 0; ++i)
        if (ClubeDoHumano(jogo, i) == clube && clube >= 0) h = i;
    if (h < 0 || !competitions::ConviteDevido(jogo, h)) return false;
    const int codigo = jogo.estado.torneio.codigo;
    const std::vector<int> opcoes =
        competitions::SelecoesDoConvite(jogo, competitions::NivelDoConvite(jogo, codigo, clube));
    if (opcoes.empty()) return false;
    const int escolha = ia.EscolherSelecao(jogo, h, codigo, opcoes);
    if (std::find(opcoes.begin(), opcoes.end(), escolha) == opcoes.end()) return false;
    return competitions::AceitarSelecao(jogo, h, escolha);
}

Proximo Demitir(Jogo& jogo, InteracaoCiclo& ia) {
    DemitirHumano(jogo, ia, jogo.estado.timeatual, true);
    if (jogo.estado.numhumanos == 0) {
        // The lineups already committed today stay; the date is played
        // from the waiting screen.
        jogo.ciclo.humanojoga = false;
        return {Tela::Aguardando, -1, jogo.estado.tipo, false};
    }
    if (jogo.ciclo.vezhumano > 0) --jogo.ciclo.vezhumano;
    return Jogar(jogo, ia);
}

} // namespace temporada
