#include "management/telas/telaconvocacao.hpp"

#include "management/telas/filtrosbusca.hpp"

#include "competitions/torneios.hpp"
#include "management/mercado.hpp"
#include "management/telas/figurasgrade.hpp"
#include "ui/fundo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/posicoes.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace management::telas {

using namespace world;

namespace {

enum Coluna { kColEstrela, kColNome, kColClube, kColPosicao, kColForca, kColIdade, kColCaract };
constexpr int kPapelJogador = Qt::UserRole;

QString TextoRecusa(competitions::RecusaConvocacao r, int faltam = 0) {
    using competitions::RecusaConvocacao;
    switch (r) {
    case RecusaConvocacao::Nenhuma:
        return {};
    case RecusaConvocacao::SemSelecao:
        return ui::T(2536);
    case RecusaConvocacao::NaoConvocavel:
        return ui::T(2535);
    case RecusaConvocacao::JaConvocado:
        return ui::T(2534);
    case RecusaConvocacao::PoucosGoleiros:
        return ui::T(2532) + ' ' + QString::number(faltam);
    case RecusaConvocacao::PoucosDeLinha:
        return ui::T(2533) + ' ' + QString::number(faltam);
    }
    return {};
}

} // namespace

TelaConvocacao::TelaConvocacao(const Jogo& jogo, int humano, int selecao, QWidget* pai)
    : QDialog(pai), jogo_(jogo), selecao_time_(selecao) {
    const QString time =
        jogo.TimeValido(selecao) ? ui::Q(jogo.times[selecao].nome.view()) : QString();
    setWindowTitle(QStringLiteral("Busca de jogadores para convocação"));
    setModal(true);

    auto* v = new QVBoxLayout(this);
    QString tecnico;
    if (humano >= 0 && humano < 6 && jogo.TecnicoValido(jogo.estado.humanos[humano]))
        tecnico = ui::Q(jogo.tecnicos[jogo.estado.humanos[humano]].nome.view());
    auto* titulo = new QLabel(QStringLiteral("Convocação: ") + time +
                              (tecnico.isEmpty() ? QString() : QStringLiteral(" - ") + tecnico));
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    titulo->setFont(f);
    ui::FaixaClara(titulo);
    titulo->setMargin(3);
    v->addWidget(titulo);
    auto* instrucao = new QLabel(
        QStringLiteral("Busque os jogadores e depois clique em \">>\" para adiciona-lo na seleção. "
                       "Você pode convocar até 20 jogadores de linha e 3 goleiros"));
    instrucao->setObjectName(QStringLiteral("instrucao"));
    instrucao->setWordWrap(true);
    ui::FaixaClara(instrucao);
    instrucao->setMargin(3);
    v->addWidget(instrucao);
    v->addWidget(MontarFiltros());

    busca_ = NovaLista(true);
    busca_->setObjectName(QStringLiteral("busca"));
    lista_ = NovaLista(false);
    lista_->setObjectName(QStringLiteral("selecao"));
    adicionar_ = new QPushButton(QStringLiteral(">>"));
    adicionar_->setObjectName(QStringLiteral("adicionar"));
    adicionar_->setAutoDefault(false);
    adicionar_->setToolTip(QStringLiteral("Convocar o jogador marcado na busca"));
    remover_ = new QPushButton(QStringLiteral("<<"));
    remover_->setObjectName(QStringLiteral("remover"));
    remover_->setAutoDefault(false);
    remover_->setToolTip(QStringLiteral("Tirar o jogador marcado da convocação"));
    connect(adicionar_, &QPushButton::clicked, this, &TelaConvocacao::Adicionar);
    connect(remover_, &QPushButton::clicked, this, &TelaConvocacao::Remover);
    connect(busca_, &QTableWidget::cellDoubleClicked, this, &TelaConvocacao::Adicionar);
    connect(lista_, &QTableWidget::cellDoubleClicked, this, &TelaConvocacao::Remover);

    auto* meio = new QHBoxLayout;
    auto* esquerda = new QVBoxLayout;
    rachados_ = new QLabel(QStringLiteral("Escolha os filtros e clique em \"Procurar\"."));
    ui::FaixaClara(rachados_);
    esquerda->addWidget(rachados_);
    esquerda->addWidget(busca_, 1);
    meio->addLayout(esquerda, 3);
    auto* setas = new QVBoxLayout;
    setas->addStretch();
    setas->addWidget(adicionar_);
    setas->addWidget(remover_);
    setas->addStretch();
    meio->addLayout(setas);
    auto* direita = new QVBoxLayout;
    auto* contagens = new QVBoxLayout;
    contagens->setSpacing(2);
    rgoleiros_ = new QLabel;
    rgoleiros_->setObjectName(QStringLiteral("goleiros"));
    rlinha_ = new QLabel;
    rlinha_->setObjectName(QStringLiteral("linha"));
    for (QLabel* r : {rgoleiros_, rlinha_}) {
        QFont negrito = r->font();
        negrito.setBold(true);
        r->setFont(negrito);
        ui::FaixaClara(r);
        contagens->addWidget(r);
    }
    direita->addLayout(contagens);
    direita->addWidget(lista_, 1);
    motivo_ = new QLabel;
    motivo_->setObjectName(QStringLiteral("motivo"));
    motivo_->setWordWrap(true);
    motivo_->setStyleSheet(QStringLiteral("QLabel { color: #a01010; }"));
    direita->addWidget(motivo_);
    meio->addLayout(direita, 2);
    v->addLayout(meio, 1);

    auto* baixo = new QHBoxLayout;
    baixo->addStretch();
    continuar_ = new QPushButton(QStringLiteral("Continuar >>"));
    continuar_->setObjectName(QStringLiteral("continuar"));
    continuar_->setAutoDefault(false);
    continuar_->setMinimumWidth(130);
    connect(continuar_, &QPushButton::clicked, this, &TelaConvocacao::Continuar);
    baixo->addWidget(continuar_);
    v->addLayout(baixo);

    Contar();
    nome_->setFocus();
    ui::Dimensionar(this, QSize(1180, 740));
}

