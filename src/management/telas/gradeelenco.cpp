#include "management/telas/gradeelenco.hpp"

#include "management/envelhecimento.hpp"
#include "management/escalacaotatica.hpp"
#include "management/fichajogador.hpp"
#include "management/mercado.hpp"
#include "plataforma/datas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/posicoes.hpp"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace management::telas {

using namespace world;

namespace {

// Column captions as the squad lists of the game write them.
const char* const kTitulos[GradeElenco::kColunas] = {
    "",      "P", "",     "Nome", "Função", "F",   "Energia", "Salário",
    "Passe", "G", "Car.", "I",    "M",      "Ctr", ""};
// What each caption means, shown over the header; 0 = nothing to say.
constexpr int kDicas[GradeElenco::kColunas] = {2600, 2601, 2602, 2603, 2604, 2605, 2606, 2607,
                                               2608, 2609, 2610, 2611, 2612, 2644, 0};

// Within three weeks of its end a contract is about to run out, as the
// warning mail counts.
constexpr double kDiasAviso = 21;

// The selection code rides on the status cell for its painter.
constexpr int kPapelCodigo = Qt::UserRole + 1;

// Starters and substitutes keep their colour in the status cell whatever the
// club's shirt and whether the row is selected: the shirt alone cannot tell a
// white starter from an empty place.
QColor CorDoCodigo(int codigo) {
    switch (codigo) {
    case kTitular:
        return QColor(40, 150, 60);
    case kReserva:
        return QColor(225, 140, 20);
    default:
        return {};
    }
}

class DelegadoStatus : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opcao,
               const QModelIndex& indice) const override {
        const QColor cor = CorDoCodigo(indice.data(kPapelCodigo).toInt());
        if (!cor.isValid()) {
            QStyledItemDelegate::paint(p, opcao, indice);
            return;
        }
        QStyleOptionViewItem o(opcao);
        o.state &= ~QStyle::State_Selected;
        QColor claro = cor;
        claro.setAlpha(70);
        p->fillRect(o.rect, Qt::white);
        p->fillRect(o.rect, claro);
        QStyledItemDelegate::paint(p, o, indice);
        p->fillRect(QRect(o.rect.left(), o.rect.top(), 4, o.rect.height()), cor);
    }
};

QString DicaStatus(int codigo, int numero) {
    static constexpr int kTextos[] = {2622, 2620, 2621, 2623, 2624};
    QString t = codigo >= 0 && codigo < 5 ? ui::T(kTextos[codigo]) : QString();
    // A player without a number has nothing to add here.
    if (numero > 0) t += QStringLiteral(" - ") + ui::T(2625) + ' ' + QString::number(numero);
    return t;
}

QString DicaCondicao(const TJogador& j, int icone) {
    QStringList partes;
    if (CondicaoDeEstrela(icone)) partes << ui::T(ui::kTextoCraque);
    switch (CondicaoSemEstrela(icone)) {
    case 1:
        partes << ui::T(2631);
        break;
    case 2:
        partes << ui::T(2632);
        break;
    case 3:
        partes << ui::T(2630) + ' ' + ui::Q(plataforma::TextoData(j.retorno));
        break;
    default:
        if (j.cansado) partes << ui::T(2633);
        break;
    }
    return partes.join(QStringLiteral("; "));
}

QString DicaMoral(int moral) {
    // 10 is the usual mood (`moral` 3), as the face draws it.
    const int humor = moral > 10 ? 2635 : moral == 10 ? 2636 : 2637;
    return ui::T(2612) + QStringLiteral(": ") + QString::number(moral) + QStringLiteral(" (") +
           ui::T(humor) + ')';
}

// What a column sorts by, for one line.
struct Chave {
    long long numero = 0;
    QString texto;
};

