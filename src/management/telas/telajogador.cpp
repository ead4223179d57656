#include "management/telas/telajogador.hpp"

#include "management/telas/figurasgrade.hpp"
#include "ui/graficos.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QChartView>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace management::telas {

using namespace world;

namespace {

constexpr int kTextoTotal = 2647;

QString Ou(const std::string& texto) {
    return texto.empty() ? QStringLiteral("-") : ui::Q(texto);
}

QLabel* Valor(const QString& texto, const QString& dica = {}) {
    auto* r = new QLabel(texto);
    QFont f = r->font();
    f.setBold(true);
    r->setFont(f);
    r->setTextFormat(Qt::PlainText);
    r->setToolTip(dica);
    return r;
}

QFormLayout* Formulario() {
    auto* f = new QFormLayout;
    f->setLabelAlignment(Qt::AlignRight);
    f->setHorizontalSpacing(10);
    f->setVerticalSpacing(5);
    return f;
}

QString Rotulo(int texto) {
    return ui::T(texto) + ':';
}

constexpr int kAlturaLinha = 21;

// A read-only table as tall as its rows; the last row is a total, in bold.
QTableWidget* Tabela(const QStringList& titulos, int linhas, int larga) {
    auto* t = new QTableWidget(linhas, static_cast<int>(titulos.size()));
    t->setHorizontalHeaderLabels(titulos);
    t->verticalHeader()->setVisible(false);
    t->verticalHeader()->setDefaultSectionSize(kAlturaLinha);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(larga, QHeaderView::Stretch);
    const int altura =
        t->horizontalHeader()->sizeHint().height() + kAlturaLinha * std::max(linhas, 1) + 4;
    t->setFixedHeight(altura);
    return t;
}

void Celula(QTableWidget* t, int linha, int coluna, const QString& texto, bool total = false) {
    auto* it = new QTableWidgetItem(texto);
    const bool larga = t->horizontalHeader()->sectionResizeMode(coluna) == QHeaderView::Stretch;
    it->setTextAlignment(larga ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    if (total) {
        QFont f = t->font();
        f.setBold(true);
        it->setFont(f);
    }
    t->setItem(linha, coluna, it);
}

// Room left over goes below the tables once they show every row: unlike a
// stretch, this does not take it from them.
QSpacerItem* Folga() {
    return new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Minimum);
}

QString Numero(int n) {
    return QString::number(n);
}

} // namespace