QWidget* TelaConvocacao::MontarFiltros() {
    auto* quadro = new QGroupBox;
    auto* g = new QGridLayout(quadro);
    g->setHorizontalSpacing(8);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setColumnStretch(5, 1);

    nome_ = new QLineEdit;
    nome_->setObjectName(QStringLiteral("nome"));
    nome_->setMaxLength(20);
    nome_->setPlaceholderText(QStringLiteral("nome completo"));
    connect(nome_, &QLineEdit::returnPressed, this, &TelaConvocacao::Procurar);
    posicao_ = CaixaFiltro("posicao", QStringLiteral("Todas"));
    for (int p = kGoleiro; p <= kAtacante; ++p) posicao_->addItem(ui::Q(NomePosicao(p)), p);
    caract1_ = CaixaCaracteristica("caracteristica1");
    caract2_ = CaixaCaracteristica("caracteristica2");
    forca_ = CaixaFaixas("forca", FaixasDeForca());
    // The call-up's own age bands: the youngest are called up from 15.
    idade_ = CaixaFaixas("idade", {"15..25", "26..36", "37..80"});
    passe_ = CaixaFaixas("passe", FaixasDePasse());
    estrelas_ = new QCheckBox(QStringLiteral("Só mostrar estrelas"));
    estrelas_->setObjectName(QStringLiteral("estrelas"));
    procurar_ = new QPushButton(QStringLiteral("Procurar"));
    procurar_->setObjectName(QStringLiteral("procurar"));
    procurar_->setDefault(true);
    procurar_->setMinimumWidth(110);
    connect(procurar_, &QPushButton::clicked, this, &TelaConvocacao::Procurar);

    auto rotulo = [](const QString& t) {
        auto* r = new QLabel(t);
        r->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return r;
    };
    g->addWidget(rotulo(QStringLiteral("Nome:")), 0, 0);
    g->addWidget(nome_, 0, 1);
    g->addWidget(rotulo(QStringLiteral("Posição:")), 0, 2);
    g->addWidget(posicao_, 0, 3);
    g->addWidget(rotulo(ui::T(2605) + ':'), 0, 4);
    g->addWidget(forca_, 0, 5);
    g->addWidget(rotulo(QStringLiteral("Característica:")), 1, 0);
    g->addWidget(caract1_, 1, 1);
    g->addWidget(rotulo(QStringLiteral("e:")), 1, 2);
    g->addWidget(caract2_, 1, 3);
    g->addWidget(rotulo(ui::T(2525) + ':'), 1, 4);
    g->addWidget(idade_, 1, 5);
    g->addWidget(rotulo(ui::T(2643) + ':'), 2, 0);
    g->addWidget(passe_, 2, 1);
    g->addWidget(estrelas_, 2, 2, 1, 2);
    g->addWidget(procurar_, 2, 5, Qt::AlignRight);
    return quadro;
}

