// The team editor's rules on real files: what reaches the disk, what the next
// new game sees, and what happens when a file cannot be written.
#include "apoio/apoio.hpp"
#include "competitions/calendario.hpp"
#include "competitions/novojogo.hpp"
#include "competitions/torneios.hpp"
#include "editor/editor.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/caminhos.hpp"
#include "world/clubes.hpp"
#include "world/selecoes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace editor;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bytes(const fs::path& p) {
    return plataforma::LerArquivo(p).value_or(std::vector<std::uint8_t>{});
}

int IndiceDoArquivo(const Editor& ed, std::string_view arquivo) {
    for (int i = 0; i < static_cast<int>(ed.clubes.size()); ++i)
        if (ed.clubes[static_cast<std::size_t>(i)].arquivo.cabecalho.arquivo.view() == arquivo)
            return i;
    return -1;
}

DadosClube Clube(std::string nome, std::string arquivo) {
    DadosClube d;
    d.nomecompleto = nome + " Esporte Clube";
    d.nome = nome;
    d.tecnico = "Tecnico de " + nome;
    d.estadio = "Estadio de " + nome;
    d.arquivo = std::move(arquivo);
    d.pais = 29;
    d.nivel = 12;
    return d;
}

DadosJogador Jogador(const std::string& nome, int posicao, int pais = 29) {
    DadosJogador d;
    d.nome = nome;
    d.posicao = posicao;
    d.pais = pais;
    d.caract1 = posicao == 0 ? 1 : 4;
    d.caract2 = posicao == 0 ? 2 : 9;
    return d;
}

// A world of 24 complete clubs of country 29, a few of country 11, and
// national teams of 29 and 11.
struct Mundo {
    apoio::PastaTemporaria pasta;
    Mundo() {
        for (int i = 0; i < 24; ++i)
            apoio::GravarTime(pasta,
                              apoio::MontarTime(29, 5 + i % 10, "Clube" + std::to_string(i)));
        for (int i = 0; i < 3; ++i)
            apoio::GravarTime(pasta, apoio::MontarTime(11, 10, "Fora" + std::to_string(i)));
        fs::create_directories(pasta / "teams/selecoes");
        for (int pais : {29, 11}) {
            world::TSelecao s = world::NovaSelecao(pais);
            s.tecnico = "Coach " + std::to_string(pais);
            s.nivel = 18;
            for (int k = 0; k < 20; ++k) {
                s.nomes[k] = "Sel" + std::to_string(pais) + " J" + std::to_string(k);
                s.posicoes[k] = k < 2 ? 0 : 1 + k % 4;
                s.idades[k] = 25;
            }
            s.numjogadores = 20;
            world::SalvarSelecao(s);
        }
    }
};

} // namespace

TEST(Editor, RequiredFieldsInOrderDuplicatesAndBadFileNamesWriteNothing) {
    Mundo m;
    Editor ed = CarregarEditor();
    ASSERT_EQ(ed.clubes.size(), 27u);
    const auto antes = plataforma::ListarArquivos(m.pasta / "teams", "*");

    DadosClube d;
    const Falha ordem[] = {Falha::NomeCompleto, Falha::NomeCurto, Falha::Tecnico, Falha::Estadio,
                           Falha::NomeArquivo};
    std::string* campos[] = {&d.nomecompleto, &d.nome, &d.tecnico, &d.estadio, &d.arquivo};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(AdicionarClube(ed, d).falha, ordem[i]) << i;
        *campos[i] = "   "; // blanks are no answer either
        EXPECT_EQ(AdicionarClube(ed, d).falha, ordem[i]) << i;
        *campos[i] = "x";
    }
    EXPECT_EQ(Mensagem({Falha::NomeCompleto, {}}), "Enter full name");
    EXPECT_EQ(Mensagem({Falha::NomeArquivo, {}}), "Enter file name");

    // The folder ignores case, and a name that would leave the folder is refused.
    EXPECT_EQ(AdicionarClube(ed, Clube("Outro", "CLUBE3")).falha, Falha::ArquivoExiste);
    EXPECT_EQ(AdicionarClube(ed, Clube("Outro", "clube3.b07")).falha, Falha::ArquivoExiste);
    for (const char* ruim : {"../fora", "a/b", "a\\b", "..", "nome:", "fim."})
        EXPECT_EQ(AdicionarClube(ed, Clube("Outro", ruim)).falha, Falha::ArquivoInvalido) << ruim;

    // A national team: coach required, one per country.
    DadosSelecao s;
    s.pais = 11;
    EXPECT_EQ(AdicionarSelecao(ed, s).falha, Falha::Tecnico);
    s.tecnico = "Alguem";
    EXPECT_EQ(AdicionarSelecao(ed, s).falha, Falha::SelecaoExiste);
    EXPECT_EQ(Mensagem({Falha::SelecaoExiste, {}}), "That NT already exists, you can only edit it");

    // Players need a name.
    EXPECT_EQ(AdicionarJogador(ed, Equipe::Clube(0), Jogador(" ", 3)).falha, Falha::NomeJogador);

    EXPECT_EQ(ed.clubes.size(), 27u);
    EXPECT_EQ(plataforma::ListarArquivos(m.pasta / "teams", "*"), antes);
    EXPECT_FALSE(fs::exists(m.pasta / "fora.b07"));
}

