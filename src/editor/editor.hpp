#pragma once
// The team editor: every club file and national-team file of the data folder
// in memory, and the changes made to them. Every change is written to its file
// at once; there is no separate save and no undo. When a file cannot be
// written the change stays in memory and the caller is told which file.
//
// Texts typed by the user arrive here in Windows-1252, as the files keep them.
#include "world/arquivotime.hpp"
#include "world/paises.hpp"
#include "world/registros.hpp"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace editor {

using world::i32;

// Listed players a club or a national team may have through the player form.
constexpr int kLimiteJogadores = 25;
// A national team takes a dragged club player while its counter of added
// players is at most this.
constexpr int kLimiteContador = 27;
using world::kNivelMaximo;
constexpr int kNivelSelecaoPadrao = 15;
constexpr int kEstados = 27; // state numbers 0..26

struct ClubeEditor {
    world::ArquivoTime arquivo;
    // The file it was read from (or created as): where every change goes, so
    // a name too long for the header or cased differently is kept.
    std::filesystem::path caminho;
};

struct SelecaoEditor {
    world::TSelecao registro;
    std::filesystem::path caminho;
};

struct Editor {
    std::vector<ClubeEditor> clubes; // in the order the folder lists the files
    // One slot per country code; a slot whose coach is empty holds no team.
    std::array<std::optional<SelecaoEditor>, world::kNumPaises> selecoes;
};

// The club files of teams/ (names as the folder lists them).
std::vector<std::string> ArquivosDeClubes();
// Reads every club file, reporting after each (lidos, total), then every
// national-team file. A file that cannot be read at all (a folder) is left out.
Editor CarregarEditor(const std::function<void(int lidos, int total)>& progresso = {});

// A team of the editor: a club (its index in clubes) or a national team (its
// country code).
struct Equipe {
    bool selecao = false;
    int indice = -1;
    static Equipe Clube(int i) { return {false, i}; }
    static Equipe Selecao(int pais) { return {true, pais}; }
};
bool Existe(const Editor& ed, Equipe e);
bool TemSelecao(const Editor& ed, int pais);
// A team the game will not take as it stands: its stored flag says
// incomplete, or its squad is (the next save will store that).
bool Incompleta(const Editor& ed, Equipe e);

enum class Falha {
    Nenhuma,
    NomeCompleto, // required fields of the club form, in the order they are asked
    NomeCurto,
    Tecnico,
    Estadio,
    NomeArquivo,
    ArquivoInvalido, // a file name the folder cannot hold
    ArquivoExiste,
    SelecaoExiste,
    NomeJogador,
    TimeCheio,     // already 25 listed players
    SemVaga,       // no free slot at all
    SemSelecao,    // the player's country has no national team
    ContadorCheio, // the national team's counter is past the limit
    JaNaSelecao,   // the same player is there already
    EquipeInvalida,
    Gravacao, // the change is kept in memory; `arquivo` names the file
    Exclusao, // the club file could not be deleted; the club stays
};

struct Resultado {
    Falha falha = Falha::Nenhuma;
    std::string arquivo; // the file that could not be written or deleted
    bool Ok() const { return falha == Falha::Nenhuma; }
    // The team (or player) was changed in memory, written or not.
    bool Alterou() const { return Ok() || falha == Falha::Gravacao; }
};

// What to tell the user (Windows-1252).
std::string Mensagem(const Resultado& r);

// --- clubs -----------------------------------------------------------------

struct DadosClube {
    std::string nomecompleto, nome, tecnico, estadio, arquivo, escudo;
    int pais = 0;
    int nivel = 0;
    i32 corfundo = 0xFFFFFF;
    i32 cortexto = 0;
    int estado = 0;
};
DadosClube DadosDoClube(const Editor& ed, int clube);

// Checks the required fields (and, on adding, the file name) in the order the
// form asks them.
Falha ValidarClube(const DadosClube& d, bool novo);
// The new club is appended to the list; `indice` receives its position.
Resultado AdicionarClube(Editor& ed, const DadosClube& d, int* indice = nullptr);
// Every field but the file name; fields that did not change keep their bytes.
Resultado EditarClube(Editor& ed, int clube, const DadosClube& d);
// Deletes the file and the row.
Resultado ApagarClube(Editor& ed, int clube);
// Writes the club's file as it stands (version 7, completeness recomputed).
Resultado SalvarClube(Editor& ed, int clube);
// The bytes that writing it would put in the file.
std::vector<std::uint8_t> BytesDoClube(const Editor& ed, int clube);

// --- national teams ----------------------------------------------------------

struct DadosSelecao {
    int pais = 0;
    std::string tecnico, escudo;
    int nivel = kNivelSelecaoPadrao;
    i32 corfundo = 0xFFFFFF;
    i32 cortexto = 0;
};
DadosSelecao DadosDaSelecao(const Editor& ed, int pais);

Resultado AdicionarSelecao(Editor& ed, const DadosSelecao& d);
// Coach, level, colours and badge; the country stays.
Resultado EditarSelecao(Editor& ed, int pais, const DadosSelecao& d);
Resultado SalvarSelecao(Editor& ed, int pais);
std::vector<std::uint8_t> BytesDaSelecao(const Editor& ed, int pais);

// --- players -----------------------------------------------------------------

struct DadosJogador {
    std::string nome;
    int posicao = 0;
    int pais = 0; // clubs only: a national team's players are of its country
    int idade = 25;
    bool estrela = false;
    int caract1 = 0;
    int caract2 = 0;
    // A regular starter. With the star it is what a file says of a player's
    // strength: the game gives each +7 over the club's base.
    bool titular = false;
};

// One named slot of a team, as the editor lists it.
struct LinhaJogador {
    int vaga = -1;
    DadosJogador dados;
    bool titular = false;
};
// The named slots grouped by position 0..4 (slot order within a position;
// out-of-range positions last).
std::vector<LinhaJogador> JogadoresDe(const Editor& ed, Equipe e);
int ContarJogadores(const Editor& ed, Equipe e);
int ContarTitulares(const Editor& ed, Equipe e);
DadosJogador DadosDoJogador(const Editor& ed, Equipe e, int vaga);
bool VagaOcupada(const Editor& ed, Equipe e, int vaga);
// The codes the characteristic lists offer for a position: 0..3 for a
// goalkeeper, 4..13 for the others.
std::vector<int> CaracteristicasDaPosicao(int posicao);
// Whether the team can take one more player through the form.
bool PodeAdicionar(const Editor& ed, Equipe e);
// Whether a club can take a transferred player: fewer than 25 named players.
bool PodeReceber(const Editor& ed, int clube);

// Takes the first free slot, a regular starter only when `d` says so;
// `vaga` receives it.
Resultado AdicionarJogador(Editor& ed, Equipe e, const DadosJogador& d, int* vaga = nullptr);
// Fields that did not change keep their bytes.
Resultado EditarJogador(Editor& ed, Equipe e, int vaga, const DadosJogador& d);
// The slot becomes the placeholder.
Resultado ApagarJogador(Editor& ed, Equipe e, int vaga);
// Moves a club player into the first free slot of another club (not a
// regular starter there): the target is written first, then the source slot becomes the placeholder
// and is written.
Resultado TransferirJogador(Editor& ed, int origem, int vaga, int destino);
// Copies a club player into the national team of his nationality.
Resultado CopiarParaSelecao(Editor& ed, int clube, int vaga);

} // namespace editor
