// Three seasons with the autopilot's coaches in the market: every way of
// changing clubs happens, money balances on every transfer, squads stay
// within their limits, and the history and the mail survive a save.
#include "apoio/apoio.hpp"
#include "competitions/novojogo.hpp"
#include "management/invariantes.hpp"
#include "persistence/jogosalvo.hpp"
#include "plataforma/caminhos.hpp"
#include "temporada/autopiloto.hpp"
#include "world/clubes.hpp"
#include "world/emails.hpp"

#include <gtest/gtest.h>

#include <memory>

using namespace world;

namespace {

class MercadoTemporadas : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(PITCHLORD_JOGO) + "/teams"))
            GTEST_SKIP() << "no default world";
        plataforma::DefinirRaiz(PITCHLORD_JOGO);
    }
    apoio::PastaTemporaria pasta;
};

TEST_F(MercadoTemporadas, EveryWayOfTradingHappensAndTheMoneyAndSquadsStaySound) {
    auto jogo = std::make_unique<Jogo>();
    competitions::OpcoesNovoJogo o;
    o.ligas = {29, 97};
    o.paisprincipal = 29;
    o.divisoesde20 = false;
    o.numhumanos = 3;
    jogo->gerador.Semear(20261210);
    ASSERT_EQ(competitions::IniciarJogoDeClubes(*jogo, contatimes(), o),
              competitions::InicioNovoJogo::Ok);
    for (int h = 0; h < 3; ++h)
        competitions::EscolherTime(*jogo, h, jogo->ligas[h % 2].divisoes[h / 2][0],
                                   "Tecnico " + std::to_string(h + 1));
    competitions::InicializarJogo(*jogo);

    temporada::Autopiloto piloto(*jogo);
    std::string falha;
    int maior = 0, datas = 0;
    piloto.depoisdadata = [&](int) {
        ++datas;
        for (int c : jogo->estado.timeshumanos)
            if (c >= 0) maior = std::max<int>(maior, jogo->times[c].elenco);
        const auto erros = management::VerificarInvariantes(*jogo);
        if (!erros.empty()) {
            falha = "after date " + std::to_string(jogo->estado.dataatual) + ": " + erros[0];
            return false;
        }
        return true;
    };
    piloto.novatemporada = [&] { return jogo->estado.temporada < 4; };
    piloto.Entrar();
    ASSERT_TRUE(piloto.Jogar());
    ASSERT_TRUE(falha.empty()) << falha;
    EXPECT_GT(datas, 60); // three seasons of dates

    const ContagemMercado& m = jogo->contagemmercado;
    auto quantas = [&](ViaTransferencia v) { return m.quantas[static_cast<int>(v)]; };
    EXPECT_GT(quantas(ViaTransferencia::EntreComputadores), 100);
    EXPECT_GT(quantas(ViaTransferencia::Leilao), 0);
    EXPECT_GT(quantas(ViaTransferencia::PrecoFixo) + quantas(ViaTransferencia::Compra) +
                  quantas(ViaTransferencia::Proposta) + quantas(ViaTransferencia::OfertaComputador),
              0);
    EXPECT_LE(maior, management::kMaximoElencoHumano);
    EXPECT_EQ(jogo->ciclo.transferenciasdesequilibradas, 0);
    int total = 0;
    for (int q : m.quantas) total += q;
    EXPECT_EQ(static_cast<std::size_t>(total), jogo->transferencias.size());

    // The history and the mailbox go to the file and come back to the byte.
    const auto bytes = persistence::SerializarJogo(*jogo);
    Jogo lido;
    ASSERT_EQ(persistence::DesserializarJogo(bytes, lido), persistence::ResultadoCarga::Ok);
    EXPECT_EQ(lido.transferencias.size(), jogo->transferencias.size());
    EXPECT_EQ(lido.emails.size(), jogo->emails.size());
    EXPECT_EQ(persistence::SerializarJogo(lido), bytes);
}

} // namespace
