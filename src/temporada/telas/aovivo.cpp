#include "temporada/telas/aovivo.hpp"

#include "temporada/telas/dialogosaovivo.hpp"
#include "temporada/telas/visaoaovivo.hpp"

namespace temporada::telas {

using namespace match;

void AbrirVisaoAoVivo(world::Jogo& jogo, Rodada& rodada, int m, bool intervalo, QWidget* pai) {
    if (m < 1 || m > rodada.numjogos || m > kMaxJogos) return;
    VisaoAoVivo v(jogo, rodada, m, intervalo, pai);
    v.exec();
}

int EscolherSubstitutoContusao(const world::Jogo& jogo, const Rodada& rodada, int m, int lado,
                               int contundido, std::span<const int> banco, QWidget* pai) {
    if (banco.empty()) return 0;
    const int clube = m >= 1 && m <= kMaxJogos ? rodada.jogos[m].Clube(lado) : -1;
    SubstituicaoContusao d(jogo, clube, contundido, banco, pai);
    return d.exec() == QDialog::Accepted ? d.Escolhido() : 0;
}

} // namespace temporada::telas
