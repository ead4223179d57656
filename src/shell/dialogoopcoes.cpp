#include "shell/dialogoopcoes.hpp"

#include "shell/dialogocores.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"
#include "world/opcoes.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <string>

namespace shell {

using namespace world;
namespace {

QStringList Textos(std::initializer_list<int> numeros) {
    QStringList r;
    for (int n : numeros) r << ui::T(n);
    return r;
}

void Gravar(const char* chave, int valor) {
    world::gravaopcao(world::kSecaoOpcoes, chave, std::to_string(valor));
}

// The picture beside the colours tick: the five list colours side by side.
QIcon IconeCores(const TOpcoes& o) {
    QPixmap p(40, 16);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    for (int i = 0; i < 5; ++i) pintor.fillRect(i * 8, 0, 8, 16, CorDaOpcao(o.cores[i]));
    pintor.setPen(Qt::black);
    pintor.drawRect(0, 0, 39, 15);
    return QIcon(p);
}

} // namespace

DialogoOpcoes::DialogoOpcoes(world::Jogo& jogo, QWidget* pai) : QDialog(pai), jogo_(jogo) {
    setWindowTitle(ui::T(166));
    setModal(true);
    auto* abas = new QTabWidget(this);
    abas->addTab(MontarGeral(), ui::T(440));
    abas->addTab(MontarLigas(), ui::T(807));
    abas->addTab(MontarCoresESons(), ui::T(447));

    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar), this);
    fechar->setObjectName(QStringLiteral("fechar"));
    fechar->setDefault(true);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(fechar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(abas);
    layout->addLayout(rodape);
    ui::Dimensionar(this, QSize(620, 440));
}

QComboBox* DialogoOpcoes::Lista(const char* chave, const QStringList& itens, int atual,
                                std::function<void(int)> escolhido) {
    auto* lista = new QComboBox;
    lista->setObjectName(QString::fromLatin1(chave));
    lista->addItems(itens);
    // A value that no item shows leaves the list without selection until the
    // player picks one.
    lista->setCurrentIndex(atual >= 0 && atual < itens.size() ? atual : -1);
    connect(lista, &QComboBox::currentIndexChanged, this,
            [chave, escolhido = std::move(escolhido)](int i) {
                if (i < 0) return;
                Gravar(chave, i);
                escolhido(i);
            });
    return lista;
}

QComboBox* DialogoOpcoes::NaoSim(const char* chave, u8& opcao) {
    return Lista(chave, Textos({463, 462}), opcao ? 1 : 0, [&opcao](int i) { opcao = i == 1; });
}

QCheckBox* DialogoOpcoes::Marca(const char* chave, int rotulo, u8& opcao) {
    auto* marca = new QCheckBox(ui::T(rotulo));
    marca->setObjectName(QString::fromLatin1(chave));
    marca->setChecked(opcao != 0);
    connect(marca, &QCheckBox::toggled, this, [chave, &opcao](bool ligada) {
        Gravar(chave, ligada ? 1 : 0);
        opcao = ligada;
    });
    return marca;
}

QWidget* DialogoOpcoes::MontarGeral() {
    TOpcoes& o = jogo_.estado.opcoes;
    auto* aba = new QWidget;
    auto* form = new QFormLayout(aba);
    form->addRow(ui::T(441), Lista("opsalvar", Textos({452, 453, 454, 455}), o.opsalvar,
                                   [&o](int i) { o.opsalvar = i; }));
    form->addRow(ui::T(442), Lista("opvelocidade", Textos({456, 457, 458, 459, 460, 461}),
                                   world::ItemVelocidade(o.opvelocidade),
                                   [&o](int i) { o.opvelocidade = world::kVelocidades[i]; }));
    form->addRow(ui::T(443), Lista("opnhvelocidade", Textos({456, 457, 458, 459, 460, 461, 451}),
                                   world::ItemVelocidadeSemHumanos(o.opnhvelocidade), [&o](int i) {
                                       o.opnhvelocidade = world::kVelocidadesSemHumanos[i];
                                   }));
    form->addRow(ui::T(444), NaoSim("op_verpenalty", o.op_verpenalty));
    form->addRow(ui::T(445), NaoSim("opvertrocatecnicos", o.opvertrocatecnicos));
    form->addRow(ui::T(446), NaoSim("opintervalo", o.opintervalo));
    form->addRow(ui::T(808), Lista("opemails", Textos({812, 810, 811, 813}), o.opemails,
                                   [&o](int i) { o.opemails = i; }));
    form->addRow(Marca("opcontrato", 809, o.opcontrato));
    form->addRow(Marca("opminutos", 900, o.opminutos));
    return aba;
}

