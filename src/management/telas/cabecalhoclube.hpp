#pragma once
// The header of the screens a coach plays from, his club's and his national
// team's: the badge, the name on the team's colours, the coach, the date, the
// next opponent and a passing notice. A club's header also shows its money,
// the board's and the fans' confidence and the news; a national team's the
// tournament it plays.
#include "world/jogo.hpp"

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;

namespace ui {
class RotuloCortado;
}

namespace management::telas {

class CabecalhoClube : public QFrame {
    Q_OBJECT
public:
    enum class Tipo { Clube, Selecao };
    explicit CabecalhoClube(Tipo tipo, QWidget* pai = nullptr);

    // Team `time` (-1: none): its name on its colours and its badge; a
    // club's money, confidence and unread news as well.
    void MostrarTime(const world::Jogo& jogo, int time);
    void MostrarTecnico(const QString& nome);
    void MostrarData(double data);
    // The first fixture of `time` from `hoje` on: the opponent (with his
    // league place), home or away, the competition and its matchday, phase
    // or tournament group; "-" when none is left.
    void MostrarAdversario(const world::Jogo& jogo, int time, double hoje);
    // A coach without a club: "Sem clube", no badge, no money, no news.
    void MostrarSemClube(const QString& tecnico, double data);
    // A short notice ("Jogo salvo"), gone after a few seconds.
    void Avisar(const QString& texto);

    // A national team's tournament.
    void MostrarTorneio(const QString& nome);

    ui::RotuloCortado* rotuloNome() const { return nome_; }
    QLabel* rotuloData() const { return data_; }
    QLabel* rotuloAviso() const { return aviso_; }
    ui::RotuloCortado* rotuloAdversario() const { return adversario_; }
    // A club's header only (null in a national team's).
    QPushButton* botaoDinheiro() const { return dinheiro_; }
    QToolButton* botaoNoticias() const { return noticias_; }

private:
    void MostrarNome(const QString& nome, const QString& estilo, const QPixmap& escudo);
    void MostrarConfianca(int diretoria, int torcida);
    void DefinirNoticias(int naolidas);

    QLabel* escudo_ = nullptr;
    ui::RotuloCortado* nome_ = nullptr;
    QLabel* tecnico_ = nullptr;
    QLabel* data_ = nullptr;
    ui::RotuloCortado* adversario_ = nullptr;
    QLabel* aviso_ = nullptr;
    QTimer* avisotempo_ = nullptr;
    QPushButton* dinheiro_ = nullptr;
    QProgressBar* diretoria_ = nullptr;
    QProgressBar* torcida_ = nullptr;
    QToolButton* noticias_ = nullptr;
    QLabel* torneio_ = nullptr;
};

} // namespace management::telas
