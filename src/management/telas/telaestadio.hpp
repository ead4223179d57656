#pragma once
// "Preço dos Ingressos" (F6): the four sectors' prices and capacities, and the
// expansion of the stadium.
#include "management/estadio.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace management::telas {

class TelaEstadio : public QDialog {
    Q_OBJECT
public:
    TelaEstadio(world::Jogo& jogo, int clube, QWidget* pai = nullptr);

    QPushButton* Mais(int setor) const { return mais_[setor]; }
    QPushButton* Menos(int setor) const { return menos_[setor]; }
    QLabel* Preco(int setor) const { return precos_[setor]; }
    QPushButton* Expandir() const { return expandir_; }
    QSpinBox* Assentos(int setor) const { return assentos_[setor]; }
    QPushButton* PedirOrcamento() const { return pedir_; }
    QPushButton* IniciarConstrucao() const { return iniciar_; }
    QLabel* Mensagem() const { return mensagem_; }
    QLabel* Andamento() const { return andamento_; }

signals:
    void dinheiroMudou();

private:
    void Atualizar();

    world::Jogo& jogo_;
    int clube_;
    std::array<QLabel*, 4> precos_{}, capacidades_{};
    std::array<QPushButton*, 4> mais_{}, menos_{};
    std::array<QSpinBox*, 4> assentos_{};
    QLabel* total_;
    QLabel* andamento_;
    QPushButton* expandir_;
    QWidget* expansao_;
    QPushButton* pedir_;
    QPushButton* iniciar_;
    QLabel* mensagem_;
    Orcamento orcamento_;
};

} // namespace management::telas