TelaJogador::TelaJogador(const Jogo& jogo, int jogador, QWidget* pai)
    : QDialog(pai), ficha_(MontarFicha(jogo, jogador)) {
    setWindowTitle(ui::T(ui::kTextoFichaDoJogador));
    setModal(true);

    // The name, the star and the club on one line.
    auto* titulo = new QHBoxLayout;
    nome_ = new QLabel(ui::Q(ficha_.nome));
    nome_->setObjectName(QStringLiteral("nome"));
    nome_->setTextFormat(Qt::PlainText);
    QFont grande = nome_->font();
    grande.setPointSize(grande.pointSize() + 5);
    grande.setBold(true);
    nome_->setFont(grande);
    titulo->addWidget(nome_);
    if (ficha_.estrela) {
        auto* estrela = new QLabel;
        estrela->setPixmap(FiguraCondicao(12, false));
        estrela->setToolTip(ui::T(ui::kTextoCraque));
        titulo->addWidget(estrela);
    }
    titulo->addStretch();
    auto* clube = new QLabel(Ou(ficha_.nomeclube));
    clube->setTextFormat(Qt::PlainText);
    QFont medio = clube->font();
    medio.setPointSize(medio.pointSize() + 2);
    clube->setFont(medio);
    titulo->addWidget(clube);

    auto* meio = new QHBoxLayout;
    meio->addWidget(MontarDados(), 3);
    meio->addWidget(MontarTemporada(), 2);

    // Later screens add their buttons here, left of "Fechar".
    botoes_ = new QHBoxLayout;
    botoes_->addStretch();
    fechar_ = new QPushButton(ui::T(ui::kTextoFechar));
    fechar_->setObjectName(QStringLiteral("fechar"));
    fechar_->setDefault(true);
    connect(fechar_, &QPushButton::clicked, this, &QDialog::accept);
    botoes_->addWidget(fechar_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titulo);
    layout->addLayout(meio);
    auto* baixo = new QHBoxLayout;
    baixo->addWidget(MontarCarreira(), 3);
    if (ficha_.temhistorico) baixo->addWidget(MontarGrafico(), 2);
    layout->addLayout(baixo);
    layout->addItem(Folga());
    layout->addLayout(botoes_);

    // Every row shows when the screen has the room; on a smaller one the
    // tables give way and scroll.
    if (minimumSizeHint().height() > ui::EspacoNaTela(this).height()) {
        for (QTableWidget* t : {temporada_, carreira_})
            t->setMinimumHeight(std::min(t->maximumHeight(), kAlturaLinha * 5 + 30));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    ui::Dimensionar(this, QSize(940, 0));
}

QWidget* TelaJogador::MontarDados() {
    const FichaJogador& f = ficha_;
    auto* quadro = new QGroupBox;
    auto* lado = new QHBoxLayout(quadro);

    auto* a = Formulario();
    a->addRow(Rotulo(2525), Valor(Numero(f.idade)));
    a->addRow(Rotulo(2641), Valor(Ou(f.nacionalidade)));
    a->addRow(Rotulo(2523), Valor(Ou(f.nomeposicao)));
    a->addRow(Rotulo(2642), Valor(Ou(f.nomeposicaoatual)));
    a->addRow(Rotulo(2502), Valor(Ou(f.funcao)));
    const QString caract =
        f.caracteristica1 == f.caracteristica2
            ? Ou(f.caracteristica1)
            : Ou(f.caracteristica1) + QStringLiteral(" / ") + Ou(f.caracteristica2);
    a->addRow(Rotulo(2526), Valor(caract, ui::Q(f.caracteristicas)));
    lado->addLayout(a);

    auto* b = Formulario();
    b->addRow(Rotulo(2605), Valor(Numero(f.forca)));
    b->addRow(Rotulo(2504), Valor(Numero(f.energia)));
    const int humor = f.moral > 10 ? 2635 : f.moral == 10 ? 2636 : 2637;
    b->addRow(Rotulo(2612), Valor(Numero(f.moral) + QStringLiteral(" (") + ui::T(humor) + ')'));
    b->addRow(Rotulo(2643), Valor(ui::Dinheiro(f.passe), ui::DinheiroExtenso(f.passe)));
    b->addRow(Rotulo(2607), Valor(ui::Dinheiro(f.salario), ui::DinheiroExtenso(f.salario)));
    b->addRow(Rotulo(2644), Valor(Ou(f.fimcontrato)));
    lado->addLayout(b);
    return quadro;
}

QWidget* TelaJogador::MontarTemporada() {
    const FichaJogador& f = ficha_;
    auto* grupo = new QGroupBox(ui::T(2645));
    auto* v = new QVBoxLayout(grupo);
    const int n = static_cast<int>(f.temporada.size());
    temporada_ = Tabela({ui::T(2646), ui::T(ui::kTextoJogos), ui::T(ui::kTextoGols)}, n + 1, 0);
    temporada_->setObjectName(QStringLiteral("temporada"));
    for (int k = 0; k < n; ++k) {
        const LinhaTemporadaFicha& l = f.temporada[k];
        Celula(temporada_, k, 0, ui::Q(l.nome));
        Celula(temporada_, k, 1, Numero(l.jogos));
        Celula(temporada_, k, 2, Numero(l.gols));
    }
    Celula(temporada_, n, 0, ui::T(kTextoTotal), true);
    Celula(temporada_, n, 1, Numero(f.totaltemporada.jogos), true);
    Celula(temporada_, n, 2, Numero(f.totaltemporada.gols), true);
    v->addWidget(temporada_);
    v->addItem(Folga());
    return grupo;
}

QWidget* TelaJogador::MontarCarreira() {
    const FichaJogador& f = ficha_;
    auto* grupo = new QGroupBox(ui::T(333));
    auto* v = new QVBoxLayout(grupo);
    const int n = static_cast<int>(f.carreira.size());
    carreira_ = Tabela({ui::T(2648), ui::T(2649), ui::T(ui::kTextoJogos), ui::T(ui::kTextoGols),
                        ui::T(2650), ui::T(2651), ui::T(2652)},
                       f.temhistorico ? n + 1 : 0, 1);
    carreira_->setObjectName(QStringLiteral("carreira"));
    auto contar = [&](int k, const LinhaCarreiraFicha& l, bool total) {
        Celula(carreira_, k, 2, Numero(l.jogos), total);
        Celula(carreira_, k, 3, Numero(l.gols), total);
        Celula(carreira_, k, 4, Numero(l.amarelos), total);
        Celula(carreira_, k, 5, Numero(l.vermelhos), total);
        Celula(carreira_, k, 6, Numero(l.contusoes), total);
    };
    for (int k = 0; k < n; ++k) {
        const LinhaCarreiraFicha& l = f.carreira[k];
        QStringList clubes;
        for (const std::string& c : l.clubes) clubes << ui::Q(c);
        Celula(carreira_, k, 0, Numero(l.ano));
        Celula(carreira_, k, 1, clubes.isEmpty() ? QStringLiteral("-") : clubes.join(", "));
        carreira_->item(k, 1)->setToolTip(carreira_->item(k, 1)->text());
        contar(k, l, false);
    }
    if (f.temhistorico) {
        Celula(carreira_, n, 0, ui::T(kTextoTotal), true);
        Celula(carreira_, n, 1, {}, true);
        contar(n, f.totalcarreira, true);
        v->addWidget(carreira_);
    } else {
        carreira_->hide();
        v->addWidget(new QLabel(ui::T(2653)));
    }
    return grupo;
}

// The career by season as bars; the record keeps no strength per season, so
// the title gives today's.
QChartView* TelaJogador::MontarGrafico() {
    const FichaJogador& f = ficha_;
    grafico_ = ui::NovoGrafico(ui::T(2920) + QStringLiteral(" — ") + ui::T(2923) +
                               QStringLiteral(" %1").arg(f.forca));
    grafico_->setObjectName(QStringLiteral("grafico"));
    QStringList anos;
    ui::Serie jogos{ui::T(2921), {}, {}, false, false}, gols{ui::T(2922), {}, {}, false, false};
    for (const LinhaCarreiraFicha& l : f.carreira) {
        anos << QString::number(l.ano);
        jogos.valores.push_back(l.jogos);
        gols.valores.push_back(l.gols);
    }
    ui::MostrarBarras(grafico_->chart(), anos, {jogos, gols}, QString());
    return grafico_;
}

QChart* TelaJogador::grafico() const {
    return grafico_ ? grafico_->chart() : nullptr;
}

void TelaJogador::AdicionarBotao(QPushButton* botao) {
    // Before the stretch that pushes "Fechar" to the right.
    botoes_->insertWidget(botoes_->count() - 2, botao);
}

void AbrirFichaJogador(const Jogo& jogo, int jogador, QWidget* pai) {
    TelaJogador ficha(jogo, jogador, pai);
    ficha.exec();
}

} // namespace management::telas
