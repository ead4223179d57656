#include "temporada/autopiloto_mercado.hpp"

#include "competitions/torneios.hpp"
#include "management/amistosos.hpp"
#include "management/contratos.hpp"
#include "management/estadio.hpp"
#include "management/mercado_interno.hpp"
#include "plataforma/arredondar.hpp"
#include "world/emails.hpp"

#include <algorithm>

namespace temporada {

using namespace management;

using namespace world;
using namespace mercado;

namespace {

// Squad sizes he steers between.
constexpr int kVendeAcima = 23;   // lists a player when he has more
constexpr int kCompraAbaixo = 20; // looks for players when he has fewer

i32 EmMilhares(std::int64_t v) {
    return Saturar(std::max<std::int64_t>(1000, (v + 500) / 1000 * 1000));
}

int TamanhoDoElenco(const Jogo& jogo, int time) {
    return jogo.TimeValido(time) ? jogo.times[time].elenco : 0;
}

// The weakest player of the squad not yet listed, 0 if none.
int MaisFraco(const Jogo& jogo, const std::vector<int>& elenco) {
    int escolhido = 0;
    for (int j : elenco) {
        const TJogador& p = jogo.jogadores[j];
        if (p.avenda) continue;
        if (escolhido == 0 || p.forca < jogo.jogadores[escolhido].forca) escolhido = j;
    }
    return escolhido;
}

// A player of a computer-run club worth having: drawn among a few tries.
int Alvo(Jogo& jogo, int time) {
    const int clubes = std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao());
    const int n = static_cast<int>(jogo.jogadores.size());
    for (int k = 0; k < 20 && n > 1; ++k) {
        const int j = 1 + jogo.Aleatorio(n - 1);
        const TJogador& p = jogo.jogadores[j];
        if (p.time < 0 || p.time >= clubes || p.time == time || jogo.times[p.time].humano) continue;
        if (p.idade <= 31 && p.passe > 0) return j;
    }
    return 0;
}

} // namespace

bool InteracaoAutopiloto::PropostaDeCompra(Jogo& jogo, int, int jogador, i32 valor) {
    if (!ativo) return false;
    const TJogador& j = jogo.jogadores[jogador];
    if (TamanhoDoElenco(jogo, j.time) <= 18) return false;
    // A generous offer is taken more often.
    const bool boa = std::int64_t{valor} * 10 >= std::int64_t{j.passe} * 14;
    return jogo.Aleatorio(boa ? 2 : 4) == 0;
}

bool InteracaoAutopiloto::VenderAoHumano(Jogo& jogo, int, int jogador, i32) {
    if (!ativo) return false;
    return TamanhoDoElenco(jogo, jogo.jogadores[jogador].time) > 18 && jogo.Aleatorio(2) == 0;
}

bool InteracaoAutopiloto::AceitarExigencia(Jogo& jogo, int comprador, int, int fator, i32) {
    if (!ativo) return false;
    return jogo.times[comprador].dinheiro > 0 && jogo.Aleatorio(fator + 1) == 0;
}

int InteracaoAutopiloto::Convite(Jogo& jogo, int tecnico, const std::vector<int>& clubes) {
    if (!ativo || clubes.empty()) return -1;
    const bool empregado = jogo.tecnicos[static_cast<std::size_t>(tecnico)].time >= 0;
    if (empregado && jogo.Aleatorio(3) != 0) return -1;
    return clubes[static_cast<std::size_t>(jogo.Aleatorio(static_cast<int>(clubes.size())))];
}

int InteracaoAutopiloto::EscolherSelecao(Jogo& jogo, int, int, const std::vector<int>& opcoes) {
    if (!selecoes || opcoes.empty() || jogo.Aleatorio(3) == 0) return -1;
    return opcoes[static_cast<std::size_t>(jogo.Aleatorio(static_cast<int>(opcoes.size())))];
}

