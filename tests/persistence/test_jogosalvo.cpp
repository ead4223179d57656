#include "persistence/jogosalvo.hpp"

#include "apoio/apoio.hpp"
#include "plataforma/aleatorio.hpp"
#include "plataforma/bytes.hpp"
#include "plataforma/caminhos.hpp"
#include "world/clubes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

using namespace persistence;
using namespace world;

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::size_t kBloco = 4; // the state block starts after the header
constexpr std::size_t kJogadores = kBloco + sizeof(TEstadoJogo);

// Bytes that only a faithful copy keeps: each record gets its own pattern.
template <class T> void Padrao(T& r, int semente) {
    auto* b = reinterpret_cast<unsigned char*>(&r);
    for (std::size_t i = 0; i < sizeof(T); ++i) b[i] = static_cast<unsigned char>(semente + 7 * i);
}
template <class T> std::vector<T> Padroes(int n, int semente) {
    std::vector<T> v(n);
    for (int i = 0; i < n; ++i) Padrao(v[i], semente + i);
    return v;
}

// Three league clubs and one extra club, three players each, a human on club 0.
Jogo JogoPequeno() {
    Jogo j;
    TEstadoJogo& e = j.estado;
    e.temporada = 2;
    e.dataatual = 45;
    e.tipo = 1;
    e.divisoesporliga = 4;
    e.copanacional = 1;
    e.numtimesligas = 3;
    e.numtimesextras = 1;
    e.numhumanos = 1;
    e.humanos[0] = 0;
    e.timeshumanos[0] = 0;
    e.timeatual = 0;
    e.nomecampeonato.set("Campeonato Teste");
    e.opcoes.opvelocidade = 80;
    e.extrasporpais[3][0] = 1;
    e.extrasporpais[3][1] = 3;
    for (int a = 0; a < 12; ++a) e.arbitrostemporada[a] = a * 3;
    for (int c = 0; c < 4; ++c) {
        TTime t = NovoTime();
        t.nome.set("Clube " + std::to_string(c));
        t.pais = c < 3 ? 29 : 61;
        t.tecnico = c;
        t.divisao = c < 3 ? 1 : 0;
        t.dinheiro = 100000 * (c + 1);
        t.capitao = 1 + 3 * c;
        j.times.push_back(t);
        TTecnico k = NovoTecnico();
        k.nome.set("Treinador " + std::to_string(c));
        k.time = c;
        k.humano = c == 0;
        j.tecnicos.push_back(k);
        for (int n = 0; n < 3; ++n) {
            TJogador p = NovoJogador();
            p.nome.set("Jogador " + std::to_string(c) + "-" + std::to_string(n));
            p.time = c;
            p.forca = 40 + n;
            p.nota = 6.5f;
            p.historico = static_cast<i32>(j.historicos.size());
            j.jogadores.push_back(p);
            THistoricoJogador h = NovoHistorico();
            h.linhas[kHistJogos][0] = n;
            h.clubes[0][0] = c;
            j.historicos.push_back(h);
        }
    }
    for (int c = 0; c < 6; ++c) j.tecnicos.push_back(NovoTecnico());
    TSelecao s;
    Padrao(s, 5);
    s.nivel = 12;
    j.selecoes.push_back(s);
    TLiga l = NovaLiga(29);
    l.numdivisoes = 2;
    l.numtimes = 3;
    for (int c = 0; c < 3; ++c) l.divisoes[0][c] = l.ordem[0][c] = c;
    j.ligas.push_back(l);
    for (int r = 0; r < 3; ++r) {
        TPartida p;
        p.mandante = r;
        p.visitante = (r + 1) % 3;
        p.competicao = 1;
        p.rodada = r + 1;
        p.jogado = r == 0;
        p.data = 39100 + r;
        j.partidas.push_back(p);
    }
    j.financas = Padroes<TFinancas>(4, 11);
    for (int c = 0; c < 5; ++c)
        for (int s = 0; s < 4; ++s) j.precospadrao[c][s] = 10 * c + s;
    j.arquivo.jogos = Padroes<TJogoArquivado>(2, 20);
    j.arquivo.eventos = Padroes<TEvento>(3, 30);
    j.arquivo.resultados = Padroes<TResultado>(2, 40);
    for (int i = 0; i < 16; ++i) Padrao(j.grupostorneio[i], 50 + i);
    for (int i = 0; i < 6; ++i) Padrao(j.paresmundial[i], 70 + i);
    j.estaduais[4].grupos[0][0] = 1;
    j.estaduais[4].numgrupos = 1;
    j.campeoestemporada = Padroes<TCampeoesTemporada>(1, 80);
    j.emails = Padroes<TEmail>(2, 90);
    j.amistosos = Padroes<TAmistoso>(1, 100);
    j.historicotitulos = Padroes<TTituloHistorico>(2, 110);
    j.historicotecnico = Padroes<TTecnicoHistorico>(1, 120);
    j.artilheiros = Padroes<TArtilheiroHistorico>(1, 130);
    j.campanhas = Padroes<TCampanha>(2, 140);
    j.transferencias = Padroes<TTransferencia>(2, 150);
    j.trocastecnicos = Padroes<TTrocaTecnico>(1, 160);
    j.obras = Padroes<TObra>(1, 170);
    // What the game keeps true wherever it is saved: the human's club
    // flagged, squads counted, the played draw in both tables, statements,
    // transfers, mail and friendlies naming real clubs and players, no
    // call-ups outside a tournament.
    j.times[0].humano = 1;
    for (int c = 0; c < 4; ++c) ContarElenco(j, c, {1 + 3 * c, 2 + 3 * c, 3 + 3 * c});
    for (int c : {0, 1}) j.times[c].jogos[1] = 1, j.times[c].pontos[1] = 1;
    for (TFinancas& f : j.financas)
        for (i32* v : {&f.salarios, &f.ingressos, &f.estadio, &f.vendas, &f.compras, &f.premios,
                       &f.patrocinio, &f.multas, &f.emprestimo})
            *v &= 0xfffff;
    for (std::size_t i = 0; i < j.transferencias.size(); ++i) {
        TTransferencia& t = j.transferencias[i];
        t.jogador = 1 + static_cast<i32>(i);
        t.vendedor = 1;
        t.comprador = 2;
        t.preco &= 0xfffff;
    }
    for (std::size_t i = 0; i < j.emails.size(); ++i)
        j.emails[i].clube = static_cast<i32>(i), j.emails[i].jogador = 1 + static_cast<i32>(i);
    for (TAmistoso& a : j.amistosos) a.mandante = 0, a.visitante = 2, a.jogado = 1;
    j.gerador.Semear(12345);
    for (int i = 0; i < 5; ++i) j.Aleatorio(100);
    return j;
}

