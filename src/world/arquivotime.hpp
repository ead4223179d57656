#pragma once
// The club file, teams/<arquivo>.b07: i32 1, a 180-byte header, i32 1, and a
// 1075-byte player block of 25 slots stored column by column.
#include "world/registros.hpp"

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace world {

struct TCabecalhoTime {
    u8 pais;
    u8 valido;
    u8 versao;
    u8 nivel;
    ShortString<25> nome;
    ShortString<25> nomecompleto;
    ShortString<30> estadio;
    ShortString<25> arquivo;
    ShortString<25> escudo;
    ShortString<25> tecnico;
    u8 zero165[3];
    i32 corfundo;
    i32 cortexto;
    u8 estado;
    u8 zero177[3];
};
static_assert(sizeof(TCabecalhoTime) == 180);
PL_CAMPO(TCabecalhoTime, nivel, 3);
PL_CAMPO(TCabecalhoTime, nome, 4);
PL_CAMPO(TCabecalhoTime, nomecompleto, 30);
PL_CAMPO(TCabecalhoTime, estadio, 56);
PL_CAMPO(TCabecalhoTime, arquivo, 87);
PL_CAMPO(TCabecalhoTime, escudo, 113);
PL_CAMPO(TCabecalhoTime, tecnico, 139);
PL_CAMPO(TCabecalhoTime, corfundo, 168);
PL_CAMPO(TCabecalhoTime, cortexto, 172);
PL_CAMPO(TCabecalhoTime, estado, 176);

constexpr int kVagasTime = 25;
struct TBlocoJogadores {
    ShortString<35> nomes[kVagasTime];
    u8 estrelas[kVagasTime];
    u8 paises[kVagasTime];
    u8 idades[kVagasTime];
    u8 posicoes[kVagasTime];
    u8 titulares[kVagasTime];
    u8 caract1[kVagasTime];
    u8 caract2[kVagasTime];
};
static_assert(sizeof(TBlocoJogadores) == 1075);
PL_CAMPO(TBlocoJogadores, estrelas, 900);
PL_CAMPO(TBlocoJogadores, paises, 925);
PL_CAMPO(TBlocoJogadores, idades, 950);
PL_CAMPO(TBlocoJogadores, posicoes, 975);
PL_CAMPO(TBlocoJogadores, titulares, 1000);
PL_CAMPO(TBlocoJogadores, caract1, 1025);
PL_CAMPO(TBlocoJogadores, caract2, 1050);

constexpr std::size_t kTamanhoArquivoTime = 4 + 180 + 4 + 1075;

// The name of an empty slot: length 5, "nome" and the byte F8.
constexpr std::string_view kNomeVazio{"nome\xf8", 5};
bool VagaVazia(const ShortString<35>& nome);

struct ArquivoTime {
    TCabecalhoTime cabecalho;
    TBlocoJogadores jogadores;
    std::uint32_t bytes; // how many bytes the file held (not written)
    bool CabecalhoInteiro() const { return bytes >= 4 + sizeof(TCabecalhoTime); }
};

// A new club: zero header, version 7, every slot holding the placeholder.
ArquivoTime NovoArquivoTime();
// At least one goalkeeper and more than 10 outfield players among the named slots.
bool TimeCompleto(const TBlocoJogadores& b);
// valido set, version 6 or 7, and (for a league or an extra club) a name.
bool CabecalhoUsavel(const TCabecalhoTime& c);

// A club file's bytes as read: missing bytes are zero, bytes past the layout
// ignored.
ArquivoTime ArquivoTimeDeBytes(std::span<const std::uint8_t> dados);
// Reads marker, header, marker and block; missing bytes are zero. Nothing for
// a file that does not exist or cannot be read (a folder, no permission).
std::optional<ArquivoTime> learquivotime(const std::filesystem::path& caminho);
// Header only (the setup scan reads no further).
std::optional<TCabecalhoTime> LerCabecalhoTime(const std::filesystem::path& caminho);
// The file's bytes: marker, header, marker, block.
std::vector<std::uint8_t> BytesArquivoTime(const TCabecalhoTime& cabecalho,
                                           const TBlocoJogadores& bloco);
// Writes the layout exactly; the caller sets version and validity (SalvarTime).
bool gravaarquivotime(const std::filesystem::path& caminho, const TCabecalhoTime& cabecalho,
                      const TBlocoJogadores& bloco);
// What the editor does to a club before writing it: version 7, validity
// recomputed from the squad.
void PrepararParaSalvar(ArquivoTime& arquivo);
// What the editor does on saving: version 7, validity recomputed, written as
// teams/<arquivo>.b07 under the data root. Returns false if the write failed.
bool SalvarTime(ArquivoTime& arquivo);
// The same into a given file (the editor writes a club back where it read it).
bool SalvarTimeEm(ArquivoTime& arquivo, const std::filesystem::path& caminho);

} // namespace world
