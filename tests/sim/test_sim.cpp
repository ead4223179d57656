// pitchlord-sim driven as a script would drive it.
#include "apoio/apoio.hpp"

#include "plataforma/arquivos.hpp"
#include "plataforma/colunas.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <sstream>
#include <sys/wait.h>

namespace {

struct Saida {
    int codigo = -1;
    std::string texto;
};

Saida Rodar(const std::string& args) {
    Saida s;
    const std::string cmd = std::string(PITCHLORD_SIM) + " " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return s;
    std::array<char, 4096> b;
    std::size_t n;
    while ((n = fread(b.data(), 1, b.size(), p)) > 0) s.texto.append(b.data(), n);
    const int st = pclose(p);
    s.codigo = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return s;
}

void Mundo(const apoio::PastaTemporaria& pasta) {
    // Every other home club with an accent in its name, to see the text
    // tables line up.
    for (int i = 0; i < 24; ++i)
        apoio::GravarTime(pasta, apoio::MontarTime(29, 20 - i / 3,
                                                   (i % 2 ? "Clab"
                                                          : "Cl\xe3"
                                                            "b") +
                                                       std::to_string(i)));
    for (int i = 0; i < 22; ++i)
        apoio::GravarTime(pasta, apoio::MontarTime(97, 18, "It" + std::to_string(i)));
}

// The character column (not the byte) where `marca` starts on every line that
// has it, and how many of those lines hold a letter beyond ASCII.
struct Colunas {
    std::set<std::size_t> onde;
    int linhas = 0, acentuadas = 0;
};
Colunas ColunasDe(const std::string& texto, const std::string& marca) {
    Colunas c;
    std::istringstream linhas(texto);
    std::string linha;
    while (std::getline(linhas, linha)) {
        const auto p = linha.find(marca);
        if (p == std::string::npos) continue;
        ++c.linhas;
        c.acentuadas += std::any_of(linha.begin(), linha.end(), [](char ch) { return ch < 0; });
        c.onde.insert(plataforma::LarguraUtf8(std::string_view(linha).substr(0, p)));
    }
    return c;
}

} // namespace

TEST(Sim, ClubesListsEveryClubAsJson) {
    apoio::PastaTemporaria pasta;
    Mundo(pasta);
    const std::string base =
        "clubes --dados " + pasta.Caminho().string() + " --ligas 29,97 --divisoes 20";
    const Saida s = Rodar(base + " --semente 3 --json");
    ASSERT_EQ(s.codigo, 0) << s.texto;
    EXPECT_EQ(s.texto.front(), '{');
    EXPECT_NE(s.texto.find("\"nome\":\"Cl\xc3\xa3"
                           "b0\""),
              std::string::npos); // UTF-8 out
    EXPECT_NE(s.texto.find("\"passepedido\":"), std::string::npos);
    EXPECT_EQ(Rodar(base + " --semente 3 --json").texto, s.texto); // same seed, same world
    const Saida tabela = Rodar(base);
    ASSERT_EQ(tabela.codigo, 0);
    EXPECT_NE(tabela.texto.find("It21"), std::string::npos);
    // Names with and without accents: the columns after them line up.
    for (const char* marca : {" pais ", " pos "}) {
        const Colunas c = ColunasDe(tabela.texto, marca);
        EXPECT_GT(c.acentuadas, 0) << marca;
        EXPECT_LT(c.acentuadas, c.linhas) << marca;
        EXPECT_EQ(c.onde.size(), 1u) << marca;
    }
}

TEST(Sim, ErrorsAreOneClearLineAndAFailure) {
    apoio::PastaTemporaria pasta;
    const std::string dados = " --dados " + pasta.Caminho().string();
    Saida s = Rodar("clubes --dados /nao/existe --ligas 29 --divisoes 10");
    EXPECT_NE(s.codigo, 0);
    EXPECT_NE(s.texto.find("no such data folder"), std::string::npos);
    s = Rodar("clubes" + dados + " --ligas 29 --divisoes 10");
    EXPECT_NE(s.codigo, 0);
    EXPECT_NE(s.texto.find("no usable club file"), std::string::npos);
    Mundo(pasta);
    for (const char* ligas : {"300", "abc", "29,", "29,29", "5"}) {
        s = Rodar("clubes" + dados + " --ligas " + ligas + " --divisoes 10");
        EXPECT_NE(s.codigo, 0) << ligas;
        EXPECT_EQ(std::count(s.texto.begin(), s.texto.end(), '\n'), 1) << s.texto;
    }
    EXPECT_NE(Rodar("clubes" + dados + " --ligas 29 --divisoes 15").codigo, 0);
    EXPECT_NE(Rodar("clubes" + dados + " --ligas 29 --divisoes 10 --semente x").codigo, 0);
    EXPECT_NE(Rodar("voar").codigo, 0);
}

