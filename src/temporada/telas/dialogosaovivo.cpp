#include "temporada/telas/dialogosaovivo.hpp"

#include "match/gestaopartida.hpp"
#include "ui/textos.hpp"
#include "world/arbitros.hpp"
#include "world/posicoes.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace temporada::telas {

using namespace match;

using namespace world;

namespace {

QPushButton* Botao(const QString& texto, const char* nome, QWidget* pai) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}

QLabel* Rotulo(const QString& texto, const char* nome) {
    auto* l = new QLabel(texto);
    l->setObjectName(QString::fromLatin1(nome));
    return l;
}

} // namespace

DialogoMudancaPosicao::DialogoMudancaPosicao(Jogo& jogo, Rodada& rodada, int m, int lado,
                                             int jogador, QWidget* pai)
    : QDialog(pai), jogo_(jogo), rodada_(rodada), m_(m), lado_(lado), jogador_(jogador) {
    setWindowTitle(QStringLiteral("Mudança da posição ou função durante a partida"));
    setModal(true);
    const TJogador& j = jogo.jogadores[jogador];

    QString original = ui::Q(NomePosicao(j.posicao));
    if (j.posicaoatual != j.posicao)
        original += QStringLiteral("  (Improvisado como: ") + ui::Q(NomePosicao(j.posicaoatual)) +
                    QStringLiteral(")");
    auto* nome = Rotulo(ui::Q(j.nome.view()), "jogador");
    QFont f = nome->font();
    f.setBold(true);
    nome->setFont(f);

    posicao_ = new QComboBox(this);
    posicao_->setObjectName(QStringLiteral("posicao"));
    for (int p = kGoleiro; p <= kAtacante; ++p) posicao_->addItem(ui::Q(NomePosicao(p)));
    posicao_->addItem(QStringLiteral("Voltar posição original"));
    funcao_ = new QComboBox(this);
    funcao_->setObjectName(QStringLiteral("funcao"));
    posicao_->setCurrentIndex(j.posicaoatual >= kGoleiro && j.posicaoatual <= kAtacante
                                  ? j.posicaoatual
                                  : kVoltarOriginal);
    EncherFuncoes();
    if (j.funcao >= 0 && j.funcao < funcao_->count()) funcao_->setCurrentIndex(j.funcao);
    connect(posicao_, &QComboBox::currentIndexChanged, this, [this] { EncherFuncoes(); });

    auto* form = new QFormLayout;
    form->addRow(nome);
    form->addRow(QStringLiteral("Posição original:"), Rotulo(original, "original"));
    form->addRow(QStringLiteral("Improvisar como:"), posicao_);
    form->addRow(QStringLiteral("Função:"), funcao_);

    auto* nota = Rotulo(QStringLiteral("Um jogador improvisado fora da sua posição original "
                                       "pode render menos do que o normal."),
                        "nota");
    nota->setWordWrap(true);

    auto* ok = Botao(QStringLiteral("OK"), "ok", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DialogoMudancaPosicao::Confirmar);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(nota);
    layout->addLayout(rodape);
    setMinimumWidth(420);
}

void DialogoMudancaPosicao::EncherFuncoes() {
    const TJogador& j = jogo_.jogadores[jogador_];
    const int i = posicao_->currentIndex();
    const int p = i == kVoltarOriginal ? j.posicao : i;
    funcao_->clear();
    for (const std::string& s : FuncoesNaPartida(p)) funcao_->addItem(ui::Q(s));
    // The role he plays now, when he stays in that position.
    if (p == j.posicaoatual && j.funcao >= 0 && j.funcao < funcao_->count())
        funcao_->setCurrentIndex(j.funcao);
    funcao_->setEnabled(funcao_->count() > 0);
}

void DialogoMudancaPosicao::Confirmar() {
    const int i = posicao_->currentIndex();
    const int funcao = funcao_->count() > 0 ? std::max(0, funcao_->currentIndex()) : 0;
    MudarPosicaoNaPartida(jogo_, rodada_, m_, lado_, jogador_, i == kVoltarOriginal ? -1 : i,
                          funcao);
    accept();
}

