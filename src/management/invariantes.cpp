#include "management/invariantes.hpp"

#include "competitions/continentais.hpp"
#include "competitions/torneios.hpp"
#include "world/competicoes.hpp"

#include <algorithm>
#include <limits>
#include <set>
#include <tuple>

namespace management {

using namespace world;

namespace {

struct Relato {
    std::vector<std::string> linhas;
    void operator()(const std::string& s) {
        if (linhas.size() < 50) linhas.push_back(s); // enough to see what went wrong
    }
};

bool Em(int i, std::size_t n) {
    return i >= 0 && static_cast<std::size_t>(i) < n;
}

void Estado(const Jogo& jogo, Relato& r) {
    const TEstadoJogo& e = jogo.estado;
    if (e.marcador != 2007) r("marcador is not 2007");
    if (e.dataatual < 1 || e.dataatual > kDatasPorTemporada)
        r("dataatual " + std::to_string(e.dataatual) + " outside 1..148");
    if (e.numtimesligas + e.numtimesextras > static_cast<int>(jogo.times.size()))
        r("more league and extra clubs than clubs");
    for (int i = 0; i < 6; ++i) {
        const int c = e.timeshumanos[i];
        if (c == -1) continue;
        if (!Em(c, jogo.times.size()))
            r("timeshumanos[" + std::to_string(i) + "] out of range");
        else if (!jogo.times[c].humano)
            r("human club " + std::to_string(c) + " without its human flag");
        if (i > 0 && (e.timeshumanos[i - 1] == -1 || e.timeshumanos[i - 1] >= c))
            r("timeshumanos not in ascending order with its empty slots last");
    }
}

void Jogadores(const Jogo& jogo, Relato& r) {
    const std::size_t nt = jogo.times.size();
    std::vector<int> elenco(nt, 0);
    std::vector<std::set<int>> numeros(nt);
    if (jogo.jogadores.empty() || jogo.jogadores[0].time != -1) r("player 0 is not the dummy");
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const TJogador& j = jogo.jogadores[i];
        if (j.time == -1) continue;
        if (!Em(j.time, nt)) {
            r("player " + std::to_string(i) + " in club " + std::to_string(j.time));
            continue;
        }
        ++elenco[j.time];
        if (j.historico != 0 && !Em(j.historico, jogo.historicos.size()))
            r("player " + std::to_string(i) + " with history " + std::to_string(j.historico));
        // A national team's called-up players keep their clubs' shirts.
        if (j.numero > 0 && !competitions::EhSelecaoDoTorneio(jogo, j.time) &&
            !numeros[j.time].insert(j.numero).second)
            r("shirt " + std::to_string(j.numero) + " twice in club " + std::to_string(j.time));
    }
    if (!jogo.indiceelencos.Coerente(jogo)) r("the squad index differs from the player records");
    for (std::size_t c = 0; c < nt; ++c)
        if (jogo.times[c].elenco != elenco[c])
            r("club " + std::to_string(c) + " counts " + std::to_string(jogo.times[c].elenco) +
              " players but has " + std::to_string(elenco[c]));
}

void Tecnicos(const Jogo& jogo, Relato& r) {
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        const int t = jogo.times[c].tecnico;
        if (t == -1) continue;
        if (!Em(t, jogo.tecnicos.size()) || jogo.tecnicos[t].time != static_cast<int>(c))
            r("club " + std::to_string(c) + " and its coach " + std::to_string(t) +
              " do not point at each other");
    }
    int humanos = 0;
    for (const TTecnico& k : jogo.tecnicos)
        if (k.humano && Em(k.time, jogo.times.size())) {
            ++humanos;
            if (!jogo.times[k.time].humano)
                r("human coach's club " + std::to_string(k.time) + " without its human flag");
        }
    if (humanos != jogo.estado.numhumanos)
        r("numhumanos " + std::to_string(jogo.estado.numhumanos) + " but " +
          std::to_string(humanos) + " humans with a club");
    int nolista = 0;
    for (int c : jogo.estado.timeshumanos) nolista += c >= 0;
    if (nolista != jogo.estado.numhumanos) r("timeshumanos does not hold numhumanos clubs");
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        const TTime& t = jogo.times[c];
        if (t.confdiretoria < 0 || t.confdiretoria > 100 || t.conftorcida < 0 ||
            t.conftorcida > 100)
            r("club " + std::to_string(c) + "'s confidences outside 0..100");
    }
    for (std::size_t k = 0; k < jogo.tecnicos.size(); ++k) {
        const int c = jogo.tecnicos[k].time;
        if (c == -1) continue;
        if (!Em(c, jogo.times.size()) || jogo.times[c].tecnico != static_cast<int>(k))
            r("coach " + std::to_string(k) + " and his club " + std::to_string(c) +
              " do not point at each other");
    }
}

