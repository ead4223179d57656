#include "management/telas/telaestadio.hpp"

#include "management/fichajogador.hpp"
#include "plataforma/datas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/valores.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace management::telas {

using namespace world;

namespace {

QString Grupos(std::int64_t v) {
    return ui::Q(FormatarDinheiro(static_cast<i32>(v)));
}

QString TextoRecusa(const Jogo& jogo, int clube, RecusaObra r) {
    switch (r) {
    case RecusaObra::Nenhuma:
        return {};
    case RecusaObra::SemClube:
        return ui::T(ui::kTextoSemClube);
    case RecusaObra::EmAndamento: {
        const int obra = ObraPendente(jogo, clube);
        return ui::T(292) + ' ' +
               ui::Q(plataforma::TextoData(obra >= 0 ? jogo.obras[obra].data : 0.0));
    }
    case RecusaObra::SemOrcamento:
        return ui::T(2852);
    case RecusaObra::SemDinheiro:
        return ui::T(792);
    }
    return {};
}

QString TextoRecusa(RecusaPreco r) {
    switch (r) {
    case RecusaPreco::Nenhuma:
        return {};
    case RecusaPreco::SemClube:
        return ui::T(ui::kTextoSemClube);
    case RecusaPreco::NoMinimo:
        return ui::T(2853);
    case RecusaPreco::NoMaximo:
        return ui::T(2854);
    }
    return {};
}

} // namespace

