#include "competitions/telas/telaescolhatime.hpp"

#include "competitions/novojogo.hpp"
#include "competitions/telas/telatipojogo.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <QButtonGroup>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace competitions::telas {

TelaEscolhaTime::TelaEscolhaTime(QWidget* pai) : QWidget(pai) {
    ui::PintarFundo(this, ui::kFundoConfiguracao);

    lbtitulo_ = new QLabel(this);
    lbtitulo_->setObjectName(QStringLiteral("lbtitulo"));
    QFont f = lbtitulo_->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    lbtitulo_->setFont(f);
    EstiloDePainel(lbtitulo_);
    lbtitulo_->setContentsMargins(8, 4, 8, 4);

    auto* topo = new QWidget(this);
    EstiloDePainel(topo);
    lbliga_ = new QLabel(QStringLiteral("Liga:"), topo);
    cbliga_ = new QComboBox(topo);
    cbliga_->setObjectName(QStringLiteral("cbliga"));
    cbliga_->setMinimumWidth(240);
    ednome_ = new QLineEdit(topo);
    ednome_->setObjectName(QStringLiteral("ednome"));
    ednome_->setMaxLength(25);
    ednome_->setMinimumWidth(240);
    auto* lTopo = new QHBoxLayout(topo);
    lTopo->addWidget(lbliga_);
    lTopo->addWidget(cbliga_);
    lTopo->addSpacing(24);
    lTopo->addWidget(new QLabel(QStringLiteral("Nome do técnico:"), topo));
    lTopo->addWidget(ednome_);
    lTopo->addStretch();

    grupo_ = new QButtonGroup(this);
    grupo_->setExclusive(true);
    // Two boxes a row: a club's name and its three figures side by side.
    auto* lDivisoes = new QGridLayout;
    lDivisoes->setSpacing(6);
    const QString dicas[kDetalhes] = {
        QStringLiteral("Média dos onze melhores jogadores (a força de cada um é sorteada ao "
                       "começar o jogo: aqui, a do meio)"),
        QStringLiteral("Nível do clube, de 0 a 25"),
        QStringLiteral("Dinheiro em caixa no começo do jogo")};
    for (int d = 0; d < kColunas; ++d) {
        auto* caixa = new QGroupBox(ui::Q(world::nomedivisao(d + 1)), this);
        caixa->setObjectName(QStringLiteral("divisao%1").arg(d + 1));
        EstiloDePainel(caixa);
        auto* lCaixa = new QGridLayout(caixa);
        lCaixa->setVerticalSpacing(0);
        lCaixa->setHorizontalSpacing(10);
        lCaixa->setContentsMargins(6, 2, 6, 4);
        lCaixa->setColumnStretch(0, 1);
        const QString titulos[kDetalhes] = {QStringLiteral("Força"), QStringLiteral("Nível"),
                                            QStringLiteral("Caixa")};
        for (int c = 0; c < kDetalhes; ++c) {
            auto* t = new QLabel(titulos[c], caixa);
            QFont negrito = t->font();
            negrito.setBold(true);
            t->setFont(negrito);
            t->setToolTip(dicas[c]);
            lCaixa->addWidget(t, 0, c + 1, Qt::AlignRight);
        }
        for (int s = 0; s < kLinhas; ++s) {
            const int k = d * kLinhas + s;
            auto* b = new QRadioButton(caixa);
            b->setObjectName(QStringLiteral("rbtime_%1_%2").arg(d + 1).arg(s + 1));
            // Shown once a league fills them (Preparar), so that an empty
            // page asks for no room.
            b->hide();
            grupo_->addButton(b, k);
            botoes_[k] = b;
            lCaixa->addWidget(b, s + 1, 0);
            for (int c = 0; c < kDetalhes; ++c) {
                auto* l = new QLabel(caixa);
                l->hide();
                l->setToolTip(dicas[c]);
                detalhes_[k][c] = l;
                lCaixa->addWidget(l, s + 1, c + 1, Qt::AlignRight);
            }
        }
        divisoes_[d] = caixa;
        lDivisoes->addWidget(caixa, d / 2, d % 2);
    }
    timesdosbotoes_.fill(-1);

    btconfirmar_ = new QPushButton(this);
    btconfirmar_->setObjectName(QStringLiteral("btconfirmar"));
    btconfirmar_->setDefault(true);
    auto* lBotoes = new QHBoxLayout;
    lBotoes->addStretch();
    lBotoes->addWidget(btconfirmar_);

    auto* cabecalho = new QHBoxLayout;
    cabecalho->addWidget(lbtitulo_);
    cabecalho->addWidget(topo, 1);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(16, 12, 16, 12);
    l->addLayout(cabecalho);
    l->addLayout(lDivisoes);
    l->addStretch(1);
    l->addLayout(lBotoes);

    connect(cbliga_, &QComboBox::currentIndexChanged, this, &TelaEscolhaTime::cbligaChange);
    connect(grupo_, &QButtonGroup::idClicked, this, &TelaEscolhaTime::rbtimeClick);
    connect(ednome_, &QLineEdit::textChanged, this, &TelaEscolhaTime::ednomeChange);
    connect(btconfirmar_, &QPushButton::clicked, this, &TelaEscolhaTime::btconfirmarClick);
    // Enter in the name box confirms once the choice is complete.
    connect(ednome_, &QLineEdit::returnPressed, this, [this] {
        if (btconfirmar_->isEnabled()) btconfirmarClick();
    });
}

