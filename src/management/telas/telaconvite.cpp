#include "management/telas/telaconvite.hpp"

#include "competitions/telas/telatorneio.hpp"
#include "ui/escudos.hpp"
#include "ui/fundo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace management::telas {

using namespace world;

namespace {

constexpr int kMaxSelecoes = 8;
constexpr int kTamanhoEscudo = 40;

} // namespace

TelaConviteSelecao::TelaConviteSelecao(const Jogo& jogo, int humano, int codigo,
                                       const std::vector<int>& selecoes, QWidget* pai)
    : QDialog(pai), jogo_(jogo) {
    for (int c : selecoes)
        if (jogo.TimeValido(c) && static_cast<int>(selecoes_.size()) < kMaxSelecoes)
            selecoes_.push_back(c);
    const QString titulo = QStringLiteral("Escolha da seleção para treinar na ") +
                           competitions::telas::NomeDoTorneio(codigo);
    setWindowTitle(titulo);
    setModal(true);

    auto* v = new QVBoxLayout(this);
    auto* cabecalho = new QLabel(titulo);
    QFont f = cabecalho->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    cabecalho->setFont(f);
    cabecalho->setWordWrap(true);
    ui::FaixaClara(cabecalho);
    cabecalho->setMargin(4);
    v->addWidget(cabecalho);

    // Who is asked: in a game of several humans the keyboard may be another's.
    QString tecnico;
    if (humano >= 0 && humano < 6 && jogo.TecnicoValido(jogo.estado.humanos[humano]))
        tecnico = ui::Q(jogo.tecnicos[jogo.estado.humanos[humano]].nome.view());
    auto* convite = new QLabel(
        (tecnico.isEmpty() ? QString() : tecnico + QStringLiteral(", ")) +
        QStringLiteral("você foi convidado para dirigir uma seleção durante o torneio. Escolha "
                       "uma das seleções abaixo ou recuse o convite; o seu clube continua com "
                       "você."));
    convite->setWordWrap(true);
    ui::FaixaClara(convite);
    convite->setMargin(4);
    v->addWidget(convite);

    lista_ = new QTableWidget(static_cast<int>(selecoes_.size()), 3);
    lista_->setObjectName(QStringLiteral("selecoes"));
    lista_->setHorizontalHeaderLabels(
        {QString(), QStringLiteral("Seleção"), QStringLiteral("Nível")});
    lista_->verticalHeader()->hide();
    lista_->verticalHeader()->setDefaultSectionSize(kTamanhoEscudo + 6);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setIconSize(QSize(kTamanhoEscudo, kTamanhoEscudo));
    lista_->setColumnWidth(0, kTamanhoEscudo + 12);
    lista_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    lista_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    QFont grande = lista_->font();
    grande.setPointSize(grande.pointSize() + 2);
    for (int k = 0; k < static_cast<int>(selecoes_.size()); ++k) {
        const int c = selecoes_[k];
        const TTime& t = jogo.times[c];
        auto* escudo = new QTableWidgetItem;
        const QPixmap figura = ui::EscudoDoTime(jogo, c);
        if (!figura.isNull())
            escudo->setIcon(QIcon(figura.scaled(kTamanhoEscudo, kTamanhoEscudo, Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation)));
        lista_->setItem(k, 0, escudo);
        auto* nome = new QTableWidgetItem(ui::Q(t.nome.view()));
        nome->setFont(grande);
        lista_->setItem(k, 1, nome);
        auto* nivel = new QTableWidgetItem(QString::number(t.nivel));
        nivel->setTextAlignment(Qt::AlignCenter);
        nivel->setFont(grande);
        lista_->setItem(k, 2, nivel);
    }
    v->addWidget(lista_, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    recusar_ = new QPushButton(QStringLiteral("Recusar convite"));
    recusar_->setObjectName(QStringLiteral("recusar"));
    recusar_->setAutoDefault(false);
    connect(recusar_, &QPushButton::clicked, this, &QDialog::reject);
    botoes->addWidget(recusar_);
    ok_ = new QPushButton(QStringLiteral("Ok"));
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    ok_->setMinimumWidth(100);
    ok_->setEnabled(false);
    connect(ok_, &QPushButton::clicked, this, &TelaConviteSelecao::Confirmar);
    botoes->addWidget(ok_);
    v->addLayout(botoes);

    connect(lista_, &QTableWidget::currentCellChanged, this,
            [this](int linha) { ok_->setEnabled(linha >= 0); });
    connect(lista_, &QTableWidget::cellDoubleClicked, this, [this] { Confirmar(); });
    ui::Dimensionar(this, QSize(520, 160 + 8 * (kTamanhoEscudo + 6)));
}

bool TelaConviteSelecao::Selecionar(int selecao) {
    const auto it = std::find(selecoes_.begin(), selecoes_.end(), selecao);
    if (it == selecoes_.end()) return false;
    lista_->setCurrentCell(static_cast<int>(it - selecoes_.begin()), 1);
    return true;
}

void TelaConviteSelecao::Confirmar() {
    const int linha = lista_->currentRow();
    if (linha < 0 || linha >= static_cast<int>(selecoes_.size())) return;
    escolhida_ = selecoes_[linha];
    accept();
}

} // namespace management::telas