std::int32_t I32EmRef(const Bytes& b, std::size_t pos) {
    std::int32_t v;
    std::memcpy(&v, b.data() + pos, 4);
    return v;
}

// JogoPequeno grown past what the writer and the reader hold at once: more
// clubs than one batch of the club section, an archive larger than the
// buffer, a lineup index that must not reach the file.
Jogo JogoGrande() {
    Jogo j = JogoPequeno();
    for (int c = 0; c < 150; ++c) {
        TTime t = NovoTime();
        Padrao(t.nome, c);
        t.nome.tamanho = 20;
        t.escalacao = c;
        j.times.push_back(t);
        ++j.estado.numtimesextras;
    }
    j.financas.resize(j.times.size(), TFinancas{});
    j.arquivo.jogos = Padroes<TJogoArquivado>(4500, 7); // two blocks
    j.arquivo.eventos = Padroes<TEvento>(10000, 3);
    j.historicotitulos.clear();
    j.obras.clear(); // an empty last section
    return j;
}

// The file as its layout reads, written here apart from the game's writer
// with the plain byte writer: what every streamed save must equal.
template <class C> void TabelaRef(plataforma::EscritorBytes& w, const C& v) {
    w.EscreverI32(static_cast<std::int32_t>(v.size()));
    for (const auto& r : v) w.EscreverRegistro(r);
}
template <class T, std::size_t N>
void FixaRef(plataforma::EscritorBytes& w, const std::array<T, N>& a) {
    w.EscreverI32(static_cast<std::int32_t>(N));
    for (const T& r : a) w.EscreverRegistro(r);
}
Bytes Referencia(const Jogo& j) {
    plataforma::EscritorBytes w;
    w.EscreverI32(1);
    TEstadoJogo e = j.estado;
    e.gerador = j.gerador.Estado();
    w.EscreverRegistro(e);
    TabelaRef(w, j.jogadores);
    TabelaRef(w, j.historicos);
    std::vector<TTime> times = j.times;
    for (TTime& t : times) t.escalacao = -1;
    TabelaRef(w, times);
    TabelaRef(w, j.selecoes);
    TabelaRef(w, j.tecnicos);
    w.EscreverI32(4);
    w.EscreverRegistro(j.precospadrao);
    TabelaRef(w, j.financas);
    TabelaRef(w, j.arquivo.resultados);
    FixaRef(w, j.grupostorneio);
    FixaRef(w, j.paresmundial);
    FixaRef(w, j.estaduais);
    TabelaRef(w, j.arquivo.jogos);
    TabelaRef(w, j.campeoestemporada);
    TabelaRef(w, j.convocados);
    TabelaRef(w, j.emails);
    TabelaRef(w, j.amistosos);
    TabelaRef(w, j.ligas);
    TabelaRef(w, j.partidas);
    TabelaRef(w, j.arquivo.eventos);
    TabelaRef(w, j.historicotitulos);
    TabelaRef(w, j.historicotecnico);
    TabelaRef(w, j.artilheiros);
    TabelaRef(w, j.campanhas);
    TabelaRef(w, j.transferencias);
    TabelaRef(w, j.trocastecnicos);
    TabelaRef(w, j.obras);
    return w.Dados();
}