std::vector<int> ConvocacaoMaisForte(const Jogo& jogo, int selecao) {
    std::vector<int> todos = competitions::BuscarConvocaveis(jogo, selecao, {});
    std::stable_sort(todos.begin(), todos.end(), [&](int a, int b) {
        return jogo.jogadores[a].forca > jogo.jogadores[b].forca;
    });
    std::vector<int> r;
    int goleiros = 0, linha = 0;
    for (int j : todos) {
        const bool goleiro = jogo.jogadores[j].posicao == 0;
        if (goleiro ? goleiros >= competitions::kMinimoGoleirosConvocados
                    : linha >= competitions::kMinimoLinhaConvocados)
            continue;
        (goleiro ? goleiros : linha)++;
        r.push_back(j);
    }
    return r;
}

std::vector<int> InteracaoAutopiloto::ConvocarSelecao(Jogo& jogo, int, int selecao) {
    if (!selecoes) return {};
    return ConvocacaoMaisForte(jogo, selecao);
}

i32 InteracaoAutopiloto::Lance(Jogo& jogo, const Leilao& l) {
    if (!ativo) return 0;
    const TTime& t = jogo.times[l.vez];
    if (t.elenco >= kVendeAcima || jogo.Aleatorio(2) != 0) return 0;
    const TJogador& j = jogo.jogadores[l.jogador];
    const std::int64_t lance =
        std::int64_t{l.precoinicial} + jogo.Aleatorio(std::max<i32>(1, j.passe / 2));
    return lance <= t.dinheiro ? EmMilhares(lance) : 0;
}

bool AgirNoMercado(Jogo& jogo, InteracaoMercado& ia, int time) {
    if (!ClubeDoMercado(jogo, time) || !jogo.times[time].humano) return false;
    bool mudou = false;
    const std::vector<int> elenco = JogadoresDoClube(jogo, time);
    const int tamanho = static_cast<int>(elenco.size());
    // Too many players, or a club in debt with players to spare: the weakest
    // goes up for sale a little above his value, now and then to an auction
    // instead.
    const bool endividado = jogo.times[time].dinheiro < 0 && tamanho > 18;
    if ((tamanho > kVendeAcima || endividado) && PodeVender(jogo, time)) {
        if (const int j = MaisFraco(jogo, elenco); j > 0) {
            const i32 passe = jogo.jogadores[j].passe;
            if (jogo.Aleatorio(10) == 0)
                mudou = LeiloarJogador(jogo, ia, j, EmMilhares(passe / 2 + 1000)).comprador >= 0;
            else
                ColocarAVenda(
                    jogo, j, EmMilhares(std::int64_t{passe} * (100 + 5 * jogo.Aleatorio(5)) / 100));
        }
    }
    const TTime& t = jogo.times[time];
    if (tamanho < kCompraAbaixo + 6 && t.dinheiro > 0) {
        // Sometimes a listed player at his asking price.
        if (jogo.Aleatorio(6) == 0) {
            FiltroBusca f;
            f.soavenda = true;
            f.faixaidade = jogo.Aleatorio(2);
            const std::vector<int> achados = BuscarJogadores(jogo, f);
            for (int k = 0; k < 10 && !achados.empty(); ++k) {
                const int j = achados[jogo.Aleatorio(static_cast<int>(achados.size()))];
                if (PodeComprar(jogo, time, j) && jogo.jogadores[j].passepedido <= t.dinheiro / 2) {
                    mudou |= Comprar(jogo, time, j);
                    break;
                }
            }
        }
        // Sometimes an offer for a player of a computer-run club.
        if (jogo.Aleatorio(tamanho < kCompraAbaixo ? 3 : 10) == 0) {
            if (const int j = Alvo(jogo, time); j > 0) {
                const i32 passe = jogo.jogadores[j].passe;
                const i32 valor =
                    EmMilhares(std::int64_t{passe} * (110 + 20 * jogo.Aleatorio(8)) / 100);
                if (valor <= t.dinheiro / 2)
                    mudou |= ProporCompra(jogo, ia, time, j, valor).resultado == Proposta::Aceita;
            }
        }
    }
    return mudou;
}

