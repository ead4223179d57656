// Fixed-price sales, auctions and the trades between computer-run clubs.
#include "management/mercado.hpp"
#include "management/mercado_interno.hpp"
#include "plataforma/arredondar.hpp"
#include "world/clubes.hpp"
#include "world/emails.hpp"
#include "world/paises.hpp"

#include <algorithm>

namespace management {

using namespace world;
using namespace mercado;

namespace {

int ClubesDoMercado(const Jogo& jogo) {
    return std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao());
}

// The first club of a country in the club table, -1 when it has none.
int PrimeiroDoPais(const Jogo& jogo, int pais) {
    const int n = ClubesDoMercado(jogo);
    for (int c = 0; c < n; ++c)
        if (jogo.times[c].pais == pais) return c;
    return -1;
}

// The clubs of a country: from its first club on while the country lasts.
struct Faixa {
    int inicio = -1, fim = -1;
};
Faixa FaixaDoPais(const Jogo& jogo, int pais) {
    Faixa f;
    f.inicio = PrimeiroDoPais(jogo, pais);
    if (f.inicio < 0) return f;
    const int n = ClubesDoMercado(jogo);
    f.fim = f.inicio;
    while (f.fim < n && jogo.times[f.fim].pais == pais) ++f.fim;
    return f;
}

int PaisSorteado(Jogo& jogo) {
    const int n = static_cast<int>(jogo.ligas.size());
    if (n == 0) return -1;
    return jogo.ligas[n > 1 ? jogo.Aleatorio(n) : 0].pais;
}

int DaPosicao(const Jogo& jogo, const std::vector<int>& elenco, int posicao) {
    int n = 0;
    for (int j : elenco) n += jogo.jogadores[j].posicao == posicao;
    return n;
}

int PrimeiroDaPosicao(const Jogo& jogo, const std::vector<int>& elenco, int posicao) {
    for (int j : elenco)
        if (jogo.jogadores[j].posicao == posicao) return j;
    return 0;
}

// A natural position in which the club has at least 3 players (up to 250
// draws), and its first player of it; 0 when none was drawn.
int SortearJogador(Jogo& jogo, const std::vector<int>& elenco, int* posicao = nullptr) {
    for (int k = 0; k < 250; ++k) {
        const int p = jogo.Aleatorio(5);
        if (DaPosicao(jogo, elenco, p) >= 3) {
            if (posicao) *posicao = p;
            return PrimeiroDaPosicao(jogo, elenco, p);
        }
    }
    return 0;
}

} // namespace

// --- Fixed-price sales -------------------------------------------------------------

namespace {

// A club sells only while it keeps a squad to play with.
RecusaVenda RecusaDoElenco(const Jogo& jogo, int time) {
    if (!ClubeDoMercado(jogo, time)) return RecusaVenda::SemJogador;
    const TTime& t = jogo.times[time];
    if (t.elenco < kMinimoElencoVenda) return RecusaVenda::ElencoPequeno;
    if (t.disponiveis < kMinimoDisponiveisVenda) return RecusaVenda::PoucosDisponiveis;
    return RecusaVenda::Nenhuma;
}

} // namespace

RecusaVenda RecusaDaVenda(const Jogo& jogo, int jogador, i32 preco) {
    if (!JogadorValido(jogo, jogador)) return RecusaVenda::SemJogador;
    const int time = jogo.jogadores[jogador].time;
    if (!ClubeDoMercado(jogo, time)) return RecusaVenda::SemJogador;
    if (!jogo.times[time].humano) return RecusaVenda::NaoEhHumano;
    if (const RecusaVenda r = RecusaDoElenco(jogo, time); r != RecusaVenda::Nenhuma) return r;
    return preco > 0 ? RecusaVenda::Nenhuma : RecusaVenda::SemPreco;
}

bool PodeVender(const Jogo& jogo, int time) {
    return RecusaDoElenco(jogo, time) == RecusaVenda::Nenhuma;
}

void ColocarAVenda(Jogo& jogo, int jogador, i32 preco) {
    if (!JogadorValido(jogo, jogador) || preco <= 0) return;
    TJogador& j = jogo.jogadores[jogador];
    j.avenda = 1;
    j.passepedido = preco;
}

void RetirarDaVenda(Jogo& jogo, int jogador) {
    if (!JogadorValido(jogo, jogador)) return;
    TJogador& j = jogo.jogadores[jogador];
    j.avenda = 0;
    j.passepedido = j.passe;
}

