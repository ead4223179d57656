#pragma once
// The options dialog: every choice is written to pitchlord.ini the moment it
// changes and copied into the running game's options at once.
#include "world/jogo.hpp"

#include <QDialog>

#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QWidget;

namespace shell {

class DialogoOpcoes : public QDialog {
    Q_OBJECT
public:
    DialogoOpcoes(world::Jogo& jogo, QWidget* pai = nullptr);

signals:
    // The list colours changed, or their use was switched on or off: the
    // lineup list redraws.
    void coresMudaram();

private:
    QWidget* MontarGeral();
    QWidget* MontarLigas();
    QWidget* MontarCoresESons();
    // A list showing item `atual` (none when it is outside the list); the
    // chosen item's index is written under `chave`, then `escolhido` updates
    // the game's copy.
    QComboBox* Lista(const char* chave, const QStringList& itens, int atual,
                     std::function<void(int)> escolhido);
    // The "no"/"yes" lists of the on/off options.
    QComboBox* NaoSim(const char* chave, world::u8& opcao);
    QCheckBox* Marca(const char* chave, int rotulo, world::u8& opcao);
    void AbrirCores();

    world::Jogo& jogo_;
};

} // namespace shell
