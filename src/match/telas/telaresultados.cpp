#include "match/telas/telaresultados.hpp"

#include "competitions/classificacao.hpp"
#include "match/resultadosdodia.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace match::telas {

using namespace world;

namespace {

QString Nome(const Jogo& jogo, int c) {
    return c >= 0 && c < static_cast<int>(jogo.times.size()) ? ui::Q(jogo.times[c].nome.view())
                                                             : QString();
}

// The league index of an archived match of codes 1 and 2, -1 otherwise.
int LigaDa(const Jogo& jogo, const TJogoArquivado& a) {
    if (a.competicao != 1 && a.competicao != 2) return -1;
    return a.grupo >= 0 && a.grupo < static_cast<int>(jogo.ligas.size()) ? a.grupo : -1;
}

} // namespace

TelaResultados::TelaResultados(Jogo& jogo, int codigo, double data, QWidget* pai)
    : QWidget(pai), jogo_(jogo), codigo_(codigo), todas_(JogosDoDia(jogo, codigo, data)),
      pais_(new QComboBox(this)), lista_(new QListWidget(this)), detalhes_(new QLabel(this)),
      titulotabela_(new QLabel(QStringLiteral("Classificação após a rodada"), this)),
      tabela_(new QTableWidget(this)),
      continuar_(new QPushButton(QStringLiteral("Continuar >>"), this)) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xe8, 0xec, 0xe4));
    setPalette(pal);
    setAutoFillBackground(true);
    ui::PintarFundo(this, ui::kFundoListas);

    // The country box: the leagues of the date's matches.
    std::vector<int> ligas;
    for (int e : todas_)
        if (const int l = LigaDa(jogo_, jogo_.arquivo.jogos[e]);
            l >= 0 && std::find(ligas.begin(), ligas.end(), l) == ligas.end())
            ligas.push_back(l);
    for (int l : ligas) pais_->addItem(ui::Q(NomePais(jogo_.ligas[l].pais)), l);
    pais_->setVisible(ligas.size() > 1);
    // The human's league first.
    for (int i = 0; i < pais_->count(); ++i)
        if (jogo_.ligas[pais_->itemData(i).toInt()].temhumano) {
            pais_->setCurrentIndex(i);
            break;
        }
    connect(pais_, &QComboBox::currentIndexChanged, this, &TelaResultados::Listar);

    detalhes_->setWordWrap(true);
    detalhes_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    detalhes_->setTextFormat(Qt::RichText);
    detalhes_->setAutoFillBackground(true);
    detalhes_->setMargin(8);
    tabela_->setColumnCount(9);
    tabela_->setHorizontalHeaderLabels({QString(), QStringLiteral("Time"), QStringLiteral("PG"),
                                        QStringLiteral("J"), QStringLiteral("V"),
                                        QStringLiteral("E"), QStringLiteral("D"),
                                        QStringLiteral("GP"), QStringLiteral("GC")});
    tabela_->verticalHeader()->hide();
    tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(lista_, &QListWidget::currentRowChanged, this, &TelaResultados::Mostrar);
    connect(continuar_, &QPushButton::clicked, this, &TelaResultados::continuar);
    for (auto tecla : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(tecla), this), &QShortcut::activated, continuar_,
                &QPushButton::click);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(pais_);
    esquerda->addWidget(lista_, 2);
    esquerda->addWidget(detalhes_, 3);
    auto* direita = new QVBoxLayout;
    direita->addWidget(titulotabela_);
    direita->addWidget(tabela_, 1);
    direita->addWidget(continuar_, 0, Qt::AlignRight);
    auto* linha = new QHBoxLayout(this);
    linha->addLayout(esquerda, 1);
    linha->addLayout(direita, 1);
    Listar();
}

void TelaResultados::Listar() {
    const int liga = pais_->count() > 0 ? pais_->currentData().toInt() : -1;
    entradas_.clear();
    lista_->clear();
    for (int e : todas_) {
        const TJogoArquivado& a = jogo_.arquivo.jogos[e];
        if (liga >= 0 && LigaDa(jogo_, a) != liga) continue;
        entradas_.push_back(e);
        QString t = Nome(jogo_, a.mandante) +
                    QStringLiteral("  %1 x %2  ").arg(a.gols[0]).arg(a.gols[1]) +
                    Nome(jogo_, a.visitante);
        if (a.decididopenaltis)
            t += QStringLiteral("  (pên. %1 x %2)").arg(a.penaltis[0]).arg(a.penaltis[1]);
        lista_->addItem(t);
    }
    if (!entradas_.empty())
        lista_->setCurrentRow(0);
    else
        Mostrar(-1);
}