int ChanceDeVenda(i32 passe, i32 pedido) {
    const std::int64_t d = std::int64_t{pedido} - passe;
    if (d <= 0) return 100;
    if (d < 1000) return 89;
    // The asking price above the value by up to 10 %, 20 % ... 50 % of it.
    static constexpr int kChances[5] = {79, 59, 24, 14, 4};
    for (int k = 0; k < 5; ++k)
        if (d <= plataforma::ArredDiv(std::int64_t{passe} * (k + 1), 10)) return kChances[k];
    return 0;
}

int VendasPrecoFixo(Jogo& jogo, int time) {
    if (!ClubeDoMercado(jogo, time)) return 0;
    const TTime& t = jogo.times[time];
    const int liga = jogo.LigaDoPais(t.pais);
    if (liga < 0 || t.divisao < 1 || t.divisao > 4) return 0;
    // The clubs of the division, the candidates for a buyer.
    std::vector<int> divisao;
    for (i32 c : jogo.ligas[liga].divisoes[t.divisao - 1])
        if (ClubeDoMercado(jogo, c)) divisao.push_back(c);
    if (divisao.empty()) return 0;
    int vendidos = 0;
    const std::vector<int> elenco = JogadoresDoClube(jogo, time);
    int restantes = static_cast<int>(elenco.size());
    for (int jogador : elenco) {
        const TJogador& j = jogo.jogadores[jogador];
        if (!j.avenda) continue;
        // Several players listed at once never leave the club without a
        // team of eleven: the rest wait until the squad grows again.
        if (restantes <= 11) break;
        const int chance = ChanceDeVenda(j.passe, j.passepedido);
        if (chance <= 0) continue;
        if (chance < 100 && jogo.Aleatorio(100) <= 99 - chance) continue;
        int comprador = -1;
        for (int k = 0; k < 30 && comprador < 0; ++k) {
            const int c = divisao[jogo.Aleatorio(static_cast<int>(divisao.size()))];
            if (!jogo.times[c].humano && jogo.times[c].elenco < 23) comprador = c;
        }
        if (comprador < 0) continue;
        const i32 preco = j.passepedido;
        VenderAoComputador(jogo, jogador, comprador, preco, ViaTransferencia::PrecoFixo);
        PostarEmail(jogo, time, kEmailVenda, 0, preco, comprador, jogador);
        ++vendidos;
        --restantes;
    }
    return vendidos;
}

// --- Auctions -------------------------------------------------------------------

RecusaLance RecusaDoLance(const Jogo& jogo, const Leilao& l, i32 valor) {
    if (jogo.TimeValido(l.vez) && jogo.times[l.vez].dinheiro < 0) return RecusaLance::SaldoNegativo;
    if (valor <= 0) return RecusaLance::SemLance;
    if (!jogo.TimeValido(l.vez) || valor > jogo.times[l.vez].dinheiro)
        return RecusaLance::AcimaDoCaixa;
    if (valor < l.precoinicial) return RecusaLance::AbaixoDoInicial;
    return RecusaLance::Nenhuma;
}

