#include "management/escalacao.hpp"

#include "management/escalacaoformacao.hpp"
#include "match/vagas.hpp"
#include "world/clubes.hpp"
#include "world/emails.hpp"
#include "world/posicoes.hpp"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace management {

using namespace world;

namespace {

int TipoValido(int tipo) {
    return tipo >= 0 && tipo < kTiposCompeticao ? tipo : 0;
}

bool JogadorValido(const Jogo& jogo, int jogador) {
    return jogador > 0 && jogador < static_cast<int>(jogo.jogadores.size());
}

// Order of the grid by position and role: goalkeepers, full-backs, then the
// wide players together, centre-backs, midfielders and forwards.
int ChaveExibicao(const TJogador& j) {
    static constexpr int kChaves[5][3] = {
        {0, 0, 0}, {2, 3, 6}, {4, 5, 4}, {7, 8, 6}, {9, 10, 11},
    };
    const int p = std::clamp<int>(j.posicaoatual, 0, 4);
    const int f = j.funcao >= 0 && j.funcao <= 2 ? j.funcao : 0;
    return kChaves[p][f];
}

struct Selecao {
    int titulares = 0;
    int reservas = 0;
    bool goleiro = false; // a goalkeeper starts
};

Selecao Resumir(const Jogo& jogo, const Grade& g) {
    Selecao s;
    for (const LinhaGrade& l : g.linhas) {
        if (l.codigo == kTitular) {
            ++s.titulares;
            if (JogadorValido(jogo, l.jogador) &&
                jogo.jogadores[l.jogador].posicaoatual == kGoleiro)
                s.goleiro = true;
        } else if (l.codigo == kReserva) {
            ++s.reservas;
        }
    }
    return s;
}

} // namespace

int Grade::Contar(int codigo) const {
    return static_cast<int>(std::count_if(linhas.begin(), linhas.end(),
                                          [&](const LinhaGrade& l) { return l.codigo == codigo; }));
}

Disponiveis ContarDisponiveis(const Jogo& jogo, const Grade& grade) {
    std::vector<int> jogadores;
    for (const LinhaGrade& l : grade.linhas)
        if (JogadorValido(jogo, l.jogador)) jogadores.push_back(l.jogador);
    return match::ContarDisponibilidade(jogo, jogadores, TipoValido(grade.tipo), grade.hoje);
}

Disponiveis RecontarDisponiveis(Jogo& jogo, const Grade& grade) {
    const Disponiveis d = ContarDisponiveis(jogo, grade);
    if (grade.clube >= 0 && grade.clube < static_cast<int>(jogo.times.size()))
        jogo.times[grade.clube].disponiveis = d.Linha();
    return d;
}

Grade PreencherGrade(const Jogo& jogo, double hoje) {
    return PreencherGrade(jogo, jogo.estado.timeatual, jogo.estado.tipo, hoje);
}

