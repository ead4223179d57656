#pragma once
// The results of the date just played: every match with its score, the
// details of the selected one, and the table after the matchday. "Continuar
// >>" (or Enter) hands back to the advance cycle.
#include "temporada/executor.hpp"
#include "world/jogo.hpp"

#include <QWidget>

#include <vector>

class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTextBrowser;

namespace temporada::telas {

class TelaResultados : public QWidget {
    Q_OBJECT
public:
    TelaResultados(world::Jogo& jogo, const temporada::ExecucaoRodada& ex, QWidget* pai = nullptr);

    QComboBox* Grupos() const { return grupos_; }
    QTableWidget* Jogos() const { return jogos_; }
    QTextBrowser* Detalhes() const { return detalhes_; }
    QTableWidget* Tabela() const { return tabela_; }
    QPushButton* Continuar() const { return continuar_; }
    // The continental groups and brackets (codes 4, 6) or the club world
    // cup's table (code 5); null on other dates.
    QPushButton* Chaves() const { return chaves_; }
    // Archive entries of the rows of the match list.
    const std::vector<int>& Entradas() const { return mostradas_; }
    // Whether the details and the table stand side by side (a wide screen)
    // or one above the other.
    bool LadoALado() const;

signals:
    void continuar();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void MostrarGrupo(int indice);
    void Selecionar(int linha);
    void LarguraDaLista(); // room for the longest names of the date
    void Distribuir();     // details and table side by side or stacked

    world::Jogo& jogo_;
    int codigo_;
    std::vector<int> entradas_;  // every match of the date
    std::vector<int> idsgrupos_; // the groups of the box
    std::vector<int> mostradas_; // the matches of the group shown
    QComboBox* grupos_;
    QTableWidget* jogos_;
    QTextBrowser* detalhes_;
    QWidget* painel_ = nullptr;
    QBoxLayout* direita_ = nullptr; // details and table
    QLabel* titulotabela_;
    QTableWidget* tabela_;
    QPushButton* continuar_;
    QPushButton* chaves_ = nullptr;
};

} // namespace temporada::telas
