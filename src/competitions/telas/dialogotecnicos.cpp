#include "competitions/telas/dialogotecnicos.hpp"

#include "competitions/novojogo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace competitions::telas {

DialogoTecnicos::DialogoTecnicos(world::Jogo& jogo, QWidget* pai)
    : QDialog(pai), jogo_(jogo), lista_(new QTableWidget(6, 3, this)),
      remover_(new QPushButton(ui::T(551), this)), adicionar_(new QPushButton(ui::T(552), this)) {
    setWindowTitle(QStringLiteral("Técnicos humanos"));
    lista_->setHorizontalHeaderLabels(
        {QStringLiteral("Nº"), QStringLiteral("Técnico"), QStringLiteral("Time")});
    lista_->verticalHeader()->hide();
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    lista_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar), this);
    connect(remover_, &QPushButton::clicked, this, &DialogoTecnicos::Remover);
    connect(adicionar_, &QPushButton::clicked, this, &DialogoTecnicos::Adicionar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(remover_);
    botoes->addWidget(adicionar_);
    botoes->addStretch();
    botoes->addWidget(fechar);
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(lista_);
    coluna->addLayout(botoes);
    ui::Dimensionar(this, QSize(520, 300));
    Preencher();
}

void DialogoTecnicos::Preencher() {
    const auto& humanos = jogo_.estado.humanos;
    int ocupados = 0;
    for (int i = 0; i < 6; ++i) {
        const int t = humanos[i];
        const bool tem = t >= 0 && t < static_cast<int>(jogo_.tecnicos.size());
        ocupados += tem;
        QString nome, clube;
        if (tem) {
            const world::TTecnico& tec = jogo_.tecnicos[t];
            nome = ui::Q(tec.nome.view());
            if (tec.time >= 0 && tec.time < static_cast<int>(jogo_.times.size()))
                clube = ui::Q(jogo_.times[tec.time].nome.view());
        }
        lista_->setItem(i, 0, new QTableWidgetItem(QString::number(i + 1)));
        lista_->setItem(i, 1, new QTableWidgetItem(nome));
        lista_->setItem(i, 2, new QTableWidgetItem(clube));
    }
    adicionar_->setEnabled(ocupados < 6);
}

QString DialogoTecnicos::PedirNome() {
    return QInputDialog::getText(this, windowTitle(), QStringLiteral("Nome do técnico:")).trimmed();
}

void DialogoTecnicos::Avisar(const QString& texto) {
    QMessageBox::information(this, windowTitle(), texto);
}

void DialogoTecnicos::Remover() {
    const int i = lista_->currentRow();
    if (i < 0 || jogo_.estado.humanos[i] < 0) return;
    if (!competitions::RemoverTecnicoHumano(jogo_, i)) {
        Avisar(ui::T(840)); // he still coaches a club
        return;
    }
    Preencher();
}

void DialogoTecnicos::Adicionar() {
    const QString nome = PedirNome();
    if (nome.isEmpty()) return;
    competitions::AdicionarTecnicoHumano(jogo_, ui::ParaJogo(nome, 25));
    Preencher();
}

} // namespace competitions::telas
