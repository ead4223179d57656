#include "management/telas/telacontrato.hpp"

#include "management/fichajogador.hpp"
#include "plataforma/datas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/valores.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace management::telas {

using namespace world;

namespace {

constexpr int kTextoContratoAssinado = 2300;

constexpr i32 kPasso = 500;
constexpr i32 kTetoDaSeta = 9'999'499; // the up arrow works up to here

QString Digitos(i32 v) {
    return ui::Q(FormatarDinheiro(v));
}

QString TextoRecusa(RecusaRenovacao r) {
    switch (r) {
    case RecusaRenovacao::Nenhuma:
        return {};
    case RecusaRenovacao::SemJogador:
        return ui::T(ui::kTextoEscolhaUmJogador);
    case RecusaRenovacao::NaoEhDoClube:
        return ui::T(2302);
    case RecusaRenovacao::SemSalario:
        return ui::T(2303);
    case RecusaRenovacao::PoucosDisponiveis:
        return ui::T(ui::kTextoPrecisaDePeloMenos) + ' ' +
               QString::number(kMinimoDisponiveisDispensa) + ' ' +
               ui::T(ui::kTextoJogadoresDeLinhaDisponiveis);
    case RecusaRenovacao::UnicoGoleiro:
        return ui::T(2304);
    }
    return {};
}

} // namespace

TelaContrato::TelaContrato(Jogo& jogo, int jogador, InteracaoMercado& ia, QWidget* pai)
    : QDialog(pai), jogo_(jogo), jogador_(jogador), ia_(ia) {
    setWindowTitle(QStringLiteral("Propor novo contrato"));
    setModal(true);
    auto* v = new QVBoxLayout(this);
    const bool valido = jogo_.JogadorValido(jogador_);
    auto* nome =
        new QLabel(QStringLiteral("<b>%1</b>")
                       .arg(valido ? ui::Q(jogo_.jogadores[jogador_].nome.view()).toHtmlEscaped()
                                   : QString()));
    QFont f = nome->font();
    f.setPointSize(f.pointSize() + 3);
    nome->setFont(f);
    v->addWidget(nome);

    auto* form = new QFormLayout;
    atual_ = new QLabel;
    termino_ = new QLabel;
    form->addRow(QStringLiteral("Salário atual:"), atual_);
    form->addRow(QStringLiteral("Contrato termina em:"), termino_);
    auto* linha = new QHBoxLayout;
    salario_ = new QLineEdit;
    salario_->setObjectName(QStringLiteral("salario"));
    // Digits only, up to the ten million the arrows stop short of.
    salario_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,8}")), salario_));
    salario_->setAlignment(Qt::AlignRight);
    salario_->setMaximumWidth(120);
    menos_ = new QPushButton(QStringLiteral("▼"));
    mais_ = new QPushButton(QStringLiteral("▲"));
    for (QPushButton* b : {menos_, mais_}) {
        b->setAutoRepeat(true);
        b->setFixedWidth(32);
    }
    linha->addWidget(new QLabel(QStringLiteral("$")));
    linha->addWidget(salario_);
    linha->addWidget(menos_);
    linha->addWidget(mais_);
    linha->addStretch();
    form->addRow(QStringLiteral("Novo salário:"), linha);
    semanas_ = new QComboBox;
    for (int k = 0; k < 4; ++k)
        semanas_->addItem(QString::number(SemanasDoContrato(k)) + ' ' + ui::T(2301));
    semanas_->setCurrentIndex(1);
    novofim_ = new QLabel;
    novofim_->setObjectName(QStringLiteral("novofim"));
    auto* duracao = new QHBoxLayout;
    duracao->addWidget(semanas_);
    duracao->addWidget(novofim_);
    duracao->addStretch();
    form->addRow(QStringLiteral("Contrato por mais:"), duracao);
    v->addLayout(form);

    oferecer_ = new QPushButton(QStringLiteral("Oferecer"));
    oferecer_->setDefault(true);
    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar));
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(oferecer_);
    botoes->addStretch();
    botoes->addWidget(fechar);

    mensagem_ = new QLabel;
    mensagem_->setObjectName(QStringLiteral("mensagem"));
    mensagem_->setWordWrap(true);
    mensagem_->setMinimumHeight(40);
    v->addWidget(mensagem_);

    // The refusal's answer: accept the demand or let the player go.
    exigencia_ = new QWidget;
    auto* e = new QHBoxLayout(exigencia_);
    e->setContentsMargins(0, 0, 0, 0);
    aceita_ = new QPushButton(QStringLiteral("Aceita"));
    recusa_ = new QPushButton(QStringLiteral("Recusa"));
    e->addWidget(aceita_);
    e->addWidget(recusa_);
    e->addStretch();
    exigencia_->setVisible(false);
    v->addWidget(exigencia_);
    v->addLayout(botoes);

    connect(salario_, &QLineEdit::textChanged, this, [this] {
        exigencia_->setVisible(false);
        Atualizar();
    });
    connect(mais_, &QPushButton::clicked, this, [this] {
        if (Valor() <= kTetoDaSeta) MudarValor(Valor() + kPasso);
    });
    connect(menos_, &QPushButton::clicked, this, [this] {
        if (Valor() > kPasso) MudarValor(Valor() - kPasso);
    });
    connect(semanas_, &QComboBox::currentIndexChanged, this, [this] { Atualizar(); });
    connect(oferecer_, &QPushButton::clicked, this, &TelaContrato::Oferecer);
    connect(aceita_, &QPushButton::clicked, this, &TelaContrato::AceitarExigencia);
    connect(recusa_, &QPushButton::clicked, this, &TelaContrato::RecusarExigencia);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);

    if (valido) MudarValor(jogo_.jogadores[jogador_].salario);
    Atualizar();
    setMinimumWidth(460);
}