TEST(Sim, BenchAndPartidaReportTheirFiguresAsJson) {
    const Saida b = Rodar("bench --datas 5 --json");
    ASSERT_EQ(b.codigo, 0) << b.texto;
    EXPECT_NE(b.texto.find("\"partidas_por_segundo\":"), std::string::npos);
    EXPECT_NE(b.texto.find("\"jogos\":100,"), std::string::npos); // 5 dates of 20

    apoio::PastaTemporaria pasta;
    Mundo(pasta);
    const std::string base =
        "partida --dados " + pasta.Caminho().string() + " --ligas 29,97 --divisoes 20";
    const Saida p = Rodar(base + " --mandante 0 --visitante 1 --jogos 20 --semente 4 --json");
    ASSERT_EQ(p.codigo, 0) << p.texto;
    EXPECT_NE(p.texto.find("\"jogos\":20,"), std::string::npos);
    EXPECT_NE(p.texto.find("\"placares\":{"), std::string::npos);
    EXPECT_EQ(Rodar(base + " --mandante 0 --visitante 1 --jogos 20 --semente 4 --json").texto,
              p.texto); // same seed, same matches
    EXPECT_NE(Rodar(base + " --mandante 0 --visitante 0 --jogos 2").codigo, 0);
}

// The bench's own world and seed give the same matches whatever the engine's
// speed: these totals moving means the matches changed, which the commit that
// moves them must say.
TEST(Sim, TheBenchPlaysTheSameMatchesAsEver) {
    const Saida b = Rodar("bench --datas 200 --json");
    ASSERT_EQ(b.codigo, 0) << b.texto;
    const auto inicio = b.texto.find("\"jogos\":");
    ASSERT_NE(inicio, std::string::npos) << b.texto;
    std::string totais = b.texto.substr(inicio);
    totais.erase(std::remove_if(totais.begin(), totais.end(), [](char c) { return c == '\n'; }),
                 totais.end());
    EXPECT_EQ(
        totais,
        R"("jogos":4000,"gols":{"mandante":4164,"visitante":3529,"media_mandante":1.0409999999999999,"media_visitante":0.88224999999999998},)"
        R"("finalizacoes":{"mandante":27235,"visitante":26820,"media_mandante":6.8087499999999999,"media_visitante":6.7050000000000001},)"
        R"("faltas":{"mandante":95791,"visitante":96122,"media_mandante":23.947749999999999,"media_visitante":24.0305},)"
        R"("amarelos":{"mandante":8362,"visitante":8417,"media_mandante":2.0905,"media_visitante":2.10425},)"
        R"("vermelhos":{"mandante":1143,"visitante":1102,"media_mandante":0.28575,"media_visitante":0.27550000000000002},)"
        R"("contusoes":{"mandante":674,"visitante":702,"media_mandante":0.16850000000000001,"media_visitante":0.17549999999999999},)"
        R"("golscontra":{"mandante":127,"visitante":107,"media_mandante":0.03175,"media_visitante":0.026749999999999999},)"
        R"("golsfalta":{"mandante":183,"visitante":166,"media_mandante":0.045749999999999999,"media_visitante":0.041500000000000002},)"
        R"("posse":{"mandante":182373,"visitante":180647,"media_mandante":45.593249999999998,"media_visitante":45.161749999999998},)"
        R"("ataquesvencidos":{"mandante":79235,"visitante":78288,"media_mandante":19.80875,"media_visitante":19.571999999999999},)"
        R"("vitoriasmandante":1641,"empates":1059,"vitoriasvisitante":1300})");
}

