#pragma once
// The match screen: every match of the group on the clock side by side, with
// the scores, the last event of each side, the half's progress and the keys
// that change the speed or open the live view.
#include "temporada/executor.hpp"
#include "world/jogo.hpp"

#include <QWidget>

#include <functional>
#include <vector>

class QFrame;
class QLabel;
class QProgressBar;
class QTimer;
class QGridLayout;

namespace temporada::telas {

// The last event of one side: its icon and its text.
class RotuloEvento : public QWidget {
    Q_OBJECT
public:
    explicit RotuloEvento(QWidget* pai = nullptr);
    void Mostrar(const QPixmap& icone, const QString& texto, const QColor& cor, bool negrito);
    void Limpar();
    QString Texto() const;
    QColor Cor() const { return cor_; }
    bool Negrito() const;
    int Tipo() const { return tipo_; }
    void DefinirTipo(int tipo) { tipo_ = tipo; }

private:
    QLabel* icone_;
    QLabel* texto_;
    QString simples_; // the text without its markup
    QColor cor_;
    int tipo_ = 0;
};

class TelaPartida : public QWidget {
    Q_OBJECT
public:
    // The date is already open in the runner (AbrirRodadaDoDia).
    TelaPartida(world::Jogo& jogo, ExecucaoRodada& ex, QWidget* pai = nullptr);
    ~TelaPartida() override;

    // Plays the first groups and starts the clock on the first shown one.
    void Comecar();
    bool Rodando() const;
    int Intervalo() const { return intervalo_; }
    // A fixed clock for the tests (it survives the change of group).
    void DefinirIntervaloParaTestes(int ms);
    // One tick of the clock, as the timer calls it.
    void Timer1Timer();

    // The live view opened by Enter or Space; tests replace it.
    std::function<void(int m)> abriraovivo;

    // What the screen shows, row by row (one row per match of the group).
    struct Linha {
        int partida = -1;    // fixture of the match
        int m = 0;           // match record 1..20
        bool humano = false; // a human club plays: the card is marked out
        QFrame* cartao = nullptr;
        QLabel* mandante = nullptr; // the whole name in the tooltip
        QLabel* golsmandante = nullptr;
        QLabel* golsvisitante = nullptr;
        QLabel* visitante = nullptr;
        RotuloEvento* evento[2] = {};
    };
    const std::vector<Linha>& Linhas() const { return linhas_; }
    QProgressBar* Barra() const { return barra_; }
    QLabel* MinutoMostrado() const { return minuto_; }
    QLabel* Aviso() const { return aviso_; }

signals:
    void encerrada();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void MontarGrupo();
    void Atualizar();
    void MostrarEventos();
    void LimparEventos();
    void FecharGrupo(); // the final scores, as written to the fixtures
    void Seguir();      // after a tick or a group: the clock again, or the end
    void Parar();
    void Reiniciar();

    world::Jogo& jogo_;
    ExecucaoRodada& ex_;
    QTimer* relogio_;
    int intervalo_ = 500;
    bool fixo_ = false;
    bool emtick_ = false;
    bool avisado_ = false;
    int grupo_ = -1;
    std::size_t vistos_ = 0; // events already shown
    std::vector<Linha> linhas_;
    QWidget* quadro_;
    QGridLayout* grade_;
    QLabel* minuto_;
    QProgressBar* barra_;
    QLabel* aviso_;
};

} // namespace temporada::telas
