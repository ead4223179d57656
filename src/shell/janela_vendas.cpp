// The market's selling screens on the main window: the sale of a player,
// the auctions, the player search.
#include "management/telas/telabusca.hpp"
#include "management/telas/telaleilao.hpp"
#include "management/telas/telaoutrosclubes.hpp"
#include "management/telas/telaprincipal.hpp"
#include "management/telas/telavenda.hpp"
#include "shell/janelaprincipal.hpp"
#include "ui/textos.hpp"

namespace shell {

world::i32 InteracaoDesktop::Lance(world::Jogo& jogo, const management::Leilao& leilao) {
    NoTecladoDoClube(jogo, leilao.vez);
    management::telas::TelaLeilao tela(jogo, leilao, janela_);
    tela.exec();
    return tela.Lance();
}

void InteracaoDesktop::FimDoLeilao(world::Jogo& jogo, const management::Leilao& leilao,
                                   const management::ResultadoLeilao& resultado) {
    management::telas::MostrarFimDoLeilao(jogo, leilao, resultado, janela_);
}

void JanelaPrincipal::AbrirVenda(int jogador) {
    if (!jogo_ || jogador <= 0 || jogador >= static_cast<int>(jogo_->jogadores.size())) return;
    // Only the coach at the keyboard sells, and only his own players.
    const int clube = jogo_->estado.timeatual;
    if (jogo_->jogadores[jogador].time != clube) return;
    management::telas::TelaVenda tela(*jogo_, jogador, ia_, this);
    tela.exec();
    if (!principal_) return;
    // Listed at his value or less, he goes at this very refresh: say so,
    // the squad has changed under the coach's eyes.
    const bool ficou = jogo_->jogadores[jogador].time == clube;
    principal_->Atualizar();
    const int comprador = jogo_->jogadores[jogador].time;
    if (ficou && comprador != clube && comprador >= 0 &&
        comprador < static_cast<int>(jogo_->times.size()))
        principal_->Avisar(ui::Q(jogo_->jogadores[jogador].nome.view()) +
                           QStringLiteral(" vendido para ") +
                           ui::Q(jogo_->times[comprador].nome.view()));
}

void JanelaPrincipal::AbrirBusca() {
    if (!jogo_) return;
    management::telas::TelaBusca tela(*jogo_, this);
    connect(&tela, &management::telas::TelaBusca::abrirClube, this, [this, &tela](int clube) {
        AbrirOutrosClubesEm(clube);
        // The club may have bought or sold meanwhile: the list as it is now.
        tela.Buscar();
    });
    tela.exec();
    if (principal_) principal_->Atualizar();
}

void JanelaPrincipal::AbrirOutrosClubesEm(int clube) {
    if (!jogo_) return;
    management::telas::TelaOutrosClubes tela(*jogo_, jogo_->estado.timeatual, ia_, this);
    tela.MostrarClube(clube);
    tela.exec();
    if (principal_) principal_->Atualizar();
}

} // namespace shell
