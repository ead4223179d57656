// pitchlord-sim clubes: the clubs of a new game as the game-start load leaves them.
#include "plataforma/colunas.hpp"
#include "plataforma/cp1252.hpp"
#include "sim/comandos.hpp"
#include "sim/json.hpp"
#include "sim/mundo.hpp"
#include "world/clubes.hpp"

#include <cstdio>
#include <string>

namespace sim {
namespace {

int Erro(const std::string& msg) {
    std::fprintf(stderr, "pitchlord-sim: %s\n", msg.c_str());
    return 1;
}

std::string U(std::string_view cp1252) {
    return plataforma::Cp1252ParaUtf8(cp1252);
}

void EscreverJson(const world::Jogo& jogo, const std::vector<std::vector<int>>& porTime) {
    Json j;
    j.AbrirObjeto().Chave("clubes").AbrirLista();
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        const world::TTime& t = jogo.times[c];
        j.AbrirObjeto();
        j.Chave("indice").Numero(static_cast<int>(c));
        j.Chave("nome").Texto(U(t.nome.view()));
        j.Chave("pais").Numero(t.pais);
        j.Chave("divisao").Numero(t.divisao);
        j.Chave("nivel").Numero(t.nivel);
        j.Chave("dinheiro").Numero(t.dinheiro);
        j.Chave("capitao").Numero(t.capitao);
        j.Chave("cobrador").Numero(t.cobrador);
        j.Chave("jogadores").AbrirLista();
        for (int i : porTime[c]) {
            const world::TJogador& p = jogo.jogadores[i];
            j.AbrirObjeto();
            j.Chave("indice").Numero(i);
            j.Chave("nome").Texto(U(p.nome.view()));
            j.Chave("posicao").Numero(p.posicao);
            j.Chave("idade").Numero(p.idade);
            j.Chave("forca").Numero(p.forca);
            j.Chave("passe").Numero(p.passe);
            j.Chave("salario").Numero(p.salario);
            j.Chave("titular").Numero(p.titular);
            j.Chave("estrela").Numero(p.estrela);
            j.Chave("caract1").Numero(p.caract1);
            j.Chave("caract2").Numero(p.caract2);
            j.Chave("funcao").Numero(p.funcao);
            j.Chave("avenda").Numero(p.avenda);
            j.Chave("passepedido").Numero(p.passepedido);
            j.FecharObjeto();
        }
        j.FecharLista().FecharObjeto();
    }
    j.FecharLista().FecharObjeto();
    std::printf("%s\n", j.Resultado().c_str());
}

void EscreverTabela(const world::Jogo& jogo, const std::vector<std::vector<int>>& porTime) {
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        const world::TTime& t = jogo.times[c];
        std::printf("%4zu %s pais %3d div %d nivel %2d dinheiro %10d capitao %6d cobrador %6d\n", c,
                    plataforma::ColunaUtf8(U(t.nome.view()), 25).c_str(), t.pais, t.divisao,
                    t.nivel, t.dinheiro, t.capitao, t.cobrador);
        for (int i : porTime[c]) {
            const world::TJogador& p = jogo.jogadores[i];
            std::printf("     %6d %s pos %d idade %2d forca %3d passe %9d salario %7d "
                        "tit %d est %d car %2d/%2d funcao %d venda %d pedido %9d\n",
                        i, plataforma::ColunaUtf8(U(p.nome.view()), 20).c_str(), p.posicao, p.idade,
                        p.forca, p.passe, p.salario, p.titular, p.estrela, p.caract1, p.caract2,
                        p.funcao, p.avenda, p.passepedido);
        }
    }
}

} // namespace

int ComandoClubes(const Argumentos& args) {
    world::Jogo jogo;
    const std::string erro = CarregarMundo(args, jogo);
    if (!erro.empty()) return Erro(erro);
    const auto porTime = world::JogadoresPorTime(jogo);
    if (args.Tem("--json"))
        EscreverJson(jogo, porTime);
    else
        EscreverTabela(jogo, porTime);
    return 0;
}

} // namespace sim
