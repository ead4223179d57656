// The end of a group's matches: results into the fixtures and the clubs,
// money, ratings, recovery, the ties decided, the archive.
#include "competitions/classificacao.hpp"
#include "competitions/recordestecnicos.hpp"
#include "management/carreira.hpp"
#include "management/financas.hpp"
#include "match/motor.hpp"
#include "match/penaltis.hpp"
#include "temporada/executor.hpp"
#include "temporada/posrodada.hpp"
#include "temporada/rodada_interno.hpp"
#include "world/competicoes.hpp"
#include "world/emails.hpp"

namespace temporada {

using namespace match;

using namespace world;

namespace interno {

void IndexarJogadores(const Jogo& jogo, ExecucaoRodada& ex) {
    ex.elencos.Montar(jogo);
}

} // namespace interno

namespace {

using interno::Elenco;

void Historico(TTime& t, int codigo, int pro, int contra) {
    if (codigo < kLiga || codigo > kContinental2) return;
    i32* h = t.pontoshistoricos[codigo - 1];
    h[0] += pro > contra ? 3 : pro == contra ? 1 : 0;
    h[1] += pro;
    h[2] += contra;
}

// The matchday or phase number the archive keeps.
int NumeroNoArquivo(const Jogo& jogo, const ExecucaoRodada& ex) {
    const ContadoresCompeticao& k = jogo.estado.contadores;
    switch (ex.codigo) {
    case kLiga:
        return k.rodadaliga + (k.turnoliga == 2 ? (jogo.estado.divisoesporliga == 2 ? 19 : 9) : 0);
    case kCopaNacional:
        return k.fasecopa;
    case kEstadual:
        return k.rodadaestadual + (k.turnoestadual == 2 ? 5 : 0);
    case kContinental1:
    case kContinental2: {
        const int s = ex.codigo == kContinental1 ? 0 : 1;
        const int f = k.fasecontinental[s];
        return f + (f <= 3 && k.turnocontinental[s] == 2 ? 3 : 0);
    }
    case kMundialDeClubes:
        return 1;
    case kCopaDoMundo:
    case kCopaAmerica:
    case kEurocopa:
        return k.fasetorneio;
    default:
        return 0;
    }
}

// The competition's own counter that decides whether a result still goes into
// its table: the state matchday, the continental or the tournament phase.
int FaseDaTabela(const Jogo& jogo, const ExecucaoRodada& ex) {
    const ContadoresCompeticao& k = jogo.estado.contadores;
    switch (ex.codigo) {
    case kEstadual:
        return k.rodadaestadual;
    case kContinental1:
        return k.fasecontinental[0];
    case kContinental2:
        return k.fasecontinental[1];
    case kCopaDoMundo:
    case kCopaAmerica:
    case kEurocopa:
        return k.fasetorneio;
    default:
        return 0;
    }
}

// The boards and the fans judge the league and state-championship results.
void ContarNaCarreira(Jogo& jogo, int codigo, int mandante, int visitante, int golsmandante,
                      int golsvisitante) {
    management::AtualizarConfianca(jogo, codigo, mandante, visitante, golsmandante, golsvisitante);
}

void Arquivar(Jogo& jogo, ExecucaoRodada& ex, int m) {
    const TJogoDaRodada& p = ex.rodada.jogos[m];
    TJogoArquivado a;
    a.mandante = p.mandante;
    a.visitante = p.visitante;
    for (int s = 0; s < 2; ++s) a.gols[s] = p.gols[s];
    a.renda = p.renda;
    a.publico = p.publico;
    for (int i = 0; i < 4; ++i) a.publicosetor[i] = p.publicosetor[i];
    for (int s = 0; s < 2; ++s) a.numsubs[s] = p.numsubs[s];
    a.competicao = ex.codigo;
    a.rodada = NumeroNoArquivo(jogo, ex);
    a.data = ex.rodada.hoje;
    if (p.partida >= 0) {
        const TPartida& f = (*ex.partidas)[p.partida];
        a.turno = f.turno;
        a.grupo = f.grupo < 0 ? 0 : f.grupo;
    }
    a.decididopenaltis = p.decididopenaltis;
    for (int s = 0; s < 2; ++s) a.penaltis[s] = p.penaltis[s];
    for (int s = 0; s < 2; ++s) {
        TLadoArquivado& l = a.lados[s];
        const TEscalacao& e = jogo.escalacoes[p.Escalacao(s)];
        for (int v = 0; v <= 10; ++v) {
            const int idx = v == 10 ? e.goleiro : e.jogadoreslinha[v];
            l.onze[v] = idx;
            l.notaonze[v] = idx > 0 ? jogo.jogadores[idx].nota : 0.f;
        }
        for (int k = 0; k < p.numsubs[s] && k < 3; ++k) {
            const int idx = p.listasubs[s][k].jogador;
            l.substituidos[k] = idx;
            l.notasubstituidos[k] = idx > 0 ? jogo.jogadores[idx].nota : 0.f;
        }
        const TTime& t = jogo.times[p.Clube(s)];
        l.estilo = t.estilo;
        l.jogadas = t.jogadas;
        l.marcacao = t.marcacao;
        l.posse = p.posse[s];
        l.roubadas = p.roubadas[s];
        l.finalizacoes = p.finalizacoes[s];
        l.passeserrados = p.passeserrados[s];
        l.faltas = p.faltas[s];
        l.ataquesvencidos = p.ataquesvencidos[s];
    }
    const int indice = static_cast<int>(jogo.arquivo.jogos.size());
    jogo.arquivo.jogos.push_back(a);
    for (TEvento ev : ex.rodada.eventos)
        if (ev.jogo == m) {
            ev.jogo = indice;
            jogo.arquivo.eventos.push_back(ev);
        }
}

void EncerrarUm(Jogo& jogo, ExecucaoRodada& ex, int m) {
    TJogoDaRodada& p = ex.rodada.jogos[m];
    const int h = p.mandante, v = p.visitante;
    if (p.partida >= 0) {
        TPartida& f = (*ex.partidas)[p.partida];
        f.golsmandante = p.gols[0];
        f.golsvisitante = p.gols[1];
        f.publico = p.publico;
        f.renda = p.renda;
        f.jogado = 1;
    }
    Historico(jogo.times[h], ex.codigo, p.gols[0], p.gols[1]);
    Historico(jogo.times[v], ex.codigo, p.gols[1], p.gols[0]);
    for (int s = 0; s < 2; ++s)
        for (i32& b : jogo.escalacoes[p.Escalacao(s)].reservas) b = 0;
    if (ex.codigo > kAmistoso) {
        competitions::ContarResultado(jogo, ex.codigo, FaseDaTabela(jogo, ex), h, v, p.gols[0],
                                      p.gols[1]);
        ContarNaCarreira(jogo, ex.codigo, h, v, p.gols[0], p.gols[1]);
        competitions::ContarJogoDoTecnico(jogo, ex.codigo, h, v, p.gols[0], p.gols[1]);
    }
    if (ex.codigo < kCopaDoMundo) {
        jogo.arquivo.resultados.push_back(
            {h, v, p.gols[0], p.gols[1], jogo.estado.temporada, ex.codigo});
        world::AvisarGoleada(jogo, h, v, p.gols[0], p.gols[1]);
    }
    const double hoje = ex.rodada.hoje;
    management::ReceberRenda(jogo, h, v, p.renda, ex.codigo);
    for (int c : {h, v}) management::CobrarSemana(jogo, c, ex.codigo, hoje, jogo.estado.dataatual);
    EncerrarPartida(jogo, ex.rodada, m);
    // Substitutes who came on were put into a starting place too.
    for (int s = 0; s < 2; ++s) {
        const TEscalacao& e = jogo.escalacoes[p.Escalacao(s)];
        for (int j : e.jogadoreslinha)
            if (j > 0) jogo.jogadores[j].atuou = 1;
        if (e.goleiro > 0) jogo.jogadores[e.goleiro].atuou = 1;
        for (int k = 0; k < p.numsubs[s] && k < 3; ++k)
            if (const int j = p.listasubs[s][k].jogador; j > 0) jogo.jogadores[j].atuou = 1;
    }
    for (int c : {h, v})
        for (int j : Elenco(ex, c)) {
            if (jogo.jogadores[j].atuou && static_cast<std::size_t>(j) < ex.tomouparte.size())
                ex.tomouparte[j] = 1;
            RecuperarEnergia(jogo, j);
        }
}

bool MostrarDisputa(const Jogo& jogo, int a, int b, int liga) {
    if (jogo.times[a].humano || jogo.times[b].humano) return true;
    return jogo.estado.opcoes.op_verpenalty && liga >= 0 &&
           liga < static_cast<int>(jogo.ligas.size()) && jogo.ligas[liga].temhumano;
}

// The first leg of the tie whose second leg is fixture i.
int PrimeiroJogo(const std::vector<TPartida>& partidas, int i) {
    const TPartida& s = partidas[i];
    for (int j = i - 1; j >= 0; --j) {
        const TPartida& f = partidas[j];
        if (f.competicao == s.competicao && f.grupo == s.grupo && f.rodada == s.rodada &&
            f.mandante == s.visitante && f.visitante == s.mandante &&
            (s.competicao != kCopaNacional || f.chave == s.chave))
            return j;
    }
    return -1;
}

void DecidirDoisJogos(Jogo& jogo, ExecucaoRodada& ex, int m) {
    TJogoDaRodada& p = ex.rodada.jogos[m];
    if (p.partida < 0) return;
    auto& partidas = *ex.partidas;
    const int primeiro = PrimeiroJogo(partidas, p.partida);
    if (primeiro < 0) return;
    TPartida& ida = partidas[primeiro];
    const int a = ida.mandante, b = ida.visitante;
    const int r = DecidirConfronto(ida.golsmandante, ida.golsvisitante, p.gols[0], p.gols[1]);
    TConfrontoDecidido d;
    d.partida = primeiro;
    if (r != 3) {
        d.vencedor = r == 1 ? a : b;
    } else {
        const int liga =
            ex.codigo == kCopaNacional ? ida.grupo : jogo.LigaDoPais(jogo.times[a].pais);
        const TResultadoDisputa pen = MostrarDisputa(jogo, a, b, liga)
                                          ? DisputaPenaltis(jogo, a, b, *ex.rodada.interacao)
                                          : SortearDisputaDoisJogos(jogo);
        ida.penaltismandante = pen.gols[0];
        ida.penaltisvisitante = pen.gols[1];
        p.decididopenaltis = 1;
        p.penaltis[0] = pen.gols[1]; // B is at home in this match
        p.penaltis[1] = pen.gols[0];
        d.vencedor = pen.vencedor == 1 ? a : b;
        d.penaltis = true;
    }
    d.perdedor = d.vencedor == a ? b : a;
    ex.confrontos.push_back(d);
}

void DecidirJogoUnico(Jogo& jogo, ExecucaoRodada& ex, int m) {
    TJogoDaRodada& p = ex.rodada.jogos[m];
    TConfrontoDecidido d;
    d.partida = p.partida;
    if (p.gols[0] != p.gols[1]) {
        d.vencedor = p.gols[0] > p.gols[1] ? p.mandante : p.visitante;
    } else {
        const bool tela = jogo.times[p.mandante].humano || jogo.times[p.visitante].humano ||
                          jogo.estado.opcoes.op_verpenalty;
        if (p.mostrado) ex.rodada.interacao->DecisaoNosPenaltis(m);
        const TResultadoDisputa pen =
            tela ? DisputaPenaltis(jogo, p.mandante, p.visitante, *ex.rodada.interacao)
                 : SortearDisputaJogoUnico(jogo);
        p.decididopenaltis = 1;
        p.penaltis[0] = pen.gols[0];
        p.penaltis[1] = pen.gols[1];
        if (p.partida >= 0) {
            (*ex.partidas)[p.partida].penaltismandante = pen.gols[0];
            (*ex.partidas)[p.partida].penaltisvisitante = pen.gols[1];
        }
        d.vencedor = pen.vencedor == 1 ? p.mandante : p.visitante;
        d.penaltis = true;
    }
    d.perdedor = d.vencedor == p.mandante ? p.visitante : p.mandante;
    ex.confrontos.push_back(d);
}

bool DepoisDoSegundoJogo(const Jogo& jogo, const ExecucaoRodada& ex) {
    const ContadoresCompeticao& k = jogo.estado.contadores;
    if (ex.codigo == kCopaNacional) return k.turnocopa == 2;
    // The state final's second leg is decided like a cup tie, so a human
    // finalist takes his own shoot-out.
    if (ex.codigo == kEstadual) return k.rodadaestadual == 7;
    if (ex.codigo == kContinental1 || ex.codigo == kContinental2) {
        const int s = ex.codigo == kContinental1 ? 0 : 1;
        return k.fasecontinental[s] >= 4 && k.turnocontinental[s] == 2;
    }
    return false;
}

} // namespace

void FimDosJogos(Jogo& jogo, ExecucaoRodada& ex) {
    Rodada& r = ex.rodada;
    if (ex.encerrado) return; // closing twice would pay everyone twice
    ex.encerrado = true;
    for (int m = 1; m <= r.numjogos; ++m)
        if (r.jogos[m].mandante >= 0 && r.jogos[m].visitante >= 0) EncerrarUm(jogo, ex, m);
    // Ties are decided before the matches are archived, so the archive keeps
    // the shoot-out with its match.
    const bool doisJogos = DepoisDoSegundoJogo(jogo, ex);
    for (int m = 1; m <= r.numjogos; ++m) {
        if (r.jogos[m].mandante < 0) continue;
        if (doisJogos)
            DecidirDoisJogos(jogo, ex, m);
        else if (ex.codigo == kMundialDeClubes ||
                 (ex.codigo >= kCopaDoMundo && jogo.estado.contadores.fasetorneio >= 4))
            DecidirJogoUnico(jogo, ex, m); // knockout matches of one game
    }
    for (int m = 1; m <= r.numjogos; ++m)
        if (r.jogos[m].mandante >= 0) Arquivar(jogo, ex, m);
    if (!ex.rapido && jogo.estado.opcoes.opsom) r.interacao->TocarSom(Som::FimJogo);
    r.interacao->GrupoEncerrado(r);
}

} // namespace temporada