// Where each section of a file starts, and its end: walked by the record
// sizes of the layout (0 for a fixed section's size).
std::vector<std::size_t> Secoes(const Bytes& b) {
    const std::size_t tamanhos[] = {sizeof(TJogador),
                                    sizeof(THistoricoJogador),
                                    sizeof(TTime),
                                    sizeof(TSelecao),
                                    sizeof(TTecnico),
                                    0,
                                    sizeof(TFinancas),
                                    sizeof(TResultado),
                                    0,
                                    0,
                                    0,
                                    sizeof(TJogoArquivado),
                                    sizeof(TCampeoesTemporada),
                                    sizeof(TConvocado),
                                    sizeof(TEmail),
                                    sizeof(TAmistoso),
                                    sizeof(TLiga),
                                    sizeof(TPartida),
                                    sizeof(TEvento),
                                    sizeof(TTituloHistorico),
                                    sizeof(TTecnicoHistorico),
                                    sizeof(TArtilheiroHistorico),
                                    sizeof(TCampanha),
                                    sizeof(TTransferencia),
                                    sizeof(TTrocaTecnico),
                                    sizeof(TObra)};
    const std::size_t fixas[] = {sizeof(PrecosPadrao), 16 * sizeof(TGrupoTorneio),
                                 6 * sizeof(TParMundial), 27 * sizeof(TEstadual)};
    std::vector<std::size_t> r = {0, 4};
    std::size_t pos = 4 + sizeof(TEstadoJogo);
    int fixa = 0;
    for (std::size_t t : tamanhos) {
        r.push_back(pos);
        pos += 4 + (t ? t * static_cast<std::size_t>(I32EmRef(b, pos)) : fixas[fixa++]);
    }
    r.push_back(pos);
    return r;
}

// A game the failed loads must leave as it was.
Jogo Sentinela() {
    Jogo j;
    j.estado.temporada = 77;
    return j;
}

std::int32_t I32Em(const Bytes& b, std::size_t pos) {
    std::int32_t v;
    std::memcpy(&v, b.data() + pos, 4);
    return v;
}
void PorI32(Bytes& b, std::size_t pos, std::int32_t v) {
    std::memcpy(b.data() + pos, &v, 4);
}

std::string TextoEm(const Bytes& b, std::size_t pos) {
    return std::string(reinterpret_cast<const char*>(b.data() + pos + 1), b[pos]);
}

} // namespace

TEST(JogoSalvo, SaveLoadSaveGivesTheSameBytes) {
    Jogo original = JogoPequeno();
    original.times[2].escalacao = 7; // a lineup of the date: never saved
    const Bytes primeiro = SerializarJogo(original);

    Jogo lido;
    ASSERT_EQ(DesserializarJogo(primeiro, lido), ResultadoCarga::Ok);
    EXPECT_EQ(SerializarJogo(lido), primeiro);

    EXPECT_EQ(lido.jogadores.size(), 13u);
    EXPECT_EQ(lido.jogadores[12].nome.str(), "Jogador 3-2");
    EXPECT_EQ(std::memcmp(&lido.selecoes[0], &original.selecoes[0], sizeof(TSelecao)), 0);
    EXPECT_EQ(lido.precospadrao, original.precospadrao);
    EXPECT_EQ(lido.times[2].escalacao, -1);
    EXPECT_TRUE(lido.escalacoes.empty());
    EXPECT_EQ(lido.arquivo.eventos.size(), 3u);
    // The calendar is rebuilt for the saved season.
    EXPECT_EQ(lido.calendario[0].numero, 1);
    EXPECT_GT(lido.calendario[0].data, 39000);
    // The generator goes on exactly where it stopped.
    for (int i = 0; i < 20; ++i) ASSERT_EQ(lido.Aleatorio(1000), original.Aleatorio(1000));
}

TEST(JogoSalvo, TheGameKeptAsTheSeasonEndedIsWhatASaveThereWrites) {
    apoio::PastaTemporaria pasta;
    Jogo jogo = JogoPequeno();
    jogo.estado.dataatual = kDatasPorTemporada; // after the last date
    jogo.estado.tipo = -1;
    jogo.estado.arquivo.set("fim.s07");
    ASSERT_TRUE(salvajogo(jogo));
    const Bytes esperado = pasta.Ler("sav/fim.s07");
    std::filesystem::remove(pasta / "sav/fim.s07");

    JogoAntesDoFim antes(jogo);
    EXPECT_EQ(SerializarJogo(jogo), esperado); // the running game lends nothing for good
    // What the season end does meanwhile.
    ++jogo.estado.temporada;
    jogo.times[1].dinheiro = 1;
    jogo.arquivo.resultados.clear();
    ASSERT_TRUE(antes.Salvar(jogo));
    EXPECT_EQ(pasta.Ler("sav/fim.s07"), esperado);
    Jogo lido;
    ASSERT_TRUE(carregajogo(lido, "fim.s07"));
    EXPECT_EQ(lido.estado.temporada, 2);
    EXPECT_EQ(lido.times[1].dinheiro, 200000);
    EXPECT_EQ(lido.arquivo.jogos.size(), jogo.arquivo.jogos.size());
    EXPECT_EQ(jogo.estado.temporada, 3);
    EXPECT_FALSE(jogo.arquivo.jogos.empty());

    // A match played since: the copy no longer fits the archive.
    jogo.arquivo.jogos.push_back(TJogoArquivado{});
    jogo.estado.arquivo.set("tarde.s07");
    EXPECT_FALSE(antes.Salvar(jogo));
    EXPECT_FALSE(std::filesystem::exists(pasta / "sav/tarde.s07"));
}

