#include "competitions/telas/telatipojogo.hpp"

#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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

namespace {

QCheckBox* Marca(const QString& texto, const char* nome, bool marcado, QWidget* pai) {
    auto* c = new QCheckBox(texto, pai);
    c->setObjectName(QLatin1String(nome));
    c->setChecked(marcado);
    return c;
}

// Leagues are named by their league when the language has a name for it.
QString NomeDaLiga(int pais) {
    const std::string liga = world::nomeliga(pais);
    return ui::Q(liga.empty() ? world::NomePais(pais) : liga);
}

} // namespace

void EstiloDePainel(QWidget* painel) {
    painel->setAutoFillBackground(true);
    QPalette pal = painel->palette();
    pal.setColor(QPalette::Window, QColor(245, 245, 240, 235));
    painel->setPalette(pal);
}

TelaTipoJogo::TelaTipoJogo(const world::IndiceTimes& indice, QWidget* pai) : QWidget(pai) {
    ui::PintarFundo(this, ui::kFundoConfiguracao);

    auto* tipo = new QGroupBox(QStringLiteral("Tipo de jogo"), this);
    EstiloDePainel(tipo);
    rbclubes_ = new QRadioButton(QStringLiteral("Jogo de clubes"), tipo);
    rbclubes_->setObjectName(QStringLiteral("rbclubes"));
    rbpersonalizado_ = new QRadioButton(QStringLiteral("Campeonato personalizado"), tipo);
    rbpersonalizado_->setObjectName(QStringLiteral("rbpersonalizado"));
    rbclubes_->setChecked(true);
    auto* grupoTipo = new QButtonGroup(this);
    grupoTipo->addButton(rbclubes_);
    grupoTipo->addButton(rbpersonalizado_);
    auto* lTipo = new QHBoxLayout(tipo);
    lTipo->addWidget(rbclubes_);
    lTipo->addWidget(rbpersonalizado_);
    lTipo->addStretch();

    painelopcoes_ = new QWidget(this);
    painelopcoes_->setObjectName(QStringLiteral("painelopcoes"));

    // Left: main country, divisions, competitions, humans.
    auto* opcoes = new QGroupBox(QStringLiteral("Opções do jogo"), painelopcoes_);
    EstiloDePainel(opcoes);
    cbpaisprincipal_ = new QComboBox(opcoes);
    cbpaisprincipal_->setObjectName(QStringLiteral("cbpaisprincipal"));
    rbdivisoes10_ = new QRadioButton(ui::T(ui::kTextoDivisoesDe10), opcoes);
    rbdivisoes10_->setObjectName(QStringLiteral("rbdivisoes10"));
    rbdivisoes20_ = new QRadioButton(ui::T(ui::kTextoDivisoesDe20), opcoes);
    rbdivisoes20_->setObjectName(QStringLiteral("rbdivisoes20"));
    rbdivisoes10_->setChecked(true);
    auto* grupoDiv = new QButtonGroup(this);
    grupoDiv->addButton(rbdivisoes10_);
    grupoDiv->addButton(rbdivisoes20_);
    ckcopanacional_ = Marca(QString(), "ckcopanacional", true, opcoes);
    ckestaduais_ =
        Marca(QStringLiteral("Jogar Campeonatos Estaduais"), "ckestaduais", false, opcoes);
    ckcontinental1_ = Marca(QString(), "ckcontinental1", true, opcoes);
    ckcontinental2_ = Marca(QString(), "ckcontinental2", true, opcoes);
    ckcopadomundo_ =
        Marca(QStringLiteral("Jogar Copa do Mundo a cada 4 anos"), "ckcopadomundo", true, opcoes);
    ckgruposreais_ = Marca(QStringLiteral("Grupos reais da Copa do Mundo de 2006"), "ckgruposreais",
                           true, opcoes);
    ckeurocopa_ = Marca(QStringLiteral("Jogar Eurocopa"), "ckeurocopa", true, opcoes);
    ckcopaamerica_ = Marca(QStringLiteral("Jogar Copa América"), "ckcopaamerica", true, opcoes);
    sphumanos_ = new QSpinBox(opcoes);
    sphumanos_->setObjectName(QStringLiteral("sphumanos"));
    sphumanos_->setRange(1, 6);
    sphumanos_->setValue(1);

    auto* lOpcoes = new QVBoxLayout(opcoes);
    lOpcoes->addWidget(new QLabel(QStringLiteral("País principal:"), opcoes));
    lOpcoes->addWidget(cbpaisprincipal_);
    lOpcoes->addSpacing(8);
    lOpcoes->addWidget(new QLabel(QStringLiteral("Sistema de divisões:"), opcoes));
    lOpcoes->addWidget(rbdivisoes10_);
    lOpcoes->addWidget(rbdivisoes20_);
    lOpcoes->addSpacing(8);
    lOpcoes->addWidget(new QLabel(QStringLiteral("Competições:"), opcoes));
    for (QCheckBox* c : {ckcopanacional_, ckestaduais_, ckcontinental1_, ckcontinental2_,
                         ckcopadomundo_, ckgruposreais_, ckeurocopa_, ckcopaamerica_})
        lOpcoes->addWidget(c);
    lOpcoes->addSpacing(8);
    auto* lHumanos = new QHBoxLayout;
    lHumanos->addWidget(new QLabel(QStringLiteral("Técnicos humanos:"), opcoes));
    lHumanos->addWidget(sphumanos_);
    lHumanos->addStretch();
    lOpcoes->addLayout(lHumanos);
    lOpcoes->addStretch();

    // Right: the leagues that may be played.
    auto* ligas = new QGroupBox(QStringLiteral("Ligas"), painelopcoes_);
    EstiloDePainel(ligas);
    gridligas_ = new QTableWidget(0, 2, ligas);
    gridligas_->setObjectName(QStringLiteral("gridligas"));
    gridligas_->setHorizontalHeaderLabels({QStringLiteral("País"), QStringLiteral("Clubes")});
    gridligas_->verticalHeader()->hide();
    gridligas_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    gridligas_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    gridligas_->setSelectionMode(QAbstractItemView::NoSelection);
    gridligas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* lLigas = new QVBoxLayout(ligas);
    lLigas->addWidget(gridligas_);

    auto* lPainel = new QHBoxLayout(painelopcoes_);
    lPainel->setContentsMargins(0, 0, 0, 0);
    lPainel->addWidget(opcoes, 1);
    lPainel->addWidget(ligas, 1);

    btvoltar_ = new QPushButton(QStringLiteral("<< Voltar ao Início"), this);
    btvoltar_->setObjectName(QStringLiteral("btvoltar"));
    btcomecar_ = new QPushButton(QStringLiteral("Continuar >>"), this);
    btcomecar_->setObjectName(QStringLiteral("btcomecar"));
    btcomecar_->setDefault(true);
    auto* lBotoes = new QHBoxLayout;
    lBotoes->addWidget(btvoltar_);
    lBotoes->addStretch();
    lBotoes->addWidget(btcomecar_);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(24, 24, 24, 24);
    l->addWidget(tipo);
    l->addWidget(painelopcoes_, 1);
    l->addLayout(lBotoes);

    MontarLigas(indice);

    connect(cbpaisprincipal_, &QComboBox::currentIndexChanged, this,
            &TelaTipoJogo::cbpaisprincipalChange);
    connect(rbclubes_, &QRadioButton::toggled, this, &TelaTipoJogo::rbtipoClick);
    connect(ckcontinental1_, &QCheckBox::toggled, this, &TelaTipoJogo::ckcontinental1Click);
    connect(ckcontinental2_, &QCheckBox::toggled, this, &TelaTipoJogo::ckcontinental2Click);
    connect(btcomecar_, &QPushButton::clicked, this, &TelaTipoJogo::comecar);
    connect(btvoltar_, &QPushButton::clicked, this, &TelaTipoJogo::voltar);
    cbpaisprincipalChange();
}

