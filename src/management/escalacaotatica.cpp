#include "management/escalacaotatica.hpp"

#include "world/idioma.hpp"
#include "world/posicoes.hpp"

#include <initializer_list>

namespace management {

using namespace world;

namespace {

std::vector<std::string> Textos(std::initializer_list<int> numeros) {
    std::vector<std::string> r;
    for (int n : numeros) r.push_back(texto(n));
    return r;
}

bool NaGrade(const Jogo& jogo, const Grade& grade, int jogador) {
    if (!jogo.TimeValido(grade.clube) || jogador <= 0 ||
        jogador >= static_cast<int>(jogo.jogadores.size()) ||
        jogo.jogadores[jogador].time != grade.clube)
        return false;
    for (const LinhaGrade& l : grade.linhas)
        if (l.jogador == jogador) return true;
    return false;
}

bool Definir(Jogo& jogo, int clube, i32 TTime::*campo, int valor, int valores) {
    if (!jogo.TimeValido(clube) || valor < 0 || valor >= valores) return false;
    jogo.times[clube].*campo = valor;
    return true;
}

} // namespace

std::vector<std::string> ItensFuncao(int posicao) {
    switch (posicao) {
    case kGoleiro:
        return Textos({230});
    case kLateral:
    case kMeia:
        return Textos({231, 232, 233});
    case kZagueiro:
        return Textos({230, 234});
    case kAtacante:
        return Textos({235, 236});
    default:
        return {};
    }
}

bool MudarFuncao(Jogo& jogo, const Grade& grade, int linha, int item) {
    if (linha < 0 || linha >= static_cast<int>(grade.linhas.size())) return false;
    const int jogador = grade.linhas[linha].jogador;
    if (!NaGrade(jogo, grade, jogador)) return false;
    TJogador& j = jogo.jogadores[jogador];
    if (item < 0 || item >= static_cast<int>(ItensFuncao(j.posicaoatual).size())) return false;
    j.funcao = item;
    return true;
}

bool MudarPosicao(Jogo& jogo, const Grade& grade, int linha, int posicao, int funcao) {
    if (linha < 0 || linha >= static_cast<int>(grade.linhas.size())) return false;
    const int jogador = grade.linhas[linha].jogador;
    if (!NaGrade(jogo, grade, jogador)) return false;
    TJogador& j = jogo.jogadores[jogador];
    const int nova = posicao < 0 ? j.posicao : posicao;
    if (nova < kGoleiro || nova > kAtacante) return false;
    if (funcao < 0 || funcao >= static_cast<int>(ItensFuncao(nova).size())) return false;
    j.posicaoatual = nova;
    j.funcao = funcao;
    return true;
}

CelulasLinha Celulas(const Jogo& jogo, const Grade& grade, int linha) {
    CelulasLinha c;
    if (linha < 0 || linha >= static_cast<int>(grade.linhas.size())) return c;
    const LinhaGrade& l = grade.linhas[linha];
    if (l.jogador <= 0 || l.jogador >= static_cast<int>(jogo.jogadores.size())) return c;
    const TJogador& j = jogo.jogadores[l.jogador];
    c.imagemstatus = ImagemStatus(l.codigo, j.numero);
    c.posicao = NomeCurtoPosicao(j.posicaoatual);
    c.icone = IconeStatus(j, grade.tipo, grade.hoje);
    c.nome = j.nome.view();
    const auto itens = ItensFuncao(j.posicaoatual);
    // A role the drop-down does not offer still shows its own name.
    c.funcao = j.funcao >= 0 && j.funcao < static_cast<int>(itens.size())
                   ? itens[j.funcao]
                   : NomeFuncao(j.posicaoatual, j.funcao);
    c.forca = j.forca;
    c.energia = j.energia;
    c.salario = j.salario;
    c.passe = j.passe;
    c.gols = GolsDaLista(j);
    c.caracteristicas = TextoCaracteristicas(j.caract1, j.caract2);
    c.idade = j.idade;
    c.moral = j.moral + 7;
    return c;
}

std::vector<std::string> ItensEstilo() {
    return Textos({87, 88, 89});
}
std::vector<std::string> ItensJogadas() {
    return Textos({90, 91});
}
std::vector<std::string> ItensMarcacao() {
    return Textos({92, 93, 94});
}

bool DefinirEstilo(Jogo& jogo, int clube, int estilo) {
    return Definir(jogo, clube, &TTime::estilo, estilo, 3);
}
bool DefinirJogadas(Jogo& jogo, int clube, int jogadas) {
    return Definir(jogo, clube, &TTime::jogadas, jogadas, 2);
}
bool DefinirMarcacao(Jogo& jogo, int clube, int marcacao) {
    return Definir(jogo, clube, &TTime::marcacao, marcacao, 3);
}

std::vector<ItemJogador> ItensJogadores(const Jogo& jogo, const Grade& grade) {
    std::vector<ItemJogador> r;
    for (const LinhaGrade& l : grade.linhas) {
        if (!NaGrade(jogo, grade, l.jogador)) continue;
        const TJogador& j = jogo.jogadores[l.jogador];
        r.push_back({l.jogador, std::string(j.nome.view()) + " - " + NomeCurtoPosicao(j.posicao)});
    }
    return r;
}

int ItemDoJogador(const std::vector<ItemJogador>& itens, int jogador) {
    for (std::size_t k = 0; k < itens.size(); ++k)
        if (itens[k].jogador == jogador) return static_cast<int>(k);
    return -1;
}

bool DefinirCapitao(Jogo& jogo, const Grade& grade, int jogador) {
    if (!NaGrade(jogo, grade, jogador)) return false;
    jogo.times[grade.clube].capitao = jogador;
    return true;
}

bool DefinirCobrador(Jogo& jogo, const Grade& grade, int jogador) {
    if (!NaGrade(jogo, grade, jogador)) return false;
    jogo.times[grade.clube].cobrador = jogador;
    return true;
}

int CobradorAutomatico(const Jogo& jogo, int clube) {
    if (!jogo.TimeValido(clube)) return -1;
    // No name is preferred in this world: straight to the characteristics.
    for (int caract : {9, 4, 11})
        for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
            const TJogador& j = jogo.jogadores[i];
            if (j.time == clube && j.titular == 1 && j.caract1 == caract)
                return static_cast<int>(i);
        }
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube && jogo.jogadores[i].titular == 1)
            return static_cast<int>(i);
    return -1;
}

} // namespace management
