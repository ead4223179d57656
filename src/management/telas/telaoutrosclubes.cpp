#include "management/telas/telaoutrosclubes.hpp"

#include "management/escalacaotatica.hpp"
#include "management/fichajogador.hpp"
#include "management/outrosclubes.hpp"
#include "management/telas/figurasgrade.hpp"
#include "management/telas/gradeelenco.hpp"
#include "management/telas/telajogador.hpp"
#include "management/telas/telaproposta.hpp"
#include "ui/escudos.hpp"
#include "ui/fundo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/clubes.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace management::telas {

using namespace world;

namespace {

constexpr int kPapelChave = Qt::UserRole + 1;   // what a cell sorts by
constexpr int kPapelJogador = Qt::UserRole + 2; // the player of a row, on its name

// A cell that sorts by its key where it has one (numbers, dates), else by
// its text as a reader orders names.
class Celula : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& outra) const override {
        const QVariant a = data(kPapelChave), b = outra.data(kPapelChave);
        if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
        return QString::localeAwareCompare(text(), outra.text()) < 0;
    }
};

const char* const kTitulos[TelaOutrosClubes::kColunas] = {
    "P", "", "Nome", "Função", "F", "I", "Car.", "Energia", "Salário", "Passe", "Ctr", "À venda"};
constexpr int kDicas[TelaOutrosClubes::kColunas] = {2601, 2602, 2603, 2604, 2605, 2611,
                                                    2610, 2606, 2607, 2608, 2644, 0};

QString NomeDaDivisao(int divisao) {
    if (divisao == kClubesExtras) return QStringLiteral("Todos os clubes");
    const std::string nome = nomedivisao(divisao);
    return nome.empty() ? QStringLiteral("Sem divisão") : ui::Q(nome);
}

QLabel* Negrito(const QString& t = {}) {
    auto* r = new QLabel(t);
    r->setTextFormat(Qt::PlainText);
    QFont f = r->font();
    f.setBold(true);
    r->setFont(f);
    return r;
}

} // namespace

