#pragma once
// "Busca de jogadores para convocação": a human national coach searches the
// players of his team's country who have a club and moves them into his
// squad with ">>" (out again with "<<"). "Continuar >>" is there once the
// squad holds 2 goalkeepers and 20 outfield players; closing the window keeps
// the team's own squad.
#include "competitions/torneios.hpp"
#include "management/telas/filtrosbusca.hpp"
#include "world/jogo.hpp"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace management::telas {

class TelaConvocacao : public QDialog {
    Q_OBJECT
public:
    TelaConvocacao(const world::Jogo& jogo, int humano, int selecao, QWidget* pai = nullptr);

    // The players chosen, in selection order, once "Continuar >>" was
    // pressed; empty otherwise.
    const std::vector<int>& Convocados() const { return convocados_; }
    // The selection as it stands.
    const std::vector<int>& Selecao() const { return selecao_; }
    int Goleiros() const { return analise_.goleiros; }
    int Linha() const { return analise_.linha; }

    // "Procurar" with the filters as they stand.
    void Procurar();
    // Puts the current row on player `jogador` of the search (or selection)
    // grid, as a click does; false when he is not listed.
    bool MarcarNaBusca(int jogador);
    bool MarcarNaSelecao(int jogador);

    PainelFiltros* filtros() const { return filtros_; }
    QTableWidget* busca() const { return busca_; }
    QTableWidget* selecionados() const { return lista_; }
    QPushButton* botaoAdicionar() const { return adicionar_; }
    QPushButton* botaoRemover() const { return remover_; }
    QPushButton* botaoContinuar() const { return continuar_; }
    QLabel* rotuloGoleiros() const { return rgoleiros_; }
    QLabel* rotuloLinha() const { return rlinha_; }
    // Why the squad cannot go on yet, or why a player was not added.
    QLabel* rotuloMotivo() const { return motivo_; }

private:
    QTableWidget* NovaLista(bool clube);
    void PreencherLinha(QTableWidget* t, int linha, int jogador);
    void Adicionar();
    void Remover();
    void Contar();
    void Continuar();

    const world::Jogo& jogo_;
    int selecao_time_;
    std::vector<int> achados_;
    std::vector<int> selecao_;
    std::vector<int> convocados_;
    competitions::AnaliseConvocacao analise_;
    PainelFiltros* filtros_ = nullptr;
    QTableWidget* busca_ = nullptr;
    QTableWidget* lista_ = nullptr;
    QPushButton* adicionar_ = nullptr;
    QPushButton* remover_ = nullptr;
    QPushButton* continuar_ = nullptr;
    QLabel* rgoleiros_ = nullptr;
    QLabel* rlinha_ = nullptr;
    QLabel* rachados_ = nullptr;
    QLabel* motivo_ = nullptr;
};

} // namespace management::telas