TEST(JogoSalvo, FileHoldsTheDescriptionAtTheListedOffsets) {
    apoio::PastaTemporaria pasta;
    Jogo jogo = JogoPequeno();
    jogo.estado.continental1 = 1;
    jogo.estado.dataatual = 41; // a continental date
    jogo.estado.tipo = 4;
    jogo.tecnicos[0].nome.set("Um Treinador De Nome Muito Comprido");
    jogo.estado.arquivo.set("minha.s07");
    ASSERT_TRUE(salvajogo(jogo));
    const Bytes b = pasta.Ler("sav/minha.s07");
    EXPECT_EQ(I32Em(b, 0), 1);
    EXPECT_EQ(I32Em(b, 4 + 8), 2007);
    EXPECT_EQ(I32Em(b, 4 + 124), 4);
    EXPECT_EQ(I32Em(b, 4 + 180), 2);
    EXPECT_EQ(TextoEm(b, 4 + 16605), "Um Treinador De Nome Muit");
    EXPECT_EQ(TextoEm(b, 4 + 16631), "Clube 0");
    EXPECT_EQ(I32Em(b, kJogadores), 13); // players, dummy included

    // Loaded back from the folder: the same game under the name it was loaded as.
    Jogo lido;
    ASSERT_TRUE(carregajogo(lido, "minha.s07"));
    EXPECT_EQ(lido.estado.arquivo.str(), "minha.s07");
    EXPECT_EQ(SerializarJogo(lido), b);
}

TEST(JogoSalvo, NationalTeamDescriptionIsCutTo25) {
    EXPECT_EQ(DescricaoComSelecao("Selecao", "Clube"), "Selecao (Clube)");
    EXPECT_EQ(DescricaoComSelecao("Selecao Nacional", "Clube Atletico"),
              "Selecao Nacional (Clube A");
    Jogo jogo = JogoPequeno();
    jogo.estado.timeatual = -1;
    PreencherDescricao(jogo);
    EXPECT_TRUE(jogo.estado.descrtecnico.empty());
    EXPECT_TRUE(jogo.estado.descrtime.empty());
}

TEST(JogoSalvo, EveryCutFileIsRejectedAndTheGameKept) {
    const Bytes cheio = SerializarJogo(JogoPequeno());
    Jogo alvo = Sentinela();
    Bytes prefixo = cheio;
    while (!prefixo.empty()) {
        prefixo.pop_back();
        ASSERT_EQ(DesserializarJogo(prefixo, alvo), ResultadoCarga::Ilegivel) << prefixo.size();
    }
    Bytes comSobra = cheio;
    comSobra.push_back(0);
    EXPECT_EQ(DesserializarJogo(comSobra, alvo), ResultadoCarga::Ilegivel);
    EXPECT_EQ(alvo.estado.temporada, 77);
    EXPECT_EQ(alvo.jogadores.size(), 1u);
}

TEST(JogoSalvo, RandomDamageNeverCrashes) {
    const Bytes cheio = SerializarJogo(JogoPequeno());
    plataforma::Gerador g(99);
    int aceitos = 0;
    for (int i = 0; i < 3000; ++i) {
        Bytes b = cheio;
        const int trocas = 1 + g.Aleatorio(4);
        for (int k = 0; k < trocas; ++k)
            b[g.Aleatorio(static_cast<std::int32_t>(b.size()))] ^=
                static_cast<unsigned char>(1 + g.Aleatorio(255));
        Jogo j;
        if (DesserializarJogo(b, j) == ResultadoCarga::Ok) {
            ++aceitos;
            PreencherDescricao(j);
            EXPECT_FALSE(SerializarJogo(j).empty());
        }
    }
    // Most damage falls in names and counters the game can live with.
    EXPECT_GT(aceitos, 0);
}

TEST(JogoSalvo, HostileCountsAreRejected) {
    const Bytes cheio = SerializarJogo(JogoPequeno());
    Jogo alvo = Sentinela();
    for (std::int32_t n : {-1, -2147483647 - 1, 2147483647, 14, 0}) {
        Bytes b = cheio;
        PorI32(b, kJogadores, n); // 0: not even the dummy player
        EXPECT_EQ(DesserializarJogo(b, alvo), ResultadoCarga::Ilegivel) << n;
    }
    // The last section's count (one stadium work of 40 bytes).
    Bytes b = cheio;
    const std::size_t obras = b.size() - 4 - 40;
    ASSERT_EQ(I32Em(b, obras), 1);
    PorI32(b, obras, 2);
    EXPECT_EQ(DesserializarJogo(b, alvo), ResultadoCarga::Ilegivel);
    PorI32(b, obras, -1);
    EXPECT_EQ(DesserializarJogo(b, alvo), ResultadoCarga::Ilegivel);
    // The fixed sections' leading integer is not a count.
    b = cheio;
    const std::size_t precos =
        kJogadores + 4 + 13 * 312 + 4 + 13 * 340 + 4 + 4 * 656 + 4 + 1688 + 4 + 10 * 460;
    ASSERT_EQ(I32Em(b, precos), 4);
    PorI32(b, precos, -9);
    EXPECT_EQ(DesserializarJogo(b, alvo), ResultadoCarga::Ok);
}