QWidget* DialogoOpcoes::MontarLigas() {
    TOpcoes& o = jogo_.estado.opcoes;
    auto* aba = new QWidget;
    auto* layout = new QVBoxLayout(aba);
    layout->addWidget(new QLabel(ui::T(814)));

    // One tick per league of the game; the flag travels with the saved game,
    // not with the settings file.
    auto* marcas = new QWidget;
    auto* lista = new QVBoxLayout(marcas);
    for (std::size_t i = 0; i < jogo_.ligas.size(); ++i) {
        auto* marca = new QCheckBox(ui::Q(world::NomeDaLiga(jogo_, jogo_.ligas[i].pais)));
        marca->setObjectName(QStringLiteral("liga%1").arg(i));
        marca->setChecked(jogo_.ligas[i].visualizar != 0);
        connect(marca, &QCheckBox::toggled, this,
                [this, i](bool ligada) { jogo_.ligas[i].visualizar = ligada; });
        lista->addWidget(marca);
    }
    lista->addStretch();
    auto* rolagem = new QScrollArea;
    rolagem->setWidget(marcas);
    rolagem->setWidgetResizable(true);
    layout->addWidget(rolagem, 1);
    auto* nota = new QLabel(ui::T(815));
    nota->setWordWrap(true);
    layout->addWidget(nota);

    auto* copas = new QGroupBox;
    auto* form = new QFormLayout(copas);
    const QStringList ver = {QStringLiteral("Ver jogos"), QStringLiteral("Só resultados")};
    form->addRow(QStringLiteral("Libertadores:"),
                 Lista("opver41", ver, o.opver41, [&o](int i) { o.opver41 = i; }));
    form->addRow(QStringLiteral("Liga Campeões:"),
                 Lista("opver42", ver, o.opver42, [&o](int i) { o.opver42 = i; }));
    form->addRow(QStringLiteral("Sul-Americana"),
                 Lista("opver61", ver, o.opver61, [&o](int i) { o.opver61 = i; }));
    form->addRow(QStringLiteral("Copa Uefa:"),
                 Lista("opver62", ver, o.opver62, [&o](int i) { o.opver62 = i; }));
    layout->addWidget(copas);
    return aba;
}

QWidget* DialogoOpcoes::MontarCoresESons() {
    TOpcoes& o = jogo_.estado.opcoes;
    auto* aba = new QWidget;
    auto* layout = new QVBoxLayout(aba);
    layout->addWidget(Marca("opsom", 448, o.opsom));
    layout->addWidget(Marca("opnegrito", 449, o.opnegrito));

    auto* linha = new QHBoxLayout;
    QCheckBox* cores = Marca("opcornalista", 450, o.opcornalista);
    connect(cores, &QCheckBox::toggled, this, &DialogoOpcoes::coresMudaram);
    linha->addWidget(cores);
    auto* botao = new QToolButton;
    botao->setObjectName(QStringLiteral("cores"));
    botao->setIcon(IconeCores(o));
    botao->setIconSize(QSize(40, 16));
    botao->setToolTip(ui::T(ui::kTextoCoresDasPosicoes));
    connect(botao, &QToolButton::clicked, this, &DialogoOpcoes::AbrirCores);
    linha->addWidget(botao);
    linha->addStretch();
    layout->addLayout(linha);
    layout->addStretch();
    return aba;
}

void DialogoOpcoes::AbrirCores() {
    DialogoCores dialogo(jogo_, this);
    connect(&dialogo, &DialogoCores::coresMudaram, this, &DialogoOpcoes::coresMudaram);
    dialogo.exec();
    if (auto* botao = findChild<QToolButton*>(QStringLiteral("cores")))
        botao->setIcon(IconeCores(jogo_.estado.opcoes));
}

} // namespace shell
