#include "management/telas/telavenda.hpp"

#include "management/fichajogador.hpp"
#include "management/telas/figurasgrade.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>

namespace management::telas {

using namespace world;

namespace {

// Prices are typed in thousands; the largest that still fits the game's money.
constexpr int kMaximoMilhares = 2'147'483;

QLabel* Negrito(const QString& texto = {}) {
    auto* r = new QLabel(texto);
    QFont f = r->font();
    f.setBold(true);
    r->setFont(f);
    r->setTextFormat(Qt::PlainText);
    return r;
}

QString Ou(const std::string& texto) {
    return texto.empty() ? QStringLiteral("-") : ui::Q(texto);
}

QSpinBox* CaixaMilhares(const char* nome, int valor) {
    auto* c = new QSpinBox;
    c->setObjectName(QString::fromLatin1(nome));
    c->setRange(1, kMaximoMilhares);
    c->setValue(std::clamp(valor, 1, kMaximoMilhares));
    c->setSuffix(QStringLiteral(" mil"));
    c->setAccelerated(true);
    c->setMinimumWidth(120);
    c->setAlignment(Qt::AlignRight);
    return c;
}

// What the thousands typed come to, in digits and in words.
QString Extenso(int milhares) {
    const i32 v = static_cast<i32>(std::int64_t{milhares} * 1000);
    return QStringLiteral("= ") + ui::Dinheiro(v) + QStringLiteral("  (") + ui::DinheiroExtenso(v) +
           QLatin1Char(')');
}

QString TextoRecusa(RecusaVenda r) {
    switch (r) {
    case RecusaVenda::Nenhuma:
        return {};
    case RecusaVenda::SemJogador:
        return ui::T(ui::kTextoEscolhaUmJogador);
    case RecusaVenda::NaoEhHumano:
        return ui::T(2810);
    case RecusaVenda::ElencoPequeno:
        return ui::T(ui::kTextoPrecisaDePeloMenos) + ' ' + QString::number(kMinimoElencoVenda) +
               ' ' + ui::T(2812);
    case RecusaVenda::PoucosDisponiveis:
        return ui::T(ui::kTextoPrecisaDePeloMenos) + ' ' +
               QString::number(kMinimoDisponiveisVenda) + ' ' +
               ui::T(ui::kTextoJogadoresDeLinhaDisponiveis);
    case RecusaVenda::SemPreco:
        return ui::T(2814);
    }
    return {};
}

int Milhares(i32 valor) {
    return static_cast<int>(
        std::clamp<std::int64_t>((std::int64_t{valor} + 500) / 1000, 1, kMaximoMilhares));
}

} // namespace

TelaVenda::TelaVenda(Jogo& jogo, int jogador, InteracaoMercado& ia, QWidget* pai)
    : QDialog(pai), jogo_(jogo),
      jogador_(jogador > 0 && jogador < static_cast<int>(jogo.jogadores.size()) ? jogador : 0),
      ia_(ia) {
    setWindowTitle(QStringLiteral("Venda de jogador"));
    setModal(true);

    fechar_ = new QPushButton(ui::T(ui::kTextoFechar));
    fechar_->setObjectName(QStringLiteral("fechar"));
    connect(fechar_, &QPushButton::clicked, this, &QDialog::reject);
    vender_ = new QPushButton;
    vender_->setObjectName(QStringLiteral("vender"));
    vender_->setDefault(true);
    vender_->setMinimumHeight(32);
    connect(vender_, &QPushButton::clicked, this, &TelaVenda::Vender);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(vender_);
    botoes->addStretch();
    botoes->addWidget(fechar_);

    motivo_ = new QLabel;
    motivo_->setObjectName(QStringLiteral("motivo"));
    motivo_->setWordWrap(true);
    motivo_->setStyleSheet(QStringLiteral("QLabel { color: #a01010; }"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MontarJogador());
    layout->addWidget(MontarOpcoes());
    layout->addWidget(motivo_);
    layout->addStretch();
    layout->addLayout(botoes);
    Atualizar();
    ui::Dimensionar(this, QSize(620, 0));
}

QWidget* TelaVenda::MontarJogador() {
    const FichaJogador f = MontarFicha(jogo_, jogador_);
    auto* quadro = new QGroupBox;
    auto* v = new QVBoxLayout(quadro);

    auto* titulo = new QHBoxLayout;
    auto* nome = Negrito(Ou(f.nome));
    nome->setObjectName(QStringLiteral("nome"));
    QFont grande = nome->font();
    grande.setPointSize(grande.pointSize() + 4);
    nome->setFont(grande);
    titulo->addWidget(nome);
    if (f.estrela) {
        auto* estrela = new QLabel;
        estrela->setPixmap(FiguraCondicao(12, false));
        estrela->setToolTip(ui::T(ui::kTextoCraque));
        titulo->addWidget(estrela);
    }
    titulo->addStretch();
    auto* clube = new QLabel(Ou(f.nomeclube));
    clube->setTextFormat(Qt::PlainText);
    titulo->addWidget(clube);
    v->addLayout(titulo);

    auto formulario = [] {
        auto* l = new QFormLayout;
        l->setLabelAlignment(Qt::AlignRight);
        l->setHorizontalSpacing(10);
        return l;
    };
    auto* a = formulario();
    a->addRow(ui::T(ui::kTextoPosicao) + ':', Negrito(Ou(f.nomeposicao)));
    a->addRow(ui::T(ui::kTextoIdade) + ':', Negrito(QString::number(f.idade)));
    a->addRow(ui::T(ui::kTextoForca) + ':', Negrito(QString::number(f.forca)));
    auto* b = formulario();
    auto* passe = Negrito(ui::Dinheiro(f.passe));
    passe->setObjectName(QStringLiteral("passe"));
    passe->setToolTip(ui::DinheiroExtenso(f.passe));
    b->addRow(ui::T(ui::kTextoPasse) + ':', passe);
    auto* salario = Negrito(ui::Dinheiro(f.salario));
    salario->setToolTip(ui::DinheiroExtenso(f.salario));
    b->addRow(ui::T(ui::kTextoSalario) + ':', salario);
    b->addRow(ui::T(ui::kTextoFimDoContrato) + ':', Negrito(Ou(f.fimcontrato)));
    auto* dados = new QHBoxLayout;
    dados->addLayout(a);
    dados->addSpacing(24);
    dados->addLayout(b);
    dados->addStretch();
    v->addLayout(dados);

    // A listed player: his asking price and the way back.
    auto* avenda = new QHBoxLayout;
    situacao_ = Negrito();
    situacao_->setObjectName(QStringLiteral("situacao"));
    situacao_->setStyleSheet(QStringLiteral("QLabel { color: #8a4500; }"));
    avenda->addWidget(situacao_);
    avenda->addStretch();
    retirar_ = new QPushButton(QStringLiteral("Jogador à venda, clique aqui para retira-lo"));
    retirar_->setObjectName(QStringLiteral("retirar"));
    connect(retirar_, &QPushButton::clicked, this, &TelaVenda::Retirar);
    avenda->addWidget(retirar_);
    v->addLayout(avenda);
    return quadro;
}

QWidget* TelaVenda::MontarOpcoes() {
    const TJogador* j = jogador_ > 0 ? &jogo_.jogadores[jogador_] : nullptr;
    auto* quadro = new QGroupBox;
    auto* g = new QGridLayout(quadro);
    g->setColumnMinimumWidth(0, 20);
    g->setColumnStretch(3, 1);

    precofixo_ = new QRadioButton(QStringLiteral("Colocar à venda à espera de um comprador:"));
    precofixo_->setObjectName(QStringLiteral("precofixo"));
    leilao_ = new QRadioButton(QStringLiteral("Vender jogador no leilão"));
    leilao_->setObjectName(QStringLiteral("leilao"));
    auto* grupo = new QButtonGroup(this);
    grupo->addButton(precofixo_);
    grupo->addButton(leilao_);
    precofixo_->setChecked(true);

    // A listed player starts from his asking price; otherwise both start
    // from his value.
    const i32 passe = j ? j->passe : 0;
    valorfixo_ = CaixaMilhares("precofixado", Milhares(j && j->avenda ? j->passepedido : passe));
    valorinicial_ = CaixaMilhares("precoinicial", Milhares(passe));
    extensofixo_ = new QLabel;
    extensofixo_->setObjectName(QStringLiteral("extensofixo"));
    extensoinicial_ = new QLabel;
    extensoinicial_->setObjectName(QStringLiteral("extensoinicial"));

    int linha = 0;
    g->addWidget(precofixo_, linha++, 0, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Preço fixado:")), linha, 1, Qt::AlignRight);
    g->addWidget(valorfixo_, linha, 2);
    g->addWidget(extensofixo_, linha++, 3);
    g->setRowMinimumHeight(linha++, 6);
    g->addWidget(leilao_, linha++, 0, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Preço inicial:")), linha, 1, Qt::AlignRight);
    g->addWidget(valorinicial_, linha, 2);
    g->addWidget(extensoinicial_, linha++, 3);
    g->setRowMinimumHeight(linha++, 10);

    // The fine the club pays if his contract still runs when he goes.
    auto* multa = new QHBoxLayout;
    titulomulta_ = new QLabel(QStringLiteral("Multa estimada para este jogador:"));
    multa->addWidget(titulomulta_);
    multa_ = Negrito();
    multa_->setObjectName(QStringLiteral("multa"));
    multa->addWidget(multa_);
    multa->addStretch();
    g->addLayout(multa, linha++, 0, 1, 4);

    for (QRadioButton* r : {precofixo_, leilao_})
        connect(r, &QRadioButton::toggled, this, &TelaVenda::Atualizar);
    for (QSpinBox* c : {valorfixo_, valorinicial_})
        connect(c, &QSpinBox::valueChanged, this, &TelaVenda::Atualizar);
    return quadro;
}

i32 TelaVenda::PrecoEscolhido() const {
    const QSpinBox* c = leilao_->isChecked() ? valorinicial_ : valorfixo_;
    return static_cast<i32>(std::int64_t{c->value()} * 1000);
}

void TelaVenda::Atualizar() {
    const TJogador* j = jogador_ > 0 ? &jogo_.jogadores[jogador_] : nullptr;
    const RecusaVenda recusa = RecusaDaVenda(jogo_, jogador_, PrecoEscolhido());
    // The listing and the fine concern a human's own player only.
    const bool doclube = recusa != RecusaVenda::SemJogador && recusa != RecusaVenda::NaoEhHumano;
    const bool avenda = doclube && j->avenda;

    extensofixo_->setText(Extenso(valorfixo_->value()));
    extensoinicial_->setText(Extenso(valorinicial_->value()));
    valorfixo_->setEnabled(precofixo_->isChecked());
    valorinicial_->setEnabled(leilao_->isChecked());

    situacao_->setVisible(avenda);
    retirar_->setVisible(avenda);
    if (avenda) situacao_->setText(QStringLiteral("À venda por ") + ui::Dinheiro(j->passepedido));

    // The rate by the days his contract has left; none once it has ended.
    const int n = jogo_.estado.dataatual;
    const double hoje = n >= 1 && n <= kDatasPorTemporada ? jogo_.calendario[n - 1].data : 0.0;
    const int taxa = j ? TaxaDeMulta(j->contrato - hoje) : 0;
    const bool temmulta = doclube && taxa > 0;
    titulomulta_->setVisible(temmulta);
    multa_->setVisible(temmulta);
    if (temmulta)
        multa_->setText(QString::number(taxa) + QStringLiteral("% do valor total  (") +
                        ui::Dinheiro(MultaRescisoria(jogo_, jogador_, PrecoEscolhido())) +
                        QLatin1Char(')'));

    if (leilao_->isChecked())
        vender_->setText(QStringLiteral("Iniciar leilão"));
    else
        vender_->setText(avenda ? QStringLiteral("Alterar preço")
                                : QStringLiteral("Colocar à venda"));
    vender_->setEnabled(recusa == RecusaVenda::Nenhuma);
    motivo_->setText(TextoRecusa(recusa));
    motivo_->setVisible(recusa != RecusaVenda::Nenhuma);
}

void TelaVenda::Vender() {
    const i32 preco = PrecoEscolhido();
    if (RecusaDaVenda(jogo_, jogador_, preco) != RecusaVenda::Nenhuma) return;
    if (precofixo_->isChecked()) {
        ColocarAVenda(jogo_, jogador_, preco);
        accept();
        return;
    }
    // The auction asks its questions (bids, the end) over this screen, then
    // the player has gone or stayed: nothing is left to do here.
    vender_->setEnabled(false);
    LeiloarJogador(jogo_, ia_, jogador_, preco);
    accept();
}

void TelaVenda::Retirar() {
    if (jogador_ <= 0) return;
    RetirarDaVenda(jogo_, jogador_);
    Atualizar();
}

} // namespace management::telas
