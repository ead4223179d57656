#pragma once
// The penalty screens of a human coach: the taker of a penalty awarded in the
// match, the commentary of the kick, the order of the takers of a shoot-out
// and the shoot-out itself, kick by kick.
#include "world/jogo.hpp"

#include <QDialog>

#include <array>
#include <span>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace temporada::telas {

// The penalty of a human club: his players on the pitch, "Bater" takes the
// kick with the one chosen (the first is chosen when the screen opens).
class TelaPenalti : public QDialog {
    Q_OBJECT
public:
    TelaPenalti(const world::Jogo& jogo, int clube, std::span<const int> emcampo, QWidget* pai);
    int Escolhido() const; // the player chosen, 0 when none
    QListWidget* Lista() const { return lista_; }
    QPushButton* Bater() const { return bater_; }

private:
    std::vector<int> emcampo_;
    QListWidget* lista_;
    QPushButton* bater_;
};

// The kick of a penalty with its commentary; it closes itself after
// `duracao` milliseconds.
class TelaLance : public QDialog {
    Q_OBJECT
public:
    TelaLance(const world::Jogo& jogo, int batedor, bool gol, int texto, int duracao, QWidget* pai);
    QString Texto() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QLabel* texto_;
    int duracao_;
};

// A line of the match screen that stays `duracao` milliseconds and closes
// itself: "Empate! A decisão foi nos pênaltis." before a single match's
// shoot-out.
class TelaAviso : public QDialog {
    Q_OBJECT
public:
    TelaAviso(const QString& texto, int duracao, QWidget* pai);
    QString Texto() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QLabel* texto_;
    int duracao_;
};

// "Desempate por Penaltis - Seleção dos batedores": the players on the pitch
// are moved one at a time into the order of the kicks; the order can be
// confirmed only once nobody is left out.
class TelaBatedores : public QDialog {
    Q_OBJECT
public:
    TelaBatedores(const world::Jogo& jogo, int clube, std::span<const int> emcampo, QWidget* pai);

    // The order chosen, 0 after the last taker.
    std::array<int, 11> Ordem() const;

    QListWidget* Disponiveis() const { return disponiveis_; }
    QListWidget* Ordenados() const { return ordenados_; }
    QPushButton* Incluir() const { return incluir_; }
    QPushButton* Retirar() const { return retirar_; }
    QPushButton* Confirmar() const { return confirmar_; }

private:
    void Mover(QListWidget* de, QListWidget* para);
    void Validar();

    QListWidget* disponiveis_;
    QListWidget* ordenados_;
    QPushButton* incluir_;
    QPushButton* retirar_;
    QPushButton* confirmar_;
};

struct ChuteMostrado {
    int lado = 1; // 1 or 2
    int batedor = 0;
    bool gol = false;
};

// "Decisão por Penaltis": the kicks already drawn, shown one step at a time
// (the taker under "Batedor:", then the outcome), the winner at the end.
// With a pause the screen runs by itself and closes after the last step;
// without one the steps are taken with Avancar.
class TelaDisputa : public QDialog {
    Q_OBJECT
public:
    TelaDisputa(const world::Jogo& jogo, const int clubes[2], std::vector<ChuteMostrado> chutes,
                int vencedor, int pausa, QWidget* pai);

    // The next step; false once everything has been shown.
    bool Avancar();
    bool Terminou() const { return passo_ >= 2 * static_cast<int>(chutes_.size()) + 1; }

    QString Batedor() const;
    QString Resultado() const;
    QString Placar() const;
    QString Vencedor() const;
    QTableWidget* Chutes() const { return tabela_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    const world::Jogo& jogo_;
    int clubes_[2];
    std::vector<ChuteMostrado> chutes_;
    int vencedor_;
    int pausa_;
    int passo_ = 0;
    int gols_[2] = {};
    int feitos_[2] = {};
    QLabel* placar_;
    QLabel* batedor_;
    QLabel* resultado_;
    QLabel* vencedornome_;
    QTableWidget* tabela_;
    QTimer* relogio_;
};

} // namespace temporada::telas
