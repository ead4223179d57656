#include "competitions/telas/relatoriopartida.hpp"

#include "competitions/torneios.hpp"
#include "match/resultadosdata.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/competicoes.hpp"

#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace competitions::telas {

using namespace match;

using namespace world;

namespace {

QString Nome(const Jogo& jogo, int j) {
    return ui::Q(NomeDoJogadorArquivado(jogo, j)).toHtmlEscaped();
}
QString Clube(const Jogo& jogo, int c) {
    return ui::Q(NomeDoClubeArquivado(jogo, c)).toHtmlEscaped();
}
QString Tempo(int t) {
    return t == 2 ? QStringLiteral("2º") : QStringLiteral("1º");
}
QString Marca(int tipo) {
    if (tipo == kGolPenalti) return QStringLiteral(" (de penalti)");
    if (tipo == kGolFalta) return QStringLiteral(" (de falta)");
    if (tipo == kGolContra)
        return QStringLiteral(" (") + ui::T(ui::kTextoContra) + QStringLiteral(")");
    return QString();
}
// The kind of a non-goal event, as a word before the player.
QString Tipo(int tipo) {
    switch (tipo) {
    case kAmarelo:
        return QStringLiteral("<span style='background:#e8d000'>&nbsp;&nbsp;</span> ");
    case kSegundoAmarelo:
    case kVermelhoDireto:
        return QStringLiteral("<span style='background:#c00000'>&nbsp;&nbsp;</span> ");
    case kContusaoEvento:
        return QStringLiteral("<span style='color:#a00000'>+</span> ");
    default:
        return QString();
    }
}

// A goal carries the score it made, a card or an injury its colour.
QString Marcador(const TLance& l) {
    return l.gol ? QStringLiteral("<b>%1x%2</b> ").arg(l.placar[0]).arg(l.placar[1])
                 : Tipo(l.evento.tipo);
}

// Numbers with their thousands marked, as a Brazilian reads them.
QString Milhares(int n) {
    static const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    return brasil.toString(n);
}

// After a second leg: the aggregate, seen from this match's home side, and
// who went through and how.
QString Confronto(const Jogo& jogo, int entrada) {
    const auto c = ConfrontoDoJogo(jogo, entrada);
    if (!c) return QString();
    const TJogoArquivado& a = jogo.arquivo.jogos[entrada];
    const int m = a.mandante == c->clubes[0] ? 0 : 1; // this match's home side is A or B
    QString s = QStringLiteral("<p><b>Agregado:</b> %1 %2 x %3 %4")
                    .arg(Clube(jogo, c->clubes[m]))
                    .arg(c->agregado[m])
                    .arg(c->agregado[1 - m])
                    .arg(Clube(jogo, c->clubes[1 - m]));
    if (c->classificado >= 0) {
        const int v = c->classificado == c->clubes[0] ? 0 : 1; // the winner's figures first
        QString como;
        switch (c->criterio) {
        case Desempate::Agregado:
            como = QStringLiteral("no placar agregado");
            break;
        case Desempate::GolsFora:
            como = QStringLiteral("nos gols marcados fora de casa, %1 x %2")
                       .arg(c->golsfora[v])
                       .arg(c->golsfora[1 - v]);
            break;
        case Desempate::Penaltis:
            como =
                QStringLiteral("nos pênaltis, %1 x %2").arg(c->penaltis[v]).arg(c->penaltis[1 - v]);
            break;
        }
        s += QStringLiteral("<br>%1: <b>%2</b> (%3)")
                 .arg(c->final ? QStringLiteral("Campeão") : QStringLiteral("Classificado"),
                      Clube(jogo, c->classificado), como);
    }
    return s + QStringLiteral("</p>");
}

QString Cabecalho(const Jogo& jogo, int entrada) {
    const TJogoArquivado& a = jogo.arquivo.jogos[entrada];
    QString s = QStringLiteral("<h3>%1 %2 x %3 %4</h3>")
                    .arg(Clube(jogo, a.mandante))
                    .arg(a.gols[0])
                    .arg(a.gols[1])
                    .arg(Clube(jogo, a.visitante));
    if (a.decididopenaltis)
        s += QStringLiteral("<p>%1 (%2 x %3)</p>")
                 .arg(ui::T(ui::kTextoDecisaoNosPenaltis).toHtmlEscaped())
                 .arg(a.penaltis[0])
                 .arg(a.penaltis[1]);
    return s + Confronto(jogo, entrada);
}

// The crowd against the home stadium's capacity, and by sector with the
// sectors' names. Matches without a gate show the bare figure (the club world
// cup) or nothing (the national teams).
QString Publico(const Jogo& jogo, const TJogoArquivado& a) {
    if (PublicoOculto(a.competicao, a.publico)) return {};
    QString s = QStringLiteral("Público: ") + Milhares(a.publico);
    if (a.mandante < 0 || a.mandante >= static_cast<int>(jogo.times.size())) return s;
    const TTime& t = jogo.times[a.mandante];
    long long capacidade = 0;
    for (int i = 0; i < 4; ++i) capacidade += std::max(0, t.capacidade[i]);
    if (capacidade > 0 && a.publico > 0)
        s += QStringLiteral(" de ") + Milhares(static_cast<int>(std::min<long long>(
                                          capacidade, std::numeric_limits<int>::max())));
    if (a.publico <= 0) return s;
    QStringList setores;
    for (int i = 0; i < 4; ++i) {
        // The language's sector names end in a colon ("Geral:").
        QString nome = ui::T(280 + i);
        if (!nome.endsWith(QLatin1Char(':'))) nome += QLatin1Char(':');
        // A line may break between sectors, never inside one.
        setores << nome.toHtmlEscaped() + QStringLiteral("&nbsp;") + Milhares(a.publicosetor[i]);
    }
    return s + QStringLiteral("<br>") + setores.join(QStringLiteral(" &middot; "));
}

// The archive keeps no stadium: the home club's is where it was played; a
// national team has none, its match was at the tournament's venue (known
// while the tournament's fixtures are kept).
// The archive keeps no stadium: the home club's is where it was played (a
// tournament's venue while its fixtures last).
QString Estadio(const Jogo& jogo, const TJogoArquivado& a) {
    if (!jogo.TimeValido(a.mandante)) return ui::Q(kNomeExtinto);
    if (EhTorneioDeSelecoes(a.competicao))
        for (int p = 0; p < static_cast<int>(jogo.partidas.size()); ++p) {
            const TPartida& f = jogo.partidas[p];
            if (f.competicao == a.competicao && f.mandante == a.mandante &&
                f.visitante == a.visitante && f.data == a.data)
                return ui::Q(competitions::EstadioDoTorneio(jogo, p));
        }
    return ui::Q(jogo.times[a.mandante].estadio.view());
}

QString Estatisticas(const TJogoArquivado& a) {
    const TLadoArquivado& m = a.lados[0];
    const TLadoArquivado& v = a.lados[1];
    const int posse = m.posse + v.posse;
    const int pm = posse > 0 ? (m.posse * 100 + posse / 2) / posse : 50;
    QString s = QStringLiteral("<p><b>Estatísticas</b></p><table cellpadding='2'>");
    auto linha = [&](const QString& rotulo, const QString& x, const QString& y) {
        s += QStringLiteral("<tr><td align='right'>%1</td><td align='center'>%2</td>"
                            "<td>%3</td></tr>")
                 .arg(x, rotulo, y);
    };
    linha(QStringLiteral("Posse de bola"), QString::number(pm) + QStringLiteral("%"),
          QString::number(100 - pm) + QStringLiteral("%"));
    linha(QStringLiteral("Finalizações"), QString::number(m.finalizacoes),
          QString::number(v.finalizacoes));
    linha(QStringLiteral("Roubadas bola"), QString::number(m.roubadas),
          QString::number(v.roubadas));
    linha(QStringLiteral("Passes errados"), QString::number(m.passeserrados),
          QString::number(v.passeserrados));
    linha(QStringLiteral("Faltas cometidas"), QString::number(m.faltas), QString::number(v.faltas));
    return s + QStringLiteral("</table>");
}

} // namespace

