#include "shell/dialogocores.hpp"

#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/opcoes.hpp"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace shell {

using namespace world;

QColor CorDaOpcao(i32 cor) {
    const auto c = static_cast<std::uint32_t>(cor);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

i32 OpcaoDaCor(const QColor& cor) {
    return static_cast<i32>(static_cast<std::uint32_t>(cor.red()) |
                            (static_cast<std::uint32_t>(cor.green()) << 8) |
                            (static_cast<std::uint32_t>(cor.blue()) << 16));
}

DialogoCores::DialogoCores(world::Jogo& jogo, QWidget* pai) : QDialog(pai), jogo_(jogo) {
    setWindowTitle(ui::T(ui::kTextoCoresDasPosicoes));
    setModal(true);
    auto* grade = new QGridLayout;
    // The position names of the language, in the order of the five colours.
    static constexpr int kNomes[5] = {220, 222, 224, 226, 228};
    for (int i = 0; i < 5; ++i) {
        auto* botao = new QPushButton(this);
        botao->setObjectName(QStringLiteral("cor%1").arg(i));
        botao->setMinimumWidth(80);
        botao->setIconSize(QSize(60, 18));
        connect(botao, &QPushButton::clicked, this, [this, i] {
            const QColor escolhida = EscolherCor(CorDaOpcao(jogo_.estado.opcoes.cores[i]));
            if (escolhida.isValid()) DefinirCor(i, OpcaoDaCor(escolhida));
        });
        botoes_[i] = botao;
        grade->addWidget(new QLabel(ui::T(kNomes[i]), this), i, 0);
        grade->addWidget(botao, i, 1);
        Pintar(i);
    }

    auto* padrao = new QPushButton(ui::T(465), this);
    padrao->setObjectName(QStringLiteral("padrao"));
    connect(padrao, &QPushButton::clicked, this, &DialogoCores::RestaurarPadrao);
    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar), this);
    fechar->setObjectName(QStringLiteral("fechar"));
    fechar->setDefault(true);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addWidget(padrao);
    rodape->addStretch();
    rodape->addWidget(fechar);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grade);
    layout->addLayout(rodape);
}

void DialogoCores::DefinirCor(int posicao, i32 cor) {
    if (posicao < 0 || posicao >= 5) return;
    const std::string chave = "cor" + std::to_string(posicao);
    world::gravaopcao(world::kSecaoOpcoes, chave, world::TextoCor(cor));
    jogo_.estado.opcoes.cores[posicao] = cor;
    Pintar(posicao);
    emit coresMudaram();
}

QColor DialogoCores::EscolherCor(const QColor& atual) {
    return QColorDialog::getColor(atual, this, ui::T(ui::kTextoCoresDasPosicoes));
}

void DialogoCores::Pintar(int posicao) {
    QPixmap p(60, 18);
    p.fill(CorDaOpcao(jogo_.estado.opcoes.cores[posicao]));
    botoes_[posicao]->setIcon(QIcon(p));
}

void DialogoCores::RestaurarPadrao() {
    for (int i = 0; i < 5; ++i) {
        const std::string chave = "cor" + std::to_string(i);
        world::gravaopcao(world::kSecaoOpcoes, chave, world::TextoCor(world::kCoresPadrao[i]));
        jogo_.estado.opcoes.cores[i] = world::kCoresPadrao[i];
        Pintar(i);
    }
    emit coresMudaram();
}

} // namespace shell
