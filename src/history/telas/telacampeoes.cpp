#include "history/telas/telacampeoes.hpp"

#include "history/artilharia.hpp"
#include "history/telas/gradehistorico.hpp"
#include "history/telas/telaclubeanos.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/competicoes.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace history::telas {

using namespace world;

namespace {

// An entry of "Ver:": competition code and key (the key of the league, the
// cup and the state championship comes from their own pickers).
struct Entrada {
    int competicao;
    int chave;
    QString nome;
    bool ligada;
};

bool TemRegistro(const Jogo& jogo, int competicao) {
    return std::any_of(jogo.historicotitulos.begin(), jogo.historicotitulos.end(),
                       [&](const TTituloHistorico& t) { return t.competicao == competicao; });
}

QString NomeDoColocado(const Jogo& jogo, int competicao, int indice) {
    if (indice < 0) return {};
    // The tournaments' placings are countries.
    if (EhTorneioDeSelecoes(competicao)) return ui::Q(NomePais(indice));
    return NomeDoClube(jogo, indice);
}

// A national team coached by the computer won with its own coach, whose
// name its file keeps.
QString TecnicoCampeao(const Jogo& jogo, int competicao, const LinhaCampeoes& l) {
    if (!EhTorneioDeSelecoes(competicao) || jogo.TecnicoValido(l.tecnico))
        return NomeDoTecnico(jogo, l.tecnico);
    for (const TSelecao& s : jogo.selecoes)
        if (l.campeao >= 0 && s.pais == l.campeao) return ui::Q(s.tecnico.view());
    return {};
}

} // namespace

TelaCampeoes::TelaCampeoes(const Jogo& jogo, int clube, QWidget* pai) : QDialog(pai), jogo_(jogo) {
    setWindowTitle(QStringLiteral("Campeões"));
    setObjectName(QStringLiteral("campeoes"));
    setModal(true);

    const TEstadoJogo& e = jogo_.estado;
    const Entrada entradas[] = {
        {kLiga, -1, ui::T(ui::kTextoCampeonato), true},
        {kCopaNacional, -1, ui::T(ui::kTextoCopaNacional), e.copanacional != 0},
        {kEstadual, -1, QStringLiteral("Estadual"), e.estaduais != 0},
        {kContinental1, 1, ui::T(329), e.continental1 != 0},
        {kContinental1, 2, ui::T(328), e.continental1 != 0},
        {kContinental2, 1, ui::T(331), e.continental1 && e.continental2},
        {kContinental2, 2, ui::T(330), e.continental1 && e.continental2},
        {kMundialDeClubes, -1, ui::T(ui::kTextoMundialDeClubes), e.continental1 != 0},
        {kCopaDoMundo, -1, ui::T(ui::kTextoCopaDoMundo), e.copadomundo != 0},
        {kCopaAmerica, -1, ui::T(ui::kTextoCopaAmerica), e.copaamerica != 0},
        {kEurocopa, -1, ui::T(ui::kTextoEurocopa), e.eurocopa != 0},
    };
    competicoes_ = new QComboBox;
    competicoes_->setObjectName(QStringLiteral("competicoes"));
    for (const Entrada& x : entradas)
        if (x.ligada || TemRegistro(jogo_, x.competicao))
            competicoes_->addItem(x.nome, QList<QVariant>{x.competicao, x.chave});

    paises_ = new QComboBox;
    paises_->setObjectName(QStringLiteral("paises"));
    PreencherPaises(paises_, jogo_, LigaInicial(jogo_, clube));
    divisoes_ = new QComboBox;
    divisoes_->setObjectName(QStringLiteral("divisoes"));
    estados_ = new QComboBox;
    estados_->setObjectName(QStringLiteral("estados"));
    for (int s = 0; s < kEstados; ++s)
        estados_->addItem(QStringLiteral("Estadual %1").arg(s + 1), s);
    // The state of the club on screen first.
    if (jogo_.TimeValido(clube) && jogo_.times[clube].estado >= 0 &&
        jogo_.times[clube].estado < kEstados)
        estados_->setCurrentIndex(jogo_.times[clube].estado);

    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel(QStringLiteral("Ver:")));
    topo->addWidget(competicoes_);
    topo->addSpacing(12);
    topo->addWidget(paises_);
    topo->addWidget(divisoes_);
    topo->addWidget(estados_);
    topo->addStretch();

    lista_ = NovaLista({QStringLiteral("Ano"), QStringLiteral("Campeão"), QStringLiteral("Vice"),
                        QStringLiteral("Artilheiro"), QStringLiteral("Técnico Campeão"),
                        QStringLiteral("Local"), QStringLiteral("3º"), QStringLiteral("4º")});
    lista_->setObjectName(QStringLiteral("lista"));
    for (int c : {kCampeao, kVice, kArtilheiro, kTecnico})
        lista_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    // A club's name opens its record (the scorer's, his club's).
    connect(lista_, &QTableWidget::cellDoubleClicked, this, [this](int linha, int coluna) {
        if (linha < 0 || linha >= static_cast<int>(linhas_.size()) ||
            EhTorneioDeSelecoes(Escolhida().competicao))
            return;
        const LinhaCampeoes& l = linhas_[linha];
        const int clube = coluna == kCampeao      ? l.campeao
                          : coluna == kVice       ? l.vice
                          : coluna == kArtilheiro ? l.timeartilheiro
                          : coluna == kTerceiro   ? l.terceiro
                          : coluna == kQuarto     ? l.quarto
                                                  : -1;
        if (!jogo_.TimeValido(clube) || jogo_.EhSelecao(clube)) return;
        TelaRetrospecto tela(jogo_, clube, this);
        tela.exec();
    });

    QHBoxLayout* rodape = RodapeFechar(this);

    auto* v = new QVBoxLayout(this);
    v->addLayout(topo);
    v->addWidget(lista_, 1);
    v->addLayout(rodape);

    MontarDivisoes();
    connect(competicoes_, &QComboBox::currentIndexChanged, this, &TelaCampeoes::Mostrar);
    connect(paises_, &QComboBox::currentIndexChanged, this, [this] {
        MontarDivisoes();
        Mostrar();
    });
    connect(divisoes_, &QComboBox::currentIndexChanged, this, &TelaCampeoes::Mostrar);
    connect(estados_, &QComboBox::currentIndexChanged, this, &TelaCampeoes::Mostrar);
    Mostrar();
    ui::Dimensionar(this, QSize(1000, 600));
}

