// pitchlord-sim jogar: whole seasons through the advance cycle, the humans
// played by the autopilot's policies.
#include "competitions/classificacao.hpp"
#include "competitions/novojogo.hpp"
#include "management/invariantes.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/colunas.hpp"
#include "plataforma/cp1252.hpp"
#include "sim/comandos.hpp"
#include "sim/json.hpp"
#include "sim/mundo.hpp"
#include "sim/torneio_sim.hpp"
#include "temporada/autopiloto.hpp"
#include "world/clubes.hpp"
#include "world/competicoes.hpp"
#include "world/emails.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>

namespace sim {
namespace {

using namespace world;

int Erro(const std::string& msg) {
    std::fprintf(stderr, "pitchlord-sim: %s\n", msg.c_str());
    return 1;
}

std::string U(std::string_view cp1252) {
    return plataforma::Cp1252ParaUtf8(cp1252);
}

std::string NomeTime(const Jogo& jogo, int c) {
    return c >= 0 && c < static_cast<int>(jogo.times.size()) ? U(jogo.times[c].nome.view())
                                                             : std::string("-");
}

// The tournaments record countries, the other competitions clubs.
std::string NomeDoTitulado(const Jogo& jogo, const TTituloHistorico& t) {
    if (EhTorneioDeSelecoes(t.competicao))
        return t.time >= 0 && t.time < kPaisesListas ? U(NomePais(t.time)) : std::string("-");
    return NomeTime(jogo, t.time);
}

const char* NomeCompeticao(int codigo) {
    static const char* const nomes[] = {"amistoso",     "liga",    "copa",         "estadual",
                                        "continental1", "mundial", "continental2", "copadomundo",
                                        "copaamerica",  "eurocopa"};
    return codigo >= 0 && codigo < 10 ? nomes[codigo] : "?";
}

struct Resumo {
    struct Linha {
        int lugar, time, pontos, jogos, saldo;
    };
    struct Divisao {
        int pais, divisao;
        std::vector<Linha> topo, fundo;
    };
    struct Artilheiro {
        int pais, jogador, time, gols;
    };
    struct Humano {
        int time;
        world::i32 dinheiro;
        int elenco, naolidos;
        long long capacidade; // seats of the four sectors
        int obras;            // stadium works started, ever
        int amistosos;        // friendlies played this season
        int renovacoes;       // contracts renewed since the game was entered
    };
    int temporada = 0;
    // The coaches' careers over the season: dismissals, hirings, offers taken,
    // and each human coach's club at its end (-1 = without a club).
    world::ContagemCarreira carreira;
    int contratacoes = 0;
    std::vector<std::pair<int, int>> tecnicoshumanos; // coach, club
    // The season's transfers by way (the tallies' growth over the season).
    world::ContagemMercado mercado;
    std::vector<Humano> humanos;
    std::vector<TTituloHistorico> titulos;
    std::vector<Divisao> tabelas;
    RelatorioTorneio torneio; // codigo 0 in a season without one
    std::vector<Artilheiro> artilheiros;
    double segundos = 0;
};

// What the season-end screen knows before the next season is prepared.
Resumo ResumirTemporada(Jogo& jogo) {
    Resumo r;
    r.temporada = jogo.estado.temporada;
    for (int c : jogo.estado.timeshumanos)
        if (c >= 0 && c < static_cast<int>(jogo.times.size())) {
            const TTime& t = jogo.times[c];
            Resumo::Humano h{c, t.dinheiro, t.elenco, world::EmailsNaoLidos(jogo, c), 0, 0, 0, 0};
            for (int s = 0; s < 4; ++s) h.capacidade += t.capacidade[s];
            for (const TObra& o : jogo.obras) h.obras += o.clube == c;
            for (const TAmistoso& a : jogo.amistosos)
                h.amistosos += a.jogado && (a.mandante == c || a.visitante == c);
            const auto it = jogo.contagemmercado.renovacoes.find(c);
            h.renovacoes = it == jogo.contagemmercado.renovacoes.end() ? 0 : it->second;
            r.humanos.push_back(h);
        }
    for (const auto& t : jogo.historicotitulos)
        if (t.temporada == r.temporada) r.titulos.push_back(t);
    for (const auto& t : jogo.trocastecnicos) r.contratacoes += t.temporada == r.temporada;
    for (std::size_t k = 0; k < jogo.tecnicos.size(); ++k)
        if (jogo.tecnicos[k].humano)
            r.tecnicoshumanos.push_back({static_cast<int>(k), jogo.tecnicos[k].time});
    competitions::ClassificarLiga(jogo);
    for (const TLiga& l : jogo.ligas)
        for (int d = 0; d < l.numdivisoes && d < 4; ++d) {
            std::vector<int> clubes;
            for (int s = 0; s < 20; ++s)
                if (l.ordem[d][s] >= 0) clubes.push_back(l.ordem[d][s]);
            Resumo::Divisao div{l.pais, d + 1, {}, {}};
            const int n = static_cast<int>(clubes.size());
            for (int k = 0; k < n; ++k) {
                const TTime& t = jogo.times[clubes[k]];
                const Resumo::Linha linha{k + 1, clubes[k], t.pontos[kLiga], t.jogos[kLiga],
                                          t.golspro[kLiga] - t.golscontra[kLiga]};
                if (k < 3) div.topo.push_back(linha);
                if (k >= std::max(3, n - 2)) div.fundo.push_back(linha);
            }
            r.tabelas.push_back(div);
        }
    // The top scorer of each played league, over its divisions.
    for (const TLiga& l : jogo.ligas) {
        Resumo::Artilheiro melhor{l.pais, 0, -1, 0};
        for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
            const TJogador& j = jogo.jogadores[i];
            if (j.time < 0 || j.time >= static_cast<int>(jogo.times.size())) continue;
            if (jogo.times[j.time].pais != l.pais || jogo.times[j.time].divisao <= 0) continue;
            if (j.gols[1] > melhor.gols) melhor = {l.pais, static_cast<int>(i), j.time, j.gols[1]};
        }
        if (melhor.jogador > 0) r.artilheiros.push_back(melhor);
    }
    return r;
}

void ImprimirTexto(const Jogo& jogo, const Resumo& r) {
    std::printf("== temporada %d (%d) em %.2f s\n", r.temporada, 2006 + r.temporada, r.segundos);
    for (const auto& t : r.titulos)
        std::printf("  %-12s chave %3d div %2d lugar %d: %s\n", NomeCompeticao(t.competicao),
                    t.chave, t.divisao, t.lugar, NomeDoTitulado(jogo, t).c_str());
    for (const auto& d : r.tabelas) {
        std::printf("  tabela pais %d divisao %d\n", d.pais, d.divisao);
        for (const auto* parte : {&d.topo, &d.fundo})
            for (const auto& l : *parte)
                std::printf("    %2d %s %3d pts %2d j %+4d\n", l.lugar,
                            plataforma::ColunaUtf8(NomeTime(jogo, l.time), 26).c_str(), l.pontos,
                            l.jogos, l.saldo);
    }
    int total = 0;
    long long valor = 0;
    for (int v = 0; v < world::kViasTransferencia; ++v) {
        total += r.mercado.quantas[v];
        valor += r.mercado.valor[v];
    }
    std::printf("  transferencias %d ($ %lld)\n", total, valor);
    std::printf("  tecnicos: %d demitidos (%d humanos), %d contratados, %d convites aceitos\n",
                r.carreira.demissoes, r.carreira.demissoeshumanos, r.contratacoes,
                r.carreira.convitesaceitos);
    for (const auto& h : r.humanos)
        std::printf("  humano %s: $ %d, %d jogadores, %d e-mails por ler, %lld lugares, %d obras, "
                    "%d amistosos, %d renovacoes\n",
                    NomeTime(jogo, h.time).c_str(), h.dinheiro, h.elenco, h.naolidos, h.capacidade,
                    h.obras, h.amistosos, h.renovacoes);
    if (r.torneio.codigo) r.torneio.Imprimir();
    for (const auto& a : r.artilheiros)
        std::printf("  artilheiro pais %d: %s (%s) %d gols\n", a.pais,
                    U(jogo.jogadores[a.jogador].nome.view()).c_str(),
                    NomeTime(jogo, a.time).c_str(), a.gols);
}

void ImprimirJson(const Jogo& jogo, const std::vector<Resumo>& resumos, const std::string& salvo,
                  int maiorelencohumano) {
    Json j;
    j.AbrirObjeto().Chave("temporadas").AbrirLista();
    for (const Resumo& r : resumos) {
        j.AbrirObjeto();
        j.Chave("temporada").Numero(r.temporada);
        j.Chave("ano").Numero(2006 + r.temporada);
        j.Chave("segundos").Real(r.segundos);
        j.Chave("titulos").AbrirLista();
        for (const auto& t : r.titulos) {
            j.AbrirObjeto();
            j.Chave("competicao").Numero(t.competicao);
            j.Chave("chave").Numero(t.chave);
            j.Chave("divisao").Numero(t.divisao);
            j.Chave("lugar").Numero(t.lugar);
            j.Chave("time").Numero(t.time);
            j.Chave("nome").Texto(NomeDoTitulado(jogo, t));
            j.FecharObjeto();
        }
        j.FecharLista();
        j.Chave("tabelas").AbrirLista();
        for (const auto& d : r.tabelas) {
            j.AbrirObjeto();
            j.Chave("pais").Numero(d.pais);
            j.Chave("divisao").Numero(d.divisao);
            for (const auto& [nome, parte] : {std::pair{"topo", &d.topo}, {"fundo", &d.fundo}}) {
                j.Chave(nome).AbrirLista();
                for (const auto& l : *parte) {
                    j.AbrirObjeto();
                    j.Chave("lugar").Numero(l.lugar);
                    j.Chave("time").Numero(l.time);
                    j.Chave("nome").Texto(NomeTime(jogo, l.time));
                    j.Chave("pontos").Numero(l.pontos);
                    j.Chave("jogos").Numero(l.jogos);
                    j.Chave("saldo").Numero(l.saldo);
                    j.FecharObjeto();
                }
                j.FecharLista();
            }
            j.FecharObjeto();
        }
        j.FecharLista();
        if (r.torneio.codigo) {
            j.Chave("torneio");
            r.torneio.Escrever(j);
        }
        j.Chave("artilheiros").AbrirLista();
        for (const auto& a : r.artilheiros) {
            j.AbrirObjeto();
            j.Chave("pais").Numero(a.pais);
            j.Chave("jogador").Numero(a.jogador);
            j.Chave("nome").Texto(U(jogo.jogadores[a.jogador].nome.view()));
            j.Chave("time").Numero(a.time);
            j.Chave("gols").Numero(a.gols);
            j.FecharObjeto();
        }
        j.FecharLista();
        // The market: transfers by way and the money they moved.
        static constexpr const char* kVias[world::kViasTransferencia] = {
            "compra", "proposta",  "ofertacomputador", "precofixo",
            "leilao", "reposicao", "entrecomputadores"};
        j.Chave("transferencias").AbrirObjeto();
        for (int v = 0; v < world::kViasTransferencia; ++v) {
            j.Chave(kVias[v]).AbrirObjeto();
            j.Chave("quantas").Numero(r.mercado.quantas[v]);
            j.Chave("valor").Numero(r.mercado.valor[v]);
            j.FecharObjeto();
        }
        j.FecharObjeto();
        j.Chave("carreira").AbrirObjeto();
        j.Chave("demissoes").Numero(r.carreira.demissoes);
        j.Chave("demissoeshumanos").Numero(r.carreira.demissoeshumanos);
        j.Chave("contratacoes").Numero(r.contratacoes);
        j.Chave("convitesaceitos").Numero(r.carreira.convitesaceitos);
        j.Chave("tecnicoshumanos").AbrirLista();
        for (const auto& [tecnico, time] : r.tecnicoshumanos) {
            j.AbrirObjeto();
            j.Chave("tecnico").Numero(tecnico);
            j.Chave("time").Numero(time);
            j.FecharObjeto();
        }
        j.FecharLista();
        j.FecharObjeto();
        j.Chave("humanos").AbrirLista();
        for (const auto& h : r.humanos) {
            j.AbrirObjeto();
            j.Chave("time").Numero(h.time);
            j.Chave("nome").Texto(NomeTime(jogo, h.time));
            j.Chave("dinheiro").Numero(h.dinheiro);
            j.Chave("elenco").Numero(h.elenco);
            j.Chave("emailsnaolidos").Numero(h.naolidos);
            j.Chave("capacidade").Numero(h.capacidade);
            j.Chave("obras").Numero(h.obras);
            j.Chave("amistosos").Numero(h.amistosos);
            j.Chave("renovacoes").Numero(h.renovacoes);
            j.FecharObjeto();
        }
        j.FecharLista();
        j.FecharObjeto();
    }
    j.FecharLista();
    j.Chave("maiorelencohumano").Numero(maiorelencohumano);
    j.Chave("temporada").Numero(jogo.estado.temporada);
    j.Chave("dataatual").Numero(jogo.estado.dataatual);
    if (!salvo.empty()) j.Chave("salvo").Texto(salvo);
    j.FecharObjeto();
    std::printf("%s\n", j.Resultado().c_str());
}

} // namespace

