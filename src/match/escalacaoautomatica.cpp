#include "match/escalacaoautomatica.hpp"

#include "match/vagas.hpp"
#include "world/clubes.hpp"
#include "world/competicoes.hpp"
#include "world/posicoes.hpp"

#include <algorithm>
#include <cstring>
#include <functional>

namespace match {

using namespace world;

namespace {

struct Candidato {
    int jogador;
    int forca;
    int energia;
    bool escolhido;
};

// The slots being filled and the candidates left to choose from.
struct Montagem {
    Jogo& jogo;
    int escalacao;
    int tipo;
    double hoje;
    std::vector<Candidato> candidatos;
    int proxima = 0; // next outfield slot

    TEscalacao& E() { return jogo.escalacoes[escalacao]; }
    TJogador& J(const Candidato& c) { return jogo.jogadores[c.jogador]; }

    void Colocar(Candidato& c, int vaga) {
        c.escolhido = true;
        ColocarNaVaga(jogo, E(), vaga, c.jogador, tipo, hoje);
    }
    // Takes up to `n` unchosen players playing `pos` (and passing `filtro`),
    // strongest first; `papel(k, jogador)` may set the role of the k-th.
    template <typename Filtro, typename Papel>
    int Escolher(int pos, int n, Filtro filtro, Papel papel) {
        int k = 0;
        for (Candidato& c : candidatos) {
            if (k >= n || proxima >= 10) break;
            TJogador& j = J(c);
            if (c.escolhido || j.posicaoatual != pos || !filtro(j)) continue;
            papel(k, j);
            Colocar(c, proxima++);
            ++k;
        }
        return k;
    }
    int Escolher(int pos, int n) {
        return Escolher(
            pos, n, [](const TJogador&) { return true; }, [](int, TJogador&) {});
    }
    void Goleiro() {
        for (Candidato& c : candidatos)
            if (!c.escolhido && J(c).posicaoatual == kGoleiro) {
                Colocar(c, 10);
                return;
            }
    }
    // Whatever places are still open go to the strongest outfield players left.
    void CompletarLinha() {
        for (Candidato& c : candidatos) {
            if (proxima >= 10) return;
            if (!c.escolhido && J(c).posicaoatual != kGoleiro) Colocar(c, proxima++);
        }
    }
    void Banco() {
        int n = 0;
        auto reserva = [&](Candidato& c) {
            c.escolhido = true;
            E().reservas[n++] = c.jogador;
        };
        for (int pos : {kGoleiro, kLateral, kZagueiro, kMeia, kAtacante})
            for (Candidato& c : candidatos)
                if (!c.escolhido && J(c).posicaoatual == pos) {
                    reserva(c);
                    break;
                }
        for (Candidato& c : candidatos) {
            if (n >= 7) break;
            if (!c.escolhido && J(c).posicaoatual != kGoleiro) reserva(c);
        }
    }
};

int Volantes(int formacao) {
    switch (formacao) {
    case k433:
        return 1;
    case k253:
        return 0;
    default:
        return 2;
    }
}

int SortearFormacao(Jogo& jogo) {
    const int y = jogo.Aleatorio(100);
    if (y <= 39) return k352;
    if (y <= 79) return k442;
    if (y <= 85) return k343;
    if (y <= 91) return k433;
    if (y <= 95) return k451;
    return k541;
}

void Montar(Montagem& mt, int formacao, const Disponibilidade& d) {
    const int D = formacao / 100, M = formacao / 10 % 10, A = formacao % 10;
    int zagueiros = 0, laterais = 0, alas = 0, meias = M;
    bool libero = false;
    if (formacao == k352) {
        // Three centre-backs and five in midfield. Full-backs play there as
        // wing-backs: two when there are three or more of them, and as many as
        // the midfielders are short of five in any case, so the shape always
        // holds a full eleven. (Fielding every centre-back and asking for
        // full-backs that do not exist would leave six defenders and no
        // forward.)
        zagueiros = 3;
        libero = d.laterais >= 3;
        alas = std::min(d.laterais, std::max(libero ? 2 : 0, 5 - d.meias));
        laterais = alas;
        meias = 5 - alas;
    } else if (formacao == k343 && d.zagueiros > 2) {
        zagueiros = 3;
    } else {
        int resta = D;
        while (resta > 0) {
            const int antes = resta;
            const int z = d.zagueiros - zagueiros;
            if (resta >= 2 && z >= 2)
                zagueiros += 2, resta -= 2;
            else if (z >= 1)
                zagueiros += 1, resta -= 1;
            const int l = d.laterais - laterais;
            if (resta >= 2 && l >= 2)
                laterais += 2, resta -= 2;
            else if (resta >= 1 && l >= 1)
                laterais += 1, resta -= 1;
            if (resta == antes) break;
        }
    }
    const int volantes = std::min(Volantes(formacao), meias);
    auto todos = [](const TJogador&) { return true; };

    mt.Escolher(kLateral, laterais, todos, [&](int k, TJogador& j) {
        if (k < alas) j.funcao = 2;
    });
    mt.Escolher(kZagueiro, zagueiros, todos, [&](int k, TJogador& j) {
        if (k == 0 && libero) j.funcao = 1;
    });
    const int v = mt.Escolher(
        kMeia, volantes, [](const TJogador& j) { return j.funcao == 0; }, [](int, TJogador&) {});
    mt.Escolher(kMeia, meias - v);
    mt.Escolher(kAtacante, A);
    mt.CompletarLinha();
    mt.Goleiro();
}

} // namespace

Disponibilidade ContarDisponibilidade(const Jogo& jogo, std::span<const int> jogadores, int tipo,
                                      double hoje) {
    Disponibilidade d;
    for (int i : jogadores) {
        if (i <= 0) continue;
        const TJogador& j = jogo.jogadores[i];
        if (!Disponivel(j, tipo, hoje)) continue;
        switch (j.posicaoatual) {
        case kGoleiro:
            ++d.goleiros;
            break;
        case kLateral:
            ++d.laterais;
            break;
        case kZagueiro:
            ++d.zagueiros;
            break;
        case kMeia:
            ++d.meias;
            break;
        case kAtacante:
            ++d.atacantes;
            break;
        default:
            break;
        }
    }
    return d;
}

bool FormacaoPossivel(int formacao, const Disponibilidade& d) {
    const int D = d.laterais + d.zagueiros, M = d.meias, A = d.atacantes;
    switch (formacao) {
    case k442:
        return D >= 4 && M >= 4 && A >= 2;
    case k352:
        return d.zagueiros >= 3 && d.laterais + M >= 5 && A >= 2;
    case k433:
        return D >= 4 && M >= 3 && A >= 3;
    case k343:
        return D >= 3 && M >= 4 && A >= 3;
    case k451:
        return D >= 4 && M >= 5 && A >= 1;
    case k541:
        return D >= 5 && M >= 4 && A >= 1;
    case k253:
        return D >= 2 && M >= 5 && A >= 3;
    default:
        return false;
    }
}

void TaticaAleatoria(Jogo& jogo, int clube) {
    TTime& t = jogo.times[clube];
    int y = jogo.Aleatorio(100);
    t.estilo = y <= 69 ? 0 : y <= 79 ? 1 : 2;
    y = jogo.Aleatorio(100);
    t.marcacao = y <= 4 ? 2 : y <= 69 ? 0 : 1;
    y = jogo.Aleatorio(100);
    t.jogadas = y <= 69 ? 0 : 1;
}

void EscalarClube(Jogo& jogo, int clube, std::span<const int> jogadores, int tipo, double hoje) {
    if (tipo < 0 || tipo >= kTiposCompeticao) tipo = 0;
    TEscalacao nova;
    std::memset(&nova, 0, sizeof nova);
    jogo.escalacoes.push_back(nova);
    jogo.times[clube].escalacao = static_cast<i32>(jogo.escalacoes.size()) - 1;

    Montagem mt{jogo, jogo.times[clube].escalacao, tipo, hoje, {}};
    for (int i : jogadores) {
        if (i <= 0) continue;
        TJogador& j = jogo.jogadores[i];
        // Last date's flags would make a benched or unavailable player look
        // as if he were on the pitch.
        j.jogou = 0;
        j.amarelosjogo = 0;
        if (!Disponivel(j, tipo, hoje)) continue;
        j.funcao = FuncaoInicial(j.posicaoatual, j.caract1, j.caract2);
        mt.candidatos.push_back(Candidato{i, j.forca, j.energia, false});
    }
    // Strongest first, equals in squad order. A squad is a few dozen players:
    // an insertion sort, with no buffer to allocate for every club and date.
    auto& c = mt.candidatos;
    for (std::size_t k = 1; k < c.size(); ++k) {
        const Candidato x = c[k];
        std::size_t m = k;
        for (; m > 0 && c[m - 1].forca < x.forca; --m) c[m] = c[m - 1];
        c[m] = x;
    }

    const Disponibilidade d = ContarDisponibilidade(jogo, jogadores, tipo, hoje);
    jogo.times[clube].disponiveis = d.Linha();
    int formacao = SortearFormacao(jogo);
    if (!FormacaoPossivel(formacao, d)) {
        formacao = 0;
        for (int f : {k442, k352, k343, k433, k451, k541, k253})
            if (FormacaoPossivel(f, d)) {
                formacao = f;
                break;
            }
    }
    if (formacao != 0) {
        Montar(mt, formacao, d);
    } else {
        // Nothing fits: the strongest goalkeeper and the ten strongest others.
        mt.Goleiro();
        mt.CompletarLinha();
    }
    mt.Banco();
    TaticaAleatoria(jogo, clube);
    const TEscalacao& e = mt.E();
    jogo.times[clube].formacao = e.defensores * 100 + e.meias * 10 + e.atacantes;
}

std::vector<int> ClubesQueEscalam(const Jogo& jogo, int codigo) {
    std::vector<int> r;
    const int n = static_cast<int>(jogo.times.size());
    for (int c = 0; c < n; ++c) {
        const TTime& t = jogo.times[c];
        bool joga = false;
        switch (codigo) {
        case kLiga:
            joga = t.divisao > 0 && !jogo.EhSelecao(c);
            break;
        case kCopaNacional:
            joga = t.jogacopa != 0;
            break;
        case kEstadual:
            joga = t.jogaestadual != 0 && t.grupoestadual > 0;
            break;
        case kContinental1:
            joga = t.jogacontinental != 0;
            break;
        case kContinental2:
            joga = t.jogacontinental2 != 0;
            break;
        case kCopaDoMundo:
        case kCopaAmerica:
        case kEurocopa:
            joga = jogo.EhSelecao(c);
            break;
        default:
            break;
        }
        if (joga && !t.humano) r.push_back(c);
    }
    return r;
}

void EscalarRodada(Jogo& jogo, int codigo, double hoje, std::span<const int> clubes) {
    // Choosing lineups moves nobody: the game's squad index holds throughout.
    for (int c : clubes)
        if (c >= 0 && c < static_cast<int>(jogo.times.size()) && !jogo.times[c].humano)
            EscalarClube(jogo, c, JogadoresDoTime(jogo, c), codigo, hoje);
    EncerrarPreparacao(jogo, codigo);
}

void EncerrarPreparacao(Jogo& jogo, int tipo) {
    if (tipo < 0 || tipo >= kTiposCompeticao) return;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        TJogador& j = jogo.jogadores[i];
        if (j.time < 0) continue;
        // Written only when they change: a record left clean costs no write
        // back to memory, and this pass reads every player on every date.
        if (j.forca < 1 || j.forca > 100) j.forca = std::clamp<i32>(j.forca, 1, 100);
        if (j.idade < 16) j.idade = 16;
        if (j.suspensao[tipo] > 0) --j.suspensao[tipo];
        if (j.cartoes[tipo] > 2) j.cartoes[tipo] = 0;
    }
}

void RestaurarPosicoes(Jogo& jogo, std::span<const int> jogadores) {
    for (int i : jogadores) {
        if (i <= 0) continue;
        TJogador& j = jogo.jogadores[i];
        j.posicaoatual = j.posicao;
        j.funcao = FuncaoInicial(j.posicao, j.caract1, j.caract2);
    }
}

double ForcaDoOnze(std::span<const ForcaNaPosicao> jogadores) {
    double goleiro = 0;
    std::vector<double> linha;
    for (const ForcaNaPosicao& j : jogadores)
        if (j.posicao == kGoleiro)
            goleiro = std::max(goleiro, j.forca);
        else
            linha.push_back(j.forca);
    const std::size_t n = std::min<std::size_t>(linha.size(), 10);
    std::partial_sort(linha.begin(), linha.begin() + static_cast<std::ptrdiff_t>(n), linha.end(),
                      std::greater<>());
    double soma = goleiro;
    for (std::size_t k = 0; k < n; ++k) soma += linha[k];
    return soma / 11;
}

} // namespace match
