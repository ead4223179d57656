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

// Each kind of money in the statement: its line, its short name on the
// chart's bars, its figure, the line's object name.
struct Tipo {
    int texto, curto;
    std::int64_t ResumoFinancas::*campo;
    const char* nome;
};
constexpr Tipo kEntradas[] = {{2952, 2940, &ResumoFinancas::ingressos, "ingressos"},
                              {2953, 2941, &ResumoFinancas::vendas, "vendas"},
                              {2954, 2942, &ResumoFinancas::premios, "premios"},
                              {2955, 2943, &ResumoFinancas::emprestimo, "emprestimo"},
                              {2956, 2944, &ResumoFinancas::patrocinio, "patrocinio"}};
constexpr Tipo kSaidas[] = {{2959, 2945, &ResumoFinancas::compras, "compras"},
                            {2960, 2946, &ResumoFinancas::estadio, "estadio"},
                            {2961, 2947, &ResumoFinancas::salarios, "salarios"},
                            {2962, 2948, &ResumoFinancas::juros, "juros"},
                            {2963, 2949, &ResumoFinancas::multas, "multas"}};

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
    for (const Tipo& t : kEntradas) l.Valor(ui::T(t.texto), r.*t.campo, t.nome);
    l.Valor(ui::T(kSubtotal), r.entradas, "entradas", true);
    l.Separador();
    l.Titulo(ui::T(2958));
    for (const Tipo& t : kSaidas) l.Valor(ui::T(t.texto), r.*t.campo, t.nome);
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
    ui::Serie entradas{ui::T(2931), {}, {}, false, false},
        saidas{ui::T(2932), {}, {}, false, false};
    for (const Tipo& t : kEntradas) {
        tipos << ui::T(t.curto);
        entradas.valores.push_back(static_cast<double>(r.*t.campo));
        saidas.valores.push_back(0.0);
    }
    for (const Tipo& t : kSaidas) {
        tipos << ui::T(t.curto);
        entradas.valores.push_back(0.0);
        saidas.valores.push_back(static_cast<double>(r.*t.campo));
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
