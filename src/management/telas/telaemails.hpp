#pragma once
// "Sua caixa de emails": the messages of one club, newest first, and the
// message selected (sender, subject, text, and "Sim" / "Não" while its
// question is open). Selecting a message marks it read.
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace management::telas {

class TelaEmails : public QDialog {
    Q_OBJECT
public:
    TelaEmails(world::Jogo& jogo, int clube, QWidget* pai = nullptr);

    // Selects the message of row `linha` (newest first), as a click does.
    void Selecionar(int linha);
    // The message on show, an index of jogo.emails; -1 for none.
    int Selecionado() const { return atual_; }

    QTreeWidget* lista() const { return lista_; }
    QLabel* rotuloNaoLidas() const { return naolidas_; }
    QLabel* rotuloRemetente() const { return remetente_; }
    QLabel* rotuloAssunto() const { return assunto_; }
    QLabel* rotuloTexto() const { return texto_; }
    QFrame* quadroPergunta() const { return pergunta_; }
    QPushButton* botaoSim() const { return sim_; }
    QPushButton* botaoNao() const { return nao_; }
    QPushButton* botaoFechar() const { return fechar_; }

private:
    QWidget* MontarLeitura();
    void Preencher();
    void Mostrar(int indice);
    void Responder(bool sim);
    void MarcarLinha(QTreeWidgetItem* item);
    void MarcarSelecionada();
    void AtualizarNaoLidas();

    world::Jogo& jogo_;
    int clube_;
    std::vector<int> emails_; // the list's rows, indices of jogo.emails
    int atual_ = -1;
    QLabel* naolidas_ = nullptr;
    QTreeWidget* lista_ = nullptr;
    QLabel* assunto_ = nullptr;
    QLabel* remetente_ = nullptr;
    QLabel* data_ = nullptr;
    QLabel* texto_ = nullptr;
    QFrame* pergunta_ = nullptr;
    QLabel* textopergunta_ = nullptr;
    QPushButton* sim_ = nullptr;
    QPushButton* nao_ = nullptr;
    QLabel* respondido_ = nullptr;
    QPushButton* fechar_ = nullptr;
};

// The envelope of a message in lists: closed while unread, open once read.
QPixmap FiguraEnvelope(bool lido, bool pergunta);

} // namespace management::telas
