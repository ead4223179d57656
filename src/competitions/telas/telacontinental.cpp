#include "competitions/telas/telacontinental.hpp"

#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/continentais.hpp"
#include "competitions/historico.hpp"
#include "competitions/telas/telaclassificacao.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/paises.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace competitions::telas {

using namespace world;

namespace {

// The cup's name in the region's edition.
QString NomeDaEdicao(int competicao, int regiao) {
    return ui::T(competicao == kContinental1 ? (regiao == 1 ? 329 : 328)
                                             : (regiao == 1 ? 331 : 330));
}

QPushButton* BotaoOk(QDialog* d, QVBoxLayout* v) {
    auto* ok = new QPushButton(QStringLiteral("OK"));
    QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
    auto* b = new QHBoxLayout;
    b->addStretch();
    b->addWidget(ok);
    v->addLayout(b);
    return ok;
}

} // namespace

TelaContinental::TelaContinental(const Jogo& jogo, int competicao, int regiao, QWidget* pai)
    : QDialog(pai), jogo_(jogo) {
    ui::Dimensionar(this, QSize(1100, 740));
    auto* v = new QVBoxLayout(this);
    edicoes_ = new QComboBox;
    for (int c : {kContinental1, kContinental2}) {
        if (c == kContinental2 && !jogo.estado.continental2) continue;
        for (int r = 1; r <= 2; ++r) {
            edicoesdisponiveis_.push_back({c, r});
            edicoes_->addItem(NomeDaEdicao(c, r));
        }
    }
    edicoes_->setMinimumWidth(260);
    campeao_ = new QLabel;
    QFont f = campeao_->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    campeao_->setFont(f);
    auto* topo = new QHBoxLayout;
    topo->addWidget(edicoes_);
    topo->addStretch();
    topo->addWidget(campeao_);
    topo->addStretch();
    v->addLayout(topo);
    vazio_ = new QLabel(QStringLiteral("Os torneios continentais começam na segunda temporada."));
    vazio_->setAlignment(Qt::AlignCenter);
    v->addWidget(vazio_);

    abas_ = new QTabWidget;
    // Groups: two columns of four, each its title above its table.
    auto* pgrupos = new QWidget;
    auto* g = new QGridLayout(pgrupos);
    g->setSpacing(4);
    for (int k = 0; k < 8; ++k) {
        auto* caixa = new QVBoxLayout;
        caixa->setSpacing(0);
        caixa->addWidget(new QLabel(QStringLiteral("Grupo %1").arg(k + 1)));
        QTableWidget* t = NovaTabela();
        t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
        t->setMinimumHeight(t->horizontalHeader()->sizeHint().height() +
                            4 * t->verticalHeader()->defaultSectionSize() + 2 * t->frameWidth());
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grupos_[k] = t;
        caixa->addWidget(t, 1);
        g->addLayout(caixa, k / 2, k % 2);
    }
    abas_->addTab(pgrupos, QStringLiteral("Grupos"));
    // The knockout: the last 16 in the first column, the final in the last.
    auto* pchave = new QWidget;
    auto* grade = new QGridLayout(pchave);
    grade->setSpacing(2);
    chave_.Montar(grade, {{8, 4, 2, 1}, {}, {}}, [&jogo](int c) { return NomeNaChave(jogo, c); });
    abas_->addTab(pchave, QStringLiteral("Mata-mata"));
    v->addWidget(abas_, 1);
    BotaoOk(this, v);

    int inicial = 0;
    int quer = regiao;
    if (quer < 0) {
        const int h = jogo.estado.timeshumanos[0];
        quer = jogo.TimeValido(h) && RegiaoDoPais(jogo.times[h].pais) == 1 ? 1 : 2;
    }
    const int copa = competicao == kContinental2 ? kContinental2 : kContinental1;
    for (std::size_t i = 0; i < edicoesdisponiveis_.size(); ++i)
        if (edicoesdisponiveis_[i] == std::pair{copa, quer}) inicial = static_cast<int>(i);
    connect(edicoes_, &QComboBox::currentIndexChanged, this, &TelaContinental::Mostrar);
    edicoes_->setCurrentIndex(inicial);
    Mostrar(inicial);
    // In the knockout the bracket is what a player looks for first.
    if (jogo.estado.contadores.fasecontinental[copa == kContinental2 ? 1 : 0] >= 4 &&
        GruposSorteados(jogo))
        abas_->setCurrentIndex(1);
}

int TelaContinental::Competicao() const {
    const int i = edicoes_->currentIndex();
    return i >= 0 && i < static_cast<int>(edicoesdisponiveis_.size()) ? edicoesdisponiveis_[i].first
                                                                      : kContinental1;
}

int TelaContinental::Regiao() const {
    const int i = edicoes_->currentIndex();
    return i >= 0 && i < static_cast<int>(edicoesdisponiveis_.size())
               ? edicoesdisponiveis_[i].second
               : 1;
}

