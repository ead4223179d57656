#pragma once
// The game's main window. It holds the menu and the screens, and turns what
// the advance cycle says comes next into the screen that shows it
// (janelaprincipal.cpp). The screens it opens on request and the answers to
// the cycle's questions stand apart by concern: janela_compras.cpp and
// janela_vendas.cpp (the market), janela_carreira.cpp (the coach's career),
// janela_clube.cpp (contracts and friendlies), janela_emails.cpp (the mail)
// and janela_selecao.cpp (the national-team tournament).
#include "match/interacao.hpp"
#include "temporada/ciclo.hpp"
#include "temporada/executor.hpp"
#include "world/jogo.hpp"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QStackedWidget;
class QTimer;

namespace management::telas {
class TelaPrincipal;
class TelaSelecao;
} // namespace management::telas
namespace competitions::telas {
class TelaNovoJogo;
}
namespace persistence {
class JogoAntesDoFim;
}
namespace persistence::telas {
class TelaCarga;
}
namespace ui {
class Som;
}

namespace shell {

class MenuPrincipal;

// The cycle's questions answered with the game's dialogs.
class InteracaoDesktop : public temporada::InteracaoCiclo {
public:
    explicit InteracaoDesktop(QWidget* janela) : janela_(janela) {}
    std::string NomeDoJogo(world::Jogo& jogo) override;
    void ErroAoSalvar(const std::string& mensagem) override;
    void Falecimento(world::Jogo& jogo, int jogador) override;
    void JogoSalvo(world::Jogo& jogo) override;
    bool Gravar(world::Jogo& jogo) override;
    void Aviso(const std::string& mensagem) override;
    // The market's questions (janela_compras.cpp; the auctions in
    // janela_vendas.cpp).
    bool PropostaDeCompra(world::Jogo& jogo, int comprador, int jogador, world::i32 valor) override;
    bool VenderAoHumano(world::Jogo& jogo, int comprador, int jogador, world::i32 valor) override;
    bool AceitarExigencia(world::Jogo& jogo, int comprador, int jogador, int fator,
                          world::i32 novosalario) override;
    world::i32 Lance(world::Jogo& jogo, const management::Leilao& leilao) override;
    void FimDoLeilao(world::Jogo& jogo, const management::Leilao& leilao,
                     const management::ResultadoLeilao& resultado) override;
    // The career's notices and offers (janela_carreira.cpp).
    void TrocaDeTecnico(world::Jogo& jogo, int clube, int antigo, int novo) override;
    void Demitido(world::Jogo& jogo, int tecnico, int clube, management::MotivoDemissao motivo,
                  int substituto) override;
    int Convite(world::Jogo& jogo, int tecnico, const std::vector<int>& clubes) override;
    // The pre-season friendlies (janela_clube.cpp).
    bool QuerAmistososPreTemporada(world::Jogo& jogo) override;
    void AmistososPreTemporada(world::Jogo& jogo, int clube) override;
    // The national-team invitation and the call-ups (janela_selecao.cpp).
    int EscolherSelecao(world::Jogo& jogo, int humano, int codigo,
                        const std::vector<int>& selecoes) override;
    std::vector<int> ConvocarSelecao(world::Jogo& jogo, int humano, int selecao) override;
    std::function<void()> salvou;             // the window's notice
    std::function<bool(world::Jogo&)> gravar; // the window's save off its thread
    // The coach a question is put to has taken the keyboard.
    std::function<void(int tecnico)> noteclado;

private:
    void NoTeclado(int tecnico) {
        if (noteclado) noteclado(tecnico);
    }
    void NoTecladoDoClube(const world::Jogo& jogo, int clube) {
        if (jogo.TimeValido(clube)) NoTeclado(jogo.times[clube].tecnico);
    }
    void NoTecladoDoHumano(const world::Jogo& jogo, int humano) {
        if (humano >= 0 && humano < 6) NoTeclado(jogo.estado.humanos[humano]);
    }

    QWidget* janela_;
};

class JanelaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit JanelaPrincipal(QWidget* pai = nullptr);
    ~JanelaPrincipal() override;

    world::Jogo* Jogo() const { return jogo_.get(); }
    // The choices of "Sair do jogo": "Voltar ao menu inicial", "Sair do
    // programa", "Cancelar".
    enum class Saida { Menu, Programa, Cancelar };
    MenuPrincipal* Menu() const { return menu_; }
    competitions::telas::TelaNovoJogo* TelaNovoJogo() const { return novojogo_; }
    management::telas::TelaPrincipal* TelaPrincipal() const { return principal_; }
    management::telas::TelaSelecao* TelaSelecao() const { return selecao_; }
    QWidget* TelaAtual() const;
    QWidget* TelaEditor() const { return editor_; }
    ui::Som& Sons() { return *som_; }