void Ligas(const Jogo& jogo, Relato& r) {
    std::vector<char> visto(jogo.times.size(), 0);
    for (std::size_t l = 0; l < jogo.ligas.size(); ++l) {
        const TLiga& liga = jogo.ligas[l];
        for (int d = 0; d < 4; ++d)
            for (int s = 0; s < 20; ++s) {
                const int c = liga.divisoes[d][s];
                if (c == -1) continue;
                if (!Em(c, jogo.times.size())) {
                    r("league " + std::to_string(l) + " slot out of range");
                    continue;
                }
                if (visto[c]++) r("club " + std::to_string(c) + " listed twice");
                if (jogo.times[c].divisao != d + 1)
                    r("club " + std::to_string(c) + " in division " + std::to_string(d + 1) +
                      " says " + std::to_string(jogo.times[c].divisao));
                if (jogo.times[c].pais != liga.pais)
                    r("club " + std::to_string(c) + " in another country's league");
            }
    }
}

// A table line counted again from the results.
struct Conta {
    int jogos = 0, vitorias = 0, derrotas = 0, pro = 0, contra = 0;
};

// A played fixture into both clubs' lines.
void Somar(Conta& a, Conta& b, const TPartida& p) {
    ++a.jogos, ++b.jogos;
    a.pro += p.golsmandante, a.contra += p.golsvisitante;
    b.pro += p.golsvisitante, b.contra += p.golsmandante;
    if (p.golsmandante > p.golsvisitante) ++a.vitorias, ++b.derrotas;
    if (p.golsmandante < p.golsvisitante) ++b.vitorias, ++a.derrotas;
}

// The league tables agree with the league results played this season.
void Tabelas(const Jogo& jogo, Relato& r) {
    const std::size_t nt = jogo.times.size();
    std::vector<Conta> conta(nt);
    for (const TPartida& p : jogo.partidas) {
        const bool h = Em(p.mandante, nt), v = Em(p.visitante, nt);
        if ((p.mandante != -1 && !h) || (p.visitante != -1 && !v))
            r("fixture with a club out of range");
        if (p.jogado && (!h || !v)) r("played fixture without both clubs");
        if (h && v && p.mandante == p.visitante)
            r("club " + std::to_string(p.mandante) + " against itself");
        if (!p.jogado || p.competicao != kLiga || !h || !v) continue;
        Somar(conta[p.mandante], conta[p.visitante], p);
    }
    for (std::size_t c = 0; c < nt; ++c) {
        const TTime& t = jogo.times[c];
        const Conta& k = conta[c];
        if (t.jogos[kLiga] != k.jogos || t.vitorias[kLiga] != k.vitorias ||
            t.derrotas[kLiga] != k.derrotas || t.golspro[kLiga] != k.pro ||
            t.golscontra[kLiga] != k.contra) {
            r("club " + std::to_string(c) + "'s league table disagrees with its results");
            continue;
        }
        // Points: three a win, one a draw, less five for every player who died.
        const int calculados = 3 * k.vitorias + (k.jogos - k.vitorias - k.derrotas);
        if (t.pontos[kLiga] > calculados || (calculados - t.pontos[kLiga]) % 5 != 0)
            r("club " + std::to_string(c) + "'s league points disagree with its results");
    }
}

