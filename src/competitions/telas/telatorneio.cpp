#include "competitions/telas/telatorneio.hpp"

#include "competitions/calendario.hpp"
#include "competitions/classificacao.hpp"
#include "competitions/telas/telaclassificacao.hpp"
#include "competitions/torneios.hpp"
#include "match/resultadosdata.hpp"
#include "plataforma/datas.hpp"
#include "ui/escudos.hpp"
#include "ui/fundo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/paises.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace competitions::telas {

using namespace world;

namespace {

QString Nome(const Jogo& jogo, int c) {
    return ui::Q(match::NomeDoClubeArquivado(jogo, c));
}

QChar LetraDoGrupo(int g) {
    return QChar(u'A' + (g - 1));
}

const TPartida* Partida(const Jogo& jogo, int p) {
    return p >= 0 && p < static_cast<int>(jogo.partidas.size()) ? &jogo.partidas[p] : nullptr;
}

// "2 x 1", with the shoot-out of a drawn knockout match; empty before it is
// played.
QString Placar(const TPartida* f, bool matamata) {
    if (!f || !f->jogado) return {};
    QString placar = QStringLiteral("%1 x %2").arg(f->golsmandante).arg(f->golsvisitante);
    if (matamata && f->golsmandante == f->golsvisitante)
        placar +=
            QStringLiteral(" (pên. %1 x %2)").arg(f->penaltismandante).arg(f->penaltisvisitante);
    return placar;
}

// The winner of a played knockout match, shoot-out included; -1 before it
// is played. The results screen shows the tables before the cycle writes the
// winners into the pairings.
int Vencedor(const TPartida* f) {
    if (!f || !f->jogado) return -1;
    if (f->golsmandante != f->golsvisitante)
        return f->golsmandante > f->golsvisitante ? f->mandante : f->visitante;
    if (f->penaltismandante == f->penaltisvisitante) return -1;
    return f->penaltismandante > f->penaltisvisitante ? f->mandante : f->visitante;
}

// The name of knockout phase `fase` (4 on) of the tournament; the last phase
// holds the final (its first pairing) and the match for third place.
QString NomeDaFase(int codigo, int fase, bool terceiro) {
    const int fases = static_cast<int>(FasesEliminatorias(codigo).size());
    const int ultima = 3 + fases;
    if (fase == ultima) return terceiro ? QStringLiteral("3º lugar") : QStringLiteral("Final");
    if (fase == ultima - 1) return QStringLiteral("Semifinal");
    if (fase == ultima - 2) return QStringLiteral("Quartas de final");
    return QStringLiteral("Oitavas de final");
}

// The knockout phase (4 on) of pairing k, and whether it is the match for
// third place.
std::pair<int, bool> FaseDoPar(int codigo, int k) {
    const std::vector<int> fases = FasesEliminatorias(codigo);
    int inicio = 0;
    for (int f = 0; f < static_cast<int>(fases.size()); ++f) {
        if (k < inicio + fases[f])
            return {4 + f, f + 1 == static_cast<int>(fases.size()) && k > inicio};
        inicio += fases[f];
    }
    return {0, false};
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

QString NomeDoTorneio(int codigo) {
    switch (codigo) {
    case kCopaDoMundo:
        return ui::T(ui::kTextoCopaDoMundo);
    case kCopaAmerica:
        return ui::T(ui::kTextoCopaAmerica);
    case kEurocopa:
        return ui::T(ui::kTextoEurocopa);
    default:
        return {};
    }
}

TelaTorneio::TelaTorneio(const Jogo& jogo, QWidget* pai) : QDialog(pai), jogo_(jogo) {
    ui::Dimensionar(this, QSize(1100, 740));
    const TTorneio& t = jogo.estado.torneio;
    const bool emcurso = TorneioEmCurso(jogo);
    const int codigo = emcurso ? t.codigo : 0;
    const QString ano = QString::number(2006 + jogo.estado.temporada);
    setWindowTitle(emcurso ? NomeDoTorneio(codigo) + QLatin1Char(' ') + ano
                           : QStringLiteral("Torneio de seleções"));
    auto* v = new QVBoxLayout(this);

    auto* topo = new QHBoxLayout;
    auto* titulo = new QLabel(windowTitle());
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    titulo->setFont(f);
    ui::FaixaClara(titulo);
    titulo->setMargin(3);
    topo->addWidget(titulo);
    if (emcurso && t.sede >= 0) {
        // The countries whose cities hold the matches.
        QStringList paises;
        for (const int p : PaisesDasSedes(t)) paises << ui::Q(NomePais(p));
        auto* sede = new QLabel(QStringLiteral("Sede: ") + paises.join(QStringLiteral(" e ")));
        sede->setObjectName(QStringLiteral("sede"));
        ui::FaixaClara(sede);
        sede->setMargin(3);
        topo->addWidget(sede);
    }
    topo->addStretch();
    campeao_ = new QLabel;
    campeao_->setObjectName(QStringLiteral("campeao"));
    f.setPointSize(f.pointSize() - 2);
    campeao_->setFont(f);
    ui::FaixaClara(campeao_);
    campeao_->setMargin(3);
    // The champion as soon as the final is played.
    int campeao = t.campeao;
    if (emcurso && campeao < 0) {
        const std::vector<int> fases = FasesEliminatorias(codigo);
        const int final = std::accumulate(fases.begin(), fases.end(), 0) - 2;
        if (final >= 0 && final < static_cast<int>(jogo.grupostorneio.size()))
            campeao = Vencedor(Partida(jogo, jogo.grupostorneio[final].partida));
    }
    if (emcurso && jogo.TimeValido(campeao))
        campeao_->setText(QStringLiteral("Campeão: ") + Nome(jogo, campeao));
    topo->addWidget(campeao_);
    v->addLayout(topo);
    campeao_->setVisible(!campeao_->text().isEmpty());

    if (!emcurso) {
        auto* vazio = new QLabel(QStringLiteral("Nenhum torneio de seleções em andamento."));
        vazio->setAlignment(Qt::AlignCenter);
        ui::FaixaClara(vazio);
        v->addWidget(vazio, 1);
        BotaoOk(this, v);
        return;
    }
    abas_ = new QTabWidget;
    abas_->addTab(MontarGrupos(codigo), QStringLiteral("Grupos"));
    abas_->addTab(MontarChave(codigo), QStringLiteral("Mata-mata"));
    abas_->addTab(MontarJogos(codigo), QStringLiteral("Tabela de jogos"));
    v->addWidget(abas_, 1);
    BotaoOk(this, v);
    // In the knockout the bracket is what a player looks for first.
    if (jogo.estado.contadores.fasetorneio > 4) abas_->setCurrentIndex(1);
}

QTableWidget* TelaTorneio::Grupo(int g) const {
    return g >= 1 && g <= NumeroDeGrupos() ? grupos_[g - 1] : nullptr;
}

QWidget* TelaTorneio::MontarGrupos(int codigo) {
    auto* pagina = new QWidget;
    auto* g = new QGridLayout(pagina);
    g->setSpacing(4);
    const int n = GruposDoTorneio(codigo);
    // Two columns of tables; the Copa America's three stand one per row.
    const int colunas = n > 4 ? 2 : 1;
    for (int k = 1; k <= n; ++k) {
        auto* caixa = new QVBoxLayout;
        caixa->setSpacing(0);
        auto* nome = new QLabel(QStringLiteral("Grupo ") + LetraDoGrupo(k));
        QFont negrito = nome->font();
        negrito.setBold(true);
        nome->setFont(negrito);
        ui::FaixaClara(nome);
        caixa->addWidget(nome);
        QTableWidget* t = NovaTabela();
        t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
        t->setMinimumHeight(t->horizontalHeader()->sizeHint().height() +
                            4 * t->verticalHeader()->defaultSectionSize() + 2 * t->frameWidth());
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        std::vector<int> clubes;
        for (int c : GrupoDoTorneio(jogo_, k))
            if (c >= 0) clubes.push_back(c);
        const auto linhas = Tabela(jogo_, codigo, clubes);
        PreencherTabela(t, jogo_, linhas);
        // Each team's badge beside its name.
        for (int r = 0; r < static_cast<int>(linhas.size()); ++r)
            if (QTableWidgetItem* it = t->item(r, 1))
                it->setIcon(QIcon(ui::EscudoDoTime(jogo_, linhas[r].time)));
        grupos_.push_back(t);
        caixa->addWidget(t, 1);
        g->addLayout(caixa, (k - 1) / colunas, (k - 1) % colunas);
    }
    return pagina;
}

QWidget* TelaTorneio::MontarChave(int codigo) {
    auto* pagina = new QWidget;
    auto* grade = new QGridLayout(pagina);
    grade->setSpacing(4);
    Chaveamento::Formato formato;
    formato.fases = FasesEliminatorias(codigo);
    for (int f = 0; f < static_cast<int>(formato.fases.size()); ++f)
        formato.titulos.push_back(NomeDaFase(codigo, 4 + f, false));
    formato.terceiro = NomeDaFase(codigo, 3 + static_cast<int>(formato.fases.size()), true);
    chave_.Montar(grade, formato, [this](int c) { return c >= 0 ? Nome(jogo_, c) : QString(); });
    const int pares =
        std::min<int>(chave_.NumeroDeCaixas(), static_cast<int>(jogo_.grupostorneio.size()));
    for (int i = 0; i < pares; ++i) {
        const TParTorneio& p = jogo_.grupostorneio[i];
        const TPartida* f = Partida(jogo_, p.partida);
        chave_.Mostrar(i, p.time1, p.time2, p.vencedor >= 0 ? p.vencedor : Vencedor(f),
                       Placar(f, true));
    }
    return pagina;
}

QWidget* TelaTorneio::MontarJogos(int codigo) {
    jogos_ = new QTableWidget(0, 5);
    jogos_->setObjectName(QStringLiteral("jogos"));
    jogos_->setHorizontalHeaderLabels({QStringLiteral("Data"), QStringLiteral("Fase"),
                                       QStringLiteral("Local"), QStringLiteral("Jogo"),
                                       QStringLiteral("Placar")});
    jogos_->verticalHeader()->hide();
    jogos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    jogos_->setSelectionBehavior(QAbstractItemView::SelectRows);
    jogos_->setAlternatingRowColors(true);
    QHeaderView* h = jogos_->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::ResizeToContents);
    h->setSectionResizeMode(3, QHeaderView::Stretch);
    std::vector<int> lista;
    for (int i = 0; i < static_cast<int>(jogo_.partidas.size()); ++i)
        if (jogo_.partidas[i].competicao == codigo) lista.push_back(i);
    std::stable_sort(lista.begin(), lista.end(),
                     [&](int a, int b) { return jogo_.partidas[a].data < jogo_.partidas[b].data; });
    // Knockout fixtures know their pairing, and so their phase's name.
    auto par = [&](int partida) {
        for (int k = 0; k < static_cast<int>(jogo_.grupostorneio.size()); ++k)
            if (jogo_.grupostorneio[k].partida == partida) return k;
        return -1;
    };
    jogos_->setRowCount(static_cast<int>(lista.size()));
    for (int l = 0; l < static_cast<int>(lista.size()); ++l) {
        const TPartida& p = jogo_.partidas[lista[l]];
        QString fase;
        if (p.rodada <= 3 && p.grupo >= 1 && p.grupo <= 8) {
            fase = QStringLiteral("Grupo %1 - %2ª rodada").arg(LetraDoGrupo(p.grupo)).arg(p.rodada);
        } else {
            const int k = par(lista[l]);
            fase = k >= 0
                       ? NomeDaFase(codigo, FaseDoPar(codigo, k).first, FaseDoPar(codigo, k).second)
                       : QString();
        }
        jogos_->setItem(l, 0, new QTableWidgetItem(ui::Q(plataforma::TextoData(p.data))));
        jogos_->setItem(l, 1, new QTableWidgetItem(fase));
        jogos_->setItem(l, 2, new QTableWidgetItem(ui::Q(EstadioDoTorneio(jogo_, lista[l]))));
        jogos_->setItem(l, 3,
                        new QTableWidgetItem(Nome(jogo_, p.mandante) + QStringLiteral(" x ") +
                                             Nome(jogo_, p.visitante)));
        auto* placar = new QTableWidgetItem(Placar(&p, p.rodada >= 4));
        placar->setTextAlignment(Qt::AlignCenter);
        jogos_->setItem(l, 4, placar);
    }
    return jogos_;
}

} // namespace competitions::telas
