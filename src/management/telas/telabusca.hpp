#pragma once
// "Busca de Jogadores": the players of every club in the game by name,
// position, nationality, characteristics, strength, age and value, listed
// for sale or stars only. A double click on a player opens his club.
#include "management/mercado.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace management::telas {

class TelaBusca : public QDialog {
    Q_OBJECT
public:
    enum Coluna {
        kColNome,
        kColPosicao,
        kColIdade,
        kColForca,
        kColNacionalidade,
        kColClube,
        kColPasse,
        kColSalario,
        kColVenda,
        kColunas
    };

    TelaBusca(const world::Jogo& jogo, QWidget* pai = nullptr);

    // Runs the filters on screen and lists who passes them.
    void Buscar();
    // The filters as the boxes stand (the goalkeepers' characteristic, which
    // covers several codes, is checked apart).
    FiltroBusca Filtro() const;
    // The player a row of the list shows (in its current order), 0 = none.
    int JogadorDaLinha(int linha) const;

    QLineEdit* campoNome() const { return nome_; }
    QComboBox* caixaPosicao() const { return posicao_; }
    QComboBox* caixaPais() const { return pais_; }
    QComboBox* caixaCaracteristica1() const { return caract1_; }
    QComboBox* caixaCaracteristica2() const { return caract2_; }
    QComboBox* caixaForca() const { return forca_; }
    QComboBox* caixaIdade() const { return idade_; }
    QComboBox* caixaPasse() const { return passe_; }
    QCheckBox* caixaSoAVenda() const { return soavenda_; }
    QCheckBox* caixaSoEstrelas() const { return soestrelas_; }
    QPushButton* botaoBuscar() const { return buscar_; }
    QPushButton* botaoLimpar() const { return limpar_; }
    QTableWidget* lista() const { return lista_; }
    QLabel* rotuloTotal() const { return total_; }

signals:
    // A double click (or Enter) on a player: his club, to be shown.
    void abrirClube(int clube);

protected:
    // Enter on the list opens the player's club, as a double click does.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* MontarFiltros();
    void MontarLista();
    void Limpar();
    void Abrir(int linha);
    void Preencher(const std::vector<int>& jogadores);

    const world::Jogo& jogo_;
    QLineEdit* nome_ = nullptr;
    QComboBox* posicao_ = nullptr;
    QComboBox* pais_ = nullptr;
    QComboBox* caract1_ = nullptr;
    QComboBox* caract2_ = nullptr;
    QComboBox* forca_ = nullptr;
    QComboBox* idade_ = nullptr;
    QComboBox* passe_ = nullptr;
    QCheckBox* soavenda_ = nullptr;
    QCheckBox* soestrelas_ = nullptr;
    QPushButton* buscar_ = nullptr;
    QPushButton* limpar_ = nullptr;
    QTableWidget* lista_ = nullptr;
    QLabel* total_ = nullptr;
};

} // namespace management::telas