void TelaContinental::Mostrar(int indice) {
    if (indice < 0 || indice >= static_cast<int>(edicoesdisponiveis_.size())) return;
    const auto [competicao, regiao] = edicoesdisponiveis_[indice];
    setWindowTitle(NomeDaEdicao(competicao, regiao));
    const bool sorteado = GruposSorteados(jogo_);
    vazio_->setVisible(!sorteado);
    abas_->setVisible(sorteado);
    for (int k = 0; k < 8; ++k)
        PreencherTabela(grupos_[k], jogo_,
                        Tabela(jogo_, competicao, ClubesDoGrupo(jogo_, competicao, regiao, k + 1)));
    chave_.MostrarChave(ChaveContinental(jogo_, competicao, regiao));
    const int campeao = competitions::CampeaoDe(jogo_, competicao, regiao, jogo_.estado.temporada);
    campeao_->setVisible(jogo_.TimeValido(campeao));
    if (jogo_.TimeValido(campeao))
        campeao_->setText(QStringLiteral("Campeão: ") + NomeNaChave(jogo_, campeao));
}

TelaMundial::TelaMundial(const Jogo& jogo, QWidget* pai) : QDialog(pai) {
    setWindowTitle(ui::T(ui::kTextoMundialDeClubes));
    ui::Dimensionar(this, QSize(760, 520));
    auto* v = new QVBoxLayout(this);
    jogos_ = new QTableWidget(0, 4);
    jogos_->setHorizontalHeaderLabels({QStringLiteral("Fase"), QStringLiteral("Local"),
                                       QStringLiteral("Jogo"), QStringLiteral("Placar")});
    jogos_->verticalHeader()->hide();
    jogos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    jogos_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    jogos_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    jogos_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    jogos_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    v->addWidget(jogos_, 2);
    colocacao_ = new QTableWidget(0, 2);
    colocacao_->setHorizontalHeaderLabels({QStringLiteral("Lugar"), QStringLiteral("Clube")});
    colocacao_->verticalHeader()->hide();
    colocacao_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    colocacao_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    v->addWidget(colocacao_, 1);
    BotaoOk(this, v);

    if (!MundialSorteado(jogo)) {
        jogos_->setRowCount(1);
        jogos_->setItem(0, 2, new QTableWidgetItem(QStringLiteral("Ainda não sorteado")));
        return;
    }
    static const QString kFases[6] = {QStringLiteral("1ª fase"),   QStringLiteral("1ª fase"),
                                      QStringLiteral("Semifinal"), QStringLiteral("Semifinal"),
                                      QStringLiteral("Final"),     QStringLiteral("3º lugar")};
    // In the order they are played, the day's first match at Toquio.
    static constexpr int kOrdem[6] = {0, 1, 2, 3, 5, 4};
    jogos_->setRowCount(6);
    for (int linha = 0; linha < 6; ++linha) {
        const int k = kOrdem[linha];
        const TParMundial& p = jogo.paresmundial[k];
        const TPartida* f = p.partida >= 0 && p.partida < static_cast<int>(jogo.partidas.size())
                                ? &jogo.partidas[p.partida]
                                : nullptr;
        QString placar;
        if (f && f->jogado) {
            placar = QStringLiteral("%1 x %2").arg(f->golsmandante).arg(f->golsvisitante);
            if (f->golsmandante == f->golsvisitante)
                placar += QStringLiteral(" (pên. %1 x %2)")
                              .arg(f->penaltismandante)
                              .arg(f->penaltisvisitante);
        }
        auto* jogoitem = new QTableWidgetItem(NomeNaChave(jogo, p.time1) + QStringLiteral(" x ") +
                                              NomeNaChave(jogo, p.time2));
        if (p.vencedor >= 0 && jogo.TimeValido(p.vencedor)) {
            jogoitem->setToolTip(QStringLiteral("Vencedor: ") + NomeNaChave(jogo, p.vencedor));
        }
        jogos_->setItem(linha, 0, new QTableWidgetItem(kFases[k]));
        jogos_->setItem(linha, 1,
                        new QTableWidgetItem(linha % 2 == 0 ? QStringLiteral("Toquio")
                                                            : QStringLiteral("Yokohama")));
        jogos_->setItem(linha, 2, jogoitem);
        jogos_->setItem(linha, 3, new QTableWidgetItem(placar));
    }
    const int temporada = jogo.estado.temporada;
    colocacao_->setRowCount(4);
    for (int l = 1; l <= 4; ++l) {
        const int c = competitions::ClubeNaPosicao(jogo, -1, l, temporada, -1, kMundialDeClubes);
        colocacao_->setItem(l - 1, 0, new QTableWidgetItem(QStringLiteral("%1º").arg(l)));
        colocacao_->setItem(l - 1, 1,
                            new QTableWidgetItem(c >= 0 ? NomeNaChave(jogo, c) : QString()));
    }
}

} // namespace competitions::telas
