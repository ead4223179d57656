#pragma once
// The transfer dialog (the other clubs, and a button that only takes a club
// with room) and the badge picker (the pictures of the badge folder with a
// preview).
#include "editor/editor.hpp"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace editor::telas {

class DialogoTransferencia : public QDialog {
    Q_OBJECT
public:
    DialogoTransferencia(const Editor& ed, int origem, int vaga, QWidget* pai = nullptr);
    // The club chosen, -1 for none.
    int Destino() const;
    // Picks a club by its index (as a click on its row does).
    bool Escolher(int clube);

    QTableWidget* lista() const { return lista_; }
    QLineEdit* campoBusca() const { return busca_; }
    QPushButton* botaoTransferir() const { return transferir_; }

private:
    void Filtrar(const QString& texto);
    void Atualizar();

    const Editor& ed_;
    QTableWidget* lista_;
    QLineEdit* busca_;
    QPushButton* transferir_;
};

class SeletorEscudo : public QDialog {
    Q_OBJECT
public:
    // The badges of teams/logos (clubs) or teams/selecoes (national teams).
    SeletorEscudo(bool selecao, const std::string& atual, QWidget* pai = nullptr);
    // The name chosen (Windows-1252, no extension); empty for "no badge".
    std::string Escolhido() const;
    // The names offered, in the list's order (the first is "no badge").
    const std::vector<std::string>& Nomes() const { return nomes_; }
    bool Escolher(const std::string& nome);

    QListWidget* lista() const { return lista_; }
    QLabel* previa() const { return previa_; }
    QLineEdit* campoBusca() const { return busca_; }

private:
    void Mostrar();

    bool selecao_;
    std::vector<std::string> nomes_;
    QListWidget* lista_;
    QLabel *previa_, *nome_;
    QLineEdit* busca_;
};

// The badge names of a folder: every .gif and .bmp once, without extension,
// sorted; names too long for a team's badge field are left out.
std::vector<std::string> EscudosDaPasta(bool selecao);

} // namespace editor::telas
