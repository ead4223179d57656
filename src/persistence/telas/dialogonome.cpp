#include "persistence/telas/dialogonome.hpp"

#include "persistence/jogosalvo.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

namespace persistence::telas {

DialogoNome::DialogoNome(QWidget* pai) : QDialog(pai) {
    setWindowTitle(ui::T(ui::kTextoSalvarJogo));
    setModal(true);
    nome_ = new QLineEdit(this);
    nome_->setObjectName(QStringLiteral("nome"));
    // What does not fit beside ".s07" would be cut from the file name anyway.
    nome_->setMaxLength(kMaxNomeArquivo - static_cast<int>(std::strlen(kExtensao)));
    salvar_ = new QPushButton(ui::T(ui::kTextoSalvar), this);
    salvar_->setObjectName(QStringLiteral("salvar"));
    salvar_->setDefault(true);
    salvar_->setEnabled(false);
    connect(nome_, &QLineEdit::textChanged, this,
            [this](const QString& t) { salvar_->setEnabled(!t.isEmpty()); });
    connect(salvar_, &QPushButton::clicked, this, &DialogoNome::Salvar);
    // The player may change his mind: nothing is saved and no name is kept.
    auto* cancelar = new QPushButton(ui::T(ui::kTextoCancelar), this);
    cancelar->setObjectName(QStringLiteral("cancelar"));
    cancelar->setAutoDefault(false);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(salvar_);
    rodape->addWidget(cancelar);
    auto* layout = new QVBoxLayout(this);
    auto* explicacao = new QLabel(ui::T(499), this);
    explicacao->setWordWrap(true);
    layout->addWidget(explicacao);
    layout->addWidget(nome_);
    layout->addLayout(rodape);
    setMinimumWidth(360);
    nome_->setFocus();
}

void DialogoNome::Salvar() {
    // Return in the box may reach here with the button disabled.
    if (nome_->text().isEmpty()) return;
    const std::string arquivo = NomeDoArquivo(nome_->text().toStdString());
    if (arquivo.empty()) return;
    if (ArquivoSalvoExiste(arquivo) && !Confirmar()) return;
    arquivo_ = ui::ParaJogo(QString::fromStdString(arquivo), kMaxNomeArquivo);
    accept();
}

bool DialogoNome::Confirmar() {
    QMessageBox pergunta(QMessageBox::Question, ui::T(ui::kTextoSalvarJogo), ui::T(501),
                         QMessageBox::NoButton, this);
    QPushButton* sim = pergunta.addButton(ui::T(ui::kTextoSim), QMessageBox::YesRole);
    QPushButton* nao = pergunta.addButton(ui::T(ui::kTextoNao), QMessageBox::NoRole);
    pergunta.setDefaultButton(nao);
    pergunta.exec();
    return pergunta.clickedButton() == sim;
}

std::optional<std::string> DialogoNome::PedirNome(QWidget* pai) {
    DialogoNome dialogo(pai);
    if (dialogo.exec() != QDialog::Accepted || dialogo.Arquivo().empty()) return std::nullopt;
    return dialogo.Arquivo();
}

} // namespace persistence::telas
