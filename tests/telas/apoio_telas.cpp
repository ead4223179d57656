#include "apoio_telas.hpp"

#include "competitions/novojogo.hpp"
#include "management/telas/telaprincipal.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>

#include <iterator>

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

void NomesLongos(world::Jogo& jogo) {
    static const char* const kNomes[] = {
        "Olympique Lauzet-en-Vaume", "Stal Jeziorzany Male Nowe", "Gimnasia Cañada del Junco",
        "Deportes Loma del Turpial", "Deportes Puerto del Samán", "Deportes Paso del Quillay",
        "Academia Loma de la Ceiba", "Academia Alto del Guayabo", "Deportes Valle del Yarumo",
        "MKS Jeziorzany Male Stare", "Mineros Puerto Guacharaca", "Académico Cabeço de Seixo",
        "Juventina Borgo Orsentino", "Oriental Cañada del Ñandú", "Deportes Estero del Litre",
        "Sporting Herzel-sur-Meuse", "Juventina Ponte Orsentino", "Porvenir Rincón del Aromo",
        "Juventina Rocca Vallumbra", "Atlético Puerto del Molle", "Talleres Llano del Bagual",
        "Atlético Cañada del Biguá", "Atlético Arroyo del Ceibo", "Sportivo Cerro del Bañado",
        "Porvenir Costa del Zorzal", "Sportivo Villa del Bañado", "Atlético Paso de la Ceiba",
        "Atlético Cerro Turpialito", "Sportivo Villa del Zorzal", "Porvenir Colonia del Tero",
        "Sporting Rocca Corbellana", "Atlético Playa del Cedral", "Porvenir Villa del Peludo",
        "Juventud Colonia del Tala", "Juventud Punta del Bañado", "Sporting Ponte Corbellana",
        "Juventina Pieve Pietrasca", "Juventud Rincón del Ceibo", "Mineros Monte Guacharaca",
        "Olympique Maubec-en-Vaume"};
    constexpr int n = static_cast<int>(std::size(kNomes));
    int k = 0;
    const world::TLiga& l = jogo.ligas[0];
    for (int d = 0; d < l.numdivisoes; ++d)
        for (int c : l.divisoes[d])
            if (c >= 0 && c < static_cast<int>(jogo.times.size()))
                jogo.times[c].nome = ui::ParaJogo(QString::fromUtf8(kNomes[k++ % n]));
}

std::string Capturar(QWidget& tela, const std::string& nome) {
    QDir().mkpath(QStringLiteral(PITCHLORD_CAPTURAS));
    const QString caminho = QStringLiteral(PITCHLORD_CAPTURAS "/") + QString::fromStdString(nome) +
                            QStringLiteral(".png");
    tela.grab().save(caminho);
    return caminho.toStdString();
}

void EscalarEJogar(management::telas::TelaPrincipal* tela) {
    tela->AceitarVez(); // the coach named by a hand-over takes the keyboard
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