QTableWidget* TelaConvocacao::NovaLista(bool clube) {
    auto* t = new QTableWidget(0, 7);
    t->setHorizontalHeaderLabels({QString(), QStringLiteral("Nome"), QStringLiteral("Clube"),
                                  QStringLiteral("P"), QStringLiteral("F"), QStringLiteral("I"),
                                  QStringLiteral("Car.")});
    t->horizontalHeaderItem(kColForca)->setToolTip(ui::T(2605));
    t->horizontalHeaderItem(kColIdade)->setToolTip(ui::T(2525));
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(22);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setAlternatingRowColors(true);
    t->setWordWrap(false);
    t->setIconSize(QSize(kLarguraFigura, kAlturaFigura));
    QHeaderView* h = t->horizontalHeader();
    h->setMinimumSectionSize(20);
    const QFontMetrics fm = t->fontMetrics();
    auto largura = [&](const QString& s) { return fm.horizontalAdvance(s) + 12; };
    t->setColumnWidth(kColEstrela, kLarguraFigura + 8);
    t->setColumnWidth(kColClube, largura(QStringLiteral("WWWWWWWW")));
    t->setColumnWidth(kColPosicao, largura(QStringLiteral("W")));
    t->setColumnWidth(kColForca, largura(QStringLiteral("99")));
    t->setColumnWidth(kColIdade, largura(QStringLiteral("99")));
    t->setColumnWidth(kColCaract, largura(QStringLiteral("Mar/Cab")));
    // The name takes what the other columns leave; long ones elide.
    h->setSectionResizeMode(kColNome, QHeaderView::Stretch);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setTextElideMode(Qt::ElideRight);
    // The squad needs no club column: the search showed it.
    if (!clube) t->setColumnHidden(kColClube, true);
    return t;
}

void TelaConvocacao::PreencherLinha(QTableWidget* t, int linha, int jogador) {
    const TJogador& j = jogo_.jogadores[jogador];
    auto* estrela = new QTableWidgetItem;
    if (j.estrela) {
        estrela->setIcon(QIcon(FiguraCondicao(12, false)));
        estrela->setToolTip(ui::T(2634));
    }
    estrela->setData(kPapelJogador, jogador);
    t->setItem(linha, kColEstrela, estrela);
    auto* nome = new QTableWidgetItem(ui::Q(j.nome.view()));
    nome->setToolTip(nome->text());
    nome->setData(kPapelJogador, jogador);
    t->setItem(linha, kColNome, nome);
    const QString clube =
        jogo_.TimeValido(j.time) ? ui::Q(jogo_.times[j.time].nome.view()) : QString();
    auto* itclube = new QTableWidgetItem(clube);
    itclube->setToolTip(clube);
    t->setItem(linha, kColClube, itclube);
    auto centro = [&](int coluna, const QString& texto) {
        auto* it = new QTableWidgetItem(texto);
        it->setTextAlignment(Qt::AlignCenter);
        t->setItem(linha, coluna, it);
        return it;
    };
    centro(kColPosicao, ui::Q(NomeCurtoPosicao(j.posicao)))
        ->setToolTip(ui::Q(NomePosicao(j.posicao)));
    centro(kColForca, QString::number(j.forca));
    centro(kColIdade, QString::number(j.idade));
    auto* car = new QTableWidgetItem(ui::Q(NomeCurtoCaracteristica(j.caract1)) + QLatin1Char('/') +
                                     ui::Q(NomeCurtoCaracteristica(j.caract2)));
    car->setToolTip(ui::Q(NomeCaracteristica(j.caract1)) + QStringLiteral(" / ") +
                    ui::Q(NomeCaracteristica(j.caract2)));
    t->setItem(linha, kColCaract, car);
}

