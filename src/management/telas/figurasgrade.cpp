#include "management/telas/figurasgrade.hpp"

#include "management/escalacao.hpp"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace management::telas {

using namespace world;

namespace {

QPixmap Vazia() {
    QPixmap p(kLarguraFigura, kAlturaFigura);
    p.fill(Qt::transparent);
    return p;
}

QPainterPath Camisa() {
    // A shirt with short sleeves, in a 26x20 box.
    QPainterPath c;
    c.moveTo(8, 1);
    c.lineTo(11, 3);
    c.lineTo(15, 3);
    c.lineTo(18, 1);
    c.lineTo(25, 5);
    c.lineTo(22, 9);
    c.lineTo(20, 8);
    c.lineTo(20, 19);
    c.lineTo(6, 19);
    c.lineTo(6, 8);
    c.lineTo(4, 9);
    c.lineTo(1, 5);
    c.closeSubpath();
    return c;
}

void Numero(QPainter& p, int numero, const QColor& cor) {
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(cor);
    p.drawText(QRect(6, 5, 14, 14), Qt::AlignCenter, numero > 0 ? QString::number(numero) : "-");
}

void Cartao(QPainter& p, const QColor& cor, int x) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(cor);
    p.drawRect(x, 3, 9, 13);
}

void Estrela(QPainter& p) {
    QPolygonF e;
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 == 0 ? 6.0 : 2.6;
        const double a = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        e << QPointF(19 + r * std::cos(a), 10 + r * std::sin(a));
    }
    p.setPen(QPen(QColor(140, 100, 0), 1));
    p.setBrush(QColor(250, 200, 30));
    p.drawPolygon(e);
}

} // namespace

bool CondicaoDeEstrela(int icone) {
    return icone == 12 || icone == 5 || icone == 8 || icone == 7;
}

int CondicaoSemEstrela(int icone) {
    switch (icone) {
    case 12:
        return 0;
    case 5:
        return 1;
    case 8:
        return 2;
    case 7:
        return 3;
    default:
        return icone;
    }
}

QColor Contraste(const QColor& fundo) {
    return fundo.lightness() > 140 ? QColor(Qt::black) : QColor(Qt::white);
}

QColor CorDoJogo(i32 cor) {
    const auto v = static_cast<std::uint32_t>(cor);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QPixmap FiguraStatus(int codigo, int numero, const TTime& clube) {
    QPixmap figura = Vazia();
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath camisa = Camisa();
    const QColor fundo = CorDoJogo(clube.corfundo);
    const QColor texto = CorDoJogo(clube.cortexto);
    switch (codigo) {
    case kTitular: // the club's own shirt
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(fundo);
        p.drawPath(camisa);
        Numero(p, numero, texto == fundo ? Contraste(fundo) : texto);
        break;
    case kReserva: { // the club's colour faded, with a dashed outline
        QColor claro = fundo;
        claro.setAlpha(90);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawPath(camisa);
        p.setBrush(claro);
        p.setPen(QPen(QColor(40, 40, 40), 1.2, Qt::DashLine));
        p.drawPath(camisa);
        Numero(p, numero, QColor(30, 30, 30));
        break;
    }
    case kIndisponivel: // grey shirt under a red cross
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(QColor(215, 215, 215));
        p.drawPath(camisa);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 20, 20));
        p.drawRect(11, 6, 4, 12);
        p.drawRect(7, 10, 12, 4);
        break;
    case kNovato: // a gold shirt marked N
        p.setPen(QPen(QColor(120, 90, 0), 1));
        p.setBrush(QColor(240, 190, 40));
        p.drawPath(camisa);
        p.setPen(QColor(60, 40, 0));
        {
            QFont f = p.font();
            f.setPixelSize(11);
            f.setBold(true);
            p.setFont(f);
        }
        p.drawText(QRect(6, 5, 14, 14), Qt::AlignCenter, QStringLiteral("N"));
        break;
    default: // not selected: an empty outline, whatever the club's colours
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(camisa);
        Numero(p, numero, QColor(130, 130, 130));
        break;
    }
    return figura;
}

QPixmap FiguraCondicao(int icone, bool cansado) {
    QPixmap figura = Vazia();
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    const int base = CondicaoSemEstrela(icone);
    const bool estrela = CondicaoDeEstrela(icone);
    switch (base) {
    case 1: // suspended
        Cartao(p, QColor(210, 20, 20), 3);
        break;
    case 2: // out on cards
        Cartao(p, QColor(245, 210, 0), 3);
        break;
    case 3: // injured
        p.setPen(QPen(QColor(200, 20, 20), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(0, 3, 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 20, 20));
        p.drawRect(5, 5, 3, 9);
        p.drawRect(2, 8, 9, 3);
        break;
    default:
        if (cansado) { // committed tired last time
            QFont f = p.font();
            f.setPixelSize(11);
            f.setBold(true);
            p.setFont(f);
            p.setPen(QColor(40, 90, 200));
            p.drawText(QRect(0, 2, 16, 16), Qt::AlignCenter, QStringLiteral("z"));
        }
        break;
    }
    if (estrela) Estrela(p);
    return figura;
}

QPixmap FiguraMoral(int moral) {
    // `moral` + 7 is what the lists show; 10 is the usual mood (moral 3).
    QPixmap figura = Vazia();
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    const int m = moral - 10;
    const QColor cor = m > 0    ? QColor(60, 170, 60)
                       : m == 0 ? QColor(230, 200, 40)
                                : QColor(220, 90, 40);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(cor);
    p.drawEllipse(5, 2, 16, 16);
    p.setBrush(QColor(40, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(10, 8), 1.4, 1.4);
    p.drawEllipse(QPointF(16, 8), 1.4, 1.4);
    p.setPen(QPen(QColor(40, 40, 40), 1.3));
    p.setBrush(Qt::NoBrush);
    if (m > 0)
        p.drawArc(QRectF(9, 8, 8, 6), 200 * 16, 140 * 16);
    else if (m == 0)
        p.drawLine(QPointF(10, 13), QPointF(16, 13));
    else
        p.drawArc(QRectF(9, 12, 8, 6), 20 * 16, 140 * 16);
    return figura;
}

} // namespace management::telas
