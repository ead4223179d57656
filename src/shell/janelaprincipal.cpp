#include "shell/janelaprincipal.hpp"

#include "competitions/telas/dialogotecnicos.hpp"
#include "competitions/telas/telacalendario.hpp"
#include "competitions/telas/telaclassificacao.hpp"
#include "competitions/telas/telacontinental.hpp"
#include "competitions/telas/telacopa.hpp"
#include "competitions/telas/telaestaduais.hpp"
#include "competitions/telas/telanovojogo.hpp"
#include "editor/telas/telaeditor.hpp"
#include "management/telas/telaemprestimo.hpp"
#include "management/telas/telaestadio.hpp"
#include "management/telas/telafinancas.hpp"
#include "management/telas/telaprincipal.hpp"
#include "management/telas/telaselecao.hpp"
#include "persistence/jogosalvo.hpp"
#include "persistence/telas/dialogocarregar.hpp"
#include "persistence/telas/dialogonome.hpp"
#include "persistence/telas/telacarga.hpp"
#include "shell/dialogoopcoes.hpp"
#include "shell/menuprincipal.hpp"
#include "temporada/telas/interacaotela.hpp"
#include "temporada/telas/telafimtemporada.hpp"
#include "temporada/telas/telapartida.hpp"
#include "temporada/telas/telaresultados.hpp"
#include "ui/janelas.hpp"
#include "ui/som.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "ui/traducao.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <bit>
#include <chrono>
#include <cstring>