void TelaConvocacao::Procurar() {
    competitions::FiltroConvocacao f;
    f.nome = ui::ParaJogo(nome_->text().trimmed(), 20);
    f.posicao = posicao_->currentData().toInt();
    // The goalkeepers' one item of the box stands for any of their characteristics.
    auto caract = [](const QComboBox* c) {
        const int v = c->currentData().toInt();
        return v == kReflexos ? competitions::kCaractDeGoleiro : v;
    };
    f.caract1 = caract(caract1_);
    f.caract2 = caract(caract2_);
    f.forca = forca_->currentData().toInt();
    f.idade = idade_->currentData().toInt();
    f.passe = passe_->currentData().toInt();
    f.estrelas = estrelas_->isChecked();
    achados_ = competitions::BuscarConvocaveis(jogo_, selecao_time_, f);
    // The strongest first: they are the ones a coach looks for.
    std::stable_sort(achados_.begin(), achados_.end(), [&](int a, int b) {
        return jogo_.jogadores[a].forca > jogo_.jogadores[b].forca;
    });
    const int n = static_cast<int>(achados_.size());
    busca_->setUpdatesEnabled(false);
    busca_->clearContents();
    busca_->setRowCount(n);
    for (int k = 0; k < n; ++k) PreencherLinha(busca_, k, achados_[k]);
    busca_->setUpdatesEnabled(true);
    rachados_->setText(n == 1 ? QStringLiteral("1 jogador encontrado")
                              : QString::number(n) + QStringLiteral(" jogadores encontrados"));
    if (n > 0) busca_->selectRow(0);
}

bool TelaConvocacao::MarcarNaBusca(int jogador) {
    const auto it = std::find(achados_.begin(), achados_.end(), jogador);
    if (it == achados_.end()) return false;
    busca_->setCurrentCell(static_cast<int>(it - achados_.begin()), kColNome);
    return true;
}

bool TelaConvocacao::MarcarNaSelecao(int jogador) {
    const auto it = std::find(selecao_.begin(), selecao_.end(), jogador);
    if (it == selecao_.end()) return false;
    lista_->setCurrentCell(static_cast<int>(it - selecao_.begin()), kColNome);
    return true;
}

void TelaConvocacao::Adicionar() {
    const int linha = busca_->currentRow();
    if (linha < 0 || linha >= static_cast<int>(achados_.size())) return;
    const int jogador = achados_[linha];
    if (const competitions::RecusaConvocacao r =
            competitions::RecusaDoConvocado(jogo_, selecao_time_, selecao_, jogador);
        r != competitions::RecusaConvocacao::Nenhuma) {
        motivo_->setText(TextoRecusa(r));
        return;
    }
    selecao_.push_back(jogador);
    const int n = static_cast<int>(selecao_.size());
    lista_->setRowCount(n);
    PreencherLinha(lista_, n - 1, jogador);
    // The next player of the search is ready for the next ">>".
    if (linha + 1 < busca_->rowCount()) busca_->setCurrentCell(linha + 1, kColNome);
    Contar();
}

void TelaConvocacao::Remover() {
    const int linha = lista_->currentRow();
    if (linha < 0 || linha >= static_cast<int>(selecao_.size())) return;
    selecao_.erase(selecao_.begin() + linha);
    lista_->removeRow(linha);
    Contar();
}

void TelaConvocacao::Contar() {
    analise_ = competitions::AnalisarConvocacao(jogo_, selecao_time_, selecao_);
    rgoleiros_->setText(QStringLiteral("Goleiros: %1").arg(analise_.goleiros));
    rlinha_->setText(QStringLiteral("Jogadores de linha: %1").arg(analise_.linha));
    continuar_->setEnabled(analise_.motivo == competitions::RecusaConvocacao::Nenhuma);
    motivo_->setText(TextoRecusa(analise_.motivo, analise_.faltam));
}

void TelaConvocacao::Continuar() {
    if (analise_.motivo != competitions::RecusaConvocacao::Nenhuma) return;
    convocados_ = selecao_;
    accept();
}

} // namespace management::telas
