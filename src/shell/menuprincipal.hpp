#pragma once
// The main menu: new game, load game, editor, leave, the language picker and
// the about box. Labels turn white under the pointer and back to yellow.
#include <QWidget>

class QLabel;

namespace shell {

class RotuloMenu;
class SeletorIdioma;

class MenuPrincipal : public QWidget {
    Q_OBJECT
public:
    explicit MenuPrincipal(QWidget* pai = nullptr);
    // Texts from the current language (after a change of language).
    void Traduzir();
    // The "loading" note while the game-type screen is built.
    void MostrarCarregando(bool sim);
    SeletorIdioma* Idiomas() const { return idiomas_; }

signals:
    void novoJogo();
    void carregarJogo();
    void editor();
    void sair();
    void sobre();
    void idiomaTrocado();

private:
    RotuloMenu *novo_, *carregar_, *editor_, *sair_, *sobre_;
    QLabel *legendaidioma_, *carregando_;
    SeletorIdioma* idiomas_;
};

// The about box: the product's name, a close button (text 268), Escape closes.
void MostrarSobre(QWidget* pai);

} // namespace shell