    // Takes a running game (new or `carregado`) and opens its first screen.
    void ComecarJogo(std::shared_ptr<world::Jogo> jogo, bool carregado = false);
    // Loads a saved game by file name, the file read on a worker thread
    // behind a loading page while the window stays responsive; false (and
    // text 357 shown unless `silencioso`) when the file cannot be read, the
    // running game then left as it was.
    bool CarregarJogo(const std::string& nome, bool silencioso = false);
    persistence::telas::TelaCarga* TelaCarga() const { return carga_; }

public slots:
    void NovoJogo();
    void AbrirCarregar();
    // The team editor: its loading page, then its screen; "Main Menu" comes
    // back here.
    void AbrirEditor();
    void FecharEditor();
    void VoltarAoMenu();
    void Jogar();
    void Salvar();
    // "Sair do jogo" of the menus: after the unsaved-changes question (when
    // the game changed since its last save), back to the start menu or out
    // of the program.
    void SairDoJogo();
    void Opcoes();
    void Financas();
    void Emprestimo();
    void Demitir();
    void Avancar(); // the waiting screen plays the next date
    // "Jogar >>" of the national-team screen, and the tournament's tables
    // (janela_selecao.cpp).
    void JogarSelecao();
    void AbrirTorneio();
    // The market and the mail, each in its own file (janela_compras.cpp,
    // janela_vendas.cpp, janela_emails.cpp).
    void AbrirEmails();
    void AbrirOutrosClubes();
    void AbrirTransferencias();
    void AbrirBusca();
    void AbrirVenda(int jogador);
    // "Últimas contratações de técnicos" (janela_carreira.cpp).
    void AbrirContratacoes();
    // "Propor novo contrato" and "Marcar amistoso" (janela_clube.cpp).
    void AbrirContrato(int jogador);
    void AbrirAmistosos();
    // The other clubs' screen opened on club `clube` (the search's double
    // click; janela_vendas.cpp).
    void AbrirOutrosClubesEm(int clube);

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // "Sair do jogo sem salvar?"; tests answer it themselves.
    virtual bool ConfirmarSaida();
    // Where "Sair do jogo" goes; tests answer it themselves.
    virtual Saida EscolherSaida();
    // "Deseja mesmo se demitir do time atual?"; tests answer it themselves.
    virtual bool ConfirmarDemissao();
    // Whether the game on hand differs from what was last saved or loaded.
    bool Alterado() const;

private:
    void Seguir(temporada::Proximo p);
    void MostrarPrincipal(const temporada::Proximo& p);
    // The matchday on its screen, then the results, the season end.
    void AbrirPartida();
    void MostrarResultados(int codigo);
    void MostrarFimDeTemporada();
    void MostrarAguardando();
    // The national-team screen of team `p.time` on a tournament date.
    void MostrarSelecao(const temporada::Proximo& p);
    void CriarTelaSelecao();
    // The game as it stands is what the file holds.
    void MarcarSalvo();
    bool GravarNoTrabalhador(const std::function<bool(world::Jogo&)>& gravar);
    std::size_t Impressao() const;
    // Puts a page of the moment in the stack, the previous one of its kind
    // thrown away.
    void TrocarPagina(QWidget*& atual, QWidget* nova);
    // The screens of the game on hand go with it.
    void DescartarTelasDoJogo();

    std::shared_ptr<world::Jogo> jogo_;
    QStackedWidget* pilha_;
    MenuPrincipal* menu_;
    competitions::telas::TelaNovoJogo* novojogo_ = nullptr;
    management::telas::TelaPrincipal* principal_ = nullptr;
    management::telas::TelaSelecao* selecao_ = nullptr;
    InteracaoDesktop ia_;
    std::unique_ptr<match::Interacao> interacaopartida_;
    temporada::ExecucaoRodada ex_;
    QWidget* partida_ = nullptr;
    QWidget* resultados_ = nullptr;
    QWidget* fimtemporada_ = nullptr;
    // The game as its season ended, while the season-end screen is up: what
    // F2 saves there.
    std::unique_ptr<persistence::JogoAntesDoFim> antesdofim_;
    QWidget* editor_ = nullptr;
    persistence::telas::TelaCarga* carga_ = nullptr; // while a load runs
    // Tests shorten the clock; 0 keeps the match speed of the options.
    int intervaloteste_ = 0;
    // Fingerprint of the game's bytes when last saved or loaded.
    std::optional<std::size_t> salvo_;
    std::optional<std::size_t> impressaopronta_; // taken by a save's worker
    bool saidaconfirmada_ = false;               // "Sair do programa" asked already
    // The coach who had the keyboard last: a screen or a question for
    // another coach names him first ("Vez de ...").
    int teclado_ = -1;
    // Whether more than one coach shares the keyboard (a coach without a
    // club still answers his offers).
    bool VariasPessoas() const;
    // The coach of the screen about to show takes the keyboard: true when he
    // is not the one who had it.
    bool TrocarTeclado(int tecnico);
    QTimer* avancar_ = nullptr;

public:
    void DefinirIntervaloParaTestes(int ms) { intervaloteste_ = ms; }
    // The pause between dates on the waiting screen (ms).
    void DefinirPausaDoAguardo(int ms);
    QWidget* TelaPartida_() const { return partida_; }
    QWidget* TelaResultados() const { return resultados_; }
    QWidget* TelaFimTemporada() const { return fimtemporada_; }
    ui::Som* som_;
};

} // namespace shell
