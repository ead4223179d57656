#include "match/estatisticas.hpp"

#include "world/competicoes.hpp"
#include "world/emails.hpp"
#include "world/historicotemporada.hpp"

#include <algorithm>

namespace match {

using namespace world;

namespace {

int SuspensaoSorteada(Jogo& jogo) {
    const int y = jogo.Aleatorio(35);
    if (y == 0) return 10;
    if (y <= 2) return 5;
    if (y <= 5) return 3;
    if (y <= 15) return 2;
    return 1;
}

// Weeks out by age: a fixed base and a random width.
int SemanasPelaIdade(Jogo& jogo, int idade) {
    struct Faixa {
        int ate, base, largura;
    };
    static constexpr Faixa kFaixas[] = {
        {25, 1, 1}, {30, 1, 3}, {35, 2, 3}, {40, 3, 4}, {50, 4, 4}, {60, 5, 4},
    };
    for (const Faixa& f : kFaixas)
        if (idade <= f.ate) return f.largura == 1 ? f.base : f.base + jogo.Aleatorio(f.largura);
    return 6 + jogo.Aleatorio(4);
}

int PerdaDeForca(int idade) {
    if (idade >= 16 && idade <= 20) return 2;
    if (idade >= 21 && idade <= 25) return 3;
    if (idade >= 26 && idade <= 30) return 4;
    if (idade >= 31 && idade <= 35) return 5;
    if (idade >= 36 && idade <= 40) return 7;
    return 10;
}

bool ClubeHumano(const Jogo& jogo, const TJogador& j) {
    return j.time >= 0 && j.time < static_cast<int>(jogo.times.size()) && jogo.times[j.time].humano;
}

} // namespace

// A national team's own players exist for one tournament only: they get no
// career record (it would outlive them).
bool JogadorDoTorneio(const Jogo& jogo, int jogador) {
    const TTorneio& t = jogo.estado.torneio;
    return t.codigo != 0 && t.numjogadores > 0 && jogador >= t.numjogadores;
}

void GarantirHistorico(Jogo& jogo, int jogador) {
    TJogador& j = jogo.jogadores[jogador];
    if ((j.historico <= 0 || j.historico >= static_cast<int>(jogo.historicos.size())) &&
        !JogadorDoTorneio(jogo, jogador)) {
        THistoricoJogador h = NovoHistorico();
        h.clubes[0][0] = j.time;
        jogo.historicos.push_back(h);
        j.historico = static_cast<i32>(jogo.historicos.size()) - 1;
    }
    // The season's counts get their room now too: counting in the minutes
    // then neither folds an old season's counts nor grows the table.
    HistoricoDaTemporada& p = jogo.historicotemporada;
    if (p.temporada != jogo.estado.temporada) {
        ConsolidarHistoricos(jogo);
        p.temporada = jogo.estado.temporada;
    }
    if (p.contagens.size() < jogo.historicos.size()) p.contagens.resize(jogo.historicos.size());
}

void RegistrarEstatistica(Jogo& jogo, int jogador, Estatistica e, int tipo, double hoje) {
    if (jogador <= 0 || jogador >= static_cast<int>(jogo.jogadores.size())) return;
    if (tipo < 0 || tipo >= kTiposCompeticao) tipo = 0;
    GarantirHistorico(jogo, jogador);
    TJogador& j = jogo.jogadores[jogador];
    // A player without a record (a tournament's own) counts nothing there.
    auto contar = [&](int linha) { ContarNoHistorico(jogo, j.historico, linha); };
    switch (e) {
    case Estatistica::Jogo:
        contar(kHistJogos);
        ++j.jogos[tipo];
        break;
    case Estatistica::Gol:
        contar(kHistGols);
        ++j.gols[tipo];
        break;
    case Estatistica::Amarelo:
        contar(kHistAmarelos);
        ++j.cartoes[tipo];
        break;
    case Estatistica::Vermelho: {
        contar(kHistVermelhos);
        const int n = SuspensaoSorteada(jogo);
        j.suspensao[tipo] += n;
        if (n > 1 && ClubeHumano(jogo, j))
            world::PostarEmail(jogo, j.time, world::kEmailSuspensao, n, 0, 0, jogador);
        break;
    }
    case Estatistica::Contusao: {
        contar(kHistContusoes);
        int w = j.energia < 50 ? 1 : 0;
        w += SemanasPelaIdade(jogo, j.idade);
        j.forca = std::max(1, j.forca - PerdaDeForca(j.idade));
        if (j.caract1 == 12)
            j.forca += 2;
        else if (j.caract2 == 12)
            j.forca += 1;
        if (w > 1 && j.caract1 == 12) --w;
        if (jogo.Aleatorio(300) == 1) w = 15 + jogo.Aleatorio(6);
        j.retorno = hoje + 7.0 * w + 2.0;
        if (tipo < kCopaDoMundo && w > 1 && ClubeHumano(jogo, j))
            world::PostarEmail(jogo, j.time, world::kEmailContusao, w, 0, 0, jogador);
        break;
    }
    }
}

} // namespace match
