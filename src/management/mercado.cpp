// The transfer: one operation for every way a player changes clubs, and the
// ways a human buys.
#include "management/mercado.hpp"

#include "competitions/historico.hpp"
#include "management/escalacaotatica.hpp"
#include "management/financas.hpp"
#include "management/mercado_interno.hpp"
#include "plataforma/arredondar.hpp"
#include "world/clubes.hpp"
#include "world/emails.hpp"
#include "world/posicoes.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace management {

using namespace world;

namespace mercado {

// A club of the chosen leagues or an extra club: one that has money and can
// trade (not a national team of a tournament).
bool ClubeDoMercado(const Jogo& jogo, int c) {
    return c >= 0 && c < std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao());
}

bool JogadorValido(const Jogo& jogo, int j) {
    return jogo.JogadorValido(j);
}

std::vector<int> JogadoresDoClube(const Jogo& jogo, int clube) {
    if (jogo.TimeValido(clube)) return jogo.indiceelencos.Todos(jogo)[clube];
    std::vector<int> v;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube) v.push_back(static_cast<int>(i));
    return v;
}

i32 Saturar(std::int64_t v) {
    return static_cast<i32>(std::clamp<std::int64_t>(v, std::numeric_limits<i32>::min(),
                                                     std::numeric_limits<i32>::max()));
}

} // namespace mercado

using namespace mercado;

namespace {

// The new club in his career, in this season's places.
void AnotarNaCarreira(Jogo& jogo, const TJogador& j, int clube) {
    if (j.historico <= 0 || j.historico >= static_cast<int>(jogo.historicos.size())) return;
    const int slot = std::clamp<int>(jogo.estado.temporada, 1, 10) - 1;
    competitions::AnotarClubeNaTemporada(jogo.historicos[j.historico].clubes[slot], clube);
}

void Recontar(Jogo& jogo, int clube, Elencos* elencos) {
    if (!jogo.TimeValido(clube)) return;
    if (elencos && clube < static_cast<int>(elencos->size()))
        ContarElenco(jogo, clube, (*elencos)[clube]);
    else
        ContarElenco(jogo, clube, JogadoresDoClube(jogo, clube));
}

void MoverNoIndice(Elencos* elencos, int jogador, int de, int para) {
    if (!elencos) return;
    const int n = static_cast<int>(elencos->size());
    if (de >= 0 && de < n) {
        auto& v = (*elencos)[de];
        v.erase(std::remove(v.begin(), v.end(), jogador), v.end());
    }
    if (para >= 0 && para < n) {
        auto& v = (*elencos)[para];
        v.insert(std::lower_bound(v.begin(), v.end(), jogador), jogador);
    }
}

int Estrelas(const Jogo& jogo, const std::vector<int>& elenco) {
    int n = 0;
    for (int j : elenco) n += jogo.jogadores[j].estrela != 0;
    return n;
}

} // namespace

bool EscaladoHoje(const Jogo& jogo, int jogador) {
    if (!JogadorValido(jogo, jogador)) return false;
    const int c = jogo.jogadores[jogador].time;
    if (!jogo.TimeValido(c)) return false;
    const int e = jogo.times[c].escalacao;
    if (e < 0 || e >= static_cast<int>(jogo.escalacoes.size())) return false;
    const TEscalacao& l = jogo.escalacoes[e];
    if (l.goleiro == jogador) return true;
    for (i32 k : l.jogadoreslinha)
        if (k == jogador) return true;
    for (i32 k : l.reservas)
        if (k == jogador) return true;
    return false;
}

int TaxaDeMulta(double dias) {
    const long d = std::lround(dias);
    if (d <= 0) return 0;
    if (d <= 30) return 12;
    if (d <= 60) return 15;
    if (d <= 90) return 20;
    if (d <= 180) return 22;
    if (d <= 360) return 25;
    return 30;
}

i32 MultaRescisoria(const Jogo& jogo, int jogador, i32 preco) {
    if (!JogadorValido(jogo, jogador)) return 0;
    const TJogador& j = jogo.jogadores[jogador];
    if (!jogo.TimeValido(j.time) || !jogo.times[j.time].humano) return 0;
    const double hoje = jogo.Hoje();
    if (!(j.contrato > hoje)) return 0;
    return plataforma::ArredDiv(std::int64_t{preco} * TaxaDeMulta(j.contrato - hoje), 100);
}