TelaOutrosClubes::TelaOutrosClubes(Jogo& jogo, int comprador, InteracaoMercado& ia, QWidget* pai)
    : QDialog(pai), jogo_(jogo), comprador_(comprador), ia_(ia) {
    setWindowTitle(QStringLiteral("Outros clubes"));
    setObjectName(QStringLiteral("outrosclubes"));
    setModal(true);

    auto* direita = new QVBoxLayout;
    direita->setSpacing(6);
    direita->addWidget(MontarCabecalho());

    grade_ = new QTableWidget(0, kColunas);
    grade_->setObjectName(QStringLiteral("grade"));
    for (int c = 0; c < kColunas; ++c) {
        auto* titulo = new QTableWidgetItem(QString::fromUtf8(kTitulos[c]));
        titulo->setToolTip(kDicas[c] > 0 ? ui::T(kDicas[c])
                                         : QStringLiteral("Preço pedido pelo clube"));
        grade_->setHorizontalHeaderItem(c, titulo);
    }
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setIconSize(QSize(kLarguraFigura, kAlturaFigura));
    grade_->setTextElideMode(Qt::ElideRight);
    grade_->setWordWrap(false);
    grade_->verticalHeader()->setVisible(false);
    grade_->verticalHeader()->setDefaultSectionSize(23);
    grade_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* h = grade_->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Interactive);
    h->setMinimumSectionSize(20);
    const QFontMetrics fm = grade_->fontMetrics();
    auto largura = [&](const char* t) { return fm.horizontalAdvance(QString::fromUtf8(t)) + 14; };
    grade_->setColumnWidth(kColPosicao, 30);
    grade_->setColumnWidth(kColIcone, 30);
    grade_->setColumnWidth(kColNome, 150);
    grade_->setColumnWidth(kColFuncao, 88);
    grade_->setColumnWidth(kColForca, 32);
    grade_->setColumnWidth(kColIdade, 28);
    // A player with one characteristic shows its long name.
    int caract = largura("Des/Cab");
    for (int k = 0; k < 14; ++k)
        caract = std::max(caract, fm.horizontalAdvance(ui::Q(TextoCaracteristicas(k, k))) + 14);
    grade_->setColumnWidth(kColCaract, caract);
    grade_->setColumnWidth(kColEnergia, std::max(48, largura("Energia")));
    grade_->setColumnWidth(kColSalario, largura("$999 999"));
    grade_->setColumnWidth(kColPasse, largura("99 999 k"));
    grade_->setColumnWidth(kColContrato, std::max(largura("Ctr"), largura("fim")));
    grade_->setColumnWidth(kColVenda, std::max(largura("99 999 k"), largura("À venda")));
    h->setSectionResizeMode(kColNome, QHeaderView::Stretch);
    h->setSortIndicatorShown(true);
    h->setSortIndicator(kColPosicao, Qt::AscendingOrder);
    grade_->setSortingEnabled(true);
    connect(grade_, &QTableWidget::itemSelectionChanged, this, [this] {
        AtualizarDetalhes();
        AtualizarBotoes();
    });
    connect(grade_, &QTableWidget::cellDoubleClicked, this,
            [this](int fila, int) { AbrirFicha(JogadorDaFila(fila)); });
    grade_->installEventFilter(this);
    direita->addWidget(grade_, 1);
    direita->addWidget(MontarDetalhes());

    auto* meio = new QHBoxLayout;
    meio->addWidget(MontarEscolha());
    meio->addLayout(direita, 1);

    // The buyer's cash, what just happened, and the buttons.
    caixa_ = Negrito();
    caixa_->setObjectName(QStringLiteral("caixa"));
    situacao_ = Negrito();
    situacao_->setObjectName(QStringLiteral("situacao"));
    situacao_->setStyleSheet(QStringLiteral("QLabel { color: #105010; }"));
    ficha_ = new QPushButton(QStringLiteral("Ver jogador"));
    ficha_->setObjectName(QStringLiteral("ficha"));
    connect(ficha_, &QPushButton::clicked, this, [this] { AbrirFicha(JogadorSelecionado()); });
    comprar_ = new QPushButton(QStringLiteral("Comprar"));
    comprar_->setObjectName(QStringLiteral("comprar"));
    connect(comprar_, &QPushButton::clicked, this, &TelaOutrosClubes::Comprar);
    propor_ = new QPushButton(QStringLiteral("Propor compra"));
    propor_->setObjectName(QStringLiteral("propor"));
    connect(propor_, &QPushButton::clicked, this, &TelaOutrosClubes::Propor);
    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar));
    fechar->setObjectName(QStringLiteral("fechar"));
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* b : {ficha_, comprar_, propor_, fechar}) b->setAutoDefault(false);

    auto* rodape = new QHBoxLayout;
    auto* textos = new QVBoxLayout;
    textos->setSpacing(2);
    textos->addWidget(caixa_);
    textos->addWidget(situacao_);
    rodape->addLayout(textos, 1);
    rodape->addWidget(ficha_);
    rodape->addWidget(comprar_);
    rodape->addWidget(propor_);
    rodape->addSpacing(12);
    rodape->addWidget(fechar);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(meio, 1);
    layout->addLayout(rodape);

    // Opens on the buyer's own division, at a club other than his.
    paises_ = PaisesDoMercado(jogo_);
    {
        const QSignalBlocker bloqueio(pais_);
        for (int p : paises_) {
            const std::string nome = NomePais(p);
            pais_->addItem(nome.empty() ? QString::number(p) : ui::Q(nome));
        }
    }
    int inicial = jogo_.TimeValido(comprador_) ? comprador_ : -1;
    if (inicial >= 0) {
        const TTime& t = jogo_.times[inicial];
        for (int c : ClubesDoPais(jogo_, t.pais, t.divisao))
            if (c != comprador_) {
                inicial = c;
                break;
            }
    } else if (!paises_.empty()) {
        const auto divisoes = DivisoesDoPais(jogo_, paises_.front());
        const auto lista = divisoes.empty()
                               ? std::vector<int>{}
                               : ClubesDoPais(jogo_, paises_.front(), divisoes.front());
        if (!lista.empty()) inicial = lista.front();
    }
    MostrarClube(inicial);
    ui::Dimensionar(this, QSize(1240, 760));
}