// The continental cups and the club world cup: every fixture's clubs are real
// clubs still in the competition, every group has its four clubs (a slot stays
// empty only when the region had no club left to fill it), the group tables
// agree with the group results, and no cup has two champions in a season.
void Continentais(const Jogo& jogo, Relato& r) {
    const std::size_t nt = jogo.times.size();
    const int clubes = std::min<int>(static_cast<int>(nt), jogo.PrimeiraSelecao());
    std::vector<Conta> conta[2] = {std::vector<Conta>(nt), std::vector<Conta>(nt)};
    for (const TPartida& p : jogo.partidas) {
        const int c = p.competicao;
        if (c != 4 && c != 5 && c != 6) continue;
        for (int t : {p.mandante, p.visitante}) {
            if (t == -1) continue;
            if (t < 0 || t >= clubes) {
                r("continental fixture naming club " + std::to_string(t));
                continue;
            }
            const TTime& k = jogo.times[t];
            const bool flag = c == 4   ? k.jogacontinental
                              : c == 6 ? k.jogacontinental2
                                       : k.jogamundial;
            if (!p.jogado && p.mandante >= 0 && p.visitante >= 0 && !flag)
                r("club " + std::to_string(t) + " to play competition " + std::to_string(c) +
                  " without its flag");
        }
        if (c == 5 || !p.jogado || p.rodada > 3 || p.mandante < 0 || p.visitante < 0 ||
            p.mandante >= clubes || p.visitante >= clubes)
            continue;
        auto& v = conta[c == 4 ? 0 : 1];
        Somar(v[p.mandante], v[p.visitante], p);
    }
    if (competitions::GruposSorteados(jogo)) {
        std::vector<char> nogrupo(nt, 0);
        int vazios[2] = {0, 0};
        for (int k = 0; k < 2; ++k) {
            const int codigo = k == 0 ? 4 : 6;
            if (k == 1 && !jogo.estado.continental2) continue;
            for (int reg = 1; reg <= 2; ++reg)
                for (int g = 1; g <= 8; ++g)
                    for (int s = 1; s <= 4; ++s) {
                        const int c = competitions::ClubeDoGrupo(jogo, codigo, reg, g, s);
                        if (c < 0) {
                            ++vazios[reg - 1];
                            continue;
                        }
                        if (nogrupo[c]++) r("club " + std::to_string(c) + " in two groups");
                        const TTime& t = jogo.times[c];
                        if ((k == 0 ? t.grupocontinental : t.grupocontinental2) != g)
                            r("club " + std::to_string(c) + " does not know its group");
                        const Conta& q = conta[k][c];
                        if (t.jogos[codigo] != q.jogos || t.vitorias[codigo] != q.vitorias ||
                            t.derrotas[codigo] != q.derrotas || t.golspro[codigo] != q.pro ||
                            t.golscontra[codigo] != q.contra ||
                            t.pontos[codigo] != 3 * q.vitorias + q.jogos - q.vitorias - q.derrotas)
                            r("club " + std::to_string(c) + "'s group table in competition " +
                              std::to_string(codigo) + " disagrees with its results");
                    }
        }
        for (int reg = 1; reg <= 2; ++reg) {
            if (vazios[reg - 1] == 0) continue;
            for (int c = 0; c < clubes; ++c)
                if (!nogrupo[c] && competitions::RegiaoDoPais(jogo.times[c].pais) == reg) {
                    r("an empty group slot in region " + std::to_string(reg) + " while club " +
                      std::to_string(c) + " stayed out");
                    break;
                }
        }
    }
    std::set<std::tuple<int, int, int>> campeoes;
    for (const TTituloHistorico& t : jogo.historicotitulos)
        if ((t.competicao == kContinental1 || t.competicao == kMundialDeClubes ||
             t.competicao == kContinental2) &&
            t.lugar == 1 && !campeoes.insert({t.temporada, t.competicao, t.chave}).second)
            r("two champions of competition " + std::to_string(t.competicao) + " in season " +
              std::to_string(t.temporada));
}

void Dinheiro(const Jogo& jogo, Relato& r) {
    constexpr i32 lo = std::numeric_limits<i32>::min(), hi = std::numeric_limits<i32>::max();
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        const i32 d = jogo.times[c].dinheiro;
        if (d == lo || d == hi) r("club " + std::to_string(c) + "'s cash hit the limit");
    }
    for (std::size_t c = 0; c < jogo.financas.size(); ++c) {
        const TFinancas& f = jogo.financas[c];
        for (i32 v : {f.salarios, f.ingressos, f.estadio, f.vendas, f.compras, f.premios,
                      f.patrocinio, f.multas, f.emprestimo})
            if (v < 0 || v == hi) r("club " + std::to_string(c) + "'s statement overflowed");
    }
}

// The market: human squads within their limit, the history naming real
// clubs and players, every transfer's money balanced, the mail addressed.
void Mercado(const Jogo& jogo, Relato& r) {
    const std::size_t nt = jogo.times.size();
    for (int c : jogo.estado.timeshumanos)
        if (Em(c, nt) && jogo.times[c].elenco > 28)
            r("human club " + std::to_string(c) + " has " + std::to_string(jogo.times[c].elenco) +
              " players");
    for (std::size_t i = 0; i < jogo.transferencias.size(); ++i) {
        const TTransferencia& t = jogo.transferencias[i];
        if (!Em(t.jogador, jogo.jogadores.size()) || t.jogador == 0 || !Em(t.comprador, nt) ||
            !Em(t.vendedor, nt) || t.comprador == t.vendedor || t.preco < 0)
            r("transfer " + std::to_string(i) + " names no real player or clubs");
    }
    if (jogo.ciclo.transferenciasdesequilibradas > 0)
        r(std::to_string(jogo.ciclo.transferenciasdesequilibradas) +
          " transfers whose money did not balance");
    for (std::size_t i = 0; i < jogo.emails.size(); ++i)
        if (!Em(jogo.emails[i].clube, nt)) r("mail " + std::to_string(i) + " to no club");
}

