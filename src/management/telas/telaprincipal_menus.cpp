// The menus of the main screen. Entries whose screens the game does not have
// yet are shown disabled, with their keys, so the menus read as they will.
#include "management/telas/telaprincipal.hpp"

#include "history/telas/telashistorico.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>

namespace management::telas {

namespace {

using Teclas = std::initializer_list<QKeySequence>;

QAction* Entrada(QWidget* tela, QMenu* menu, const QString& texto, Teclas teclas = {}) {
    QAction* a = menu->addAction(texto);
    if (teclas.size() > 0) a->setShortcuts(QList<QKeySequence>(teclas));
    // The keys work wherever the focus is on the screen, menu closed.
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    tela->addAction(a);
    return a;
}

QAction* Ainda(QWidget* tela, QMenu* menu, const QString& texto, Teclas teclas = {}) {
    QAction* a = Entrada(tela, menu, texto, teclas);
    a->setEnabled(false);
    return a;
}

} // namespace

void TelaPrincipal::MontarMenus() {
    menus_ = new QMenuBar(this);
    menus_->setNativeMenuBar(false);

    QMenu* jogo = menus_->addMenu(QStringLiteral("&Jogo"));
    connect(Entrada(this, jogo, ui::T(ui::kTextoSalvar), {QKeySequence(Qt::Key_F2)}),
            &QAction::triggered, this, &TelaPrincipal::salvar);
    connect(Entrada(this, jogo, ui::T(ui::kTextoOpcoes), {QKeySequence(Qt::Key_F3)}),
            &QAction::triggered, this, &TelaPrincipal::opcoes);
    connect(Entrada(this, jogo, QStringLiteral("Técnicos humanos")), &QAction::triggered, this,
            &TelaPrincipal::tecnicos);
    jogo->addSeparator();
    QAction* demitir = Entrada(this, jogo, QStringLiteral("Se demitir"));
    connect(demitir, &QAction::triggered, this, &TelaPrincipal::demitir);
    acoesdoclube_ << demitir;
    connect(Entrada(this, jogo, QStringLiteral("Sair do jogo")), &QAction::triggered, this,
            &TelaPrincipal::sair);

    QMenu* clube = menus_->addMenu(QStringLiteral("&Clube"));
    QAction* financas =
        Entrada(this, clube, QStringLiteral("Finanças"), {QKeySequence(Qt::CTRL | Qt::Key_F)});
    connect(financas, &QAction::triggered, this, &TelaPrincipal::financas);
    QAction* emprestimo = Entrada(this, clube, QStringLiteral("Empréstimo bancário"));
    connect(emprestimo, &QAction::triggered, this, &TelaPrincipal::emprestimo);
    clube->addSeparator();
    QAction* jogos = Entrada(this, clube, QStringLiteral("Jogos do clube"),
                             {QKeySequence(Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_J)});
    connect(jogos, &QAction::triggered, this, &TelaPrincipal::calendario);
    acoesdoclube_ << financas << emprestimo << jogos;
    QAction* estadio = Entrada(this, clube, QStringLiteral("Estádio"), {QKeySequence(Qt::Key_F6)});
    connect(estadio, &QAction::triggered, this, &TelaPrincipal::estadio);
    acoesdoclube_ << estadio;
    QAction* emails = Entrada(this, clube, QStringLiteral("E-mails"), {QKeySequence(Qt::Key_F7)});
    connect(emails, &QAction::triggered, this, &TelaPrincipal::emails);
    QAction* outros =
        Entrada(this, clube, QStringLiteral("Outros clubes"), {QKeySequence(Qt::Key_F8)});
    connect(outros, &QAction::triggered, this, &TelaPrincipal::outrosclubes);
    QAction* busca = Entrada(this, clube, QStringLiteral("Busca de Jogadores"));
    connect(busca, &QAction::triggered, this, &TelaPrincipal::busca);
    acoesdoclube_ << emails << outros << busca;
    QAction* amistosos =
        Entrada(this, clube, QStringLiteral("Jogos Amistosos"), {QKeySequence(Qt::Key_F9)});
    connect(amistosos, &QAction::triggered, this, &TelaPrincipal::amistosos);
    acoesdoclube_ << amistosos;

    QMenu* competicoes = menus_->addMenu(QStringLiteral("C&ompetições"));
    connect(Entrada(this, competicoes, QStringLiteral("Classificação"), {QKeySequence(Qt::Key_F5)}),
            &QAction::triggered, this, &TelaPrincipal::classificacao);
    Ainda(this, competicoes, QStringLiteral("Tabela de jogos"),
          {QKeySequence(Qt::CTRL | Qt::Key_T)});
    connect(Entrada(this, competicoes, ui::T(ui::kTextoCopaNacional)), &QAction::triggered, this,
            &TelaPrincipal::copa);
    QAction* estadual = Entrada(this, competicoes, QStringLiteral("Estadual"));
    estadual->setEnabled(jogo_.estado.estaduais != 0);
    connect(estadual, &QAction::triggered, this, &TelaPrincipal::estaduais);
    QAction* continentais = Entrada(this, competicoes, QStringLiteral("Continentais"));
    continentais->setEnabled(jogo_.estado.continental1 != 0);
    connect(continentais, &QAction::triggered, this, &TelaPrincipal::continentais);
    QAction* mundial = Entrada(this, competicoes, ui::T(ui::kTextoMundialDeClubes));
    mundial->setEnabled(jogo_.estado.continental1 != 0);
    connect(mundial, &QAction::triggered, this, &TelaPrincipal::mundial);
    QAction* torneio = Entrada(this, competicoes, QStringLiteral("Torneio de seleções"));
    torneio->setEnabled(jogo_.estado.copadomundo || jogo_.estado.copaamerica ||
                        jogo_.estado.eurocopa);
    connect(torneio, &QAction::triggered, this, &TelaPrincipal::torneio);

    // The history screens only read the game: they open here, over the
    // screen, on the club on screen.
    using history::telas::TelaHistorico;
    auto abrir = [this](QMenu* menu, TelaHistorico t) {
        QAction* a =
            Entrada(this, menu, history::telas::NomeDaTela(t), {history::telas::TeclaDaTela(t)});
        connect(a, &QAction::triggered, this,
                [this, t] { history::telas::AbrirTelaHistorico(jogo_, t, Clube(), this); });
    };
    QMenu* rankings = menus_->addMenu(QStringLiteral("&Rankings"));
    abrir(rankings, TelaHistorico::RankingClubes);
    abrir(rankings, TelaHistorico::RankingTecnicos);
    abrir(rankings, TelaHistorico::Artilharia);

    QMenu* historico = menus_->addMenu(QStringLiteral("&Histórico"));
    abrir(historico, TelaHistorico::Campeoes);
    abrir(historico, TelaHistorico::Retrospecto);
    connect(Entrada(this, historico, QStringLiteral("Últimas transferências")), &QAction::triggered,
            this, &TelaPrincipal::transferencias);
    connect(Entrada(this, historico, QStringLiteral("Últimas contratações de técnicos")),
            &QAction::triggered, this, &TelaPrincipal::contratacoes);

    QMenu* ajuda = menus_->addMenu(QStringLiteral("&Ajuda"));
    connect(Entrada(this, ajuda, ui::T(ui::kTextoSobreOJogo)), &QAction::triggered, this,
            &TelaPrincipal::sobre);
}

} // namespace management::telas
