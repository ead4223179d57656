#include "competitions/telas/chaveamento.hpp"

#include "ui/fundo.hpp"
#include "ui/textos.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace competitions::telas {

using namespace world;

CaixaConfronto::CaixaConfronto(QWidget* pai) : QFrame(pai) {
    setObjectName(QStringLiteral("caixa"));
    setStyleSheet(QStringLiteral(
        "QFrame#caixa { background: rgba(255,255,255,200); border: 1px solid black; }"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(2, 0, 2, 0); // every pixel of height for the names
    v->setSpacing(0);
    nomes_ = new QLabel;
    nomes_->setAlignment(Qt::AlignCenter);
    nomes_->setWordWrap(true);
    nomes_->setTextFormat(Qt::RichText);
    // The names take what the score line leaves; they never push the box.
    nomes_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    placar_ = new QLabel;
    placar_->setAlignment(Qt::AlignCenter);
    placar_->setTextFormat(Qt::PlainText);
    placar_->setFixedHeight(placar_->fontMetrics().height());
    placar_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    placar_->hide();
    v->addWidget(nomes_, 1);
    v->addWidget(placar_);
    setMinimumWidth(180); // five phases side by side on a 1024-wide screen
}

void CaixaConfronto::Mostrar(int numero, const QString& a, const QString& b, int vencedor,
                             const QString& placar) {
    numero_ = numero;
    a_ = a;
    b_ = b;
    vencedor_ = vencedor;
    placar_->setText(placar);
    placar_->setVisible(!placar.isEmpty());
    setToolTip(a + QStringLiteral(" x ") + b +
               (placar.isEmpty() ? QString() : QStringLiteral("\n") + placar));
    Encaixar();
}

void CaixaConfronto::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    Encaixar();
}

void CaixaConfronto::Encaixar() {
    const QMargins m = layout()->contentsMargins();
    const QRect area = contentsRect().marginsRemoved(m);
    const int largura = std::max(1, area.width());
    const int altura = area.height() - (placar_->isVisibleTo(this) ? placar_->height() : 0);
    QFont negrito = nomes_->font();
    negrito.setBold(true);
    const QFontMetrics normal(nomes_->font()), forte(negrito);
    // Each name at most `limite` wide: whole while the box holds them,
    // shorter and shorter until it does.
    auto texto = [&](int limite) {
        auto nome = [&](const QString& n, bool venceu) {
            const QString curto =
                (venceu ? forte : normal).elidedText(n, Qt::ElideRight, limite).toHtmlEscaped();
            return venceu ? QStringLiteral("<b>") + curto + QStringLiteral("</b>") : curto;
        };
        return QStringLiteral("<small>%1</small> ").arg(numero_) + nome(a_, vencedor_ == 1) +
               QStringLiteral(" x ") + nome(b_, vencedor_ == 2);
    };
    for (int limite = largura;; limite -= 8) {
        nomes_->setText(texto(std::max(limite, 24)));
        if (limite <= 24 || nomes_->heightForWidth(largura) <= altura) break;
    }
}

void Chaveamento::Montar(QGridLayout* grade, const Formato& formato, Nomeador nome) {
    nome_ = std::move(nome);
    const std::vector<int>& fases = formato.fases;
    const int nfases = static_cast<int>(fases.size());
    const bool terceiro = !formato.terceiro.isEmpty();
    // Rows of the first phase's boxes (two each where the final takes the
    // upper half's middle), under the captions' row.
    const int linhas = fases.empty() ? 1 : fases.front() * (terceiro ? 2 : 1);
    const int topo = formato.titulos.empty() ? 0 : 1;
    auto legenda = [](const QString& texto) {
        auto* r = new QLabel(texto);
        r->setAlignment(Qt::AlignCenter);
        ui::FaixaClara(r);
        return r;
    };
    for (int f = 0; f < nfases; ++f) {
        if (f < static_cast<int>(formato.titulos.size()))
            grade->addWidget(legenda(formato.titulos[f]), 0, f);
        const bool ultima = f + 1 == nfases;
        for (int i = 0; i < fases[f]; ++i) {
            auto* c = new CaixaConfronto;
            if (ultima && terceiro) {
                // The final in the upper half, the match for third place in
                // the lower one.
                if (i == 1)
                    grade->addWidget(legenda(formato.terceiro), topo + linhas / 2, f,
                                     Qt::AlignBottom);
                grade->addWidget(c, topo + i * linhas / 2 + linhas / 8, f, std::max(1, linhas / 4),
                                 1);
            } else {
                const int altura = linhas / fases[f];
                grade->addWidget(c, topo + i * altura, f, altura, 1);
            }
            caixas_.push_back(c);
        }
    }
    for (int r = topo; r < topo + linhas; ++r) grade->setRowStretch(r, 1);
}

CaixaConfronto* Chaveamento::Caixa(int k) const {
    return k >= 0 && k < NumeroDeCaixas() ? caixas_[k] : nullptr;
}

void Chaveamento::Mostrar(int k, int a, int b, int vencedor, const QString& placar) const {
    CaixaConfronto* c = Caixa(k);
    if (!c) return;
    const int lado = vencedor < 0 ? 0 : vencedor == a ? 1 : vencedor == b ? 2 : 0;
    c->Mostrar(k + 1, nome_(a), nome_(b), lado, placar);
}

QString NomeNaChave(const Jogo& jogo, int clube) {
    return jogo.TimeValido(clube) ? ui::Q(jogo.times[clube].nome.view()) : QStringLiteral("-");
}

} // namespace competitions::telas