void TelaCampeoes::MontarDivisoes() {
    const QSignalBlocker calado(divisoes_);
    const int antes = std::max(0, divisoes_->currentIndex());
    divisoes_->clear();
    const int li = jogo_.LigaDoPais(paises_->currentData().toInt());
    const int n = li >= 0 ? std::clamp<int>(jogo_.ligas[li].numdivisoes, 0, 4) : 0;
    for (int d = 1; d <= n; ++d) divisoes_->addItem(ui::Q(nomedivisao(d)), d);
    divisoes_->setCurrentIndex(std::min(antes, n - 1));
}

CompeticaoHistorica TelaCampeoes::Escolhida() const {
    CompeticaoHistorica c;
    const QList<QVariant> dados = competicoes_->currentData().toList();
    c.competicao = dados.value(0, 1).toInt();
    c.chave = dados.value(1, -1).toInt();
    if (c.competicao == kLiga || c.competicao == kCopaNacional)
        c.chave = paises_->currentData().toInt();
    if (c.competicao == kLiga) c.divisao = divisoes_->currentData().toInt();
    if (c.competicao == kEstadual) c.chave = estados_->currentData().toInt();
    return c;
}

void TelaCampeoes::Mostrar() {
    const CompeticaoHistorica c = Escolhida();
    paises_->setVisible(jogo_.ligas.size() > 1 &&
                        (c.competicao == kLiga || c.competicao == kCopaNacional));
    divisoes_->setVisible(c.competicao == kLiga);
    estados_->setVisible(c.competicao == kEstadual);
    // A tournament's scorers played for national teams that are cut away
    // when it ends: no top scorer is kept for it, so the column goes.
    lista_->setColumnHidden(kArtilheiro, EhTorneioDeSelecoes(c.competicao));

    linhas_ = Campeoes(jogo_, c);
    lista_->setUpdatesEnabled(false);
    lista_->setRowCount(0);
    lista_->setRowCount(static_cast<int>(linhas_.size()));
    for (int k = 0; k < static_cast<int>(linhas_.size()); ++k) {
        const LinhaCampeoes& l = linhas_[k];
        Celula(lista_, k, kAno, QString::number(2006 + l.temporada), true);
        QTableWidgetItem* campeao =
            Celula(lista_, k, kCampeao, NomeDoColocado(jogo_, c.competicao, l.campeao));
        QFont b = campeao->font();
        b.setBold(true);
        campeao->setFont(b);
        Celula(lista_, k, kVice, NomeDoColocado(jogo_, c.competicao, l.vice));
        QString artilheiro;
        if (const QString nome = NomeDoJogador(jogo_, l.artilheiro); !nome.isEmpty())
            artilheiro = QStringLiteral("%1 (%2)").arg(nome).arg(l.golsartilheiro);
        Celula(lista_, k, kArtilheiro, artilheiro)
            ->setToolTip(NomeDoClube(jogo_, l.timeartilheiro));
        Celula(lista_, k, kTecnico, TecnicoCampeao(jogo_, c.competicao, l));
        Celula(lista_, k, kLocal, l.local >= 0 ? ui::Q(NomePais(l.local)) : QString());
        Celula(lista_, k, kTerceiro, NomeDoColocado(jogo_, c.competicao, l.terceiro));
        Celula(lista_, k, kQuarto, NomeDoColocado(jogo_, c.competicao, l.quarto));
    }
    lista_->setUpdatesEnabled(true);
    lista_->scrollToTop();
}

} // namespace history::telas
