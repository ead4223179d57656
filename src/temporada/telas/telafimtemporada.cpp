#include "temporada/telas/telafimtemporada.hpp"

#include "competitions/resumos.hpp"
#include "history/telas/telashistorico.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/competicoes.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"
#include "world/paises.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace temporada::telas {

using namespace competitions;

using namespace world;

namespace {

// Names and figures take the room they need; the competition, first, takes
// what is left (whole on any screen the lists fit, elided with its name over
// it on a smaller one).
QTableWidget* Grade(const QStringList& titulos) {
    auto* t = new QTableWidget(0, titulos.size());
    t->setHorizontalHeaderLabels(titulos);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->setDefaultSectionSize(20);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return t;
}

QTableWidgetItem* Competicao(const QString& nome) {
    auto* it = new QTableWidgetItem(nome);
    it->setToolTip(nome);
    return it;
}

// The width a list wants to show every column whole, its scroll bar included.
int LarguraInteira(const QTableWidget* t) {
    int largura = 2 * t->frameWidth() + t->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < t->columnCount(); ++c)
        largura += std::max(static_cast<const QAbstractItemView*>(t)->sizeHintForColumn(c),
                            t->horizontalHeader()->sectionSizeHint(c));
    return largura;
}

// A competition of the history as the lists name it: country's league and
// division, its cup, a state, the continental and tournament names.
QString NomeDoTitulo(const Jogo& jogo, int competicao, int chave, int divisao) {
    return ui::Q(competitions::NomeDoTitulo(jogo, competicao, chave, divisao));
}

QString NomeClube(const Jogo& jogo, int c) {
    return c >= 0 && c < static_cast<int>(jogo.times.size()) ? ui::Q(jogo.times[c].nome.view())
                                                             : QString();
}

// The tournaments place countries, the other competitions clubs.
QString NomeColocado(const Jogo& jogo, int competicao, int c) {
    if (EhTorneioDeSelecoes(competicao))
        return c >= 0 && c < kPaisesListas ? ui::Q(NomePais(c)) : QString();
    return NomeClube(jogo, c);
}

} // namespace

TelaFimTemporada::TelaFimTemporada(Jogo& jogo, QWidget* pai)
    : QWidget(pai), jogo_(jogo), temporada_(jogo.estado.temporada) {
    auto* v = new QVBoxLayout(this);
    auto* titulo = new QLabel(QString::number(2006 + temporada_));
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    titulo->setFont(f);
    titulo->setAlignment(Qt::AlignCenter);
    ui::FaixaClara(titulo);
    v->addWidget(titulo);
    meio_ = new QBoxLayout(QBoxLayout::LeftToRight);
    campeoes_ = Grade(
        {QStringLiteral("Competição"), QStringLiteral("Campeão"), QStringLiteral("Vice-campeão")});
    artilheiros_ = Grade({QStringLiteral("Competição"), QStringLiteral("Artilheiro"),
                          QStringLiteral("Time"), QStringLiteral("Gols")});
    meio_->addWidget(campeoes_, 1);
    meio_->addWidget(artilheiros_, 1);
    v->addLayout(meio_, 1);
    auto* baixo = new QHBoxLayout;
    // The season's history before the next one starts: the same screens and
    // keys as the main screen's menus.
    for (const auto t : history::telas::kTelasHistorico) {
        auto* b = new QPushButton(history::telas::NomeDaTela(t));
        const QKeySequence tecla = history::telas::TeclaDaTela(t);
        b->setShortcut(tecla);
        b->setToolTip(tecla.toString(QKeySequence::NativeText));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, t] {
            history::telas::AbrirTelaHistorico(jogo_, t, jogo_.estado.timeatual, this, true);
        });
        historico_.push_back(b);
        baixo->addWidget(b);
    }
    baixo->addStretch();
    aviso_ = new QLabel;
    aviso_->setObjectName(QStringLiteral("aviso"));
    aviso_->setContentsMargins(6, 2, 6, 2);
    ui::FaixaClara(aviso_); // readable over the background
    aviso_->hide();
    baixo->addWidget(aviso_);
    salvar_ = new QPushButton(ui::T(ui::kTextoSalvarJogo));
    salvar_->setObjectName(QStringLiteral("salvar"));
    salvar_->setShortcut(QKeySequence(Qt::Key_F2));
    salvar_->setToolTip(QKeySequence(Qt::Key_F2).toString(QKeySequence::NativeText));
    salvar_->setAutoDefault(false);
    connect(salvar_, &QPushButton::clicked, this, &TelaFimTemporada::salvar);
    baixo->addWidget(salvar_);
    continuar_ = new QPushButton(QStringLiteral("Continuar >>"));
    continuar_->setDefault(true);
    baixo->addWidget(continuar_);
    v->addLayout(baixo);
    connect(continuar_, &QPushButton::clicked, this, &TelaFimTemporada::continuar);

    // Champion and runner-up of each competition on one row.
    const auto titulos = CampeoesDaTemporada(jogo, temporada_);
    for (std::size_t i = 0; i < titulos.size(); ++i) {
        const TTituloHistorico& t = titulos[i];
        if (t.lugar != 1) continue;
        int vice = -1;
        if (i + 1 < titulos.size() && titulos[i + 1].lugar == 2 &&
            titulos[i + 1].competicao == t.competicao && titulos[i + 1].chave == t.chave &&
            titulos[i + 1].divisao == t.divisao)
            vice = titulos[i + 1].time;
        const int k = campeoes_->rowCount();
        campeoes_->insertRow(k);
        campeoes_->setItem(k, 0, Competicao(NomeDoTitulo(jogo, t.competicao, t.chave, t.divisao)));
        auto* c = new QTableWidgetItem(NomeColocado(jogo, t.competicao, t.time));
        QFont b = c->font();
        b.setBold(true);
        c->setFont(b);
        campeoes_->setItem(k, 1, c);
        campeoes_->setItem(k, 2, new QTableWidgetItem(NomeColocado(jogo, t.competicao, vice)));
        if (t.competicao != kMundialDeClubes && !EhTorneioDeSelecoes(t.competicao)) continue;
        // The club world cup and the tournaments also have their third and
        // fourth places.
        int lugares[2] = {-1, -1};
        for (const TTituloHistorico& o : jogo.historicotitulos)
            if (o.temporada == temporada_ && o.competicao == t.competicao &&
                (o.lugar == 3 || o.lugar == 4))
                lugares[o.lugar - 3] = o.time;
        campeoes_->insertRow(k + 1);
        campeoes_->setItem(k + 1, 0,
                           Competicao(NomeDoTitulo(jogo, t.competicao, t.chave, t.divisao) +
                                      QStringLiteral(" (3º e 4º)")));
        campeoes_->setItem(k + 1, 1,
                           new QTableWidgetItem(NomeColocado(jogo, t.competicao, lugares[0])));
        campeoes_->setItem(k + 1, 2,
                           new QTableWidgetItem(NomeColocado(jogo, t.competicao, lugares[1])));
    }
    MostrarArtilheiros();
}

