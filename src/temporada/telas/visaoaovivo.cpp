#include "temporada/telas/visaoaovivo.hpp"

#include "management/escalacaotatica.hpp"
#include "match/resultadosdata.hpp"
#include "match/vagas.hpp"
#include "temporada/telas/dialogosaovivo.hpp"
#include "ui/escudos.hpp"
#include "ui/fundo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/arbitros.hpp"
#include "world/clubes.hpp"
#include "world/posicoes.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace temporada::telas {

using namespace match;

using namespace world;

namespace {

constexpr int kPapelJogador = Qt::UserRole;

QString Nome(const char* prefixo, int lado) {
    return QString::fromLatin1(prefixo) + QString::number(lado + 1);
}

QLabel* Negrito(const QString& texto, int aumento = 0) {
    auto* l = new QLabel(texto);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + aumento);
    l->setFont(f);
    return l;
}

// Rows as tall as the text needs and no more: both lineups, both benches and
// the tactics fit one 1024 x 768 screen.
int AlturaDaLinha(const QWidget* w) {
    return w->fontMetrics().height() + 4;
}

// A grid that shows `linhas` rows and its header without a scroll bar.
int AlturaDaGrade(const QTableWidget* g, int linhas) {
    return linhas * g->verticalHeader()->defaultSectionSize() +
           g->horizontalHeader()->sizeHint().height() + 2 * g->frameWidth();
}

QTableWidget* Grade(const QStringList& colunas, const QString& nome) {
    auto* g = new QTableWidget(0, colunas.size());
    g->setObjectName(nome);
    g->setHorizontalHeaderLabels(colunas);
    g->verticalHeader()->hide();
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    g->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    g->verticalHeader()->setDefaultSectionSize(AlturaDaLinha(g));
    return g;
}

void Celula(QTableWidget* g, int linha, int coluna, const QString& texto, int jogador,
            bool vermelho, bool selecionavel) {
    auto* item = new QTableWidgetItem(texto);
    item->setData(kPapelJogador, jogador);
    if (vermelho) item->setForeground(Qt::red);
    if (!selecionavel) item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
    g->setItem(linha, coluna, item);
}

QComboBox* Caixa(const std::vector<std::string>& itens, const QString& nome) {
    auto* c = new QComboBox;
    c->setObjectName(nome);
    for (const std::string& s : itens) c->addItem(ui::Q(s));
    return c;
}

} // namespace

