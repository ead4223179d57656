#include "editor/telas/dialogos.hpp"

#include "editor/telas/comum.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/cp1252.hpp"
#include "ui/textos.hpp"
#include "world/paises.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace editor::telas {

namespace {

QPushButton* Botao(const QString& texto, const char* nome, QWidget* pai) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}

} // namespace

// --- DialogoTransferencia -----------------------------------------------------

DialogoTransferencia::DialogoTransferencia(const Editor& ed, int origem, int vaga, QWidget* pai)
    : QDialog(pai), ed_(ed) {
    setWindowTitle(QStringLiteral("Transferir jogador"));
    setObjectName(QStringLiteral("transferencia"));
    setModal(true);
    const DadosJogador j = DadosDoJogador(ed, Equipe::Clube(origem), vaga);
    auto* titulo = new QLabel(
        QStringLiteral("Transferir <b>%1</b> para:").arg(ui::Q(j.nome).toHtmlEscaped()), this);
    busca_ = new QLineEdit(this);
    busca_->setPlaceholderText(QStringLiteral("Procurar clube"));
    busca_->setClearButtonEnabled(true);
    lista_ = new QTableWidget(this);
    lista_->setColumnCount(3);
    lista_->setHorizontalHeaderLabels(
        {QStringLiteral("Clube"), QStringLiteral("País"), QStringLiteral("Jogadores")});
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->verticalHeader()->hide();
    lista_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    lista_->setRowCount(static_cast<int>(ed.clubes.size()) - 1);
    int fila = 0;
    for (int c = 0; c < static_cast<int>(ed.clubes.size()); ++c) {
        if (c == origem) continue;
        const auto& cab = ed.clubes[static_cast<std::size_t>(c)].arquivo.cabecalho;
        const int n = ContarJogadores(ed, Equipe::Clube(c));
        auto* nome = NovaCelula(ui::Q(cab.nome.view()));
        nome->setData(kPapelIndice, c);
        lista_->setItem(fila, 0, nome);
        lista_->setItem(fila, 1, NovaCelula(ui::Q(world::NomePais(cab.pais))));
        auto* jogadores = NovaCelula(QString::number(n), n);
        // A full club cannot take him: shown, but greyed.
        if (!PodeReceber(ed, c))
            for (QTableWidgetItem* it : {nome, jogadores}) it->setForeground(Qt::gray);
        lista_->setItem(fila, 2, jogadores);
        ++fila;
    }
    lista_->setSortingEnabled(true);
    lista_->sortByColumn(0, Qt::AscendingOrder);
    lista_->resizeColumnToContents(1);

    transferir_ = Botao(QStringLiteral("Transferir"), "transferir", this);
    transferir_->setDefault(true);
    auto* cancelar = Botao(QStringLiteral("Cancelar"), "cancelar", this);
    connect(transferir_, &QPushButton::clicked, this, [this] {
        if (Destino() >= 0 && PodeReceber(ed_, Destino())) accept();
    });
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(lista_, &QTableWidget::itemSelectionChanged, this, &DialogoTransferencia::Atualizar);
    connect(lista_, &QTableWidget::cellDoubleClicked, transferir_, &QPushButton::click);
    connect(busca_, &QLineEdit::textChanged, this, &DialogoTransferencia::Filtrar);

    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(transferir_);
    rodape->addWidget(cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titulo);
    layout->addWidget(busca_);
    layout->addWidget(lista_, 1);
    layout->addLayout(rodape);
    resize(460, 520);
    Atualizar();
}

int DialogoTransferencia::Destino() const {
    const auto escolhidas = lista_->selectedItems();
    for (QTableWidgetItem* it : escolhidas) {
        const QTableWidgetItem* nome = lista_->item(it->row(), 0);
        if (nome) return nome->data(kPapelIndice).toInt();
    }
    return -1;
}

bool DialogoTransferencia::Escolher(int clube) {
    for (int f = 0; f < lista_->rowCount(); ++f) {
        const QTableWidgetItem* nome = lista_->item(f, 0);
        if (nome && nome->data(kPapelIndice).toInt() == clube) {
            lista_->selectRow(f);
            return true;
        }
    }
    return false;
}

void DialogoTransferencia::Filtrar(const QString& texto) {
    for (int f = 0; f < lista_->rowCount(); ++f) {
        const QTableWidgetItem* nome = lista_->item(f, 0);
        lista_->setRowHidden(f, nome && !nome->text().contains(texto, Qt::CaseInsensitive));
    }
}

