#include "history/artilharia.hpp"

#include "competitions/continentais.hpp"

#include "world/competicoes.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"
#include "world/paises.hpp"

#include <algorithm>
#include <tuple>

namespace history {

using namespace world;

namespace {

// A club of the leagues or an extra club: national teams of a tournament
// are temporary and never listed.
bool ClubeReal(const Jogo& jogo, int c) {
    return c >= 0 && c < static_cast<int>(jogo.times.size()) && c < jogo.PrimeiraSelecao();
}

bool Conta(const TTime& t, const VisaoArtilharia& v, int pais) {
    switch (v.tipo) {
    case TipoArtilharia::Divisao:
        return t.pais == pais && t.divisao == v.divisao;
    case TipoArtilharia::Copa:
        return t.pais == pais;
    case TipoArtilharia::Continental:
        // The cups' regions go by country lists, not by continent.
        return competitions::RegiaoDoPais(t.pais) == (v.chave == 1 ? 1 : 2);
    case TipoArtilharia::Estadual:
        return t.pais == kPaisCasa && t.estado == v.chave;
    case TipoArtilharia::Carreira:
        // The career list follows the country picker like the league's.
        return t.pais == pais;
    }
    return false;
}

} // namespace

std::vector<VisaoArtilharia> VisoesArtilharia(const Jogo& jogo, int pais) {
    std::vector<VisaoArtilharia> r;
    const TEstadoJogo& e = jogo.estado;
    const int li = jogo.LigaDoPais(pais);
    const int divisoes = li >= 0 ? std::clamp<int>(jogo.ligas[li].numdivisoes, 0, 4) : 0;
    for (int d = 1; d <= divisoes; ++d)
        r.push_back({TipoArtilharia::Divisao, kLiga, d, -1, texto(326) + " - " + nomedivisao(d)});
    if (e.copanacional && li >= 0)
        r.push_back({TipoArtilharia::Copa, kCopaNacional, 0, -1, texto(327)});
    // Each cup in its two editions: the South American one (key 1) counts the
    // goals of the clubs of region 1, the European one (key 0) those of
    // region 2.
    if (e.continental1) {
        r.push_back({TipoArtilharia::Continental, kContinental1, 0, 0, texto(328)});
        r.push_back({TipoArtilharia::Continental, kContinental1, 0, 1, texto(329)});
    }
    if (e.continental1 && e.continental2) {
        r.push_back({TipoArtilharia::Continental, kContinental2, 0, 0, texto(330)});
        r.push_back({TipoArtilharia::Continental, kContinental2, 0, 1, texto(331)});
    }
    if (e.estaduais && pais == kPaisCasa)
        for (int s = 0; s < kEstados; ++s)
            if (jogo.estaduais[s].ativo)
                r.push_back({TipoArtilharia::Estadual, kEstadual, 0, s,
                             "Estadual " + std::to_string(s + 1)});
    r.push_back({TipoArtilharia::Carreira, 0, 0, -1, texto(333)});
    return r;
}

int LigaInicial(const Jogo& jogo, int clube) {
    if (jogo.ligas.empty()) return -1;
    if (jogo.TimeValido(clube))
        if (const int li = jogo.LigaDoPais(jogo.times[clube].pais); li >= 0) return li;
    if (const int li = jogo.LigaDoPais(kPaisCasa); li >= 0) return li;
    return 0;
}

std::vector<LinhaArtilheiro> Artilheiros(const Jogo& jogo, const VisaoArtilharia& v, int pais) {
    std::vector<LinhaArtilheiro> r;
    const bool carreira = v.tipo == TipoArtilharia::Carreira;
    if (!carreira && (v.codigo < kLiga || v.codigo >= kTiposCompeticao)) return r;
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const TJogador& j = jogo.jogadores[i];
        if (!ClubeReal(jogo, j.time) || !Conta(jogo.times[j.time], v, pais)) continue;
        LinhaArtilheiro l{static_cast<int>(i), j.time, 0, 0};
        if (carreira) {
            if (j.historico <= 0 || j.historico >= static_cast<int>(jogo.historicos.size()))
                continue;
            l.gols = ValorDoHistorico(jogo, j.historico, kHistGols, 0);
            l.jogos = ValorDoHistorico(jogo, j.historico, kHistJogos, 0);
        } else {
            l.gols = j.gols[v.codigo];
            l.jogos = j.jogos[v.codigo];
        }
        if (l.gols > 0) r.push_back(l);
    }
    std::sort(r.begin(), r.end(), [](const LinhaArtilheiro& a, const LinhaArtilheiro& b) {
        return std::tuple(-a.gols, a.jogos, a.jogador) < std::tuple(-b.gols, b.jogos, b.jogador);
    });
    return r;
}

} // namespace history
