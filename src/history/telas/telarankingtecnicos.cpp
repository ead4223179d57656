#include "history/telas/telarankingtecnicos.hpp"

#include "history/artilharia.hpp"
#include "history/telas/gradehistorico.hpp"
#include "ui/fundo.hpp"
#include "ui/janelas.hpp"
#include "ui/textos.hpp"
#include "world/paises.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace history::telas {

using namespace world;

namespace {

struct ColunaTitulo {
    const char* sigla;
    const char* nome;
};
constexpr ColunaTitulo kTitulos[kColunasTecnico] = {{"M", "Mundial de Clubes"},
                                                    {"L", "Libertadores / Liga dos Campeões"},
                                                    {"S", "Sul-Americana / Copa da UEFA"},
                                                    {"N", "Campeonato nacional"},
                                                    {"C", "Copa nacional"},
                                                    {"E", "Estadual"}};

} // namespace

TelaRankingTecnicos::TelaRankingTecnicos(const Jogo& jogo, int clube, QWidget* pai)
    : QDialog(pai), jogo_(jogo) {
    setObjectName(QStringLiteral("rankingtecnicos"));
    setModal(true);

    escolha_ = new QComboBox;
    escolha_->setObjectName(QStringLiteral("escolha"));
    PreencherPaises(escolha_, jogo_, LigaInicial(jogo_, clube));
    escolha_->addItem(QStringLiteral("Ranking Mundial"), -1);
    escolha_->setVisible(true);
    titulo_ = new QLabel;
    titulo_->setObjectName(QStringLiteral("titulo"));
    QFont f = titulo_->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    titulo_->setFont(f);
    ui::FaixaClara(titulo_);
    auto* topo = new QHBoxLayout;
    topo->addWidget(titulo_, 1);
    topo->addWidget(escolha_);

    QStringList colunas{QStringLiteral("#"), QStringLiteral("Técnico"),
                        QStringLiteral("Time atual")};
    for (const ColunaTitulo& c : kTitulos) colunas << QString::fromLatin1(c.sigla);
    colunas << QStringLiteral("Pontos");
    lista_ = NovaLista(colunas);
    lista_->setObjectName(QStringLiteral("lista"));
    lista_->horizontalHeader()->setSectionResizeMode(kColTecnico, QHeaderView::Stretch);
    lista_->horizontalHeader()->setSectionResizeMode(kColTime, QHeaderView::Stretch);
    for (int c = 0; c < kColunasTecnico; ++c)
        lista_->horizontalHeaderItem(kColPrimeiroTitulo + c)
            ->setToolTip(QString::fromUtf8(kTitulos[c].nome));

    QHBoxLayout* rodape = RodapeFechar(this);

    auto* v = new QVBoxLayout(this);
    v->addLayout(topo);
    v->addWidget(lista_, 1);
    v->addLayout(rodape);

    connect(escolha_, &QComboBox::currentIndexChanged, this, &TelaRankingTecnicos::Mostrar);
    Mostrar();
    ui::Dimensionar(this, QSize(820, 640));
}

void TelaRankingTecnicos::Mostrar() {
    const int pais = escolha_->currentData().toInt();
    const QString titulo =
        pais < 0 ? ui::T(829) : ui::T(190) + QStringLiteral(" - ") + ui::Q(NomePais(pais));
    titulo_->setText(titulo);
    setWindowTitle(titulo);
    // State titles are the home country's alone.
    lista_->setColumnHidden(kColPrimeiroTitulo + kTcEstadual,
                            !jogo_.estado.estaduais || (pais >= 0 && pais != kPaisCasa));

    linhas_ = RankingDeTecnicos(jogo_, pais);
    lista_->setUpdatesEnabled(false);
    lista_->setRowCount(0);
    lista_->setRowCount(static_cast<int>(linhas_.size()));
    for (int k = 0; k < static_cast<int>(linhas_.size()); ++k) {
        const LinhaRankingTecnico& l = linhas_[k];
        Celula(lista_, k, 0, QString::number(k + 1), true);
        QTableWidgetItem* nome = Celula(lista_, k, kColTecnico, NomeDoTecnico(jogo_, l.tecnico));
        if (jogo_.tecnicos[l.tecnico].humano) {
            QFont b = nome->font();
            b.setBold(true);
            nome->setFont(b);
        }
        Celula(lista_, k, kColTime, NomeDoClube(jogo_, l.time));
        for (int c = 0; c < kColunasTecnico; ++c)
            Celula(lista_, k, kColPrimeiroTitulo + c, QString::number(l.titulos[c]), true);
        Celula(lista_, k, kColPontos, QString::number(l.pontos), true);
    }
    lista_->setUpdatesEnabled(true);
    lista_->scrollToTop();
}

} // namespace history::telas
