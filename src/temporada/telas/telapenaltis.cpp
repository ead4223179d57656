#include "temporada/telas/telapenaltis.hpp"

#include "management/telas/gradeelenco.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "world/posicoes.hpp"

#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace temporada::telas {

using namespace match;

using namespace world;

namespace {

constexpr int kPapelJogador = Qt::UserRole;

bool Valido(const Jogo& jogo, int jogador) {
    return jogador > 0 && jogador < static_cast<int>(jogo.jogadores.size());
}

QString NomeJogador(const Jogo& jogo, int jogador) {
    return Valido(jogo, jogador) ? ui::Q(jogo.jogadores[jogador].nome.view()) : QString();
}

QString NomeClube(const Jogo& jogo, int clube) {
    return jogo.TimeValido(clube) ? ui::Q(jogo.times[clube].nome.view()) : QString();
}

// A star for the stars of the squad, a blank of the same size for the others
// so the names stay in line.
QIcon Estrela(bool estrela) {
    QPixmap figura(16, 16);
    figura.fill(Qt::transparent);
    if (estrela) {
        QPainter p(&figura);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath caminho;
        for (int i = 0; i < 10; ++i) {
            const double raio = i % 2 == 0 ? 7.5 : 3.2;
            const double angulo = -M_PI / 2 + i * M_PI / 5;
            const QPointF ponto(8 + raio * std::cos(angulo), 8 + raio * std::sin(angulo));
            if (i == 0)
                caminho.moveTo(ponto);
            else
                caminho.lineTo(ponto);
        }
        caminho.closeSubpath();
        p.setPen(QPen(QColor(150, 110, 0), 1));
        p.setBrush(QColor(255, 200, 0));
        p.drawPath(caminho);
    }
    return QIcon(figura);
}

QListWidgetItem* ItemJogador(const Jogo& jogo, int jogador) {
    const TJogador& j = jogo.jogadores[jogador];
    auto* item =
        new QListWidgetItem(Estrela(j.estrela), QStringLiteral("%1  (%2)")
                                                    .arg(ui::Q(j.nome.view()),
                                                         ui::Q(NomeCurtoPosicao(j.posicaoatual))));
    item->setData(kPapelJogador, jogador);
    return item;
}

// The club's name on its own colours, as the match screen shows it.
QLabel* RotuloClube(const Jogo& jogo, int clube) {
    auto* rotulo = new QLabel(NomeClube(jogo, clube));
    rotulo->setAlignment(Qt::AlignCenter);
    rotulo->setMinimumHeight(30);
    QFont f = rotulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    rotulo->setFont(f);
    if (jogo.TimeValido(clube)) {
        const TTime& t = jogo.times[clube];
        rotulo->setStyleSheet(
            QStringLiteral("QLabel { background: %1; color: %2; padding: 2px 8px; }")
                .arg(management::telas::CorDoJogo(t.corfundo).name(),
                     management::telas::CorDoJogo(t.cortexto).name()));
    }
    return rotulo;
}

void Claro(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QColor(236, 240, 236));
    w->setPalette(p);
}

} // namespace

// ---------------------------------------------------------------- penalty

TelaPenalti::TelaPenalti(const Jogo& jogo, int clube, std::span<const int> emcampo, QWidget* pai)
    : QDialog(pai), emcampo_(emcampo.begin(), emcampo.end()) {
    // The window says whose penalty it is; the game has no text of its own
    // for the title.
    setWindowTitle(QStringLiteral("Pênalti - %1").arg(NomeClube(jogo, clube)));
    Claro(this);
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(RotuloClube(jogo, clube));
    lista_ = new QListWidget;
    for (int j : emcampo_)
        if (Valido(jogo, j)) lista_->addItem(ItemJogador(jogo, j));
    lista_->setMinimumSize(300, 280);
    coluna->addWidget(lista_, 1);
    bater_ = new QPushButton(QStringLiteral("Bater"));
    bater_->setDefault(true);
    coluna->addWidget(bater_, 0, Qt::AlignRight);
    connect(lista_, &QListWidget::currentRowChanged, this,
            [this](int linha) { bater_->setEnabled(linha >= 0); });
    connect(lista_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    connect(bater_, &QPushButton::clicked, this, &QDialog::accept);
    bater_->setEnabled(false);
    if (lista_->count() > 0) lista_->setCurrentRow(0);
}

int TelaPenalti::Escolhido() const {
    const QListWidgetItem* item = lista_->currentItem();
    return item ? item->data(kPapelJogador).toInt() : 0;
}

// ---------------------------------------------------------------- kick

TelaLance::TelaLance(const Jogo& jogo, int batedor, bool gol, int texto, int duracao, QWidget* pai)
    : QDialog(pai), duracao_(duracao) {
    setWindowTitle(QStringLiteral("Pênalti"));
    Claro(this);
    auto* coluna = new QVBoxLayout(this);
    const int clube = Valido(jogo, batedor) ? jogo.jogadores[batedor].time : -1;
    coluna->addWidget(RotuloClube(jogo, clube));
    auto* nome = new QLabel(NomeJogador(jogo, batedor));
    nome->setAlignment(Qt::AlignCenter);
    coluna->addWidget(nome);
    texto_ = new QLabel(ui::T(texto));
    texto_->setAlignment(Qt::AlignCenter);
    texto_->setWordWrap(true);
    QFont f = texto_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    texto_->setFont(f);
    texto_->setStyleSheet(gol ? QStringLiteral("color: #0a6a0a;")
                              : QStringLiteral("color: #8b0000;"));
    texto_->setMinimumWidth(380);
    coluna->addWidget(texto_);
}

QString TelaLance::Texto() const {
    return texto_->text();
}

void TelaLance::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    QTimer::singleShot(std::max(0, duracao_), this, &QDialog::accept);
}