TEST(JogoSalvo, IndicesOutOfRangeMakeTheFileUnreadable) {
    const std::vector<std::pair<const char*, std::function<void(Jogo&)>>> casos = {
        {"marker", [](Jogo& j) { j.estado.marcador = 2006; }},
        {"player club", [](Jogo& j) { j.jogadores[4].time = 4; }},
        {"player history", [](Jogo& j) { j.jogadores[4].historico = 13; }},
        {"negative history", [](Jogo& j) { j.jogadores[4].historico = -1; }},
        {"club coach", [](Jogo& j) { j.times[1].tecnico = 10; }},
        {"club captain", [](Jogo& j) { j.times[1].capitao = 13; }},
        {"club division", [](Jogo& j) { j.times[1].divisao = 5; }},
        {"coach club", [](Jogo& j) { j.tecnicos[7].time = -2; }},
        {"league slot", [](Jogo& j) { j.ligas[0].divisoes[3][19] = 4; }},
        {"league order", [](Jogo& j) { j.ligas[0].ordem[0][0] = 99; }},
        {"fixture club", [](Jogo& j) { j.partidas[2].visitante = 4; }},
        {"fixture code", [](Jogo& j) { j.partidas[2].competicao = 10; }},
        {"club on screen", [](Jogo& j) { j.estado.timeatual = 4; }},
        {"human coach", [](Jogo& j) { j.estado.humanos[5] = 10; }},
        {"human club", [](Jogo& j) { j.estado.timeshumanos[0] = -7; }},
        {"date", [](Jogo& j) { j.estado.dataatual = 149; }},
        {"season", [](Jogo& j) { j.estado.temporada = 2147483647; }},
        {"type", [](Jogo& j) { j.estado.tipo = 10; }},
        {"type below the season's end", [](Jogo& j) { j.estado.tipo = -2; }},
        {"humans", [](Jogo& j) { j.estado.numhumanos = 7; }},
        {"club counts", [](Jogo& j) { j.estado.numtimesextras = 2; }},
        {"extra clubs", [](Jogo& j) { j.estado.extrasporpais[3][1] = 4; }},
        {"referee", [](Jogo& j) { j.estado.arbitrostemporada[11] = 42; }},
        {"state group", [](Jogo& j) { j.estaduais[4].grupos[4][5] = 4; }},
        {"state champion", [](Jogo& j) { j.estaduais[0].campeao = 4; }},
        {"call-up",
         [](Jogo& j) {
             j.convocados.push_back({13, 0});
         }},
        // In range, but not a game the rules leave behind.
        {"squad count", [](Jogo& j) { j.times[1].elenco = 9; }},
        {"human flag", [](Jogo& j) { j.times[0].humano = 0; }},
        {"league table", [](Jogo& j) { j.times[2].pontos[1] = 3; }},
        {"call-up outside a tournament",
         [](Jogo& j) {
             j.convocados.push_back({2, 0});
         }},
        // Fields the rules count with or index by, far out of their range.
        {"player position", [](Jogo& j) { j.jogadores[2].posicao = 2147483647; }},
        {"player role", [](Jogo& j) { j.jogadores[2].funcao = -1; }},
        {"player characteristic", [](Jogo& j) { j.jogadores[2].caract2 = 14; }},
        {"player age", [](Jogo& j) { j.jogadores[2].idade = 2147483647; }},
        {"player energy", [](Jogo& j) { j.jogadores[2].energia = -2147483647; }},
        {"contract", [](Jogo& j) { j.jogadores[2].contrato = std::nan(""); }},
        {"return date", [](Jogo& j) { j.jogadores[2].retorno = INFINITY; }},
        {"fans' confidence", [](Jogo& j) { j.times[2].conftorcida = 2147483647; }},
        {"seats", [](Jogo& j) { j.times[2].capacidade[1] = -5; }},
        {"league points", [](Jogo& j) { j.times[2].pontos[1] = 2147483600; }},
        {"matches played", [](Jogo& j) { j.times[2].jogos[1] = -1; }},
        {"historic points", [](Jogo& j) { j.times[2].pontoshistoricos[0][0] = 2147483647; }},
        {"player's matches", [](Jogo& j) { j.jogadores[2].jogos[1] = 2147483647; }},
        {"cup phase", [](Jogo& j) { j.estado.contadores.fasecopa = 2147483647; }},
        {"league matchday", [](Jogo& j) { j.estado.contadores.rodadaliga = -3; }},
        {"tournament phase", [](Jogo& j) { j.estado.contadores.fasetorneio = 65; }},
        {"divisions per league", [](Jogo& j) { j.estado.divisoesporliga = 1000; }},
        {"main country", [](Jogo& j) { j.estado.paisprincipal = 2147483647; }},
        {"played flag", [](Jogo& j) { j.partidas[0].jogado = 2; }},
        {"played without a club", [](Jogo& j) { j.partidas[0].mandante = -1; }},
    };
    Jogo alvo = Sentinela();
    for (const auto& [nome, estragar] : casos) {
        Jogo j = JogoPequeno();
        estragar(j);
        EXPECT_EQ(DesserializarJogo(SerializarJogo(j), alvo), ResultadoCarga::Ilegivel) << nome;
    }
    EXPECT_EQ(alvo.estado.temporada, 77);

    // Saved after the last date of a season (the season end comes next), and
    // by a coach whom nobody employs: both are games to go on with.
    {
        Jogo fim = JogoPequeno();
        fim.estado.tipo = -1;
        fim.estado.dataatual = kDatasPorTemporada;
        fim.estado.numhumanos = 0;
        fim.estado.timeshumanos[0] = -1;
        fim.times[0].humano = 0;
        fim.times[0].tecnico = fim.tecnicos[0].time = -1;
        ASSERT_EQ(DesserializarJogo(SerializarJogo(fim), alvo), ResultadoCarga::Ok);
        EXPECT_EQ(alvo.estado.tipo, -1);
    }

    // Only real clubs need a statement; a short list is filled with blank ones.
    Jogo j = JogoPequeno();
    j.financas.resize(2);
    ASSERT_EQ(DesserializarJogo(SerializarJogo(j), alvo), ResultadoCarga::Ok);
    EXPECT_EQ(alvo.financas.size(), 4u);
    EXPECT_EQ(alvo.financas[3].ingressos, 0);
}

