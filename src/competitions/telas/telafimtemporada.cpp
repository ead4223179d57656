#include "competitions/telas/telafimtemporada.hpp"

#include "match/resultadosdodia.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace competitions::telas {

using namespace world;

namespace {

QString Nome(const Jogo& jogo, int c) {
    return c >= 0 && c < static_cast<int>(jogo.times.size()) ? ui::Q(jogo.times[c].nome.view())
                                                             : QString();
}

QString Competicao(const TTituloHistorico& t) {
    switch (t.competicao) {
    case 1: {
        QString liga = ui::Q(nomeliga(t.chave));
        if (liga.isEmpty()) liga = ui::Q(NomePais(t.chave));
        return liga + QStringLiteral(" - ") + ui::Q(nomedivisao(t.divisao));
    }
    case 2: {
        const QString copa = ui::Q(nomecopapais(t.chave));
        return copa.isEmpty() ? QStringLiteral("Copa ") + ui::Q(NomePais(t.chave)) : copa;
    }
    case 3:
        return QStringLiteral("Estadual %1").arg(t.chave + 1);
    default:
        return QString::number(t.competicao);
    }
}

QTableWidget* Tabela(QWidget* pai, const QStringList& titulos) {
    auto* t = new QTableWidget(0, static_cast<int>(titulos.size()), pai);
    t->setHorizontalHeaderLabels(titulos);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return t;
}

void Linha(QTableWidget* t, const QStringList& celulas) {
    const int r = t->rowCount();
    t->insertRow(r);
    for (int k = 0; k < celulas.size(); ++k) t->setItem(r, k, new QTableWidgetItem(celulas[k]));
}

} // namespace

TelaFimTemporada::TelaFimTemporada(const Jogo& jogo, QWidget* pai)
    : QWidget(pai), campeoes_(Tabela(this, {QStringLiteral("Competição"), QStringLiteral("Campeão"),
                                            QStringLiteral("Vice")})),
      artilheiros_(Tabela(this, {QStringLiteral("País"), QStringLiteral("Artilheiro"),
                                 QStringLiteral("Time"), QStringLiteral("Gols")})),
      continuar_(new QPushButton(QStringLiteral("Continuar >>"), this)) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xe8, 0xec, 0xe4));
    setPalette(pal);
    setAutoFillBackground(true);
    ui::PintarFundo(this, ui::kFundoListas);
    const int temporada = jogo.estado.temporada;
    auto* titulo = new QLabel(QStringLiteral("Fim da temporada %1").arg(2006 + temporada), this);
    QFont f = titulo->font();
    f.setPointSize(16);
    f.setBold(true);
    titulo->setFont(f);
    titulo->setAutoFillBackground(true);

    // Champion and runner-up of each competition, in the order they were won.
    const auto& h = jogo.historicotitulos;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (h[i].temporada != temporada || h[i].lugar != 1) continue;
        QString vice;
        for (std::size_t k = 0; k < h.size(); ++k)
            if (h[k].temporada == temporada && h[k].lugar == 2 &&
                h[k].competicao == h[i].competicao && h[k].chave == h[i].chave &&
                h[k].divisao == h[i].divisao)
                vice = Nome(jogo, h[k].time);
        Linha(campeoes_, {Competicao(h[i]), Nome(jogo, h[i].time), vice});
    }
    for (const auto& a : match::ArtilheirosDaTemporada(jogo))
        Linha(artilheiros_, {ui::Q(NomePais(a.pais)), ui::Q(jogo.jogadores[a.jogador].nome.view()),
                             Nome(jogo, a.time), QString::number(a.gols)});
    connect(continuar_, &QPushButton::clicked, this, &TelaFimTemporada::continuar);
    for (auto tecla : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(tecla), this), &QShortcut::activated, continuar_,
                &QPushButton::click);

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(titulo);
    coluna->addWidget(campeoes_, 3);
    coluna->addWidget(artilheiros_, 1);
    coluna->addWidget(continuar_, 0, Qt::AlignRight);
}

} // namespace competitions::telas