namespace shell {

using temporada::Proximo;
using temporada::Tela;

std::string InteracaoDesktop::NomeDoJogo(world::Jogo&) {
    const auto nome = persistence::telas::DialogoNome::PedirNome(janela_);
    return nome ? *nome : std::string();
}

void InteracaoDesktop::ErroAoSalvar(const std::string& mensagem) {
    QMessageBox::warning(janela_, QStringLiteral("Pitchlord 2007"),
                         QString::fromStdString(mensagem));
}

void InteracaoDesktop::Falecimento(world::Jogo& jogo, int jogador) {
    QMessageBox caixa(janela_);
    caixa.setWindowTitle(QStringLiteral("Falecimento do jogador"));
    caixa.setText(ui::Q(jogo.jogadores[jogador].nome.view()));
    caixa.setInformativeText(ui::T(654) + QStringLiteral("\n") + ui::T(655) + QStringLiteral("\n") +
                             ui::T(852));
    caixa.exec();
}

void InteracaoDesktop::Aviso(const std::string& mensagem) {
    QMessageBox::information(janela_, QStringLiteral("Pitchlord 2007"), ui::Q(mensagem));
}

bool InteracaoDesktop::Gravar(world::Jogo& jogo) {
    return gravar ? gravar(jogo) : InteracaoCiclo::Gravar(jogo);
}

void InteracaoDesktop::JogoSalvo(world::Jogo&) {
    if (salvou) salvou();
}

JanelaPrincipal::JanelaPrincipal(QWidget* pai)
    : QMainWindow(pai), pilha_(new QStackedWidget(this)), menu_(new MenuPrincipal(this)), ia_(this),
      som_(new ui::Som(this)) {
    ui::InstalarTraducaoQt(*QCoreApplication::instance());
    setWindowTitle(QStringLiteral("Pitchlord 2007"));
    setCentralWidget(pilha_);
    pilha_->addWidget(menu_);
    // Readable at 1280 x 800, usable at 1024 x 768: as large as the screen
    // allows up to that.
    setMinimumSize(1000, 680);
    ui::Dimensionar(this, QSize(1280, 800));

    connect(menu_, &MenuPrincipal::novoJogo, this, &JanelaPrincipal::NovoJogo);
    connect(menu_, &MenuPrincipal::carregarJogo, this, &JanelaPrincipal::AbrirCarregar);
    connect(menu_, &MenuPrincipal::editor, this, &JanelaPrincipal::AbrirEditor);
    connect(menu_, &MenuPrincipal::sair, qApp, &QApplication::quit);
    connect(menu_, &MenuPrincipal::sobre, this, [this] { MostrarSobre(this); });
    ia_.noteclado = [this](int tecnico) {
        if (jogo_ && jogo_->TecnicoValido(tecnico)) teclado_ = tecnico;
    };
    ia_.gravar = [this](world::Jogo& jogo) {
        return &jogo == jogo_.get() ? GravarNoTrabalhador(persistence::salvajogo)
                                    : persistence::salvajogo(jogo);
    };
    ia_.salvou = [this] {
        MarcarSalvo();
        if (principal_) principal_->Avisar(QStringLiteral("Jogo salvo"));
        if (selecao_) selecao_->Avisar(QStringLiteral("Jogo salvo"));
        if (auto* fim = qobject_cast<temporada::telas::TelaFimTemporada*>(fimtemporada_))
            fim->Avisar(QStringLiteral("Jogo salvo"));
    };
    avancar_ = new QTimer(this);
    avancar_->setSingleShot(true);
    avancar_->setInterval(400);
    connect(avancar_, &QTimer::timeout, this, [this] {
        if (!jogo_ || !principal_ || !principal_->Aguardando() ||
            pilha_->currentWidget() != principal_)
            return;
        // A dialog open on top (standings, options) holds the dates.
        if (QApplication::activeModalWidget() || !principal_->caixaAvancarSozinho()->isChecked()) {
            avancar_->start();
            return;
        }
        Avancar();
    });
}

void JanelaPrincipal::DefinirPausaDoAguardo(int ms) {
    avancar_->setInterval(ms);
}

namespace {
// A fingerprint of the game's bytes as a save would write them, taken as they
// stream by: a long game's file is never built in memory for it. Asked when
// leaving a game, so it must be quick on a long one: four lanes of eight
// bytes at a time (a byte at a time took 150 ms on a 125 MB game). Only ever
// compared within one run, so it need not match any other program's.
std::size_t ImpressaoDe(const world::Jogo& jogo) {
    constexpr std::uint64_t kPrimo = 0x9E3779B97F4A7C15ull;
    std::uint64_t h[4] = {1, 2, 3, 4};
    persistence::EscreverJogo(jogo, [&h](const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        std::size_t i = 0;
        for (; i + 32 <= n; i += 32)
            for (int k = 0; k < 4; ++k) {
                std::uint64_t w;
                std::memcpy(&w, b + i + 8 * k, 8);
                h[k] = std::rotl((h[k] ^ w) * kPrimo, 29);
            }
        for (; i < n; ++i) h[0] = std::rotl((h[0] ^ b[i]) * kPrimo, 29);
        h[1] ^= n; // where the pieces break is part of the bytes' order
    });
    return static_cast<std::size_t>(h[0] ^ std::rotl(h[1], 16) ^ std::rotl(h[2], 32) ^
                                    std::rotl(h[3], 48));
}
} // namespace

std::size_t JanelaPrincipal::Impressao() const {
    return ImpressaoDe(*jogo_);
}

void JanelaPrincipal::MarcarSalvo() {
    // The fingerprint the save's worker took, when it took one.
    if (jogo_) salvo_ = impressaopronta_ ? *impressaopronta_ : Impressao();
    impressaopronta_.reset();
}

bool JanelaPrincipal::Alterado() const {
    return jogo_ && (!salvo_ || Impressao() != *salvo_);
}

JanelaPrincipal::~JanelaPrincipal() = default;

QWidget* JanelaPrincipal::TelaAtual() const {
    return pilha_->currentWidget();
}

void JanelaPrincipal::NovoJogo() {
    menu_->MostrarCarregando(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
    if (novojogo_) {
        pilha_->removeWidget(novojogo_);
        novojogo_->deleteLater();
    }
    // The desktop seeds each new game from the clock.
    const auto semente =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    novojogo_ = new competitions::telas::TelaNovoJogo(semente, this);
    pilha_->addWidget(novojogo_);
    connect(novojogo_, &competitions::telas::TelaNovoJogo::jogoCriado, this,
            [this](std::shared_ptr<world::Jogo> jogo) { ComecarJogo(std::move(jogo)); });
    connect(novojogo_, &competitions::telas::TelaNovoJogo::cancelado, this,
            &JanelaPrincipal::VoltarAoMenu);
    pilha_->setCurrentWidget(novojogo_);
    QApplication::restoreOverrideCursor();
    menu_->MostrarCarregando(false);
}

void JanelaPrincipal::VoltarAoMenu() {
    pilha_->setCurrentWidget(menu_);
    if (novojogo_) {
        pilha_->removeWidget(novojogo_);
        novojogo_->deleteLater();
        novojogo_ = nullptr;
    }
}

void JanelaPrincipal::AbrirEditor() {
    FecharEditor();
    auto* carregando = new editor::telas::TelaCarregamento(this);
    pilha_->addWidget(carregando);
    pilha_->setCurrentWidget(carregando);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    editor::Editor ed = carregando->Carregar();
    auto* tela = new editor::telas::TelaEditor(std::move(ed), this);
    QApplication::restoreOverrideCursor();
    connect(tela, &editor::telas::TelaEditor::menuPrincipal, this, &JanelaPrincipal::FecharEditor);
    connect(tela, &editor::telas::TelaEditor::sairDoJogo, qApp, &QApplication::quit);
    pilha_->addWidget(tela);
    pilha_->setCurrentWidget(tela);
    pilha_->removeWidget(carregando);
    carregando->deleteLater();
    editor_ = tela;
}

void JanelaPrincipal::FecharEditor() {
    if (!editor_) return;
    pilha_->setCurrentWidget(menu_);
    pilha_->removeWidget(editor_);
    editor_->deleteLater();
    editor_ = nullptr;
}

void JanelaPrincipal::AbrirCarregar() {
    persistence::telas::DialogoCarregar dialogo(this);
    if (dialogo.exec() != QDialog::Accepted || dialogo.Escolhido().isEmpty()) return;
    CarregarJogo(dialogo.Escolhido().toStdString());
}

bool JanelaPrincipal::CarregarJogo(const std::string& nome, bool silencioso) {
    if (carga_) return false; // one load at a time
    // The loading page stands over whatever was showing, which comes back if
    // the file is refused; the running game goes on untouched until then.
    const QPointer<QWidget> antes = pilha_->currentWidget();
    carga_ = new persistence::telas::TelaCarga(this);
    pilha_->addWidget(carga_);
    pilha_->setCurrentWidget(carga_);
    // The fingerprint of a long game takes a while: the worker takes it too.
    std::size_t impressao = 0;
    auto jogo = carga_->Carregar(
        nome, [&impressao](const world::Jogo& lido) { impressao = ImpressaoDe(lido); });
    pilha_->removeWidget(carga_);
    carga_->deleteLater();
    carga_ = nullptr;
    if (!jogo) {
        pilha_->setCurrentWidget(antes ? antes.data() : menu_);
        if (!silencioso)
            QMessageBox::warning(this, QStringLiteral("Pitchlord 2007"),
                                 ui::T(ui::kTextoArquivoInvalido));
        return false;
    }
    ComecarJogo(std::move(jogo), true);
    salvo_ = impressao;
    return true;
}

void JanelaPrincipal::DescartarTelasDoJogo() {
    avancar_->stop();
    antesdofim_.reset();
    for (QWidget* tela : {static_cast<QWidget*>(principal_), static_cast<QWidget*>(selecao_)})
        if (tela) {
            pilha_->removeWidget(tela);
            tela->deleteLater();
        }
    principal_ = nullptr;
    selecao_ = nullptr;
    TrocarPagina(partida_, nullptr);
    TrocarPagina(resultados_, nullptr);
    TrocarPagina(fimtemporada_, nullptr);
}

void JanelaPrincipal::ComecarJogo(std::shared_ptr<world::Jogo> jogo, bool carregado) {
    DescartarTelasDoJogo();
    jogo_ = std::move(jogo);
    salvo_.reset();
    teclado_ = -1;
    interacaopartida_ = std::make_unique<temporada::telas::InteracaoTela>(this, som_, jogo_.get());
    principal_ = new management::telas::TelaPrincipal(*jogo_, this);
    pilha_->addWidget(principal_);
    using management::telas::TelaPrincipal;
    connect(principal_, &TelaPrincipal::jogar, this, &JanelaPrincipal::Jogar);
    connect(principal_, &TelaPrincipal::salvar, this, &JanelaPrincipal::Salvar);
    connect(principal_, &TelaPrincipal::opcoes, this, &JanelaPrincipal::Opcoes);
    connect(principal_, &TelaPrincipal::financas, this, &JanelaPrincipal::Financas);
    connect(principal_, &TelaPrincipal::emprestimo, this, &JanelaPrincipal::Emprestimo);
    connect(principal_, &TelaPrincipal::demitir, this, &JanelaPrincipal::Demitir);
    connect(principal_, &TelaPrincipal::sair, this, &JanelaPrincipal::SairDoJogo);
    connect(principal_, &TelaPrincipal::avancar, this, &JanelaPrincipal::Avancar);
    connect(principal_, &TelaPrincipal::classificacao, this, [this] {
        competitions::telas::TelaClassificacao tela(*jogo_, this);
        tela.exec();
    });
    connect(principal_, &TelaPrincipal::copa, this, [this] {
        competitions::telas::TelaCopa tela(*jogo_, this);
        tela.exec();
    });
    connect(principal_, &TelaPrincipal::estaduais, this, [this] {
        competitions::telas::TelaEstaduais tela(*jogo_, this);
        tela.exec();
    });
    connect(principal_, &TelaPrincipal::continentais, this, [this] {
        competitions::telas::TelaContinental tela(*jogo_, -1, -1, this);
        tela.exec();
    });
    connect(principal_, &TelaPrincipal::mundial, this, [this] {
        competitions::telas::TelaMundial tela(*jogo_, this);
        tela.exec();
    });
    connect(principal_, &TelaPrincipal::torneio, this, &JanelaPrincipal::AbrirTorneio);
    connect(principal_, &TelaPrincipal::calendario, this, [this] {
        competitions::telas::TelaCalendario tela(*jogo_, jogo_->estado.timeatual, this);
        tela.exec();
    });
    connect(principal_, &TelaPrincipal::tecnicos, this, [this] {
        competitions::telas::DialogoTecnicos dialogo(*jogo_, this);
        dialogo.exec();
    });
    connect(principal_, &TelaPrincipal::sobre, this, [this] { MostrarSobre(this); });
    connect(principal_, &TelaPrincipal::emails, this, &JanelaPrincipal::AbrirEmails);
    connect(principal_, &TelaPrincipal::outrosclubes, this, &JanelaPrincipal::AbrirOutrosClubes);
    connect(principal_, &TelaPrincipal::busca, this, &JanelaPrincipal::AbrirBusca);
    connect(principal_, &TelaPrincipal::transferencias, this,
            &JanelaPrincipal::AbrirTransferencias);
    connect(principal_, &TelaPrincipal::vender, this, &JanelaPrincipal::AbrirVenda);
    connect(principal_, &TelaPrincipal::renovar, this, &JanelaPrincipal::AbrirContrato);
    connect(principal_, &TelaPrincipal::amistosos, this, &JanelaPrincipal::AbrirAmistosos);
    connect(principal_, &TelaPrincipal::contratacoes, this, &JanelaPrincipal::AbrirContratacoes);
    connect(principal_, &TelaPrincipal::estadio, this, [this] {
        management::telas::TelaEstadio tela(*jogo_, jogo_->estado.timeatual, this);
        tela.exec();
        principal_->Atualizar();
    });
    if (novojogo_) {
        pilha_->removeWidget(novojogo_);
        novojogo_->deleteLater();
        novojogo_ = nullptr;
    }
    Seguir(temporada::EntrarNoJogo(*jogo_, ia_, carregado));
}

bool JanelaPrincipal::VariasPessoas() const {
    int pessoas = 0;
    for (int k : jogo_->estado.humanos) pessoas += jogo_->TecnicoValido(k);
    return pessoas > 1;
}

bool JanelaPrincipal::TrocarTeclado(int tecnico) {
    const bool trocou = tecnico != teclado_;
    teclado_ = tecnico;
    return trocou && VariasPessoas();
}

void JanelaPrincipal::MostrarPrincipal(const Proximo& p) {
    principal_->SairDoAguardo();
    principal_->Atualizar();
    pilha_->setCurrentWidget(principal_);
    // Several humans at one keyboard: the next one is named before his
    // squad shows, whoever had the keyboard last (a screen or a question).
    const int clube = jogo_->estado.timeatual;
    if (TrocarTeclado(jogo_->TimeValido(clube) ? jogo_->times[clube].tecnico : -1))
        principal_->AnunciarVez();
    if (!p.eventos) return;
    // The date's events run once the screen is up, and in a hand-over once
    // the coach named has taken the keyboard: an offer for his player is his
    // to answer.
    auto eventos = [this] {
        if (!jogo_ || pilha_->currentWidget() != principal_ || principal_->Aguardando()) return;
        // Refreshed only when the events changed the squad, as the game
        // without windows does.
        if (temporada::EventosPreTela(*jogo_, ia_)) principal_->Atualizar();
    };
    if (principal_->VezAnunciada())
        connect(principal_, &management::telas::TelaPrincipal::vezAceita, this, eventos,
                Qt::SingleShotConnection);
    else
        QTimer::singleShot(0, this, eventos);
}

void JanelaPrincipal::TrocarPagina(QWidget*& atual, QWidget* nova) {
    if (atual) {
        pilha_->removeWidget(atual);
        atual->deleteLater();
    }
    atual = nova;
    if (nova) {
        pilha_->addWidget(nova);
        pilha_->setCurrentWidget(nova);
        nova->setFocus();
    }
}

void JanelaPrincipal::AbrirPartida() {
    temporada::AbrirRodadaDoDia(*jogo_, ex_);
    ex_.semtela = false;
    ex_.rodada.interacao = interacaopartida_.get();
    auto* tela = new temporada::telas::TelaPartida(*jogo_, ex_, this);
    if (intervaloteste_ > 0) tela->DefinirIntervaloParaTestes(intervaloteste_);
    // Queued: the screen may finish inside Comecar (no group on the clock).
    connect(
        tela, &temporada::telas::TelaPartida::encerrada, this,
        [this] { MostrarResultados(ex_.codigo); }, Qt::QueuedConnection);
    TrocarPagina(partida_, tela);
    tela->Comecar();
}

void JanelaPrincipal::MostrarResultados(int codigo) {
    auto* tela = new temporada::telas::TelaResultados(*jogo_, ex_, this);
    connect(tela, &temporada::telas::TelaResultados::continuar, this,
            [this, codigo] { Seguir(temporada::Continuar(*jogo_, ia_, codigo)); });
    TrocarPagina(resultados_, tela);
    TrocarPagina(partida_, nullptr);
}

void JanelaPrincipal::MostrarFimDeTemporada() {
    // The screen reads the season's champions before the next season is made.
    auto* tela = new temporada::telas::TelaFimTemporada(*jogo_, this);
    antesdofim_ = std::make_unique<persistence::JogoAntesDoFim>(*jogo_);
    temporada::AbrirFimDeTemporada(*jogo_);
    using temporada::telas::TelaFimTemporada;
    connect(tela, &TelaFimTemporada::salvar, this, &JanelaPrincipal::Salvar);
    connect(tela, &TelaFimTemporada::continuar, this, [this] {
        // After the last season a game has, the season end is where it stays.
        const Proximo p = temporada::ContinuarFimDeTemporada(*jogo_, ia_);
        if (p.fimdojogo) return;
        antesdofim_.reset();
        Seguir(p);
    });
    TrocarPagina(fimtemporada_, tela);
    TrocarPagina(resultados_, nullptr);
}

void JanelaPrincipal::Seguir(Proximo p) {
    switch (p.tela) {
    case Tela::Principal:
        TrocarPagina(resultados_, nullptr);
        TrocarPagina(fimtemporada_, nullptr);
        MostrarPrincipal(p);
        return;
    case Tela::Rodada:
        AbrirPartida();
        return;
    case Tela::Resultados:
        MostrarResultados(p.codigo);
        return;
    case Tela::FimDeTemporada:
        MostrarFimDeTemporada();
        return;
    case Tela::Aguardando:
        MostrarAguardando();
        return;
    case Tela::Selecao:
        TrocarPagina(resultados_, nullptr);
        TrocarPagina(fimtemporada_, nullptr);
        MostrarSelecao(p);
        return;
    }
}

void JanelaPrincipal::MostrarAguardando() {
    TrocarPagina(resultados_, nullptr);
    TrocarPagina(fimtemporada_, nullptr);
    TrocarPagina(partida_, nullptr);
    principal_->MostrarAguardando();
    pilha_->setCurrentWidget(principal_);
    avancar_->start();
}

void JanelaPrincipal::Avancar() {
    if (!jogo_ || !principal_ || !principal_->Aguardando()) return;
    avancar_->stop();
    Seguir(temporada::JogarDataSemHumanos(*jogo_, ia_));
}

void JanelaPrincipal::Jogar() {
    if (!jogo_) return;
    Seguir(temporada::Jogar(*jogo_, ia_));
}

// A long game takes a while to write (and to take its fingerprint): the
// worker does both behind a page while the window keeps painting. No input is
// taken meanwhile and the dates do not advance, so the game stands still
// while it is written. The fingerprint is kept for the saved mark.
bool JanelaPrincipal::GravarNoTrabalhador(const std::function<bool(world::Jogo&)>& gravar) {
    if (!jogo_ || carga_) return false; // a load or a save is under way
    const bool avancando = avancar_->isActive();
    avancar_->stop();
    const QPointer<QWidget> antes = pilha_->currentWidget();
    carga_ = new persistence::telas::TelaCarga(this, persistence::telas::TelaCarga::Tipo::salvar);
    pilha_->addWidget(carga_);
    pilha_->setCurrentWidget(carga_);
    world::Jogo& jogo = *jogo_;
    std::size_t impressao = 0;
    const bool ok = carga_->Executar([&] {
        const bool gravado = gravar(jogo);
        if (gravado) impressao = ImpressaoDe(jogo);
        return gravado;
    });
    pilha_->removeWidget(carga_);
    carga_->deleteLater();
    carga_ = nullptr;
    pilha_->setCurrentWidget(antes ? antes.data() : menu_);
    if (avancando) avancar_->start();
    if (ok) impressaopronta_ = impressao;
    return ok;
}

void JanelaPrincipal::Salvar() {
    if (!jogo_ || carga_) return;
    if (jogo_->estado.arquivo.view().empty()) {
        const auto nome = persistence::telas::DialogoNome::PedirNome(this);
        if (!nome) return;
        jogo_->estado.arquivo = *nome;
    }
    // On the season-end screen the game is saved as the season ended.
    const bool nofim = antesdofim_ && fimtemporada_ && pilha_->currentWidget() == fimtemporada_;
    const bool ok = GravarNoTrabalhador([nofim, this](world::Jogo& jogo) {
        return nofim ? antesdofim_->Salvar(jogo) : persistence::salvajogo(jogo);
    });
    if (ok) {
        ia_.JogoSalvo(*jogo_);
    } else {
        ia_.ErroAoSalvar(persistence::ErroAoSalvar());
    }
}

void JanelaPrincipal::Opcoes() {
    if (!jogo_) return;
    shell::DialogoOpcoes dialogo(*jogo_, this);
    dialogo.exec();
    if (pilha_->currentWidget() == selecao_ && selecao_)
        selecao_->Atualizar();
    else if (principal_)
        principal_->Atualizar();
}

void JanelaPrincipal::Financas() {
    if (!jogo_) return;
    management::telas::TelaFinancas tela(*jogo_, jogo_->estado.timeatual, this);
    tela.exec();
}

void JanelaPrincipal::Emprestimo() {
    if (!jogo_) return;
    management::telas::TelaEmprestimo tela(*jogo_, jogo_->estado.timeatual, this);
    tela.exec();
    if (principal_) principal_->Atualizar();
}

void JanelaPrincipal::SairDoJogo() {
    if (!jogo_) return;
    if (Alterado() && !ConfirmarSaida()) return;
    switch (EscolherSaida()) {
    case Saida::Menu:
        DescartarTelasDoJogo();
        interacaopartida_.reset();
        jogo_.reset();
        salvo_.reset();
        pilha_->setCurrentWidget(menu_);
        return;
    case Saida::Programa:
        saidaconfirmada_ = true;
        close();
        saidaconfirmada_ = false;
        return;
    case Saida::Cancelar:
        return;
    }
}

JanelaPrincipal::Saida JanelaPrincipal::EscolherSaida() {
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Pitchlord 2007"),
                      QStringLiteral("Sair do jogo"), QMessageBox::NoButton, this);
    QPushButton* menu =
        caixa.addButton(QStringLiteral("Voltar ao menu inicial"), QMessageBox::AcceptRole);
    QPushButton* programa =
        caixa.addButton(QStringLiteral("Sair do programa"), QMessageBox::DestructiveRole);
    QPushButton* cancelar = caixa.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    caixa.setDefaultButton(menu);
    caixa.setEscapeButton(cancelar);
    caixa.exec();
    if (caixa.clickedButton() == menu) return Saida::Menu;
    if (caixa.clickedButton() == programa) return Saida::Programa;
    return Saida::Cancelar;
}

void JanelaPrincipal::closeEvent(QCloseEvent* e) {
    // Screens other than the menu swallow Alt+F4; a close asked by other
    // means while a game is open asks first, since the game is not saved
    // ("Sair do jogo" has asked already).
    // A load under way finishes first.
    if (carga_) return e->ignore();
    if (pilha_->currentWidget() == menu_ || !jogo_ || saidaconfirmada_)
        return QMainWindow::closeEvent(e);
    // Nothing to lose right after a save: no question.
    if (!Alterado() || ConfirmarSaida())
        e->accept();
    else
        e->ignore();
}

bool JanelaPrincipal::ConfirmarSaida() {
    return QMessageBox::question(this, QStringLiteral("Pitchlord 2007"),
                                 QStringLiteral("Sair do jogo sem salvar?")) == QMessageBox::Yes;
}

void JanelaPrincipal::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F4 && (e->modifiers() & Qt::AltModifier) &&
        pilha_->currentWidget() != menu_)
        return; // swallowed
    QMainWindow::keyPressEvent(e);
}

bool JanelaPrincipal::ConfirmarDemissao() {
    return QMessageBox::question(this, QStringLiteral("Pitchlord 2007"),
                                 QStringLiteral("Deseja mesmo se demitir do time atual?")) ==
           QMessageBox::Yes;
}

void JanelaPrincipal::Demitir() {
    if (!jogo_) return;
    if (!ConfirmarDemissao()) return;
    Seguir(temporada::Demitir(*jogo_, ia_));
}

} // namespace shell
