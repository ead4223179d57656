#include "management/telas/gradeelenco.hpp"

#include "management/escalacaotatica.hpp"
#include "ui/textos.hpp"
#include "world/posicoes.hpp"

#include <QComboBox>
#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <utility>

namespace management::telas {

using namespace world;

namespace {

constexpr int kLarguraFigura = 26;
constexpr int kAlturaFigura = 20;

// Column captions as the squad lists of the game write them.
const char* const kTitulos[GradeElenco::kColunas] = {
    "", "P", "", "Nome", "Função", "F", "Energia", "Salário", "Passe", "G", "Car.", "I", "M", ""};

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

// Black or white, whichever reads better on the background.
QColor Contraste(const QColor& fundo) {
    return fundo.lightness() > 140 ? QColor(Qt::black) : QColor(Qt::white);
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
    default: // not selected: a pale outline
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(QColor(245, 245, 245));
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
    // A star shows its own icons: 12 fit, 5 suspended, 8 three cards, 7 injured.
    int base = icone;
    bool estrela = false;
    switch (icone) {
    case 12:
        base = 0, estrela = true;
        break;
    case 5:
        base = 1, estrela = true;
        break;
    case 8:
        base = 2, estrela = true;
        break;
    case 7:
        base = 3, estrela = true;
        break;
    default:
        break;
    }
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

GradeElenco::GradeElenco(Jogo& jogo, QWidget* pai) : QTableWidget(pai), jogo_(jogo) {
    setColumnCount(kColunas);
    QStringList titulos;
    for (const char* t : kTitulos) titulos << QString::fromUtf8(t);
    setHorizontalHeaderLabels(titulos);
    setColumnHidden(kColCodigo, true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(kLarguraFigura, kAlturaFigura));
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(24);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* h = horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Interactive);
    h->setStretchLastSection(false);
    const int larguras[kColunas] = {34, 26, 28, 170, 110, 34, 60, 100, 110, 34, 120, 34, 34, 0};
    for (int c = 0; c < kColunas; ++c) setColumnWidth(c, larguras[c]);
    h->setSectionResizeMode(kColNome, QHeaderView::Stretch);
    connect(this, &QTableWidget::cellClicked, this, [this](int linha, int coluna) {
        if (coluna == kColStatus) ClicarStatusDaLinha(linha);
    });
}

void GradeElenco::Mostrar(Grade grade) {
    grade_ = std::move(grade);
    clearContents();
    setRowCount(static_cast<int>(grade_.linhas.size()));
    for (int linha = 0; linha < rowCount(); ++linha) {
        for (int c = 0; c < kColunas; ++c)
            if (c != kColFuncao) setItem(linha, c, new QTableWidgetItem);
        CriarCaixaFuncao(linha);
    }
    Redesenhar();
}

void GradeElenco::CriarCaixaFuncao(int linha) {
    auto* caixa = new QComboBox;
    caixa->setFocusPolicy(Qt::StrongFocus);
    connect(caixa, &QComboBox::activated, this,
            [this, linha](int item) { MudouFuncao(linha, item); });
    setCellWidget(linha, kColFuncao, caixa);
}

void GradeElenco::MudouFuncao(int linha, int item) {
    if (!MudarFuncao(jogo_, grade_, linha, item)) return;
    RedesenharLinha(linha);
    emit alterada();
}

void GradeElenco::Redesenhar() {
    for (int linha = 0; linha < rowCount(); ++linha) RedesenharLinha(linha);
}

void GradeElenco::RedesenharLinha(int linha) {
    if (linha < 0 || linha >= rowCount() || linha >= static_cast<int>(grade_.linhas.size())) return;
    const LinhaGrade& l = grade_.linhas[linha];
    if (l.jogador <= 0 || l.jogador >= static_cast<int>(jogo_.jogadores.size())) return;
    const TJogador& j = jogo_.jogadores[l.jogador];
    const bool clubeValido =
        grade_.clube >= 0 && grade_.clube < static_cast<int>(jogo_.times.size());
    static const TTime kSemClube = NovoTime();
    const TTime& clube = clubeValido ? jogo_.times[grade_.clube] : kSemClube;
    const CelulasLinha c = Celulas(jogo_, grade_, linha);

    auto texto = [&](int coluna, const QString& t, Qt::Alignment a = Qt::AlignCenter) {
        QTableWidgetItem* it = item(linha, coluna);
        it->setText(t);
        it->setTextAlignment(a);
    };
    item(linha, kColStatus)->setIcon(QIcon(FiguraStatus(l.codigo, j.numero, clube)));
    item(linha, kColStatus)->setToolTip(QString::number(j.numero));
    texto(kColPosicao, ui::Q(c.posicao));
    item(linha, kColIcone)->setIcon(QIcon(FiguraCondicao(c.icone, j.cansado != 0)));
    texto(kColNome, ui::Q(c.nome), Qt::AlignLeft | Qt::AlignVCenter);
    texto(kColForca, QString::number(c.forca));
    texto(kColEnergia, QString::number(c.energia));
    texto(kColSalario, ui::Dinheiro(c.salario), Qt::AlignRight | Qt::AlignVCenter);
    texto(kColPasse, ui::Dinheiro(c.passe), Qt::AlignRight | Qt::AlignVCenter);
    texto(kColGols, QString::number(c.gols));
    texto(kColCaract, ui::Q(c.caracteristicas));
    texto(kColIdade, QString::number(c.idade));
    item(linha, kColMoral)->setIcon(QIcon(FiguraMoral(c.moral)));
    texto(kColCodigo, QString::number(l.codigo));

    if (auto* caixa = qobject_cast<QComboBox*>(cellWidget(linha, kColFuncao))) {
        const QSignalBlocker bloqueio(caixa);
        caixa->clear();
        for (const std::string& f : ItensFuncao(j.posicaoatual)) caixa->addItem(ui::Q(f));
        caixa->setCurrentIndex(j.funcao >= 0 && j.funcao < caixa->count() ? j.funcao : -1);
    }

    // Colours by position when the option asks for them.
    const TOpcoes& o = jogo_.estado.opcoes;
    const bool cores = o.opcornalista != 0 && j.posicaoatual >= 0 && j.posicaoatual <= 4;
    const QBrush fundo = cores ? QBrush(CorDoJogo(o.cores[j.posicaoatual])) : QBrush();
    const QBrush frente = cores ? QBrush(Contraste(CorDoJogo(o.cores[j.posicaoatual]))) : QBrush();
    for (int col = 0; col < kColunas; ++col)
        if (QTableWidgetItem* it = item(linha, col)) {
            it->setBackground(fundo);
            it->setForeground(frente);
        }
}

void GradeElenco::ClicarStatusDaLinha(int linha) {
    if (!ClicarStatus(jogo_, grade_, linha)) return;
    RedesenharLinha(linha);
    emit alterada();
}

} // namespace management::telas