void Transferir(Jogo& jogo, int jogador, int comprador, i32 preco, Elencos* elencos,
                ViaTransferencia via) {
    if (!JogadorValido(jogo, jogador) || !ClubeDoMercado(jogo, comprador)) return;
    TJogador& j = jogo.jogadores[jogador];
    const int vendedor = j.time;
    if (vendedor == comprador) return;
    const bool devendedor = ClubeDoMercado(jogo, vendedor);
    const i32 multa = MultaRescisoria(jogo, jogador, preco);
    const std::int64_t antes = std::int64_t{jogo.times[comprador].dinheiro} +
                               (devendedor ? std::int64_t{jogo.times[vendedor].dinheiro} : 0);

    j.time = comprador;
    jogo.indiceelencos.Mover(jogo, jogador, vendedor, comprador);
    j.numero = 0;
    AnotarNaCarreira(jogo, j, comprador);
    const int semanas = jogo.estado.divisoesporliga == 2 ? 15 : 10;
    j.contrato = jogo.Hoje() + 7.0 * semanas;
    MovimentarTransferencia(jogo, comprador, devendedor ? vendedor : -1, jogador, preco, multa);
    const bool humanos = devendedor && jogo.times[vendedor].humano && jogo.times[comprador].humano;
    if (humanos) j.novato = 1;

    TTransferencia t;
    t.jogador = jogador;
    t.temporada = jogo.estado.temporada;
    t.vendedor = vendedor;
    t.comprador = comprador;
    t.preco = preco;
    jogo.transferencias.push_back(t);
    const auto v = static_cast<std::size_t>(via);
    if (v < jogo.contagemmercado.quantas.size()) {
        ++jogo.contagemmercado.quantas[v];
        jogo.contagemmercado.valor[v] += preco;
    }

    // The press talks about a star joining a big club elsewhere.
    const int atual = jogo.estado.timeatual;
    if (j.estrela && comprador != atual && jogo.times[comprador].nivel > 22 &&
        jogo.TimeValido(atual) && jogo.times[atual].humano)
        PostarEmail(jogo, atual, kEmailNoticia, 0, 0, comprador, jogador);

    // A new club: nothing of the old one follows him.
    j.avenda = 0;
    j.passepedido = j.passe;
    j.cansado = 0;
    j.titular = 0;
    j.moral = 3;
    j.marcagestao1 = j.marcagestao2 = j.marcagestao3 = 0;
    j.avisocontrato = j.sinalgestao1 = j.sinalgestao2 = 0;
    std::fill(std::begin(j.sinaisgestao), std::end(j.sinaisgestao), u8{0});

    MoverNoIndice(elencos, jogador, vendedor, comprador);
    if (devendedor) {
        TTime& s = jogo.times[vendedor];
        if (s.capitao == jogador) s.capitao = -1;
        if (s.cobrador == jogador) s.cobrador = CobradorAutomatico(jogo, vendedor);
    }
    Recontar(jogo, vendedor, elencos);
    Recontar(jogo, comprador, elencos);

    if (j.estrela && jogo.times[comprador].humano) {
        const std::vector<int> elenco = elencos && comprador < static_cast<int>(elencos->size())
                                            ? (*elencos)[comprador]
                                            : JogadoresDoClube(jogo, comprador);
        if (Estrelas(jogo, elenco) > 3 && jogo.Aleatorio(100) > 20) {
            for (int k : elenco) --jogo.jogadores[k].moral;
            PostarEmail(jogo, comprador, kEmailRacha, 0, 0, 0, jogador);
        }
    }

    // What the buyer paid is what the seller got plus the fine.
    const std::int64_t depois = std::int64_t{jogo.times[comprador].dinheiro} +
                                (devendedor ? std::int64_t{jogo.times[vendedor].dinheiro} : 0);
    const std::int64_t esperado = devendedor ? -std::int64_t{multa} : -std::int64_t{preco};
    if (depois - antes != esperado) ++jogo.ciclo.transferenciasdesequilibradas;
}

