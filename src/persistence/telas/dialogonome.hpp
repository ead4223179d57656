#pragma once
// The name of a game's file, asked at its first save.
#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace persistence::telas {

class DialogoNome : public QDialog {
    Q_OBJECT
public:
    explicit DialogoNome(QWidget* pai = nullptr);

    // The file name for `arquivo` (Windows-1252, ".s07" included), or nullopt
    // when the player cancelled.
    static std::optional<std::string> PedirNome(QWidget* pai);

    // Once accepted: the chosen file, Windows-1252 as the game keeps it.
    const std::string& Arquivo() const { return arquivo_; }

protected:
    // Whether an existing save of that name may be replaced. Tests answer it
    // themselves.
    virtual bool Confirmar();

private:
    void Salvar();

    QLineEdit* nome_;
    QPushButton* salvar_;
    std::string arquivo_;
};

} // namespace persistence::telas