TEST(Editor, ANewClubPlaysTheNextNewGameButOneGoalkeeperAndTenOutfieldNever) {
    Mundo m;
    Editor ed = CarregarEditor();
    int novo = -1, quase = -1;
    ASSERT_TRUE(AdicionarClube(ed, Clube("Novato", "novato"), &novo).Ok());
    ASSERT_TRUE(AdicionarClube(ed, Clube("Quase", "quase"), &quase).Ok());

    // Written at once: version 7, the placeholder in all 25 slots, incomplete.
    auto lido = world::learquivotime(m.pasta / "teams/novato.b07");
    ASSERT_TRUE(lido);
    EXPECT_EQ(lido->cabecalho.versao, 7);
    EXPECT_EQ(lido->cabecalho.valido, 0);
    EXPECT_EQ(lido->cabecalho.nome.view(), "Novato");
    EXPECT_EQ(lido->cabecalho.arquivo.view(), "novato");
    for (const auto& n : lido->jogadores.nomes) EXPECT_EQ(n.view(), world::kNomeVazio);

    // Novato: one goalkeeper and eleven outfield players; Quase: one and ten.
    for (int k = 0; k < 12; ++k)
        ASSERT_TRUE(AdicionarJogador(ed, Equipe::Clube(novo),
                                     Jogador("N" + std::to_string(k), k == 0 ? 0 : 1 + k % 4))
                        .Ok());
    for (int k = 0; k < 11; ++k)
        ASSERT_TRUE(AdicionarJogador(ed, Equipe::Clube(quase),
                                     Jogador("Q" + std::to_string(k), k == 0 ? 0 : 1 + k % 4))
                        .Ok());
    EXPECT_EQ(world::learquivotime(m.pasta / "teams/novato.b07")->cabecalho.valido, 1);
    const auto q = world::learquivotime(m.pasta / "teams/quase.b07");
    EXPECT_EQ(q->cabecalho.valido, 0);
    EXPECT_EQ(q->jogadores.nomes[10].view(), "Q10");
    EXPECT_EQ(q->jogadores.titulares[10], 0); // a new player is no regular starter
    EXPECT_TRUE(Incompleta(ed, Equipe::Clube(quase)));
    // Unless the form makes him one (+7 of strength in a game); the edit
    // form changes it both ways.
    DadosJogador forte = Jogador("Forte", 4);
    forte.titular = true;
    int vaga = -1;
    ASSERT_TRUE(AdicionarJogador(ed, Equipe::Clube(quase), forte, &vaga).Ok());
    EXPECT_EQ(world::learquivotime(m.pasta / "teams/quase.b07")->jogadores.titulares[vaga], 1);
    EXPECT_EQ(ContarTitulares(ed, Equipe::Clube(quase)), 1);
    DadosJogador q3 = DadosDoJogador(ed, Equipe::Clube(quase), 3);
    q3.titular = true;
    forte.titular = false;
    ASSERT_TRUE(EditarJogador(ed, Equipe::Clube(quase), 3, q3).Ok());
    ASSERT_TRUE(EditarJogador(ed, Equipe::Clube(quase), vaga, forte).Ok());
    const auto lidoq = world::learquivotime(m.pasta / "teams/quase.b07");
    const auto& t = lidoq->jogadores.titulares;
    EXPECT_EQ(std::pair(int{t[3]}, int{t[vaga]}), std::pair(1, 0));
    ASSERT_TRUE(ApagarJogador(ed, Equipe::Clube(quase), vaga).Ok());
    EXPECT_FALSE(Incompleta(ed, Equipe::Clube(novo)));

    world::Jogo jogo;
    competitions::OpcoesNovoJogo o;
    o.ligas = {29};
    o.paisprincipal = 29;
    o.divisoesde20 = true;
    jogo.gerador.Semear(3);
    const world::IndiceTimes indice = world::contatimes();
    EXPECT_EQ(world::UsaveisPorPais(indice)[29], 25);
    competitions::IniciarJogoDeClubes(jogo, indice, o);
    std::set<std::string> nomes;
    for (const auto& t : jogo.times) nomes.insert(t.nome.str());
    EXPECT_TRUE(nomes.count("Novato"));
    EXPECT_FALSE(nomes.count("Quase"));
}