VisaoAoVivo::VisaoAoVivo(Jogo& jogo, Rodada& rodada, int m, bool intervalo, QWidget* pai)
    : QDialog(pai), jogo_(jogo), rodada_(rodada), m_(m), intervalo_(intervalo) {
    setWindowTitle(QStringLiteral("Partida ao vivo"));
    setModal(true);
    const TJogoDaRodada& p = rodada.jogos[m];
    if (intervalo) estatisticas_ = EstatisticasIntervalo(jogo, rodada, m);

    // Header: badges, names and coaches around the score and the clock.
    auto* cabecalho = new QHBoxLayout;
    auto clube = [&](int lado) {
        const int c = p.Clube(lado);
        auto* caixa = new QHBoxLayout;
        auto* escudo = new QLabel;
        const QPixmap fig = ui::EscudoDoTime(jogo, c);
        if (!fig.isNull()) escudo->setPixmap(fig.scaledToHeight(64, Qt::SmoothTransformation));
        auto* textos = new QVBoxLayout;
        auto* nome = Negrito(ui::Q(jogo.times[c].nome.view()), 4);
        nome->setObjectName(Nome("nome", lado));
        const int t = jogo.times[c].tecnico;
        auto* tecnico = new QLabel(t >= 0 && t < static_cast<int>(jogo.tecnicos.size())
                                       ? ui::Q(jogo.tecnicos[t].nome.view())
                                       : QString());
        tecnico->setObjectName(Nome("tecnico", lado));
        textos->addWidget(nome);
        textos->addWidget(tecnico);
        const Qt::Alignment a = lado == 0 ? Qt::AlignLeft : Qt::AlignRight;
        nome->setAlignment(a);
        tecnico->setAlignment(a);
        if (lado == 0) {
            caixa->addWidget(escudo);
            caixa->addLayout(textos, 1);
        } else {
            caixa->addLayout(textos, 1);
            caixa->addWidget(escudo);
        }
        return caixa;
    };
    placar_ = Negrito(QString(), 12);
    placar_->setObjectName(QStringLiteral("placar"));
    placar_->setAlignment(Qt::AlignCenter);
    minuto_ = Negrito(QString(), 2);
    minuto_->setObjectName(QStringLiteral("minuto"));
    tempo_ = Negrito(QString(), 2);
    tempo_->setObjectName(QStringLiteral("tempo"));
    auto* relogio = new QHBoxLayout;
    relogio->addStretch();
    relogio->addWidget(tempo_);
    relogio->addSpacing(12);
    relogio->addWidget(minuto_);
    relogio->addStretch();
    auto* centro = new QVBoxLayout;
    centro->addWidget(placar_);
    centro->addLayout(relogio);
    cabecalho->addLayout(clube(0), 1);
    cabecalho->addLayout(centro);
    cabecalho->addLayout(clube(1), 1);

    // The ground, the crowd and the referee.
    auto* local = new QHBoxLayout;
    local->addWidget(Negrito(QStringLiteral("Estádio")));
    auto* estadio = new QLabel(ui::Q(p.estadio.view()));
    estadio->setObjectName(QStringLiteral("estadio"));
    local->addWidget(estadio);
    local->addSpacing(20);
    auto* publico = new QLabel(
        QStringLiteral("Público: %1 (Arquibancada: %2)").arg(p.publico).arg(p.publicosetor[1]));
    publico->setObjectName(QStringLiteral("publico"));
    if (PublicoOculto(rodada.tipo, p.publico)) publico->hide();
    local->addWidget(publico);
    local->addStretch();
    local->addWidget(Negrito(QStringLiteral("Árbitro:")));
    const int a = ArbitroDaPartida(jogo, rodada, m);
    auto* arbitro = new QPushButton(a >= 0 ? ui::Q(arbitros()[a].nome) : QStringLiteral("-"), this);
    arbitro->setObjectName(QStringLiteral("arbitro"));
    arbitro->setFlat(true);
    arbitro->setCursor(Qt::PointingHandCursor);
    arbitro->setAutoDefault(false);
    arbitro->setEnabled(a >= 0);
    connect(arbitro, &QPushButton::clicked, this, &VisaoAoVivo::AbrirArbitro);
    local->addWidget(arbitro);

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(MontarLado(0), 1);
    if (intervalo) corpo->addWidget(MontarEstatisticas());
    corpo->addWidget(MontarLado(1), 1);

    auto* voltar = new QPushButton(QStringLiteral("Voltar ao jogo"), this);
    voltar->setObjectName(QStringLiteral("voltar"));
    voltar->setDefault(true);
    connect(voltar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(voltar);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(cabecalho);
    layout->addLayout(local);
    layout->addLayout(corpo, 1);
    layout->addLayout(rodape);
    ui::Dimensionar(this, QSize(1180, 720));
    Atualizar();
    voltar->setFocus();
}

QWidget* VisaoAoVivo::MontarLado(int lado) {
    Lado& l = lados_[lado];
    const TJogoDaRodada& p = rodada_.jogos[m_];
    const int c = p.Clube(lado);
    l.humano = jogo_.times[c].humano != 0;
    auto* caixa = new QGroupBox(ui::Q(jogo_.times[c].nome.view()));
    auto* v = new QVBoxLayout(caixa);

    const QStringList colunas = {QStringLiteral("P"), QStringLiteral("Nome"),
                                 QStringLiteral("Função"), QStringLiteral("F"),
                                 QStringLiteral("E")};
    l.titulares = Grade(colunas, Nome("titulares", lado));
    l.banco = Grade(colunas, Nome("banco", lado));
    l.titulares->setMinimumHeight(AlturaDaGrade(l.titulares, 11));
    l.banco->setMinimumHeight(AlturaDaGrade(l.banco, 7));
    for (QTableWidget* g : {l.titulares, l.banco}) {
        g->installEventFilter(this);
        if (!l.humano) g->setSelectionMode(QAbstractItemView::NoSelection);
        connect(g, &QTableWidget::itemSelectionChanged, this,
                [this, lado] { AtualizarBotao(lado); });
    }
    if (l.humano)
        connect(l.titulares, &QTableWidget::cellDoubleClicked, this,
                [this, lado](int linha, int) { MudarPosicao(lado, linha); });
    v->addWidget(l.titulares, 3);
    v->addWidget(new QLabel(QStringLiteral("Banco:")));
    v->addWidget(l.banco, 2);

    auto* taticas = new QGridLayout;
    l.estilo = Caixa(management::ItensEstilo(), Nome("estilo", lado));
    l.marcacao = Caixa(management::ItensMarcacao(), Nome("marcacao", lado));
    l.jogadas = Caixa(management::ItensJogadas(), Nome("jogadas", lado));
    taticas->addWidget(new QLabel(QStringLiteral("Estilo de jogo:")), 0, 0);
    taticas->addWidget(l.estilo, 0, 1);
    taticas->addWidget(new QLabel(QStringLiteral("Tipo da marcação:")), 1, 0);
    taticas->addWidget(l.marcacao, 1, 1);
    taticas->addWidget(new QLabel(QStringLiteral("Concentrar ataques:")), 2, 0);
    taticas->addWidget(l.jogadas, 2, 1);
    taticas->setColumnStretch(1, 1);
    for (QComboBox* b : {l.estilo, l.marcacao, l.jogadas}) {
        b->setEnabled(l.humano);
        b->installEventFilter(this);
    }
    // The engine reads the club's tactics from the next minute on.
    connect(l.estilo, &QComboBox::activated, this,
            [this, c](int i) { management::DefinirEstilo(jogo_, c, i); });
    connect(l.marcacao, &QComboBox::activated, this,
            [this, c](int i) { management::DefinirMarcacao(jogo_, c, i); });
    connect(l.jogadas, &QComboBox::activated, this,
            [this, c](int i) { management::DefinirJogadas(jogo_, c, i); });
    v->addLayout(taticas);

    l.substituicoes = new QLabel;
    l.substituicoes->setObjectName(Nome("substituicoes", lado));
    v->addWidget(l.substituicoes);
    l.substituir = new QPushButton(QStringLiteral("Substituir"), caixa);
    l.substituir->setObjectName(Nome("substituir", lado));
    l.substituir->setAutoDefault(false);
    connect(l.substituir, &QPushButton::clicked, this, [this, lado] { Substituir(lado); });
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(l.substituir);
    v->addLayout(h);
    return caixa;
}

QWidget* VisaoAoVivo::MontarEstatisticas() {
    auto* caixa = new QGroupBox(QStringLiteral("Estatísticas no Intervalo"));
    caixa->setObjectName(QStringLiteral("estatisticas"));
    auto* g = new QGridLayout(caixa);
    struct Linha {
        const char* nome;
        QString texto;
        int EstatisticasDoLado::*campo;
    };
    const Linha linhas[] = {
        {"posse", QStringLiteral("Posse de bola"), &EstatisticasDoLado::posse},
        {"finalizacoes", QStringLiteral("Finalizações"), &EstatisticasDoLado::finalizacoes},
        {"roubadas", QStringLiteral("Roubadas bola"), &EstatisticasDoLado::roubadas},
        {"passeserrados", QStringLiteral("Passes errados"), &EstatisticasDoLado::passeserrados},
        {"faltas", QStringLiteral("Faltas cometidas"), &EstatisticasDoLado::faltas},
    };
    int r = 0;
    for (const Linha& l : linhas) {
        for (int lado = 0; lado < 2; ++lado) {
            const int valor = estatisticas_[lado].*l.campo;
            auto* n =
                Negrito(l.campo == &EstatisticasDoLado::posse ? QStringLiteral("%1%").arg(valor)
                                                              : QString::number(valor));
            n->setObjectName(QString::fromLatin1(l.nome) + QString::number(lado + 1));
            n->setAlignment(Qt::AlignCenter);
            g->addWidget(n, r, lado == 0 ? 0 : 2);
        }
        auto* rotulo = new QLabel(l.texto);
        rotulo->setAlignment(Qt::AlignCenter);
        g->addWidget(rotulo, r++, 1);
    }
    g->setRowStretch(r, 1);
    caixa->setMinimumWidth(240);
    return caixa;
}

void VisaoAoVivo::Atualizar() {
    const TJogoDaRodada& p = rodada_.jogos[m_];
    placar_->setText(QStringLiteral("%1 x %2").arg(p.gols[0]).arg(p.gols[1]));
    const TextoRelogio r = TextoDoRelogio(rodada_, intervalo_);
    tempo_->setText(ui::Q(r.tempo));
    minuto_->setText(ui::Q(r.minuto));
    for (int lado = 0; lado < 2; ++lado) AtualizarLado(lado);
}

void VisaoAoVivo::AtualizarLado(int lado) {
    Lado& l = lados_[lado];
    const TJogoDaRodada& p = rodada_.jogos[m_];
    const TEscalacao& e = jogo_.escalacoes[p.Escalacao(lado)];
    auto encher = [&](QTableWidget* g, const std::vector<int>& jogadores, bool titulares) {
        g->clearContents();
        g->setRowCount(static_cast<int>(jogadores.size()));
        for (int i = 0; i < static_cast<int>(jogadores.size()); ++i) {
            const int idx = jogadores[i];
            const TJogador& j = jogo_.jogadores[idx];
            const bool apto = titulares
                                  ? EmCondicoesNaPartida(jogo_, rodada_, idx)
                                  : !(j.retorno > rodada_.hoje) && j.suspensao[rodada_.tipo] == 0;
            const auto funcoes = FuncoesNaPartida(j.posicaoatual);
            const QString funcao = j.funcao >= 0 && j.funcao < static_cast<int>(funcoes.size())
                                       ? ui::Q(funcoes[j.funcao])
                                       : QString();
            QString pos = ui::Q(NomeCurtoPosicao(j.posicaoatual));
            if (j.posicaoatual != j.posicao) pos += QStringLiteral("*");
            const QString textos[] = {pos, ui::Q(j.nome.view()), funcao, QString::number(j.forca),
                                      QString::number(j.energia)};
            for (int c = 0; c < 5; ++c) Celula(g, i, c, textos[c], idx, !apto, apto);
        }
    };
    // The goalkeeper heads the list, then slots 1..10.
    std::vector<int> titulares, banco;
    if (Vaga(e, kVagaGoleiro) > 0) titulares.push_back(Vaga(e, kVagaGoleiro));
    for (int v = 0; v < kVagaGoleiro; ++v)
        if (Vaga(e, v) > 0) titulares.push_back(Vaga(e, v));
    for (int b : e.reservas)
        if (b > 0 && !jogo_.jogadores[b].jogou) banco.push_back(b);
    encher(l.titulares, titulares, true);
    encher(l.banco, banco, false);

    const TTime& t = jogo_.times[p.Clube(lado)];
    l.estilo->setCurrentIndex(t.estilo);
    l.marcacao->setCurrentIndex(t.marcacao);
    l.jogadas->setCurrentIndex(t.jogadas);

    QStringList linhas;
    for (const LinhaSubstituicao& s : SubstituicoesDoLado(rodada_, m_, lado))
        linhas << QStringLiteral("%1 \u2194 %2, %3' - %4º")
                      .arg(ui::Q(jogo_.jogadores[s.sai].nome.view()),
                           s.entra > 0 ? ui::Q(jogo_.jogadores[s.entra].nome.view()) : QString())
                      .arg(s.minuto)
                      .arg(s.tempo);
    l.substituicoes->setText(linhas.join(QLatin1Char('\n')));
    AtualizarBotao(lado);
}

int VisaoAoVivo::Selecionado(QTableWidget* grade) const {
    const auto itens = grade->selectedItems();
    return itens.isEmpty() ? 0 : itens.front()->data(kPapelJogador).toInt();
}

void VisaoAoVivo::AtualizarBotao(int lado) {
    Lado& l = lados_[lado];
    l.substituir->setVisible(l.humano && rodada_.jogos[m_].substituicoes[lado] > 0);
    l.substituir->setEnabled(
        PodeSubstituir(jogo_, rodada_, m_, lado, Selecionado(l.titulares), Selecionado(l.banco)));
}

void VisaoAoVivo::Substituir(int lado) {
    Lado& l = lados_[lado];
    if (!l.humano) return;
    if (SubstituirNaPartida(jogo_, rodada_, m_, lado, Selecionado(l.titulares),
                            Selecionado(l.banco)))
        AtualizarLado(lado);
}

void VisaoAoVivo::MudarPosicao(int lado, int linha) {
    const QTableWidgetItem* item = lados_[lado].titulares->item(linha, 0);
    if (!lados_[lado].humano || !item) return;
    const int jogador = item->data(kPapelJogador).toInt();
    if (!EmCondicoesNaPartida(jogo_, rodada_, jogador)) return;
    auto* d = new DialogoMudancaPosicao(jogo_, rodada_, m_, lado, jogador, this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QDialog::accepted, this, [this, lado] { AtualizarLado(lado); });
    d->open();
}

void VisaoAoVivo::AbrirArbitro() {
    auto* d = new CaixaArbitro(ArbitroDaPartida(jogo_, rodada_, m_), this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->open();
}

bool VisaoAoVivo::eventFilter(QObject* alvo, QEvent* evento) {
    // Enter and Space go back to the match from wherever the focus is.
    if (evento->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(evento)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(alvo, evento);
}

void VisaoAoVivo::keyPressEvent(QKeyEvent* evento) {
    const int k = evento->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
        accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

} // namespace temporada::telas
