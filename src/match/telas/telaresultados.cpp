#include "match/telas/telaresultados.hpp"

#include "competitions/classificacao.hpp"
#include "competitions/telas/telaclassificacao.hpp"
#include "match/resultadosdata.hpp"
#include "match/telas/relatoriopartida.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"
#include "world/paises.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace match::telas {

using namespace world;

TelaResultados::TelaResultados(Jogo& jogo, const ExecucaoRodada& ex, QWidget* pai)
    : QWidget(pai), jogo_(jogo), codigo_(ex.codigo) {
    // The runner keeps only the last group's matches: the date's results are
    // read back from the archive.
    entradas_ = JogosDaData(jogo, ex.rodada.hoje, ex.codigo);
    for (int e : entradas_) {
        const int g = jogo.arquivo.jogos[e].grupo;
        if (std::find(idsgrupos_.begin(), idsgrupos_.end(), g) == idsgrupos_.end())
            idsgrupos_.push_back(g);
    }

    auto* v = new QVBoxLayout(this);
    grupos_ = new QComboBox;
    for (int g : idsgrupos_) {
        QString nome;
        if ((codigo_ == 1 || codigo_ == 2) && g >= 0 && g < static_cast<int>(jogo.ligas.size()))
            nome = ui::Q(codigo_ == 1 ? NomeDaLiga(jogo, jogo.ligas[g].pais)
                                      : NomeDaCopa(jogo, jogo.ligas[g].pais));
        else if (codigo_ == 4 || codigo_ == 6)
            // Group 1 holds the South American clubs, group 2 the European ones.
            nome = ui::T(codigo_ == 4 ? (g == 1 ? 329 : 328) : (g == 1 ? 331 : 330));
        else
            nome = ui::Q(NomePais(jogo.estado.paisprincipal));
        grupos_->addItem(nome);
    }
    grupos_->setVisible(codigo_ == 4 || codigo_ == 6 ||
                        ((codigo_ == 1 || codigo_ == 2) && idsgrupos_.size() > 1));
    grupos_->setMinimumWidth(260);
    auto* topo = new QHBoxLayout;
    topo->addWidget(grupos_);
    topo->addStretch();
    v->addLayout(topo);

    auto* meio = new QHBoxLayout;
    jogos_ = new QTableWidget(0, 3);
    jogos_->horizontalHeader()->hide();
    jogos_->verticalHeader()->hide();
    jogos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    jogos_->setSelectionBehavior(QAbstractItemView::SelectRows);
    jogos_->setSelectionMode(QAbstractItemView::SingleSelection);
    jogos_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    jogos_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    jogos_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    jogos_->verticalHeader()->setDefaultSectionSize(20);
    meio->addWidget(jogos_, 4);
    detalhes_ = new QTextBrowser;
    meio->addWidget(detalhes_, 4);
    // A date without a table (a cup phase) leaves its room to the others.
    painel_ = new QWidget;
    auto* direita = new QVBoxLayout(painel_);
    direita->setContentsMargins(0, 0, 0, 0);
    titulotabela_ = new QLabel(QStringLiteral("Classificação após a rodada"));
    QFont f = titulotabela_->font();
    f.setBold(true);
    titulotabela_->setFont(f);
    ui::FaixaClara(titulotabela_);
    titulotabela_->setMargin(3);
    direita->addWidget(titulotabela_);
    tabela_ = competitions::telas::NovaTabela();
    direita->addWidget(tabela_, 1);
    meio->addWidget(painel_, 5);
    v->addLayout(meio, 1);

    auto* baixo = new QHBoxLayout;
    baixo->addStretch();
    continuar_ = new QPushButton(QStringLiteral("Continuar >>"));
    continuar_->setDefault(true);
    baixo->addWidget(continuar_);
    v->addLayout(baixo);

    connect(continuar_, &QPushButton::clicked, this, &TelaResultados::continuar);
    connect(grupos_, &QComboBox::currentIndexChanged, this, &TelaResultados::MostrarGrupo);
    connect(jogos_, &QTableWidget::currentCellChanged, this,
            [this](int linha, int, int, int) { Selecionar(linha); });
    connect(jogos_, &QTableWidget::cellDoubleClicked, this, [this](int linha, int) {
        if (linha >= 0 && linha < static_cast<int>(mostradas_.size())) {
            RelatorioPartida r(jogo_, mostradas_[linha], this);
            r.exec();
        }
    });

    // The box opens on the league of the first human club, as the match
    // screen showed it.
    int inicial = 0;
    if (const int h = jogo.estado.timeshumanos[0];
        (codigo_ == 1 || codigo_ == 2) && h >= 0 && h < static_cast<int>(jogo.times.size())) {
        const auto it =
            std::find(idsgrupos_.begin(), idsgrupos_.end(), jogo.LigaDoPais(jogo.times[h].pais));
        if (it != idsgrupos_.end()) inicial = static_cast<int>(it - idsgrupos_.begin());
    }
    grupos_->setCurrentIndex(inicial);
    MostrarGrupo(inicial);
    continuar_->setFocus();
}

