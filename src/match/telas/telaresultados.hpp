#pragma once
// The results of the date: every match with its score, the details of the
// selected one, and the table after the matchday; "Continuar >>" goes on.
#include "match/executor.hpp"
#include "world/jogo.hpp"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;
class QPushButton;

namespace match::telas {

class TelaResultados : public QWidget {
    Q_OBJECT
public:
    TelaResultados(world::Jogo& jogo, int codigo, double data, QWidget* pai = nullptr);

    QListWidget* lista() const { return lista_; }
    QLabel* detalhes() const { return detalhes_; }
    QTableWidget* tabela() const { return tabela_; }
    QPushButton* botaoContinuar() const { return continuar_; }
    const std::vector<int>& Entradas() const { return entradas_; }

signals:
    void continuar();

private:
    void Listar();
    void Mostrar(int linha);

    world::Jogo& jogo_;
    int codigo_;
    std::vector<int> todas_, entradas_; // archive entries of the date, and those listed
    QComboBox* pais_;
    QListWidget* lista_;
    QLabel* detalhes_;
    QLabel* titulotabela_;
    QTableWidget* tabela_;
    QPushButton* continuar_;
};

} // namespace match::telas