QWidget* TelaOutrosClubes::MontarEscolha() {
    auto* quadro = ui::Quadro();
    quadro->setFixedWidth(206);
    auto* v = new QVBoxLayout(quadro);
    v->setContentsMargins(8, 8, 8, 8);
    v->addWidget(Negrito(QStringLiteral("País:")));
    pais_ = new QComboBox;
    pais_->setObjectName(QStringLiteral("pais"));
    pais_->setMaxVisibleItems(20);
    connect(pais_, &QComboBox::currentIndexChanged, this, &TelaOutrosClubes::PaisMudou);
    v->addWidget(pais_);
    v->addSpacing(4);
    v->addWidget(Negrito(QStringLiteral("Divisão:")));
    divisao_ = new QComboBox;
    divisao_->setObjectName(QStringLiteral("divisao"));
    connect(divisao_, &QComboBox::currentIndexChanged, this, &TelaOutrosClubes::DivisaoMudou);
    v->addWidget(divisao_);
    v->addSpacing(4);
    v->addWidget(Negrito(QStringLiteral("Clubes:")));
    clubes_ = new QListWidget;
    clubes_->setObjectName(QStringLiteral("clubes"));
    // The longest names cut short with "…" rather than a sideways scroll;
    // each whole in its tooltip.
    clubes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    clubes_->setTextElideMode(Qt::ElideRight);
    connect(clubes_, &QListWidget::currentRowChanged, this, &TelaOutrosClubes::ClubeMudou);
    v->addWidget(clubes_, 1);
    return quadro;
}

QWidget* TelaOutrosClubes::MontarCabecalho() {
    auto* quadro = ui::Quadro();
    auto* g = new QGridLayout(quadro);
    g->setContentsMargins(8, 6, 8, 6);
    g->setHorizontalSpacing(14);
    g->setVerticalSpacing(3);
    escudo_ = new QLabel;
    escudo_->setFixedSize(64, 64);
    escudo_->setAlignment(Qt::AlignCenter);
    g->addWidget(escudo_, 0, 0, 3, 1);
    nome_ = new QLabel;
    nome_->setObjectName(QStringLiteral("nomeclube"));
    nome_->setTextFormat(Qt::PlainText);
    QFont grande = nome_->font();
    grande.setPointSize(grande.pointSize() + 5);
    grande.setBold(true);
    nome_->setFont(grande);
    g->addWidget(nome_, 0, 1, 1, 3, Qt::AlignLeft);
    divisaoclube_ = new QLabel;
    divisaoclube_->setTextFormat(Qt::PlainText);
    g->addWidget(divisaoclube_, 1, 1, 1, 3);
    tecnico_ = new QLabel;
    tecnico_->setTextFormat(Qt::PlainText);
    g->addWidget(tecnico_, 2, 1);
    nivel_ = Negrito();
    nivel_->setObjectName(QStringLiteral("nivel"));
    g->addWidget(nivel_, 2, 2);
    dinheiroclube_ = Negrito();
    dinheiroclube_->setObjectName(QStringLiteral("dinheiroclube"));
    dinheiroclube_->setStyleSheet(QStringLiteral("QLabel { color: #105010; }"));
    g->addWidget(dinheiroclube_, 2, 3);
    g->setColumnStretch(3, 1);
    return quadro;
}

