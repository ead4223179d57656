#include "competitions/telas/telacalendario.hpp"

#include "competitions/resumos.hpp"
#include "competitions/telas/relatoriopartida.hpp"
#include "match/resultadosdata.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace competitions::telas {

using namespace world;

namespace {
// Day counts start on 30 December 1899.
QDate Dia(double data) {
    return QDate(1899, 12, 30).addDays(static_cast<qint64>(data));
}
} // namespace

TelaCalendario::TelaCalendario(const Jogo& jogo, int time, QWidget* pai)
    : QDialog(pai), jogo_(jogo), partidas_(PartidasDoClube(jogo, time)) {
    setWindowTitle(QStringLiteral("Calendário Jogos"));
    ui::Dimensionar(this, QSize(1100, 680));
    auto* v = new QVBoxLayout(this);
    linhas_ = new QTableWidget(static_cast<int>(partidas_.size()), 9);
    linhas_->setHorizontalHeaderLabels({QString(), QString(), QString(), QString(), QString(),
                                        QString(), QString(), QStringLiteral("Público"),
                                        QStringLiteral("Renda")});
    linhas_->verticalHeader()->hide();
    linhas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    linhas_->setSelectionBehavior(QAbstractItemView::SelectRows);
    linhas_->verticalHeader()->setDefaultSectionSize(20);
    linhas_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    linhas_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    linhas_->horizontalHeader()->setSectionResizeMode(6, QHeaderView::Stretch);
    for (int k = 0; k < static_cast<int>(partidas_.size()); ++k) {
        const TPartida& p = jogo.partidas[partidas_[k]];
        const QDate d = Dia(p.data);
        auto celula = [&](int c, const QString& s, Qt::Alignment a = Qt::AlignLeft) {
            auto* it = new QTableWidgetItem(s);
            it->setTextAlignment(a | Qt::AlignVCenter);
            linhas_->setItem(k, c, it);
        };
        // Weekday texts run from Sunday (2000) to Saturday (2006).
        celula(0, d.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" - ") +
                      ui::T(2000 + d.dayOfWeek() % 7));
        celula(1, ui::T(p.mandante == time ? 2010 : 2011));
        celula(2, ui::Q(NomeDaCompeticao(jogo, p.competicao, time)));
        auto nome = [&](int c) { return ui::Q(match::NomeDoClubeArquivado(jogo, c)); };
        celula(3, nome(p.mandante), Qt::AlignRight);
        QString placar = QStringLiteral("x");
        if (p.jogado) {
            placar = QStringLiteral("%1 x %2").arg(p.golsmandante).arg(p.golsvisitante);
            if (p.penaltismandante || p.penaltisvisitante)
                placar +=
                    QStringLiteral(" (%1 x %2)").arg(p.penaltismandante).arg(p.penaltisvisitante);
        }
        celula(5, placar, Qt::AlignCenter);
        celula(4, QString());
        linhas_->item(k, 4)->setText(nome(p.mandante));
        linhas_->item(k, 4)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        celula(3, QString());
        celula(6, nome(p.visitante));
        if (p.jogado && !match::PublicoOculto(p.competicao, p.publico)) {
            celula(7, QString::number(p.publico), Qt::AlignRight);
            celula(8, ui::Dinheiro(p.renda), Qt::AlignRight);
        }
    }
    linhas_->setColumnHidden(3, true);
    v->addWidget(linhas_, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* b = new QHBoxLayout;
    b->addStretch();
    b->addWidget(ok);
    v->addLayout(b);
    connect(linhas_, &QTableWidget::cellDoubleClicked, this, [this](int l, int) { AbrirLinha(l); });
}

bool TelaCalendario::AbrirLinha(int linha) {
    if (linha < 0 || linha >= static_cast<int>(partidas_.size())) return false;
    return competitions::telas::AbrirRelatorio(jogo_, jogo_.partidas[partidas_[linha]], this);
}

} // namespace competitions::telas
