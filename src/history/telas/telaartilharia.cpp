#include "history/telas/telaartilharia.hpp"

#include "history/telas/gradehistorico.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace history::telas {

using namespace world;

namespace {
enum Coluna { kNumero = 0, kJogador, kClube, kGols, kJogos };
}

TelaArtilharia::TelaArtilharia(const Jogo& jogo, int clube, bool carreira, QWidget* pai)
    : QDialog(pai), jogo_(jogo) {
    setWindowTitle(ui::T(ui::kTextoArtilharia));
    setObjectName(QStringLiteral("artilharia"));
    setModal(true);

    paises_ = new QComboBox;
    paises_->setObjectName(QStringLiteral("paises"));
    PreencherPaises(paises_, jogo_, LigaInicial(jogo_, clube));
    visoes_ = new QComboBox;
    visoes_->setObjectName(QStringLiteral("visoes"));
    visoes_->setMinimumContentsLength(24);
    auto* topo = new QHBoxLayout;
    topo->addWidget(paises_);
    topo->addSpacing(12);
    topo->addWidget(new QLabel(ui::T(304)));
    topo->addWidget(visoes_);
    topo->addStretch();

    lista_ = NovaLista({QStringLiteral("#"), ui::T(337), ui::T(334), ui::T(ui::kTextoGols),
                        ui::T(ui::kTextoJogos)});
    lista_->setObjectName(QStringLiteral("lista"));
    lista_->horizontalHeader()->setSectionResizeMode(kJogador, QHeaderView::Stretch);
    lista_->horizontalHeader()->setSectionResizeMode(kClube, QHeaderView::Stretch);

    nota_ = new QLabel(ui::T(347));
    todos_ = new QPushButton(ui::T(348));
    todos_->setObjectName(QStringLiteral("todos"));
    todos_->setFlat(true);
    todos_->setCursor(Qt::PointingHandCursor);
    todos_->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
    connect(todos_, &QPushButton::clicked, this, [this] {
        mostrartodos_ = true;
        Mostrar();
    });
    QHBoxLayout* rodape = RodapeFechar(this);
    rodape->insertWidget(0, nota_);
    rodape->insertWidget(1, todos_);

    auto* v = new QVBoxLayout(this);
    v->addLayout(topo);
    v->addWidget(lista_, 1);
    v->addLayout(rodape);

    MontarVisoes(carreira);
    connect(paises_, &QComboBox::currentIndexChanged, this, [this] { MontarVisoes(false); });
    connect(visoes_, &QComboBox::currentIndexChanged, this, [this] {
        mostrartodos_ = false;
        Mostrar();
    });
    ui::Dimensionar(this, QSize(720, 640));
}

int TelaArtilharia::Pais() const {
    return paises_->count() > 0 ? paises_->currentData().toInt() : -1;
}

const VisaoArtilharia& TelaArtilharia::Visao() const {
    const int i = visoes_->currentIndex();
    return visoesatuais_[i >= 0 && i < static_cast<int>(visoesatuais_.size())
                             ? i
                             : static_cast<int>(visoesatuais_.size()) - 1];
}

// The views of the country picked; the same kind of view stays chosen when
// the country changes (the same division, the cup), else the first.
void TelaArtilharia::MontarVisoes(bool carreira) {
    int escolhida = 0;
    const bool havia = visoes_->count() > 0;
    const VisaoArtilharia antes = havia ? Visao() : VisaoArtilharia{};
    visoesatuais_ = VisoesArtilharia(jogo_, Pais());
    {
        const QSignalBlocker calado(visoes_);
        visoes_->clear();
        for (int i = 0; i < static_cast<int>(visoesatuais_.size()); ++i) {
            const VisaoArtilharia& w = visoesatuais_[i];
            visoes_->addItem(ui::Q(w.nome));
            const bool igual = havia ? w.tipo == antes.tipo && w.divisao == antes.divisao &&
                                           w.codigo == antes.codigo && w.chave == antes.chave
                                     : carreira && w.tipo == TipoArtilharia::Carreira;
            if (igual) escolhida = i;
        }
        visoes_->setCurrentIndex(escolhida);
    }
    mostrartodos_ = false;
    Mostrar();
}

void TelaArtilharia::Mostrar() {
    const VisaoArtilharia& v = Visao();
    const bool carreira = v.tipo == TipoArtilharia::Carreira;
    lista_->setHorizontalHeaderItem(
        kGols, new QTableWidgetItem(carreira ? ui::T(339) : ui::T(ui::kTextoGols)));
    lista_->setHorizontalHeaderItem(
        kJogos, new QTableWidgetItem(carreira ? ui::T(2400) : ui::T(ui::kTextoJogos)));

    const std::vector<LinhaArtilheiro> linhas = Artilheiros(jogo_, v, Pais());
    const bool cortada = carreira && !mostrartodos_ && linhas.size() > kLinhasCarreira;
    const int n = cortada ? kLinhasCarreira : static_cast<int>(linhas.size());
    lista_->setUpdatesEnabled(false);
    lista_->setRowCount(0);
    lista_->setRowCount(n);
    for (int k = 0; k < n; ++k) {
        const LinhaArtilheiro& l = linhas[k];
        Celula(lista_, k, kNumero, QString::number(k + 1), true);
        Celula(lista_, k, kJogador, NomeDoJogador(jogo_, l.jogador));
        Celula(lista_, k, kClube, NomeDoClube(jogo_, l.time));
        Celula(lista_, k, kGols, QString::number(l.gols), true);
        Celula(lista_, k, kJogos, QString::number(l.jogos), true);
    }
    lista_->setUpdatesEnabled(true);
    lista_->scrollToTop();
    nota_->setVisible(cortada);
    todos_->setVisible(cortada);
}

} // namespace history::telas
