#include "management/telas/telaleilao.hpp"

#include "management/telas/figurasgrade.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/posicoes.hpp"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdint>

namespace management::telas {

using namespace world;

namespace {

constexpr int kMaximoMilhares = 2'147'483;

bool Clube(const Jogo& jogo, int c) {
    return c >= 0 && c < static_cast<int>(jogo.times.size());
}

QString NomeClube(const Jogo& jogo, int c) {
    return Clube(jogo, c) ? ui::Q(jogo.times[c].nome.view()) : QStringLiteral("-");
}

QString NomeTecnico(const Jogo& jogo, int c) {
    if (!Clube(jogo, c)) return {};
    const int t = jogo.times[c].tecnico;
    return t >= 0 && t < static_cast<int>(jogo.tecnicos.size())
               ? ui::Q(jogo.tecnicos[t].nome.view())
               : QString();
}

QLabel* Negrito(const QString& texto, int aumento = 0) {
    auto* r = new QLabel(texto);
    QFont f = r->font();
    f.setBold(true);
    if (aumento) f.setPointSize(f.pointSize() + aumento);
    r->setFont(f);
    r->setTextFormat(Qt::PlainText);
    return r;
}

// Money on this screen and its result never breaks across two lines.
QLabel* Dinheiro(i32 valor) {
    auto* r = Negrito(ui::DinheiroSemQuebra(valor));
    r->setToolTip(ui::DinheiroExtenso(valor));
    return r;
}

QFormLayout* Formulario() {
    auto* f = new QFormLayout;
    f->setLabelAlignment(Qt::AlignRight);
    f->setHorizontalSpacing(10);
    return f;
}

} // namespace

TelaLeilao::TelaLeilao(const Jogo& jogo, const Leilao& l, QWidget* pai)
    : QDialog(pai), jogo_(jogo), leilao_(l),
      caixa_(Clube(jogo, l.vez) ? jogo.times[l.vez].dinheiro : 0) {
    setWindowTitle(QStringLiteral("Venda de jogador em leilão"));
    setModal(true);

    // Whose turn it is: several humans may share the keyboard.
    vez_ = Negrito({}, 3);
    vez_->setObjectName(QStringLiteral("vez"));
    const QString tecnico = NomeTecnico(jogo, l.vez);
    vez_->setText((tecnico.isEmpty()
                       ? QString()
                       : QStringLiteral("Vez de ") + tecnico + QStringLiteral(" - ")) +
                  NomeClube(jogo, l.vez));
    vez_->setAlignment(Qt::AlignCenter);
    vez_->setStyleSheet(QStringLiteral("QLabel { background: #234d20; color: white;"
                                       " padding: 6px; }"));

    auto* instrucao =
        new QLabel(QStringLiteral("Faça aqui sua oferta em milhares de $, por exemplo: 300 equivale"
                                  " à 300 mil, 1200 à 1 milhão e duzentos etc"));
    instrucao->setWordWrap(true);
    campo_ = new QLineEdit;
    campo_->setObjectName(QStringLiteral("lance"));
    campo_->setValidator(new QIntValidator(0, kMaximoMilhares, campo_));
    campo_->setAlignment(Qt::AlignRight);
    campo_->setFixedWidth(150);
    campo_->setPlaceholderText(QStringLiteral("milhares de $"));
    connect(campo_, &QLineEdit::textEdited, this, &TelaLeilao::Digitou);
    connect(campo_, &QLineEdit::returnPressed, this, &TelaLeilao::DarLance);
    extenso_ = new QLabel;
    extenso_->setObjectName(QStringLiteral("extenso"));
    auto* entrada = new QHBoxLayout;
    entrada->addWidget(campo_);
    entrada->addWidget(extenso_, 1);
    erro_ = Negrito({});
    erro_->setObjectName(QStringLiteral("erro"));
    erro_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
    erro_->setWordWrap(true);

    darlance_ = new QPushButton(QStringLiteral("Dar lance"));
    darlance_->setObjectName(QStringLiteral("darlance"));
    darlance_->setMinimumHeight(32);
    darlance_->setAutoDefault(false);
    connect(darlance_, &QPushButton::clicked, this, &TelaLeilao::DarLance);
    semlance_ = new QPushButton(QStringLiteral("Não dar lance"));
    semlance_->setObjectName(QStringLiteral("semlance"));
    semlance_->setAutoDefault(false);
    connect(semlance_, &QPushButton::clicked, this, &QDialog::reject);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(darlance_);
    botoes->addStretch();
    botoes->addWidget(semlance_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(vez_);
    layout->addWidget(MontarJogador(l));
    layout->addWidget(MontarLeilao(l));
    layout->addSpacing(6);
    layout->addWidget(instrucao);
    layout->addLayout(entrada);
    layout->addWidget(erro_);
    layout->addStretch();
    layout->addLayout(botoes);

    // A club in debt cannot bid: it is told so, and its bid is none.
    if (RecusaDoLance(jogo_, leilao_, 1) == RecusaLance::SaldoNegativo) {
        erro_->setText(QStringLiteral("Saldo negativo, seu lance foi 0."));
        campo_->setEnabled(false);
        darlance_->hide();
        semlance_->setText(QStringLiteral("OK"));
        semlance_->setFocus();
    } else {
        campo_->setFocus();
    }
    Digitou();
    // The instructions wrap: the height is the one their lines need at the
    // width the screen opens at.
    constexpr int kLargura = 580;
    ui::Dimensionar(this, QSize(kLargura, heightForWidth(kLargura)));
}

QWidget* TelaLeilao::MontarJogador(const Leilao& l) {
    auto* quadro = new QGroupBox;
    auto* v = new QVBoxLayout(quadro);
    const bool valido = l.jogador > 0 && l.jogador < static_cast<int>(jogo_.jogadores.size());
    static const TJogador kNinguem{};
    const TJogador& j = valido ? jogo_.jogadores[l.jogador] : kNinguem;

    auto* titulo = new QHBoxLayout;
    auto* nome = Negrito(valido ? ui::Q(j.nome.view()) : QStringLiteral("-"), 4);
    nome->setObjectName(QStringLiteral("nome"));
    titulo->addWidget(nome);
    if (j.estrela) {
        auto* estrela = new QLabel;
        estrela->setPixmap(FiguraCondicao(12, false));
        estrela->setToolTip(ui::T(ui::kTextoCraque));
        titulo->addWidget(estrela);
    }
    titulo->addStretch();
    v->addLayout(titulo);

    auto* a = Formulario();
    a->addRow(ui::T(ui::kTextoPosicao) + ':', Negrito(ui::Q(NomePosicao(j.posicao))));
    a->addRow(ui::T(ui::kTextoForca) + ':', Negrito(QString::number(j.forca)));
    a->addRow(ui::T(ui::kTextoIdade) + ':', Negrito(QString::number(j.idade)));
    auto* b = Formulario();
    auto* clube = Negrito(NomeClube(jogo_, valido ? j.time : -1));
    clube->setObjectName(QStringLiteral("clube"));
    b->addRow(QStringLiteral("Clube:"), clube);
    b->addRow(ui::T(ui::kTextoPasse) + ':', Dinheiro(j.passe));
    b->addRow(ui::T(ui::kTextoSalario) + ':', Dinheiro(j.salario));
    auto* dados = new QHBoxLayout;
    dados->addLayout(a);
    dados->addSpacing(24);
    dados->addLayout(b, 1);
    v->addLayout(dados);
    return quadro;
}

QWidget* TelaLeilao::MontarLeilao(const Leilao& l) {
    auto* quadro = new QGroupBox;
    auto* f = Formulario();
    quadro->setLayout(f);
    auto* inicial = Dinheiro(l.precoinicial);
    inicial->setObjectName(QStringLiteral("precoinicial"));
    f->addRow(QStringLiteral("Preço inicial:"), inicial);
    QLabel* melhor = l.melhorlicitante >= 0
                         ? Negrito(ui::DinheiroSemQuebra(l.melhorlance) + QStringLiteral(" - ") +
                                   NomeClube(jogo_, l.melhorlicitante))
                         : Negrito(QStringLiteral("nenhum lance ainda"));
    melhor->setObjectName(QStringLiteral("melhorlance"));
    f->addRow(QStringLiteral("Melhor lance até agora:"), melhor);
    auto* caixa = Dinheiro(caixa_);
    caixa->setObjectName(QStringLiteral("caixa"));
    if (caixa_ < 0) caixa->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
    f->addRow(QStringLiteral("Seu dinheiro em caixa:"), caixa);
    if (l.restantes > 0)
        f->addRow(QStringLiteral("Leilões depois deste:"), Negrito(QString::number(l.restantes)));
    return quadro;
}

void TelaLeilao::Digitou() {
    erro_->setText(caixa_ < 0 ? erro_->text() : QString());
    bool ok = false;
    const std::int64_t milhares = campo_->text().toLongLong(&ok);
    extenso_->setText(
        ok && milhares > 0
            ? QStringLiteral("= ") + ui::DinheiroSemQuebra(static_cast<i32>(milhares * 1000)) +
                  QStringLiteral("  (") + ui::DinheiroExtenso(static_cast<i32>(milhares * 1000)) +
                  QLatin1Char(')')
            : QString());
}

void TelaLeilao::DarLance() {
    lance_ = 0;
    bool ok = false;
    const std::int64_t milhares = campo_->text().toLongLong(&ok);
    const i32 valor = ok && milhares > 0 ? static_cast<i32>(milhares * 1000) : 0;
    QString motivo;
    switch (RecusaDoLance(jogo_, leilao_, valor)) {
    case RecusaLance::Nenhuma:
        lance_ = valor;
        accept();
        return;
    case RecusaLance::SemLance: // nothing typed is no bid
    case RecusaLance::SaldoNegativo:
        reject();
        return;
    case RecusaLance::AcimaDoCaixa:
        motivo = QStringLiteral("Valor maior que seu dinheiro em caixa");
        break;
    case RecusaLance::AbaixoDoInicial:
        motivo = ui::T(2815) + ' ' + ui::DinheiroSemQuebra(leilao_.precoinicial) + QLatin1Char('.');
        break;
    }
    erro_->setText(motivo);
    campo_->setFocus();
    campo_->selectAll();
}

QString TextoFimDoLeilao(const Jogo& jogo, const Leilao& l, const ResultadoLeilao& r) {
    if (r.comprador >= 0)
        return NomeClube(jogo, r.comprador) + QStringLiteral(" - ") +
               ui::DinheiroSemQuebra(r.preco);
    return QStringLiteral("Ninguém comprou o jogador: ele continua no ") +
           NomeClube(jogo, l.vendedor) + QLatin1Char('.');
}

void MostrarFimDoLeilao(const Jogo& jogo, const Leilao& l, const ResultadoLeilao& r, QWidget* pai) {
    const bool valido = l.jogador > 0 && l.jogador < static_cast<int>(jogo.jogadores.size());
    QMessageBox caixa(pai);
    caixa.setObjectName(QStringLiteral("fimdoleilao"));
    caixa.setWindowTitle(QStringLiteral("Venda de jogador em leilão"));
    caixa.setIcon(QMessageBox::Information);
    caixa.setText(QStringLiteral("<b>") +
                  (valido ? ui::Q(jogo.jogadores[l.jogador].nome.view()).toHtmlEscaped()
                          : QStringLiteral("-")) +
                  QStringLiteral("</b>"));
    caixa.setInformativeText((r.comprador >= 0 ? QStringLiteral("Vendido para: ") : QString()) +
                             TextoFimDoLeilao(jogo, l, r).toHtmlEscaped());
    caixa.setStandardButtons(QMessageBox::Ok);
    caixa.exec();
}

} // namespace management::telas