void VenderAoComputador(Jogo& jogo, int jogador, int comprador, i32 preco, ViaTransferencia via) {
    if (!JogadorValido(jogo, jogador) || !ClubeDoMercado(jogo, comprador)) return;
    jogo.jogadores[jogador].passe = preco;
    Transferir(jogo, jogador, comprador, preco, nullptr, via);
    // A computer-run buyer does not lose cash on these purchases (its
    // statement still books them).
    MoverDinheiro(jogo, comprador, preco);
}

// --- A human buys ---------------------------------------------------------------

namespace {

// What the purchase and the offer share: a human's club buying a player of
// another club of the market, free to go today, with room in its squad.
Impedimento ImpedimentoComum(const Jogo& jogo, int comprador, int jogador) {
    if (!ClubeDoMercado(jogo, comprador) || !jogo.times[comprador].humano)
        return Impedimento::SemClube;
    if (!JogadorValido(jogo, jogador)) return Impedimento::SemJogador;
    const int vendedor = jogo.jogadores[jogador].time;
    if (vendedor == comprador) return Impedimento::DoProprioClube;
    if (!ClubeDoMercado(jogo, vendedor)) return Impedimento::SemJogador;
    if (EscaladoHoje(jogo, jogador)) return Impedimento::EscaladoHoje;
    if (jogo.times[comprador].elenco >= kMaximoElencoHumano) return Impedimento::ElencoCheio;
    return Impedimento::Nenhum;
}

} // namespace

Impedimento ImpedimentoDaCompra(const Jogo& jogo, int comprador, int jogador) {
    if (const Impedimento i = ImpedimentoComum(jogo, comprador, jogador); i != Impedimento::Nenhum)
        return i;
    const TJogador& j = jogo.jogadores[jogador];
    if (!j.avenda) return Impedimento::NaoEstaAVenda;
    if (jogo.times[comprador].dinheiro < j.passepedido) return Impedimento::SemDinheiro;
    return Impedimento::Nenhum;
}

bool PodeComprar(const Jogo& jogo, int comprador, int jogador) {
    return ImpedimentoDaCompra(jogo, comprador, jogador) == Impedimento::Nenhum;
}

Impedimento ImpedimentoDaProposta(const Jogo& jogo, int comprador, int jogador, i32 valor) {
    if (const Impedimento i = ImpedimentoComum(jogo, comprador, jogador); i != Impedimento::Nenhum)
        return i;
    if (valor <= 0) return Impedimento::SemValor;
    if (valor > jogo.times[comprador].dinheiro) return Impedimento::SemDinheiro;
    return Impedimento::Nenhum;
}

bool Comprar(Jogo& jogo, int comprador, int jogador) {
    if (!PodeComprar(jogo, comprador, jogador)) return false;
    Transferir(jogo, jogador, comprador, jogo.jogadores[jogador].passepedido);
    return true;
}

Exigencia ExigenciaDoClube(const Jogo& jogo, int jogador) {
    if (!JogadorValido(jogo, jogador)) return {};
    const TJogador& j = jogo.jogadores[jogador];
    int n = 0;
    for (int k : JogadoresDoClube(jogo, j.time)) n += jogo.jogadores[k].posicao == j.posicao;
    // Factor × 10 by natural position and the number of that position the
    // club has (1, 2, 3, 4, more); the only one of his position is replaced.
    static constexpr int kFatores[5][5] = {
        {25, 20, 15, 15, 15}, // goalkeeper
        {22, 20, 20, 12, 12}, // full-back
        {22, 20, 20, 12, 12}, // centre-back
        {22, 22, 12, 20, 12}, // midfielder
        {22, 20, 13, 13, 13}, // forward
    };
    const int p = std::clamp<int>(j.posicao, 0, 4);
    const int col = std::clamp(n, 1, 5) - 1;
    return {kFatores[p][col], n <= 1};
}