TelaEstadio::TelaEstadio(Jogo& jogo, int clube, QWidget* pai)
    : QDialog(pai), jogo_(jogo), clube_(clube), total_(new QLabel), andamento_(new QLabel),
      expandir_(new QPushButton(QStringLiteral("Expandir estádio"))), expansao_(new QGroupBox),
      pedir_(new QPushButton(QStringLiteral("Pedir orçamento"))),
      iniciar_(new QPushButton(QStringLiteral("Iniciar construção"))), mensagem_(new QLabel) {
    setWindowTitle(QStringLiteral("Preço dos Ingressos"));
    setModal(true);
    auto* v = new QVBoxLayout(this);
    if (clube_ >= 0 && clube_ < static_cast<int>(jogo_.times.size()))
        v->addWidget(new QLabel(QStringLiteral("<b>") +
                                ui::Q(jogo_.times[clube_].nome.view()).toHtmlEscaped() +
                                QStringLiteral("</b>")));
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("<b>Setor</b>")), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("<b>Preço</b>")), 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("<b>Capacidade</b>")), 0, 4);
    for (int s = 0; s < 4; ++s) {
        g->addWidget(new QLabel(ui::T(280 + s)), s + 1, 0);
        menos_[s] = new QPushButton(QStringLiteral("▼"));
        mais_[s] = new QPushButton(QStringLiteral("▲"));
        for (QPushButton* b : {menos_[s], mais_[s]}) {
            b->setAutoRepeat(true);
            b->setFixedWidth(32);
        }
        precos_[s] = new QLabel;
        precos_[s]->setMinimumWidth(70);
        precos_[s]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        capacidades_[s] = new QLabel;
        capacidades_[s]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(menos_[s], s + 1, 1);
        g->addWidget(precos_[s], s + 1, 2);
        g->addWidget(mais_[s], s + 1, 3);
        g->addWidget(capacidades_[s], s + 1, 4);
        connect(mais_[s], &QPushButton::clicked, this, [this, s] {
            AjustarPreco(jogo_, clube_, s, +1);
            Atualizar();
        });
        connect(menos_[s], &QPushButton::clicked, this, [this, s] {
            AjustarPreco(jogo_, clube_, s, -1);
            Atualizar();
        });
    }
    g->addWidget(new QLabel(QStringLiteral("<b>Total</b>")), 5, 0);
    total_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(total_, 5, 4);
    v->addLayout(g);

    andamento_->setObjectName(QStringLiteral("andamento"));
    v->addWidget(andamento_);
    v->addWidget(expandir_, 0, Qt::AlignLeft);

    // The expansion: seats to add per sector, the budget, the start.
    static_cast<QGroupBox*>(expansao_)->setTitle(QStringLiteral("Assentos a construir"));
    auto* e = new QGridLayout(expansao_);
    for (int s = 0; s < 4; ++s) {
        e->addWidget(new QLabel(ui::T(280 + s)), s, 0);
        assentos_[s] = new QSpinBox;
        assentos_[s]->setRange(0, 200'000);
        assentos_[s]->setSingleStep(500);
        e->addWidget(assentos_[s], s, 1);
        connect(assentos_[s], &QSpinBox::valueChanged, this, [this] {
            orcamento_ = {};
            iniciar_->hide();
            mensagem_->clear();
        });
    }
    e->addWidget(pedir_, 4, 0, 1, 2);
    mensagem_->setWordWrap(true);
    mensagem_->setMinimumHeight(2 * mensagem_->fontMetrics().lineSpacing() + 6);
    mensagem_->setObjectName(QStringLiteral("mensagem"));
    e->addWidget(mensagem_, 5, 0, 1, 2);
    e->addWidget(iniciar_, 6, 0, 1, 2);
    expansao_->hide();
    iniciar_->hide();
    v->addWidget(expansao_);

    connect(expandir_, &QPushButton::clicked, this, [this] {
        expansao_->show();
        expandir_->hide();
    });
    connect(pedir_, &QPushButton::clicked, this, [this] {
        Setores a{};
        for (int s = 0; s < 4; ++s) a[s] = assentos_[s]->value();
        orcamento_ = management::PedirOrcamento(jogo_, clube_, a);
        iniciar_->setVisible(orcamento_.estado == Orcamento::Pronto);
        if (orcamento_.estado == Orcamento::AcimaDoMaximo)
            mensagem_->setText(ui::T(790));
        else if (orcamento_.estado == Orcamento::Pronto)
            mensagem_->setText(ui::T(788) + QStringLiteral(" $") + Grupos(orcamento_.custo) + '\n' +
                               ui::T(789) + ' ' + ui::Q(plataforma::TextoData(orcamento_.termino)));
        else
            mensagem_->clear();
    });
    connect(iniciar_, &QPushButton::clicked, this, [this] {
        if (const RecusaObra r = management::IniciarConstrucao(jogo_, clube_, orcamento_);
            r != RecusaObra::Nenhuma) {
            mensagem_->setText(TextoRecusa(jogo_, clube_, r));
            return;
        }
        emit dinheiroMudou();
        expansao_->hide();
        Atualizar();
    });

    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar));
    fechar->setDefault(true);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(fechar);
    v->addStretch();
    v->addLayout(rodape);
    setMinimumWidth(440);
    Atualizar();
}

void TelaEstadio::Atualizar() {
    if (clube_ < 0 || clube_ >= static_cast<int>(jogo_.times.size())) return;
    const TTime& t = jogo_.times[clube_];
    std::int64_t total = 0;
    for (int s = 0; s < 4; ++s) {
        precos_[s]->setText(QStringLiteral("$") + QString::number(t.precos[s]));
        for (const auto& [seta, delta] : {std::pair{mais_[s], +1}, std::pair{menos_[s], -1}}) {
            const RecusaPreco r = RecusaDoPreco(jogo_, clube_, s, delta);
            seta->setEnabled(r == RecusaPreco::Nenhuma);
            seta->setToolTip(TextoRecusa(r));
        }
        capacidades_[s]->setText(Grupos(t.capacidade[s]));
        total += t.capacidade[s];
    }
    total_->setText(QStringLiteral("<b>") + Grupos(total) + QStringLiteral("</b>"));
    const RecusaObra obra = RecusaDaObra(jogo_, clube_);
    andamento_->setVisible(obra == RecusaObra::EmAndamento);
    andamento_->setText(TextoRecusa(jogo_, clube_, obra));
    expandir_->setVisible(obra == RecusaObra::Nenhuma && !expansao_->isVisible());
}

} // namespace management::telas