Chave ChaveDe(const Jogo& jogo, const Grade& grade, int linha, int coluna) {
    const CelulasLinha c = Celulas(jogo, grade, linha);
    switch (coluna) {
    case GradeElenco::kColStatus: {
        // Starters, substitutes, the rest, then those who cannot play.
        static constexpr int kOrdem[] = {2, 0, 1, 3, 4};
        const int codigo = grade.linhas[linha].codigo;
        return {codigo >= 0 && codigo < 5 ? kOrdem[codigo] : 5, {}};
    }
    case GradeElenco::kColIcone:
        return {CondicaoSemEstrela(c.icone), {}};
    case GradeElenco::kColNome:
        return {0, ui::Q(c.nome)};
    case GradeElenco::kColFuncao:
        return {0, ui::Q(c.funcao)};
    case GradeElenco::kColForca:
        return {c.forca, {}};
    case GradeElenco::kColEnergia:
        return {c.energia, {}};
    case GradeElenco::kColSalario:
        return {c.salario, {}};
    case GradeElenco::kColPasse: {
        // A listed player sorts by the price he is offered at, as shown.
        const TJogador& j = jogo.jogadores[grade.linhas[linha].jogador];
        return {j.avenda ? j.passepedido : c.passe, {}};
    }
    case GradeElenco::kColGols:
        return {c.gols, {}};
    case GradeElenco::kColCaract:
        return {0, ui::Q(c.caracteristicas)};
    case GradeElenco::kColIdade:
        return {c.idade, {}};
    case GradeElenco::kColMoral:
        return {c.moral, {}};
    case GradeElenco::kColContrato:
        return {static_cast<long long>(jogo.jogadores[grade.linhas[linha].jogador].contrato), {}};
    default: // the position column: the lineup's own order
        return {linha, {}};
    }
}

int Comparar(const Chave& a, const Chave& b) {
    if (a.numero != b.numero) return a.numero < b.numero ? -1 : 1;
    return QString::localeAwareCompare(a.texto, b.texto);
}

} // namespace

GradeElenco::GradeElenco(Jogo& jogo, QWidget* pai) : QTableWidget(pai), jogo_(jogo) {
    setColumnCount(kColunas);
    for (int c = 0; c < kColunas; ++c) {
        auto* titulo = new QTableWidgetItem(QString::fromUtf8(kTitulos[c]));
        if (kDicas[c] > 0) titulo->setToolTip(ui::T(kDicas[c]));
        setHorizontalHeaderItem(c, titulo);
    }
    setColumnHidden(kColCodigo, true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(kLarguraFigura, kAlturaFigura));
    setTextElideMode(Qt::ElideRight);
    setItemDelegateForColumn(kColStatus, new DelegadoStatus(this));
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(24);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    // Every column as wide as what it shows, so that all of them fit a 1024 x
    // 768 desktop beside the side panel and the names, which take the rest,
    // read whole.
    QHeaderView* h = horizontalHeader();
    h->setSectionResizeMode(QHeaderView::ResizeToContents);
    h->setStretchLastSection(false);
    h->setMinimumSectionSize(16);
    // The pictures and the role box keep a fixed room.
    for (const auto& [coluna, largura] :
         {std::pair{kColStatus, kLarguraFigura + 8}, std::pair{kColIcone, kLarguraFigura + 2},
          std::pair{kColMoral, kLarguraFigura + 2}, std::pair{kColFuncao, 96}}) {
        h->setSectionResizeMode(coluna, QHeaderView::Fixed);
        setColumnWidth(coluna, largura);
    }
    h->setSectionResizeMode(kColNome, QHeaderView::Stretch);
    h->setSectionsClickable(true);
    h->setSortIndicatorShown(false);
    connect(h, &QHeaderView::sectionClicked, this, &GradeElenco::ClicouCabecalho);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& ponto) {
        const int fila = rowAt(ponto.y());
        if (fila < 0) return;
        selectRow(fila);
        if (QMenu* menu = MenuDaFila(fila)) menu->popup(viewport()->mapToGlobal(ponto));
    });

    connect(this, &QTableWidget::cellClicked, this, [this](int fila, int coluna) {
        if (coluna == kColStatus) ClicarStatusDaFila(fila);
    });
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int fila, int coluna) {
        // The second click of a quick pair on a shirt is a click too.
        if (coluna == kColStatus) {
            ClicarStatusDaFila(fila);
            return;
        }
        const int jogador = JogadorDaFila(fila);
        if (jogador > 0) emit abrirJogador(jogador);
    });
}

