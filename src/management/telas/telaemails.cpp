#include "management/telas/telaemails.hpp"

#include "management/fichajogador.hpp"
#include "plataforma/datas.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/emails.hpp"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace management::telas {

using namespace world;

namespace {

enum Coluna { kColEnvelope, kColData, kColRemetente, kColAssunto, kColunas };

QLabel* Rotulo(int aumento, bool negrito, const char* nome) {
    auto* r = new QLabel;
    r->setObjectName(QString::fromLatin1(nome));
    r->setTextFormat(Qt::PlainText);
    QFont f = r->font();
    f.setPointSize(f.pointSize() + aumento);
    f.setBold(negrito);
    r->setFont(f);
    return r;
}

// A panel of one plain colour, so that text reads on it.
void Fundo(QWidget* w, const QColor& cor) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, cor);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

QPixmap FiguraEnvelope(bool lido, bool pergunta) {
    QPixmap p(22, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF corpo(1.5, 4.5, 17, 10);
    const QColor borda = lido ? QColor(120, 120, 120) : QColor(30, 80, 150);
    g.setPen(QPen(borda, 1));
    g.setBrush(lido ? QColor(236, 236, 230) : QColor(255, 248, 210));
    if (lido) {
        // Open: the flap stands up behind the letter.
        QPainterPath aba;
        aba.moveTo(corpo.left(), corpo.top());
        aba.lineTo(corpo.center().x(), 0.5);
        aba.lineTo(corpo.right(), corpo.top());
        g.drawPath(aba);
        g.drawRect(corpo);
        g.drawLine(corpo.bottomLeft(), QPointF(corpo.center().x(), corpo.top() + 5));
        g.drawLine(corpo.bottomRight(), QPointF(corpo.center().x(), corpo.top() + 5));
    } else {
        g.drawRect(corpo);
        g.drawLine(corpo.topLeft(), QPointF(corpo.center().x(), corpo.top() + 6));
        g.drawLine(corpo.topRight(), QPointF(corpo.center().x(), corpo.top() + 6));
    }
    if (pergunta) {
        // A question waiting for its answer.
        const QRectF bola(12.5, 7.5, 9, 9);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(220, 110, 20));
        g.drawEllipse(bola);
        g.setPen(Qt::white);
        QFont f = g.font();
        f.setPixelSize(8);
        f.setBold(true);
        g.setFont(f);
        g.drawText(bola, Qt::AlignCenter, QStringLiteral("?"));
    }
    return p;
}

TelaEmails::TelaEmails(Jogo& jogo, int clube, QWidget* pai)
    : QDialog(pai), jogo_(jogo), clube_(clube) {
    setWindowTitle(QStringLiteral("Sua caixa de emails"));
    setModal(true);

    auto* titulo = new QHBoxLayout;
    auto* nome = Rotulo(5, true, "titulo");
    nome->setText(QStringLiteral("Sua caixa de emails"));
    titulo->addWidget(nome);
    titulo->addStretch();
    naolidas_ = Rotulo(1, true, "naolidas");
    titulo->addWidget(naolidas_);

    auto* clubenome = Rotulo(1, false, "clube");
    if (clube >= 0 && clube < static_cast<int>(jogo.times.size()))
        clubenome->setText(ui::Q(jogo.times[clube].nome.view()));

    lista_ = new QTreeWidget;
    lista_->setObjectName(QStringLiteral("lista"));
    lista_->setColumnCount(kColunas);
    lista_->setHeaderLabels(
        {QString(), QStringLiteral("Data"), QStringLiteral("De"), QStringLiteral("Assunto")});
    lista_->setRootIsDecorated(false);
    lista_->setUniformRowHeights(true);
    lista_->setAlternatingRowColors(true);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setIconSize(QSize(22, 16));
    QHeaderView* cab = lista_->header();
    cab->setStretchLastSection(true);
    cab->setSectionsMovable(false);
    cab->setSectionResizeMode(kColEnvelope, QHeaderView::Fixed);
    lista_->setColumnWidth(kColEnvelope, 34);
    lista_->setColumnWidth(kColData, 96);
    lista_->setColumnWidth(kColRemetente, 170);
    lista_->setMinimumHeight(150);
    // The selection, not the current row: the list takes a current row of its
    // own when it gets the focus, and that must not read a message.
    connect(lista_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> itens = lista_->selectedItems();
        const int linha = itens.isEmpty() ? -1 : lista_->indexOfTopLevelItem(itens.first());
        Mostrar(linha >= 0 && linha < static_cast<int>(emails_.size()) ? emails_[linha] : -1);
    });

    fechar_ = new QPushButton(ui::T(ui::kTextoFechar));
    fechar_->setObjectName(QStringLiteral("fechar"));
    fechar_->setAutoDefault(false);
    connect(fechar_, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(fechar_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titulo);
    layout->addWidget(clubenome);
    layout->addSpacing(4);
    layout->addWidget(lista_, 5);
    layout->addWidget(MontarLeitura(), 4);
    layout->addLayout(rodape);

    Preencher();
    Mostrar(-1);
    ui::Dimensionar(this, QSize(860, 620));
}

