#include "competitions/telas/telapersonalizado.hpp"

#include "competitions/telas/telatipojogo.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/paises.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace competitions::telas {

TelaPersonalizado::TelaPersonalizado(const world::IndiceTimes& indice, QWidget* pai)
    : QWidget(pai), usaveis_(world::UsaveisPorPais(indice)) {
    ui::PintarFundo(this, ui::kFundoConfiguracao);

    auto* paises = new QGroupBox(QStringLiteral("Países do campeonato"), this);
    EstiloDePainel(paises);
    gridpaises_ = new QTableWidget(0, 2, paises);
    gridpaises_->setObjectName(QStringLiteral("gridpaises"));
    gridpaises_->setHorizontalHeaderLabels({QStringLiteral("País"), QStringLiteral("Clubes")});
    gridpaises_->verticalHeader()->hide();
    gridpaises_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    gridpaises_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    gridpaises_->setSelectionMode(QAbstractItemView::NoSelection);
    gridpaises_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    std::vector<int> lista = PaisesPersonalizados(indice);
    std::stable_sort(lista.begin(), lista.end(), [](int a, int b) {
        return world::PosicaoAlfabetica(a) < world::PosicaoAlfabetica(b);
    });
    gridpaises_->setRowCount(static_cast<int>(lista.size()));
    for (std::size_t k = 0; k < lista.size(); ++k) {
        auto* nome = new QTableWidgetItem(ui::Q(world::NomePais(lista[k])));
        nome->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        nome->setCheckState(Qt::Unchecked);
        nome->setData(Qt::UserRole, lista[k]);
        auto* n = new QTableWidgetItem(QString::number(usaveis_[lista[k]]));
        n->setFlags(Qt::ItemIsEnabled);
        n->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        gridpaises_->setItem(static_cast<int>(k), 0, nome);
        gridpaises_->setItem(static_cast<int>(k), 1, n);
    }
    auto* lPaises = new QVBoxLayout(paises);
    lPaises->addWidget(gridpaises_);

    auto* resumo = new QGroupBox(QStringLiteral("Campeonato Internacional"), this);
    EstiloDePainel(resumo);
    lblistados_ = new QLabel(resumo);
    lblistados_->setObjectName(QStringLiteral("lblistados"));
    lbmarcados_ = new QLabel(resumo);
    lbmarcados_->setObjectName(QStringLiteral("lbmarcados"));
    lbtotal_ = new QLabel(resumo);
    lbtotal_->setObjectName(QStringLiteral("lbtotal"));
    lbaviso_ = new QLabel(QStringLiteral("(o limite para este campeonato é de 1000 clubes, alguns "
                                         "clubes selecionados não serão incluídos)"),
                          resumo);
    lbaviso_->setObjectName(QStringLiteral("lbaviso"));
    lbaviso_->setWordWrap(true);
    lbaviso_->setStyleSheet(QStringLiteral("color: #a00000;"));
    ckcopa_ = new QCheckBox(QStringLiteral("Jogar Copa de clubes"), resumo);
    ckcopa_->setObjectName(QStringLiteral("ckcopa"));
    ckcopa_->setChecked(true);
    // The same texts as the division system of the club game.
    rbdivisoes10_ = new QRadioButton(ui::T(ui::kTextoDivisoesDe10), resumo);
    rbdivisoes10_->setObjectName(QStringLiteral("rbdivisoes10"));
    rbdivisoes20_ = new QRadioButton(ui::T(ui::kTextoDivisoesDe20), resumo);
    rbdivisoes20_->setObjectName(QStringLiteral("rbdivisoes20"));
    rbdivisoes10_->setChecked(true);
    auto* grupoDiv = new QButtonGroup(this);
    grupoDiv->addButton(rbdivisoes10_);
    grupoDiv->addButton(rbdivisoes20_);
    sphumanos_ = new QSpinBox(resumo);
    sphumanos_->setObjectName(QStringLiteral("sphumanos"));
    sphumanos_->setRange(1, 6);

    auto* lResumo = new QVBoxLayout(resumo);
    lResumo->addWidget(lblistados_);
    lResumo->addWidget(lbmarcados_);
    lResumo->addWidget(lbtotal_);
    lResumo->addWidget(new QLabel(
        QStringLiteral("São necessários pelo menos %1 clubes.").arg(kMinimoPersonalizado), resumo));
    lResumo->addWidget(lbaviso_);
    lResumo->addSpacing(12);
    lResumo->addWidget(ckcopa_);
    lResumo->addSpacing(8);
    lResumo->addWidget(rbdivisoes10_);
    lResumo->addWidget(rbdivisoes20_);
    lResumo->addSpacing(8);
    auto* lHumanos = new QHBoxLayout;
    lHumanos->addWidget(new QLabel(QStringLiteral("Técnicos humanos:"), resumo));
    lHumanos->addWidget(sphumanos_);
    lHumanos->addStretch();
    lResumo->addLayout(lHumanos);
    lResumo->addStretch();

    auto* lMeio = new QHBoxLayout;
    lMeio->addWidget(paises, 1);
    lMeio->addWidget(resumo, 1);

    btvoltar_ = new QPushButton(QStringLiteral("<< Voltar"), this);
    btvoltar_->setObjectName(QStringLiteral("btvoltar"));
    btcontinuar_ = new QPushButton(QStringLiteral("Continuar >>"), this);
    btcontinuar_->setObjectName(QStringLiteral("btcontinuar"));
    auto* lBotoes = new QHBoxLayout;
    lBotoes->addWidget(btvoltar_);
    lBotoes->addStretch();
    lBotoes->addWidget(btcontinuar_);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(24, 24, 24, 24);
    l->addLayout(lMeio, 1);
    l->addLayout(lBotoes);

    connect(gridpaises_, &QTableWidget::itemChanged, this, &TelaPersonalizado::gridpaisesChange);
    connect(btcontinuar_, &QPushButton::clicked, this, &TelaPersonalizado::continuar);
    connect(btvoltar_, &QPushButton::clicked, this, &TelaPersonalizado::voltar);
    gridpaisesChange();
}

void TelaPersonalizado::gridpaisesChange() {
    int marcados = 0;
    total_ = 0;
    for (int r = 0; r < gridpaises_->rowCount(); ++r) {
        const QTableWidgetItem* it = gridpaises_->item(r, 0);
        if (!it || it->checkState() != Qt::Checked) continue;
        ++marcados;
        total_ += usaveis_[it->data(Qt::UserRole).toInt()];
    }
    lblistados_->setText(QStringLiteral("Países listados: %1").arg(gridpaises_->rowCount()));
    lbmarcados_->setText(QStringLiteral("Países marcados: %1").arg(marcados));
    lbtotal_->setText(QStringLiteral("Clubes marcados: %1").arg(total_));
    lbaviso_->setVisible(total_ > kAvisoPersonalizado);
    btcontinuar_->setEnabled(total_ >= kMinimoPersonalizado);
}

void TelaPersonalizado::DefinirHumanos(int numero) {
    sphumanos_->setValue(numero);
}

OpcoesPersonalizado TelaPersonalizado::Opcoes() const {
    OpcoesPersonalizado o;
    for (int r = 0; r < gridpaises_->rowCount(); ++r) {
        const QTableWidgetItem* it = gridpaises_->item(r, 0);
        if (it->checkState() == Qt::Checked) o.paises.push_back(it->data(Qt::UserRole).toInt());
    }
    o.copanacional = ckcopa_->isChecked();
    o.divisoesde20 = rbdivisoes20_->isChecked();
    o.numhumanos = sphumanos_->value();
    return o;
}

} // namespace competitions::telas