QString DetalhesDoJogo(const Jogo& jogo, int entrada) {
    if (entrada < 0 || entrada >= static_cast<int>(jogo.arquivo.jogos.size())) return QString();
    const TJogoArquivado& a = jogo.arquivo.jogos[entrada];
    QString s = Cabecalho(jogo, entrada);
    const QString estadio = Estadio(jogo, a).toHtmlEscaped();
    const QString publico = Publico(jogo, a);
    s += QStringLiteral("<p><b>Estádio</b> %1%2</p>")
             .arg(estadio, publico.isEmpty() ? QString() : QStringLiteral("<br>") + publico);
    const auto lances = LancesDoJogo(jogo, entrada);
    QString eventos, subs;
    for (const TLance& l : lances) {
        const TEvento& e = l.evento;
        if (e.tipo == kSubstituicaoEvento) {
            subs += QStringLiteral("%1: %2 &rarr; %3 %4'<br>")
                        .arg(Clube(jogo, e.clube), Nome(jogo, e.jogador), Nome(jogo, e.outro))
                        .arg(e.minuto);
            continue;
        }
        const QString cor = l.lado == 0 ? QStringLiteral("left") : QStringLiteral("right");
        eventos += QStringLiteral("<p align='%1' style='margin:0'>%2%3 %4'%5</p>")
                       .arg(cor, Marcador(l), Nome(jogo, e.jogador))
                       .arg(e.minuto)
                       .arg(Marca(e.tipo));
    }
    s += eventos;
    if (!subs.isEmpty())
        s += QStringLiteral("<p><b>Jogadores substituídos</b><br>") + subs + "</p>";
    return s + Estatisticas(a);
}