std::string NovoJogoDoAutopiloto(const Argumentos& args, Jogo& jogo) {
    OpcoesMundo o;
    if (std::string erro = LerOpcoesMundo(args, o); !erro.empty()) return erro;
    std::uint64_t humanos = 1;
    if (!LerInteiro(args, "--humanos", humanos) || humanos < 1 || humanos > 6)
        return "--humanos must be 1..6";
    o.novojogo.numhumanos = static_cast<int>(humanos);
    o.novojogo.estaduais = args.Tem("--estaduais");
    o.novojogo.copanacional = !args.Tem("--sem-copa");
    // Without the continental cups (and so the club world cup).
    if (args.Tem("--sem-continentais")) o.novojogo.continental1 = o.novojogo.continental2 = false;
    if (args.Tem("--sem-selecoes"))
        o.novojogo.copadomundo = o.novojogo.copaamerica = o.novojogo.eurocopa = false;
    jogo.gerador.Semear(o.semente);
    competitions::IniciarJogoDeClubes(jogo, o.indice, o.novojogo);
    // Human i takes a club of division 1 of league i (round the leagues),
    // the next slot each time round.
    const int ligas = static_cast<int>(jogo.ligas.size());
    for (int h = 0; h < static_cast<int>(humanos); ++h) {
        const TLiga& l = jogo.ligas[h % ligas];
        const int c = l.divisoes[0][h / ligas];
        if (c < 0) return "not enough clubs for " + std::to_string(humanos) + " humans";
        competitions::EscolherTime(jogo, h, c, "Tecnico " + std::to_string(h + 1));
    }
    competitions::InicializarJogo(jogo);
    return {};
}