namespace {

// The grid's order: position and role, then strength, then energy. With
// `restaurando`, the order as it stood before today's commit, whose lineup is
// being put back: the commit took 15 energy from starters whose contract has
// ended (leaving 5 where that went below zero).
void Ordenar(const Jogo& jogo, std::vector<LinhaGrade>& linhas, double hoje,
             bool restaurando = false) {
    auto Energia = [&](const TJogador& j) {
        if (!restaurando || j.titular != 1 || !(j.contrato < hoje)) return j.energia;
        return j.energia == 5 ? 20 : j.energia + 15;
    };
    std::stable_sort(linhas.begin(), linhas.end(), [&](const LinhaGrade& a, const LinhaGrade& b) {
        const TJogador& x = jogo.jogadores[a.jogador];
        const TJogador& y = jogo.jogadores[b.jogador];
        const int kx = ChaveExibicao(x), ky = ChaveExibicao(y);
        if (kx != ky) return kx < ky;
        if (x.forca != y.forca) return x.forca < y.forca;
        return Energia(x) < Energia(y);
    });
}

Grade MontarGrade(const Jogo& jogo, int clube, int tipo, double hoje, bool salvar,
                  bool restaurando = false) {
    Grade g;
    g.clube = clube;
    g.tipo = TipoValido(tipo);
    g.hoje = hoje;
    const bool selecao = jogo.TimeValido(clube) && jogo.EhSelecao(clube);
    for (const int i : JogadoresDoTime(jogo, clube)) {
        const TJogador& j = jogo.jogadores[i];
        LinhaGrade l;
        l.jogador = i;
        if (j.novato && !selecao)
            l.codigo = kNovato;
        else if (!match::Disponivel(j, g.tipo, hoje))
            l.codigo = kIndisponivel;
        else if (salvar && j.titular == 1)
            l.codigo = kTitular;
        else if (salvar && j.titular == 2)
            l.codigo = kReserva;
        g.linhas.push_back(l);
    }
    Ordenar(jogo, g.linhas, hoje, restaurando);
    return g;
}

// The place of the next starter in grid order: the first goalkeeper in goal,
// the others in the next outfield place (a second goalkeeper among the
// starters plays outfield rather than push the first out of goal); -1
// beyond the eleventh place.
int ProximaVaga(const TJogador& j, int& proxima, bool& goleiroPosto) {
    if (j.posicaoatual == kGoleiro && !goleiroPosto) {
        goleiroPosto = true;
        return match::kVagaGoleiro;
    }
    return proxima < match::kVagaGoleiro ? proxima++ : -1;
}

} // namespace

void OrdenarGrade(const Jogo& jogo, Grade& grade) {
    std::erase_if(grade.linhas,
                  [&](const LinhaGrade& l) { return !JogadorValido(jogo, l.jogador); });
    Ordenar(jogo, grade.linhas, grade.hoje);
}

Grade PreencherGrade(const Jogo& jogo, int clube, int tipo, double hoje) {
    return MontarGrade(jogo, clube, tipo, hoje, jogo.estado.opcoes.opescalacao != 0);
}

void ManterSelecao(Grade& nova, const Grade& antes) {
    std::unordered_map<int, int> codigos;
    for (const LinhaGrade& l : antes.linhas) codigos[l.jogador] = l.codigo;
    for (LinhaGrade& l : nova.linhas) {
        if (l.codigo == kIndisponivel || l.codigo == kNovato) continue;
        const auto a = codigos.find(l.jogador);
        l.codigo = a != codigos.end() && (a->second == kTitular || a->second == kReserva)
                       ? a->second
                       : kNaoSelecionado;
    }
}

std::vector<Desfalque> DesfalquesDaEscalacao(const Jogo& jogo, const Grade& grade) {
    std::vector<Desfalque> r;
    if (jogo.estado.opcoes.opescalacao == 0) return r;
    for (const LinhaGrade& l : grade.linhas) {
        if (l.codigo != kIndisponivel || !JogadorValido(jogo, l.jogador)) continue;
        const TJogador& j = jogo.jogadores[l.jogador];
        if (j.titular != 1 && j.titular != 2) continue;
        // An injured player who is also suspended is out on account of the
        // injury, which lasts longer.
        const Desfalque::Motivo m =
            j.retorno > grade.hoje ? Desfalque::Lesao : Desfalque::Suspensao;
        r.push_back({l.jogador, j.titular == 1, m});
    }
    return r;
}

int GolsDaLista(const TJogador& j) {
    int g = 0;
    for (int t = 1; t <= 5; ++t) g += j.gols[t];
    return g;
}

int ImagemStatus(int codigo, int numero) {
    switch (codigo) {
    case kTitular:
        return numero;
    case kReserva:
        return 29 + numero;
    case kIndisponivel:
        return 87;
    case kNovato:
        return 88;
    default:
        return 58 + numero;
    }
}