i32 TelaContrato::Valor() const {
    bool ok = false;
    const long long v = salario_->text().toLongLong(&ok);
    return ok && v > 0 ? static_cast<i32>(std::min<long long>(v, 2'000'000'000)) : 0;
}

void TelaContrato::MudarValor(i32 v) {
    salario_->setText(QString::number(std::max<i32>(v, 0)));
}

void TelaContrato::Atualizar() {
    const bool valido = jogo_.JogadorValido(jogador_);
    if (valido) {
        const TJogador& j = jogo_.jogadores[jogador_];
        atual_->setText(QStringLiteral("$ ") + Digitos(j.salario));
        QString fim = ui::Q(plataforma::TextoData(j.contrato));
        if (j.contrato < jogo_.Hoje()) fim += QStringLiteral(" (encerrado)");
        termino_->setText(fim);
    }
    // The end the offer would give, from today as the signing counts it.
    novofim_->setText(QStringLiteral("até ") +
                      ui::Q(plataforma::TextoData(
                          FimDoNovoContrato(jogo_, SemanasDoContrato(semanas_->currentIndex())))));
    const i32 v = Valor();
    mais_->setEnabled(v <= kTetoDaSeta);
    menos_->setEnabled(v > kPasso);
    // The rules say who may be offered what; once the player has signed or
    // gone, the screen has done its work.
    const RecusaRenovacao recusa = RecusaDaRenovacao(jogo_, jogo_.estado.timeatual, jogador_, v);
    oferecer_->setEnabled(recusa == RecusaRenovacao::Nenhuma && !mudou_);
    oferecer_->setToolTip(TextoRecusa(recusa));
}

void TelaContrato::Oferecer() {
    const i32 n = Valor();
    const AnaliseContrato a = ProporContrato(jogo_, jogo_.estado.timeatual, jogador_, n);
    exigencia_->setVisible(false);
    switch (a.resposta) {
    case RespostaContrato::Impedida:
        mensagem_->setText(TextoRecusa(a.recusa));
        break;
    case RespostaContrato::ForaDaRealidade:
        mensagem_->setText(ui::T(799) + ' ' + Digitos(a.maximo));
        break;
    case RespostaContrato::Aceita:
        AssinarContrato(jogo_, jogador_, n, SemanasDoContrato(semanas_->currentIndex()));
        mudou_ = true;
        mensagem_->setText(ui::T(kTextoContratoAssinado));
        break;
    case RespostaContrato::Recusa:
        exigido_ = a.exigencia;
        mensagem_->setText(QStringLiteral("Jogador recusou, exige um mínimo de $ ") +
                           Digitos(a.exigencia));
        exigencia_->setVisible(true);
        break;
    case RespostaContrato::SemResposta:
        mensagem_->clear();
        break;
    }
    Atualizar();
}

void TelaContrato::AceitarExigencia() {
    if (exigido_ <= 0) return;
    AssinarContrato(jogo_, jogador_, exigido_, SemanasDoContrato(semanas_->currentIndex()));
    mudou_ = true;
    exigencia_->setVisible(false);
    mensagem_->setText(ui::T(kTextoContratoAssinado));
    Atualizar();
}

void TelaContrato::RecusarExigencia() {
    exigencia_->setVisible(false);
    if (const RecusaRenovacao r = management::RecusarExigencia(jogo_, ia_, jogador_);
        r != RecusaRenovacao::Nenhuma) {
        // The club cannot let him go: he stays on his contract.
        mensagem_->setText(ui::T(392) + ' ' + TextoRecusa(r));
        QTimer::singleShot(4000, mensagem_, [m = mensagem_] { m->clear(); });
        return;
    }
    // The auction has run its course, sold or not.
    mudou_ = true;
    accept();
}

} // namespace management::telas
