#include "apoio_telas.hpp"

#include "competitions/novojogo.hpp"
#include "management/telas/telaprincipal.hpp"
#include "world/clubes.hpp"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>

namespace apoio_telas {

std::unique_ptr<world::Jogo> NovoJogo(const std::vector<int>& ligas, int humanos, bool divisoesde20,
                                      std::uint64_t semente) {
    auto jogo = std::make_unique<world::Jogo>();
    const world::IndiceTimes indice = world::contatimes();
    competitions::OpcoesNovoJogo o;
    o.ligas = ligas;
    o.paisprincipal = ligas.front();
    o.divisoesde20 = divisoesde20;
    o.numhumanos = humanos;
    jogo->gerador.Semear(semente);
    competitions::IniciarJogoDeClubes(*jogo, indice, o);
    for (int h = 0; h < humanos; ++h)
        competitions::EscolherTime(*jogo, h, jogo->ligas[0].divisoes[0][h],
                                   "Tecnico " + std::to_string(h + 1));
    competitions::InicializarJogo(*jogo);
    return jogo;
}

std::string Capturar(QWidget& tela, const std::string& nome) {
    QDir().mkpath(QStringLiteral(PITCHLORD_CAPTURAS));
    const QString caminho = QStringLiteral(PITCHLORD_CAPTURAS "/") + QString::fromStdString(nome) +
                            QStringLiteral(".png");
    tela.grab().save(caminho);
    return caminho.toStdString();
}

void EscalarEJogar(management::telas::TelaPrincipal* tela) {
    QComboBox* formacao = tela->caixaFormacao();
    ASSERT_GT(formacao->count(), 0);
    formacao->setCurrentIndex(0);
    emit formacao->activated(0);
    ASSERT_TRUE(tela->botaoJogar()->isEnabled());
    tela->botaoJogar()->click();
}

FecharDialogos::FecharDialogos() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++fechados_;
            d->reject();
        }
    });
    timer_.start(5);
}

} // namespace apoio_telas
