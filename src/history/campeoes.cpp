#include "history/campeoes.hpp"

#include "competitions/classificacao.hpp"
#include "plataforma/datas.hpp"
#include "world/paises.hpp"

#include <algorithm>
#include <map>
#include <utility>

namespace history {

using namespace world;

namespace {

struct Filtro {
    const CompeticaoHistorica& c;
    bool torneio;
    bool operator()(int competicao, int chave, int divisao) const {
        if (competicao != c.competicao) return false;
        if (torneio) return true; // one tournament a season, wherever it is played
        return chave == c.chave && (competicao != kLiga || divisao == c.divisao);
    }
};

// The clubs of one season's league table and their rows.
using TabelaDaTemporada = std::map<int, competitions::TLinhaTabela>;

// Place `lugar` (1 or 2) of the league in season `s` among `tabela`'s clubs,
// and its division; -1 and 0 when the titles list names none there.
std::pair<int, int> Titulo(const Jogo& jogo, const TabelaDaTemporada& tabela, int s, int lugar) {
    for (const TTituloHistorico& t : jogo.historicotitulos)
        if (t.temporada == s && t.competicao == kLiga && t.lugar == lugar && tabela.count(t.time))
            return {t.time, t.divisao};
    return {-1, 0};
}

// The past seasons' final league places of `time`, from the archive.
void ColocacoesPassadas(const Jogo& jogo, int time, std::vector<TemporadaDoClube>& r) {
    const int temporadas = static_cast<int>(r.size());
    std::vector<TabelaDaTemporada> tabelas(r.size());
    for (const TJogoArquivado& a : jogo.arquivo.jogos)
        if (a.competicao == kLiga && (a.mandante == time || a.visitante == time))
            if (const int s = TemporadaDaData(a.data); s >= 1 && s <= temporadas) {
                tabelas[s - 1][a.mandante].time = a.mandante;
                tabelas[s - 1][a.visitante].time = a.visitante;
            }
    for (const TJogoArquivado& a : jogo.arquivo.jogos) {
        if (a.competicao != kLiga) continue;
        const int s = TemporadaDaData(a.data);
        if (s < 1 || s > temporadas) continue;
        TabelaDaTemporada& t = tabelas[s - 1];
        const auto m = t.find(a.mandante), v = t.find(a.visitante);
        if (m == t.end() || v == t.end()) continue;
        competitions::SomarResultado(m->second, a.gols[0], a.gols[1]);
        competitions::SomarResultado(v->second, a.gols[1], a.gols[0]);
    }
    for (int s = 1; s <= temporadas; ++s) {
        const TabelaDaTemporada& t = tabelas[s - 1];
        // The season being played has met only part of its division yet.
        if (t.empty() || s == jogo.estado.temporada) continue;
        const auto titulo = Titulo(jogo, t, s, 1);
        const int campeao = titulo.first, divisao = titulo.second;
        const int vice = Titulo(jogo, t, s, 2).first;
        auto ordem = [&](int c) { return c == campeao ? 0 : c == vice ? 1 : 2; };
        std::vector<competitions::TLinhaTabela> linhas;
        for (const auto& [c, l] : t) linhas.push_back(l);
        std::sort(linhas.begin(), linhas.end(), [&](const auto& a, const auto& b) {
            if (const int k = competitions::Comparar(a, b); k != 0) return k < 0;
            return std::pair(ordem(a.time), a.time) < std::pair(ordem(b.time), b.time);
        });
        TemporadaDoClube& linha = r[s - 1];
        for (std::size_t k = 0; k < linhas.size(); ++k)
            if (linhas[k].time == time) linha.colocacao = static_cast<int>(k) + 1;
        linha.divisao = divisao;
    }
}

LinhaCampeoes& Linha(std::map<int, LinhaCampeoes>& linhas, int temporada) {
    LinhaCampeoes& l = linhas[temporada];
    l.temporada = temporada;
    return l;
}

} // namespace

// Lists are read oldest first, so that a season recorded twice shows its
// newest entry, as CampeaoDe finds it.
std::vector<LinhaCampeoes> Campeoes(const Jogo& jogo, const CompeticaoHistorica& c) {
    const Filtro mesma{c, EhTorneioDeSelecoes(c.competicao)};
    std::map<int, LinhaCampeoes> linhas;
    for (const TTituloHistorico& t : jogo.historicotitulos) {
        if (!mesma(t.competicao, t.chave, t.divisao) || t.lugar < 1 || t.lugar > 4) continue;
        LinhaCampeoes& l = Linha(linhas, t.temporada);
        int* lugares[4] = {&l.campeao, &l.vice, &l.terceiro, &l.quarto};
        *lugares[t.lugar - 1] = t.time;
        if (mesma.torneio && t.lugar == 1 && t.chave >= 0 && t.chave < kNumPaises)
            l.local = t.chave;
    }
    for (const TTecnicoHistorico& t : jogo.historicotecnico)
        if (t.lugar == 1 && mesma(t.competicao, t.chave, t.divisao))
            Linha(linhas, t.temporada).tecnico = t.tecnico;
    for (const TArtilheiroHistorico& a : jogo.artilheiros)
        if (mesma(a.competicao, a.chave, a.divisao)) {
            LinhaCampeoes& l = Linha(linhas, a.temporada);
            l.artilheiro = a.jogador;
            l.timeartilheiro = a.time;
            l.golsartilheiro = a.gols;
        }
    std::vector<LinhaCampeoes> r;
    for (auto it = linhas.rbegin(); it != linhas.rend(); ++it) r.push_back(it->second);
    return r;
}

std::vector<TituloDoClube> TitulosDoClube(const Jogo& jogo, int time) {
    std::vector<TituloDoClube> r;
    if (!jogo.TimeValido(time)) return r;
    for (const TTituloHistorico& t : jogo.historicotitulos)
        if (t.lugar == 1 && t.time == time && !EhTorneioDeSelecoes(t.competicao))
            r.push_back({t.temporada, t.competicao, t.chave, t.divisao});
    return r;
}

int TemporadaDaData(double data) {
    return plataforma::DecodificarData(data).ano - 2006;
}

std::vector<TemporadaDoClube> RetrospectoDoClube(const Jogo& jogo, int time) {
    std::vector<TemporadaDoClube> r;
    if (!jogo.TimeValido(time) || jogo.EhSelecao(time)) return r;
    // A season counter beyond any game's length (a damaged file) is not
    // worth a row per season.
    const int temporadas = std::clamp(jogo.estado.temporada, 1, kTemporadasNoRetrospecto);
    r.resize(static_cast<std::size_t>(temporadas));
    for (int s = 0; s < temporadas; ++s) r[s].temporada = s + 1;

    for (const TJogoArquivado& a : jogo.arquivo.jogos) {
        if (a.competicao < kLiga || a.competicao > kContinental2) continue;
        if (a.mandante != time && a.visitante != time) continue;
        const int s = TemporadaDaData(a.data);
        if (s < 1 || s > temporadas) continue;
        const int lado = a.mandante == time ? 0 : 1;
        const int pro = a.gols[lado], contra = a.gols[1 - lado];
        TemporadaDoClube& t = r[s - 1];
        ++t.jogos;
        if (pro > contra)
            ++t.vitorias;
        else if (pro < contra)
            ++t.derrotas;
        else
            ++t.empates;
        t.golspro += pro;
        t.golscontra += contra;
    }

    ColocacoesPassadas(jogo, time, r);
    // The season being played: the live table, once the league has begun.
    const TTime& clube = jogo.times[time];
    if (jogo.estado.temporada == temporadas && clube.divisao > 0 && clube.jogos[kLiga] > 0 &&
        clube.colocacao[kLiga] > 0) {
        r[temporadas - 1].colocacao = clube.colocacao[kLiga];
        r[temporadas - 1].divisao = clube.divisao;
    }

    // The coaches: the log replayed from the first season's coach.
    int atual = time;
    std::size_t k = 0;
    const auto& log = jogo.trocastecnicos;
    for (int s = 1; s <= temporadas; ++s) {
        std::vector<int>& v = r[s - 1].tecnicos;
        if (jogo.TecnicoValido(atual) && !jogo.tecnicos[atual].nome.empty()) v.push_back(atual);
        // A hiring logged with a season before the first counts in the first.
        for (; k < log.size() && log[k].temporada <= s; ++k) {
            if (log[k].clube != time || !jogo.TecnicoValido(log[k].tecnico)) continue;
            atual = log[k].tecnico;
            if (std::find(v.begin(), v.end(), atual) == v.end()) v.push_back(atual);
        }
    }
    std::reverse(r.begin(), r.end());
    return r;
}

} // namespace history
