#include "persistence/telas/dialogocarregar.hpp"

#include "persistence/jogosalvo.hpp"
#include "ui/textos.hpp"
#include "ui/janelas.hpp"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace persistence::telas {
namespace {

QLabel* Campo(const char* nome) {
    auto* r = new QLabel;
    r->setObjectName(QString::fromLatin1(nome));
    r->setMinimumWidth(200);
    QFont f = r->font();
    f.setBold(true);
    r->setFont(f);
    return r;
}

std::string NomeDoItem(const QListWidgetItem* item) {
    return item ? item->text().toStdString() : std::string();
}

} // namespace

DialogoCarregar::DialogoCarregar(QWidget* pai)
    : QDialog(pai), lista_(new QListWidget(this)), tecnico_(Campo("tecnico")), time_(Campo("time")),
      ano_(Campo("ano")), proximo_(Campo("proximo")), aviso_(Campo("aviso")) {
    setWindowTitle(ui::T(349));
    setModal(true);
    lista_->setObjectName(QStringLiteral("lista"));
    for (const std::string& nome : ListarJogosSalvos())
        lista_->addItem(QString::fromStdString(nome));
    connect(lista_, &QListWidget::currentRowChanged, this, &DialogoCarregar::Descrever);
    connect(lista_, &QListWidget::itemDoubleClicked, this, &DialogoCarregar::Carregar);

    auto* descricao = new QFormLayout;
    descricao->addRow(ui::T(350), tecnico_);
    descricao->addRow(ui::T(351), time_);
    // The season's year has no caption of its own; it stands under the club.
    descricao->addRow(QString(), ano_);
    descricao->addRow(ui::T(352), proximo_);
    aviso_->setWordWrap(true);
    aviso_->setStyleSheet(QStringLiteral("color: #b00000;"));

    carregar_ = new QPushButton(ui::T(353), this);
    carregar_->setObjectName(QStringLiteral("carregar"));
    carregar_->setDefault(true);
    auto* cancelar = new QPushButton(ui::T(354), this);
    cancelar->setObjectName(QStringLiteral("cancelar"));
    apagar_ = new QPushButton(ui::T(355), this);
    apagar_->setObjectName(QStringLiteral("apagar"));
    connect(carregar_, &QPushButton::clicked, this, &DialogoCarregar::Carregar);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(apagar_, &QPushButton::clicked, this, &DialogoCarregar::Apagar);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(apagar_);
    botoes->addStretch();
    botoes->addWidget(carregar_);
    botoes->addWidget(cancelar);

    auto* direita = new QVBoxLayout;
    direita->addLayout(descricao);
    direita->addWidget(aviso_);
    direita->addStretch();
    auto* meio = new QHBoxLayout;
    meio->addWidget(lista_, 1);
    meio->addLayout(direita, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(meio, 1);
    layout->addLayout(botoes);
    ui::Dimensionar(this, QSize(640, 360));

    if (lista_->count() > 0) lista_->setCurrentRow(0);
    Descrever();
    lista_->setFocus();
}

void DialogoCarregar::Descrever() {
    for (QLabel* l : {tecnico_, time_, ano_, proximo_, aviso_}) l->clear();
    const QListWidgetItem* item = lista_->currentItem();
    carregar_->setEnabled(item != nullptr);
    apagar_->setEnabled(item != nullptr);
    if (!item) return;
    // A file that cannot be read shows nothing at all.
    const auto d = DescreverJogoSalvo(NomeDoItem(item));
    if (!d) return;
    if (!d->valido) {
        aviso_->setText(QString::fromStdString(d->aviso));
        return;
    }
    tecnico_->setText(QString::fromStdString(d->tecnico));
    time_->setText(QString::fromStdString(d->time));
    ano_->setText(QString::number(d->ano));
    proximo_->setText(QString::fromStdString(d->proximo));
}

void DialogoCarregar::Carregar() {
    const QListWidgetItem* item = lista_->currentItem();
    if (!item) return;
    // A file of another version or one that cannot be read keeps the dialog
    // open with the load-error text, as a failed load does.
    const auto d = DescreverJogoSalvo(NomeDoItem(item));
    if (!d || !d->valido) {
        Avisar(ui::T(357));
        return;
    }
    escolhido_ = item->text();
    accept();
}

void DialogoCarregar::Apagar() {
    const QListWidgetItem* item = lista_->currentItem();
    if (!item || !Confirmar(ui::T(356))) return;
    if (!ApagarJogoSalvo(NomeDoItem(item))) return;
    delete lista_->takeItem(lista_->currentRow());
    Descrever();
}

bool DialogoCarregar::Confirmar(const QString& pergunta) {
    QMessageBox caixa(QMessageBox::Question, ui::T(349), pergunta, QMessageBox::NoButton, this);
    QPushButton* sim = caixa.addButton(ui::T(816), QMessageBox::YesRole);
    QPushButton* nao = caixa.addButton(ui::T(817), QMessageBox::NoRole);
    caixa.setDefaultButton(nao);
    caixa.exec();
    return caixa.clickedButton() == sim;
}

void DialogoCarregar::Avisar(const QString& aviso) {
    QMessageBox::warning(this, ui::T(349), aviso);
}

} // namespace persistence::telas
