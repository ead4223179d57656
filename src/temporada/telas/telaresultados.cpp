#include "temporada/telas/telaresultados.hpp"

#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/continentais.hpp"
#include "competitions/telas/relatoriopartida.hpp"
#include "competitions/telas/telaclassificacao.hpp"
#include "competitions/telas/telacontinental.hpp"
#include "competitions/telas/telatorneio.hpp"
#include "competitions/torneios.hpp"
#include "match/resultadosdata.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
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
#include <QStyle>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace temporada::telas {

using namespace match;

using namespace world;

namespace {

// Room the details want beside the list and the table before they are put
// one above the other.
constexpr int kLarguraDetalhes = 300;
constexpr int kAlturaLinha = 20;

// A human's club, or the national team a human coaches in the tournament.
bool Humano(const Jogo& jogo, int clube) {
    if (!jogo.TimeValido(clube)) return false;
    return jogo.times[clube].humano || competitions::HumanoDaSelecao(jogo, clube) >= 0;
}

// The first human's side on the date: his national team on a tournament
// date, else his club.
int PrimeiroHumano(const Jogo& jogo, int codigo) {
    if (EhTorneioDeSelecoes(codigo))
        for (int h = 0; h < 6; ++h)
            if (const int s = competitions::SelecaoDoHumano(jogo, h); s >= 0) return s;
    return jogo.estado.timeshumanos[0];
}

bool JogoDeHumano(const Jogo& jogo, const TJogoArquivado& a) {
    return Humano(jogo, a.mandante) || Humano(jogo, a.visitante);
}

// The club a second leg sent through, -1 for any other match.
int Classificado(const Jogo& jogo, int entrada) {
    const auto c = ConfrontoDoJogo(jogo, entrada);
    return c ? c->classificado : -1;
}

QString Placar(const TJogoArquivado& a) {
    QString placar = QStringLiteral("%1 x %2").arg(a.gols[0]).arg(a.gols[1]);
    if (a.decididopenaltis)
        placar += QStringLiteral(" (%1 x %2)").arg(a.penaltis[0]).arg(a.penaltis[1]);
    return placar;
}

QString NomeDoClube(const Jogo& jogo, int clube) {
    return ui::Q(NomeDoClubeArquivado(jogo, clube));
}

} // namespace

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
        if ((codigo_ == kLiga || codigo_ == kCopaNacional) && g >= 0 &&
            g < static_cast<int>(jogo.ligas.size()))
            nome = ui::Q(codigo_ == kLiga ? NomeDaLiga(jogo, jogo.ligas[g].pais)
                                          : NomeDaCopa(jogo, jogo.ligas[g].pais));
        else if (codigo_ == kContinental1 || codigo_ == kContinental2)
            // Group 1 holds the South American clubs, group 2 the European ones.
            nome = ui::T(codigo_ == kContinental1 ? (g == 1 ? 329 : 328) : (g == 1 ? 331 : 330));
        else if (EhTorneioDeSelecoes(codigo_))
            // A tournament's group matches by group; its knockout matches have none.
            nome = g >= 1 ? QStringLiteral("Grupo %1").arg(QChar(u'A' + (g - 1)))
                          : competitions::telas::NomeDoTorneio(codigo_);
        else
            nome = ui::Q(NomePais(jogo.estado.paisprincipal));
        grupos_->addItem(nome);
    }
    grupos_->setVisible(
        codigo_ == kContinental1 || codigo_ == kContinental2 ||
        ((codigo_ == kLiga || codigo_ == kCopaNacional || EhTorneioDeSelecoes(codigo_)) &&
         idsgrupos_.size() > 1));
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
    jogos_->verticalHeader()->setDefaultSectionSize(kAlturaLinha);
    jogos_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    meio->addWidget(jogos_, 4);
    // The details and the table side by side on a wide screen; on a narrow
    // one the match list keeps the room its names need and they stack.
    auto* lado = new QWidget;
    direita_ = new QBoxLayout(QBoxLayout::LeftToRight, lado);
    direita_->setContentsMargins(0, 0, 0, 0);
    meio->addWidget(lado, 9);
    detalhes_ = new QTextBrowser;
    direita_->addWidget(detalhes_, 4);
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
    direita_->addWidget(painel_, 5);
    v->addLayout(meio, 1);

    auto* baixo = new QHBoxLayout;
    // The continental cups' groups and brackets, the club world cup's table.
    if (codigo_ == kContinental1 || codigo_ == kContinental2 || codigo_ == kMundialDeClubes) {
        chaves_ = new QPushButton(codigo_ == kMundialDeClubes ? ui::T(ui::kTextoMundialDeClubes)
                                                              : QStringLiteral("Grupos e chaves"));
        baixo->addWidget(chaves_);
        connect(chaves_, &QPushButton::clicked, this, [this] {
            if (codigo_ == kMundialDeClubes) {
                competitions::telas::TelaMundial tela(jogo_, this);
                tela.exec();
                return;
            }
            const int i = grupos_->currentIndex();
            const int regiao =
                i >= 0 && i < static_cast<int>(idsgrupos_.size()) ? idsgrupos_[i] : -1;
            competitions::telas::TelaContinental tela(jogo_, codigo_, regiao, this);
            tela.exec();
        });
    }
    // The national-team tournament's groups, bracket and matches.
    if (EhTorneioDeSelecoes(codigo_)) {
        chaves_ = new QPushButton(QStringLiteral("Tabela do torneio"));
        baixo->addWidget(chaves_);
        connect(chaves_, &QPushButton::clicked, this, [this] {
            competitions::telas::TelaTorneio tela(jogo_, this);
            tela.exec();
        });
    }
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
            competitions::telas::RelatorioPartida r(jogo_, mostradas_[linha], this);
            r.exec();
        }
    });

    // The box opens on the group of the first human club's match (else of
    // any human's match), or on the first human club's league, as the match
    // screen showed it.
    int inicial = -1;
    const int h = PrimeiroHumano(jogo, codigo_);
    for (const bool qualquer : {false, true})
        for (int e : entradas_) {
            const TJogoArquivado& a = jogo.arquivo.jogos[e];
            const bool dele =
                qualquer ? JogoDeHumano(jogo, a) : h >= 0 && (a.mandante == h || a.visitante == h);
            if (inicial >= 0 || !dele) continue;
            inicial = static_cast<int>(std::find(idsgrupos_.begin(), idsgrupos_.end(), a.grupo) -
                                       idsgrupos_.begin());
        }
    if (inicial < 0 && (codigo_ == kLiga || codigo_ == kCopaNacional) && h >= 0 &&
        h < static_cast<int>(jogo.times.size())) {
        const auto it =
            std::find(idsgrupos_.begin(), idsgrupos_.end(), jogo.LigaDoPais(jogo.times[h].pais));
        if (it != idsgrupos_.end()) inicial = static_cast<int>(it - idsgrupos_.begin());
    }
    inicial = std::max(inicial, 0);
    LarguraDaLista();
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
    int dohumano = -1;
    for (int k = 0; k < static_cast<int>(mostradas_.size()); ++k) {
        const TJogoArquivado& a = jogo_.arquivo.jogos[mostradas_[k]];
        if (dohumano < 0 && JogoDeHumano(jogo_, a)) dohumano = k;
        // After a second leg the club that went through is in bold.
        const auto confronto = ConfrontoDoJogo(jogo_, mostradas_[k]);
        const int classificado = confronto ? confronto->classificado : -1;
        auto nome = [&](int clube) {
            auto* it = new QTableWidgetItem(NomeDoClube(jogo_, clube));
            it->setToolTip(it->text());
            if (clube == classificado) {
                QFont f = it->font();
                f.setBold(true);
                it->setFont(f);
                it->setToolTip(it->text() + QStringLiteral(" (") +
                               (confronto->final ? QStringLiteral("campeão")
                                                 : QStringLiteral("classificado")) +
                               QStringLiteral(")"));
            }
            return it;
        };
        auto* m = nome(a.mandante);
        m->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* p = new QTableWidgetItem(Placar(a));
        p->setTextAlignment(Qt::AlignCenter);
        if (confronto)
            p->setToolTip(
                QStringLiteral("Agregado: %1 x %2")
                    .arg(confronto->agregado[a.mandante == confronto->clubes[0] ? 0 : 1])
                    .arg(confronto->agregado[a.mandante == confronto->clubes[0] ? 1 : 0]));
        jogos_->setItem(k, 0, m);
        jogos_->setItem(k, 1, p);
        jogos_->setItem(k, 2, nome(a.visitante));
    }
    if (!mostradas_.empty()) {
        // The human's own match is the one he wants to look at first.
        const int linha = std::max(dohumano, 0);
        jogos_->setCurrentCell(linha, 1);
        jogos_->scrollToItem(jogos_->item(linha, 1));
        Selecionar(linha);
    } else {
        detalhes_->clear();
        tabela_->setRowCount(0);
    }
}