void DialogoTransferencia::Atualizar() {
    const int d = Destino();
    transferir_->setEnabled(d >= 0 && PodeReceber(ed_, d));
}

// --- SeletorEscudo ---------------------------------------------------------------

std::vector<std::string> EscudosDaPasta(bool selecao) {
    const auto pasta = plataforma::Resolver(selecao ? "teams\\selecoes" : "teams\\logos");
    const std::size_t maximo = selecao ? 30 : 25;
    std::set<std::string, bool (*)(std::string_view, std::string_view)> nomes(
        [](std::string_view a, std::string_view b) { return plataforma::MenorSemCaixa(a, b); });
    for (const char* mascara : {"*.gif", "*.bmp"})
        for (const std::string& arquivo : plataforma::ListarArquivos(pasta, mascara)) {
            const std::string nome =
                plataforma::Utf8ParaCp1252(arquivo.substr(0, arquivo.size() - 4));
            // The picture shown for a club without a badge is no badge itself.
            if (nome.empty() || nome.size() > maximo || (!selecao && nome == "nullescudo"))
                continue;
            nomes.insert(nome);
        }
    return {nomes.begin(), nomes.end()};
}

SeletorEscudo::SeletorEscudo(bool selecao, const std::string& atual, QWidget* pai)
    : QDialog(pai), selecao_(selecao) {
    setWindowTitle(QStringLiteral("Escudo"));
    setObjectName(QStringLiteral("seletorescudo"));
    setModal(true);
    nomes_ = EscudosDaPasta(selecao);
    nomes_.insert(nomes_.begin(), std::string());
    busca_ = new QLineEdit(this);
    busca_->setPlaceholderText(QStringLiteral("Procurar"));
    busca_->setClearButtonEnabled(true);
    lista_ = new QListWidget(this);
    lista_->setUniformItemSizes(true);
    for (const std::string& n : nomes_)
        lista_->addItem(n.empty() ? QStringLiteral("(sem escudo)") : ui::Q(n));
    previa_ = new QLabel(this);
    previa_->setFixedSize(160, 160);
    previa_->setAlignment(Qt::AlignCenter);
    previa_->setFrameShape(QFrame::StyledPanel);
    nome_ = new QLabel(this);
    nome_->setAlignment(Qt::AlignCenter);
    connect(lista_, &QListWidget::currentRowChanged, this, &SeletorEscudo::Mostrar);
    connect(lista_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(busca_, &QLineEdit::textChanged, this, [this](const QString& t) {
        for (int i = 1; i < lista_->count(); ++i)
            lista_->item(i)->setHidden(!lista_->item(i)->text().contains(t, Qt::CaseInsensitive));
    });

    auto* ok = Botao(QStringLiteral("OK"), "ok", this);
    ok->setDefault(true);
    auto* cancelar = Botao(QStringLiteral("Cancelar"), "cancelar", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(busca_);
    esquerda->addWidget(lista_, 1);
    auto* direita = new QVBoxLayout;
    direita->addWidget(previa_);
    direita->addWidget(nome_);
    direita->addStretch();
    auto* corpo = new QHBoxLayout;
    corpo->addLayout(esquerda, 1);
    corpo->addLayout(direita);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(ok);
    rodape->addWidget(cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(corpo, 1);
    layout->addLayout(rodape);
    resize(480, 460);
    if (!Escolher(atual)) lista_->setCurrentRow(0);
}

std::string SeletorEscudo::Escolhido() const {
    const int i = lista_->currentRow();
    return i >= 0 && i < static_cast<int>(nomes_.size()) ? nomes_[static_cast<std::size_t>(i)]
                                                         : std::string();
}

bool SeletorEscudo::Escolher(const std::string& nome) {
    for (std::size_t i = 0; i < nomes_.size(); ++i)
        if (plataforma::IguaisSemCaixa(nomes_[i], nome)) {
            lista_->setCurrentRow(static_cast<int>(i));
            return true;
        }
    return false;
}

void SeletorEscudo::Mostrar() {
    const std::string nome = Escolhido();
    const QPixmap p = FiguraEscudo(selecao_, nome);
    previa_->setPixmap(p.isNull() ? QPixmap()
                                  : p.scaled(previa_->size() - QSize(8, 8), Qt::KeepAspectRatio,
                                             Qt::SmoothTransformation));
    nome_->setText(nome.empty() ? QStringLiteral("(sem escudo)") : ui::Q(nome));
}

} // namespace editor::telas
