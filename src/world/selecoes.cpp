#include "world/selecoes.hpp"

#include "plataforma/arquivos.hpp"
#include "plataforma/bytes.hpp"
#include "plataforma/caminhos.hpp"
#include "world/arquivotime.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <algorithm>
#include <cstring>

namespace world {

TSelecao NovaSelecao(int pais) {
    TSelecao s;
    std::memset(&s, 0, sizeof s);
    s.pais = pais;
    s.continente = ContinenteSelecao(pais);
    for (auto& n : s.nomes) n.set(kNomeVazio);
    return s;
}

bool SelecaoCompleta(const TSelecao& s) {
    int goleiros = 0, linha = 0;
    for (int k = 0; k < kVagasSelecao; ++k) {
        if (VagaVazia(s.nomes[k])) continue;
        if (s.posicoes[k] == 0)
            ++goleiros;
        else if (s.posicoes[k] >= 1 && s.posicoes[k] <= 4)
            ++linha;
    }
    return goleiros >= 2 && linha >= 16;
}

TSelecao SelecaoDeBytes(std::span<const std::uint8_t> dados) {
    plataforma::LeitorBytes l(dados.first(std::min(dados.size(), kTamanhoArquivoSelecao)));
    TSelecao s;
    l.LerI32();
    l.LerRegistro(s);
    return s;
}

std::optional<TSelecao> LerArquivoSelecao(const std::filesystem::path& caminho) {
    const auto dados = plataforma::LerArquivo(caminho, kTamanhoArquivoSelecao);
    if (!dados) return std::nullopt;
    return SelecaoDeBytes(*dados);
}

std::vector<std::uint8_t> BytesArquivoSelecao(const TSelecao& s) {
    plataforma::EscritorBytes e;
    e.EscreverI32(1);
    e.EscreverRegistro(s);
    return std::move(e.Dados());
}

bool GravarArquivoSelecao(const std::filesystem::path& caminho, const TSelecao& s) {
    return plataforma::GravarArquivoAtomico(caminho, BytesArquivoSelecao(s));
}

void carregaselecoes(Jogo& jogo) {
    const auto pasta = plataforma::Resolver("teams\\selecoes");
    for (const std::string& nome : plataforma::ListarArquivos(pasta, "*.s05")) {
        auto s = LerArquivoSelecao(pasta / nome);
        if (!s) continue;
        s->continente = ContinenteSelecao(s->pais);
        // Levels past the scale (a damaged or hand-made file) are brought
        // onto it: the team's strength and the saved game rely on it.
        s->nivel = std::clamp<i32>(s->nivel, 0, kNivelMaximo);
        jogo.selecoes.push_back(*s);
    }
}

std::array<std::optional<TSelecao>, 202> LerSelecoesEditor() {
    std::array<std::optional<TSelecao>, 202> t;
    const auto pasta = plataforma::Resolver("teams\\selecoes");
    for (const std::string& nome : plataforma::ListarArquivos(pasta, "*.s05")) {
        auto s = LerArquivoSelecao(pasta / nome);
        if (s && s->pais >= 0 && s->pais < kNumPaises) t[s->pais] = *s;
    }
    return t;
}

void PrepararParaSalvar(TSelecao& s) {
    s.completo = SelecaoCompleta(s) ? 1 : 0;
}

bool SalvarSelecaoEm(TSelecao& s, const std::filesystem::path& caminho) {
    PrepararParaSalvar(s);
    return GravarArquivoSelecao(caminho, s);
}

bool SalvarSelecao(TSelecao& s) {
    return SalvarSelecaoEm(
        s, plataforma::Resolver("teams\\selecoes\\" + std::to_string(s.pais) + ".s05"));
}

int SelecaoParaTime(Jogo& jogo, int selecao, double hoje) {
    const TSelecao& s = jogo.selecoes[selecao];
    TTime t = NovoTime();
    t.nome = NomePais(s.pais);
    t.escudo = s.escudo.view();
    t.pais = s.pais;
    t.nivel = s.nivel;
    t.corfundo = s.corfundo;
    t.cortexto = s.cortexto;
    t.confdiretoria = t.conftorcida = 100;
    jogo.times.push_back(t);
    const int c = static_cast<int>(jogo.times.size()) - 1;
    for (int k = 0; k < kVagasSelecao; ++k) {
        if (VagaVazia(s.nomes[k])) continue;
        TJogador j = NovoJogador();
        j.nome = s.nomes[k].view().substr(0, 20);
        j.titular = s.titulares[k] ? 1 : 0;
        j.estrela = s.estrelas[k] ? 1 : 0;
        j.caract1 = s.caract1s[k] >= 0 && s.caract1s[k] <= 13 ? s.caract1s[k] : 0;
        j.caract2 = s.caract2s[k] >= 0 && s.caract2s[k] <= 13 ? s.caract2s[k] : 0;
        j.idade = s.idades[k];
        // A position the game does not know plays in midfield, as in a club file.
        j.posicao = j.posicaoatual =
            s.posicoes[k] >= kGoleiro && s.posicoes[k] <= kAtacante ? s.posicoes[k] : int{kMeia};
        j.funcao = FuncaoInicial(j.posicao, j.caract1, j.caract2);
        j.pais = s.pais;
        j.time = c;
        j.energia = 100;
        j.moral = 3;
        j.retorno = hoje;
        jogo.jogadores.push_back(j);
    }
    return c;
}

} // namespace world
