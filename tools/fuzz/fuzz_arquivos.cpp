// Club and national-team files from any bytes: the first club-file length of
// the input is a club file, the rest a national-team file. Both read, write
// back to the bytes they came from, and a national team put on the pitch
// from any record gets players whose fields the match reads as indices
// (position, role, characteristics) stay inside their tables.
#include "world/arquivotime.hpp"
#include "world/jogo.hpp"
#include "world/selecoes.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::span<const std::uint8_t> tudo(dados, tamanho);
    const std::size_t corte = std::min(tamanho, world::kTamanhoArquivoTime);
    const world::ArquivoTime a = world::ArquivoTimeDeBytes(tudo.first(corte));
    (void)world::CabecalhoUsavel(a.cabecalho);
    (void)world::TimeCompleto(a.jogadores);
    if (corte == world::kTamanhoArquivoTime) {
        const auto escrito = world::BytesArquivoTime(a.cabecalho, a.jogadores);
        // The markers are written as 1 whatever they held; the records as read.
        if (!std::equal(escrito.begin() + 4, escrito.begin() + 184, dados + 4) ||
            !std::equal(escrito.begin() + 188, escrito.end(), dados + 188))
            __builtin_trap();
    }

    const world::TSelecao s = world::SelecaoDeBytes(tudo.subspan(corte));
    world::Jogo jogo;
    jogo.selecoes.push_back(s);
    const int c = world::SelecaoParaTime(jogo, 0, 39100);
    if (c != 0) __builtin_trap();
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const world::TJogador& j = jogo.jogadores[i];
        if (j.posicao < 0 || j.posicao > 4 || j.posicaoatual != j.posicao || j.funcao < 0 ||
            j.funcao > 2 || j.caract1 < 0 || j.caract1 > 13 || j.caract2 < 0 || j.caract2 > 13 ||
            j.time != c)
            __builtin_trap();
    }
    return 0;
}
