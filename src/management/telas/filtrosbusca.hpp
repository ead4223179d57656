#pragma once
// The filter panel of the player searches (the market's search and the
// national-team call-ups): the boxes, each starting with its "any" entry
// (data -1), the check boxes and the search button.
#include "world/jogo.hpp"

#include <QGroupBox>
#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace management::telas {

// The goalkeepers' characteristics (codes 0 to 3) read alike: one item of the
// characteristic box stands for all of them.
constexpr int kReflexos = -2;
bool DeGoleiro(int caract);

class PainelFiltros : public QGroupBox {
    Q_OBJECT
public:
    // What a panel holds, in reading order, three to a row: a box with its
    // label, or a check box, takes a third of a row; the search button the
    // box's side of its third. After kRodape the check boxes and the buttons
    // stand together in one row under the rest.
    enum Campo {
        kNome,
        kPosicao,
        kPais, // only the nationalities somebody in the game has
        kForca,
        kIdade,
        kPasse,
        kCaracteristica1,
        kCaracteristica2,
        kSoAVenda,
        kSoEstrelas,
        kRodape,
        kLimpar, // "Limpar filtros"
        kBuscar,
    };
    struct Opcoes {
        std::vector<Campo> campos;
        std::vector<std::string> idades; // the age bands' captions
        QString estrelas;                // the stars-only box's text
        QString buscar;                  // the search button's text
    };

    PainelFiltros(const world::Jogo& jogo, const Opcoes& opcoes, QWidget* pai = nullptr);

    // The typed name as the game writes names (at most 20 characters).
    std::string Nome() const;
    // The boxes' choices, -1 for any (or for a box the panel has not); a
    // characteristic may be kReflexos. The bands count from 0.
    int Posicao() const { return Escolha(posicao_); }
    int Pais() const { return Escolha(pais_); }
    int Caracteristica1() const { return Escolha(caract1_); }
    int Caracteristica2() const { return Escolha(caract2_); }
    int Forca() const { return Escolha(forca_); }
    int Idade() const { return Escolha(idade_); }
    int Passe() const { return Escolha(passe_); }
    bool SoAVenda() const;
    bool SoEstrelas() const;
    // Every filter back to "any".
    void Limpar();

    QLineEdit* campoNome() const { return nome_; }
    QComboBox* caixaPosicao() const { return posicao_; }
    QComboBox* caixaPais() const { return pais_; }
    QComboBox* caixaCaracteristica1() const { return caract1_; }
    QComboBox* caixaCaracteristica2() const { return caract2_; }
    QComboBox* caixaForca() const { return forca_; }
    QComboBox* caixaIdade() const { return idade_; }
    QComboBox* caixaPasse() const { return passe_; }
    QCheckBox* caixaSoAVenda() const { return soavenda_; }
    QCheckBox* caixaEstrelas() const { return estrelas_; }
    QPushButton* botaoBuscar() const { return buscar_; }
    QPushButton* botaoLimpar() const { return limpar_; }

signals:
    // Enter on the name, or the search button.
    void buscar();

private:
    static int Escolha(const QComboBox* caixa);
    QWidget* Criar(Campo campo, const world::Jogo& jogo, const Opcoes& opcoes);
    static QString Rotulo(Campo campo);
    void Dispor(const std::vector<Campo>& campos, const std::vector<QWidget*>& widgets);

    QGridLayout* grade_;
    QLineEdit* nome_ = nullptr;
    QComboBox* posicao_ = nullptr;
    QComboBox* pais_ = nullptr;
    QComboBox* caract1_ = nullptr;
    QComboBox* caract2_ = nullptr;
    QComboBox* forca_ = nullptr;
    QComboBox* idade_ = nullptr;
    QComboBox* passe_ = nullptr;
    QCheckBox* soavenda_ = nullptr;
    QCheckBox* estrelas_ = nullptr;
    QPushButton* limpar_ = nullptr;
    QPushButton* buscar_ = nullptr;
};

} // namespace management::telas