void TelaTipoJogo::MontarLigas(const world::IndiceTimes& indice) {
    const auto usaveis = world::UsaveisPorPais(indice);
    std::vector<int> paises = LigasOferecidas(indice);
    int padrao = 0;
    for (std::size_t k = 0; k < paises.size(); ++k) {
        cbpaisprincipal_->addItem(NomeDaLiga(paises[k]), paises[k]);
        if (paises[k] == world::kPaisCasa) padrao = static_cast<int>(k);
    }
    cbpaisprincipal_->setCurrentIndex(paises.empty() ? -1 : padrao);

    std::stable_sort(paises.begin(), paises.end(), [](int a, int b) {
        return world::PosicaoAlfabetica(a) < world::PosicaoAlfabetica(b);
    });
    gridligas_->setRowCount(static_cast<int>(paises.size()));
    for (std::size_t k = 0; k < paises.size(); ++k) {
        const int linha = static_cast<int>(k);
        auto* nome = new QTableWidgetItem(ui::Q(world::NomePais(paises[k])));
        nome->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        nome->setCheckState(Qt::Unchecked);
        nome->setData(Qt::UserRole, paises[k]);
        auto* n = new QTableWidgetItem(QString::number(usaveis[paises[k]]));
        n->setFlags(Qt::ItemIsEnabled);
        n->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        gridligas_->setItem(linha, 0, nome);
        gridligas_->setItem(linha, 1, n);
    }
}