QString TextoDoRelatorio(const Jogo& jogo, int entrada) {
    if (entrada < 0 || entrada >= static_cast<int>(jogo.arquivo.jogos.size())) return QString();
    const TJogoArquivado& a = jogo.arquivo.jogos[entrada];
    QString s = Cabecalho(jogo, entrada) + QStringLiteral("<p>");
    for (const TLance& l : LancesDoJogo(jogo, entrada)) {
        const TEvento& e = l.evento;
        if (l.gol)
            s += QStringLiteral("%1x%2 - %3 - %4' - %5%6<br>")
                     .arg(l.placar[0])
                     .arg(l.placar[1])
                     .arg(Nome(jogo, e.jogador))
                     .arg(l.minuto)
                     .arg(Tempo(l.tempo), Marca(e.tipo));
        else if (e.tipo == kSubstituicaoEvento)
            s += QStringLiteral("%1: %2 &rarr; %3 - %4' - %5<br>")
                     .arg(Clube(jogo, e.clube), Nome(jogo, e.jogador), Nome(jogo, e.outro))
                     .arg(l.minuto)
                     .arg(Tempo(l.tempo));
        else
            s += QStringLiteral("%1%2 - %3' - %4<br>")
                     .arg(Tipo(e.tipo), Nome(jogo, e.jogador))
                     .arg(l.minuto)
                     .arg(Tempo(l.tempo));
    }
    static const char* const kEstilo[] = {"Jogo equilibrado", "Ataque total", "Contra-ataque"};
    static const char* const kJogadas[] = {"Pelo meio", "Pelas laterais"};
    static const char* const kMarcacao[] = {"Leve", "Pesada", "Muito Pesada"};
    // Tactics are kept from 0, in the order the lineup screen offers them.
    auto item = [](const char* const* lista, int n, int v) {
        return v >= 0 && v < n ? QString::fromUtf8(lista[v]) : QString::number(v);
    };
    s += QStringLiteral("</p><table width='100%' cellpadding='3'><tr>");
    for (int lado = 0; lado < 2; ++lado) {
        const TLadoArquivado& l = a.lados[lado];
        s += QStringLiteral("<td valign='top'><b>%1</b><br>")
                 .arg(Clube(jogo, lado ? a.visitante : a.mandante));
        s += QStringLiteral(
                 "Estilo de jogo: %1<br>Concentrar ataques: %2<br>Tipo da marcação: %3<br><br>")
                 .arg(item(kEstilo, 3, l.estilo), item(kJogadas, 2, l.jogadas),
                      item(kMarcacao, 3, l.marcacao));
        for (int k = 0; k < 11; ++k)
            if (l.onze[k] > 0)
                s += QStringLiteral("%1 %2<br>")
                         .arg(Nome(jogo, l.onze[k]))
                         .arg(l.notaonze[k], 0, 'f', 1);
        for (int k = 0; k < 3 && k < a.numsubs[lado]; ++k)
            if (l.substituidos[k] > 0)
                s += QStringLiteral("<i>%1 %2</i><br>")
                         .arg(Nome(jogo, l.substituidos[k]))
                         .arg(l.notasubstituidos[k], 0, 'f', 1);
        s += QStringLiteral("</td>");
    }
    return s + QStringLiteral("</tr></table>") + Estatisticas(a);
}

RelatorioPartida::RelatorioPartida(const Jogo& jogo, int entradaarquivo, QWidget* pai)
    : QDialog(pai) {
    ui::Dimensionar(this, QSize(720, 640));
    auto* v = new QVBoxLayout(this);
    texto_ = new QTextBrowser;
    texto_->setHtml(TextoDoRelatorio(jogo, entradaarquivo));
    v->addWidget(texto_, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* b = new QHBoxLayout;
    b->addStretch();
    b->addWidget(ok);
    v->addLayout(b);
    if (entradaarquivo >= 0 && entradaarquivo < static_cast<int>(jogo.arquivo.jogos.size())) {
        const TJogoArquivado& a = jogo.arquivo.jogos[entradaarquivo];
        setWindowTitle(ui::Q(NomeDoClubeArquivado(jogo, a.mandante)) + QStringLiteral(" x ") +
                       ui::Q(NomeDoClubeArquivado(jogo, a.visitante)));
    }
}

bool AbrirRelatorio(const Jogo& jogo, const TPartida& partida, QWidget* pai) {
    const int e = EntradaDaPartida(jogo, partida);
    if (e < 0) return false;
    RelatorioPartida r(jogo, e, pai);
    r.exec();
    return true;
}

} // namespace competitions::telas