QWidget* TelaOutrosClubes::MontarDetalhes() {
    auto* quadro = ui::Quadro();
    auto* v = new QVBoxLayout(quadro);
    v->setContentsMargins(8, 4, 8, 4);
    detalhes_ = new QLabel;
    detalhes_->setObjectName(QStringLiteral("detalhes"));
    detalhes_->setTextFormat(Qt::RichText);
    detalhes_->setWordWrap(true);
    // Two lines always, so the grid does not jump as the selection moves.
    detalhes_->setMinimumHeight(detalhes_->fontMetrics().lineSpacing() * 2 + 4);
    v->addWidget(detalhes_);
    return quadro;
}

// --- The pickers ---------------------------------------------------------------------------

void TelaOutrosClubes::MostrarClube(int clube) {
    if (!jogo_.TimeValido(clube) || clube >= jogo_.PrimeiraSelecao()) {
        if (pais_->count() > 0 && pais_->currentIndex() < 0) pais_->setCurrentIndex(0);
        return;
    }
    const TTime& t = jogo_.times[clube];
    const auto p = std::find(paises_.begin(), paises_.end(), t.pais);
    if (p == paises_.end()) return;
    {
        const QSignalBlocker bloqueio(pais_);
        pais_->setCurrentIndex(static_cast<int>(p - paises_.begin()));
    }
    {
        const QSignalBlocker bloqueio(divisao_);
        PaisMudou();
        const int grupo = clube < jogo_.estado.numtimesligas ? t.divisao : kClubesExtras;
        const auto d = std::find(divisoes_.begin(), divisoes_.end(), grupo);
        divisao_->setCurrentIndex(d == divisoes_.end() ? 0
                                                       : static_cast<int>(d - divisoes_.begin()));
    }
    const QSignalBlocker bloqueio(clubes_);
    DivisaoMudou();
    for (int r = 0; r < clubes_->count(); ++r)
        if (clubes_->item(r)->data(Qt::UserRole).toInt() == clube) clubes_->setCurrentRow(r);
    ClubeMudou();
}

void TelaOutrosClubes::PaisMudou() {
    const int i = pais_->currentIndex();
    divisoes_ = i >= 0 && i < static_cast<int>(paises_.size()) ? DivisoesDoPais(jogo_, paises_[i])
                                                               : std::vector<int>{};
    {
        const QSignalBlocker bloqueio(divisao_);
        divisao_->clear();
        for (int d : divisoes_) divisao_->addItem(NomeDaDivisao(d));
        divisao_->setCurrentIndex(divisoes_.empty() ? -1 : 0);
    }
    DivisaoMudou();
}

void TelaOutrosClubes::DivisaoMudou() {
    const int p = pais_->currentIndex();
    const int d = divisao_->currentIndex();
    std::vector<int> lista;
    if (p >= 0 && p < static_cast<int>(paises_.size()) && d >= 0 &&
        d < static_cast<int>(divisoes_.size()))
        lista = ClubesDoPais(jogo_, paises_[p], divisoes_[d]);
    {
        const QSignalBlocker bloqueio(clubes_);
        clubes_->clear();
        for (int c : lista) {
            auto* item = new QListWidgetItem(ui::Q(jogo_.times[c].nome.view()));
            item->setData(Qt::UserRole, c);
            item->setToolTip(item->text());
            // The buyer's own club and the other humans' stand out.
            if (c == comprador_ || jogo_.times[c].humano) {
                QFont f = clubes_->font();
                f.setBold(true);
                item->setFont(f);
                if (c == comprador_)
                    item->setToolTip(item->text() + QStringLiteral(" (seu clube)"));
            }
            clubes_->addItem(item);
        }
        clubes_->setCurrentRow(lista.empty() ? -1 : 0);
    }
    ClubeMudou();
}

