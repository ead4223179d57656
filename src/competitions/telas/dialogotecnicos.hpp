#pragma once
// The human coaches of a running game: number, name, club (empty when
// unemployed); a coach without a club can be removed, and while fewer than
// six are playing a new one can join without a club.
#include "world/jogo.hpp"

#include <QDialog>

class QTableWidget;
class QPushButton;

namespace competitions::telas {

class DialogoTecnicos : public QDialog {
    Q_OBJECT
public:
    explicit DialogoTecnicos(world::Jogo& jogo, QWidget* pai = nullptr);

    QTableWidget* lista() const { return lista_; }
    QPushButton* botaoRemover() const { return remover_; }
    QPushButton* botaoAdicionar() const { return adicionar_; }
    void Preencher();

protected:
    // The new coach's name (empty = cancelled) and the notice for an employed
    // coach; tests answer them themselves.
    virtual QString PedirNome();
    virtual void Avisar(const QString& texto);

private:
    void Remover();
    void Adicionar();

    world::Jogo& jogo_;
    QTableWidget* lista_;
    QPushButton *remover_, *adicionar_;
};

} // namespace competitions::telas