TelaAviso::TelaAviso(const QString& texto, int duracao, QWidget* pai)
    : QDialog(pai), duracao_(duracao) {
    setWindowTitle(QStringLiteral("Pênaltis"));
    Claro(this);
    auto* coluna = new QVBoxLayout(this);
    texto_ = new QLabel(texto);
    texto_->setAlignment(Qt::AlignCenter);
    texto_->setWordWrap(true);
    QFont f = texto_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    texto_->setFont(f);
    texto_->setMinimumWidth(380);
    coluna->addWidget(texto_);
}

QString TelaAviso::Texto() const {
    return texto_->text();
}

void TelaAviso::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    QTimer::singleShot(std::max(0, duracao_), this, &QDialog::accept);
}

// ---------------------------------------------------------------- takers

TelaBatedores::TelaBatedores(const Jogo& jogo, int clube, std::span<const int> emcampo,
                             QWidget* pai)
    : QDialog(pai) {
    setWindowTitle(QStringLiteral("Desempate por Penaltis - Seleção dos batedores"));
    Claro(this);
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(RotuloClube(jogo, clube));

    auto* meio = new QHBoxLayout;
    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(new QLabel(QStringLiteral("Jogadores disponíveis:")));
    disponiveis_ = new QListWidget;
    for (int j : emcampo)
        if (Valido(jogo, j)) disponiveis_->addItem(ItemJogador(jogo, j));
    esquerda->addWidget(disponiveis_, 1);
    meio->addLayout(esquerda, 1);

    auto* botoes = new QVBoxLayout;
    botoes->addStretch();
    incluir_ = new QPushButton(QStringLiteral(">>"));
    retirar_ = new QPushButton(QStringLiteral("<<"));
    botoes->addWidget(incluir_);
    botoes->addWidget(retirar_);
    botoes->addStretch();
    meio->addLayout(botoes);

    auto* direita = new QVBoxLayout;
    direita->addWidget(new QLabel(QStringLiteral("Batedores na ordem:")));
    ordenados_ = new QListWidget;
    direita->addWidget(ordenados_, 1);
    meio->addLayout(direita, 1);
    coluna->addLayout(meio, 1);

    confirmar_ = new QPushButton(QStringLiteral("Confirmar"));
    coluna->addWidget(confirmar_, 0, Qt::AlignRight);
    disponiveis_->setMinimumSize(260, 300);
    ordenados_->setMinimumSize(260, 300);

    // One player at a time: the one picked in a list, or its first one.
    connect(incluir_, &QPushButton::clicked, this, [this] { Mover(disponiveis_, ordenados_); });
    connect(retirar_, &QPushButton::clicked, this, [this] { Mover(ordenados_, disponiveis_); });
    connect(disponiveis_, &QListWidget::itemDoubleClicked, this,
            [this] { Mover(disponiveis_, ordenados_); });
    connect(ordenados_, &QListWidget::itemDoubleClicked, this,
            [this] { Mover(ordenados_, disponiveis_); });
    connect(confirmar_, &QPushButton::clicked, this, [this] {
        if (disponiveis_->count() == 0) accept();
    });
    if (disponiveis_->count() > 0) disponiveis_->setCurrentRow(0);
    Validar();
}

void TelaBatedores::Mover(QListWidget* de, QListWidget* para) {
    if (de->count() == 0) return;
    const int linha = de->currentRow() >= 0 ? de->currentRow() : 0;
    QListWidgetItem* item = de->takeItem(linha);
    para->addItem(item);
    if (de->count() > 0) de->setCurrentRow(std::min(linha, de->count() - 1));
    Validar();
}

void TelaBatedores::Validar() {
    incluir_->setEnabled(disponiveis_->count() > 0);
    retirar_->setEnabled(ordenados_->count() > 0);
    confirmar_->setEnabled(disponiveis_->count() == 0 && ordenados_->count() > 0);
}

std::array<int, 11> TelaBatedores::Ordem() const {
    std::array<int, 11> ordem{};
    for (int i = 0; i < ordenados_->count() && i < 11; ++i)
        ordem[i] = ordenados_->item(i)->data(kPapelJogador).toInt();
    return ordem;
}

// ---------------------------------------------------------------- shoot-out