TEST(Editor, DeletingAClubRemovesItsFileAndItStaysGoneOnReopening) {
    Mundo m;
    Editor ed = CarregarEditor();
    const int i = IndiceDoArquivo(ed, "Clube7");
    ASSERT_GE(i, 0);
    ASSERT_TRUE(ApagarClube(ed, i).Ok());
    EXPECT_FALSE(fs::exists(m.pasta / "teams/Clube7.b07"));
    EXPECT_EQ(IndiceDoArquivo(ed, "Clube7"), -1);
    EXPECT_EQ(ed.clubes.size(), 26u);
    const Editor outra = CarregarEditor();
    EXPECT_EQ(outra.clubes.size(), 26u);
    EXPECT_EQ(IndiceDoArquivo(outra, "Clube7"), -1);

    // A club whose file could not be written at all goes from the list alone;
    // a file that will not go keeps its row.
    fs::remove(m.pasta / "teams/Clube8.b07");
    EXPECT_TRUE(ApagarClube(ed, IndiceDoArquivo(ed, "Clube8")).Ok());
    const int teimoso = IndiceDoArquivo(ed, "Clube9");
    fs::remove(m.pasta / "teams/Clube9.b07");
    fs::create_directories(m.pasta / "teams/Clube9.b07/dentro");
    const Resultado r = ApagarClube(ed, teimoso);
    EXPECT_EQ(r.falha, Falha::Exclusao);
    EXPECT_NE(Mensagem(r).find("Clube9.b07"), std::string::npos);
    EXPECT_EQ(IndiceDoArquivo(ed, "Clube9"), teimoso);
}

TEST(Editor, AnInstalledWorldIsCopiedForThePlayerOnTheFirstChangeAndLeftAsShipped) {
    Mundo m;
    plataforma::PastasDoJogo().usuario = m.pasta / "usuario";
    const auto clube = Bytes(m.pasta / "teams/Clube3.b07");
    const auto selecao = Bytes(m.pasta / "teams/selecoes/29.s05");
    Editor ed = CarregarEditor();
    const int i = IndiceDoArquivo(ed, "Clube3");
    DadosClube d = DadosDoClube(ed, i);
    d.tecnico = "Outro";
    ASSERT_TRUE(EditarClube(ed, i, d).Ok());
    DadosSelecao s = DadosDaSelecao(ed, 29);
    s.nivel = 3;
    ASSERT_TRUE(EditarSelecao(ed, 29, s).Ok());
    ASSERT_TRUE(ApagarClube(ed, IndiceDoArquivo(ed, "Clube4")).Ok());

    EXPECT_EQ(Bytes(m.pasta / "teams/Clube3.b07"), clube);
    EXPECT_EQ(Bytes(m.pasta / "teams/selecoes/29.s05"), selecao);
    EXPECT_TRUE(fs::exists(m.pasta / "teams/Clube4.b07"));
    const Editor outra = CarregarEditor();
    EXPECT_EQ(outra.clubes[static_cast<std::size_t>(IndiceDoArquivo(outra, "Clube3"))].caminho,
              m.pasta / "usuario/teams/Clube3.b07");
    EXPECT_EQ(DadosDoClube(outra, IndiceDoArquivo(outra, "Clube3")).tecnico, "Outro");
    EXPECT_EQ(DadosDaSelecao(outra, 29).nivel, 3);
    EXPECT_EQ(IndiceDoArquivo(outra, "Clube4"), -1);
    EXPECT_EQ(outra.clubes.size(), 26u);
}