void TelaResultados::Mostrar(int linha) {
    tabela_->setRowCount(0);
    if (linha < 0 || linha >= static_cast<int>(entradas_.size())) {
        detalhes_->clear();
        return;
    }
    const int e = entradas_[linha];
    const TJogoArquivado& a = jogo_.arquivo.jogos[e];
    QString h = QStringLiteral("<b>%1 %2 x %3 %4</b><br>")
                    .arg(Nome(jogo_, a.mandante).toHtmlEscaped())
                    .arg(a.gols[0])
                    .arg(a.gols[1])
                    .arg(Nome(jogo_, a.visitante).toHtmlEscaped());
    if (a.mandante >= 0 && a.mandante < static_cast<int>(jogo_.times.size()))
        h += QStringLiteral("Estádio: ") +
             ui::Q(jogo_.times[a.mandante].estadio.view()).toHtmlEscaped() + QStringLiteral("<br>");
    h += QStringLiteral("Público: %1 (Arquibancada: %2)<br>").arg(a.publico).arg(a.publicosetor[1]);
    QString gols, cartoes, subs;
    for (const TEvento& ev : EventosDoJogo(jogo_, e)) {
        const QString lado =
            ev.clube == a.mandante ? Nome(jogo_, a.mandante) : Nome(jogo_, a.visitante);
        const QString linhaev = ui::Q(TextoEvento(jogo_, ev)).toHtmlEscaped() +
                                QStringLiteral(" (") + lado.toHtmlEscaped() +
                                QStringLiteral(")<br>");
        switch (ev.tipo) {
        case kGolEvento:
        case kGolContra:
        case kGolPenalti:
        case kGolFalta:
            gols += linhaev;
            break;
        case kSubstituicaoEvento:
            subs += linhaev;
            break;
        default:
            cartoes += linhaev;
            break;
        }
    }
    if (!gols.isEmpty()) h += QStringLiteral("<br><b>Gols</b><br>") + gols;
    if (!cartoes.isEmpty()) h += QStringLiteral("<br><b>Cartões e contusões</b><br>") + cartoes;
    if (!subs.isEmpty()) h += QStringLiteral("<br><b>Jogadores substituídos</b><br>") + subs;
    const auto& l0 = a.lados[0];
    const auto& l1 = a.lados[1];
    h += QStringLiteral("<br><b>Estatísticas</b><br>Posse de bola: %1% x %2%<br>"
                        "Finalizações: %3 x %4<br>Roubadas bola: %5 x %6<br>"
                        "Passes errados: %7 x %8<br>Faltas cometidas: %9 x %10")
             .arg(PercentualPosse(a, 0))
             .arg(PercentualPosse(a, 1))
             .arg(l0.finalizacoes)
             .arg(l1.finalizacoes)
             .arg(l0.roubadas)
             .arg(l1.roubadas)
             .arg(l0.passeserrados)
             .arg(l1.passeserrados)
             .arg(l0.faltas)
             .arg(l1.faltas);
    detalhes_->setText(h);

    // The table of the match's league division or state group.
    std::vector<int> clubes;
    if (a.competicao == 1 && a.mandante >= 0) {
        const int l = LigaDa(jogo_, a);
        const int d = jogo_.times[a.mandante].divisao;
        if (l >= 0 && d >= 1 && d <= 4)
            for (int c : jogo_.ligas[l].divisoes[d - 1]) clubes.push_back(c);
    } else if (a.competicao == 3 && a.grupo >= 0 && a.grupo < kEstados && a.mandante >= 0) {
        const int g = jogo_.times[a.mandante].grupoestadual;
        if (g >= 1 && g <= kGruposEstaduais)
            for (int c : jogo_.estaduais[a.grupo].grupos[g - 1]) clubes.push_back(c);
    }
    titulotabela_->setVisible(!clubes.empty());
    tabela_->setVisible(!clubes.empty());
    const auto linhas = competitions::Tabela(jogo_, a.competicao, clubes);
    tabela_->setRowCount(static_cast<int>(linhas.size()));
    for (int r = 0; r < static_cast<int>(linhas.size()); ++r) {
        const auto& t = linhas[r];
        const QStringList celulas{QString::number(r + 1),       Nome(jogo_, t.time),
                                  QString::number(t.pontos),    QString::number(t.jogos),
                                  QString::number(t.vitorias),  QString::number(t.empates),
                                  QString::number(t.derrotas),  QString::number(t.golspro),
                                  QString::number(t.golscontra)};
        for (int k = 0; k < celulas.size(); ++k) {
            auto* item = new QTableWidgetItem(celulas[k]);
            if (t.time == a.mandante || t.time == a.visitante) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            tabela_->setItem(r, k, item);
        }
    }
    tabela_->resizeColumnsToContents();
}

} // namespace match::telas
