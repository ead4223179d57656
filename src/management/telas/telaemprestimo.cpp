#include "management/telas/telaemprestimo.hpp"

#include "management/financas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace management::telas {
namespace {

QLabel* Numero(const char* nome) {
    auto* r = new QLabel;
    r->setObjectName(QString::fromLatin1(nome));
    QFont f = r->font();
    f.setBold(true);
    r->setFont(f);
    return r;
}

QString TextoRecusa(RecusaEmprestimo r) {
    switch (r) {
    case RecusaEmprestimo::Nenhuma:
        return {};
    case RecusaEmprestimo::SemClube:
        return ui::T(ui::kTextoSemClube);
    case RecusaEmprestimo::NoLimite:
        return ui::T(2850) + ' ' + ui::DinheiroExtenso(kLimiteEmprestimo);
    case RecusaEmprestimo::SemDivida:
        return ui::T(2851);
    }
    return {};
}

} // namespace

TelaEmprestimo::TelaEmprestimo(world::Jogo& jogo, int clube, QWidget* pai)
    : QDialog(pai), jogo_(jogo), clube_(clube), dinheiro_(Numero("dinheiro")),
      emprestado_(Numero("emprestado")), juros_(Numero("juros")) {
    setWindowTitle(QStringLiteral("Empréstimo Bancário"));
    setModal(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Dinheiro em caixa:"), dinheiro_);
    form->addRow(QStringLiteral("Valor já emprestado:"), emprestado_);
    form->addRow(QStringLiteral("Juros semanais:"), juros_);

    pegar_ = new QPushButton(QStringLiteral("Pegar 500 mil emprestado"), this);
    pegar_->setObjectName(QStringLiteral("pegar"));
    pagar_ = new QPushButton(QStringLiteral("Pagar 500 mil"), this);
    pagar_->setObjectName(QStringLiteral("pagar"));
    connect(pegar_, &QPushButton::clicked, this, [this] {
        if (PegarEmprestimo(jogo_, clube_) == RecusaEmprestimo::Nenhuma) emit dinheiroMudou();
        Atualizar();
    });
    connect(pagar_, &QPushButton::clicked, this, [this] {
        if (PagarEmprestimo(jogo_, clube_) == RecusaEmprestimo::Nenhuma) emit dinheiroMudou();
        Atualizar();
    });
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(pegar_);
    botoes->addWidget(pagar_);
    // At the limit the reason stays in view: the disabled button alone
    // would not say it.
    motivo_ = new QLabel(this);
    motivo_->setObjectName(QStringLiteral("motivo"));
    motivo_->setWordWrap(true);

    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar), this);
    fechar->setObjectName(QStringLiteral("fechar"));
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(fechar);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(botoes);
    layout->addWidget(motivo_);
    layout->addStretch();
    layout->addLayout(rodape);
    setMinimumWidth(420);
    Atualizar();
}

void TelaEmprestimo::Atualizar() {
    const ResumoFinancas r = ResumirFinancas(jogo_, clube_);
    dinheiro_->setText(ui::DinheiroExtenso(r.dinheiro));
    // The balance is a single club's figure and always fits in the cash range.
    emprestado_->setText(ui::DinheiroExtenso(static_cast<int>(r.emprestimo)));
    juros_->setText(ui::DinheiroExtenso(r.jurossemanais));
    // A button the bank would refuse says why.
    const RecusaEmprestimo pegar = RecusaDoEmprestimo(jogo_, clube_);
    const RecusaEmprestimo pagar = RecusaDoPagamento(jogo_, clube_);
    pegar_->setEnabled(pegar == RecusaEmprestimo::Nenhuma);
    pegar_->setToolTip(TextoRecusa(pegar));
    pagar_->setEnabled(pagar == RecusaEmprestimo::Nenhuma);
    pagar_->setToolTip(TextoRecusa(pagar));
    motivo_->setText(TextoRecusa(pegar));
}

} // namespace management::telas