TEST(Editor, TransfersGoOnlyIntoAClubWithRoomAndLeaveThePlaceholder) {
    Mundo m;
    apoio::GravarTime(m.pasta, apoio::MontarTime(29, 10, "Cheio", 3, 22)); // 25 players
    Editor ed = CarregarEditor();
    const int de = IndiceDoArquivo(ed, "Clube1"), para = IndiceDoArquivo(ed, "Clube2"),
              cheio = IndiceDoArquivo(ed, "Cheio");
    ASSERT_FALSE(PodeReceber(ed, cheio));
    ASSERT_TRUE(PodeReceber(ed, para));
    const auto cheioAntes = Bytes(m.pasta / "teams/Cheio.b07");
    const auto deAntes = Bytes(m.pasta / "teams/Clube1.b07");
    EXPECT_EQ(TransferirJogador(ed, de, 0, cheio).falha, Falha::TimeCheio);
    EXPECT_EQ(Bytes(m.pasta / "teams/Cheio.b07"), cheioAntes);
    EXPECT_EQ(Bytes(m.pasta / "teams/Clube1.b07"), deAntes);
    // The form's add refuses a full club in its own words.
    EXPECT_EQ(AdicionarJogador(ed, Equipe::Clube(cheio), Jogador("Mais um", 3)).falha,
              Falha::TimeCheio);
    EXPECT_EQ(Mensagem({Falha::TimeCheio, {}}), "Voc\xea j\xe1 tem 25 jogadores no time");

    // Slot 0 of Clube1: its first goalkeeper, a regular starter and a star.
    ed.clubes[static_cast<std::size_t>(de)].arquivo.jogadores.estrelas[0] = 1;
    const DadosJogador quem = DadosDoJogador(ed, Equipe::Clube(de), 0);
    const int naOrigem = ContarJogadores(ed, Equipe::Clube(de));
    const int noDestino = ContarJogadores(ed, Equipe::Clube(para));
    ASSERT_TRUE(TransferirJogador(ed, de, 0, para).Ok());

    const auto origem = world::learquivotime(m.pasta / "teams/Clube1.b07");
    const auto destino = world::learquivotime(m.pasta / "teams/Clube2.b07");
    EXPECT_EQ(origem->jogadores.nomes[0].view(), world::kNomeVazio); // not an empty name
    int k = -1;
    for (int s = 0; s < world::kVagasTime; ++s)
        if (destino->jogadores.nomes[s].view() == quem.nome) k = s;
    ASSERT_GE(k, 0);
    EXPECT_EQ(destino->jogadores.posicoes[k], quem.posicao);
    EXPECT_EQ(destino->jogadores.idades[k], quem.idade);
    EXPECT_EQ(destino->jogadores.paises[k], quem.pais);
    EXPECT_EQ(destino->jogadores.caract1[k], quem.caract1);
    EXPECT_EQ(destino->jogadores.caract2[k], quem.caract2);
    EXPECT_EQ(destino->jogadores.estrelas[k], 1);
    EXPECT_EQ(destino->jogadores.titulares[k], 0);
    EXPECT_EQ(ContarJogadores(ed, Equipe::Clube(de)), naOrigem - 1);
    EXPECT_EQ(ContarJogadores(ed, Equipe::Clube(para)), noDestino + 1);

    // Deleting a player leaves the placeholder as well.
    ASSERT_TRUE(ApagarJogador(ed, Equipe::Clube(de), 1).Ok());
    EXPECT_EQ(world::learquivotime(m.pasta / "teams/Clube1.b07")->jogadores.nomes[1].view(),
              world::kNomeVazio);
}