void TelaOutrosClubes::ClubeMudou() {
    QListWidgetItem* item = clubes_->currentItem();
    clube_ = item ? item->data(Qt::UserRole).toInt() : -1;
    if (!jogo_.TimeValido(clube_)) clube_ = -1;
    situacao_->clear();
    AtualizarCabecalho();
    PreencherGrade();
    if (grade_->rowCount() > 0) grade_->selectRow(0);
    AtualizarDetalhes();
    AtualizarBotoes();
}

// --- What is shown ---------------------------------------------------------------------------

void TelaOutrosClubes::AtualizarCabecalho() {
    const bool ha = clube_ >= 0;
    static const TTime kSemClube = NovoTime();
    const TTime& t = ha ? jogo_.times[clube_] : kSemClube;
    nome_->setText(ha ? ui::Q(t.nome.view()) : QString());
    nome_->setStyleSheet(ha ? ui::EstiloDoClube(CorDoJogo(t.corfundo), CorDoJogo(t.cortexto), 3)
                            : QString());
    const QPixmap escudo = ha ? ui::EscudoDoTime(jogo_, clube_) : QPixmap();
    escudo_->setPixmap(escudo.isNull() ? QPixmap()
                                       : escudo.scaled(escudo_->size(), Qt::KeepAspectRatio,
                                                       Qt::SmoothTransformation));
    // An extra club's division only ranks its level: no league to name.
    QString linha =
        ha && clube_ < jogo_.estado.numtimesligas ? NomeDaDivisao(t.divisao) : QString();
    const std::string pais = ha ? NomePais(t.pais) : std::string();
    if (!pais.empty()) linha += (linha.isEmpty() ? QString() : QStringLiteral(" - ")) + ui::Q(pais);
    if (ha && clube_ == comprador_)
        linha += QStringLiteral("  (seu clube)");
    else if (ha && t.humano)
        linha += QStringLiteral("  (clube de outro técnico humano)");
    divisaoclube_->setText(linha);
    const bool temtecnico = t.tecnico >= 0 && t.tecnico < static_cast<int>(jogo_.tecnicos.size());
    tecnico_->setText(
        ha ? ui::T(ui::kTextoTecnico) + QLatin1Char(' ') +
                 (temtecnico ? ui::Q(jogo_.tecnicos[t.tecnico].nome.view()) : QStringLiteral("-"))
           : QString());
    nivel_->setText(ha ? QStringLiteral("Nível: %1").arg(t.nivel) : QString());
    dinheiroclube_->setText(ha ? QStringLiteral("Dinheiro: ") + ui::DinheiroExtenso(t.dinheiro)
                               : QString());
    dinheiroclube_->setToolTip(ha ? ui::Dinheiro(t.dinheiro) : QString());
    const bool compra = jogo_.TimeValido(comprador_);
    caixa_->setText(compra ? QStringLiteral("Seu dinheiro em caixa: ") +
                                 ui::DinheiroExtenso(jogo_.times[comprador_].dinheiro)
                           : QString());
    caixa_->setToolTip(compra ? ui::Dinheiro(jogo_.times[comprador_].dinheiro) : QString());
}

