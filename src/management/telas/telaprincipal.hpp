#pragma once
// The main screen of a human coach: his club's header, the squad grid with
// the lineup, the tactics, the next opponent and the menus of every other
// management screen. Nothing here moves the game on: "Jogar >>" commits the
// lineup and says so; whoever shows the screen runs the advance cycle.
#include "world/jogo.hpp"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QAction;

namespace management::telas {

class GradeElenco;

class TelaPrincipal : public QWidget {
    Q_OBJECT
public:
    explicit TelaPrincipal(world::Jogo& jogo, QWidget* pai = nullptr);

    // Everything again for the club on screen (`timeatual`): availability,
    // formations, the grid, the next opponent and the header.
    void Atualizar();

    // Unread news; the mailbox tells the screen.
    void DefinirNoticias(int naolidas);

    GradeElenco* grade() const { return grade_; }
    QComboBox* caixaFormacao() const { return formacao_; }
    QComboBox* caixaCapitao() const { return capitao_; }
    QComboBox* caixaCobrador() const { return cobrador_; }
    QComboBox* caixaEstilo() const { return estilo_; }
    QComboBox* caixaJogadas() const { return jogadas_; }
    QComboBox* caixaMarcacao() const { return marcacao_; }
    QCheckBox* caixaSalvarEscalacao() const { return salvarescalacao_; }
    QPushButton* botaoJogar() const { return jogar_; }
    QPushButton* botaoDinheiro() const { return dinheiro_; }
    QLabel* rotuloClube() const { return nomeclube_; }
    QLabel* rotuloAdversario() const { return adversario_; }
    QLabel* rotuloSelecionados() const { return selecionados_; }
    QLabel* rotuloData() const { return data_; }
    QMenuBar* menus() const { return menus_; }

signals:
    void jogar();
    void salvar();
    void opcoes();
    void tecnicos();
    void classificacao();
    void copa();
    void estaduais();
    void calendario();
    void financas();
    void emprestimo();
    void demitir();
    void sair();
    void sobre();

private:
    void MontarMenus();
    QWidget* MontarCabecalho();
    QWidget* MontarPainel();
    void AtualizarCabecalho();
    void AtualizarAdversario();
    void PreencherCaixas();
    void Validar();
    void EscolheuFormacao(int item);
    void Jogar();
    double Hoje() const;
    int Clube() const;

    world::Jogo& jogo_;
    QMenuBar* menus_ = nullptr;
    QLabel* escudo_ = nullptr;
    QLabel* nomeclube_ = nullptr;
    QLabel* tecnico_ = nullptr;
    QLabel* data_ = nullptr;
    QProgressBar* diretoria_ = nullptr;
    QProgressBar* torcida_ = nullptr;
    QPushButton* dinheiro_ = nullptr;
    QLabel* adversario_ = nullptr;
    QLabel* noticias_ = nullptr;
    GradeElenco* grade_ = nullptr;
    QComboBox* formacao_ = nullptr;
    QComboBox* capitao_ = nullptr;
    QComboBox* cobrador_ = nullptr;
    QComboBox* estilo_ = nullptr;
    QComboBox* jogadas_ = nullptr;
    QComboBox* marcacao_ = nullptr;
    QLabel* selecionados_ = nullptr;
    QCheckBox* salvarescalacao_ = nullptr;
    QPushButton* jogar_ = nullptr;
};

} // namespace management::telas
