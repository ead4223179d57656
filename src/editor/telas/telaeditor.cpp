#include "editor/telas/telaeditor.hpp"

#include "editor/telas/comum.hpp"
#include "editor/telas/dialogos.hpp"
#include "editor/telas/gradejogadores.hpp"
#include "ui/escudos.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <QApplication>
#include <QColorDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace editor::telas {

namespace {

enum ColunaClube { kClNome, kClPais, kClNivel, kClJogadores, kClArquivo, kColunasClube };
enum ColunaSelecao { kSlPais, kSlTecnico, kSlNivel, kSlJogadores, kColunasSelecao };

QPushButton* Botao(const QString& texto, const char* nome) {
    auto* b = new QPushButton(texto);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}

QTableWidget* Lista(const QStringList& titulos, const char* nome) {
    auto* t = new QTableWidget;
    t->setObjectName(QString::fromLatin1(nome));
    t->setColumnCount(static_cast<int>(titulos.size()));
    t->setHorizontalHeaderLabels(titulos);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(21);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    t->setSortingEnabled(true);
    return t;
}

// An incomplete team is greyed and slanted, with the reason over it.
void MarcarIncompleta(QTableWidget* t, int fila, bool incompleta, const QString& motivo) {
    for (int c = 0; c < t->columnCount(); ++c) {
        QTableWidgetItem* it = t->item(fila, c);
        if (!it) continue;
        QFont f = it->font();
        f.setItalic(incompleta);
        it->setFont(f);
        it->setForeground(incompleta ? QColor(150, 60, 60) : QColor(Qt::black));
        it->setToolTip(incompleta ? motivo : QString());
    }
}

int FilaDe(const QTableWidget* t, int indice) {
    for (int f = 0; f < t->rowCount(); ++f) {
        const QTableWidgetItem* it = t->item(f, 0);
        if (it && it->data(kPapelIndice).toInt() == indice) return f;
    }
    return -1;
}

} // namespace

// --- TelaCarregamento -------------------------------------------------------------

TelaCarregamento::TelaCarregamento(QWidget* pai) : QWidget(pai) {
    setObjectName(QStringLiteral("carregandoeditor"));
    barra_ = new QProgressBar;
    barra_->setRange(0, 1);
    barra_->setValue(0);
    ui::PaginaDeCarga(this, QStringLiteral("Carregando equipes..."), barra_);
}

Editor TelaCarregamento::Carregar() {
    QApplication::processEvents();
    return CarregarEditor([this](int lidos, int total) {
        if (barra_->maximum() != total) barra_->setRange(0, total);
        barra_->setValue(lidos);
        // A repaint now and then keeps the bar moving without slowing the load.
        if (lidos % 50 == 0 || lidos == total) QApplication::processEvents();
    });
}

// --- TelaEditor ----------------------------------------------------------------