void TelaResultados::Selecionar(int linha) {
    if (linha < 0 || linha >= static_cast<int>(mostradas_.size())) return;
    const int e = mostradas_[linha];
    detalhes_->setHtml(competitions::telas::DetalhesDoJogo(jogo_, e));
    const TJogoArquivado& a = jogo_.arquivo.jogos[e];
    std::vector<competitions::TLinhaTabela> linhas;
    const int vagas = jogo_.estado.divisoesporliga == 2 ? 20 : 10;
    if (codigo_ == kLiga && a.grupo >= 0 && a.grupo < static_cast<int>(jogo_.ligas.size()) &&
        jogo_.TimeValido(a.mandante)) {
        // The division of the selected match.
        const int d = std::clamp(jogo_.times[a.mandante].divisao, 1, 4);
        linhas = competitions::Tabela(jogo_, kLiga,
                                      std::span<const int>(jogo_.ligas[a.grupo].divisoes[d - 1],
                                                           static_cast<std::size_t>(vagas)));
    } else if (codigo_ == kEstadual && a.grupo >= 0 && a.grupo < kEstados &&
               jogo_.TimeValido(a.mandante)) {
        const int g = std::clamp(jogo_.times[a.mandante].grupoestadual, 1, kGruposEstaduais);
        linhas = competitions::Tabela(
            jogo_, kEstadual, std::span<const int>(jogo_.estaduais[a.grupo].grupos[g - 1], 6));
    } else if ((codigo_ == kContinental1 || codigo_ == kContinental2) &&
               jogo_.TimeValido(a.mandante)) {
        // A group match: the four clubs of its group (the knockout has none).
        const TTime& t = jogo_.times[a.mandante];
        const int g = codigo_ == kContinental1 ? t.grupocontinental : t.grupocontinental2;
        const auto clubes = competitions::ClubesDoGrupo(jogo_, codigo_, a.grupo, g);
        const auto datas = competitions::DatasDaCompeticao(jogo_, codigo_);
        const bool grupos = datas.size() >= 6 && a.data <= datas[5];
        if (grupos && std::find(clubes.begin(), clubes.end(), a.visitante) != clubes.end())
            linhas = competitions::Tabela(jogo_, codigo_, clubes);
    } else if (EhTorneioDeSelecoes(codigo_) && a.grupo >= 1 &&
               competitions::TorneioEmCurso(jogo_)) {
        // A group match: its group's table as the date left it.
        std::vector<int> clubes;
        for (int c : competitions::GrupoDoTorneio(jogo_, a.grupo))
            if (jogo_.TimeValido(c)) clubes.push_back(c);
        linhas = competitions::Tabela(jogo_, codigo_, clubes);
    }
    painel_->setVisible(!linhas.empty());
    competitions::telas::PreencherTabela(tabela_, jogo_, linhas);
    Distribuir();
}

