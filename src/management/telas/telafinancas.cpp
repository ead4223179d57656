#include "management/telas/telafinancas.hpp"

#include "management/financas.hpp"
#include "management/rendaemcasa.hpp"
#include "ui/graficos.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QChart>
#include <QChartView>
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

constexpr int kSubtotal = 2957;

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
    setWindowTitle(ui::T(2950));
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
    l.Titulo(ui::T(2951));
    l.Valor(ui::T(2952), r.ingressos, "ingressos");
    l.Valor(ui::T(2953), r.vendas, "vendas");
    l.Valor(ui::T(2954), r.premios, "premios");
    l.Valor(ui::T(2955), r.emprestimo, "emprestimo");
    l.Valor(ui::T(2956), r.patrocinio, "patrocinio");
    l.Valor(ui::T(kSubtotal), r.entradas, "entradas", true);
    l.Separador();
    l.Titulo(ui::T(2958));
    l.Valor(ui::T(2959), r.compras, "compras");
    l.Valor(ui::T(2960), r.estadio, "estadio");
    l.Valor(ui::T(2961), r.salarios, "salarios");
    l.Valor(ui::T(2962), r.juros, "juros");
    l.Valor(ui::T(2963), r.multas, "multas");
    l.Valor(ui::T(kSubtotal), r.saidas, "saidas", true);
    l.Separador();
    l.Valor(ui::T(2964), r.saldo, "saldo", true);
    l.Separador();
    if (r.emprestimo > 0) l.Valor(ui::T(2965), r.jurossemanais, "jurossemanais");
    l.Valor(ui::T(2966), r.salariosemanal, "salariosemanal");
    l.Valor(ui::T(2967), r.dinheiro, "dinheiro", true);

    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar), this);
    fechar->setObjectName(QStringLiteral("fechar"));
    fechar->setDefault(true);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(fechar);

    // The statement by kind: income bars first, then the outgoings.
    auto* extrato = ui::NovoGrafico(ui::T(2930));
    extrato->setObjectName(QStringLiteral("extrato"));
    extrato_ = extrato->chart();
    QStringList tipos;
    for (int n = 2940; n <= 2949; ++n) tipos << ui::T(n);
    const std::int64_t valores[10] = {r.ingressos,  r.vendas,  r.premios, r.emprestimo,
                                      r.patrocinio, r.compras, r.estadio, r.salarios,
                                      r.juros,      r.multas};
    ui::Serie entradas{ui::T(2931), {}, {}, false, false},
        saidas{ui::T(2932), {}, {}, false, false};
    for (int k = 0; k < 10; ++k) {
        entradas.valores.push_back(k < 5 ? static_cast<double>(valores[k]) : 0.0);
        saidas.valores.push_back(k < 5 ? 0.0 : static_cast<double>(valores[k]));
    }
    ui::MostrarBarras(extrato_, tipos, {entradas, saidas}, QString(), ui::Barras::deitadas, true);

    auto* salarios = ui::NovoGrafico(ui::T(2935));
    salarios->setObjectName(QStringLiteral("salarios"));
    salarios_ = salarios->chart();
    const int renda = RendaMediaEmCasa(jogo, clube);
    ui::MostrarBarras(salarios_, {ui::T(2933), ui::T(2934)},
                      {{ui::T(2935), {double(r.salariosemanal), double(renda)}, {}, false, false}},
                      QString(), ui::Barras::deitadas, true);
    salarios_->legend()->hide();
    aviso_ = new QLabel(ui::T(2936));
    aviso_->setObjectName(QStringLiteral("aviso"));
    aviso_->setWordWrap(true);
    aviso_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    aviso_->setVisible(r.salariosemanal > renda);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(cabecalho);
    esquerda->addSpacing(8);
    esquerda->addLayout(grade);
    esquerda->addStretch();
    auto* direita = new QVBoxLayout;
    direita->addWidget(extrato, 3);
    direita->addWidget(salarios, 2);
    direita->addWidget(aviso_);
    auto* meio = new QHBoxLayout;
    meio->addLayout(esquerda);
    meio->addLayout(direita, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(meio, 1);
    layout->addLayout(rodape);
    setMinimumWidth(380);
    ui::Dimensionar(this, QSize(980, 640));
}

} // namespace management::telas