TelaEditor::TelaEditor(Editor ed, QWidget* pai) : QWidget(pai), ed_(std::move(ed)) {
    setObjectName(QStringLiteral("editor"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x0b, 0x3d, 0x1c));
    setPalette(pal);
    setAutoFillBackground(true);
    ui::PintarFundo(this, ui::kFundoListas);

    auto* titulo = new QLabel(ui::T(ui::kTextoEditorDeTimes));
    QFont ft = titulo->font();
    ft.setPointSize(15);
    ft.setBold(true);
    titulo->setFont(ft);
    titulo->setContentsMargins(10, 4, 10, 4);
    ui::FaixaClara(titulo);

    // Left: the two lists and the team buttons.
    botaoclubes_ = Botao(QStringLiteral("Clubes"), "clubes");
    botaoselecoes_ = Botao(QStringLiteral("Seleções"), "selecoes");
    for (QPushButton* b : {botaoclubes_, botaoselecoes_}) {
        b->setCheckable(true);
        b->setMinimumHeight(30);
    }
    botaoselecoes_->setToolTip(QStringLiteral(
        "Arraste um jogador de um clube para cá para levá-lo à seleção do seu país"));
    botaoselecoes_->setAcceptDrops(true);
    botaoselecoes_->installEventFilter(this);
    clubes_ = Lista({QStringLiteral("Clube"), QStringLiteral("País"), QStringLiteral("Nível"),
                     QStringLiteral("Jog."), QStringLiteral("Arquivo")},
                    "listaclubes");
    selecoes_ = Lista({QStringLiteral("Seleção"), QStringLiteral("Técnico"),
                       QStringLiteral("Nível"), QStringLiteral("Jog.")},
                      "listaselecoes");
    selecoes_->horizontalHeader()->setSectionResizeMode(kSlTecnico, QHeaderView::Stretch);
    selecoes_->viewport()->setAcceptDrops(true);
    selecoes_->viewport()->installEventFilter(this);
    listas_ = new QStackedWidget;
    listas_->addWidget(clubes_);
    listas_->addWidget(selecoes_);
    addequipe_ = Botao(QStringLiteral("Adicionar"), "adicionarequipe");
    editequipe_ = Botao(QStringLiteral("Editar"), "editarequipe");
    apagaequipe_ = Botao(QStringLiteral("Apagar"), "apagarequipe");

    auto* esquerda = ui::Quadro();
    auto* le = new QVBoxLayout(esquerda);
    auto* troca = new QHBoxLayout;
    troca->addWidget(botaoclubes_);
    troca->addWidget(botaoselecoes_);
    le->addLayout(troca);
    le->addWidget(listas_, 1);
    auto* be = new QHBoxLayout;
    be->addWidget(addequipe_);
    be->addWidget(editequipe_);
    be->addWidget(apagaequipe_);
    le->addLayout(be);
    esquerda->setMinimumWidth(330);

    // Right: the team chosen and its players.
    escudo_ = new QLabel;
    escudo_->setFixedSize(64, 64);
    escudo_->setAlignment(Qt::AlignCenter);
    nome_ = new QLabel;
    nome_->setObjectName(QStringLiteral("nomeequipe"));
    nome_->setTextFormat(Qt::PlainText);
    QFont fn = nome_->font();
    fn.setPointSize(13);
    fn.setBold(true);
    nome_->setFont(fn);
    detalhes_ = new QLabel;
    detalhes_->setTextFormat(Qt::PlainText);
    detalhes_->setWordWrap(true);
    grade_ = new GradeJogadores;
    total_ = new QLabel;
    total_->setObjectName(QStringLiteral("total"));
    titulares_ = new QLabel;
    titulares_->setObjectName(QStringLiteral("titulares"));
    for (QLabel* l : {total_, titulares_}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    addjogador_ = Botao(QStringLiteral("Adicionar jogador"), "adicionarjogador");
    editjogador_ = Botao(QStringLiteral("Editar jogador"), "editarjogador");
    apagajogador_ = Botao(QStringLiteral("Apagar jogador"), "apagarjogador");
    transferir_ = Botao(QStringLiteral("Transferir..."), "transferir");

    auto* direita = ui::Quadro();
    auto* ld = new QVBoxLayout(direita);
    auto* cabeca = new QHBoxLayout;
    cabeca->addWidget(escudo_);
    auto* textos = new QVBoxLayout;
    textos->addWidget(nome_, 0, Qt::AlignLeft);
    textos->addWidget(detalhes_);
    cabeca->addLayout(textos, 1);
    ld->addLayout(cabeca);
    ld->addWidget(grade_, 1);
    auto* totais = new QHBoxLayout;
    totais->addWidget(total_);
    totais->addSpacing(24);
    totais->addWidget(titulares_);
    totais->addStretch();
    ld->addLayout(totais);
    auto* bj = new QHBoxLayout;
    bj->addWidget(addjogador_);
    bj->addWidget(editjogador_);
    bj->addWidget(apagajogador_);
    bj->addWidget(transferir_);
    bj->addStretch();
    ld->addLayout(bj);

    menu_ = Botao(ui::T(2700), "menu");
    sair_ = Botao(ui::T(ui::kTextoSair), "sair"); // the main menu's own "leave"

    aviso_ = new QLabel;
    aviso_->setObjectName(QStringLiteral("aviso"));
    aviso_->setTextFormat(Qt::PlainText);
    aviso_->setStyleSheet(QStringLiteral("color: white;"));
    auto* rodape = new QHBoxLayout;
    rodape->addWidget(aviso_, 1);
    rodape->addWidget(menu_);
    rodape->addWidget(sair_);

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(esquerda, 2);
    corpo->addWidget(direita, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titulo);
    layout->addLayout(corpo, 1);
    layout->addLayout(rodape);

    connect(botaoclubes_, &QPushButton::clicked, this, &TelaEditor::MostrarClubes);
    connect(botaoselecoes_, &QPushButton::clicked, this, &TelaEditor::MostrarSelecoes);
    for (QTableWidget* t : {clubes_, selecoes_}) {
        connect(t, &QTableWidget::itemSelectionChanged, this, &TelaEditor::MostrarEquipe);
        connect(t, &QTableWidget::cellDoubleClicked, this, &TelaEditor::EditarEquipe);
    }
    connect(grade_, &QTableWidget::itemSelectionChanged, this, &TelaEditor::AtualizarBotoes);
    connect(grade_, &QTableWidget::cellDoubleClicked, this, &TelaEditor::EditarJogador);
    connect(addequipe_, &QPushButton::clicked, this, &TelaEditor::AdicionarEquipe);
    connect(editequipe_, &QPushButton::clicked, this, &TelaEditor::EditarEquipe);
    connect(apagaequipe_, &QPushButton::clicked, this, &TelaEditor::ApagarEquipe);
    connect(addjogador_, &QPushButton::clicked, this, &TelaEditor::AdicionarJogador);
    connect(editjogador_, &QPushButton::clicked, this, &TelaEditor::EditarJogador);
    connect(apagajogador_, &QPushButton::clicked, this, &TelaEditor::ApagarJogador);
    connect(transferir_, &QPushButton::clicked, this, &TelaEditor::TransferirJogador);
    connect(menu_, &QPushButton::clicked, this, &TelaEditor::menuPrincipal);
    connect(sair_, &QPushButton::clicked, this, &TelaEditor::sairDoJogo);

    PreencherClubes();
    PreencherSelecoes();
    MostrarClubes();
}

TelaEditor::~TelaEditor() = default;

// --- the lists -------------------------------------------------------------------

void TelaEditor::EscreverFilaClube(int fila, int clube) {
    const auto& cab = ed_.clubes[static_cast<std::size_t>(clube)].arquivo.cabecalho;
    const int n = ContarJogadores(ed_, Equipe::Clube(clube));
    auto* nome = NovaCelula(ui::Q(cab.nome.view()));
    nome->setData(kPapelIndice, clube);
    clubes_->setItem(fila, kClNome, nome);
    clubes_->setItem(fila, kClPais, NovaCelula(ui::Q(world::NomePais(cab.pais))));
    clubes_->setItem(fila, kClNivel, NovaCelula(QString::number(cab.nivel), cab.nivel));
    clubes_->setItem(fila, kClJogadores, NovaCelula(QString::number(n), n));
    clubes_->setItem(fila, kClArquivo, NovaCelula(ui::Q(cab.arquivo.view())));
    MarcarIncompleta(clubes_, fila, Incompleta(ed_, Equipe::Clube(clube)),
                     QStringLiteral("Incompleto: o jogo não oferece este clube"));
}

void TelaEditor::EscreverFilaSelecao(int fila, int pais) {
    const world::TSelecao& s = ed_.selecoes[pais]->registro;
    const int n = ContarJogadores(ed_, Equipe::Selecao(pais));
    auto* nome = NovaCelula(ui::Q(world::NomePais(pais)));
    nome->setData(kPapelIndice, pais);
    selecoes_->setItem(fila, kSlPais, nome);
    selecoes_->setItem(fila, kSlTecnico, NovaCelula(ui::Q(s.tecnico.view())));
    selecoes_->setItem(fila, kSlNivel, NovaCelula(QString::number(s.nivel), s.nivel));
    selecoes_->setItem(fila, kSlJogadores, NovaCelula(QString::number(n), n));
    MarcarIncompleta(selecoes_, fila, Incompleta(ed_, Equipe::Selecao(pais)),
                     QStringLiteral("Incompleta: precisa de 2 goleiros e 16 jogadores de linha"));
}

void TelaEditor::PreencherClubes() {
    const QSignalBlocker bloqueio(clubes_);
    const auto ordem = clubes_->horizontalHeader()->sortIndicatorOrder();
    const int coluna = clubes_->horizontalHeader()->sortIndicatorSection();
    clubes_->setSortingEnabled(false);
    clubes_->clearContents();
    clubes_->setRowCount(static_cast<int>(ed_.clubes.size()));
    for (int c = 0; c < static_cast<int>(ed_.clubes.size()); ++c) EscreverFilaClube(c, c);
    clubes_->setSortingEnabled(true);
    clubes_->sortByColumn(coluna, ordem);
    clubes_->resizeColumnToContents(kClPais);
    clubes_->resizeColumnToContents(kClNivel);
    clubes_->resizeColumnToContents(kClJogadores);
}

void TelaEditor::PreencherSelecoes() {
    const QSignalBlocker bloqueio(selecoes_);
    selecoes_->setSortingEnabled(false);
    selecoes_->clearContents();
    selecoes_->setRowCount(0);
    for (int p = 0; p < world::kNumPaises; ++p) {
        if (!TemSelecao(ed_, p)) continue;
        const int f = selecoes_->rowCount();
        selecoes_->insertRow(f);
        EscreverFilaSelecao(f, p);
    }
    selecoes_->setSortingEnabled(true);
    selecoes_->resizeColumnToContents(kSlPais);
    selecoes_->resizeColumnToContents(kSlNivel);
    selecoes_->resizeColumnToContents(kSlJogadores);
}

bool TelaEditor::MostrandoSelecoes() const {
    return listas_->currentWidget() == selecoes_;
}

QTableWidget* TelaEditor::ListaAtual() const {
    return MostrandoSelecoes() ? selecoes_ : clubes_;
}

void TelaEditor::MostrarClubes() {
    listas_->setCurrentWidget(clubes_);
    botaoclubes_->setChecked(true);
    botaoselecoes_->setChecked(false);
    apagaequipe_->setVisible(true); // national teams are not deleted
    transferir_->setVisible(true);
    if (clubes_->currentRow() < 0 && clubes_->rowCount() > 0) clubes_->selectRow(0);
    MostrarEquipe();
}

void TelaEditor::MostrarSelecoes() {
    listas_->setCurrentWidget(selecoes_);
    botaoclubes_->setChecked(false);
    botaoselecoes_->setChecked(true);
    apagaequipe_->setVisible(false);
    transferir_->setVisible(false);
    if (selecoes_->currentRow() < 0 && selecoes_->rowCount() > 0) selecoes_->selectRow(0);
    MostrarEquipe();
}

std::optional<Equipe> TelaEditor::EquipeAtual() const {
    const QTableWidget* t = ListaAtual();
    const auto escolhidas = t->selectedItems();
    if (escolhidas.isEmpty()) return std::nullopt;
    const QTableWidgetItem* it = t->item(escolhidas.first()->row(), 0);
    if (!it) return std::nullopt;
    const Equipe e{MostrandoSelecoes(), it->data(kPapelIndice).toInt()};
    return Existe(ed_, e) ? std::optional<Equipe>(e) : std::nullopt;
}

bool TelaEditor::Escolher(Equipe e) {
    if (e.selecao)
        MostrarSelecoes();
    else
        MostrarClubes();
    QTableWidget* t = ListaAtual();
    const int f = FilaDe(t, e.indice);
    if (f < 0) return false;
    t->selectRow(f);
    t->scrollToItem(t->item(f, 0));
    MostrarEquipe();
    return true;
}

int TelaEditor::VagaAtual() const {
    const auto escolhidas = grade_->selectedItems();
    return escolhidas.isEmpty() ? -1 : grade_->VagaDaFila(escolhidas.first()->row());
}

bool TelaEditor::EscolherJogador(int vaga) {
    const int f = grade_->FilaDaVaga(vaga);
    if (f < 0) return false;
    grade_->selectRow(f);
    return true;
}

void TelaEditor::MostrarEquipe() {
    const std::optional<Equipe> e = EquipeAtual();
    grade_->Mostrar(ed_, e);
    if (!e) {
        escudo_->clear();
        nome_->clear();
        nome_->setStyleSheet({});
        detalhes_->clear();
        total_->clear();
        titulares_->clear();
        AtualizarBotoes();
        return;
    }
    QString nome, detalhes, escudo;
    world::i32 fundo = 0xFFFFFF, texto = 0;
    if (e->selecao) {
        const world::TSelecao& s = ed_.selecoes[e->indice]->registro;
        nome = ui::Q(world::NomePais(e->indice));
        detalhes = QStringLiteral("Técnico: %1   Nível: %2\nJogadores adicionados no editor: %3")
                       .arg(ui::Q(s.tecnico.view()))
                       .arg(s.nivel)
                       .arg(s.numjogadores);
        fundo = s.corfundo;
        texto = s.cortexto;
        // Without a picture, the badge the game draws for the team.
        QPixmap p = FiguraEscudo(true, s.escudo.str());
        if (p.isNull()) p = ui::EscudoDesenhado(nome, CorDoArquivo(fundo), CorDoArquivo(texto));
        escudo_->setPixmap(p.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    } else {
        const auto& a = ed_.clubes[static_cast<std::size_t>(e->indice)].arquivo.cabecalho;
        nome = ui::Q(a.nome.view());
        detalhes =
            QStringLiteral("%1 — %2   Nível: %3\nTécnico: %4   Estádio: %5\nArquivo: %6.b07")
                .arg(ui::Q(a.nomecompleto.view()), ui::Q(world::NomePais(a.pais)))
                .arg(a.nivel)
                .arg(ui::Q(a.tecnico.view()), ui::Q(a.estadio.view()), ui::Q(a.arquivo.view()));
        // The state matters to the clubs of the state championships' country.
        if (a.pais == world::kPaisCasa)
            detalhes += QStringLiteral("\nEstado: ") + ui::Q(world::nomeestado(a.estado));
        fundo = a.corfundo;
        texto = a.cortexto;
        const QPixmap p = FiguraEscudo(false, a.escudo.str());
        escudo_->setPixmap(p.isNull()
                               ? QPixmap()
                               : p.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    if (Incompleta(ed_, *e)) detalhes += QStringLiteral("\nIncompleto");
    nome_->setText(nome);
    nome_->setStyleSheet(ui::EstiloDoClube(CorDoArquivo(fundo), CorDoArquivo(texto)));
    detalhes_->setText(detalhes);
    total_->setText(QStringLiteral("Total: %1 jogadores").arg(ContarJogadores(ed_, *e)));
    titulares_->setText(QStringLiteral("Titulares: %1").arg(ContarTitulares(ed_, *e)));
    AtualizarBotoes();
}

void TelaEditor::AtualizarBotoes() {
    const std::optional<Equipe> e = EquipeAtual();
    const bool jogador = e && VagaAtual() >= 0;
    editequipe_->setEnabled(e.has_value());
    apagaequipe_->setEnabled(e && !e->selecao);
    addjogador_->setEnabled(e.has_value());
    editjogador_->setEnabled(jogador);
    apagajogador_->setEnabled(jogador);
    transferir_->setEnabled(jogador && !e->selecao);
}

void TelaEditor::AtualizarEquipe(Equipe e) {
    QTableWidget* t = e.selecao ? selecoes_ : clubes_;
    {
        const QSignalBlocker bloqueio(t);
        t->setSortingEnabled(false);
        int f = FilaDe(t, e.indice);
        if (f < 0 && Existe(ed_, e)) {
            f = t->rowCount();
            t->insertRow(f);
        }
        if (f >= 0) {
            if (e.selecao)
                EscreverFilaSelecao(f, e.indice);
            else
                EscreverFilaClube(f, e.indice);
        }
        t->setSortingEnabled(true);
    }
    const int vaga = VagaAtual();
    const auto atual = EquipeAtual();
    if (atual && atual->selecao == e.selecao && atual->indice == e.indice) {
        MostrarEquipe();
        EscolherJogador(vaga);
    }
}

// --- questions and messages -------------------------------------------------------

int TelaEditor::Executar(QDialog& dialogo) {
    return dialogo.exec();
}

void TelaEditor::Avisar(const QString& texto) {
    QMessageBox::warning(this, ui::T(ui::kTextoEditorDeTimes), texto);
}

bool TelaEditor::Confirmar(const QString& texto) {
    return QMessageBox::question(this, ui::T(ui::kTextoEditorDeTimes), texto) == QMessageBox::Yes;
}

QColor TelaEditor::EscolherCor(const QColor& atual) {
    return QColorDialog::getColor(atual, this);
}

bool TelaEditor::Conferir(const Resultado& r) {
    if (!r.Ok()) Avisar(ui::Q(Mensagem(r)));
    return r.Ok();
}

Servicos TelaEditor::ServicosDosFormularios() {
    Servicos s;
    s.avisar = [this](const QString& t) { Avisar(t); };
    s.escolhercor = [this](const QColor& c) { return EscolherCor(c); };
    s.escolherescudo = [this](bool selecao,
                              const std::string& atual) -> std::optional<std::string> {
        SeletorEscudo seletor(selecao, atual, this);
        if (Executar(seletor) != QDialog::Accepted) return std::nullopt;
        return seletor.Escolhido();
    };
    return s;
}

// --- teams -------------------------------------------------------------------------

void TelaEditor::AdicionarEquipe() {
    aviso_->clear();
    const std::optional<Equipe> atual = EquipeAtual();
    if (!MostrandoSelecoes()) {
        DadosClube d;
        d.nivel = 10;
        d.pais = atual ? ed_.clubes[static_cast<std::size_t>(atual->indice)].arquivo.cabecalho.pais
                       : world::kPaisCasa;
        int novo = -1;
        FormClube form(
            true, d, ServicosDosFormularios(),
            [&](const DadosClube& dados) { return AdicionarClube(ed_, dados, &novo); }, this);
        if (Executar(form) != QDialog::Accepted || novo < 0) return;
        AtualizarEquipe(Equipe::Clube(novo));
        Escolher(Equipe::Clube(novo));
        if (Conferir(form.UltimoResultado()))
            aviso_->setText(QStringLiteral("Clube criado: %1").arg(form.campoNome->text()));
        return;
    }
    DadosSelecao d;
    d.pais = -1;
    for (int p : world::PaisesEmOrdemAlfabetica())
        if (!TemSelecao(ed_, p)) {
            d.pais = p;
            break;
        }
    if (d.pais < 0) d.pais = world::kPaisCasa;
    int pais = -1;
    FormSelecao form(
        true, d, ServicosDosFormularios(),
        [&](const DadosSelecao& dados) {
            pais = dados.pais;
            return AdicionarSelecao(ed_, dados);
        },
        this);
    if (Executar(form) != QDialog::Accepted || pais < 0) return;
    AtualizarEquipe(Equipe::Selecao(pais));
    Escolher(Equipe::Selecao(pais));
    if (Conferir(form.UltimoResultado()))
        aviso_->setText(QStringLiteral("Seleção criada: %1").arg(ui::Q(world::NomePais(pais))));
}

void TelaEditor::EditarEquipe() {
    aviso_->clear();
    const std::optional<Equipe> e = EquipeAtual();
    if (!e) return;
    if (e->selecao) {
        FormSelecao form(
            false, DadosDaSelecao(ed_, e->indice), ServicosDosFormularios(),
            [&](const DadosSelecao& d) { return EditarSelecao(ed_, e->indice, d); }, this);
        if (Executar(form) != QDialog::Accepted) return;
        AtualizarEquipe(*e);
        Conferir(form.UltimoResultado());
        return;
    }
    FormClube form(
        false, DadosDoClube(ed_, e->indice), ServicosDosFormularios(),
        [&](const DadosClube& d) { return EditarClube(ed_, e->indice, d); }, this);
    if (Executar(form) != QDialog::Accepted) return;
    AtualizarEquipe(*e);
    Conferir(form.UltimoResultado());
}

void TelaEditor::ApagarEquipe() {
    aviso_->clear();
    const std::optional<Equipe> e = EquipeAtual();
    if (!e || e->selecao) return;
    if (!Confirmar(ui::T(708))) return;
    const QString nome =
        ui::Q(ed_.clubes[static_cast<std::size_t>(e->indice)].arquivo.cabecalho.nome.view());
    const int fila = clubes_->currentRow();
    const Resultado r = ApagarClube(ed_, e->indice);
    if (!Conferir(r)) return;
    // Indices after the deleted club moved down by one: the list is rebuilt.
    PreencherClubes();
    if (clubes_->rowCount() > 0) clubes_->selectRow(std::min(fila, clubes_->rowCount() - 1));
    MostrarEquipe();
    aviso_->setText(QStringLiteral("Clube apagado: %1").arg(nome));
}

// --- players ------------------------------------------------------------------------

void TelaEditor::AdicionarJogador() {
    aviso_->clear();
    const std::optional<Equipe> e = EquipeAtual();
    if (!e) return;
    if (!PodeAdicionar(ed_, *e)) {
        const Falha f =
            ContarJogadores(ed_, *e) >= kLimiteJogadores ? Falha::TimeCheio : Falha::SemVaga;
        Avisar(ui::Q(Mensagem({f, {}})));
        return;
    }
    DadosJogador d;
    d.pais = e->selecao ? e->indice
                        : ed_.clubes[static_cast<std::size_t>(e->indice)].arquivo.cabecalho.pais;
    d.caract1 = d.caract2 = 0;
    int vaga = -1;
    FormJogador form(
        !e->selecao, d, ServicosDosFormularios(),
        [&](const DadosJogador& dados) { return editor::AdicionarJogador(ed_, *e, dados, &vaga); },
        this);
    if (Executar(form) != QDialog::Accepted) return;
    AtualizarEquipe(*e);
    EscolherJogador(vaga);
    Conferir(form.UltimoResultado());
}

void TelaEditor::EditarJogador() {
    aviso_->clear();
    const std::optional<Equipe> e = EquipeAtual();
    const int vaga = VagaAtual();
    if (!e || vaga < 0) return;
    FormJogador form(
        !e->selecao, DadosDoJogador(ed_, *e, vaga), ServicosDosFormularios(),
        [&](const DadosJogador& d) { return editor::EditarJogador(ed_, *e, vaga, d); }, this);
    if (Executar(form) != QDialog::Accepted) return;
    AtualizarEquipe(*e);
    EscolherJogador(vaga);
    Conferir(form.UltimoResultado());
}

void TelaEditor::ApagarJogador() {
    aviso_->clear();
    const std::optional<Equipe> e = EquipeAtual();
    const int vaga = VagaAtual();
    if (!e || vaga < 0) return;
    const QString nome = ui::Q(DadosDoJogador(ed_, *e, vaga).nome);
    if (!Confirmar(QStringLiteral("Apagar o jogador %1?").arg(nome))) return;
    const Resultado r = editor::ApagarJogador(ed_, *e, vaga);
    if (!r.Alterou()) return;
    AtualizarEquipe(*e);
    if (Conferir(r)) aviso_->setText(QStringLiteral("Jogador apagado: %1").arg(nome));
}

void TelaEditor::TransferirJogador() {
    aviso_->clear();
    const std::optional<Equipe> e = EquipeAtual();
    const int vaga = VagaAtual();
    if (!e || e->selecao || vaga < 0) return;
    DialogoTransferencia dialogo(ed_, e->indice, vaga, this);
    if (Executar(dialogo) != QDialog::Accepted) return;
    const int destino = dialogo.Destino();
    const QString nome = ui::Q(DadosDoJogador(ed_, *e, vaga).nome);
    const Resultado r = editor::TransferirJogador(ed_, e->indice, vaga, destino);
    if (!r.Alterou()) {
        Avisar(ui::Q(Mensagem(r)));
        return;
    }
    AtualizarEquipe(Equipe::Clube(destino));
    AtualizarEquipe(*e);
    if (Conferir(r))
        aviso_->setText(QStringLiteral("%1 transferido para %2")
                            .arg(nome, ui::Q(ed_.clubes[static_cast<std::size_t>(destino)]
                                                 .arquivo.cabecalho.nome.view())));
}

void TelaEditor::SoltarNaSelecao(int clube, int vaga) {
    aviso_->clear();
    const DadosJogador d = DadosDoJogador(ed_, Equipe::Clube(clube), vaga);
    const Resultado r = CopiarParaSelecao(ed_, clube, vaga);
    if (!r.Alterou()) {
        if (r.falha == Falha::SemSelecao)
            Avisar(QStringLiteral("Não há seleção de %1 no editor.")
                       .arg(ui::Q(world::NomePais(d.pais))));
        else
            Avisar(ui::Q(Mensagem(r)));
        return;
    }
    AtualizarEquipe(Equipe::Selecao(d.pais));
    if (Conferir(r))
        aviso_->setText(QStringLiteral("%1 levado para a seleção de %2 (%3 adicionados)")
                            .arg(ui::Q(d.nome), ui::Q(world::NomePais(d.pais)))
                            .arg(ed_.selecoes[d.pais]->registro.numjogadores));
}

bool TelaEditor::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo != botaoselecoes_ && alvo != selecoes_->viewport())
        return QWidget::eventFilter(alvo, evento);
    int clube = -1, vaga = -1;
    switch (evento->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* ev = static_cast<QDropEvent*>(evento);
        if (GradeJogadores::LerMime(ev->mimeData(), clube, vaga)) {
            // Always a copy: a move would have the grid drop the row it came from.
            ev->setDropAction(Qt::CopyAction);
            ev->accept();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* ev = static_cast<QDropEvent*>(evento);
        if (GradeJogadores::LerMime(ev->mimeData(), clube, vaga)) {
            ev->setDropAction(Qt::CopyAction);
            ev->accept();
            // Once the drag is over: the answer may open a message box.
            QMetaObject::invokeMethod(
                this, [this, clube, vaga] { SoltarNaSelecao(clube, vaga); }, Qt::QueuedConnection);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(alvo, evento);
}

} // namespace editor::telas