void TelaEscolhaTime::Preparar(world::Jogo& jogo, int humano) {
    jogo_ = &jogo;
    humano_ = humano;
    const int numhumanos = jogo.estado.numhumanos;
    lbtitulo_->setText(humano == 0 ? QStringLiteral("Time 1")
                                   : ui::T(62) + QLatin1Char(' ') + QString::number(humano + 1));
    btconfirmar_->setText(humano + 1 >= numhumanos
                              ? ui::T(63)
                              : ui::T(65) + QLatin1Char(' ') + QString::number(humano + 2));

    {
        const QSignalBlocker bloqueio(cbliga_);
        cbliga_->clear();
        for (const world::TLiga& l : jogo.ligas) cbliga_->addItem(ui::Q(world::NomePais(l.pais)));
        const int casa = jogo.LigaDoPais(world::kPaisCasa);
        cbliga_->setCurrentIndex(casa >= 0 ? casa : 0);
    }
    // The custom championship is one league: nothing to pick.
    const bool personalizado = jogo.estado.paisprincipal == world::kPaisInternacional;
    lbliga_->setVisible(!personalizado);
    cbliga_->setVisible(!personalizado);
    {
        const QSignalBlocker bloqueio(ednome_);
        ednome_->clear();
    }
    cbligaChange();
    ednome_->setFocus();
}

void TelaEscolhaTime::cbligaChange() {
    escolhido_ = -1;
    // An exclusive group keeps one button checked; lift it to clear them all.
    grupo_->setExclusive(false);
    for (QRadioButton* b : botoes_) b->setChecked(false);
    grupo_->setExclusive(true);
    timesdosbotoes_.fill(-1);

    const int liga = cbliga_->currentIndex();
    const bool valida = jogo_ && liga >= 0 && liga < static_cast<int>(jogo_->ligas.size());
    const world::TLiga* l = valida ? &jogo_->ligas[liga] : nullptr;
    const bool de20 = jogo_ && jogo_->estado.divisoesporliga == 2;
    const int porDivisao = de20 ? 20 : 10;
    const int colunas = de20 ? 2 : 4;
    for (int d = 0; d < kColunas; ++d) {
        const bool usada = l && d < colunas && d < l->numdivisoes;
        divisoes_[d]->setVisible(usada);
        for (int s = 0; s < kLinhas; ++s) {
            const int k = d * kLinhas + s;
            QRadioButton* b = botoes_[k];
            const int t = usada && s < porDivisao ? l->divisoes[d][s] : -1;
            const bool existe = t >= 0 && t < static_cast<int>(jogo_->times.size());
            b->setVisible(existe);
            for (QLabel* x : detalhes_[k]) x->setVisible(existe);
            if (!existe) continue;
            timesdosbotoes_[k] = t;
            b->setText(ui::Q(jogo_->times[t].nome));
            // Clubs taken by an earlier human are out of reach.
            b->setEnabled(jogo_->times[t].humano == 0);
            const PerfilClube perfil = PerfilDoClube(*jogo_, t);
            detalhes_[k][kForca]->setText(perfil.lido ? QString::number(std::lround(perfil.forca))
                                                      : QString());
            detalhes_[k][kNivel]->setText(perfil.lido ? QString::number(perfil.nivel) : QString());
            detalhes_[k][kCaixa]->setText(perfil.lido ? ui::Dinheiro(perfil.dinheiro) : QString());
        }
    }
    ednomeChange();
}

void TelaEscolhaTime::rbtimeClick(int botao) {
    if (botao >= 0 && botao < static_cast<int>(timesdosbotoes_.size()))
        escolhido_ = timesdosbotoes_[botao];
    ednomeChange();
}

void TelaEscolhaTime::ednomeChange() {
    btconfirmar_->setEnabled(escolhido_ >= 0 && !ednome_->text().trimmed().isEmpty());
}

void TelaEscolhaTime::btconfirmarClick() {
    if (!jogo_ || escolhido_ < 0) return;
    const QString nome = ednome_->text().trimmed();
    if (nome.isEmpty()) return;
    EscolherTime(*jogo_, humano_, escolhido_, ui::ParaJogo(nome, 25));
    emit escolhido(humano_);
}

} // namespace competitions::telas