bool CuidarDoEstadio(Jogo& jogo, int time) {
    if (RecusaDaObra(jogo, time) != RecusaObra::Nenhuma) return false;
    if (jogo.times[time].dinheiro < 5'000'000 || jogo.Aleatorio(40) != 0) return false;
    Setores a{};
    a[1] = 500 * (1 + jogo.Aleatorio(4));
    const Orcamento o = PedirOrcamento(jogo, time, a);
    return o.custo <= jogo.times[time].dinheiro / 2 &&
           IniciarConstrucao(jogo, time, o) == RecusaObra::Nenhuma;
}

bool InteracaoAutopiloto::QuerAmistososPreTemporada(Jogo& jogo) {
    return ativo && jogo.Aleatorio(2) == 0;
}

void InteracaoAutopiloto::AmistososPreTemporada(Jogo& jogo, int clube) {
    if (!ativo) return;
    const int quantos = 1 + jogo.Aleatorio(2);
    for (int k = 0; k < quantos; ++k) MarcarAmistosoAutomatico(jogo, clube, true);
}

bool MarcarAmistosoAutomatico(Jogo& jogo, int time, bool pretemporada) {
    if (!jogo.TimeValido(time)) return false;
    const std::vector<int> datas = DatasParaAmistoso(jogo, time, pretemporada);
    if (datas.empty()) return false;
    const std::vector<int> adversarios = AdversariosDeAmistoso(jogo, time);
    if (adversarios.empty()) return false;
    const int data =
        datas[static_cast<std::size_t>(jogo.Aleatorio(static_cast<int>(datas.size())))];
    for (int tentativa = 0; tentativa < 10; ++tentativa) {
        const int a = adversarios[static_cast<std::size_t>(
            jogo.Aleatorio(static_cast<int>(adversarios.size())))];
        const bool emcasa = jogo.Aleatorio(2) == 0;
        // A fee he can well afford: a tenth of his cash at most.
        if (std::int64_t{CotaDoAmistoso(jogo, time, a, emcasa)} * 10 > jogo.times[time].dinheiro)
            continue;
        if (MarcarAmistoso(jogo, time, a, data, emcasa, pretemporada) == Marcacao::Marcado)
            return true;
    }
    return false;
}

int RenovarContratos(Jogo& jogo, InteracaoMercado& ia, int time) {
    if (!ClubeDoMercado(jogo, time) || !jogo.times[time].humano) return 0;
    const double hoje = jogo.Hoje();
    int propostas = 0;
    for (int j : JogadoresDoClube(jogo, time)) {
        if (propostas >= 2) break;
        const TJogador& p = jogo.jogadores[j];
        if (p.time != time || p.avenda || p.contrato - hoje >= 21 || jogo.Aleatorio(3) != 0)
            continue;
        ++propostas;
        const i32 s = p.salario;
        // Mostly the same salary or a modest raise; now and then a cut or
        // a raise well above what he earns.
        i32 novo = s;
        switch (jogo.Aleatorio(6)) {
        case 0:
            novo = std::max<i32>(500, s - 500);
            break;
        case 1:
        case 2:
            novo = Saturar(std::int64_t{s} + 500 + 500 * jogo.Aleatorio(4));
            break;
        case 3:
            novo = Saturar(std::int64_t{s} * 14 / 10 + 500);
            break;
        default:
            break;
        }
        const int semanas = SemanasDoContrato(jogo.Aleatorio(4));
        const AnaliseContrato a = ProporContrato(jogo, time, j, novo);
        if (a.resposta == RespostaContrato::Aceita) {
            AssinarContrato(jogo, j, novo, semanas);
        } else if (a.resposta == RespostaContrato::Recusa) {
            if (jogo.times[time].dinheiro > 0 && jogo.Aleatorio(3) != 0)
                AssinarContrato(jogo, j, a.exigencia, semanas);
            else
                RecusarExigencia(jogo, ia, j);
        }
    }
    return propostas;
}

void LerEmails(Jogo& jogo, int time) {
    for (int i : EmailsDoClube(jogo, time)) {
        if (jogo.emails[i].lido) continue;
        MarcarEmailLido(jogo, i);
        if (jogo.emails[i].pergunta) ResponderEmail(jogo, i, jogo.Aleatorio(2) == 0);
    }
}

} // namespace temporada
