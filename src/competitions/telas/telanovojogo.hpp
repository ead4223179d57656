#pragma once
// The making of a new game, from the menu to a game ready on its first date:
// game type (or the custom championship), one club choice per human coach and
// the initialisation, as pages of one screen.
#include "world/clubes.hpp"
#include "world/jogo.hpp"

#include <QWidget>

#include <cstdint>
#include <memory>

class QStackedWidget;

namespace competitions::telas {

class TelaTipoJogo;
class TelaPersonalizado;
class TelaEscolhaTime;
class TelaInicializacao;

class TelaNovoJogo : public QWidget {
    Q_OBJECT
public:
    // Scans the club folder; `semente` seeds the new game's generator.
    explicit TelaNovoJogo(std::uint64_t semente, QWidget* pai = nullptr);
    TelaNovoJogo(world::IndiceTimes indice, std::uint64_t semente, QWidget* pai = nullptr);

    TelaTipoJogo* PaginaTipo() const { return tipo_; }
    TelaPersonalizado* PaginaPersonalizado() const { return personalizado_; }
    TelaEscolhaTime* PaginaEscolha() const { return escolha_; }
    TelaInicializacao* PaginaInicializacao() const { return inicializacao_; }
    QWidget* PaginaAtual() const;
    // The game being set up (between the game type and the initialisation).
    const world::Jogo* JogoEmPreparo() const { return jogo_.get(); }

signals:
    void jogoCriado(std::shared_ptr<world::Jogo> jogo);
    void cancelado();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void btcomecarClick();
    void btcontinuarClick();
    void timeEscolhido(int humano);
    std::shared_ptr<world::Jogo> JogoNovo() const;

    world::IndiceTimes indice_;
    std::uint64_t semente_;
    std::shared_ptr<world::Jogo> jogo_;
    QStackedWidget* paginas_;
    TelaTipoJogo* tipo_;
    TelaPersonalizado* personalizado_;
    TelaEscolhaTime* escolha_;
    TelaInicializacao* inicializacao_;
};

} // namespace competitions::telas
