#include "match/telas/relatoriopartida.hpp"

#include "match/resultadosdata.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace match::telas {

using namespace world;

namespace {

QString Nome(const Jogo& jogo, int j) {
    if (j <= 0 || j >= static_cast<int>(jogo.jogadores.size())) return QStringLiteral("?");
    return ui::Q(jogo.jogadores[j].nome.view()).toHtmlEscaped();
}
QString Clube(const Jogo& jogo, int c) {
    if (c < 0 || c >= static_cast<int>(jogo.times.size())) return QString();
    return ui::Q(jogo.times[c].nome.view()).toHtmlEscaped();
}
QString Tempo(int t) {
    return t == 2 ? QStringLiteral("2º") : QStringLiteral("1º");
}
QString Marca(int tipo) {
    if (tipo == kGolPenalti) return QStringLiteral(" (de penalti)");
    if (tipo == kGolFalta) return QStringLiteral(" (de falta)");
    if (tipo == kGolContra) return QStringLiteral(" (") + ui::T(898) + QStringLiteral(")");
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

QString Cabecalho(const Jogo& jogo, const TJogoArquivado& a) {
    QString s = QStringLiteral("<h3>%1 %2 x %3 %4</h3>")
                    .arg(Clube(jogo, a.mandante))
                    .arg(a.gols[0])
                    .arg(a.gols[1])
                    .arg(Clube(jogo, a.visitante));
    if (a.decididopenaltis)
        s += QStringLiteral("<p>%1 (%2 x %3)</p>")
                 .arg(ui::T(482).toHtmlEscaped())
                 .arg(a.penaltis[0])
                 .arg(a.penaltis[1]);
    return s;
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
    QString s = Cabecalho(jogo, a);
    // The archive keeps no stadium: the home club's is where it was played.
    const QString estadio = a.mandante >= 0 && a.mandante < static_cast<int>(jogo.times.size())
                                ? ui::Q(jogo.times[a.mandante].estadio.view()).toHtmlEscaped()
                                : QString();
    s += QStringLiteral("<p><b>Estádio</b> %1<br>Público: %2 (Arquibancada: %3, %4, %5, %6)</p>")
             .arg(estadio)
             .arg(a.publico)
             .arg(a.publicosetor[0])
             .arg(a.publicosetor[1])
             .arg(a.publicosetor[2])
             .arg(a.publicosetor[3]);
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
    QString s = Cabecalho(jogo, a) + QStringLiteral("<p>");
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
        setWindowTitle(ui::Q(jogo.times[a.mandante].nome.view()) + QStringLiteral(" x ") +
                       ui::Q(jogo.times[a.visitante].nome.view()));
    }
}

bool AbrirRelatorio(const Jogo& jogo, const TPartida& partida, QWidget* pai) {
    const int e = EntradaDaPartida(jogo, partida);
    if (e < 0) return false;
    RelatorioPartida r(jogo, e, pai);
    r.exec();
    return true;
}

} // namespace match::telas
