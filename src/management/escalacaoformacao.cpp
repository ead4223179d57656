#include "management/escalacaoformacao.hpp"

#include "world/posicoes.hpp"

#include <algorithm>

namespace management {

using namespace world;

namespace {

// A formation of the box and what it needs of the available players.
struct Exigencia {
    int formacao;
    int defesa; // full-backs and centre-backs above this
    int meias;  // midfielders above this
    int ataque; // forwards above this
};
constexpr Exigencia kFormacoes[] = {
    {541, 4, 3, 0}, {532, 4, 2, 1}, {433, 3, 2, 2}, {442, 3, 3, 1}, {451, 3, 4, 0}, {343, 2, 3, 2},
};

// The rows being chosen from: selectable rows, best first.
struct Escolha {
    Jogo& jogo;
    Grade& grade;
    std::vector<int> candidatos; // row indices

    TJogador& J(int linha) { return jogo.jogadores[grade.linhas[linha].jogador]; }

    int Livres(int posicao) {
        int n = 0;
        for (int k : candidatos)
            n += grade.linhas[k].codigo == kNaoSelecionado && J(k).posicaoatual == posicao;
        return n;
    }
    // Marks up to `n` unchosen players of `posicao`, best first, as `codigo`.
    template <typename Papel> int Marcar(int posicao, int n, int codigo, Papel papel) {
        int k = 0;
        for (int linha : candidatos) {
            if (k >= n) break;
            LinhaGrade& l = grade.linhas[linha];
            if (l.codigo != kNaoSelecionado || J(linha).posicaoatual != posicao) continue;
            l.codigo = codigo;
            papel(J(linha));
            ++k;
        }
        return k;
    }
    int Marcar(int posicao, int n, int codigo) {
        return Marcar(posicao, n, codigo, [](TJogador&) {});
    }
};

} // namespace

std::vector<int> FormacoesPossiveis(const Disponiveis& d) {
    const int def = d.laterais + d.zagueiros;
    std::vector<int> r;
    for (const Exigencia& e : kFormacoes)
        if (def > e.defesa && d.meias > e.meias && d.atacantes > e.ataque) r.push_back(e.formacao);
    if (d.meias > 2 && d.zagueiros > 2 && (d.laterais > 1 || d.meias > 4) && d.atacantes > 1)
        r.push_back(352);
    return r;
}

std::string TextoFormacao(int defensores, int meias, int atacantes) {
    return std::to_string(defensores) + "-" + std::to_string(meias) + "-" +
           std::to_string(atacantes);
}

std::string TextoFormacao(int formacao) {
    return TextoFormacao(formacao / 100, formacao / 10 % 10, formacao % 10);
}

int FormacaoDoTexto(std::string_view t) {
    auto digito = [](char c) { return c >= '0' && c <= '9'; };
    if (t.size() != 5 || !digito(t[0]) || t[1] != '-' || !digito(t[2]) || t[3] != '-' ||
        !digito(t[4]))
        return 0;
    return (t[0] - '0') * 100 + (t[2] - '0') * 10 + (t[4] - '0');
}

bool EscolherFormacao(Jogo& jogo, Grade& grade, std::string_view texto) {
    if (grade.clube < 0 || grade.clube >= static_cast<int>(jogo.times.size())) return false;
    const int formacao = FormacaoDoTexto(texto);
    const auto lista = FormacoesPossiveis(RecontarDisponiveis(jogo, grade));
    if (std::find(lista.begin(), lista.end(), formacao) == lista.end()) return false;
    const int D = formacao / 100, M = formacao / 10 % 10, A = formacao % 10;

    Escolha es{jogo, grade, {}};
    for (std::size_t k = 0; k < grade.linhas.size(); ++k) {
        LinhaGrade& l = grade.linhas[k];
        if (l.codigo == kIndisponivel || l.codigo == kNovato) continue;
        l.codigo = kNaoSelecionado;
        if (l.jogador > 0 && l.jogador < static_cast<int>(jogo.jogadores.size()))
            es.candidatos.push_back(static_cast<int>(k));
    }
    // Ascending by strength, energy and goals, the last being the best; read
    // backwards so the best comes first.
    std::stable_sort(es.candidatos.begin(), es.candidatos.end(), [&](int a, int b) {
        const TJogador& x = es.J(a);
        const TJogador& y = es.J(b);
        if (x.forca != y.forca) return x.forca < y.forca;
        if (x.energia != y.energia) return x.energia < y.energia;
        return GolsDaLista(x) < GolsDaLista(y);
    });
    std::reverse(es.candidatos.begin(), es.candidatos.end());

    es.Marcar(kGoleiro, 1, kTitular);

    const bool tresCincoDois = formacao == 352;
    int zagueiros = 0, laterais = 0, meias = M;
    if (tresCincoDois) {
        // Two full-backs as wing-backs when there are two, else five midfielders.
        laterais = es.Livres(kLateral) >= 2 ? 2 : 0;
        zagueiros = 3;
        meias = laterais == 2 ? 3 : 5;
    } else {
        const int Z = es.Livres(kZagueiro), L = es.Livres(kLateral);
        int resta = D;
        while (resta > 0) {
            const int antes = resta;
            const int z = Z - zagueiros, l = L - laterais;
            if (resta >= 2 && z >= 2)
                zagueiros += 2, resta -= 2;
            else if (z >= 1)
                zagueiros += 1, resta -= 1;
            if (resta >= 2 && l >= 2)
                laterais += 2, resta -= 2;
            else if (resta >= 1 && l >= 1)
                laterais += 1, resta -= 1;
            // The box counts newcomers as available; when they leave a line
            // short the lineup stays incomplete for the coach to finish.
            if (resta == antes) break;
        }
    }
    es.Marcar(kLateral, laterais, kTitular, [&](TJogador& j) {
        if (tresCincoDois)
            j.funcao = 2;
        else if (j.funcao == 2)
            j.funcao = FuncaoInicial(j.posicao, j.caract1, j.caract2);
    });
    es.Marcar(kZagueiro, zagueiros, kTitular);
    es.Marcar(kMeia, meias, kTitular);
    es.Marcar(kAtacante, A, kTitular);

    // The bench: one of each position, then the best outfield players left,
    // six outfield players at most.
    const int goleiroReserva = es.Marcar(kGoleiro, 1, kReserva);
    int linha = 0;
    for (int p : {kLateral, kZagueiro, kMeia, kAtacante}) linha += es.Marcar(p, 1, kReserva);
    for (int k : es.candidatos) {
        if (linha >= kMaxReservas - 1 || goleiroReserva + linha >= kMaxReservas) break;
        LinhaGrade& l = grade.linhas[k];
        if (l.codigo != kNaoSelecionado || es.J(k).posicaoatual == kGoleiro) continue;
        l.codigo = kReserva;
        ++linha;
    }
    jogo.times[grade.clube].formacao = formacao;
    return true;
}

} // namespace management
