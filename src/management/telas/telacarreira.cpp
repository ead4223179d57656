#include "management/telas/telacarreira.hpp"

#include "management/mercado.hpp"
#include "ui/textos.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace management::telas {

using namespace world;

namespace {

QString NomeClube(const Jogo& jogo, int c) {
    return jogo.TimeValido(c) ? ui::Q(jogo.times[c].nome.view()) : QString();
}
QString NomeTecnico(const Jogo& jogo, int k) {
    return jogo.TecnicoValido(k) ? ui::Q(jogo.tecnicos[k].nome.view()) : QString();
}

QLabel* Titulo(const QString& texto) {
    auto* l = new QLabel(texto);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* Paragrafo(const QString& texto) {
    auto* l = new QLabel(texto);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// OK, Enter and Escape all close a notice.
void BotaoOk(QDialog* d, QVBoxLayout* v) {
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, d);
    QObject::connect(ok, &QDialogButtonBox::accepted, d, &QDialog::accept);
    QObject::connect(ok, &QDialogButtonBox::rejected, d, &QDialog::accept);
    ok->button(QDialogButtonBox::Ok)->setDefault(true);
    v->addWidget(ok);
}

} // namespace

QString TextoDaDemissao(const Jogo& jogo, int tecnico, MotivoDemissao motivo) {
    return NomeTecnico(jogo, tecnico) + ' ' + ui::T(432) + QStringLiteral(", ") +
           ui::T(static_cast<int>(motivo)) + '.';
}

TelaDemitido::TelaDemitido(const Jogo& jogo, int tecnico, int clube, MotivoDemissao motivo,
                           int substituto, QWidget* pai)
    : QDialog(pai), texto_(Paragrafo(TextoDaDemissao(jogo, tecnico, motivo))) {
    setWindowTitle(QStringLiteral("Demitido!"));
    setModal(true);
    auto* v = new QVBoxLayout(this);
    v->addWidget(Titulo(QStringLiteral("Demitido!")));
    auto* clubeLbl = new QLabel(NomeClube(jogo, clube));
    QFont f = clubeLbl->font();
    f.setBold(true);
    clubeLbl->setFont(f);
    v->addWidget(clubeLbl);
    texto_->setObjectName(QStringLiteral("texto"));
    v->addWidget(texto_);
    if (jogo.TecnicoValido(substituto))
        v->addWidget(Paragrafo(QStringLiteral("Para seu lugar foi contratado ") +
                               NomeTecnico(jogo, substituto) + '.'));
    v->addSpacing(6);
    v->addWidget(Paragrafo(QStringLiteral("Espere agora que outro time resolva contrata-lo.")));
    v->addStretch();
    BotaoOk(this, v);
    setMinimumWidth(460);
}

QString TelaDemitido::Texto() const {
    return texto_->text();
}

TelaTrocaTecnico::TelaTrocaTecnico(const Jogo& jogo, int clube, int antigo, int novo, QWidget* pai)
    : QDialog(pai) {
    setWindowTitle(QStringLiteral("Técnico Demitido!"));
    setModal(true);
    auto* v = new QVBoxLayout(this);
    v->addWidget(Titulo(QStringLiteral("Técnico Demitido!")));
    QString texto = NomeClube(jogo, clube);
    if (jogo.TecnicoValido(antigo)) texto += QStringLiteral(" (") + NomeTecnico(jogo, antigo) + ')';
    texto += QStringLiteral(" resolveu lhe demitir, a pressão da torcida foi grande pois seus "
                            "resultados não estavam sendo bons.");
    auto* p = Paragrafo(texto);
    p->setObjectName(QStringLiteral("texto"));
    v->addWidget(p);
    auto* novoLbl = Paragrafo(QStringLiteral("Para seu lugar foi contratado <b>") +
                              NomeTecnico(jogo, novo).toHtmlEscaped() + QStringLiteral("</b>."));
    novoLbl->setTextFormat(Qt::RichText);
    v->addWidget(novoLbl);
    v->addStretch();
    BotaoOk(this, v);
    setMinimumWidth(460);
}

TelaConvite::TelaConvite(const Jogo& jogo, int tecnico, std::vector<int> clubes, QWidget* pai)
    : QDialog(pai), jogo_(jogo), clubes_(std::move(clubes)), lista_(new QListWidget(this)),
      plantel_(new QTableWidget(this)), titulo_(new QLabel(this)),
      assumir_(new QPushButton(QStringLiteral("Assumir time"), this)),
      classificacao_(new QPushButton(QStringLiteral("Classificação"), this)) {
    setWindowTitle(QStringLiteral("Convite para ser técnico"));
    setModal(true);
    auto* v = new QVBoxLayout(this);
    v->addWidget(Titulo(QStringLiteral("Convite para ser técnico")));
    if (jogo_.TecnicoValido(tecnico)) v->addWidget(new QLabel(NomeTecnico(jogo_, tecnico)));
    v->addWidget(Paragrafo(QStringLiteral(
        "Os clubes abaixo lhe convidaram para ser técnico, deseja aceitar algum convite?")));

    auto* meio = new QHBoxLayout;
    lista_->setObjectName(QStringLiteral("clubes"));
    for (int c : clubes_) {
        if (!jogo_.TimeValido(c)) continue;
        const TTime& t = jogo_.times[c];
        QString linha = NomeClube(jogo_, c) + QStringLiteral(" — ") + ui::Q(NomePais(t.pais));
        if (t.divisao > 0) linha += QStringLiteral(", ") + ui::Q(nomedivisao(t.divisao));
        auto* item = new QListWidgetItem(linha, lista_);
        item->setData(Qt::UserRole, c);
    }
    lista_->setMinimumWidth(300);
    meio->addWidget(lista_, 2);

    auto* direita = new QVBoxLayout;
    titulo_->setText(QStringLiteral("Plantel do time:"));
    direita->addWidget(titulo_);
    plantel_->setObjectName(QStringLiteral("plantel"));
    plantel_->setColumnCount(6);
    plantel_->setHorizontalHeaderLabels({QStringLiteral("P"), QStringLiteral("Nome"),
                                         QStringLiteral("Idade"), QStringLiteral("F"),
                                         QStringLiteral("Passe"), QStringLiteral("Salário")});
    plantel_->verticalHeader()->hide();
    plantel_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    plantel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    plantel_->setSelectionBehavior(QAbstractItemView::SelectRows);
    plantel_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    direita->addWidget(plantel_);
    meio->addLayout(direita, 3);
    v->addLayout(meio, 1);

    auto* botoes = new QHBoxLayout;
    classificacao_->setObjectName(QStringLiteral("classificacao"));
    botoes->addWidget(classificacao_);
    botoes->addStretch();
    auto* recusar = new QPushButton(QStringLiteral("Recusar"), this);
    recusar->setObjectName(QStringLiteral("recusar"));
    assumir_->setObjectName(QStringLiteral("assumir"));
    assumir_->setDefault(true);
    botoes->addWidget(recusar);
    botoes->addWidget(assumir_);
    v->addLayout(botoes);

    connect(lista_, &QListWidget::currentRowChanged, this, &TelaConvite::MostrarPlantel);
    connect(lista_, &QListWidget::itemDoubleClicked, assumir_, &QPushButton::click);
    connect(classificacao_, &QPushButton::clicked, this, &TelaConvite::verClassificacao);
    connect(recusar, &QPushButton::clicked, this, &QDialog::reject);
    connect(assumir_, &QPushButton::clicked, this, [this] {
        const QListWidgetItem* item = lista_->currentItem();
        if (!item) return;
        escolhido_ = item->data(Qt::UserRole).toInt();
        accept();
    });
    if (lista_->count() > 0) lista_->setCurrentRow(0);
    assumir_->setEnabled(lista_->count() > 0);
    resize(900, 560);
}

void TelaConvite::MostrarPlantel(int linha) {
    plantel_->setRowCount(0);
    const QListWidgetItem* item = lista_->item(linha);
    if (!item) return;
    const int c = item->data(Qt::UserRole).toInt();
    titulo_->setText(QStringLiteral("Plantel do time: ") + NomeClube(jogo_, c));
    std::vector<int> elenco;
    for (std::size_t i = 1; i < jogo_.jogadores.size(); ++i)
        if (jogo_.jogadores[i].time == c) elenco.push_back(static_cast<int>(i));
    // By position, the strongest first.
    std::stable_sort(elenco.begin(), elenco.end(), [&](int a, int b) {
        const TJogador &x = jogo_.jogadores[a], &y = jogo_.jogadores[b];
        return x.posicao != y.posicao ? x.posicao < y.posicao : x.forca > y.forca;
    });
    plantel_->setRowCount(static_cast<int>(elenco.size()));
    for (int r = 0; r < static_cast<int>(elenco.size()); ++r) {
        const TJogador& j = jogo_.jogadores[elenco[r]];
        auto celula = [&](int col, const QString& s, Qt::Alignment a = Qt::AlignLeft) {
            auto* it = new QTableWidgetItem(s);
            it->setTextAlignment(a | Qt::AlignVCenter);
            plantel_->setItem(r, col, it);
        };
        celula(0, ui::Q(NomeCurtoPosicao(j.posicao)), Qt::AlignCenter);
        celula(1, ui::Q(j.nome.view()) + (j.estrela ? QStringLiteral(" *") : QString()));
        celula(2, QString::number(j.idade), Qt::AlignRight);
        celula(3, QString::number(j.forca), Qt::AlignRight);
        celula(4, ui::Q(PasseCompacto(j.passe)), Qt::AlignRight);
        celula(5, ui::Dinheiro(j.salario), Qt::AlignRight);
    }
    plantel_->resizeColumnsToContents();
    plantel_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
}

} // namespace management::telas