void GradeElenco::Mostrar(Grade grade) {
    grade_ = std::move(grade);
    clearContents();
    const int n = static_cast<int>(grade_.linhas.size());
    setRowCount(n);
    linhas_.resize(n);
    std::iota(linhas_.begin(), linhas_.end(), 0);
    for (int fila = 0; fila < n; ++fila) {
        for (int c = 0; c < kColunas; ++c)
            if (c != kColFuncao) setItem(fila, c, new QTableWidgetItem);
        CriarCaixaFuncao(fila);
    }
    if (coluna_ >= 0)
        Ordenar();
    else
        Redesenhar();
}

int GradeElenco::LinhaDaFila(int fila) const {
    return fila >= 0 && fila < static_cast<int>(linhas_.size()) ? linhas_[fila] : -1;
}

int GradeElenco::FilaDaLinha(int linha) const {
    const auto it = std::find(linhas_.begin(), linhas_.end(), linha);
    return it == linhas_.end() ? -1 : static_cast<int>(it - linhas_.begin());
}

int GradeElenco::JogadorDaFila(int fila) const {
    const int linha = LinhaDaFila(fila);
    return linha >= 0 && linha < static_cast<int>(grade_.linhas.size())
               ? grade_.linhas[linha].jogador
               : -1;
}

void GradeElenco::CriarCaixaFuncao(int fila) {
    auto* caixa = new QComboBox;
    caixa->setFocusPolicy(Qt::StrongFocus);
    connect(caixa, &QComboBox::activated, this,
            [this, fila](int item) { MudouFuncao(fila, item); });
    setCellWidget(fila, kColFuncao, caixa);
}

void GradeElenco::MudouFuncao(int fila, int item) {
    if (!MudarFuncao(jogo_, grade_, LinhaDaFila(fila), item)) return;
    RedesenharFila(fila);
    emit alterada();
}

void GradeElenco::Redesenhar() {
    for (int fila = 0; fila < rowCount(); ++fila) RedesenharFila(fila);
}

void GradeElenco::RedesenharLinha(int linha) {
    RedesenharFila(FilaDaLinha(linha));
}

