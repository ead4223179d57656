#include "management/fichajogador.hpp"

#include "competitions/resumos.hpp"
#include "management/escalacaotatica.hpp"
#include "plataforma/datas.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <algorithm>
#include <cstdio>

namespace management {

using namespace world;

namespace {

std::string NomeClube(const Jogo& jogo, int clube) {
    return jogo.TimeValido(clube) ? std::string(jogo.times[clube].nome.view()) : std::string();
}

// The role as the grid's box offers it; a role the box lacks keeps its own name.
std::string TextoFuncao(const TJogador& j) {
    const auto itens = ItensFuncao(j.posicaoatual);
    if (j.funcao >= 0 && j.funcao < static_cast<int>(itens.size())) return itens[j.funcao];
    return NomeFuncao(j.posicaoatual, j.funcao);
}

void Temporada(const Jogo& jogo, const TJogador& j, FichaJogador& f) {
    f.totaltemporada.competicao = -1;
    for (int t = 0; t < kTiposCompeticao; ++t) {
        f.totaltemporada.jogos += j.jogos[t];
        f.totaltemporada.gols += j.gols[t];
        if (j.jogos[t] == 0 && j.gols[t] == 0) continue;
        f.temporada.push_back(
            {t, competitions::NomeDaCompeticao(jogo, t, j.time), j.jogos[t], j.gols[t]});
    }
}

void Contar(LinhaCarreiraFicha& l, const THistoricoJogador& h, int entrada) {
    l.gols = h.linhas[kHistGols][entrada];
    l.jogos = h.linhas[kHistJogos][entrada];
    l.amarelos = h.linhas[kHistAmarelos][entrada];
    l.vermelhos = h.linhas[kHistVermelhos][entrada];
    l.contusoes = h.linhas[kHistContusoes][entrada];
}

void Carreira(const Jogo& jogo, const TJogador& j, FichaJogador& f) {
    if (j.historico <= 0 || j.historico >= static_cast<int>(jogo.historicos.size())) return;
    const THistoricoJogador h = HistoricoConsolidado(jogo, j.historico);
    f.temhistorico = true;
    // Ten seasons are kept: up to the tenth, entry s is season s; later the
    // last ten, the current one in entry 10.
    const int atual = std::max<int>(1, jogo.estado.temporada);
    const int entradas = std::min(atual, 10);
    const int primeira = atual - entradas + 1;
    for (int s = 1; s <= entradas; ++s) {
        LinhaCarreiraFicha l;
        l.temporada = primeira + s - 1;
        l.ano = 2006 + l.temporada;
        for (i32 c : h.clubes[s - 1])
            if (jogo.TimeValido(c)) l.clubes.push_back(NomeClube(jogo, c));
        Contar(l, h, s);
        const bool vazia = l.clubes.empty() && l.jogos == 0 && l.gols == 0 && l.amarelos == 0 &&
                           l.vermelhos == 0 && l.contusoes == 0;
        if (!vazia) f.carreira.push_back(std::move(l));
    }
    Contar(f.totalcarreira, h, 0);
}

} // namespace

FichaJogador MontarFicha(const Jogo& jogo, int jogador) {
    FichaJogador f;
    if (jogador <= 0 || jogador >= static_cast<int>(jogo.jogadores.size())) return f;
    const TJogador& j = jogo.jogadores[jogador];
    f.jogador = jogador;
    f.nome = j.nome.view();
    f.estrela = j.estrela != 0;
    f.idade = j.idade;
    f.pais = j.pais;
    f.nacionalidade = NomePais(j.pais);
    f.clube = jogo.TimeValido(j.time) ? j.time : -1;
    f.nomeclube = NomeClube(jogo, j.time);
    f.posicao = j.posicao;
    f.nomeposicao = NomePosicao(j.posicao);
    f.posicaoatual = j.posicaoatual;
    f.nomeposicaoatual = NomePosicao(j.posicaoatual);
    f.funcao = TextoFuncao(j);
    f.caracteristica1 = NomeCaracteristica(j.caract1);
    f.caracteristica2 = NomeCaracteristica(j.caract2);
    f.caracteristicas = TextoCaracteristicas(j.caract1, j.caract2);
    f.forca = j.forca;
    f.energia = j.energia;
    f.moral = j.moral + 7;
    f.passe = j.passe;
    f.salario = j.salario;
    f.contrato = j.contrato;
    f.fimcontrato = plataforma::TextoData(j.contrato);
    Temporada(jogo, j, f);
    Carreira(jogo, j, f);
    return f;
}

} // namespace management