TelaDisputa::TelaDisputa(const Jogo& jogo, const int clubes[2], std::vector<ChuteMostrado> chutes,
                         int vencedor, int pausa, QWidget* pai)
    : QDialog(pai), jogo_(jogo), clubes_{clubes[0], clubes[1]}, chutes_(std::move(chutes)),
      vencedor_(vencedor), pausa_(std::max(0, pausa)) {
    setWindowTitle(QStringLiteral("Decisão por Penaltis"));
    Claro(this);
    auto* coluna = new QVBoxLayout(this);

    auto* topo = new QHBoxLayout;
    topo->addWidget(RotuloClube(jogo, clubes_[0]), 1);
    placar_ = new QLabel;
    QFont grande = placar_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.8);
    placar_->setFont(grande);
    placar_->setAlignment(Qt::AlignCenter);
    placar_->setMinimumWidth(110);
    topo->addWidget(placar_);
    topo->addWidget(RotuloClube(jogo, clubes_[1]), 1);
    coluna->addLayout(topo);

    auto* linha = new QHBoxLayout;
    linha->addWidget(new QLabel(QStringLiteral("Batedor:")));
    batedor_ = new QLabel;
    QFont negrito = batedor_->font();
    negrito.setBold(true);
    batedor_->setFont(negrito);
    batedor_->setMinimumWidth(260);
    linha->addWidget(batedor_, 1);
    resultado_ = new QLabel;
    resultado_->setFont(negrito);
    resultado_->setMinimumWidth(120);
    linha->addWidget(resultado_);
    coluna->addLayout(linha);

    tabela_ = new QTableWidget(0, 4);
    tabela_->setHorizontalHeaderLabels(
        {NomeClube(jogo, clubes_[0]), QString(), NomeClube(jogo, clubes_[1]), QString()});
    tabela_->verticalHeader()->setVisible(true);
    tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela_->setSelectionMode(QAbstractItemView::NoSelection);
    tabela_->setFocusPolicy(Qt::NoFocus);
    tabela_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tabela_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    tabela_->setColumnWidth(1, 90);
    tabela_->setColumnWidth(3, 90);
    tabela_->setMinimumSize(560, 260);
    coluna->addWidget(tabela_, 1);

    vencedornome_ = new QLabel;
    vencedornome_->setFont(grande);
    vencedornome_->setAlignment(Qt::AlignCenter);
    vencedornome_->setWordWrap(true);
    coluna->addWidget(vencedornome_);
    setMinimumWidth(760);

    placar_->setText(Placar());
    relogio_ = new QTimer(this);
    relogio_->setInterval(pausa_);
    connect(relogio_, &QTimer::timeout, this, [this] {
        if (!Avancar()) {
            relogio_->stop();
            // The winner stays on screen a while before the screen closes.
            QTimer::singleShot(pausa_ * 3, this, &QDialog::accept);
        }
    });
}

void TelaDisputa::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!relogio_->isActive() && !Terminou()) relogio_->start();
}

bool TelaDisputa::Avancar() {
    if (Terminou()) return false;
    const int n = static_cast<int>(chutes_.size());
    if (passo_ == 2 * n) {
        // The end: the winner's name and the closing text.
        const int v = vencedor_ == 2 ? 1 : 0;
        vencedornome_->setText(NomeClube(jogo_, clubes_[v]) + QLatin1Char(' ') + ui::T(489));
        ++passo_;
        return true;
    }
    const ChuteMostrado& c = chutes_[passo_ / 2];
    const int s = c.lado == 2 ? 1 : 0;
    if (passo_ % 2 == 0) {
        // The taker walks up: name first, the outcome on the next step.
        batedor_->setText(NomeJogador(jogo_, c.batedor));
        resultado_->clear();
    } else {
        const QString texto = c.gol ? ui::T(490) : ui::T(491);
        resultado_->setText(texto);
        resultado_->setStyleSheet(c.gol ? QStringLiteral("color: #0a6a0a;")
                                        : QStringLiteral("color: #8b0000;"));
        if (c.gol) ++gols_[s];
        const int linha = feitos_[s]++;
        if (linha >= tabela_->rowCount()) tabela_->setRowCount(linha + 1);
        tabela_->setItem(linha, 2 * s, new QTableWidgetItem(NomeJogador(jogo_, c.batedor)));
        auto* item = new QTableWidgetItem(texto);
        item->setForeground(c.gol ? QColor(10, 106, 10) : QColor(139, 0, 0));
        tabela_->setItem(linha, 2 * s + 1, item);
        tabela_->scrollToBottom();
        placar_->setText(Placar());
    }
    ++passo_;
    return true;
}

QString TelaDisputa::Batedor() const {
    return batedor_->text();
}

QString TelaDisputa::Resultado() const {
    return resultado_->text();
}

QString TelaDisputa::Placar() const {
    return QStringLiteral("%1 x %2").arg(gols_[0]).arg(gols_[1]);
}

QString TelaDisputa::Vencedor() const {
    return vencedornome_->text();
}

} // namespace temporada::telas