void GradeElenco::RedesenharFila(int fila) {
    const int linha = LinhaDaFila(fila);
    if (fila >= rowCount() || linha < 0 || linha >= static_cast<int>(grade_.linhas.size())) return;
    const LinhaGrade& l = grade_.linhas[linha];
    if (l.jogador <= 0 || l.jogador >= static_cast<int>(jogo_.jogadores.size())) return;
    const TJogador& j = jogo_.jogadores[l.jogador];
    const bool clubeValido =
        grade_.clube >= 0 && grade_.clube < static_cast<int>(jogo_.times.size());
    static const TTime kSemClube = NovoTime();
    const TTime& clube = clubeValido ? jogo_.times[grade_.clube] : kSemClube;
    const CelulasLinha c = Celulas(jogo_, grade_, linha);

    auto texto = [&](int coluna, const QString& t, Qt::Alignment a = Qt::AlignCenter) {
        QTableWidgetItem* it = item(fila, coluna);
        it->setText(t);
        it->setTextAlignment(a);
    };
    QTableWidgetItem* status = item(fila, kColStatus);
    status->setIcon(QIcon(FiguraStatus(l.codigo, j.numero, clube)));
    status->setData(kPapelCodigo, l.codigo);
    status->setToolTip(DicaStatus(l.codigo, j.numero));
    texto(kColPosicao, ui::Q(c.posicao));
    item(fila, kColPosicao)->setToolTip(ui::Q(NomePosicao(j.posicaoatual)));
    item(fila, kColIcone)->setIcon(QIcon(FiguraCondicao(c.icone, j.cansado != 0)));
    item(fila, kColIcone)->setToolTip(DicaCondicao(j, c.icone));
    texto(kColNome, ui::Q(c.nome), Qt::AlignLeft | Qt::AlignVCenter);
    item(fila, kColNome)->setToolTip(ui::Q(c.nome));
    texto(kColForca, QString::number(c.forca));
    texto(kColEnergia, QString::number(c.energia));
    texto(kColSalario, ui::Dinheiro(c.salario), Qt::AlignRight | Qt::AlignVCenter);
    // A player up for sale shows the price asked, on the sale colour.
    if (j.avenda) {
        texto(kColPasse, ui::Q(PasseCompacto(j.passepedido)), Qt::AlignRight | Qt::AlignVCenter);
        item(fila, kColPasse)
            ->setToolTip(QStringLiteral("À venda por ") + ui::Dinheiro(j.passepedido) +
                         QStringLiteral(" (") + ui::T(ui::kTextoPasse) + QStringLiteral(": ") +
                         ui::Dinheiro(c.passe) + ')');
    } else {
        texto(kColPasse, ui::Dinheiro(c.passe), Qt::AlignRight | Qt::AlignVCenter);
        item(fila, kColPasse)->setToolTip({});
    }
    texto(kColGols, QString::number(c.gols));
    texto(kColCaract, ui::Q(c.caracteristicas));
    item(fila, kColCaract)
        ->setToolTip(j.caract1 == j.caract2 ? ui::Q(NomeCaracteristica(j.caract1))
                                            : ui::Q(NomeCaracteristica(j.caract1)) + " / " +
                                                  ui::Q(NomeCaracteristica(j.caract2)));
    texto(kColIdade, QString::number(c.idade));
    item(fila, kColMoral)->setIcon(QIcon(FiguraMoral(c.moral)));
    item(fila, kColMoral)->setToolTip(DicaMoral(c.moral));
    texto(kColCodigo, QString::number(l.codigo));

    if (auto* caixa = qobject_cast<QComboBox*>(cellWidget(fila, kColFuncao))) {
        const QSignalBlocker bloqueio(caixa);
        caixa->clear();
        for (const std::string& f : ItensFuncao(j.posicaoatual)) caixa->addItem(ui::Q(f));
        caixa->setCurrentIndex(j.funcao >= 0 && j.funcao < caixa->count() ? j.funcao : -1);
    }

    // Colours by position when the option asks for them.
    const TOpcoes& o = jogo_.estado.opcoes;
    const bool cores = o.opcornalista != 0 && j.posicaoatual >= 0 && j.posicaoatual <= 4;
    const QBrush fundo = cores ? QBrush(CorDoJogo(o.cores[j.posicaoatual])) : QBrush();
    const QBrush frente = cores ? QBrush(Contraste(CorDoJogo(o.cores[j.posicaoatual]))) : QBrush();
    for (int col = 0; col < kColunas; ++col)
        if (QTableWidgetItem* it = item(fila, col)) {
            // The status cell of a starter or substitute keeps its own colour.
            const bool propria = col == kColStatus && CorDoCodigo(l.codigo).isValid();
            it->setBackground(propria ? QBrush() : fundo);
            it->setForeground(frente);
        }
    // The starters' names in bold: the eleven read at a glance down the list.
    QFont fonte = font();
    fonte.setBold(l.codigo == kTitular);
    item(fila, kColNome)->setFont(fonte);
    QFont passe = font();
    passe.setBold(j.avenda != 0);
    item(fila, kColPasse)->setFont(passe);
    if (j.avenda) {
        item(fila, kColPasse)->setBackground(CorAVenda());
        item(fila, kColPasse)->setForeground(QColor(110, 50, 0));
    }
    PreencherCelulaContrato(*item(fila, kColContrato), j, jogo_.Hoje(), font());
}

QColor GradeElenco::CorContratoEncerrado() {
    return QColor(190, 40, 40);
}