int ComandoJogar(const Argumentos& args) {
    std::uint64_t temporadas = 1, atedata = 0;
    if (!LerInteiro(args, "--temporadas", temporadas) || temporadas < 1 || temporadas > 1000)
        return Erro("--temporadas must be 1..1000");
    bool temAte = false;
    args.Valor("--ate-data", &temAte);
    if (!LerInteiro(args, "--ate-data", atedata) || (temAte && (atedata < 1 || atedata > 148)))
        return Erro("--ate-data must be 1..148");
    const bool json = args.Tem("--json");
    const bool verificar = args.Tem("--verificar");
    const bool semmercado = args.Tem("--sem-mercado");
    const bool relogio = args.Tem("--relogio");
    bool temCarregar = false, temSalvar = false;
    const std::string carregar = args.Valor("--carregar", &temCarregar);
    const std::string salvarem = args.Valor("--salvar-em", &temSalvar);
    if (temSalvar && salvarem.empty()) return Erro("--salvar-em needs a file name");

    auto jogo = std::make_unique<Jogo>();
    if (temCarregar) {
        world::IniciarIdioma();
        if (plataforma::LeitorArquivo f; !f.Abrir(carregar)) return Erro("cannot read " + carregar);
        if (persistence::LerJogo(carregar, *jogo) != persistence::ResultadoCarga::Ok)
            return Erro(carregar + ": " + plataforma::Cp1252ParaUtf8(world::texto(357)));
    } else if (std::string erro = NovoJogoDoAutopiloto(args, *jogo); !erro.empty()) {
        return Erro(erro);
    }

    temporada::Autopiloto piloto(*jogo);
    piloto.Mercado(!semmercado);
    piloto.MostrarGrupos(relogio);
    std::vector<Resumo> resumos;
    const int ultima = jogo->estado.temporada + static_cast<int>(temporadas) - 1;
    auto inicio = std::chrono::steady_clock::now();
    std::string falha;
    // Past date D of the last season (--ate-data).
    auto passou = [&] {
        return temAte && jogo->estado.temporada == ultima &&
               jogo->estado.dataatual > static_cast<int>(atedata);
    };
    // The largest squad a human club had after any date of the run.
    int maiorelenco = 0;
    world::ContagemMercado inicioMercado = jogo->contagemmercado;
    world::ContagemCarreira inicioCarreira = jogo->contagemcarreira;
    RelatorioTorneio torneio;
    piloto.depoisdadata = [&](int codigo) {
        if (EhTorneioDeSelecoes(codigo)) torneio.Observar(*jogo);
        for (int c : jogo->estado.timeshumanos)
            if (c >= 0 && c < static_cast<int>(jogo->times.size()))
                maiorelenco = std::max<int>(maiorelenco, jogo->times[c].elenco);
        if (verificar) {
            const auto erros = management::VerificarInvariantes(*jogo);
            if (!erros.empty()) {
                falha = "after date " + std::to_string(jogo->estado.dataatual) + ": " + erros[0];
                return false;
            }
        }
        // A main screen comes next: the run stops once its events have run,
        // where a person would save.
        return !(passou() && piloto.proximo.tela != temporada::Tela::Principal);
    };
    piloto.naprincipal = [&] { return !passou(); };
    piloto.fimdetemporada = [&] {
        Resumo r = ResumirTemporada(*jogo);
        for (int v = 0; v < world::kViasTransferencia; ++v) {
            r.mercado.quantas[v] = jogo->contagemmercado.quantas[v] - inicioMercado.quantas[v];
            r.mercado.valor[v] = jogo->contagemmercado.valor[v] - inicioMercado.valor[v];
        }
        inicioMercado = jogo->contagemmercado;
        r.carreira.demissoes = jogo->contagemcarreira.demissoes - inicioCarreira.demissoes;
        r.carreira.demissoeshumanos =
            jogo->contagemcarreira.demissoeshumanos - inicioCarreira.demissoeshumanos;
        r.carreira.convitesaceitos =
            jogo->contagemcarreira.convitesaceitos - inicioCarreira.convitesaceitos;
        inicioCarreira = jogo->contagemcarreira;
        torneio.Concluir(*jogo);
        r.torneio = std::move(torneio);
        torneio = RelatorioTorneio{};
        r.segundos =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
        if (!json) ImprimirTexto(*jogo, r);
        resumos.push_back(std::move(r));
        return true;
    };
    piloto.novatemporada = [&] {
        inicio = std::chrono::steady_clock::now();
        return jogo->estado.temporada <= ultima;
    };
    piloto.Entrar(temCarregar);
    if (!piloto.Jogar()) return Erro("the game could not go on");
    if (!falha.empty()) return Erro("invariant broken " + falha);

    std::string salvo;
    if (temSalvar) {
        persistence::PreencherDescricao(*jogo);
        if (!persistence::GravarJogo(salvarem, *jogo)) return Erro("cannot write " + salvarem);
        salvo = salvarem;
    }
    if (json)
        ImprimirJson(*jogo, resumos, salvo, maiorelenco);
    else if (!salvo.empty())
        std::printf("salvo em %s\n", salvo.c_str());
    return 0;
}

} // namespace sim