CaixaArbitro::CaixaArbitro(int arbitro, QWidget* pai) : QDialog(pai) {
    setWindowTitle(QStringLiteral("Árbitro"));
    setModal(true);
    const bool valido = arbitro >= 0 && arbitro < kNumArbitros;
    const TArbitro a = valido ? arbitros()[arbitro] : TArbitro{"", 0, 0, 0};
    auto* nome = Rotulo(ui::Q(a.nome), "nome");
    QFont f = nome->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    nome->setFont(f);

    auto* form = new QFormLayout;
    auto linha = [&](const QString& rotulo, int valor, const char* n) {
        auto* numero = Rotulo(QString::number(valor), n);
        auto* barra = new QProgressBar;
        barra->setObjectName(QString::fromLatin1(n) + QStringLiteral("barra"));
        barra->setRange(0, 5);
        barra->setValue(valor);
        barra->setTextVisible(false);
        auto* h = new QHBoxLayout;
        h->addWidget(numero);
        h->addWidget(barra, 1);
        form->addRow(rotulo, h);
    };
    linha(QStringLiteral("Técnica:"), a.tecnica, "tecnica");
    linha(QStringLiteral("Rigor:"), a.rigor, "rigor");

    auto* ok = Botao(QStringLiteral("OK"), "ok", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nome);
    layout->addLayout(form);
    layout->addLayout(rodape);
    setMinimumWidth(340);
}

SubstituicaoContusao::SubstituicaoContusao(const Jogo& jogo, int clube, int contundido,
                                           std::span<const int> banco, QWidget* pai)
    : QDialog(pai), banco_(banco.begin(), banco.end()) {
    setWindowTitle(QStringLiteral("Substituição"));
    setModal(true);
    const bool temclube = jogo.TimeValido(clube);
    const int tecnico = temclube ? jogo.times[clube].tecnico : -1;
    const bool temtecnico = tecnico >= 0 && tecnico < static_cast<int>(jogo.tecnicos.size());
    auto* quem = Rotulo(
        QStringLiteral("Clube: %1 — Técnico: %2")
            .arg(temclube ? ui::Q(jogo.times[clube].nome.view()) : QStringLiteral("-"),
                 temtecnico ? ui::Q(jogo.tecnicos[tecnico].nome.view()) : QStringLiteral("-")),
        "quem");
    quem->setTextFormat(Qt::PlainText);
    quem->setWordWrap(true);
    quem->setStyleSheet(QStringLiteral("QLabel { background: #234d20; color: white;"
                                       " padding: 6px; font-weight: bold; }"));
    const bool valido = contundido > 0 && contundido < static_cast<int>(jogo.jogadores.size());
    const TJogador* c = valido ? &jogo.jogadores[contundido] : nullptr;
    auto* aviso = Rotulo(c ? QStringLiteral("Jogador contundido: %1 (%2)")
                                 .arg(ui::Q(c->nome.view()), ui::Q(NomePosicao(c->posicaoatual)))
                           : QString(),
                         "contundido");
    QFont f = aviso->font();
    f.setBold(true);
    aviso->setFont(f);

    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("banco"));
    for (int b : banco_) {
        const TJogador& j = jogo.jogadores[b];
        lista_->addItem(QStringLiteral("%1 - %2   (Força %3, Energia %4)")
                            .arg(ui::Q(NomeCurtoPosicao(j.posicaoatual)), ui::Q(j.nome.view()))
                            .arg(j.forca)
                            .arg(j.energia));
    }
    substituir_ = Botao(QStringLiteral("Substituir"), "substituir", this);
    substituir_->setEnabled(false);
    connect(lista_, &QListWidget::currentRowChanged, this,
            [this](int linha) { substituir_->setEnabled(linha >= 0); });
    auto escolher = [this] {
        const int linha = lista_->currentRow();
        if (linha < 0 || linha >= static_cast<int>(banco_.size())) return;
        escolhido_ = banco_[linha];
        accept();
    };
    connect(substituir_, &QPushButton::clicked, this, escolher);
    connect(lista_, &QListWidget::itemDoubleClicked, this, escolher);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(substituir_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(quem);
    layout->addWidget(aviso);
    layout->addWidget(Rotulo(QStringLiteral("Banco:"), "rotulobanco"));
    layout->addWidget(lista_, 1);
    layout->addLayout(rodape);
    setMinimumSize(380, 320);
}

} // namespace temporada::telas