void TelaResultados::LarguraDaLista() {
    // Every name of the date whole, in the font its cell uses (the club that
    // went through in bold); both name columns share the room equally.
    QFont negrito = jogos_->font();
    negrito.setBold(true);
    const QFontMetrics normal(jogos_->font()), forte(negrito);
    const int margem = 2 * (jogos_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 6;
    int nomes = 0, placar = 0;
    for (int e : entradas_) {
        const TJogoArquivado& a = jogo_.arquivo.jogos[e];
        const int classificado = Classificado(jogo_, e);
        for (int c : {a.mandante, a.visitante})
            nomes = std::max(
                nomes,
                (c == classificado ? forte : normal).horizontalAdvance(NomeDoClube(jogo_, c)));
        placar = std::max(placar, normal.horizontalAdvance(Placar(a)));
    }
    jogos_->setMinimumWidth(2 * (nomes + margem) + placar + margem + 2 * jogos_->frameWidth());
}

bool TelaResultados::LadoALado() const {
    if (!painel_->isVisibleTo(this)) return true;
    // The table's columns as its rows need them.
    int tabela = 2 * tabela_->frameWidth();
    for (int c = 0; c < tabela_->columnCount(); ++c)
        tabela += std::max(static_cast<QAbstractItemView*>(tabela_)->sizeHintForColumn(c),
                           tabela_->horizontalHeader()->sectionSizeHint(c));
    const int espaco = width() - layout()->contentsMargins().left() -
                       layout()->contentsMargins().right() - 2 * direita_->spacing();
    return espaco - jogos_->minimumWidth() >= tabela + kLarguraDetalhes;
}

void TelaResultados::Distribuir() {
    const bool largo = LadoALado();
    direita_->setDirection(largo ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    // Stacked, the table takes what its rows need (up to three quarters of
    // the height) and the details the rest, scrolling if they must.
    const int altura = titulotabela_->sizeHint().height() +
                       tabela_->horizontalHeader()->sizeHint().height() +
                       tabela_->rowCount() * kAlturaLinha + 2 * tabela_->frameWidth() + 8;
    painel_->setMaximumHeight(largo ? QWIDGETSIZE_MAX : altura);
    direita_->setStretch(0, largo ? 4 : 1);
    direita_->setStretch(1, largo ? 5 : 3);
}

void TelaResultados::resizeEvent(QResizeEvent* e) {
    Distribuir();
    QWidget::resizeEvent(e);
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

} // namespace temporada::telas