namespace {

// The player's answer to a move down the divisions: 0 he goes, -1 he
// refuses, else the factor of his salary he asks.
int RespostaDoJogador(const Jogo& jogo, int jogador, int vendedor, int comprador) {
    const TJogador& j = jogo.jogadores[jogador];
    const TTime& s = jogo.times[vendedor];
    const int de = s.divisao, para = jogo.times[comprador].divisao;
    if (de <= 0 || para <= de) return 0;
    const int mode = jogo.estado.divisoesporliga;
    if (mode == 2) {
        if (de != 1 || para != 2) return 0;
        return s.nivel > 19 ? -1 : 3;
    }
    if (mode != 4) return 0;
    if (de == 1 && para == 2) return s.nivel > 19 ? -1 : (j.forca <= 50 ? 3 : 4);
    if (de == 1 && para == 3) return s.nivel > 19 ? -1 : (j.forca <= 40 ? 3 : 5);
    if (de == 1 && para == 4) return -1;
    if (de == 2 && para == 3) return s.nivel > 19 ? -1 : 2;
    if (de == 2 && para == 4) return s.nivel > 17 ? -1 : 3;
    return 0;
}

// The least offer the club takes: an offer O is taken when O × 10 reaches
// the factor × 10 times his value, or, for a listed player, when O reaches
// his value. 0 when no amount can reach it.
i32 MenorOferta(i32 passe, int fator10, bool listado) {
    std::int64_t m = (std::int64_t{fator10} * passe + 9) / 10;
    if (listado) m = std::min<std::int64_t>(m, passe);
    m = std::max<std::int64_t>(m, 1); // an offer is at least 1 $
    return m <= std::numeric_limits<i32>::max() ? static_cast<i32>(m) : 0;
}

} // namespace

ResultadoProposta ProporCompra(Jogo& jogo, InteracaoMercado& ia, int comprador, int jogador,
                               i32 valor) {
    ResultadoProposta r;
    r.impedimento = ImpedimentoDaProposta(jogo, comprador, jogador, valor);
    if (r.impedimento != Impedimento::Nenhum) return r;
    TJogador& j = jogo.jogadores[jogador];
    const int vendedor = j.time;

    if (jogo.times[vendedor].humano) {
        if (!ia.VenderAoHumano(jogo, comprador, jogador, valor)) {
            r.resultado = Proposta::RecusaHumano;
            return r;
        }
        Transferir(jogo, jogador, comprador, valor, nullptr, ViaTransferencia::Proposta);
        r.resultado = Proposta::Aceita;
        return r;
    }

    // A listed player goes for his value; otherwise the table decides.
    const Exigencia e = ExigenciaDoClube(jogo, jogador);
    const bool listado = j.avenda && valor >= j.passe;
    const bool pelatabela = std::int64_t{valor} * 10 >= std::int64_t{e.fator10} * j.passe;
    if (!listado && !pelatabela) {
        r.resultado =
            !j.avenda && e.reposicao ? Proposta::UnicoDaPosicao : Proposta::AbaixoDoMinimo;
        r.minimo = MenorOferta(j.passe, e.fator10, j.avenda != 0);
        return r;
    }
    const bool repor = !listado && e.reposicao;
    const int resposta = RespostaDoJogador(jogo, jogador, vendedor, comprador);
    if (resposta < 0) {
        r.resultado = Proposta::JogadorNaoDesce;
        return r;
    }
    if (resposta > 0) {
        r.fator = resposta;
        r.novosalario = Saturar(std::int64_t{j.salario} * resposta);
        if (!ia.AceitarExigencia(jogo, comprador, jogador, resposta, r.novosalario)) {
            r.resultado = Proposta::ExigenciaRecusada;
            return r;
        }
    }
    const int posicao = j.posicao, forca = j.forca;
    Transferir(jogo, jogador, comprador, valor, nullptr, ViaTransferencia::Proposta);
    // The raise is the new club's: paid after the move, so that the old club's
    // wage bill loses the salary it was paying, not the one he asked for.
    if (r.fator > 0) {
        j.salario = r.novosalario;
        RecontarFolha(jogo, comprador);
    }
    r.resultado = Proposta::Aceita;
    if (repor) r.reposicao = ComprarReposicao(jogo, vendedor, posicao, forca, valor);
    return r;
}

