#include "management/telas/telabusca.hpp"

#include "management/telas/figurasgrade.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace management::telas {

using namespace world;

namespace {

constexpr int kPapelChave = Qt::UserRole;       // what the column sorts by
constexpr int kPapelJogador = Qt::UserRole + 1; // on the name cell

// A cell that sorts by a number (or the text) kept apart from what it shows.
class Item : public QTableWidgetItem {
public:
    Item(const QString& texto, const QVariant& chave) : QTableWidgetItem(texto) {
        setData(kPapelChave, chave);
    }
    bool operator<(const QTableWidgetItem& outro) const override {
        const QVariant a = data(kPapelChave), b = outro.data(kPapelChave);
        if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
            return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
        return a.toLongLong() < b.toLongLong();
    }
};

} // namespace

TelaBusca::TelaBusca(const Jogo& jogo, QWidget* pai) : QDialog(pai), jogo_(jogo) {
    setWindowTitle(QStringLiteral("Busca de Jogadores"));
    setModal(true);

    filtros_ = new PainelFiltros(
        jogo_, {{PainelFiltros::kNome, PainelFiltros::kPosicao, PainelFiltros::kPais,
                 PainelFiltros::kForca, PainelFiltros::kIdade, PainelFiltros::kPasse,
                 PainelFiltros::kCaracteristica1, PainelFiltros::kCaracteristica2,
                 PainelFiltros::kRodape, PainelFiltros::kSoAVenda, PainelFiltros::kSoEstrelas,
                 PainelFiltros::kLimpar, PainelFiltros::kBuscar},
                FaixasDeIdade(),
                QStringLiteral("So mostrar jogadores com estrela"),
                QStringLiteral("Buscar")});
    connect(filtros_, &PainelFiltros::buscar, this, &TelaBusca::Buscar);
    MontarLista();
    total_ = new QLabel(QStringLiteral("Escolha os filtros e clique em \"Buscar\"."));
    total_->setObjectName(QStringLiteral("total"));
    auto* dica = new QLabel(QStringLiteral("Duplo clique num jogador abre o clube dele."));
    dica->setStyleSheet(QStringLiteral("QLabel { color: #505050; }"));
    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar));
    fechar->setObjectName(QStringLiteral("fechar"));
    fechar->setAutoDefault(false);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addWidget(total_);
    rodape->addSpacing(20);
    rodape->addWidget(dica);
    rodape->addStretch();
    rodape->addWidget(fechar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filtros_);
    layout->addWidget(lista_, 1);
    layout->addLayout(rodape);
    filtros_->campoNome()->setFocus();
    ui::Dimensionar(this, QSize(1060, 720));
}

void TelaBusca::MontarLista() {
    lista_ = new QTableWidget(0, kColunas);
    lista_->setObjectName(QStringLiteral("lista"));
    lista_->setHorizontalHeaderLabels(
        {QStringLiteral("Nome"), QStringLiteral("Posição"), ui::T(ui::kTextoIdade),
         QStringLiteral("F"), QStringLiteral("Nacionalidade"), QStringLiteral("Clube"),
         ui::T(ui::kTextoPasse), ui::T(ui::kTextoSalario), QStringLiteral("À venda")});
    lista_->horizontalHeaderItem(kColForca)->setToolTip(ui::T(ui::kTextoForca));
    lista_->horizontalHeaderItem(kColVenda)->setToolTip(QStringLiteral("Preço pedido"));
    lista_->verticalHeader()->setVisible(false);
    lista_->verticalHeader()->setDefaultSectionSize(22);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setAlternatingRowColors(true);
    lista_->setIconSize(QSize(kLarguraFigura, kAlturaFigura));
    lista_->setTextElideMode(Qt::ElideRight);
    lista_->setWordWrap(false);
    QHeaderView* h = lista_->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics fm = lista_->fontMetrics();
    auto largura = [&](const QString& t) { return fm.horizontalAdvance(t) + 18; };
    lista_->setColumnWidth(kColNome, largura(QStringLiteral("WWWWWWWWWWWWWWW")) + 16);
    lista_->setColumnWidth(kColPosicao, largura(QStringLiteral("Atacante ")));
    lista_->setColumnWidth(kColIdade, largura(ui::T(ui::kTextoIdade)));
    lista_->setColumnWidth(kColForca, largura(QStringLiteral("100")));
    lista_->setColumnWidth(kColNacionalidade, largura(QStringLiteral("Nacionalidade")));
    lista_->setColumnWidth(kColPasse, largura(QStringLiteral("99 999 k")));
    lista_->setColumnWidth(kColSalario, largura(QStringLiteral("$999 999")));
    lista_->setColumnWidth(kColVenda, largura(QStringLiteral("99 999 k")));
    h->setSectionResizeMode(kColClube, QHeaderView::Stretch);
    h->setSortIndicatorShown(true);
    lista_->setSortingEnabled(true);
    lista_->sortByColumn(kColForca, Qt::DescendingOrder);
    connect(lista_, &QTableWidget::cellDoubleClicked, this,
            [this](int linha, int) { Abrir(linha); });
    lista_->installEventFilter(this);
}

