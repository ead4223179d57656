// The coach's career on the main window: dismissals, the computer-run clubs'
// coach changes and the job offers.
#include "competitions/telas/telaclassificacao.hpp"
#include "management/telas/telacarreira.hpp"
#include "management/telas/telacontratacoes.hpp"
#include "shell/janelaprincipal.hpp"

namespace shell {

void InteracaoDesktop::TrocaDeTecnico(world::Jogo& jogo, int clube, int antigo, int novo) {
    management::telas::TelaTrocaTecnico tela(jogo, clube, antigo, novo, janela_);
    tela.exec();
}

void InteracaoDesktop::Demitido(world::Jogo& jogo, int tecnico, int clube,
                                management::MotivoDemissao motivo, int substituto) {
    NoTeclado(tecnico);
    management::telas::TelaDemitido tela(jogo, tecnico, clube, motivo, substituto, janela_);
    tela.exec();
}

int InteracaoDesktop::Convite(world::Jogo& jogo, int tecnico, const std::vector<int>& clubes) {
    NoTeclado(tecnico);
    management::telas::TelaConvite tela(jogo, tecnico, clubes, janela_);
    QObject::connect(&tela, &management::telas::TelaConvite::verClassificacao, &tela, [&] {
        competitions::telas::TelaClassificacao classificacao(jogo, &tela);
        classificacao.exec();
    });
    tela.exec();
    return tela.Escolhido();
}

void JanelaPrincipal::AbrirContratacoes() {
    if (!jogo_) return;
    management::telas::TelaContratacoes tela(*jogo_, this);
    tela.exec();
}

} // namespace shell
