#include "management/telas/filtrosbusca.hpp"

#include "management/mercado.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace management::telas {

using namespace world;

namespace {

QComboBox* CaixaFiltro(const char* nome, const QString& todos) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(nome));
    c->addItem(todos, -1);
    return c;
}

// "Todas" then the bands, their data the band's number.
QComboBox* CaixaFaixas(const char* nome, const std::vector<std::string>& faixas) {
    QComboBox* c = CaixaFiltro(nome, QStringLiteral("Todas"));
    for (int k = 0; k < static_cast<int>(faixas.size()); ++k) c->addItem(ui::Q(faixas[k]), k);
    return c;
}

// "Qualquer", the goalkeepers' one item, then the outfield characteristics.
QComboBox* CaixaCaracteristica(const char* nome) {
    QComboBox* c = CaixaFiltro(nome, QStringLiteral("Qualquer"));
    c->addItem(ui::Q(NomeCaracteristica(0)), kReflexos);
    for (int k = 4; k <= 13; ++k) c->addItem(ui::Q(NomeCaracteristica(k)), k);
    return c;
}

// Only the nationalities somebody at a club has.
QComboBox* CaixaPais(const Jogo& jogo) {
    QComboBox* c = CaixaFiltro("pais", QStringLiteral("Todas"));
    std::vector<bool> tem(kNumPaises, false);
    const int clubes = std::min<int>(jogo.times.size(), jogo.PrimeiraSelecao());
    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const TJogador& j = jogo.jogadores[i];
        if (j.time >= 0 && j.time < clubes && j.pais >= 0 && j.pais < kNumPaises)
            tem[j.pais] = true;
    }
    for (int p : PaisesEmOrdemAlfabetica())
        if (p >= 0 && p < kNumPaises && tem[p]) c->addItem(ui::Q(NomePais(p)), p);
    c->setMaxVisibleItems(20);
    return c;
}

QCheckBox* Marca(const QString& texto, const char* nome) {
    auto* c = new QCheckBox(texto);
    c->setObjectName(QString::fromLatin1(nome));
    return c;
}

bool EhMarca(PainelFiltros::Campo c) {
    return c == PainelFiltros::kSoAVenda || c == PainelFiltros::kSoEstrelas;
}

bool EhBotao(PainelFiltros::Campo c) {
    return c == PainelFiltros::kLimpar || c == PainelFiltros::kBuscar;
}

} // namespace

bool DeGoleiro(int caract) {
    return caract >= 0 && caract <= 3;
}

PainelFiltros::PainelFiltros(const Jogo& jogo, const Opcoes& opcoes, QWidget* pai)
    : QGroupBox(pai) {
    grade_ = new QGridLayout(this);
    grade_->setHorizontalSpacing(8);
    grade_->setColumnStretch(1, 1);
    grade_->setColumnStretch(3, 1);
    grade_->setColumnStretch(5, 1);
    std::vector<QWidget*> widgets;
    for (Campo c : opcoes.campos) widgets.push_back(Criar(c, jogo, opcoes));
    Dispor(opcoes.campos, widgets);
}

