#include "history/telas/gradehistorico.hpp"

#include "ui/escudos.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/clubes.hpp"
#include "world/nomescompeticoes.hpp"
#include "world/paises.hpp"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace history::telas {

using namespace world;

QColor CorDaLinha(int linha) {
    return linha % 2 == 0 ? QColor(Qt::white) : QColor(0xff, 0xff, 0xd8);
}

QTableWidget* NovaLista(const QStringList& colunas, QWidget* pai) {
    auto* t = new QTableWidget(0, static_cast<int>(colunas.size()), pai);
    t->setHorizontalHeaderLabels(colunas);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(20);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setWordWrap(false);
    t->setIconSize(QSize(18, 18));
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The world's lists run to thousands of rows: columns fit the rows on
    // view and the first hundred (the leaders, the widest figures) rather
    // than measuring a thousand rows at each refill.
    t->horizontalHeader()->setResizeContentsPrecision(100);
    return t;
}

QTableWidgetItem* Celula(QTableWidget* t, int linha, int coluna, const QString& texto,
                         bool numero) {
    auto* it = new QTableWidgetItem(texto);
    it->setBackground(CorDaLinha(linha));
    it->setForeground(QColor(Qt::black));
    if (numero) it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(linha, coluna, it);
    return it;
}

QString NomeDoClube(const Jogo& jogo, int time) {
    return jogo.TimeValido(time) ? ui::Q(jogo.times[time].nome.view()) : QString();
}

QString NomeDoTecnico(const Jogo& jogo, int tecnico) {
    return jogo.TecnicoValido(tecnico) ? ui::Q(jogo.tecnicos[tecnico].nome.view()) : QString();
}

QString NomeDoJogador(const Jogo& jogo, int jogador) {
    return jogo.JogadorValido(jogador) ? ui::Q(jogo.jogadores[jogador].nome.view()) : QString();
}

QPixmap MiniEscudos::De(int time) {
    if (!jogo_.TimeValido(time)) return {};
    const QString nome = ui::Q(jogo_.times[time].escudo.view());
    if (const auto it = lidos_.constFind(nome); it != lidos_.constEnd()) return *it;
    QPixmap p = ui::MiniEscudoDoTime(jogo_, time);
    if (p.size() != QSize(18, 18)) p = QPixmap();
    lidos_.insert(nome, p);
    return p;
}

void PreencherPaises(QComboBox* caixa, const Jogo& jogo, int liga) {
    caixa->clear();
    for (const TLiga& l : jogo.ligas) {
        const std::string pais = NomePais(l.pais);
        caixa->addItem(ui::Q(pais.empty() ? NomeDaLiga(jogo, l.pais) : pais), l.pais);
    }
    caixa->setVisible(jogo.ligas.size() > 1);
    if (liga >= 0 && liga < caixa->count()) caixa->setCurrentIndex(liga);
}

QHBoxLayout* RodapeFechar(QDialog* tela) {
    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar));
    fechar->setObjectName(QStringLiteral("fechar"));
    fechar->setDefault(true);
    QObject::connect(fechar, &QPushButton::clicked, tela, &QDialog::accept);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(fechar);
    return rodape;
}

} // namespace history::telas
