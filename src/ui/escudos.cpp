#include "ui/escudos.hpp"

#include "plataforma/caminhos.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <cstdint>

namespace ui {

namespace {

constexpr int kLado = 128; // drawn once this size; the screens scale it down

QString SemAcentos(const QString& s) {
    QString r;
    for (const QChar c : s.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) r += c;
    return r;
}

double Luz(const QColor& c) {
    return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
}

QPainterPath Escudo(const QRectF& r) {
    QPainterPath p;
    const double curva = r.height() * 0.42;
    p.moveTo(r.left(), r.top());
    p.lineTo(r.right(), r.top());
    p.lineTo(r.right(), r.bottom() - curva);
    p.quadTo(r.right(), r.bottom() - curva * 0.25, r.center().x(), r.bottom());
    p.quadTo(r.left(), r.bottom() - curva * 0.25, r.left(), r.bottom() - curva);
    p.closeSubpath();
    return p;
}

QColor CorDoArquivo(world::i32 cor) {
    const auto v = static_cast<std::uint32_t>(cor);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

} // namespace

QString Sigla(const QString& nome) {
    // Linking words ("do", "de", "e") give no letter.
    static const QStringList kLigacoes = {QStringLiteral("da"),  QStringLiteral("de"),
                                          QStringLiteral("do"),  QStringLiteral("das"),
                                          QStringLiteral("dos"), QStringLiteral("e")};
    QStringList palavras;
    for (const QString& p : SemAcentos(nome).split(QRegularExpression(QStringLiteral("[^A-Za-z]+")),
                                                   Qt::SkipEmptyParts))
        if (!kLigacoes.contains(p.toLower())) palavras << p;
    if (palavras.isEmpty()) return {};
    if (palavras.size() == 1) return palavras.front().left(3).toUpper();
    QString sigla;
    for (const QString& p : palavras.mid(0, 3)) sigla += p.front().toUpper();
    return sigla;
}

QPixmap EscudoDesenhado(const QString& nome, const QColor& fundo, const QColor& texto) {
    static QHash<QString, QPixmap> feitos;
    const QString chave = nome + QLatin1Char('|') + fundo.name() + QLatin1Char('|') + texto.name();
    if (const auto it = feitos.constFind(chave); it != feitos.constEnd()) return *it;

    // The letters read on the shield whatever the team's colours.
    QColor letra = texto;
    if (std::abs(Luz(fundo) - Luz(texto)) < 60)
        letra = Luz(fundo) > 128 ? QColor(Qt::black) : QColor(Qt::white);
    QPixmap figura(kLado, kLado);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF fora(kLado * 0.12, kLado * 0.04, kLado * 0.76, kLado * 0.92);
    const QPainterPath escudo = Escudo(fora);
    p.fillPath(escudo, fundo);
    // A dark outline so a white shield stands out on a white screen, and an
    // inner edge in the letters' colour.
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.drawPath(escudo);
    p.setPen(QPen(letra, 4));
    p.drawPath(Escudo(fora.adjusted(7, 7, -7, -7)));

    const QString sigla = Sigla(nome);
    QFont f;
    f.setBold(true);
    f.setPixelSize(kLado / 3);
    const QRectF caixa(fora.left() + 9, fora.top() + 14, fora.width() - 18, fora.height() * 0.5);
    const int largura = QFontMetrics(f).horizontalAdvance(sigla);
    if (largura > caixa.width())
        f.setPixelSize(std::max(10, static_cast<int>(f.pixelSize() * caixa.width() / largura)));
    p.setFont(f);
    p.setPen(letra);
    p.drawText(caixa, Qt::AlignCenter, sigla);
    p.end();
    feitos.insert(chave, figura);
    return figura;
}

namespace {

// Each badge picture is read once per process; screens share the pixmaps.
QPixmap FiguraGuardada(const std::string& relativo) {
    if (relativo.empty()) return {};
    static QHash<QString, QPixmap> guardadas;
    const QString chave = QString::fromStdString(plataforma::Resolver(relativo).string());
    auto it = guardadas.find(chave);
    if (it == guardadas.end()) it = guardadas.insert(chave, Figura(relativo));
    return it.value();
}

} // namespace

QPixmap EscudoDoTime(const world::Jogo& jogo, int time) {
    if (!jogo.TimeValido(time)) return {};
    QPixmap figura = FiguraGuardada(world::escudotime(jogo, time));
    if (!figura.isNull() || !jogo.EhSelecao(time)) return figura;
    const world::TTime& t = jogo.times[time];
    return EscudoDesenhado(Q(t.nome.view()), CorDoArquivo(t.corfundo), CorDoArquivo(t.cortexto));
}

QPixmap MiniEscudoDoTime(const world::Jogo& jogo, int time) {
    return jogo.TimeValido(time) ? FiguraGuardada(world::miniescudotime(jogo, time)) : QPixmap();
}

} // namespace ui