bool ClicarStatus(const Jogo& jogo, Grade& grade, int linha) {
    if (linha < 0 || linha >= static_cast<int>(grade.linhas.size())) return false;
    LinhaGrade& l = grade.linhas[linha];
    if (l.codigo != kNaoSelecionado && l.codigo != kTitular && l.codigo != kReserva) return false;
    if (!JogadorValido(jogo, l.jogador)) return false;
    const Selecao s = Resumir(jogo, grade);
    const bool goleiro = jogo.jogadores[l.jogador].posicaoatual == kGoleiro;
    // Below eleven a click toggles between starter and not selected.
    auto alternar = [](int codigo) { return codigo == kTitular ? kNaoSelecionado : kTitular; };

    int novo;
    if (s.titulares == 10 && !s.goleiro) {
        // The eleventh place is the goalkeeper's.
        if (!goleiro) return false;
        novo = alternar(l.codigo);
    } else if (goleiro && s.goleiro && l.codigo == kNaoSelecionado) {
        if (s.reservas >= kMaxReservas) return false;
        novo = kReserva;
    } else if (goleiro && s.goleiro && l.codigo == kReserva) {
        novo = kNaoSelecionado;
    } else if (s.titulares >= 11) {
        // Eleven or more (a remembered lineup may hold more) only lets the
        // coach build the bench or take players out.
        if (s.reservas >= kMaxReservas || l.codigo != kNaoSelecionado)
            novo = kNaoSelecionado;
        else
            novo = kReserva;
    } else {
        novo = alternar(l.codigo);
    }
    if (novo == l.codigo) return false;
    l.codigo = novo;
    return true;
}

Validacao ValidarEscalacao(Jogo& jogo, const Grade& grade) {
    Validacao v;
    const Disponiveis d = RecontarDisponiveis(jogo, grade);
    for (const LinhaGrade& l : grade.linhas) {
        if (l.codigo == kReserva) ++v.reservas;
        if (l.codigo != kTitular || !JogadorValido(jogo, l.jogador)) continue;
        ++v.titulares;
        const TJogador& j = jogo.jogadores[l.jogador];
        if (j.posicaoatual == kGoleiro) v.goleiro = true;
        switch (match::ContagemDe(j).linha) {
        case 1:
            ++v.defensores;
            break;
        case 3:
            ++v.meias;
            break;
        case 4:
            ++v.atacantes;
            break;
        default:
            break;
        }
    }
    v.podejogar = v.titulares == 11 && v.goleiro;
    if (!v.podejogar) return v;
    const int formacao = v.defensores * 100 + v.meias * 10 + v.atacantes;
    if (grade.clube >= 0 && grade.clube < static_cast<int>(jogo.times.size()))
        jogo.times[grade.clube].formacao = formacao;
    const auto lista = FormacoesPossiveis(d);
    // Only single digits can be an entry of the box.
    if (v.defensores <= 9 && v.meias <= 9 &&
        std::find(lista.begin(), lista.end(), formacao) != lista.end())
        v.formacao = TextoFormacao(formacao);
    return v;
}