QWidget* TelaEmails::MontarLeitura() {
    auto* quadro = new QFrame;
    quadro->setObjectName(QStringLiteral("leitura"));
    quadro->setFrameShape(QFrame::StyledPanel);
    Fundo(quadro, QColor(252, 252, 248));
    auto* v = new QVBoxLayout(quadro);
    v->setContentsMargins(14, 10, 14, 10);

    assunto_ = Rotulo(3, true, "assunto");
    assunto_->setWordWrap(true);
    v->addWidget(assunto_);
    auto* linha = new QHBoxLayout;
    remetente_ = Rotulo(0, false, "remetente");
    data_ = Rotulo(0, false, "data");
    linha->addWidget(remetente_);
    linha->addStretch();
    linha->addWidget(data_);
    v->addLayout(linha);
    auto* traco = new QFrame;
    traco->setFrameShape(QFrame::HLine);
    traco->setFrameShadow(QFrame::Sunken);
    v->addWidget(traco);

    texto_ = Rotulo(1, false, "texto");
    texto_->setWordWrap(true);
    texto_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    texto_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    v->addWidget(texto_, 1);

    pergunta_ = new QFrame;
    pergunta_->setObjectName(QStringLiteral("pergunta"));
    pergunta_->setFrameShape(QFrame::StyledPanel);
    Fundo(pergunta_, QColor(255, 240, 200));
    auto* h = new QHBoxLayout(pergunta_);
    h->setContentsMargins(10, 6, 10, 6);
    textopergunta_ = Rotulo(0, true, "textopergunta");
    textopergunta_->setWordWrap(true);
    h->addWidget(textopergunta_, 1);
    sim_ = new QPushButton(QStringLiteral("Sim"));
    sim_->setObjectName(QStringLiteral("sim"));
    nao_ = new QPushButton(QStringLiteral("Não"));
    nao_->setObjectName(QStringLiteral("nao"));
    for (QPushButton* b : {sim_, nao_}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(80);
        h->addWidget(b);
    }
    connect(sim_, &QPushButton::clicked, this, [this] { Responder(true); });
    connect(nao_, &QPushButton::clicked, this, [this] { Responder(false); });
    v->addWidget(pergunta_);

    respondido_ = Rotulo(0, false, "respondido");
    respondido_->setStyleSheet(QStringLiteral("QLabel { color: #105010; }"));
    v->addWidget(respondido_);
    return quadro;
}

void TelaEmails::Preencher() {
    emails_ = EmailsDoClube(jogo_, clube_);
    lista_->clear();
    for (int i : emails_) {
        const TEmail& e = jogo_.emails[i];
        auto* item = new QTreeWidgetItem;
        item->setText(kColData, ui::Q(plataforma::TextoData(DataDoEmail(e))));
        item->setText(kColRemetente, ui::Q(RemetenteDoEmail(e)));
        item->setText(kColAssunto, ui::Q(AssuntoDoEmail(jogo_, e)));
        item->setToolTip(kColAssunto, item->text(kColAssunto));
        lista_->addTopLevelItem(item);
        MarcarLinha(item);
    }
    AtualizarNaoLidas();
}

// Unread rows in bold with a closed envelope; a question still open shows
// on the envelope.
void TelaEmails::MarcarLinha(QTreeWidgetItem* item) {
    const int linha = lista_->indexOfTopLevelItem(item);
    if (linha < 0 || linha >= static_cast<int>(emails_.size())) return;
    const TEmail& e = jogo_.emails[emails_[linha]];
    item->setIcon(kColEnvelope, QIcon(FiguraEnvelope(e.lido != 0, e.pergunta != 0)));
    for (int c = 0; c < kColunas; ++c) {
        QFont f = lista_->font();
        f.setBold(!e.lido);
        item->setFont(c, f);
    }
}

void TelaEmails::AtualizarNaoLidas() {
    naolidas_->setText(ui::Q(TextoNoticias(jogo_, clube_)));
}

void TelaEmails::Selecionar(int linha) {
    if (QTreeWidgetItem* item = lista_->topLevelItem(linha)) lista_->setCurrentItem(item);
}

void TelaEmails::Mostrar(int indice) {
    atual_ = indice >= 0 && indice < static_cast<int>(jogo_.emails.size()) ? indice : -1;
    respondido_->clear();
    if (atual_ < 0) {
        assunto_->setText(emails_.empty() ? QStringLiteral("Nenhuma mensagem na caixa.")
                                          : QStringLiteral("Selecione uma mensagem para lê-la."));
        remetente_->clear();
        data_->clear();
        texto_->clear();
        pergunta_->hide();
        return;
    }
    MarcarEmailLido(jogo_, atual_);
    const TEmail& e = jogo_.emails[atual_];
    assunto_->setText(ui::Q(AssuntoDoEmail(jogo_, e)));
    remetente_->setText(QStringLiteral("De: ") + ui::Q(RemetenteDoEmail(e)));
    data_->setText(ui::Q(plataforma::TextoData(DataDoEmail(e))));
    texto_->setText(ui::Q(CorpoDoEmail(jogo_, e)));
    const std::string pergunta = PerguntaDoEmail(e);
    textopergunta_->setText(ui::Q(pergunta));
    pergunta_->setVisible(!pergunta.empty());
    MarcarSelecionada();
    AtualizarNaoLidas();
}

void TelaEmails::Responder(bool sim) {
    if (atual_ < 0) return;
    ResponderEmail(jogo_, atual_, sim);
    pergunta_->hide();
    respondido_->setText(QStringLiteral("Resposta enviada: ") +
                         (sim ? QStringLiteral("Sim") : QStringLiteral("Não")) + QLatin1Char('.'));
    MarcarSelecionada();
}

void TelaEmails::MarcarSelecionada() {
    for (QTreeWidgetItem* item : lista_->selectedItems()) MarcarLinha(item);
}

} // namespace management::telas