TEST(Editor, NationalTeamsTheirCounterAndAClubPlayerDraggedIn) {
    Mundo m;
    Editor ed = CarregarEditor();
    ASSERT_TRUE(TemSelecao(ed, 29));
    ASSERT_FALSE(TemSelecao(ed, 46));

    DadosSelecao nova;
    nova.pais = 46;
    nova.tecnico = "Tecnico da 46";
    nova.escudo = "band46";
    ASSERT_TRUE(AdicionarSelecao(ed, nova).Ok());
    auto lida = world::LerArquivoSelecao(m.pasta / "teams/selecoes/46.s05");
    ASSERT_TRUE(lida);
    EXPECT_EQ(lida->pais, 46);
    EXPECT_EQ(lida->nivel, kNivelSelecaoPadrao);
    EXPECT_EQ(lida->numjogadores, 0);
    EXPECT_EQ(lida->escudo.view(), "band46");
    EXPECT_EQ(lida->completo, 0);
    EXPECT_TRUE(Incompleta(ed, Equipe::Selecao(46)));

    // The form's adds count in the team's counter, deletes count out; 25
    // listed players is the form's limit.
    const Equipe e = Equipe::Selecao(46);
    for (int k = 0; k < 25; ++k)
        ASSERT_TRUE(
            AdicionarJogador(ed, e, Jogador("S" + std::to_string(k), k < 2 ? 0 : 1 + k % 4)).Ok());
    EXPECT_EQ(AdicionarJogador(ed, e, Jogador("Demais", 3)).falha, Falha::TimeCheio);
    EXPECT_EQ(ed.selecoes[46]->registro.numjogadores, 25);
    ASSERT_TRUE(ApagarJogador(ed, e, 3).Ok());
    lida = world::LerArquivoSelecao(m.pasta / "teams/selecoes/46.s05");
    EXPECT_EQ(lida->numjogadores, 24);
    EXPECT_EQ(lida->completo, 1);
    EXPECT_FALSE(Incompleta(ed, Equipe::Selecao(46)));
    EXPECT_EQ(lida->nomes[3].view(), world::kNomeVazio);

    // The next new game's national teams read it.
    world::Jogo jogo;
    world::carregaselecoes(jogo);
    EXPECT_TRUE(
        std::any_of(jogo.selecoes.begin(), jogo.selecoes.end(), [](const world::TSelecao& s) {
            return s.pais == 46 && s.completo == 1 && s.tecnico.view() == "Tecnico da 46";
        }));
    // And its draw puts it on the pitch: a first-season Copa America (46 is
    // in every group set), the other countries' teams made up here.
    jogo.estado.temporada = 1;
    jogo.estado.divisoesporliga = 2;
    jogo.estado.copaamerica = 1;
    for (int pais : {151, 26, 198, 131, 195, 60, 150, 51, 42, 68})
        if (std::none_of(jogo.selecoes.begin(), jogo.selecoes.end(),
                         [&](const world::TSelecao& x) { return x.pais == pais; })) {
            world::TSelecao x = world::NovaSelecao(pais);
            x.nivel = 10;
            jogo.selecoes.push_back(x);
        }
    competitions::MontarCalendario(jogo);
    competitions::PrepararTorneioDaTemporada(jogo);
    ASSERT_TRUE(competitions::TorneioEmCurso(jogo));
    int colombia = -1;
    for (int c = jogo.estado.torneio.numtimes; c < static_cast<int>(jogo.times.size()); ++c)
        if (jogo.times[c].pais == 46) colombia = c;
    ASSERT_GE(colombia, 0);
    EXPECT_EQ(jogo.times[colombia].nivel, kNivelSelecaoPadrao);
    EXPECT_EQ(jogo.times[colombia].escudo.view(), "band46");
    EXPECT_EQ(jogo.times[colombia].elenco, 24); // the file's named players

    // Dragging: a player of country 11 goes to national team 11.
    const int fora = IndiceDoArquivo(ed, "Fora0");
    const DadosJogador quem = DadosDoJogador(ed, Equipe::Clube(fora), 2);
    ASSERT_EQ(quem.pais, 11);
    ASSERT_TRUE(CopiarParaSelecao(ed, fora, 2).Ok());
    lida = world::LerArquivoSelecao(m.pasta / "teams/selecoes/11.s05");
    EXPECT_EQ(lida->numjogadores, 21);
    EXPECT_EQ(lida->nomes[20].view(), quem.nome);
    EXPECT_EQ(lida->posicoes[20], quem.posicao);
    EXPECT_EQ(lida->caract1s[20], quem.caract1);
    EXPECT_EQ(lida->titulares[20], 0);
    EXPECT_EQ(ContarJogadores(ed, Equipe::Clube(fora)), 18); // a copy: the club keeps him
    EXPECT_EQ(CopiarParaSelecao(ed, fora, 2).falha, Falha::JaNaSelecao);

    // No national team of his country; a counter past 27; no room at all.
    ed.clubes[static_cast<std::size_t>(fora)].arquivo.jogadores.paises[3] = 150;
    EXPECT_EQ(CopiarParaSelecao(ed, fora, 3).falha, Falha::SemSelecao);
    ed.selecoes[11]->registro.numjogadores = 28;
    EXPECT_EQ(CopiarParaSelecao(ed, fora, 4).falha, Falha::ContadorCheio);
    ed.selecoes[11]->registro.numjogadores = 27; // at most 27: still taken
    ASSERT_TRUE(CopiarParaSelecao(ed, fora, 4).Ok());
    EXPECT_EQ(ed.selecoes[11]->registro.numjogadores, 28);
    EXPECT_EQ(CopiarParaSelecao(ed, fora, 5).falha, Falha::ContadorCheio);
    // A counter that says little while the 28 slots are full: no slot, no copy.
    ed.selecoes[11]->registro.numjogadores = 0;
    for (int s = 5; s < 11; ++s) ASSERT_TRUE(CopiarParaSelecao(ed, fora, s).Ok()) << s;
    EXPECT_EQ(ContarJogadores(ed, Equipe::Selecao(11)), world::kVagasSelecao);
    EXPECT_EQ(CopiarParaSelecao(ed, fora, 11).falha, Falha::SemVaga);
}

