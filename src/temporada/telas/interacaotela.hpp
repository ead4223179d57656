#pragma once
// The desktop's answers to the match: the sounds, the penalty and shoot-out
// screens, the half-time and injury screens of the human coaches.
#include "match/interacao.hpp"
#include "temporada/telas/telapenaltis.hpp"
#include "world/jogo.hpp"

#include <vector>

class QDialog;
class QWidget;

namespace ui {
class Som;
}

namespace temporada::telas {

class InteracaoTela : public match::Interacao {
public:
    InteracaoTela(QWidget* janela, ui::Som* som, const world::Jogo* jogo);

    int EscolherBatedor(const world::Jogo& jogo, const match::Rodada& rodada, int m, int lado,
                        std::span<const int> emcampo) override;
    int SubstituirContusao(const world::Jogo& jogo, const match::Rodada& rodada, int m, int lado,
                           int contundido, std::span<const int> banco) override;
    void TocarSom(match::Som som) override;
    void Penalti(int m, int lado, int batedor, bool gol, int texto) override;
    void Intervalo(world::Jogo& jogo, match::Rodada& rodada,
                   std::span<const int> jogoshumanos) override;
    bool OrdenarBatedores(const world::Jogo& jogo, int clube, std::span<const int> emcampo,
                          std::array<int, 11>& ordem) override;
    void DecisaoNosPenaltis(int m) override;
    void ChuteDisputa(int lado, int batedor, bool gol) override;
    void FimDisputa(int vencedor, int gols1, int gols2) override;

    // How long the penalty's commentary stays, the pause between the steps
    // of a shoot-out and how long a single match's "decided on penalties"
    // line stays (milliseconds; 0 runs them through at once).
    void DefinirPausas(int lance, int disputa, int aviso = 0);

protected:
    // Every screen passes here: a modal exec on the desktop. Tests answer the
    // dialog in place (click its buttons) and return the result.
    virtual int Executar(QDialog& dialogo);
    virtual void VisaoAoVivo(world::Jogo& jogo, match::Rodada& rodada, int m, bool intervalo);
    virtual int SubstitutoContusao(const world::Jogo& jogo, const match::Rodada& rodada, int m,
                                   int lado, int contundido, std::span<const int> banco);

    QWidget* janela_;
    ui::Som* som_;
    const world::Jogo* jogo_;
    int lance_ = 2000;
    int disputa_ = 1200;
    int aviso_ = 3000;

private:
    // The shoot-out being taken: its kicks as they are drawn and the clubs
    // that take them (known from the takers).
    std::vector<ChuteMostrado> chutes_;
    int clubes_[2] = {-1, -1};
};

} // namespace temporada::telas