QWidget* PainelFiltros::Criar(Campo campo, const Jogo& jogo, const Opcoes& opcoes) {
    switch (campo) {
    case kNome:
        nome_ = new QLineEdit;
        nome_->setObjectName(QStringLiteral("nome"));
        nome_->setMaxLength(20);
        nome_->setPlaceholderText(QStringLiteral("nome completo"));
        connect(nome_, &QLineEdit::returnPressed, this, &PainelFiltros::buscar);
        return nome_;
    case kPosicao:
        posicao_ = CaixaFiltro("posicao", QStringLiteral("Todas"));
        for (int p = kGoleiro; p <= kAtacante; ++p) posicao_->addItem(ui::Q(NomePosicao(p)), p);
        return posicao_;
    case kPais:
        return pais_ = CaixaPais(jogo);
    case kForca:
        return forca_ = CaixaFaixas("forca", FaixasDeForca());
    case kIdade:
        return idade_ = CaixaFaixas("idade", opcoes.idades);
    case kPasse:
        return passe_ = CaixaFaixas("passe", FaixasDePasse());
    case kCaracteristica1:
        return caract1_ = CaixaCaracteristica("caracteristica1");
    case kCaracteristica2:
        return caract2_ = CaixaCaracteristica("caracteristica2");
    case kSoAVenda:
        return soavenda_ = Marca(QStringLiteral("Só mostrar jogadores a venda"), "soavenda");
    case kSoEstrelas:
        return estrelas_ = Marca(opcoes.estrelas, "estrelas");
    case kLimpar:
        limpar_ = new QPushButton(QStringLiteral("Limpar filtros"));
        limpar_->setObjectName(QStringLiteral("limpar"));
        limpar_->setAutoDefault(false);
        connect(limpar_, &QPushButton::clicked, this, &PainelFiltros::Limpar);
        return limpar_;
    case kBuscar:
        buscar_ = new QPushButton(opcoes.buscar);
        buscar_->setObjectName(QStringLiteral("buscar"));
        buscar_->setDefault(true);
        buscar_->setMinimumWidth(110);
        connect(buscar_, &QPushButton::clicked, this, &PainelFiltros::buscar);
        return buscar_;
    case kRodape:
        break;
    }
    return nullptr;
}

QString PainelFiltros::Rotulo(Campo campo) {
    switch (campo) {
    case kNome:
        return QStringLiteral("Nome:");
    case kPosicao:
        return QStringLiteral("Posição:");
    case kPais:
        return QStringLiteral("Nacionalidade:");
    case kForca:
        return ui::T(ui::kTextoForca) + ':';
    case kIdade:
        return ui::T(ui::kTextoIdade) + ':';
    case kPasse:
        return ui::T(ui::kTextoPasse) + ':';
    case kCaracteristica1:
        return QStringLiteral("Característica:");
    case kCaracteristica2:
        return QStringLiteral("e:");
    default:
        return {};
    }
}

void PainelFiltros::Dispor(const std::vector<Campo>& campos, const std::vector<QWidget*>& widgets) {
    int linha = 0, terco = 0;
    QHBoxLayout* rodape = nullptr;
    bool marcas = false, botoes = false;
    for (std::size_t i = 0; i < campos.size(); ++i) {
        const Campo c = campos[i];
        QWidget* w = widgets[i];
        if (c == kRodape) {
            rodape = new QHBoxLayout;
            linha += terco > 0 ? 1 : 0;
            terco = 0;
            continue;
        }
        if (rodape) {
            // The check boxes on the left, the buttons on the right.
            if (EhMarca(c) && marcas) rodape->addSpacing(16);
            if (EhBotao(c) && !botoes) rodape->addStretch();
            (EhMarca(c) ? marcas : botoes) = true;
            rodape->addWidget(w);
            continue;
        }
        const int coluna = 2 * terco;
        if (EhMarca(c)) {
            grade_->addWidget(w, linha, coluna, 1, 2);
        } else if (EhBotao(c)) {
            grade_->addWidget(w, linha, coluna + 1, Qt::AlignRight);
        } else {
            auto* r = new QLabel(Rotulo(c));
            r->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grade_->addWidget(r, linha, coluna);
            grade_->addWidget(w, linha, coluna + 1);
        }
        if (++terco == 3) {
            terco = 0;
            ++linha;
        }
    }
    if (rodape) grade_->addLayout(rodape, linha, 0, 1, 6);
}

std::string PainelFiltros::Nome() const {
    return nome_ ? ui::ParaJogo(nome_->text().trimmed(), 20) : std::string();
}

int PainelFiltros::Escolha(const QComboBox* caixa) {
    return caixa ? caixa->currentData().toInt() : -1;
}

bool PainelFiltros::SoAVenda() const {
    return soavenda_ && soavenda_->isChecked();
}

bool PainelFiltros::SoEstrelas() const {
    return estrelas_ && estrelas_->isChecked();
}

void PainelFiltros::Limpar() {
    if (nome_) nome_->clear();
    for (QComboBox* c : {posicao_, pais_, caract1_, caract2_, forca_, idade_, passe_})
        if (c) c->setCurrentIndex(0);
    for (QCheckBox* c : {soavenda_, estrelas_})
        if (c) c->setChecked(false);
}

} // namespace management::telas