TEST(Editor, ATeamFileNamedByHandIsWrittenBackWhereItWasRead) {
    Mundo m;
    // Country 29's team lives in "brasil.s05"; "150.s05" holds country 60.
    fs::rename(m.pasta / "teams/selecoes/29.s05", m.pasta / "teams/selecoes/brasil.s05");
    world::TSelecao outra = world::NovaSelecao(60);
    outra.tecnico = "Treinador 60";
    world::GravarArquivoSelecao(m.pasta / "teams/selecoes/150.s05", outra);
    // A club file renamed by hand keeps its new name.
    fs::rename(m.pasta / "teams/Clube3.b07", m.pasta / "teams/Renomeado.b07");

    Editor ed = CarregarEditor();
    DadosSelecao d = DadosDaSelecao(ed, 29);
    d.nivel = 21;
    ASSERT_TRUE(EditarSelecao(ed, 29, d).Ok());
    EXPECT_FALSE(fs::exists(m.pasta / "teams/selecoes/29.s05"));
    EXPECT_EQ(world::LerArquivoSelecao(m.pasta / "teams/selecoes/brasil.s05")->nivel, 21);

    DadosSelecao nova;
    nova.pais = 150;
    nova.tecnico = "Novo";
    ASSERT_TRUE(AdicionarSelecao(ed, nova).Ok());
    EXPECT_EQ(world::LerArquivoSelecao(m.pasta / "teams/selecoes/150.s05")->pais, 60);
    EXPECT_EQ(world::LerArquivoSelecao(m.pasta / "teams/selecoes/150_2.s05")->pais, 150);

    const int i = IndiceDoArquivo(ed, "Renomeado");
    ASSERT_GE(i, 0);
    ASSERT_TRUE(AdicionarJogador(ed, Equipe::Clube(i), Jogador("Reforco", 3)).Ok());
    EXPECT_FALSE(fs::exists(m.pasta / "teams/Clube3.b07"));
    EXPECT_EQ(world::learquivotime(m.pasta / "teams/Renomeado.b07")->cabecalho.arquivo.view(),
              "Renomeado");
}