void PreencherCelulaContrato(QTableWidgetItem& celula, const TJogador& j, double hoje,
                             QFont fonte) {
    // Weeks are narrow enough for a 1024-pixel desktop; the date and its
    // state go over them.
    const double restam = j.contrato - hoje;
    const int semanas = static_cast<int>(std::ceil(restam / 7));
    celula.setText(restam < 0 ? QStringLiteral("fim") : QString::number(semanas));
    celula.setTextAlignment(Qt::AlignCenter);
    celula.setToolTip(ui::T(ui::kTextoFimDoContrato) + QStringLiteral(": ") +
                      ui::Q(plataforma::TextoData(j.contrato)) +
                      (restam < 0 ? QStringLiteral(" (encerrado)")
                                  : QStringLiteral(" (%1 semanas)").arg(semanas)));
    fonte.setBold(restam < kDiasAviso);
    celula.setFont(fonte);
    if (restam < 0) {
        celula.setBackground(GradeElenco::CorContratoEncerrado());
        celula.setForeground(Qt::white);
    } else if (restam < kDiasAviso) {
        celula.setBackground(QColor(255, 230, 150));
        celula.setForeground(QColor(110, 60, 0));
    }
}

QColor GradeElenco::CorAVenda() {
    return QColor(255, 214, 140);
}

QMenu* GradeElenco::MenuDaFila(int fila) {
    const int jogador = JogadorDaFila(fila);
    if (jogador <= 0) return nullptr;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(ui::T(ui::kTextoFichaDoJogador) + QStringLiteral("...")),
            &QAction::triggered, this, [this, jogador] { emit abrirJogador(jogador); });
    if (selecao_) return menu;
    connect(menu->addAction(QStringLiteral("Vender jogador...")), &QAction::triggered, this,
            [this, jogador] { emit venderJogador(jogador); });
    connect(menu->addAction(QStringLiteral("Propor novo contrato...")), &QAction::triggered, this,
            [this, jogador] { emit renovarContrato(jogador); });
    QAction* aposentar = menu->addAction(QStringLiteral("Aposentar jogador..."));
    aposentar->setEnabled(PodeAposentar(jogo_.jogadores[jogador]));
    connect(aposentar, &QAction::triggered, this,
            [this, jogador] { emit aposentarJogador(jogador); });
    return menu;
}

void GradeElenco::ModoSelecao() {
    selecao_ = true;
    for (int c : {kColSalario, kColPasse, kColContrato}) setColumnHidden(c, true);
}

void GradeElenco::ClicarStatusDaFila(int fila) {
    if (!ClicarStatus(jogo_, grade_, LinhaDaFila(fila))) return;
    RedesenharFila(fila);
    emit alterada();
}

void GradeElenco::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        const int jogador = JogadorDaFila(currentRow());
        if (jogador > 0) emit abrirJogador(jogador);
        evento->accept();
        return;
    }
    QTableWidget::keyPressEvent(evento);
}

void GradeElenco::ClicouCabecalho(int coluna) {
    if (coluna < 0 || coluna >= kColunas || coluna == kColCodigo) return;
    // The same column again turns the order round.
    const Qt::SortOrder sentido = coluna == coluna_ && sentido_ == Qt::AscendingOrder
                                      ? Qt::DescendingOrder
                                      : Qt::AscendingOrder;
    OrdenarPor(coluna, sentido);
}

void GradeElenco::OrdenarPor(int coluna, Qt::SortOrder sentido) {
    if (coluna < 0 || coluna >= kColunas || coluna == kColCodigo) return;
    coluna_ = coluna;
    sentido_ = sentido;
    Ordenar();
}

void GradeElenco::Ordenar() {
    const int jogador = JogadorDaFila(currentRow());
    const int n = static_cast<int>(grade_.linhas.size());
    std::vector<Chave> chaves;
    chaves.reserve(n);
    for (int linha = 0; linha < n; ++linha)
        chaves.push_back(ChaveDe(jogo_, grade_, linha, coluna_));
    linhas_.resize(n);
    std::iota(linhas_.begin(), linhas_.end(), 0);
    // Equal keys keep the lineup's order, whichever the direction.
    std::stable_sort(linhas_.begin(), linhas_.end(), [&](int a, int b) {
        const int r = Comparar(chaves[a], chaves[b]);
        return sentido_ == Qt::AscendingOrder ? r < 0 : r > 0;
    });
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(coluna_, sentido_);
    Redesenhar();
    if (jogador > 0)
        for (int fila = 0; fila < rowCount(); ++fila)
            if (JogadorDaFila(fila) == jogador) {
                setCurrentCell(fila, std::max(0, currentColumn()));
                break;
            }
}

} // namespace management::telas
