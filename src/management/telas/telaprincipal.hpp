#pragma once
// The main screen of a human coach: his club's header, the squad grid with
// the lineup, the tactics, the next opponent and the menus of every other
// management screen. Nothing here moves the game on: "Jogar >>" commits the
// lineup and says so; whoever shows the screen runs the advance cycle.
#include "management/escalacao.hpp"
#include "management/telas/cabecalhoclube.hpp"
#include "management/telas/caixasescalacao.hpp"
#include "ui/rotulocortado.hpp"
#include "world/jogo.hpp"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QAction;
class QKeyEvent;
class QStackedWidget;
class QToolButton;

namespace management::telas {

class GradeElenco;

class TelaPrincipal : public QWidget {
    Q_OBJECT
public:
    explicit TelaPrincipal(world::Jogo& jogo, QWidget* pai = nullptr);

    // Everything again for the club on screen (`timeatual`): availability,
    // formations, the grid, the next opponent and the header. On the same
    // club and date the lineup being made stays as it is (a dialog closed,
    // a player sold): only players who can no longer play leave it.
    void Atualizar();

    // The screen of a coach without a club, waiting for an invitation: the
    // menus (standings, saving, options) and the dates going on behind it.
    void MostrarAguardando();
    bool Aguardando() const;
    // Back to a club's squad (a human has a club again).
    void SairDoAguardo();

    // The hand-over of the keyboard in a game of several humans: a notice
    // with the coach's name covers the squad until he takes his turn.
    void AnunciarVez();
    bool VezAnunciada() const;
    // "Sou eu": the coach named takes the keyboard and sees his squad.
    void AceitarVez();

    // A short notice in the header ("Jogo salvo"), gone after a few seconds.
    void Avisar(const QString& texto);
    QLabel* rotuloAviso() const { return cabecalho_->rotuloAviso(); }
    QLabel* rotuloDesfalques() const { return desfalques_; }
    QWidget* painelVez() const { return vez_; }
    QPushButton* botaoAvancar() const { return avancar_; }
    QCheckBox* caixaAvancarSozinho() const { return avancarsozinho_; }

    // The news line, a button that opens the mailbox.
    QToolButton* botaoNoticias() const { return cabecalho_->botaoNoticias(); }

    GradeElenco* grade() const { return grade_; }
    QComboBox* caixaFormacao() const { return caixas_.formacao; }
    QComboBox* caixaCapitao() const { return caixas_.capitao; }
    QComboBox* caixaCobrador() const { return caixas_.cobrador; }
    QComboBox* caixaEstilo() const { return caixas_.estilo; }
    QComboBox* caixaJogadas() const { return caixas_.jogadas; }
    QComboBox* caixaMarcacao() const { return caixas_.marcacao; }
    QCheckBox* caixaSalvarEscalacao() const { return salvarescalacao_; }
    QPushButton* botaoJogar() const { return jogar_; }
    QPushButton* botaoDinheiro() const { return cabecalho_->botaoDinheiro(); }
    QLabel* rotuloClube() const { return cabecalho_->rotuloNome(); }
    QLabel* rotuloAdversario() const { return cabecalho_->rotuloAdversario(); }
    QLabel* rotuloSelecionados() const { return caixas_.selecionados; }
    QLabel* rotuloData() const { return cabecalho_->rotuloData(); }
    QMenuBar* menus() const { return menus_; }

signals:
    void jogar();
    void salvar();
    void opcoes();
    void tecnicos();
    void classificacao();
    void copa();
    void estaduais();
    void continentais();
    void mundial();
    void torneio(); // the national-team tournament's tables
    void calendario();
    void financas();
    void emprestimo();
    void demitir();
    void sair();
    void sobre();
    void emails();
    void outrosclubes();
    void busca();
    void transferencias();
    void contratacoes();       // "Últimas contratações de técnicos"
    void estadio();            // "Preço dos Ingressos"
    void vender(int jogador);  // the sale screen for a player of the squad
    void renovar(int jogador); // "Propor novo contrato" for a player of the squad
    void amistosos();          // "Marcar amistoso" (F9)
    // The waiting screen's "Avançar >>": play the next date.
    void avancar();
    // The coach named by the hand-over notice has taken the keyboard.
    void vezAceita();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void MontarMenus();
    QWidget* MontarAguardando();
    QWidget* MontarVez();
    void MostrarVez(bool mostrar);
    void MostrarDesfalques(const std::vector<Desfalque>& fora);
    QWidget* MontarPainel();
    void AtualizarCabecalho();
    void PreencherCaixas();
    void Validar();
    void Jogar();
    // The player's card; for the club's own players it offers the sale.
    void AbrirFicha(int jogador);
    // "Aposentar jogador" for a player of the club on screen.
    void AbrirAposentar(int jogador);
    double Hoje() const;
    int Clube() const;

    world::Jogo& jogo_;
    QMenuBar* menus_ = nullptr;
    CabecalhoClube* cabecalho_ = nullptr;
    GradeElenco* grade_ = nullptr;
    CaixasEscalacao caixas_;
    QCheckBox* salvarescalacao_ = nullptr;
    QPushButton* jogar_ = nullptr;
    QLabel* desfalques_ = nullptr;
    QStackedWidget* paginas_ = nullptr;
    QWidget* meio_ = nullptr;      // the squad and the side panel
    QWidget* esperando_ = nullptr; // the waiting page of a coach without a club
    QLabel* textoesperando_ = nullptr;
    QPushButton* avancar_ = nullptr;
    QCheckBox* avancarsozinho_ = nullptr;
    QWidget* vez_ = nullptr; // the hand-over notice
    QLabel* textovez_ = nullptr;
    QList<QAction*> acoesdoclube_; // menu entries that need a club
    // The club, season and date of the lineup on screen.
    int chaveclube_ = -1, chavetemporada_ = -1, chavedata_ = -1;
};

} // namespace management::telas
