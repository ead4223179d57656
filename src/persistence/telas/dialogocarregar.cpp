#include "persistence/telas/dialogocarregar.hpp"

#include "persistence/jogosalvo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace persistence::telas {
namespace {

constexpr int kTextoCarregarJogo = 349;

QLabel* Campo(const char* nome) {
    auto* r = new QLabel;
    r->setObjectName(QString::fromLatin1(nome));
    r->setMinimumWidth(200);
    QFont f = r->font();
    f.setBold(true);
    r->setFont(f);
    return r;
}

enum Coluna { kArquivo = 0, kData, kTime, kTecnico };

std::string NomeDoItem(const QTreeWidgetItem* item) {
    return item ? item->data(kArquivo, Qt::UserRole).toString().toStdString() : std::string();
}

QString Data(const DescricaoJogo& d) {
    return QDate(d.ano, d.mes, d.dia).toString(QStringLiteral("dd/MM/yyyy"));
}

// A row of the list: what the file's state block tells, or, across the row,
// that the file is not a game this version can load.
void Linha(QTreeWidget* lista, const std::string& nome) {
    const QString arquivo = QString::fromStdString(nome);
    auto* item = new QTreeWidgetItem(lista, QStringList{arquivo});
    item->setData(kArquivo, Qt::UserRole, arquivo);
    const auto d = DescreverJogoSalvo(nome);
    if (d && d->valido) {
        item->setText(kData, Data(*d));
        item->setText(kTime, QString::fromStdString(d->time));
        item->setText(kTecnico, QString::fromStdString(d->tecnico));
        return;
    }
    item->setText(kArquivo, arquivo + QStringLiteral(" — ") + ui::T(ui::kTextoArquivoInvalido));
    item->setFirstColumnSpanned(true);
    item->setForeground(kArquivo, QColor(0xb0, 0, 0));
    QFont f = item->font(kArquivo);
    f.setItalic(true);
    item->setFont(kArquivo, f);
}

} // namespace

DialogoCarregar::DialogoCarregar(QWidget* pai)
    : QDialog(pai), lista_(new QTreeWidget(this)), tecnico_(Campo("tecnico")), time_(Campo("time")),
      data_(Campo("data")), proximo_(Campo("proximo")), aviso_(Campo("aviso")) {
    setWindowTitle(ui::T(kTextoCarregarJogo));
    setModal(true);
    lista_->setObjectName(QStringLiteral("lista"));
    lista_->setRootIsDecorated(false);
    lista_->setAlternatingRowColors(true);
    lista_->setHeaderLabels({QStringLiteral("Jogo salvo"), QStringLiteral("Data"),
                             QStringLiteral("Time"), QStringLiteral("Técnico")});
    for (const std::string& nome : ListarJogosSalvos()) Linha(lista_, nome);
    // Sized by the games' rows: an unreadable file's note spans the row.
    for (int c = kArquivo; c <= kTime; ++c) {
        int largura = lista_->header()->sectionSizeHint(c);
        for (int k = 0; k < lista_->topLevelItemCount(); ++k) {
            const QTreeWidgetItem* i = lista_->topLevelItem(k);
            if (!i->isFirstColumnSpanned())
                largura =
                    std::max(largura, lista_->fontMetrics().horizontalAdvance(i->text(c)) + 16);
        }
        lista_->setColumnWidth(c, largura);
    }
    lista_->header()->setStretchLastSection(true);
    connect(lista_, &QTreeWidget::currentItemChanged, this, &DialogoCarregar::Descrever);
    connect(lista_, &QTreeWidget::itemDoubleClicked, this, &DialogoCarregar::Carregar);

    auto* descricao = new QFormLayout;
    descricao->addRow(ui::T(ui::kTextoTecnico), tecnico_);
    descricao->addRow(ui::T(351), time_);
    // The game's date has no caption of its own in the language; it stands
    // under the club.
    descricao->addRow(QString(), data_);
    descricao->addRow(ui::T(352), proximo_);
    aviso_->setWordWrap(true);
    aviso_->setStyleSheet(QStringLiteral("color: #b00000;"));

    carregar_ = new QPushButton(ui::T(353), this);
    carregar_->setObjectName(QStringLiteral("carregar"));
    carregar_->setDefault(true);
    auto* cancelar = new QPushButton(ui::T(ui::kTextoCancelar), this);
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
    meio->addWidget(lista_, 2);
    meio->addLayout(direita, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(meio, 1);
    layout->addLayout(botoes);
    ui::Dimensionar(this, QSize(900, 400));

    if (lista_->topLevelItemCount() > 0) lista_->setCurrentItem(lista_->topLevelItem(0));
    Descrever();
    lista_->setFocus();
}

void DialogoCarregar::Descrever() {
    for (QLabel* l : {tecnico_, time_, data_, proximo_, aviso_}) l->clear();
    const QTreeWidgetItem* item = lista_->currentItem();
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
    data_->setText(Data(*d));
    proximo_->setText(QString::fromStdString(d->proximo));
}

void DialogoCarregar::Carregar() {
    const QTreeWidgetItem* item = lista_->currentItem();
    if (!item) return;
    // A file of another version or one that cannot be read keeps the dialog
    // open with the load-error text, as a failed load does.
    const auto d = DescreverJogoSalvo(NomeDoItem(item));
    if (!d || !d->valido) {
        Avisar(ui::T(ui::kTextoArquivoInvalido));
        return;
    }
    escolhido_ = QString::fromStdString(NomeDoItem(item));
    accept();
}

void DialogoCarregar::Apagar() {
    QTreeWidgetItem* item = lista_->currentItem();
    if (!item || !Confirmar(ui::T(356))) return;
    if (!ApagarJogoSalvo(NomeDoItem(item))) return;
    delete lista_->takeTopLevelItem(lista_->indexOfTopLevelItem(item));
    Descrever();
}

bool DialogoCarregar::Confirmar(const QString& pergunta) {
    QMessageBox caixa(QMessageBox::Question, ui::T(kTextoCarregarJogo), pergunta,
                      QMessageBox::NoButton, this);
    QPushButton* sim = caixa.addButton(ui::T(ui::kTextoSim), QMessageBox::YesRole);
    QPushButton* nao = caixa.addButton(ui::T(ui::kTextoNao), QMessageBox::NoRole);
    caixa.setDefaultButton(nao);
    caixa.exec();
    return caixa.clickedButton() == sim;
}

void DialogoCarregar::Avisar(const QString& aviso) {
    QMessageBox::warning(this, ui::T(kTextoCarregarJogo), aviso);
}

} // namespace persistence::telas