TEST(JogoSalvo, FailedSaveKeepsThePreviousFile) {
    {
        apoio::PastaTemporaria pasta;
        pasta.Escrever("sav", "not a folder");
        Jogo jogo = JogoPequeno();
        jogo.estado.arquivo.set("jogo.s07");
        EXPECT_FALSE(salvajogo(jogo));
        jogo.estado.arquivo.set("../fora.s07");
        EXPECT_FALSE(salvajogo(jogo));
        jogo.estado.arquivo.set("");
        EXPECT_FALSE(salvajogo(jogo));
        EXPECT_FALSE(std::filesystem::exists(pasta / "fora.s07"));
    }
    apoio::PastaTemporaria pasta;
    Jogo jogo = JogoPequeno();
    jogo.estado.arquivo.set("jogo.s07");
    ASSERT_TRUE(salvajogo(jogo)); // creates the sav folder
    const Bytes antes = pasta.Ler("sav/jogo.s07");
    EXPECT_EQ(ErroAoSalvar(), "Erro ao salvar, verifique se você tem permisão para salvar ou se "
                              "não existe a pasta sav");
    // A name taken by a folder cannot be written; nothing is left behind.
    pasta.Escrever("sav/ocupado.s07/dentro", "x");
    jogo.estado.arquivo.set("ocupado.s07");
    EXPECT_FALSE(salvajogo(jogo));
    EXPECT_EQ(ListarJogosSalvos(), std::vector<std::string>{"jogo.s07"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta / "sav"), {}), 2);

    jogo.estado.arquivo.set("jogo.s07");
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
    std::filesystem::permissions(pasta / "sav", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    jogo.estado.temporada = 5;
    EXPECT_FALSE(salvajogo(jogo));
    std::filesystem::permissions(pasta / "sav", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(pasta.Ler("sav/jogo.s07"), antes);
}

TEST(JogoSalvo, LoadDialogListsDescribesAndDeletes) {
    apoio::PastaTemporaria pasta;
    apoio::GravarIdioma(pasta, 10, "pt",
                        {"326=Liga",
                         "328=Ta\xe7"
                         "a A",
                         "329=Copa B", "357=Arquivo inv\xe1lido"});
    Jogo jogo = JogoPequeno();
    jogo.estado.continental1 = 1;
    jogo.estado.dataatual = 41; // a continental date
    jogo.estado.tipo = 4;
    jogo.times[0].nome.set("S\xe3o Bento");
    jogo.estado.arquivo.set("b.s07");
    ASSERT_TRUE(salvajogo(jogo));
    Bytes errado = pasta.Ler("sav/b.s07");
    PorI32(errado, 4 + 8, 2006);
    pasta.Escrever("sav/A.S07", errado);
    pasta.Escrever("sav/curto.s07", "abc");
    pasta.Escrever("sav/notas.txt", "x");
    std::filesystem::create_directories(pasta / "sav/pasta.s07");

    EXPECT_EQ(ListarJogosSalvos(), (std::vector<std::string>{"A.S07", "b.s07", "curto.s07"}));

    const auto d = DescreverJogoSalvo("b.s07");
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->valido);
    EXPECT_EQ(d->tecnico, "Treinador 0");
    EXPECT_EQ(d->time, "São Bento");
    // The game's date, from the season and the date number alone: date 41
    // of 2008 is the Thursday of the fourteenth week from 2 January.
    EXPECT_EQ(d->ano, 2008);
    EXPECT_EQ(std::pair(d->mes, d->dia), std::pair(4, 3));
    EXPECT_EQ(d->proximo, "Taça A/Copa B");

    // A season or a date the load would refuse: no description, no crash.
    for (const auto& [offset, valor] : {std::pair{180, 0}, std::pair{180, 2'000'000'000},
                                        std::pair{332, -1}, std::pair{332, 149}}) {
        Bytes b = pasta.Ler("sav/b.s07");
        PorI32(b, 4 + static_cast<std::size_t>(offset), valor);
        pasta.Escrever("sav/hostil.s07", b);
        EXPECT_FALSE(DescreverJogoSalvo("hostil.s07")) << offset << " " << valor;
    }
    ASSERT_TRUE(ApagarJogoSalvo("hostil.s07"));

    // After the last date, by a coach without a club.
    Jogo fim = JogoPequeno();
    fim.estado.tipo = -1;
    fim.estado.dataatual = kDatasPorTemporada;
    fim.estado.numhumanos = 0;
    fim.estado.timeshumanos[0] = -1;
    fim.times[0].humano = 0;
    fim.times[0].tecnico = fim.tecnicos[0].time = -1;
    fim.estado.arquivo.set("fim.s07");
    ASSERT_TRUE(salvajogo(fim));
    const auto f = DescreverJogoSalvo("fim.s07");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->proximo, "Fim de temporada");
    EXPECT_EQ(f->tecnico, "Treinador 0");
    EXPECT_EQ(f->time, "Sem clube");
    Jogo lido = Sentinela();
    EXPECT_TRUE(carregajogo(lido, "fim.s07"));
    ASSERT_TRUE(ApagarJogoSalvo("fim.s07"));

    const auto e = DescreverJogoSalvo("A.S07");
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->valido);
    EXPECT_TRUE(e->tecnico.empty() && e->time.empty() && e->proximo.empty());
    EXPECT_EQ(e->aviso, "Arquivo inválido");
    Jogo alvo = Sentinela();
    EXPECT_FALSE(carregajogo(alvo, "A.S07"));
    EXPECT_FALSE(carregajogo(alvo, "curto.s07"));
    EXPECT_FALSE(carregajogo(alvo, "nenhum.s07"));
    EXPECT_EQ(alvo.estado.temporada, 77);

    EXPECT_FALSE(DescreverJogoSalvo("curto.s07"));
    EXPECT_FALSE(DescreverJogoSalvo("nenhum.s07"));

    EXPECT_FALSE(ApagarJogoSalvo("../sav/b.s07"));
    EXPECT_FALSE(ApagarJogoSalvo("pasta.s07"));
    EXPECT_TRUE(ApagarJogoSalvo("A.S07"));
    EXPECT_FALSE(ApagarJogoSalvo("A.S07"));
    EXPECT_EQ(ListarJogosSalvos(), (std::vector<std::string>{"b.s07", "curto.s07"}));
}

