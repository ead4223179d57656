#pragma once
// The national-team screen of a human coach on a tournament date: the team's
// header, its squad grid with the lineup, the tactics and "Jogar >>", and
// the menus (the tournament's tables, saving, the options, a player's
// position). Like the main screen, it only commits the lineup and says so;
// whoever shows it runs the cycle.
#include "management/telas/cabecalhoclube.hpp"
#include "management/telas/caixasescalacao.hpp"
#include "world/jogo.hpp"

#include <QDialog>
#include <QWidget>

#include <map>

class QComboBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QStackedWidget;

namespace ui {
class RotuloCortado;
}

namespace management::telas {

class GradeElenco;

class TelaSelecao : public QWidget {
    Q_OBJECT
public:
    explicit TelaSelecao(world::Jogo& jogo, QWidget* pai = nullptr);

    // The national team on screen (a temporary club of the tournament).
    void Mostrar(int selecao);
    int Selecao() const { return selecao_; }
    // Everything again for the team on screen; on the same team and date the
    // lineup being made stays.
    void Atualizar();
    // A short notice in the header ("Jogo salvo").
    void Avisar(const QString& texto);
    // "Posição do jogador" for the player of the current row.
    void AbrirPosicao();
    // Several humans at one keyboard: a notice with the coach's name covers
    // the squad until he takes his turn ("Sou eu").
    void AnunciarVez();
    bool VezAnunciada() const;
    void AceitarVez();
    QWidget* painelVez() const { return vez_; }

    GradeElenco* grade() const { return grade_; }
    QComboBox* caixaFormacao() const { return caixas_.formacao; }
    QComboBox* caixaCapitao() const { return caixas_.capitao; }
    QComboBox* caixaCobrador() const { return caixas_.cobrador; }
    QComboBox* caixaEstilo() const { return caixas_.estilo; }
    QComboBox* caixaJogadas() const { return caixas_.jogadas; }
    QComboBox* caixaMarcacao() const { return caixas_.marcacao; }
    QPushButton* botaoJogar() const { return jogar_; }
    QLabel* rotuloSelecionados() const { return caixas_.selecionados; }
    QLabel* rotuloData() const { return cabecalho_->rotuloData(); }
    QLabel* rotuloAviso() const { return cabecalho_->rotuloAviso(); }
    ui::RotuloCortado* rotuloSelecao() const { return cabecalho_->rotuloNome(); }
    ui::RotuloCortado* rotuloAdversario() const { return cabecalho_->rotuloAdversario(); }
    QMenuBar* menus() const { return menus_; }

signals:
    void jogar();
    void salvar();
    void opcoes();
    void sair();
    void torneio(); // the tournament's tables and matches
    void vezAceita();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void MontarMenus();
    QWidget* MontarPainel();
    QWidget* MontarVez();
    void AtualizarCabecalho();
    void Validar();
    void Jogar();
    void AbrirFicha(int jogador);
    double Hoje() const;
    int Time() const;

    world::Jogo& jogo_;
    int selecao_ = -1;
    QMenuBar* menus_ = nullptr;
    CabecalhoClube* cabecalho_ = nullptr;
    GradeElenco* grade_ = nullptr;
    CaixasEscalacao caixas_;
    QPushButton* jogar_ = nullptr;
    QStackedWidget* paginas_ = nullptr;
    QWidget* meio_ = nullptr; // the squad and the side panel
    QWidget* vez_ = nullptr;  // the hand-over notice
    QLabel* textovez_ = nullptr;
    // The team, season and date of the lineup on screen.
    int chavetime_ = -1, chavetemporada_ = -1, chavedata_ = -1;
    // The lineup each team last played with in this tournament: the next
    // date opens on it, whatever "Salvar escalação" says for clubs.
    std::map<int, Grade> lembradas_;
    int temporadalembradas_ = -1;
};

// "Posição do jogador": the position a player plays in (his own or an
// improvised one) and his role there.
class DialogoPosicaoJogador : public QDialog {
    Q_OBJECT
public:
    DialogoPosicaoJogador(const world::Jogo& jogo, int jogador, QWidget* pai = nullptr);
    static constexpr int kVoltarOriginal = 5; // the item after the five positions
    QComboBox* caixaPosicao() const { return posicao_; }
    QComboBox* caixaFuncao() const { return funcao_; }
    // The position chosen (-1: his own) and the role.
    int Posicao() const;
    int Funcao() const;

private:
    void EncherFuncoes();

    const world::Jogo& jogo_;
    int jogador_;
    QComboBox* posicao_;
    QComboBox* funcao_;
};

} // namespace management::telas
