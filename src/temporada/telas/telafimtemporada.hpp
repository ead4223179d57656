#pragma once
// The end of the season: champions and runners-up of the season just ended and
// its top scorers, and the buttons of the history screens. "Continuar >>"
// hands the game back to the advance cycle.
#include "world/jogo.hpp"

#include <QWidget>

#include <vector>

class QBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;

namespace temporada::telas {

class TelaFimTemporada : public QWidget {
    Q_OBJECT
public:
    // Built before the next season is prepared: the champions are read here.
    TelaFimTemporada(world::Jogo& jogo, QWidget* pai = nullptr);

    QTableWidget* Campeoes() const { return campeoes_; }
    QTableWidget* Artilheiros() const { return artilheiros_; }
    QPushButton* Continuar() const { return continuar_; }
    // "Salvar jogo" (F2): the game as the season ended.
    QPushButton* Salvar() const { return salvar_; }
    // A short notice beside the buttons ("Jogo salvo").
    void Avisar(const QString& aviso);
    QLabel* RotuloAviso() const { return aviso_; }
    // The buttons of the history screens, in the order of kTelasHistorico.
    const std::vector<QPushButton*>& BotoesHistorico() const { return historico_; }
    int Temporada() const { return temporada_; }
    // Reads the season's top scorers (recorded when the next season is
    // prepared); also run each time the screen is shown.
    void MostrarArtilheiros();

signals:
    void continuar();
    void salvar();

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void Distribuir(); // the two lists side by side or stacked

    world::Jogo& jogo_;
    int temporada_;
    QBoxLayout* meio_;
    QTableWidget* campeoes_;
    QTableWidget* artilheiros_;
    QPushButton* continuar_;
    QPushButton* salvar_;
    QLabel* aviso_;
    std::vector<QPushButton*> historico_;
};

} // namespace temporada::telas