void TelaOutrosClubes::PreencherGrade() {
    const int coluna = grade_->horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder sentido = grade_->horizontalHeader()->sortIndicatorOrder();
    grade_->setSortingEnabled(false);
    grade_->clearContents();
    if (clube_ < 0) {
        grade_->setRowCount(0);
        grade_->setSortingEnabled(true);
        return;
    }
    // The main screen's order: by position and role, then strength.
    const Grade g = management::PreencherGrade(jogo_, clube_, jogo_.estado.tipo, jogo_.Hoje());
    const int n = static_cast<int>(g.linhas.size());
    grade_->setRowCount(n);
    const TOpcoes& o = jogo_.estado.opcoes;
    for (int fila = 0; fila < n; ++fila) {
        const int jogador = g.linhas[fila].jogador;
        const TJogador& j = jogo_.jogadores[jogador];
        const CelulasLinha c = Celulas(jogo_, g, fila);
        auto celula = [&](int coluna, const QString& texto, QVariant chave = {},
                          Qt::Alignment a = Qt::AlignCenter) {
            auto* it = new Celula(texto);
            it->setTextAlignment(a);
            if (chave.isValid()) it->setData(kPapelChave, chave);
            grade_->setItem(fila, coluna, it);
            return it;
        };
        const auto direita = Qt::AlignRight | Qt::AlignVCenter;
        celula(kColPosicao, ui::Q(c.posicao), fila)->setToolTip(ui::Q(NomePosicao(j.posicaoatual)));
        celula(kColIcone, {}, CondicaoSemEstrela(c.icone))
            ->setIcon(QIcon(FiguraCondicao(c.icone, j.cansado != 0)));
        QTableWidgetItem* nome =
            celula(kColNome, ui::Q(c.nome), {}, Qt::AlignLeft | Qt::AlignVCenter);
        nome->setData(kPapelJogador, jogador);
        nome->setToolTip(ui::Q(c.nome));
        celula(kColFuncao, ui::Q(c.funcao), {}, Qt::AlignLeft | Qt::AlignVCenter);
        celula(kColForca, QString::number(c.forca), c.forca);
        celula(kColIdade, QString::number(c.idade), c.idade);
        celula(kColCaract, ui::Q(c.caracteristicas))
            ->setToolTip(j.caract1 == j.caract2 ? ui::Q(NomeCaracteristica(j.caract1))
                                                : ui::Q(NomeCaracteristica(j.caract1)) + " / " +
                                                      ui::Q(NomeCaracteristica(j.caract2)));
        celula(kColEnergia, QString::number(c.energia), c.energia);
        celula(kColSalario, ui::Dinheiro(c.salario), c.salario, direita);
        celula(kColPasse, ui::Q(PasseCompacto(j.passe)), j.passe, direita)
            ->setToolTip(ui::Dinheiro(j.passe));
        // Filled below, over the row's colours, as the squad grid does.
        QTableWidgetItem* contrato = celula(kColContrato, {}, j.contrato);
        QTableWidgetItem* venda =
            celula(kColVenda, j.avenda ? ui::Q(PasseCompacto(j.passepedido)) : QString(),
                   j.avenda ? static_cast<double>(j.passepedido) : -1.0, direita);
        if (j.avenda) {
            venda->setToolTip(QStringLiteral("À venda por ") + ui::Dinheiro(j.passepedido));
            QFont f = grade_->font();
            f.setBold(true);
            venda->setFont(f);
        }

        // Colours by position when the option asks for them; the sale mark
        // keeps its own.
        const bool cores = o.opcornalista != 0 && j.posicaoatual >= 0 && j.posicaoatual <= 4;
        const QColor fundo = cores ? CorDoJogo(o.cores[j.posicaoatual]) : QColor();
        for (int col = 0; col < kColunas; ++col) {
            QTableWidgetItem* it = grade_->item(fila, col);
            if (col == kColVenda && j.avenda) {
                it->setBackground(QColor(255, 236, 150));
                it->setForeground(QColor(Qt::black));
            } else if (cores) {
                it->setBackground(fundo);
                it->setForeground(Contraste(fundo));
            }
        }
        PreencherCelulaContrato(*contrato, j, jogo_.Hoje(), grade_->font());
    }
    grade_->setSortingEnabled(true);
    grade_->sortItems(coluna, sentido);
}

int TelaOutrosClubes::JogadorDaFila(int fila) const {
    const QTableWidgetItem* it = fila >= 0 ? grade_->item(fila, kColNome) : nullptr;
    const int j = it ? it->data(kPapelJogador).toInt() : 0;
    return jogo_.JogadorValido(j) ? j : 0;
}