TEST(Editor, UntouchedFormsKeepEveryByteOtherToolsWrote) {
    apoio::PastaTemporaria pasta;
    // A club with bytes our own writer never leaves: text after the names,
    // padding, a star byte of 2, a level and a characteristic out of range.
    world::ArquivoTime a = apoio::MontarTime(29, 10, "Estranho", 2, 16);
    auto& c = a.cabecalho;
    c.versao = 7;
    c.nivel = 31;
    c.nome.dados[20] = 'X';
    c.estadio.dados[29] = '\x7f';
    c.zero165[1] = 9;
    c.zero177[2] = 4;
    c.estado = 40;
    a.jogadores.nomes[3].dados[30] = 'q';
    a.jogadores.estrelas[3] = 2;
    a.jogadores.caract1[3] = 17;
    a.jogadores.idades[3] = 70;
    apoio::GravarTime(pasta, a);
    // A national team likewise: a wrong continent, padding, a long coach.
    fs::create_directories(pasta / "teams/selecoes");
    world::TSelecao s = world::NovaSelecao(29);
    s.continente = 3;
    s.pad77[0] = 5;
    s.tecnico.set("Um Tecnico Com Nome Bem Comprido"); // 32 characters
    s.nivel = 0;
    s.nomes[0] = "Goleiro";
    s.estrelas[0] = 3;
    s.idades[0] = 99;
    s.numjogadores = -4;
    s.completo = world::SelecaoCompleta(s) ? 1 : 0;
    world::GravarArquivoSelecao(pasta / "teams/selecoes/29.s05", s);
    const auto clube = pasta.Ler("teams/Estranho.b07");
    const auto selecao = pasta.Ler("teams/selecoes/29.s05");

    Editor ed = CarregarEditor();
    ASSERT_EQ(ed.clubes.size(), 1u);
    ASSERT_TRUE(EditarClube(ed, 0, DadosDoClube(ed, 0)).Ok());
    EXPECT_EQ(pasta.Ler("teams/Estranho.b07"), clube);
    ASSERT_TRUE(
        EditarJogador(ed, Equipe::Clube(0), 3, DadosDoJogador(ed, Equipe::Clube(0), 3)).Ok());
    EXPECT_EQ(pasta.Ler("teams/Estranho.b07"), clube);
    ASSERT_TRUE(EditarSelecao(ed, 29, DadosDaSelecao(ed, 29)).Ok());
    ASSERT_TRUE(
        EditarJogador(ed, Equipe::Selecao(29), 0, DadosDoJogador(ed, Equipe::Selecao(29), 0)).Ok());
    EXPECT_EQ(pasta.Ler("teams/selecoes/29.s05"), selecao);

    // A change touches its own field only, and keeps values in range.
    DadosClube d = DadosDoClube(ed, 0);
    d.nivel = 40;
    d.nome = "Estranho";
    ASSERT_TRUE(EditarClube(ed, 0, d).Ok());
    const auto depois = pasta.Ler("teams/Estranho.b07");
    EXPECT_EQ(depois[4 + 3], 25);
    EXPECT_EQ(depois[4 + 4 + 1 + 20], 'X'); // the name is the same: its slot untouched
    EXPECT_EQ(depois[4 + 176], 40);         // the state was not changed
}

TEST(Editor, AFileThatCannotBeWrittenIsNamedAndTheChangeStays) {
    Mundo m;
    Editor ed = CarregarEditor();
    const int i = IndiceDoArquivo(ed, "Clube4");
    // The file is replaced by a folder of the same name: nothing can go there,
    // whoever runs the test.
    fs::remove(m.pasta / "teams/Clube4.b07");
    fs::create_directories(m.pasta / "teams/Clube4.b07/x");
    DadosJogador d = DadosDoJogador(ed, Equipe::Clube(i), 0);
    d.nome = "Renomeado";
    const Resultado r = EditarJogador(ed, Equipe::Clube(i), 0, d);
    EXPECT_EQ(r.falha, Falha::Gravacao);
    EXPECT_TRUE(r.Alterou());
    EXPECT_NE(Mensagem(r).find("Clube4.b07"), std::string::npos);
    EXPECT_EQ(DadosDoJogador(ed, Equipe::Clube(i), 0).nome, "Renomeado");

    // A transfer into it keeps the player in his old club's file.
    const int de = IndiceDoArquivo(ed, "Clube5");
    const auto antes = Bytes(m.pasta / "teams/Clube5.b07");
    const Resultado t = TransferirJogador(ed, de, 2, i);
    EXPECT_EQ(t.falha, Falha::Gravacao);
    EXPECT_EQ(Bytes(m.pasta / "teams/Clube5.b07"), antes);

    // Other clubs are written as usual.
    EXPECT_TRUE(
        AdicionarJogador(ed, Equipe::Clube(IndiceDoArquivo(ed, "Clube6")), Jogador("Outro", 2))
            .Ok());

    // A national team's folder that cannot be written.
    fs::remove(m.pasta / "teams/selecoes/11.s05");
    fs::create_directories(m.pasta / "teams/selecoes/11.s05/x");
    DadosSelecao s = DadosDaSelecao(ed, 11);
    s.tecnico = "Outro Tecnico";
    const Resultado rs = EditarSelecao(ed, 11, s);
    EXPECT_EQ(rs.falha, Falha::Gravacao);
    EXPECT_NE(Mensagem(rs).find("11.s05"), std::string::npos);
    EXPECT_EQ(ed.selecoes[11]->registro.tecnico.view(), "Outro Tecnico");
}