TEST(JogoSalvo, NameRules) {
    apoio::PastaTemporaria pasta;
    EXPECT_EQ(NomeDoArquivo("Meu jogo"), "Meu jogo.s07");
    EXPECT_EQ(NomeDoArquivo(""), "");
    EXPECT_EQ(NomeDoArquivo("a/b\\c:d"), "a_b_c_d.s07");
    // At most 50 characters: the typed name gives way to the extension.
    const std::string longo = NomeDoArquivo(std::string(60, 'x'));
    EXPECT_EQ(longo, std::string(46, 'x') + ".s07");
    std::string acentos;
    for (int i = 0; i < 60; ++i) acentos += "ã";
    std::string esperado;
    for (int i = 0; i < 46; ++i) esperado += "ã";
    EXPECT_EQ(NomeDoArquivo(acentos), esperado + ".s07");

    EXPECT_FALSE(ArquivoSalvoExiste("Meu jogo.s07"));
    Jogo jogo = JogoPequeno();
    jogo.estado.arquivo.set(NomeDoArquivo("Meu jogo"));
    ASSERT_TRUE(salvajogo(jogo));
    EXPECT_TRUE(ArquivoSalvoExiste("Meu jogo.s07"));
    EXPECT_TRUE(ArquivoSalvoExiste("MEU JOGO.S07")); // the folder ignores case
    EXPECT_FALSE(ArquivoSalvoExiste("../sav/Meu jogo.s07"));
}

