#include "world/arquivotime.hpp"

#include "plataforma/arquivos.hpp"
#include "plataforma/bytes.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/cp1252.hpp"

#include <algorithm>
#include <cstring>

namespace world {

bool VagaVazia(const ShortString<35>& nome) {
    return nome.empty() || nome.view() == kNomeVazio;
}

ArquivoTime NovoArquivoTime() {
    ArquivoTime a;
    std::memset(&a, 0, sizeof a);
    a.cabecalho.versao = 7;
    for (auto& n : a.jogadores.nomes) n.set(kNomeVazio);
    return a;
}

bool TimeCompleto(const TBlocoJogadores& b) {
    int goleiros = 0, linha = 0;
    for (int k = 0; k < kVagasTime; ++k) {
        if (VagaVazia(b.nomes[k])) continue;
        if (b.posicoes[k] == 0)
            ++goleiros;
        else if (b.posicoes[k] <= 4)
            ++linha;
    }
    return goleiros >= 1 && linha > 10;
}

bool CabecalhoUsavel(const TCabecalhoTime& c) {
    return c.valido != 0 && (c.versao == 6 || c.versao == 7) && !c.nome.empty();
}

ArquivoTime ArquivoTimeDeBytes(std::span<const std::uint8_t> dados) {
    plataforma::LeitorBytes l(dados.first(std::min(dados.size(), kTamanhoArquivoTime)));
    ArquivoTime a;
    a.bytes = static_cast<std::uint32_t>(std::min(dados.size(), kTamanhoArquivoTime));
    l.LerI32();
    l.LerRegistro(a.cabecalho);
    l.LerI32();
    l.LerRegistro(a.jogadores);
    return a;
}

std::optional<ArquivoTime> learquivotime(const std::filesystem::path& caminho) {
    const auto dados = plataforma::LerArquivo(caminho, kTamanhoArquivoTime);
    if (!dados) return std::nullopt;
    return ArquivoTimeDeBytes(*dados);
}

std::optional<TCabecalhoTime> LerCabecalhoTime(const std::filesystem::path& caminho) {
    const auto dados = plataforma::LerArquivo(caminho, 4 + sizeof(TCabecalhoTime));
    if (!dados) return std::nullopt;
    plataforma::LeitorBytes l(*dados);
    TCabecalhoTime c;
    l.LerI32();
    l.LerRegistro(c);
    return c;
}

std::vector<std::uint8_t> BytesArquivoTime(const TCabecalhoTime& cabecalho,
                                           const TBlocoJogadores& bloco) {
    plataforma::EscritorBytes e;
    e.EscreverI32(1);
    e.EscreverRegistro(cabecalho);
    e.EscreverI32(1);
    e.EscreverRegistro(bloco);
    return std::move(e.Dados());
}

bool gravaarquivotime(const std::filesystem::path& caminho, const TCabecalhoTime& cabecalho,
                      const TBlocoJogadores& bloco) {
    return plataforma::GravarArquivoAtomico(caminho, BytesArquivoTime(cabecalho, bloco));
}

void PrepararParaSalvar(ArquivoTime& arquivo) {
    arquivo.cabecalho.versao = 7;
    arquivo.cabecalho.valido = TimeCompleto(arquivo.jogadores) ? 1 : 0;
}

bool SalvarTimeEm(ArquivoTime& arquivo, const std::filesystem::path& caminho) {
    PrepararParaSalvar(arquivo);
    return gravaarquivotime(caminho, arquivo.cabecalho, arquivo.jogadores);
}

bool SalvarTime(ArquivoTime& arquivo) {
    const std::string nome = plataforma::Cp1252ParaUtf8(arquivo.cabecalho.arquivo.view());
    if (nome.empty() || nome.find('/') != std::string::npos ||
        nome.find('\\') != std::string::npos || nome == "." || nome == "..")
        return false;
    return SalvarTimeEm(arquivo, plataforma::Resolver("teams\\" + nome + ".b07"));
}

} // namespace world