#ifdef PITCHLORD_JOGO
namespace {

// The default world of the build as the data root while it lives: read only.
struct MundoPadrao {
    fs::path anterior = plataforma::PastasDoJogo().raiz;
    MundoPadrao() { plataforma::DefinirRaiz(PITCHLORD_JOGO); }
    ~MundoPadrao() { plataforma::DefinirRaiz(anterior); }
};

} // namespace

// Every club and national-team file of the default world, saved without a
// change, would keep its bytes, but for the few made odd on purpose.
TEST(Editor, EveryFileOfTheDefaultWorldWouldSaveBackByteForByte) {
    std::set<std::string> mudariam;
    int selecoes = 0;
    {
        MundoPadrao padrao;
        const Editor ed = CarregarEditor();
        ASSERT_GT(ed.clubes.size(), 1000u);
        for (int i = 0; i < static_cast<int>(ed.clubes.size()); ++i) {
            const fs::path& p = ed.clubes[static_cast<std::size_t>(i)].caminho;
            if (BytesDoClube(ed, i) != Bytes(p)) mudariam.insert(p.filename().string());
        }
        for (int p = 0; p < world::kNumPaises; ++p) {
            if (!ed.selecoes[p]) continue;
            EXPECT_EQ(BytesDaSelecao(ed, p), Bytes(ed.selecoes[p]->caminho)) << p;
            ++selecoes;
        }
    }
    EXPECT_GT(selecoes, 50);
    // Stored names that are not the file's, a flag that lies, an old version,
    // a file cut short.
    EXPECT_EQ(mudariam,
              (std::set<std::string>{"zz_incompleto.b07", "zz_invalido.b07", "zz_semnome.b07",
                                     "zz_truncado.b07", "zz_versao5.b07"}));
}

// A sample of them through the forms' path, written for real on a copy.
TEST(Editor, DefaultWorldFilesThroughUntouchedFormsKeepTheirBytes) {
    apoio::PastaTemporaria pasta;
    const fs::path origem = fs::path(PITCHLORD_JOGO) / "teams";
    fs::create_directories(pasta / "teams/selecoes");
    const auto nomes = plataforma::ListarArquivos(origem, "*.b07");
    for (std::size_t i = 0; i < nomes.size(); i += 150)
        if (nomes[i].rfind("zz_", 0) != 0)
            fs::copy_file(origem / nomes[i], pasta / "teams" / nomes[i]);
    for (const auto& e : fs::directory_iterator(origem / "selecoes"))
        if (e.path().extension() == ".s05")
            fs::copy_file(e.path(), pasta / "teams/selecoes" / e.path().filename());

    Editor ed = CarregarEditor();
    ASSERT_GE(ed.clubes.size(), 7u);
    for (int i = 0; i < static_cast<int>(ed.clubes.size()); ++i) {
        const fs::path p = ed.clubes[static_cast<std::size_t>(i)].caminho;
        const auto antes = Bytes(p);
        ASSERT_TRUE(EditarClube(ed, i, DadosDoClube(ed, i)).Ok()) << p;
        for (const LinhaJogador& l : JogadoresDe(ed, Equipe::Clube(i)))
            ASSERT_TRUE(EditarJogador(ed, Equipe::Clube(i), l.vaga, l.dados).Ok());
        EXPECT_EQ(Bytes(p), antes) << p;
    }
    for (int p : {29, 11, 60})
        if (TemSelecao(ed, p)) {
            const auto antes = Bytes(ed.selecoes[p]->caminho);
            ASSERT_TRUE(EditarSelecao(ed, p, DadosDaSelecao(ed, p)).Ok());
            for (const LinhaJogador& l : JogadoresDe(ed, Equipe::Selecao(p)))
                ASSERT_TRUE(EditarJogador(ed, Equipe::Selecao(p), l.vaga, l.dados).Ok());
            EXPECT_EQ(Bytes(ed.selecoes[p]->caminho), antes) << p;
        }
}
#endif