void TelaResultados::MostrarGrupo(int indice) {
    mostradas_.clear();
    if (indice >= 0 && indice < static_cast<int>(idsgrupos_.size()))
        for (int e : entradas_)
            if (jogo_.arquivo.jogos[e].grupo == idsgrupos_[indice]) mostradas_.push_back(e);
    jogos_->setRowCount(static_cast<int>(mostradas_.size()));
    for (int k = 0; k < static_cast<int>(mostradas_.size()); ++k) {
        const TJogoArquivado& a = jogo_.arquivo.jogos[mostradas_[k]];
        QString placar = QStringLiteral("%1 x %2").arg(a.gols[0]).arg(a.gols[1]);
        if (a.decididopenaltis)
            placar += QStringLiteral(" (%1 x %2)").arg(a.penaltis[0]).arg(a.penaltis[1]);
        // Names cut short on a narrow screen are whole in the tooltip.
        auto* m = new QTableWidgetItem(ui::Q(jogo_.times[a.mandante].nome.view()));
        m->setToolTip(m->text());
        m->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* p = new QTableWidgetItem(placar);
        p->setTextAlignment(Qt::AlignCenter);
        jogos_->setItem(k, 0, m);
        jogos_->setItem(k, 1, p);
        auto* v = new QTableWidgetItem(ui::Q(jogo_.times[a.visitante].nome.view()));
        v->setToolTip(v->text());
        jogos_->setItem(k, 2, v);
    }
    if (!mostradas_.empty()) {
        jogos_->setCurrentCell(0, 1);
        Selecionar(0);
    } else {
        detalhes_->clear();
        tabela_->setRowCount(0);
    }
}

void TelaResultados::Selecionar(int linha) {
    if (linha < 0 || linha >= static_cast<int>(mostradas_.size())) return;
    const int e = mostradas_[linha];
    detalhes_->setHtml(DetalhesDoJogo(jogo_, e));
    const TJogoArquivado& a = jogo_.arquivo.jogos[e];
    std::vector<competitions::TLinhaTabela> linhas;
    const int vagas = jogo_.estado.divisoesporliga == 2 ? 20 : 10;
    if (codigo_ == 1 && a.grupo >= 0 && a.grupo < static_cast<int>(jogo_.ligas.size())) {
        // The division of the selected match.
        const int d = std::clamp(jogo_.times[a.mandante].divisao, 1, 4);
        linhas = competitions::Tabela(jogo_, 1,
                                      std::span<const int>(jogo_.ligas[a.grupo].divisoes[d - 1],
                                                           static_cast<std::size_t>(vagas)));
    } else if (codigo_ == 3 && a.grupo >= 0 && a.grupo < kEstados) {
        const int g = std::clamp(jogo_.times[a.mandante].grupoestadual, 1, kGruposEstaduais);
        linhas = competitions::Tabela(
            jogo_, 3, std::span<const int>(jogo_.estaduais[a.grupo].grupos[g - 1], 6));
    } else if (codigo_ == 4 || codigo_ == 6) {
        // A continental group: the four clubs of the selected match's group.
        const auto grupo = [&](int c) {
            return codigo_ == 4 ? jogo_.times[c].grupocontinental
                                : jogo_.times[c].grupocontinental2;
        };
        std::vector<int> clubes;
        const int g = grupo(a.mandante);
        for (int c = 0; c < static_cast<int>(jogo_.times.size()); ++c)
            if (grupo(c) == g && g > 0 && jogo_.times[c].pais >= 0 &&
                (codigo_ == 4 ? jogo_.times[c].jogacontinental : jogo_.times[c].jogacontinental2) &&
                (ContinentePais(jogo_.times[c].pais) == 1) == (a.grupo == 1))
                clubes.push_back(c);
        linhas = competitions::Tabela(jogo_, codigo_, clubes);
    }
    painel_->setVisible(!linhas.empty());
    competitions::telas::PreencherTabela(tabela_, jogo_, linhas);
}

void TelaResultados::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit continuar();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TelaResultados::paintEvent(QPaintEvent*) {
    ui::PintarFundo(this, ui::kFundoListas);
}

} // namespace match::telas
