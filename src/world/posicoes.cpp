#include "world/posicoes.hpp"

#include "world/idioma.hpp"

namespace world {
namespace {

// Role table: five slots per position; 0 marks "n/a".
constexpr int kFuncoes[5][4] = {
    {230, 230, 230, 230}, {231, 232, 233, 0}, {230, 234, 230, 0},
    {231, 232, 233, 0},   {235, 236, 235, 0},
};

bool PosicaoValida(int p) {
    return p >= 0 && p <= 4;
}

} // namespace

std::string NomePosicao(int posicao) {
    return PosicaoValida(posicao) ? texto(220 + 2 * posicao) : std::string();
}

std::string NomeCurtoPosicao(int posicao) {
    return PosicaoValida(posicao) ? texto(221 + 2 * posicao) : std::string();
}

bool FuncaoExiste(int posicao, int funcao) {
    return PosicaoValida(posicao) && funcao >= 0 && funcao <= 3 && kFuncoes[posicao][funcao] != 0;
}

std::string NomeFuncao(int posicao, int funcao) {
    if (!FuncaoExiste(posicao, funcao)) return "n/a";
    return texto(kFuncoes[posicao][funcao]);
}

std::string NomeCaracteristica(int caract) {
    if (caract >= 0 && caract <= 3) return texto(257);
    if (caract >= 4 && caract <= 13) return texto(237 + caract - 4);
    return {};
}

std::string NomeCurtoCaracteristica(int caract) {
    if (caract >= 0 && caract <= 3) return texto(258);
    if (caract >= 4 && caract <= 13) return texto(247 + caract - 4);
    return {};
}

std::string TextoCaracteristicas(int caract1, int caract2) {
    if (caract1 == caract2) return NomeCaracteristica(caract1);
    return NomeCurtoCaracteristica(caract1) + "/" + NomeCurtoCaracteristica(caract2);
}

int FuncaoInicial(int posicao, int a, int b) {
    auto em = [](int x, std::initializer_list<int> l) {
        for (int v : l)
            if (v == x) return true;
        return false;
    };
    switch (posicao) {
    case kLateral:
        if (em(a, {6, 13})) return 1;
        if (em(a, {7, 10})) return 0;
        if (b == 13) return 1;
        if (!em(b, {7, 10}) && em(a, {4, 8, 9, 11})) return 1;
        return 0;
    case kMeia:
        if (em(a, {4, 8, 9, 11})) return 1;
        if (em(a, {7, 10})) return 0;
        if (em(b, {7, 10})) return 0;
        return 1;
    case kAtacante:
        return em(a, {6, 8, 11, 13}) ? 1 : 0;
    default:
        return 0;
    }
}

int IconeStatus(const TJogador& j, int tipo, double hoje) {
    int icone = 0;
    const bool tipoValido = tipo >= 0 && tipo < kTiposCompeticao;
    if (j.retorno > hoje)
        icone = 3;
    else if (tipoValido && j.suspensao[tipo] >= 1)
        icone = 1;
    else if (tipoValido && j.cartoes[tipo] == 3)
        icone = 2;
    if (!j.estrela) return icone;
    static constexpr int kEstrela[4] = {12, 5, 8, 7};
    return kEstrela[icone];
}

} // namespace world