// Friendlies: real clubs, one per club and date, each waiting one with its
// fixture still to play on that day.
void Amistosos(const Jogo& jogo, Relato& r) {
    const std::size_t nt = jogo.times.size();
    for (std::size_t i = 0; i < jogo.amistosos.size(); ++i) {
        const TAmistoso& a = jogo.amistosos[i];
        const std::string qual = "friendly " + std::to_string(i);
        if (!Em(a.mandante, nt) || !Em(a.visitante, nt) || a.mandante == a.visitante) {
            r(qual + " names no real clubs");
            continue;
        }
        if (a.jogado) continue;
        for (std::size_t k = i + 1; k < jogo.amistosos.size(); ++k) {
            const TAmistoso& b = jogo.amistosos[k];
            if (!b.jogado && b.indicedata == a.indicedata &&
                (b.mandante == a.mandante || b.visitante == a.mandante ||
                 b.mandante == a.visitante || b.visitante == a.visitante))
                r(qual + " shares its date with friendly " + std::to_string(k));
        }
        bool fixture = false;
        for (const TPartida& p : jogo.partidas)
            fixture = fixture || (p.competicao == kAmistoso && !p.jogado && p.data == a.data &&
                                  p.mandante == a.mandante && p.visitante == a.visitante);
        if (!fixture) r(qual + " has no fixture to play");
    }
}

} // namespace

// The tournament's teams exist only while it is played: then they stand
// after the real clubs, each in one group slot, and every player of a real
// club who is with one of them is a call-up with his club noted.
void Torneio(const Jogo& jogo, Relato& r) {
    const TTorneio& t = jogo.estado.torneio;
    const int nt = static_cast<int>(jogo.times.size());
    if (!competitions::TorneioEmCurso(jogo)) {
        if (nt != jogo.PrimeiraSelecao())
            r(std::to_string(nt - jogo.PrimeiraSelecao()) +
              " clubs past the real ones outside a tournament");
        if (!jogo.convocados.empty()) r("call-ups outside a tournament");
        for (std::size_t k = 0; k < jogo.tecnicos.size(); ++k)
            if (jogo.tecnicos[k].treinaselecao)
                r("coach " + std::to_string(k) + " coaches a national team outside a tournament");
        return;
    }
    if (t.numtimes != jogo.PrimeiraSelecao())
        r("the tournament's teams do not follow the real clubs");
    std::set<std::pair<int, int>> vagas;
    for (int c = t.numtimes; c < nt; ++c) {
        const TTime& s = jogo.times[c];
        if (s.gruposelecao < 1 || s.gruposelecao > competitions::GruposDoTorneio(t.codigo) ||
            s.posicaoselecao < 1 || s.posicaoselecao > 4 ||
            !vagas.insert({s.gruposelecao, s.posicaoselecao}).second)
            r("national team " + std::to_string(c) + " without a group slot of its own");
    }
    std::set<int> convocados;
    for (const TConvocado& c : jogo.convocados) {
        if (!Em(c.jogador, static_cast<std::size_t>(std::max(0, t.numjogadores))) ||
            !competitions::EhSelecaoDoTorneio(jogo, jogo.jogadores[c.jogador].time) ||
            c.time < -1 || c.time >= t.numtimes || !convocados.insert(c.jogador).second)
            r("call-up of player " + std::to_string(c.jogador) + " out of place");
    }
    for (int i = 1; i < std::min<int>(t.numjogadores, jogo.jogadores.size()); ++i)
        if (jogo.jogadores[i].time >= t.numtimes && !convocados.count(i))
            r("player " + std::to_string(i) + " with a national team without a call-up");
    for (int i = std::max(1, t.numjogadores); i < static_cast<int>(jogo.jogadores.size()); ++i) {
        const int c = jogo.jogadores[i].time;
        if (c != -1 && c < t.numtimes)
            r("national-team player " + std::to_string(i) + " in club " + std::to_string(c));
    }
    for (int h = 0; h < 6; ++h) {
        const int c = t.selecoes[h];
        if (c != -1 && (!competitions::EhSelecaoDoTorneio(jogo, c) || !jogo.times[c].humano))
            r("human " + std::to_string(h) + "'s national team " + std::to_string(c) +
              " is not his");
    }
}

std::vector<std::string> VerificarInvariantes(const Jogo& jogo) {
    Relato r;
    Estado(jogo, r);
    Jogadores(jogo, r);
    Tecnicos(jogo, r);
    Ligas(jogo, r);
    Tabelas(jogo, r);
    Continentais(jogo, r);
    Dinheiro(jogo, r);
    Mercado(jogo, r);
    Amistosos(jogo, r);
    Torneio(jogo, r);
    return r.linhas;
}

} // namespace management
