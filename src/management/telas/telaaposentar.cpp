#include "management/telas/telaaposentar.hpp"

#include "management/envelhecimento.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/posicoes.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace management::telas {

using namespace world;

TelaAposentar::TelaAposentar(Jogo& jogo, int jogador, QWidget* pai)
    : QDialog(pai), jogo_(jogo), jogador_(jogador) {
    setWindowTitle(QStringLiteral("Aposentar jogador"));
    setModal(true);
    const bool valido = jogo_.JogadorValido(jogador_);
    auto* v = new QVBoxLayout(this);
    if (valido) {
        const TJogador& j = jogo_.jogadores[jogador_];
        v->addWidget(new QLabel(QStringLiteral("<b>%1</b> (%2 anos)")
                                    .arg(ui::Q(j.nome.view()).toHtmlEscaped())
                                    .arg(j.idade)));
    }
    for (const char* texto :
         {"Ao aposentar um jogador você ganha a oportunidade de promover um novo jogador dos "
          "juniores do seu time para substituir o jogador aposentado.",
          "Este novo jogador promovido terá entre 17 e 20 anos e força inicial entre 1 e 20."}) {
        auto* l = new QLabel(QString::fromUtf8(texto));
        l->setWordWrap(true);
        v->addWidget(l);
    }
    auto* form = new QFormLayout;
    nome_ = new QLineEdit;
    nome_->setObjectName(QStringLiteral("nome"));
    nome_->setMaxLength(20); // the record keeps 20 characters of a name
    posicao_ = new QComboBox;
    for (int p = kGoleiro; p <= kAtacante; ++p) posicao_->addItem(ui::Q(NomePosicao(p)));
    if (valido) {
        nome_->setText(ui::Q(jogo_.jogadores[jogador_].nome.view()));
        const int p = jogo_.jogadores[jogador_].posicao;
        posicao_->setCurrentIndex(p >= kGoleiro && p <= kAtacante ? p : 0);
    }
    form->addRow(QStringLiteral("Nome do jogador a ser promovido:"), nome_);
    form->addRow(QStringLiteral("Posição:"), posicao_);
    v->addLayout(form);

    aposentar_ = new QPushButton(QStringLiteral("Aposentar"));
    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar));
    auto* b = new QHBoxLayout;
    b->addWidget(aposentar_);
    b->addStretch();
    b->addWidget(fechar);
    v->addLayout(b);

    auto atualizar = [this, valido] {
        aposentar_->setEnabled(valido && !aposentou_ && !nome_->text().trimmed().isEmpty() &&
                               PodeAposentar(jogo_.jogadores[jogador_]));
    };
    connect(nome_, &QLineEdit::textChanged, this, atualizar);
    connect(aposentar_, &QPushButton::clicked, this, [this] {
        aposentou_ = Aposentar(jogo_, jogador_, ui::ParaJogo(nome_->text().trimmed(), 20),
                               posicao_->currentIndex());
        if (aposentou_) accept();
    });
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    atualizar();
    setMinimumWidth(480);
}

} // namespace management::telas