int TelaOutrosClubes::JogadorSelecionado() const {
    const auto filas = grade_->selectionModel()->selectedRows();
    return filas.isEmpty() ? 0 : JogadorDaFila(filas.front().row());
}

bool TelaOutrosClubes::SelecionarJogador(int jogador) {
    for (int fila = 0; fila < grade_->rowCount(); ++fila)
        if (JogadorDaFila(fila) == jogador) {
            grade_->selectRow(fila);
            grade_->scrollToItem(grade_->item(fila, kColNome));
            return true;
        }
    return false;
}

void TelaOutrosClubes::AtualizarDetalhes() {
    const int jogador = JogadorSelecionado();
    if (!jogador) {
        detalhes_->setText(clube_ >= 0 && grade_->rowCount() == 0
                               ? QStringLiteral("Este clube não tem jogadores.")
                               : QString());
        return;
    }
    const FichaJogador f = MontarFicha(jogo_, jogador);
    const TJogador& j = jogo_.jogadores[jogador];
    auto h = [](const std::string& t) { return ui::Q(t).toHtmlEscaped(); };
    QString l1 = QStringLiteral("<b>%1</b>").arg(h(f.nome));
    if (f.estrela) l1 += QStringLiteral(" &#9733;");
    l1 += QStringLiteral(" &mdash; %1, %2 anos").arg(h(f.nomeposicao)).arg(f.idade);
    if (!f.nacionalidade.empty()) l1 += QStringLiteral(", ") + h(f.nacionalidade);
    l1 += QStringLiteral(" &middot; ") + h(f.caracteristica1);
    if (f.caracteristica2 != f.caracteristica1) l1 += QStringLiteral(" / ") + h(f.caracteristica2);
    QString l2 =
        QStringLiteral("%1 <b>%2</b> &middot; %3 <b>%4</b> &middot; %5 <b>%6</b>")
            .arg(ui::T(ui::kTextoForca).toHtmlEscaped())
            .arg(f.forca)
            .arg(ui::T(ui::kTextoPasse).toHtmlEscaped(), ui::Dinheiro(f.passe).toHtmlEscaped(),
                 ui::T(ui::kTextoSalario).toHtmlEscaped(), ui::Dinheiro(f.salario).toHtmlEscaped());
    if (!f.fimcontrato.empty())
        l2 += QStringLiteral(" &middot; %1 <b>%2</b>")
                  .arg(ui::T(ui::kTextoFimDoContrato).toHtmlEscaped(), h(f.fimcontrato));
    l2 += j.avenda ? QStringLiteral(" &middot; <span style='color:#805000'><b>À venda por %1</b>"
                                    "</span>")
                         .arg(ui::Dinheiro(j.passepedido).toHtmlEscaped())
                   : QStringLiteral(" &middot; Não está à venda");
    detalhes_->setText(l1 + QStringLiteral("<br>") + l2);
}

void TelaOutrosClubes::AtualizarBotoes() {
    const int jogador = JogadorSelecionado();
    ficha_->setEnabled(jogador > 0);
    // The buyer is the human at the keyboard; the rules say what stands in
    // the way.
    const Impedimento compra = ImpedimentoDaCompra(jogo_, comprador_, jogador);
    const Impedimento proposta = ImpedimentoDaProposta(jogo_, comprador_, jogador);
    comprar_->setEnabled(compra == Impedimento::Nenhum);
    comprar_->setToolTip(TextoImpedimento(compra));
    propor_->setEnabled(proposta == Impedimento::Nenhum);
    propor_->setToolTip(TextoImpedimento(proposta));
}

void TelaOutrosClubes::Recarregar() {
    const int jogador = JogadorSelecionado();
    AtualizarCabecalho();
    PreencherGrade();
    if (!SelecionarJogador(jogador) && grade_->rowCount() > 0) grade_->selectRow(0);
    AtualizarDetalhes();
    AtualizarBotoes();
}