TEST(Sim, JogarPlaysSavesAndLoadsAndRefusesBadOptions) {
    apoio::PastaTemporaria pasta;
    Mundo(pasta);
    const std::string dados = "--dados " + pasta.Caminho().string();
    const std::string salvo = (pasta / "meio.s07").string();
    const Saida primeira = Rodar("jogar " + dados +
                                 " --ligas 29 --divisoes 10 --humanos 1 --temporadas 1 --semente 4"
                                 " --ate-data 60 --verificar --salvar-em " +
                                 salvo + " --json");
    ASSERT_EQ(primeira.codigo, 0) << primeira.texto;
    EXPECT_NE(primeira.texto.find("\"dataatual\""), std::string::npos);
    // Loaded, it plays on to the end of its season and prints the champions.
    const Saida segunda =
        Rodar("jogar " + dados + " --carregar " + salvo + " --temporadas 1 --verificar");
    ASSERT_EQ(segunda.codigo, 0) << segunda.texto;
    EXPECT_NE(segunda.texto.find("== temporada 1"), std::string::npos);
    EXPECT_NE(segunda.texto.find("liga"), std::string::npos);
    const Colunas pontos = ColunasDe(segunda.texto, " pts ");
    EXPECT_GT(pontos.acentuadas, 0);
    EXPECT_LT(pontos.acentuadas, pontos.linhas);
    EXPECT_EQ(pontos.onde.size(), 1u);

    // The humans' groups on the clock, as the window plays them: another
    // game (the quick mode awards no penalties), as sound, and the same one
    // again from the same seed.
    const std::string curto =
        " --ligas 29 --divisoes 10 --humanos 1 --temporadas 1 --semente 4 --ate-data 60";
    auto jogado = [&](const std::string& opcoes, const char* nome) {
        const std::string arquivo = (pasta / nome).string();
        const Saida s = Rodar("jogar " + dados + curto + opcoes + " --salvar-em " + arquivo);
        EXPECT_EQ(s.codigo, 0) << s.texto;
        return plataforma::LerArquivo(arquivo, std::size_t{1} << 28)
            .value_or(std::vector<unsigned char>{});
    };
    const auto rapido = jogado("", "rapido.s07");
    const auto relogio = jogado(" --relogio --verificar", "relogio.s07");
    ASSERT_FALSE(relogio.empty());
    EXPECT_NE(relogio, rapido);
    EXPECT_EQ(jogado(" --relogio", "relogio2.s07"), relogio);

    for (const std::string ruim :
         {"--ligas 29 --divisoes 15 --humanos 1", "--ligas 29 --divisoes 10 --humanos 9",
          "--ligas 300 --divisoes 10 --humanos 1",
          "--ligas 29 --divisoes 10 --humanos 1 --ate-data 200"}) {
        const Saida s = Rodar("jogar " + dados + " " + ruim);
        EXPECT_NE(s.codigo, 0) << ruim;
        EXPECT_EQ(std::count(s.texto.begin(), s.texto.end(), '\n'), 1) << s.texto;
    }
    const Saida corrompido =
        Rodar("jogar " + dados + " --carregar " + (pasta / "nada.s07").string());
    EXPECT_NE(corrompido.codigo, 0);

    // Saved after the last date of the season, before its end: it loads and
    // goes on into the season end and the next season.
    const std::string fim = (pasta / "fim.s07").string();
    const Saida antes = Rodar("jogar " + dados +
                              " --ligas 29,97 --divisoes 10 --humanos 1 --temporadas 1"
                              " --ate-data 108 --semente 3 --salvar-em " +
                              fim + " --json");
    ASSERT_EQ(antes.codigo, 0) << antes.texto;
    EXPECT_NE(antes.texto.find("\"dataatual\":148"), std::string::npos) << antes.texto;
    const Saida depois =
        Rodar("jogar " + dados + " --carregar " + fim + " --temporadas 2 --verificar");
    ASSERT_EQ(depois.codigo, 0) << depois.texto;
    EXPECT_NE(depois.texto.find("== temporada 1"), std::string::npos);
    EXPECT_NE(depois.texto.find("== temporada 2"), std::string::npos);
}