Confirmacao ConfirmarEscalacao(Jogo& jogo, const Grade& grade) {
    Confirmacao r;
    const int clube = grade.clube;
    if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return r;
    const int tipo = TipoValido(grade.tipo);
    const double hoje = grade.hoje;
    // A national team borrows its players from their clubs for the
    // tournament's matches only: its lineup has nothing to do with their club
    // contracts (no energy lost for an ended one), their club's newcomer rule
    // or their clubs' mailboxes (no tired player's complaint, no tired mark
    // on the club's grid). The computer's national teams are lined up the
    // same way, so a human's plays on equal terms.
    const bool selecao = jogo.EhSelecao(clube);

    TEscalacao nova;
    std::memset(&nova, 0, sizeof nova);
    jogo.escalacoes.push_back(nova);
    r.escalacao = static_cast<int>(jogo.escalacoes.size()) - 1;
    jogo.times[clube].escalacao = r.escalacao;
    TEscalacao& e = jogo.escalacoes[r.escalacao];

    // Last match's flags go for the whole squad, rows or not (a player bought
    // since the grid was filled): a stale yellow would send a player off at
    // his first card.
    for (const int i : JogadoresDoTime(jogo, clube)) {
        jogo.jogadores[i].jogou = 0;
        jogo.jogadores[i].amarelosjogo = 0;
    }

    int proxima = 0; // next outfield place
    bool goleiroPosto = false;
    // In the grid's order as it stands now: a role changed since the grid was
    // filled moves the player among his new line, so the places can always be
    // told again from the lineup memory (a game loaded mid-date).
    std::vector<LinhaGrade> linhas;
    for (const LinhaGrade& l : grade.linhas)
        if (JogadorValido(jogo, l.jogador)) linhas.push_back(l);
    Ordenar(jogo, linhas, hoje);
    for (const LinhaGrade& l : linhas) {
        // A player who left the club while the screen was open stays out of
        // its lineup.
        if (!JogadorValido(jogo, l.jogador) || jogo.jogadores[l.jogador].time != clube) continue;
        TJogador& j = jogo.jogadores[l.jogador];
        if (l.codigo == kReserva) {
            j.titular = 2;
            const auto livre = std::find(std::begin(e.reservas), std::end(e.reservas), 0);
            if (livre != std::end(e.reservas)) *livre = l.jogador;
            continue;
        }
        if (l.codigo != kTitular) {
            // Unavailable players and newcomers too: a newcomer has then sat
            // out his club's match and may play the next one.
            j.titular = 0;
            if (!selecao) j.novato = 0;
            continue;
        }
        j.titular = 1;
        const int vaga = ProximaVaga(j, proxima, goleiroPosto);
        if (vaga < 0) continue; // beyond the eleventh place
        match::ColocarNaVaga(jogo, e, vaga, l.jogador, tipo, hoje);
        if (selecao) continue;
        if (j.energia < 15 && j.caract1 != 12) {
            j.cansado = 1;
            r.cansados.push_back(l.jogador);
        }
        if (j.contrato < hoje) {
            j.energia -= 15;
            if (j.energia < 0) j.energia = 5;
        }
    }
    jogo.times[clube].disponiveis = match::RecontarDisponiveis(jogo, clube, tipo, hoje);
    for (int j : r.cansados) PostarEmail(jogo, clube, kEmailJogador, 6, 0, 0, j);
    return r;
}

bool RestaurarEscalacao(Jogo& jogo, int clube, int tipo, double hoje) {
    if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return false;
    tipo = TipoValido(tipo);
    const Grade g = MontarGrade(jogo, clube, tipo, hoje, true, true);
    TEscalacao nova;
    std::memset(&nova, 0, sizeof nova);
    int proxima = 0, titulares = 0, reservas = 0;
    bool goleiroPosto = false;
    for (const LinhaGrade& l : g.linhas) {
        const TJogador& j = jogo.jogadores[l.jogador];
        if (l.codigo == kReserva) {
            if (reservas < kMaxReservas) nova.reservas[reservas++] = l.jogador;
            continue;
        }
        if (l.codigo != kTitular) continue;
        const int vaga = ProximaVaga(j, proxima, goleiroPosto);
        if (vaga < 0) continue;
        match::Vaga(nova, vaga) = l.jogador;
        match::AplicarContagem(nova, match::ContagemDe(j), +1);
        ++titulares;
    }
    if (titulares < 11 || !goleiroPosto) return false;
    jogo.escalacoes.push_back(nova);
    jogo.times[clube].escalacao = static_cast<i32>(jogo.escalacoes.size()) - 1;
    jogo.times[clube].disponiveis = match::RecontarDisponiveis(jogo, clube, tipo, hoje);
    return true;
}

} // namespace management