namespace {

i32 PrecoDoComprador(Jogo& jogo, i32 s) {
    struct Faixa {
        i32 ate, fixo, sorteio;
    };
    static constexpr Faixa kFaixas[] = {{100'000, 3'000, 10'000},
                                        {500'000, 10'000, 100'000},
                                        {1'000'000, 30'000, 200'000},
                                        {2'000'000, 50'000, 300'000}};
    for (const Faixa& f : kFaixas)
        if (s <= f.ate) return Saturar(std::int64_t{s} + f.fixo + jogo.Aleatorio(f.sorteio));
    return Saturar(std::int64_t{s} + 50'000 + jogo.Aleatorio(500'000));
}

int CompradorDoLeilao(Jogo& jogo, const Leilao& l) {
    const TJogador& j = jogo.jogadores[l.jogador];
    if (j.forca < 25) return -1;
    const int n = ClubesDoMercado(jogo);
    const int nivel = jogo.TimeValido(l.vendedor) ? jogo.times[l.vendedor].nivel : 0;
    for (int k = 0; k < 500; ++k) {
        const int c = jogo.Aleatorio(n);
        const TTime& t = jogo.times[c];
        if (c != l.vendedor && !t.humano && t.disponiveis < 22 && t.divisao > 0 &&
            t.nivel >= nivel - 2 && t.nivel <= nivel + 3)
            return c;
    }
    return -1;
}

ResultadoLeilao Leiloar(Jogo& jogo, InteracaoMercado& ia, Leilao& l, Elencos* elencos) {
    ResultadoLeilao r;
    const TJogador& j = jogo.jogadores[l.jogador];
    const i32 s = l.precoinicial;
    int podiam = 0;
    for (int c : jogo.estado.timeshumanos) {
        if (!ClubeDoMercado(jogo, c) || c == l.vendedor) continue;
        const TTime& t = jogo.times[c];
        if (t.elenco >= kMaximoElencoHumano || t.dinheiro < s) continue;
        ++podiam;
        l.vez = c;
        i32 lance = ia.Lance(jogo, l);
        if (RecusaDoLance(jogo, l, lance) != RecusaLance::Nenhuma) lance = 0;
        if (lance > l.melhorlance) {
            l.melhorlance = lance;
            l.melhorlicitante = c;
        }
    }
    l.vez = -1;
    const i32 m = l.melhorlance;
    const bool temlance = l.melhorlicitante >= 0 && m >= s;
    bool humanoganha = false;
    if (temlance) {
        if (podiam > 0 && jogo.Aleatorio(4) == 1) {
            humanoganha = true;
        } else {
            const int k = jogo.Aleatorio(3) != 0 ? 3 : 2;
            humanoganha = m > j.passe && std::int64_t{m} > std::int64_t{k} * s;
        }
    }
    if (humanoganha) {
        r = {l.melhorlicitante, m};
    } else if (l.humanovende && std::int64_t{j.passe} * 12 < std::int64_t{s} * 10) {
        r = {}; // the human asked too much: nobody takes him
    } else {
        const i32 base = std::max(s, m);
        if (const int c = CompradorDoLeilao(jogo, l); c >= 0)
            r = {c, PrecoDoComprador(jogo, base)};
        else if (temlance)
            r = {l.melhorlicitante, m};
    }
    ia.FimDoLeilao(jogo, l, r);
    if (r.comprador >= 0)
        Transferir(jogo, l.jogador, r.comprador, r.preco, elencos, ViaTransferencia::Leilao);
    return r;
}

} // namespace

ResultadoLeilao LeiloarJogador(Jogo& jogo, InteracaoMercado& ia, int jogador, i32 precoinicial) {
    if (!JogadorValido(jogo, jogador) || precoinicial <= 0) return {};
    const int vendedor = jogo.jogadores[jogador].time;
    if (!ClubeDoMercado(jogo, vendedor)) return {};
    Leilao l;
    l.jogador = jogador;
    l.vendedor = vendedor;
    l.precoinicial = precoinicial;
    l.humanovende = jogo.times[vendedor].humano != 0;
    return Leiloar(jogo, ia, l, nullptr);
}

int LeiloesAntesDaLiga(Jogo& jogo, InteracaoMercado& ia) {
    bool falta = false;
    for (int c : jogo.estado.timeshumanos)
        if (ClubeDoMercado(jogo, c) && jogo.times[c].elenco < 25) falta = true;
    if (!falta || jogo.ligas.empty() || jogo.Aleatorio(4) == 0) return 0;
    const int n = ClubesDoMercado(jogo);
    Elencos elencos = JogadoresPorTime(jogo);
    const int serie = 1 + jogo.Aleatorio(3);
    int feitos = 0, ultimovendedor = -1;
    for (int a = 0; a < serie; ++a) {
        const int primeiro = PrimeiroDoPais(jogo, PaisSorteado(jogo));
        int vendedor = -1;
        for (int c = std::max(primeiro, 0); primeiro >= 0 && c < n && vendedor < 0; ++c) {
            const TTime& t = jogo.times[c];
            if (!t.humano && elencos[c].size() > 25 && t.disponiveis > 11 && c != ultimovendedor)
                vendedor = c;
        }
        for (int k = 0; k < 250 && vendedor < 0; ++k) {
            const int c = jogo.Aleatorio(n);
            if (!jogo.times[c].humano && jogo.times[c].disponiveis > 15) vendedor = c;
        }
        if (vendedor < 0) continue;
        const int jogador = SortearJogador(jogo, elencos[vendedor]);
        if (jogador <= 0) continue;
        Leilao l;
        l.jogador = jogador;
        l.vendedor = vendedor;
        l.precoinicial = jogo.jogadores[jogador].passe / 2 + jogo.Aleatorio(1000);
        l.restantes = serie - a - 1;
        Leiloar(jogo, ia, l, &elencos);
        ultimovendedor = vendedor;
        ++feitos;
    }
    return feitos;
}

// --- Trades between computer-run clubs ---------------------------------------------

bool TransferenciaComputador(Jogo& jogo, int pais, Elencos& elencos) {
    const int n = std::min<int>(ClubesDoMercado(jogo), static_cast<int>(elencos.size()));
    const bool dado = pais >= 0 && jogo.LigaDoPais(pais) >= 0;
    if (!dado) pais = PaisSorteado(jogo);
    const Faixa f = FaixaDoPais(jogo, pais);
    if (f.inicio < 0 || f.inicio >= n) return false;

    int vendedor = -1;
    if (!dado)
        for (int c = f.inicio; c < n && vendedor < 0; ++c) {
            const TTime& t = jogo.times[c];
            if (!t.humano && elencos[c].size() >= 26 && t.disponiveis >= 12 && t.divisao > 0)
                vendedor = c;
        }
    const int de = f.inicio, ate = dado ? std::min(f.fim, n) : n;
    for (int k = 0; k < 500 && vendedor < 0; ++k) {
        const int c = de + jogo.Aleatorio(ate - de);
        const TTime& t = jogo.times[c];
        if (!t.humano && t.disponiveis > 15 && t.nivel > 6 && t.divisao > 0) vendedor = c;
    }
    if (vendedor < 0) return false;

    int posicao = -1;
    const int jogador = SortearJogador(jogo, elencos[vendedor], &posicao);
    if (jogador <= 0) return false;

    // How many of each position a buyer may already have.
    static constexpr int kMaximos[5] = {3, 5, 5, 10, 6};
    const int nivel = jogo.times[vendedor].nivel;
    int comprador = -1;
    for (int k = 0; k < 500 && comprador < 0; ++k) {
        const int c = f.inicio + jogo.Aleatorio(n - f.inicio);
        const TTime& t = jogo.times[c];
        if (c != vendedor && !t.humano && t.disponiveis <= 21 && t.divisao > 0 &&
            t.nivel >= nivel - 2 && t.nivel <= nivel + 5 &&
            t.porposicao[posicao] < kMaximos[posicao])
            comprador = c;
    }
    if (comprador < 0) return false;
    Transferir(jogo, jogador, comprador, jogo.jogadores[jogador].passe, &elencos,
               ViaTransferencia::EntreComputadores);
    return true;
}

Repeticoes RepeticoesTransferencias(Jogo& jogo) {
    const int d = jogo.estado.dataatual;
    auto sorteio = [&](int base) { return base + jogo.Aleatorio(3); };
    Repeticoes r;
    switch (jogo.estado.divisoesporliga) {
    case 4:
        if (d < 60)
            r = {3, 4};
        else if (d <= 92)
            r = {1, 2};
        else if (d <= 101)
            r.r = sorteio(1), r.rb = sorteio(1);
        else
            r.r = sorteio(3), r.rb = sorteio(3);
        break;
    case 2:
        if (d <= 62)
            r = {3, 4};
        else if (d < 120)
            r = {1, 2};
        else if (d <= 135)
            r.r = sorteio(0), r.rb = sorteio(0);
        else
            r.r = sorteio(2), r.rb = sorteio(2);
        break;
    default:
        r = {2, 2};
        break;
    }
    return r;
}

// Repeated by the date and the mode: `r` times in a random country, `r` more
// with more than one country, `r` more with more than four, and `rb` times in
// the home country when it plays among others.
void TransferenciasDepoisDaLiga(Jogo& jogo) {
    const int ligas = static_cast<int>(jogo.ligas.size());
    if (ligas == 0) return;
    const Repeticoes rep = RepeticoesTransferencias(jogo);
    const int r = rep.r, rb = rep.rb;
    // Every league date: the squads' lists outlive the date, so building them
    // allocates nothing once they have grown.
    static thread_local Elencos elencos;
    JogadoresPorTime(jogo, elencos);
    auto rodar = [&](int vezes, int pais) {
        for (int k = 0; k < vezes; ++k) TransferenciaComputador(jogo, pais, elencos);
    };
    rodar(r, -1);
    if (ligas > 1) rodar(r, -1);
    if (ligas > 4) rodar(r, -1);
    if (ligas > 1 && jogo.LigaDoPais(kPaisCasa) >= 0) rodar(rb, kPaisCasa);
}

} // namespace management
