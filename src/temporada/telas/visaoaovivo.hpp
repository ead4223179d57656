#pragma once
// The live view of a running match: both sides' lineups, benches and
// tactics, the substitutions, the referee and, at half-time, the statistics.
#include "match/gestaopartida.hpp"
#include "match/partida.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace temporada::telas {

class VisaoAoVivo : public QDialog {
    Q_OBJECT
public:
    VisaoAoVivo(world::Jogo& jogo, match::Rodada& rodada, int m, bool intervalo,
                QWidget* pai = nullptr);

    // Redraws everything from the match and the clubs.
    void Atualizar();
    // The half-time figures shown (drawn once, when the view opened).
    const std::array<match::EstatisticasDoLado, 2>& Estatisticas() const { return estatisticas_; }

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    struct Lado {
        bool humano = false;
        QTableWidget* titulares = nullptr;
        QTableWidget* banco = nullptr;
        QComboBox* estilo = nullptr;
        QComboBox* marcacao = nullptr;
        QComboBox* jogadas = nullptr;
        QPushButton* substituir = nullptr;
        QLabel* substituicoes = nullptr;
    };
    QWidget* MontarLado(int lado);
    QWidget* MontarEstatisticas();
    void AtualizarLado(int lado);
    void AtualizarBotao(int lado);
    int Selecionado(QTableWidget* grade) const;
    void Substituir(int lado);
    void MudarPosicao(int lado, int linha);
    void AbrirArbitro();

    world::Jogo& jogo_;
    match::Rodada& rodada_;
    int m_;
    bool intervalo_;
    std::array<Lado, 2> lados_;
    std::array<match::EstatisticasDoLado, 2> estatisticas_{};
    QLabel* placar_ = nullptr;
    QLabel* minuto_ = nullptr;
    QLabel* tempo_ = nullptr;
};

} // namespace temporada::telas
