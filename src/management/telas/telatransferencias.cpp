#include "management/telas/telatransferencias.hpp"

#include "management/outrosclubes.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace management::telas {

TelaTransferencias::TelaTransferencias(const world::Jogo& jogo, int clube, QWidget* pai)
    : QDialog(pai), jogo_(jogo), clube_(clube) {
    setWindowTitle(QStringLiteral("Últimas transferências"));
    setObjectName(QStringLiteral("transferencias"));
    setModal(true);

    tabela_ = new QTableWidget(0, 5);
    tabela_->setObjectName(QStringLiteral("tabela"));
    tabela_->setHorizontalHeaderLabels(
        {QStringLiteral("Ano"), QStringLiteral("Jogador"), QStringLiteral("Clube de Origem"),
         QStringLiteral("Clube de Destino"), QStringLiteral("Valor")});
    tabela_->verticalHeader()->setVisible(false);
    tabela_->verticalHeader()->setDefaultSectionSize(22);
    tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabela_->setAlternatingRowColors(true);
    tabela_->setWordWrap(false);
    QHeaderView* h = tabela_->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Stretch);
    h->setSectionResizeMode(0, QHeaderView::Fixed);
    h->setSectionResizeMode(4, QHeaderView::Fixed);
    const QFontMetrics fm = tabela_->fontMetrics();
    tabela_->setColumnWidth(0, fm.horizontalAdvance(QStringLiteral("2099")) + 24);
    tabela_->setColumnWidth(4, fm.horizontalAdvance(QStringLiteral("$99 999 999")) + 24);

    meuclube_ = new QCheckBox(QStringLiteral("Só as do meu clube"));
    meuclube_->setObjectName(QStringLiteral("meuclube"));
    meuclube_->setEnabled(clube_ >= 0 && clube_ < static_cast<int>(jogo_.times.size()));
    connect(meuclube_, &QCheckBox::toggled, this, &TelaTransferencias::Preencher);
    total_ = new QLabel;
    total_->setObjectName(QStringLiteral("total"));
    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar));
    fechar->setObjectName(QStringLiteral("fechar"));
    fechar->setDefault(true);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addWidget(meuclube_);
    rodape->addSpacing(16);
    rodape->addWidget(total_);
    rodape->addStretch();
    rodape->addWidget(fechar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabela_, 1);
    layout->addLayout(rodape);
    Preencher();
    ui::Dimensionar(this, QSize(900, 640));
}

void TelaTransferencias::Preencher() {
    const bool so = meuclube_->isChecked();
    const std::vector<LinhaTransferencia> linhas = UltimasTransferencias(jogo_);
    tabela_->setRowCount(0);
    int fila = 0;
    for (const LinhaTransferencia& l : linhas) {
        if (so && l.vendedor != clube_ && l.comprador != clube_) continue;
        tabela_->insertRow(fila);
        auto celula = [&](int coluna, const QString& texto, Qt::Alignment a) {
            auto* it = new QTableWidgetItem(texto);
            it->setTextAlignment(a);
            it->setToolTip(texto);
            // The human's own dealings stand out in a long list.
            if (clube_ >= 0 && (l.vendedor == clube_ || l.comprador == clube_)) {
                QFont f = tabela_->font();
                f.setBold(true);
                it->setFont(f);
            }
            tabela_->setItem(fila, coluna, it);
        };
        const auto esquerda = Qt::AlignLeft | Qt::AlignVCenter;
        celula(0, QString::number(l.ano), Qt::AlignCenter);
        celula(1, ui::Q(l.jogador), esquerda);
        celula(2, ui::Q(l.origem), esquerda);
        celula(3, ui::Q(l.destino), esquerda);
        celula(4, ui::Dinheiro(l.preco), Qt::AlignRight | Qt::AlignVCenter);
        ++fila;
    }
    total_->setText(fila == 1 ? QStringLiteral("1 transferência")
                              : QStringLiteral("%1 transferências").arg(fila));
}

} // namespace management::telas
