#pragma once
// The team editor's screens: the loading page ("Carregando equipes..." and
// its bar) and the editor itself, with the lists of clubs and of national
// teams, the players of the team chosen, and the forms that change them.
#include "editor/editor.hpp"
#include "editor/telas/formularios.hpp"

#include <QWidget>

#include <optional>

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace editor::telas {

class TelaCarregamento : public QWidget {
    Q_OBJECT
public:
    explicit TelaCarregamento(QWidget* pai = nullptr);
    // Reads every club and national-team file, the bar moving file by file.
    Editor Carregar();
    QProgressBar* barra() const { return barra_; }

private:
    QProgressBar* barra_;
};

class GradeJogadores;

class TelaEditor : public QWidget {
    Q_OBJECT
public:
    enum ColunaJogador {
        kColNumero,
        kColStatus,
        kColNome,
        kColEstrela,
        kColPosicao,
        kColPais,
        kColIdade,
        kColCaract,
        kColunasJogador
    };

    explicit TelaEditor(Editor ed, QWidget* pai = nullptr);
    ~TelaEditor() override;

    Editor& editor() { return ed_; }

    // Which list is shown, and the team chosen in it (nothing when none).
    bool MostrandoSelecoes() const;
    void MostrarClubes();
    void MostrarSelecoes();
    std::optional<Equipe> EquipeAtual() const;
    // Chooses a team as a click on its row does; false when it is not listed.
    bool Escolher(Equipe e);
    // The slot of the player on the chosen row, -1 for none.
    int VagaAtual() const;
    bool EscolherJogador(int vaga);

    // The actions, as their buttons run them.
    void AdicionarEquipe();
    void EditarEquipe();
    void ApagarEquipe();
    void AdicionarJogador();
    void EditarJogador();
    void ApagarJogador();
    void TransferirJogador();
    // A club player dropped onto the national teams.
    void SoltarNaSelecao(int clube, int vaga);

    QTableWidget* listaClubes() const { return clubes_; }
    QTableWidget* listaSelecoes() const { return selecoes_; }
    GradeJogadores* grade() const { return grade_; }
    QPushButton* botaoClubes() const { return botaoclubes_; }
    QPushButton* botaoSelecoes() const { return botaoselecoes_; }
    QPushButton* botaoAdicionarEquipe() const { return addequipe_; }
    QPushButton* botaoEditarEquipe() const { return editequipe_; }
    QPushButton* botaoApagarEquipe() const { return apagaequipe_; }
    QPushButton* botaoAdicionarJogador() const { return addjogador_; }
    QPushButton* botaoEditarJogador() const { return editjogador_; }
    QPushButton* botaoApagarJogador() const { return apagajogador_; }
    QPushButton* botaoTransferir() const { return transferir_; }
    QPushButton* botaoMenu() const { return menu_; }
    QPushButton* botaoSair() const { return sair_; }
    QLabel* rotuloTotal() const { return total_; }
    QLabel* rotuloTitulares() const { return titulares_; }
    QLabel* rotuloNome() const { return nome_; }
    QLabel* rotuloDetalhes() const { return detalhes_; }
    QLabel* rotuloAviso() const { return aviso_; }

signals:
    void menuPrincipal();
    void sairDoJogo();

protected:
    // The dialogs and questions of the editor; tests answer them themselves.
    virtual int Executar(QDialog& dialogo);
    virtual void Avisar(const QString& texto);
    virtual bool Confirmar(const QString& texto);
    virtual QColor EscolherCor(const QColor& atual);

    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void PreencherClubes();
    void PreencherSelecoes();
    void EscreverFilaClube(int fila, int clube);
    void EscreverFilaSelecao(int fila, int pais);
    // The row of a team after a change, re-read; the player list below.
    void AtualizarEquipe(Equipe e);
    void MostrarEquipe();
    void AtualizarBotoes();
    // Tells a write that failed; true when the change went to its file.
    bool Conferir(const Resultado& r);
    Servicos ServicosDosFormularios();
    QTableWidget* ListaAtual() const;

    Editor ed_;
    QStackedWidget* listas_;
    QTableWidget *clubes_, *selecoes_;
    GradeJogadores* grade_;
    QPushButton *botaoclubes_, *botaoselecoes_;
    QPushButton *addequipe_, *editequipe_, *apagaequipe_;
    QPushButton *addjogador_, *editjogador_, *apagajogador_, *transferir_;
    QPushButton *menu_, *sair_;
    QLabel *escudo_, *nome_, *detalhes_, *total_, *titulares_, *aviso_;
};

} // namespace editor::telas
