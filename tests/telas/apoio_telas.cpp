#include "apoio_telas.hpp"

#include "competitions/novojogo.hpp"
#include "management/telas/telaprincipal.hpp"
#include "plataforma/caminhos.hpp"
#include "ui/textos.hpp"
#include "world/clubes.hpp"
#include "world/paises.hpp"
#include "world/selecoes.hpp"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QPixmap>

#include <algorithm>
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

const std::vector<std::string>& ClubesDoMundo() {
    static const std::vector<std::string> nomes = [] {
        std::vector<std::string> r;
        for (const world::EntradaIndice& e : world::contatimes())
            if (e.Usavel()) r.emplace_back(e.nome.view());
        world::Jogo jogo;
        world::carregaselecoes(jogo);
        for (const world::TSelecao& s : jogo.selecoes) r.push_back(world::NomePais(s.pais));
        return r;
    }();
    return nomes;
}

const std::vector<std::string>& JogadoresDoMundo() {
    static const std::vector<std::string> nomes = [] {
        std::vector<std::string> r;
        auto acrescentar = [&](const auto& nome) {
            if (!world::VagaVazia(nome)) r.emplace_back(nome.view().substr(0, 20));
        };
        for (const world::EntradaIndice& e : world::contatimes())
            if (e.Usavel())
                if (const auto a = world::learquivotime(plataforma::Resolver("teams/" + e.arquivo)))
                    for (const auto& nome : a->jogadores.nomes) acrescentar(nome);
        world::Jogo jogo;
        world::carregaselecoes(jogo);
        for (const world::TSelecao& s : jogo.selecoes)
            for (const auto& nome : s.nomes) acrescentar(nome);
        return r;
    }();
    return nomes;
}

std::vector<std::string> MaisLargos(const std::vector<std::string>& nomes, const QFont& fonte,
                                    std::size_t n) {
    const QFontMetrics fm(fonte);
    std::vector<std::pair<int, std::string>> medidos;
    for (const std::string& nome : nomes)
        medidos.emplace_back(fm.horizontalAdvance(ui::Q(nome)), nome);
    std::stable_sort(medidos.begin(), medidos.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::string> r;
    for (std::size_t k = 0; k < medidos.size() && k < n; ++k) r.push_back(medidos[k].second);
    return r;
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