void TelaFimTemporada::MostrarArtilheiros() {
    // The top scorers are recorded when the next season is prepared, right
    // after this screen is built; they are read from that record.
    const auto lista = ArtilheirosDaTemporada(jogo_, temporada_);
    artilheiros_->setRowCount(static_cast<int>(lista.size()));
    for (int k = 0; k < static_cast<int>(lista.size()); ++k) {
        const TArtilheiroHistorico& a = lista[k];
        artilheiros_->setItem(k, 0,
                              Competicao(NomeDoTitulo(jogo_, a.competicao, a.chave, a.divisao)));
        const QString nome = a.jogador > 0 && a.jogador < static_cast<int>(jogo_.jogadores.size())
                                 ? ui::Q(jogo_.jogadores[a.jogador].nome.view())
                                 : QString();
        artilheiros_->setItem(k, 1, new QTableWidgetItem(nome));
        artilheiros_->setItem(k, 2, new QTableWidgetItem(NomeClube(jogo_, a.time)));
        artilheiros_->setItem(k, 3, new QTableWidgetItem(QString::number(a.gols)));
    }
}

void TelaFimTemporada::Avisar(const QString& aviso) {
    aviso_->setText(aviso);
    aviso_->setVisible(!aviso.isEmpty());
}

void TelaFimTemporada::showEvent(QShowEvent* e) {
    MostrarArtilheiros();
    Distribuir();
    QWidget::showEvent(e);
}

void TelaFimTemporada::resizeEvent(QResizeEvent* e) {
    Distribuir();
    QWidget::resizeEvent(e);
}

void TelaFimTemporada::Distribuir() {
    // Side by side when both lists show whole so, else one above the other.
    const QMargins m = layout()->contentsMargins();
    const int espaco = width() - m.left() - m.right() - meio_->spacing();
    const bool lado = espaco >= LarguraInteira(campeoes_) + LarguraInteira(artilheiros_);
    meio_->setDirection(lado ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

void TelaFimTemporada::paintEvent(QPaintEvent*) {
    ui::PintarFundo(this, ui::kFundoListas);
}

} // namespace temporada::telas
