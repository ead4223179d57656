#include "temporada/telas/interacaotela.hpp"

#include "match/partida.hpp"
#include "temporada/telas/aovivo.hpp"
#include "ui/som.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"

#include <QDialog>

namespace temporada::telas {

using namespace match;

using namespace world;

InteracaoTela::InteracaoTela(QWidget* janela, ui::Som* som, const Jogo* jogo)
    : janela_(janela), som_(som), jogo_(jogo) {}

void InteracaoTela::DefinirPausas(int lance, int disputa, int aviso) {
    lance_ = std::max(0, lance);
    disputa_ = std::max(0, disputa);
    aviso_ = std::max(0, aviso);
}

int InteracaoTela::Executar(QDialog& dialogo) {
    return dialogo.exec();
}

void InteracaoTela::VisaoAoVivo(Jogo& jogo, Rodada& rodada, int m, bool intervalo) {
    AbrirVisaoAoVivo(jogo, rodada, m, intervalo, janela_);
}

int InteracaoTela::SubstitutoContusao(const Jogo& jogo, const Rodada& rodada, int m, int lado,
                                      int contundido, std::span<const int> banco) {
    return EscolherSubstitutoContusao(jogo, rodada, m, lado, contundido, banco, janela_);
}

void InteracaoTela::TocarSom(match::Som som) {
    if (!som_ || !jogo_) return;
    const char* alias = "gol";
    switch (som) {
    case match::Som::Gol:
        alias = "gol";
        break;
    case match::Som::Penalti:
        alias = "penalty";
        break;
    case match::Som::Contusao:
        alias = "contusao";
        break;
    case match::Som::FimJogo:
        alias = "fimjogo";
        break;
    }
    som_->Tocar(alias, jogo_->estado.opcoes.opsom != 0);
}

int InteracaoTela::EscolherBatedor(const Jogo& jogo, const Rodada& rodada, int m, int lado,
                                   std::span<const int> emcampo) {
    const int clube = rodada.jogos[m].Clube(lado);
    TelaPenalti tela(jogo, clube, emcampo, janela_);
    const bool bateu = Executar(tela) == QDialog::Accepted;
    // Closing the screen without choosing leaves the kick to the computer's
    // taker (the engine takes the first player it listed).
    return bateu ? tela.Escolhido() : 0;
}

void InteracaoTela::Penalti(int /*m*/, int /*lado*/, int batedor, bool gol, int texto) {
    if (!jogo_) return;
    TelaLance tela(*jogo_, batedor, gol, texto, lance_, janela_);
    Executar(tela);
}

int InteracaoTela::SubstituirContusao(const Jogo& jogo, const Rodada& rodada, int m, int lado,
                                      int contundido, std::span<const int> banco) {
    return SubstitutoContusao(jogo, rodada, m, lado, contundido, banco);
}

void InteracaoTela::Intervalo(Jogo& jogo, Rodada& rodada, std::span<const int> jogoshumanos) {
    if (!jogo.estado.opcoes.opintervalo) return;
    for (int m : jogoshumanos)
        if (m >= 1 && m <= rodada.numjogos) VisaoAoVivo(jogo, rodada, m, true);
}

bool InteracaoTela::OrdenarBatedores(const Jogo& jogo, int clube, std::span<const int> emcampo,
                                     std::array<int, 11>& ordem) {
    TelaBatedores tela(jogo, clube, emcampo, janela_);
    if (Executar(tela) != QDialog::Accepted) return false;
    ordem = tela.Ordem();
    return true;
}

void InteracaoTela::DecisaoNosPenaltis(int /*m*/) {
    TelaAviso tela(ui::T(ui::kTextoDecisaoNosPenaltis), aviso_, janela_);
    Executar(tela);
}

void InteracaoTela::ChuteDisputa(int lado, int batedor, bool gol) {
    const int s = lado == 2 ? 1 : 0;
    if (clubes_[s] < 0 && jogo_ && batedor > 0 &&
        batedor < static_cast<int>(jogo_->jogadores.size()))
        clubes_[s] = jogo_->jogadores[batedor].time;
    chutes_.push_back({lado, batedor, gol});
}

void InteracaoTela::FimDisputa(int vencedor, int /*gols1*/, int /*gols2*/) {
    // Every kick is drawn before the screen opens; the screen then shows them
    // one by one, in the order they were taken.
    if (jogo_) {
        TelaDisputa tela(*jogo_, clubes_, std::move(chutes_), vencedor, disputa_, janela_);
        Executar(tela);
    }
    chutes_.clear();
    clubes_[0] = clubes_[1] = -1;
}

} // namespace temporada::telas