int TelaTipoJogo::PaisPrincipal() const {
    const QVariant v = cbpaisprincipal_->currentData();
    return v.isValid() ? v.toInt() : world::kPaisCasa;
}

void TelaTipoJogo::cbpaisprincipalChange() {
    const int pais = PaisPrincipal();
    ckcopanacional_->setText(pais == world::kPaisCasa ? QStringLiteral("Jogar Copa do Brasil")
                                                      : QStringLiteral("Jogar Copa do(a) ") +
                                                            ui::Q(world::NomePais(pais)));
    if (world::ContinentePais(pais) != 0) {
        ckcontinental1_->setText(QStringLiteral("Jogar Taça Libertadores"));
        ckcontinental2_->setText(QStringLiteral("Jogar Copa Sul-Americana"));
    } else {
        ckcontinental1_->setText(QStringLiteral("Jogar Copa dos Campeões"));
        ckcontinental2_->setText(QStringLiteral("Jogar Copa da UEFA"));
    }
    // The state championships belong to the home country alone.
    ckestaduais_->setVisible(pais == world::kPaisCasa);
}

void TelaTipoJogo::rbtipoClick() {
    painelopcoes_->setEnabled(!Personalizado());
}

void TelaTipoJogo::ckcontinental1Click(bool marcado) {
    if (!marcado) ckcontinental2_->setChecked(false);
}

void TelaTipoJogo::ckcontinental2Click(bool marcado) {
    if (marcado) ckcontinental1_->setChecked(true);
}

bool TelaTipoJogo::Personalizado() const {
    return rbpersonalizado_->isChecked();
}

int TelaTipoJogo::NumeroHumanos() const {
    return sphumanos_->value();
}

OpcoesNovoJogo TelaTipoJogo::Opcoes() const {
    OpcoesNovoJogo o;
    o.paisprincipal = PaisPrincipal();
    for (int r = 0; r < gridligas_->rowCount(); ++r) {
        const QTableWidgetItem* it = gridligas_->item(r, 0);
        if (it->checkState() == Qt::Checked) o.ligas.push_back(it->data(Qt::UserRole).toInt());
    }
    o.divisoesde20 = rbdivisoes20_->isChecked();
    o.copanacional = ckcopanacional_->isChecked();
    o.estaduais = ckestaduais_->isChecked() && o.paisprincipal == world::kPaisCasa;
    o.continental1 = ckcontinental1_->isChecked();
    o.continental2 = ckcontinental2_->isChecked() && o.continental1;
    o.copadomundo = ckcopadomundo_->isChecked();
    o.gruposreais = ckgruposreais_->isChecked();
    o.eurocopa = ckeurocopa_->isChecked();
    o.copaamerica = ckcopaamerica_->isChecked();
    o.numhumanos = sphumanos_->value();
    return o;
}

} // namespace competitions::telas
