#include "history/telas/telaclubeanos.hpp"

#include "competitions/resumos.hpp"
#include "history/telas/gradehistorico.hpp"
#include "plataforma/ordemalfabetica.hpp"
#include "ui/escudos.hpp"
#include "ui/fundo.hpp"
#include "ui/graficos.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"
#include "world/idioma.hpp"
#include "world/nomescompeticoes.hpp"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <tuple>

namespace history::telas {

using namespace world;

QString NomeDoTitulo(const Jogo& jogo, int competicao, int chave, int divisao) {
    return ui::Q(competitions::NomeDoTitulo(jogo, competicao, chave, divisao));
}

TelaRetrospecto::TelaRetrospecto(const Jogo& jogo, int clube, QWidget* pai)
    : QDialog(pai), jogo_(jogo) {
    setWindowTitle(QStringLiteral("Retrospecto"));
    setObjectName(QStringLiteral("retrospecto"));
    setModal(true);

    paises_ = new QComboBox;
    paises_->setObjectName(QStringLiteral("paises"));
    int liga = jogo_.ligas.empty() ? -1 : 0;
    if (jogo_.TimeValido(clube))
        if (const int li = jogo_.LigaDoPais(jogo_.times[clube].pais); li >= 0) liga = li;
    PreencherPaises(paises_, jogo_, liga);
    clubes_ = new QComboBox;
    clubes_->setObjectName(QStringLiteral("clubes"));
    clubes_->setMinimumContentsLength(25);
    auto* topo = new QHBoxLayout;
    topo->addWidget(paises_);
    topo->addWidget(clubes_);
    topo->addStretch();

    escudo_ = new QLabel;
    escudo_->setFixedSize(64, 64);
    escudo_->setAlignment(Qt::AlignCenter);
    nome_ = new QLabel;
    nome_->setObjectName(QStringLiteral("nome"));
    QFont f = nome_->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    nome_->setFont(f);
    titulos_ = new QLabel;
    titulos_->setObjectName(QStringLiteral("titulos"));
    titulos_->setWordWrap(true);
    titulos_->setTextFormat(Qt::PlainText);
    titulos_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* quadro = ui::Quadro();
    auto* cabecalho = new QHBoxLayout(quadro);
    cabecalho->addWidget(escudo_, 0, Qt::AlignTop);
    auto* texto = new QVBoxLayout;
    texto->addWidget(nome_);
    texto->addWidget(titulos_, 1);
    cabecalho->addLayout(texto, 1);

    lista_ = NovaLista({QStringLiteral("Ano"), QStringLiteral("Liga"), QStringLiteral("J"),
                        QStringLiteral("V"), QStringLiteral("E"), QStringLiteral("D"),
                        QStringLiteral("GP"), QStringLiteral("GC"), QStringLiteral("Técnicos")});
    lista_->setObjectName(QStringLiteral("lista"));
    lista_->horizontalHeader()->setSectionResizeMode(kTecnicos, QHeaderView::Stretch);

    QHBoxLayout* rodape = RodapeFechar(this);

    auto* v = new QVBoxLayout(this);
    v->addLayout(topo);
    v->addWidget(quadro);
    grafico_ = ui::NovoGrafico(ui::T(2910));
    grafico_->setObjectName(QStringLiteral("grafico"));
    auto* divisao = new QSplitter(Qt::Vertical);
    divisao->addWidget(lista_);
    divisao->addWidget(grafico_);
    // The chart tall enough for a 20-club division's places to be read.
    grafico_->setMinimumHeight(260);
    divisao->setStretchFactor(0, 1);
    divisao->setStretchFactor(1, 1);
    v->addWidget(divisao, 1);
    v->addLayout(rodape);

    MontarClubes(clube);
    connect(paises_, &QComboBox::currentIndexChanged, this, [this] {
        MontarClubes(-1);
        Mostrar();
    });
    connect(clubes_, &QComboBox::currentIndexChanged, this, &TelaRetrospecto::Mostrar);
    Mostrar();
    ui::Dimensionar(this, QSize(860, 720));
}

int TelaRetrospecto::Clube() const {
    return clubes_->count() > 0 ? clubes_->currentData().toInt() : -1;
}

// The clubs of the country picked, by name; `clube` chosen when it is one.
void TelaRetrospecto::MontarClubes(int clube) {
    const QSignalBlocker calado(clubes_);
    clubes_->clear();
    const int pais = paises_->count() > 0 ? paises_->currentData().toInt() : -1;
    std::vector<int> lista;
    for (int c = 0; c < std::min<int>(jogo_.times.size(), jogo_.estado.numtimesligas); ++c)
        if (jogo_.times[c].pais == pais) lista.push_back(c);
    std::stable_sort(lista.begin(), lista.end(), [&](int a, int b) {
        return plataforma::MenorAlfabetico(jogo_.times[a].nome.view(), jogo_.times[b].nome.view());
    });
    // A club of no league played (one of the continental cups' guests) heads
    // the list it was asked for from.
    if (jogo_.TimeValido(clube) && !jogo_.EhSelecao(clube) &&
        std::find(lista.begin(), lista.end(), clube) == lista.end())
        lista.insert(lista.begin(), clube);
    for (int c : lista) {
        clubes_->addItem(NomeDoClube(jogo_, c), c);
        if (c == clube) clubes_->setCurrentIndex(clubes_->count() - 1);
    }
}

void TelaRetrospecto::Mostrar() {
    const int clube = Clube();
    nome_->setText(NomeDoClube(jogo_, clube));
    const QPixmap p = ui::EscudoDoTime(jogo_, clube);
    escudo_->setPixmap(p.isNull() ? QPixmap() : p.scaled(64, 64, Qt::KeepAspectRatio));

    // "Títulos:" one line per competition, with the count and the years.
    std::map<std::tuple<int, int, int>, QStringList> porCompeticao;
    const auto titulos = TitulosDoClube(jogo_, clube);
    for (const TituloDoClube& t : titulos)
        porCompeticao[{t.competicao, t.chave, t.divisao}] << QString::number(2006 + t.temporada);
    QStringList linhas;
    for (const auto& [chave, anos] : porCompeticao) {
        const auto& [competicao, k, divisao] = chave;
        linhas << QStringLiteral("%1: %2 (%3)")
                      .arg(NomeDoTitulo(jogo_, competicao, k, divisao))
                      .arg(anos.size())
                      .arg(anos.join(QStringLiteral(", ")));
    }
    titulos_->setText(QStringLiteral("Títulos: ") +
                      (linhas.isEmpty() ? QStringLiteral("nenhum") : QString()) +
                      (linhas.isEmpty() ? QString() : QStringLiteral("\n") + linhas.join('\n')));

    linhas_ = RetrospectoDoClube(jogo_, clube);
    lista_->setRowCount(0);
    lista_->setRowCount(static_cast<int>(linhas_.size()));
    for (int k = 0; k < static_cast<int>(linhas_.size()); ++k) {
        const TemporadaDoClube& t = linhas_[k];
        Celula(lista_, k, kAno, QString::number(2006 + t.temporada), true);
        // The place the league ended in ("3º - Primeira Divisão"), or where
        // the season being played stands.
        QString liga = QStringLiteral("—");
        if (t.colocacao > 0) liga = QStringLiteral("%1º").arg(t.colocacao);
        if (t.colocacao > 0 && t.divisao >= 1 && t.divisao <= 4)
            liga += QStringLiteral(" - ") + ui::Q(nomedivisao(t.divisao));
        Celula(lista_, k, kLiga, liga);
        const int valores[6] = {t.jogos,    t.vitorias, t.empates,
                                t.derrotas, t.golspro,  t.golscontra};
        for (int c = 0; c < 6; ++c) Celula(lista_, k, kJ + c, QString::number(valores[c]), true);
        QStringList tecnicos;
        for (int tec : t.tecnicos) tecnicos << NomeDoTecnico(jogo_, tec);
        Celula(lista_, k, kTecnicos, tecnicos.join(QStringLiteral(", ")));
    }
    MostrarGrafico(titulos);
}

QChart* TelaRetrospecto::Grafico() const {
    return grafico_->chart();
}

// The finish of every season with a league place, one line per division, and
// a mark on the seasons the club won something.
void TelaRetrospecto::MostrarGrafico(const std::vector<TituloDoClube>& titulos) {
    std::vector<ui::Serie> series(4);
    for (int d = 0; d < 4; ++d) series[d].nome = ui::Q(nomedivisao(d + 1));
    ui::Serie marcas{ui::T(2913), {}, {}, false, true};
    int pior = 2, primeiro = 0, ultimo = 0;
    // Oldest first, along the axis of years.
    for (auto t = linhas_.rbegin(); t != linhas_.rend(); ++t) {
        const int ano = 2006 + t->temporada;
        if (primeiro == 0) primeiro = ano;
        ultimo = ano;
        if (t->colocacao <= 0 || t->divisao < 1 || t->divisao > 4) continue;
        series[t->divisao - 1].valores.push_back(t->colocacao);
        series[t->divisao - 1].x.push_back(ano);
        pior = std::max(pior, t->colocacao);
        const bool ganhou = std::any_of(titulos.begin(), titulos.end(),
                                        [&](const auto& x) { return x.temporada == t->temporada; });
        if (ganhou) {
            marcas.valores.push_back(t->colocacao);
            marcas.x.push_back(ano);
        }
    }
    std::erase_if(series, [](const ui::Serie& s) { return s.valores.empty(); });
    if (!marcas.valores.empty()) series.push_back(marcas);
    ui::MostrarLinhas(grafico_->chart(), series, primeiro, std::max(ultimo, primeiro + 1), 1, pior,
                      ui::T(2911), ui::T(2912), true);
}

} // namespace history::telas