bool TelaOutrosClubes::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == grade_ && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            AbrirFicha(JogadorSelecionado());
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

// --- Buying ---------------------------------------------------------------------------------

void TelaOutrosClubes::AbrirFicha(int jogador) {
    if (!jogador) return;
    TelaJogador ficha(jogo_, jogador, this);
    // The card of another club's player offers the same two ways to buy him.
    enum { kNada, kComprar, kPropor } pedido = kNada;
    if (jogo_.jogadores[jogador].time != comprador_) {
        SelecionarJogador(jogador);
        auto* comprar = new QPushButton(QStringLiteral("Comprar"));
        comprar->setObjectName(QStringLiteral("comprar"));
        comprar->setEnabled(comprar_->isEnabled());
        comprar->setToolTip(comprar_->toolTip());
        connect(comprar, &QPushButton::clicked, &ficha, [&] {
            pedido = kComprar;
            ficha.accept();
        });
        auto* propor = new QPushButton(QStringLiteral("Propor compra"));
        propor->setObjectName(QStringLiteral("propor"));
        propor->setEnabled(propor_->isEnabled());
        propor->setToolTip(propor_->toolTip());
        connect(propor, &QPushButton::clicked, &ficha, [&] {
            pedido = kPropor;
            ficha.accept();
        });
        ficha.AdicionarBotao(comprar);
        ficha.AdicionarBotao(propor);
    }
    ficha.exec();
    if (pedido == kComprar) Comprar();
    if (pedido == kPropor) Propor();
}

void TelaOutrosClubes::Comprar() {
    const int jogador = JogadorSelecionado();
    if (!PodeComprar(jogo_, comprador_, jogador)) return;
    if (!ConfirmarCompra(jogo_, jogador, this)) return;
    const QString nome = ui::Q(jogo_.jogadores[jogador].nome.view());
    const i32 preco = jogo_.jogadores[jogador].passepedido;
    if (!management::Comprar(jogo_, comprador_, jogador)) return;
    situacao_->setText(QStringLiteral("%1 foi comprado por %2.").arg(nome, ui::Dinheiro(preco)));
    Recarregar();
}

void TelaOutrosClubes::Propor() {
    const int jogador = JogadorSelecionado();
    if (!jogador || !propor_->isEnabled()) return;
    TelaOferta oferta(jogo_, comprador_, jogador, this);
    if (oferta.exec() != QDialog::Accepted) return;
    const i32 valor = oferta.Valor();
    const QString nome = ui::Q(jogo_.jogadores[jogador].nome.view());
    const int vendedor = jogo_.jogadores[jogador].time;
    const QString clube =
        jogo_.TimeValido(vendedor) ? ui::Q(jogo_.times[vendedor].nome.view()) : QString();
    const ResultadoProposta r = ProporCompra(jogo_, ia_, comprador_, jogador, valor);
    const QString titulo = QStringLiteral("Propor compra");
    if (r.resultado == Proposta::Aceita) {
        QString texto = QStringLiteral("Proposta aceita! %1 foi comprado por %2.")
                            .arg(nome, ui::Dinheiro(valor));
        if (jogo_.JogadorValido(r.reposicao))
            texto += QStringLiteral("\nO clube %1 contratou %2 para o lugar dele.")
                         .arg(clube, ui::Q(jogo_.jogadores[r.reposicao].nome.view()));
        situacao_->setText(
            QStringLiteral("%1 foi comprado por %2.").arg(nome, ui::Dinheiro(valor)));
        AvisarMercado(titulo, texto, false, this);
    } else if (r.resultado == Proposta::ExigenciaRecusada) {
        situacao_->setText(QStringLiteral("Negociação com %1 cancelada.").arg(nome));
    } else {
        AvisarMercado(titulo, TextoRecusa(jogo_, jogador, r), true, this);
    }
    Recarregar();
}

} // namespace management::telas