FiltroBusca TelaBusca::Filtro() const {
    auto caract = [](int v) { return v == kReflexos ? -1 : v; };
    return {.nome = filtros_->Nome(),
            .posicao = filtros_->Posicao(),
            .pais = filtros_->Pais(),
            .caracteristica1 = caract(filtros_->Caracteristica1()),
            .caracteristica2 = caract(filtros_->Caracteristica2()),
            .soavenda = filtros_->SoAVenda(),
            .soestrelas = filtros_->SoEstrelas(),
            .faixaforca = filtros_->Forca(),
            .faixaidade = filtros_->Idade(),
            .faixapasse = filtros_->Passe()};
}

void TelaBusca::Buscar() {
    std::vector<int> achados = BuscarJogadores(jogo_, Filtro());
    // The goalkeepers' characteristic is any of its codes.
    for (const int c : {filtros_->Caracteristica1(), filtros_->Caracteristica2()})
        if (c == kReflexos)
            std::erase_if(achados, [&](int i) {
                const TJogador& j = jogo_.jogadores[i];
                return !DeGoleiro(j.caract1) && !DeGoleiro(j.caract2);
            });
    Preencher(achados);
}

void TelaBusca::Preencher(const std::vector<int>& jogadores) {
    const int n = static_cast<int>(jogadores.size());
    lista_->setSortingEnabled(false);
    lista_->setUpdatesEnabled(false);
    lista_->clearContents();
    lista_->setRowCount(n);
    const QColor avenda(255, 214, 140);
    const QIcon estrela(FiguraCondicao(12, false));
    // The others get an empty picture of the same size: the names line up.
    QPixmap nada(kLarguraFigura, kAlturaFigura);
    nada.fill(Qt::transparent);
    const QIcon semestrela(nada);
    for (int k = 0; k < n; ++k) {
        const int i = jogadores[k];
        const TJogador& j = jogo_.jogadores[i];
        const QString nome = ui::Q(j.nome.view());
        auto* itnome = new Item(nome, nome);
        itnome->setData(kPapelJogador, i);
        itnome->setIcon(j.estrela ? estrela : semestrela);
        itnome->setToolTip(j.estrela ? nome + QStringLiteral(" - ") + ui::T(ui::kTextoCraque)
                                     : nome);
        lista_->setItem(k, kColNome, itnome);
        auto centro = [&](int coluna, const QString& texto, const QVariant& chave,
                          Qt::Alignment a = Qt::AlignCenter) {
            auto* it = new Item(texto, chave);
            it->setTextAlignment(a);
            lista_->setItem(k, coluna, it);
            return it;
        };
        centro(kColPosicao, ui::Q(NomePosicao(j.posicao)), j.posicao,
               Qt::AlignLeft | Qt::AlignVCenter);
        centro(kColIdade, QString::number(j.idade), j.idade);
        centro(kColForca, QString::number(j.forca), j.forca);
        const QString pais = ui::Q(NomePais(j.pais));
        centro(kColNacionalidade, pais, pais, Qt::AlignLeft | Qt::AlignVCenter)->setToolTip(pais);
        const QString clube = ui::Q(jogo_.times[j.time].nome.view());
        centro(kColClube, clube, clube, Qt::AlignLeft | Qt::AlignVCenter)->setToolTip(clube);
        centro(kColPasse, ui::Q(PasseCompacto(j.passe)), j.passe, Qt::AlignRight | Qt::AlignVCenter)
            ->setToolTip(ui::Dinheiro(j.passe));
        centro(kColSalario, ui::Dinheiro(j.salario), j.salario, Qt::AlignRight | Qt::AlignVCenter);
        // Listed players show their asking price on the sale colour.
        QTableWidgetItem* venda =
            centro(kColVenda, j.avenda ? ui::Q(PasseCompacto(j.passepedido)) : QString(),
                   j.avenda ? static_cast<qlonglong>(j.passepedido) : -1LL,
                   Qt::AlignRight | Qt::AlignVCenter);
        if (j.avenda) {
            venda->setBackground(avenda);
            venda->setForeground(QColor(110, 50, 0));
            venda->setToolTip(QStringLiteral("À venda por ") + ui::Dinheiro(j.passepedido));
        }
    }
    lista_->setSortingEnabled(true);
    lista_->setUpdatesEnabled(true);
    total_->setText(n == 1 ? QStringLiteral("1 jogador encontrado")
                           : QString::number(n) + QStringLiteral(" jogadores encontrados"));
    if (n > 0) lista_->selectRow(0);
}

int TelaBusca::JogadorDaLinha(int linha) const {
    const QTableWidgetItem* it =
        linha >= 0 && linha < lista_->rowCount() ? lista_->item(linha, kColNome) : nullptr;
    return it ? it->data(kPapelJogador).toInt() : 0;
}

void TelaBusca::Abrir(int linha) {
    const int j = JogadorDaLinha(linha);
    if (j <= 0 || j >= static_cast<int>(jogo_.jogadores.size())) return;
    const int clube = jogo_.jogadores[j].time;
    if (clube >= 0 && clube < static_cast<int>(jogo_.times.size())) emit abrirClube(clube);
}

bool TelaBusca::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lista_ && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            Abrir(lista_->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

} // namespace management::telas