int ComprarReposicao(Jogo& jogo, int clube, int posicao, int forca, i32 preco) {
    if (!ClubeDoMercado(jogo, clube)) return 0;
    const int clubes = std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao());
    // Players of each position per computer-run club, by natural position.
    std::vector<int> dessaposicao(clubes, 0);
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const TJogador& j = jogo.jogadores[i];
        if (j.time >= 0 && j.time < clubes && j.posicao == posicao) ++dessaposicao[j.time];
    }
    const int minimo = posicao == kGoleiro ? 2 : 1;
    auto procurar = [&](bool porforca, std::int64_t teto, std::size_t limite) {
        std::vector<int> v;
        const int piso = forca <= 10 ? 5 : forca - 10;
        for (std::size_t i = 1; i < jogo.jogadores.size() && v.size() < limite; ++i) {
            const TJogador& j = jogo.jogadores[i];
            if (j.time < 0 || j.time >= clubes || j.time == clube || jogo.times[j.time].humano ||
                dessaposicao[j.time] <= minimo || j.posicao != posicao || j.passe > teto)
                continue;
            if (porforca && (j.forca < piso || j.forca > forca + 10)) continue;
            v.push_back(static_cast<int>(i));
        }
        return v;
    };
    std::vector<int> candidatos = procurar(true, preco, 50);
    if (candidatos.empty()) candidatos = procurar(false, 3 * std::int64_t{preco}, 30);
    if (candidatos.empty()) return 0;
    const int escolhido = candidatos[jogo.Aleatorio(static_cast<int>(candidatos.size()))];
    Transferir(jogo, escolhido, clube, jogo.jogadores[escolhido].passe, nullptr,
               ViaTransferencia::Reposicao);
    return escolhido;
}

// --- Computer-run clubs buy from a human --------------------------------------------

i32 ValorDaOfertaComputador(Jogo& jogo, int jogador) {
    if (!JogadorValido(jogo, jogador)) return 0;
    const TJogador& j = jogo.jogadores[jogador];
    const int d = jogo.Aleatorio(100);
    const int acrescimo = d <= 40 ? 25 : d <= 70 ? 35 : d <= 85 ? 45 : d <= 95 ? 50 : 60;
    i32 oferta = j.passe;
    plataforma::Somar(oferta, acrescimo);
    if (j.avenda && oferta >= j.passepedido) {
        oferta = j.passepedido;
        plataforma::Tirar(oferta, 20);
    }
    if (oferta == 0) oferta = j.passe;
    return oferta;
}

bool OfertaComputador(Jogo& jogo, InteracaoMercado& ia, int time) {
    if (!ClubeDoMercado(jogo, time)) return false;
    const std::vector<int> elenco = JogadoresDoClube(jogo, time);
    if (elenco.size() <= 14 || jogo.Aleatorio(30) != 0) return false;
    const int clubes = std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao());
    const TTime& meu = jogo.times[time];
    int comprador = -1;
    for (int k = 0; k < 200 && comprador < 0; ++k) {
        const int c = jogo.Aleatorio(clubes);
        const TTime& t = jogo.times[c];
        if (!t.humano && t.elenco <= 24 && t.nivel > 8 && t.divisao > 0 && t.divisao >= meu.divisao)
            comprador = c;
    }
    int jogador = 0;
    for (int k = 0; k < 28 && jogador <= 0; ++k)
        jogador = elenco[jogo.Aleatorio(static_cast<int>(elenco.size()))];
    if (comprador < 0 || jogador <= 0) return false;
    const i32 valor = ValorDaOfertaComputador(jogo, jogador);
    if (!ia.PropostaDeCompra(jogo, comprador, jogador, valor)) return false;
    VenderAoComputador(jogo, jogador, comprador, valor, ViaTransferencia::OfertaComputador);
    return true;
}

// --- The grid's compact price --------------------------------------------------------

std::string PasseCompacto(i32 valor) {
    const std::string s = std::to_string(valor);
    if (valor >= 10'000 && valor <= 99'999) return s.substr(0, 2) + " k";
    if (valor >= 100'000 && valor <= 999'999) return s.substr(0, 3) + " k";
    if (valor >= 1'000'000 && valor <= 9'999'999)
        return s.substr(0, 1) + " " + s.substr(1, 3) + " k";
    if (valor >= 10'000'000 && valor <= 99'999'999)
        return s.substr(0, 2) + " " + s.substr(2, 3) + " k";
    return s;
}

} // namespace management
