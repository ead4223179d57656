#include "management/telas/telacontratacoes.hpp"

#include "management/contratacoes.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace management::telas {

TelaContratacoes::TelaContratacoes(const world::Jogo& jogo, QWidget* pai)
    : QDialog(pai), tabela_(new QTableWidget(0, 3)) {
    setWindowTitle(QStringLiteral("Últimas contratações de técnicos"));
    setModal(true);
    tabela_->setObjectName(QStringLiteral("tabela"));
    tabela_->setHorizontalHeaderLabels(
        {QStringLiteral("Técnico"), QStringLiteral("Ano"), QStringLiteral("Clube")});
    tabela_->verticalHeader()->setVisible(false);
    tabela_->verticalHeader()->setDefaultSectionSize(22);
    tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela_->setAlternatingRowColors(true);
    QHeaderView* h = tabela_->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Stretch);
    h->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    const auto linhas = UltimasContratacoes(jogo);
    tabela_->setRowCount(static_cast<int>(linhas.size()));
    for (int r = 0; r < static_cast<int>(linhas.size()); ++r) {
        const LinhaContratacao& l = linhas[r];
        tabela_->setItem(r, 0, new QTableWidgetItem(ui::Q(l.tecnico)));
        auto* ano = new QTableWidgetItem(QString::number(l.ano));
        ano->setTextAlignment(Qt::AlignCenter);
        tabela_->setItem(r, 1, ano);
        tabela_->setItem(r, 2, new QTableWidgetItem(ui::Q(l.clube)));
    }

    auto* total = new QLabel(QString::number(linhas.size()) + QStringLiteral(" contratações"));
    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar));
    fechar->setDefault(true);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addWidget(total);
    rodape->addStretch();
    rodape->addWidget(fechar);
    auto* v = new QVBoxLayout(this);
    v->addWidget(tabela_, 1);
    v->addLayout(rodape);
    resize(640, 560);
}

} // namespace management::telas
