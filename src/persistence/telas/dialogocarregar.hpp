#pragma once
// The saved games in "sav": choose one to load, see what it holds, delete.
// Each row names the game's date, club and coach, read from the file's state
// block alone.
#include <QDialog>
#include <QString>

class QLabel;
class QTreeWidget;
class QPushButton;

namespace persistence::telas {

class DialogoCarregar : public QDialog {
    Q_OBJECT
public:
    explicit DialogoCarregar(QWidget* pai = nullptr);

    // Once accepted: the file name chosen (as the folder holds it).
    QString Escolhido() const { return escolhido_; }

protected:
    // Yes or no to a question; and a message with an OK button. Tests answer
    // them themselves.
    virtual bool Confirmar(const QString& pergunta);
    virtual void Avisar(const QString& aviso);

private:
    void Descrever();
    void Carregar();
    void Apagar();

    QTreeWidget* lista_;
    QLabel* tecnico_;
    QLabel* time_;
    QLabel* data_;
    QLabel* proximo_;
    QLabel* aviso_;
    QPushButton* carregar_;
    QPushButton* apagar_;
    QString escolhido_;
};

} // namespace persistence::telas
