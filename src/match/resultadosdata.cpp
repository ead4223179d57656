#include "match/resultadosdata.hpp"

#include "match/penaltis.hpp"
#include "plataforma/datas.hpp"
#include "world/competicoes.hpp"

#include <algorithm>

namespace match {

using namespace world;

std::string_view NomeDoClubeArquivado(const Jogo& jogo, int clube) {
    return jogo.TimeValido(clube) ? jogo.times[clube].nome.view() : kNomeExtinto;
}

std::string_view NomeDoJogadorArquivado(const Jogo& jogo, int jogador) {
    return jogo.JogadorValido(jogador) ? jogo.jogadores[jogador].nome.view() : kNomeExtinto;
}

std::vector<int> JogosDaData(const Jogo& jogo, double data, int codigo) {
    std::vector<int> r;
    const auto& a = jogo.arquivo.jogos;
    for (int i : jogo.arquivo.JogosDoDia(data))
        if (a[i].competicao == codigo) r.push_back(i);
    return r;
}

namespace {
bool EhGol(int tipo) {
    return tipo == kGolEvento || tipo == kGolContra || tipo == kGolPenalti || tipo == kGolFalta;
}
} // namespace

std::vector<TLance> LancesDoJogo(const Jogo& jogo, int entrada) {
    std::vector<TLance> r;
    if (entrada < 0 || entrada >= static_cast<int>(jogo.arquivo.jogos.size())) return r;
    const TJogoArquivado& a = jogo.arquivo.jogos[entrada];
    for (int k : jogo.arquivo.EventosDoJogo(entrada)) {
        const TEvento& e = jogo.arquivo.eventos[k];
        TLance l;
        l.evento = e;
        l.lado = e.clube == a.visitante ? 1 : 0;
        l.gol = EhGol(e.tipo);
        l.tempo = e.minuto > 45 ? 2 : 1;
        l.minuto = e.minuto > 45 ? e.minuto - 45 : e.minuto;
        r.push_back(l);
    }
    std::stable_sort(r.begin(), r.end(), [](const TLance& x, const TLance& y) {
        return x.evento.minuto < y.evento.minuto;
    });
    int placar[2] = {0, 0};
    for (TLance& l : r) {
        if (l.gol) ++placar[l.lado];
        l.placar[0] = placar[0];
        l.placar[1] = placar[1];
    }
    return r;
}

bool PublicoOculto(int competicao, int publico) {
    return EhTorneioDeSelecoes(competicao) && publico <= 0;
}

int EntradaDaPartida(const Jogo& jogo, const TPartida& partida) {
    if (!partida.jogado) return -1;
    const auto& a = jogo.arquivo.jogos;
    const std::vector<int> dodia = jogo.arquivo.JogosDoDia(partida.data);
    for (auto it = dodia.rbegin(); it != dodia.rend(); ++it)
        if (const int i = *it; a[i].mandante == partida.mandante &&
                               a[i].visitante == partida.visitante && a[i].data == partida.data &&
                               a[i].competicao == partida.competicao)
            return i;
    return -1;
}

namespace {

// The two-legged ties of each competition, by the matchday or phase number
// the archive keeps: which numbers are second legs, the number of their first
// leg, and the number of the final.
struct PernasDaCompeticao {
    int competicao;
    int primeiravolta, ultimavolta; // second legs: numbers in this range
    int diferenca;                  // first leg = second leg's number - diferenca
    int final;
};
constexpr PernasDaCompeticao kPernas[] = {
    {2, 1, 5, 0, 5},    // national cup: both legs carry the phase
    {3, 12, 12, 1, 12}, // state final: matchdays 6 and 7 of the second turn
    {4, 4, 7, 0, 7},    // continental knockouts, phases 4..7
    {6, 4, 7, 0, 7},
};

const PernasDaCompeticao* Pernas(int competicao) {
    for (const PernasDaCompeticao& p : kPernas)
        if (p.competicao == competicao) return &p;
    return nullptr;
}

// A season is played within its calendar year.
bool MesmaTemporada(double a, double b) {
    return plataforma::DecodificarData(a).ano == plataforma::DecodificarData(b).ano;
}

} // namespace

std::optional<TConfrontoArquivado> ConfrontoDoJogo(const Jogo& jogo, int entrada) {
    const auto& arq = jogo.arquivo.jogos;
    if (entrada < 0 || entrada >= static_cast<int>(arq.size())) return std::nullopt;
    const TJogoArquivado& volta = arq[entrada];
    const PernasDaCompeticao* p = Pernas(volta.competicao);
    if (!p || volta.rodada < p->primeiravolta || volta.rodada > p->ultimavolta) return std::nullopt;
    // The first leg: the same two clubs the other way round, earlier in the
    // same season and competition. The archive is kept in the order the
    // matches were played, so an earlier season ends the search.
    int ida = -1;
    for (int i = entrada - 1; i >= 0 && ida < 0; --i) {
        const TJogoArquivado& f = arq[i];
        if (f.data < volta.data && !MesmaTemporada(f.data, volta.data)) break;
        if (f.competicao == volta.competicao && f.mandante == volta.visitante &&
            f.visitante == volta.mandante && f.grupo == volta.grupo &&
            f.rodada == volta.rodada - p->diferenca && f.data < volta.data)
            ida = i;
    }
    if (ida < 0) return std::nullopt;
    const TJogoArquivado& f = arq[ida];
    TConfrontoArquivado c;
    c.ida = ida;
    c.volta = entrada;
    c.clubes[0] = f.mandante;
    c.clubes[1] = f.visitante;
    c.agregado[0] = f.gols[0] + volta.gols[1];
    c.agregado[1] = f.gols[1] + volta.gols[0];
    c.golsfora[0] = volta.gols[1];
    c.golsfora[1] = f.gols[1];
    c.final = volta.rodada == p->final;
    const int r = DecidirConfronto(f.gols[0], f.gols[1], volta.gols[0], volta.gols[1]);
    if (r != 3) {
        c.criterio = c.agregado[0] != c.agregado[1] ? Desempate::Agregado : Desempate::GolsFora;
        c.classificado = c.clubes[r - 1];
        return c;
    }
    c.criterio = Desempate::Penaltis;
    // The second leg keeps the shoot-out with its own home side (B) first.
    if (volta.decididopenaltis && volta.penaltis[0] != volta.penaltis[1]) {
        c.penaltis[0] = volta.penaltis[1];
        c.penaltis[1] = volta.penaltis[0];
        c.classificado = c.clubes[c.penaltis[0] > c.penaltis[1] ? 0 : 1];
    }
    return c;
}

} // namespace match