TEST(JogoSalvo, AStreamedSaveHasTheBytesOfTheLayout) {
    apoio::PastaTemporaria pasta;
    Jogo vazio = JogoPequeno();
    vazio.arquivo = {};
    vazio.emails.clear();
    vazio.convocados.clear();
    for (const Jogo& j : {JogoPequeno(), JogoGrande(), vazio}) {
        const Bytes esperado = Referencia(j);
        ASSERT_TRUE(GravarJogo(pasta / "x.s07", j));
        const Bytes gravado = pasta.Ler("x.s07");
        ASSERT_EQ(gravado.size(), esperado.size());
        EXPECT_TRUE(gravado == esperado);
        EXPECT_TRUE(SerializarJogo(j) == esperado);
        Bytes pedacos;
        EscreverJogo(j, [&](const void* p, std::size_t n) {
            pedacos.insert(pedacos.end(), static_cast<const unsigned char*>(p),
                           static_cast<const unsigned char*>(p) + n);
        });
        EXPECT_TRUE(pedacos == esperado);
        // Read back from the file, the same game.
        Jogo lido = Sentinela();
        ASSERT_EQ(LerJogo(pasta / "x.s07", lido), ResultadoCarga::Ok);
        EXPECT_TRUE(SerializarJogo(lido) == esperado);
        EXPECT_EQ(Secoes(esperado).back(), esperado.size());
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.Caminho()), {}), 1);
}

TEST(JogoSalvo, AFileCutAtASectionBoundaryIsRefusedWhole) {
    apoio::PastaTemporaria pasta;
    Jogo jogo = JogoGrande();
    jogo.estado.arquivo.set("grande.s07");
    ASSERT_TRUE(salvajogo(jogo));
    const Bytes cheio = pasta.Ler("sav/grande.s07");
    const auto secoes = Secoes(cheio);
    ASSERT_EQ(secoes.size(), 29u); // the header, the block, 26 more, and the end
    ASSERT_EQ(secoes.back(), cheio.size());
    Jogo alvo = Sentinela();
    for (std::size_t s : secoes)
        for (std::size_t corte : {s - 1, s, s + 2, s + 4, s + 5}) {
            if (corte == 0 || corte >= cheio.size()) continue;
            pasta.Escrever("sav/cortado.s07", Bytes(cheio.begin(), cheio.begin() + corte));
            ASSERT_EQ(LerJogo(pasta / "sav/cortado.s07", alvo), ResultadoCarga::Ilegivel) << corte;
            ASSERT_FALSE(carregajogo(alvo, "cortado.s07")) << corte;
        }
    // One byte too many is refused as well; the game on hand never moved.
    Bytes comSobra = cheio;
    comSobra.push_back(0);
    pasta.Escrever("sav/sobra.s07", comSobra);
    EXPECT_FALSE(carregajogo(alvo, "sobra.s07"));
    EXPECT_EQ(alvo.estado.temporada, 77);
    EXPECT_EQ(alvo.jogadores.size(), 1u);
    EXPECT_TRUE(alvo.estado.arquivo.empty());
    // Read whole, the load tells how far it got, in order, to the last byte.
    std::vector<std::uint64_t> lidos;
    ASSERT_TRUE(carregajogo(alvo, "grande.s07", [&](std::uint64_t l, std::uint64_t total) {
        EXPECT_EQ(total, cheio.size());
        lidos.push_back(l);
    }));
    EXPECT_TRUE(SerializarJogo(alvo) == cheio);
    ASSERT_GT(lidos.size(), 2u);
    EXPECT_TRUE(std::is_sorted(lidos.begin(), lidos.end()));
    EXPECT_EQ(lidos.back(), cheio.size());
}

// A disk that fills in the middle of a save: the write fails partway, the
// save reports it, the previous file is still there and loads, and nothing
// of the failed write is left in the folder.
TEST(JogoSalvo, AWriteThatFailsHalfwayKeepsThePreviousSaveLoadable) {
    apoio::PastaTemporaria pasta;
    Jogo antigo = JogoPequeno();
    antigo.estado.arquivo.set("jogo.s07");
    ASSERT_TRUE(salvajogo(antigo));
    const Bytes antes = pasta.Ler("sav/jogo.s07");

    Jogo novo = JogoGrande();
    novo.estado.arquivo.set("jogo.s07");
    const std::size_t total = SerializarJogo(novo).size();
    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &original), 0);
    auto* sinal = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of killing us
    // Past the first buffer, inside the first one, and a byte short of the end.
    for (std::size_t limite : {total / 2, std::size_t{5000}, total - 1}) {
        rlimit r = original;
        r.rlim_cur = limite;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &r), 0);
        const bool salvou = salvajogo(novo);
        ::setrlimit(RLIMIT_FSIZE, &original);
        EXPECT_FALSE(salvou) << limite;
        EXPECT_EQ(pasta.Ler("sav/jogo.s07"), antes) << limite;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta / "sav"), {}), 1);
    }
    std::signal(SIGXFSZ, sinal);
    Jogo lido = Sentinela();
    ASSERT_TRUE(carregajogo(lido, "jogo.s07"));
    EXPECT_TRUE(SerializarJogo(lido) == antes);
    ASSERT_TRUE(salvajogo(novo)); // with room again, the new game goes in whole
    EXPECT_EQ(pasta.Ler("sav/jogo.s07").size(), total);
}
