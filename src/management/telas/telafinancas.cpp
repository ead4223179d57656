#include "management/telas/telafinancas.hpp"

#include "management/financas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <climits>
#include <string>

namespace management::telas {
namespace {

// Season sums may pass what one club's cash can hold; beyond that the
// written form has no digit groups anyway, so the plain number is shown.
QString TextoValor(std::int64_t v) {
    if (v >= INT_MIN && v <= INT_MAX) return ui::Dinheiro(static_cast<int>(v));
    return QStringLiteral("$") + QString::number(v);
}

class Linhas {
public:
    explicit Linhas(QGridLayout* grade) : grade_(grade) {}

    void Titulo(const QString& texto) {
        auto* r = new QLabel(texto);
        QFont f = r->font();
        f.setBold(true);
        r->setFont(f);
        grade_->addWidget(r, linha_++, 0, 1, 2);
    }
    void Valor(const QString& rotulo, std::int64_t v, const char* nome, bool destaque = false) {
        auto* r = new QLabel(rotulo);
        auto* n = new QLabel(TextoValor(v));
        n->setObjectName(QString::fromLatin1(nome));
        n->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (destaque) {
            QFont f = n->font();
            f.setBold(true);
            n->setFont(f);
            r->setFont(f);
        }
        if (v < 0) n->setStyleSheet(QStringLiteral("color: #b00000;"));
        grade_->addWidget(r, linha_, 0);
        grade_->addWidget(n, linha_++, 1);
    }
    void Separador() {
        auto* s = new QFrame;
        s->setFrameShape(QFrame::HLine);
        s->setFrameShadow(QFrame::Sunken);
        grade_->addWidget(s, linha_++, 0, 1, 2);
    }

private:
    QGridLayout* grade_;
    int linha_ = 0;
};

} // namespace

TelaFinancas::TelaFinancas(const world::Jogo& jogo, int clube, QWidget* pai) : QDialog(pai) {
    setWindowTitle(QStringLiteral("Finanças"));
    setModal(true);
    const ResumoFinancas r = ResumirFinancas(jogo, clube);

    auto* cabecalho = new QLabel;
    if (clube >= 0 && static_cast<std::size_t>(clube) < jogo.times.size())
        cabecalho->setText(ui::Q(jogo.times[clube].nome.view()));
    QFont fc = cabecalho->font();
    fc.setBold(true);
    fc.setPointSizeF(fc.pointSizeF() * 1.3);
    cabecalho->setFont(fc);

    auto* grade = new QGridLayout;
    grade->setColumnMinimumWidth(1, 140);
    grade->setHorizontalSpacing(24);
    Linhas l(grade);
    l.Titulo(QStringLiteral("Entradas:"));
    l.Valor(QStringLiteral("Ingressos"), r.ingressos, "ingressos");
    l.Valor(QStringLiteral("Venda de jogadores"), r.vendas, "vendas");
    l.Valor(QStringLiteral("Prêmios"), r.premios, "premios");
    l.Valor(QStringLiteral("Empréstimo bancário"), r.emprestimo, "emprestimo");
    l.Valor(QStringLiteral("Patrocínio"), r.patrocinio, "patrocinio");
    l.Valor(QStringLiteral("Sub-total"), r.entradas, "entradas", true);
    l.Separador();
    l.Titulo(QStringLiteral("Saídas:"));
    l.Valor(QStringLiteral("Compra de jogadores"), r.compras, "compras");
    l.Valor(QStringLiteral("Obras no estádio"), r.estadio, "estadio");
    l.Valor(QStringLiteral("Salários"), r.salarios, "salarios");
    l.Valor(QStringLiteral("Juros"), r.juros, "juros");
    l.Valor(QStringLiteral("Multas rescisórias"), r.multas, "multas");
    l.Valor(QStringLiteral("Sub-total"), r.saidas, "saidas", true);
    l.Separador();
    l.Valor(QStringLiteral("Saldo:"), r.saldo, "saldo", true);
    l.Separador();
    if (r.emprestimo > 0)
        l.Valor(QStringLiteral("Juros semanais:"), r.jurossemanais, "jurossemanais");
    l.Valor(QStringLiteral("Salário semanal:"), r.salariosemanal, "salariosemanal");
    l.Valor(QStringLiteral("Dinheiro em caixa:"), r.dinheiro, "dinheiro", true);

    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar), this);
    fechar->setObjectName(QStringLiteral("fechar"));
    fechar->setDefault(true);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(fechar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cabecalho);
    layout->addSpacing(8);
    layout->addLayout(grade);
    layout->addStretch();
    layout->addLayout(rodape);
    setMinimumWidth(380);
}

} // namespace management::telas
