#include "management/telas/telaconvocacao.hpp"

#include "competitions/torneios.hpp"
#include "management/telas/figurasgrade.hpp"
#include "ui/fundo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/posicoes.hpp"

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
    // The call-up searches one country, listed or not; the youngest are
    // called up from 15.
    filtros_ = new PainelFiltros(
        jogo,
        {{PainelFiltros::kNome, PainelFiltros::kPosicao, PainelFiltros::kForca,
          PainelFiltros::kCaracteristica1, PainelFiltros::kCaracteristica2, PainelFiltros::kIdade,
          PainelFiltros::kPasse, PainelFiltros::kSoEstrelas, PainelFiltros::kBuscar},
         {"15..25", "26..36", "37..80"},
         QStringLiteral("Só mostrar estrelas"),
         QStringLiteral("Procurar")});
    connect(filtros_, &PainelFiltros::buscar, this, &TelaConvocacao::Procurar);
    v->addWidget(filtros_);

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
    filtros_->campoNome()->setFocus();
    ui::Dimensionar(this, QSize(1180, 740));
}

QTableWidget* TelaConvocacao::NovaLista(bool clube) {
    auto* t = new QTableWidget(0, 7);
    t->setHorizontalHeaderLabels({QString(), QStringLiteral("Nome"), QStringLiteral("Clube"),
                                  QStringLiteral("P"), QStringLiteral("F"), QStringLiteral("I"),
                                  QStringLiteral("Car.")});
    t->horizontalHeaderItem(kColForca)->setToolTip(ui::T(ui::kTextoForca));
    t->horizontalHeaderItem(kColIdade)->setToolTip(ui::T(ui::kTextoIdade));
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
        estrela->setToolTip(ui::T(ui::kTextoCraque));
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
    f.nome = filtros_->Nome();
    f.posicao = filtros_->Posicao();
    // The goalkeepers' one item of the box stands for any of their characteristics.
    auto caract = [](int v) { return v == kReflexos ? competitions::kCaractDeGoleiro : v; };
    f.caract1 = caract(filtros_->Caracteristica1());
    f.caract2 = caract(filtros_->Caracteristica2());
    f.forca = filtros_->Forca();
    f.idade = filtros_->Idade();
    f.passe = filtros_->Passe();
    f.estrelas = filtros_->SoEstrelas();
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
