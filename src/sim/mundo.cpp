// Worlds for the match commands.
#include "sim/mundo.hpp"

#include "competitions/novojogo.hpp"
#include "plataforma/caminhos.hpp"
#include "world/clubes.hpp"
#include "world/idioma.hpp"
#include "world/numeros.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace sim {

bool LerInteiro(const Argumentos& args, const std::string& nome, std::uint64_t& valor) {
    bool tem = false;
    const std::string texto = args.Valor(nome, &tem);
    if (!tem) return true;
    try {
        std::size_t fim = 0;
        if (texto.empty() || texto[0] == '-') return false;
        valor = std::stoull(texto, &fim);
        return fim == texto.size();
    } catch (const std::exception&) {
        return false;
    }
}

std::string LerOpcoesMundo(const Argumentos& args, OpcoesMundo& o) {
    // main() chose the folders: --dados, the working folder or the installed world.
    bool temDados = false;
    const std::string nomeado = args.Valor("--dados", &temDados);
    const std::string dados = temDados ? nomeado : plataforma::PastasDoJogo().raiz.string();
    std::error_code ec;
    if (dados.empty() || !std::filesystem::is_directory(dados, ec))
        return "no such data folder: " + dados;
    world::IniciarIdioma();

    const std::string ligas = args.Valor("--ligas");
    if (ligas.empty()) return "--ligas needs a list of country codes, e.g. --ligas 29,97, or all";
    const std::string divisoes = args.Valor("--divisoes");
    if (divisoes != "10" && divisoes != "20") return "--divisoes must be 10 or 20";
    if (!LerInteiro(args, "--semente", o.semente))
        return "--semente must be a non-negative integer";

    o.indice = world::contatimes();
    const auto usaveis = world::UsaveisPorPais(o.indice);
    int total = 0;
    for (int n : usaveis) total += n;
    if (total == 0) return "no usable club file in " + dados + "/teams";

    o.novojogo.divisoesde20 = divisoes == "20";
    if (ligas == "all") {
        o.novojogo.ligas = competitions::LigasOferecidas(o.indice);
        if (o.novojogo.ligas.empty()) return "no country has enough club files for a league";
        // The home country leads when it is played, as the setup screen defaults to it.
        const auto casa =
            std::find(o.novojogo.ligas.begin(), o.novojogo.ligas.end(), world::kPaisCasa);
        if (casa != o.novojogo.ligas.end()) std::rotate(o.novojogo.ligas.begin(), casa, casa + 1);
    } else {
        std::size_t inicio = 0;
        while (inicio <= ligas.size()) {
            std::size_t fim = ligas.find(',', inicio);
            if (fim == std::string::npos) fim = ligas.size();
            const std::string parte = ligas.substr(inicio, fim - inicio);
            const auto pais = world::ConverterInteiro(parte);
            if (!pais || *pais < 0 || *pais >= world::kNumPaises)
                return "unknown country: '" + parte + "'";
            if (usaveis[*pais] == 0)
                return "no usable club file for country " + std::to_string(*pais);
            for (int p : o.novojogo.ligas)
                if (p == *pais) return "country listed twice: " + parte;
            o.novojogo.ligas.push_back(*pais);
            inicio = fim + 1;
        }
    }
    o.novojogo.paisprincipal = o.novojogo.ligas.front();
    return {};
}

std::string CarregarMundo(const Argumentos& args, world::Jogo& jogo) {
    OpcoesMundo o;
    if (std::string erro = LerOpcoesMundo(args, o); !erro.empty()) return erro;
    jogo.gerador.Semear(o.semente);
    competitions::IniciarJogoDeClubes(jogo, o.indice, o.novojogo);
    world::iniciatimes(jogo);
    return {};
}

void MundoDeBench(world::Jogo& jogo, int clubes, std::uint64_t semente) {
    using namespace world;
    jogo.gerador.Semear(semente);
    jogo.estado.temporada = 1;
    jogo.estado.divisoesporliga = 2;
    jogo.precospadrao = {
        {{1, 5, 15, 30}, {10, 15, 25, 80}, {7, 13, 20, 70}, {5, 12, 17, 40}, {3, 10, 15, 30}}};
    TLiga liga = NovaLiga(kPaisCasa);
    liga.numdivisoes = 2;
    // Players by position: goalkeepers, full-backs, centre-backs, midfielders, forwards.
    static constexpr int kPorPosicao[5] = {3, 4, 5, 6, 4};
    static constexpr int kCaract[5][2] = {{0, 2}, {7, 10}, {7, 10}, {7, 10}, {7, 10}};
    for (int c = 0; c < clubes; ++c) {
        TTime t = NovoTime();
        t.nome = "Bench " + std::to_string(c + 1);
        t.estadio = "Estadio " + std::to_string(c + 1);
        t.pais = kPaisCasa;
        t.estado = c % 5;
        t.nivel = 8 + jogo.Aleatorio(18);
        t.divisao = c < clubes / 2 ? 1 : 2;
        t.conftorcida = 30 + jogo.Aleatorio(60);
        t.confdiretoria = 50;
        for (int s = 0; s < 4; ++s) {
            t.capacidade[s] = (s == 1 ? 20000 : 5000) + jogo.Aleatorio(10000);
            t.precos[s] = jogo.precospadrao[t.divisao][s];
        }
        t.formacao = 442;
        const int indice = static_cast<int>(jogo.times.size());
        liga.divisoes[t.divisao - 1][c % (clubes / 2)] = indice;
        jogo.times.push_back(t);
        TFinancas f;
        std::memset(&f, 0, sizeof f);
        jogo.financas.push_back(f);
        for (int pos = 0; pos < 5; ++pos)
            for (int k = 0; k < kPorPosicao[pos]; ++k) {
                TJogador j = NovoJogador();
                j.nome = "B" + std::to_string(jogo.jogadores.size());
                j.time = indice;
                j.posicao = j.posicaoatual = pos;
                j.forca = 30 + jogo.Aleatorio(40) + t.nivel;
                j.idade = 18 + jogo.Aleatorio(16);
                j.energia = 100;
                j.moral = 3;
                j.caract1 = kCaract[pos][0];
                j.caract2 = kCaract[pos][1];
                j.funcao = FuncaoInicial(pos, j.caract1, j.caract2);
                j.numero = static_cast<i32>(jogo.jogadores.size() % 99) + 1;
                jogo.jogadores.push_back(j);
            }
    }
    liga.numtimes = clubes;
    jogo.ligas.push_back(liga);
    jogo.estado.numtimesligas = clubes;
    jogo.estado.numtimesextras = 0;
    jogo.estado.numhumanos = 0;
}

} // namespace sim
